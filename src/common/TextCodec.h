#pragma once
// Conversions between the 8-bit Windows-1252 text of the data files and 16-bit display text.
// Every byte decodes to exactly one UTF-16 code unit (the five bytes that code page leaves
// undefined, 0x81 0x8D 0x8F 0x90 0x9D, decode to the control characters of the same value, as
// the platform's conversion does), so a text of n bytes is n display characters.

#include <QByteArray>
#include <QString>

namespace corkwise {

// Decodes LENGTH bytes of TEXT; TEXT may be null when LENGTH is 0. A negative LENGTH means
// "up to the terminating NUL".
QString fromWindows1252(const char* text, qsizetype length = -1);
QString fromWindows1252(const QByteArray& text);

// Encodes TEXT; each character (code point) that Windows-1252 cannot hold becomes one '?'.
QByteArray toWindows1252(const QString& text);

// True when every character of TEXT has a Windows-1252 byte.
bool isWindows1252(const QString& text);

}  // namespace corkwise
