#pragma once
// Which offer is best for this buyer: the cheapest over the years they expect to keep the loan
// with their savings' earnings counted, by how much against the next best, the nearest number
// of months kept at which another offer would cost less, what makes the offers unlike one
// another, and the quotes left out because their closing costs have expired. Decide() gives the
// facts; VerdictSentences() puts them in words.

#include "KeptOffer.h"
#include "OfferComparison.h"
#include "PictureMask.h"

#include <QCoreApplication>
#include <QStringList>
#include <chrono>
#include <cstddef>
#include <optional>
#include <vector>

namespace plumcrest::compare {

// A date is close when it falls within this many business days (Monday to Friday) of today.
inline constexpr int kCloseBusinessDays = 3;
// Loan amounts further apart than this share of the smaller one are not the same loan.
inline constexpr double kAmountTolerance = 0.01;

struct VerdictOffer {
    QString name;
    LoanEstimate estimate;
    ComparedOffer compared; // as the comparison counts it
    // An adjustable rate's plain cost over the years kept in its worst case.
    std::optional<Cents> worstCost;
};

enum class DateState { NotGiven, Later, Soon, Past };

struct VerdictFacts {
    std::int32_t horizonMonths = 0;
    double savingsPercent = 0;
    std::vector<std::size_t> leftOut; // quotes whose closing costs have expired
    std::optional<std::size_t> best;  // among those not left out
    std::optional<std::size_t> next;
    std::vector<std::size_t> tiedWithBest;
    Cents bestCost = 0; // over the years kept, savings counted
    Cents margin = 0;   // what the next best costs more over the years kept, savings counted
    // The nearest number of months kept, shorter or longer, at which another offer costs less.
    struct Turn {
        std::int32_t months = 0;
        std::size_t offer = 0;
        bool sooner = true;
    };
    std::optional<Turn> turn;
    // Not the same loan: the smallest and largest amounts when they differ by more than 1 %.
    std::optional<std::pair<std::size_t, std::size_t>> amounts;
    std::optional<std::pair<std::size_t, std::size_t>> terms;           // shortest and longest term
    std::optional<std::pair<std::size_t, std::size_t>> fixedAdjustable; // an adjustable, a fixed
    std::optional<std::pair<std::size_t, std::size_t>> lockedUnlocked;  // a locked, an unlocked
    std::optional<std::pair<std::size_t, std::size_t>> purposes;        // a purchase, a refinance
    std::vector<std::size_t> adjustable;
    std::vector<DateState> lock;   // by offer
    std::vector<DateState> expiry; // by offer
    // Each offer's cost month by month, savings counted, to the longest term (empty for one
    // left out): what the verdict read, for the small lines drawn beside it.
    std::vector<std::vector<Cents>> series;
};

// The state of `date` on `today`: past when before it, soon when within kCloseBusinessDays
// business days.
DateState StateOf(const std::optional<std::chrono::sys_days>& date, std::chrono::sys_days today);

VerdictFacts Decide(const std::vector<VerdictOffer>& offers, std::int32_t horizonMonths,
                    double savingsPercent, std::chrono::sys_days today);

// The verdict first, then the turn, the unlike loans, the dates and what it leaves out.
class Verdict {
    Q_DECLARE_TR_FUNCTIONS(plumcrest::compare::Verdict)

public:
    static QStringList Sentences(const VerdictFacts& facts, const std::vector<VerdictOffer>& offers,
                                 const LocaleSeparators& separators);
    // "12/9/2026", as the form writes dates.
    static QString DateText(std::chrono::sys_days day);
    // Whole dollars with the thousands separator: "22,051".
    static QString DollarsText(Cents cents, const LocaleSeparators& separators);
    // "3 years", or "40 months" when not whole years.
    static QString MonthsText(std::int32_t months);
};

} // namespace plumcrest::compare
