#include "common/TextCodec.h"

#include <QList>
#include <cstring>

namespace corkwise {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest of the code page equals Latin-1. The five undefined
// bytes map to the control characters of the same value, as the platform's conversion does.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t decodeByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        return kHigh[b - 0x80];
    }
    return static_cast<char16_t>(b);
}

// The byte for code point CP, or -1 when the code page has none.
int encodeCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == cp) {
            return 0x80 + i;
        }
    }
    return -1;
}

}  // namespace

QString fromWindows1252(const char* text, qsizetype length) {
    if (text == nullptr) {
        return QString();
    }
    if (length < 0) {
        length = static_cast<qsizetype>(std::strlen(text));
    }
    QString result(length, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    for (qsizetype i = 0; i < length; ++i) {
        out[i] = decodeByte(static_cast<unsigned char>(text[i]));
    }
    return result;
}

QString fromWindows1252(const QByteArray& text) {
    return fromWindows1252(text.constData(), text.size());
}

QByteArray toWindows1252(const QString& text) {
    QByteArray result;
    result.reserve(text.size());
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        const int b = encodeCodePoint(static_cast<char32_t>(cp));
        result.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return result;
}

bool isWindows1252(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        if (encodeCodePoint(static_cast<char32_t>(cp)) < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace corkwise
