#pragma once
// The kept offers side by side as a table: one column per offer, newest first, one row per figure.
// The Compare window shows it; anything that exports or prints the comparison reads the same
// rows, labels and texts.

#include "KeptOffer.h"
#include "OfferComparison.h"
#include "PictureMask.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace plumcrest::compare {

class CompareModel : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY(CompareModel)

public:
    enum Row {
        NameRow,
        PriceRow,
        DownPaymentRow,
        LoanRow,
        TermRow,
        NoteRateRow,
        TotalFeesRow,
        PaymentRow,
        AprRow,
        DisclosedAprRow,
        AprCheckRow,
        TotalPaymentsRow,
        TotalInterestRow,
        WholeTermCostRow,
        HorizonCostRow,
        CheapestRow,
        RowCount
    };
    // The figure behind a cell, for sorting and export: dollars or percent as a double, the
    // term in years; nothing for texts.
    static constexpr int FigureRole = Qt::UserRole + 1;

    explicit CompareModel(const LocaleSeparators& separators, QObject* parent = nullptr);

    // Newest first, as the store gives them.
    void SetOffers(std::vector<store::KeptOffer> offers);
    void SetHorizonYears(int years);

    const std::vector<store::KeptOffer>& Offers() const { return offers_; }
    const store::KeptOffer& Offer(int column) const {
        return offers_[static_cast<std::size_t>(column)];
    }
    const OfferComparison& Comparison() const { return comparison_; }
    int HorizonYears() const { return comparison_.HorizonYears(); }
    int LongestTermYears() const { return comparison_.LongestTermYears(); }

    // One line per pair of offers: "A (6.5000 %) against B (7.0000 %): cheaper from month 60
    // (year 5)", or ": never within the term".
    QStringList BreakEvenTexts() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString RowLabel(int row) const;
    QString CellText(int row, std::size_t column) const;
    QVariant CellFigure(int row, std::size_t column) const;

    LocaleSeparators separators_;
    std::vector<store::KeptOffer> offers_;
    OfferComparison comparison_;
};

} // namespace plumcrest::compare
