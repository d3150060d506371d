// A long fuzz run over the help reader, outside the test command (scripts/fuzz-help.sh N).
// Each damaged copy of the built help file goes through the reader twice, each time in a child
// process so that a crash or a hang is counted rather than ending the run:
//   - as the program opens it (the size and digest check first), then read through;
//   - straight to chmlib, the check told to expect exactly these bytes, to show what the check
//     keeps out.
// Exit status 1 when the program's path ever opened a damaged copy, crashed or hung.

#include "HelpChmFile.h"
#include "HelpFileMutations.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using plumcrest::help::ChmFile;
using plumcrest::help::ChmObjectPath;
using plumcrest::help::HelpFileIdentity;
using plumcrest::help::IdentityOf;

namespace {

enum Outcome { kOpened = 0, kRefused = 2, kCrashed = 100, kHung = 101 };
// Reading the whole help file takes milliseconds; a run still going after this has hung.
constexpr unsigned kSecondsPerRun = 3;

int ReadThrough(const ChmFile& file) {
    static_cast<void>(file.DefaultTopic());
    static_cast<void>(file.TopicForContext(10000));
    static_cast<void>(file.ContextMapReadable());
    int read = 0;
    for (const auto& entry : file.Contents())
        read += file.Read(ChmObjectPath(entry.local)) ? 1 : 0;
    return read;
}

struct Result {
    Outcome outcome;
    int signal = 0;
};

Result InChild(const QString& path, const HelpFileIdentity& expected) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (child == 0) {
        ::alarm(kSecondsPerRun);
        const auto file = ChmFile::Open(path, expected);
        if (file)
            ReadThrough(*file);
        ::_exit(file ? kOpened : kRefused);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return {WTERMSIG(status) == SIGALRM ? kHung : kCrashed, WTERMSIG(status)};
    return {WEXITSTATUS(status) == kOpened ? kOpened : kRefused};
}

struct Tally {
    long opened = 0, refused = 0, crashed = 0, hung = 0;
    std::map<int, long> bySignal;
    void Add(const Result& result) {
        switch (result.outcome) {
        case kOpened:
            ++opened;
            break;
        case kRefused:
            ++refused;
            break;
        case kCrashed:
            ++crashed;
            ++bySignal[result.signal];
            break;
        case kHung:
            ++hung;
            break;
        }
    }
    void Print(const char* what) const {
        std::printf("%s: opened %ld, refused %ld, crashed %ld, hung %ld", what, opened, refused,
                    crashed, hung);
        for (const auto& [signal, count] : bySignal)
            std::printf(" [%s: %ld]", sigabbrev_np(signal) ? sigabbrev_np(signal) : "?", count);
        std::printf("\n");
    }
};

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 1000;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    const QString source =
        argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral(PLUMCREST_HELP_FILE);
    QFile in(source);
    if (count <= 0 || !in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: fuzz_help_file N [seed] [help file]\n");
        return 2;
    }
    const QByteArray original = in.readAll();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plumcrestcalc.chm"));
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));

    Tally guarded, unchecked;
    long identical = 0, damagedOpened = 0;
    for (long i = 0; i < count; ++i) {
        const QByteArray bytes = plumcrest::testing::MutatedHelpFile(original, random);
        QFile::remove(path); // a fresh file: truncating one in place can force a flush
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 2;
        }
        out.close();
        if (bytes == original) {
            ++identical;
            continue;
        }
        const Result result = InChild(path, plumcrest::help::BuiltHelpFileIdentity());
        guarded.Add(result);
        if (result.outcome == kOpened)
            ++damagedOpened;
        unchecked.Add(InChild(path, IdentityOf(bytes)));
        if ((i + 1) % 1000 == 0)
            std::fprintf(stderr, "%ld of %ld\n", i + 1, count);
    }
    std::printf("seed %lu: %ld copies made, %ld damaged, %ld identical to the original "
                "(skipped)\n",
                seed, count, count - identical, identical);
    guarded.Print("program's reader (checked)");
    unchecked.Print("chmlib without the check ");
    const bool sound = damagedOpened == 0 && guarded.crashed == 0 && guarded.hung == 0;
    std::printf("%s\n",
                sound ? "PASS: no damaged copy reached chmlib through the program's reader"
                      : "FAIL: the program's reader let a damaged copy through, crashed or hung");
    return sound ? 0 : 1;
}
