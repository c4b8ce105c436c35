#include "app/HomeBannerButton.h"

#include <QKeyEvent>
#include <QPainter>

namespace corkwise {

namespace {

// Room around the caption for the focus frame; the ribbon painted behind reaches as far.
constexpr int kMargin = 4;

}  // namespace

HomeBannerButton::HomeBannerButton(const HomeBanner& banner, QWidget* parent)
    : QAbstractButton(parent), banner_(banner) {
    const QString caption = QString::fromLatin1(banner.caption);
    setObjectName(QStringLiteral("banner%1").arg(banner.flowId));
    // "&" would make a mnemonic of the next letter.
    setText(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    setAccessibleName(caption);
    setAccessibleDescription(QStringLiteral("Starts the search"));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(banner.rect().adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

void HomeBannerButton::paintEvent(QPaintEvent* /*event*/) {
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Dark on the cream page and light on the burgundy ribbon: two lines side by side.
    const QRectF outer = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(20, 20, 20), 2));
    painter.drawRoundedRect(outer, 4, 4);
    painter.setPen(QPen(QColor(250, 244, 230), 1, Qt::DotLine));
    painter.drawRoundedRect(outer.adjusted(2, 2, -2, -2), 3, 3);
}

void HomeBannerButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            click();
            return;
        case Qt::Key_Up:
        case Qt::Key_Left:
            Q_EMIT stepRequested(-1);
            return;
        case Qt::Key_Down:
        case Qt::Key_Right:
            Q_EMIT stepRequested(1);
            return;
        default:
            QAbstractButton::keyPressEvent(event);
    }
}

}  // namespace corkwise
