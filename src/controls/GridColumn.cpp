#include "controls/GridColumn.h"

#include "common/TextCodec.h"
#include "controls/LabelCell.h"

namespace corkwise {

namespace {

std::unique_ptr<LabelCell> makeHeaderCell() {
    auto cell = std::make_unique<LabelCell>();
    cell->setBackgroundColour(kHeaderColour);
    return cell;
}

}  // namespace

GridColumn::GridColumn(const QString& title, int width)
    : title_(title), header_(makeHeaderCell()), width_(width) {}

GridColumn::GridColumn(const QByteArray& title, int width)
    : GridColumn(fromWindows1252(title), width) {}

GridColumn::GridColumn(const char* title, int width) : GridColumn(fromWindows1252(title), width) {}

GridColumn::GridColumn(const GridColumn& other)
    : title_(other.title_), header_(makeHeaderCell()), width_(other.width_) {}

GridColumn& GridColumn::operator=(const GridColumn& other) {
    if (this != &other) {
        title_ = other.title_;
        width_ = other.width_;
        header_ = makeHeaderCell();
    }
    return *this;
}

GridColumn::GridColumn(GridColumn&& other) noexcept = default;
GridColumn& GridColumn::operator=(GridColumn&& other) noexcept = default;
GridColumn::~GridColumn() = default;

}  // namespace corkwise
