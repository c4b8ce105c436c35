#include "catalog/DisplayText.h"

#include "common/TextCodec.h"

#include <cstring>

namespace corkwise {

int toDisplayText(const char* text, QString* out) {
    const qsizetype length = text != nullptr ? static_cast<qsizetype>(std::strlen(text)) : 0;
    if (out != nullptr) {
        *out = fromWindows1252(text != nullptr ? text : "", length);
    }
    // Each Windows-1252 byte is one 16-bit character; the count includes the terminator.
    return static_cast<int>(length) + 1;
}

QString toDisplayText(const QByteArray& text) {
    return fromWindows1252(text);
}

}  // namespace corkwise
