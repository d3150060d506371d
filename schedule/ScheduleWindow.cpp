#include "ScheduleWindow.h"

#include "Csv.h"
#include "Guarded.h"
#include "HelpContexts.h"
#include "LoanFields.h"
#include "MoneyText.h"
#include "ScheduleModel.h"
#include "Services.h"

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

output::PrintTable SchedulePrintTable(const ScheduleModel& model) {
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
    return table;
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
    : QMainWindow(parent, Qt::Window), offerName_(offerName),
      subtitle_(ScheduleSubtitle(schedule, annualRatePercent, separators)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Schedule: %1").arg(offerName));
    model_ = new ScheduleModel(schedule, insurance, separators, this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    const QString summary =
        subtitle_ + QLatin1Char('\n') +
        InsuranceSummary(insurance, static_cast<std::int32_t>(schedule.months.size()), separators);
    summary_ = new QLabel(summary, central);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    view_ = new QTreeView(central);
    // Every row the same height: the view never measures the 11,988 months of a 999-year term.
    view_->setUniformRowHeights(true);
    view_->setAlternatingRowColors(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setModel(model_);
    view_->setAccessibleName(tr("Amortization schedule of %1").arg(offerName));
    view_->setAccessibleDescription(summary);
    view_->header()->setStretchLastSection(false);
    view_->header()->setSectionResizeMode(QHeaderView::Stretch);
    view_->header()->setSectionResizeMode(ScheduleModel::MonthColumn,
                                          QHeaderView::ResizeToContents);
    summary_->setBuddy(view_);
    layout->addWidget(summary_);
    layout->addWidget(view_);
    setCentralWidget(central);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    // The file says whose schedule it is and of which loan, so several sit apart in a folder.
    const auto months = static_cast<int>(schedule.months.size());
    const QString baseName = FileSafe(
        months % 12 == 0 ? tr("Schedule %1 %2% %n year(s)", nullptr, months / 12)
                               .arg(offerName, QString::number(annualRatePercent, 'f', 3))
                         : tr("Schedule %1 %2% %n month(s)", nullptr, months)
                               .arg(offerName, QString::number(annualRatePercent, 'f', 3)));
    output_ = output::AddOutputActions(
        *file, *this, baseName, [this] { return Csv(); }, [this] { return Document(); });
    file->addSeparator();
    QAction* close = file->addAction(tr("&Close"));
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, platform::Guarded([this] { this->close(); }));

    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    showMonths_ = viewMenu->addAction(tr("Show All &Months"));
    showMonths_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(showMonths_, &QAction::triggered, view_,
            platform::Guarded([this] { view_->expandAll(); }));
    yearsOnly_ = viewMenu->addAction(tr("&Years Only"));
    yearsOnly_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    connect(yearsOnly_, &QAction::triggered, view_,
            platform::Guarded([this] { view_->collapseAll(); }));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* topic = help->addAction(tr("&The Amortization Schedule"));
    topic->setShortcut(QKeySequence::HelpContents);
    topic->setShortcutContext(Qt::WindowShortcut);
    addAction(topic);
    connect(topic, &QAction::triggered, this,
            platform::Guarded([] { platform::TheHelp().ShowContext(help::kScheduleContext); }));

    if (model_->TotalsRow() <= kExpandedYears) {
        view_->expandAll();
    } else if (model_->TotalsRow() > 0) {
        view_->expand(model_->index(0, 0));
    }
    if (model_->rowCount() > 0) {
        view_->setCurrentIndex(model_->index(0, 0));
    }
    resize(900, 560);
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
    document.table = SchedulePrintTable(*model_);
    return document;
}

} // namespace plumcrest::schedule
