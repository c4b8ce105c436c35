#pragma once
// 8-bit catalogue text (Windows-1252) to 16-bit display text.

#include <QByteArray>
#include <QString>

namespace corkwise {

// Number of 16-bit characters of the display form of the NUL-terminated TEXT, counting the
// terminator; a null TEXT counts as empty (1). When OUT is given it receives the converted text
// (without terminator).
int toDisplayText(const char* text, QString* out = nullptr);

// The display form of TEXT.
QString toDisplayText(const QByteArray& text);

}  // namespace corkwise
