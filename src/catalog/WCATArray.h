#pragma once
// The catalogue's tables in table-number order: slot i holds table number i.

#include <memory>

namespace corkwise {

class CatalogTable;

// A growable array of table pointers that does not own the tables (the CatalogFile does).
// It starts with 10 slots and doubles its capacity whenever it is full.
class WCATArray {
public:
    static constexpr int kInitialCapacity = 10;

    // Writes the "CONSTRUCT WCATArray" and "END CONSTRUCT WCATArray" trace lines.
    WCATArray();
    WCATArray(const WCATArray&) = delete;
    WCATArray& operator=(const WCATArray&) = delete;
    ~WCATArray();

    // Appends TABLE (not owned) at position size().
    void add(CatalogTable* table);
    // The table at POSITION, or null when POSITION is not below size().
    CatalogTable* at(int position) const {
        return position >= 0 && position < count_ ? items_[static_cast<size_t>(position)] : nullptr;
    }
    int size() const { return count_; }
    int capacity() const { return capacity_; }

private:
    int count_ = 0;
    int capacity_ = 0;
    std::unique_ptr<CatalogTable*[]> items_;
};

}  // namespace corkwise
