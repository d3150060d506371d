#include "EstimateFields.h"

#include <cmath>
#include <cstdlib>

namespace plumcrest {

const EstimateField* FindEstimateField(std::string_view key) {
    for (const EstimateField& field : kEstimateFields)
        if (field.key == key)
            return &field;
    return nullptr;
}

const EstimateField& EstimateFieldOf(std::string_view key) {
    const EstimateField* field = FindEstimateField(key);
    // Code names only figures of the table; a misspelt key is a programming error found by the
    // first test that touches it.
    if (!field)
        std::abort();
    return *field;
}

std::optional<double> FigureValue(const EstimateField& field, const LoanEstimate& estimate) {
    const FigurePlace& at = field.place;
    if (at.number)
        return estimate.*at.number;
    if (at.optional)
        return estimate.*at.optional;
    if (at.months) {
        // An optional count of months is not given at 0 (no interest-only payments).
        const std::int32_t months = estimate.*at.months;
        if (field.optional && months == 0)
            return std::nullopt;
        return months;
    }
    if (at.loanType)
        return static_cast<double>(estimate.*at.loanType);
    if (at.insuranceEnd)
        return static_cast<double>(estimate.*at.insuranceEnd);
    if (at.purpose)
        return static_cast<double>(estimate.*at.purpose);
    if (at.date) {
        const auto& day = estimate.*at.date;
        return day ? std::optional<double>(day->time_since_epoch().count()) : std::nullopt;
    }
    if (!estimate.adjustable)
        return std::nullopt;
    if (at.adjustable)
        return (*estimate.adjustable).*at.adjustable;
    return (*estimate.adjustable).*at.adjustableMonths;
}

void SetFigureValue(const EstimateField& field, LoanEstimate& estimate,
                    std::optional<double> value) {
    const FigurePlace& at = field.place;
    if (at.optional) {
        estimate.*at.optional = value;
        return;
    }
    if (at.date) {
        if (value && !FigureAllows(field, *value))
            return;
        estimate.*at.date =
            value ? std::optional(std::chrono::sys_days(std::chrono::days(std::llround(*value))))
                  : std::nullopt;
        return;
    }
    if (at.months && field.optional && !value) {
        estimate.*at.months = 0;
        return;
    }
    if (!value)
        return;
    if (at.number) {
        estimate.*at.number = *value;
    } else if (at.months) {
        estimate.*at.months = static_cast<std::int32_t>(*value);
    } else if (at.loanType || at.insuranceEnd || at.purpose) {
        const auto index = static_cast<std::size_t>(*value);
        if (*value < 0 || index >= field.choices.size())
            return;
        if (at.loanType)
            estimate.*at.loanType = static_cast<LoanType>(index);
        else if (at.purpose)
            estimate.*at.purpose = static_cast<LoanPurpose>(index);
        else
            estimate.*at.insuranceEnd = static_cast<InsuranceEnd>(index);
    } else {
        AdjustableRate& rate =
            estimate.adjustable ? *estimate.adjustable : estimate.adjustable.emplace();
        if (at.adjustable)
            rate.*at.adjustable = *value;
        else
            rate.*at.adjustableMonths = static_cast<std::int32_t>(*value);
    }
}

bool FigureAllows(const EstimateField& field, double value) {
    if (!std::isfinite(value))
        return false;
    if (field.kind == FigureKind::Choice)
        return value >= 0 && value == std::floor(value) &&
               value < static_cast<double>(field.choices.size());
    const FigureLimits limits = field.Limits();
    if (value < limits.low || value > limits.high)
        return false;
    return (field.kind != FigureKind::Months && field.kind != FigureKind::Date) ||
           value == std::floor(value);
}

const char* ChoiceStored(const EstimateField& field, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= field.choices.size())
        return field.choices.empty() ? "" : field.choices.front().stored;
    return field.choices[static_cast<std::size_t>(index)].stored;
}

std::optional<int> ChoiceOfStored(const EstimateField& field, std::string_view stored) {
    for (std::size_t i = 0; i < field.choices.size(); ++i)
        if (stored == field.choices[i].stored)
            return static_cast<int>(i);
    return std::nullopt;
}

} // namespace plumcrest
