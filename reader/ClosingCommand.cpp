#include "ClosingCommand.h"

#include "ClosingJson.h"
#include "PdfWords.h"
#include "ReadCommand.h"
#include "SourceFile.h"

#include <QCoreApplication>
#include <cstdio>

namespace plumcrest::reader {

QString NotClosingDisclosureText(bool isLoanEstimate) {
    return isLoanEstimate
               ? QCoreApplication::translate("plumcrest::reader::ClosingCommand",
                                             "This is a Loan Estimate, not a Closing Disclosure.")
               : QCoreApplication::translate(
                     "plumcrest::reader::ClosingCommand",
                     "This PDF file is not a Closing Disclosure on the standard form.");
}

int RunReadClosingCommand(const char* path) {
    LimitReaderProcess();
    const auto refuse = [](const QString& why) {
        std::fprintf(stderr, "plumcrest: %s\n", why.toLocal8Bit().constData());
        return kRefusedStatus;
    };
    const SourceBytes source = ReadSourceFile(QByteArray(path));
    if (source.problem != SourceProblem::None)
        return refuse(SourceProblemText(source.problem));
    const PdfWords words = ReadPdfWords(source.bytes);
    if (words.refusal != Refusal::None)
        return refuse(RefusalText(words.refusal));
    const std::optional<ClosingReading> reading = ReadClosing(words.pages);
    if (!reading)
        return refuse(
            NotClosingDisclosureText(ReadForm(words.pages).kind == FormKind::LoanEstimate));
    const QByteArray json = ClosingToJson(*reading);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace plumcrest::reader
