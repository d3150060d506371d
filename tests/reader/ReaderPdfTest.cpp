// The reader on synthetic Loan Estimates, through the built program as the window runs it:
// generator -> PDF -> `plumcrest --read-loan-estimate` -> JSON, every key compared with the
// figures the form was written from; the files it must refuse; the checks.

#include "../help/HelpFileMutations.h"
#include "DrawingCost.h"
#include "EstimateImport.h"
#include "LoanEstimatePdf.h"
#include "OfferEditor.h"
#include "ReadWithProgram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QtTest>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace plumcrest;
using reader::EstimateReading;
using testing::FormStyle;

namespace {

using testing::ReadWithProgram;
using testing::Run;

QJsonValue Expected(const std::optional<double>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
QJsonValue Expected(const std::optional<std::string>& value) {
    return value ? QJsonValue(QString::fromStdString(*value)) : QJsonValue(QJsonValue::Null);
}
QJsonValue Expected(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
QJsonValue Expected(const std::optional<bool>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// Every key of the JSON against the figures the form was written from; the differences, in words.
QStringList Differences(const QJsonObject& read, const EstimateReading& f) {
    QStringList wrong;
    const auto same = [&](const char* key, const QJsonValue& expected, const QJsonValue& found) {
        const bool equal = expected.isDouble() && found.isDouble()
                               ? std::fabs(expected.toDouble() - found.toDouble()) < 1e-9
                               : expected == found;
        if (!equal)
            wrong << QStringLiteral("%1: expected %2, read %3")
                         .arg(QLatin1String(key),
                              QString::fromUtf8(QJsonDocument(QJsonArray{expected})
                                                    .toJson(QJsonDocument::Compact)),
                              QString::fromUtf8(
                                  QJsonDocument(QJsonArray{found}).toJson(QJsonDocument::Compact)));
    };
    const auto key = [&](const char* name, const QJsonValue& expected) {
        if (!read.contains(QLatin1String(name)))
            wrong << QStringLiteral("%1: missing").arg(QLatin1String(name));
        same(name, expected, read.value(QLatin1String(name)));
    };
    key("lender", Expected(f.lender.value));
    key("dateIssued", Expected(f.dateIssued.value));
    key("salePrice", Expected(f.salePrice.value));
    key("loanTermYears", Expected(f.loanTermYears.value));
    key("purpose", Expected(f.purpose.value));
    key("product", Expected(f.product.value));
    key("loanType", Expected(f.loanType.value));
    key("loanAmount", Expected(f.loanAmount.value));
    key("interestRate", Expected(f.interestRate.value));
    key("monthlyPrincipalInterest", Expected(f.monthlyPrincipalInterest.value));
    key("lenderCredits", Expected(f.lenderCredits.value));
    key("totalLoanCosts", Expected(f.totalLoanCosts.value));
    key("totalOtherCosts", Expected(f.totalOtherCosts.value));
    key("totalClosingCosts", Expected(f.totalClosingCosts.value));
    key("cashToClose", Expected(f.cashToClose.value));
    key("in5YearsTotalPaid", Expected(f.in5YearsTotalPaid.value));
    key("in5YearsPrincipal", Expected(f.in5YearsPrincipal.value));
    key("apr", Expected(f.apr.value));
    key("tip", Expected(f.tip.value));
    key("cashToCloseToBorrower", Expected(f.cashToCloseToBorrower.value));
    // The page 2 tables, line by line.
    const auto table = [&](const char* name, const QJsonObject& expected) {
        const QJsonObject found = read.value(QLatin1String(name)).toObject();
        for (auto it = expected.begin(); it != expected.end(); ++it)
            same(qPrintable(QStringLiteral("%1.%2").arg(QLatin1String(name), it.key())), it.value(),
                 found.value(it.key()));
    };
    const reader::CashToCloseTable& cash = f.cashTable;
    table("cashToCloseTable",
          {{QStringLiteral("totalClosingCosts"), Expected(cash.totalClosingCosts.value)},
           {QStringLiteral("closingCostsFinanced"), Expected(cash.closingCostsFinanced.value)},
           {QStringLiteral("downPaymentFunds"), Expected(cash.downPaymentFunds.value)},
           {QStringLiteral("deposit"), Expected(cash.deposit.value)},
           {QStringLiteral("fundsForBorrower"), Expected(cash.fundsForBorrower.value)},
           {QStringLiteral("sellerCredits"), Expected(cash.sellerCredits.value)},
           {QStringLiteral("adjustmentsCredits"), Expected(cash.adjustmentsCredits.value)},
           {QStringLiteral("loanAmount"), Expected(cash.loanAmount.value)},
           {QStringLiteral("payoffs"), Expected(cash.payoffs.value)},
           {QStringLiteral("cashToClose"), Expected(cash.cashToClose.value)},
           {QStringLiteral("toBorrower"), Expected(cash.toBorrower.value)}});
    const reader::PaymentTable& ap = f.paymentTable;
    table("paymentTable",
          {{QStringLiteral("interestOnlyPayments"), Expected(ap.interestOnlyPayments.value)},
           {QStringLiteral("optionalPayments"), Expected(ap.optionalPayments.value)},
           {QStringLiteral("stepPayments"), Expected(ap.stepPayments.value)},
           {QStringLiteral("seasonalPayments"), Expected(ap.seasonalPayments.value)},
           {QStringLiteral("firstChangeMinimum"), Expected(ap.firstChangeMinimum.value)},
           {QStringLiteral("firstChangeMaximum"), Expected(ap.firstChangeMaximum.value)},
           {QStringLiteral("firstChangePayment"), Expected(ap.firstChangePayment.value)},
           {QStringLiteral("laterChanges"), Expected(ap.laterChanges.value)},
           {QStringLiteral("maximumPayment"), Expected(ap.maximumPayment.value)},
           {QStringLiteral("maximumPaymentFrom"), Expected(ap.maximumPaymentFrom.value)}});
    const QJsonArray projected = read.value(QStringLiteral("projectedPayments")).toArray();
    if (projected.size() != static_cast<qsizetype>(f.projectedPayments.size()))
        wrong << QStringLiteral("projectedPayments: %1 columns").arg(projected.size());
    for (qsizetype c = 0; c < projected.size() && c < qsizetype(f.projectedPayments.size()); ++c) {
        const QJsonObject column = projected.at(c).toObject();
        const auto& expected = f.projectedPayments[std::size_t(c)];
        same("years", QString::fromStdString(expected.years),
             column.value(QStringLiteral("years")));
        // A range reads as {min, max}.
        const auto ranged = [](const std::optional<double>& low,
                               const std::optional<double>& high) -> QJsonValue {
            if (low && high)
                return QJsonObject{{QStringLiteral("min"), *low}, {QStringLiteral("max"), *high}};
            return Expected(low);
        };
        same("principalInterest",
             ranged(expected.principalInterest.value, expected.principalInterestMaximum),
             column.value(QStringLiteral("principalInterest")));
        same("mortgageInsurance", Expected(expected.mortgageInsurance.value),
             column.value(QStringLiteral("mortgageInsurance")));
        same("escrow", Expected(expected.escrow.value), column.value(QStringLiteral("escrow")));
        same("total", ranged(expected.total.value, expected.totalMaximum),
             column.value(QStringLiteral("total")));
    }
    const QJsonObject sections = read.value(QStringLiteral("sections")).toObject();
    for (CostSection section : kCostSections) {
        const QString letter = QString::fromUtf8(SectionLetter(section).data(), 1);
        const QJsonArray lines = sections.value(letter).toArray();
        const auto& expected = f.Section(section).lines;
        if (lines.size() != static_cast<qsizetype>(expected.size())) {
            wrong << QStringLiteral("section %1: %2 lines, not %3")
                         .arg(letter)
                         .arg(lines.size())
                         .arg(expected.size());
            continue;
        }
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QJsonObject line = lines.at(i).toObject();
            same("label", QString::fromStdString(expected[std::size_t(i)].label),
                 line.value(QStringLiteral("label")));
            same("amount", Expected(expected[std::size_t(i)].amount),
                 line.value(QStringLiteral("amount")));
        }
    }
    return wrong;
}

const reader::Check* CheckNamed(const std::vector<reader::Check>& checks, const std::string& name) {
    for (const auto& check : checks)
        if (check.name == name)
            return &check;
    return nullptr;
}

} // namespace

class ReaderPdfTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Write(const QString& name, const EstimateReading& figures,
                  const FormStyle& style = {}) {
        const QString path = dir_.filePath(name);
        if (!testing::WriteLoanEstimate(path, figures, style))
            return {};
        return path;
    }

private slots:
    void round_trip_reads_every_key_data() {
        QTest::addColumn<int>("fixture");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("glyphs");
        QTest::addColumn<int>("carried");
        QTest::addColumn<bool>("traits");
        QTest::addColumn<bool>("spanish");
        const QString sans = QStringLiteral("Liberation Sans");
        const QString serif = QStringLiteral("Liberation Serif");
        const QString dejavu = QStringLiteral("DejaVu Sans");
        QTest::newRow("fixed-rate purchase")
            << 0 << sans << 0.0 << 0.0 << 0u << true << 0 << false << false;
        QTest::newRow("FHA purchase, serif, shifted, shuffled, boxed X")
            << 1 << serif << 4.0 << -3.0 << 7u << false << 0 << false << false;
        QTest::newRow("15-year loan, DejaVu, shifted")
            << 2 << dejavu << -3.0 << 5.0 << 0u << true << 0 << false << false;
        QTest::newRow("lender credits, two columns, fourth page")
            << 3 << sans << 2.0 << 2.0 << 11u << true << 2 << false << false;
        QTest::newRow("refinance without a sale price, serif, shuffled")
            << 4 << serif << -2.0 << 0.0 << 3u << false << 0 << false << false;
        QTest::newRow("fixed-rate purchase as real forms print it")
            << 0 << sans << 0.0 << 0.0 << 0u << true << 0 << true << false;
        QTest::newRow("interest-only adjustable with ranges, as real forms print it")
            << 5 << sans << 1.0 << -1.0 << 0u << true << 0 << true << false;
        QTest::newRow("fixed-rate purchase in Spanish")
            << 0 << sans << 0.0 << 0.0 << 0u << true << 0 << true << true;
        QTest::newRow("adjustable in Spanish, serif, shuffled")
            << 5 << serif << 0.0 << 2.0 << 5u << false << 0 << true << true;
    }
    // State: a fixture written as the form lays it out, in the row's style.
    // Action: the program reads it.  Expected: status 0 and every key as written.
    void round_trip_reads_every_key() {
        QFETCH(int, fixture);
        QFETCH(QString, family);
        QFETCH(double, dx);
        QFETCH(double, dy);
        QFETCH(unsigned, seed);
        QFETCH(bool, glyphs);
        QFETCH(int, carried);
        QFETCH(bool, traits);
        QFETCH(bool, spanish);
        const EstimateReading figures[] = {
            testing::FixedRatePurchase(),     testing::FhaPurchase(),
            testing::FifteenYearLoan(),       testing::LoanWithLenderCredits(),
            testing::RefinanceWithoutPrice(), testing::AdjustableInterestOnly()};
        const QString path = Write(QStringLiteral("fixture%1.pdf").arg(fixture), figures[fixture],
                                   {family, dx, dy, seed, glyphs, carried, traits, spanish});
        QVERIFY(!path.isEmpty());
        const Run run = ReadWithProgram(path, 20000);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        const QJsonObject read = QJsonDocument::fromJson(run.out).object();
        QStringList wrong = Differences(read, figures[fixture]);
        if (read.value(QStringLiteral("language")).toString() !=
            (spanish ? QStringLiteral("es") : QStringLiteral("en")))
            wrong << QStringLiteral("language: %1")
                         .arg(read.value(QStringLiteral("language")).toString());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    void refuses_what_is_not_a_readable_form_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("scan") << "scan"
                              << "scan";
        QTest::newRow("letter") << "letter"
                                << "not a Loan Estimate";
        QTest::newRow("text file") << "text"
                                   << "not a PDF";
        QTest::newRow("cut in half") << "cut"
                                     << "damaged";
        QTest::newRow("Closing Disclosure") << "disclosure"
                                            << "This is a Closing Disclosure, not a Loan Estimate.";
        QTest::newRow("blank form") << "blank"
                                    << "blank Loan Estimate form";
        QTest::newRow("the same form twice") << "twice"
                                             << "more than one Loan Estimate";
        // Hostile files of a few kilobytes: refused before Poppler is given them.
        QTest::newRow("a million one-letter words") << "words"
                                                    << "far more text or drawing";
        QTest::newRow("40 drawings, each drawing the next twice") << "drawings"
                                                                  << "far more text or drawing";
        QTest::newRow("a million graphics states saved one inside the other")
            << "states"
            << "far more text or drawing";
    }
    // Action: the program reads the file.  Expected: status 2, one line saying why, no output.
    void refuses_what_is_not_a_readable_form() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        const QString path = dir_.filePath(kind + QStringLiteral(".pdf"));
        if (kind == QLatin1String("scan")) {
            QVERIFY(testing::WriteScannedPage(path));
        } else if (kind == QLatin1String("letter")) {
            QVERIFY(testing::WriteLetter(path));
        } else if (kind == QLatin1String("disclosure")) {
            QVERIFY(testing::WriteClosingDisclosure(path));
        } else if (kind == QLatin1String("blank")) {
            EstimateReading blank;
            blank.projectedPayments.resize(2);
            QVERIFY(testing::WriteLoanEstimate(path, blank, {}));
        } else if (kind == QLatin1String("words") || kind == QLatin1String("drawings") ||
                   kind == QLatin1String("states")) {
            const QByteArray bytes = kind == QLatin1String("words") ? testing::ManyWordsPdf(1000000)
                                     : kind == QLatin1String("drawings")
                                         ? testing::NestedDrawingsPdf(40)
                                         : testing::NestedStatesPdf(1000000);
            QVERIFY2(bytes.size() < 64 * 1024, qPrintable(QString::number(bytes.size())));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        } else if (kind == QLatin1String("twice")) {
            // Two copies of one form, as a scanner's software or a careless merge makes them.
            const QString unite = QStandardPaths::findExecutable(QStringLiteral("pdfunite"));
            if (unite.isEmpty())
                QSKIP("pdfunite (poppler-utils) is not installed");
            const QString one = Write(QStringLiteral("once.pdf"), testing::FixedRatePurchase());
            QCOMPARE(QProcess::execute(unite, {one, one, path}), 0);
        } else {
            const QString whole = Write(QStringLiteral("whole.pdf"), testing::FixedRatePurchase());
            QFile in(whole);
            QVERIFY(in.open(QIODevice::ReadOnly));
            QByteArray bytes = in.readAll();
            bytes = kind == QLatin1String("cut") ? bytes.left(bytes.size() / 2)
                                                 : QByteArray("Loan Estimate\nLoan Terms\n");
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        const Run run = ReadWithProgram(path, 20000);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains(why.toUtf8()), run.err.constData());
    }

    // What drawing a file would cost is counted from its own objects: the hostile files are
    // beyond the limits, the same files made small are counted exactly and read as what they
    // are, and no synthetic form comes near the limits.
    void drawing_cost_is_counted_before_the_words_are_asked_for() {
        using reader::CostOfDrawing;
        const auto cost = [](const QByteArray& bytes) {
            return CostOfDrawing(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), 8);
        };
        QVERIFY(cost(testing::ManyWordsPdf(1000000)).beyondLimits);
        QVERIFY(cost(testing::NestedDrawingsPdf(40)).beyondLimits);
        QVERIFY(cost(testing::NestedStatesPdf(1000000)).beyondLimits);
        // Just past each limit, and just within it.
        QVERIFY(cost(testing::ManyWordsPdf(int(reader::kMaxTextPiecesPerPage) + 1)).beyondLimits);
        QVERIFY(!cost(testing::ManyWordsPdf(int(reader::kMaxTextPiecesPerPage))).beyondLimits);
        QVERIFY(cost(testing::NestedStatesPdf(reader::kMaxDrawingDepth + 1)).beyondLimits);
        QVERIFY(!cost(testing::NestedStatesPdf(reader::kMaxDrawingDepth)).beyondLimits);

        const reader::DrawingCost words = cost(testing::ManyWordsPdf(1234));
        QCOMPARE(words.textPieces, std::size_t(1234));
        // BT, Tf, Td, each word's Tj and Td, ET.
        QCOMPARE(words.operators, std::size_t(3 + 2 * 1234 + 1));
        QCOMPARE(words.depth, 0);
        // 2^11 words drawn through 11 drawings, each drawn inside a saved state.
        const reader::DrawingCost drawings = cost(testing::NestedDrawingsPdf(11));
        QCOMPARE(drawings.textPieces, std::size_t(1) << 10);
        QCOMPARE(drawings.depth, 2 * 10 + 1);
        QVERIFY(!drawings.beyondLimits);
        // BT ... ET once, "q q Q Q ..." around it in each drawing, and the page's one Do:
        // 11 · 2^10 - 6 operators in the drawings, one more on the page.
        QCOMPARE(drawings.operators, std::size_t(11 * 1024 - 6 + 1));
        const reader::DrawingCost states = cost(testing::NestedStatesPdf(77));
        QCOMPARE(states.depth, 77);
        QCOMPARE(states.textPieces, std::size_t(1));
        // Saved twice, restored once, 77 times: 78 deep at the last.
        QCOMPARE(cost(testing::NestedStatesPdf(77, true)).depth, 78);
        // Words in one hex string count by the spaces between them.
        QCOMPARE(cost(testing::ManyWordsPdf(1234, true)).textPieces, std::size_t(1234));

        // Made small, the same files are read as what they are: a page of words, not the form.
        const QString small = dir_.filePath(QStringLiteral("few-words.pdf"));
        QFile out(small);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(testing::ManyWordsPdf(500));
        out.close();
        const Run run = ReadWithProgram(small, 20000);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("not a Loan Estimate"), run.err.constData());

        for (const EstimateReading& figures :
             {testing::FixedRatePurchase(), testing::LoanWithLenderCredits(),
              testing::AdjustableInterestOnly()}) {
            const QString path =
                Write(QStringLiteral("cost.pdf"), figures, FormStyle{.realTraits = true});
            QFile in(path);
            QVERIFY(in.open(QIODevice::ReadOnly));
            const reader::DrawingCost form = cost(in.readAll());
            QVERIFY(!form.beyondLimits);
            // Counted, and far within the limits.
            QVERIFY2(form.textPieces > 500 && form.textPieces < reader::kMaxTextPiecesPerPage / 10,
                     qPrintable(QString::number(form.textPieces)));
            QVERIFY(form.operators < reader::kMaxOperatorsPerPage / 10);
            QVERIFY(form.depth < 16);
        }
    }

    void a_first_page_that_cannot_be_read_is_named_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("page 1 printed a quarter turn round") << "sideways";
        QTest::newRow("page 1 set to show turned (/Rotate 90)") << "rotate";
        QTest::newRow("page 1 printed sideways after a cover page") << "cover";
    }
    // State: the fixed-rate purchase whose page 1 cannot be read as the form: printed a quarter
    //   turn round, as a page fed sideways comes out, or marked to be shown turned.
    // Action: the program reads it.
    // Expected: refused, saying page 1 cannot be read (not that the file is not a Loan
    //   Estimate, nor a review of empty loan terms).
    void a_first_page_that_cannot_be_read_is_named() {
        QFETCH(QString, kind);
        FormStyle style;
        style.firstPageSideways = kind != QLatin1String("rotate");
        style.realTraits = kind == QLatin1String("cover");
        const QString path =
            Write(QStringLiteral("page1-%1.pdf").arg(kind), testing::FixedRatePurchase(), style);
        QVERIFY(!path.isEmpty());
        if (kind == QLatin1String("rotate")) {
            QFile in(path);
            QVERIFY(in.open(QIODevice::ReadOnly));
            QByteArray bytes = in.readAll();
            in.close();
            // The first page's dictionary, as QPdfWriter writes it.
            const qsizetype at = bytes.indexOf("/Type /Page\n");
            QVERIFY(at > 0);
            bytes.insert(at + 12, "/Rotate 90\n");
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(bytes);
        }
        const Run run = ReadWithProgram(path, 20000);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains("Page 1 of this Loan Estimate cannot be read"),
                 run.err.constData());
    }

    // State: the fixed-rate purchase, whose figures were worked out apart from the program.
    // Action: read it through the window's reader process.  Expected: every check agrees.
    void checks_agree_on_a_consistent_form() {
        const QString path = Write(QStringLiteral("consistent.pdf"), testing::FixedRatePurchase());
        const offers::ImportReading result =
            offers::ReadInReaderProcess(QStringLiteral(PLUMCREST_PROGRAM), path);
        QVERIFY2(result.read, qPrintable(result.problem));
        // Seven sections, D, I and J, the cash to close table, and the five figures worked out
        // again.
        QCOMPARE(result.read->checks.size(), std::size_t(16));
        for (const auto& check : result.read->checks)
            QVERIFY2(check.ok, check.name.c_str());
    }

    void checks_fail_on_a_figure_changed_data() {
        QTest::addColumn<QString>("check");
        QTest::newRow("principal and interest a cent high") << "monthlyPrincipalInterest";
        QTest::newRow("A ten dollars high") << "sectionA";
        QTest::newRow("G ten dollars high") << "sectionG";
        QTest::newRow("lender credits not taken off J") << "totalClosingCosts";
        QTest::newRow("In 5 Years two dollars high") << "in5YearsTotalPaid";
        QTest::newRow("TIP a hundredth high") << "tip";
        QTest::newRow("APR a quarter point high") << "apr";
        QTest::newRow("the deposit a hundred dollars off the cash to close") << "cashToClose";
    }
    // State: the consistent form with one figure changed on purpose.
    // Expected: that check fails, showing the figure as printed; the others still agree.
    void checks_fail_on_a_figure_changed() {
        QFETCH(QString, check);
        EstimateReading f = testing::FixedRatePurchase();
        if (check == QLatin1String("monthlyPrincipalInterest"))
            f.monthlyPrincipalInterest.value = 1628.96;
        else if (check == QLatin1String("sectionA"))
            f.Section(CostSection::A).total.value = *f.Section(CostSection::A).total.value + 10;
        else if (check == QLatin1String("sectionG"))
            f.Section(CostSection::G).total.value = *f.Section(CostSection::G).total.value + 10;
        else if (check == QLatin1String("totalClosingCosts"))
            f.lenderCredits.value = -300;
        else if (check == QLatin1String("in5YearsTotalPaid"))
            f.in5YearsTotalPaid.value = 103400;
        else if (check == QLatin1String("tip"))
            f.tip.value = 130.688;
        else if (check == QLatin1String("apr"))
            f.apr.value = 7.034;
        else if (check == QLatin1String("cashToClose"))
            f.cashTable.deposit.value = *f.cashTable.deposit.value - 100;
        const QString path = Write(QStringLiteral("changed.pdf"), f);
        const offers::ImportReading result =
            offers::ReadInReaderProcess(QStringLiteral(PLUMCREST_PROGRAM), path);
        QVERIFY2(result.read, qPrintable(result.problem));
        for (const auto& each : result.read->checks) {
            const bool changed = each.name == check.toStdString();
            QVERIFY2(each.ok != changed, each.name.c_str());
        }
        QVERIFY(CheckNamed(result.read->checks, check.toStdString()));
    }

    // State: a form whose printed totals hold a line the offer will not keep (its amount
    // missing from the page).  Expected: the section's total, D and J are shown not to agree
    // with the lines kept; I still agrees.
    void totals_are_checked_against_the_lines_kept() {
        EstimateReading f = testing::FixedRatePurchase();
        f.Section(CostSection::A).lines[1].amount.reset();
        const QString path = Write(QStringLiteral("lost-line.pdf"), f);
        const offers::ImportReading result =
            offers::ReadInReaderProcess(QStringLiteral(PLUMCREST_PROGRAM), path);
        QVERIFY2(result.read, qPrintable(result.problem));
        for (const char* failing : {"sectionA", "totalLoanCosts", "totalClosingCosts"}) {
            const reader::Check* check = CheckNamed(result.read->checks, failing);
            QVERIFY2(check && !check->ok, failing);
        }
        const reader::Check* other = CheckNamed(result.read->checks, "totalOtherCosts");
        QVERIFY(other && other->ok);
    }

    // State: a form whose Purpose and Product are markup that would pass for the program's own
    //   verdict, in a file named as markup too.
    // Action: it is read through the window's reader process and shown in the review.
    // Expected: every text of the review panel shows as written, none rendered as markup.
    void markup_in_a_form_shows_as_written_in_the_review() {
        EstimateReading f = testing::FixedRatePurchase();
        const std::string fake = "<h1 style='color:green'>Imported OK</h1>";
        f.purpose.value = fake;
        f.product.value = "<b style='color:#1b6e3a'>\u2713 agrees</b>";
        const QString path =
            Write(QStringLiteral("<h1 style='color:green'>Imported OK<h1>.pdf"), f);
        QVERIFY(!path.isEmpty());
        const offers::ImportReading result =
            offers::ReadInReaderProcess(QStringLiteral(PLUMCREST_PROGRAM), path);
        QVERIFY2(result.read, qPrintable(result.problem));
        QCOMPARE(result.read->reading.purpose.value, std::optional<std::string>(fake));
        offers::OfferEditor editor(offers::OfferOfReading(result.read->reading),
                                   LocaleSeparators{U'.', U','}, nullptr);
        offers::ShowReadingIn(editor, *result.read, LocaleSeparators{U'.', U','});
        const auto* panel = editor.findChild<QGroupBox*>(QStringLiteral("grpReading"));
        QVERIFY(panel);
        QStringList seen;
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            const bool rendered =
                label->textFormat() == Qt::RichText ||
                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
            seen << (rendered ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                              : label->text());
        }
        QVERIFY2(seen.contains(QString::fromStdString(fake)),
                 qPrintable(seen.join(QLatin1Char('|'))));
        QVERIFY2(seen.contains(QString::fromStdString(*f.product.value)),
                 qPrintable(seen.join(QLatin1Char('|'))));
    }

    void what_is_not_a_file_is_refused_before_the_reader_starts_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("pipe") << "pipe"
                              << "not a regular file";
        QTest::newRow("device") << "device"
                                << "not a regular file";
        QTest::newRow("folder") << "folder"
                                << "a folder, not a file";
        QTest::newRow("sparse 20 GiB") << "huge"
                                       << "far larger than a Loan Estimate";
        QTest::newRow("missing") << "missing"
                                 << "no such file";
        QTest::newRow("unreadable") << "locked"
                                    << "do not have permission to read";
    }
    // State: a pipe no one writes to, a device, a folder, a sparse file of 20 GiB, a missing
    //   file, a file this user may not read.
    // Action: the window imports it.
    // Expected: refused at once (well within the reader's time limit) with its true reason.
    void what_is_not_a_file_is_refused_before_the_reader_starts() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        QString path = dir_.filePath(kind + QStringLiteral(".pdf"));
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("device"))
            path = QStringLiteral("/dev/zero");
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (kind == QLatin1String("huge")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64{20} << 30)); // sparse: no disk is used
        } else if (kind == QLatin1String("locked")) {
            if (::geteuid() == 0)
                QSKIP("permissions do not bind root; the command line's test reads it as nobody");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("%PDF-1.4\n");
            file.close();
            QVERIFY(QFile::setPermissions(path, QFile::Permissions()));
        }
        QElapsedTimer clock;
        clock.start();
        const offers::ImportReading result =
            offers::ReadInReaderProcess(QStringLiteral(PLUMCREST_PROGRAM), path);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(result.outcome, offers::ImportReading::Outcome::Refused);
        QVERIFY2(result.problem.contains(why), qPrintable(result.problem));
    }

    // Action: a few hundred damaged copies of a form through the window's reader process.
    // Expected: the test process (standing in for the window) goes on; each copy is read, refused
    // or its reader stopped, never hung past the limit.
    void damaged_copies_stop_at_most_the_reader() {
        const QString whole =
            Write(QStringLiteral("fuzz-original.pdf"), testing::FixedRatePurchase());
        QFile in(whole);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray original = in.readAll();
        std::mt19937 random(20240314);
        int counts[5] = {};
        const int copies = qEnvironmentVariableIntValue("PLUMCREST_READER_FUZZ_COPIES") > 0
                               ? qEnvironmentVariableIntValue("PLUMCREST_READER_FUZZ_COPIES")
                               : 300;
        const QString path = dir_.filePath(QStringLiteral("damaged.pdf"));
        for (int copy = 0; copy < copies; ++copy) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(testing::MutatedHelpFile(original, random));
            out.close();
            const offers::ImportReading result =
                offers::ReadInReaderProcess(QStringLiteral(PLUMCREST_PROGRAM), path);
            QVERIFY(result.outcome != offers::ImportReading::Outcome::NoReader);
            QVERIFY(result.read || !result.problem.isEmpty());
            ++counts[static_cast<int>(result.outcome)];
        }
        qInfo("%d damaged copies: %d read, %d refused, %d reader stopped, %d timed out", copies,
              counts[0], counts[1], counts[2], counts[3]);
    }
};

QTEST_MAIN(ReaderPdfTest)
#include "ReaderPdfTest.moc"
