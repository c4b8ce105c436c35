#pragma once

namespace corkwise {

// A dictionary value named by its value id (row number in the dictionary, -1 when no value is
// known) and its dictionary's table number.
class DictRef {
public:
    DictRef(int valueId, int dictionary) : valueId_(valueId), dictionary_(dictionary) {}

    int valueId() const { return valueId_; }
    int dictionary() const { return dictionary_; }

    friend bool operator==(const DictRef&, const DictRef&) = default;

private:
    int valueId_;
    int dictionary_;
};

}  // namespace corkwise
