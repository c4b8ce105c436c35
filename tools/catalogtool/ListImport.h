#pragma once
// Helpers for reading a list of wines that was not written for Corkwise: other header names
// (a --columns file), a vintage inside the wine's name, prices written with a currency sign.

#include <QString>
#include <map>
#include <optional>
#include <string>

namespace corkwise::tool {

// Other names for the columns of wines.csv: a header name of the user's list, or one text for
// every row.
struct ColumnMap {
    std::map<QString, QString> headers;        // column -> header name, normalised
    std::map<QString, std::string> constants;  // column -> raw UTF-8 text
};

// Header names compare without letter case, with spaces counted as underscores.
QString normalisedHeader(const QString& raw);

// Reads the mapping file at PATH: lines "column = header" or "column = \"text\"", '#' starting a
// comment. KNOWN lists the columns that may be named. False with "FILE:LINE: what" otherwise.
bool readColumnMap(const QString& path, const std::map<QString, bool>& known, ColumnMap* map,
                   QString* error);

// Takes a vintage written as a word of its own inside NAME ("Ironbark Shiraz 1998"): a four-digit
// year from 1900 to 2099. The year is removed from NAME, with the spaces around it. Nothing when
// NAME holds no such year.
std::optional<int> takeVintageFromName(std::string* name);

// Reads a price: a number, at least 0, maybe with a currency sign ($, £, € in Windows-1252)
// before it. Nothing for any other text.
std::optional<double> parsePrice(const std::string& text);

}  // namespace corkwise::tool
