#include "app/EndingSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace corkwise {

namespace {

int gWriteEnd = -1;

extern "C" void onEndingSignal(int number) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(gWriteEnd, &byte, 1);
    errno = saved;
}

}  // namespace

const int EndingSignals::kSignals[3] = {SIGTERM, SIGINT, SIGHUP};

EndingSignals::EndingSignals(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets_) != 0) {
        return;
    }
    ::fcntl(sockets_[0], F_SETFL, O_NONBLOCK);
    gWriteEnd = sockets_[0];
    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndingSignals::readSignal);
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals) {
        ::sigaction(number, &action, nullptr);
    }
}

EndingSignals::~EndingSignals() {
    for (int number : kSignals) {
        std::signal(number, SIG_DFL);
    }
    gWriteEnd = -1;
    delete notifier_;
    for (int fd : sockets_) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void EndingSignals::readSignal() {
    unsigned char number = 0;
    if (::read(sockets_[1], &number, 1) == 1 && onSignal_) {
        onSignal_(number);
    }
}

}  // namespace corkwise
