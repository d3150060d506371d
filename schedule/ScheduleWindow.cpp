#include "ScheduleWindow.h"

#include "Contrast.h"
#include "Csv.h"
#include "ExtraPlanDialog.h"
#include "Guarded.h"
#include "HelpContexts.h"
#include "LoanFields.h"
#include "MoneyText.h"
#include "ScheduleModel.h"
#include "ScreenFit.h"
#include "Services.h"
#include "Translations.h"

#include <QActionGroup>
#include <QDate>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace plumcrest::schedule {

using output::MoneyText;
using output::OutputDocument;

namespace {

// Terms up to this many years open with every month showing; longer ones show the years.
constexpr int kExpandedYears = 40;

QString FileSafe(QString name) {
    for (QChar& c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':')) {
            c = QLatin1Char('-');
        }
    }
    return name;
}

} // namespace

output::PrintTable SchedulePrintTable(const ScheduleModel& model, const QStringList& notes) {
    // Sized so "Mortgage insurance" and a six-figure balance fit on A4 as well as on Letter.
    static constexpr double kWidths[ScheduleModel::ColumnCount] = {1.0,  0.55, 1.25, 1.25,
                                                                   1.25, 1.35, 2.0,  1.6};
    output::PrintTable table;
    for (int c = 0; c < ScheduleModel::ColumnCount; ++c) {
        table.headers.append(ScheduleModel::ColumnTitle(c));
        table.alignRight.append(c != ScheduleModel::MonthColumn);
        table.widths.append(kWidths[c]);
    }
    auto cellsOf = [&model](const QModelIndex& parent, int row) {
        QStringList cells;
        for (int c = 0; c < ScheduleModel::ColumnCount; ++c) {
            cells.append(model.index(row, c, parent).data().toString());
        }
        return cells;
    };
    table.rows.reserve(model.Schedule().months.size() + model.Schedule().years.size() + 1);
    for (int y = 0; y < model.rowCount(); ++y) {
        const QModelIndex year = model.index(y, 0);
        for (int m = 0; m < model.rowCount(year); ++m) {
            table.rows.push_back({cellsOf(year, m), false});
        }
        table.rows.push_back({cellsOf({}, y), true});
    }
    if (!model.Schedule().months.empty()) {
        table.rows.push_back(
            {{InsuranceSummary(model.Insurance(),
                               static_cast<std::int32_t>(model.Schedule().months.size()),
                               model.Separators())},
             false,
             true});
    }
    for (const QString& note : notes) {
        table.rows.push_back({{note}, false, true});
    }
    return table;
}

QString SavingsSummary(const ExtraSavings& savings, const LocaleSeparators& separators) {
    return ScheduleWindow::tr("Paid off with payment %1 (year %2): %n months sooner, %3 less "
                              "interest.",
                              nullptr, savings.monthsSaved)
        .arg(savings.payoffMonth)
        .arg(YearOfMonth(savings.payoffMonth))
        .arg(MoneyText(savings.interestSaved, separators));
}

QString ScheduleSubtitle(const AmortizationSchedule& schedule, double annualRatePercent,
                         const LocaleSeparators& separators) {
    static const MaskLayout rate = AnalyseMask(MaskText(MaskKind::Rate));
    const std::u32string rateText = TrimBlanks(FormatIntoMask(annualRatePercent, rate, separators));
    const auto months = static_cast<int>(schedule.months.size());
    return ScheduleWindow::tr("Loan %1 at %2 % over %n month(s); payment %3", nullptr, months)
        .arg(MoneyText(schedule.loan, separators),
             QString::fromUcs4(rateText.data(), static_cast<qsizetype>(rateText.size())),
             MoneyText(schedule.payment, separators));
}

QString InsuranceSummary(const InsurancePlan& insurance, std::int32_t scheduleMonths,
                         const LocaleSeparators& separators) {
    if (insurance.monthly <= 0 || insurance.lastMonth <= 0 || scheduleMonths <= 0) {
        return QObject::tr("No mortgage insurance.");
    }
    const QString monthly = MoneyText(insurance.monthly, separators);
    if (insurance.lastMonth >= scheduleMonths) {
        return QObject::tr("Mortgage insurance %1 a month, paid with every payment (1 to %2).")
            .arg(monthly)
            .arg(scheduleMonths);
    }
    if (insurance.reaches80) {
        return QObject::tr("Mortgage insurance %1 a month, paid with payments 1 to %2; the balance "
                           "reaches 80 % of the home's value after payment %3, when you may ask "
                           "to cancel it.")
            .arg(monthly)
            .arg(insurance.lastMonth)
            .arg(*insurance.reaches80);
    }
    return QObject::tr("Mortgage insurance %1 a month, paid with payments 1 to %2, then it ends.")
        .arg(monthly)
        .arg(insurance.lastMonth);
}

ScheduleWindow::ScheduleWindow(const QString& offerName, double annualRatePercent,
                               const AmortizationSchedule& schedule, const InsurancePlan& insurance,
                               const LocaleSeparators& separators, QWidget* parent)
    : QMainWindow(parent, Qt::Window), offerName_(offerName), ratePercent_(annualRatePercent),
      separators_(separators) {
    Build(schedule, insurance);
    AddHelpMenu();
}

void ScheduleWindow::AddHelpMenu() {
    QMenu* help = menuBar()->addMenu(QString());
    translations::Live(help, [w = help] { w->setTitle(tr("&Help")); });
    QAction* topic = help->addAction(QString());
    translations::Live(topic, [w = topic] { w->setText(tr("&The Amortization Schedule")); });
    topic->setShortcut(QKeySequence::HelpContents);
    topic->setShortcutContext(Qt::WindowShortcut);
    addAction(topic);
    connect(topic, &QAction::triggered, this,
            platform::Guarded([] { platform::TheHelp().ShowContext(help::kScheduleContext); }));
}

ScheduleWindow::ScheduleWindow(const QString& offerName, const LoanTerms& terms,
                               const LocaleSeparators& separators, QWidget* parent)
    : QMainWindow(parent, Qt::Window), offerName_(offerName), ratePercent_(terms.ratePercent),
      separators_(separators), terms_(WithExtras(terms, {})), plan_(terms.extras) {
    const AmortizationSchedule schedule = ScheduleOf(terms);
    Build(schedule, InsuranceOf(terms, schedule));

    QMenu* whatIf = menuBar()->addMenu(QString());
    translations::Live(whatIf, [w = whatIf] { w->setTitle(tr("&What If")); });
    extraPayments_ = whatIf->addAction(QString());
    translations::Live(extraPayments_,
                       [w = extraPayments_] { w->setText(tr("&Extra Payments...")); });
    extraPayments_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(extraPayments_, &QAction::triggered, this,
            platform::Guarded([this] { AskAndApplyPlan(); }));
    if (terms.adjustable) {
        whatIf->addSeparator();
        auto* rates = new QActionGroup(this);
        QAction* indexed = whatIf->addAction(QString());
        translations::Live(indexed,
                           [w = indexed] { w->setText(tr("Rate as the &Index Stands Today")); });
        worstCase_ = whatIf->addAction(QString());
        translations::Live(worstCase_, [w = worstCase_] { w->setText(tr("&Worst Case")); });
        for (QAction* action : {indexed, worstCase_}) {
            action->setCheckable(true);
            rates->addAction(action);
        }
        (terms.ratePath == RatePath::WorstCase ? worstCase_ : indexed)->setChecked(true);
        connect(indexed, &QAction::triggered, this,
                platform::Guarded([this] { SetRatePath(RatePath::Indexed); }));
        connect(worstCase_, &QAction::triggered, this,
                platform::Guarded([this] { SetRatePath(RatePath::WorstCase); }));
    }
    AddHelpMenu();
    Relayout();
}

void ScheduleWindow::AskAndApplyPlan() {
    std::optional<ExtraPayments> plan;
    if (AskForPlan) {
        plan = AskForPlan(plan_, terms_->months);
    } else {
        ExtraPlanDialog dialog(plan_, terms_->months, this);
        if (dialog.exec() == QDialog::Accepted)
            plan = dialog.Plan();
    }
    if (plan)
        SetPlan(*plan);
}

void ScheduleWindow::SetPlan(const ExtraPayments& plan) {
    if (!terms_)
        return;
    plan_ = plan;
    Relayout();
    emit PlanChanged(plan_);
}

void ScheduleWindow::SetRatePath(RatePath path) {
    if (!terms_ || !terms_->adjustable)
        return;
    terms_->ratePath = path;
    if (worstCase_)
        worstCase_->setChecked(path == RatePath::WorstCase);
    Relayout();
}

void ScheduleWindow::Relayout() {
    const LoanTerms paid = WithExtras(*terms_, plan_);
    const AmortizationSchedule schedule = ScheduleOf(paid);
    ShowSchedule(schedule, InsuranceOf(paid, schedule));
}

QString ScheduleWindow::WhatIfText() const {
    if (!terms_)
        return {};
    QStringList lines;
    const LoanTerms paid = WithExtras(*terms_, plan_);
    const AmortizationSchedule& schedule = model_->Schedule();
    if (plan_.Any()) {
        lines << tr("Extra payments: %1.").arg(PlanSummary(plan_, separators_)) + QLatin1Char(' ') +
                     SavingsSummary(SavingsOf(ScheduleOf(*terms_), schedule), separators_);
    }
    if (const auto& rate = terms_->adjustable) {
        const auto percent = [this](double value) {
            return QLocale::c()
                .toString(value, 'f', 4)
                .replace(QLatin1Char('.'),
                         QString::fromStdU32String(std::u32string(1, separators_.decimal)));
        };
        const HighestPayment highest = HighestPaymentOf(schedule);
        lines << tr("Adjustable: %1 % for %2 months, then the index %3 % plus the margin %4 %, "
                    "changing every %5 months by at most %6 points the first time and %7 after, "
                    "never more than %8 points above the initial rate nor below %9 %.")
                     .arg(percent(paid.ratePercent))
                     .arg(rate->initialMonths)
                     .arg(percent(rate->indexPercent), percent(rate->marginPercent))
                     .arg(rate->monthsBetween)
                     .arg(percent(rate->firstCap), percent(rate->laterCap), percent(rate->lifeCap),
                          percent(rate->floor));
        lines << (paid.ratePath == RatePath::WorstCase
                      ? tr("Shown: the worst case, each change as high as the caps allow. Highest "
                           "payment %1, from month %2.")
                      : tr("Shown: the index as it stands today. Highest payment %1, from month "
                           "%2."))
                     .arg(MoneyText(highest.payment, separators_))
                     .arg(highest.month);
    }
    return lines.join(QLatin1Char('\n'));
}

void ScheduleWindow::Build(const AmortizationSchedule& schedule, const InsurancePlan& insurance) {
    setAttribute(Qt::WA_DeleteOnClose);
    translations::Live(this, [=, this] { setWindowTitle(tr("Schedule: %1").arg(offerName_)); });

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    summary_ = new QLabel(central);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setWordWrap(true);
    view_ = new QTreeView(central);
    // Every row the same height: the view never measures the 11,988 months of a 999-year term.
    view_->setUniformRowHeights(true);
    view_->setAlternatingRowColors(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    translations::Live(view_, [=, this] {
        view_->setAccessibleName(tr("Amortization schedule of %1").arg(offerName_));
    });
    // The selected row's text reads on its highlight in every palette.
    view_->setPalette(contrast::ReadableHighlight(view_->palette()));
    summary_->setBuddy(view_);
    layout->addWidget(summary_);
    layout->addWidget(view_);
    setCentralWidget(central);
    ShowSchedule(schedule, insurance);
    // A change of language retells the summary and the table's texts, keeping what is open.
    connect(&translations::LanguageNotifier::Instance(),
            &translations::LanguageNotifier::LanguageChanged, this, [this] {
                ShowSummary();
                model_->Retranslate();
            });

    QMenu* file = menuBar()->addMenu(QString());
    translations::Live(file, [w = file] { w->setTitle(tr("&File")); });
    // The file says whose schedule it is and of which loan, so several sit apart in a folder.
    const auto months = static_cast<int>(schedule.months.size());
    const QString rate = QString::number(ratePercent_, 'f', 3);
    const QString baseName =
        FileSafe(months % 12 == 0
                     ? tr("Schedule %1 %2% %n year(s)", nullptr, months / 12).arg(offerName_, rate)
                     : tr("Schedule %1 %2% %n month(s)", nullptr, months).arg(offerName_, rate));
    output_ = output::AddOutputActions(
        *file, *this, baseName, [this] { return Csv(); }, [this] { return Document(); });
    file->addSeparator();
    QAction* close = file->addAction(QString());
    translations::Live(close, [w = close] { w->setText(tr("&Close")); });
    // Escape closes it too, as it closes the Compare window.
    close->setShortcuts({QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)});
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, platform::Guarded([this] { this->close(); }));

    QMenu* viewMenu = menuBar()->addMenu(QString());
    translations::Live(viewMenu, [w = viewMenu] { w->setTitle(tr("&View")); });
    showMonths_ = viewMenu->addAction(QString());
    translations::Live(showMonths_, [w = showMonths_] { w->setText(tr("Show All &Months")); });
    showMonths_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(showMonths_, &QAction::triggered, view_,
            platform::Guarded([this] { view_->expandAll(); }));
    yearsOnly_ = viewMenu->addAction(QString());
    translations::Live(yearsOnly_, [w = yearsOnly_] { w->setText(tr("&Years Only")); });
    yearsOnly_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    connect(yearsOnly_, &QAction::triggered, view_,
            platform::Guarded([this] { view_->collapseAll(); }));
    resize(FittedSize(this, QSize(900, 560)));
}

void ScheduleWindow::ShowSummary() {
    if (!model_ || !insurance_)
        return;
    const AmortizationSchedule& schedule = model_->Schedule();
    subtitle_ = ScheduleSubtitle(schedule, ratePercent_, separators_);
    QString summary =
        subtitle_ + QLatin1Char('\n') +
        InsuranceSummary(*insurance_, static_cast<std::int32_t>(schedule.months.size()),
                         separators_);
    const QString whatIf = WhatIfText();
    if (!whatIf.isEmpty())
        summary += QLatin1Char('\n') + whatIf;
    summary_->setText(summary);
    view_->setAccessibleDescription(summary);
}

void ScheduleWindow::ShowSchedule(const AmortizationSchedule& schedule,
                                  const InsurancePlan& insurance) {
    insurance_ = insurance;
    ScheduleModel* old = model_;
    model_ = new ScheduleModel(schedule, insurance, separators_, this);
    view_->setModel(model_);
    delete old;
    ShowSummary();
    view_->header()->setStretchLastSection(false);
    view_->header()->setSectionResizeMode(QHeaderView::Stretch);
    view_->header()->setSectionResizeMode(ScheduleModel::MonthColumn,
                                          QHeaderView::ResizeToContents);
    if (model_->TotalsRow() <= kExpandedYears) {
        view_->expandAll();
    } else if (model_->TotalsRow() > 0) {
        view_->expand(model_->index(0, 0));
    }
    if (model_->rowCount() > 0) {
        view_->setCurrentIndex(model_->index(0, 0));
    }
}

ScheduleWindow::~ScheduleWindow() = default;

QString ScheduleWindow::SummaryText() const {
    return summary_->text();
}

std::string ScheduleWindow::Csv() const {
    return output::ScheduleCsv(model_->Schedule(), model_->Insurance());
}

OutputDocument ScheduleWindow::Document() const {
    OutputDocument document;
    document.heading.title = tr("Amortization schedule: %1").arg(offerName_);
    document.heading.subtitle = subtitle_;
    document.heading.date = output::PageDate(QDate::currentDate());
    const QString whatIf = WhatIfText();
    document.table = SchedulePrintTable(
        *model_, whatIf.isEmpty() ? QStringList() : whatIf.split(QLatin1Char('\n')));
    return document;
}

} // namespace plumcrest::schedule
