#pragma once
// The kept offers side by side as a table: one column per offer, newest first, one row per figure.
// The rows follow the Loan Estimate (the whole monthly payment, cash to close, "In 5 Years", the
// Total Interest Percentage, the APR as a lender must figure it) and then the comparison's own
// costs over the years the buyer expects to keep the loan. The Compare window shows it; anything
// that exports or prints the comparison reads the same rows, labels and texts.

#include "Choices.h"
#include "KeptOffer.h"
#include "OfferComparison.h"
#include "OfferFigures.h"
#include "PictureMask.h"
#include "Verdict.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <chrono>
#include <optional>
#include <vector>

namespace plumcrest::compare {

class CompareModel : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY(CompareModel)

public:
    enum Row {
        NameRow,
        LoanTypeRow,
        PriceRow,
        DownPaymentRow,
        LoanRow,
        TermRow,
        NoteRateRow,
        RateLockRow,
        CostsExpireRow,
        PaymentRow,
        InsuranceRow,
        InsuranceEndsRow,
        EscrowRow,
        TotalMonthlyRow,
        ProjectedRow,
        DuesRow,
        TotalFeesRow,
        LoanCostsRow,
        OtherCostsRow,
        LenderCreditsRow,
        CashToCloseRow,
        InFiveTotalRow,
        InFivePrincipalRow,
        InFiveCheckRow,
        TipRow,
        TipCheckRow,
        AprRow,
        LenderAprRow,
        DisclosedAprRow,
        AprCheckRow,
        TotalPaymentsRow,
        TotalInterestRow,
        WholeTermCostRow,
        HorizonPaidRow,
        HorizonPrincipalRow,
        HorizonBalanceRow,
        HorizonCostRow,
        DiscountedCostRow,
        CheapestRow,
        // What if: shown when a plan of extra payments is applied or an offer's rate adjusts.
        PayoffRow,
        InterestSavedRow,
        HighestPaymentRow,
        WorstHighestPaymentRow,
        WorstHorizonCostRow,
        WorstWholeTermCostRow,
        RowCount
    };
    // How a row's figure is written where it leaves the program.
    enum class RowKind { Text, Money, Rate, Percent3, Years };
    static RowKind KindOf(int row);

    // The figure behind a cell, for sorting and export: dollars or percent as a double, the
    // term in years; nothing for texts and for figures not given.
    static constexpr int FigureRole = Qt::UserRole + 1;
    // The cell's text with its numbers written as the CSV writes them: "." decimals and no
    // grouping, whatever the locale ("within 0.250 points", "years 1-7: 1916.58").
    static constexpr int PlainTextRole = Qt::UserRole + 2;

    explicit CompareModel(const LocaleSeparators& separators, QObject* parent = nullptr);

    // Newest first, as the store gives them. Any offer can be compared: a kept one, an estimate
    // not yet kept or the loan the buyer already has (id 0); only the estimate is read. An offer
    // kept before whose estimate is unchanged keeps the figures worked out for it.
    void SetOffers(std::vector<store::KeptOffer> offers);
    void SetHorizonYears(int years);
    void SetSavingsPercent(double percent);
    // One plan of extra payments for every offer, so they are compared as the buyer will pay.
    void SetExtraPlan(const ExtraPayments& plan);
    const ExtraPayments& ExtraPlan() const { return plan_; }
    // Whether the rows from PayoffRow on are shown.
    bool ShowsWhatIf() const;

    const std::vector<store::KeptOffer>& Offers() const { return offers_; }
    const store::KeptOffer& Offer(int column) const {
        return offers_[static_cast<std::size_t>(column)];
    }
    const OfferFigures& Figures(int column) const {
        return figures_[static_cast<std::size_t>(column)];
    }
    const OfferComparison& Comparison() const { return comparison_; }
    int HorizonYears() const { return comparison_.HorizonYears(); }
    double SavingsPercent() const { return comparison_.SavingsPercent(); }
    int LongestTermYears() const { return comparison_.LongestTermYears(); }

    // The offer the others are set against for the break-even: the one chosen while it is
    // compared, else the cheapest. -1 without offers.
    void SetBreakEvenReference(std::optional<qint64> offerId);
    int BreakEvenReference() const;

    // One line for the reference against each other offer: "A (6.5000 %) against B (7.0000 %):
    // cheaper from month 60 (year 5)", or ": never within the term"; the lower rate first.
    QStringList BreakEvenTexts() const;

    // The day the lock and expiry dates are judged on: today unless a test sets one.
    void SetToday(std::chrono::sys_days today);
    std::chrono::sys_days Today() const { return today_; }
    // The offers as the verdict reads them, and the verdict over the years kept.
    std::vector<VerdictOffer> VerdictOffers() const;
    VerdictFacts Facts() const;
    QStringList VerdictTexts() const;

    // The loan the buyer has, set against the refinance offers compared.
    void SetCurrentLoan(const CurrentLoan& loan);
    const CurrentLoan& Current() const { return current_; }
    // Points or credits: each offer with the other rates typed for it, and the offers of one
    // lender for the same loan at different rates; one group each.
    std::vector<PointsFacts> PointsGroups() const;
    QStringList PointsTexts() const;
    // Keep or refinance: each refinance offer against the loan the buyer has.
    QStringList RefinanceTexts() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString RowLabel(int row) const;
    QString RowLabel(int row, const LocaleSeparators& separators) const;
    // What a row counts, for its tooltip; empty when the label says it all.
    static QString RowExplanation(int row);
    QString CellText(int row, std::size_t column, const LocaleSeparators& separators) const;
    QVariant CellFigure(int row, std::size_t column) const;
    // What the form itself printed beside a figure of ours, where it differs; empty otherwise.
    QString CellNote(int row, std::size_t column) const;
    QString MoneyOf(Cents cents) const;
    static QString MoneyOf(Cents cents, const LocaleSeparators& separators);
    void HorizonChanged();
    void RecomputeHorizons();

    LocaleSeparators separators_;
    std::vector<store::KeptOffer> offers_;
    std::vector<OfferFigures> figures_;
    // Worked out once per change rather than for every cell painted.
    std::vector<HorizonFigures> horizons_;
    std::vector<Cents> worstWholeTerm_;
    OfferComparison comparison_;
    std::optional<qint64> reference_;
    ExtraPayments plan_;
    std::chrono::sys_days today_;
    CurrentLoan current_;
    // By offer: its typed points and credit alternatives, worked out when the offers are read.
    std::vector<std::vector<RateOption>> alternatives_;
};

} // namespace plumcrest::compare
