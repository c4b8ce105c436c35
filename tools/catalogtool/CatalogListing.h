#pragma once
// The inspection subcommands of corkwise-catalog: tables, dump and tree.

#include <QStringList>
#include <QTextStream>

namespace corkwise::tool {

// tables FILE: one line per table in number order: number, kind, row count, name, tab-separated.
int runTables(const QStringList& args, QTextStream& out, QTextStream& err);
// dump FILE NAME: the rows of the first table named NAME (dictionary, record or level table).
int runDump(const QStringList& args, QTextStream& out, QTextStream& err);
// tree FILE LEVELTABLE [--depth N]: the tree under that level table's root, indented by two
// spaces per depth.
int runTree(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace corkwise::tool
