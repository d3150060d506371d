// A long fuzz run over the Loan Estimate reader, outside the test command
// (scripts/fuzz-reader.sh N [seed]): N damaged copies of a synthetic Loan Estimate, each read
// through the window's reader process with its time and memory limits, counted by outcome.
// Exit status 1 when a copy could not be handed to a reader at all.

#include "../help/HelpFileMutations.h"
#include "EstimateImport.h"
#include "LoanEstimatePdf.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <random>

using plumcrest::offers::ImportReading;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: fuzz_reader N [seed]\n", stderr);
        return 2;
    }
    const long count = std::atol(argv[1]);
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1u);
    QTemporaryDir dir;
    const QString original = dir.filePath(QStringLiteral("original.pdf"));
    if (!plumcrest::testing::WriteLoanEstimate(
            original, plumcrest::testing::LoanWithLenderCredits(),
            {QStringLiteral("Liberation Sans"), 0, 0, 0, true, 2}))
        return 2;
    QFile in(original);
    if (!in.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray bytes = in.readAll();
    const QString path = dir.filePath(QStringLiteral("damaged.pdf"));
    long tally[5] = {};
    for (long copy = 0; copy < count; ++copy) {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 2;
        out.write(plumcrest::testing::MutatedHelpFile(bytes, random));
        out.close();
        const ImportReading result =
            plumcrest::offers::ReadInReaderProcess(QStringLiteral(PLUMCREST_PROGRAM), path);
        ++tally[static_cast<int>(result.outcome)];
    }
    std::printf("%ld damaged copies: %ld read, %ld refused, %ld reader stopped (crash or memory), "
                "%ld timed out, %ld reader not started\n",
                count, tally[0], tally[1], tally[2], tally[3], tally[4]);
    return tally[4] == 0 ? 0 : 1;
}
