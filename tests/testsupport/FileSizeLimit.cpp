#include "testsupport/FileSizeLimit.h"

namespace corkwise::test {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    // Going over the limit raises SIGXFSZ, which would end the test; ignored, the write fails.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    if (sigaction(SIGXFSZ, &ignore, &previousAction_) != 0 ||
        getrlimit(RLIMIT_FSIZE, &previous_) != 0) {
        return;
    }
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    set_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    if (set_) {
        setrlimit(RLIMIT_FSIZE, &previous_);
    }
    sigaction(SIGXFSZ, &previousAction_, nullptr);
}

}  // namespace corkwise::test
