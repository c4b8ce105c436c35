#include "common/StringMap.h"

namespace corkwise {

int StringMap::indexOf(const QString& key) const {
    for (qsizetype i = 0; i < pairs_.size(); ++i) {
        if (pairs_[i].first == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void StringMap::set(const QString& key, const QString& value) {
    const int i = indexOf(key);
    if (i >= 0) {
        pairs_[i].second = value;
    } else {
        pairs_.append({key, value});
    }
}

std::optional<QString> StringMap::get(const QString& key) const {
    const int i = indexOf(key);
    if (i < 0) {
        return std::nullopt;
    }
    return pairs_[i].second;
}

bool StringMap::contains(const QString& key) const {
    return indexOf(key) >= 0;
}

QString StringMap::key(int i) const {
    if (i < 0 || i >= count()) {
        return {};
    }
    return pairs_[i].first;
}

QString StringMap::value(int i) const {
    if (i < 0 || i >= count()) {
        return {};
    }
    return pairs_[i].second;
}

bool StringMap::remove(const QString& key) {
    const int i = indexOf(key);
    if (i < 0) {
        return false;
    }
    pairs_.removeAt(i);
    return true;
}

}  // namespace corkwise
