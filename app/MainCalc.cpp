// Calculate and Reset: moving values between the calculator page and the loan pipeline.

#include "LocaleSettings.h"
#include "Main.h"
#include "TNumericField.h"

#include <QMenu>
#include <QTabWidget>
#include <cmath>
#include <limits>

namespace plumcrest {

std::array<TNumericField*, 13> TfrmMain::InputFields() const {
    return {edtPurchasePrice,
            edtDownPaymentPercent,
            edtTerm,
            edtInterest,
            edtOriginationFees,
            edtPoints,
            edtPrepaidInterest,
            edtMIP,
            edtBuydown,
            edtFloodCheck,
            edtTaxService,
            edtOther1,
            edtOther2};
}

void TfrmMain::Calculate() {
    LoanInputs inputs;
    const auto fields = InputFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        inputs.*kLoanInputFields[i].member = fields[i]->FloatValue();

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
    edtDownPayment->setFloatValue(results.DownPayment);
    ShowResults(results);

    inputs.Term = static_cast<double>(results.WholeYears);
    remembered_ = inputs;
}

void TfrmMain::ShowResults(const LoanResults& results) {
    edtAPR->setFloatValue(results.APR);
    edtFixedFees->setFloatValue(results.FixedFees);
    edtLoan->setFloatValue(results.Loan);
    edtPayment->setFloatValue(results.Payment);
}

void TfrmMain::Reset() {
    nbkMain->setCurrentIndex(0);
    const auto fields = InputFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->setFloatValue(kLoanInputFields[i].defaultValue);
    if (nbkMain->currentIndex() == 0)
        edtPurchasePrice->setFocus(Qt::OtherFocusReason);
    Calculate();
}

} // namespace plumcrest
