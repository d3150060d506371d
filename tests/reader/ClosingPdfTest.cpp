// The project's own Closing Disclosures: generator -> PDF -> `plumcrest
// --read-closing-disclosure` -> JSON, compared with the figures written, in English and in
// Spanish; and pairs with the generator's Loan Estimate through `--check-closing-disclosure`,
// built so that each rule is tried on both sides of its line.

#include "ClosingDisclosurePdf.h"
#include "LoanEstimatePdf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using plumcrest::CostSection;
using plumcrest::reader::ClosingLine;
using plumcrest::reader::ClosingReading;
using namespace plumcrest::testing;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject Json() const { return QJsonDocument::fromJson(out).object(); }
};

Run Program(const QStringList& arguments,
            const QString& program = QStringLiteral(PLUMCREST_PROGRAM)) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QJsonValue Value(const std::optional<double>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// The generator's purchase, closed a week after its Closing Disclosure was issued, with a line
// of each column: paid before closing, by the seller, by others.
ClosingReading Purchase() {
    ClosingReading f = ClosingOfEstimate(FixedRatePurchase(), "2024-04-01", "2024-04-04");
    auto& b = f.Section(CostSection::B);
    b[0].payee = "Keystone Appraisals LLC";
    b[1].borrowerAtClosing.reset();
    b[1].borrowerBeforeClosing = 38;
    b[1].payee = "Meridian Credit Inc.";
    auto& h = f.Section(CostSection::H);
    h[1].sellerAtClosing = 495; // the home warranty, the seller's
    h[1].borrowerAtClosing.reset();
    ClosingLine commission;
    commission.label = "Real Estate Commission";
    commission.payee = "Orchard Realty";
    commission.sellerAtClosing = 19080;
    commission.paidByOthers = 250;
    h.push_back(commission);
    f.Section(CostSection::G).push_back([] {
        ClosingLine line;
        line.label = "Aggregate Adjustment";
        line.borrowerAtClosing = -0.04;
        return line;
    }());
    f.loanCalculations.totalOfPayments.value = 594283.41;
    f.loanCalculations.financeCharge.value = 337411.87;
    f.loanCalculations.amountFinanced.value = 251466.54;
    f.loanCalculations.apr.value = 6.784;
    f.loanCalculations.tip.value = 130.68;
    f.lenderCredits.value = -300;
    f.cureGiven.value = 120;
    FillClosingTotals(f);
    return f;
}

} // namespace

class ClosingPdfTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Write(const char* name, const ClosingReading& figures, const ClosingStyle& style = {}) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        if (!WriteClosingDisclosureForm(path, figures, style))
            return {};
        return path;
    }

    QJsonObject Check(const QString& closing, const QString& estimate,
                      const QStringList& more = {}) {
        const Run run = Program(QStringList{QStringLiteral("--check-closing-disclosure"), closing,
                                            QStringLiteral("--against"), estimate} +
                                more);
        if (run.status != 0)
            qWarning("check: %s", run.err.constData());
        return run.Json();
    }

    QString Estimate() {
        const QString path = dir_.filePath(QStringLiteral("estimate.pdf"));
        if (!QFile::exists(path))
            WriteLoanEstimate(path, FixedRatePurchase(), FormStyle{});
        return path;
    }

    static void CompareReading(const QJsonObject& read, const ClosingReading& f) {
        QCOMPARE(read.value(QStringLiteral("dateIssued")).toString(), QStringLiteral("2024-04-01"));
        QCOMPARE(read.value(QStringLiteral("closingDate")).toString(),
                 QStringLiteral("2024-04-04"));
        QCOMPARE(read.value(QStringLiteral("loanAmount")).toDouble(), *f.loanAmount.value);
        QCOMPARE(read.value(QStringLiteral("interestRate")).toDouble(), *f.interestRate.value);
        QCOMPARE(read.value(QStringLiteral("loanTermYears")).toInt(), 30);
        QCOMPARE(read.value(QStringLiteral("purpose")).toString(), QStringLiteral("Purchase"));
        QCOMPARE(read.value(QStringLiteral("lenderCredits")).toDouble(), -300.0);
        QCOMPARE(read.value(QStringLiteral("cureGiven")).toDouble(), 120.0);
        QCOMPARE(read.value(QStringLiteral("cashToClose")).toDouble(), *f.cashToClose.value);
        QCOMPARE(read.value(QStringLiteral("cashToCloseFromBorrower")).toBool(), true);
        const QJsonObject totals = read.value(QStringLiteral("borrowerPaidTotals")).toObject();
        for (std::size_t t = 0; t < plumcrest::reader::kClosingTotals.size(); ++t) {
            const QString letter(QLatin1Char(plumcrest::reader::kClosingTotals[t]));
            QVERIFY2(totals.value(letter) == Value(f.borrowerPaidTotals[t].value),
                     qPrintable(letter));
        }
        const QJsonObject sections = read.value(QStringLiteral("sections")).toObject();
        for (std::size_t s = 0; s < plumcrest::kCostSections.size(); ++s) {
            const QString letter = QString::fromLatin1(
                plumcrest::SectionLetter(plumcrest::kCostSections[s]).data(), 1);
            const QJsonArray lines = sections.value(letter).toArray();
            QCOMPARE(lines.size(), static_cast<qsizetype>(f.sections[s].size()));
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QJsonObject line = lines.at(i).toObject();
                const ClosingLine& want = f.sections[s][static_cast<std::size_t>(i)];
                const QString where = letter + QString::number(i);
                QCOMPARE(line.value(QStringLiteral("payee")).toString(),
                         QString::fromStdString(want.payee));
                QVERIFY2(line.value(QStringLiteral("borrowerAtClosing")) ==
                             Value(want.borrowerAtClosing),
                         qPrintable(where));
                QVERIFY2(line.value(QStringLiteral("borrowerBeforeClosing")) ==
                             Value(want.borrowerBeforeClosing),
                         qPrintable(where));
                QVERIFY2(line.value(QStringLiteral("sellerAtClosing")) ==
                             Value(want.sellerAtClosing),
                         qPrintable(where));
                QVERIFY2(line.value(QStringLiteral("paidByOthers")) == Value(want.paidByOthers),
                         qPrintable(where));
            }
        }
        const QJsonObject calculations = read.value(QStringLiteral("loanCalculations")).toObject();
        QCOMPARE(calculations.value(QStringLiteral("totalOfPayments")).toDouble(), 594283.41);
        QCOMPARE(calculations.value(QStringLiteral("financeCharge")).toDouble(), 337411.87);
        QCOMPARE(calculations.value(QStringLiteral("amountFinanced")).toDouble(), 251466.54);
        QCOMPARE(calculations.value(QStringLiteral("apr")).toDouble(), 6.784);
        QCOMPARE(calculations.value(QStringLiteral("tip")).toDouble(), 130.68);
        const QJsonArray cash = read.value(QStringLiteral("calculatingCashToClose")).toArray();
        QCOMPARE(cash.size(), static_cast<qsizetype>(f.calculatingCashToClose.size()));
        for (qsizetype i = 0; i < cash.size(); ++i) {
            const auto& want = f.calculatingCashToClose[static_cast<std::size_t>(i)];
            const QJsonObject row = cash.at(i).toObject();
            QCOMPARE(row.value(QStringLiteral("key")).toString(), QString::fromStdString(want.key));
            QVERIFY(row.value(QStringLiteral("loanEstimate")) == Value(want.loanEstimate));
            QVERIFY(row.value(QStringLiteral("final")) == Value(want.final));
        }
    }

private slots:
    // State: a five-page purchase with a line in each column. Action: read it. Expected: every
    // line's payee and columns, the totals, the cash table and the loan calculations as written.
    void reads_a_generated_closing_disclosure() {
        const ClosingReading f = Purchase();
        const QString path = Write("purchase.pdf", f);
        QVERIFY(!path.isEmpty());
        const Run run = Program({QStringLiteral("--read-closing-disclosure"), path});
        QVERIFY2(run.status == 0, run.err.constData());
        CompareReading(run.Json(), f);
        QCOMPARE(run.Json().value(QStringLiteral("language")).toString(), QStringLiteral("en"));
        // The window and the check start the reader program beside the calculator: it reads the
        // same, and refuses a Loan Estimate as the calculator does.
        const Run beside = Program({QStringLiteral("--read-closing-disclosure"), path},
                                   QStringLiteral(PLUMCREST_READER));
        QVERIFY2(beside.status == 0, beside.err.constData());
        QCOMPARE(beside.Json(), run.Json());
        const Run estimate = Program({QStringLiteral("--read-closing-disclosure"), Estimate()},
                                     QStringLiteral(PLUMCREST_READER));
        QCOMPARE(estimate.status, 2);
        QCOMPARE(estimate.err,
                 Program({QStringLiteral("--read-closing-disclosure"), Estimate()}).err);
    }

    // The same in Spanish, after a cover page, labels wrapped onto a second line, shifted.
    void reads_a_generated_spanish_closing_disclosure() {
        ClosingReading f = Purchase();
        f.Section(CostSection::C)[2].label =
            "Title \u2013 Lender's Title Policy and Endorsements for the Lender";
        f.Section(CostSection::C)[2].payee = "Granite Title Agency";
        const char* rows[] = {
            "Total de costos de cierre (J)", "Costos de cierre pagados antes del cierre",
            "Pago inicial/Fondos del deudor", "Dinero en efectivo para el cierre"};
        for (std::size_t r = 0; r < f.calculatingCashToClose.size(); ++r)
            f.calculatingCashToClose[r].label = rows[r];
        const QString path =
            Write("compra.pdf", f,
                  {.spanish = true, .coverPage = true, .wrapLongLabels = true, .dx = 3, .dy = -2});
        const Run run = Program({QStringLiteral("--read-closing-disclosure"), path});
        QVERIFY2(run.status == 0, run.err.constData());
        const QJsonObject read = run.Json();
        QCOMPARE(read.value(QStringLiteral("language")).toString(), QStringLiteral("es"));
        CompareReading(read, f);
        const QJsonObject title = read.value(QStringLiteral("sections"))
                                      .toObject()
                                      .value(QStringLiteral("C"))
                                      .toArray()
                                      .at(2)
                                      .toObject();
        QCOMPARE(title.value(QStringLiteral("label")).toString(),
                 QString::fromStdString(f.Section(CostSection::C)[2].label));
    }

    // A zero-tolerance fee unchanged, then up by a dollar.
    void checks_a_zero_tolerance_fee_on_both_sides() {
        ClosingReading f = ClosingOfEstimate(FixedRatePurchase(), "2024-04-01", "2024-04-04");
        f.loanCalculations.apr.value = 6.784;
        QJsonObject check = Check(Write("same.pdf", f), Estimate());
        QCOMPARE(check.value(QStringLiteral("cureOwed")).toDouble(), 0.0);
        for (const QJsonValue& line : check.value(QStringLiteral("lines")).toArray())
            QVERIFY2(!line.toObject().value(QStringLiteral("estimatePlace")).isNull() &&
                         !line.toObject().value(QStringLiteral("closingPlace")).isNull(),
                     qPrintable(line.toObject().value(QStringLiteral("label")).toString()));
        f.Section(CostSection::A)[1].borrowerAtClosing = 351; // application fee
        FillClosingTotals(f);
        check = Check(Write("dollar.pdf", f), Estimate());
        QCOMPARE(check.value(QStringLiteral("cureOwed")).toDouble(), 1.0);
        QCOMPARE(check.value(QStringLiteral("cureStillOwed")).toDouble(), 1.0);
    }

    // The survey taken from the lender's list (moved to B, renamed) with the recording fees: the
    // 10 % group at exactly 110 % of 552.00, then a cent above.
    void checks_the_ten_percent_group_on_both_sides() {
        ClosingReading f = ClosingOfEstimate(FixedRatePurchase(), "2024-04-01", "2024-04-04");
        auto& c = f.Section(CostSection::C);
        ClosingLine survey = c[1];
        survey.label = "Boundary Survey";
        c.erase(c.begin() + 1);
        f.Section(CostSection::B).push_back(survey);
        f.Section(CostSection::E)[0].borrowerAtClosing = 197.20;
        FillClosingTotals(f);
        QJsonObject check = Check(Write("exactly.pdf", f), Estimate());
        const QJsonObject group = check.value(QStringLiteral("tenPercentGroup")).toObject();
        QCOMPARE(group.value(QStringLiteral("loanEstimate")).toDouble(), 552.0);
        QCOMPARE(group.value(QStringLiteral("limit")).toDouble(), 607.2);
        QCOMPARE(check.value(QStringLiteral("cureOwed")).toDouble(), 0.0);
        bool moved = false;
        for (const QJsonValue& value : check.value(QStringLiteral("lines")).toArray()) {
            const QJsonObject line = value.toObject();
            if (line.value(QStringLiteral("label")).toString() ==
                QStringLiteral("Boundary Survey")) {
                moved = line.value(QStringLiteral("moved")).toBool() &&
                        line.value(QStringLiteral("renamed")).toBool() &&
                        line.value(QStringLiteral("category")).toString() ==
                            QStringLiteral("tenPercent");
            }
        }
        QVERIFY(moved);
        f.Section(CostSection::E)[0].borrowerAtClosing = 197.21;
        FillClosingTotals(f);
        check = Check(Write("cent.pdf", f), Estimate());
        QCOMPARE(check.value(QStringLiteral("cureOwed")).toDouble(), 0.01);
    }

    // The APR up by exactly an eighth, then a thousandth more; received on the third business
    // day before closing, then on the second.
    void checks_the_apr_and_the_timing_on_both_sides() {
        ClosingReading f = ClosingOfEstimate(FixedRatePurchase(), "2024-04-01", "2024-04-04");
        f.loanCalculations.apr.value = 6.909;
        QJsonObject check = Check(Write("eighth.pdf", f), Estimate());
        QCOMPARE(check.value(QStringLiteral("newWaitingPeriod"))
                     .toObject()
                     .value(QStringLiteral("required"))
                     .toBool(),
                 false);
        QCOMPARE(check.value(QStringLiteral("receivedInTime")).toBool(), true);
        QCOMPARE(check.value(QStringLiteral("businessDaysBeforeClosing")).toInt(), 3);
        f.loanCalculations.apr.value = 6.910;
        check = Check(Write("more.pdf", f), Estimate(),
                      {QStringLiteral("--received"), QStringLiteral("2024-04-02")});
        const QJsonObject wait = check.value(QStringLiteral("newWaitingPeriod")).toObject();
        QCOMPARE(wait.value(QStringLiteral("required")).toBool(), true);
        QCOMPARE(wait.value(QStringLiteral("reasons")).toArray().first().toString(),
                 QStringLiteral("aprRose"));
        QCOMPARE(check.value(QStringLiteral("receivedInTime")).toBool(), false);
        QCOMPARE(check.value(QStringLiteral("businessDaysBeforeClosing")).toInt(), 2);
    }

    // Bad input: a day received that is no date, a file that is not a PDF.
    void refuses_bad_input_with_one_line() {
        const ClosingReading f = ClosingOfEstimate(FixedRatePurchase(), "2024-04-01", "2024-04-04");
        const QString closing = Write("plain.pdf", f);
        Run run = Program({QStringLiteral("--check-closing-disclosure"), closing,
                           QStringLiteral("--against"), Estimate(), QStringLiteral("--received"),
                           QStringLiteral("2024-02-30")});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        const QString text = dir_.filePath(QStringLiteral("notes.pdf"));
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("closing on Thursday\n");
        notes.close();
        run = Program({QStringLiteral("--read-closing-disclosure"), text});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("not a PDF"), run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
    }
};

QTEST_MAIN(ClosingPdfTest)
#include "ClosingPdfTest.moc"
