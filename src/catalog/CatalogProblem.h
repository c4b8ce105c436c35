#pragma once
// Why a catalogue file cannot be used, told by its path before it is opened: the program's
// start-up, File > Open Catalogue and the tools all say the same thing about the same file.
//
// The reader itself trusts nothing and opens a damaged file with fewer tables or none; this
// check is what tells the user instead of showing empty lists. It reads the header, the
// directory and the first bytes of every table's block; it never reads rows.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace corkwise {

struct CatalogProblem {
    enum class Kind {
        None,           // the file can be opened as a catalogue
        Missing,        // no file at the path
        NotAFile,       // a folder or some other thing that is not a plain file
        NotReadable,    // there, but it cannot be opened for reading (permissions)
        Empty,          // zero bytes
        NotACatalogue,  // the header or directory is not one a catalogue can have
        CutShort,       // the directory or a table's block runs past the end of the file
        Damaged,        // a table does not fit in the block the directory gives it
    };

    Kind kind = Kind::None;
    // For CutShort: the file's length, the first byte a complete file would have and this one
    // lacks. -1 otherwise.
    qint64 cutAt = -1;
    // For Damaged: the name of the table that does not fit.
    QByteArray table;
    // One sentence that names the file and the reason, "PATH is cut short at byte 1234.";
    // empty for None.
    QString text;

    explicit operator bool() const { return kind != Kind::None; }
};

// Checks the catalogue file at PATH. Touches the file only to read it.
CatalogProblem findCatalogProblem(const QString& path);

}  // namespace corkwise
