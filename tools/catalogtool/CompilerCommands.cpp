#include "catalogtool/CompilerCommands.h"

#include "catalogtool/CatalogChecker.h"
#include "catalogtool/CatalogCompiler.h"
#include "catalogtool/CatalogSources.h"
#include "catalogtool/SourceGenerator.h"

#include <unistd.h>
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

int runBuild(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString sources;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o") && i + 1 < args.size()) {
            output = args[++i];
        } else if (sources.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
            sources = args[i];
        } else {
            err << "build: unexpected argument " << args[i] << '\n';
            return 2;
        }
    }
    if (sources.isEmpty() || output.isEmpty()) {
        err << "usage: corkwise-catalog build SOURCES -o FILE\n";
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    Progress progress(err);
    QString error;
    Sources data;
    QByteArray image;
    CompileStats stats;
    const bool ok = loadSources(sources, &data, &error, progress.function()) &&
                    compileCatalogue(data, &image, &error, &stats, progress.function()) &&
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
