// The regulator's own Closing Disclosures, read and checked through the built program as a user
// on the command line would: every figure expected-cd.json gives, the Spanish forms' main figures
// as their pages print them, the cure of the H-25(F) fragment, and each regulator pair checked
// (H-24(B) with H-25(B), H-24(D) with H-25(E) and with H-25(F)). The folder is outside the
// repository; without it the test skips.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString FormsFolder() {
    const QByteArray chosen = qgetenv("PLUMCREST_FORMS_DIR");
    if (!chosen.isEmpty())
        return QString::fromLocal8Bit(chosen);
    const QDir source(QStringLiteral(PLUMCREST_SOURCE_DIR));
    for (const QString& near :
         {QStringLiteral("../shared/forms"), QStringLiteral("../../shared/forms")})
        if (QFile::exists(source.filePath(near + QStringLiteral("/expected-cd.json"))))
            return QDir::cleanPath(source.filePath(near));
    return QDir::cleanPath(source.filePath(QStringLiteral("../shared/forms")));
}

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject Json() const { return QJsonDocument::fromJson(out).object(); }
};

Run Program(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PLUMCREST_PROGRAM), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QString Plain(const QString& text) {
    QString plain = text;
    plain.remove(QRegularExpression(QStringLiteral("\\s")));
    plain.replace(QChar(0x2019), QLatin1Char('\''));
    return plain;
}

bool Same(const QJsonValue& expected, const QJsonValue& read) {
    if (expected.isDouble())
        return read.isDouble() && std::fabs(expected.toDouble() - read.toDouble()) < 1e-6;
    if (expected.isString())
        return read.isString() && Plain(expected.toString()) == Plain(read.toString());
    if (expected.isObject()) {
        const QJsonObject a = expected.toObject();
        for (auto it = a.begin(); it != a.end(); ++it)
            if (!Same(it.value(), read.toObject().value(it.key())))
                return false;
        return true;
    }
    if (expected.isArray()) {
        const QJsonArray a = expected.toArray();
        const QJsonArray b = read.toArray();
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (!Same(a.at(i), b.at(i)))
                return false;
        return true;
    }
    return expected == read;
}

QString Shown(const QJsonValue& value) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
}

double Calculation(const QJsonObject& check, const QString& name, const char* field) {
    for (const QJsonValue& value : check.value(QStringLiteral("loanCalculations")).toArray())
        if (value.toObject().value(QStringLiteral("name")).toString() == name)
            return value.toObject().value(QLatin1String(field)).toDouble(-1);
    return -1;
}

} // namespace

class RealClosingFormsTest : public QObject {
    Q_OBJECT

private:
    QString folder_ = FormsFolder();
    QString File(const char* name) const { return folder_ + QLatin1Char('/') + name; }
    bool Present() const { return QFile::exists(File("expected-cd.json")); }

private slots:
    // State: the regulator's English Closing Disclosures. Action: --read-closing-disclosure.
    // Expected: every figure expected-cd.json gives, and the lines of each section sum to its
    // printed total.
    void reads_every_figure_the_regulator_expects() {
        if (!Present())
            QSKIP("the regulator's forms (../shared/forms) are not here");
        QFile file(File("expected-cd.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject expected = QJsonDocument::fromJson(file.readAll()).object();
        QStringList wrong;
        for (auto form = expected.begin(); form != expected.end(); ++form) {
            const Run run = Program({QStringLiteral("--read-closing-disclosure"),
                                     File(form.key().toUtf8().constData()) + ".pdf"});
            QCOMPARE(run.status, 0);
            const QJsonObject read = run.Json();
            const QJsonObject want = form.value().toObject();
            for (auto key = want.begin(); key != want.end(); ++key) {
                if (key.key() == QStringLiteral("pairsWithLE"))
                    continue;
                if (!Same(key.value(), read.value(key.key())))
                    wrong << QStringLiteral("%1 %2: expected %3, read %4")
                                 .arg(form.key(), key.key(), Shown(key.value()),
                                      Shown(read.value(key.key())));
            }
            const QJsonObject sections = read.value(QStringLiteral("sections")).toObject();
            const QJsonObject totals = read.value(QStringLiteral("borrowerPaidTotals")).toObject();
            for (const QString letter : {"A", "B", "C", "E", "F", "G", "H"}) {
                double sum = 0;
                for (const QJsonValue& line : sections.value(letter).toArray())
                    sum +=
                        line.toObject().value(QStringLiteral("borrowerAtClosing")).toDouble() +
                        line.toObject().value(QStringLiteral("borrowerBeforeClosing")).toDouble();
                if (std::fabs(sum - totals.value(letter).toDouble()) > 0.005)
                    wrong << QStringLiteral("%1 section %2: lines sum to %3, total %4")
                                 .arg(form.key(), letter)
                                 .arg(sum)
                                 .arg(totals.value(letter).toDouble());
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // The columns of who pays, the payee and the amount without a dollar sign.
    void reads_each_lines_payee_and_columns() {
        if (!Present())
            QSKIP("the regulator's forms (../shared/forms) are not here");
        const QJsonObject read = Program({QStringLiteral("--read-closing-disclosure"),
                                          File("cfpb-h25b-cd-purchase.pdf")})
                                     .Json();
        const QJsonObject sections = read.value(QStringLiteral("sections")).toObject();
        const QJsonObject appraisal =
            sections.value(QStringLiteral("B")).toArray().at(0).toObject();
        QCOMPARE(appraisal.value(QStringLiteral("label")).toString(),
                 QStringLiteral("Appraisal Fee"));
        QCOMPARE(appraisal.value(QStringLiteral("payee")).toString(),
                 QStringLiteral("John Smith Appraisers Inc."));
        QCOMPARE(appraisal.value(QStringLiteral("paidByOthers")).toDouble(), 405.0);
        QVERIFY(appraisal.value(QStringLiteral("borrowerAtClosing")).isNull());
        const QJsonObject credit = sections.value(QStringLiteral("B")).toArray().at(1).toObject();
        QCOMPARE(credit.value(QStringLiteral("borrowerBeforeClosing")).toDouble(), 29.80);
        const QJsonArray h = sections.value(QStringLiteral("H")).toArray();
        const QJsonObject inspection = h.at(2).toObject();
        QCOMPARE(inspection.value(QStringLiteral("borrowerAtClosing")).toDouble(), 750.0);
        QCOMPARE(inspection.value(QStringLiteral("sellerBeforeClosing")).toDouble(), 750.0);
        QCOMPARE(h.at(4).toObject().value(QStringLiteral("sellerAtClosing")).toDouble(), 5700.0);
        const QJsonArray g = sections.value(QStringLiteral("G")).toArray();
        QCOMPARE(g.last().toObject().value(QStringLiteral("borrowerAtClosing")).toDouble(), -0.01);
        const QJsonObject interest = sections.value(QStringLiteral("F")).toArray().at(2).toObject();
        QVERIFY2(interest.value(QStringLiteral("label"))
                     .toString()
                     .contains(QStringLiteral("to 5/1/13")),
                 qPrintable(interest.value(QStringLiteral("label")).toString()));
        QCOMPARE(interest.value(QStringLiteral("payee")).toString(), QString());
    }

    // The Spanish forms: the figures their pages print.
    void reads_the_spanish_forms() {
        if (!Present())
            QSKIP("the regulator's forms (../shared/forms) are not here");
        struct Want {
            const char* file;
            double loan;
            double closingCosts;
            double cashToClose;
            double apr;
            double financeCharge;
            double j;
            double credits;
        };
        const Want wants[] = {
            {"cfpb-h28g-cd-purchase-es.pdf", 162000, 9712.10, 14147.26, 4.174, 118830.27, 9712.10,
             0},
            {"cfpb-h28h-cd-refinance-es.pdf", 150000, 5757.57, 29677.43, 4.543, 121029.00, 5757.57,
             -500},
        };
        for (const Want& want : wants) {
            const Run run = Program({QStringLiteral("--read-closing-disclosure"), File(want.file)});
            QCOMPARE(run.status, 0);
            const QJsonObject read = run.Json();
            QCOMPARE(read.value(QStringLiteral("language")).toString(), QStringLiteral("es"));
            QCOMPARE(read.value(QStringLiteral("loanAmount")).toDouble(), want.loan);
            QCOMPARE(read.value(QStringLiteral("closingCosts")).toDouble(), want.closingCosts);
            QCOMPARE(read.value(QStringLiteral("cashToClose")).toDouble(), want.cashToClose);
            QCOMPARE(read.value(QStringLiteral("lenderCredits")).toDouble(), want.credits);
            const QJsonObject calculations =
                read.value(QStringLiteral("loanCalculations")).toObject();
            QCOMPARE(calculations.value(QStringLiteral("apr")).toDouble(), want.apr);
            QCOMPARE(calculations.value(QStringLiteral("financeCharge")).toDouble(),
                     want.financeCharge);
            QCOMPARE(read.value(QStringLiteral("borrowerPaidTotals"))
                         .toObject()
                         .value(QStringLiteral("J"))
                         .toDouble(),
                     want.j);
            QCOMPARE(read.value(QStringLiteral("projectedPayments")).toArray().size(), 2);
        }
    }

    // State: H-25(F), page 2 only. Expected: the 200.00 cure found as given, the lines missing.
    void finds_the_cure_of_the_fragment() {
        if (!Present())
            QSKIP("the regulator's forms (../shared/forms) are not here");
        const Run run = Program(
            {QStringLiteral("--read-closing-disclosure"), File("cfpb-h25f-cd-cure-partial.pdf")});
        QCOMPARE(run.status, 0);
        const QJsonObject read = run.Json();
        QCOMPARE(read.value(QStringLiteral("cureGiven")).toDouble(), 200.0);
        QCOMPARE(read.value(QStringLiteral("lenderCredits")).toDouble(), -500.0);
        QCOMPARE(read.value(QStringLiteral("partial")).toBool(), true);
        const Run check = Program({QStringLiteral("--check-closing-disclosure"),
                                   File("cfpb-h25f-cd-cure-partial.pdf"),
                                   QStringLiteral("--against"), File("cfpb-h24d-refinance.pdf")});
        QCOMPARE(check.status, 0);
        QCOMPARE(check.Json().value(QStringLiteral("cureGiven")).toDouble(), 200.0);
        QVERIFY(check.Json().value(QStringLiteral("cureOwed")).isNull());
    }

    // The regulator's pairs checked: what rose, the cure, the APR and the timing.
    void checks_the_regulators_pairs() {
        if (!Present())
            QSKIP("the regulator's forms (../shared/forms) are not here");
        const Run purchase = Program({QStringLiteral("--check-closing-disclosure"),
                                      File("cfpb-h25b-cd-purchase.pdf"),
                                      QStringLiteral("--against"), File("cfpb-h24b-fixed.pdf"),
                                      QStringLiteral("--received"), QStringLiteral("2013-04-10")});
        QCOMPARE(purchase.status, 0);
        const QJsonObject b = purchase.Json();
        QCOMPARE(b.value(QStringLiteral("cureOwed")).toDouble(), 0.0);
        QVERIFY(b.value(QStringLiteral("aprChange")).toDouble() < 0);
        QCOMPARE(b.value(QStringLiteral("newWaitingPeriod"))
                     .toObject()
                     .value(QStringLiteral("required"))
                     .toBool(),
                 false);
        // Wednesday the 10th for Monday the 15th: Thursday, Friday, Saturday, Monday.
        QCOMPARE(b.value(QStringLiteral("businessDaysBeforeClosing")).toInt(), 4);
        QCOMPARE(b.value(QStringLiteral("receivedInTime")).toBool(), true);

        const Run refinance = Program(
            {QStringLiteral("--check-closing-disclosure"), File("cfpb-h25e-cd-refinance.pdf"),
             QStringLiteral("--against"), File("cfpb-h24d-refinance.pdf")});
        QCOMPARE(refinance.status, 0);
        const QJsonObject e = refinance.Json();
        QVERIFY(std::fabs(e.value(QStringLiteral("aprChange")).toDouble() - 0.006) < 1e-9);
        QCOMPARE(e.value(QStringLiteral("newWaitingPeriod"))
                     .toObject()
                     .value(QStringLiteral("required"))
                     .toBool(),
                 false);
        // Issued on the day of closing, and no other day of receipt given: too late.
        QCOMPARE(e.value(QStringLiteral("receivedAssumed")).toBool(), true);
        QCOMPARE(e.value(QStringLiteral("receivedInTime")).toBool(), false);
        QVERIFY(Calculation(e, QStringLiteral("apr"), "computed") > 4.4);
    }

    // The Loan Terms' product and prepayment penalty, read from each Loan Estimate and compared
    // with the Closing Disclosure's: H-24(B) to H-25(B) keeps both; H-25(B) set against the
    // interest-only adjustable H-24(C), whose penalty is NO, changes the product and adds one.
    void product_and_prepayment_penalty_are_read_and_compared() {
        if (!Present())
            QSKIP("the regulator's forms (../shared/forms) are not here");
        const struct {
            const char* file;
            const char* product;
            bool penalty;
        } estimates[] = {
            {"cfpb-h24b-fixed.pdf", "Fixed Rate", true},
            {"cfpb-h24c-arm-io.pdf", "5 Year Interest Only, 5/3 Adjustable Rate", false},
            {"cfpb-h28b-arm-es.pdf",
             "Por 5 a\u00f1os pago de intereses solamente, 5/3 tasa ajustable", false},
        };
        for (const auto& want : estimates) {
            const Run run = Program({QStringLiteral("--read-loan-estimate"), File(want.file)});
            QCOMPARE(run.status, 0);
            const QJsonObject read = run.Json();
            QCOMPARE(Plain(read.value(QStringLiteral("product")).toString()),
                     Plain(QString::fromUtf8(want.product)));
            QVERIFY2(read.value(QStringLiteral("prepaymentPenalty")).isBool(), want.file);
            QCOMPARE(read.value(QStringLiteral("prepaymentPenalty")).toBool(), want.penalty);
        }
        const auto reasons = [&](const char* closing, const char* estimate) {
            const Run run = Program({QStringLiteral("--check-closing-disclosure"), File(closing),
                                     QStringLiteral("--against"), File(estimate)});
            QStringList said;
            for (const QJsonValue& reason : run.Json()
                                                .value(QStringLiteral("newWaitingPeriod"))
                                                .toObject()
                                                .value(QStringLiteral("reasons"))
                                                .toArray())
                said << reason.toString();
            return said;
        };
        QCOMPARE(reasons("cfpb-h25b-cd-purchase.pdf", "cfpb-h24b-fixed.pdf"), QStringList());
        QCOMPARE(reasons("cfpb-h25e-cd-refinance.pdf", "cfpb-h24d-refinance.pdf"), QStringList());
        QCOMPARE(reasons("cfpb-h25b-cd-purchase.pdf", "cfpb-h24c-arm-io.pdf"),
                 (QStringList{QStringLiteral("productChanged"),
                              QStringLiteral("prepaymentPenaltyAdded")}));
        // "Tasa fija" is "Fixed Rate": the Spanish Closing Disclosure keeps the English
        // estimate's product.
        QCOMPARE(reasons("cfpb-h28g-cd-purchase-es.pdf", "cfpb-h24b-fixed.pdf"), QStringList());
    }

    // The Spanish Closing Disclosure H-28(G) against the English Loan Estimate H-24(B): each
    // estimate line pairs with the line of the same meaning, in the same section, as it does
    // with the English H-25(B); nothing is taken for a new charge.
    void spanish_lines_pair_with_english_ones_by_meaning() {
        if (!Present())
            QSKIP("the regulator's forms (../shared/forms) are not here");
        const auto pairing = [&](const char* closing) {
            const Run run = Program({QStringLiteral("--check-closing-disclosure"), File(closing),
                                     QStringLiteral("--against"), File("cfpb-h24b-fixed.pdf")});
            QMap<QString, QString> paired; // estimate line: the section of its closing line
            int newCharges = 0;
            for (const QJsonValue& value : run.Json().value(QStringLiteral("lines")).toArray()) {
                const QJsonObject line = value.toObject();
                if (line.value(QStringLiteral("loanEstimate")).isNull()) {
                    ++newCharges;
                    continue;
                }
                if (!line.value(QStringLiteral("closingDisclosure")).isNull())
                    paired.insert(Plain(line.value(QStringLiteral("estimateLabel")).toString()),
                                  line.value(QStringLiteral("section")).toString());
            }
            return std::make_pair(paired, newCharges);
        };
        const auto english = pairing("cfpb-h25b-cd-purchase.pdf");
        const auto spanish = pairing("cfpb-h28g-cd-purchase-es.pdf");
        QVERIFY2(english.first.size() >= 18,
                 qPrintable(QStringList(english.first.keys()).join('|')));
        QStringList differ;
        for (auto it = english.first.begin(); it != english.first.end(); ++it)
            if (spanish.first.value(it.key()) != it.value())
                differ << QStringLiteral("%1: %2 in English, %3 in Spanish")
                              .arg(it.key(), it.value(), spanish.first.value(it.key()));
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join(QLatin1Char('\n'))));
        QCOMPARE(spanish.first.size(), english.first.size());
        QCOMPARE(spanish.second, english.second);
    }

    // A scan, a Loan Estimate and a damaged file are each refused with one line.
    void refuses_what_is_not_a_closing_disclosure() {
        if (!Present())
            QSKIP("the regulator's forms (../shared/forms) are not here");
        const struct {
            const char* file;
            const char* why;
        } cases[] = {
            {"cfpb-h25b-cd-scan.pdf", "no text"},
            {"cfpb-h24b-fixed.pdf", "Loan Estimate, not a Closing Disclosure"},
            {"cfpb-h24-blank-model.pdf", "not a Closing Disclosure"},
        };
        for (const auto& each : cases) {
            const Run run = Program({QStringLiteral("--read-closing-disclosure"), File(each.file)});
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains(each.why), run.err.constData());
            QCOMPARE(run.err.count('\n'), 1);
        }
        const Run swapped =
            Program({QStringLiteral("--check-closing-disclosure"), File("cfpb-h24b-fixed.pdf"),
                     QStringLiteral("--against"), File("cfpb-h25b-cd-purchase.pdf")});
        QCOMPARE(swapped.status, 2);
        QVERIFY2(swapped.err.contains("not a Closing Disclosure"), swapped.err.constData());
    }
};

QTEST_GUILESS_MAIN(RealClosingFormsTest)
#include "RealClosingFormsTest.moc"
