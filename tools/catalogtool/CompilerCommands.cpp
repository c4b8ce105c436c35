#include "catalogtool/CompilerCommands.h"

#include "catalogtool/CatalogChecker.h"
#include "catalogtool/CatalogCompiler.h"
#include "catalogtool/CatalogSources.h"
#include "catalogtool/SourceDerivation.h"
#include "catalogtool/SourceGenerator.h"
#include "common/SafeWrite.h"

#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <cstdio>

namespace corkwise::tool {

namespace {

// A one-line progress display on ERR, shown only when standard error is a terminal so that logs
// and build systems get no carriage returns.
class Progress {
public:
    explicit Progress(QTextStream& err) : err_(err), shown_(isatty(STDERR_FILENO) == 1) {}
    ~Progress() { finish(); }

    ProgressFunction function() {
        if (!shown_) {
            return {};
        }
        return [this](const QString& what, int percent) {
            const QString line = QStringLiteral("%1 %2%").arg(what).arg(percent, 3);
            if (line != last_) {
                err_ << '\r' << line.leftJustified(40) << Qt::flush;
                last_ = line;
                active_ = true;
            }
        };
    }
    void finish() {
        if (active_) {
            err_ << '\r' << QString(40, QLatin1Char(' ')) << '\r' << Qt::flush;
            active_ = false;
        }
    }

private:
    QTextStream& err_;
    bool shown_;
    bool active_ = false;
    QString last_;
};

QString number(qint64 n) {
    return QLocale(QLocale::English).toString(n);
}

}  // namespace

namespace {

// The options build and derive share: the thresholds of the derivation rules, the column map
// and what to do with bad rows.
struct IntegerOption {
    const char* name;
    int DerivationRules::*field;
    int lowest;
};
constexpr IntegerOption kIntegerOptions[] = {
    {"--chart-min-wines", &DerivationRules::chartMinWines, 1},
    {"--as-of", &DerivationRules::asOfYear, 1},
    {"--producer-min-wines", &DerivationRules::producerMinWines, 1},
    {"--producers", &DerivationRules::producersPerList, 1},
    {"--value-min-score", &DerivationRules::valueMinScore, 0},
    {"--values", &DerivationRules::valuesPerList, 1},
    {"--food-wines", &DerivationRules::winesPerFood, 1},
};

// Reads the option at ARGS[*I] into OPTIONS, moving *I past its value. 0 when it is not a
// shared option, 1 when read, -1 (with a message on ERR) when its value is bad.
int readLoadOption(const QStringList& args, qsizetype* i, LoadOptions* options, const char* command,
                   QTextStream& err) {
    const QString& arg = args[*i];
    if (arg == QLatin1String("--skip-bad-rows")) {
        options->skipBadRows = true;
        return 1;
    }
    const bool hasValue = *i + 1 < args.size();
    if (arg == QLatin1String("--columns") || arg == QLatin1String("--food-rules")) {
        if (!hasValue) {
            err << command << ": " << arg << " needs a file\n";
            return -1;
        }
        (arg == QLatin1String("--columns") ? options->columnsFile : options->rules.foodRulesFile) =
            args[++*i];
        return 1;
    }
    for (const IntegerOption& option : kIntegerOptions) {
        if (arg == QLatin1String(option.name)) {
            bool ok = hasValue;
            const int value = ok ? args[*i + 1].toInt(&ok) : 0;
            if (!ok || value < option.lowest) {
                err << command << ": " << arg << " needs a whole number of at least "
                    << option.lowest << '\n';
                return -1;
            }
            options->rules.*option.field = value;
            ++*i;
            return 1;
        }
    }
    return 0;
}

// Tells what reading the sources did beyond the plain files: derived files, notes, rows left out.
void printLoadReport(const LoadReport& report, const char* command, QTextStream& err) {
    constexpr qsizetype kRowsShown = 100;
    for (qsizetype i = 0; i < report.badRows.size() && i < kRowsShown; ++i) {
        err << command << ": skipped " << report.badRows[i] << '\n';
    }
    if (report.badRows.size() > kRowsShown) {
        err << command << ": ... and " << number(report.badRows.size() - kRowsShown)
            << " more rows\n";
    }
    if (!report.badRows.isEmpty()) {
        err << command << ": " << number(report.badRows.size())
            << (report.badRows.size() == 1 ? " row" : " rows")
            << " of the wines could not be used and were left out\n";
    }
    if (!report.derived.isEmpty()) {
        err << command << ": derived from the wines: " << report.derived.join(QStringLiteral(", "))
            << '\n';
    }
    for (const QString& note : report.notes) {
        err << command << ": " << note << '\n';
    }
}

const char* const kLoadOptionsUsage =
    "[--columns FILE] [--skip-bad-rows] [--chart-min-wines N] [--as-of YEAR]\n"
    "       [--producer-min-wines N] [--producers N] [--value-min-score N] [--values N]\n"
    "       [--food-wines N] [--food-rules FILE]";

// Reads "INPUT -o OUTPUT" and the load options, in any order, for COMMAND. 0 when read (either
// path may still be empty), 2 after telling ERR what was wrong.
int readInputAndOutput(const QStringList& args, const char* command, QString* input,
                       QString* output, LoadOptions* options, QTextStream& err) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const int shared = readLoadOption(args, &i, options, command, err);
        if (shared < 0) {
            return 2;
        }
        if (shared > 0) {
            continue;
        }
        if (args[i] == QLatin1String("-o") && i + 1 < args.size()) {
            *output = args[++i];
        } else if (input->isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
            *input = args[i];
        } else {
            err << command << ": unexpected argument " << args[i] << '\n';
            return 2;
        }
    }
    return 0;
}

}  // namespace

int runBuild(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString sources;
    QString output;
    LoadOptions options;
    if (readInputAndOutput(args, "build", &sources, &output, &options, err) != 0) {
        return 2;
    }
    if (sources.isEmpty() || output.isEmpty()) {
        err << "usage: corkwise-catalog build SOURCES -o FILE " << kLoadOptionsUsage << '\n';
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    Progress progress(err);
    QString error;
    Sources data;
    QByteArray image;
    CompileStats stats;
    LoadReport report;
    const bool loaded = loadSources(sources, &data, &error, progress.function(), options, &report);
    progress.finish();
    printLoadReport(report, "build", err);
    const bool ok = loaded && compileCatalogue(data, &image, &error, &stats, progress.function()) &&
                    saveCatalogue(image, output, &error);
    progress.finish();
    if (!ok) {
        err << "build: " << error << '\n';
        return 1;
    }
    out << "wrote " << output << ": " << number(static_cast<qint64>(data.wines.size()))
        << " wines, " << stats.tables << " tables, " << number(stats.bytes) << " bytes in "
        << timer.elapsed() << " ms\n";
    return 0;
}

int runDerive(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString wines;
    QString dir;
    LoadOptions options;
    if (readInputAndOutput(args, "derive", &wines, &dir, &options, err) != 0) {
        return 2;
    }
    if (wines.isEmpty() || dir.isEmpty()) {
        err << "usage: corkwise-catalog derive WINES.csv -o DIR " << kLoadOptionsUsage << '\n';
        return 2;
    }
    QString error;
    Sources data;
    LoadReport report;
    const bool loaded = loadAndDerive(wines, &data, &error, options, &report);
    report.derived.clear();  // all four, as asked
    printLoadReport(report, "derive", err);
    if (!loaded) {
        err << "derive: " << error << '\n';
        return 1;
    }
    if (!QDir().mkpath(dir)) {
        err << "derive: cannot create the folder " << dir << '\n';
        return 1;
    }
    for (const char* name :
         {"vintage_chart.csv", "best_producers.csv", "best_values.csv", "food.csv"}) {
        const QString path = QDir(dir).filePath(QLatin1String(name));
        QString why;
        if (!replaceFile(path, derivedCsv(data, QLatin1String(name)), &why)) {
            err << "derive: " << path << ": " << why << '\n';
            return 1;
        }
        out << "wrote " << path << '\n';
    }
    return 0;
}

int runCheck(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 1) {
        err << "usage: corkwise-catalog check FILE\n";
        return 2;
    }
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "check: " << args[0] << ": " << file.errorString() << '\n';
        return 1;
    }
    const CheckReport report = checkCatalogue(file.readAll());
    for (const QString& line : report.problems) {
        out << line << '\n';
    }
    if (report.problemCount > report.problems.size()) {
        out << "... and " << number(report.problemCount - report.problems.size())
            << " more problems\n";
    }
    out << args[0] << ": " << report.tables << " tables, " << number(report.nodes)
        << " tree nodes, " << number(report.records) << " records reached: ";
    if (report.clean()) {
        out << "no problems\n";
        return 0;
    }
    out << number(report.problemCount) << (report.problemCount == 1 ? " problem\n" : " problems\n");
    return 1;
}

int runGenerate(const QStringList& args, QTextStream& out, QTextStream& err) {
    qint64 wines = -1;
    quint64 seed = 1;
    QString dir;
    for (qsizetype i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == QLatin1String("--wines") && i + 1 < args.size()) {
            wines = args[++i].toLongLong(&ok);
        } else if ((args[i] == QLatin1String("--seed") || args[i] == QLatin1String("--key")) &&
                   i + 1 < args.size()) {
            // --key is the name older scripts use.
            seed = args[++i].toULongLong(&ok);
        } else if (dir.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
            dir = args[i];
        } else {
            ok = false;
        }
        if (!ok) {
            err << "generate: bad argument " << args[i] << '\n';
            return 2;
        }
    }
    if (wines < 1 || dir.isEmpty()) {
        err << "usage: corkwise-catalog generate --wines N [--seed S] DIR (N at least 1)\n";
        return 2;
    }
    Progress progress(err);
    QString error;
    if (!generateSources(wines, seed, dir, &error, progress.function())) {
        progress.finish();
        err << "generate: " << error << '\n';
        return 1;
    }
    progress.finish();
    out << "wrote sources for " << number(wines) << " wines into " << dir << '\n';
    return 0;
}

}  // namespace corkwise::tool
