#pragma once
// A file system of 64 KiB (a tmpfs) mounted for one test, to fill up for real. Mounting needs
// root, as in CI; elsewhere, and where mounting is refused, available() is false with why().

#include "testsupport/TempDir.h"

#include <QByteArray>
#include <QString>

namespace corkwise::test {

class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool available() const { return mounted_; }
    const QString& why() const { return why_; }
    // Absolute path of NAME on the disk.
    QString path(const QString& name) const;
    // Writes BYTES to NAME on the disk; returns its absolute path.
    QString write(const QString& name, const QByteArray& bytes) const;
    // Whole contents of NAME, or an empty array when it cannot be read.
    QByteArray read(const QString& name) const;
    // Fills the disk up to its last byte, or to all but one page when LEAVEPAGE.
    void fill(bool leavePage = false);
    // Frees what fill() took.
    void unfill();

private:
    TempDir dir_;
    QString root_;
    QString why_;
    bool mounted_ = false;
};

}  // namespace corkwise::test
