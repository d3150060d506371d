#include "CompareModel.h"

#include "FigureText.h"

#include <QFont>

namespace plumcrest::compare {

CompareModel::CompareModel(const LocaleSeparators& separators, QObject* parent)
    : QAbstractTableModel(parent), separators_(separators) {}

void CompareModel::SetOffers(std::vector<store::KeptOffer> offers) {
    beginResetModel();
    offers_ = std::move(offers);
    std::vector<OfferTerms> terms;
    terms.reserve(offers_.size());
    for (const store::KeptOffer& offer : offers_)
        terms.push_back({offer.results.Loan, offer.inputs.Interest, offer.inputs.Term,
                         offer.results.FixedFees});
    comparison_.SetOffers(terms);
    endResetModel();
}

void CompareModel::SetHorizonYears(int years) {
    comparison_.SetHorizonYears(years);
    headerDataChanged(Qt::Vertical, HorizonCostRow, CheapestRow);
    if (!offers_.empty())
        dataChanged(index(HorizonCostRow, 0), index(CheapestRow, columnCount() - 1));
}

int CompareModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount;
}

int CompareModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(offers_.size());
}

QString CompareModel::RowLabel(int row) const {
    const int years = comparison_.HorizonYears();
    const QString over =
        years == 1 ? QStringLiteral("1 year") : QStringLiteral("%1 years").arg(years);
    switch (row) {
    case NameRow:
        return QStringLiteral("Name");
    case PriceRow:
        return QStringLiteral("Price");
    case DownPaymentRow:
        return QStringLiteral("Down payment");
    case LoanRow:
        return QStringLiteral("Loan");
    case TermRow:
        return QStringLiteral("Term (years)");
    case NoteRateRow:
        return QStringLiteral("Note rate (%)");
    case TotalFeesRow:
        return QStringLiteral("Total fees");
    case PaymentRow:
        return QStringLiteral("Monthly payment");
    case AprRow:
        return QStringLiteral("APR (%)");
    case DisclosedAprRow:
        return QStringLiteral("APR the lender disclosed (%)");
    case AprCheckRow:
        return QStringLiteral("APR check");
    case TotalPaymentsRow:
        return QStringLiteral("Total of payments");
    case TotalInterestRow:
        return QStringLiteral("Total interest");
    case WholeTermCostRow:
        return QStringLiteral("Cost over the whole term");
    case HorizonCostRow:
        return QStringLiteral("Cost over ") + over;
    case CheapestRow:
        return QStringLiteral("Cheapest over ") + over;
    }
    return {};
}

QVariant CompareModel::CellFigure(int row, std::size_t column) const {
    const store::KeptOffer& offer = offers_[column];
    const auto dollars = [](Cents cents) { return static_cast<double>(cents) / 100.0; };
    switch (row) {
    case PriceRow:
        return offer.inputs.PurchasePrice;
    case DownPaymentRow:
        return offer.results.DownPayment;
    case LoanRow:
        return offer.results.Loan;
    case TermRow:
        return offer.inputs.Term;
    case NoteRateRow:
        return offer.inputs.Interest;
    case TotalFeesRow:
        return offer.results.FixedFees;
    case PaymentRow:
        return offer.results.Payment;
    case AprRow:
        return offer.results.APR;
    case DisclosedAprRow:
        return offer.disclosedApr ? QVariant(*offer.disclosedApr) : QVariant();
    case TotalPaymentsRow:
        return dollars(comparison_.Schedule(column).totalPayments);
    case TotalInterestRow:
        return dollars(comparison_.Schedule(column).totalInterest);
    case WholeTermCostRow:
        return dollars(comparison_.WholeTermCost(column));
    case HorizonCostRow:
        return dollars(comparison_.HorizonCost(column));
    default:
        return {};
    }
}

QString CompareModel::CellText(int row, std::size_t column) const {
    const store::KeptOffer& offer = offers_[column];
    const auto money = [this](double value) {
        return FigureText(value, MaskKind::Money, separators_);
    };
    const auto rate = [this](double value) {
        return FigureText(value, MaskKind::Rate, separators_);
    };
    switch (row) {
    case NameRow:
        return offer.name;
    case TermRow:
        return FigureText(offer.inputs.Term, MaskKind::Years, separators_);
    case NoteRateRow:
    case AprRow:
        return rate(CellFigure(row, column).toDouble());
    case DisclosedAprRow:
        return offer.disclosedApr ? rate(*offer.disclosedApr) : QStringLiteral("not given");
    case AprCheckRow:
        return AprCheckText(CheckApr(offer.results.APR, offer.disclosedApr), separators_);
    case CheapestRow:
        return comparison_.IsCheapest(column) ? QStringLiteral("cheapest") : QString();
    default:
        return money(CellFigure(row, column).toDouble());
    }
}

QVariant CompareModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= RowCount ||
        index.column() >= static_cast<int>(offers_.size()))
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return CellText(index.row(), column);
    case FigureRole:
        return CellFigure(index.row(), column);
    case Qt::TextAlignmentRole:
        return index.row() == NameRow || index.row() == AprCheckRow || index.row() == CheapestRow
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if ((index.row() == HorizonCostRow || index.row() == CheapestRow ||
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

QVariant CompareModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section >= 0 && section < RowCount ? QVariant(RowLabel(section)) : QVariant();
    return section >= 0 && section < static_cast<int>(offers_.size())
               ? QVariant(offers_[static_cast<std::size_t>(section)].name)
               : QVariant();
}

QStringList CompareModel::BreakEvenTexts() const {
    QStringList lines;
    for (const PairBreakEven& pair : comparison_.BreakEvens()) {
        const store::KeptOffer& low = offers_[pair.lowerRate];
        const store::KeptOffer& high = offers_[pair.higherRate];
        QString line =
            QStringLiteral("%1 (%2 %) against %3 (%4 %): ")
                .arg(low.name, FigureText(low.inputs.Interest, MaskKind::Rate, separators_),
                     high.name, FigureText(high.inputs.Interest, MaskKind::Rate, separators_));
        if (pair.month)
            line += QStringLiteral("cheaper from month %1 (year %2)")
                        .arg(*pair.month)
                        .arg((*pair.month - 1) / 12 + 1);
        else
            line += QStringLiteral("never within the term");
        lines << line;
    }
    return lines;
}

} // namespace plumcrest::compare
