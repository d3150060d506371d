// Reading a five-page Closing Disclosure and checking it against a kept offer, as the window does:
// the reader program started as its process (process start included), its JSON read back and the
// check worked out here. The time reported is CPU time, user and system: the reader process's
// from the kernel's account of finished children, and this process's for the check. Target:
// within 300 ms.

#include "ClosingCheck.h"
#include "ClosingDisclosurePdf.h"
#include "ClosingJson.h"
#include "LoanEstimatePdf.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double CpuSeconds(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void ReadAndCheck(benchmark::State& state, const QString& path,
                  const plumcrest::reader::EstimateReading& estimate) {
    for (auto _ : state) {
        const double children = CpuSeconds(RUSAGE_CHILDREN);
        const double self = CpuSeconds(RUSAGE_SELF);
        QProcess process;
        process.start(QStringLiteral(PLUMCREST_READER),
                      {QStringLiteral("--read-closing-disclosure"), path});
        process.waitForFinished(10000);
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            state.SkipWithError("the reader refused the Closing Disclosure");
            return;
        }
        const auto closing = plumcrest::reader::ClosingFromJson(process.readAllStandardOutput());
        if (!closing) {
            state.SkipWithError("the reading could not be read back");
            return;
        }
        const auto check = plumcrest::closing::CheckClosingDisclosure(estimate, *closing);
        benchmark::DoNotOptimize(check.cureOwed);
        state.SetIterationTime(CpuSeconds(RUSAGE_CHILDREN) - children + CpuSeconds(RUSAGE_SELF) -
                               self);
    }
}

void GeneratedClosingDisclosure(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("closing.pdf"));
    const auto estimate = plumcrest::testing::FixedRatePurchase();
    if (!plumcrest::testing::WriteClosingDisclosureForm(
            path, plumcrest::testing::ClosingOfEstimate(estimate, "2024-04-01", "2024-04-04"))) {
        state.SkipWithError("the Closing Disclosure could not be written");
        return;
    }
    ReadAndCheck(state, path, estimate);
}
BENCHMARK(GeneratedClosingDisclosure)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// The regulator's H-25(B): a cover page and the five pages, outside the repository. Checked
// against the generator's offer: only the time counts here.
void RealClosingDisclosure(benchmark::State& state) {
    const QByteArray chosen = qgetenv("PLUMCREST_FORMS_DIR");
    QStringList folders;
    if (!chosen.isEmpty())
        folders << QString::fromLocal8Bit(chosen);
    const QDir source(QStringLiteral(PLUMCREST_SOURCE_DIR));
    folders << source.filePath(QStringLiteral("../shared/forms"))
            << source.filePath(QStringLiteral("../../shared/forms"));
    QString file;
    for (const QString& folder : folders)
        if (QFile::exists(QDir(folder).filePath(QStringLiteral("cfpb-h25b-cd-purchase.pdf"))))
            file = QDir(folder).filePath(QStringLiteral("cfpb-h25b-cd-purchase.pdf"));
    if (file.isEmpty()) {
        state.SkipWithError("the regulator's sample forms are not there (PLUMCREST_FORMS_DIR)");
        return;
    }
    ReadAndCheck(state, file, plumcrest::testing::FixedRatePurchase());
}
BENCHMARK(RealClosingDisclosure)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the generator lays out text
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
