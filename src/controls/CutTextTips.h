#pragma once
// Shows the whole text of a list entry, combo box or label that is too narrow for it, as a
// tooltip where the pointer rests on it.
//
// One application-wide event filter answers the tooltip requests of every item view (lists,
// the drop-down lists of combo boxes), combo box and word-wrapped label; a widget or entry
// with a tooltip of its own keeps it, and a text that is shown in full gets none.

#include <QObject>
#include <QString>

class QPoint;
class QWidget;

namespace corkwise {

class CutTextTips : public QObject {
    Q_OBJECT

public:
    // Installs the filter on the application once; later calls do nothing.
    static void install();

    // The whole text to show for the pointer at POS in WIDGET (an item view's viewport, a
    // combo box or a label) when what is seen there is cut; empty otherwise.
    static QString cutTextAt(const QWidget* widget, const QPoint& pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace corkwise
