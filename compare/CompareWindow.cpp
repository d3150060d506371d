#include "CompareWindow.h"

#include "CompareModel.h"
#include "ComparisonExport.h"
#include "CostChart.h"
#include "Guarded.h"
#include "HelpContexts.h"
#include "LocaleSettings.h"
#include "OfferFigures.h"
#include "OfferStore.h"
#include "ScheduleWindow.h"
#include "Services.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace plumcrest::compare {

using platform::Guarded;
using store::KeptOffer;

namespace {

QAction* NewAction(QWidget* window, const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, window);
    action->setShortcut(shortcut);
    // Shortcuts work from every control of the window, menus closed.
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

// Keys an entry field keeps for editing even when a window command uses them too.
bool IsEditingKey(const QKeyEvent& key) {
    for (const auto standard : {QKeySequence::Delete, QKeySequence::Undo, QKeySequence::Redo,
                                QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
                                QKeySequence::SelectAll, QKeySequence::Backspace})
        if (key.matches(standard))
            return true;
    return key.modifiers() == Qt::NoModifier || key.modifiers() == Qt::ShiftModifier;
}

} // namespace

CompareWindow::CompareWindow(store::OfferStore& store, QWidget* owner)
    : QWidget(owner, Qt::Window), store_(store) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(tr("Compare Offers"));
    setAttribute(Qt::WA_DeleteOnClose);

    model_ = new CompareModel(TheLocaleSeparators(), this);
    CreateActions();

    auto* horizonLabel = new QLabel(tr("&Years you expect to keep this loan:"), this);
    horizon_ = new QSpinBox(this);
    horizon_->setObjectName(QStringLiteral("edtHorizon"));
    horizon_->setAccessibleName(tr("Years you expect to keep this loan"));
    horizon_->setRange(1, 1);
    horizon_->installEventFilter(this);
    horizonLabel->setBuddy(horizon_);
    auto* savingsLabel = new QLabel(tr("Your savings e&arn:"), this);
    savings_ = new QDoubleSpinBox(this);
    savings_->setObjectName(QStringLiteral("edtSavingsRate"));
    savings_->setAccessibleName(tr("Your savings earn, percent a year"));
    savings_->setToolTip(tr("What your money would earn a year if it were not paid to the "
                            "lender: the fair cost counts it"));
    savings_->setRange(0, 20);
    savings_->setDecimals(2);
    savings_->setSingleStep(0.25);
    savings_->setSuffix(tr(" % a year"));
    savings_->setValue(OfferComparison::kDefaultSavingsPercent);
    savings_->installEventFilter(this);
    savingsLabel->setBuddy(savings_);
    auto* top = new QHBoxLayout;
    top->addWidget(horizonLabel);
    top->addWidget(horizon_);
    top->addSpacing(24);
    top->addWidget(savingsLabel);
    top->addWidget(savings_);
    top->addStretch();

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblOffers"));
    table_->setAccessibleName(tr("Kept offers"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    // Tab moves on to the next control; the arrow keys move within the table.
    table_->setTabKeyNavigation(false);
    // Sized to the contents when the offers are read; a new horizon never needs more room, as
    // no cost over part of the term is longer than the cost over all of it.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    breakEven_ = new QListWidget(this);
    breakEven_->setObjectName(QStringLiteral("lstBreakEven"));
    breakEven_->setAccessibleName(tr("Break-even"));
    auto* breakEvenBox = new QGroupBox(tr("Break-even: from which month the lower rate has cost "
                                          "less (loan costs plus interest and mortgage insurance "
                                          "paid so far)"),
                                       this);
    auto* breakEvenLayout = new QVBoxLayout(breakEvenBox);
    breakEvenLayout->addWidget(breakEven_);

    empty_ = new QLabel(tr("No offers are kept yet. In the calculator, choose File > Keep This "
                           "Offer... for each offer you want to compare."),
                        this);
    empty_->setObjectName(QStringLiteral("lblNoOffers"));
    empty_->setWordWrap(true);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblOffersStatus"));
    status_->setWordWrap(true);
    status_->hide();
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    retry_->setInterval(2000);
    connect(retry_, &QTimer::timeout, this, Guarded([this] { Reload(); }));

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("splOffers"));
    splitter->addWidget(table_);
    splitter->addWidget(breakEvenBox);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    auto* offersPage = new QWidget(this);
    auto* pageLayout = new QVBoxLayout(offersPage);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(status_);
    pageLayout->addWidget(empty_);
    pageLayout->addWidget(splitter, 1);

    chart_ = new CostChart(this);
    chart_->setObjectName(QStringLiteral("chtCompare"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabsCompare"));
    tabs_->addTab(offersPage, tr("Offers"));
    tabs_->addTab(chart_, tr("Char&t"));

    // Created in the order they stand, so Tab follows their places.
    useButton_ = ButtonFor(actions_.use, tr("&Use in Calculator"), "btnUseInCalculator");
    editButton_ = ButtonFor(actions_.edit, tr("&Edit..."), "btnEditOffer");
    renameButton_ = ButtonFor(actions_.rename, tr("&Rename..."), "btnRename");
    deleteButton_ = ButtonFor(actions_.remove, tr("&Delete"), "btnDelete");
    undoButton_ = ButtonFor(actions_.undo, tr("U&ndo Delete"), "btnUndoDelete");
    scheduleButton_ = ButtonFor(actions_.schedule, tr("&Schedule..."), "btnSchedule");
    QPushButton* help = ButtonFor(actions_.help, tr("He&lp"), "btnCompareHelp");
    QPushButton* close = ButtonFor(actions_.close, tr("&Close"), "btnCompareClose");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {useButton_, editButton_, renameButton_, deleteButton_, undoButton_, scheduleButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    CreateMenus();
    layout->setMenuBar(menuBar_);
    layout->addLayout(top);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    connect(horizon_, &QSpinBox::valueChanged, this, [this](int years) {
        platform::RunGuarded([this, years] {
            wantedHorizon_ = years; // kept across reloads, which come with every activation
            model_->SetHorizonYears(years);
            KeepSetting(QStringLiteral("horizon_years"), QString::number(years));
        });
    });
    connect(savings_, &QDoubleSpinBox::valueChanged, this, [this](double percent) {
        platform::RunGuarded([this, percent] {
            model_->SetSavingsPercent(percent);
            KeepSetting(QStringLiteral("savings_percent"), QString::number(percent, 'f', 2));
        });
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, Guarded([this] {
                UpdateControls();
                emit SelectedOfferChanged();
            }));
    connect(table_, &QAbstractItemView::doubleClicked, this, Guarded([this] { OpenSchedule(); }));
    connect(model_, &QAbstractItemModel::modelReset, this, Guarded([this] { RefreshChart(); }));
    connect(model_, &QAbstractItemModel::dataChanged, this,
            Guarded([this] { chart_->SetHorizon(model_->HorizonYears()); }));

    RestoreSettings();
    Reload();
    resize(860, 600);
}

void CompareWindow::RestoreSettings() {
    // Saved as plain "C" numbers; anything else is ignored and the defaults stand.
    bool ok = false;
    if (const auto years = store_.Setting(QStringLiteral("horizon_years"))) {
        const int value = years->toInt(&ok);
        if (ok && value >= 1 && value <= 1000)
            wantedHorizon_ = value;
    }
    if (const auto savings = store_.Setting(QStringLiteral("savings_percent"))) {
        const double value = savings->toDouble(&ok);
        if (ok && value >= savings_->minimum() && value <= savings_->maximum()) {
            const QSignalBlocker block(savings_);
            savings_->setValue(value);
        }
    }
    model_->SetSavingsPercent(savings_->value());
}

void CompareWindow::KeepSetting(const QString& key, const QString& value) {
    // Losing a preference is not worth a message box each time a field changes.
    if (store_.Setting(key) != value)
        store_.SetSetting(key, value);
}

void CompareWindow::CreateActions() {
    actions_.use = NewAction(this, tr("&Use in Calculator"), QKeySequence(Qt::CTRL | Qt::Key_U));
    actions_.edit = NewAction(this, tr("&Edit..."), QKeySequence(Qt::CTRL | Qt::Key_D));
    actions_.rename = NewAction(this, tr("&Rename..."), QKeySequence(Qt::Key_F2));
    actions_.remove = NewAction(this, tr("&Delete"), QKeySequence(QKeySequence::Delete));
    actions_.undo = NewAction(this, tr("U&ndo Delete"), QKeySequence(QKeySequence::Undo));
    actions_.schedule = NewAction(this, tr("&Schedule..."), QKeySequence(Qt::CTRL | Qt::Key_H));
    actions_.importEstimate =
        NewAction(this, tr("Import &Loan Estimate..."), QKeySequence(Qt::CTRL | Qt::Key_I));
    actions_.help = NewAction(this, tr("&Comparing Offers"), QKeySequence::HelpContents);
    actions_.close = NewAction(this, tr("&Close"), QKeySequence::Close);
    actions_.offersTab = NewAction(this, tr("&Offers"), QKeySequence(Qt::CTRL | Qt::Key_1));
    actions_.costChart = NewAction(this, tr("&Cost Chart"), QKeySequence(Qt::CTRL | Qt::Key_2));
    actions_.balanceChart =
        NewAction(this, tr("&Balance Chart"), QKeySequence(Qt::CTRL | Qt::Key_3));
    // Escape closes the window too; it is not one of the calculator's dialogs.
    actions_.close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});

    connect(actions_.use, &QAction::triggered, this, Guarded([this] { UseSelected(); }));
    connect(actions_.edit, &QAction::triggered, this, Guarded([this] {
                if (const auto offer = SelectedOffer())
                    emit EditOfferRequested(offer->id);
            }));
    connect(actions_.rename, &QAction::triggered, this, Guarded([this] { RenameSelected(); }));
    connect(actions_.remove, &QAction::triggered, this, Guarded([this] { DeleteSelected(); }));
    connect(actions_.undo, &QAction::triggered, this, Guarded([this] { UndoDelete(); }));
    connect(actions_.schedule, &QAction::triggered, this, Guarded([this] { OpenSchedule(); }));
    connect(actions_.importEstimate, &QAction::triggered, this,
            Guarded([this] { emit ImportRequested(); }));
    connect(actions_.help, &QAction::triggered, this,
            Guarded([] { platform::TheHelp().ShowContext(help::kCompareOffersContext); }));
    connect(actions_.close, &QAction::triggered, this, Guarded([this] { close(); }));
    connect(actions_.offersTab, &QAction::triggered, this,
            Guarded([this] { tabs_->setCurrentIndex(0); }));
    connect(actions_.costChart, &QAction::triggered, this, Guarded([this] {
                tabs_->setCurrentWidget(chart_);
                chart_->ShowView(CostChart::View::Cost);
            }));
    connect(actions_.balanceChart, &QAction::triggered, this, Guarded([this] {
                tabs_->setCurrentWidget(chart_);
                chart_->ShowView(CostChart::View::Balance);
            }));
}

void CompareWindow::CreateMenus() {
    menuBar_ = new QMenuBar(this);
    QMenu* file = menuBar_->addMenu(tr("&File"));
    file->addAction(actions_.schedule);
    file->addAction(actions_.importEstimate);
    file->addSeparator();
    actions_.output = output::AddOutputActions(
        *file, *this, tr("Offers compared"), [this] { return Csv(); },
        [this] { return Document(); });
    file->addSeparator();
    file->addAction(actions_.close);

    QMenu* offer = menuBar_->addMenu(tr("&Offer"));
    for (QAction* action :
         {actions_.use, actions_.edit, actions_.rename, actions_.remove, actions_.undo})
        offer->addAction(action);

    QMenu* view = menuBar_->addMenu(tr("&View"));
    for (QAction* action : {actions_.offersTab, actions_.costChart, actions_.balanceChart})
        view->addAction(action);

    QMenu* help = menuBar_->addMenu(tr("&Help"));
    help->addAction(actions_.help);
}

QPushButton* CompareWindow::ButtonFor(QAction* action, const QString& text,
                                      const char* objectName) {
    // The button's own mnemonic differs from the menu item's text where both are in view.
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setEnabled(action->isEnabled());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    return button;
}

bool CompareWindow::eventFilter(QObject* watched, QEvent* event) {
    // The years field would take Ctrl+E, Ctrl+U and the like as line-editing keys; the window's
    // commands come first, plain editing keys stay the field's.
    if ((watched == horizon_ || watched == savings_) && event->type() == QEvent::ShortcutOverride) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!IsEditingKey(key)) {
            const QKeySequence pressed(key.keyCombination());
            for (const QAction* action : actions()) {
                for (const QKeySequence& shortcut : action->shortcuts()) {
                    if (shortcut == pressed) {
                        event->ignore();
                        return true;
                    }
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CompareWindow::Reload() {
    const auto selected = SelectedOffer();
    auto offers = store_.All();
    if (store_.ReadFailed()) {
        // What was read before stays on show; a busy file is tried again without waiting here.
        status_->setText(store_.Busy() ? tr("The kept offers are in use by another program; "
                                            "the list is read again in a moment.")
                                       : store_.Error());
        status_->show();
        empty_->hide();
        if (store_.Busy())
            retry_->start();
        return;
    }
    status_->setText(store_.Notice());
    status_->setVisible(!store_.Notice().isEmpty());
    ShowOffers(std::move(offers), selected ? std::optional<qint64>(selected->id) : std::nullopt);
}

void CompareWindow::ShowOffers(std::vector<KeptOffer> offers, std::optional<qint64> select) {
    model_->SetOffers(std::move(offers));
    {
        // The range follows the longest term; the years asked for come back when it allows.
        const QSignalBlocker block(horizon_);
        horizon_->setRange(1, model_->LongestTermYears());
        horizon_->setValue(wantedHorizon_);
    }
    model_->SetHorizonYears(horizon_->value());
    table_->resizeColumnsToContents();
    breakEven_->clear();
    breakEven_->addItems(model_->BreakEvenTexts());
    if (model_->columnCount() > 0) {
        int column = 0;
        for (int i = 0; select && i < model_->columnCount(); ++i)
            if (model_->Offer(i).id == *select)
                column = i;
        table_->selectColumn(column);
    }
    UpdateControls();
    emit SelectedOfferChanged();
}

void CompareWindow::RefreshChart() {
    std::vector<ChartOffer> offers;
    for (int i = 0; i < model_->columnCount(); ++i) {
        // The loan costs as the comparison counts them, from the same Loan Estimate figures the
        // schedule window shows, so the chart's insurance ends where the schedule's does.
        const auto column = static_cast<std::size_t>(i);
        const OfferFigures& figures = model_->Figures(i);
        offers.push_back({model_->Offer(i).name, model_->Comparison().LoanCosts(column),
                          figures.schedule, figures.insurance});
    }
    chart_->SetOffers(std::move(offers), model_->HorizonYears(), TheLocaleSeparators());
}

std::optional<KeptOffer> CompareWindow::SelectedOffer() const {
    const QModelIndexList columns = table_->selectionModel()->selectedColumns();
    if (columns.isEmpty() || columns.first().column() >= model_->columnCount())
        return std::nullopt;
    return model_->Offer(columns.first().column());
}

void CompareWindow::SelectOffer(qint64 id) {
    for (int i = 0; i < model_->columnCount(); ++i)
        if (model_->Offer(i).id == id)
            table_->selectColumn(i);
}

void CompareWindow::UpdateControls() {
    const bool any = model_->columnCount() > 0;
    const bool selected = SelectedOffer().has_value();
    empty_->setVisible(!any);
    for (QAction* action :
         {actions_.use, actions_.edit, actions_.rename, actions_.remove, actions_.schedule})
        action->setEnabled(selected);
    actions_.undo->setEnabled(!deleted_.empty());
}

void CompareWindow::Report(const QString& text) {
    platform::TheMessages().Show(this, platform::MessageIcon::Information, tr("Information"), text);
}

void CompareWindow::RenameSelected() {
    const auto offer = SelectedOffer();
    if (!offer)
        return;
    std::optional<QString> answer;
    if (AskForName) {
        answer = AskForName(offer->name);
    } else {
        bool ok = false;
        const QString text =
            QInputDialog::getText(this, tr("Rename Offer"), tr("&Name (the lender):"),
                                  QLineEdit::Normal, offer->name, &ok);
        if (ok)
            answer = text;
    }
    if (!answer)
        return;
    const QString name = answer->trimmed();
    if (name.isEmpty() || name.size() > store::kMaxOfferName) {
        Report(tr("A name must have 1 to %n characters; the offer keeps its name.", nullptr,
                  store::kMaxOfferName));
        return;
    }
    if (!store_.Rename(offer->id, name))
        Report(store_.Error());
    Reload();
}

void CompareWindow::DeleteSelected() {
    const auto offer = SelectedOffer();
    if (!offer)
        return;
    if (!store_.Remove(offer->id)) {
        Report(store_.Error());
        Reload();
        return;
    }
    deleted_.push_back(*offer);
    Reload();
}

void CompareWindow::UndoDelete() {
    if (deleted_.empty())
        return;
    const KeptOffer offer = deleted_.back();
    if (!store_.Restore(offer)) {
        Report(store_.Error());
        return;
    }
    deleted_.pop_back();
    Reload();
    SelectOffer(offer.id);
}

void CompareWindow::UseSelected() {
    if (const auto offer = SelectedOffer())
        emit UseInCalculator(offer->inputs);
}

schedule::ScheduleWindow* CompareWindow::OpenSchedule() {
    const auto offer = SelectedOffer();
    if (!offer)
        return nullptr;
    // The offer's Loan Estimate says the loan, rate, term and insurance the schedule lays out.
    const OfferFigures figures = FigureOffer(store::EstimateOf(*offer));
    auto* window =
        new schedule::ScheduleWindow(offer->name, figures.terms.ratePercent, figures.schedule,
                                     figures.insurance, TheLocaleSeparators(), this);
    window->show();
    return window;
}

std::string CompareWindow::Csv() const {
    return ComparisonCsv(*model_);
}

output::OutputDocument CompareWindow::Document() const {
    return ComparisonDocument(*model_, *chart_);
}

void CompareWindow::changeEvent(QEvent* event) {
    // Coming back to the window shows what other running copies kept meanwhile; the first
    // activation follows the opening, which has just read them.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (activatedBefore_)
            platform::RunGuarded([this] { Reload(); });
        activatedBefore_ = true;
    }
    QWidget::changeEvent(event);
}

} // namespace plumcrest::compare
