#include "ScheduleCommand.h"

#include "Csv.h"
#include "LoanTerms.h"
#include "WhatIf.h"

#include <optional>
#include <string_view>

namespace plumcrest {

namespace {

constexpr std::string_view kProgram = "plumcrest";

struct Options {
    std::optional<Cents> loan;
    std::optional<double> rate;
    std::optional<std::int32_t> years;
    ExtraPayments extras;
    std::optional<AdjustableRate> adjustable;
    bool worstCase = false;
};

// Reads the options into `options`, or says in `error` what is wrong with them.
bool ReadOptions(int argc, const char* const* argv, Options& options, std::string& error) {
    // The months are known only once --years is read: month figures are checked afterwards.
    std::optional<std::string_view> monthly;
    std::vector<std::string_view> once;
    std::optional<std::string_view> yearly;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (arg == "--schedule")
            continue;
        if (arg == "--biweekly") {
            options.extras.biweekly = true;
            continue;
        }
        if (arg == "--worst-case") {
            options.worstCase = true;
            continue;
        }
        const bool takesValue = arg == "--loan" || arg == "--rate" || arg == "--years" ||
                                arg == "--extra-monthly" || arg == "--extra-once" ||
                                arg == "--extra-yearly" || arg == "--arm";
        if (!takesValue) {
            error = "unknown option '" + std::string(arg) + "' (see --help)";
            return false;
        }
        if (i + 1 >= argc || !argv[i + 1]) {
            error = std::string(arg) + " needs a value";
            return false;
        }
        const std::string_view value = argv[++i];
        const auto bad = [&](const char* expected) {
            error = std::string(arg) + " '" + std::string(value) + "': " + expected;
            return false;
        };
        if (arg == "--loan") {
            options.loan = ParseMoney(value);
            if (!options.loan || *options.loan <= 0)
                return bad("expected an amount above 0 and at most 99999999.99, \".\" decimals");
        } else if (arg == "--rate") {
            options.rate = ParseRate(value);
            if (!options.rate)
                return bad("expected a rate in percent from 0 to 999.9999");
        } else if (arg == "--years") {
            options.years = ParseWhole(value, 1, 999);
            if (!options.years)
                return bad("expected whole years from 1 to 999");
        } else if (arg == "--extra-monthly") {
            monthly = value;
        } else if (arg == "--extra-once") {
            once.push_back(value);
        } else if (arg == "--extra-yearly") {
            yearly = value;
        } else {
            options.adjustable = ParseAdjustable(value);
            if (!options.adjustable)
                return bad("expected INITIAL_MONTHS:INDEX:MARGIN:FIRST_CAP:LATER_CAP:LIFE_CAP:"
                           "FLOOR:MONTHS_BETWEEN_CHANGES, months whole and at least 1, rates in "
                           "percent");
        }
    }
    if (!options.loan || !options.rate || !options.years) {
        error = "--schedule needs --loan AMOUNT, --rate PERCENT and --years N";
        return false;
    }
    if (options.worstCase && !options.adjustable) {
        error = "--worst-case needs an adjustable rate (--arm)";
        return false;
    }
    const std::int32_t months = *options.years * 12;
    if (monthly) {
        const auto extra = ParseMonthlyExtra(*monthly, months);
        if (!extra) {
            error = "--extra-monthly '" + std::string(*monthly) +
                    "': expected AMOUNT or AMOUNT@FROM_MONTH, the month from 1 to " +
                    std::to_string(months);
            return false;
        }
        options.extras.monthly = extra->first;
        options.extras.monthlyFrom = extra->second;
    }
    for (const std::string_view each : once) {
        const auto extra = ParseMonthAmount(each, months);
        if (!extra) {
            error = "--extra-once '" + std::string(each) +
                    "': expected MONTH:AMOUNT, the month from 1 to " + std::to_string(months);
            return false;
        }
        options.extras.once.push_back(*extra);
    }
    if (yearly) {
        const auto extra = ParseMonthAmount(*yearly, 12);
        if (!extra) {
            error = "--extra-yearly '" + std::string(*yearly) +
                    "': expected MONTH_OF_YEAR:AMOUNT, the month from 1 to 12";
            return false;
        }
        options.extras.yearlyMonth = extra->first;
        options.extras.yearly = extra->second;
    }
    return true;
}

} // namespace

bool IsScheduleCommand(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i] && std::string_view(argv[i]) == "--schedule")
            return true;
    return false;
}

int RunScheduleCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
    Options options;
    std::string error;
    if (!ReadOptions(argc, argv, options, error)) {
        std::fprintf(err, "%s: %s\n", kProgram.data(), error.c_str());
        return 2;
    }
    LoanTerms terms;
    terms.loan = static_cast<double>(*options.loan) / 100.0;
    terms.ratePercent = *options.rate;
    terms.months = *options.years * 12;
    terms.extras = options.extras;
    terms.adjustable = options.adjustable;
    terms.ratePath = options.worstCase ? RatePath::WorstCase : RatePath::Indexed;
    const std::string csv = output::ScheduleCsv(ScheduleOf(terms), InsurancePlan{});
    if (std::fwrite(csv.data(), 1, csv.size(), out) != csv.size() || std::fflush(out) != 0) {
        std::fprintf(err, "%s: the schedule could not be written to standard output\n",
                     kProgram.data());
        return 1;
    }
    return 0;
}

std::string ScheduleCommandHelp() {
    return "      --schedule --loan AMOUNT --rate PERCENT --years N\n"
           "                 print the loan's monthly schedule as CSV and exit; add\n"
           "                 --extra-monthly AMOUNT[@FROM_MONTH], --extra-once MONTH:AMOUNT\n"
           "                 (repeatable), --extra-yearly MONTH_OF_YEAR:AMOUNT, --biweekly,\n"
           "                 --arm INITIAL_MONTHS:INDEX:MARGIN:FIRST_CAP:LATER_CAP:LIFE_CAP:\n"
           "                 FLOOR:MONTHS_BETWEEN_CHANGES and --worst-case\n";
}

} // namespace plumcrest
