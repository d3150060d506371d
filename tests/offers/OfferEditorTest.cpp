// Editing a kept offer's Loan Estimate as the user does it: through the Edit Offer dialog's
// fields, from the Compare window's Edit command to the store.

#include "OfferEditor.h"

#include "CompareWindow.h"
#include "FakePlatform.h"
#include "LocaleSettings.h"
#include "OfferCalculator.h"
#include "OfferDesk.h"
#include "OfferEntry.h"
#include "OfferStore.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>
#include <map>

using namespace plumcrest;
using namespace plumcrest::offers;
using namespace plumcrest::store;
using Field = OfferEditor::Field;

namespace {

const LocaleSeparators kUs{U'.', U','};

// An FHA offer on a 350,000.00 home: 280,000.00 over 30 years at 6.625 %, a line in every
// section, insurance, escrow, dues and every disclosed figure.
KeptOffer SampleOffer() {
    KeptOffer offer;
    offer.name = QStringLiteral("Juniper Bank");
    LoanEstimate estimate;
    estimate.loanType = LoanType::Fha;
    estimate.price = 350000;
    estimate.loanAmount = 280000;
    estimate.months = 360;
    estimate.noteRate = 6.625;
    estimate.costs = {{CostSection::A, "Origination fee", 1150, true},
                      {CostSection::B, "Appraisal Fee", 615, false},
                      {CostSection::C, "Survey Fee", 890, true},
                      {CostSection::E, "Recording Fees", 147, false},
                      {CostSection::F, "Prepaid Interest", 522.40, true},
                      {CostSection::G, "Property Taxes", 1633.33, false},
                      {CostSection::H, "Home Warranty", 425, false}};
    estimate.lenderCredits = 750;
    estimate.insuranceEnd = InsuranceEnd::Conventional;
    estimate.insurancePercent = 0.55;
    estimate.propertyTaxYearly = 4200;
    estimate.homeInsuranceYearly = 1380;
    estimate.hoaMonthly = 85;
    estimate.disclosedApr = 6.912;
    estimate.disclosedTip = 128.44;
    estimate.disclosedInFiveTotal = 118234.56;
    estimate.disclosedInFivePrincipal = 19876.54;
    offer.estimate = estimate;
    return offer;
}

// Keeps `offer` in a store of its own in `folder`, as a run of the program before this one did.
bool Keep(const QString& folder, KeptOffer& offer) {
    OfferStore seed(folder);
    return seed.Open() && seed.Add(offer);
}

void Retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

void ClickOk(OfferEditor& editor) {
    QTest::mouseClick(editor.Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// The store's own connection to its file, as Qt registers it: a test reaches through it to make
// the disk "full" for that connection alone.
QSqlDatabase StoreConnection() {
    for (const QString& name : QSqlDatabase::connectionNames()) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (name.startsWith(QStringLiteral("plumcrest-offers-")) && db.isOpen())
            return db;
    }
    return {};
}

// No page may be added to the file any more: the next write that needs room fails as on a full
// disk. `pages` 0 lifts the limit.
bool LimitPages(QSqlDatabase db, bool full) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA page_count")) || !query.next())
        return false;
    const qint64 pages = full ? query.value(0).toLongLong() : 1000000000;
    return query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
}

// Lines enough to need more room in the file than it has.
// Whether any of the widget's pixels is plainly red, as the problems' colour is.
bool DrawnInRed(QWidget& widget) {
    const QImage shown = widget.grab().toImage();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c.red() > 120 && c.red() > c.green() + 60)
                return true;
        }
    return false;
}

void AddLongLines(OfferEditor& editor) {
    for (int i = 0; i < 60; ++i) {
        QTest::mouseClick(editor.AddLineButton(CostSection::C), Qt::LeftButton);
        const OfferEditor::CostLine& line = editor.Line(CostSection::C, i + 1);
        line.label->setText(
            QStringLiteral("Settlement service %1, ").arg(i + 1).repeated(6).left(110));
        line.amount->setText(QString::number(100 + i * 7) + QStringLiteral(".25"));
    }
}

} // namespace

class OfferEditorTest : public QObject {
    Q_OBJECT

private slots:
    void edit_from_compare_writes_sections_and_monthly_costs_to_the_store();
    void finance_charge_box_follows_a_new_label_until_the_user_sets_it();
    void bad_amount_keeps_the_dialog_open_names_the_field_and_loses_nothing();
    void totals_follow_a_typed_amount();
    void entries_are_read_in_the_locale_data();
    void entries_are_read_in_the_locale();
    void adjustable_rate_is_typed_checked_and_taken_away_again();
    void a_201st_cost_line_is_refused_with_a_message_and_the_200_are_kept_whole();
    void a_label_of_201_characters_is_refused_beside_it_and_stays_as_typed();
    void a_kept_label_wider_than_its_field_shows_its_beginning();
    void an_added_line_stands_below_the_last_its_fields_side_by_side_and_its_problem_under_them();
    void a_term_not_in_whole_years_shows_its_years_and_keeps_its_months();
    void an_empty_figure_says_where_its_value_comes_from();
    void a_change_made_without_typing_is_asked_about_before_it_is_thrown_away();
    void every_figure_of_the_description_is_typed_and_kept();
    void the_premium_financed_must_stay_inside_the_loan_and_a_credit_is_typed_below_zero();
    void another_rate_is_its_price_and_its_rate_together();
    void interest_only_months_are_fewer_than_the_term_and_empty_is_none();
    void a_save_on_a_full_disk_keeps_the_editor_open_with_what_was_typed();
    void a_save_another_program_holds_up_says_so_at_once_and_ok_tries_again();
};

void OfferEditorTest::edit_from_compare_writes_sections_and_monthly_costs_to_the_store() {
    testing::FakePlatform platform;
    ScopedLocaleSeparators separators(kUs);
    QTemporaryDir dir;
    KeptOffer kept = SampleOffer();
    QVERIFY(Keep(dir.path(), kept));
    QWidget owner;
    OfferDesk desk(&owner, [&] { return dir.path(); });
    desk.AskToEdit = [](const KeptOffer& offer, QWidget* parent) -> std::optional<KeptOffer> {
        OfferEditor editor(offer, kUs, parent);
        Retype(editor.NameField(), QStringLiteral("Juniper Bank (revised)"));
        Retype(editor.NumberField("loanAmount"), QStringLiteral("290,000"));
        Retype(editor.NumberField("months"), QStringLiteral("25"));
        Retype(editor.NumberField("noteRate"), QStringLiteral("6.5"));
        Retype(editor.Line(CostSection::A, 0).amount, QStringLiteral("1,325.75"));
        QTest::mouseClick(editor.AddLineButton(CostSection::B), Qt::LeftButton);
        QTest::keyClicks(editor.Line(CostSection::B, 1).label, QStringLiteral("Pest Inspection"));
        QTest::keyClicks(editor.Line(CostSection::B, 1).amount, QStringLiteral("175.50"));
        QTest::mouseClick(editor.Line(CostSection::H, 0).remove, Qt::LeftButton);
        editor.InsuranceEndField()->setCurrentIndex(2); // FHA
        Retype(editor.NumberField("insurancePercent"), QStringLiteral("0.85"));
        Retype(editor.NumberField("propertyTaxYearly"), QStringLiteral("4,560"));
        Retype(editor.NumberField("hoaMonthly"), QStringLiteral("92.5"));
        Retype(editor.NumberField("disclosedTip"), QString());
        Retype(editor.NumberField("disclosedApr"), QStringLiteral("6.781"));
        ClickOk(editor);
        if (editor.result() != QDialog::Accepted)
            return std::nullopt;
        return editor.EditedOffer();
    };
    compare::CompareWindow* window = desk.ShowCompare();
    QVERIFY(window);
    window->SelectOffer(kept.id);
    window->Commands().edit->trigger();

    OfferStore reader(dir.path());
    QVERIFY(reader.Open());
    const auto all = reader.All();
    QCOMPARE(all.size(), std::size_t(1));
    const KeptOffer& saved = all[0];
    QCOMPARE(saved.name, QStringLiteral("Juniper Bank (revised)"));
    const LoanEstimate& e = saved.estimate;
    const std::vector<CostItem> costs{{CostSection::A, "Origination fee", 1325.75, true},
                                      {CostSection::B, "Appraisal Fee", 615, false},
                                      {CostSection::B, "Pest Inspection", 175.50, false},
                                      {CostSection::C, "Survey Fee", 890, true},
                                      {CostSection::E, "Recording Fees", 147, false},
                                      {CostSection::F, "Prepaid Interest", 522.40, true},
                                      {CostSection::G, "Property Taxes", 1633.33, false}};
    QCOMPARE(e.costs, costs);
    QCOMPARE(e.loanType, LoanType::Fha);
    QCOMPARE(e.loanAmount, 290000.0);
    QCOMPARE(e.months, 300);
    QCOMPARE(e.noteRate, 6.5);
    QCOMPARE(e.lenderCredits, 750.0);
    QCOMPARE(e.insuranceEnd, InsuranceEnd::Fha);
    QCOMPARE(e.insurancePercent, 0.85);
    QCOMPARE(e.propertyTaxYearly, 4560.0);
    QCOMPARE(e.homeInsuranceYearly, 1380.0);
    QCOMPARE(e.hoaMonthly, 92.5);
    QCOMPARE(e.disclosedTip, std::optional<double>());
    QCOMPARE(e.disclosedInFiveTotal, std::optional<double>(118234.56));
    QCOMPARE(saved.estimate.disclosedApr, std::optional<double>(6.781));
    // What the calculator shows follows: 60,000.00 down on 350,000.00, 290,000.00 over 25 years
    // at 6.5 % pays 1,958.10 a month.
    const LoanInputs inputs = CalculatorInputsOf(saved.estimate);
    QCOMPARE(inputs.Term, 25.0);
    QCOMPARE(inputs.Interest, 6.5);
    QVERIFY(std::abs(inputs.DownPaymentPercent - 17.142857142857) < 1e-9);
    const LoanResults results = CalculatorResultsOf(saved.estimate).value_or(LoanResults{});
    QCOMPARE(results.Loan, 290000.0);
    QCOMPARE(results.DownPayment, 60000.0);
    QVERIFY(std::abs(results.Payment - 1958.1008) < 0.0001);
    // The window shows the edited offer, still selected.
    QCOMPARE(window->SelectedOffer()->name, QStringLiteral("Juniper Bank (revised)"));
    QVERIFY(platform.messages.shown.empty());
}

void OfferEditorTest::finance_charge_box_follows_a_new_label_until_the_user_sets_it() {
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    QTest::mouseClick(editor.AddLineButton(CostSection::C), Qt::LeftButton);
    const OfferEditor::CostLine& typed = editor.Line(CostSection::C, 1);
    QTest::keyClicks(typed.label, QStringLiteral("Appraisal Fee"));
    QVERIFY(!typed.financeCharge->isChecked());
    Retype(typed.label, QStringLiteral("Underwriting Fee"));
    QVERIFY(typed.financeCharge->isChecked());

    QTest::mouseClick(editor.AddLineButton(CostSection::C), Qt::LeftButton);
    const OfferEditor::CostLine& set = editor.Line(CostSection::C, 2);
    QTest::keyClicks(set.label, QStringLiteral("Lender's Title Policy"));
    QVERIFY(!set.financeCharge->isChecked());
    set.financeCharge->click(); // the user says it is one
    Retype(set.label, QStringLiteral("Title - Lender's Policy"));
    QVERIFY(set.financeCharge->isChecked());
    QTest::keyClicks(set.amount, QStringLiteral("1,104.20"));
    QTest::keyClicks(typed.amount, QStringLiteral("2,310"));

    // A kept line keeps its mark whatever its label becomes.
    Retype(editor.Line(CostSection::B, 0).label, QStringLiteral("Processing Fee"));
    QVERIFY(!editor.Line(CostSection::B, 0).financeCharge->isChecked());

    const auto edited = editor.EditedOffer();
    QVERIFY(edited);
    const auto& costs = edited->estimate.costs;
    QCOMPARE(costs[1], (CostItem{CostSection::B, "Processing Fee", 615, false}));
    QCOMPARE(costs[3], (CostItem{CostSection::C, "Underwriting Fee", 2310, true}));
    QCOMPARE(costs[4], (CostItem{CostSection::C, "Title - Lender's Policy", 1104.20, true}));
}

void OfferEditorTest::bad_amount_keeps_the_dialog_open_names_the_field_and_loses_nothing() {
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    Retype(editor.NameField(), QStringLiteral("Juniper Bank, second quote"));
    Retype(editor.NumberField("homeInsuranceYearly"), QStringLiteral("1,495.60"));
    // A decimal comma where the point is the separator.
    const OfferEditor::CostLine& prepaid = editor.Line(CostSection::F, 0);
    Retype(prepaid.amount, QStringLiteral("611,85"));
    ClickOk(editor);
    QVERIFY(editor.isVisible());
    QVERIFY(editor.result() != QDialog::Accepted);
    QVERIFY(editor.Problem()->text().contains(QStringLiteral("F. Prepaids")));
    QVERIFY(editor.Problem()->text().contains(QStringLiteral("Prepaid Interest")));
    QVERIFY(DrawnInRed(*editor.Problem()));
    QVERIFY(prepaid.problem->isVisible());
    QVERIFY(prepaid.problem->text().contains(QStringLiteral("1,234.56")));
    QCOMPARE(editor.focusWidget(), prepaid.amount);
    QCOMPARE(prepaid.amount->text(), QStringLiteral("611,85"));
    QCOMPARE(editor.NameField()->text(), QStringLiteral("Juniper Bank, second quote"));
    QCOMPARE(editor.NumberField("homeInsuranceYearly")->text(), QStringLiteral("1,495.60"));

    QTest::mouseClick(editor.Buttons()->button(QDialogButtonBox::Help), Qt::LeftButton);
    QApplication::setActiveWindow(&editor);
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    QTest::keyClick(editor.focusWidget(), Qt::Key_F1);
    QCOMPARE(platform.help.calls,
             (QStringList{QStringLiteral("context 10102"), QStringLiteral("context 10102")}));

    Retype(prepaid.amount, QStringLiteral("611.85"));
    QVERIFY(!prepaid.problem->isVisible());
    ClickOk(editor);
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    const auto edited = editor.EditedOffer();
    QVERIFY(edited);
    QCOMPARE(edited->name, QStringLiteral("Juniper Bank, second quote"));
    QCOMPARE(edited->estimate.homeInsuranceYearly, 1495.60);
    QCOMPARE(edited->estimate.costs[4].amount, 611.85);
}

void OfferEditorTest::totals_follow_a_typed_amount() {
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    // D = 1,150.00 + 615.00 + 890.00; I = 147.00 + 522.40 + 1,633.33 + 425.00; J = D + I - 750.00.
    QCOMPARE(editor.LoanCostsTotal()->text(), QStringLiteral("2,655.00"));
    QCOMPARE(editor.OtherCostsTotal()->text(), QStringLiteral("2,727.73"));
    QCOMPARE(editor.ClosingCostsTotal()->text(), QStringLiteral("4,632.73"));
    Retype(editor.Line(CostSection::C, 0).amount, QStringLiteral("1,237.45"));
    QCOMPARE(editor.SectionTotalLabel(CostSection::C)->text(), QStringLiteral("1,237.45"));
    QCOMPARE(editor.LoanCostsTotal()->text(), QStringLiteral("3,002.45"));
    QCOMPARE(editor.OtherCostsTotal()->text(), QStringLiteral("2,727.73"));
    QCOMPARE(editor.ClosingCostsTotal()->text(), QStringLiteral("4,980.18"));
    Retype(editor.Line(CostSection::G, 0).amount, QStringLiteral("1,8x0"));
    QCOMPARE(editor.OtherCostsTotal()->text(), QStringLiteral("-"));
    QCOMPARE(editor.ClosingCostsTotal()->text(), QStringLiteral("-"));
    Retype(editor.Line(CostSection::G, 0).amount, QStringLiteral("1,820.10"));
    Retype(editor.NumberField("lenderCredits"), QStringLiteral("1,005"));
    QCOMPARE(editor.OtherCostsTotal()->text(), QStringLiteral("2,914.50"));
    QCOMPARE(editor.ClosingCostsTotal()->text(), QStringLiteral("4,911.95"));
}

void OfferEditorTest::entries_are_read_in_the_locale_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("optional");
    QTest::addColumn<double>("value"); // -1: none
    QTest::addColumn<QString>("problem");
    const int money = int(EntryKind::Money);
    const int percent = int(EntryKind::Percent);
    const int years = int(EntryKind::Years);
    // Decimal comma, point between thousands.
    QTest::newRow("grouped_money") << " 12.345,67 " << money << false << 12345.67 << "";
    QTest::newRow("plain_money") << "2345,5" << money << false << 2345.5 << "";
    QTest::newRow("group_of_two_is_no_thousand")
        << "12.34" << money << false << -1.0 << "Type an amount such as 1.234,56.";
    QTest::newRow("negative") << "-45,10" << money << false << -1.0 << "Cannot be negative.";
    QTest::newRow("cents_beyond_two")
        << "3,125" << money << false << -1.0 << "Use at most 2 decimals.";
    QTest::newRow("no_groups_in_a_rate")
        << "6.875" << percent << false << -1.0 << "Type a percentage such as 6,875.";
    QTest::newRow("rate") << "6,8125" << percent << false << 6.8125 << "";
    QTest::newRow("rate_with_percent_sign") << "6,40 %" << percent << false << 6.4 << "";
    QTest::newRow("percent_sign_alone")
        << "%" << percent << true << -1.0 << "Type a percentage such as 6,875.";
    QTest::newRow("rate_above_range")
        << "100,5" << percent << false << -1.0 << "Must be from 0,0000 to 100,0000.";
    QTest::newRow("optional_left_empty") << "  " << percent << true << -1.0 << "";
    QTest::newRow("required_left_empty")
        << "" << years << false << -1.0 << "Type a whole number of years such as 30.";
    QTest::newRow("part_years") << "17,5" << years << false << -1.0
                                << "Type a whole number of years such as 30.";
}

void OfferEditorTest::entries_are_read_in_the_locale() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(bool, optional);
    QFETCH(double, value);
    QFETCH(QString, problem);
    EntryRule rule{static_cast<EntryKind>(kind), 0, kMaxMoney, false, optional};
    if (rule.kind == EntryKind::Percent)
        rule.max = 100;
    if (rule.kind == EntryKind::Years)
        rule = {EntryKind::Years, 1, 1000, false, optional};
    const EntryReading reading = ReadEntry(text, rule, LocaleSeparators{U',', U'.'});
    QCOMPARE(reading.problem, problem);
    QCOMPARE(reading.value.value_or(-1.0), value);
}

void OfferEditorTest::adjustable_rate_is_typed_checked_and_taken_away_again() {
    testing::FakePlatform platform;
    KeptOffer offer = SampleOffer();
    {
        OfferEditor editor(offer, kUs, nullptr);
        QVERIFY(!editor.AdjustableBox()->isChecked());
        QVERIFY(!editor.NumberField("armMargin")->isEnabled());
        editor.AdjustableBox()->setChecked(true);
        Retype(editor.NumberField("armInitialMonths"), QStringLiteral("84"));
        Retype(editor.NumberField("armIndex"), QStringLiteral("4.125"));
        Retype(editor.NumberField("armMargin"), QStringLiteral("2.75"));
        Retype(editor.NumberField("armMonthsBetween"), QStringLiteral("6"));
        Retype(editor.NumberField("armFirstCap"), QStringLiteral("5"));
        Retype(editor.NumberField("armLaterCap"), QStringLiteral("1"));
        Retype(editor.NumberField("armLifeCap"), QStringLiteral("5.5"));
        // A part month is not a change date: the dialog stays, says so, keeps the rest.
        Retype(editor.NumberField("armFloor"), QStringLiteral("2.875"));
        Retype(editor.NumberField("armMonthsBetween"), QStringLiteral("6.5"));
        ClickOk(editor);
        QVERIFY(editor.result() != QDialog::Accepted);
        QVERIFY(editor.Problem()->text().contains(QStringLiteral("Months between changes")));
        QCOMPARE(editor.NumberField("armLifeCap")->text(), QStringLiteral("5.5"));
        Retype(editor.NumberField("armMonthsBetween"), QStringLiteral("6"));
        const auto edited = editor.EditedOffer();
        QVERIFY(edited);
        QCOMPARE(edited->estimate.adjustable, std::optional<AdjustableRate>(AdjustableRate{
                                                  84, 4.125, 2.75, 5, 1, 5.5, 2.875, 6}));
        offer = *edited;
    }
    // Opened again it shows the table; unchecked, the rate is fixed again.
    OfferEditor editor(offer, kUs, nullptr);
    QVERIFY(editor.AdjustableBox()->isChecked());
    QCOMPARE(editor.NumberField("armIndex")->text(), QStringLiteral("4.1250"));
    QCOMPARE(editor.NumberField("armMonthsBetween")->text(), QStringLiteral("6"));
    editor.AdjustableBox()->setChecked(false);
    Retype(editor.NumberField("armFloor"), QStringLiteral("x"));
    const auto edited = editor.EditedOffer();
    QVERIFY(edited);
    QVERIFY(!edited->estimate.adjustable);
}

void OfferEditorTest::a_201st_cost_line_is_refused_with_a_message_and_the_200_are_kept_whole() {
    // State: an offer with 7 closing cost lines, filled up to 200 with the Add line buttons.
    testing::FakePlatform platform;
    QTemporaryDir dir;
    OfferStore store(dir.path());
    QVERIFY(store.Open());
    KeptOffer kept = SampleOffer();
    QVERIFY(store.Add(kept));
    OfferEditor editor(kept, kUs, nullptr);
    for (int i = 0; i < 193; ++i) {
        QTest::mouseClick(editor.AddLineButton(i < 100 ? CostSection::B : CostSection::H),
                          Qt::LeftButton);
        const auto section = i < 100 ? CostSection::B : CostSection::H;
        const OfferEditor::CostLine& line = editor.Line(section, editor.LineCount(section) - 1);
        line.label->setText(QStringLiteral("Charge %1").arg(i));
        line.amount->setText(QStringLiteral("%1.25").arg(i + 3));
    }
    QCOMPARE(editor.LineCount(CostSection::B) + editor.LineCount(CostSection::H), 101 + 94);
    const OfferEditor::CostLine& last = editor.Line(CostSection::H, 93);
    Retype(last.label, QStringLiteral("Courier Fee"));
    QVERIFY(editor.AddLineProblem(CostSection::E)->isHidden());

    // Action: a 201st line is asked for.
    QTest::mouseClick(editor.AddLineButton(CostSection::E), Qt::LeftButton);

    // Expected: none is added, the message beside the button says why, nothing typed is lost.
    QCOMPARE(editor.LineCount(CostSection::E), 1);
    QVERIFY(!editor.AddLineProblem(CostSection::E)->isHidden());
    QVERIFY(editor.AddLineProblem(CostSection::E)->text().contains(QStringLiteral("200")));
    QCOMPARE(last.label->text(), QStringLiteral("Courier Fee"));
    QCOMPARE(last.amount->text(), QStringLiteral("195.25"));

    // Removing a line makes room again, and the message goes.
    QTest::mouseClick(editor.Line(CostSection::G, 0).remove, Qt::LeftButton);
    QVERIFY(editor.AddLineProblem(CostSection::E)->isHidden());
    QTest::mouseClick(editor.AddLineButton(CostSection::E), Qt::LeftButton);
    QCOMPARE(editor.LineCount(CostSection::E), 2);
    const OfferEditor::CostLine& added = editor.Line(CostSection::E, 1);
    QTest::keyClicks(added.label, QStringLiteral("Transfer Tax"));
    QTest::keyClicks(added.amount, QStringLiteral("1,210.50"));

    // The 200 lines are kept, and read back whole, with nothing said to be left out.
    const auto edited = editor.EditedOffer();
    QVERIFY(edited);
    QCOMPARE(edited->estimate.costs.size(), std::size_t(200));
    QVERIFY2(store.Update(*edited), qPrintable(store.Error()));
    const auto read = store.All();
    QVERIFY2(store.Notice().isEmpty(), qPrintable(store.Notice()));
    QCOMPARE(read.size(), std::size_t(1));
    QVERIFY(read[0].estimate.costs == edited->estimate.costs);
}

void OfferEditorTest::a_label_of_201_characters_is_refused_beside_it_and_stays_as_typed() {
    // State: the editor open on a kept offer.
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const OfferEditor::CostLine& survey = editor.Line(CostSection::C, 0);
    const QString typed = QStringLiteral("Survey Fee, ") + QString(189, QLatin1Char('s'));
    QCOMPARE(typed.size(), 201);

    // Action: a label of 201 characters is typed, and OK pressed.
    Retype(survey.label, typed);
    ClickOk(editor);

    // Expected: the dialog stays open with the label as typed, the message beside it and the
    // cursor in it.
    QVERIFY(editor.isVisible());
    QVERIFY(editor.result() != QDialog::Accepted);
    QCOMPARE(survey.label->text(), typed);
    QVERIFY(survey.problem->isVisible());
    QVERIFY(survey.problem->text().contains(QStringLiteral("200")));
    QVERIFY(survey.problem->text().contains(QStringLiteral("201")));
    QVERIFY(editor.Problem()->text().contains(QStringLiteral("C. Services You Can")));
    QCOMPARE(editor.focusWidget(), survey.label);

    // One character fewer is taken, whole.
    QTest::keyClick(survey.label, Qt::Key_Backspace);
    QVERIFY(!survey.problem->isVisible());
    ClickOk(editor);
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    const auto edited = editor.EditedOffer();
    QVERIFY(edited);
    QCOMPARE(QString::fromStdString(edited->estimate.costs[2].label), typed.left(200));
}

// State: an offer kept; the file can take no more pages, as on a full disk.
// Action: Edit; a new name and 60 long lines typed; OK; then room is made and OK pressed again.
// Expected: the first OK leaves the editor open with every entry as typed and says the disk is
//   full and that OK tries again, in plain words, with no message box; the second OK keeps it all.
void OfferEditorTest::a_kept_label_wider_than_its_field_shows_its_beginning() {
    testing::FakePlatform platform;
    KeptOffer offer = SampleOffer();
    offer.estimate.costs[2].label = "Title - Lender's Title Insurance Policy with Endorsements";
    OfferEditor editor(offer, kUs, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QLineEdit* label = editor.Line(CostSection::C, 0).label;
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) > label->width());
    // Its first word stands at the field's left edge, not scrolled off by the end.
    QCOMPARE(label->cursorPosition(), 0);
}

void OfferEditorTest::
    an_added_line_stands_below_the_last_its_fields_side_by_side_and_its_problem_under_them() {
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    editor.resize(1200, 760);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QTest::mouseClick(editor.AddLineButton(CostSection::A), Qt::LeftButton);
    QTest::mouseClick(editor.AddLineButton(CostSection::H), Qt::LeftButton);
    const OfferEditor::CostLine& kept = editor.Line(CostSection::A, 0);
    const OfferEditor::CostLine& added = editor.Line(CostSection::A, 1);
    // The lender's own charges count as finance charges until the buyer says otherwise; an
    // optional charge does not.
    QVERIFY(added.financeCharge->isChecked());
    QVERIFY(!editor.Line(CostSection::H, 1).financeCharge->isChecked());

    QTest::keyClicks(added.amount, QStringLiteral("12x"));
    QTRY_VERIFY(added.problem->isVisible());
    const auto at = [&editor](const QWidget* w) {
        return QRect(w->mapTo(&editor, QPoint(0, 0)), w->size());
    };
    QVERIFY(at(added.label).top() >= at(kept.label).bottom());
    QVERIFY(at(added.label).right() < at(added.amount).left());
    QVERIFY(at(added.amount).right() < at(added.financeCharge).left());
    QVERIFY(at(added.financeCharge).right() < at(added.remove).left());
    QVERIFY(at(added.problem).top() >= at(added.amount).bottom());
    QVERIFY(at(added.problem).height() > 0);
    QVERIFY(at(editor.AddLineButton(CostSection::A)).top() >= at(added.problem).bottom());
    // The problem reads in red, and a total that counts it shows a dash, not a wrong figure.
    QVERIFY(DrawnInRed(*added.problem));
    QCOMPARE(editor.LoanCostsTotal()->text(), QStringLiteral("-"));
    // Named for a screen reader before anything is typed in it.
    QVERIFY(added.amount->accessibleName().contains(QStringLiteral("line 2: amount")));

    // Tab reaches the added line after the one kept, and Add line after it.
    editor.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    kept.remove->setFocus();
    QTest::keyClick(kept.remove, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), added.label);
    added.remove->setFocus();
    QTest::keyClick(added.remove, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), editor.AddLineButton(CostSection::A));
}

void OfferEditorTest::a_term_not_in_whole_years_shows_its_years_and_keeps_its_months() {
    testing::FakePlatform platform;
    KeptOffer offer = SampleOffer();
    offer.estimate.months = 341;
    OfferEditor editor(offer, kUs, nullptr);
    QCOMPARE(editor.NumberField("months")->text(), QStringLiteral("28.4166666666667"));
    const auto edited = editor.EditedOffer();
    QVERIFY(edited);
    QCOMPARE(edited->estimate.months, 341);
}

void OfferEditorTest::a_change_made_without_typing_is_asked_about_before_it_is_thrown_away() {
    testing::FakePlatform platform;
    platform.messages.answer = false;
    const std::vector<std::pair<const char*, std::function<void(OfferEditor&)>>> changes = {
        {"another loan type",
         [](OfferEditor& e) { QTest::keyClick(e.LoanTypeField(), Qt::Key_Down); }},
        {"a line removed",
         [](OfferEditor& e) {
             QTest::mouseClick(e.Line(CostSection::H, 0).remove, Qt::LeftButton);
         }},
    };
    for (const auto& [what, change] : changes) {
        OfferEditor editor(SampleOffer(), kUs, nullptr);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        change(editor);
        platform.messages.asked.clear();
        editor.reject();
        QVERIFY2(platform.messages.asked.size() == 1, what);
        QVERIFY2(editor.isVisible(), what);
    }
}

void OfferEditorTest::an_empty_figure_says_where_its_value_comes_from() {
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    // A cash-to-close line left empty is worked out; a disclosed figure left empty was not given.
    QCOMPARE(editor.NumberField("closingCostsFinanced")->placeholderText(),
             QStringLiteral("from the offer's figures"));
    QCOMPARE(editor.NumberField("disclosedTip")->placeholderText(), QStringLiteral("not given"));
}

void OfferEditorTest::a_save_on_a_full_disk_keeps_the_editor_open_with_what_was_typed() {
    testing::FakePlatform platform;
    ScopedLocaleSeparators separators(kUs);
    QTemporaryDir dir;
    KeptOffer kept = SampleOffer();
    QVERIFY(Keep(dir.path(), kept));
    QWidget owner;
    OfferDesk desk(&owner, [&] { return dir.path(); });
    compare::CompareWindow* window = desk.ShowCompare();
    QVERIFY(window);
    QVERIFY(LimitPages(StoreConnection(), true));
    bool sawFailure = false;
    desk.DriveEditor = [&](OfferEditor& editor) {
        Retype(editor.NameField(), QStringLiteral("Juniper Bank (full disk)"));
        Retype(editor.NumberField("noteRate"), QStringLiteral("6.375"));
        AddLongLines(editor);
        ClickOk(editor);
        QCOMPARE_NE(editor.result(), int(QDialog::Accepted));
        QVERIFY2(editor.Problem()->text().contains(QStringLiteral("the disk is full")),
                 qPrintable(editor.Problem()->text()));
        QVERIFY2(editor.Problem()->text().contains(QStringLiteral("press OK to try again")),
                 qPrintable(editor.Problem()->text()));
        QVERIFY(!editor.Problem()->text().contains(QStringLiteral("Unable to fetch row")));
        QCOMPARE(editor.NameField()->text(), QStringLiteral("Juniper Bank (full disk)"));
        QCOMPARE(editor.NumberField("noteRate")->text(), QStringLiteral("6.375"));
        QCOMPARE(editor.LineCount(CostSection::C), 61);
        QVERIFY(platform.messages.shown.empty());
        sawFailure = true;
        QVERIFY(LimitPages(StoreConnection(), false));
        ClickOk(editor);
    };
    window->SelectOffer(kept.id);
    window->Commands().edit->trigger();
    QVERIFY(sawFailure);

    OfferStore reader(dir.path());
    QVERIFY(reader.Open());
    const auto all = reader.All();
    QCOMPARE(all.size(), std::size_t(1));
    QCOMPARE(all[0].name, QStringLiteral("Juniper Bank (full disk)"));
    QCOMPARE(all[0].estimate.noteRate, 6.375);
    QCOMPARE(all[0].estimate.costs.size(), std::size_t(7 + 60));
    QCOMPARE(window->SelectedOffer()->name, QStringLiteral("Juniper Bank (full disk)"));
    QVERIFY(platform.messages.shown.empty());
}

// State: an offer kept and open in the editor; another program then holds the file in an
//   exclusive transaction.
// Action: a new name typed; OK; the other program lets go; OK again.
// Expected: the first OK answers within a second (not the ten seconds a change may wait
//   elsewhere), the editor stays open with the name as typed and says another program is using
//   the file; the second OK saves it.
void OfferEditorTest::a_save_another_program_holds_up_says_so_at_once_and_ok_tries_again() {
    testing::FakePlatform platform;
    ScopedLocaleSeparators separators(kUs);
    QTemporaryDir dir;
    KeptOffer kept = SampleOffer();
    QVERIFY(Keep(dir.path(), kept));
    QWidget owner;
    OfferDesk desk(&owner, [&] { return dir.path(); });
    compare::CompareWindow* window = desk.ShowCompare();
    QVERIFY(window);
    bool sawBusy = false;
    {
        QSqlDatabase holder =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(dir.path() + QStringLiteral("/offers.sqlite"));
        QVERIFY(holder.open());
        QSqlQuery hold(holder);
        desk.DriveEditor = [&](OfferEditor& editor) {
            Retype(editor.NameField(), QStringLiteral("Juniper Bank (busy)"));
            QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QElapsedTimer clock;
            clock.start();
            ClickOk(editor);
            QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE_NE(editor.result(), int(QDialog::Accepted));
            QVERIFY2(editor.Problem()->text().contains(QStringLiteral("another program")),
                     qPrintable(editor.Problem()->text()));
            QCOMPARE(editor.NameField()->text(), QStringLiteral("Juniper Bank (busy)"));
            sawBusy = true;
            QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
            ClickOk(editor);
        };
        window->SelectOffer(kept.id);
        window->Commands().edit->trigger();
        holder.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    QVERIFY(sawBusy);
    OfferStore reader(dir.path());
    QVERIFY(reader.Open());
    const auto all = reader.All();
    QCOMPARE(all.size(), std::size_t(1));
    QCOMPARE(all[0].name, QStringLiteral("Juniper Bank (busy)"));
    QVERIFY(platform.messages.shown.empty());
}

// State: the FHA offer of 280,000.00. Action: 280,000.00 of upfront premium typed, then
// 4,830.00; an adjustment of -1,250.75 typed. Expected: the whole loan cannot be premium, and the
// field says so; 4,830.00 is taken; the credit keeps its sign.
void OfferEditorTest::
    the_premium_financed_must_stay_inside_the_loan_and_a_credit_is_typed_below_zero() {
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    Retype(editor.NumberField("upfrontPremiumFinanced"), QStringLiteral("280,000.00"));
    QVERIFY(!editor.ProblemBeside("upfrontPremiumFinanced")->text().isEmpty());
    QVERIFY(!editor.EditedOffer());
    // A larger loan makes room for it.
    Retype(editor.NumberField("loanAmount"), QStringLiteral("280000.01"));
    QVERIFY(editor.ProblemBeside("upfrontPremiumFinanced")->text().isEmpty());
    Retype(editor.NumberField("loanAmount"), QStringLiteral("284830"));
    Retype(editor.NumberField("upfrontPremiumFinanced"), QStringLiteral("4,830.00"));
    Retype(editor.NumberField("adjustmentsCredits"), QStringLiteral("-1,250.75"));
    const auto edited = editor.EditedOffer();
    QVERIFY2(edited, qPrintable(editor.Problem()->text()));
    QCOMPARE(edited->estimate.upfrontPremiumFinanced, 4830.0);
    QCOMPARE(edited->estimate.adjustmentsCredits, std::optional<double>(-1250.75));
    QVERIFY(!edited->estimate.deposit);
}

// State: an offer in the editor. Action: 1.25 points typed without the rate they buy, then the
// rate; a credit's rate typed without the credit. Expected: refused beside the field until both
// are given; then the offer keeps both, the credit's pair left out.
void OfferEditorTest::another_rate_is_its_price_and_its_rate_together() {
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    Retype(editor.NumberField("pointsOptionPoints"), QStringLiteral("1.25"));
    QVERIFY(!editor.EditedOffer());
    QVERIFY(!editor.ProblemBeside("pointsOptionRate")->text().isEmpty());
    Retype(editor.NumberField("pointsOptionRate"), QStringLiteral("6.125"));
    Retype(editor.NumberField("creditOptionRate"), QStringLiteral("7.25"));
    QVERIFY(!editor.EditedOffer());
    QVERIFY(!editor.ProblemBeside("creditOptionAmount")->text().isEmpty());
    editor.NumberField("creditOptionRate")->clear();
    const auto edited = editor.EditedOffer();
    QVERIFY2(edited, qPrintable(editor.Problem()->text()));
    QCOMPARE(edited->estimate.pointsOptionPoints, std::optional<double>(1.25));
    QCOMPARE(edited->estimate.pointsOptionRate, std::optional<double>(6.125));
    QVERIFY(!edited->estimate.creditOptionAmount && !edited->estimate.creditOptionRate);
}

// State: an offer in the editor, a 5-year term. Action: 60 interest-only months typed, then 59;
// the term shortened to 4 years; then 30 years and 84 months; the offer opened again and the
// months cleared. Expected: the whole term cannot be interest only, and the field says so until
// the months are fewer; a shorter term refuses them again at once; 84 months are kept and shown
// again; cleared, none.
void OfferEditorTest::interest_only_months_are_fewer_than_the_term_and_empty_is_none() {
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    QVERIFY(editor.NumberField("interestOnlyMonths")->text().isEmpty());
    Retype(editor.NumberField("months"), QStringLiteral("5"));
    Retype(editor.NumberField("interestOnlyMonths"), QStringLiteral("60"));
    QVERIFY(!editor.ProblemBeside("interestOnlyMonths")->text().isEmpty());
    QVERIFY(!editor.EditedOffer());
    Retype(editor.NumberField("interestOnlyMonths"), QStringLiteral("59"));
    QVERIFY(editor.ProblemBeside("interestOnlyMonths")->text().isEmpty());
    QCOMPARE(editor.EditedOffer()->estimate.interestOnlyMonths, 59);
    Retype(editor.NumberField("months"), QStringLiteral("4"));
    QVERIFY(!editor.ProblemBeside("interestOnlyMonths")->text().isEmpty());
    QVERIFY(!editor.EditedOffer());
    Retype(editor.NumberField("months"), QStringLiteral("30"));
    Retype(editor.NumberField("interestOnlyMonths"), QStringLiteral("84"));
    const auto edited = editor.EditedOffer();
    QVERIFY2(edited, qPrintable(editor.Problem()->text()));
    QCOMPARE(edited->estimate.interestOnlyMonths, 84);
    // Opened again on the offer so kept, the months cleared: no interest-only payments left.
    OfferEditor again(*edited, kUs, nullptr);
    QCOMPARE(again.NumberField("interestOnlyMonths")->text(), QStringLiteral("84"));
    again.NumberField("interestOnlyMonths")->clear();
    const auto cleared = again.EditedOffer();
    QVERIFY2(cleared, qPrintable(again.Problem()->text()));
    QCOMPARE(cleared->estimate.interestOnlyMonths, 0);
}

QTEST_MAIN(OfferEditorTest)
// State: an offer in the editor, its rate adjustable. Action: every figure the description of a
// Loan Estimate holds is typed with a value of its own (money 1,001.25, 1,002.25, ...; rates
// 1.125, 2.125, ...; months 13, 14, ...). Expected: each reaches the edited offer and comes back
// from the store as typed, so a figure added to the description needs no code to be edited or
// kept.
void OfferEditorTest::every_figure_of_the_description_is_typed_and_kept() {
    testing::FakePlatform platform;
    OfferEditor editor(SampleOffer(), kUs, nullptr);
    editor.AdjustableBox()->setChecked(true);
    std::map<std::string_view, double> typed;
    int n = 0;
    for (const EstimateField& figure : kEstimateFields) {
        ++n;
        if (figure.kind == FigureKind::Choice)
            continue;
        QLineEdit* field = editor.NumberField(figure.key);
        QVERIFY2(field, figure.column);
        double value = 0;
        QString text;
        if (figure.key == "months") {
            value = 12 * 17;
            text = QStringLiteral("17");
        } else if (figure.kind == FigureKind::Months) {
            value = 12 + n;
            text = QString::number(value);
        } else if (figure.kind == FigureKind::Date) {
            const auto day = static_cast<unsigned>(n % 28 + 1);
            value = DaysFromCivil(2027, 2, day);
            text = QStringLiteral("2/%1/2027").arg(day);
        } else if (figure.kind == FigureKind::Rate) {
            value = n + 0.125;
            text = QString::number(value, 'f', 3);
        } else {
            value = 1000 + n + 0.25;
            text = QString::number(value, 'f', 2);
        }
        Retype(field, text);
        typed[figure.key] = value;
    }
    editor.LoanTypeField()->setCurrentIndex(3);
    editor.InsuranceEndField()->setCurrentIndex(2);
    // The loan may not exceed the price, nor the premium financed in it reach the loan.
    Retype(editor.NumberField("price"), QStringLiteral("99999999.99"));
    typed["price"] = 99999999.99;
    Retype(editor.NumberField("loanAmount"), QStringLiteral("99999999.99"));
    typed["loanAmount"] = 99999999.99;
    const auto edited = editor.EditedOffer();
    QVERIFY2(edited, qPrintable(editor.Problem()->text()));
    QTemporaryDir dir;
    OfferStore store(dir.path());
    QVERIFY(store.Open());
    KeptOffer kept = *edited;
    QVERIFY(store.Add(kept));
    const auto read = store.All();
    QCOMPARE(read.size(), std::size_t(1));
    for (const LoanEstimate* estimate : {&edited->estimate, &read.front().estimate}) {
        for (const auto& [key, value] : typed)
            QCOMPARE(FigureValue(EstimateFieldOf(key), *estimate).value_or(-1), value);
        QCOMPARE(estimate->loanType, LoanType::Other);
        QCOMPARE(estimate->insuranceEnd, InsuranceEnd::Fha);
    }
}

#include "OfferEditorTest.moc"
