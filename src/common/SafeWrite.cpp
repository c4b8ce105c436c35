#include "common/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace corkwise {

namespace {

QString reason(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

bool fail(QString* error, const QString& why) {
    if (error != nullptr) {
        *error = why;
    }
    return false;
}

// Opens a new temporary file beside TARGET; -1 with errno set when none can be made.
int openTemporary(const QString& target, QString* temporary) {
    for (int attempt = 0; attempt < 64; ++attempt) {
        *temporary = target + QStringLiteral(".saving-") +
                     QString::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(QFile::encodeName(*temporary).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Forces the directory entry of a rename to the disk.
bool syncDirectory(const QString& directory, QString* error) {
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        return fail(error, reason(errno));
    }
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;  // some file systems cannot
    const int why = errno;
    ::close(fd);
    return synced || fail(error, reason(why));
}

// Has FILL write into the open temporary file FD and forces what it wrote to the disk.
bool fillTemporary(int fd, const QString& target, const DeviceFill& fill, QString* error) {
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::DontCloseHandle)) {
        return fail(error, file.errorString());
    }
    QString why;
    if (!fill(file, &why)) {
        if (why.isEmpty()) {
            why = file.error() != QFileDevice::NoError
                      ? file.errorString()
                      : QStringLiteral("not every byte could be written");
        }
        return fail(error, why);
    }
    if (!file.flush()) {
        return fail(error, file.errorString());
    }
    file.close();
    if (::fsync(fd) != 0) {
        return fail(error, reason(errno));
    }
    return true;
}

}  // namespace

bool writeWhole(QIODevice* device, const QByteArray& bytes, QString* error) {
    if (device == nullptr || !device->isWritable()) {
        return fail(error, device != nullptr ? device->errorString()
                                             : QStringLiteral("nothing to write to"));
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device->write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString why = device->errorString();
            return fail(error, why.isEmpty() || why == QStringLiteral("Unknown error")
                                   ? QStringLiteral("not every byte could be written")
                                   : why);
        }
        done += n;
    }
    return true;
}

QString resolvedFilePath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) {
        return canonical;
    }
    if (info.isSymLink()) {
        // A link to a file not made yet: the file is made where the link points.
        return QFileInfo(info.symLinkTarget()).absoluteFilePath();
    }
    const QString directory = QFileInfo(info.absolutePath()).canonicalFilePath();
    return directory.isEmpty() ? info.absoluteFilePath()
                               : QDir(directory).filePath(info.fileName());
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error) {
    return replaceFile(
        path, [&bytes](QIODevice& device, QString* why) { return writeWhole(&device, bytes, why); },
        error);
}

bool replaceFile(const QString& path, const DeviceFill& fill, QString* error) {
    const QString target = resolvedFilePath(path);
    QString temporary;
    const int fd = openTemporary(target, &temporary);
    if (fd < 0) {
        return fail(error, reason(errno));
    }
    const QByteArray temporaryName = QFile::encodeName(temporary);
    const bool filled = fillTemporary(fd, target, fill, error);
    const int closed = ::close(fd);
    const int closeError = errno;
    if (!filled || closed != 0) {
        ::unlink(temporaryName.constData());
        return filled ? fail(error, reason(closeError)) : false;
    }
    if (::rename(temporaryName.constData(), QFile::encodeName(target).constData()) != 0) {
        const int why = errno;
        ::unlink(temporaryName.constData());
        return fail(error, reason(why));
    }
    return syncDirectory(QFileInfo(target).absolutePath(), error);
}

}  // namespace corkwise
