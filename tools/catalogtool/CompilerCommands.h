#pragma once
// The subcommands of corkwise-catalog that make and check catalogues: build, derive, check,
// generate.

#include <QStringList>
#include <QTextStream>

namespace corkwise::tool {

// build SOURCES -o FILE [options]: compiles the CSV folder SOURCES into the catalogue FILE,
// deriving the files the folder lacks from its wines.
int runBuild(const QStringList& args, QTextStream& out, QTextStream& err);
// derive WINES.csv -o DIR [options]: writes the four files derived from a list of wines into
// DIR, for an editor to adjust before building.
int runDerive(const QStringList& args, QTextStream& out, QTextStream& err);
// check FILE: one line per problem, then a summary; exit 0 when clean, 1 otherwise.
int runCheck(const QStringList& args, QTextStream& out, QTextStream& err);
// generate --wines N [--seed S] DIR: writes synthetic sources for N wines into DIR; the same N
// and S (1 when not given) always give the same files. --key K is another spelling of --seed.
int runGenerate(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace corkwise::tool
