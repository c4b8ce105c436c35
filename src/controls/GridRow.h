#pragma once
// One row of texts of a grid, one text per column in column order.

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace corkwise {

class GridRow {
public:
    GridRow() = default;
    explicit GridRow(const QStringList& texts) : texts_(texts) {}
    GridRow(std::initializer_list<QString> texts) : texts_(texts) {}

    int count() const { return static_cast<int>(texts_.size()); }
    // The text of column I; an empty text when the row has no such column.
    QString text(int i) const;
    // Sets the text of column I, growing the row with empty texts when I lies past its end.
    // A negative I changes nothing.
    void setText(int i, const QString& text);
    const QStringList& texts() const { return texts_; }

private:
    QStringList texts_;
};

}  // namespace corkwise
