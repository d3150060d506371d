#pragma once
// The "Closing Disclosure check" window: what needs action, what changed within the rules and
// what did not change, above the table of each cost beside its estimate, where the buyer may pair
// a line otherwise, say who picked a provider, and give the day the form came; printed or saved as
// PDF as a one-page "Questions for your lender".

#include "CheckReport.h"
#include "ClosingCheck.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QDateEdit;
class QTableWidget;
class QTextBrowser;

namespace plumcrest::closing {

class ClosingWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(ClosingWindow)

public:
    ClosingWindow(reader::EstimateReading estimate, reader::ClosingReading closing,
                  QString offerName, CheckChoices choices = {}, QWidget* parent = nullptr);

    const ClosingCheck& check() const { return check_; }
    const CheckChoices& choices() const { return choices_; }
    const CheckReport& report() const { return report_; }
    QTableWidget* table() const { return table_; }
    QTextBrowser* summary() const { return summary_; }

    // Where "Save as PDF" writes; tests answer it without a dialog. Empty: nothing written.
    std::function<QString(QWidget* parent)> AskForPdfFile;

    // Writes the one-page questions to this PDF file; false when it could not be written.
    bool SaveQuestions(const QString& file) const;

signals:
    // The buyer changed a choice: the check is new.
    void ChoicesChanged(const plumcrest::closing::CheckChoices& choices);

private:
    void Recheck();
    void FillTable();
    void Print();
    void SaveAs();

    reader::EstimateReading estimate_;
    reader::ClosingReading closing_;
    QString offerName_;
    CheckChoices choices_;
    ClosingCheck check_;
    CheckReport report_;
    QTextBrowser* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QDateEdit* received_ = nullptr;
    QCheckBox* mailed_ = nullptr;
    bool filling_ = false;
};

// The baseline of a kept offer's Loan Estimate, as the check reads one: its lines by section, its
// lender credits and disclosed APR.
reader::EstimateReading EstimateReadingOfOffer(const LoanEstimate& estimate);

} // namespace plumcrest::closing
