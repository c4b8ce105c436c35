#pragma once
// A write-only device that takes the first LIMIT bytes and then fails with "No space left on
// device", like a disk that fills up midway. Everything written before the failure is kept in
// written() and, when a TARGET is given, also passed on to it (a real file, say).

#include <QByteArray>
#include <QIODevice>

namespace corkwise::test {

class FailDevice : public QIODevice {
public:
    // Opens itself for writing.
    explicit FailDevice(qint64 limit, QIODevice* target = nullptr);

    const QByteArray& written() const { return written_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    qint64 limit_;
    QIODevice* target_;
    QByteArray written_;
};

}  // namespace corkwise::test
