// Calculate and Reset: moving values between the calculator page and the loan pipeline.

#include "LocaleSettings.h"
#include "Main.h"
#include "TNumericField.h"

#include <QMenu>
#include <QTabWidget>
#include <cmath>
#include <limits>

namespace plumcrest {

std::array<TNumericField*, kLoanInputFields.size()> TfrmMain::InputFields() const {
    std::array<TNumericField*, kLoanInputFields.size()> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = FieldOf(kLoanInputFields[i]);
    return fields;
}

void TfrmMain::Calculate() {
    LoanInputs inputs;
    for (const LoanField& row : kLoanInputFields)
        inputs.*row.member = FieldOf(row)->FloatValue();

    LoanResults results;
    // The down payment is shown as soon as it is known, even when a later step fails.
    results.DownPayment = std::numeric_limits<double>::quiet_NaN();
    try {
        RecalculateLoan(inputs, results, TheLocaleSeparators().decimal);
    } catch (...) {
        if (!std::isnan(results.DownPayment))
            edtDownPayment->setFloatValue(results.DownPayment);
        throw;
    }
    ShowResults(results);

    inputs.Term = static_cast<double>(results.WholeYears);
    remembered_ = inputs;
}

void TfrmMain::ShowResults(const LoanResults& results) {
    for (const LoanField& row : kLoanResultFields)
        FieldOf(row)->setFloatValue(results.*row.result);
}

void TfrmMain::Reset() {
    nbkMain->setCurrentIndex(0);
    for (const LoanField& row : kLoanInputFields)
        FieldOf(row)->setFloatValue(row.defaultValue);
    if (nbkMain->currentIndex() == 0)
        FieldOf(kLoanInputFields.front())->setFocus(Qt::OtherFocusReason);
    Calculate();
}

} // namespace plumcrest
