#pragma once
// Writing a whole file so that a failure never leaves less than was there before.
//
// Every file the program and its tools write (the personal file, its backups, the notes tool's
// output, the catalogues and sources the catalogue tool writes) goes through replaceFile. The new
// contents are written to a temporary file beside the target through a QIODevice with no buffer
// of its own, so a full disk is seen at the write that hits it; the file is then forced to the
// disk (fsync) and only then renamed over the target, and the directory is forced to the disk
// too. On any failure the target keeps its old bytes and the
// caller gets the operating system's reason ("No space left on device").

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace corkwise {

// Writes all of BYTES to DEVICE (open for writing). False, with *ERROR set to the device's
// reason, when the device does not take every byte.
bool writeWhole(QIODevice* device, const QByteArray& bytes, QString* error);

// Fills DEVICE, the open temporary file, with the new contents. False, with *ERROR set to the
// reason, when it could not.
using DeviceFill = std::function<bool(QIODevice& device, QString* error)>;

// Replaces the file at PATH by what FILL writes, as above. A symbolic link at PATH is followed:
// the file it names is replaced and the link stays. The new file keeps the old one's
// permissions. Returns false with *ERROR (when given) set to the reason when anything fails;
// PATH is then untouched.
bool replaceFile(const QString& path, const DeviceFill& fill, QString* error);

// The same for a file of BYTES, written with writeWhole.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error);

// The file PATH names once symbolic links are followed, also when that file does not exist yet.
QString resolvedFilePath(const QString& path);

}  // namespace corkwise
