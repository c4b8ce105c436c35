#pragma once
// The command ids of the command bar's menus and accelerators. An item that is not usable carries
// a command that nothing handles (the Greyed ids), so it is shown greyed.

namespace corkwise::command {

inline constexpr int kFileButton = 32771;
inline constexpr int kEditButton = 105;
inline constexpr int kPersonalButton = 32785;
inline constexpr int kHelpButton = 106;

inline constexpr int kExit = 57665;
inline constexpr int kAbout = 57664;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;

inline constexpr int kAddNote = 32792;
inline constexpr int kAddBookmark = 32807;
inline constexpr int kAddBookmarkGreyed = 32806;
inline constexpr int kNotes = 32789;
inline constexpr int kNotesGreyed = 32800;
inline constexpr int kBookmarks = 32788;
inline constexpr int kBookmarksGreyed = 32799;

// The Search menu: the name search, then the five searches of the home picture.
inline constexpr int kFindByName = 32840;
inline constexpr int kSearchFindWine = 32841;
inline constexpr int kSearchFoodAndWine = 32842;
inline constexpr int kSearchVintageChart = 32843;
inline constexpr int kSearchBestValues = 32844;
inline constexpr int kSearchBestProducers = 32845;

// The File menu's catalogues: Open Catalogue..., then the entries of Recent Catalogues, newest
// first.
inline constexpr int kOpenCatalogue = 32870;
inline constexpr int kFirstRecentCatalogue = 32871;
inline constexpr int kLastRecentCatalogue = 32875;

// The View menu: the zoom of the whole window.
inline constexpr int kZoomIn = 32850;
inline constexpr int kZoomOut = 32851;
inline constexpr int kActualSize = 32852;

// Help and the File menu's ways of taking notes and bookmarks in and out.
inline constexpr int kHelp = 32890;
inline constexpr int kExportNotes = 32891;
inline constexpr int kImportNotes = 32892;
inline constexpr int kExportBookmarkList = 32893;
inline constexpr int kPrintBookmarks = 32894;

}  // namespace corkwise::command
