#pragma once
// Runs the built program's --read-loan-estimate on a file, as a user on the command line would.
// PLUMCREST_PROGRAM names the program; the test's CMakeLists defines it.

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace plumcrest::testing {

struct Run {
    int status = -1; // the exit code; -1 when the program crashed or did not end in time
    QByteArray out;
    QByteArray err;
};

inline Run ReadWithProgram(const QString& file, int timeLimitMs = 30000) {
    QProcess process;
    process.start(QStringLiteral(PLUMCREST_PROGRAM),
                  {QStringLiteral("--read-loan-estimate"), file});
    process.waitForFinished(timeLimitMs);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace plumcrest::testing
