#pragma once
// A lender's file as the reader takes it: a regular file this user may read, of a size a form
// can have, read whole at once and refused when it changes meanwhile. Asked before any reader
// starts, so a pipe, a device, a folder or a file that may not be read is refused at once with
// its reason, never left to block or to run into a time limit. Paths are the bytes the system
// gives, so a name that is not valid UTF-8 is read as it is.

#include <QByteArray>
#include <QString>

namespace plumcrest::reader {

// A Loan Estimate is a few hundred kilobytes; a file beyond this is not one.
inline constexpr qint64 kMaxSourceBytes = qint64{64} * 1024 * 1024;

enum class SourceProblem {
    None,
    Missing,      // no such file
    Folder,       // a folder, not a file
    NotRegular,   // a pipe, a device or a socket
    NoPermission, // this user may not read it
    TooLarge,     // beyond kMaxSourceBytes
    Changed,      // it grew or changed while it was read
    Unreadable,   // the system could not read it (an input/output error)
};

// What stands in the way of reading the file, without reading it (and without blocking on a
// pipe).
SourceProblem CheckSourceFile(const QByteArray& path);

struct SourceBytes {
    QByteArray bytes;
    SourceProblem problem = SourceProblem::None;
};

// The whole file, when CheckSourceFile allows it and it stays the same while it is read.
SourceBytes ReadSourceFile(const QByteArray& path, qint64 limit = kMaxSourceBytes);

// One sentence for the user: "This file cannot be read: ...".
QString SourceProblemText(SourceProblem problem);

} // namespace plumcrest::reader
