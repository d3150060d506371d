#pragma once
// The two choices a buyer weighs beside which offer: points or credits (one lender's rates for
// the same loan, paid for at closing or paid back through the rate) and keep or refinance (the
// loan the buyer has against a refinance offer). Each is worked out as facts first, on the same
// measure as the verdict (loan costs plus interest and insurance, the money's earnings counted),
// then put in words.

#include "OfferComparison.h"
#include "OfferFigures.h"
#include "PictureMask.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace plumcrest::compare {

// What the comparison counts of an offer's figures: as the buyer pays (extras included), the
// loan costs (A to C) and prepaid interest less lender credits paid at closing.
ComparedOffer ComparedOf(const OfferFigures& figures);

// The same offer with points paid for another rate (as a Discount Points line of section A, a
// share of the loan amount), or with a further lender credit for another rate.
LoanEstimate WithPoints(LoanEstimate estimate, double points, double ratePercent);
LoanEstimate WithCredit(LoanEstimate estimate, double credit, double ratePercent);

// What the offer pays in discount points (section A lines that name points) less its lender
// credits: above zero for points, below for a credit.
Cents NetPoints(const LoanEstimate& estimate);

// The lender an offer's name stands for: the name up to its first digit, bracket or dash,
// trimmed and case-folded ("Maple Bank 6.25 %" and "maple bank (1 point)" are one lender).
QString LenderOf(const QString& name);

// One rate of a lender for the same loan.
struct RateOption {
    QString label;
    ComparedOffer compared;
};

struct OptionFacts {
    Cents upfront = 0;   // loan costs at closing, less lender credits
    Cents monthly = 0;   // the first payment: principal, interest and insurance
    Cents plainCost = 0; // over the years kept
    Cents cost = 0;      // over the years kept, the money's earnings counted
    // The month from which the lower of this rate and the reference's has cost less (savings
    // counted); none within the longer term.
    std::optional<std::int32_t> breakEven;
};

struct PointsFacts {
    std::vector<RateOption> options; // the first is the reference: no points and no credit
    std::vector<OptionFacts> facts;  // by option
    std::size_t best = 0;            // costs least over the years kept, savings counted
    std::size_t next = 0;            // the next best (the best itself with one option)
};

PointsFacts DecidePoints(std::vector<RateOption> options, std::int32_t horizonMonths,
                         double savingsPercent);

// The loan the buyer has, as its last statement gives it.
struct CurrentLoan {
    double balance = 0;
    double ratePercent = 0;
    std::int32_t monthsLeft = 0;
    double insuranceMonthly = 0;
    bool Given() const { return balance > 0 && monthsLeft > 0; }
};

// The loan kept as it is: its schedule over the months left with its insurance, nothing to pay
// at closing.
ComparedOffer KeptLoan(const CurrentLoan& loan);

struct RefinanceFacts {
    Cents keepPayment = 0; // a month, principal, interest and insurance
    Cents newPayment = 0;
    Cents closingCosts = 0; // the refinance's, less its lender credits
    // The month by which the lower payment has paid back the closing costs; none when the
    // payment is not lower.
    std::optional<std::int32_t> paymentBreakEven;
    // The month from which refinancing has cost less in all (savings counted); none within the
    // longer of the two.
    std::optional<std::int32_t> costBreakEven;
    Cents keepCost = 0; // over the years kept, savings counted
    Cents refinanceCost = 0;
    Cents keepTotal = 0; // interest and insurance to the last payment, plain
    Cents refinanceTotal = 0;
    std::int32_t keepMonths = 0;
    std::int32_t refinanceMonths = 0;
    Cents cashOut = 0; // the new loan beyond the balance owed, when it is larger
    // A lower payment that costs more in all: the term starts again.
    bool restartsTerm = false;
};

RefinanceFacts DecideRefinance(const CurrentLoan& loan, const ComparedOffer& refinance,
                               Cents newLoan, std::int32_t horizonMonths, double savingsPercent);

class Choices {
    Q_DECLARE_TR_FUNCTIONS(plumcrest::compare::Choices)

public:
    // "1 point for 6.125 %", "a 2,000.00 credit for 6.875 %".
    static QString PointsLabel(double points, double ratePercent,
                               const LocaleSeparators& separators);
    static QString CreditLabel(Cents credit, double ratePercent,
                               const LocaleSeparators& separators);
    static QStringList PointsSentences(const PointsFacts& facts, std::int32_t horizonMonths,
                                       double savingsPercent, const LocaleSeparators& separators);
    static QStringList RefinanceSentences(const RefinanceFacts& facts, const QString& offer,
                                          std::int32_t horizonMonths, double savingsPercent,
                                          const LocaleSeparators& separators);
};

} // namespace plumcrest::compare
