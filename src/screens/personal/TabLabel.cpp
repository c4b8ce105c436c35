#include "screens/personal/TabLabel.h"

#include "screens/SearchPage.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace corkwise {

namespace {

// Screen readers meet a tab label as a page tab named by its text.
class TabLabelAccessible : public QAccessibleWidget {
public:
    explicit TabLabelAccessible(TabLabel* label) : QAccessibleWidget(label, QAccessible::PageTab) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<TabLabel*>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* tabLabelFactory(const QString& /*className*/, QObject* object) {
    auto* label = qobject_cast<TabLabel*>(object);
    return label != nullptr ? new TabLabelAccessible(label) : nullptr;
}

}  // namespace

TabLabel::TabLabel(const QString& text, int id, QWidget* parent)
    : QWidget(parent),
      text_(text),
      id_(id),
      frameColour_(SearchPage::kFrameColour),
      backgroundColour_(SearchPage::kBackground) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool installed = [] {
        QAccessible::installFactory(tabLabelFactory);
        return true;
    }();
    static_cast<void>(installed);
}

void TabLabel::setCorner(int corner) {
    corner_ = corner;
    update();
}

void TabLabel::setFramed(bool on) {
    framed_ = on;
    update();
}

void TabLabel::setFrameColour(const QColor& colour) {
    frameColour_ = colour;
    update();
}

void TabLabel::setBackgroundColour(const QColor& colour) {
    backgroundColour_ = colour;
    update();
}

void TabLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void TabLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, backgroundColour_);
    if (framed_) {
        // An open outline: down both sides and across the top, with the top-left corner cut.
        // The bottom stays open so that the selected tab joins the page below it.
        const int left = 0;
        const int top = 0;
        const int right = width();
        const int bottom = height();
        const int k = corner_;
        QPolygon outline;
        outline << QPoint(left + 1, bottom) << QPoint(left + 1, top + k)
                << QPoint(left + k + 1, top) << QPoint(right - k + 1, top) << QPoint(right - 1, top)
                << QPoint(right - 1, bottom);
        painter.setPen(QPen(frameColour_, 1));
        painter.drawPolyline(outline);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(area, static_cast<int>(alignment_), text_);
}

void TabLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked(id_);
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace corkwise
