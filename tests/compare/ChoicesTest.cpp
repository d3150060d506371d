// The verdict for three offers of 320,000.00 (Aspen: 30 years at 6.375 % with 5,450.00 of loan
// costs; Willow: 30 years at 6.75 % with 1,550.00; Hazel: 20 years at 6.625 % with 4,250.00) at
// 3, 7 and 15 years with savings at 0, 4 and 7 %; points or credits at one lender (Juniper: 6.75 %
// with 1,500.00, 1 point for 6.5 %, a 2,000.00 credit for 7 %); and keep or refinance (250,000.00
// owed at 6.875 % with 240 payments left and 110.00 of insurance a month, against a 30-year
// refinance at 6.5 % with 5,200.00 of costs). Every figure was worked out apart from this
// program, in exact decimals: the level payment and each month's interest rounded half up to
// the cent, each payment and the balance left discounted monthly at the savings rate.

#include "Choices.h"

#include "CompareModel.h"
#include "CompareWindow.h"
#include "ComparisonExport.h"
#include "CostLines.h"
#include "FakePlatform.h"
#include "OfferStore.h"
#include "Verdict.h"
#include "Wheel.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace plumcrest;
using namespace plumcrest::store;
using namespace plumcrest::compare;
using std::chrono::sys_days;

namespace {

const LocaleSeparators kUs{U'.', U','};
constexpr sys_days kMonday{std::chrono::year(2026) / 12 / 7};

KeptOffer Offer(qint64 id, const QString& name, double rate, std::int32_t months, double points,
                double appraisal) {
    KeptOffer offer;
    offer.id = id;
    offer.name = name;
    offer.estimate.price = 400000;
    offer.estimate.loanAmount = 320000;
    offer.estimate.months = months;
    offer.estimate.noteRate = rate;
    offer.estimate.costs = {{CostSection::A, "Origination charges", points, true}};
    if (appraisal > 0)
        offer.estimate.costs.push_back({CostSection::B, "Appraisal Fee", appraisal, false});
    return offer;
}

std::vector<KeptOffer> MyThree() {
    return {Offer(1, QStringLiteral("Aspen Lending"), 6.375, 360, 4800, 650),
            Offer(2, QStringLiteral("Willow Bank"), 6.75, 360, 900, 650),
            Offer(3, QStringLiteral("Hazel Credit Union"), 6.625, 240, 4250, 0)};
}

KeptOffer Juniper() {
    KeptOffer offer = Offer(4, QStringLiteral("Juniper Home Loans"), 6.75, 360, 1500, 0);
    offer.estimate.pointsOptionPoints = 1;
    offer.estimate.pointsOptionRate = 6.5;
    offer.estimate.creditOptionAmount = 2000;
    offer.estimate.creditOptionRate = 7;
    return offer;
}

KeptOffer Refinance() {
    KeptOffer offer;
    offer.id = 5;
    offer.name = QStringLiteral("Larch Refinance");
    offer.estimate.purpose = LoanPurpose::Refinance;
    offer.estimate.price = 390000;
    offer.estimate.loanAmount = 250000;
    offer.estimate.months = 360;
    offer.estimate.noteRate = 6.5;
    offer.estimate.costs = {{CostSection::A, "Origination charges", 3900, true},
                            {CostSection::B, "Title - Lender's Title Insurance", 1300, false}};
    return offer;
}

CurrentLoan Owed() {
    CurrentLoan loan;
    loan.balance = 250000;
    loan.ratePercent = 6.875;
    loan.monthsLeft = 240;
    loan.insuranceMonthly = 110;
    return loan;
}

QString NameOf(const CompareModel& model, std::optional<std::size_t> column) {
    return column ? model.Offer(static_cast<int>(*column)).name : QStringLiteral("(none)");
}

} // namespace

class ChoicesTest : public QObject {
    Q_OBJECT

private slots:
    void three_offers_over_the_years_and_savings_data();
    void three_offers_over_the_years_and_savings();
    void the_turn_a_month_either_side_data();
    void the_turn_a_month_either_side();
    void points_and_credit_break_even_and_the_best_either_side_data();
    void points_and_credit_break_even_and_the_best_either_side();
    void points_and_credits_in_words();
    void one_lenders_offers_at_different_rates_are_weighed_together();
    void a_refinance_that_saves_monthly_and_costs_more_in_all();
    void refinance_over_the_years_kept_and_cash_out();
    void an_expired_quote_is_left_out_of_the_choices();
    void a_refinance_beside_a_purchase_is_not_the_same_loan();
    void the_choices_go_into_the_csv();
    void the_window_draws_each_offer_and_follows_the_loan_typed();
};

void ChoicesTest::three_offers_over_the_years_and_savings_data() {
    QTest::addColumn<int>("years");
    QTest::addColumn<double>("savings");
    QTest::addColumn<QString>("best");
    QTest::addColumn<QString>("next");
    QTest::addColumn<qint64>("margin"); // cents
    QTest::addColumn<QString>("turn");
    QTest::newRow("3y 0%") << 3 << 0.0 << "Willow Bank"
                           << "Hazel Credit Union" << qint64(15944)
                           << "If you keep the loan 38 months or longer, Hazel Credit Union "
                              "costs less.";
    QTest::newRow("3y 4%") << 3 << 4.0 << "Willow Bank"
                           << "Aspen Lending" << qint64(54193)
                           << "If you keep the loan 43 months or longer, Aspen Lending costs "
                              "less.";
    QTest::newRow("3y 7%") << 3 << 7.0 << "Willow Bank"
                           << "Aspen Lending" << qint64(71747)
                           << "If you keep the loan 46 months or longer, Aspen Lending costs "
                              "less.";
    QTest::newRow("7y 0%") << 7 << 0.0 << "Hazel Credit Union"
                           << "Aspen Lending" << qint64(368651)
                           << "If you sell or refinance within 37 months, Willow Bank costs less.";
    QTest::newRow("7y 4%") << 7 << 4.0 << "Aspen Lending"
                           << "Hazel Credit Union" << qint64(90336)
                           << "If you keep the loan 115 months or longer, Hazel Credit Union "
                              "costs less.";
    QTest::newRow("7y 7%") << 7 << 7.0 << "Aspen Lending"
                           << "Willow Bank" << qint64(244455)
                           << "If you sell or refinance within 45 months, Willow Bank costs less.";
    QTest::newRow("15y 0%") << 15 << 0.0 << "Hazel Credit Union"
                            << "Aspen Lending" << qint64(3507014)
                            << "If you sell or refinance within 37 months, Willow Bank costs "
                               "less.";
    QTest::newRow("15y 4%") << 15 << 4.0 << "Hazel Credit Union"
                            << "Aspen Lending" << qint64(480973)
                            << "If you sell or refinance within 114 months, Aspen Lending costs "
                               "less.";
    QTest::newRow("15y 7%") << 15 << 7.0 << "Aspen Lending"
                            << "Willow Bank" << qint64(614957)
                            << "If you sell or refinance within 45 months, Willow Bank costs "
                               "less.";
}

void ChoicesTest::three_offers_over_the_years_and_savings() {
    QFETCH(int, years);
    QFETCH(double, savings);
    QFETCH(QString, best);
    QFETCH(QString, next);
    QFETCH(qint64, margin);
    QFETCH(QString, turn);
    CompareModel model(kUs);
    model.SetToday(kMonday);
    model.SetOffers(MyThree());
    model.SetHorizonYears(years);
    model.SetSavingsPercent(savings);
    const VerdictFacts facts = model.Facts();
    QCOMPARE(NameOf(model, facts.best), best);
    QCOMPARE(NameOf(model, facts.next), next);
    // Long double against exact decimals: a cent apart at most.
    QVERIFY2(std::llabs(facts.margin - margin) <= 1, qPrintable(QString::number(facts.margin)));
    const QStringList lines = model.VerdictTexts();
    QVERIFY2(lines.size() > 1 && lines[1] == turn, qPrintable(lines.join(QLatin1Char('\n'))));
}

void ChoicesTest::the_turn_a_month_either_side_data() {
    QTest::addColumn<double>("savings");
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("best");
    QTest::newRow("0%, 37 months") << 0.0 << 37 << "Willow Bank";
    QTest::newRow("0%, 38 months") << 0.0 << 38 << "Hazel Credit Union";
    QTest::newRow("4%, 114 months") << 4.0 << 114 << "Aspen Lending";
    QTest::newRow("4%, 115 months") << 4.0 << 115 << "Hazel Credit Union";
    // At 7 % the 20-year's higher payments never pay: past Willow it is Aspen.
    QTest::newRow("7%, 45 months") << 7.0 << 45 << "Willow Bank";
    QTest::newRow("7%, 46 months") << 7.0 << 46 << "Aspen Lending";
}

void ChoicesTest::the_turn_a_month_either_side() {
    QFETCH(double, savings);
    QFETCH(int, months);
    QFETCH(QString, best);
    CompareModel model(kUs);
    model.SetOffers(MyThree());
    QCOMPARE(NameOf(model, Decide(model.VerdictOffers(), months, savings, kMonday).best), best);
}

void ChoicesTest::points_and_credit_break_even_and_the_best_either_side_data() {
    QTest::addColumn<double>("savings");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("best"); // 0 as quoted, 1 the points, 2 the credit
    // The credit's higher rate has used it up from month 32 (30 at 0 %); the point has earned
    // itself back from month 54 (48 at 0 %).
    QTest::newRow("4%, 31 months") << 4.0 << 31 << 2;
    QTest::newRow("4%, 32 months") << 4.0 << 32 << 0;
    QTest::newRow("4%, 53 months") << 4.0 << 53 << 0;
    QTest::newRow("4%, 54 months") << 4.0 << 54 << 1;
    QTest::newRow("0%, 29 months") << 0.0 << 29 << 2;
    QTest::newRow("0%, 30 months") << 0.0 << 30 << 0;
    QTest::newRow("0%, 47 months") << 0.0 << 47 << 0;
    QTest::newRow("0%, 48 months") << 0.0 << 48 << 1;
}

void ChoicesTest::points_and_credit_break_even_and_the_best_either_side() {
    QFETCH(double, savings);
    QFETCH(int, months);
    QFETCH(int, best);
    CompareModel model(kUs);
    model.SetOffers({Juniper()});
    std::vector<PointsFacts> groups = model.PointsGroups();
    QCOMPARE(groups.size(), 1u);
    const PointsFacts facts = DecidePoints(groups[0].options, months, savings);
    QCOMPARE(facts.best, static_cast<std::size_t>(best));
    QCOMPARE(facts.facts[1].breakEven, std::optional<std::int32_t>(savings == 0 ? 48 : 54));
    QCOMPARE(facts.facts[2].breakEven, std::optional<std::int32_t>(savings == 0 ? 30 : 32));
    // What each costs at closing and a month.
    QCOMPARE(facts.facts[0].upfront, 150000);
    QCOMPARE(facts.facts[1].upfront, 470000);
    QCOMPARE(facts.facts[2].upfront, -50000);
    QCOMPARE(facts.facts[0].monthly, 207551);
    QCOMPARE(facts.facts[1].monthly, 202262);
    QCOMPARE(facts.facts[2].monthly, 212897);
}

void ChoicesTest::points_and_credits_in_words() {
    CompareModel model(kUs);
    model.SetOffers({Juniper()});
    model.SetHorizonYears(7);
    model.SetSavingsPercent(4);
    const QStringList lines = model.PointsTexts();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0],
             QStringLiteral("1 point for 6.500 %, against Juniper Home Loans: 3,200.00 more at "
                            "closing and 52.89 less a month. It has earned back its cost from "
                            "month 54 (year 5) on. Over 7 years it costs 143,931.83, or 51,447.50 "
                            "with your savings' earnings counted."));
    QCOMPARE(lines[1],
             QStringLiteral("A 2,000.00 credit for 7.000 %, against Juniper Home Loans: 2,000.00 "
                            "less at closing and 53.46 more a month. From month 32 (year 3) on, "
                            "its higher rate has cost more than the credit saved. Over 7 years it "
                            "costs 150,004.98, or 55,797.15 with your savings' earnings "
                            "counted."));
    QCOMPARE(lines[2], QStringLiteral("For you, over 7 years with savings earning 4.00 %, 1 point "
                                      "for 6.500 % costs least: 1,568 less than Juniper Home "
                                      "Loans."));
    model.SetHorizonYears(3);
    QVERIFY(model.PointsTexts().last().contains(
        QStringLiteral("Juniper Home Loans costs least: 242 less than a 2,000.00 credit")));
}

void ChoicesTest::one_lenders_offers_at_different_rates_are_weighed_together() {
    // Juniper's three rates kept as three offers, with its points as a section A line and its
    // credit as a lender credit; a lender of another name, or another loan, stays out.
    KeptOffer quoted = Offer(1, QStringLiteral("Juniper Home Loans 6.75 %"), 6.75, 360, 1500, 0);
    KeptOffer points = Offer(2, QStringLiteral("Juniper Home Loans (1 point)"), 6.5, 360, 1500, 0);
    points.estimate.costs.push_back({CostSection::A, "1 % of Loan Amount (Points)", 3200, true});
    KeptOffer credit = Offer(3, QStringLiteral("juniper home loans - credit"), 7, 360, 1500, 0);
    credit.estimate.lenderCredits = 2000;
    KeptOffer shorter = Offer(4, QStringLiteral("Juniper Home Loans 15"), 6, 180, 1500, 0);
    KeptOffer other = Offer(5, QStringLiteral("Rowan Bank"), 6.625, 360, 1500, 0);
    CompareModel model(kUs);
    model.SetOffers({points, shorter, credit, other, quoted});
    const std::vector<PointsFacts> groups = model.PointsGroups();
    QCOMPARE(groups.size(), 1u);
    QCOMPARE(groups[0].options.size(), 3u);
    QCOMPARE(groups[0].options[0].label, quoted.name);
    const PointsFacts at = DecidePoints(groups[0].options, 54, 4);
    QCOMPARE(at.options[at.best].label, points.name);
    QCOMPARE(DecidePoints(groups[0].options, 53, 4).best, 0u);
    QCOMPARE(DecidePoints(groups[0].options, 31, 4)
                 .options[DecidePoints(groups[0].options, 31, 4).best]
                 .label,
             credit.name);
}

void ChoicesTest::a_refinance_that_saves_monthly_and_costs_more_in_all() {
    const KeptOffer offer = Refinance();
    CompareModel model(kUs);
    model.SetOffers({offer});
    const RefinanceFacts facts =
        DecideRefinance(Owed(), model.Comparison().Offer(0), ToCents(250000), 84, 0);
    QCOMPARE(facts.keepPayment, 202953);
    QCOMPARE(facts.newPayment, 158017);
    QCOMPARE(facts.closingCosts, 520000);
    // 5,200.00 over 449.36 a month: earned back by the payment in month 12, but by the whole
    // cost only from month 33 (the new loan pays less principal at first).
    QCOMPARE(facts.paymentBreakEven, std::optional<std::int32_t>(12));
    QCOMPARE(facts.costBreakEven, std::optional<std::int32_t>(33));
    QCOMPARE(facts.keepTotal, 23708937);
    QCOMPARE(facts.refinanceTotal, 32406158);
    QVERIFY(facts.restartsTerm);
    model.SetCurrentLoan(Owed());
    model.SetHorizonYears(15);
    model.SetSavingsPercent(0);
    const QStringList lines = model.RefinanceTexts();
    QCOMPARE(lines[0], QStringLiteral("Refinancing with Larch Refinance takes your payment from "
                                      "2,029.53 to 1,580.17 a month (449.36 less); the lower "
                                      "payment earns back the closing costs of 5,200.00 by month "
                                      "12 (year 1)."));
    QCOMPARE(lines[1], QStringLiteral("Counting interest, insurance and closing costs with your "
                                      "savings' earnings, refinancing costs less from month 33 "
                                      "(year 3) on."));
    QCOMPARE(lines[2], QStringLiteral("Over 15 years, with savings earning 0.00 %, keeping your "
                                      "loan costs 8,482 less than refinancing."));
    QCOMPARE(lines[3], QStringLiteral("Beware: the lower payment runs 30 years where your loan "
                                      "has 20 years left, so to the last payment the refinance "
                                      "costs 324,061.58 in interest, insurance and closing costs "
                                      "against 237,089.37 if you keep your loan."));
    // Without the loan the buyer has, it asks for it.
    model.SetCurrentLoan({});
    QVERIFY(model.RefinanceTexts()[0].startsWith(QStringLiteral("Type the balance")));
}

void ChoicesTest::refinance_over_the_years_kept_and_cash_out() {
    CompareModel model(kUs);
    model.SetOffers({Refinance()});
    const ComparedOffer& refinance = model.Comparison().Offer(0);
    // Savings at 4 %: from month 31, and 6,187.09 less over 7 years; at 0 % 4,128.38 less.
    RefinanceFacts facts = DecideRefinance(Owed(), refinance, ToCents(250000), 84, 4);
    QCOMPARE(facts.costBreakEven, std::optional<std::int32_t>(31));
    QVERIFY(std::llabs(facts.keepCost - facts.refinanceCost - 618709) <= 1);
    facts = DecideRefinance(Owed(), refinance, ToCents(250000), 84, 0);
    QCOMPARE(facts.keepCost - facts.refinanceCost, 412838);
    QCOMPARE(facts.cashOut, 0);
    // Owing less than the new loan: the difference is cash out, named apart from the cost.
    CurrentLoan less = Owed();
    less.balance = 230000;
    facts = DecideRefinance(less, refinance, ToCents(250000), 84, 0);
    QCOMPARE(facts.cashOut, 2000000);
    const QStringList lines =
        Choices::RefinanceSentences(facts, QStringLiteral("Larch"), 84, 0, kUs);
    QVERIFY(lines.last().startsWith(QStringLiteral("It lends 20,000.00 more than you owe")));
}

void ChoicesTest::an_expired_quote_is_left_out_of_the_choices() {
    KeptOffer juniper = Juniper();
    KeptOffer refinance = Refinance();
    CompareModel model(kUs);
    model.SetToday(kMonday);
    model.SetCurrentLoan(Owed());
    model.SetOffers({juniper, refinance});
    QCOMPARE(model.PointsGroups().size(), 1u);
    QVERIFY(!model.RefinanceTexts().isEmpty());
    juniper.estimate.closingCostsExpire = kMonday - std::chrono::days(1);
    refinance.estimate.closingCostsExpire = kMonday - std::chrono::days(3);
    model.SetOffers({juniper, refinance});
    QVERIFY(model.PointsGroups().empty());
    QVERIFY(model.RefinanceTexts().isEmpty());
    const QStringList verdict = model.VerdictTexts();
    QVERIFY(verdict.contains(QStringLiteral("Larch Refinance is left out: its estimated closing "
                                            "costs expired on 12/4/2026; ask the lender for a "
                                            "new Loan Estimate.")));
    // Expiring today is still a quote.
    juniper.estimate.closingCostsExpire = kMonday;
    model.SetOffers({juniper, refinance});
    QCOMPARE(model.PointsGroups().size(), 1u);
}

void ChoicesTest::a_refinance_beside_a_purchase_is_not_the_same_loan() {
    std::vector<KeptOffer> offers = MyThree();
    offers.push_back(Refinance());
    offers.back().estimate.loanAmount = 320000;
    CompareModel model(kUs);
    model.SetOffers(offers);
    QVERIFY(model.Facts().purposes);
    QVERIFY(model.VerdictTexts().contains(QStringLiteral(
        "Larch Refinance is a refinance and Aspen Lending is not: they are not the "
        "same loan; Keep or Refinance sets a refinance against the loan you have.")));
    offers.pop_back();
    model.SetOffers(offers);
    QVERIFY(!model.Facts().purposes);
}

void ChoicesTest::the_choices_go_into_the_csv() {
    CompareModel model(kUs);
    model.SetCurrentLoan(Owed());
    model.SetOffers({Juniper(), Refinance()});
    model.SetHorizonYears(7);
    model.SetSavingsPercent(4);
    const QString csv = QString::fromStdString(ComparisonCsv(model));
    QVERIFY(csv.contains(QStringLiteral("\r\nPoints or credits\r\n")));
    QVERIFY(csv.contains(QStringLiteral("\r\nKeep or refinance\r\n")));
    QVERIFY(csv.contains(QStringLiteral("Over 7 years, with savings earning 4.00 %, refinancing "
                                        "costs 6,187 less than keeping your loan.")));
    QVERIFY(csv.contains(QStringLiteral("1 point for 6.500 % costs least")));
    const output::PrintTable table = ComparisonPrintTable(model);
    bool printed = false;
    for (const auto& row : table.rows)
        printed = printed ||
                  (!row.cells.isEmpty() &&
                   row.cells[0].startsWith(QStringLiteral("Refinancing with Larch Refinance")));
    QVERIFY(printed);
}

// State: the three offers, Juniper and the refinance kept. Action: the Compare window opens, the
// loan the buyer has typed. Expected: one small line per offer; the points tab weighs Juniper's
// rates; the refinance tab asks for the loan, then follows it; the loan typed is kept.
void ChoicesTest::the_window_draws_each_offer_and_follows_the_loan_typed() {
    testing::FakePlatform platform;
    QTemporaryDir dir;
    {
        OfferStore store(dir.path());
        QVERIFY(store.Open());
        std::vector<KeptOffer> offers = MyThree();
        offers.push_back(Juniper());
        offers.push_back(Refinance());
        for (KeptOffer& offer : offers) {
            offer.id = 0;
            offer.keptAt = QDateTime::currentDateTimeUtc();
            QVERIFY(store.Add(offer));
        }
        CompareWindow window(store, nullptr);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        QCOMPARE(window.CostLineRow()->LineCount(), 5);
        QVERIFY(window.PointsText()->text().contains(QStringLiteral("1 point for 6.500 %")));
        QVERIFY(window.RefinanceText()->text().startsWith(QStringLiteral("Type the balance")));
        window.CurrentBalanceField()->setValue(250000);
        window.CurrentRateField()->setValue(6.875);
        window.CurrentMonthsField()->setValue(240);
        window.CurrentInsuranceField()->setValue(110);
        // Scrolling the tab past the loan's figures leaves them as they were.
        for (QWidget* field : std::initializer_list<QWidget*>{
                 window.CurrentBalanceField(), window.CurrentRateField(),
                 window.CurrentMonthsField(), window.CurrentInsuranceField()})
            testing::TurnWheelDown(*field);
        QVERIFY2(window.RefinanceText()->text().startsWith(QStringLiteral(
                     "Refinancing with Larch Refinance takes your payment from 2,029.53 to "
                     "1,580.17 a month")),
                 qPrintable(window.RefinanceText()->text()));
    }
    OfferStore store(dir.path());
    QVERIFY(store.Open());
    QCOMPARE(store.Setting(QStringLiteral("current_balance")).value_or(QString()),
             QStringLiteral("250000.00"));
    QCOMPARE(store.Setting(QStringLiteral("current_months_left")).value_or(QString()),
             QStringLiteral("240"));
    CompareWindow again(store, nullptr);
    again.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(again.CurrentRateField()->value(), 6.875);
    QCOMPARE(again.CurrentInsuranceField()->value(), 110.0);
}

QTEST_MAIN(ChoicesTest)
#include "ChoicesTest.moc"
