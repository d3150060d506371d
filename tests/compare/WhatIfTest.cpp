// What if, as the buyer meets it: one plan of extra payments for every offer in the Compare
// window (kept for the next time), a plan and the worst case in an offer's Schedule window, and
// an adjustable offer's rows and APR. Figures worked by hand in exact decimal arithmetic.

#include "CompareModel.h"
#include "CompareWindow.h"
#include "CostChart.h"
#include "FakePlatform.h"
#include "LocaleSettings.h"
#include "OfferStore.h"
#include "ScheduleModel.h"
#include "ScheduleWindow.h"

#include <QAction>
#include <QLineSeries>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace plumcrest;
using namespace plumcrest::store;
using namespace plumcrest::compare;
using namespace plumcrest::schedule;

namespace {

const LocaleSeparators kUs{U'.', U','};

KeptOffer WithEstimate(const QString& name, double price, double loan, double rate,
                       std::vector<CostItem> costs) {
    KeptOffer offer;
    offer.name = name;
    LoanEstimate estimate;
    estimate.price = price;
    estimate.loanAmount = loan;
    estimate.months = 360;
    estimate.noteRate = rate;
    estimate.costs = std::move(costs);
    offer.estimate = estimate;
    return offer;
}

// 200,000.00 at 6 % for 30 years, 1,500.00 of origination.
KeptOffer Fixed() {
    return WithEstimate(QStringLiteral("Oakmont Fixed"), 250000, 200000, 6,
                        {{CostSection::A, "Origination fee", 1500, true}});
}

// 300,000.00 for 30 years at 5.5 % for 60 months, then 4 % + 2.75 % yearly, caps 2/2/5, floor
// 2.75 %; 3,000.00 of origination (a finance charge) and a 650.00 appraisal (not one).
KeptOffer FiveOne() {
    KeptOffer offer = WithEstimate(QStringLiteral("Birchway 5/1"), 375000, 300000, 5.5,
                                   {{CostSection::A, "Origination fee", 3000, true},
                                    {CostSection::B, "Appraisal Fee", 650, false}});
    offer.estimate.adjustable = AdjustableRate{60, 4.0, 2.75, 2, 2, 5, 2.75, 12};
    return offer;
}

QString Cell(const CompareModel& model, int row, int column) {
    return model.index(row, column).data().toString();
}

int ColumnOf(const CompareModel& model, const QString& name) {
    for (int c = 0; c < model.columnCount(); ++c)
        if (model.Offer(c).name == name)
            return c;
    return -1;
}

ExtraPayments HundredAMonth() {
    ExtraPayments plan;
    plan.monthly = 10000;
    return plan;
}

} // namespace

class WhatIfTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        store_ = std::make_unique<OfferStore>(dir_->path() + QStringLiteral("/Plumcrest"));
        QVERIFY(store_->Open());
        KeptOffer fixed = Fixed();
        KeptOffer arm = FiveOne();
        QVERIFY(store_->Add(fixed));
        QVERIFY(store_->Add(arm));
    }
    void cleanup() {
        store_.reset();
        dir_.reset();
    }

    void a_plan_for_all_offers_is_compared_drawn_and_kept();
    void an_adjustable_offer_shows_both_paths_and_its_apr_on_the_indexed_rate();
    void the_schedule_window_lays_out_a_plan_and_the_worst_case();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<OfferStore> store_;
};

void WhatIfTest::a_plan_for_all_offers_is_compared_drawn_and_kept() {
    testing::FakePlatform platform;
    ScopedLocaleSeparators separators(kUs);
    {
        CompareWindow window(*store_, nullptr);
        const CompareModel& model = *window.Model();
        const int fixed = ColumnOf(model, QStringLiteral("Oakmont Fixed"));
        QCOMPARE(Cell(model, CompareModel::TotalInterestRow, fixed), QStringLiteral("231,677.04"));
        QVERIFY(!window.Chart()->ExtrasCostLine(fixed));
        window.AskForPlan = [](const ExtraPayments& current, std::int32_t months) {
            return current.Any() || months != 360 ? std::nullopt
                                                  : std::optional<ExtraPayments>(HundredAMonth());
        };
        window.Commands().extraPlan->trigger();
        const int column = ColumnOf(model, QStringLiteral("Oakmont Fixed"));
        QCOMPARE(Cell(model, CompareModel::PayoffRow, column),
                 QStringLiteral("payment 295 (year 25), 65 months sooner"));
        QCOMPARE(Cell(model, CompareModel::InterestSavedRow, column), QStringLiteral("49,138.85"));
        QCOMPARE(Cell(model, CompareModel::TotalInterestRow, column), QStringLiteral("182,538.19"));
        // Over the 7 years kept: 1,500.00 of fees and the interest of the first 84 payments.
        QCOMPARE(Cell(model, CompareModel::HorizonCostRow, column), QStringLiteral("79,495.85"));
        // The chart draws the offer with extras beside it, cheaper and flat after month 295.
        const QLineSeries* plain = window.Chart()->CostLine(column);
        const QLineSeries* extras = window.Chart()->ExtrasCostLine(column);
        QVERIFY(extras);
        QCOMPARE(extras->at(360).y(), 1500 + 182538.19);
        QCOMPARE(plain->at(360).y(), 1500 + 231677.04);
        QCOMPARE(extras->at(295).y(), extras->at(360).y());
    }
    // Opened again, the plan still applies.
    CompareWindow again(*store_, nullptr);
    const int column = ColumnOf(*again.Model(), QStringLiteral("Oakmont Fixed"));
    QCOMPARE(Cell(*again.Model(), CompareModel::InterestSavedRow, column),
             QStringLiteral("49,138.85"));
    again.Commands().clearPlan->trigger();
    QCOMPARE(Cell(*again.Model(), CompareModel::TotalInterestRow, column),
             QStringLiteral("231,677.04"));
    QVERIFY(!again.Chart()->ExtrasCostLine(column));
    QCOMPARE(store_->Setting(QStringLiteral("extra_plan")), std::optional<QString>(QString()));
}

void WhatIfTest::an_adjustable_offer_shows_both_paths_and_its_apr_on_the_indexed_rate() {
    testing::FakePlatform platform;
    ScopedLocaleSeparators separators(kUs);
    CompareWindow window(*store_, nullptr);
    const CompareModel& model = *window.Model();
    const int arm = ColumnOf(model, QStringLiteral("Birchway 5/1"));
    const int fixed = ColumnOf(model, QStringLiteral("Oakmont Fixed"));
    QCOMPARE(model.rowCount(), static_cast<int>(CompareModel::RowCount));
    QCOMPARE(Cell(model, CompareModel::HighestPaymentRow, arm),
             QStringLiteral("1,916.46 from month 61"));
    QCOMPARE(Cell(model, CompareModel::WorstHighestPaymentRow, arm),
             QStringLiteral("2,600.22 from month 85"));
    QCOMPARE(Cell(model, CompareModel::WorstHighestPaymentRow, fixed),
             QStringLiteral("1,199.10 from month 1"));
    // Whole term: 3,650.00 of loan costs (A and B) plus 377,141.34 or 573,431.79 of interest.
    QCOMPARE(Cell(model, CompareModel::WholeTermCostRow, arm), QStringLiteral("380,791.34"));
    QCOMPARE(Cell(model, CompareModel::WorstWholeTermCostRow, arm), QStringLiteral("577,081.79"));
    // Within the 60 months of the initial rate both paths cost the same.
    window.HorizonField()->setValue(5);
    QCOMPARE(Cell(model, CompareModel::WorstHorizonCostRow, arm),
             Cell(model, CompareModel::HorizonCostRow, arm));
    window.HorizonField()->setValue(10);
    QVERIFY(
        model.index(CompareModel::WorstHorizonCostRow, arm)
            .data(CompareModel::FigureRole)
            .toDouble() >
        model.index(CompareModel::HorizonCostRow, arm).data(CompareModel::FigureRole).toDouble());
    // The APR on 297,000.00 financed and the payments at 6.75 % from month 61: 6.3521 %, not the
    // 5.5912 % of the initial rate kept for the whole term.
    QCOMPARE(Cell(model, CompareModel::LenderAprRow, arm), QStringLiteral("6.3521"));
}

void WhatIfTest::the_schedule_window_lays_out_a_plan_and_the_worst_case() {
    testing::FakePlatform platform;
    ScopedLocaleSeparators separators(kUs);
    CompareWindow window(*store_, nullptr);
    window.SelectOffer(store_->All().back().id); // Oakmont Fixed, kept first
    QCOMPARE(window.SelectedOffer()->name, QStringLiteral("Oakmont Fixed"));
    ScheduleWindow* schedule = window.OpenSchedule();
    QVERIFY(schedule);
    schedule->AskForPlan = [](const ExtraPayments&, std::int32_t) {
        return std::optional<ExtraPayments>(HundredAMonth());
    };
    schedule->ExtraPaymentsAction()->trigger();
    const QString saved = QStringLiteral(
        "Paid off with payment 295 (year 25): 65 months sooner, 49,138.85 less interest.");
    QVERIFY2(schedule->SummaryText().contains(saved), qPrintable(schedule->SummaryText()));
    QVERIFY(schedule->Csv().ends_with("\r\n295,25,602.79,3.00,599.79,0.00,0.00,602.79\r\n"));
    bool noted = false;
    for (const auto& row : schedule->Document().table.rows)
        noted = noted || (row.span && row.cells.join(QString()).contains(saved));
    QVERIFY(noted);
    // The Compare chart draws this offer with the plan; the table stays as disclosed.
    const int column = ColumnOf(*window.Model(), QStringLiteral("Oakmont Fixed"));
    QVERIFY(window.Chart()->ExtrasCostLine(column));
    QVERIFY(!window.Chart()->ExtrasCostLine(1 - column));
    QCOMPARE(Cell(*window.Model(), CompareModel::TotalInterestRow, column),
             QStringLiteral("231,677.04"));
    schedule->close();

    window.SelectOffer(store_->All().front().id); // Birchway 5/1
    ScheduleWindow* arm = window.OpenSchedule();
    QVERIFY(arm && arm->WorstCaseAction());
    const auto paymentOf = [&](int month) {
        const QModelIndex year = arm->Model()->index((month - 1) / 12, 0);
        return arm->Model()
            ->index((month - 1) % 12, ScheduleModel::PaymentColumn, year)
            .data(ScheduleModel::CentsRole)
            .toLongLong();
    };
    QCOMPARE(paymentOf(73), 191646LL);
    arm->WorstCaseAction()->trigger();
    QCOMPARE(paymentOf(61), 204983LL);
    QCOMPARE(paymentOf(73), 241398LL);
    QVERIFY(arm->SummaryText().contains(QStringLiteral("Highest payment 2,600.22, from month 85")));
    arm->close();
}

QTEST_MAIN(WhatIfTest)
#include "WhatIfTest.moc"
