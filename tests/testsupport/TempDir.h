#pragma once
// A temporary directory for one test, removed with everything in it when the test ends.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace corkwise::test {

class TempDir {
public:
    TempDir();
    // Absolute path of NAME inside the directory.
    QString path(const QString& name) const;
    // Writes BYTES to NAME inside the directory (making the folders NAME names); returns its
    // absolute path.
    QString write(const QString& name, const QByteArray& bytes) const;
    // Whole contents of NAME, or an empty array when it cannot be read.
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
};

}  // namespace corkwise::test
