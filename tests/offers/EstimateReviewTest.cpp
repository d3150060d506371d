// Reviewing a Loan Estimate as read: what was not found is shown missing, never 0; OK waits for
// the loan's four figures; every correction runs the checks again; the review fits the screen.

#include "EstimateImport.h"
#include "FakePlatform.h"
#include "OfferEditor.h"
#include "ReadingChecks.h"
#include "Translations.h"
#include "Wheel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace plumcrest;
using namespace plumcrest::offers;
using Field = OfferEditor::Field;

namespace {

const LocaleSeparators kUs{U'.', U','};

// A purchase of 310,000.00 with 248,000.00 over 30 years: every figure read but those named.
reader::ReadBack Read(bool withRate, bool withPayment) {
    reader::EstimateReading r;
    r.lender.value = "Alder Bank";
    r.salePrice = {310000.0, {1, 12}};
    r.loanAmount = {248000.0, {1, 20}};
    r.loanTermYears = {30, {1, 3}};
    if (withRate)
        r.interestRate = {6.625, {1, 21}};
    if (withPayment)
        r.monthlyPrincipalInterest = {1587.97, {1, 22}};
    r.Section(CostSection::A).lines = {{"Application Fee", 425.0, {2, 4}},
                                       {"Underwriting Fee", 900.0, {2, 5}}};
    r.Section(CostSection::A).total = {1325.0, {2, 3}};
    r.Section(CostSection::E).lines = {{"Recording Fees", 97.0, {2, 4}}};
    r.Section(CostSection::E).total = {97.0, {2, 3}};
    r.totalLoanCosts = {1325.0, {2, 20}};
    r.totalOtherCosts = {97.0, {2, 12}};
    r.totalClosingCosts = {1422.0, {2, 14}};
    return {r, reader::CheckReading(r)};
}

QPushButton* Ok(OfferEditor& editor) {
    return editor.Buttons()->button(QDialogButtonBox::Ok);
}

QLabel* Verdict(OfferEditor& editor, const char* check) {
    return editor.findChild<QLabel*>(QStringLiteral("lblCheck_%1").arg(QLatin1String(check)));
}

} // namespace

class EstimateReviewTest : public QObject {
    Q_OBJECT

private slots:
    // State: a reading without the interest rate.  Expected: the rate field empty and named
    // missing in the problem colour, OK not offered; typed, OK is offered and the monthly
    // payment is checked against it.
    void missing_rate_is_shown_missing_and_holds_ok_back() {
        const reader::ReadBack read = Read(false, true);
        OfferEditor editor(OfferOfReading(read.reading), kUs, nullptr);
        ShowReadingIn(editor, read, kUs);
        QLineEdit* rate = editor.NumberField("noteRate");
        QVERIFY(rate->text().isEmpty());
        QLabel* problem = editor.ProblemBeside("noteRate");
        QVERIFY(!problem->isHidden());
        QVERIFY(problem->text().contains(QStringLiteral("missing")));
        QVERIFY(problem->styleSheet().contains(QStringLiteral("#b3261e")));
        QVERIFY(!Ok(editor)->isEnabled());
        QVERIFY(Verdict(editor, "monthlyPrincipalInterest")->text().isEmpty());

        QTest::keyClicks(rate, QStringLiteral("6.625"));
        QVERIFY(Ok(editor)->isEnabled());
        QVERIFY2(Verdict(editor, "monthlyPrincipalInterest")->text().startsWith(QChar(0x2713)),
                 qPrintable(Verdict(editor, "monthlyPrincipalInterest")->text()));

        // A rate that does not give the printed payment is caught at once.
        rate->selectAll();
        QTest::keyClicks(rate, QStringLiteral("6.5"));
        QVERIFY(Verdict(editor, "monthlyPrincipalInterest")->text().startsWith(QChar(0x2717)));
    }

    // State: a reading without the monthly principal and interest (the editor has no field for
    // it).  Expected: the review asks for it; OK only once it is typed.
    void missing_payment_is_typed_in_the_review() {
        const reader::ReadBack read = Read(true, false);
        OfferEditor editor(OfferOfReading(read.reading), kUs, nullptr);
        ShowReadingIn(editor, read, kUs);
        QVERIFY(!Ok(editor)->isEnabled());
        // Scrolling the review past the loan type leaves it as read.
        const int type = editor.LoanTypeField()->currentIndex();
        testing::TurnWheelDown(*editor.LoanTypeField());
        QCOMPARE(editor.LoanTypeField()->currentIndex(), type);
        auto* payment = editor.findChild<QLineEdit*>(QStringLiteral("edtReviewPayment"));
        QVERIFY(payment);
        // In the panel's row of the figure, named missing, labelled by its caption.
        auto* panel = editor.findChild<QGroupBox*>(QStringLiteral("grpReading"));
        QVERIFY(panel && panel->layout()->indexOf(payment) >= 0);
        QVERIFY(payment->placeholderText().startsWith(QStringLiteral("missing")));
        QVERIFY(payment->alignment() & Qt::AlignRight);
        const QLabel* caption = nullptr;
        for (const QLabel* label : panel->findChildren<QLabel*>())
            if (label->text() == QStringLiteral("Monthly principal && interest"))
                caption = label;
        QVERIFY(caption);
        QCOMPARE(caption->buddy(), payment);
        QTest::keyClicks(payment, QStringLiteral("1,587.97"));
        QVERIFY(Ok(editor)->isEnabled());
    }

    // State: lines that add up to the printed A and D.  Action: a line's amount corrected in the
    // editor.  Expected: the section's and D's checks turn against it; put back, they agree.
    void a_corrected_line_is_checked_against_the_printed_totals() {
        const reader::ReadBack read = Read(true, true);
        OfferEditor editor(OfferOfReading(read.reading), kUs, nullptr);
        ShowReadingIn(editor, read, kUs);
        QVERIFY(Verdict(editor, "sectionA")->text().startsWith(QChar(0x2713)));
        QVERIFY(Verdict(editor, "totalLoanCosts")->text().startsWith(QChar(0x2713)));
        QLineEdit* amount = editor.Line(CostSection::A, 1).amount;
        amount->selectAll();
        QTest::keyClicks(amount, QStringLiteral("90.00"));
        QVERIFY(Verdict(editor, "sectionA")->text().startsWith(QChar(0x2717)));
        QVERIFY(Verdict(editor, "totalLoanCosts")->text().startsWith(QChar(0x2717)));
        QVERIFY(Verdict(editor, "totalOtherCosts")->text().startsWith(QChar(0x2713)));
        amount->selectAll();
        QTest::keyClicks(amount, QStringLiteral("900.00"));
        QVERIFY(Verdict(editor, "totalLoanCosts")->text().startsWith(QChar(0x2713)));
    }

    // Action: the review opened as the import opens it, on a screen smaller than it would like.
    // Expected: it fits the screen, with OK and Cancel inside it.
    void review_fits_the_screen_with_its_buttons_in_view() {
        const reader::ReadBack read = Read(true, true);
        OfferEditor editor(OfferOfReading(read.reading), kUs, nullptr);
        ShowReadingIn(editor, read, kUs);
        editor.FitToScreen(QSize(1040, 2000));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QSize room = editor.screen()->availableGeometry().size();
        QVERIFY2(
            editor.frameGeometry().height() <= room.height(),
            qPrintable(
                QStringLiteral("%1 > %2").arg(editor.frameGeometry().height()).arg(room.height())));
        for (QDialogButtonBox::StandardButton which :
             {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
            QPushButton* button = editor.Buttons()->button(which);
            const QRect inDialog(button->mapTo(&editor, QPoint(0, 0)), button->size());
            QVERIFY(editor.rect().contains(inDialog));
        }
    }

    // State: a review as read, once untouched, once with the loan amount corrected.
    // Action: Escape; to the question, No and then Yes.
    // Expected: untouched, it closes without a question; corrected, it asks, No keeps it open
    //   with the correction, Yes closes it.
    void escape_asks_before_throwing_away_corrections() {
        testing::FakePlatform platform;
        const reader::ReadBack read = Read(true, true);
        {
            OfferEditor editor(OfferOfReading(read.reading), kUs, nullptr);
            ShowReadingIn(editor, read, kUs);
            editor.show();
            QTest::keyClick(&editor, Qt::Key_Escape);
            QVERIFY(platform.messages.asked.empty());
            QCOMPARE(editor.result(), int(QDialog::Rejected));
            QVERIFY(editor.isHidden());
        }
        OfferEditor editor(OfferOfReading(read.reading), kUs, nullptr);
        ShowReadingIn(editor, read, kUs);
        editor.show();
        QLineEdit* amount = editor.NumberField("loanAmount");
        amount->selectAll();
        QTest::keyClicks(amount, QStringLiteral("250000"));
        platform.messages.answer = false;
        QTest::keyClick(amount, Qt::Key_Escape);
        QCOMPARE(platform.messages.asked.size(), std::size_t{1});
        QVERIFY(editor.isVisible());
        QCOMPARE(amount->text(), QStringLiteral("250000"));
        platform.messages.answer = true;
        QTest::keyClick(amount, Qt::Key_Escape);
        QCOMPARE(platform.messages.asked.size(), std::size_t{2});
        QVERIFY(editor.isHidden());
        QCOMPARE(editor.result(), int(QDialog::Rejected));
    }

    // State: the program shown in Spanish.  Expected: the review's panel in Spanish too: its
    // title, its rows, the purpose as the offer's own field names it, and the checks' verdicts.
    void the_review_reads_in_the_language_shown() {
        struct Spanish {
            Spanish() {
                translations::InstallTranslators(*qApp,
                                                 QLocale(QLocale::Spanish, QLocale::UnitedStates));
            }
            ~Spanish() {
                translations::InstallTranslators(*qApp,
                                                 QLocale(QLocale::English, QLocale::UnitedStates));
            }
        } spanish;
        reader::ReadBack read = Read(true, true);
        read.reading.purpose = {std::string("Purchase"), {1, 5}};
        OfferEditor editor(OfferOfReading(read.reading), kUs, nullptr);
        ShowReadingIn(editor, read, kUs);
        auto* panel = editor.findChild<QGroupBox*>(QStringLiteral("grpReading"));
        QVERIFY(panel);
        QCOMPARE(panel->title(), QStringLiteral("Leído de la Estimación de Préstamo: compare cada "
                                                "cifra con el formulario"));
        QStringList shown;
        for (const QLabel* label : panel->findChildren<QLabel*>())
            shown << label->text();
        for (const char* text : {"Fecha de emisión", "Finalidad", "Adquisición por compra",
                                 "pág. 1, línea 5", "A. total de la sección"})
            QVERIFY2(shown.contains(QString::fromUtf8(text)), text);
        QVERIFY2(Verdict(editor, "sectionA")->text().startsWith(QStringLiteral("\u2713 coincide")),
                 qPrintable(Verdict(editor, "sectionA")->text()));
    }
};

QTEST_MAIN(EstimateReviewTest)
#include "EstimateReviewTest.moc"
