#include "testsupport/CommandRun.h"

#include <QProcess>

namespace corkwise::test {

CommandRun runCommand(const CommandEntry& command, const QStringList& args) {
    CommandRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = command(args, out, err);
    out.flush();
    err.flush();
    return run;
}

CommandRun runExecutable(const QString& program, const QStringList& args,
                         const QString& workingDirectory) {
    CommandRun run;
    QProcess process;
    if (!workingDirectory.isEmpty()) {
        process.setWorkingDirectory(workingDirectory);
    }
    process.start(program, args);
    if (!process.waitForFinished(30000)) {
        run.ran = false;
        run.err = program + QStringLiteral(": ") + process.errorString();
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.ran = process.exitStatus() == QProcess::NormalExit;
    run.code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    if (!run.ran) {
        run.err += program + QStringLiteral(" crashed");
    }
    return run;
}

}  // namespace corkwise::test
