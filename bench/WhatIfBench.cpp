// Schedules with extra payments and an adjustable rate: both paths (the index as it stands and
// the worst case) of a loan with a monthly extra, at 30 and at 999 years. Targets on the two-core
// build machine: both schedules within 1 ms of CPU time at 30 years, within 16 ms at 999.
#include "LoanTerms.h"

#include <benchmark/benchmark.h>

namespace {

using namespace plumcrest;

void BothPaths(benchmark::State& state, std::int32_t months) {
    LoanTerms terms;
    terms.loan = 300000;
    terms.ratePercent = 5.5;
    terms.months = months;
    terms.extras.monthly = 10000;
    terms.extras.once = {{12, 500000}};
    terms.adjustable = AdjustableRate{60, 4.0, 2.75, 2, 2, 5, 2.75, 12};
    for (auto _ : state) {
        const AmortizationSchedule indexed = ScheduleOf(AlongPath(terms, RatePath::Indexed));
        const AmortizationSchedule worst = ScheduleOf(AlongPath(terms, RatePath::WorstCase));
        benchmark::DoNotOptimize(indexed.totalInterest + worst.totalInterest);
    }
}

void BM_AdjustableWithExtras30Years(benchmark::State& state) {
    BothPaths(state, 360);
}

// Small rates and caps keep a 999-year loan going for most of its term (a new payment rounded to
// the cent over ten thousand months still ends it some years early).
void BM_AdjustableWithExtras999Years(benchmark::State& state) {
    LoanTerms terms;
    terms.loan = 108000;
    terms.ratePercent = 0.8;
    terms.months = 11988;
    terms.extras.monthly = 1;
    terms.adjustable = AdjustableRate{60, 0.3, 0.4, 0.05, 0.05, 0.1, 0.5, 120};
    for (auto _ : state) {
        const AmortizationSchedule indexed = ScheduleOf(AlongPath(terms, RatePath::Indexed));
        const AmortizationSchedule worst = ScheduleOf(AlongPath(terms, RatePath::WorstCase));
        benchmark::DoNotOptimize(indexed.totalInterest + worst.totalInterest);
        state.counters["indexed_months"] = static_cast<double>(indexed.months.size());
        state.counters["worst_months"] = static_cast<double>(worst.months.size());
    }
}

} // namespace

BENCHMARK(BM_AdjustableWithExtras30Years)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AdjustableWithExtras999Years)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
