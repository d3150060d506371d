#include "ReadCommand.h"

#include "PdfWords.h"
#include "ReadingJson.h"
#include "SourceFile.h"

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace plumcrest::reader {

namespace {

// Lowers a limit to `value`, never raising one the process was started with.
void Lower(int resource, rlim_t value) {
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0)
        return;
    limit.rlim_cur = std::min(limit.rlim_cur, value);
    limit.rlim_max = std::min(limit.rlim_max, value);
    ::setrlimit(resource, &limit);
}

} // namespace

void LimitReaderProcess() {
    // The same bounds whether the window started this process or a user did: the processor time
    // limit ends the process with SIGXCPU.
    Lower(RLIMIT_CPU, static_cast<rlim_t>(kReaderCpuSeconds));
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves terabytes of address space for itself: a sanitized build keeps
    // the processor limit and bounds memory through the allocator options the window sets.
    Lower(RLIMIT_AS, static_cast<rlim_t>(kReaderMemoryBytes));
#endif
    Lower(RLIMIT_CORE, 0);
}

int RunReadCommand(const char* path) {
    LimitReaderProcess();
    const auto refuse = [](const QString& why) {
        std::fprintf(stderr, "plumcrest: %s\n", why.toLocal8Bit().constData());
        return kRefusedStatus;
    };
    // The name's own bytes, so a name that is not valid UTF-8 is still found.
    const SourceBytes source = ReadSourceFile(QByteArray(path));
    if (source.problem != SourceProblem::None)
        return refuse(SourceProblemText(source.problem));
    PdfWords words = ReadPdfWords(source.bytes);
    if (words.refusal != Refusal::None)
        return refuse(RefusalText(words.refusal));
    const auto reading = ReadEstimate(words.pages);
    if (!reading)
        return refuse(RefusalText(Refusal::NotTheForm));
    const QByteArray json = ToJson(*reading, CheckReading(*reading));
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace plumcrest::reader
