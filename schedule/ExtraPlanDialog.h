#pragma once
// The Extra Payments dialog: a fixed extra each month from a chosen month, one-off extras at
// chosen months, a yearly extra in a chosen month of the year, and biweekly payment. Each extra
// goes to principal; the regular payment stays. Amounts in the locale's own way of writing them.

#include "Amortization.h"
#include "PictureMask.h"

#include <QDialog>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace plumcrest::schedule {

class ExtraPlanDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(ExtraPlanDialog)

public:
    // `lastMonth`: the longest term the plan is for, in months.
    ExtraPlanDialog(const ExtraPayments& plan, std::int32_t lastMonth, QWidget* parent);

    QDoubleSpinBox* MonthlyField() const { return monthly_; }
    QSpinBox* MonthlyFromField() const { return monthlyFrom_; }
    QTableWidget* OnceTable() const { return once_; }
    QPushButton* AddOnceButton() const { return addOnce_; }
    QDoubleSpinBox* YearlyField() const { return yearly_; }
    QComboBox* YearlyMonthField() const { return yearlyMonth_; }
    QCheckBox* BiweeklyBox() const { return biweekly_; }
    QLabel* Problem() const { return problem_; }

    // The plan as entered; nothing (and the problem shown) when a one-off line cannot be read.
    std::optional<ExtraPayments> Plan();

    void accept() override;

private:
    void AddOnceRow(std::int32_t month, Cents amount);

    std::int32_t lastMonth_;
    QDoubleSpinBox* monthly_ = nullptr;
    QSpinBox* monthlyFrom_ = nullptr;
    QTableWidget* once_ = nullptr;
    QPushButton* addOnce_ = nullptr;
    QDoubleSpinBox* yearly_ = nullptr;
    QComboBox* yearlyMonth_ = nullptr;
    QCheckBox* biweekly_ = nullptr;
    QLabel* problem_ = nullptr;
};

// The plan in one line for the windows: "100.00 a month from month 13; 5,000.00 in month 12;
// biweekly", "no extra payments".
QString PlanSummary(const ExtraPayments& plan, const LocaleSeparators& separators);

} // namespace plumcrest::schedule
