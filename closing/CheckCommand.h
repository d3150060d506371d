#pragma once
// `plumcrest --check-closing-disclosure CD.pdf --against LE.pdf [--received YYYY-MM-DD]
// [--mailed]`: each file read by the program itself started as a reader process (which sets its
// own limits), then the check printed as JSON (status 0), or one line on standard error that says
// which file could not be read and why (status 2).

#include <QByteArray>
#include <QString>
#include <optional>

namespace plumcrest::closing {

inline constexpr int kCheckReaderTimeLimitMs = 15000;

struct ReaderRun {
    std::optional<QByteArray> json; // the reading, when the reader read the file
    QString problem;                // else why not, for the user
};

// The reader program to start: plumcrest-reader beside this program, which loads no widgets and
// so starts faster, or else this program itself, which reads as well.
QString ReaderProgram();

// Runs `program option file` and waits for it, at most `timeLimitMs`.
ReaderRun RunReader(const QString& program, const QString& option, const QString& file,
                    int timeLimitMs = kCheckReaderTimeLimitMs);

// Needs a QCoreApplication; `received` may be null or empty.
int RunCheckCommand(const QString& program, const char* closingPath, const char* estimatePath,
                    const char* received, bool mailed);

} // namespace plumcrest::closing
