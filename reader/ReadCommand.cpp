#include "ReadCommand.h"

#include "PdfWords.h"
#include "ReadingJson.h"

#include <QFile>
#include <cstdio>

namespace plumcrest::reader {

int RunReadCommand(const char* path) {
    const QString file = QFile::decodeName(path);
    const auto refuse = [](const QString& why) {
        std::fprintf(stderr, "plumcrest: %s\n", why.toLocal8Bit().constData());
        return kRefusedStatus;
    };
    if (!QFile::exists(file))
        return refuse(QStringLiteral("%1: no such file").arg(file));
    PdfWords words = ReadPdfWords(file);
    if (words.refusal != Refusal::None)
        return refuse(RefusalText(words.refusal));
    const FormReading form = ReadForm(words.pages);
    if (form.kind != FormKind::LoanEstimate)
        return refuse(RefusalText(RefusalOf(form.kind)));
    const QByteArray json = ToJson(form.reading, CheckReading(form.reading));
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace plumcrest::reader
