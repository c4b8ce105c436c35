#include "catalog/WCATArray.h"

#include "common/ErrorLog.h"

#include <algorithm>

namespace corkwise {

WCATArray::WCATArray() {
    logLine("CONSTRUCT WCATArray " + QByteArray(96, '~'));
    capacity_ = kInitialCapacity;
    items_ = std::make_unique<CatalogTable*[]>(static_cast<size_t>(capacity_));
    logLine("END CONSTRUCT WCATArray " + QByteArray(96, '~'));
}

WCATArray::~WCATArray() = default;

void WCATArray::add(CatalogTable* table) {
    if (count_ == capacity_) {
        const int grown = capacity_ * 2;
        auto slots = std::make_unique<CatalogTable*[]>(static_cast<size_t>(grown));
        std::copy(items_.get(), items_.get() + count_, slots.get());
        items_ = std::move(slots);
        capacity_ = grown;
    }
    items_[static_cast<size_t>(count_)] = table;
    ++count_;
}

}  // namespace corkwise
