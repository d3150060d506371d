#pragma once
// The Edit Offer dialog: a kept offer's name and its Loan Estimate as the form lays it out (the
// loan, the closing costs by section with their finance-charge marks, lender credits, the
// monthly costs and what the lender disclosed), with the totals D, I and J kept up as amounts
// are typed. An entry that cannot be read keeps the dialog open with a message beside it; what
// was typed stays.

#include "EstimateFields.h"
#include "HelpContexts.h"
#include "KeptOffer.h"
#include "OfferEntry.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace plumcrest::offers {

class OfferEditor : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(OfferEditor)

public:
    static constexpr int kHelpContext = help::kEditOfferContext;

    // One line of closing costs.
    struct CostLine {
        CostSection section = CostSection::A;
        QWidget* row = nullptr;
        QLineEdit* label = nullptr;
        QLineEdit* amount = nullptr;
        QCheckBox* financeCharge = nullptr;
        QPushButton* remove = nullptr;
        QLabel* problem = nullptr;
        bool boxSetByUser = false;        // the box no longer follows the label
        std::optional<double> keptAmount; // the stored amount while the text is unchanged
        QString keptText;
    };

    OfferEditor(const store::KeptOffer& offer, const LocaleSeparators& separators, QWidget* parent);
    ~OfferEditor() override;

    QLineEdit* NameField() const { return name_; }
    QComboBox* LoanTypeField() const { return loanType_; }
    QComboBox* InsuranceEndField() const { return insuranceEnd_; }
    // Checked for an adjustable rate; its fields count only then.
    QGroupBox* AdjustableBox() const { return adjustableBox_; }
    // The number fields, by the key of the figure they hold (EstimateFields.h).
    using Field = std::string_view;
    QLineEdit* NumberField(Field field) const;
    QLabel* ProblemBeside(Field field) const;

    int LineCount(CostSection section) const;
    const CostLine& Line(CostSection section, int index) const;
    QPushButton* AddLineButton(CostSection section) const;
    // Adds an empty line to the section and puts the cursor in its label. An offer keeps at most
    // kMaxCostItems lines: beyond them nothing is added (nullptr) and the message beside the
    // section's button says why.
    const CostLine* AddLine(CostSection section);
    QLabel* AddLineProblem(CostSection section) const;
    QLabel* SectionTotalLabel(CostSection section) const;
    QLabel* LoanCostsTotal() const { return totalD_; }
    QLabel* OtherCostsTotal() const { return totalI_; }
    QLabel* ClosingCostsTotal() const { return totalJ_; }
    QLabel* Problem() const { return problem_; }
    QDialogButtonBox* Buttons() const { return buttons_; }

    // The offer with the name and estimate as typed, when every entry can be read; else nothing,
    // and the first problem is shown and its field has the focus.
    std::optional<store::KeptOffer> EditedOffer();

    // OK reads the entries and then hands the offer to `save`, which keeps it and returns why it
    // could not (empty when kept). A failed save leaves the dialog open with everything typed and
    // the reason below the fields, so OK tries again and Cancel leaves the offer as it was.
    using Save = std::function<QString(const store::KeptOffer& offer)>;
    void SetSave(Save save) { save_ = std::move(save); }

    void accept() override;
    // Cancel, Escape and the window's close: when something was typed or changed, asks first
    // whether to leave it; "No" keeps the dialog open with everything as it was.
    void reject() override;
    // Whether the buyer has changed anything since the dialog opened (or since MarkUnchanged).
    bool ChangedByUser() const;
    // What is shown now counts as the starting point (the review, once it has shown what was
    // read).
    void MarkUnchanged();

    // Puts a panel above the fields, such as what was read from a lender's Loan Estimate.
    void AddNotes(QWidget* notes);
    // Sizes the dialog to `wanted`, or to the screen's free room when that is smaller.
    void FitToScreen(QSize wanted);
    // The help topic F1 and the Help button open (the editing topic unless set).
    void SetHelpContext(int context) { helpContext_ = context; }

private:
    struct NumberEntry {
        const EstimateField* figure = nullptr;
        Field field;
        QString name; // for the message below the fields
        EntryRule rule;
        QLineEdit* edit = nullptr;
        QLabel* problem = nullptr;
        std::optional<double> keptValue;
        QString keptText;
    };
    struct Section {
        QVBoxLayout* lines = nullptr;
        QPushButton* add = nullptr;
        QLabel* addProblem = nullptr; // beside the button, when no line can be added
        QLabel* total = nullptr;
        std::vector<std::unique_ptr<CostLine>> items;
    };

    // The group's figures, in the table's order: a field each, or a choice box.
    void AddFigures(FieldGroup group, const LoanEstimate& estimate, QWidget* parent,
                    QGridLayout* grid);
    QLineEdit* AddNumber(const EstimateField& figure, std::optional<double> value, QWidget* parent,
                         QGridLayout* grid);
    CostLine& InsertLine(CostSection section, const CostItem* item);
    void RemoveLine(CostLine* line);
    NumberEntry& Entry(Field field);
    const NumberEntry& Entry(Field field) const;
    EntryReading Read(const NumberEntry& entry) const;
    EntryReading Read(const CostLine& line) const;
    void CheckEntry(NumberEntry& entry);
    void CheckLine(CostLine& line);
    int LineCount() const;
    void UpdateTotals();
    void UpdateTabOrder();
    void ShowHelp();
    QString LineName(const CostLine& line) const;

    store::KeptOffer offer_;
    LocaleSeparators separators_;
    std::int32_t keptMonths_ = 0;
    int helpContext_ = kHelpContext;
    QLineEdit* name_ = nullptr;
    QComboBox* loanType_ = nullptr;
    QComboBox* insuranceEnd_ = nullptr;
    QGroupBox* adjustableBox_ = nullptr;
    std::vector<NumberEntry> numbers_; // in the order of the table
    std::vector<std::pair<const EstimateField*, QComboBox*>> choices_;
    std::array<Section, kCostSections.size()> sections_;
    QLabel* totalD_ = nullptr;
    QLabel* totalI_ = nullptr;
    QLabel* totalJ_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* body_ = nullptr; // what scrolls: the notes and the fields
    QLabel* problem_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    Save save_;
    bool changed_ = false; // a choice, a mark or a line changed (typed text shows in the fields)
};

} // namespace plumcrest::offers
