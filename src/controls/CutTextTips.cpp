#include "controls/CutTextTips.h"

#include "controls/LabelCell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>

namespace corkwise {

namespace {

bool g_installed = false;

// Whether TEXT, on one line in FONTMETRICS, needs more than WIDTH pixels.
bool tooWide(const QFontMetrics& metrics, const QString& text, int width) {
    return metrics.horizontalAdvance(text) > width;
}

QString cutEntry(const QAbstractItemView* view, const QPoint& pos) {
    const QModelIndex index = view->indexAt(pos);
    if (!index.isValid() || !index.data(Qt::ToolTipRole).toString().isEmpty()) {
        return {};
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    // The text inside an entry is kept off its edges by the focus frame's margin.
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    // An entry may be laid out wider than the list; what counts is the part in sight.
    const QRect shown = view->visualRect(index).intersected(view->viewport()->rect());
    const int room = shown.width() - 2 * margin;
    const QFont font = index.data(Qt::FontRole).canConvert<QFont>()
                           ? index.data(Qt::FontRole).value<QFont>()
                           : view->font();
    return tooWide(QFontMetrics(font), text, room) ? text : QString();
}

QString cutCombo(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const QString text = combo->currentText();
    return tooWide(combo->fontMetrics(), text, field.width()) ? text : QString();
}

QString cutLabel(const QLabel* label) {
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText) {
        return {};
    }
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    if (!label->wordWrap()) {
        return tooWide(label->fontMetrics(), text, room.width()) ? text : QString();
    }
    const QRect needed = label->fontMetrics().boundingRect(
        QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap | label->alignment(), text);
    return needed.height() > room.height() || needed.width() > room.width() ? text : QString();
}

QString cutCell(const LabelCell* cell) {
    const QString text = cell->text();
    const QRect room = cell->contentsRect();
    if (!cell->wrap()) {
        return tooWide(cell->fontMetrics(), text, room.width()) ? text : QString();
    }
    const QRect needed = cell->fontMetrics().boundingRect(QRect(0, 0, room.width(), 1 << 20),
                                                          Qt::TextWordWrap, text);
    return needed.height() > room.height() ? text : QString();
}

// Long texts are wrapped in the tooltip rather than running off the screen.
QString tipText(const QString& text) {
    constexpr int kLongestLine = 60;
    if (text.size() <= kLongestLine) {
        return text;
    }
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

}  // namespace

void CutTextTips::install() {
    if (g_installed || qApp == nullptr) {
        return;
    }
    g_installed = true;
    qApp->installEventFilter(new CutTextTips(qApp));
}

QString CutTextTips::cutTextAt(const QWidget* widget, const QPoint& pos) {
    if (widget == nullptr || !widget->toolTip().isEmpty()) {
        return {};
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget->parentWidget());
        view != nullptr && view->viewport() == widget) {
        return cutEntry(view, pos);
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return cutCombo(combo);
    }
    if (const auto* cell = qobject_cast<const LabelCell*>(widget)) {
        return cutCell(cell);
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return cutLabel(label);
    }
    return {};
}

bool CutTextTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = cutTextAt(widget, help->pos());
    if (text.isEmpty()) {
        return false;
    }
    QToolTip::showText(help->globalPos(), tipText(text), widget);
    return true;
}

}  // namespace corkwise
