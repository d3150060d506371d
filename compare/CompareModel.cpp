#include "CompareModel.h"

#include "EstimateFields.h"
#include "FigureText.h"
#include "MoneyText.h"

#include <QColor>
#include <QFont>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace plumcrest::compare {

namespace {

// The rows whose figure is one of the estimate's own, by its key in EstimateFields.h.
constexpr std::pair<int, std::string_view> kEstimateRows[] = {
    {CompareModel::PriceRow, "price"},
    {CompareModel::LoanRow, "loanAmount"},
    {CompareModel::NoteRateRow, "noteRate"},
    {CompareModel::DuesRow, "hoaMonthly"},
    {CompareModel::DisclosedAprRow, "disclosedApr"},
};

// A Loan Estimate shows whole dollars: a disclosed figure within a dollar of ours agrees.
constexpr Cents kWholeDollar = 100;
// The form shows the TIP to three decimals at most, some lenders to two.
constexpr double kTipAgreement = 0.005;

} // namespace

CompareModel::CompareModel(const LocaleSeparators& separators, QObject* parent)
    : QAbstractTableModel(parent), separators_(separators),
      today_(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())) {}

void CompareModel::SetToday(std::chrono::sys_days today) {
    beginResetModel();
    today_ = today;
    endResetModel();
}

std::vector<VerdictOffer> CompareModel::VerdictOffers() const {
    std::vector<VerdictOffer> offers;
    offers.reserve(offers_.size());
    for (std::size_t i = 0; i < offers_.size(); ++i) {
        VerdictOffer offer{offers_[i].name, offers_[i].estimate, comparison_.Offer(i),
                           std::nullopt};
        if (figures_[i].adjustable)
            offer.worstCost = horizons_[i].worstPlainCost;
        offers.push_back(std::move(offer));
    }
    return offers;
}

VerdictFacts CompareModel::Facts() const {
    return Decide(VerdictOffers(), comparison_.HorizonYears() * 12, comparison_.SavingsPercent(),
                  today_);
}

QStringList CompareModel::VerdictTexts() const {
    return Verdict::Sentences(Facts(), VerdictOffers(), separators_);
}

void CompareModel::SetCurrentLoan(const CurrentLoan& loan) {
    current_ = loan;
}

std::vector<PointsFacts> CompareModel::PointsGroups() const {
    std::vector<PointsFacts> groups;
    const std::int32_t horizon = comparison_.HorizonYears() * 12;
    const double savings = comparison_.SavingsPercent();
    const auto expired = [&](std::size_t i) {
        return StateOf(offers_[i].estimate.closingCostsExpire, today_) == DateState::Past;
    };
    for (std::size_t i = 0; i < offers_.size(); ++i) {
        if (alternatives_[i].empty() || expired(i))
            continue;
        std::vector<RateOption> options{{offers_[i].name, comparison_.Offer(i)}};
        options.insert(options.end(), alternatives_[i].begin(), alternatives_[i].end());
        groups.push_back(DecidePoints(std::move(options), horizon, savings));
    }
    // One lender's offers for the same loan: same amount within 1 %, term, purpose, fixed rates.
    std::vector<bool> grouped(offers_.size(), false);
    for (std::size_t i = 0; i < offers_.size(); ++i) {
        const QString lender = LenderOf(offers_[i].name);
        const LoanEstimate& first = offers_[i].estimate;
        if (grouped[i] || lender.isEmpty() || first.adjustable || expired(i))
            continue;
        std::vector<std::size_t> members{i};
        for (std::size_t j = i + 1; j < offers_.size(); ++j) {
            const LoanEstimate& other = offers_[j].estimate;
            if (!grouped[j] && !expired(j) && LenderOf(offers_[j].name) == lender &&
                !other.adjustable && other.months == first.months &&
                other.purpose == first.purpose && other.noteRate != first.noteRate &&
                std::max(other.loanAmount, first.loanAmount) <=
                    std::min(other.loanAmount, first.loanAmount) * (1 + kAmountTolerance))
                members.push_back(j);
        }
        if (members.size() < 2)
            continue;
        // The reference is the offer nearest to no points and no credit.
        const auto reference =
            std::min_element(members.begin(), members.end(), [&](auto a, auto b) {
                return std::llabs(NetPoints(offers_[a].estimate)) <
                       std::llabs(NetPoints(offers_[b].estimate));
            });
        std::swap(*members.begin(), *reference);
        std::vector<RateOption> options;
        for (const std::size_t m : members) {
            grouped[m] = true;
            options.push_back({offers_[m].name, comparison_.Offer(m)});
        }
        groups.push_back(DecidePoints(std::move(options), horizon, savings));
    }
    return groups;
}

QStringList CompareModel::PointsTexts() const {
    QStringList lines;
    for (const PointsFacts& group : PointsGroups())
        lines << Choices::PointsSentences(group, comparison_.HorizonYears() * 12,
                                          comparison_.SavingsPercent(), separators_);
    return lines;
}

QStringList CompareModel::RefinanceTexts() const {
    QStringList lines;
    for (std::size_t i = 0; i < offers_.size(); ++i) {
        if (offers_[i].estimate.purpose != LoanPurpose::Refinance)
            continue;
        if (!current_.Given()) {
            lines << tr("Type the balance, rate and months left of the loan you have to see "
                        "whether refinancing with %1 pays.")
                         .arg(offers_[i].name);
            continue;
        }
        if (StateOf(offers_[i].estimate.closingCostsExpire, today_) == DateState::Past)
            continue;
        lines << Choices::RefinanceSentences(
            DecideRefinance(current_, comparison_.Offer(i), ToCents(offers_[i].estimate.loanAmount),
                            comparison_.HorizonYears() * 12, comparison_.SavingsPercent()),
            offers_[i].name, comparison_.HorizonYears() * 12, comparison_.SavingsPercent(),
            separators_);
    }
    return lines;
}

CompareModel::RowKind CompareModel::KindOf(int row) {
    switch (row) {
    case NameRow:
    case LoanTypeRow:
    case RateLockRow:
    case CostsExpireRow:
    case InsuranceEndsRow:
    case ProjectedRow:
    case InFiveCheckRow:
    case TipCheckRow:
    case AprCheckRow:
    case CheapestRow:
    case PayoffRow:
    case HighestPaymentRow:
    case WorstHighestPaymentRow:
        return RowKind::Text;
    case TermRow:
        return RowKind::Years;
    case NoteRateRow:
    case AprRow:
    case LenderAprRow:
    case DisclosedAprRow:
        return RowKind::Rate;
    case TipRow:
        return RowKind::Percent3;
    default:
        return RowKind::Money;
    }
}

void CompareModel::SetOffers(std::vector<store::KeptOffer> offers) {
    beginResetModel();
    // An offer whose estimate is as it was keeps its figures: a reload after every activation of
    // the window works out only what changed.
    std::map<qint64, std::size_t> before;
    for (std::size_t i = 0; i < offers_.size(); ++i)
        if (offers_[i].id != 0)
            before.emplace(offers_[i].id, i);
    std::vector<OfferFigures> oldFigures = std::move(figures_);
    std::vector<Cents> oldWorst = std::move(worstWholeTerm_);
    std::vector<store::KeptOffer> oldOffers = std::move(offers_);
    offers_ = std::move(offers);
    figures_.clear();
    figures_.reserve(offers_.size());
    worstWholeTerm_.clear();
    alternatives_.clear();
    std::vector<ComparedOffer> compared;
    compared.reserve(offers_.size());
    for (const store::KeptOffer& offer : offers_) {
        const auto found = before.find(offer.id);
        const bool same = offer.id != 0 && found != before.end() &&
                          oldOffers[found->second].estimate == offer.estimate;
        if (same) {
            figures_.push_back(std::move(oldFigures[found->second]));
            worstWholeTerm_.push_back(oldWorst[found->second]);
            before.erase(found); // the same id twice is worked out twice
        } else {
            figures_.push_back(FigureOffer(offer.estimate, plan_));
            worstWholeTerm_.push_back(
                FigureHorizon(figures_.back(), kScheduleMaxMonths / 12, 0).worstPlainCost);
        }
        // Compared as the buyer pays: with the plan of extra payments.
        compared.push_back(ComparedOf(figures_.back()));
        std::vector<RateOption> alternatives;
        const LoanEstimate& estimate = offer.estimate;
        if (estimate.pointsOptionPoints && estimate.pointsOptionRate)
            alternatives.push_back(
                {Choices::PointsLabel(*estimate.pointsOptionPoints, *estimate.pointsOptionRate,
                                      separators_),
                 ComparedOf(FigureOffer(
                     WithPoints(estimate, *estimate.pointsOptionPoints, *estimate.pointsOptionRate),
                     plan_))});
        if (estimate.creditOptionAmount && estimate.creditOptionRate)
            alternatives.push_back(
                {Choices::CreditLabel(ToCents(*estimate.creditOptionAmount),
                                      *estimate.creditOptionRate, separators_),
                 ComparedOf(FigureOffer(
                     WithCredit(estimate, *estimate.creditOptionAmount, *estimate.creditOptionRate),
                     plan_))});
        alternatives_.push_back(std::move(alternatives));
    }
    comparison_.SetOffers(std::move(compared));
    RecomputeHorizons();
    endResetModel();
}

void CompareModel::RecomputeHorizons() {
    horizons_.clear();
    horizons_.reserve(figures_.size());
    for (const OfferFigures& figures : figures_)
        horizons_.push_back(
            FigureHorizon(figures, comparison_.HorizonYears(), comparison_.SavingsPercent()));
}

void CompareModel::SetExtraPlan(const ExtraPayments& plan) {
    plan_ = plan;
    const int years = comparison_.HorizonYears();
    // Every offer's figures change with the plan.
    std::vector<store::KeptOffer> offers = std::move(offers_);
    offers_.clear();
    SetOffers(std::move(offers));
    comparison_.SetHorizonYears(years);
    RecomputeHorizons();
}

bool CompareModel::ShowsWhatIf() const {
    return plan_.Any() || std::any_of(figures_.begin(), figures_.end(),
                                      [](const OfferFigures& f) { return f.adjustable; });
}

void CompareModel::SetHorizonYears(int years) {
    comparison_.SetHorizonYears(years);
    HorizonChanged();
}

void CompareModel::SetSavingsPercent(double percent) {
    comparison_.SetSavingsPercent(percent);
    HorizonChanged();
}

void CompareModel::HorizonChanged() {
    RecomputeHorizons();
    const int last = rowCount() - 1;
    headerDataChanged(Qt::Vertical, HorizonPaidRow, last);
    if (!offers_.empty())
        dataChanged(index(HorizonPaidRow, 0), index(last, columnCount() - 1));
}

int CompareModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return ShowsWhatIf() ? RowCount : PayoffRow;
}

int CompareModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(offers_.size());
}

QString CompareModel::RowLabel(int row) const {
    return RowLabel(row, separators_);
}

QString CompareModel::RowLabel(int row, const LocaleSeparators& separators) const {
    const int years = comparison_.HorizonYears();
    switch (row) {
    case NameRow:
        return tr("Name");
    case LoanTypeRow:
        return tr("Loan type");
    case PriceRow:
        return tr("Price");
    case DownPaymentRow:
        return tr("Down payment");
    case LoanRow:
        return tr("Loan");
    case TermRow:
        return tr("Term (years)");
    case NoteRateRow:
        return tr("Note rate (%)");
    case RateLockRow:
        return tr("Rate locked until");
    case CostsExpireRow:
        return tr("Estimated closing costs expire");
    case PaymentRow:
        return tr("Principal and interest a month");
    case InsuranceRow:
        return tr("Mortgage insurance a month");
    case InsuranceEndsRow:
        return tr("Mortgage insurance ends");
    case EscrowRow:
        return tr("Escrow a month (tax, insurance)");
    case TotalMonthlyRow:
        return tr("Total a month, first years");
    case ProjectedRow:
        return tr("Total a month by years");
    case DuesRow:
        return tr("HOA dues a month");
    case TotalFeesRow:
        return tr("Closing costs (D + I)");
    case LoanCostsRow:
        return tr("Loan costs (D = A + B + C)");
    case OtherCostsRow:
        return tr("Other costs (I = E to H)");
    case LenderCreditsRow:
        return tr("Lender credits");
    case CashToCloseRow:
        return tr("Cash to close");
    case InFiveTotalRow:
        return tr("In 5 years: total paid");
    case InFivePrincipalRow:
        return tr("In 5 years: principal paid off");
    case InFiveCheckRow:
        return tr("In 5 years: lender's figures");
    case TipRow:
        return tr("TIP (%)");
    case TipCheckRow:
        return tr("TIP the lender disclosed");
    case AprRow:
        return tr("Calculator's APR, all fees (%)");
    case LenderAprRow:
        return tr("Lender's APR (%)");
    case DisclosedAprRow:
        return tr("APR the lender disclosed (%)");
    case AprCheckRow:
        return tr("Disclosed APR check");
    case TotalPaymentsRow:
        return tr("Total of payments");
    case TotalInterestRow:
        return tr("Total interest");
    case WholeTermCostRow:
        return tr("Cost over the whole term");
    case HorizonPaidRow:
        return tr("Total paid in %n years", nullptr, years);
    case HorizonPrincipalRow:
        return tr("Principal paid off in %n years", nullptr, years);
    case HorizonBalanceRow:
        return tr("Balance owed after %n years", nullptr, years);
    case HorizonCostRow:
        return tr("Cost over %n years", nullptr, years);
    case DiscountedCostRow:
        return tr("Cost over %n years, savings at %1 %", nullptr, years)
            .arg(PercentText(comparison_.SavingsPercent(), 2, separators));
    case CheapestRow:
        return tr("Cheapest over %n years", nullptr, years);
    case PayoffRow:
        return tr("With extra payments: paid off");
    case InterestSavedRow:
        return tr("With extra payments: interest saved");
    case HighestPaymentRow:
        return tr("Highest payment");
    case WorstHighestPaymentRow:
        return tr("Worst case: highest payment");
    case WorstHorizonCostRow:
        return tr("Worst case: cost over %n years", nullptr, years);
    case WorstWholeTermCostRow:
        return tr("Worst case: cost over the whole term");
    }
    return {};
}

QVariant CompareModel::CellFigure(int row, std::size_t column) const {
    const OfferFigures& figures = figures_[column];
    const LoanEstimate& estimate = offers_[column].estimate;
    const auto optional = [](const std::optional<double>& value) {
        return value ? QVariant(*value) : QVariant();
    };
    const auto horizon = [&]() -> const HorizonFigures& { return horizons_[column]; };
    // The rows that show one of the estimate's own figures, read through its description.
    for (const auto& [figureRow, key] : kEstimateRows)
        if (row == figureRow)
            return optional(FigureValue(EstimateFieldOf(key), estimate));
    switch (row) {
    case DownPaymentRow:
        return Dollars(figures.downPayment);
    case TermRow:
        return estimate.months / 12.0;
    case PaymentRow:
        return Dollars(figures.schedule.payment);
    case InsuranceRow:
        return Dollars(figures.insurance.monthly);
    case EscrowRow:
        return Dollars(figures.terms.monthlyEscrow);
    case TotalMonthlyRow:
        return figures.projected.empty() ? QVariant() : Dollars(figures.projected.front().total);
    case TotalFeesRow:
        return Dollars(figures.totals.closingCosts);
    case LoanCostsRow:
        return Dollars(figures.totals.loanCosts);
    case OtherCostsRow:
        return Dollars(figures.totals.otherCosts);
    case LenderCreditsRow:
        return Dollars(figures.totals.lenderCredits);
    case CashToCloseRow:
        return Dollars(figures.cashToClose);
    case InFiveTotalRow:
        return Dollars(figures.inFiveYears.totalPaid);
    case InFivePrincipalRow:
        return Dollars(figures.inFiveYears.principalPaidOff);
    case TipRow:
        return figures.tip;
    case AprRow:
        return optional(figures.calculatorApr);
    case LenderAprRow:
        return optional(figures.lenderApr);
    case TotalPaymentsRow:
        return Dollars(figures.totalOfPayments);
    case TotalInterestRow:
        return Dollars(figures.paid.totalInterest);
    case WholeTermCostRow:
        return Dollars(comparison_.WholeTermCost(column));
    case HorizonPaidRow:
        return Dollars(horizon().paid.totalPaid);
    case HorizonPrincipalRow:
        return Dollars(horizon().paid.principalPaidOff);
    case HorizonBalanceRow:
        return Dollars(horizon().paid.balance);
    case HorizonCostRow:
        return Dollars(comparison_.HorizonCost(column));
    case DiscountedCostRow:
        return Dollars(comparison_.DiscountedCost(column));
    case InterestSavedRow:
        return Dollars(figures.savings.interestSaved);
    case WorstHorizonCostRow:
        return Dollars(horizon().worstPlainCost);
    case WorstWholeTermCostRow:
        return Dollars(worstWholeTerm_[column]);
    case PayoffRow:
        return figures.savings.payoffMonth;
    case HighestPaymentRow:
        return Dollars(figures.highest.payment);
    case WorstHighestPaymentRow:
        return Dollars(figures.adjustable ? figures.worstHighest.payment : figures.highest.payment);
    default:
        return {};
    }
}

QString CompareModel::MoneyOf(Cents cents) const {
    return output::MoneyText(cents, separators_);
}

QString CompareModel::MoneyOf(Cents cents, const LocaleSeparators& separators) {
    return output::MoneyText(cents, separators);
}

QString CompareModel::CellText(int row, std::size_t column,
                               const LocaleSeparators& separators) const {
    const store::KeptOffer& offer = offers_[column];
    const OfferFigures& figures = figures_[column];
    const auto rate = [&separators](double value) {
        return FigureText(value, MaskKind::Rate, separators);
    };
    const auto percent3 = [&separators](double value) { return PercentText(value, 3, separators); };
    switch (row) {
    case NameRow:
        return offer.name;
    case LoanTypeRow:
        switch (offers_[column].estimate.loanType) {
        case LoanType::Conventional:
            return tr("Conventional");
        case LoanType::Fha:
            return tr("FHA");
        case LoanType::Va:
            return tr("VA");
        case LoanType::Other:
            return tr("Other");
        case LoanType::Usda:
            return tr("USDA");
        }
        return {};
    case TermRow:
        return FigureText(CellFigure(row, column).toDouble(), MaskKind::Years, separators);
    case NoteRateRow:
        return rate(CellFigure(row, column).toDouble());
    case RateLockRow:
    case CostsExpireRow: {
        const auto& day =
            row == RateLockRow ? offer.estimate.rateLockUntil : offer.estimate.closingCostsExpire;
        if (!day)
            return row == RateLockRow ? tr("not locked") : tr("not given");
        const QString date = Verdict::DateText(*day);
        switch (StateOf(day, today_)) {
        case DateState::Past:
            return row == RateLockRow ? tr("%1: the lock has ended").arg(date)
                                      : tr("%1: expired, left out of the verdict").arg(date);
        case DateState::Soon:
            return tr("%1: within three business days").arg(date);
        case DateState::NotGiven:
        case DateState::Later:
            break;
        }
        return date;
    }
    case AprRow:
        return figures.calculatorApr ? rate(*figures.calculatorApr) : tr("cannot be worked out");
    case LenderAprRow:
        return figures.lenderApr ? rate(*figures.lenderApr) : tr("no rate");
    case DisclosedAprRow:
        return offer.estimate.disclosedApr ? rate(*offer.estimate.disclosedApr) : tr("not given");
    case AprCheckRow:
        return AprCheckText(figures.aprCheck, separators);
    case InsuranceEndsRow: {
        // The plan the costs count: with extra payments, the automatic end stays the original
        // schedule's and the month to ask comes from the payments made.
        const InsurancePlan& plan = figures.paidInsurance;
        if (plan.lastMonth == 0)
            return tr("no monthly insurance");
        QString text =
            tr("with payment %1 (year %2)").arg(plan.lastMonth).arg(YearOfMonth(plan.lastMonth));
        // FHA's annual premium and USDA's annual fee follow the balance year by year.
        if (plan.byYear.size() > 1)
            text += offers_[column].estimate.loanType == LoanType::Usda
                        ? tr("; the annual fee falls with the balance each year, to %1 a month")
                              .arg(MoneyOf(InsuranceInMonth(plan, plan.lastMonth), separators))
                        : tr("; the annual premium falls with the balance each year, to %1 a "
                             "month")
                              .arg(MoneyOf(InsuranceInMonth(plan, plan.lastMonth), separators));
        if (plan.reaches80) {
            text += tr("; you may ask to cancel it after payment %1").arg(*plan.reaches80);
            if (const Cents saving = CancellationSaving(plan); saving > 0)
                text += tr(", which saves %1").arg(MoneyOf(saving, separators));
        }
        return text;
    }
    case ProjectedRow: {
        QStringList ranges;
        for (const PaymentRange& range : figures.projected) {
            // An adjustable rate's column shows the least and the most its years can bring.
            const QString amount = range.IsRange() ? tr("%1 to %2")
                                                         .arg(MoneyOf(range.lowTotal, separators),
                                                              MoneyOf(range.highTotal, separators))
                                                   : MoneyOf(range.total, separators);
            ranges << (range.firstYear == range.lastYear
                           ? tr("year %1: %2").arg(range.firstYear).arg(amount)
                           : tr("years %1-%2: %3")
                                 .arg(range.firstYear)
                                 .arg(range.lastYear)
                                 .arg(amount));
        }
        return ranges.join(QStringLiteral("; "));
    }
    case InFiveCheckRow: {
        if (!figures.inFiveTotalDifference && !figures.inFivePrincipalDifference)
            return tr("not given");
        QStringList parts;
        const auto part = [&](const std::optional<Cents>& difference, const QString& what) {
            if (difference && std::llabs(*difference) >= kWholeDollar)
                parts << tr("%1 differs by %2")
                             .arg(what, MoneyOf(std::llabs(*difference), separators));
        };
        part(figures.inFiveTotalDifference, tr("total paid"));
        part(figures.inFivePrincipalDifference, tr("principal paid off"));
        return parts.isEmpty() ? tr("agrees to the dollar")
                               : parts.join(QStringLiteral("; ")) + tr(": ask the lender why");
    }
    case TipRow:
        return percent3(figures.tip);
    case TipCheckRow: {
        const auto disclosed = offers_[column].estimate.disclosedTip;
        if (!disclosed || !figures.tipDifference)
            return tr("not given");
        if (std::fabs(*figures.tipDifference) < kTipAgreement)
            return tr("%1: agrees").arg(percent3(*disclosed));
        return tr("%1: differs by %2 points")
            .arg(percent3(*disclosed), percent3(std::fabs(*figures.tipDifference)));
    }
    case CheapestRow:
        return comparison_.IsCheapest(column) ? tr("cheapest") : QString();
    case PayoffRow: {
        const std::int32_t month = figures.savings.payoffMonth;
        const QString when = tr("payment %1 (year %2)").arg(month).arg(YearOfMonth(month));
        return figures.savings.monthsSaved > 0
                   ? tr("%1, %n months sooner", nullptr, figures.savings.monthsSaved).arg(when)
                   : when;
    }
    case HighestPaymentRow:
    case WorstHighestPaymentRow: {
        const HighestPayment& highest = row == WorstHighestPaymentRow && figures.adjustable
                                            ? figures.worstHighest
                                            : figures.highest;
        return tr("%1 from month %2").arg(MoneyOf(highest.payment, separators)).arg(highest.month);
    }
    default: {
        const QVariant figure = CellFigure(row, column);
        return figure.isValid() ? FigureText(figure.toDouble(), MaskKind::Money, separators)
                                : QString();
    }
    }
}

QString CompareModel::CellNote(int row, std::size_t column) const {
    const OfferFigures& figures = figures_[column];
    const LoanEstimate& estimate = offers_[column].estimate;
    // The form's figures are whole dollars.
    const auto differs = [](const std::optional<Cents>& difference) {
        return difference && std::llabs(*difference) >= kWholeDollar;
    };
    if (row == CashToCloseRow && differs(figures.cashToCloseDifference))
        return tr("The Loan Estimate prints %1; its table's lines add up to this: ask the lender "
                  "why")
            .arg(MoneyOf(ToCents(estimate.disclosedCashToClose.value_or(0))));
    if (row == InsuranceRow && differs(figures.insuranceDifference))
        return tr("The Loan Estimate's first year shows %1 a month")
            .arg(MoneyOf(ToCents(estimate.disclosedInsuranceMonthly.value_or(0))));
    return {};
}

QVariant CompareModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= RowCount ||
        index.column() >= static_cast<int>(offers_.size()))
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return CellText(index.row(), column, separators_);
    case PlainTextRole: {
        // Grouping marks are put in as a character no text holds, then taken out.
        constexpr char32_t kUngrouped = U'\uFFFF';
        return CellText(index.row(), column, {U'.', kUngrouped})
            .remove(QChar(static_cast<char16_t>(kUngrouped)));
    }
    case FigureRole:
        return CellFigure(index.row(), column);
    case Qt::ToolTipRole: {
        const QString note = CellNote(index.row(), column);
        return note.isEmpty() ? QVariant() : QVariant(note);
    }
    case Qt::TextAlignmentRole:
        return KindOf(index.row()) == RowKind::Text ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                    : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (index.row() == RateLockRow || index.row() == CostsExpireRow) {
            const LoanEstimate& estimate = offers_[column].estimate;
            const DateState state = StateOf(
                index.row() == RateLockRow ? estimate.rateLockUntil : estimate.closingCostsExpire,
                today_);
            if (state == DateState::Past || state == DateState::Soon)
                return QColor(0xb3, 0x26, 0x1e);
        }
        return {};
    case Qt::FontRole:
        if ((index.row() == DiscountedCostRow || index.row() == CheapestRow ||
             index.row() == NameRow) &&
            comparison_.IsCheapest(column)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QString CompareModel::RowExplanation(int row) {
    switch (row) {
    case EscrowRow:
        return tr("Property tax and homeowner's insurance, a twelfth of a year's each");
    case TotalMonthlyRow:
    case ProjectedRow:
        return tr("Principal and interest, mortgage insurance and escrow, as the Loan Estimate's "
                  "Projected Payments show them; HOA dues come on top");
    case TotalFeesRow:
        return tr("All closing costs: loan costs (A to C) and other costs (E to H)");
    case PayoffRow:
    case InterestSavedRow:
        return tr("With the extra payments set in What If > Extra Payments for All Offers, "
                  "against the offer's own schedule");
    case HighestPaymentRow:
        return tr("The highest principal and interest a month and the month it first applies; "
                  "an adjustable rate as the index stands today");
    case WorstHighestPaymentRow:
    case WorstHorizonCostRow:
    case WorstWholeTermCostRow:
        return tr("An adjustable rate with each change as high as its caps allow; a fixed rate "
                  "as it is");
    case CashToCloseRow:
        return tr("As the Loan Estimate's Calculating Cash to Close table adds it: total closing "
                  "costs, less closing costs financed, plus the down payment, less the deposit, "
                  "funds for you and seller credits, plus adjustments and other credits");
    case RateLockRow:
    case CostsExpireRow:
        return tr("As the Loan Estimate's first page gives them; a date already past or within "
                  "three business days (Monday to Friday) is marked");
    case InFiveTotalRow:
        return tr("Principal, interest and mortgage insurance paid in the first 60 payments, "
                  "plus the loan costs (A to C), prepaid interest and insurance paid at closing");
    case InFiveCheckRow:
        return tr("The Loan Estimate's own In 5 Years figures, in whole dollars, against these");
    case TipRow:
        return tr("Total Interest Percentage: all the interest over the term plus prepaid "
                  "interest, as a percentage of the loan");
    case AprRow:
        return tr("The calculator's own APR: every fee counts as a finance charge, no monthly "
                  "insurance. The fees are the calculator's nine for an offer kept from it, and "
                  "the loan costs (A to C) and prepaid interest of any other offer. \"cannot be "
                  "worked out\" when the calculator could not (fees of the whole loan, say)");
    case LenderAprRow:
        return tr("The APR as a lender must figure it: only finance charges, with monthly "
                  "mortgage insurance until it ends");
    case AprCheckRow:
        return tr("A disclosed APR is accurate within 1/8 of a point, within 1/4 when the "
                  "payments change other than with the rate (12 CFR 1026.22(a)(2), (3)), or when "
                  "it comes from a disclosed finance charge that is accurate (1026.22(a)(4))");
    case TotalPaymentsRow:
        return tr("As the Closing Disclosure defines it (12 CFR 1026.38(o)(1)): all scheduled "
                  "principal, interest and mortgage insurance, plus the loan costs (A to C), "
                  "prepaid interest and insurance paid at closing");
    case HorizonPaidRow:
        return tr("Principal, interest and mortgage insurance paid in the years you keep the "
                  "loan, plus the loan costs (A to C)");
    case HorizonCostRow:
        return tr("Loan costs (A to C) and prepaid interest, less lender credits, plus the "
                  "interest and mortgage insurance paid in the years you keep the loan");
    case DiscountedCostRow:
    case CheapestRow:
        return tr("The same cost with what your money would earn counted: each payment and the "
                  "balance left are discounted at your savings rate. This marks the cheapest.");
    default:
        return {};
    }
}

QVariant CompareModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::ToolTipRole && orientation == Qt::Vertical) {
        const QString explanation = RowExplanation(section);
        return explanation.isEmpty() ? QVariant() : QVariant(explanation);
    }
    // A long name is cut short in the header; the tooltip and the Name row keep it whole.
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && section >= 0 &&
        section < static_cast<int>(offers_.size()))
        return PlainToolTip(offers_[static_cast<std::size_t>(section)].name);
    if (role == PlainTextRole && orientation == Qt::Vertical && section >= 0 && section < RowCount)
        return RowLabel(section, {U'.', U','});
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section >= 0 && section < RowCount ? QVariant(RowLabel(section)) : QVariant();
    return section >= 0 && section < static_cast<int>(offers_.size())
               ? QVariant(offers_[static_cast<std::size_t>(section)].name)
               : QVariant();
}

void CompareModel::SetBreakEvenReference(std::optional<qint64> offerId) {
    reference_ = offerId;
}

int CompareModel::BreakEvenReference() const {
    for (int i = 0; reference_ && i < columnCount(); ++i)
        if (offers_[static_cast<std::size_t>(i)].id == *reference_)
            return i;
    const auto cheapest = comparison_.Cheapest();
    return cheapest ? static_cast<int>(*cheapest) : -1;
}

QStringList CompareModel::BreakEvenTexts() const {
    QStringList lines;
    const int reference = BreakEvenReference();
    if (reference < 0)
        return lines;
    for (const PairBreakEven& pair :
         comparison_.BreakEvensAgainst(static_cast<std::size_t>(reference))) {
        const store::KeptOffer& low = offers_[pair.lowerRate];
        const store::KeptOffer& high = offers_[pair.higherRate];
        QString line = tr("%1 (%2 %) against %3 (%4 %): ")
                           .arg(low.name,
                                FigureText(figures_[pair.lowerRate].terms.ratePercent,
                                           MaskKind::Rate, separators_),
                                high.name,
                                FigureText(figures_[pair.higherRate].terms.ratePercent,
                                           MaskKind::Rate, separators_));
        if (pair.month)
            line += tr("cheaper from month %1 (year %2)")
                        .arg(*pair.month)
                        .arg(YearOfMonth(*pair.month));
        else
            line += tr("never within the term");
        lines << line;
    }
    return lines;
}

} // namespace plumcrest::compare
