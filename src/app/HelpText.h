#pragma once
// The text of the help window: docs/help.md, carried inside the program, with its generated
// parts filled in from the program itself, so that they cannot drift from what it does:
//
//   <!-- chart-table --> ... <!-- /chart-table -->        the vintage chart's score bands and
//                                                          codes, from the chart's own table
//   <!-- shortcut-table --> ... <!-- /shortcut-table -->  the shortcuts of the command bar
//
// The file holds a copy of each part between its markers for readers of the file itself; the
// program replaces everything from one marker to the other, markers included.

#include <QString>

class QMenuBar;

namespace corkwise::help {

// The help text as written (Markdown), from the program's resources.
QString sourceText();

// The vintage chart's score bands and codes as two Markdown tables (catalog_format::kScoreBands,
// vintageCodes).
QString chartTable();

// The keyboard shortcuts of BAR's menus as a Markdown table, one row per shortcut in menu
// order: the keys ("Ctrl+Q") and the menu path of the item ("File > Exit"), mnemonics removed.
// A shortcut offered by several items (the variants of one menu) is listed once.
QString shortcutTable(const QMenuBar& bar);

// TEXT with the part named NAME (markers included) replaced by CONTENT; TEXT unchanged when it
// lacks either marker.
QString replacePart(const QString& text, const QString& name, const QString& content);
// The part named NAME as TEXT holds it between its markers (without them), or an empty text.
QString partOf(const QString& text, const QString& name);

// The help text as the window shows it: sourceText() with both parts generated, the shortcuts
// from BAR (left as written when BAR is null).
QString composedText(const QMenuBar* bar);

}  // namespace corkwise::help
