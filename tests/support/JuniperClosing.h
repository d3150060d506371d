#pragma once
// One offer and the Closing Disclosure that answers it, for the tests of the check's window and
// of its desk: the origination fee up by a dollar (may not rise), the title policy up by 200
// (shopped for: no limit), the rest as estimated.

#include "ClosingReading.h"
#include "LoanEstimate.h"

namespace plumcrest::testing {

inline reader::ClosingLine JuniperLine(const char* label, double amount) {
    reader::ClosingLine line;
    line.label = label;
    line.borrowerAtClosing = amount;
    return line;
}

inline LoanEstimate JuniperEstimate() {
    LoanEstimate e;
    e.loanAmount = 250000;
    e.noteRate = 6.25;
    e.months = 360;
    e.disclosedApr = 6.5;
    e.lenderCredits = 0;
    e.costs = {{CostSection::A, "Origination Fee", 1100, true},
               {CostSection::C, "Survey Fee", 380, false},
               {CostSection::C, "Title \u2013 Lender's Title Policy", 910, false},
               {CostSection::E, "Recording Fees", 120, false}};
    return e;
}

inline reader::ClosingReading JuniperClosing() {
    reader::ClosingReading c;
    c.lender.value = "Juniper Savings";
    c.loanAmount.value = 250000;
    c.interestRate.value = 6.25;
    c.loanTermYears.value = 30;
    c.dateIssued.value = "2026-11-30";
    c.closingDate.value = "2026-12-03";
    c.lenderCredits.value = 0;
    c.cureGiven.value = 0;
    c.Section(CostSection::A) = {JuniperLine("Origination Fee", 1101)};
    c.Section(CostSection::B) = {JuniperLine("Survey Fee", 380)};
    c.Section(CostSection::C) = {JuniperLine("Title \u2013 Lender's Title Policy", 1110)};
    c.Section(CostSection::E) = {JuniperLine("Recording Fees", 120)};
    c.loanCalculations.apr.value = 6.5;
    return c;
}

} // namespace plumcrest::testing
