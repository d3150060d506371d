#include "CheckCommand.h"

#include "CheckJson.h"
#include "ClosingJson.h"
#include "ReadingJson.h"
#include "SourceFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>

namespace plumcrest::closing {

QString ReaderProgram() {
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("plumcrest-reader"));
    return QFileInfo(beside).isExecutable() ? beside : QCoreApplication::applicationFilePath();
}

ReaderRun RunReader(const QString& program, const QString& option, const QString& file,
                    int timeLimitMs) {
    ReaderRun run;
    if (const reader::SourceProblem problem = reader::CheckSourceFile(QFile::encodeName(file));
        problem != reader::SourceProblem::None) {
        run.problem = reader::SourceProblemText(problem);
        return run;
    }
    QProcess process;
    process.start(program, {option, file});
    if (!process.waitForStarted(timeLimitMs)) {
        run.problem = QCoreApplication::translate("plumcrest::closing::CheckCommand",
                                                  "The reader could not be started (%1).")
                          .arg(process.errorString());
        return run;
    }
    if (!process.waitForFinished(timeLimitMs)) {
        process.kill();
        process.waitForFinished(1000);
        run.problem = QCoreApplication::translate(
            "plumcrest::closing::CheckCommand",
            "Reading this file took too long and was stopped. The file may be "
            "damaged.");
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        run.json = process.readAllStandardOutput();
        return run;
    }
    QString why = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    why = why.section(QLatin1Char('\n'), 0, 0);
    if (why.startsWith(QStringLiteral("plumcrest: ")))
        why = why.mid(11);
    run.problem =
        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 2 && !why.isEmpty()
            ? why
            : QCoreApplication::translate(
                  "plumcrest::closing::CheckCommand",
                  "This file could not be read: the reader stopped on it. The file "
                  "may be damaged.");
    return run;
}

int RunCheckCommand(const QString& program, const char* closingPath, const char* estimatePath,
                    const char* received, bool mailed) {
    const auto refuse = [](const QString& why) {
        std::fprintf(stderr, "plumcrest: %s\n", why.toLocal8Bit().constData());
        return 2;
    };
    CheckChoices choices;
    choices.mailed = mailed;
    if (received && *received) {
        choices.received = ParseIsoDay(received);
        if (!choices.received)
            return refuse(QCoreApplication::translate(
                "plumcrest::closing::CheckCommand",
                "The day received must be a date written YYYY-MM-DD, such as "
                "2013-04-12."));
    }
    const QString closingFile = QFile::decodeName(closingPath);
    const QString estimateFile = QFile::decodeName(estimatePath);
    const ReaderRun closingRun =
        RunReader(program, QStringLiteral("--read-closing-disclosure"), closingFile);
    if (!closingRun.json)
        return refuse(QCoreApplication::translate("plumcrest::closing::CheckCommand", "%1: %2")
                          .arg(closingFile, closingRun.problem));
    const ReaderRun estimateRun =
        RunReader(program, QStringLiteral("--read-loan-estimate"), estimateFile);
    if (!estimateRun.json)
        return refuse(QCoreApplication::translate("plumcrest::closing::CheckCommand", "%1: %2")
                          .arg(estimateFile, estimateRun.problem));
    const auto closing = reader::ClosingFromJson(*closingRun.json);
    const auto estimate = reader::FromJson(*estimateRun.json);
    if (!closing || !estimate)
        return refuse(QCoreApplication::translate("plumcrest::closing::CheckCommand",
                                                  "The reader's answer could not be understood."));
    const QByteArray json =
        CheckToJson(CheckClosingDisclosure(estimate->reading, *closing, choices));
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace plumcrest::closing
