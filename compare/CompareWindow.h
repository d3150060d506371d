#pragma once
// The Compare window: the kept offers side by side, the years the buyer expects to keep the loan,
// the cheapest offer for those years, the break-even of every pair, a chart of cost and balance,
// and renaming, deleting (with Undo while the window is open), putting an offer back into the
// calculator, its schedule and the comparison as CSV, PDF and on paper. A window of its own, not
// modal, belonging to the main window. The window owns one action per command: its menu items,
// buttons and shortcuts all trigger that action and follow its enabled state.

#include "KeptOffer.h"
#include "OfferComparison.h"
#include "OutputCommands.h"

#include <QPalette>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QTimer;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QMenuBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QScrollArea;
class QTableView;
class QTimer;

namespace plumcrest::schedule {
class ScheduleWindow;
} // namespace plumcrest::schedule

namespace plumcrest::store {
class OfferStore;
} // namespace plumcrest::store

namespace plumcrest::compare {

class CompareModel;
class CostChart;
class CostLines;

// The contrast of two colours as readers with low vision need it (1 to 21); text wants 4.5 or
// more.
constexpr double kReadableContrast = 4.5;
double ContrastRatio(const QColor& a, const QColor& b);
// The palette with its selection colours made readable at that contrast.
QPalette ReadableSelection(QPalette palette);

class CompareWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(CompareWindow)

public:
    // How many offers are compared until the user chooses: the newest.
    static constexpr int kComparedAtFirst = 6;

    // The window's commands, each one action shared by its menu item, button and shortcut.
    struct Actions {
        QAction* use = nullptr;
        QAction* edit = nullptr;
        QAction* rename = nullptr;
        QAction* remove = nullptr;
        QAction* undo = nullptr;
        QAction* redo = nullptr;
        QAction* saveOffers = nullptr;
        QAction* openOffers = nullptr;
        QAction* schedule = nullptr;
        QAction* importEstimate = nullptr;
        QAction* checkClosing = nullptr;
        QAction* reopenClosing = nullptr; // the selected offer's kept Closing Disclosure check
        QAction* help = nullptr;
        QAction* verdictHelp = nullptr;
        QAction* pointsHelp = nullptr;
        QAction* refinanceHelp = nullptr;
        QAction* close = nullptr;
        QAction* offersTab = nullptr;
        QAction* costChart = nullptr;
        QAction* balanceChart = nullptr;
        output::OutputActions output;
        QAction* extraPlan = nullptr; // extra payments for every offer
        QAction* clearPlan = nullptr;
    };

    // `store` must outlive the window; `owner` is the main window.
    CompareWindow(store::OfferStore& store, QWidget* owner);
    // Writes the years and the savings rate if a change is still waiting to be kept.
    ~CompareWindow() override;

    // Reads the offers again (another running copy may have kept some), keeping the selection.
    // When the file is busy, what was read before stays, a line says so, and it is read again
    // shortly.
    void Reload();
    // The line that tells the offers could not be read (hidden when they were).
    QLabel* StatusLine() const { return status_; }

    CompareModel* Model() const { return model_; }
    store::OfferStore& Store() const { return store_; }
    QTabWidget* Tabs() const { return tabs_; }
    QTableView* Table() const { return table_; }
    QSpinBox* HorizonField() const { return horizon_; }
    QDoubleSpinBox* SavingsField() const { return savings_; }
    QListWidget* BreakEvenList() const { return breakEven_; }
    // Which offer is best for the years kept and the savings rate, in words, above the table.
    QLabel* VerdictLine() const { return verdict_; }
    CostLines* CostLineRow() const { return costLines_; }
    QLabel* PointsText() const { return pointsText_; }
    QLabel* RefinanceText() const { return refinanceText_; }
    // The loan the buyer has: balance, rate, months left and monthly insurance.
    QDoubleSpinBox* CurrentBalanceField() const { return currentBalance_; }
    QDoubleSpinBox* CurrentRateField() const { return currentRate_; }
    QSpinBox* CurrentMonthsField() const { return currentMonths_; }
    QDoubleSpinBox* CurrentInsuranceField() const { return currentInsurance_; }
    // Every kept offer, newest first, ticked when it is compared.
    QListWidget* ChoiceList() const { return choice_; }
    // The offer the break-even sets the others against; the first item follows the cheapest.
    QComboBox* ReferenceField() const { return reference_; }
    CostChart* Chart() const { return chart_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    const Actions& Commands() const { return actions_; }
    QPushButton* UseButton() const { return useButton_; }
    QPushButton* EditButton() const { return editButton_; }
    QPushButton* RenameButton() const { return renameButton_; }
    QPushButton* DeleteButton() const { return deleteButton_; }
    QPushButton* UndoButton() const { return undoButton_; }
    QPushButton* ScheduleButton() const { return scheduleButton_; }

    // Opens within the available area of the owner's screen, at the owner's corner where it
    // fits, as tall as its rows need where the screen allows.
    void PlaceWithin(const QWidget& owner);

    std::optional<store::KeptOffer> SelectedOffer() const;
    void SelectOffer(qint64 id);

    void RenameSelected();
    void DeleteSelected();
    // Undo takes back the last rename, edit or delete made in this window, Redo makes it again;
    // both are forgotten when the window closes.
    void Undo();
    void Redo();
    // An edit of the offer's Loan Estimate made through the window (the editor is the desk's),
    // for Undo.
    void RecordEdit(const store::KeptOffer& before, const store::KeptOffer& after);
    // Reads the years and savings rate again from the store (a file of offers opened set them).
    void AdoptSettings();
    void UseSelected();
    // Opens the schedule of the selected offer (nullptr when none is selected).
    schedule::ScheduleWindow* OpenSchedule();

    // The comparison as CSV and as a printable document.
    std::string Csv() const;
    output::OutputDocument Document() const;

    // Applies one plan of extra payments to every offer and keeps it.
    void ApplyExtraPlan(const ExtraPayments& plan);
    // Asks for a plan (the Extra Payments dialog); tests answer it without one.
    std::function<std::optional<ExtraPayments>(const ExtraPayments& current, std::int32_t months)>
        AskForPlan;

    // Asks for a new name; tests answer it without a dialog.
    std::function<std::optional<QString>(const QString& current)> AskForName;

signals:
    void SelectedOfferChanged();
    void UseInCalculator(const plumcrest::LoanInputs& inputs);
    // The user asked to edit the selected offer's Loan Estimate.
    void EditOfferRequested(qint64 id);
    // The user asked to import a lender's Loan Estimate.
    void ImportRequested();
    // File > Check Closing Disclosure...: the desk reads the form and opens the check.
    void CheckClosingRequested();
    // Offer > Closing Disclosure Check: the check kept with the selected offer, opened again.
    void ReopenClosingRequested(qint64 id);
    // The user asked to save offers to a file, or to open such a file.
    void SaveOffersRequested();
    void OpenOffersRequested();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    QPushButton* ButtonFor(QAction* action, const QString& text, const char* objectName);
    void ShowOffers(std::vector<store::KeptOffer> offers, std::optional<qint64> select);
    void ReadChoice();
    void FillChoiceList();
    void ChoiceToggled();
    void ShowChosen(std::optional<qint64> select);
    void FillBreakEven();
    void FillVerdict();
    void CurrentLoanChanged();
    void FitToRows();
    void RefreshChart();
    void RestoreSettings();
    void KeepSetting(const QString& key, const QString& value);
    void KeepFieldsSoon();
    void KeepFields();
    void UpdateControls();
    void Report(const QString& text);

    store::OfferStore& store_;
    Actions actions_;
    CompareModel* model_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* table_ = nullptr;
    QScrollArea* verdictArea_ = nullptr;
    QSpinBox* horizon_ = nullptr;
    QDoubleSpinBox* savings_ = nullptr;
    QTimer* keepFields_ = nullptr; // the fields are written once they rest, not at every step
    QListWidget* breakEven_ = nullptr;
    QLabel* verdict_ = nullptr;
    CostLines* costLines_ = nullptr;
    QLabel* pointsText_ = nullptr;
    QLabel* refinanceText_ = nullptr;
    QDoubleSpinBox* currentBalance_ = nullptr;
    QDoubleSpinBox* currentRate_ = nullptr;
    QSpinBox* currentMonths_ = nullptr;
    QDoubleSpinBox* currentInsurance_ = nullptr;
    QListWidget* choice_ = nullptr;
    QComboBox* reference_ = nullptr;
    CostChart* chart_ = nullptr;
    QLabel* empty_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* retry_ = nullptr;
    QPushButton* useButton_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* renameButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* scheduleButton_ = nullptr;
    bool activatedBefore_ = false;
    int wantedHorizon_ = OfferComparison::kDefaultHorizonYears;
    std::vector<store::KeptOffer> all_; // every kept offer, newest first
    std::vector<qint64> chosen_;        // the compared ones, by id
    qint64 seenThrough_ = 0;            // offers kept later are compared when they appear
    // What Undo and Redo take back and make again: most recent last; forgotten when the window
    // closes.
    struct Change {
        enum class Kind { Rename, Edit, Delete };
        Kind kind;
        store::KeptOffer before;
        store::KeptOffer after;
    };
    bool Apply(const Change& change, bool undo);
    void Record(Change change);
    std::vector<Change> undo_;
    std::vector<Change> redo_;
    // The plan last set in a schedule window of one offer, drawn beside that offer's cost.
    std::optional<std::pair<qint64, ExtraPayments>> schedulePlan_;
};

} // namespace plumcrest::compare
