#pragma once
// The lock that lets one program at a time write a personal file: a lock file beside it
// (PATH + ".lock", docs/personal-format.md) held for as long as this object holds it.
//
// The program holds it while it runs; the tools that write a personal file hold it while they
// write. A lock left behind by a process that no longer runs (a crash, a kill) is taken over.
// Locks never go stale with age: the program may run for days.

#include <QString>

#include <memory>

class QLockFile;

namespace corkwise {

class PersonalLock {
public:
    enum class Result {
        Locked,         // this object holds the lock now
        HeldElsewhere,  // another running process holds it
        Failed,         // the lock file cannot be made (for instance a read-only folder)
    };

    // Keeps the path of the personal file at PERSONALPATH; takes nothing yet.
    explicit PersonalLock(const QString& personalPath);
    // Releases the lock when held.
    ~PersonalLock();
    PersonalLock(const PersonalLock&) = delete;
    PersonalLock& operator=(const PersonalLock&) = delete;

    // Takes the lock without waiting. For HeldElsewhere and Failed, *ERROR (when given) gets a
    // sentence for a message that names the lock file.
    Result tryLock(QString* error = nullptr);
    bool isLocked() const;
    void unlock();

    // The lock file of the personal file at PERSONALPATH.
    static QString lockPath(const QString& personalPath);

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace corkwise
