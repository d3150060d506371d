#pragma once
// The figures that set kept offers side by side: each offer's schedule in whole cents, its cost
// (fees plus interest) over the whole term and over the years the buyer expects to keep the loan,
// the cheapest for those years, the break-even month of every pair and the check of the APR the
// lender disclosed. Plain C++: the window and any export read the same figures.

#include "Amortization.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace plumcrest {

// A disclosed APR is accurate within one eighth of a percentage point of the computed one.
inline constexpr double kAprTolerance = 0.125;

struct AprCheck {
    enum class Kind { NotGiven, WithinTolerance, Differs };
    Kind kind = Kind::NotGiven;
    double difference = 0; // disclosed less computed, percentage points
};

AprCheck CheckApr(double computedApr, std::optional<double> disclosedApr);

// What the comparison needs of one offer.
struct OfferTerms {
    double loan = 0;
    double ratePercent = 0;
    double termYears = 0;
    double fixedFees = 0;
};

struct PairBreakEven {
    std::size_t lowerRate = 0; // index of the offer with the lower rate (lower fees on a tie)
    std::size_t higherRate = 0;
    std::optional<std::int32_t> month; // from which the lower rate costs less; none in the term
};

class OfferComparison {
public:
    static constexpr int kDefaultHorizonYears = 7;

    // Builds the schedules and break-evens; keeps the horizon, clamped to 1 .. longest term.
    void SetOffers(const std::vector<OfferTerms>& offers);
    // Recomputes only the horizon costs and the cheapest offer.
    void SetHorizonYears(int years);

    std::size_t Count() const { return offers_.size(); }
    int HorizonYears() const { return horizon_; }
    // The longest term among the offers in whole years, at least 1.
    int LongestTermYears() const { return longest_; }

    const AmortizationSchedule& Schedule(std::size_t i) const { return offers_[i].schedule; }
    Cents Fees(std::size_t i) const { return offers_[i].fees; }
    Cents WholeTermCost(std::size_t i) const;
    Cents HorizonCost(std::size_t i) const { return offers_[i].horizonCost; }
    // Whether offer i costs least over the horizon (every offer that ties for least).
    bool IsCheapest(std::size_t i) const { return offers_[i].horizonCost == cheapest_; }
    const std::vector<PairBreakEven>& BreakEvens() const { return pairs_; }

private:
    struct Offer {
        AmortizationSchedule schedule;
        double rate = 0;
        Cents fees = 0;
        Cents horizonCost = 0;
    };
    std::vector<Offer> offers_;
    std::vector<PairBreakEven> pairs_;
    int wanted_ = kDefaultHorizonYears; // as asked for; horizon_ is it within the terms
    int horizon_ = kDefaultHorizonYears;
    int longest_ = 1;
    Cents cheapest_ = 0;
};

} // namespace plumcrest
