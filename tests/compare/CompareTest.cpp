// The comparison as the user reads it (the model behind the Compare window), the window's
// commands, and the two File menu commands of the main window.

#include "CompareModel.h"
#include "CompareWindow.h"
#include "CostChart.h"
#include "KeepOfferDialog.h"
#include "OfferCalculator.h"
#include "OfferDesk.h"
#include "OfferStore.h"
#include "PlumcrestApplication.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace plumcrest;
using namespace plumcrest::offers;
using namespace plumcrest::store;
using namespace plumcrest::compare;
using namespace plumcrest::schedule;
using namespace plumcrest::output;
using plumcrest::testing::Shown;
using plumcrest::testing::WindowFixture;

namespace {

// Hand-worked offers: two 200,000.00 loans over 30 years, 6.5 % with 6,000.00 of fees and 7 %
// with 1,000.00, and 180,000.00 over 15 years at 6.875 % with 2,500.00.
KeptOffer Offer(qint64 id, const char* name, double loan, double rate, double years, double fees,
                std::optional<double> disclosed) {
    KeptOffer offer;
    offer.id = id;
    offer.name = QString::fromLatin1(name);
    LoanInputs inputs;
    inputs.PurchasePrice = loan + 50000;
    inputs.DownPaymentPercent = 50000 / (loan + 50000) * 100;
    inputs.Term = years;
    inputs.Interest = rate;
    inputs.Points = fees - 500;
    inputs.FloodCheck = 500;
    LoanResults results;
    results.Loan = loan;
    offer.estimate = EstimateFromCalculator(inputs, results);
    offer.estimate.disclosedApr = disclosed;
    return offer;
}

std::vector<KeptOffer> ThreeOffers() {
    return {Offer(3, "Cedar Bank", 180000, 6.875, 15, 2500, std::nullopt),
            Offer(2, "Birch Lending", 200000, 7.0, 30, 1000, 7.2),
            Offer(1, "Aspen Mortgage", 200000, 6.5, 30, 6000, 7.0473)};
}

QString Cell(const CompareModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}

} // namespace

class CompareTest : public QObject {
    Q_OBJECT

private slots:
    void model_shows_hand_worked_costs_and_marks_the_cheapest_data();
    void model_shows_hand_worked_costs_and_marks_the_cheapest();
    void model_break_even_per_pair();
    void model_apr_check_against_an_eighth_of_a_point();
    void model_shows_the_loan_estimate_figures();
    void model_shows_fha_premium_adjustable_columns_and_the_forms_own_figures();
    void model_marks_the_cheapest_by_the_cost_with_savings();
    void model_uses_the_locale_separators();
    void window_deletes_with_undo_until_it_closes();
    void undo_and_redo_take_back_rename_edit_and_delete();
    void window_renames_and_puts_an_offer_back_into_the_calculator();
    void window_keeps_its_offers_while_another_program_holds_the_file();
    void window_reports_renaming_an_offer_another_copy_deleted();
    void window_fields_are_named_for_screen_readers();
    void window_compares_the_newest_six_and_keeps_the_choice();
    void window_opens_within_the_screen_beside_the_calculator();
    void window_fields_take_effect_and_come_back_as_left();
    void window_places_every_control_on_its_page();
    void offer_commands_follow_the_selection();
    void years_kept_reach_the_longest_term_compared();
    void a_points_option_without_its_rate_is_no_choice();
    void selected_column_is_readable_on_light_and_dark();
    void keep_dialog_needs_a_name_and_a_readable_apr_data();
    void keep_dialog_needs_a_name_and_a_readable_apr();
    void file_menu_carries_the_offer_commands_after_reset();
    void keep_stores_the_calculated_offer();
    void keep_after_a_failed_calculation_keeps_nothing();
    void use_in_calculator_fills_the_inputs_and_calculates();
};

void CompareTest::model_shows_hand_worked_costs_and_marks_the_cheapest_data() {
    QTest::addColumn<int>("years");
    QTest::addColumn<QStringList>("costs"); // Cedar, Birch, Aspen
    QTest::addColumn<QString>("label");
    // Fees plus the interest of the first years, worked month by month in whole cents.
    QTest::newRow("seven_years") << 7 << QStringList{"75,634.94", "95,065.75", "93,019.78"}
                                 << QStringLiteral("Cost over 7 years");
    QTest::newRow("four_years") << 4 << QStringList{"47,941.93", "55,818.16", "56,797.62"}
                                << QStringLiteral("Cost over 4 years");
    QTest::newRow("beyond_the_longest_term_is_the_whole_term")
        << 99 << QStringList{"111,460.51", "280,021.94", "261,085.82"}
        << QStringLiteral("Cost over 30 years");
}

void CompareTest::model_shows_hand_worked_costs_and_marks_the_cheapest() {
    QFETCH(int, years);
    QFETCH(QStringList, costs);
    QFETCH(QString, label);
    CompareModel model(LocaleSeparators{U'.', U','});
    model.SetOffers(ThreeOffers());
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.SetHorizonYears(years);
    QCOMPARE(changed.size(), 1);
    // Every row that follows the years is repainted, down to the cheapest mark.
    QCOMPARE(changed.first().at(0).toModelIndex().row(), int(CompareModel::HorizonPaidRow));
    QCOMPARE(changed.first().at(1).toModelIndex().row(), model.rowCount() - 1);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Cedar Bank"));
    QCOMPARE(model.headerData(CompareModel::HorizonCostRow, Qt::Vertical).toString(), label);
    QStringList shown;
    for (int column = 0; column < 3; ++column)
        shown << Cell(model, CompareModel::HorizonCostRow, column);
    QCOMPARE(shown, costs);
    // The 15-year loan costs least for every horizon here.
    QCOMPARE(Cell(model, CompareModel::CheapestRow, 0), QStringLiteral("cheapest"));
    QCOMPARE(Cell(model, CompareModel::CheapestRow, 1), QString());
    QCOMPARE(Cell(model, CompareModel::CheapestRow, 2), QString());
    QVERIFY(model.data(model.index(CompareModel::DiscountedCostRow, 0), Qt::FontRole)
                .value<QFont>()
                .bold());
    // The whole-term rows do not follow the horizon.
    // The total of payments of 12 CFR 1026.38(o)(1): 455,085.82 of principal and interest plus
    // the 6,000.00 of loan costs.
    QCOMPARE(Cell(model, CompareModel::TotalPaymentsRow, 2), QStringLiteral("461,085.82"));
    QCOMPARE(Cell(model, CompareModel::TotalInterestRow, 2), QStringLiteral("255,085.82"));
    QCOMPARE(Cell(model, CompareModel::WholeTermCostRow, 2), QStringLiteral("261,085.82"));
    QCOMPARE(Cell(model, CompareModel::WholeTermCostRow, 0), QStringLiteral("111,460.51"));
    QCOMPARE(Cell(model, CompareModel::TermRow, 0), QStringLiteral("15"));
    QCOMPARE(Cell(model, CompareModel::NoteRateRow, 0), QStringLiteral("6.8750"));
    QCOMPARE(Cell(model, CompareModel::TotalFeesRow, 2), QStringLiteral("6,000.00"));
    QCOMPARE(Cell(model, CompareModel::LoanRow, 0), QStringLiteral("180,000.00"));
    QCOMPARE(Cell(model, CompareModel::PriceRow, 0), QStringLiteral("230,000.00"));
    QCOMPARE(Cell(model, CompareModel::PaymentRow, 0), QStringLiteral("1,605.34"));
}

void CompareTest::model_break_even_per_pair() {
    CompareModel model(LocaleSeparators{U'.', U','});
    model.SetOffers(ThreeOffers());
    // Set against the cheapest over 7 years (Cedar, the 15-year loan) by default, against one
    // chosen otherwise; each pair reads the same from either side.
    QCOMPARE(model.Offer(model.BreakEvenReference()).name, QStringLiteral("Cedar Bank"));
    QCOMPARE(model.BreakEvenTexts(),
             (QStringList{"Cedar Bank (6.8750 %) against Birch Lending (7.0000 %): cheaper from "
                          "month 11 (year 1)",
                          "Aspen Mortgage (6.5000 %) against Cedar Bank (6.8750 %): never within "
                          "the term"}));
    model.SetBreakEvenReference(2); // Birch Lending
    QStringList lines = model.BreakEvenTexts();
    model.SetBreakEvenReference(1); // Aspen Mortgage
    lines << model.BreakEvenTexts().value(1);
    // Cedar saves about 135 a month of interest against Birch's 1,500.00 less in fees: it has
    // cost less from month 11 on (12,662.21 against 12,622.96 in month 10). Aspen buys its lower
    // rate with 5,000.00 more in fees than Birch: cheaper from month 60 (69,070.04 against
    // 69,099.54; 68,054.58 against 67,999.99 in month 59). Against Cedar's 15-year loan Aspen never
    // catches up.
    QCOMPARE(lines,
             (QStringList{"Cedar Bank (6.8750 %) against Birch Lending (7.0000 %): cheaper from "
                          "month 11 (year 1)",
                          "Aspen Mortgage (6.5000 %) against Birch Lending (7.0000 %): cheaper "
                          "from month 60 (year 5)",
                          "Aspen Mortgage (6.5000 %) against Birch Lending (7.0000 %): cheaper "
                          "from month 60 (year 5)"}));
    // The offer chosen to set the others against is no longer shown (deleted): the cheapest
    // stands in for it again.
    model.SetBreakEvenReference(99);
    QCOMPARE(model.Offer(model.BreakEvenReference()).name, QStringLiteral("Cedar Bank"));

    // The shortest horizon there is, one year, is kept as asked, not raised to two: fees plus
    // the first twelve months' interest, worked month by month in whole cents.
    model.SetHorizonYears(1);
    QCOMPARE(model.HorizonYears(), 1);
    QStringList oneYear;
    for (int column = 0; column < 3; ++column)
        oneYear << Cell(model, CompareModel::HorizonCostRow, column);
    QCOMPARE(oneYear, (QStringList{"14,653.73", "14,935.65", "18,934.18"}));
}

// A conventional loan of 270,000.00 on a 300,000.00 home at 6.5 % for 30 years with mortgage
// insurance of 0.5 % a year (112.50 a month, paid with payments 1 to 109; 80 % is reached after
// payment 95), escrow of 3,600.00 + 1,200.00 a year, and 4,321.00 of finance charges among its
// closing costs. Worked by hand: payment 1,706.58; down payment 30,000.00; closing costs
// 6,247.00; cash to close 36,247.00; in 5 years 60 x 1,706.58 + 60 x 112.50 + loan costs
// 4,495.00 + prepaid interest 1,621.00 = 115,260.80. Its APR as a lender figures it, 6.9958 %
// (6.99575821), was worked apart in decimal arithmetic from the cent schedule (last payment
// 1,710.69) plus the insurance, on an amount financed of 270,000.00 less 4,321.00.
KeptOffer InsuredOffer(qint64 id, std::optional<double> disclosedApr) {
    KeptOffer offer;
    offer.id = id;
    offer.name = QStringLiteral("Insured");
    LoanEstimate estimate;
    estimate.disclosedApr = disclosedApr;
    estimate.price = 300000;
    estimate.loanAmount = 270000;
    estimate.months = 360;
    estimate.noteRate = 6.5;
    estimate.costs = {{CostSection::A, "Origination Fee", 2700, true},
                      {CostSection::B, "Appraisal Fee", 550, false},
                      {CostSection::B, "Credit Report Fee", 45, false},
                      {CostSection::C, "Title - Settlement Agent Fee", 1200, false},
                      {CostSection::E, "Recording Fees", 131, false},
                      {CostSection::F, "Prepaid Interest", 1621, true}};
    estimate.insuranceEnd = InsuranceEnd::Conventional;
    estimate.insurancePercent = 0.5;
    estimate.propertyTaxYearly = 3600;
    estimate.homeInsuranceYearly = 1200;
    estimate.hoaMonthly = 35;
    offer.estimate = estimate;
    return offer;
}

void CompareTest::model_apr_check_against_an_eighth_of_a_point() {
    CompareModel model(LocaleSeparators{U'.', U','});
    // The insurance that ends makes the payments change: the lender's APR may be off by 1/4.
    KeptOffer level = InsuredOffer(1, std::nullopt);
    level.estimate.insuranceEnd = InsuranceEnd::None;
    model.SetOffers({InsuredOffer(2, 6.9958 + 0.2499), InsuredOffer(3, 6.9958 - 0.2501), level});
    QCOMPARE(Cell(model, CompareModel::LenderAprRow, 0), QStringLiteral("6.9958"));
    QCOMPARE(Cell(model, CompareModel::AprCheckRow, 0), QStringLiteral("within 0.250 points"));
    QCOMPARE(Cell(model, CompareModel::AprCheckRow, 1),
             QStringLiteral("differs by 0.250 points: ask the lender why"));
    QCOMPARE(Cell(model, CompareModel::AprCheckRow, 2), QStringLiteral("not given"));
    // Without insurance the payments are level: 1/8 of a point.
    const double levelApr =
        model.data(model.index(CompareModel::LenderAprRow, 2), CompareModel::FigureRole).toDouble();
    QCOMPARE(Cell(model, CompareModel::LenderAprRow, 2), QStringLiteral("6.6558"));
    KeptOffer inside = level;
    inside.estimate.disclosedApr = levelApr + 0.1249;
    KeptOffer outside = level;
    outside.estimate.disclosedApr = levelApr - 0.1251;
    model.SetOffers({inside, outside});
    QCOMPARE(Cell(model, CompareModel::AprCheckRow, 0), QStringLiteral("within 0.125 points"));
    QCOMPARE(Cell(model, CompareModel::AprCheckRow, 1),
             QStringLiteral("differs by 0.125 points: ask the lender why"));
    // The calculator's own APR stays beside it, named apart.
    QVERIFY(model.headerData(CompareModel::AprRow, Qt::Vertical).toString().contains("Calculator"));
    QVERIFY(
        model.headerData(CompareModel::LenderAprRow, Qt::Vertical).toString().contains("Lender"));
}

void CompareTest::model_shows_the_loan_estimate_figures() {
    CompareModel model(LocaleSeparators{U'.', U','});
    model.SetOffers({InsuredOffer(1, std::nullopt)});
    QCOMPARE(Cell(model, CompareModel::PaymentRow, 0), QStringLiteral("1,706.58"));
    QCOMPARE(Cell(model, CompareModel::InsuranceRow, 0), QStringLiteral("112.50"));
    QCOMPARE(
        Cell(model, CompareModel::InsuranceEndsRow, 0),
        QStringLiteral("with payment 109 (year 10); you may ask to cancel it after payment 95, "
                       "which saves 1,575.00") /* 14 payments of 112.50 */);
    QCOMPARE(Cell(model, CompareModel::EscrowRow, 0), QStringLiteral("400.00"));
    QCOMPARE(Cell(model, CompareModel::TotalMonthlyRow, 0), QStringLiteral("2,219.08"));
    QCOMPARE(Cell(model, CompareModel::ProjectedRow, 0),
             QStringLiteral("years 1-10: 2,219.08; years 11-30: 2,106.58"));
    QCOMPARE(Cell(model, CompareModel::DuesRow, 0), QStringLiteral("35.00"));
    QCOMPARE(Cell(model, CompareModel::DownPaymentRow, 0), QStringLiteral("30,000.00"));
    QCOMPARE(Cell(model, CompareModel::TotalFeesRow, 0), QStringLiteral("6,247.00"));
    QCOMPARE(Cell(model, CompareModel::LoanCostsRow, 0), QStringLiteral("4,495.00"));
    QCOMPARE(Cell(model, CompareModel::OtherCostsRow, 0), QStringLiteral("1,752.00"));
    QCOMPARE(Cell(model, CompareModel::CashToCloseRow, 0), QStringLiteral("36,247.00"));
    QCOMPARE(Cell(model, CompareModel::InFiveTotalRow, 0), QStringLiteral("115,260.80"));
    // At 0 % the money earns nothing: the fair cost is the plain one.
    model.SetSavingsPercent(0);
    QCOMPARE(Cell(model, CompareModel::DiscountedCostRow, 0),
             Cell(model, CompareModel::HorizonCostRow, 0));
}

// State: an FHA offer (300,000.00 home, 270,000.00 base loan, 4,725.00 premium financed, 6.25 %,
// 0.55 % a year) whose form prints 25,000.00 to close and 126.25 of insurance, and a 5/1
// adjustable 200,000.00 at 4 % with 300.00 of escrow. Action: both compared. Expected: the
// premium is the first year's average, falls to 104.82 and ends after 11 years; the down payment
// is the base loan's; the form's cash to close and insurance, a dollar or more off ours, are noted
// beside them; the adjustable rate's years show least to most (worked in decimal).
void CompareTest::model_shows_fha_premium_adjustable_columns_and_the_forms_own_figures() {
    KeptOffer fha;
    fha.id = 1;
    fha.name = QStringLiteral("Fha");
    fha.estimate.loanType = LoanType::Fha;
    fha.estimate.price = 300000;
    fha.estimate.loanAmount = 274725;
    fha.estimate.upfrontPremiumFinanced = 4725;
    fha.estimate.months = 360;
    fha.estimate.noteRate = 6.25;
    fha.estimate.insuranceEnd = InsuranceEnd::Fha;
    fha.estimate.insurancePercent = 0.55;
    fha.estimate.disclosedCashToClose = 25000;
    fha.estimate.disclosedInsuranceMonthly = 126.25;
    KeptOffer arm;
    arm.id = 2;
    arm.name = QStringLiteral("Arm");
    arm.estimate.price = 260000;
    arm.estimate.loanAmount = 200000;
    arm.estimate.months = 360;
    arm.estimate.noteRate = 4;
    arm.estimate.propertyTaxYearly = 2400;
    arm.estimate.homeInsuranceYearly = 1200;
    arm.estimate.adjustable = AdjustableRate{60, 2.5, 2.25, 2, 2, 5, 2.25, 12};
    CompareModel model(LocaleSeparators{U'.', U','});
    model.SetOffers({fha, arm});
    QCOMPARE(Cell(model, CompareModel::LoanTypeRow, 0), QStringLiteral("FHA"));
    QCOMPARE(Cell(model, CompareModel::InsuranceRow, 0), QStringLiteral("125.25"));
    QCOMPARE(Cell(model, CompareModel::InsuranceEndsRow, 0),
             QStringLiteral("with payment 132 (year 11); the annual premium falls with the "
                            "balance each year, to 104.82 a month"));
    QCOMPARE(Cell(model, CompareModel::DownPaymentRow, 0), QStringLiteral("30,000.00"));
    QCOMPARE(Cell(model, CompareModel::CashToCloseRow, 0), QStringLiteral("30,000.00"));
    const auto note = [&](int row, int column) {
        return model.data(model.index(row, column), Qt::ToolTipRole).toString();
    };
    QVERIFY(note(CompareModel::CashToCloseRow, 0).contains(QStringLiteral("25,000.00")));
    QVERIFY(note(CompareModel::InsuranceRow, 0).contains(QStringLiteral("126.25")));
    QVERIFY(note(CompareModel::CashToCloseRow, 1).isEmpty());
    // Less than a dollar off is the form's rounding.
    fha.estimate.disclosedInsuranceMonthly = 126.24;
    fha.estimate.disclosedCashToClose = 29999.01;
    model.SetOffers({fha, arm});
    QVERIFY(note(CompareModel::InsuranceRow, 0).isEmpty());
    QVERIFY(note(CompareModel::CashToCloseRow, 0).isEmpty());
    QCOMPARE(Cell(model, CompareModel::ProjectedRow, 1),
             QStringLiteral("years 1-5: 1,254.83; year 6: 1,088.94 to 1,465.51; year 7: 1,088.94 "
                            "to 1,689.52; years 8-30: 1,088.94 to 1,804.77"));
}

void CompareTest::model_marks_the_cheapest_by_the_cost_with_savings() {
    CompareModel model(LocaleSeparators{U'.', U','});
    model.SetOffers(ThreeOffers());
    const auto figure = [&](int row, int column) {
        return model.data(model.index(row, column), CompareModel::FigureRole).toDouble();
    };
    const auto cheapestBy = [&](int row) {
        int best = 0;
        for (int column = 1; column < 3; ++column)
            if (figure(row, column) < figure(row, best))
                best = column;
        return best;
    };
    bool differed = false;
    for (const double savings : {0.0, 4.0, 9.0}) {
        for (const int years : {2, 5, 7, 12, 30}) {
            model.SetSavingsPercent(savings);
            model.SetHorizonYears(years);
            const int cheapest = cheapestBy(CompareModel::DiscountedCostRow);
            QCOMPARE(Cell(model, CompareModel::CheapestRow, cheapest), QStringLiteral("cheapest"));
            differed = differed || cheapest != cheapestBy(CompareModel::HorizonCostRow);
            if (savings == 0)
                QCOMPARE(cheapest, cheapestBy(CompareModel::HorizonCostRow));
        }
    }
    QVERIFY2(differed, "the two costs never rank the offers apart: the test proves nothing");
}

void CompareTest::model_uses_the_locale_separators() {
    CompareModel model(LocaleSeparators{U',', U'.'});
    model.SetOffers(ThreeOffers());
    QCOMPARE(Cell(model, CompareModel::HorizonCostRow, 2), QStringLiteral("93.019,78"));
    QCOMPARE(Cell(model, CompareModel::NoteRateRow, 2), QStringLiteral("6,5000"));
    QCOMPARE(Cell(model, CompareModel::DisclosedAprRow, 2), QStringLiteral("7,0473"));
}

namespace {

// A store in a temporary folder holding the three offers, oldest kept first.
struct StoreWithOffers {
    StoreWithOffers() : store(dir.path()) {
        QVERIFY(store.Open());
        auto offers = ThreeOffers();
        for (int i = 2; i >= 0; --i) {
            offers[i].keptAt = QDateTime(QDate(2026, 12, 1 + (2 - i)), QTime(10, 0), Qt::UTC);
            QVERIFY(store.Add(offers[i]));
        }
    }
    QTemporaryDir dir;
    OfferStore store;
};

QStringList ColumnNames(const CompareWindow& window) {
    QStringList names;
    for (int i = 0; i < window.Model()->columnCount(); ++i)
        names << window.Model()->Offer(i).name;
    return names;
}

} // namespace

void CompareTest::window_deletes_with_undo_until_it_closes() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    StoreWithOffers fx;
    QPointer<CompareWindow> window = new CompareWindow(fx.store, &owner);
    QCOMPARE(ColumnNames(*window), (QStringList{"Cedar Bank", "Birch Lending", "Aspen Mortgage"}));
    window->SelectOffer(window->Model()->Offer(1).id);
    QCOMPARE(window->SelectedOffer()->name, QStringLiteral("Birch Lending"));
    QVERIFY(!window->UndoButton()->isEnabled());
    QTest::mouseClick(window->DeleteButton(), Qt::LeftButton);
    QCOMPARE(ColumnNames(*window), (QStringList{"Cedar Bank", "Aspen Mortgage"}));
    QCOMPARE(fx.store.All().size(), 2u);
    QCOMPARE(window->BreakEvenList()->count(), 1);
    QVERIFY(window->UndoButton()->isEnabled());
    QTest::mouseClick(window->UndoButton(), Qt::LeftButton);
    // Back in its place, with its own figures, and selected again.
    QCOMPARE(ColumnNames(*window), (QStringList{"Cedar Bank", "Birch Lending", "Aspen Mortgage"}));
    QCOMPARE(window->SelectedOffer()->name, QStringLiteral("Birch Lending"));
    QCOMPARE(window->SelectedOffer()->estimate.disclosedApr, std::optional<double>(7.2));
    QCOMPARE(window->BreakEvenList()->count(), 2); // the cheapest against each of the others

    QTest::mouseClick(window->DeleteButton(), Qt::LeftButton);
    window->close(); // the delete is final now
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
    auto* again = new CompareWindow(fx.store, &owner);
    QVERIFY(!again->UndoButton()->isEnabled());
    QCOMPARE(ColumnNames(*again), (QStringList{"Cedar Bank", "Aspen Mortgage"}));
    QVERIFY(platform.messages.shown.empty());
}

// State: three kept offers in the Compare window, Birch Lending selected.
// Action: rename it, edit its rate and lines, delete it; then Undo three times and Redo three
//   times; then Undo once and rename another offer.
// Expected: each Undo takes back the latest change in the store and names the next one on its
//   button, each Redo makes it again; a new change after an Undo leaves nothing to redo.
void CompareTest::undo_and_redo_take_back_rename_edit_and_delete() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    StoreWithOffers fx;
    offers::OfferDesk desk(&owner, [&] { return fx.dir.path(); });
    CompareWindow* window = desk.ShowCompare();
    QVERIFY(window);
    const KeptOffer original = window->Model()->Offer(1);
    QCOMPARE(original.name, QStringLiteral("Birch Lending"));
    const auto kept = [&] {
        for (const KeptOffer& offer : fx.store.All())
            if (offer.id == original.id)
                return std::optional<KeptOffer>(offer);
        return std::optional<KeptOffer>();
    };
    window->SelectOffer(original.id);
    window->AskForName = [](const QString&) {
        return std::optional<QString>(QStringLiteral("Birch Lending, second offer"));
    };
    QTest::mouseClick(window->RenameButton(), Qt::LeftButton);
    desk.AskToEdit = [](const KeptOffer& offer, QWidget*) {
        KeptOffer edited = offer;
        edited.estimate.noteRate = 5.125;
        edited.estimate.costs.push_back({CostSection::B, "Pest Inspection", 175.5, false});
        return std::optional<KeptOffer>(edited);
    };
    window->Commands().edit->trigger();
    QCOMPARE(kept()->estimate.noteRate, 5.125);
    QTest::mouseClick(window->DeleteButton(), Qt::LeftButton);
    QVERIFY(!kept());
    QCOMPARE(window->UndoButton()->text(), QStringLiteral("U&ndo Delete"));

    QTest::mouseClick(window->UndoButton(), Qt::LeftButton);
    QCOMPARE(kept()->name, QStringLiteral("Birch Lending, second offer"));
    QCOMPARE(kept()->estimate.noteRate, 5.125);
    QCOMPARE(window->SelectedOffer()->id, original.id);
    QCOMPARE(window->UndoButton()->text(), QStringLiteral("U&ndo Edit"));
    QTest::mouseClick(window->UndoButton(), Qt::LeftButton);
    QVERIFY(kept()->estimate == original.estimate);
    QCOMPARE(kept()->name, QStringLiteral("Birch Lending, second offer"));
    QTest::mouseClick(window->UndoButton(), Qt::LeftButton);
    QCOMPARE(kept()->name, QStringLiteral("Birch Lending"));
    QVERIFY(!window->UndoButton()->isEnabled());
    QCOMPARE(window->Commands().redo->text(), QStringLiteral("Red&o Rename"));

    window->Commands().redo->trigger();
    QCOMPARE(kept()->name, QStringLiteral("Birch Lending, second offer"));
    window->Commands().redo->trigger();
    QCOMPARE(kept()->estimate.noteRate, 5.125);
    QCOMPARE(kept()->estimate.costs.size(), original.estimate.costs.size() + 1);
    window->Commands().redo->trigger();
    QVERIFY(!kept());
    QCOMPARE(fx.store.All().size(), 2u);
    QVERIFY(!window->Commands().redo->isEnabled());

    QTest::mouseClick(window->UndoButton(), Qt::LeftButton);
    QVERIFY(kept());
    QVERIFY(window->Commands().redo->isEnabled());
    window->SelectOffer(window->Model()->Offer(0).id);
    window->AskForName = [](const QString&) {
        return std::optional<QString>(QStringLiteral("Cedar Bank, renamed"));
    };
    QTest::mouseClick(window->RenameButton(), Qt::LeftButton);
    QVERIFY(!window->Commands().redo->isEnabled());
    QVERIFY(platform.messages.shown.empty());
}

void CompareTest::window_keeps_its_offers_while_another_program_holds_the_file() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    StoreWithOffers fx;
    CompareWindow window(fx.store, &owner);
    QCOMPARE(window.Model()->columnCount(), 3);
    QVERIFY(window.StatusLine()->isHidden());
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(fx.store.Path());
        QVERIFY(db.open());
        QSqlQuery hold(db);
        QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        window.Reload();
        QCOMPARE(window.Model()->columnCount(), 3);
        QVERIFY(!window.StatusLine()->isHidden());
        QVERIFY(window.StatusLine()->text().contains(QStringLiteral("another program")));
        QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    // Read again by itself once the file is free.
    QTRY_VERIFY_WITH_TIMEOUT(window.StatusLine()->isHidden(), 10000);
    QCOMPARE(window.Model()->columnCount(), 3);
    QVERIFY(platform.messages.shown.empty());
}

void CompareTest::window_reports_renaming_an_offer_another_copy_deleted() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    StoreWithOffers fx;
    CompareWindow window(fx.store, &owner);
    window.SelectOffer(window.Model()->Offer(0).id);
    OfferStore other(fx.dir.path());
    QVERIFY(other.Open());
    QVERIFY(other.Remove(window.Model()->Offer(0).id));
    window.AskForName = [](const QString&) { return std::optional<QString>("Renamed"); };
    QTest::mouseClick(window.RenameButton(), Qt::LeftButton);
    QCOMPARE(platform.messages.shown.size(), std::size_t(1));
    QVERIFY(platform.messages.shown.front().text.contains(QStringLiteral("no longer kept")));
    QCOMPARE(ColumnNames(window), (QStringList{"Birch Lending", "Aspen Mortgage"}));
}

void CompareTest::window_renames_and_puts_an_offer_back_into_the_calculator() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    StoreWithOffers fx;
    CompareWindow window(fx.store, &owner);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.SelectOffer(window.Model()->Offer(2).id);
    window.AskForName = [](const QString& current) {
        return std::optional<QString>(current + QStringLiteral(" (revised)"));
    };
    QTest::mouseClick(window.RenameButton(), Qt::LeftButton);
    QCOMPARE(window.Model()->Offer(2).name, QStringLiteral("Aspen Mortgage (revised)"));
    QCOMPARE(fx.store.All()[2].name, QStringLiteral("Aspen Mortgage (revised)"));
    // A name too long is refused with a message and changes nothing.
    window.AskForName = [](const QString&) { return std::optional<QString>(QString(61, 'x')); };
    QTest::mouseClick(window.RenameButton(), Qt::LeftButton);
    QCOMPARE(window.Model()->Offer(2).name, QStringLiteral("Aspen Mortgage (revised)"));
    QCOMPARE(platform.messages.shown.size(), std::size_t(1));

    QSignalSpy used(&window, &CompareWindow::UseInCalculator);
    QTest::mouseClick(window.UseButton(), Qt::LeftButton);
    QCOMPARE(used.size(), 1);
    const auto inputs = used.first().first().value<LoanInputs>();
    QCOMPARE(inputs.Interest, 6.5);
    QCOMPARE(inputs.Points, 5500.0);
    QCOMPARE(inputs.Term, 30.0);
}

void CompareTest::window_fields_are_named_for_screen_readers() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    StoreWithOffers fx;
    CompareWindow window(fx.store, &owner);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(window.HorizonField()->accessibleName(),
             QStringLiteral("Years you expect to keep this loan"));
    QCOMPARE(window.HorizonField()->value(), 7);
    QCOMPARE(window.HorizonField()->minimum(), 1);
    QCOMPARE(window.HorizonField()->maximum(), 30);
    window.HorizonField()->setValue(4);
    QCOMPARE(Cell(*window.Model(), CompareModel::HorizonCostRow, 2), QStringLiteral("56,797.62"));
    QVERIFY(!window.Table()->accessibleName().isEmpty());
    QVERIFY(!window.BreakEvenList()->accessibleName().isEmpty());
    // The offers, the chart, points or credits, and keep or refinance.
    QCOMPARE(window.Tabs()->count(), 4);
    QVERIFY(window.windowFlags() & Qt::Window);
    QCOMPARE(window.parentWidget(), &owner);
    QVERIFY(!window.isModal());
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnCompareHelp")),
                      Qt::LeftButton);
    QCOMPARE(platform.help.calls, QStringList{QStringLiteral("context 10101")});
}

namespace {

double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QStringList Ticked(const CompareWindow& window) {
    QStringList names;
    for (int i = 0; i < window.ChoiceList()->count(); ++i)
        if (window.ChoiceList()->item(i)->checkState() == Qt::Checked)
            names << window.ChoiceList()->item(i)->toolTip();
    return names;
}

} // namespace

// State: eight offers kept, one a day ("Lender 1" first).
// Action: open Compare; tick the second oldest; set 11 years; close; open again; then another
//   offer is kept and the window reloads.
// Expected: the six newest compared at first, all eight listed; the ticked one joins and stays
//   compared, with the 11 years, in the window opened again; the offer kept later joins too.
void CompareTest::window_compares_the_newest_six_and_keeps_the_choice() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    QTemporaryDir dir;
    OfferStore store(dir.path());
    QVERIFY(store.Open());
    for (int i = 1; i <= 8; ++i) {
        KeptOffer offer =
            Offer(0, "", 150000 + 5000 * i, 5.25 + 0.125 * i, 30, 900 + 150 * i, std::nullopt);
        offer.name = QStringLiteral("Lender %1").arg(i);
        offer.keptAt = QDateTime(QDate(2026, 11, i), QTime(9, 0), Qt::UTC);
        QVERIFY(store.Add(offer));
    }
    const QStringList newestSix{"Lender 8", "Lender 7", "Lender 6",
                                "Lender 5", "Lender 4", "Lender 3"};
    QPointer<CompareWindow> window = new CompareWindow(store, &owner);
    QCOMPARE(window->ChoiceList()->count(), 8);
    QCOMPARE(ColumnNames(*window), newestSix);
    QCOMPARE(Ticked(*window), newestSix);
    // The break-even sets the cheapest against the five others, not every pair.
    QCOMPARE(window->BreakEvenList()->count(), 5);

    window->ChoiceList()->item(6)->setCheckState(Qt::Checked); // Lender 2
    QCOMPARE(ColumnNames(*window), newestSix + QStringList{"Lender 2"});
    window->HorizonField()->setValue(11);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);

    CompareWindow again(store, &owner);
    again.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(ColumnNames(again), newestSix + QStringList{"Lender 2"});
    QCOMPARE(again.HorizonField()->value(), 11);
    QCOMPARE(again.Model()->HorizonYears(), 11);

    KeptOffer later = Offer(0, "Lender 9", 210000, 6.125, 30, 2100, std::nullopt);
    later.keptAt = QDateTime(QDate(2026, 11, 20), QTime(9, 0), Qt::UTC);
    QVERIFY(store.Add(later));
    again.Reload();
    QCOMPARE(ColumnNames(again).value(0), QStringLiteral("Lender 9"));
    QCOMPARE(again.Model()->columnCount(), 8);
    QVERIFY(platform.messages.shown.empty());
}

// State: the calculator near the bottom right corner of the screen.
// Action: File > Compare Offers....
// Expected: the Compare window lies within the screen's available area, its buttons in view.
void CompareTest::window_opens_within_the_screen_beside_the_calculator() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const QRect area = w.screen()->availableGeometry();
    w.move(area.right() - w.width() / 2, area.bottom() - w.height() / 2);
    w.mnuFileCompareOffers->trigger();
    CompareWindow* compare = w.OfferDesk()->Compare();
    QVERIFY(compare);
    const QRect frame = compare->frameGeometry();
    const QString where = QStringLiteral("%1,%2 %3x%4 in %5x%6")
                              .arg(frame.x())
                              .arg(frame.y())
                              .arg(frame.width())
                              .arg(frame.height())
                              .arg(area.width())
                              .arg(area.height());
    QVERIFY2(frame.top() >= area.top() && frame.bottom() <= area.bottom(), qPrintable(where));
    // As wide as its buttons need at least: at the screen's left edge when wider than it.
    QVERIFY2(frame.left() >= area.left() &&
                 (frame.right() <= area.right() || frame.left() == area.left()),
             qPrintable(where));
    QVERIFY(compare->height() > 500); // shrunk to fit, not to nothing
}

// State: three kept offers in Compare, one a refinance.  Action: the savings rate set to 5.5 %, the
// loan the buyer has typed into Keep or Refinance (187,500.00 owed at 7.375 %, 300 payments left,
// 61.25 of insurance a month), a plan of 150.00 extra a month applied; the window closed and
// opened again.
// Expected: each takes effect at once (the cost with savings, the keep-or-refinance sentences,
// the chart's line with extra payments); opened again, the window shows every field as it was
// left and the same figures.
void CompareTest::window_fields_take_effect_and_come_back_as_left() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    QTemporaryDir dir;
    OfferStore store(dir.path());
    QVERIFY(store.Open());
    for (KeptOffer offer : ThreeOffers()) {
        offer.id = 0;
        // Cedar Bank's is a refinance, set against the loan the buyer has.
        if (offer.name == QLatin1String("Cedar Bank"))
            offer.estimate.purpose = LoanPurpose::Refinance;
        QVERIFY(store.Add(offer));
    }
    QPointer<CompareWindow> window = new CompareWindow(store, &owner);
    const CompareModel& model = *window->Model();
    const auto refinance = [](const CompareWindow& w) {
        return w.findChild<QLabel*>(QStringLiteral("lblKeepOrRefinance"))->text();
    };
    const QString atFour = Cell(model, CompareModel::DiscountedCostRow, 0);
    window->SavingsField()->setValue(5.5);
    QCOMPARE(model.SavingsPercent(), 5.5);
    QVERIFY2(Cell(model, CompareModel::DiscountedCostRow, 0) != atFour, qPrintable(atFour));

    window->CurrentBalanceField()->setValue(187500);
    window->CurrentMonthsField()->setValue(300);
    window->CurrentInsuranceField()->setValue(61.25);
    const QString beforeRate = refinance(*window);
    window->CurrentRateField()->setValue(7.375);
    QCOMPARE(model.Current().balance, 187500.0);
    QCOMPARE(model.Current().ratePercent, 7.375);
    QCOMPARE(model.Current().monthsLeft, 300);
    QCOMPARE(model.Current().insuranceMonthly, 61.25);
    QVERIFY2(refinance(*window) != beforeRate, qPrintable(beforeRate));

    ExtraPayments plan;
    plan.monthly = 15000;
    QVERIFY(!window->Chart()->ExtrasCostLine(0));
    window->ApplyExtraPlan(plan);
    QVERIFY(window->Model()->ExtraPlan() == plan);
    QVERIFY2(window->Chart()->ExtrasCostLine(0), "the chart draws no line with the plan");
    const QString figures = Cell(*window->Model(), CompareModel::DiscountedCostRow, 0);
    const QString sentences = refinance(*window);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);

    CompareWindow again(store, &owner);
    again.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(again.SavingsField()->value(), 5.5);
    QCOMPARE(again.Model()->SavingsPercent(), 5.5);
    QCOMPARE(again.CurrentBalanceField()->value(), 187500.0);
    QCOMPARE(again.CurrentRateField()->value(), 7.375);
    QCOMPARE(again.CurrentMonthsField()->value(), 300);
    QCOMPARE(again.CurrentInsuranceField()->value(), 61.25);
    QCOMPARE(again.Model()->Current().ratePercent, 7.375);
    QVERIFY(again.Model()->ExtraPlan() == plan);
    QCOMPARE(Cell(*again.Model(), CompareModel::DiscountedCostRow, 0), figures);
    QCOMPARE(refinance(again), sentences);
    QVERIFY(platform.messages.shown.empty());
}

// State: Compare with three kept offers, shown.  Expected: each control lies on its own tab's
// page and shows when that tab is chosen: the offers' list, table, break-even list and the
// offer it is worked against on Offers, the chart on Chart, the four figures of the loan the
// buyer has on Keep or Refinance.
void CompareTest::window_places_every_control_on_its_page() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    QTemporaryDir dir;
    OfferStore store(dir.path());
    QVERIFY(store.Open());
    for (KeptOffer offer : ThreeOffers()) {
        offer.id = 0;
        QVERIFY(store.Add(offer));
    }
    CompareWindow window(store, &owner);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const std::vector<std::pair<int, std::vector<QWidget*>>> pages{
        {0, {window.ChoiceList(), window.Table(), window.BreakEvenList(), window.ReferenceField()}},
        {1, {window.Chart()}},
        {3,
         {window.CurrentBalanceField(), window.CurrentRateField(), window.CurrentMonthsField(),
          window.CurrentInsuranceField()}}};
    for (const auto& [index, controls] : pages) {
        window.Tabs()->setCurrentIndex(index);
        QWidget* page = window.Tabs()->widget(index);
        const QRect shown(page->mapTo(&window, QPoint(0, 0)), page->size());
        for (QWidget* control : controls) {
            const QString what =
                QStringLiteral("%1 on page %2").arg(control->accessibleName()).arg(index);
            QVERIFY2(page == control || page->isAncestorOf(control), qPrintable(what));
            QVERIFY2(control->isVisible(), qPrintable(what));
            QVERIFY2(shown.contains(QRect(control->mapTo(&window, QPoint(0, 0)), QSize(1, 1))),
                     qPrintable(what));
        }
    }
    // The offer the break-even is worked against is chosen in the break-even's own box.
    QVERIFY(window.BreakEvenList()->parentWidget()->isAncestorOf(window.ReferenceField()));
}

// State: Compare with three kept offers, the first column selected.  Action: every offer
// unticked, then one ticked again.  Expected: the offer commands (Use in Calculator, Edit,
// Rename, Delete, Schedule) are on while an offer is selected, off while none is compared.
void CompareTest::offer_commands_follow_the_selection() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    QTemporaryDir dir;
    OfferStore store(dir.path());
    QVERIFY(store.Open());
    for (KeptOffer offer : ThreeOffers()) {
        offer.id = 0;
        QVERIFY(store.Add(offer));
    }
    CompareWindow window(store, &owner);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    const CompareWindow::Actions& a = window.Commands();
    const std::vector<QAction*> commands{a.use, a.edit, a.rename, a.remove, a.schedule};
    const auto enabled = [&commands] {
        return std::count_if(commands.begin(), commands.end(),
                             [](const QAction* action) { return action->isEnabled(); });
    };
    QCOMPARE(enabled(), 5);
    for (int i = 0; i < window.ChoiceList()->count(); ++i)
        window.ChoiceList()->item(i)->setCheckState(Qt::Unchecked);
    QCOMPARE(window.Model()->columnCount(), 0);
    QCOMPARE(enabled(), 0);
    window.ChoiceList()->item(1)->setCheckState(Qt::Checked);
    QCOMPARE(window.Model()->columnCount(), 1);
    QCOMPARE(enabled(), 5);
}

// State: Compare with a 15-year and two 30-year offers.  Action: the two 30-year offers
// unticked, then 20 years asked for.  Expected: the years kept reach 30 with all three, 15 once
// only the 15-year offer is compared; 20 is held to 15, in the field and in the comparison.
void CompareTest::years_kept_reach_the_longest_term_compared() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    QTemporaryDir dir;
    OfferStore store(dir.path());
    QVERIFY(store.Open());
    for (KeptOffer offer : ThreeOffers()) {
        offer.id = 0;
        QVERIFY(store.Add(offer));
    }
    CompareWindow window(store, &owner);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(window.HorizonField()->maximum(), 30);
    for (int i = 0; i < window.ChoiceList()->count(); ++i)
        if (!window.ChoiceList()->item(i)->text().startsWith(QLatin1String("Cedar Bank")))
            window.ChoiceList()->item(i)->setCheckState(Qt::Unchecked);
    QCOMPARE(ColumnNames(window), QStringList{QStringLiteral("Cedar Bank")});
    QCOMPARE(window.HorizonField()->maximum(), 15);
    window.HorizonField()->setValue(20);
    QCOMPARE(window.HorizonField()->value(), 15);
    QCOMPARE(window.Model()->HorizonYears(), 15);
}

// State: three offers; Aspen Mortgage's gives the points of a second option (1.5) but not its
// rate, as a half-typed offer would.  Expected: no points-or-credits choice is offered; once
// the rate (6.25 %) is given too, Aspen's two options are weighed.
void CompareTest::a_points_option_without_its_rate_is_no_choice() {
    std::vector<KeptOffer> offers = ThreeOffers();
    offers[2].estimate.pointsOptionPoints = 1.5;
    CompareModel model(LocaleSeparators{U'.', U','});
    model.SetOffers(offers);
    QVERIFY(model.PointsGroups().empty());
    offers[2].estimate.pointsOptionRate = 6.25;
    model.SetOffers(offers);
    QCOMPARE(model.PointsGroups().size(), 1u);
}

// Expected: the selected offer's text on its highlight, as the table draws them, has a contrast
//   of at least 4.5:1 under the default palette and under a dark one.
void CompareTest::selected_column_is_readable_on_light_and_dark() {
    plumcrest::testing::FakePlatform platform;
    QWidget owner;
    StoreWithOffers fx;
    CompareWindow window(fx.store, &owner);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette& palette : {QApplication::palette(), dark}) {
        window.setPalette(palette);
        const QPalette used = window.Table()->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            const double ratio = Contrast(used.color(group, QPalette::HighlightedText),
                                          used.color(group, QPalette::Highlight));
            QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
        }
    }
}

void CompareTest::keep_dialog_needs_a_name_and_a_readable_apr_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("apr");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("disclosed"); // -1: none
    QTest::newRow("name_only") << "Maple Bank"
                               << "" << true << -1.0;
    QTest::newRow("with_apr_comma") << "Maple Bank"
                                    << "7,125" << true << 7.125;
    QTest::newRow("apr_with_percent_sign") << "Maple Bank"
                                           << "6,40%" << true << 6.4;
    QTest::newRow("percent_sign_alone") << "Maple Bank"
                                        << "%" << false << -1.0;
    QTest::newRow("blank_name") << "   "
                                << "7,125" << false << -1.0;
    QTest::newRow("apr_with_point_where_comma_is_decimal") << "Maple Bank"
                                                           << "7.125" << false << -1.0;
    QTest::newRow("apr_not_a_number") << "Maple Bank"
                                      << "seven" << false << -1.0;
    QTest::newRow("apr_too_large") << "Maple Bank"
                                   << "1000" << false << -1.0;
}

void CompareTest::keep_dialog_needs_a_name_and_a_readable_apr() {
    QFETCH(QString, name);
    QFETCH(QString, apr);
    QFETCH(bool, accepted);
    QFETCH(double, disclosed);
    KeepOfferDialog dialog(LocaleSeparators{U',', U'.'}, nullptr);
    QCOMPARE(dialog.NameField()->maxLength(), 60);
    QTest::keyClicks(dialog.NameField(), name);
    QTest::keyClicks(dialog.AprField(), apr);
    QCOMPARE(dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled(), accepted);
    const auto answer = dialog.Answer();
    QCOMPARE(answer.has_value(), accepted);
    if (answer) {
        QCOMPARE(answer->name, name.trimmed());
        QCOMPARE(answer->disclosedApr.value_or(-1.0), disclosed);
    }
}

void CompareTest::file_menu_carries_the_offer_commands_after_reset() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    auto* file = w.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QStringList items;
    for (QAction* a : file->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(items, (QStringList{"&Reset", "&Keep This Offer...", "&Compare Offers...",
                                 "Import &Loan Estimate...", "Check &Closing Disclosure...",
                                 "&Open Offers...", "Save Offers &As...", "-", "E&xit"}));
    QCOMPARE(w.mnuFileKeepOffer->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    QCOMPARE(w.mnuFileCompareOffers->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+O")));
}

void CompareTest::keep_stores_the_calculated_offer() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    w.edtInterest->setFloatValue(6.125);
    w.edtPoints->setFloatValue(2150);
    w.OfferDesk()->AskToKeep = [](QWidget*) {
        return std::optional<KeepAnswer>(KeepAnswer{QStringLiteral("Maple Bank"), 6.45});
    };
    w.mnuFileKeepOffer->trigger();
    // Keeping calculated first: the results show the kept inputs.
    QCOMPARE(Shown(w.edtPayment), QStringLiteral("656.22"));
    OfferStore store(QFileInfo(fx.IniPath()).absolutePath());
    QVERIFY(store.Open());
    const auto kept = store.All();
    QCOMPARE(kept.size(), std::size_t(1));
    QCOMPARE(kept[0].name, QStringLiteral("Maple Bank"));
    QCOMPARE(kept[0].estimate.disclosedApr, std::optional<double>(6.45));
    const LoanInputs keptInputs = CalculatorInputsOf(kept[0].estimate);
    QCOMPARE(keptInputs.Interest, 6.125);
    QCOMPARE(keptInputs.Points, 2150.0);
    QCOMPARE(keptInputs.PurchasePrice, 120000.0);
    QCOMPARE(kept[0].estimate.loanAmount, 108000.0);
    const LoanResults keptResults = CalculatorResultsOf(kept[0].estimate).value_or(LoanResults{});
    QCOMPARE(keptResults.FixedFees, 4450.0);
    QVERIFY(std::abs(keptResults.Payment - 656.2194) < 0.0001);
    QVERIFY(kept[0].keptAt.isValid());
    QVERIFY(fx.platform.messages.shown.empty());
}

void CompareTest::keep_after_a_failed_calculation_keeps_nothing() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    // Fees above the loan: the calculation ends in a math error.
    w.edtOther2->setFloatValue(200000);
    bool asked = false;
    w.OfferDesk()->AskToKeep = [&](QWidget*) {
        asked = true;
        return std::optional<KeepAnswer>(KeepAnswer{QStringLiteral("Never"), std::nullopt});
    };
    w.mnuFileKeepOffer->trigger();
    fx.Settle();
    QVERIFY(!asked);
    QCOMPARE(fx.platform.messages.shown.size(), std::size_t(1));
    QVERIFY(!QFile::exists(QFileInfo(fx.IniPath()).absolutePath() + "/offers.sqlite"));
}

void CompareTest::use_in_calculator_fills_the_inputs_and_calculates() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    OfferStore store(QFileInfo(fx.IniPath()).absolutePath());
    QVERIFY(store.Open());
    KeptOffer offer = ThreeOffers()[0];
    offer.id = 0;
    offer.estimate.price = 250000;
    offer.estimate.loanAmount = 200000;
    QVERIFY(store.Add(offer));
    w.mnuFileCompareOffers->trigger();
    CompareWindow* compare = w.OfferDesk()->Compare();
    QVERIFY(compare);
    QVERIFY(compare->isVisible());
    QCOMPARE(compare->Model()->columnCount(), 1);
    QTest::mouseClick(compare->UseButton(), Qt::LeftButton);
    QCOMPARE(Shown(w.edtPurchasePrice), QStringLiteral("250,000.00"));
    QCOMPARE(Shown(w.edtTerm), QStringLiteral("15"));
    QCOMPARE(Shown(w.edtInterest), QStringLiteral("6.8750"));
    QCOMPARE(Shown(w.edtLoan), QStringLiteral("200,000.00"));
    QCOMPARE(Shown(w.edtFixedFees), QStringLiteral("2,500.00"));
    QCOMPARE(Shown(w.edtPayment), QStringLiteral("1,783.71"));
    QCOMPARE(w.RememberedInputs().Interest, 6.875);
}

int main(int argc, char** argv) {
    plumcrest::PlumcrestApplication app(argc, argv);
    CompareTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CompareTest.moc"
