#pragma once
// SIGTERM, SIGINT and SIGHUP end the program as File > Exit does, with the notes saved.
//
// A signal handler may do almost nothing: it only writes the signal's number into a socket pair.
// The other end is watched by the event loop, which then calls the given function at a safe
// moment, on the user-interface thread.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace corkwise {

class EndingSignals : public QObject {
public:
    // Installs the handlers; ON_SIGNAL gets the signal's number. Only one may exist at a time.
    explicit EndingSignals(std::function<void(int)> onSignal, QObject* parent = nullptr);
    // Puts the default handlers back.
    ~EndingSignals() override;
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

    // The signals handled.
    static const int kSignals[3];

private:
    void readSignal();

    std::function<void(int)> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
    int sockets_[2] = {-1, -1};
};

}  // namespace corkwise
