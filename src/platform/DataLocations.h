#pragma once
// Where the program finds its files on a desktop system.
//
// The catalogue "wcat.res" and the personal file "personal.res" live beside the executable, so
// that a program folder carries everything it needs. An installed program whose directory holds
// no catalogue reads the one in the installed data directory and keeps its personal file in the
// user's data directory, as does one whose directory is not writable. "Error.log" goes beside
// the personal file.

#include <QString>

namespace corkwise {

struct DataLocations {
    QString catalogue;
    QString personal;
    QString errorLog;
};

// What the locations are chosen from. Empty overrides are not used.
struct LocationInputs {
    QString executableDir;      // directory of the running executable
    QString installedDataDir;   // <prefix>/share/corkwise
    QString userDataDir;        // the user's writable data directory
    QString catalogueOverride;  // --catalogue FILE
    QString personalOverride;   // --personal FILE
};

inline constexpr char kCatalogueFileName[] = "wcat.res";
inline constexpr char kPersonalFileName[] = "personal.res";
inline constexpr char kErrorLogFileName[] = "Error.log";

// Directory of the running executable (QCoreApplication::applicationDirPath); empty without an
// application object.
QString executableDirectory();

// The installed data directory that belongs to an executable in EXECUTABLE_DIR: the
// "share/corkwise" directory beside its "bin" directory.
QString installedDataDirectory(const QString& executableDir);

// The user's writable data directory, ~/.local/share/corkwise on Linux; may not exist yet.
QString userDataDirectory();

// Chooses the three paths:
// - catalogue: the override; else wcat.res in the executable's directory when that file exists;
//   else wcat.res in the installed data directory when that file exists; else the path in the
//   executable's directory (which then fails to open, and the user is told).
// - personal: the override; else personal.res in the executable's directory when the directory
//   is writable and the program is not installed; else personal.res in the user's data
//   directory. The program counts as installed when its directory holds no wcat.res and the
//   installed data directory does.
// - errorLog: Error.log in the directory of the personal file.
// Touches the file system only to test existence and writability.
DataLocations resolveDataLocations(const LocationInputs& in);

}  // namespace corkwise
