#include "app/HelpText.h"

#include "catalog/ScoreBands.h"
#include "screens/VintageRating.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace corkwise::help {

namespace {

QString startMarker(const QString& name) {
    return QStringLiteral("<!-- %1 -->").arg(name);
}

QString endMarker(const QString& name) {
    return QStringLiteral("<!-- /%1 -->").arg(name);
}

// A menu text as the user reads it: "E&xit" gives "Exit", "Food && Wine" "Food & Wine".
QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

// A table cell: a vertical bar would end the cell.
QString cell(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('|'), QStringLiteral("\\|"));
}

}  // namespace

QString sourceText() {
    QFile file(QStringLiteral(":/corkwise/help/help.md"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString chartTable() {
    QString table = QStringLiteral("| Score | What the chart says |\n|---|---|\n");
    const auto& bands = catalog_format::kScoreBands;
    table += QStringLiteral("| below %1 | %2 |\n")
                 .arg(bands.front().lowest)
                 .arg(QLatin1String(catalog_format::kPoorBand.vintageSentence));
    for (size_t i = 0; i < bands.size(); ++i) {
        const QString range =
            i + 1 < bands.size()
                ? QStringLiteral("%1 to %2").arg(bands[i].lowest).arg(bands[i + 1].lowest - 1)
                : QStringLiteral("%1 and above").arg(bands[i].lowest);
        table +=
            QStringLiteral("| %1 | %2 |\n").arg(range, QLatin1String(bands[i].vintageSentence));
    }
    table += QStringLiteral(
        "\nThe code says what to do with the wine:\n\n"
        "| Code | What to do with the wine |\n|---|---|\n");
    for (const VintageCode& code : vintageCodes()) {
        table += QStringLiteral("| %1 | %2 |\n")
                     .arg(QLatin1String(code.code), QLatin1String(code.sentence));
    }
    return table;
}

QString shortcutTable(const QMenuBar& bar) {
    QString table = QStringLiteral("| Keys | Command |\n|---|---|\n");
    QStringList listed;
    for (QAction* top : bar.actions()) {
        QMenu* menu = top->menu();
        if (menu == nullptr) {
            continue;
        }
        const QString menuTitle = withoutMnemonic(menu->title());
        for (QAction* item : menu->actions()) {
            if (item->isSeparator() || item->shortcut().isEmpty()) {
                continue;
            }
            const QString keys = item->shortcut().toString(QKeySequence::PortableText);
            if (listed.contains(keys)) {
                continue;
            }
            listed.append(keys);
            table += QStringLiteral("| %1 | %2 > %3 |\n")
                         .arg(cell(keys), cell(menuTitle), cell(withoutMnemonic(item->text())));
        }
    }
    return table;
}

QString replacePart(const QString& text, const QString& name, const QString& content) {
    const qsizetype start = text.indexOf(startMarker(name));
    const qsizetype end = text.indexOf(endMarker(name));
    if (start < 0 || end < start) {
        return text;
    }
    return text.left(start) + content + text.mid(end + endMarker(name).size());
}

QString partOf(const QString& text, const QString& name) {
    const qsizetype start = text.indexOf(startMarker(name));
    const qsizetype end = text.indexOf(endMarker(name));
    if (start < 0 || end < start) {
        return {};
    }
    const qsizetype from = text.indexOf(QLatin1Char('\n'), start) + 1;
    return from > 0 && from <= end ? text.mid(from, end - from) : QString();
}

QString composedText(const QMenuBar* bar) {
    QString text = replacePart(sourceText(), QStringLiteral("chart-table"), chartTable());
    const QString shortcuts = QStringLiteral("shortcut-table");
    return replacePart(text, shortcuts,
                       bar != nullptr ? shortcutTable(*bar) : partOf(text, shortcuts));
}

}  // namespace corkwise::help
