#pragma once
// The lock that lets one program at a time write a personal file: a lock file beside it
// (PATH + ".lock", docs/personal-format.md) held for as long as this object holds it.
//
// The program holds it while it runs; the tools that write a personal file hold it while they
// write. The lock belongs to the file itself: links are followed, so two links to one file share
// one lock. A lock left behind by a process of this computer that no longer runs (a crash, a
// kill) is taken over. Locks never go stale with age: the program may run for days. A lock that
// cannot be judged (not a file, unreadable, empty, garbage, or from another computer) is never
// taken over: tryLock fails with a sentence that names it and says what to do (isOdd()).

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
    // True when the last tryLock failed on a lock file that cannot be judged (see above): the
    // program must not run on the file until the user has looked at it.
    bool isOdd() const { return odd_; }

    // The lock file of the personal file at PERSONALPATH.
    static QString lockPath(const QString& personalPath);

private:
    std::unique_ptr<QLockFile> lock_;
    bool odd_ = false;
};

}  // namespace corkwise
