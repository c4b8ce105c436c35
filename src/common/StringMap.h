#pragma once
// An ordered map from text key to text value, kept in insertion order.
//
// Keys compare as whole texts, exactly and case-sensitively. The search pages carry one
// from page to page; the personal panel and the Details page use one for a note's field
// names and values. Maps are small (a dozen keys), so lookups are linear.

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace corkwise {

class StringMap {
public:
    // Replaces the value of an existing KEY, or appends the pair at the end.
    void set(const QString& key, const QString& value);
    // The value of KEY, or nothing when the map has no such key.
    std::optional<QString> get(const QString& key) const;
    bool contains(const QString& key) const;
    int count() const { return static_cast<int>(pairs_.size()); }
    bool isEmpty() const { return pairs_.isEmpty(); }
    // The i-th key (and value) in insertion order; an empty text when i is out of range.
    QString key(int i) const;
    QString value(int i) const;
    // Removes KEY with its value; returns false when the map had no such key.
    bool remove(const QString& key);
    void clear() { pairs_.clear(); }

    bool operator==(const StringMap& other) const = default;

private:
    int indexOf(const QString& key) const;

    QList<std::pair<QString, QString>> pairs_;
};

}  // namespace corkwise
