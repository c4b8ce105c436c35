#include "testsupport/SmallDisk.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace corkwise::test {

SmallDisk::SmallDisk() : root_(dir_.path(QStringLiteral("disk"))) {
    if (geteuid() != 0) {
        why_ = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    QDir().mkpath(root_);
    if (::mount("tmpfs", QFile::encodeName(root_).constData(), "tmpfs", 0, "size=64k") != 0) {
        why_ = QStringLiteral("cannot mount a tmpfs here: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_) {
        ::umount2(QFile::encodeName(root_).constData(), MNT_DETACH);
    }
}

QString SmallDisk::path(const QString& name) const {
    return root_ + QLatin1Char('/') + name;
}

QString SmallDisk::write(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return file.fileName();
}

QByteArray SmallDisk::read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SmallDisk::fill(bool leavePage) {
    const QString room = path(QStringLiteral("room"));
    if (leavePage) {
        QFile reserve(room);
        if (reserve.open(QIODevice::WriteOnly)) {
            reserve.write(QByteArray(4096, 'r'));
        }
    }
    QFile filler(path(QStringLiteral("filler")));
    if (filler.open(QIODevice::Append | QIODevice::Unbuffered)) {
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) {
        }
        while (filler.write("x", 1) > 0) {
        }
    }
    QFile::remove(room);
}

void SmallDisk::unfill() {
    QFile::remove(path(QStringLiteral("filler")));
}

}  // namespace corkwise::test
