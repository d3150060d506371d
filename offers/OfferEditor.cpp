#include "OfferEditor.h"

#include "Amortization.h"
#include "Contrast.h"
#include "EstimateFields.h"
#include "FigureText.h"
#include "FinanceChargeRules.h"
#include "Guarded.h"
#include "NumberText.h"
#include "OfferFigures.h"
#include "OfferLimits.h"
#include "Services.h"
#include "WheelGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace plumcrest::offers {

using platform::Guarded;

namespace {

std::size_t IndexOf(CostSection section) {
    return static_cast<std::size_t>(section);
}

QString Heading(CostSection section) {
    return QStringLiteral("%1. %2").arg(QString::fromUtf8(SectionLetter(section).data()),
                                        OfferEditor::tr(SectionTitle(section).data()));
}

QLabel* NewProblemLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // Red: read as a warning, in a shade legible on the palette it is shown in.
    label->setStyleSheet(contrast::TextStyle(contrast::ProblemColour(parent->palette())));
    label->setVisible(false);
    return label;
}

void ShowProblem(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

// What the regulation says of a line like this one, and that the tick is the buyer's to change.
QString FinanceChargeTip(CostSection section, const QString& label, bool setByUser) {
    const FinanceChargeRule& rule = FinanceChargeRuleOf(section, label.trimmed().toStdString());
    const QString what = QCoreApplication::translate("plumcrest::FinanceChargeRules", rule.what);
    const QString verdict = rule.financeCharge
                                ? OfferEditor::tr("By 12 CFR %1, %2: a finance charge.")
                                      .arg(QLatin1String(rule.paragraph), what)
                                : OfferEditor::tr("By 12 CFR %1, %2: not a finance charge.")
                                      .arg(QLatin1String(rule.paragraph), what);
    return setByUser ? verdict + QLatin1Char(' ') +
                           OfferEditor::tr("The tick is yours and stays as you set it.")
                     : verdict + QLatin1Char(' ') +
                           OfferEditor::tr("Tick or clear it to decide otherwise.");
}

QString Money(Cents cents, const LocaleSeparators& separators) {
    return compare::FigureText(static_cast<double>(cents) / 100, MaskKind::Money, separators);
}

} // namespace

OfferEditor::OfferEditor(const store::KeptOffer& offer, const LocaleSeparators& separators,
                         QWidget* parent)
    : QDialog(parent), offer_(offer), separators_(separators) {
    setObjectName(QStringLiteral("dlgEditOffer"));
    setWindowTitle(tr("Edit Offer"));
    setModal(true);
    const LoanEstimate estimate = offer.estimate;
    keptMonths_ = estimate.months;

    // The loan.
    auto* loanBox = new QGroupBox(tr("Loan"), this);
    auto* loanGrid = new QGridLayout(loanBox);
    name_ = new QLineEdit(offer.name, loanBox);
    name_->setObjectName(QStringLiteral("edtEditName"));
    name_->setMaxLength(kMaxOfferName);
    name_->setAccessibleName(tr("Name"));
    auto* nameLabel = new QLabel(tr("&Name:"), loanBox);
    nameLabel->setBuddy(name_);
    loanGrid->addWidget(nameLabel, 0, 0);
    loanGrid->addWidget(name_, 0, 1);
    auto* nameProblem = NewProblemLabel(loanBox);
    nameProblem->setObjectName(QStringLiteral("lblNameProblem"));
    loanGrid->addWidget(nameProblem, 0, 2);
    connect(name_, &QLineEdit::textChanged, this, Guarded([this, nameProblem] {
                ShowProblem(nameProblem, name_->text().trimmed().isEmpty()
                                             ? tr("Type a name, such as the lender's.")
                                             : QString());
            }));

    AddFigures(FieldGroup::Loan, estimate, loanBox, loanGrid);

    // Monthly costs.
    auto* monthlyBox = new QGroupBox(tr("Monthly costs"), this);
    auto* monthlyGrid = new QGridLayout(monthlyBox);
    AddFigures(FieldGroup::Monthly, estimate, monthlyBox, monthlyGrid);
    insuranceEnd_->setItemData(
        1, tr("Ends when the balance reaches 78 % of the value, at the latest mid-term"),
        Qt::ToolTipRole);
    insuranceEnd_->setItemData(
        2,
        tr("11 years when the base loan is 90 % of the value or less, else the whole term; each "
           "year's premium on that year's average scheduled balance"),
        Qt::ToolTipRole);
    insuranceEnd_->setItemData(
        3, tr("The whole term; each year's fee on that year's average scheduled balance"),
        Qt::ToolTipRole);

    // What the lender disclosed.
    auto* disclosedBox = new QGroupBox(tr("What the lender disclosed (empty: not given)"), this);
    auto* disclosedGrid = new QGridLayout(disclosedBox);
    AddFigures(FieldGroup::Disclosed, estimate, disclosedBox, disclosedGrid);

    // Closing costs, one box per section.
    auto* costsPage = new QWidget;
    auto* costsLayout = new QVBoxLayout(costsPage);
    for (CostSection section : kCostSections) {
        Section& part = sections_[IndexOf(section)];
        auto* box = new QGroupBox(Heading(section), costsPage);
        auto* boxLayout = new QVBoxLayout(box);
        part.lines = new QVBoxLayout;
        boxLayout->addLayout(part.lines);
        auto* bottom = new QHBoxLayout;
        part.add = new QPushButton(tr("Add line"), box);
        part.add->setObjectName(
            QStringLiteral("btnAddLine%1").arg(QString::fromUtf8(SectionLetter(section).data())));
        part.add->setAccessibleName(tr("Add a line to %1").arg(Heading(section)));
        part.add->setAutoDefault(false);
        connect(part.add, &QPushButton::clicked, this,
                Guarded([this, section] { AddLine(section); }));
        bottom->addWidget(part.add);
        part.addProblem = NewProblemLabel(box);
        part.addProblem->setObjectName(QStringLiteral("lblAddLineProblem%1")
                                           .arg(QString::fromUtf8(SectionLetter(section).data())));
        bottom->addWidget(part.addProblem, 1);
        bottom->addStretch();
        auto* totalCaption = new QLabel(tr("Section total:"), box);
        bottom->addWidget(totalCaption);
        part.total = new QLabel(box);
        part.total->setObjectName(
            QStringLiteral("lblTotal%1").arg(QString::fromUtf8(SectionLetter(section).data())));
        // Named by its figure, labelled by its caption; the section it totals comes with it.
        totalCaption->setBuddy(part.total);
        part.total->setAccessibleDescription(tr("Total of %1").arg(Heading(section)));
        bottom->addWidget(part.total);
        boxLayout->addLayout(bottom);
        costsLayout->addWidget(box);
    }
    costsLayout->addStretch();
    for (const CostItem& item : estimate.costs)
        InsertLine(item.section, &item);
    auto* scroll = new QScrollArea(this);
    scroll_ = scroll;
    scroll->setWidget(costsPage);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Its lines take the focus; the area itself need not.
    scroll->setFocusPolicy(Qt::NoFocus);
    // Scrolls down only: a line is always seen whole.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(costsPage->minimumSizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width());

    // The Adjustable Interest Rate table; unchecked, the rate is fixed.
    adjustableBox_ = new QGroupBox(tr("Ad&justable rate"), this);
    adjustableBox_->setObjectName(QStringLiteral("grpAdjustable"));
    adjustableBox_->setCheckable(true);
    adjustableBox_->setChecked(estimate.adjustable.has_value());
    connect(adjustableBox_, &QGroupBox::clicked, this, [this] { changed_ = true; });
    adjustableBox_->setToolTip(tr("As the Loan Estimate's Adjustable Interest Rate (AIR) table "
                                  "gives it; the note rate above is the initial rate"));
    auto* adjustableGrid = new QGridLayout(adjustableBox_);
    // A fixed rate's box opens with the first change after five years, yearly, as most do.
    LoanEstimate shown = estimate;
    if (!shown.adjustable)
        shown.adjustable.emplace();
    AddFigures(FieldGroup::Adjustable, shown, adjustableBox_, adjustableGrid);
    if (!estimate.adjustable)
        for (NumberEntry& entry : numbers_)
            if (entry.figure->IsAdjustable() && entry.figure->kind != FigureKind::Months) {
                entry.keptValue.reset();
                entry.keptText.clear();
                entry.edit->clear();
            }

    auto* totalsBox = new QGroupBox(tr("Totals"), this);
    auto* totalsGrid = new QGridLayout(totalsBox);
    AddFigures(FieldGroup::Credits, estimate, totalsBox, totalsGrid);
    const auto addTotal = [&](const QString& caption, const char* objectName) {
        const int row = totalsGrid->rowCount();
        auto* value = new QLabel(totalsBox);
        value->setObjectName(QString::fromLatin1(objectName));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* label = new QLabel(caption, totalsBox);
        label->setBuddy(value);
        totalsGrid->addWidget(label, row, 0);
        totalsGrid->addWidget(value, row, 1);
        return value;
    };
    totalD_ = addTotal(tr("D. Total Loan Costs (A + B + C)"), "lblTotalD");
    totalI_ = addTotal(tr("I. Total Other Costs (E + F + G + H)"), "lblTotalI");
    totalJ_ = addTotal(tr("J. Total Closing Costs (D + I - lender credits)"), "lblTotalJ");
    // The rest of the Calculating Cash to Close table; empty lines are worked out from the offer.
    AddFigures(FieldGroup::CashToClose, estimate, totalsBox, totalsGrid);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lblEditProblem"));
    // It quotes labels typed or read from a lender's file: shown as written, never as markup.
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    problem_->setStyleSheet(contrast::TextStyle(contrast::ProblemColour(palette())));

    buttons_ = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, Guarded([this] { accept(); }));
    connect(buttons_, &QDialogButtonBox::rejected, this, Guarded([this] { reject(); }));
    connect(buttons_, &QDialogButtonBox::helpRequested, this, Guarded([this] { ShowHelp(); }));
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, Guarded([this] { ShowHelp(); }));

    auto* left = new QVBoxLayout;
    left->addWidget(loanBox);
    left->addWidget(monthlyBox);
    left->addWidget(disclosedBox);
    left->addWidget(adjustableBox_);
    left->addStretch();
    auto* right = new QVBoxLayout;
    auto* costsHeading = new QLabel(tr("<b>Closing costs</b>"), this);
    right->addWidget(costsHeading);
    right->addWidget(scroll, 1);
    right->addWidget(totalsBox);
    // Everything but the message and the buttons scrolls, so OK and Cancel stay in view on a
    // small screen.
    body_ = new QWidget;
    auto* bodyLayout = new QVBoxLayout(body_);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    bodyLayout->addLayout(columns, 1);
    scroll->setMinimumHeight(260);
    auto* page = new QScrollArea(this);
    page->setObjectName(QStringLiteral("scrEditOffer"));
    page->setWidget(body_);
    page->setWidgetResizable(true);
    page->setFrameShape(QFrame::NoFrame);
    page->setFocusPolicy(Qt::NoFocus);
    // Across as well when the screen is narrower than the two columns: nothing is cut off.
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page, 1);
    layout->addWidget(problem_);
    layout->addWidget(buttons_);
    FitToScreen(QSize(1040, 700));

    UpdateTabOrder();
    UpdateTotals();
}

OfferEditor::~OfferEditor() = default;

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("EstimateFields", text);
}

// What a figure's field takes: its kind's limits, the term in whole years.
EntryRule RuleOf(const EstimateField& figure) {
    const FigureLimits limits = figure.Limits();
    switch (figure.kind) {
    case FigureKind::Money:
    case FigureKind::SignedMoney:
        return {EntryKind::Money, limits.low, limits.high, figure.positive, figure.optional};
    case FigureKind::Rate:
        return {EntryKind::Percent, limits.low, limits.high, figure.positive, figure.optional};
    case FigureKind::Months:
        if (figure.key == "months")
            return {EntryKind::Years, 1, limits.high / 12, false, figure.optional};
        return {EntryKind::Months, limits.low, limits.high, false, figure.optional};
    case FigureKind::Date:
        return {EntryKind::Date, limits.low, limits.high, false, figure.optional};
    case FigureKind::Text:
    case FigureKind::Choice:
        break;
    }
    return {};
}

} // namespace

void OfferEditor::AddFigures(FieldGroup group, const LoanEstimate& estimate, QWidget* parent,
                             QGridLayout* grid) {
    for (const EstimateField& figure : kEstimateFields) {
        if (figure.group != group)
            continue;
        if (figure.kind != FigureKind::Choice) {
            AddNumber(figure, FigureValue(figure, estimate), parent, grid);
            continue;
        }
        auto* box = new QComboBox(parent);
        for (const ChoiceName& choice : figure.choices)
            box->addItem(Translated(choice.caption));
        box->setCurrentIndex(static_cast<int>(FigureValue(figure, estimate).value_or(0)));
        box->setAccessibleName(Translated(figure.name));
        ScrollPastWhenUnfocused(*box);
        auto* label = new QLabel(Translated(figure.caption), parent);
        label->setBuddy(box);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        choices_.emplace_back(&figure, box);
        connect(box, &QComboBox::activated, this, [this] { changed_ = true; });
        if (figure.key == "loanType") {
            box->setObjectName(QStringLiteral("cboLoanType"));
            loanType_ = box;
        } else if (figure.key == "insuranceEnd") {
            box->setObjectName(QStringLiteral("cboInsuranceEnd"));
            insuranceEnd_ = box;
        } else if (figure.key == "purpose") {
            box->setObjectName(QStringLiteral("cboPurpose"));
        }
    }
}

QLineEdit* OfferEditor::AddNumber(const EstimateField& figure, std::optional<double> value,
                                  QWidget* parent, QGridLayout* grid) {
    NumberEntry entry;
    entry.figure = &figure;
    entry.field = figure.key;
    entry.name = Translated(figure.name);
    entry.rule = RuleOf(figure);
    entry.edit = new QLineEdit(parent);
    entry.edit->setAccessibleName(entry.name);
    entry.edit->setObjectName(QStringLiteral("edt_%1").arg(
        QLatin1String(figure.key.data(), static_cast<qsizetype>(figure.key.size()))));
    // The term is kept in months and typed in years: a term of whole years shows as such, any
    // other stays as it was until it is retyped.
    if (figure.key == "months" && value) {
        const auto months = static_cast<std::int32_t>(*value);
        entry.keptText =
            months % 12 == 0
                ? QString::number(months / 12)
                : QString::fromStdString(FormatGeneral15(months / 12.0L, separators_.decimal));
        value = months / 12.0;
    } else if (value) {
        entry.keptText = EntryText(*value, entry.rule.kind, separators_);
    }
    entry.keptValue = value;
    entry.edit->setText(entry.keptText);
    if (entry.rule.kind == EntryKind::Money || entry.rule.kind == EntryKind::Percent)
        entry.edit->setAlignment(Qt::AlignRight);
    if (entry.rule.optional)
        entry.edit->setPlaceholderText(figure.group == FieldGroup::CashToClose
                                           ? tr("from the offer's figures")
                                           : tr("not given"));
    entry.problem = NewProblemLabel(parent);
    auto* label = new QLabel(Translated(figure.caption), parent);
    label->setBuddy(entry.edit);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(entry.edit, row, 1);
    grid->addWidget(entry.problem, row, 2);
    numbers_.push_back(entry);
    const Field field = figure.key;
    connect(entry.edit, &QLineEdit::textChanged, this, Guarded([this, field] {
                CheckEntry(Entry(field));
                // The loan is checked against the price.
                if (field == "price")
                    CheckEntry(Entry("loanAmount"));
                // The premium financed is part of the loan.
                if (field == "price" || field == "loanAmount")
                    CheckEntry(Entry("upfrontPremiumFinanced"));
                if (field == "lenderCredits")
                    UpdateTotals();
                // Interest-only payments are some of the term's.
                if (field == "months")
                    CheckEntry(Entry("interestOnlyMonths"));
            }));
    return entry.edit;
}

OfferEditor::NumberEntry& OfferEditor::Entry(Field field) {
    return *std::find_if(numbers_.begin(), numbers_.end(),
                         [field](const NumberEntry& entry) { return entry.field == field; });
}

const OfferEditor::NumberEntry& OfferEditor::Entry(Field field) const {
    return *std::find_if(numbers_.begin(), numbers_.end(),
                         [field](const NumberEntry& entry) { return entry.field == field; });
}

QLineEdit* OfferEditor::NumberField(Field field) const {
    return Entry(field).edit;
}

QLabel* OfferEditor::ProblemBeside(Field field) const {
    return Entry(field).problem;
}

EntryReading OfferEditor::Read(const NumberEntry& entry) const {
    const bool unchanged = entry.edit->text() == entry.keptText;
    if (entry.field == "months" && unchanged && keptMonths_ >= 1 && keptMonths_ <= kMaxMonths)
        return {keptMonths_ / 12.0, {}};
    EntryReading reading = ReadEntry(entry.edit->text(), entry.rule, separators_);
    // The stored figure, not its rounding for the field, while the text is as it was shown.
    if (reading.value && unchanged)
        reading.value = entry.keptValue;
    if (entry.field == "loanAmount" && reading.value) {
        const EntryReading price = Read(Entry("price"));
        if (price.value && *reading.value > *price.value)
            return {std::nullopt, tr("Cannot be more than the price.")};
    }
    if (entry.field == "upfrontPremiumFinanced" && reading.value && *reading.value > 0) {
        const EntryReading loan = Read(Entry("loanAmount"));
        if (loan.value && *reading.value >= *loan.value)
            return {std::nullopt, tr("Must be less than the loan amount, which includes it.")};
    }
    if (entry.field == "interestOnlyMonths" && reading.value) {
        const EntryReading years = Read(Entry("months"));
        if (years.value && *reading.value >= std::round(*years.value * 12))
            return {std::nullopt, tr("Must be fewer months than the term.")};
    }
    // Another rate of the lender is the price and the rate together.
    static constexpr std::pair<std::string_view, std::string_view> kPairs[] = {
        {"pointsOptionPoints", "pointsOptionRate"},
        {"pointsOptionRate", "pointsOptionPoints"},
        {"creditOptionAmount", "creditOptionRate"},
        {"creditOptionRate", "creditOptionAmount"}};
    for (const auto& [field, partner] : kPairs)
        if (entry.field == field && !reading.value && reading.problem.isEmpty() &&
            !Entry(partner).edit->text().trimmed().isEmpty())
            return {std::nullopt, field.find("Rate") != std::string_view::npos
                                      ? tr("Give the rate this price buys, or clear both.")
                                      : tr("Give what this rate costs or pays, or clear both.")};
    return reading;
}

void OfferEditor::CheckEntry(NumberEntry& entry) {
    ShowProblem(entry.problem, Read(entry).problem);
}

OfferEditor::CostLine& OfferEditor::InsertLine(CostSection section, const CostItem* item) {
    Section& part = sections_[IndexOf(section)];
    auto owned = std::make_unique<CostLine>();
    CostLine* line = owned.get();
    line->section = section;
    QWidget* page = part.add->parentWidget();
    line->row = new QWidget(page);
    auto* rowLayout = new QVBoxLayout(line->row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto* fields = new QHBoxLayout;
    // No length cut: a label too long is kept as typed and refused with a message.
    line->label = new QLineEdit(line->row);
    line->label->setMinimumWidth(160);
    line->label->setPlaceholderText(tr("what the charge is for"));
    line->amount = new QLineEdit(line->row);
    line->amount->setAlignment(Qt::AlignRight);
    line->amount->setMinimumWidth(90);
    line->amount->setMaximumWidth(130);
    line->financeCharge = new QCheckBox(tr("Finance charge"), line->row);
    line->remove = new QPushButton(tr("Remove"), line->row);
    line->remove->setAutoDefault(false);
    line->problem = NewProblemLabel(line->row);
    fields->addWidget(line->label, 1);
    fields->addWidget(line->amount);
    fields->addWidget(line->financeCharge);
    fields->addWidget(line->remove);
    rowLayout->addLayout(fields);
    rowLayout->addWidget(line->problem);
    part.lines->addWidget(line->row);

    if (item) {
        line->label->setText(QString::fromStdString(item->label));
        // A label wider than its field shows its beginning, which names the charge.
        line->label->setCursorPosition(0);
        line->keptAmount = item->amount;
        line->keptText = EntryText(item->amount, EntryKind::Money, separators_);
        line->amount->setText(line->keptText);
        line->financeCharge->setChecked(item->financeCharge);
        // A kept line's mark is the user's word already.
        line->boxSetByUser = true;
    } else {
        line->financeCharge->setChecked(DefaultFinanceCharge(section, ""));
    }
    line->financeCharge->setToolTip(
        FinanceChargeTip(section, line->label->text(), line->boxSetByUser));
    part.items.push_back(std::move(owned));

    const auto name = [this, line] {
        const QString which = LineName(*line);
        line->label->setAccessibleName(tr("%1: label").arg(which));
        line->amount->setAccessibleName(tr("%1: amount").arg(which));
        line->financeCharge->setAccessibleName(tr("%1: finance charge").arg(which));
        line->remove->setAccessibleName(tr("Remove %1").arg(which));
    };
    name();
    connect(line->label, &QLineEdit::textChanged, this, Guarded([this, line, name] {
                if (!line->boxSetByUser)
                    line->financeCharge->setChecked(DefaultFinanceCharge(
                        line->section, line->label->text().trimmed().toStdString()));
                line->financeCharge->setToolTip(
                    FinanceChargeTip(line->section, line->label->text(), line->boxSetByUser));
                name();
                CheckLine(*line);
            }));
    connect(line->amount, &QLineEdit::textChanged, this, Guarded([this, line] {
                CheckLine(*line);
                UpdateTotals();
            }));
    // clicked, unlike toggled, comes from the user only.
    connect(line->financeCharge, &QCheckBox::clicked, this, Guarded([this, line] {
                changed_ = true;
                line->boxSetByUser = true;
                line->financeCharge->setToolTip(
                    FinanceChargeTip(line->section, line->label->text(), true));
            }));
    connect(line->remove, &QPushButton::clicked, this, Guarded([this, line] { RemoveLine(line); }));
    return *line;
}

const OfferEditor::CostLine* OfferEditor::AddLine(CostSection section) {
    Section& part = sections_[IndexOf(section)];
    if (LineCount() >= kMaxCostItems) {
        ShowProblem(part.addProblem,
                    tr("An offer keeps at most %1 closing cost lines: remove one to add another.")
                        .arg(kMaxCostItems));
        return nullptr;
    }
    CostLine& line = InsertLine(section, nullptr);
    changed_ = true;
    UpdateTabOrder();
    UpdateTotals();
    line.label->setFocus();
    scroll_->ensureWidgetVisible(line.row);
    return &line;
}

int OfferEditor::LineCount() const {
    int count = 0;
    for (const Section& part : sections_)
        count += static_cast<int>(part.items.size());
    return count;
}

QLabel* OfferEditor::AddLineProblem(CostSection section) const {
    return sections_[IndexOf(section)].addProblem;
}

void OfferEditor::RemoveLine(CostLine* line) {
    Section& part = sections_[IndexOf(line->section)];
    const auto found = std::find_if(part.items.begin(), part.items.end(),
                                    [line](const auto& item) { return item.get() == line; });
    if (found == part.items.end())
        return;
    QWidget* row = line->row;
    part.items.erase(found);
    changed_ = true;
    // The row's own button is still delivering this click.
    row->hide();
    row->deleteLater();
    for (const Section& each : sections_)
        ShowProblem(each.addProblem, {});
    part.add->setFocus();
    UpdateTabOrder();
    UpdateTotals();
}

int OfferEditor::LineCount(CostSection section) const {
    return static_cast<int>(sections_[IndexOf(section)].items.size());
}

const OfferEditor::CostLine& OfferEditor::Line(CostSection section, int index) const {
    return *sections_[IndexOf(section)].items.at(static_cast<std::size_t>(index));
}

QPushButton* OfferEditor::AddLineButton(CostSection section) const {
    return sections_[IndexOf(section)].add;
}

QLabel* OfferEditor::SectionTotalLabel(CostSection section) const {
    return sections_[IndexOf(section)].total;
}

QString OfferEditor::LineName(const CostLine& line) const {
    const QString label = line.label->text().trimmed();
    if (!label.isEmpty())
        return tr("%1, line \"%2\"").arg(Heading(line.section), label);
    const auto& items = sections_[IndexOf(line.section)].items;
    const auto at = std::find_if(items.begin(), items.end(),
                                 [&line](const auto& item) { return item.get() == &line; });
    return tr("%1, line %2").arg(Heading(line.section)).arg(at - items.begin() + 1);
}

EntryReading OfferEditor::Read(const CostLine& line) const {
    const bool noLabel = line.label->text().trimmed().isEmpty();
    const bool noAmount = line.amount->text().trimmed().isEmpty();
    if (noLabel && noAmount)
        return {}; // an unused line is left out
    if (noLabel)
        return {std::nullopt, tr("Say what this charge is for.")};
    if (const int length = static_cast<int>(line.label->text().trimmed().size());
        length > kMaxCostLabel)
        return {std::nullopt, tr("The label can have at most %1 characters; this one has %2.")
                                  .arg(kMaxCostLabel)
                                  .arg(length)};
    EntryReading reading =
        ReadEntry(line.amount->text(), {EntryKind::Money, 0, kMaxMoney, false, false}, separators_);
    if (reading.value && line.amount->text() == line.keptText)
        reading.value = line.keptAmount;
    return reading;
}

void OfferEditor::CheckLine(CostLine& line) {
    ShowProblem(line.problem, Read(line).problem);
}

void OfferEditor::UpdateTotals() {
    LoanEstimate typed;
    std::array<bool, kCostSections.size()> readable{};
    for (CostSection section : kCostSections) {
        bool all = true;
        for (const auto& line : sections_[IndexOf(section)].items) {
            const EntryReading reading = Read(*line);
            all = all && reading.problem.isEmpty();
            if (reading.value)
                typed.costs.push_back({section, {}, *reading.value, true});
        }
        readable[IndexOf(section)] = all;
    }
    const EntryReading credits = Read(Entry("lenderCredits"));
    typed.lenderCredits = credits.value.value_or(0);
    const SectionTotals totals = TotalsOf(typed);
    // A total that counts an entry which cannot be read shows a dash, not a wrong figure.
    const QString unknown = tr("-");
    const auto all = [&](std::initializer_list<CostSection> which) {
        return std::all_of(which.begin(), which.end(),
                           [&](CostSection s) { return readable[IndexOf(s)]; });
    };
    for (CostSection section : kCostSections)
        sections_[IndexOf(section)].total->setText(
            readable[IndexOf(section)] ? Money(SectionTotal(typed, section), separators_)
                                       : unknown);
    const bool loanCosts = all({CostSection::A, CostSection::B, CostSection::C});
    const bool otherCosts = all({CostSection::E, CostSection::F, CostSection::G, CostSection::H});
    totalD_->setText(loanCosts ? Money(totals.loanCosts, separators_) : unknown);
    totalI_->setText(otherCosts ? Money(totals.otherCosts, separators_) : unknown);
    totalJ_->setText(loanCosts && otherCosts && credits.problem.isEmpty()
                         ? Money(totals.closingCosts - totals.lenderCredits, separators_)
                         : unknown);
}

void OfferEditor::UpdateTabOrder() {
    // Down the left column, then the closing costs section by section, then the buttons.
    std::vector<QWidget*> order{name_};
    const auto group = [&](FieldGroup which) {
        for (const auto& [figure, box] : choices_)
            if (figure->group == which)
                order.push_back(box);
        for (const NumberEntry& entry : numbers_)
            if (entry.figure->group == which)
                order.push_back(entry.edit);
    };
    // Each choice box leads its group, as it stands first in it.
    group(FieldGroup::Loan);
    group(FieldGroup::Monthly);
    group(FieldGroup::Disclosed);
    order.push_back(adjustableBox_);
    group(FieldGroup::Adjustable);
    for (const Section& part : sections_) {
        for (const auto& line : part.items)
            order.insert(order.end(),
                         {line->label, line->amount, line->financeCharge, line->remove});
        order.push_back(part.add);
    }
    group(FieldGroup::Credits);
    group(FieldGroup::CashToClose);
    for (QAbstractButton* button : buttons_->buttons())
        order.push_back(button);
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void OfferEditor::ShowHelp() {
    platform::TheHelp().ShowContext(helpContext_);
}

std::optional<store::KeptOffer> OfferEditor::EditedOffer() {
    std::vector<std::pair<QWidget*, QString>> problems;
    store::KeptOffer offer = offer_;
    offer.name = name_->text().trimmed();
    if (offer.name.isEmpty())
        problems.emplace_back(name_, tr("Name: type a name, such as the lender's."));

    LoanEstimate estimate = offer_.estimate;
    for (const auto& [figure, box] : choices_)
        SetFigureValue(*figure, estimate, box->currentIndex());
    // In the order of the tab chain, so the first problem is the first one met.
    const auto read = [&](NumberEntry& entry) {
        const EntryReading reading = Read(entry);
        ShowProblem(entry.problem, reading.problem);
        if (!reading.problem.isEmpty())
            problems.emplace_back(entry.edit, tr("%1: %2").arg(entry.name, reading.problem));
        std::optional<double> value = reading.value;
        if (entry.field == "months" && value)
            value = entry.edit->text() == entry.keptText ? keptMonths_
                                                         : static_cast<std::int32_t>(*value * 12);
        if (!entry.figure->optional && !value)
            value = 0;
        SetFigureValue(*entry.figure, estimate, value);
    };
    estimate.adjustable.reset();
    for (NumberEntry& entry : numbers_)
        if (entry.figure->group != FieldGroup::Credits &&
            entry.figure->group != FieldGroup::CashToClose &&
            (!entry.figure->IsAdjustable() || adjustableBox_->isChecked()))
            read(entry);
    estimate.costs.clear();
    for (CostSection section : kCostSections) {
        for (const auto& line : sections_[IndexOf(section)].items) {
            const EntryReading reading = Read(*line);
            ShowProblem(line->problem, reading.problem);
            if (!reading.problem.isEmpty()) {
                const qsizetype label = line->label->text().trimmed().size();
                QWidget* field = label == 0 || label > kMaxCostLabel ? line->label : line->amount;
                problems.emplace_back(field, tr("%1: %2").arg(LineName(*line), reading.problem));
            } else if (reading.value) {
                estimate.costs.push_back({section, line->label->text().trimmed().toStdString(),
                                          *reading.value, line->financeCharge->isChecked()});
            }
        }
    }
    if (estimate.costs.size() > static_cast<std::size_t>(kMaxCostItems))
        problems.emplace_back(sections_.front().add,
                              tr("Closing costs: an offer keeps at most %1 lines; this one has %2.")
                                  .arg(kMaxCostItems)
                                  .arg(estimate.costs.size()));
    for (FieldGroup after : {FieldGroup::Credits, FieldGroup::CashToClose})
        for (NumberEntry& entry : numbers_)
            if (entry.figure->group == after)
                read(entry);

    if (!problems.empty()) {
        problem_->setText(
            tr("Entries to correct: %n. %1", nullptr, static_cast<int>(problems.size()))
                .arg(problems.front().second));
        QWidget* first = problems.front().first;
        first->setFocus();
        if (scroll_->isAncestorOf(first))
            scroll_->ensureWidgetVisible(first);
        return std::nullopt;
    }
    problem_->clear();
    offer.estimate = estimate;
    return offer;
}

void OfferEditor::AddNotes(QWidget* notes) {
    notes->setParent(body_);
    static_cast<QVBoxLayout*>(body_->layout())->insertWidget(0, notes);
}

void OfferEditor::FitToScreen(QSize wanted) {
    // As wide as the columns need, where the screen has the room: then only the height scrolls.
    if (layout())
        layout()->activate();
    int needed = body_->minimumSizeHint().width();
    for (QWidget* up = body_->parentWidget(); up && up != this; up = up->parentWidget())
        if (auto* page = qobject_cast<QScrollArea*>(up)) {
            needed += page->verticalScrollBar()->sizeHint().width() + 2 * page->frameWidth();
            break;
        }
    if (layout()) {
        const QMargins margins = layout()->contentsMargins();
        needed += margins.left() + margins.right();
    }
    wanted.setWidth(std::max(wanted.width(), needed));
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (shown) {
        const QSize room = shown->availableGeometry().size() - QSize(16, 48); // the frame
        wanted = wanted.boundedTo(room);
        setMaximumSize(shown->availableGeometry().size());
    }
    setMinimumSize(QSize(640, 400).boundedTo(wanted));
    resize(wanted);
}

void OfferEditor::accept() {
    const std::optional<store::KeptOffer> offer = EditedOffer();
    if (!offer)
        return;
    if (save_) {
        const QString why = save_(*offer);
        if (!why.isEmpty()) {
            problem_->setText(
                tr("%1 Nothing typed is lost: press OK to try again, or Cancel to leave the offer "
                   "unsaved.")
                    .arg(why));
            return;
        }
    }
    QDialog::accept();
}

bool OfferEditor::ChangedByUser() const {
    if (changed_)
        return true;
    const QList<QLineEdit*> edits = findChildren<QLineEdit*>();
    return std::any_of(edits.begin(), edits.end(),
                       [](const QLineEdit* edit) { return edit->isModified(); });
}

void OfferEditor::MarkUnchanged() {
    changed_ = false;
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setModified(false);
}

void OfferEditor::reject() {
    if (ChangedByUser() &&
        !platform::TheMessages().Ask(this, windowTitle(),
                                     tr("Close without keeping what you typed? The changes made "
                                        "here are lost; the offer stays as it was.")))
        return;
    QDialog::reject();
}

} // namespace plumcrest::offers
