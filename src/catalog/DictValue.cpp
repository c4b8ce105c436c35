#include "catalog/DictValue.h"

namespace corkwise {

DictValue::DictValue(int valueId, int dictionary, const char* text)
    : valueId_(valueId), dictionary_(dictionary), text_(text != nullptr ? text : "") {}

DictValue::DictValue(int valueId, int dictionary, QByteArray text)
    : valueId_(valueId), dictionary_(dictionary), text_(std::move(text)) {
    if (text_.isNull()) {
        text_ = QByteArray("");
    }
}

}  // namespace corkwise
