#include "personal/PersonalLock.h"

#include "personal/PersonalFormat.h"

#include <QDir>
#include <QLockFile>

namespace corkwise {

PersonalLock::PersonalLock(const QString& personalPath)
    : lock_(std::make_unique<QLockFile>(lockPath(personalPath))) {
    // Only a dead owner makes a lock stale; the default would take a live program's lock from
    // it after 30 seconds.
    lock_->setStaleLockTime(0);
}

PersonalLock::~PersonalLock() = default;

QString PersonalLock::lockPath(const QString& personalPath) {
    return personalPath + QLatin1String(personal_format::kLockSuffix);
}

PersonalLock::Result PersonalLock::tryLock(QString* error) {
    if (lock_->isLocked()) {
        return Result::Locked;
    }
    if (lock_->tryLock(0)) {
        return Result::Locked;
    }
    const QString shown = QDir::toNativeSeparators(lock_->fileName());
    if (lock_->error() == QLockFile::LockFailedError) {
        if (error != nullptr) {
            *error = QStringLiteral("%1 is held by another running program").arg(shown);
        }
        return Result::HeldElsewhere;
    }
    if (error != nullptr) {
        *error = QStringLiteral("cannot create the lock file %1").arg(shown);
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
