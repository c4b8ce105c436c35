#include "personal/PersonalLock.h"

#include "common/SafeWrite.h"
#include "personal/PersonalFormat.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

#include <sys/stat.h>
#include <cerrno>
#include <cstring>

namespace corkwise {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// What is wrong with the lock file at PATH that a lock cannot simply be taken or found held:
// empty when it is absent or a lock of this host that QLockFile can judge.
QString oddity(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return QString();
    }
    const QString remove =
        QStringLiteral("If Corkwise is not running, remove %1 and start again.").arg(shown(path));
    if (!S_ISREG(info.st_mode)) {
        return QStringLiteral("The lock %1 is not a lock file but %2. %3")
            .arg(shown(path),
                 S_ISDIR(info.st_mode) ? QStringLiteral("a folder")
                                       : QStringLiteral("a special file"),
                 remove);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("The lock %1 cannot be read: %2. %3")
            .arg(shown(path), file.errorString(), remove);
    }
    const QList<QByteArray> lines = file.read(4096).split('\n');
    bool numeric = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&numeric);
    if (lines.value(0).trimmed().isEmpty()) {
        return QStringLiteral("The lock %1 is empty. %2").arg(shown(path), remove);
    }
    if (!numeric || pid <= 0) {
        return QStringLiteral("The lock %1 does not hold a lock Corkwise made. %2")
            .arg(shown(path), remove);
    }
    const QString host = QString::fromUtf8(lines.value(2).trimmed());
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        return QStringLiteral(
                   "The lock %1 was taken by Corkwise on the computer %2 (process %3), "
                   "which this computer cannot check. If Corkwise is not running there, "
                   "remove %1 and start again.")
            .arg(shown(path), host)
            .arg(pid);
    }
    return QString();
}

}  // namespace

PersonalLock::PersonalLock(const QString& personalPath)
    : lock_(std::make_unique<QLockFile>(lockPath(personalPath))) {
    // Only a dead owner makes a lock stale; the default would take a live program's lock from
    // it after 30 seconds.
    lock_->setStaleLockTime(0);
}

PersonalLock::~PersonalLock() = default;

QString PersonalLock::lockPath(const QString& personalPath) {
    // Two links to one file must find one lock.
    return resolvedFilePath(personalPath) + QLatin1String(personal_format::kLockSuffix);
}

PersonalLock::Result PersonalLock::tryLock(QString* error) {
    odd_ = false;
    if (lock_->isLocked()) {
        return Result::Locked;
    }
    const QString why = oddity(lock_->fileName());
    if (!why.isEmpty()) {
        odd_ = true;
        if (error != nullptr) {
            *error = why;
        }
        return Result::Failed;
    }
    // A lock of this host whose process no longer runs is stale and taken over here.
    if (lock_->tryLock(0)) {
        return Result::Locked;
    }
    const QString path = shown(lock_->fileName());
    if (lock_->error() == QLockFile::LockFailedError) {
        if (error != nullptr) {
            *error = QStringLiteral("%1 is held by another running program").arg(path);
        }
        return Result::HeldElsewhere;
    }
    if (error != nullptr) {
        *error = QStringLiteral("cannot create the lock file %1").arg(path);
    }
    return Result::Failed;
}

bool PersonalLock::isLocked() const {
    return lock_->isLocked();
}

void PersonalLock::unlock() {
    lock_->unlock();
}

}  // namespace corkwise
