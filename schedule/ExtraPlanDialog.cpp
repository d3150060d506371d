#include "ExtraPlanDialog.h"

#include "Contrast.h"
#include "EstimateFields.h"
#include "Guarded.h"
#include "HelpContexts.h"
#include "MoneyText.h"
#include "Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace plumcrest::schedule {

using platform::Guarded;

namespace {

QDoubleSpinBox* MoneyField(QWidget* parent, const QString& name) {
    auto* field = new QDoubleSpinBox(parent);
    field->setRange(0, kMaxMoney);
    field->setDecimals(2);
    field->setSingleStep(50);
    field->setGroupSeparatorShown(true);
    field->setAccessibleName(name);
    return field;
}

Cents CentsOf(double dollars) {
    return std::llround(dollars * 100.0);
}

// The field that edits a one-off payment's cell says which it is: "Month of one-off payment 2".
class NamedCellEditor final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor)
            editor->setAccessibleName((index.column() == 0
                                           ? ExtraPlanDialog::tr("Month of one-off payment %1")
                                           : ExtraPlanDialog::tr("Amount of one-off payment %1"))
                                          .arg(index.row() + 1));
        return editor;
    }
};

} // namespace

ExtraPlanDialog::ExtraPlanDialog(const ExtraPayments& plan, std::int32_t lastMonth, QWidget* parent)
    : QDialog(parent), lastMonth_(std::max(1, lastMonth)) {
    setObjectName(QStringLiteral("dlgExtraPayments"));
    setWindowTitle(tr("Extra Payments"));
    setModal(true);

    auto* intro = new QLabel(tr("Every extra payment goes to principal. The regular payment stays "
                                "the same; the loan ends sooner."),
                             this);
    intro->setWordWrap(true);

    auto* monthlyBox = new QGroupBox(tr("Every month"), this);
    auto* monthlyForm = new QFormLayout(monthlyBox);
    monthly_ = MoneyField(monthlyBox, tr("Extra every month"));
    monthly_->setValue(static_cast<double>(plan.monthly) / 100.0);
    monthlyFrom_ = new QSpinBox(monthlyBox);
    monthlyFrom_->setRange(1, lastMonth_);
    monthlyFrom_->setValue(std::clamp(plan.monthlyFrom, 1, lastMonth_));
    monthlyFrom_->setAccessibleName(tr("From month"));
    monthlyForm->addRow(tr("E&xtra every month:"), monthly_);
    monthlyForm->addRow(tr("&From month:"), monthlyFrom_);

    auto* onceBox = new QGroupBox(tr("Once"), this);
    auto* onceLayout = new QVBoxLayout(onceBox);
    once_ = new QTableWidget(0, 2, onceBox);
    once_->setObjectName(QStringLiteral("tblExtraOnce"));
    once_->setAccessibleName(tr("One-off extra payments"));
    once_->setHorizontalHeaderLabels({tr("Month"), tr("Amount")});
    once_->horizontalHeader()->setStretchLastSection(true);
    once_->verticalHeader()->hide();
    once_->setMinimumHeight(110);
    once_->setItemDelegate(new NamedCellEditor(once_));
    // The selected line's text reads on its highlight in every palette.
    once_->setPalette(contrast::ReadableHighlight(once_->palette()));
    for (const auto& [month, amount] : plan.once)
        AddOnceRow(month, amount);
    addOnce_ = new QPushButton(tr("&Add"), onceBox);
    auto* removeOnce = new QPushButton(tr("&Remove"), onceBox);
    connect(addOnce_, &QPushButton::clicked, this, Guarded([this] {
                AddOnceRow(12, 0);
                once_->setCurrentCell(once_->rowCount() - 1, 0);
                once_->editItem(once_->item(once_->rowCount() - 1, 0));
            }));
    connect(removeOnce, &QPushButton::clicked, this, Guarded([this] {
                if (once_->currentRow() >= 0)
                    once_->removeRow(once_->currentRow());
            }));
    auto* onceButtons = new QHBoxLayout;
    onceButtons->addWidget(addOnce_);
    onceButtons->addWidget(removeOnce);
    onceButtons->addStretch();
    onceLayout->addWidget(once_);
    onceLayout->addLayout(onceButtons);

    auto* yearlyBox = new QGroupBox(tr("Every year"), this);
    auto* yearlyForm = new QFormLayout(yearlyBox);
    yearly_ = MoneyField(yearlyBox, tr("Extra every year"));
    yearly_->setValue(static_cast<double>(plan.yearly) / 100.0);
    yearlyMonth_ = new QComboBox(yearlyBox);
    yearlyMonth_->setAccessibleName(tr("In month of each year"));
    for (int m = 1; m <= 12; ++m)
        yearlyMonth_->addItem(tr("month %1 of each year of the loan").arg(m));
    yearlyMonth_->setCurrentIndex(std::clamp(plan.yearlyMonth, 1, 12) - 1);
    yearlyForm->addRow(tr("Extra every &year:"), yearly_);
    yearlyForm->addRow(tr("&In:"), yearlyMonth_);

    biweekly_ = new QCheckBox(tr("Pay &biweekly"), this);
    biweekly_->setChecked(plan.biweekly);
    auto* biweeklyNote = new QLabel(
        tr("Half the monthly payment every two weeks makes 26 halves, that is 13 payments, a year. "
           "Servicers apply the one payment more to principal once a year; the schedule counts it "
           "in month 12 of each year of the loan."),
        this);
    biweeklyNote->setWordWrap(true);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lblExtraProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(contrast::TextStyle(contrast::ProblemColour(palette())));

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            Guarded([] { platform::TheHelp().ShowContext(help::kWhatIfContext); }));
    // F1 as everywhere else: the schedule's own key does not reach a dialog.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this,
            Guarded([] { platform::TheHelp().ShowContext(help::kWhatIfContext); }));
    connect(buttons, &QDialogButtonBox::accepted, this, Guarded([this] { accept(); }));
    connect(buttons, &QDialogButtonBox::rejected, this, Guarded([this] { reject(); }));

    // Everything above the message and the buttons scrolls on a screen too small for it, so OK,
    // Cancel and Help stay in view.
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(intro);
    pageLayout->addWidget(monthlyBox);
    pageLayout->addWidget(onceBox);
    pageLayout->addWidget(yearlyBox);
    pageLayout->addWidget(biweekly_);
    pageLayout->addWidget(biweeklyNote);
    pageLayout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrExtraPayments"));
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    scroll->setMinimumWidth(page->minimumSizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width());
    // Tall enough for all of it where the screen allows; the scroll area takes the rest.
    QSize wanted(460, page->sizeHint().height() + problem_->sizeHint().height() +
                          buttons->sizeHint().height() + 3 * layout->spacing() +
                          layout->contentsMargins().top() + layout->contentsMargins().bottom());
    if (const QScreen* shown = parent && parent->screen() ? parent->screen() : screen()) {
        const QSize room = shown->availableGeometry().size() - QSize(16, 48); // the frame
        wanted = wanted.boundedTo(room);
    }
    setMinimumHeight(std::min(minimumSizeHint().height(), wanted.height()));
    resize(wanted);
}

void ExtraPlanDialog::AddOnceRow(std::int32_t month, Cents amount) {
    const int row = once_->rowCount();
    once_->insertRow(row);
    // Typed cells: the table edits them with number fields in the locale's way.
    auto* monthItem = new QTableWidgetItem;
    monthItem->setData(Qt::EditRole, month);
    auto* amountItem = new QTableWidgetItem;
    amountItem->setData(Qt::EditRole, static_cast<double>(amount) / 100.0);
    amountItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    once_->setItem(row, 0, monthItem);
    once_->setItem(row, 1, amountItem);
}

std::optional<ExtraPayments> ExtraPlanDialog::Plan() {
    ExtraPayments plan;
    plan.monthly = CentsOf(monthly_->value());
    plan.monthlyFrom = monthlyFrom_->value();
    plan.yearly = CentsOf(yearly_->value());
    plan.yearlyMonth = yearlyMonth_->currentIndex() + 1;
    plan.biweekly = biweekly_->isChecked();
    for (int row = 0; row < once_->rowCount(); ++row) {
        bool monthRead = false;
        bool amountRead = false;
        const int month = once_->item(row, 0)->data(Qt::EditRole).toInt(&monthRead);
        const double amount = once_->item(row, 1)->data(Qt::EditRole).toDouble(&amountRead);
        if (!monthRead || month < 1 || month > lastMonth_) {
            problem_->setText(tr("One-off line %1: the month must be from 1 to %2.")
                                  .arg(row + 1)
                                  .arg(lastMonth_));
            once_->setCurrentCell(row, 0);
            once_->setFocus();
            return std::nullopt;
        }
        if (!amountRead || !std::isfinite(amount) || amount < 0 || amount > kMaxMoney) {
            problem_->setText(tr("One-off line %1: the amount must be from 0 to %2.")
                                  .arg(row + 1)
                                  .arg(QLocale().toString(kMaxMoney, 'f', 2)));
            once_->setCurrentCell(row, 1);
            once_->setFocus();
            return std::nullopt;
        }
        if (amount > 0)
            plan.once.emplace_back(month, CentsOf(amount));
    }
    problem_->clear();
    return plan;
}

void ExtraPlanDialog::accept() {
    if (Plan())
        QDialog::accept();
}

QString PlanSummary(const ExtraPayments& plan, const LocaleSeparators& separators) {
    QStringList parts;
    if (plan.monthly > 0)
        parts << ExtraPlanDialog::tr("%1 a month from month %2")
                     .arg(output::MoneyText(plan.monthly, separators))
                     .arg(plan.monthlyFrom);
    for (const auto& [month, amount] : plan.once)
        parts << ExtraPlanDialog::tr("%1 in month %2")
                     .arg(output::MoneyText(amount, separators))
                     .arg(month);
    if (plan.yearly > 0)
        parts << ExtraPlanDialog::tr("%1 in month %2 of each year")
                     .arg(output::MoneyText(plan.yearly, separators))
                     .arg(plan.yearlyMonth);
    if (plan.biweekly)
        parts << ExtraPlanDialog::tr("biweekly (one payment more a year, in month 12)");
    return parts.isEmpty() ? ExtraPlanDialog::tr("no extra payments")
                           : parts.join(QStringLiteral("; "));
}

} // namespace plumcrest::schedule
