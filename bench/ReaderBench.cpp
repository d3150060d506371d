// Reading a three-page Loan Estimate as the window does: the program started as a reader
// process, process start included. The time reported is the CPU time of the reader process
// (user and system), taken from the kernel's account of finished children.

#include "LoanEstimatePdf.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double ChildrenCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void ReadLoanEstimate(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("estimate.pdf"));
    if (!plumcrest::testing::WriteLoanEstimate(path, plumcrest::testing::FixedRatePurchase(), {})) {
        state.SkipWithError("the Loan Estimate could not be written");
        return;
    }
    for (auto _ : state) {
        const double before = ChildrenCpuSeconds();
        QProcess process;
        process.start(QStringLiteral(PLUMCREST_PROGRAM),
                      {QStringLiteral("--read-loan-estimate"), path});
        process.waitForFinished(10000);
        if (process.exitCode() != 0) {
            state.SkipWithError("the reader refused the Loan Estimate");
            return;
        }
        state.SetIterationTime(ChildrenCpuSeconds() - before);
    }
}
BENCHMARK(ReadLoanEstimate)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The regulator's four-page sample (a cover page and the form), outside the repository.
QString RealForm() {
    const QByteArray chosen = qgetenv("PLUMCREST_FORMS_DIR");
    QStringList folders;
    if (!chosen.isEmpty())
        folders << QString::fromLocal8Bit(chosen);
    const QDir source(QStringLiteral(PLUMCREST_SOURCE_DIR));
    folders << source.filePath(QStringLiteral("../shared/forms"))
            << source.filePath(QStringLiteral("../../shared/forms"));
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(QStringLiteral("cfpb-h24b-fixed.pdf"));
        if (QFile::exists(file))
            return file;
    }
    return {};
}

// A program run on the file `iterations` times, the CPU time of each run as the children's.
void RunEach(benchmark::State& state, const QString& program, const QStringList& arguments) {
    for (auto _ : state) {
        const double before = ChildrenCpuSeconds();
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(10000);
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            state.SkipWithError("the program did not read the form");
            return;
        }
        state.SetIterationTime(ChildrenCpuSeconds() - before);
    }
}

// The real form through the reader process the window starts, page rendering included: within
// 150 ms of CPU, and within three times what pdftotext -bbox takes on the same file (below, in
// the same run).
void ReadRealLoanEstimate(benchmark::State& state) {
    const QString form = RealForm();
    if (form.isEmpty()) {
        state.SkipWithError("the regulator's sample forms are not there (PLUMCREST_FORMS_DIR)");
        return;
    }
    RunEach(state, QStringLiteral(PLUMCREST_READER), {form});
}
BENCHMARK(ReadRealLoanEstimate)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The same through the window's own program, which loads every library the windows need.
void ReadRealLoanEstimateInProgram(benchmark::State& state) {
    const QString form = RealForm();
    if (form.isEmpty()) {
        state.SkipWithError("the regulator's sample forms are not there (PLUMCREST_FORMS_DIR)");
        return;
    }
    RunEach(state, QStringLiteral(PLUMCREST_PROGRAM),
            {QStringLiteral("--read-loan-estimate"), form});
}
BENCHMARK(ReadRealLoanEstimateInProgram)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// Poppler's own word boxes of the same file, for comparison.
void PdftotextBbox(benchmark::State& state) {
    const QString form = RealForm();
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (form.isEmpty() || pdftotext.isEmpty()) {
        state.SkipWithError("the sample forms or pdftotext (poppler-utils) are not there");
        return;
    }
    RunEach(state, pdftotext, {QStringLiteral("-bbox"), form, QStringLiteral("/dev/null")});
}
BENCHMARK(PdftotextBbox)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the generator lays out text
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
