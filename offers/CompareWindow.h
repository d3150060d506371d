#pragma once
// The Compare window: the kept offers side by side, the years the buyer expects to keep the loan,
// the cheapest offer for those years, the break-even of every pair, and renaming, deleting (with
// Undo while the window is open) and putting an offer back into the calculator. A window of its
// own, not modal, belonging to the main window. Other views of the offers (a chart, a schedule)
// go in further tabs and follow the selected offer.

#include "KeptOffer.h"
#include "OfferComparison.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace plumcrest::offers {

class CompareModel;
class OfferStore;

class CompareWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(CompareWindow)

public:
    static constexpr int kHelpContext = 10101;

    // `store` must outlive the window; `owner` is the main window.
    CompareWindow(OfferStore& store, QWidget* owner);

    // Reads the offers again (another running copy may have kept some), keeping the selection.
    void Reload();

    CompareModel* Model() const { return model_; }
    OfferStore& Store() const { return store_; }
    QTabWidget* Tabs() const { return tabs_; }
    QTableView* Table() const { return table_; }
    QSpinBox* HorizonField() const { return horizon_; }
    QListWidget* BreakEvenList() const { return breakEven_; }
    QPushButton* UseButton() const { return use_; }
    QPushButton* RenameButton() const { return rename_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* UndoButton() const { return undo_; }

    std::optional<KeptOffer> SelectedOffer() const;
    void SelectOffer(qint64 id);

    void RenameSelected();
    void DeleteSelected();
    void UndoDelete();
    void UseSelected();

    // Asks for a new name; tests answer it without a dialog.
    std::function<std::optional<QString>(const QString& current)> AskForName;

signals:
    void SelectedOfferChanged();
    void UseInCalculator(const plumcrest::LoanInputs& inputs);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowOffers(std::vector<KeptOffer> offers, std::optional<qint64> select);
    void UpdateControls();
    void Report(const QString& text);

    OfferStore& store_;
    CompareModel* model_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* table_ = nullptr;
    QSpinBox* horizon_ = nullptr;
    QListWidget* breakEven_ = nullptr;
    QLabel* empty_ = nullptr;
    QPushButton* use_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* undo_ = nullptr;
    bool activatedBefore_ = false;
    int wantedHorizon_ = OfferComparison::kDefaultHorizonYears;
    std::vector<KeptOffer> deleted_; // most recent last; forgotten when the window closes
};

} // namespace plumcrest::offers
