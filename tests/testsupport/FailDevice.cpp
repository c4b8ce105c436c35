#include "testsupport/FailDevice.h"

namespace corkwise::test {

FailDevice::FailDevice(qint64 limit, QIODevice* target) : limit_(limit), target_(target) {
    open(QIODevice::WriteOnly);
}

qint64 FailDevice::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 FailDevice::writeData(const char* data, qint64 size) {
    const qint64 room = limit_ - written_.size();
    if (room <= 0) {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    const qint64 taken = qMin(room, size);
    if (target_ != nullptr && target_->write(data, taken) != taken) {
        setErrorString(target_->errorString());
        return -1;
    }
    written_.append(data, static_cast<qsizetype>(taken));
    return taken;
}

}  // namespace corkwise::test
