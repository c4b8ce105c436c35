#pragma once
// Runs a command of the command-line tools and keeps what it printed: in process, through the
// function behind the command, or as the built executable.
//
//   const CommandRun r = runCommand(&runCheck, {path});
//   EXPECT_EQ(r.code, 0) << r.err.toStdString();

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace corkwise::test {

struct CommandRun {
    bool ran = true;  // false when the executable could not be started or did not finish
    int code = -1;    // the exit code
    QString out;
    QString err;
};

// The shape of a tool command: arguments, standard output, standard error; returns the exit
// code.
using CommandEntry = std::function<int(const QStringList&, QTextStream&, QTextStream&)>;

// Runs COMMAND on ARGS with both streams going to strings.
CommandRun runCommand(const CommandEntry& command, const QStringList& args);

// Runs the executable PROGRAM on ARGS, in WORKINGDIRECTORY when one is given, and waits up to
// 30 seconds for it. Its output is read as UTF-8. When it cannot start or does not finish, ran is
// false and err says why.
CommandRun runExecutable(const QString& program, const QStringList& args,
                         const QString& workingDirectory = QString());

}  // namespace corkwise::test
