#include "CompareWindow.h"

#include "CompareModel.h"
#include "ComparisonExport.h"
#include "CostChart.h"
#include "CostLines.h"
#include "ExtraPlanDialog.h"
#include "FigureText.h"
#include "FlowLayout.h"
#include "Guarded.h"
#include "HelpContexts.h"
#include "LocaleSettings.h"
#include "OfferCalculator.h"
#include "OfferFigures.h"
#include "OfferHeader.h"
#include "OfferStore.h"
#include "ScheduleWindow.h"
#include "Services.h"
#include "Translations.h"
#include "WhatIf.h"
#include "WheelGuard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
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
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace plumcrest::compare {

using platform::Guarded;
using store::KeptOffer;

namespace {

QAction* NewAction(QWidget* window, const char* source, const QKeySequence& shortcut) {
    auto* action = new QAction(window);
    translations::Live(action, [action, source] { action->setText(CompareWindow::tr(source)); });
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

double Luminance(const QColor& colour) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// A table that tells a screen reader its current cell has the focus only when it has: the
// current cell moves when offers are ticked in the list beside it, and the focus stays there.
class OffersTable final : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        if (hasFocus())
            QTableView::currentChanged(current, previous);
        else
            QAbstractItemView::currentChanged(current, previous);
    }
};

// The Compare window reads as a window to a screen reader, with its title as its name.
QAccessibleInterface* CompareWindowFactory(const QString&, QObject* object) {
    if (auto* window = qobject_cast<CompareWindow*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette ReadableSelection(QPalette palette) {
    // The selected offer's column must stay readable: its text on the highlight at 4.5:1 or
    // more, the highlight darkened under light text and lightened under dark text.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor text = palette.color(group, QPalette::HighlightedText);
        QColor back = palette.color(group, QPalette::Highlight);
        const bool lightText = Luminance(text) > 0.5;
        for (int step = 0; step < 40 && ContrastRatio(text, back) < kReadableContrast; ++step) {
            float h = 0, s = 0, l = 0, a = 0;
            back.getHslF(&h, &s, &l, &a);
            back.setHslF(h, s, std::clamp(l + (lightText ? -0.025F : 0.025F), 0.0F, 1.0F), a);
        }
        palette.setColor(group, QPalette::Highlight, back);
    }
    return palette;
}

CompareWindow::CompareWindow(store::OfferStore& store, QWidget* owner)
    : QWidget(owner, Qt::Window), store_(store) {
    static const bool accessible = [] {
        QAccessible::installFactory(&CompareWindowFactory);
        return true;
    }();
    (void)accessible;
    setObjectName(QStringLiteral("frmCompare"));
    translations::Live(this, [=, this] { setWindowTitle(tr("Compare Offers")); });
    setAttribute(Qt::WA_DeleteOnClose);

    model_ = new CompareModel(TheLocaleSeparators(), this);
    CreateActions();

    auto* horizonLabel = new QLabel(this);
    translations::Live(horizonLabel, [w = horizonLabel] {
        w->setText(tr("&Years you expect to keep this loan:"));
    });
    horizon_ = new QSpinBox(this);
    horizon_->setObjectName(QStringLiteral("edtHorizon"));
    translations::Live(horizon_, [=, this] {
        horizon_->setAccessibleName(tr("Years you expect to keep this loan"));
    });
    horizon_->setRange(1, 1);
    horizon_->installEventFilter(this);
    horizonLabel->setBuddy(horizon_);
    auto* savingsLabel = new QLabel(this);
    translations::Live(savingsLabel, [w = savingsLabel] { w->setText(tr("Your savings e&arn:")); });
    savings_ = new QDoubleSpinBox(this);
    savings_->setObjectName(QStringLiteral("edtSavingsRate"));
    translations::Live(savings_, [=, this] {
        savings_->setAccessibleName(tr("Your savings earn, percent a year"));
    });
    translations::Live(savings_, [=, this] {
        savings_->setToolTip(tr("What your money would earn a year if it were not paid to the "
                                "lender: the fair cost counts it"));
    });
    savings_->setRange(0, 20);
    savings_->setDecimals(2);
    savings_->setSingleStep(0.25);
    translations::Live(savings_, [=, this] { savings_->setSuffix(tr(" % a year")); });
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

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("lblVerdict"));
    // Named by the verdict itself, as every figure is; what it answers is its description.
    translations::Live(verdict_, [=, this] {
        verdict_->setAccessibleDescription(tr("Which offer is best for you"));
    });
    // It quotes the offers' names: shown as written.
    verdict_->setTextFormat(Qt::PlainText);
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    costLines_ = new CostLines(this);

    table_ = new OffersTable(this);
    // Long names wrap in the header, not cut at the column's edge.
    table_->setHorizontalHeader(new OfferHeader(table_));
    table_->setObjectName(QStringLiteral("tblOffers"));
    translations::Live(table_, [=, this] { table_->setAccessibleName(tr("Kept offers")); });
    table_->setModel(model_);
    table_->setPalette(ReadableSelection(palette()));
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Long names and texts wrap within a bounded column instead of pushing the others away.
    table_->setWordWrap(true);
    // Tab moves on to the next control; the arrow keys move within the table.
    table_->setTabKeyNavigation(false);
    // Sized to the contents when the offers are read; a new horizon never needs more room, as
    // no cost over part of the term is longer than the cost over all of it.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    breakEven_ = new QListWidget(this);
    breakEven_->setObjectName(QStringLiteral("lstBreakEven"));
    translations::Live(breakEven_, [=, this] { breakEven_->setAccessibleName(tr("Break-even")); });
    // Long texts wrap: none is cut at the list's edge.
    breakEven_->setWordWrap(true);
    // The title stays short, as a group box's title never wraps; its explanation does.
    auto* breakEvenBox = new QGroupBox(this);
    translations::Live(breakEvenBox, [w = breakEvenBox] { w->setTitle(tr("Break-even months")); });
    auto* breakEvenNote = new QLabel(breakEvenBox);
    translations::Live(breakEvenNote, [breakEvenNote] {
        breakEvenNote->setText(tr("From which month the lower rate has cost less (loan costs plus "
                                  "interest and mortgage insurance paid so far)"));
    });
    breakEvenNote->setWordWrap(true);
    reference_ = new QComboBox(this);
    reference_->setObjectName(QStringLiteral("cboBreakEvenAgainst"));
    translations::Live(reference_,
                       [=, this] { reference_->setAccessibleName(tr("Break-even against")); });
    reference_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* referenceLabel = new QLabel(this);
    translations::Live(referenceLabel, [w = referenceLabel] { w->setText(tr("A&gainst:")); });
    referenceLabel->setBuddy(reference_);
    auto* referenceRow = new QHBoxLayout;
    referenceRow->addWidget(referenceLabel);
    referenceRow->addWidget(reference_, 1);
    auto* breakEvenLayout = new QVBoxLayout(breakEvenBox);
    breakEvenLayout->addWidget(breakEvenNote);
    breakEvenLayout->addLayout(referenceRow);
    breakEvenLayout->addWidget(breakEven_);

    choice_ = new QListWidget(this);
    choice_->setObjectName(QStringLiteral("lstCompared"));
    translations::Live(choice_, [=, this] { choice_->setAccessibleName(tr("Offers to compare")); });
    choice_->setPalette(ReadableSelection(palette()));
    breakEven_->setPalette(ReadableSelection(palette()));
    translations::Live(choice_, [=, this] {
        choice_->setToolTip(tr("Tick the offers to set side by side; the newest six at first"));
    });
    // Wide enough for a name and its rate; longer names wrap and show whole.
    choice_->setWordWrap(true);
    choice_->setResizeMode(QListView::Adjust);
    choice_->setMinimumWidth(choice_->fontMetrics().averageCharWidth() * 24);
    auto* choiceBox = new QGroupBox(this);
    translations::Live(choiceBox, [w = choiceBox] { w->setTitle(tr("Com&pare")); });
    auto* choiceLayout = new QVBoxLayout(choiceBox);
    choiceLayout->addWidget(choice_);

    empty_ = new QLabel(this);
    translations::Live(empty_, [w = empty_] {
        w->setText(tr("No offers are kept yet. In the calculator, choose File > Keep This "
                      "Offer... for each offer you want to compare."));
    });
    empty_->setObjectName(QStringLiteral("lblNoOffers"));
    empty_->setWordWrap(true);
    status_ = new QLabel(this);
    // It quotes paths and the store's messages: shown as written.
    status_->setTextFormat(Qt::PlainText);
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
    auto* beside = new QSplitter(Qt::Horizontal, this);
    beside->setObjectName(QStringLiteral("splChoice"));
    beside->addWidget(choiceBox);
    beside->addWidget(splitter);
    beside->setStretchFactor(0, 0);
    beside->setStretchFactor(1, 1);
    beside->setSizes({190, 670});
    auto* offersPage = new QWidget(this);
    auto* pageLayout = new QVBoxLayout(offersPage);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(status_);
    pageLayout->addWidget(empty_);
    pageLayout->addWidget(beside, 1);

    chart_ = new CostChart(this);
    chart_->setObjectName(QStringLiteral("chtCompare"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabsCompare"));
    tabs_->addTab(offersPage, QString());
    translations::Live(
        offersPage, [this, w = offersPage] { tabs_->setTabText(tabs_->indexOf(w), tr("Offers")); });
    tabs_->addTab(chart_, QString());
    translations::Live(chart_,
                       [this, w = chart_] { tabs_->setTabText(tabs_->indexOf(w), tr("Char&t")); });

    // Points or credits, and keep or refinance: sentences, as the verdict is.
    const auto sentences = [this](const char* objectName, const char* accessible) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(objectName));
        translations::Live(label,
                           [label, accessible] { label->setAccessibleName(tr(accessible)); });
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    pointsText_ = sentences("lblPointsCredits", QT_TR_NOOP("Points or credits"));
    auto* pointsScroll = new QScrollArea(this);
    pointsScroll->setWidgetResizable(true);
    pointsScroll->setWidget(pointsText_);
    tabs_->addTab(pointsScroll, QString());
    translations::Live(pointsScroll, [this, w = pointsScroll] {
        tabs_->setTabText(tabs_->indexOf(w), tr("Points or Cred&its"));
    });

    const auto money = [this](const char* objectName, const char* accessible) {
        auto* field = new QDoubleSpinBox(this);
        field->setObjectName(QString::fromLatin1(objectName));
        translations::Live(field,
                           [field, accessible] { field->setAccessibleName(tr(accessible)); });
        field->setRange(0, 99999999.99);
        field->setDecimals(2);
        field->setGroupSeparatorShown(true);
        return field;
    };
    currentBalance_ = money("edtCurrentBalance", QT_TR_NOOP("Balance owed on the loan you have"));
    currentRate_ = new QDoubleSpinBox(this);
    currentRate_->setObjectName(QStringLiteral("edtCurrentRate"));
    translations::Live(currentRate_, [=, this] {
        currentRate_->setAccessibleName(tr("Rate of the loan you have, percent a year"));
    });
    currentRate_->setRange(0, 99.9999);
    currentRate_->setDecimals(4);
    currentRate_->setSingleStep(0.125);
    translations::Live(currentRate_, [=, this] { currentRate_->setSuffix(tr(" %")); });
    currentMonths_ = new QSpinBox(this);
    currentMonths_->setObjectName(QStringLiteral("edtCurrentMonthsLeft"));
    translations::Live(currentMonths_, [=, this] {
        currentMonths_->setAccessibleName(tr("Payments left on the loan you have"));
    });
    currentMonths_->setRange(0, 11988);
    currentInsurance_ =
        money("edtCurrentInsurance", QT_TR_NOOP("Mortgage insurance a month on the loan you have"));
    refinanceText_ = sentences("lblKeepOrRefinance", QT_TR_NOOP("Keep or refinance"));
    auto* refinancePage = new QWidget(this);
    auto* currentForm = new QFormLayout;
    {
        auto* label = new QLabel(this);
        label->setBuddy(currentBalance_);
        currentForm->addRow(label, currentBalance_);
        translations::Live(
            label, [label] { label->setText(tr("&Balance owed (from your last statement):")); });
    }
    {
        auto* label = new QLabel(this);
        label->setBuddy(currentRate_);
        currentForm->addRow(label, currentRate_);
        translations::Live(label, [label] { label->setText(tr("Interest rate:")); });
    }
    {
        auto* label = new QLabel(this);
        label->setBuddy(currentMonths_);
        currentForm->addRow(label, currentMonths_);
        translations::Live(label, [label] { label->setText(tr("Payments left:")); });
    }
    {
        auto* label = new QLabel(this);
        label->setBuddy(currentInsurance_);
        currentForm->addRow(label, currentInsurance_);
        translations::Live(label, [label] { label->setText(tr("Mortgage insurance a &month:")); });
    }
    auto* currentBox = new QGroupBox(this);
    translations::Live(currentBox, [w = currentBox] { w->setTitle(tr("The loan you have")); });
    currentBox->setLayout(currentForm);
    auto* refinanceLayout = new QVBoxLayout(refinancePage);
    refinanceLayout->addWidget(currentBox);
    refinanceLayout->addWidget(refinanceText_, 1);
    // The loan's fields and the sentences scroll together, so the tab fits a small screen.
    auto* refinanceScroll = new QScrollArea(this);
    for (QWidget* field : std::initializer_list<QWidget*>{currentBalance_, currentRate_,
                                                          currentMonths_, currentInsurance_})
        ScrollPastWhenUnfocused(*field);
    refinanceScroll->setWidgetResizable(true);
    refinanceScroll->setWidget(refinancePage);
    tabs_->addTab(refinanceScroll, QString());
    translations::Live(refinanceScroll, [this, w = refinanceScroll] {
        tabs_->setTabText(tabs_->indexOf(w), tr("&Keep or Refinance"));
    });

    // Created in the order they stand, so Tab follows their places.
    useButton_ = ButtonFor(actions_.use, QT_TR_NOOP("&Use in Calculator"), "btnUseInCalculator");
    editButton_ = ButtonFor(actions_.edit, QT_TR_NOOP("&Edit..."), "btnEditOffer");
    renameButton_ = ButtonFor(actions_.rename, QT_TR_NOOP("&Rename..."), "btnRename");
    deleteButton_ = ButtonFor(actions_.remove, QT_TR_NOOP("&Delete"), "btnDelete");
    undoButton_ = ButtonFor(actions_.undo, nullptr, "btnUndoDelete");
    undoButton_->setText(actions_.undo->text());
    // The button names what it takes back, as the menu item does.
    connect(actions_.undo, &QAction::changed, undoButton_,
            [this] { undoButton_->setText(actions_.undo->text()); });
    scheduleButton_ = ButtonFor(actions_.schedule, QT_TR_NOOP("&Schedule..."), "btnSchedule");
    QPushButton* help = ButtonFor(actions_.help, QT_TR_NOOP("He&lp"), "btnCompareHelp");
    QPushButton* close = ButtonFor(actions_.close, QT_TR_NOOP("&Close"), "btnCompareClose");
    // The buttons wrap onto a second row in a narrow window rather than leave it.
    auto* buttons = new FlowLayout;
    for (QPushButton* button :
         {useButton_, editButton_, renameButton_, deleteButton_, undoButton_, scheduleButton_})
        buttons->addWidget(button);
    buttons->AddTrailing();
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    CreateMenus();
    layout->setMenuBar(menuBar_);
    layout->addLayout(top);
    // The verdict and its lines scroll on a small screen, so the table and buttons stay in view.
    auto* verdictPage = new QWidget;
    auto* verdictLayout = new QVBoxLayout(verdictPage);
    verdictLayout->setContentsMargins(0, 0, 0, 0);
    verdictLayout->addWidget(verdict_);
    verdictLayout->addWidget(costLines_);
    verdictArea_ = new QScrollArea(this);
    verdictArea_->setFrameShape(QFrame::NoFrame);
    verdictArea_->setWidgetResizable(true);
    verdictArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verdictArea_->setWidget(verdictPage);
    verdictArea_->setMinimumHeight(fontMetrics().lineSpacing());
    translations::Live(verdictArea_, [=, this] { verdictArea_->setAccessibleName(tr("Verdict")); });
    layout->addWidget(verdictArea_);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    connect(horizon_, &QSpinBox::valueChanged, this, [this](int years) {
        platform::RunGuarded([this, years] {
            wantedHorizon_ = years; // kept across reloads, which come with every activation
            model_->SetHorizonYears(years);
            KeepFieldsSoon();
        });
    });
    connect(savings_, &QDoubleSpinBox::valueChanged, this, [this](double percent) {
        platform::RunGuarded([this, percent] {
            model_->SetSavingsPercent(percent);
            KeepFieldsSoon();
        });
    });
    for (QDoubleSpinBox* field : {currentBalance_, currentRate_, currentInsurance_})
        connect(field, &QDoubleSpinBox::valueChanged, this,
                Guarded([this] { CurrentLoanChanged(); }));
    connect(currentMonths_, &QSpinBox::valueChanged, this,
            Guarded([this] { CurrentLoanChanged(); }));
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, Guarded([this] {
                UpdateControls();
                emit SelectedOfferChanged();
            }));
    connect(table_, &QAbstractItemView::doubleClicked, this, Guarded([this] { OpenSchedule(); }));
    connect(model_, &QAbstractItemModel::modelReset, this, Guarded([this] {
                RefreshChart();
                FillVerdict();
            }));
    connect(model_, &QAbstractItemModel::dataChanged, this, Guarded([this] {
                chart_->SetHorizon(model_->HorizonYears());
                FillVerdict();
                FillBreakEven(); // the cheapest, the default reference, may have changed
            }));
    connect(choice_, &QListWidget::itemChanged, this, Guarded([this] { ChoiceToggled(); }));
    connect(reference_, &QComboBox::activated, this, Guarded([this] {
                const QVariant id = reference_->currentData();
                model_->SetBreakEvenReference(id.isValid() ? std::optional<qint64>(id.toLongLong())
                                                           : std::nullopt);
                FillBreakEven();
            }));

    keepFields_ = new QTimer(this);
    keepFields_->setSingleShot(true);
    keepFields_->setInterval(400);
    connect(keepFields_, &QTimer::timeout, this, Guarded([this] { KeepFields(); }));

    RestoreSettings();
    Reload();
    // A change of language retells the comparison from the kept offers; what is typed stays.
    connect(&translations::LanguageNotifier::Instance(),
            &translations::LanguageNotifier::LanguageChanged, this, Guarded([this] {
                Reload();
                chart_->update();
            }));
    resize(860, 600);
}

void CompareWindow::PlaceWithin(const QWidget& owner) {
    const QScreen* screen = owner.screen();
    if (!screen) {
        move(owner.frameGeometry().topLeft() + QPoint(32, 32));
        return;
    }
    const QRect area = screen->availableGeometry();
    // The frame is the window manager's; the owner's shows how much it adds.
    const QSize frame = owner.isVisible() ? owner.frameGeometry().size() - owner.size() : QSize();
    FitToRows();
    const QSize room = area.size() - frame;
    resize(std::min(width(), room.width()), std::min(height(), room.height()));
    const QSize outer = size() + frame;
    QPoint at = owner.frameGeometry().topLeft() + QPoint(32, 32);
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    move(at);
}

void CompareWindow::FitToRows() {
    // Grows the window until the table shows every row without a vertical scroll bar; the
    // caller keeps it within the screen.
    auto* layout = this->layout();
    for (int step = 0; step < 4 && layout; ++step) {
        layout->activate();
        if (QLayout* page = tabs_->widget(0)->layout())
            page->activate();
        for (QSplitter* splitter : findChildren<QSplitter*>())
            splitter->refresh();
        const int wanted = table_->horizontalHeader()->height() +
                           table_->verticalHeader()->length() + 2 * table_->frameWidth() +
                           (table_->horizontalScrollBar()->maximum() > 0
                                ? table_->horizontalScrollBar()->sizeHint().height()
                                : 0);
        const int missing = wanted - table_->height();
        if (missing <= 0)
            break;
        resize(width(), height() + missing);
    }
}

void CompareWindow::ReadChoice() {
    // The offers compared are kept by id in the settings, with the newest id seen then: an
    // offer kept later joins the comparison when it first appears.
    chosen_.clear();
    const auto saved = store_.Setting(QStringLiteral("compared_offers"));
    const auto through = store_.Setting(QStringLiteral("compared_through_id"));
    if (!saved || !through) {
        for (std::size_t i = 0; i < all_.size() && i < kComparedAtFirst; ++i)
            chosen_.push_back(all_[i].id);
        seenThrough_ = 0;
        for (const KeptOffer& offer : all_)
            seenThrough_ = std::max(seenThrough_, offer.id);
        return;
    }
    bool ok = false;
    const qint64 seen = through->toLongLong(&ok);
    seenThrough_ = ok ? seen : 0;
    std::vector<qint64> ids;
    for (const QString& part : saved->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qint64 id = part.toLongLong(&ok);
        if (ok)
            ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    for (const KeptOffer& offer : all_)
        if (offer.id > seenThrough_ || std::binary_search(ids.begin(), ids.end(), offer.id))
            chosen_.push_back(offer.id);
}

void CompareWindow::FillChoiceList() {
    const QSignalBlocker block(choice_);
    choice_->setUpdatesEnabled(false);
    choice_->clear();
    std::vector<qint64> sorted = chosen_;
    std::sort(sorted.begin(), sorted.end());
    for (const KeptOffer& offer : all_) {
        const QString rate =
            FigureText(offer.estimate.noteRate, MaskKind::Rate, TheLocaleSeparators());
        // An offer whose Closing Disclosure was checked says so where every offer is listed.
        auto* item = new QListWidgetItem(
            offer.closingChecked ? tr("%1 (%2 %), Closing Disclosure checked").arg(offer.name, rate)
                                 : tr("%1 (%2 %)").arg(offer.name, rate),
            choice_);
        item->setData(Qt::UserRole, offer.id);
        item->setToolTip(PlainToolTip(offer.name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(std::binary_search(sorted.begin(), sorted.end(), offer.id)
                                ? Qt::Checked
                                : Qt::Unchecked);
    }
    choice_->setUpdatesEnabled(true);
}

void CompareWindow::ChoiceToggled() {
    chosen_.clear();
    QStringList ids;
    for (int i = 0; i < choice_->count(); ++i) {
        const QListWidgetItem* item = choice_->item(i);
        if (item->checkState() == Qt::Checked) {
            chosen_.push_back(item->data(Qt::UserRole).toLongLong());
            ids << QString::number(chosen_.back());
        }
    }
    for (const KeptOffer& offer : all_)
        seenThrough_ = std::max(seenThrough_, offer.id);
    KeepSetting(QStringLiteral("compared_offers"), ids.join(QLatin1Char(',')));
    KeepSetting(QStringLiteral("compared_through_id"), QString::number(seenThrough_));
    const auto selected = SelectedOffer();
    ShowChosen(selected ? std::optional<qint64>(selected->id) : std::nullopt);
}

void CompareWindow::ShowChosen(std::optional<qint64> select) {
    std::vector<qint64> sorted = chosen_;
    std::sort(sorted.begin(), sorted.end());
    std::vector<KeptOffer> compared;
    for (const KeptOffer& offer : all_)
        if (std::binary_search(sorted.begin(), sorted.end(), offer.id))
            compared.push_back(offer);
    ShowOffers(std::move(compared), select);
}

void CompareWindow::FillBreakEven() {
    {
        const QSignalBlocker block(reference_);
        const QVariant wanted = reference_->currentData();
        reference_->clear();
        reference_->addItem(tr("The cheapest"));
        for (int i = 0; i < model_->columnCount(); ++i)
            reference_->addItem(model_->Offer(i).name, model_->Offer(i).id);
        const int at = wanted.isValid() ? reference_->findData(wanted) : 0;
        reference_->setCurrentIndex(std::max(0, at));
        if (at < 0)
            model_->SetBreakEvenReference(std::nullopt);
    }
    breakEven_->clear();
    breakEven_->addItems(model_->BreakEvenTexts());
}

void CompareWindow::FillVerdict() {
    const QStringList lines = model_->VerdictTexts();
    verdict_->setText(lines.join(QLatin1Char(' ')));
    verdict_->setVisible(!lines.isEmpty());
    const VerdictFacts facts = model_->Facts();
    std::vector<CostLines::Line> costs;
    for (int i = 0; i < model_->columnCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        CostLines::Line line;
        line.name = model_->Offer(i).name;
        if (at < facts.series.size())
            line.cost = facts.series[at];
        line.best = facts.best == at;
        const auto h = static_cast<std::size_t>(facts.horizonMonths);
        if (h < line.cost.size())
            line.summary =
                tr("%1: %2 over %3, with savings earning %4 %")
                    .arg(line.name, Verdict::DollarsText(line.cost[h], TheLocaleSeparators()),
                         Verdict::MonthsText(facts.horizonMonths),
                         PercentText(facts.savingsPercent, 2, TheLocaleSeparators()));
        costs.push_back(std::move(line));
    }
    costLines_->SetLines(costs, facts.horizonMonths);
    costLines_->setVisible(costLines_->LineCount() > 1);
    verdictArea_->setVisible(!verdict_->isHidden() || !costLines_->isHidden());
    const QStringList points = model_->PointsTexts();
    pointsText_->setText(
        points.isEmpty()
            ? tr("No offer here has other rates to weigh. Type the points or the credit a lender "
                 "quotes for another rate in Edit..., or keep two offers of one lender for the "
                 "same loan at different rates.")
            : points.join(QStringLiteral("\n\n")));
    const QStringList refinance = model_->RefinanceTexts();
    translations::Live(refinanceText_, [=, this] {
        refinanceText_->setText(
            refinance.isEmpty()
                ? tr("No refinance offer is compared. A Loan Estimate whose purpose is Refinance, "
                     "imported or typed, is set here against the loan you have.")
                : refinance.join(QStringLiteral("\n\n")));
    });
}

void CompareWindow::CurrentLoanChanged() {
    CurrentLoan loan;
    loan.balance = currentBalance_->value();
    loan.ratePercent = currentRate_->value();
    loan.monthsLeft = currentMonths_->value();
    loan.insuranceMonthly = currentInsurance_->value();
    model_->SetCurrentLoan(loan);
    FillVerdict();
    KeepFieldsSoon();
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
    {
        // The loan the buyer has, each figure as it was left.
        const auto restore = [this](const char* key, auto* field) {
            bool read = false;
            if (const auto text = store_.Setting(QString::fromLatin1(key))) {
                const double value = text->toDouble(&read);
                if (read && value >= field->minimum() && value <= field->maximum()) {
                    const QSignalBlocker block(field);
                    field->setValue(value);
                }
            }
        };
        restore("current_balance", currentBalance_);
        restore("current_rate", currentRate_);
        restore("current_months_left", currentMonths_);
        restore("current_insurance_monthly", currentInsurance_);
        CurrentLoan loan;
        loan.balance = currentBalance_->value();
        loan.ratePercent = currentRate_->value();
        loan.monthsLeft = currentMonths_->value();
        loan.insuranceMonthly = currentInsurance_->value();
        model_->SetCurrentLoan(loan);
    }
    // A plan this version cannot read is left in the file and not applied.
    if (const auto text = store_.Setting(QStringLiteral("extra_plan")))
        if (const auto plan = ParseExtraPlan(text->toStdString()))
            model_->SetExtraPlan(*plan);
}

void CompareWindow::ApplyExtraPlan(const ExtraPayments& plan) {
    model_->SetExtraPlan(plan);
    KeepSetting(QStringLiteral("extra_plan"), QString::fromStdString(ExtraPlanText(plan)));
    Reload();
}

CompareWindow::~CompareWindow() {
    if (keepFields_->isActive())
        platform::RunGuarded([this] { KeepFields(); });
}

void CompareWindow::KeepFieldsSoon() {
    // A write waits for the file on disk: holding a key down on a spin box would wait for it at
    // every step, so the fields are kept once they have rested a moment, and when the window goes.
    keepFields_->start();
}

void CompareWindow::KeepFields() {
    keepFields_->stop();
    KeepSetting(QStringLiteral("horizon_years"), QString::number(wantedHorizon_));
    KeepSetting(QStringLiteral("savings_percent"), QString::number(savings_->value(), 'f', 2));
    KeepSetting(QStringLiteral("current_balance"),
                QString::number(currentBalance_->value(), 'f', 2));
    KeepSetting(QStringLiteral("current_rate"), QString::number(currentRate_->value(), 'f', 4));
    KeepSetting(QStringLiteral("current_months_left"), QString::number(currentMonths_->value()));
    KeepSetting(QStringLiteral("current_insurance_monthly"),
                QString::number(currentInsurance_->value(), 'f', 2));
}

void CompareWindow::KeepSetting(const QString& key, const QString& value) {
    // Losing a preference is not worth a message box each time a field changes.
    if (store_.Setting(key) != value)
        store_.SetSetting(key, value);
}

void CompareWindow::CreateActions() {
    actions_.use =
        NewAction(this, QT_TR_NOOP("&Use in Calculator"), QKeySequence(Qt::CTRL | Qt::Key_U));
    actions_.edit = NewAction(this, QT_TR_NOOP("&Edit..."), QKeySequence(Qt::CTRL | Qt::Key_D));
    actions_.rename = NewAction(this, QT_TR_NOOP("&Rename..."), QKeySequence(Qt::Key_F2));
    actions_.remove = NewAction(this, QT_TR_NOOP("&Delete"), QKeySequence(QKeySequence::Delete));
    actions_.undo = NewAction(this, QT_TR_NOOP("U&ndo"), QKeySequence(QKeySequence::Undo));
    actions_.redo = NewAction(this, QT_TR_NOOP("Red&o"), QKeySequence(QKeySequence::Redo));
    actions_.saveOffers =
        NewAction(this, QT_TR_NOOP("Save Offers &As..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    actions_.openOffers =
        NewAction(this, QT_TR_NOOP("&Open Offers..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    actions_.schedule =
        NewAction(this, QT_TR_NOOP("&Schedule..."), QKeySequence(Qt::CTRL | Qt::Key_H));
    actions_.importEstimate =
        NewAction(this, QT_TR_NOOP("Import &Loan Estimate..."), QKeySequence(Qt::CTRL | Qt::Key_I));
    actions_.checkClosing = NewAction(this, QT_TR_NOOP("Check &Closing Disclosure..."),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    actions_.reopenClosing = NewAction(this, QT_TR_NOOP("Closing Disclosure Chec&k"),
                                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    actions_.help = NewAction(this, QT_TR_NOOP("&Comparing Offers"), QKeySequence::HelpContents);
    actions_.verdictHelp =
        NewAction(this, QT_TR_NOOP("&Which Offer Is Best"), QKeySequence(Qt::CTRL | Qt::Key_F1));
    actions_.pointsHelp = NewAction(this, QT_TR_NOOP("&Points or Credits"),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));
    actions_.refinanceHelp = NewAction(this, QT_TR_NOOP("&Keep or Refinance"),
                                       QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F1));
    actions_.close = NewAction(this, QT_TR_NOOP("&Close"), QKeySequence::Close);
    actions_.offersTab = NewAction(this, QT_TR_NOOP("&Offers"), QKeySequence(Qt::CTRL | Qt::Key_1));
    actions_.costChart =
        NewAction(this, QT_TR_NOOP("&Cost Chart"), QKeySequence(Qt::CTRL | Qt::Key_2));
    actions_.balanceChart =
        NewAction(this, QT_TR_NOOP("&Balance Chart"), QKeySequence(Qt::CTRL | Qt::Key_3));
    actions_.extraPlan = NewAction(this, QT_TR_NOOP("&Extra Payments for All Offers..."),
                                   QKeySequence(Qt::CTRL | Qt::Key_R));
    actions_.clearPlan = NewAction(this, QT_TR_NOOP("&No Extra Payments"),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    // Escape closes the window too; it is not one of the calculator's dialogs.
    actions_.close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});

    connect(actions_.use, &QAction::triggered, this, Guarded([this] { UseSelected(); }));
    connect(actions_.edit, &QAction::triggered, this, Guarded([this] {
                if (const auto offer = SelectedOffer())
                    emit EditOfferRequested(offer->id);
            }));
    connect(actions_.rename, &QAction::triggered, this, Guarded([this] { RenameSelected(); }));
    connect(actions_.remove, &QAction::triggered, this, Guarded([this] { DeleteSelected(); }));
    connect(actions_.undo, &QAction::triggered, this, Guarded([this] { Undo(); }));
    connect(actions_.redo, &QAction::triggered, this, Guarded([this] { Redo(); }));
    connect(actions_.saveOffers, &QAction::triggered, this,
            Guarded([this] { emit SaveOffersRequested(); }));
    connect(actions_.openOffers, &QAction::triggered, this,
            Guarded([this] { emit OpenOffersRequested(); }));
    connect(actions_.schedule, &QAction::triggered, this, Guarded([this] { OpenSchedule(); }));
    connect(actions_.importEstimate, &QAction::triggered, this,
            Guarded([this] { emit ImportRequested(); }));
    connect(actions_.checkClosing, &QAction::triggered, this,
            Guarded([this] { emit CheckClosingRequested(); }));
    connect(actions_.reopenClosing, &QAction::triggered, this, Guarded([this] {
                if (const auto offer = SelectedOffer(); offer && offer->closingChecked)
                    emit ReopenClosingRequested(offer->id);
            }));
    connect(actions_.help, &QAction::triggered, this,
            Guarded([] { platform::TheHelp().ShowContext(help::kCompareOffersContext); }));
    connect(actions_.verdictHelp, &QAction::triggered, this,
            Guarded([] { platform::TheHelp().ShowContext(help::kVerdictContext); }));
    connect(actions_.pointsHelp, &QAction::triggered, this,
            Guarded([] { platform::TheHelp().ShowContext(help::kPointsCreditsContext); }));
    connect(actions_.refinanceHelp, &QAction::triggered, this,
            Guarded([] { platform::TheHelp().ShowContext(help::kRefinanceContext); }));
    connect(actions_.close, &QAction::triggered, this, Guarded([this] { close(); }));
    connect(actions_.extraPlan, &QAction::triggered, this, Guarded([this] {
                const auto months = static_cast<std::int32_t>(model_->LongestTermYears() * 12);
                std::optional<ExtraPayments> plan;
                if (AskForPlan) {
                    plan = AskForPlan(model_->ExtraPlan(), months);
                } else {
                    schedule::ExtraPlanDialog dialog(model_->ExtraPlan(), months, this);
                    if (dialog.exec() == QDialog::Accepted)
                        plan = dialog.Plan();
                }
                if (plan)
                    ApplyExtraPlan(*plan);
            }));
    connect(actions_.clearPlan, &QAction::triggered, this,
            Guarded([this] { ApplyExtraPlan(ExtraPayments{}); }));
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
    QMenu* file = menuBar_->addMenu(QString());
    translations::Live(file, [w = file] { w->setTitle(tr("&File")); });
    file->addAction(actions_.schedule);
    file->addAction(actions_.importEstimate);
    file->addAction(actions_.checkClosing);
    file->addAction(actions_.openOffers);
    file->addAction(actions_.saveOffers);
    file->addSeparator();
    actions_.output = output::AddOutputActions(
        *file, *this, tr("Offers compared"), [this] { return Csv(); },
        [this] { return Document(); });
    file->addSeparator();
    file->addAction(actions_.close);

    QMenu* offer = menuBar_->addMenu(QString());
    translations::Live(offer, [w = offer] { w->setTitle(tr("&Offer")); });
    for (QAction* action : {actions_.use, actions_.edit, actions_.reopenClosing, actions_.rename,
                            actions_.remove, actions_.undo, actions_.redo})
        offer->addAction(action);

    QMenu* view = menuBar_->addMenu(QString());
    translations::Live(view, [w = view] { w->setTitle(tr("&View")); });
    for (QAction* action : {actions_.offersTab, actions_.costChart, actions_.balanceChart})
        view->addAction(action);

    QMenu* whatIf = menuBar_->addMenu(QString());
    translations::Live(whatIf, [w = whatIf] { w->setTitle(tr("&What If")); });
    whatIf->addAction(actions_.extraPlan);
    whatIf->addAction(actions_.clearPlan);

    QMenu* help = menuBar_->addMenu(QString());
    translations::Live(help, [w = help] { w->setTitle(tr("&Help")); });
    help->addAction(actions_.help);
    help->addAction(actions_.verdictHelp);
    help->addAction(actions_.pointsHelp);
    help->addAction(actions_.refinanceHelp);
}

QPushButton* CompareWindow::ButtonFor(QAction* action, const char* source, const char* objectName) {
    // The button's own mnemonic differs from the menu item's text where both are in view.
    auto* button = new QPushButton(this);
    if (source)
        translations::Live(button, [button, source] { button->setText(tr(source)); });
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
    all_ = std::move(offers);
    ReadChoice();
    FillChoiceList();
    ShowChosen(selected ? std::optional<qint64>(selected->id) : std::nullopt);
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
    // Bounded, so one long name or text wraps in its own column and the others stay in view;
    // a name the header's three lines cannot hold at that width widens its column a little
    // further (a short table gives it fewer lines, and an ellipsis, whatever the width).
    const int character = table_->fontMetrics().averageCharWidth();
    const int widest = character * 26;
    const int widestForName = character * 36;
    const auto* header = static_cast<const OfferHeader*>(table_->horizontalHeader());
    for (int i = 0; i < model_->columnCount(); ++i) {
        if (table_->columnWidth(i) > widest)
            table_->setColumnWidth(i, widest);
        while (!header->FitsWhole(i) && table_->columnWidth(i) < widestForName)
            table_->setColumnWidth(i, std::min(widestForName, table_->columnWidth(i) + character));
    }
    table_->resizeRowsToContents();
    FillBreakEven();
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
        ChartOffer offer{model_->Offer(i).name, model_->Comparison().LoanCosts(column),
                         figures.schedule, figures.insurance, std::nullopt};
        // The plan for every offer, or else the one a schedule window set for this offer.
        if (model_->ExtraPlan().Any()) {
            offer.withExtras = ChartOffer::Extras{figures.paid, figures.paidInsurance};
        } else if (schedulePlan_ && schedulePlan_->first == model_->Offer(i).id &&
                   schedulePlan_->second.Any()) {
            const LoanTerms terms = WithExtras(figures.terms, schedulePlan_->second);
            const AmortizationSchedule schedule = ScheduleOf(terms);
            offer.withExtras = ChartOffer::Extras{schedule, InsuranceOf(terms, schedule)};
        }
        offers.push_back(std::move(offer));
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
    const auto offer = SelectedOffer();
    actions_.reopenClosing->setEnabled(offer && offer->closingChecked);
    const auto what = [](const std::vector<Change>& changes) {
        if (changes.empty())
            return QString();
        switch (changes.back().kind) {
        case Change::Kind::Rename:
            return tr("Rename");
        case Change::Kind::Edit:
            return tr("Edit");
        case Change::Kind::Delete:
            break;
        }
        return tr("Delete");
    };
    actions_.undo->setText(undo_.empty() ? tr("U&ndo") : tr("U&ndo %1").arg(what(undo_)));
    actions_.redo->setText(redo_.empty() ? tr("Red&o") : tr("Red&o %1").arg(what(redo_)));
    actions_.undo->setEnabled(!undo_.empty());
    actions_.redo->setEnabled(!redo_.empty());
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
    if (name.isEmpty() || name.size() > kMaxOfferName) {
        Report(tr("A name must have 1 to %n characters; the offer keeps its name.", nullptr,
                  kMaxOfferName));
        return;
    }
    if (name == offer->name)
        return;
    if (!store_.Rename(offer->id, name)) {
        Report(store_.Error());
    } else {
        KeptOffer renamed = *offer;
        renamed.name = name;
        Record({Change::Kind::Rename, *offer, renamed});
    }
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
    Record({Change::Kind::Delete, *offer, *offer});
    Reload();
}

void CompareWindow::RecordEdit(const KeptOffer& before, const KeptOffer& after) {
    if (before.name != after.name || !(before.estimate == after.estimate))
        Record({Change::Kind::Edit, before, after});
}

void CompareWindow::Record(Change change) {
    undo_.push_back(std::move(change));
    redo_.clear();
    UpdateControls();
}

bool CompareWindow::Apply(const Change& change, bool undo) {
    const KeptOffer& wanted = undo ? change.before : change.after;
    switch (change.kind) {
    case Change::Kind::Rename:
        return store_.Rename(wanted.id, wanted.name);
    case Change::Kind::Edit:
        return store_.Update(wanted);
    case Change::Kind::Delete:
        break;
    }
    return undo ? store_.Restore(change.before) : store_.Remove(change.before.id);
}

void CompareWindow::Undo() {
    if (undo_.empty())
        return;
    const Change change = undo_.back();
    if (!Apply(change, true)) {
        Report(store_.Error());
        return;
    }
    undo_.pop_back();
    redo_.push_back(change);
    Reload();
    SelectOffer(change.before.id);
    UpdateControls();
}

void CompareWindow::Redo() {
    if (redo_.empty())
        return;
    const Change change = redo_.back();
    if (!Apply(change, false)) {
        Report(store_.Error());
        return;
    }
    redo_.pop_back();
    undo_.push_back(change);
    Reload();
    if (change.kind != Change::Kind::Delete)
        SelectOffer(change.after.id);
    UpdateControls();
}

void CompareWindow::AdoptSettings() {
    RestoreSettings();
    Reload();
}

void CompareWindow::UseSelected() {
    if (const auto offer = SelectedOffer())
        emit UseInCalculator(CalculatorInputsOf(offer->estimate));
}

schedule::ScheduleWindow* CompareWindow::OpenSchedule() {
    const auto offer = SelectedOffer();
    if (!offer)
        return nullptr;
    // The offer's Loan Estimate says the loan, rate, term and insurance the schedule lays out;
    // the plan for every offer comes with it.
    auto* window = new schedule::ScheduleWindow(
        offer->name, WithExtras(TermsOfEstimate(offer->estimate), model_->ExtraPlan()),
        TheLocaleSeparators(), this);
    const qint64 id = offer->id;
    connect(window, &schedule::ScheduleWindow::PlanChanged, this,
            [this, id](const ExtraPayments& plan) {
                platform::RunGuarded([&] {
                    schedulePlan_ = std::pair{id, plan};
                    RefreshChart();
                });
            });
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
    if (event->type() == QEvent::PaletteChange && table_)
        for (QAbstractItemView* view :
             {static_cast<QAbstractItemView*>(table_), static_cast<QAbstractItemView*>(breakEven_),
              static_cast<QAbstractItemView*>(choice_)})
            if (view)
                view->setPalette(ReadableSelection(palette()));
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
