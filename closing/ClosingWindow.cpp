#include "ClosingWindow.h"

#include "Guarded.h"
#include "HelpContexts.h"
#include "Services.h"
#include "Translations.h"
#include "WheelGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace plumcrest::closing {

namespace {

QDate QDateOf(Day day) {
    int year = 0;
    unsigned month = 0;
    unsigned date = 0;
    CivilOf(day, year, month, date);
    return QDate(year, static_cast<int>(month), static_cast<int>(date));
}

QString CategoryText(Tolerance tolerance) {
    switch (tolerance) {
    case Tolerance::Zero:
        return ClosingWindow::tr("May not rise");
    case Tolerance::TenPercent:
        return ClosingWindow::tr("10 % together");
    case Tolerance::NoLimit:
        break;
    }
    return ClosingWindow::tr("No limit");
}

} // namespace

reader::EstimateReading EstimateReadingOfOffer(const LoanEstimate& estimate) {
    reader::EstimateReading reading;
    reading.loanAmount.value = estimate.loanAmount;
    reading.interestRate.value = estimate.noteRate;
    if (estimate.months > 0)
        reading.loanTermYears.value = estimate.months / 12;
    reading.apr.value = estimate.disclosedApr;
    if (!estimate.product.empty())
        reading.product.value = estimate.product;
    reading.prepaymentPenalty.value = estimate.prepaymentPenalty;
    reading.lenderCredits.value = -estimate.lenderCredits;
    for (const CostItem& item : estimate.costs)
        reading.Section(item.section).lines.push_back({item.label, item.amount, {}});
    return reading;
}

ClosingWindow::ClosingWindow(reader::EstimateReading estimate, reader::ClosingReading closing,
                             QString offerName, CheckChoices choices, QWidget* parent)
    : QWidget(parent, Qt::Window), estimate_(std::move(estimate)), closing_(std::move(closing)),
      offerName_(std::move(offerName)), choices_(std::move(choices)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* against = new QLabel;
    against->setWordWrap(true);
    layout->addWidget(against);

    auto* timing = new QHBoxLayout;
    auto* receivedLabel = new QLabel;
    received_ = new QDateEdit;
    received_->setCalendarPopup(true);
    received_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    receivedLabel->setBuddy(received_);
    mailed_ = new QCheckBox;
    translations::Live(mailed_, [=, this] {
        mailed_->setToolTip(
            tr("A form sent by mail counts as received three business days after it "
               "was sent, unless it came sooner."));
    });
    timing->addWidget(receivedLabel);
    timing->addWidget(received_);
    timing->addWidget(mailed_);
    timing->addStretch();
    layout->addLayout(timing);

    summary_ = new QTextBrowser;
    translations::Live(summary_,
                       [=, this] { summary_->setAccessibleName(tr("What the check found")); });
    layout->addWidget(summary_, 3);

    table_ = new QTableWidget(0, 6);
    translations::Live(
        table_, [=, this] { table_->setAccessibleName(tr("Each cost beside its estimate")); });
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(table_, 2);

    auto* buttons = new QDialogButtonBox;
    QPushButton* print = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    QPushButton* save = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    buttons->addButton(QDialogButtonBox::Help);
    layout->addWidget(buttons);
    const auto help = [] { platform::TheHelp().ShowContext(help::kClosingCheckContext); };
    connect(buttons, &QDialogButtonBox::helpRequested, this, platform::Guarded(help));
    // F1 as in every other window: the calculator's own key does not reach this one.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, platform::Guarded(help));
    connect(print, &QPushButton::clicked, this, platform::Guarded([this] { Print(); }));
    connect(save, &QPushButton::clicked, this, platform::Guarded([this] { SaveAs(); }));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    check_ = CheckClosingDisclosure(estimate_, closing_, choices_);
    if (check_.timing.received)
        received_->setDate(QDateOf(*check_.timing.received));
    mailed_->setChecked(choices_.mailed);
    connect(received_, &QDateEdit::dateChanged, this, platform::Guarded([this] {
                const QDate date = received_->date();
                choices_.received = DayOf(date.year(), static_cast<unsigned>(date.month()),
                                          static_cast<unsigned>(date.day()));
                choices_.mailed = false;
                Recheck();
            }));
    connect(mailed_, &QCheckBox::toggled, this, platform::Guarded([this] {
                choices_.mailed = mailed_->isChecked();
                if (choices_.mailed)
                    choices_.received.reset();
                Recheck();
            }));
    Recheck();
    // The texts follow the language shown; a change retells the check too.
    translations::Live(this, [this, against, receivedLabel, print, save] {
        setWindowTitle(tr("Closing Disclosure check"));
        against->setText(tr("Checked against the Loan Estimate of \"%1\".").arg(offerName_));
        receivedLabel->setText(tr("Day you received it:"));
        mailed_->setText(tr("Sent by mail"));
        table_->setHorizontalHeaderLabels({tr("Section"), tr("Closing Disclosure line"),
                                           tr("Loan Estimate line"), tr("Estimated"), tr("Final"),
                                           tr("Limit")});
        print->setText(tr("&Print Questions..."));
        save->setText(tr("&Save Questions as PDF..."));
    });
    connect(&translations::LanguageNotifier::Instance(),
            &translations::LanguageNotifier::LanguageChanged, this,
            platform::Guarded([this] { Recheck(); }));
    resize(900, 640);
}

void ClosingWindow::Recheck() {
    check_ = CheckClosingDisclosure(estimate_, closing_, choices_);
    report_ = ReportOf(check_, closing_);
    summary_->setHtml(ReportHtml(report_));
    if (check_.timing.received && !received_->hasFocus()) {
        const QSignalBlocker block(received_);
        received_->setDate(QDateOf(*check_.timing.received));
    }
    FillTable();
    emit ChoicesChanged(choices_);
}

void ClosingWindow::FillTable() {
    filling_ = true;
    table_->setRowCount(static_cast<int>(check_.lines.size()));
    // The estimate's lines, for pairing a line otherwise.
    struct EstimateLine {
        LinePlace place;
        QString label;
    };
    std::vector<EstimateLine> estimateLines;
    for (CostSection section : kCostSections) {
        const auto& lines = estimate_.Section(section).lines;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].amount)
                estimateLines.push_back({{std::string(SectionLetter(section)), static_cast<int>(i)},
                                         QString::fromStdString(lines[i].label)});
    }
    for (int row = 0; row < table_->rowCount(); ++row) {
        const LinePair& pair = check_.lines[static_cast<std::size_t>(row)];
        const std::string section = pair.closing ? pair.closing->section : pair.estimate->section;
        table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(section)));
        table_->setItem(row, 1,
                        new QTableWidgetItem(pair.closing ? QString::fromStdString(pair.label)
                                                          : tr("(not charged)")));
        const bool credits = section == "J";
        if (pair.closing && !credits) {
            auto* pairing = new QComboBox;
            ScrollPastWhenUnfocused(*pairing);
            pairing->setAccessibleName(
                tr("Loan Estimate line of %1").arg(QString::fromStdString(pair.label)));
            pairing->addItem(tr("(none: a new charge)"));
            int current = 0;
            for (std::size_t e = 0; e < estimateLines.size(); ++e) {
                pairing->addItem(QStringLiteral("%1: %2").arg(
                    QString::fromStdString(estimateLines[e].place.section),
                    estimateLines[e].label));
                if (pair.estimate && *pair.estimate == estimateLines[e].place)
                    current = static_cast<int>(e) + 1;
            }
            pairing->setCurrentIndex(current);
            const LinePlace place = *pair.closing;
            connect(
                pairing, &QComboBox::currentIndexChanged, this,
                platform::Guarded([this, place, estimateLines, pairing] {
                    if (filling_)
                        return;
                    const int index = pairing->currentIndex();
                    std::erase_if(choices_.pairings, [&](const CheckChoices::Pairing& p) {
                        return p.closing == place;
                    });
                    choices_.pairings.push_back(
                        {place, index > 0
                                    ? std::optional<LinePlace>(
                                          estimateLines[static_cast<std::size_t>(index - 1)].place)
                                    : std::nullopt});
                    QMetaObject::invokeMethod(
                        this, [this] { Recheck(); }, Qt::QueuedConnection);
                }));
            table_->setCellWidget(row, 2, pairing);
        } else {
            table_->removeCellWidget(row, 2);
            table_->setItem(row, 2,
                            new QTableWidgetItem(pair.estimate
                                                     ? QString::fromStdString(pair.estimateLabel)
                                                     : tr("(not on the Loan Estimate)")));
        }
        table_->setItem(
            row, 3, new QTableWidgetItem(pair.estimate ? MoneyText(pair.loanEstimate) : QString()));
        table_->setItem(
            row, 4,
            new QTableWidgetItem(pair.closing ? MoneyText(pair.closingDisclosure) : QString()));
        if (pair.buyerMayChange && pair.closing) {
            auto* category = new QComboBox;
            ScrollPastWhenUnfocused(*category);
            category->setAccessibleName(tr("Limit of %1").arg(QString::fromStdString(pair.label)));
            for (Tolerance tolerance : {Tolerance::Zero, Tolerance::TenPercent, Tolerance::NoLimit})
                category->addItem(CategoryText(tolerance), static_cast<int>(tolerance));
            category->setCurrentIndex(static_cast<int>(pair.category));
            category->setToolTip(tr("%1 (12 CFR %2). Change it if you know who picked the "
                                    "provider.")
                                     .arg(QCoreApplication::translate(
                                              "plumcrest::closing::ClosingCheck", pair.reason),
                                          QString::fromLatin1(pair.paragraph)));
            const LinePlace place = *pair.closing;
            connect(category, &QComboBox::currentIndexChanged, this,
                    platform::Guarded([this, place, category] {
                        if (filling_)
                            return;
                        std::erase_if(choices_.categories, [&](const CheckChoices::Category& c) {
                            return c.closing == place;
                        });
                        choices_.categories.push_back(
                            {place, static_cast<Tolerance>(category->currentData().toInt())});
                        QMetaObject::invokeMethod(
                            this, [this] { Recheck(); }, Qt::QueuedConnection);
                    }));
            table_->setCellWidget(row, 5, category);
        } else {
            table_->removeCellWidget(row, 5);
            auto* item = new QTableWidgetItem(CategoryText(pair.category));
            item->setToolTip(tr("%1 (12 CFR %2)")
                                 .arg(QCoreApplication::translate(
                                          "plumcrest::closing::ClosingCheck", pair.reason),
                                      QString::fromLatin1(pair.paragraph)));
            table_->setItem(row, 5, item);
        }
    }
    filling_ = false;
}

bool ClosingWindow::SaveQuestions(const QString& file) const {
    QPdfWriter writer(file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(54, 54, 54, 54)));
    writer.setTitle(tr("Questions for your lender"));
    writer.setCreator(QStringLiteral("Plumcrest"));
    return PrintQuestions(report_, QDate::currentDate(), writer);
}

void ClosingWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Questions for your lender"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintQuestions(report_, QDate::currentDate(), printer);
}

void ClosingWindow::SaveAs() {
    QString file;
    if (AskForPdfFile)
        file = AskForPdfFile(this);
    else
        file = QFileDialog::getSaveFileName(this, tr("Save Questions as PDF"),
                                            tr("Questions for your lender.pdf"),
                                            tr("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!SaveQuestions(file))
        summary_->append(tr("The file %1 could not be written.").arg(file));
}

} // namespace plumcrest::closing
