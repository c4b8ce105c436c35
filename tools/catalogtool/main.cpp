// corkwise-catalog: inspects (and builds) catalogue files. Each subcommand lives in the
// corkwise_catalog_tool library; this file only dispatches.

#include "catalogtool/CatalogFind.h"
#include "catalogtool/CatalogListing.h"
#include "catalogtool/Command.h"
#include "catalogtool/CompilerCommands.h"
#include "common/ErrorLog.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

namespace {

using corkwise::tool::CommandFunction;

struct Command {
    const char* name;
    const char* usage;    // arguments after the name
    const char* summary;  // one line for --help
    CommandFunction run;
};

// One line per subcommand, in the order --help lists them.
const Command kCommands[] = {
    {"tables", "FILE", "list the tables: number, kind, rows, name", &corkwise::tool::runTables},
    {"dump", "FILE NAME", "print the rows of the first table named NAME", &corkwise::tool::runDump},
    {"tree", "FILE LEVELTABLE [--depth N]", "print the search tree under a level table's root",
     &corkwise::tool::runTree},
    {"build", "SOURCES -o FILE [OPTIONS]",
     "compile the CSV sources in folder SOURCES into catalogue FILE, deriving missing files",
     &corkwise::tool::runBuild},
    {"derive", "WINES.csv -o DIR [OPTIONS]",
     "write the four files derived from a list of wines into DIR", &corkwise::tool::runDerive},
    {"check", "FILE", "check every table, tree and record; exit 1 on any problem",
     &corkwise::tool::runCheck},
    {"generate", "--wines N [--seed S] DIR", "write synthetic sources for N wines into DIR",
     &corkwise::tool::runGenerate},
    {"find", "TEXT FILE", "list the wines whose names match TEXT: producer, product, vintage",
     &corkwise::tool::runFind},
};

void printHelp(QTextStream& out) {
    out << "Usage: corkwise-catalog COMMAND ARGUMENTS...\n\nCommands:\n";
    for (const Command& c : kCommands) {
        out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
    }
    out << "\nOptions:\n  --help    show this help\n";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The trace log is the program's, not the tool's: no Error.log in the user's directory.
    corkwise::ErrorLog::setEnabled(false);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(err);
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        printHelp(out);
        return 0;
    }
    for (const Command& c : kCommands) {
        if (name == QLatin1String(c.name)) {
            if (args.contains(QLatin1String("--help"))) {
                out << "Usage: corkwise-catalog " << c.name << ' ' << c.usage << '\n'
                    << c.summary << '\n';
                return 0;
            }
            return c.run(args, out, err);
        }
    }
    err << "unknown command: " << name << '\n';
    printHelp(err);
    return 2;
}
