#pragma once
// One column of a grid: its title, its header cell and its width.

#include <QByteArray>
#include <QString>
#include <memory>

namespace corkwise {

class LabelCell;

// A copy gets the title and width and a header cell of its own; the header cell is destroyed
// with its column. The header cell's window is made by the grid that lays the column out.
class GridColumn {
public:
    GridColumn(const QString& title, int width);
    // TITLE is 8-bit Windows-1252 text.
    GridColumn(const QByteArray& title, int width);
    GridColumn(const char* title, int width);
    GridColumn(const GridColumn& other);
    GridColumn& operator=(const GridColumn& other);
    GridColumn(GridColumn&& other) noexcept;
    GridColumn& operator=(GridColumn&& other) noexcept;
    ~GridColumn();

    const QString& title() const { return title_; }
    // The header cell, owned by the column; its background is the header colour.
    LabelCell* headerCell() const { return header_.get(); }
    int width() const { return width_; }
    void setWidth(int width) { width_ = width; }

private:
    QString title_;
    std::unique_ptr<LabelCell> header_;
    int width_ = 0;
};

}  // namespace corkwise
