#pragma once
// A write-only device that takes the first LIMIT bytes and then fails, like a disk that
// fills up midway. Everything written before the failure is kept in written().

#include <QByteArray>
#include <QIODevice>

namespace corkwise::test {

class FailDevice : public QIODevice {
public:
    // Opens itself for writing.
    explicit FailDevice(qint64 limit);

    const QByteArray& written() const { return written_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    qint64 limit_;
    QByteArray written_;
};

}  // namespace corkwise::test
