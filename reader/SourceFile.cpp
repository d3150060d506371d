#include "SourceFile.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plumcrest::reader {

namespace {

SourceProblem ProblemOfError(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return SourceProblem::Missing;
    case EACCES:
    case EPERM:
        return SourceProblem::NoPermission;
    case EISDIR:
        return SourceProblem::Folder;
    default:
        return SourceProblem::Unreadable;
    }
}

SourceProblem ProblemOfStatus(const struct stat& status, qint64 limit) {
    if (S_ISDIR(status.st_mode))
        return SourceProblem::Folder;
    if (!S_ISREG(status.st_mode))
        return SourceProblem::NotRegular;
    if (status.st_size > limit)
        return SourceProblem::TooLarge;
    return SourceProblem::None;
}

// Opened without blocking: a pipe swapped in after the check must not hang the reader either.
int OpenForReading(const QByteArray& path) {
    return ::open(path.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
}

} // namespace

SourceProblem CheckSourceFile(const QByteArray& path) {
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return ProblemOfError(errno);
    if (const SourceProblem problem = ProblemOfStatus(status, kMaxSourceBytes);
        problem != SourceProblem::None)
        return problem;
    const int fd = OpenForReading(path);
    if (fd < 0)
        return ProblemOfError(errno);
    ::close(fd);
    return SourceProblem::None;
}

SourceBytes ReadSourceFile(const QByteArray& path, qint64 limit) {
    SourceBytes result;
    const int fd = OpenForReading(path);
    if (fd < 0) {
        result.problem = ProblemOfError(errno);
        return result;
    }
    struct stat before {};
    if (::fstat(fd, &before) != 0) {
        result.problem = SourceProblem::Unreadable;
    } else {
        result.problem = ProblemOfStatus(before, limit);
    }
    if (result.problem == SourceProblem::None) {
        // One byte more than the size, so a file still growing shows.
        result.bytes.resize(static_cast<qsizetype>(before.st_size) + 1);
        qsizetype got = 0;
        while (got < result.bytes.size()) {
            const ssize_t n = ::read(fd, result.bytes.data() + got,
                                     static_cast<std::size_t>(result.bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result.problem = SourceProblem::Unreadable;
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        struct stat after {};
        if (result.problem == SourceProblem::None &&
            (got != before.st_size || ::fstat(fd, &after) != 0 || after.st_size != before.st_size ||
             after.st_mtim.tv_sec != before.st_mtim.tv_sec ||
             after.st_mtim.tv_nsec != before.st_mtim.tv_nsec))
            result.problem = SourceProblem::Changed;
        result.bytes.resize(got);
    }
    ::close(fd);
    if (result.problem != SourceProblem::None)
        result.bytes.clear();
    return result;
}

QString SourceProblemText(SourceProblem problem) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("plumcrest::reader", text);
    };
    switch (problem) {
    case SourceProblem::None:
        return {};
    case SourceProblem::Missing:
        return tr("There is no such file.");
    case SourceProblem::Folder:
        return tr("This is a folder, not a file.");
    case SourceProblem::NotRegular:
        return tr("This is not a regular file (it is a pipe, a device or a socket), so it is not "
                  "read.");
    case SourceProblem::NoPermission:
        return tr("You do not have permission to read this file.");
    case SourceProblem::TooLarge:
        return tr("This file is far larger than a Loan Estimate can be, so it is not read.");
    case SourceProblem::Changed:
        return tr("This file changed while it was being read; try again once it is complete.");
    case SourceProblem::Unreadable:
        return tr("The system could not read this file.");
    }
    return {};
}

} // namespace plumcrest::reader
