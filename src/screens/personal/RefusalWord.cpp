#include "screens/personal/RefusalWord.h"

namespace corkwise {

RefusalWord::RefusalWord(QWidget* page) : QLabel(page) {
    setObjectName(QStringLiteral("refusalWord"));
    setStyleSheet(QStringLiteral("background: rgb(255, 255, 200); color: black;"));
    hide();
    shownFor_.setSingleShot(true);
    shownFor_.setInterval(kShownMs);
    connect(&shownFor_, &QTimer::timeout, this, &QWidget::hide);
}

void RefusalWord::say(const QString& word) {
    setText(word);
    adjustSize();
    const QWidget* page = parentWidget();
    move(page->width() - 12 - width(), page->height() - 12 - height());
    show();
    raise();
    shownFor_.start();
}

QString RefusalWord::shown() const {
    return isHidden() ? QString() : text();
}

}  // namespace corkwise
