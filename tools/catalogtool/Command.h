#pragma once
// The shape shared by every subcommand of corkwise-catalog.

#include <QStringList>
#include <QTextStream>

namespace corkwise::tool {

// Runs a subcommand on ARGS (the words after the subcommand's name), printing its results to
// OUT and its errors to ERR. Returns the process exit code.
using CommandFunction = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace corkwise::tool
