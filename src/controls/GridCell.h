#pragma once
// What the grid's cells have in common: each is created once into its parent at a rectangle,
// carries the slot id it reports taps with and knows the grid it belongs to, if any.

#include <QFrame>

namespace corkwise {

class GridList;

class GridCell : public QFrame {
    Q_OBJECT

public:
    ~GridCell() override;

    bool isCreated() const { return created_; }
    int slotId() const { return slotId_; }
    // The owning grid; null when the cell is used alone.
    GridList* grid() const { return grid_; }

protected:
    // Hidden, without a frame, in the Verdana font until created.
    explicit GridCell(QWidget* parent);

    // Makes the cell a child of PARENT at RECT, records SLOTID and, when PARENT is a GridList,
    // the grid. Returns false, changing nothing, when the cell was already created or PARENT is
    // null.
    bool place(const QRect& rect, QWidget* parent, int slotId);

private:
    int slotId_ = 0;
    GridList* grid_ = nullptr;
    bool created_ = false;
};

}  // namespace corkwise
