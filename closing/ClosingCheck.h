#pragma once
// The Closing Disclosure checked against the Loan Estimate it answers: each closing cost paired
// with its estimate and put in its tolerance category (12 CFR 1026.19(e)(3)), the refund the
// lender owes for what rose beyond the limits (the cure, 1026.19(f)(2)(v)), the Loan Calculations
// worked again from the form's own lines and payments (1026.38(o)), and the timing: received
// three business days before closing (1026.19(f)(1)(ii)), and whether a change restarts that wait
// (1026.19(f)(2)(ii)). Nothing read is corrected; every figure is the form's. Plain C++, no Qt.

#include "Amortization.h"
#include "BusinessDays.h"
#include "ClosingReading.h"
#include "EstimateReading.h"

#include <optional>
#include <string>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace plumcrest::closing {

enum class Tolerance {
    Zero,       // no increase allowed, line by line
    TenPercent, // the group's total may rise by 10 %
    NoLimit,
};
// "zero", "tenPercent", "noLimit" as the JSON writes them.
const char* ToleranceKey(Tolerance tolerance);
std::optional<Tolerance> ToleranceFromKey(std::string_view key);

// Where a line stands on one of the forms: its section letter ("A" to "H"; "J" for the lender
// credits) and its place among the section's lines, from 0.
struct LinePlace {
    std::string section;
    int index = -1;
    bool operator==(const LinePlace&) const = default;
};

// One closing cost on both forms (or on one, when it is new or gone).
struct LinePair {
    std::string label; // the Closing Disclosure's, or the Loan Estimate's for a line gone
    std::string estimateLabel;
    std::optional<LinePlace> estimate; // none: not on the Loan Estimate
    std::optional<LinePlace> closing;  // none: not on the Closing Disclosure
    // Borrower-paid amounts (at and before closing); credits below zero.
    Cents loanEstimate = 0;
    Cents closingDisclosure = 0;
    Tolerance category = Tolerance::NoLimit;
    const char* paragraph = "";  // of 12 CFR 1026 that puts it there
    const char* reason = "";     // for people, translated under "plumcrest::closing::ClosingCheck"
    bool buyerMayChange = false; // only the buyer knows (did they pick the provider?)
    bool chosenByBuyer = false;  // the category or pairing is the buyer's
    bool moved = false;          // in another section than on the Loan Estimate
    bool renamed = false;        // paired although the labels differ

    Cents Change() const { return closingDisclosure - loanEstimate; }
};

struct TenPercentGroup {
    Cents loanEstimate = 0;
    Cents closingDisclosure = 0;
    Cents limit = 0;  // 110 % of the Loan Estimate's total, to the cent
    Cents excess = 0; // what the total exceeds 110 % by, to the cent (never below 0)
};

struct CalculationCheck {
    std::string name; // "totalOfPayments", "financeCharge", "amountFinanced", "apr", "tip"
    std::optional<double> printed;
    std::optional<double> computed;
    std::optional<bool> ok; // none when either is missing
    const char* paragraph = "";
};

enum class WaitReason { AprRose, ProductChanged, PrepaymentPenaltyAdded };
const char* WaitReasonKey(WaitReason reason); // "aprRose", ...

struct Timing {
    std::optional<Day> issued;
    std::optional<Day> closing;
    std::optional<Day> received;  // as given, else the mailing rule's or the date issued
    bool receivedAssumed = false; // the buyer did not say: the date issued stands for it
    std::optional<Day> earliestClosing;
    std::optional<int> businessDaysBeforeClosing;
    std::optional<bool> receivedInTime;
};

// What only the buyer knows, or has changed.
struct CheckChoices {
    // A pairing the buyer made or undid: this Closing Disclosure line with this estimate line
    // (none: with no estimate, a new charge).
    struct Pairing {
        LinePlace closing;
        std::optional<LinePlace> estimate;
    };
    std::vector<Pairing> pairings;
    struct Category {
        LinePlace closing;
        Tolerance category = Tolerance::NoLimit;
    };
    std::vector<Category> categories;
    std::optional<Day> received;
    bool mailed = false; // sent by mail: received three business days after it was issued
    // Whether the Loan Estimate had a prepayment penalty; none when not known.
    std::optional<bool> estimatePrepaymentPenalty;
};

struct ClosingCheck {
    std::vector<LinePair> lines;
    bool linesRead = false; // the Closing Disclosure holds its cost lines (a fragment may not)
    TenPercentGroup tenPercentGroup;
    Cents zeroToleranceExcess = 0;
    Cents cureOwed = 0;
    std::optional<Cents> cureGiven;
    Cents cureStillOwed = 0;
    std::vector<CalculationCheck> loanCalculations;
    std::optional<double> aprChange; // the Closing Disclosure's APR less the Loan Estimate's
    double aprTolerance = 0.125;
    bool newWaitingPeriod = false;
    std::vector<WaitReason> waitReasons;
    Timing timing;
};

// The pairs of lines, each forms' lines by section and label: the buyer's pairings first, then
// the likeliest pairs, a line of the lender's list allowed to move between B and C.
std::vector<LinePair> PairLines(const reader::EstimateReading& estimate,
                                const reader::ClosingReading& closing, const CheckChoices& choices);

// How alike two labels are, 0 to 1: the share of their words in common, leaving out numbers,
// what stands in parentheses, the form's fill-ins ("Deed: $40.00") and words every fee has; a
// label whose every word is in the other counts nearly as the same.
double LabelLikeness(std::string_view a, std::string_view b);

ClosingCheck CheckClosingDisclosure(const reader::EstimateReading& estimate,
                                    const reader::ClosingReading& closing,
                                    const CheckChoices& choices = {});

// The Closing Disclosure's loan as the calculator figures an offer: its amount, rate, term and
// type, the borrower-paid lines and the lender credits, the mortgage insurance and escrow of its
// projected payments.
LoanEstimate EstimateOfClosing(const reader::ClosingReading& closing);

} // namespace plumcrest::closing
