#pragma once
// Which closing costs are finance charges, as Regulation Z's 12 CFR 1026.4 decides it: one table
// of rules, each naming what the line is (by words of its label, in English and in Spanish, and
// the sections it may stand in), whether it is a finance charge, and the paragraph that says so.
// The first rule that fits a line decides it; a line no rule names takes its section's rule.
// Plain C++, no Qt.

#include "LoanEstimate.h"

#include <span>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace plumcrest {

struct FinanceChargeRule {
    // What the line is, for people: a short phrase, translated in the windows under the
    // context "plumcrest::FinanceChargeRules".
    const char* what = "";
    // The paragraph of 12 CFR 1026 that decides it, as "1026.4(c)(7)(i)".
    const char* paragraph = "";
    bool financeCharge = false;
    // Words of the label (lower case, apostrophes straight), any one of which names the line;
    // none: the rule is its sections' default.
    std::span<const std::string_view> words;
    // The sections the rule holds in, as letters ("ABC"); empty: every section.
    std::string_view sections;
};

// Every rule, in the order they are tried; the section defaults come last.
std::span<const FinanceChargeRule> FinanceChargeRules();

// The rule that decides a line with this label in this section.
const FinanceChargeRule& FinanceChargeRuleOf(CostSection section, std::string_view label);

// Whether the label names mortgage insurance (or a guarantee of the loan), in either language.
bool NamesMortgageInsurance(std::string_view label);

} // namespace plumcrest
