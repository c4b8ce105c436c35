#include "controls/GridRow.h"

namespace corkwise {

QString GridRow::text(int i) const {
    if (i < 0 || i >= texts_.size()) {
        return {};
    }
    return texts_.at(i);
}

void GridRow::setText(int i, const QString& text) {
    if (i < 0) {
        return;
    }
    while (texts_.size() <= i) {
        texts_.append(QString());
    }
    texts_[i] = text;
}

}  // namespace corkwise
