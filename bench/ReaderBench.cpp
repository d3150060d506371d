// Reading a three-page Loan Estimate as the window does: the program started as a reader
// process, process start included. The time reported is the CPU time of the reader process
// (user and system), taken from the kernel's account of finished children.

#include "LoanEstimatePdf.h"

#include <QGuiApplication>
#include <QProcess>
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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the generator lays out text
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
