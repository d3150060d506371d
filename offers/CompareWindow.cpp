#include "CompareWindow.h"

#include "CompareModel.h"
#include "CompareOutput.h"
#include "LocaleSettings.h"
#include "OfferStore.h"
#include "Services.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace plumcrest::offers {

CompareWindow::CompareWindow(OfferStore& store, QWidget* owner)
    : QWidget(owner, Qt::Window), store_(store) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QStringLiteral("Compare Offers"));
    setAttribute(Qt::WA_DeleteOnClose);

    model_ = new CompareModel(TheLocaleSeparators(), this);

    auto* horizonLabel = new QLabel(QStringLiteral("&Years you expect to keep this loan:"), this);
    horizon_ = new QSpinBox(this);
    horizon_->setObjectName(QStringLiteral("edtHorizon"));
    horizon_->setAccessibleName(QStringLiteral("Years you expect to keep this loan"));
    horizon_->setRange(1, 1);
    horizonLabel->setBuddy(horizon_);
    auto* top = new QHBoxLayout;
    top->addWidget(horizonLabel);
    top->addWidget(horizon_);
    top->addStretch();

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblOffers"));
    table_->setAccessibleName(QStringLiteral("Kept offers"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    // Sized to the contents when the offers are read; a new horizon never needs more room, as
    // no cost over part of the term is longer than the cost over all of it.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    breakEven_ = new QListWidget(this);
    breakEven_->setObjectName(QStringLiteral("lstBreakEven"));
    breakEven_->setAccessibleName(QStringLiteral("Break-even"));
    auto* breakEvenBox = new QGroupBox(
        QStringLiteral("Break-even: from which month the lower rate has cost less (fees plus "
                       "interest paid so far)"),
        this);
    auto* breakEvenLayout = new QVBoxLayout(breakEvenBox);
    breakEvenLayout->addWidget(breakEven_);

    empty_ = new QLabel(QStringLiteral("No offers are kept yet. In the calculator, choose File > "
                                       "Keep This Offer... for each offer you want to compare."),
                        this);
    empty_->setObjectName(QStringLiteral("lblNoOffers"));
    empty_->setWordWrap(true);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("splOffers"));
    splitter->addWidget(table_);
    splitter->addWidget(breakEvenBox);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    auto* offersPage = new QWidget(this);
    auto* pageLayout = new QVBoxLayout(offersPage);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(empty_);
    pageLayout->addWidget(splitter, 1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabsCompare"));
    tabs_->addTab(offersPage, QStringLiteral("Offers"));

    use_ = new QPushButton(QStringLiteral("&Use in Calculator"), this);
    use_->setObjectName(QStringLiteral("btnUseInCalculator"));
    rename_ = new QPushButton(QStringLiteral("&Rename..."), this);
    rename_->setObjectName(QStringLiteral("btnRename"));
    delete_ = new QPushButton(QStringLiteral("&Delete"), this);
    delete_->setObjectName(QStringLiteral("btnDelete"));
    undo_ = new QPushButton(QStringLiteral("U&ndo Delete"), this);
    undo_->setObjectName(QStringLiteral("btnUndoDelete"));
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("btnCompareHelp"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("btnCompareClose"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {use_, rename_, delete_, undo_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    connect(horizon_, &QSpinBox::valueChanged, this, [this](int years) {
        wantedHorizon_ = years; // kept across reloads, which come with every activation
        model_->SetHorizonYears(years);
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        UpdateControls();
        emit SelectedOfferChanged();
    });
    connect(use_, &QPushButton::clicked, this, &CompareWindow::UseSelected);
    connect(rename_, &QPushButton::clicked, this, &CompareWindow::RenameSelected);
    connect(delete_, &QPushButton::clicked, this, &CompareWindow::DeleteSelected);
    connect(undo_, &QPushButton::clicked, this, &CompareWindow::UndoDelete);
    connect(help, &QPushButton::clicked, this,
            [] { platform::TheHelp().ShowContext(kHelpContext); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    new CompareOutput(*this); // the chart, the schedules, export and printing
    Reload();
    resize(860, 600);
}

void CompareWindow::Reload() {
    const auto selected = SelectedOffer();
    ShowOffers(store_.All(), selected ? std::optional<qint64>(selected->id) : std::nullopt);
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
    for (QPushButton* button : {use_, rename_, delete_})
        button->setEnabled(selected);
    undo_->setEnabled(!deleted_.empty());
}

void CompareWindow::Report(const QString& text) {
    platform::TheMessages().Show(this, platform::MessageIcon::Information,
                                 QStringLiteral("Information"), text);
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
        const QString text = QInputDialog::getText(this, QStringLiteral("Rename Offer"),
                                                   QStringLiteral("&Name (the lender):"),
                                                   QLineEdit::Normal, offer->name, &ok);
        if (ok)
            answer = text;
    }
    if (!answer)
        return;
    const QString name = answer->trimmed();
    if (name.isEmpty() || name.size() > kMaxOfferName) {
        Report(QStringLiteral("A name must have 1 to %1 characters; the offer keeps its name.")
                   .arg(kMaxOfferName));
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
    ShowOffers(store_.All(), offer.id);
}

void CompareWindow::UseSelected() {
    if (const auto offer = SelectedOffer())
        emit UseInCalculator(offer->inputs);
}

void CompareWindow::changeEvent(QEvent* event) {
    // Coming back to the window shows what other running copies kept meanwhile; the first
    // activation follows the opening, which has just read them.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (activatedBefore_)
            Reload();
        activatedBefore_ = true;
    }
    QWidget::changeEvent(event);
}

void CompareWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        platform::TheHelp().ShowContext(kHelpContext);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace plumcrest::offers
