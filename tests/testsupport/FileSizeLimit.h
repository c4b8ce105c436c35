#pragma once
// A disk that takes no file larger than a limit, for the span of one scope: writes that would
// make a file of this process larger than BYTES fail (EFBIG), as on a full disk, whoever the
// test runs as. Restores the limit and the signal on leaving.

#include <csignal>

#include <sys/resource.h>

namespace corkwise::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False when the limit could not be set.
    bool isSet() const { return set_; }

private:
    rlimit previous_{};
    struct sigaction previousAction_ {};
    bool set_ = false;
};

}  // namespace corkwise::test
