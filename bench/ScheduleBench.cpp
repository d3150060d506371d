// The schedule window's costs: building the model of a 999-year schedule (11,988 months) and
// reading its first screenful, opening the window on it, and printing a 30-year schedule to PDF.
// Targets on the two-core build machine: the model <= 5 ms of CPU time, the PDF <= 1 s.
#include "Amortization.h"
#include "OutputCommands.h"
#include "ScheduleModel.h"
#include "ScheduleWindow.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace plumcrest;
using namespace plumcrest::schedule;
using namespace plumcrest::output;

const LocaleSeparators kUs{U'.', U','};

// 0.8 % keeps the rounded payment below the exact one, so all 11,988 months are paid.
AmortizationSchedule LongSchedule() {
    return BuildSchedule(108000.0, 0.8, 11988);
}

void BM_ScheduleModel999Years(benchmark::State& state) {
    for (auto _ : state) {
        ScheduleModel model(LongSchedule(), {}, kUs);
        // What the view asks for first: the years and the first year's months.
        const QModelIndex first = model.index(0, 0);
        for (int r = 0; r < 40; ++r) {
            const QModelIndex parent = r < model.rowCount(first) ? first : QModelIndex();
            for (int c = 0; c < ScheduleModel::ColumnCount; ++c) {
                benchmark::DoNotOptimize(model.index(r, c, parent).data());
            }
        }
    }
}

void BM_ScheduleWindow999Years(benchmark::State& state) {
    for (auto _ : state) {
        ScheduleWindow window(QStringLiteral("Bench"), 0.8, LongSchedule(), {}, kUs);
        benchmark::DoNotOptimize(window.Model()->rowCount());
    }
}

// "Show All Months" on a 999-year term: every one of the 11,988 rows laid out.
void BM_ScheduleShowAllMonths999Years(benchmark::State& state) {
    ScheduleWindow window(QStringLiteral("Bench"), 0.8, LongSchedule(), {}, kUs);
    for (auto _ : state) {
        window.ShowMonthsAction()->trigger();
        state.PauseTiming();
        window.YearsOnlyAction()->trigger();
        state.ResumeTiming();
    }
}

void BM_SchedulePdf30Years(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schedule.pdf"));
    ScheduleWindow window(QStringLiteral("Bench"), 6.75, BuildSchedule(108000.0, 6.75, 360), {},
                          kUs);
    for (auto _ : state) {
        QString error;
        if (!WritePdfFile(path, window.Document(), QPageSize(QPageSize::Letter), &error)) {
            state.SkipWithError(error.toStdString().c_str());
        }
    }
}

BENCHMARK(BM_ScheduleModel999Years)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScheduleWindow999Years)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScheduleShowAllMonths999Years)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchedulePdf30Years)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
