#pragma once
// The figures that set kept offers side by side: each offer's cost over the years the buyer
// expects to keep the loan (its loan costs plus the interest and mortgage insurance paid by
// then), the same cost when the buyer's money earns a yearly rate elsewhere, the cheapest offer
// by that fairer cost, and the break-even month of one offer against the others. Plain C++: the
// window and any export read the same figures.

#include "Amortization.h"
#include "LoanEstimateMath.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace plumcrest {

// What the comparison needs of one offer.
struct ComparedOffer {
    AmortizationSchedule schedule;
    InsurancePlan insurance;
    Cents loanCosts = 0; // paid at closing and counted as a cost from the start
    double ratePercent = 0;
};

struct PairBreakEven {
    std::size_t lowerRate = 0; // index of the offer with the lower rate (lower costs on a tie)
    std::size_t higherRate = 0;
    std::optional<std::int32_t> month; // from which the lower rate costs less; none in the term
};

class OfferComparison {
public:
    static constexpr int kDefaultHorizonYears = 7;
    static constexpr double kDefaultSavingsPercent = 4.0;

    // Takes the offers; keeps the horizon, clamped to 1 .. longest term, and the savings rate.
    void SetOffers(std::vector<ComparedOffer> offers);
    // Recompute only the horizon costs and the cheapest offer.
    void SetHorizonYears(int years);
    void SetSavingsPercent(double percent);

    std::size_t Count() const { return offers_.size(); }
    int HorizonYears() const { return horizon_; }
    double SavingsPercent() const { return savings_; }
    // The longest term among the offers in whole years (a part year counts), at least 1.
    int LongestTermYears() const { return longest_; }

    const ComparedOffer& Offer(std::size_t i) const { return offers_[i].offer; }
    const AmortizationSchedule& Schedule(std::size_t i) const { return offers_[i].offer.schedule; }
    Cents LoanCosts(std::size_t i) const { return offers_[i].offer.loanCosts; }
    // Loan costs plus all the interest and insurance.
    Cents WholeTermCost(std::size_t i) const;
    Cents HorizonCost(std::size_t i) const { return offers_[i].plainCost; }
    Cents DiscountedCost(std::size_t i) const { return offers_[i].discountedCost; }
    // Whether offer i costs least over the horizon with the money's earnings counted (every
    // offer that ties for least).
    bool IsCheapest(std::size_t i) const { return offers_[i].discountedCost == cheapest_; }
    // The first offer that costs least, none when there are no offers.
    std::optional<std::size_t> Cheapest() const;
    // The break-even of `reference` against each other offer, in the offers' order: a long list
    // compared pair by pair would be thousands of lines nobody reads.
    std::vector<PairBreakEven> BreakEvensAgainst(std::size_t reference) const;

private:
    void Recompute();

    struct Entry {
        ComparedOffer offer;
        Cents plainCost = 0;
        Cents discountedCost = 0;
    };
    std::vector<Entry> offers_;
    int wanted_ = kDefaultHorizonYears; // as asked for; horizon_ is it within the terms
    int horizon_ = kDefaultHorizonYears;
    double savings_ = kDefaultSavingsPercent;
    int longest_ = 1;
    Cents cheapest_ = 0;
};

} // namespace plumcrest
