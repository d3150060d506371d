// Which offer is best for this buyer, as the Compare window says it: three offers of one loan
// amount (a 30-year with points, a 30-year without, a 15-year) over 3, 7 and 15 years with savings
// earning 0, 4 and 7 %; the month either side of each turn; offers that are not the same loan;
// quotes whose dates are close or gone. Every cost was worked by hand in exact decimal arithmetic
// (level payment and each month's interest rounded half up to the cent, discounted monthly).

#include "Verdict.h"

#include "CompareModel.h"
#include "ComparisonExport.h"
#include "CostSeries.h"
#include "FakePlatform.h"
#include "LoanEstimateMath.h"

#include <QtTest>

using namespace plumcrest;
using namespace plumcrest::store;
using namespace plumcrest::compare;
using std::chrono::sys_days;

namespace {

const LocaleSeparators kUs{U'.', U','};

KeptOffer Offer(qint64 id, const QString& name, double loan, double rate, std::int32_t months,
                double origination) {
    KeptOffer offer;
    offer.id = id;
    offer.name = name;
    offer.estimate.price = 375000;
    offer.estimate.loanAmount = loan;
    offer.estimate.months = months;
    offer.estimate.noteRate = rate;
    offer.estimate.costs = {{CostSection::A, "Origination fee", origination, true}};
    return offer;
}

// 300,000.00 each: 6.625 % for 30 years with 5,400.00 of points; 6.875 % for 30 years with
// 1,200.00; 6.75 % for 15 years with 3,500.00.
std::vector<KeptOffer> ThreeOffers() {
    return {Offer(1, QStringLiteral("Spruce Mortgage"), 300000, 6.625, 360, 5400),
            Offer(2, QStringLiteral("Maple Bank"), 300000, 6.875, 360, 1200),
            Offer(3, QStringLiteral("Birch Credit Union"), 300000, 6.75, 180, 3500)};
}

constexpr sys_days kFriday{std::chrono::year(2026) / 12 / 11};

QString NameOf(const CompareModel& model, std::optional<std::size_t> column) {
    return column ? model.Offer(static_cast<int>(*column)).name : QStringLiteral("(none)");
}

} // namespace

class VerdictTest : public QObject {
    Q_OBJECT

private slots:
    void names_the_best_for_the_years_kept_and_what_savings_earn_data();
    void names_the_best_for_the_years_kept_and_what_savings_earn();
    void says_it_in_one_sentence_with_the_turn();
    void a_month_either_side_of_the_turn_changes_the_best_data();
    void a_month_either_side_of_the_turn_changes_the_best();
    void the_series_of_costs_is_the_cost_at_every_month();
    void offers_that_are_not_the_same_loan_are_named();
    void an_expired_quote_is_left_out_and_close_dates_are_warned();
    void the_verdict_goes_into_the_csv();
};

void VerdictTest::names_the_best_for_the_years_kept_and_what_savings_earn_data() {
    QTest::addColumn<int>("years");
    QTest::addColumn<double>("savings");
    QTest::addColumn<QString>("best");
    QTest::addColumn<QString>("next");
    QTest::addColumn<qint64>("margin"); // cents
    // The 15-year wins while savings earn little and loses once they earn more than its rate.
    QTest::newRow("3y 0%") << 3 << 0.0 << "Birch Credit Union"
                           << "Maple Bank" << qint64(150997);
    QTest::newRow("3y 4%") << 3 << 4.0 << "Maple Bank"
                           << "Birch Credit Union" << qint64(24379);
    QTest::newRow("3y 7%") << 3 << 7.0 << "Maple Bank"
                           << "Birch Credit Union" << qint64(138996);
    QTest::newRow("7y 0%") << 7 << 0.0 << "Birch Credit Union"
                           << "Spruce Mortgage" << qint64(1556492);
    QTest::newRow("7y 4%") << 7 << 4.0 << "Birch Credit Union"
                           << "Spruce Mortgage" << qint64(515586);
    QTest::newRow("7y 7%") << 7 << 7.0 << "Maple Bank"
                           << "Spruce Mortgage" << qint64(22402);
    QTest::newRow("15y 0%") << 15 << 0.0 << "Birch Credit Union"
                            << "Spruce Mortgage" << qint64(8860405);
    QTest::newRow("15y 4%") << 15 << 4.0 << "Birch Credit Union"
                            << "Spruce Mortgage" << qint64(2288929);
    QTest::newRow("15y 7%") << 15 << 7.0 << "Spruce Mortgage"
                            << "Maple Bank" << qint64(211508);
}

void VerdictTest::names_the_best_for_the_years_kept_and_what_savings_earn() {
    QFETCH(int, years);
    QFETCH(double, savings);
    QFETCH(QString, best);
    QFETCH(QString, next);
    QFETCH(qint64, margin);
    CompareModel model(kUs);
    model.SetToday(kFriday);
    model.SetOffers(ThreeOffers());
    model.SetHorizonYears(years);
    model.SetSavingsPercent(savings);
    const VerdictFacts facts = model.Facts();
    QCOMPARE(NameOf(model, facts.best), best);
    QCOMPARE(NameOf(model, facts.next), next);
    // Long double against exact decimals: a cent apart at most.
    QVERIFY2(std::llabs(facts.margin - margin) <= 1, qPrintable(QString::number(facts.margin)));
}

void VerdictTest::says_it_in_one_sentence_with_the_turn() {
    CompareModel model(kUs);
    model.SetToday(kFriday);
    model.SetOffers(ThreeOffers());
    model.SetHorizonYears(7);
    model.SetSavingsPercent(4);
    QStringList lines = model.VerdictTexts();
    QVERIFY(lines.size() >= 3);
    QCOMPARE(lines[0], QStringLiteral("Over 7 years, with savings earning 4.00 %, Birch Credit "
                                      "Union costs 5,156 less than Spruce Mortgage, the next "
                                      "best."));
    QCOMPARE(lines[1],
             QStringLiteral("If you sell or refinance within 38 months, Maple Bank costs less."));
    QVERIFY(lines.contains(QStringLiteral(
        "The terms differ (Birch Credit Union 15 years, Spruce Mortgage 30 years): the shorter "
        "term pays the loan off sooner with a higher payment each month.")));
    // It follows the two fields: 3 years, the turn comes later.
    model.SetHorizonYears(3);
    lines = model.VerdictTexts();
    QCOMPARE(lines[0], QStringLiteral("Over 3 years, with savings earning 4.00 %, Maple Bank "
                                      "costs 244 less than Birch Credit Union, the next best."));
    QCOMPARE(lines[1], QStringLiteral("If you keep the loan 39 months or longer, Birch Credit "
                                      "Union costs less."));
}

void VerdictTest::a_month_either_side_of_the_turn_changes_the_best_data() {
    QTest::addColumn<double>("savings");
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("best");
    QTest::newRow("4%, 38 months") << 4.0 << 38 << "Maple Bank";
    QTest::newRow("4%, 39 months") << 4.0 << 39 << "Birch Credit Union";
    QTest::newRow("0%, 26 months") << 0.0 << 26 << "Maple Bank";
    QTest::newRow("0%, 27 months") << 0.0 << 27 << "Birch Credit Union";
    QTest::newRow("7%, 90 months") << 7.0 << 90 << "Maple Bank";
    QTest::newRow("7%, 91 months") << 7.0 << 91 << "Spruce Mortgage";
}

void VerdictTest::a_month_either_side_of_the_turn_changes_the_best() {
    QFETCH(double, savings);
    QFETCH(int, months);
    QFETCH(QString, best);
    CompareModel model(kUs);
    model.SetOffers(ThreeOffers());
    const VerdictFacts facts = Decide(model.VerdictOffers(), months, savings, kFriday);
    QCOMPARE(NameOf(model, facts.best), best);
}

void VerdictTest::the_series_of_costs_is_the_cost_at_every_month() {
    CompareModel model(kUs);
    model.SetOffers(ThreeOffers());
    for (std::size_t i = 0; i < 3; ++i) {
        const ComparedOffer& offer = model.Comparison().Offer(i);
        for (const double savings : {0.0, 4.0, 7.0}) {
            const auto series = DiscountedCostSeries(offer.loanCosts, offer.schedule,
                                                     offer.insurance, 400, savings);
            for (std::int32_t m = 0; m <= 400; ++m)
                QCOMPARE(
                    series[static_cast<std::size_t>(m)],
                    DiscountedCost(offer.schedule, offer.insurance, offer.loanCosts, m, savings));
        }
    }
}

void VerdictTest::offers_that_are_not_the_same_loan_are_named() {
    // Amounts 1 % apart are alike; a cent more and they are not.
    for (const auto& [amount, differ] : {std::pair{303000.0, false}, std::pair{303000.01, true}}) {
        std::vector<KeptOffer> offers{Offer(1, QStringLiteral("Cedar"), 300000, 6.5, 360, 2100),
                                      Offer(2, QStringLiteral("Elm"), amount, 6.25, 360, 3300)};
        CompareModel model(kUs);
        model.SetOffers(offers);
        const VerdictFacts facts = model.Facts();
        QCOMPARE(facts.amounts.has_value(), differ);
        QVERIFY(!facts.terms && !facts.fixedAdjustable && !facts.lockedUnlocked);
    }
    std::vector<KeptOffer> offers{Offer(1, QStringLiteral("Cedar"), 300000, 6.5, 360, 2100),
                                  Offer(2, QStringLiteral("Elm 5/1"), 300000, 5.875, 360, 3300)};
    offers[1].estimate.adjustable = AdjustableRate{60, 4.25, 2.5, 2, 1, 5, 2.5, 12};
    offers[0].estimate.rateLockUntil = kFriday + std::chrono::days(30);
    CompareModel model(kUs);
    model.SetToday(kFriday);
    model.SetOffers(offers);
    const QStringList lines = model.VerdictTexts();
    QVERIFY(
        lines.contains(QStringLiteral("Elm 5/1 has an adjustable rate and Cedar a fixed one.")));
    QVERIFY(lines.contains(QStringLiteral("Cedar's rate is locked and Elm 5/1's is not: an "
                                          "unlocked rate can change before closing.")));
    QVERIFY(
        lines.filter(QStringLiteral("In the worst case its caps allow, Elm 5/1 costs")).size() ==
        1);
    QVERIFY(lines.last().contains(QStringLiteral("adjustable rate's index")));
}

void VerdictTest::an_expired_quote_is_left_out_and_close_dates_are_warned() {
    std::vector<KeptOffer> offers = ThreeOffers();
    // Birch is the best over 7 years at 4 %; its quote ended yesterday.
    offers[2].estimate.closingCostsExpire = kFriday - std::chrono::days(1);
    // Three business days from Friday run to Wednesday; Thursday is beyond.
    offers[0].estimate.rateLockUntil = kFriday + std::chrono::days(5);
    offers[1].estimate.rateLockUntil = kFriday + std::chrono::days(6);
    offers[1].estimate.closingCostsExpire = kFriday;
    CompareModel model(kUs);
    model.SetToday(kFriday);
    model.SetOffers(offers);
    model.SetHorizonYears(7);
    model.SetSavingsPercent(4);
    const VerdictFacts facts = model.Facts();
    QCOMPARE(facts.leftOut, std::vector<std::size_t>{2});
    QCOMPARE(NameOf(model, facts.best), QStringLiteral("Spruce Mortgage"));
    const QStringList lines = model.VerdictTexts();
    QCOMPARE(lines[0], QStringLiteral("Birch Credit Union is left out: its estimated closing "
                                      "costs expired on 12/10/2026; ask the lender for a new "
                                      "Loan Estimate."));
    QVERIFY(lines[1].startsWith(
        QStringLiteral("Over 7 years, with savings earning 4.00 %, Spruce Mortgage costs ")));
    QVERIFY(lines.contains(QStringLiteral(
        "Spruce Mortgage's rate lock ends on 12/16/2026, within three business days.")));
    QVERIFY(lines.filter(QStringLiteral("Maple Bank's rate lock")).isEmpty());
    QVERIFY(lines.contains(QStringLiteral("Maple Bank's estimated closing costs expire on "
                                          "12/11/2026, within three business days.")));
    QCOMPARE(model.index(CompareModel::CostsExpireRow, 2).data().toString(),
             QStringLiteral("12/10/2026: expired, left out of the verdict"));
    QCOMPARE(model.index(CompareModel::RateLockRow, 1).data().toString(),
             QStringLiteral("12/17/2026"));
    QCOMPARE(model.index(CompareModel::RateLockRow, 2).data().toString(),
             QStringLiteral("not locked"));
}

void VerdictTest::the_verdict_goes_into_the_csv() {
    CompareModel model(kUs);
    model.SetToday(kFriday);
    model.SetOffers(ThreeOffers());
    model.SetHorizonYears(15);
    model.SetSavingsPercent(7);
    const QString csv = QString::fromStdString(ComparisonCsv(model));
    QVERIFY2(csv.contains(QStringLiteral("Over 15 years, with savings earning 7.00 %, Spruce "
                                         "Mortgage costs 2,115 less than Maple Bank, the next "
                                         "best.")),
             qPrintable(csv.right(600)));
    QVERIFY(csv.contains(
        QStringLiteral("If you sell or refinance within 90 months, Maple Bank costs less.")));
}

QTEST_MAIN(VerdictTest)
#include "VerdictTest.moc"
