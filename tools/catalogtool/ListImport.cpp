#include "catalogtool/ListImport.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cmath>

namespace corkwise::tool {

QString normalisedHeader(const QString& raw) {
    QString name = raw.trimmed().toLower();
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    if (name.startsWith(QChar(0xFEFF))) {
        name.remove(0, 1);
    }
    return name;
}

bool readColumnMap(const QString& path, const std::map<QString, bool>& known, ColumnMap* map,
                   QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: cannot read the file: %2").arg(path, file.errorString());
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const auto where = [&](const QString& what) {
            *error = QStringLiteral("%1:%2: %3").arg(name).arg(i + 1).arg(what);
            return false;
        };
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            return where(QStringLiteral("expected \"column = header\""));
        }
        const QString column = normalisedHeader(line.left(equals));
        const QString value = line.mid(equals + 1).trimmed();
        if (known.find(column) == known.end()) {
            return where(QStringLiteral("\"%1\" is not a column of wines.csv").arg(column));
        }
        if (value.isEmpty()) {
            return where(QStringLiteral("no header name is given for \"%1\"").arg(column));
        }
        if (map->headers.count(column) != 0 || map->constants.count(column) != 0) {
            return where(QStringLiteral("\"%1\" is mapped twice").arg(column));
        }
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"'))) {
            map->constants[column] = value.mid(1, value.size() - 2).toStdString();
        } else {
            map->headers[column] = normalisedHeader(value);
        }
    }
    return true;
}

std::optional<int> takeVintageFromName(std::string* name) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isWordChar = [&](char c) {
        const auto b = static_cast<unsigned char>(c);
        return isDigit(c) || ((b | 0x20) >= 'a' && (b | 0x20) <= 'z') || b >= 0xC0;
    };
    const std::string& s = *name;
    for (size_t i = 0; i + 4 <= s.size(); ++i) {
        const bool word =
            (i == 0 || !isWordChar(s[i - 1])) && (i + 4 == s.size() || !isWordChar(s[i + 4]));
        if (!word || !isDigit(s[i]) || !isDigit(s[i + 1]) || !isDigit(s[i + 2]) ||
            !isDigit(s[i + 3])) {
            continue;
        }
        const int year = std::stoi(s.substr(i, 4));
        if (year < 1900 || year > 2099) {
            continue;
        }
        size_t from = i;
        size_t to = i + 4;
        while (from > 0 && s[from - 1] == ' ') {
            --from;
        }
        while (to < s.size() && s[to] == ' ') {
            ++to;
        }
        // Keep one space between the words on either side.
        const bool between = from > 0 && to < s.size();
        *name = s.substr(0, from) + (between ? " " : "") + s.substr(to);
        return year;
    }
    return std::nullopt;
}

std::optional<double> parsePrice(const std::string& text) {
    std::string number = text;
    if (!number.empty() && (number[0] == '$' || number[0] == '\x80' || number[0] == '\xA3')) {
        number.erase(0, 1);
    }
    bool ok = false;
    const double value = QByteArray::fromStdString(number).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0) {
        return std::nullopt;
    }
    return value;
}

}  // namespace corkwise::tool
