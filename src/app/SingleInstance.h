#pragma once
// The channel through which a second start of the program hands over to the one already
// running on the same personal file: the running program listens on a local socket whose name
// comes from the personal file's path, and a second start asks it to come to the front instead
// of opening a second window.
//
// The name is a hash of the personal file's canonical path, so two programs on one file meet,
// programs on other files (and parallel test runs) never do, and no path leaks into the name.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace corkwise {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // The request a second start sends, and the answer it waits for.
    static constexpr char kActivate[] = "activate\n";
    static constexpr char kActivated[] = "activated\n";

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The channel of the personal file at PERSONALPATH: "corkwise-" and 16 hex digits of a hash
    // of its canonical path (of its folder's canonical path and its name while it does not
    // exist yet).
    static QString channelName(const QString& personalPath);

    // Starts listening on NAME. A name left behind by a program that ended without closing it is
    // taken over, so call this only once it is known that no program listens there (the
    // personal file's lock is held, or ask() found no one). False, with *ERROR set, when the
    // channel cannot be made.
    bool listen(const QString& name, QString* error = nullptr);
    bool isListening() const;

    // Asks the program listening on NAME to come to the front and waits up to TIMEOUTMS for its
    // answer. True when it answered; false when no program listens there or it did not answer in
    // time. Blocks; needs no event loop.
    static bool ask(const QString& name, int timeoutMs = 3000);

Q_SIGNALS:
    // A second start asked this program to come to the front.
    void activationRequested();

private:
    void onNewConnection();
    void onRequest(QLocalSocket* socket);

    QLocalServer* server_ = nullptr;
};

}  // namespace corkwise
