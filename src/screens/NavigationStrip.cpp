#include "screens/NavigationStrip.h"

#include "screens/PageHost.h"
#include "screens/SearchPage.h"

#include <QPainter>
#include <QPushButton>

namespace corkwise {

NavigationStrip::NavigationStrip(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("navigationStrip"));
    setFont(SearchPage::pageFont(13, true));
    setStyleSheet(SearchPage::buttonStyleSheet());

    // Created in the order Back, Next, Finish, Cancel; Next and Finish share one place.
    back_ = makeButton(QStringLiteral("Back"), "backButton", 90, 5, 150, 25);
    next_ = makeButton(QStringLiteral("Next"), "nextButton", 170, 5, 230, 25);
    finish_ = makeButton(QStringLiteral("Finish"), "finishButton", 170, 5, 230, 25);
    cancel_ = makeButton(QStringLiteral("Cancel"), "cancelButton", 10, 5, 70, 25);
    finish_->hide();

    connect(back_, &QPushButton::clicked, this, [this] { host_.goBack(); });
    connect(next_, &QPushButton::clicked, this, [this] { host_.goNext(); });
    connect(finish_, &QPushButton::clicked, this, [this] { host_.closeFlow(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { host_.closeFlow(); });
}

void NavigationStrip::setLastPage(bool last) {
    next_->setVisible(!last);
    finish_->setVisible(last);
}

void NavigationStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), SearchPage::kBackground);
}

QPushButton* NavigationStrip::makeButton(const QString& text, const char* name, int left, int top,
                                         int right, int bottom) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, right - left, bottom - top);
    button->setFocusPolicy(Qt::TabFocus);
    // Enter presses a focused button, as Space does; elsewhere on the page it is Next.
    button->setAutoDefault(true);
    return button;
}

}  // namespace corkwise
