#pragma once
// The variants of the command bar's Personal button: one per combination of the Personal items
// that are usable, and only one shown at a time (see CommandBar).

namespace corkwise {

// The eight variants of the Personal button, each a button of its own at the bar position its
// value gives. The four that offer Add Bookmark sit four places after their twins without it.
enum class PersonalVariant {
    NotesAndBookmarks = 2,
    NothingStored = 3,
    BookmarksOnly = 4,
    NotesOnly = 5,
    NotesAndBookmarksWithAddBookmark = 6,
    NothingStoredWithAddBookmark = 7,
    BookmarksOnlyWithAddBookmark = 8,
    NotesOnlyWithAddBookmark = 9,
};

constexpr int barPosition(PersonalVariant variant) {
    return static_cast<int>(variant);
}
constexpr bool offersAddBookmark(PersonalVariant variant) {
    return variant >= PersonalVariant::NotesAndBookmarksWithAddBookmark;
}
// VARIANT's Notes and Bookmarks items with Add Bookmark usable; a variant that offers it already
// stays as it is.
constexpr PersonalVariant withAddBookmark(PersonalVariant variant) {
    return offersAddBookmark(variant)
               ? variant
               : static_cast<PersonalVariant>(
                     barPosition(variant) +
                     barPosition(PersonalVariant::NotesAndBookmarksWithAddBookmark) -
                     barPosition(PersonalVariant::NotesAndBookmarks));
}

// The variant without Add Bookmark whose Notes and Bookmarks items are usable as NOTES and
// BOOKMARKS (whether entries of each kind are stored) say.
constexpr PersonalVariant variantOffering(bool notes, bool bookmarks) {
    if (notes && bookmarks) {
        return PersonalVariant::NotesAndBookmarks;
    }
    if (bookmarks) {
        return PersonalVariant::BookmarksOnly;
    }
    return notes ? PersonalVariant::NotesOnly : PersonalVariant::NothingStored;
}

}  // namespace corkwise
