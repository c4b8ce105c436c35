#pragma once
// The two kinds of personal entry. The value is what the personal file stores.

namespace corkwise {

enum class EntryKind : int {
    Note = 0,
    Bookmark = 1,
};

}  // namespace corkwise
