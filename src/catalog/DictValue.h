#pragma once

#include <QByteArray>

namespace corkwise {

// A chosen dictionary value with its 8-bit text: the selections of a search and the values of
// notes and bookmarks. A plain value: copies are deep.
class DictValue {
public:
    // Value id -1 (nothing chosen), dictionary -1, empty text.
    DictValue() = default;
    // TEXT is copied; null gives an empty text.
    DictValue(int valueId, int dictionary, const char* text);
    DictValue(int valueId, int dictionary, QByteArray text);

    int valueId() const { return valueId_; }
    int dictionary() const { return dictionary_; }
    // The 8-bit text (never null; empty when none was given).
    const QByteArray& text() const { return text_; }
    // A copy of the text, for callers that keep it.
    QByteArray textCopy() const { return text_; }

    friend bool operator==(const DictValue&, const DictValue&) = default;

private:
    int valueId_ = -1;
    int dictionary_ = -1;
    QByteArray text_{""};
};

}  // namespace corkwise
