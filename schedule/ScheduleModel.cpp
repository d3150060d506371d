#include "ScheduleModel.h"

#include "MoneyText.h"

#include <QFont>
#include <algorithm>

namespace plumcrest::schedule {

namespace {
// internalId of a top-level row (a year or the totals); a month row keeps its year's row + 1.
constexpr quintptr kTopLevel = 0;
} // namespace

ScheduleModel::ScheduleModel(AmortizationSchedule schedule, const InsurancePlan& insurance,
                             const LocaleSeparators& separators, QObject* parent)
    : QAbstractItemModel(parent), schedule_(std::move(schedule)), insurance_(insurance),
      separators_(separators) {}

Cents ScheduleModel::InsuranceIn(std::int32_t first, std::int32_t last) const {
    // Insurance runs from payment 1 to its last month, never past the schedule's end.
    const auto scheduleEnd = static_cast<std::int32_t>(schedule_.months.size());
    const std::int32_t to = std::min({last, insurance_.lastMonth, scheduleEnd});
    return to >= first ? insurance_.monthly * (to - first + 1) : 0;
}

QModelIndex ScheduleModel::index(int row, int column, const QModelIndex& parent) const {
    if (column < 0 || column >= ColumnCount || row < 0 || row >= rowCount(parent)) {
        return {};
    }
    if (!parent.isValid()) {
        return createIndex(row, column, kTopLevel);
    }
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex ScheduleModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kTopLevel) {
        return {};
    }
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kTopLevel);
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        return schedule_.months.empty() ? 0 : TotalsRow() + 1;
    }
    if (parent.internalId() != kTopLevel || parent.column() != 0 || parent.row() >= TotalsRow()) {
        return 0;
    }
    const ScheduleYear& year = schedule_.years[static_cast<std::size_t>(parent.row())];
    return year.lastMonth - year.firstMonth + 1;
}

int ScheduleModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

bool ScheduleModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

ScheduleModel::Cells ScheduleModel::CellsAt(const QModelIndex& index) const {
    Cells cells;
    if (index.internalId() != kTopLevel) {
        const ScheduleYear& year = schedule_.years[index.internalId() - 1];
        const ScheduleMonth& month =
            schedule_.months[static_cast<std::size_t>(year.firstMonth - 1 + index.row())];
        cells = {RowKind::Month, month.month,    year.year,
                 month.payment,  month.interest, month.principal,
                 month.balance,  true,           InsuranceIn(month.month, month.month)};
    } else if (index.row() < TotalsRow()) {
        const ScheduleYear& year = schedule_.years[static_cast<std::size_t>(index.row())];
        cells = {RowKind::Year, year.year,     year.year,
                 year.payment,  year.interest, year.principal,
                 year.balance,  true,          InsuranceIn(year.firstMonth, year.lastMonth)};
    } else {
        cells = {RowKind::Total,
                 0,
                 0,
                 schedule_.totalPayments,
                 schedule_.totalInterest,
                 schedule_.totalPayments - schedule_.totalInterest,
                 0,
                 false,
                 InsuranceIn(1, static_cast<std::int32_t>(schedule_.months.size()))};
    }
    return cells;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Cells cells = CellsAt(index);
    const int column = index.column();
    auto money = [&]() -> std::optional<Cents> {
        switch (column) {
        case PaymentColumn:
            return cells.payment;
        case InterestColumn:
            return cells.interest;
        case PrincipalColumn:
            return cells.principal;
        case BalanceColumn:
            return cells.hasBalance ? std::optional<Cents>(cells.balance) : std::nullopt;
        case InsuranceColumn:
            return cells.insurance;
        case TotalPaymentColumn:
            return cells.payment + cells.insurance;
        default:
            return std::nullopt;
        }
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        if (const auto cents = money()) {
            return output::MoneyText(*cents, separators_);
        }
        if (column == MonthColumn) {
            switch (cells.kind) {
            case RowKind::Month:
                return QString::number(cells.number);
            case RowKind::Year:
                return tr("Year %1").arg(cells.year);
            case RowKind::Total:
                return tr("Total");
            }
        }
        // A year row names its year once, under Month.
        if (column == YearColumn && cells.kind == RowKind::Month) {
            return QString::number(cells.year);
        }
        return QString();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column == MonthColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                         : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (cells.kind != RowKind::Month) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case CentsRole:
        if (const auto cents = money()) {
            return QVariant::fromValue<qlonglong>(*cents);
        }
        return {};
    case KindRole:
        return static_cast<int>(cells.kind);
    default:
        return {};
    }
}

QString ScheduleModel::ColumnTitle(int column) {
    switch (column) {
    case MonthColumn:
        return tr("Month");
    case YearColumn:
        return tr("Year");
    case PaymentColumn:
        return tr("Payment");
    case InterestColumn:
        return tr("Interest");
    case PrincipalColumn:
        return tr("Principal");
    case BalanceColumn:
        return tr("Balance");
    case InsuranceColumn:
        return tr("Mortgage insurance");
    case TotalPaymentColumn:
        return tr("Total payment");
    default:
        return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::AccessibleTextRole) {
        return ColumnTitle(section);
    }
    if (role == Qt::DisplayRole) {
        // On screen the two long titles take two lines, so a column as wide as its figures shows
        // them whole.
        QString title = ColumnTitle(section);
        const qsizetype space = title.indexOf(QLatin1Char(' '));
        if ((section == InsuranceColumn || section == TotalPaymentColumn) && space > 0)
            title[space] = QLatin1Char('\n');
        return title;
    }
    if (role == Qt::ToolTipRole && section == TotalPaymentColumn) {
        return tr("Principal and interest plus mortgage insurance. Property tax and homeowner's "
                  "insurance (escrow) are not part of the schedule.");
    }
    if (role == Qt::ToolTipRole && section == InsuranceColumn) {
        return tr("The mortgage insurance paid with the payment; 0.00 once it has ended or when "
                  "the loan has none.");
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(section == MonthColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!hasChildren(index)) {
        result |= Qt::ItemNeverHasChildren;
    }
    return result;
}

void ScheduleModel::Retranslate() {
    if (columnCount() == 0)
        return;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace plumcrest::schedule
