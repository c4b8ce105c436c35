#include "screens/AdvancedSearchPanel.h"

#include "guide/SearchFlow.h"
#include "screens/PageHost.h"
#include "screens/SearchPage.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace corkwise {

AdvancedSearchPanel::AdvancedSearchPanel(PageHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("advancedSearchPanel"));
    setStyleSheet(SearchPage::buttonStyleSheet());

    heading_ = new QLabel(QStringLiteral("Advanced Search:"), this);
    heading_->setObjectName(QStringLiteral("advancedSearchHeading"));
    QFont headingFont = SearchPage::pageFont(15, true);
    headingFont.setUnderline(true);
    heading_->setFont(headingFont);
    heading_->setAlignment(Qt::AlignCenter);
    heading_->setGeometry(10, 20, 220, 20);

    bestProducers_ = makeButton(QStringLiteral("Best Producers"), "bestProducersButton", 66);
    bestValues_ = makeButton(QStringLiteral("Best Values"), "bestValuesButton", 121);
    powerSearch_ = makeButton(QStringLiteral("Power Search"), "powerSearchButton", 176);

    connect(bestProducers_, &QPushButton::clicked, this,
            [this] { host_.startPrefilled(kBestProducersFlow, true); });
    connect(bestValues_, &QPushButton::clicked, this,
            [this] { host_.startPrefilled(kBestValuesFlow, true); });
    connect(powerSearch_, &QPushButton::clicked, this,
            [this] { host_.startPrefilled(kFindWineFlow, true); });
}

QPushButton* AdvancedSearchPanel::makeButton(const QString& text, const char* name, int top) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(SearchPage::pageFont(13, true));
    button->setGeometry(40, top, 160, 25);
    button->setAutoDefault(true);
    return button;
}

void AdvancedSearchPanel::refreshButtons(bool show) {
    if (!show) {
        return;
    }
    bestProducers_->setEnabled(host_.startPrefilled(kBestProducersFlow, false));
    bestValues_->setEnabled(host_.startPrefilled(kBestValuesFlow, false));
}

void AdvancedSearchPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), SearchPage::kBackground);
}

}  // namespace corkwise
