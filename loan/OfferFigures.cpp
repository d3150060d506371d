#include "OfferFigures.h"

#include "FinanceChargeRules.h"
#include "OfferCalculator.h"

#include <algorithm>
#include <cmath>

namespace plumcrest {

Cents SectionTotal(const LoanEstimate& estimate, CostSection section) {
    Cents total = 0;
    for (const CostItem& item : estimate.costs)
        if (item.section == section)
            total = AddCents(total, ToCents(item.amount));
    return total;
}

SectionTotals TotalsOf(const LoanEstimate& estimate) {
    SectionTotals totals;
    Cents financeCharges = 0;
    for (const CostItem& item : estimate.costs) {
        const Cents amount = ToCents(item.amount);
        Cents& costs = IsLoanCost(item.section) ? totals.loanCosts : totals.otherCosts;
        costs = AddCents(costs, amount);
        if (IsPrepaidInterest(item))
            totals.prepaidInterest = AddCents(totals.prepaidInterest, amount);
        if (item.financeCharge)
            financeCharges = AddCents(financeCharges, amount);
        if (!IsLoanCost(item.section) && NamesMortgageInsurance(item.label))
            totals.closingInsurance = AddCents(totals.closingInsurance, amount);
    }
    totals.closingCosts = AddCents(totals.loanCosts, totals.otherCosts);
    totals.lenderCredits = ToCents(estimate.lenderCredits);
    // A lender's credit pays closing costs, the finance charges first; it never makes them
    // negative.
    totals.prepaidFinanceCharges =
        std::max<Cents>(0, SubtractCents(financeCharges, totals.lenderCredits));
    return totals;
}

CashToClose CashToCloseOf(const LoanEstimate& estimate, const SectionTotals& totals) {
    const auto line = [](const std::optional<double>& given, Cents otherwise) {
        return given && std::isfinite(*given) ? ToCents(*given) : otherwise;
    };
    CashToClose cash;
    cash.totalClosingCosts = SubtractCents(totals.closingCosts, totals.lenderCredits);
    const Cents premium = ToCents(estimate.upfrontPremiumFinanced);
    cash.closingCostsFinanced =
        line(estimate.closingCostsFinanced,
             std::clamp<Cents>(premium, 0, std::max<Cents>(cash.totalClosingCosts, 0)));
    // The down payment is what the base loan leaves of the price; the financed premium is a
    // closing cost financed, not a smaller down payment.
    const Cents baseLoan = SubtractCents(ToCents(estimate.loanAmount), std::max<Cents>(premium, 0));
    cash.downPayment = line(estimate.downPaymentFunds,
                            std::max<Cents>(0, SubtractCents(ToCents(estimate.price), baseLoan)));
    cash.deposit = line(estimate.deposit, 0);
    cash.fundsForBorrower = line(estimate.fundsForBorrower, 0);
    cash.sellerCredits = line(estimate.sellerCredits, 0);
    cash.adjustments = line(estimate.adjustmentsCredits, 0);
    Cents total = SubtractCents(cash.totalClosingCosts, cash.closingCostsFinanced);
    total = AddCents(total, cash.downPayment);
    total = SubtractCents(total, cash.deposit);
    total = SubtractCents(total, cash.fundsForBorrower);
    total = SubtractCents(total, cash.sellerCredits);
    cash.total = AddCents(total, cash.adjustments);
    return cash;
}

OfferFigures FigureOffer(const LoanEstimate& estimate, const ExtraPayments& plan) {
    OfferFigures figures;
    figures.terms = TermsOfEstimate(estimate);
    figures.schedule = ScheduleOf(figures.terms);
    figures.insurance = InsuranceOf(figures.terms, figures.schedule);
    if (plan.Any()) {
        const LoanTerms paid = WithExtras(figures.terms, plan);
        figures.paid = ScheduleOf(paid);
        figures.paidInsurance = InsuranceOf(paid, figures.paid);
    } else {
        figures.paid = figures.schedule;
        figures.paidInsurance = figures.insurance;
    }
    figures.savings = SavingsOf(figures.schedule, figures.paid);
    figures.highest = HighestPaymentOf(figures.paid);
    figures.adjustable = figures.terms.adjustable.has_value();
    if (figures.adjustable) {
        const LoanTerms worst = AlongPath(WithExtras(figures.terms, plan), RatePath::WorstCase);
        figures.worst = ScheduleOf(worst);
        figures.worstInsurance = InsuranceOf(worst, figures.worst);
        figures.worstHighest = HighestPaymentOf(figures.worst);
    }
    figures.totals = TotalsOf(estimate);
    if (const auto calculator = CalculatorResultsOf(estimate))
        figures.calculatorApr = calculator->APR;
    const Cents loan = figures.schedule.loan;
    figures.baseLoan = figures.terms.baseLoan > 0 ? figures.terms.baseLoan : loan;
    figures.cash = CashToCloseOf(estimate, figures.totals);
    figures.downPayment = figures.cash.downPayment;
    figures.cashToClose = figures.cash.total;
    if (estimate.disclosedCashToClose && std::isfinite(*estimate.disclosedCashToClose))
        figures.cashToCloseDifference =
            SubtractCents(ToCents(*estimate.disclosedCashToClose), figures.cashToClose);
    if (estimate.disclosedInsuranceMonthly && std::isfinite(*estimate.disclosedInsuranceMonthly))
        figures.insuranceDifference =
            SubtractCents(ToCents(*estimate.disclosedInsuranceMonthly), figures.insurance.monthly);
    if (figures.adjustable) {
        // The table's least and most come from the disclosed loan, without the buyer's extras.
        figures.projected =
            ProjectedPayments(figures.schedule, figures.insurance, figures.terms.monthlyEscrow,
                              ScheduleOf(AlongPath(figures.terms, RatePath::BestCase)),
                              ScheduleOf(AlongPath(figures.terms, RatePath::WorstCase)));
    } else {
        figures.projected =
            ProjectedPayments(figures.schedule, figures.insurance, figures.terms.monthlyEscrow);
    }
    // Interest and insurance paid at closing are paid in the first five years too (the
    // regulator's sample forms count the prepaid interest in "In 5 Years").
    figures.inFiveYears =
        InFirstMonths(figures.schedule, figures.insurance,
                      AddCents(AddCents(figures.totals.loanCosts, figures.totals.prepaidInterest),
                               figures.totals.closingInsurance),
                      60);
    figures.tip = TotalInterestPercent(figures.schedule, figures.totals.prepaidInterest);
    figures.amountFinanced = SubtractCents(loan, figures.totals.prepaidFinanceCharges);
    // An adjustable loan's APR runs on the fully indexed rate after the initial period, within the
    // caps: the disclosed schedule, which takes the index as it stands. Extra payments are the
    // buyer's choice and no part of it.
    const std::vector<Cents> stream = PaymentStream(figures.schedule, figures.insurance);
    Cents paymentsTotal = 0;
    for (const Cents payment : stream)
        paymentsTotal = AddCents(paymentsTotal, payment);
    figures.financeCharge = SubtractCents(paymentsTotal, figures.amountFinanced);
    figures.totalOfPayments = AddCents(
        AddCents(AddCents(paymentsTotal, figures.totals.loanCosts), figures.totals.prepaidInterest),
        figures.totals.closingInsurance);
    figures.lenderApr = StreamApr(figures.amountFinanced, stream);
    figures.aprFeatures = AprFeaturesOf(figures.schedule, figures.insurance);
    std::optional<Cents> disclosedCharge;
    if (estimate.disclosedFinanceCharge && std::isfinite(*estimate.disclosedFinanceCharge)) {
        disclosedCharge = ToCents(*estimate.disclosedFinanceCharge);
        figures.financeChargeDifference = SubtractCents(*disclosedCharge, figures.financeCharge);
        figures.aprOfDisclosedCharge =
            StreamApr(SubtractCents(paymentsTotal, *disclosedCharge), stream);
    }
    figures.aprCheck = CheckDisclosedApr(figures.lenderApr, estimate.disclosedApr,
                                         AprToleranceOf(figures.aprFeatures), disclosedCharge,
                                         figures.financeCharge, figures.aprOfDisclosedCharge);
    if (estimate.disclosedInFiveTotal)
        figures.inFiveTotalDifference =
            SubtractCents(ToCents(*estimate.disclosedInFiveTotal), figures.inFiveYears.totalPaid);
    if (estimate.disclosedInFivePrincipal)
        figures.inFivePrincipalDifference = SubtractCents(
            ToCents(*estimate.disclosedInFivePrincipal), figures.inFiveYears.principalPaidOff);
    if (estimate.disclosedTip)
        figures.tipDifference = *estimate.disclosedTip - figures.tip;
    return figures;
}

HorizonFigures FigureHorizon(const OfferFigures& figures, std::int32_t years,
                             double savingsPercent) {
    const std::int32_t months = static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{std::max(years, 0)} * 12, kScheduleMaxMonths));
    const Cents loanCosts =
        SubtractCents(AddCents(figures.totals.loanCosts, figures.totals.prepaidInterest),
                      figures.totals.lenderCredits);
    HorizonFigures horizon;
    horizon.paid =
        InFirstMonths(figures.paid, figures.paidInsurance, figures.totals.loanCosts, months);
    horizon.plainCost = PlainCost(figures.paid, figures.paidInsurance, loanCosts, months);
    horizon.discountedCost =
        DiscountedCost(figures.paid, figures.paidInsurance, loanCosts, months, savingsPercent);
    horizon.worstPlainCost =
        figures.adjustable ? PlainCost(figures.worst, figures.worstInsurance, loanCosts, months)
                           : horizon.plainCost;
    return horizon;
}

} // namespace plumcrest
