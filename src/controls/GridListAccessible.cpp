#include "controls/GridListAccessible.h"

#include "controls/ControlLook.h"
#include "controls/GridList.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace corkwise {

namespace {

// One row slot of a grid. It has no object of its own: the grid's interface makes and
// registers one per slot and removes them when it goes.
class GridRowAccessible : public QAccessibleInterface {
public:
    GridRowAccessible(GridList* grid, int slot) : grid_(grid), slot_(slot) {}

    bool isValid() const override { return grid_ != nullptr && slot_ < shownRows(grid_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return grid_ != nullptr ? grid_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return grid_ != nullptr ? QAccessible::queryAccessibleInterface(grid_) : nullptr;
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) {
            return {};
        }
        QStringList texts;
        for (int j = 0; j < grid_->columnCount(); ++j) {
            const QString cell = grid_->cellText(slot_, j);
            if (!cell.isEmpty()) {
                texts.append(cell);
            }
        }
        return texts.join(QStringLiteral(", "));
    }

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const int y = grid_->headerShown() ? kRowHeight * (slot_ + 1) : kRowHeight * slot_;
        return QRect(grid_->mapToGlobal(QPoint(0, y)), QSize(grid_->width(), kRowHeight));
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool selected = grid_->selectedSlot() == slot_ && grid_->isSelectable();
        s.selectable = grid_->isSelectable();
        s.selected = selected;
        s.focusable = true;
        s.focused = selected && grid_->hasFocus();
        s.invisible = !grid_->isVisible();
        return s;
    }

    static int shownRows(const GridList* grid) {
        return qMax(0, qMin(grid->visibleSlots(), grid->rowCount() - grid->top()));
    }

private:
    QPointer<GridList> grid_;
    int slot_;
};

class GridListAccessible : public QAccessibleWidget {
public:
    explicit GridListAccessible(GridList* grid) : QAccessibleWidget(grid, QAccessible::List) {}
    ~GridListAccessible() override {
        for (QAccessible::Id id : rowIds_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return GridRowAccessible::shownRows(grid()); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        while (static_cast<int>(rowIds_.size()) <= index) {
            auto* row = new GridRowAccessible(grid(), static_cast<int>(rowIds_.size()));
            rowIds_.push_back(QAccessible::registerAccessibleInterface(row));
        }
        return QAccessible::accessibleInterface(rowIds_[static_cast<size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (size_t i = 0; i < rowIds_.size(); ++i) {
            if (QAccessible::accessibleInterface(rowIds_[i]) == child) {
                return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
            }
        }
        return -1;
    }

    QAccessibleInterface* focusChild() const override {
        const int slot = grid()->selectedSlot();
        return grid()->hasFocus() && slot >= 0 ? child(slot) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessibleInterface* row = child(i); row->rect().contains(x, y)) {
                return row;
            }
        }
        return nullptr;
    }

private:
    GridList* grid() const { return static_cast<GridList*>(widget()); }

    mutable std::vector<QAccessible::Id> rowIds_;
};

QAccessibleInterface* gridListFactory(const QString& /*className*/, QObject* object) {
    if (auto* grid = qobject_cast<GridList*>(object)) {
        return new GridListAccessible(grid);
    }
    return nullptr;
}

}  // namespace

void installGridListAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(gridListFactory);
        return true;
    }();
    static_cast<void>(installed);
}

void notifyGridFocus(GridList* grid, int slot) {
    if (!QAccessible::isActive() || !grid->hasFocus() || slot < 0) {
        return;
    }
    QAccessibleEvent event(grid, QAccessible::Focus);
    event.setChild(slot);
    QAccessible::updateAccessibility(&event);
}

}  // namespace corkwise
