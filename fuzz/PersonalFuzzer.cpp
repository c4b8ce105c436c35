// Reads arbitrary bytes as a personal file and checks what the reader promises: texts within
// their limits, and what was read saves and reads back unchanged, as a file and as JSON.

#include "personal/PersonalWalk.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!corkwise::walkPersonalFile(bytes)) {
        __builtin_trap();
    }
    return 0;
}
