#pragma once
// The amortization schedule as a tree for QTreeView: one row per year carrying the year's sums,
// its months as children, and a totals row last. Beside principal and interest each row shows the
// mortgage insurance paid with it and the two together; escrow is no part of the schedule. Nothing
// is built per row: every index and text comes from the schedule on request, so a 999-year term
// (11,988 months) costs no more to open than a 1-year one.

#include "Amortization.h"
#include "LoanEstimateMath.h"
#include "PictureMask.h"

#include <QAbstractItemModel>
#include <QString>

namespace plumcrest::schedule {

class ScheduleModel : public QAbstractItemModel {
    Q_OBJECT
    Q_DISABLE_COPY(ScheduleModel)

public:
    enum Column {
        MonthColumn,
        YearColumn,
        PaymentColumn,
        InterestColumn,
        PrincipalColumn,
        BalanceColumn,
        InsuranceColumn,
        TotalPaymentColumn, // principal and interest plus insurance
        ColumnCount
    };
    enum class RowKind { Year, Month, Total };
    // The figure behind a money cell, in whole cents (qlonglong); the row's kind (RowKind as int).
    static constexpr int CentsRole = Qt::UserRole + 1;
    static constexpr int KindRole = Qt::UserRole + 2;

    ScheduleModel(AmortizationSchedule schedule, const InsurancePlan& insurance,
                  const LocaleSeparators& separators, QObject* parent = nullptr);

    const AmortizationSchedule& Schedule() const { return schedule_; }
    // Tells the view that the headers and texts are to be asked again, in the language shown.
    void Retranslate();
    const InsurancePlan& Insurance() const { return insurance_; }
    const LocaleSeparators& Separators() const { return separators_; }
    // The top-level row of the totals.
    int TotalsRow() const { return static_cast<int>(schedule_.years.size()); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static QString ColumnTitle(int column);

private:
    struct Cells {
        RowKind kind = RowKind::Total;
        int number = 0; // month or year number
        int year = 0;
        Cents payment = 0;
        Cents interest = 0;
        Cents principal = 0;
        Cents balance = 0;
        bool hasBalance = false;
        Cents insurance = 0;
    };
    Cells CellsAt(const QModelIndex& index) const;

    // The insurance paid with months first..last of the schedule.
    Cents InsuranceIn(std::int32_t first, std::int32_t last) const;

    AmortizationSchedule schedule_;
    InsurancePlan insurance_;
    LocaleSeparators separators_;
};

} // namespace plumcrest::schedule
