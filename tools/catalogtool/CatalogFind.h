#pragma once
// The find subcommand of corkwise-catalog: the name search of the program's Search menu, for
// scripts.

#include <QStringList>
#include <QTextStream>

namespace corkwise::tool {

// find TEXT FILE: every wine of catalogue FILE whose names TEXT matches (guide/NameSearch.h), in
// the order the program lists them, one per line: producer, product and vintage separated by
// tabs. Exit 0 (also when nothing matches), 1 when FILE cannot be opened, 2 for wrong arguments
// or a TEXT with fewer than two letters or digits.
int runFind(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace corkwise::tool
