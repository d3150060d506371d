// The calculator window as a user meets it: layout, typing and tabbing, the calculation, the
// saved values at start and close, and the failure reports.

#include "MathError.h"
#include "PlumcrestApplication.h"
#include "TPanelStatusBar.h"
#include "WindowFixture.h"

#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

using namespace plumcrest;
using namespace plumcrest::testing;

namespace {

const QString kMathMessage = QStringLiteral(
    "Results of this calculation cannot be determined\n\rusing the values you have entered."
    "\n\r\n\rPlease try again with different values.");

QString DefaultIni() {
    return QStringLiteral("[LastValues]\nPurchasePrice=120000\nDownPaymentPercent=10\nTerm=30\n"
                          "Interest=6.75\nOriginationFees=1200\nPoints=1200\nPrepaidInterest=500\n"
                          "MIP=500\nBuydown=0\nFloodCheck=50\nTaxService=50\nOther1=0\nOther2=0\n"
                          "[GeneralValues]\nRun=1\n");
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void places_every_control_as_designed();
    void shows_labels_with_one_ampersand_and_accessible_names();
    void tabs_through_the_inputs_only();
    void tab_from_a_result_goes_to_the_neighbouring_input_data();
    void tab_from_a_result_goes_to_the_neighbouring_input();
    void typing_the_default_example_shows_its_results();
    void edge_cases_of_the_calculation_data();
    void edge_cases_of_the_calculation();
    void fees_equal_to_the_loan_show_hashes_in_the_apr_only();
    void a_huge_down_payment_shows_hashes_not_wrong_digits();
    void typing_into_a_result_changes_only_that_field();
    void fees_above_the_loan_report_then_reset();
    void the_new_down_payment_shows_when_a_later_step_fails();
    void other_failures_get_the_general_message_and_change_nothing();
    void first_run_opens_the_welcome_help_and_a_second_does_not();
    void a_failure_during_creation_is_reported_and_the_window_still_opens();
    void saved_values_come_back_rounded_by_their_fields();
    void closing_saves_the_last_completed_calculation();
    void each_input_travels_from_the_file_to_its_field_and_back();
    void a_failed_save_keeps_the_window_open();
    void after_a_refused_close_the_user_may_quit_without_saving();
    void a_save_that_works_again_closes_without_asking();
    void without_a_home_folder_closing_is_refused_then_asked();
    void reset_returns_to_the_first_page_with_the_defaults();
};

void MainWindowTest::places_every_control_as_designed() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QCOMPARE(w.centralWidget()->size(), QSize(656, 403));
    QCOMPARE(w.pnlTop->geometry(), QRect(0, 0, 656, 32));
    QCOMPARE(w.nbkMain->geometry(), QRect(0, 32, 656, 352));
    QCOMPARE(w.statusBar->geometry(), QRect(0, 384, 656, 19));
    QCOMPARE(w.btnReset->geometry(), QRect(3, 3, 26, 26));
    QCOMPARE(w.btnUpdate->geometry(), QRect(29, 3, 26, 26));
    QCOMPARE(w.btnHelp->geometry(), QRect(55, 3, 26, 26));
    QCOMPARE(w.btnAbout->geometry(), QRect(81, 3, 26, 26));
    QCOMPARE(w.btnExit->geometry(), QRect(626, 3, 26, 26));
    QCOMPARE(w.nbkMain->tabText(0), QStringLiteral(" Plumcrest "));
    QCOMPARE(w.nbkMain->count(), 3);

    const struct {
        TNumericField* field;
        QRect place;
        const char* mask;
        bool result;
    } fields[] = {
        {w.edtPurchasePrice, {175, 32, 103, 23}, "##,###,###.##", false},
        {w.edtDownPaymentPercent, {175, 59, 103, 23}, "###.####", false},
        {w.edtDownPayment, {175, 86, 103, 23}, "##,###,###.##", true},
        {w.edtLoan, {175, 113, 103, 23}, "##,###,###.##", true},
        {w.edtTerm, {176, 142, 103, 23}, "###", false},
        {w.edtInterest, {175, 168, 103, 23}, "###.####", false},
        {w.edtPayment, {175, 195, 103, 23}, "##,###,###.##", true},
        {w.edtFixedFees, {175, 222, 103, 23}, "##,###,###.##", true},
        {w.edtAPR, {175, 249, 103, 23}, "###.####", true},
        {w.edtOriginationFees, {509, 32, 103, 23}, "##,###,###.##", false},
        {w.edtPoints, {509, 59, 103, 23}, "##,###,###.##", false},
        {w.edtPrepaidInterest, {509, 86, 103, 23}, "##,###,###.##", false},
        {w.edtMIP, {509, 113, 103, 23}, "##,###,###.##", false},
        {w.edtBuydown, {509, 141, 103, 23}, "##,###,###.##", false},
        {w.edtFloodCheck, {509, 168, 103, 23}, "##,###,###.##", false},
        {w.edtTaxService, {509, 195, 103, 23}, "##,###,###.##", false},
        {w.edtOther1, {509, 222, 103, 23}, "##,###,###.##", false},
        {w.edtOther2, {509, 249, 103, 23}, "##,###,###.##", false},
    };
    for (const auto& f : fields) {
        QCOMPARE(f.field->parentWidget(), w.Page1);
        QCOMPARE(f.field->geometry(), f.place);
        QCOMPARE(f.field->PictureMask(), QString::fromLatin1(f.mask));
        QCOMPARE(f.field->Color() == QColor(Qt::yellow), f.result);
        QCOMPARE(f.field->TabStop(), !f.result);
    }
    const struct {
        const char* name;
        QRect place;
    } shapes[] = {{"Shape1", {301, 27, 2, 252}},
                  {"Shape3", {300, 26, 105, 2}},
                  {"Shape4", {300, 278, 105, 2}},
                  {"Shape2", {277, 231, 26, 2}}};
    for (const auto& s : shapes) {
        auto* shape = w.Page1->findChild<QWidget*>(QString::fromLatin1(s.name));
        QVERIFY(shape);
        QCOMPARE(shape->geometry(), s.place);
        QCOMPARE(shape->palette().color(QPalette::Window), QColor(Qt::red));
    }
    // Before the first calculation every result shows zero.
    QCOMPARE(Shown(w.edtAPR), QStringLiteral("0.0000"));
    QCOMPARE(Shown(w.edtPayment), QStringLiteral("0.00"));
}

void MainWindowTest::shows_labels_with_one_ampersand_and_accessible_names() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const struct {
        const char* name;
        const char* caption;
        QRect place;
    } labels[] = {
        {"Label5", "Home Purchase Price:", {46, 36, 124, 15}},
        {"Label4", "Down Payment Percent:", {39, 63, 131, 15}},
        {"Label18", "Down Payment:", {84, 90, 86, 15}},
        {"Label1", "Loan Amount:", {94, 117, 76, 15}},
        {"Label3", "Term in Years:", {90, 144, 80, 15}},
        {"Label2", "Interest Rate:", {97, 171, 73, 15}},
        {"Label6", "Monthly Payment (P&I):", {45, 198, 125, 15}},
        {"Label17", "TOTAL of Fixed Fees:", {54, 225, 116, 15}},
        {"Label16", "Annual Percentage Rate:", {34, 252, 136, 15}},
        {"Label11", "Origination Fees:", {411, 36, 94, 15}},
        {"Label10", "Discount Points:", {415, 63, 90, 15}},
        {"Label7", "Prepaid Mortgage Interest:", {361, 90, 144, 15}},
        {"Label9", "Mortgage Insurance Premiums:", {332, 117, 173, 15}},
        {"Label8", "Buydown funds:", {418, 144, 87, 15}},
        {"Label12", "Flood check fee:", {416, 171, 89, 15}},
        {"Label13", "Tax Servicing Fee:", {406, 198, 99, 15}},
        {"Label14", "Appraisal:", {450, 225, 55, 15}},
        {"Label15", "Other Loan & Closing Fees:", {353, 252, 152, 15}},
    };
    for (const auto& l : labels) {
        auto* label = w.Page1->findChild<QLabel*>(QString::fromLatin1(l.name));
        QVERIFY2(label, l.name);
        QCOMPARE(label->text(), QString::fromLatin1(l.caption));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->buddy());
        QVERIFY(label->alignment() & Qt::AlignRight);
        // Right-aligned labels end where they were designed to and show their whole text:
        // where this font runs wider than the design's, the label grows to the left only.
        QCOMPARE(label->geometry().right(), l.place.right());
        QCOMPARE(label->geometry().top(), l.place.top());
        QCOMPARE(label->height(), l.place.height());
        QVERIFY(label->width() >= l.place.width());
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    }
    QCOMPARE(w.edtPayment->accessibleName(), QStringLiteral("Monthly Payment (P&I)"));
    QCOMPARE(w.edtPurchasePrice->accessibleName(), QStringLiteral("Home Purchase Price"));
}

void MainWindowTest::tabs_through_the_inputs_only() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const auto inputs = w.InputFields();
    // Start at the first input and tab round: the four left inputs, then the nine fees.
    w.edtPurchasePrice->setFocus(Qt::TabFocusReason);
    for (std::size_t i = 1; i <= inputs.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), inputs[i % inputs.size()]);
    }
    // Shift+Tab from the first fee goes back to the interest rate.
    w.edtOriginationFees->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.edtOriginationFees, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.edtInterest);
    QTest::keyClick(w.edtInterest, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.edtOriginationFees);
}

void MainWindowTest::tab_from_a_result_goes_to_the_neighbouring_input_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("expected");
    QTest::newRow("down_payment_tab") << "edtDownPayment" << false << "edtTerm";
    QTest::newRow("down_payment_shift_tab") << "edtDownPayment" << true << "edtDownPaymentPercent";
    QTest::newRow("loan_tab") << "edtLoan" << false << "edtTerm";
    QTest::newRow("loan_shift_tab") << "edtLoan" << true << "edtDownPaymentPercent";
    QTest::newRow("payment_tab") << "edtPayment" << false << "edtOriginationFees";
    QTest::newRow("payment_shift_tab") << "edtPayment" << true << "edtInterest";
    QTest::newRow("fixed_fees_shift_tab") << "edtFixedFees" << true << "edtInterest";
    QTest::newRow("apr_tab") << "edtAPR" << false << "edtOriginationFees";
    QTest::newRow("apr_shift_tab") << "edtAPR" << true << "edtInterest";
}

// State: the user clicked into a result field.
// Action: Tab or Shift+Tab.
// Expected: the next or previous input in the page's order, as if the result were not there.
void MainWindowTest::tab_from_a_result_goes_to_the_neighbouring_input() {
    QFETCH(QString, result);
    QFETCH(bool, backwards);
    QFETCH(QString, expected);
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    auto* field = w.Page1->findChild<TNumericField*>(result);
    QVERIFY(field);
    QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
    QCOMPARE(QApplication::focusWidget(), field);
    if (backwards)
        QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), expected);
}

void MainWindowTest::typing_the_default_example_shows_its_results() {
    WindowFixture fx;
    fx.WriteIni("[GeneralValues]\nRun=1\n[LastValues]\nPurchasePrice=1\nDownPaymentPercent=1\n"
                "Term=1\nInterest=1\nOriginationFees=1\nPoints=1\nPrepaidInterest=1\nMIP=1\n"
                "Buydown=1\nFloodCheck=1\nTaxService=1\nOther1=1\nOther2=1\n");
    TfrmMain& w = fx.Open();
    const char* typed[] = {"120000", "10", "30", "6.75", "1200", "1200", "500",
                           "500",    "0",  "50", "50",   "0",    "0"};
    const auto inputs = w.InputFields();
    inputs[0]->setFocus(Qt::TabFocusReason);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        QCOMPARE(QApplication::focusWidget(), inputs[i]);
        QTest::keyClicks(inputs[i], QString::fromLatin1(typed[i]));
        QTest::keyClick(inputs[i], Qt::Key_Tab);
    }
    fx.Settle();
    QCOMPARE(Shown(w.edtDownPayment), QStringLiteral("12,000.00"));
    QCOMPARE(Shown(w.edtLoan), QStringLiteral("108,000.00"));
    QCOMPARE(Shown(w.edtPayment), QStringLiteral("700.49"));
    QCOMPARE(Shown(w.edtFixedFees), QStringLiteral("3,500.00"));
    QCOMPARE(Shown(w.edtAPR), QStringLiteral("7.0746"));
    QCOMPARE(Shown(w.edtInterest), QStringLiteral("6.7500"));
    QVERIFY(fx.platform.messages.shown.empty());
}

void MainWindowTest::edge_cases_of_the_calculation_data() {
    QTest::addColumn<int>("fieldIndex");
    QTest::addColumn<double>("value");
    QTest::addColumn<QStringList>("expected"); // down payment, loan, payment, fees, APR
    QTest::newRow("defaults") << 0 << 120000.0
                              << QStringList{"12,000.00", "108,000.00", "700.49", "3,500.00",
                                             "7.0746"};
    QTest::newRow("term_0") << 2 << 0.0
                            << QStringList{"12,000.00", "108,000.00", "0.00", "3,500.00", "0.0000"};
    QTest::newRow("term_1") << 2 << 1.0
                            << QStringList{"12,000.00", "108,000.00", "9,332.45", "3,500.00",
                                           "12.9753"};
    QTest::newRow("zero_rate") << 3 << 0.0
                               << QStringList{"12,000.00", "108,000.00", "300.00", "3,500.00",
                                              "0.2202"};
    QTest::newRow("all_down") << 1 << 100.0
                              << QStringList{"120,000.00", "0.00", "0.00", "3,500.00", "0.0000"};
    QTest::newRow("above_all_down")
        << 1 << 150.0 << QStringList{"180,000.00", "-60,000.00", "0.00", "3,500.00", "0.0000"};
}

void MainWindowTest::edge_cases_of_the_calculation() {
    QFETCH(int, fieldIndex);
    QFETCH(double, value);
    QFETCH(QStringList, expected);
    WindowFixture fx;
    fx.WriteIni(DefaultIni().toLatin1());
    TfrmMain& w = fx.Open();
    auto* field = w.InputFields()[static_cast<std::size_t>(fieldIndex)];
    field->setFocus(Qt::TabFocusReason);
    field->setFloatValue(value);
    QTest::keyClick(field, Qt::Key_Tab);
    fx.Settle();
    QVERIFY(fx.platform.messages.shown.empty());
    const QStringList shown{Shown(w.edtDownPayment), Shown(w.edtLoan), Shown(w.edtPayment),
                            Shown(w.edtFixedFees), Shown(w.edtAPR)};
    QCOMPARE(shown, expected);
}

void MainWindowTest::fees_equal_to_the_loan_show_hashes_in_the_apr_only() {
    // State: defaults, loan 108,000.00. Action: fees of 108,000 in total. Expected: the huge
    // APR shows as hashes; the other results as usual.
    WindowFixture fx;
    fx.WriteIni(DefaultIni().toLatin1());
    TfrmMain& w = fx.Open();
    w.edtOriginationFees->setFocus(Qt::TabFocusReason);
    w.edtOriginationFees->setFloatValue(105700);
    QTest::keyClick(w.edtOriginationFees, Qt::Key_Tab);
    fx.Settle();
    QVERIFY(fx.platform.messages.shown.empty());
    QCOMPARE(Shown(w.edtFixedFees), QStringLiteral("108,000.00"));
    QCOMPARE(Shown(w.edtLoan), QStringLiteral("108,000.00"));
    QCOMPARE(Shown(w.edtPayment), QStringLiteral("700.49"));
    QCOMPARE(Shown(w.edtAPR), QStringLiteral("###.####"));
}

void MainWindowTest::a_huge_down_payment_shows_hashes_not_wrong_digits() {
    WindowFixture fx;
    fx.WriteIni(DefaultIni().toLatin1());
    TfrmMain& w = fx.Open();
    w.edtPurchasePrice->setFocus(Qt::TabFocusReason);
    w.edtPurchasePrice->setFloatValue(99999999);
    w.edtDownPaymentPercent->setFocus(Qt::TabFocusReason);
    w.edtDownPaymentPercent->setFloatValue(500);
    QTest::keyClick(w.edtDownPaymentPercent, Qt::Key_Tab);
    fx.Settle();
    QCOMPARE(Shown(w.edtDownPayment), QStringLiteral("##,###,###.##"));
    QCOMPARE(Shown(w.edtLoan), QStringLiteral("##,###,###.##"));
    QCOMPARE(Shown(w.edtPurchasePrice), QStringLiteral("99,999,999.00"));
}

void MainWindowTest::typing_into_a_result_changes_only_that_field() {
    WindowFixture fx;
    fx.WriteIni(DefaultIni().toLatin1());
    TfrmMain& w = fx.Open();
    QTest::keyClick(w.edtPurchasePrice, Qt::Key_Tab); // a first calculation
    fx.Settle();
    const LoanInputs before = w.RememberedInputs();
    QTest::mouseClick(w.edtLoan, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.edtLoan);
    QTest::keyClick(w.edtLoan, Qt::Key_7);
    QTest::mouseClick(w.edtTerm, Qt::LeftButton);
    fx.Settle();
    // A click selects nothing, so the digit went behind the cents (108000.007); leaving the
    // result re-formats it but runs no calculation, and the next calculation restores it.
    QCOMPARE(Shown(w.edtLoan), QStringLiteral("108,000.01"));
    QCOMPARE(Shown(w.edtPayment), QStringLiteral("700.49"));
    QCOMPARE(w.RememberedInputs().PurchasePrice, before.PurchasePrice);
    QTest::keyClick(w.edtTerm, Qt::Key_Tab);
    fx.Settle();
    QCOMPARE(Shown(w.edtLoan), QStringLiteral("108,000.00"));
}

void MainWindowTest::fees_above_the_loan_report_then_reset() {
    // State: defaults on screen, the user types fees above the loan amount.
    // Action: Tab leaves the field. Expected: the math-error report, then every input is back
    // at its default with fresh results.
    WindowFixture fx;
    fx.WriteIni(DefaultIni().toLatin1());
    TfrmMain& w = fx.Open();
    w.edtTerm->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.edtTerm, QStringLiteral("15"));
    w.edtOriginationFees->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.edtOriginationFees, QStringLiteral("200000"));
    bool resultsAtReport = false;
    fx.platform.messages.onShow = [&](const RecordedMessage&) {
        // The report comes first; the reset runs after it is closed.
        resultsAtReport = Shown(w.edtOriginationFees) == QStringLiteral("200,000.00");
    };
    QTest::keyClick(w.edtOriginationFees, Qt::Key_Tab);
    fx.Settle();
    QCOMPARE(fx.platform.messages.shown.size(), std::size_t(1));
    const auto& message = fx.platform.messages.shown.front();
    QCOMPARE(message.caption, QStringLiteral("Information"));
    QCOMPARE(message.text, kMathMessage);
    QCOMPARE(message.text.size(), 127);
    QVERIFY(resultsAtReport);
    QStringList inputs;
    for (TNumericField* field : w.InputFields())
        inputs << Shown(field);
    QCOMPARE(inputs, (QStringList{"120,000.00", "10.0000", "30", "6.7500", "1,200.00", "1,200.00",
                                  "500.00", "500.00", "0.00", "50.00", "50.00", "0.00", "0.00"}));
    const QStringList results{Shown(w.edtDownPayment), Shown(w.edtLoan), Shown(w.edtPayment),
                              Shown(w.edtFixedFees), Shown(w.edtAPR)};
    QCOMPARE(results, (QStringList{"12,000.00", "108,000.00", "700.49", "3,500.00", "7.0746"}));
    QCOMPARE(QApplication::focusWidget(), w.edtPurchasePrice);
    QCOMPARE(w.RememberedInputs().OriginationFees, 1200.0);
}

void MainWindowTest::the_new_down_payment_shows_when_a_later_step_fails() {
    // State: 250,000.00 at 10 % with origination fees of 150,000.00: a loan of 225,000.00 that
    // still covers the fees.
    WindowFixture fx;
    fx.WriteIni(DefaultIni().toLatin1());
    TfrmMain& w = fx.Open();
    w.edtPurchasePrice->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.edtPurchasePrice, QStringLiteral("250000"));
    w.edtOriginationFees->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.edtOriginationFees, QStringLiteral("150000"));
    w.edtDownPaymentPercent->setFocus(Qt::TabFocusReason);
    fx.Settle();
    QVERIFY(fx.platform.messages.shown.empty());
    QCOMPARE(Shown(w.edtDownPayment), QStringLiteral("25,000.00"));
    QCOMPARE(Shown(w.edtLoan), QStringLiteral("225,000.00"));
    const QString payment = Shown(w.edtPayment);
    const QString apr = Shown(w.edtAPR);
    // Action: the down payment becomes 50 %, so the fees exceed the loan and the APR step fails
    // with a math error after the down payment is worked out.
    QTest::keyClicks(w.edtDownPaymentPercent, QStringLiteral("50"));
    QStringList atReport;
    fx.platform.messages.onShow = [&](const RecordedMessage&) {
        atReport = {Shown(w.edtDownPayment), Shown(w.edtLoan), Shown(w.edtPayment),
                    Shown(w.edtFixedFees), Shown(w.edtAPR)};
    };
    QTest::keyClick(w.edtDownPaymentPercent, Qt::Key_Tab);
    fx.Settle();
    // Expected: while the report is open the new down payment shows, the other results are as
    // they were; then the reset brings the defaults back.
    QCOMPARE(fx.platform.messages.shown.size(), std::size_t(1));
    QCOMPARE(fx.platform.messages.shown.front().text, kMathMessage);
    QCOMPARE(atReport, (QStringList{"125,000.00", "225,000.00", payment, "152,300.00", apr}));
    QCOMPARE(Shown(w.edtDownPayment), QStringLiteral("12,000.00"));
}

void MainWindowTest::other_failures_get_the_general_message_and_change_nothing() {
    WindowFixture fx;
    fx.WriteIni(DefaultIni().toLatin1());
    TfrmMain& w = fx.Open();
    w.edtInterest->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.edtInterest, QStringLiteral("5"));
    PlumcrestApplication::RunGuarded([] { throw std::runtime_error("disk on fire"); });
    PlumcrestApplication::RunGuarded([] { throw EAbort(); });
    fx.Settle();
    QCOMPARE(fx.platform.messages.shown.size(), std::size_t(1));
    QCOMPARE(fx.platform.messages.shown[0].text,
             QStringLiteral("An problem has occurred.\r\n\r\nIf you wish contact Quillmore "
                            "Software    \r\n\r\nat:  support@quillmore.example"));
    QCOMPARE(Shown(w.edtInterest), QStringLiteral("5"));
}

void MainWindowTest::first_run_opens_the_welcome_help_and_a_second_does_not() {
    {
        WindowFixture fx;
        fx.Open();
        QCOMPARE(fx.platform.help.calls, QStringList{QStringLiteral("context 10000")});
        QCOMPARE(fx.platform.help.helpFile, QStringLiteral("/opt/plumcrest/plumcrestcalc.chm"));
        QVERIFY(fx.window->RunFlag());
        QCOMPARE(Shown(fx.window->edtPurchasePrice), QStringLiteral("120,000.00"));
    }
    WindowFixture fx;
    fx.WriteIni(DefaultIni().toLatin1());
    fx.Open();
    QVERIFY(fx.platform.help.calls.isEmpty());
}

void MainWindowTest::a_failure_during_creation_is_reported_and_the_window_still_opens() {
    // State: the help system fails when creation hands it the help file, after the failure
    // handlers are installed. Expected: the general report, the rest of creation skipped (the
    // saved values never reach the fields), and a window that opens and works.
    WindowFixture fx;
    fx.WriteIni(DefaultIni().toLatin1());
    fx.platform.help.failSetHelpFile = true;
    TfrmMain& w = fx.Open();
    fx.Settle();
    QCOMPARE(fx.platform.messages.shown.size(), std::size_t(1));
    QVERIFY(fx.platform.messages.shown[0].text.startsWith(QStringLiteral("An problem")));
    QCOMPARE(Shown(w.edtPurchasePrice), QStringLiteral("0.00"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Plumcrest, 4.0"));
    QVERIFY(w.isVisible());
    QVERIFY(fx.platform.help.calls.isEmpty());
}

void MainWindowTest::saved_values_come_back_rounded_by_their_fields() {
    WindowFixture fx;
    fx.WriteIni("[LastValues]\nTerm=2.5\nInterest=abc\nPurchasePrice=123456789\n"
                "[GeneralValues]\nRun=1\n");
    TfrmMain& w = fx.Open();
    QCOMPARE(Shown(w.edtTerm), QStringLiteral("3"));
    QCOMPARE(Shown(w.edtInterest), QStringLiteral("6.7500"));
    QCOMPARE(Shown(w.edtPurchasePrice), QStringLiteral("120,000.00"));
    // Closing before any calculation writes back what was loaded.
    QVERIFY(w.close());
    fx.window.release(); // the closed window deletes itself
    fx.Settle();
    QVERIFY(fx.ReadIni().contains("Term=2.5\n"));
}

void MainWindowTest::closing_saves_the_last_completed_calculation() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    w.edtPurchasePrice->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.edtPurchasePrice, QStringLiteral("250000"));
    QTest::keyClick(w.edtPurchasePrice, Qt::Key_Tab);
    // Typed but never calculated: not saved.
    QTest::keyClicks(w.edtDownPaymentPercent, QStringLiteral("20"));
    fx.platform.help.calls.clear();
    QVERIFY(w.close());
    fx.window.release(); // the closed window deletes itself
    fx.Settle();
    QCOMPARE(fx.platform.help.calls, QStringList{QStringLiteral("quit")});
    const QByteArray saved = fx.ReadIni();
    QVERIFY2(saved.contains("PurchasePrice=250000\nDownPaymentPercent=10\nTerm=30\n"), saved);
    QVERIFY2(saved.contains("[GeneralValues]\nRun=1"), saved);
}

void MainWindowTest::each_input_travels_from_the_file_to_its_field_and_back() {
    // State: a file with a different non-zero value for every input. Action: open, calculate,
    // close. Expected: each value shows in the field its row names and goes back under its key.
    const QHash<QString, double> values{{"PurchasePrice", 250000},
                                        {"DownPaymentPercent", 12.5},
                                        {"Term", 25},
                                        {"Interest", 5.125},
                                        {"OriginationFees", 1100},
                                        {"Points", 2200},
                                        {"PrepaidInterest", 330},
                                        {"MIP", 440},
                                        {"Buydown", 550},
                                        {"FloodCheck", 66},
                                        {"TaxService", 77},
                                        {"Other1", 880},
                                        {"Other2", 990}};
    QByteArray ini("[GeneralValues]\nRun=1\n[LastValues]\n");
    for (const LoanField& row : kLoanInputFields)
        ini += QByteArray(row.key) + '=' + QByteArray::number(values.value(row.key)) + '\n';
    WindowFixture fx;
    fx.WriteIni(ini);
    TfrmMain& w = fx.Open();
    for (const LoanField& row : kLoanInputFields) {
        auto* field = w.Page1->findChild<TNumericField*>(QString::fromLatin1(row.fieldName));
        QVERIFY2(field, row.fieldName);
        QCOMPARE(field->FloatValue(), values.value(row.key));
    }
    QTest::keyClick(w.edtPurchasePrice, Qt::Key_Tab);
    fx.Settle();
    QCOMPARE(Shown(w.edtFixedFees), QStringLiteral("6,633.00"));
    QVERIFY(w.close());
    fx.window.release(); // the closed window deletes itself
    fx.Settle();
    const QByteArray saved = fx.ReadIni();
    for (const LoanField& row : kLoanInputFields)
        QVERIFY2(saved.contains('\n' + QByteArray(row.key) + '=' +
                                QByteArray::number(values.value(row.key)) + '\n'),
                 row.key);
}

void MainWindowTest::a_failed_save_keeps_the_window_open() {
    WindowFixture fx;
    // A regular file where the saved-values folder belongs: no save can succeed.
    QFile blocker(fx.appData.path() + QStringLiteral("/Quillmore Financial Software"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TfrmMain& w = fx.Open();
    QVERIFY(!w.close());
    fx.Settle();
    QVERIFY(w.isVisible());
    QCOMPARE(fx.platform.messages.shown.size(), std::size_t(1));
    QCOMPARE(fx.platform.messages.shown[0].caption, QStringLiteral("Information"));
    QVERIFY(fx.platform.messages.shown[0].text.startsWith(QStringLiteral("An problem")));
    QVERIFY(fx.platform.messages.asked.empty());
    // A further attempt that fails again asks whether to give the values up; the default answer
    // keeps the window open, and asks again next time.
    for (std::size_t attempt = 1; attempt <= 2; ++attempt) {
        QVERIFY(!w.close());
        fx.Settle();
        QVERIFY(w.isVisible());
        QCOMPARE(fx.platform.messages.shown.size(), std::size_t(1));
        QCOMPARE(fx.platform.messages.asked.size(), attempt);
    }
}

// State: a close was refused because the saved-values folder cannot be made.
// Action: close again and answer Yes.
// Expected: the question names the file; the window closes and nothing is written.
void MainWindowTest::after_a_refused_close_the_user_may_quit_without_saving() {
    WindowFixture fx;
    const QString blockerPath = fx.appData.path() + QStringLiteral("/Quillmore Financial Software");
    QFile blocker(blockerPath);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("blocks the folder");
    blocker.close();
    TfrmMain& w = fx.Open();
    QVERIFY(!w.close());
    fx.Settle();
    fx.platform.messages.answer = true;

    QVERIFY(w.close());
    fx.window.release(); // the closed window deletes itself
    fx.Settle();

    QCOMPARE(fx.platform.messages.asked.size(), std::size_t(1));
    const auto& question = fx.platform.messages.asked[0];
    QCOMPARE(question.caption, QStringLiteral("Confirm"));
    QVERIFY2(question.text.contains(fx.IniPath()), qPrintable(question.text));
    QVERIFY(question.text.contains(QStringLiteral("without saving")));
    QCOMPARE(fx.platform.messages.shown.size(), std::size_t(1));
    QCOMPARE(fx.platform.help.calls.count(QStringLiteral("quit")), 2);
    QFile after(blockerPath);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), QByteArray("blocks the folder"));
}

// State: a close was refused; the cause has since gone.  Action: close again.
// Expected: the values are saved and the window closes, with no question.
void MainWindowTest::a_save_that_works_again_closes_without_asking() {
    WindowFixture fx;
    const QString blockerPath = fx.appData.path() + QStringLiteral("/Quillmore Financial Software");
    QFile blocker(blockerPath);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TfrmMain& w = fx.Open();
    QVERIFY(!w.close());
    fx.Settle();
    QVERIFY(QFile::remove(blockerPath));

    QVERIFY(w.close());
    fx.window.release(); // the closed window deletes itself
    fx.Settle();

    QVERIFY(fx.platform.messages.asked.empty());
    QVERIFY2(fx.ReadIni().contains("[GeneralValues]\nRun=1"), fx.ReadIni());
}

// State: the folder service knows no home folder (its answer is empty).
// Action: close twice.  Expected: the usual report first, then the question, which says why no
// file could be named; the default answer keeps the window open.
void MainWindowTest::without_a_home_folder_closing_is_refused_then_asked() {
    WindowFixture fx;
    fx.platform.folders.appData.clear();
    TfrmMain& w = fx.Open();
    QVERIFY(!w.close());
    fx.Settle();
    QCOMPARE(fx.platform.messages.shown.size(), std::size_t(1));
    QVERIFY(fx.platform.messages.shown[0].text.startsWith(QStringLiteral("An problem")));

    QVERIFY(!w.close());
    fx.Settle();
    QVERIFY(w.isVisible());
    QCOMPARE(fx.platform.messages.asked.size(), std::size_t(1));
    QVERIFY2(fx.platform.messages.asked[0].text.contains(QStringLiteral("no home folder")),
             qPrintable(fx.platform.messages.asked[0].text));
}

void MainWindowTest::reset_returns_to_the_first_page_with_the_defaults() {
    WindowFixture fx;
    fx.WriteIni(
        QStringLiteral("[LastValues]\nPurchasePrice=250000\n[GeneralValues]\nRun=1\n").toLatin1());
    TfrmMain& w = fx.Open();
    w.nbkMain->setCurrentIndex(2);
    QTest::mouseClick(w.btnReset, Qt::LeftButton);
    fx.Settle();
    QCOMPARE(w.nbkMain->currentIndex(), 0);
    QCOMPARE(Shown(w.edtPurchasePrice), QStringLiteral("120,000.00"));
    QCOMPARE(Shown(w.edtAPR), QStringLiteral("7.0746"));
    QCOMPARE(QApplication::focusWidget(), w.edtPurchasePrice);
}

int main(int argc, char** argv) {
    plumcrest::PlumcrestApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
