// The regulator's own sample forms, read through the built program as the window runs it: every
// value each Loan Estimate prints against what its expected.json says it prints, and every other
// file named for what it is. The folder is outside the repository; without it the test skips.

#include "ReadWithProgram.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>
#include <span>

namespace {

// PLUMCREST_FORMS_DIR, else shared/forms beside the source tree (or beside the folder of
// worktrees it stands in).
QString FormsFolder() {
    const QByteArray chosen = qgetenv("PLUMCREST_FORMS_DIR");
    if (!chosen.isEmpty())
        return QString::fromLocal8Bit(chosen);
    const QDir source(QStringLiteral(PLUMCREST_SOURCE_DIR));
    for (const QString& near :
         {QStringLiteral("../shared/forms"), QStringLiteral("../../shared/forms")})
        if (QFile::exists(source.filePath(near + QStringLiteral("/expected.json"))))
            return QDir::cleanPath(source.filePath(near));
    return QDir::cleanPath(source.filePath(QStringLiteral("../shared/forms")));
}

using plumcrest::testing::ReadWithProgram;
using plumcrest::testing::Run;

// Labels compare with white space removed and ’ read as ', as expected.json asks.
QString Plain(const QString& text) {
    QString plain = text;
    plain.remove(QRegularExpression(QStringLiteral("\\s")));
    plain.replace(QChar(0x2019), QLatin1Char('\''));
    return plain;
}

bool Same(const QJsonValue& expected, const QJsonValue& read, bool label) {
    if (expected.isDouble())
        return read.isDouble() && std::fabs(expected.toDouble() - read.toDouble()) < 1e-6;
    if (expected.isObject()) {
        const QJsonObject a = expected.toObject();
        const QJsonObject b = read.toObject();
        if (!read.isObject() || a.keys() != b.keys())
            return false;
        for (auto it = a.begin(); it != a.end(); ++it)
            if (!Same(it.value(), b.value(it.key()), false))
                return false;
        return true;
    }
    if (label && expected.isString())
        return read.isString() && Plain(expected.toString()) == Plain(read.toString());
    return expected == read;
}

QString Shown(const QJsonValue& value) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
}

// Where expected.json is not what the page shows: the key, and what the page does print.
struct Departure {
    const char* form;
    const char* key;
    const char* page;
};
// None now: H-28(B) prints no Lender Credits line under J on page 2, but page 1's Costs at
// Closing states "– $0 por créditos del prestamista", which is what expected.json has.
constexpr Departure kDepartures[] = {
    {"", "", ""},
};

// Where a form's own figures disagree with each other, so the check that compares them must
// say so: the form, the check, and what the page shows.
constexpr Departure kSlips[] = {
    {"cfpb-h24d-refinance", "in5YearsTotalPaid",
     "In 5 Years (51,932) counts two months of mortgage insurance escrowed at closing, 164.70 as "
     "the same loan's Closing Disclosure H-25(E) has them, that page 2's G leaves blank; its own "
     "figures give 51,767"},
    {"cfpb-h28c-refinance-es", "in5YearsTotalPaid", "as its English twin H-24(D)"},
};

// Where the form prints its monthly insurance in whole dollars and In 5 Years cannot give its
// cents (it disagrees with the form's other figures, above), the APR is worked out on the dollars
// printed, and the lender's cents move it in the third decimal: there it must come within 0.002.
constexpr Departure kInsuranceInDollars[] = {
    {"cfpb-h24d-refinance", "apr",
     "82 a month printed; the 82.35 of the same loan's Closing Disclosure H-25(E) gives 4.5367"},
    {"cfpb-h28c-refinance-es", "apr", "as its English twin H-24(D)"},
};

bool Listed(std::span<const Departure> list, const QString& form, const QString& check) {
    return std::any_of(list.begin(), list.end(), [&](const Departure& d) {
        return form == QLatin1String(d.form) && check == QLatin1String(d.key);
    });
}

bool Slips(const QString& form, const QString& check) {
    return Listed(kSlips, form, check);
}

bool Departs(const QString& form, const QString& key) {
    return std::any_of(std::begin(kDepartures), std::end(kDepartures), [&](const Departure& d) {
        return form == QLatin1String(d.form) && key == QLatin1String(d.key);
    });
}

// Each value of one form's expected.json entry against the reading: the keys of those that
// differ, with both values.
QStringList Compare(const QString& form, const QJsonObject& expected, const QJsonObject& read,
                    int& values, int& departed) {
    QStringList wrong;
    const auto check = [&](const QString& key, const QJsonValue& want, const QJsonValue& got,
                           bool label) {
        ++values;
        if (Same(want, got, label))
            return;
        if (Departs(form, key))
            ++departed;
        else
            wrong << QStringLiteral("%1: expected %2, read %3").arg(key, Shown(want), Shown(got));
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QString key = it.key();
        if (key == QLatin1String("sections")) {
            const QJsonObject sections = it.value().toObject();
            for (auto s = sections.begin(); s != sections.end(); ++s) {
                // The reading keeps the form's lines without an amount too; expected.json
                // lists those with one.
                QJsonArray lines;
                for (const QJsonValue& line :
                     read.value(QStringLiteral("sections")).toObject().value(s.key()).toArray())
                    if (!line.toObject().value(QStringLiteral("amount")).isNull())
                        lines.append(line);
                const QJsonArray want = s.value().toArray();
                for (qsizetype i = 0; i < std::max(want.size(), lines.size()); ++i) {
                    const QString at = QStringLiteral("%1[%2]").arg(s.key()).arg(i);
                    const QJsonObject w = want.at(i).toObject();
                    const QJsonObject g = lines.at(i).toObject();
                    check(at + QStringLiteral(".label"), w.value(QStringLiteral("label")),
                          g.value(QStringLiteral("label")), true);
                    check(at + QStringLiteral(".amount"), w.value(QStringLiteral("amount")),
                          g.value(QStringLiteral("amount")), false);
                }
            }
        } else if (key == QLatin1String("projectedPayments")) {
            const QJsonArray want = it.value().toArray();
            const QJsonArray got = read.value(key).toArray();
            if (got.size() != want.size())
                wrong << QStringLiteral("projectedPayments: %1 columns read, %2 printed")
                             .arg(got.size())
                             .arg(want.size());
            for (qsizetype i = 0; i < want.size(); ++i) {
                const QJsonObject w = want.at(i).toObject();
                for (auto c = w.begin(); c != w.end(); ++c)
                    check(QStringLiteral("projectedPayments[%1].%2").arg(i).arg(c.key()), c.value(),
                          got.at(i).toObject().value(c.key()), false);
            }
        } else {
            check(key, it.value(), read.value(key), false);
        }
    }
    return wrong;
}

// What a refused file must be called, by what the folder's README says each file is.
QString RefusalFor(const QString& form) {
    if (form.contains(QLatin1String("scan")))
        return QStringLiteral("scan");
    if (form.contains(QLatin1String("-cd-")))
        return QStringLiteral("This is a Closing Disclosure, not a Loan Estimate.");
    if (form.contains(QLatin1String("blank")))
        return QStringLiteral("blank Loan Estimate form");
    return {};
}

} // namespace

class RealFormsTest : public QObject {
    Q_OBJECT

    QJsonObject expected_;
    int values_ = 0;
    int right_ = 0;
    int departed_ = 0;

private slots:
    void initTestCase() {
        QFile file(QDir(FormsFolder()).filePath(QStringLiteral("expected.json")));
        if (!file.open(QIODevice::ReadOnly))
            QSKIP(qPrintable(QStringLiteral("The regulator's sample forms are not in %1: set "
                                            "PLUMCREST_FORMS_DIR to read them.")
                                 .arg(FormsFolder())));
        expected_ = QJsonDocument::fromJson(file.readAll()).object();
        QVERIFY(!expected_.isEmpty());
    }

    void every_form_reads_as_it_prints_data() {
        QTest::addColumn<QString>("form");
        for (const QString& form : expected_.keys())
            QTest::newRow(qPrintable(form)) << form;
    }
    // Action: each file of the folder through the program.  Expected: a Loan Estimate's every
    // value as expected.json has it; any other file refused (status 2) in one line that names
    // what it is.
    void every_form_reads_as_it_prints() {
        QFETCH(QString, form);
        const QJsonObject expected = expected_.value(form).toObject();
        const Run run =
            ReadWithProgram(QDir(FormsFolder()).filePath(form + QStringLiteral(".pdf")));
        if (expected.value(QStringLiteral("refused")).toBool()) {
            ++values_;
            QCOMPARE(run.status, 2);
            QCOMPARE(run.err.count('\n'), 1);
            QVERIFY2(run.err.contains(RefusalFor(form).toUtf8()), run.err.constData());
            ++right_;
            return;
        }
        QCOMPARE(run.status, 0);
        int values = 0;
        int departed = 0;
        const QStringList wrong =
            Compare(form, expected, QJsonDocument::fromJson(run.out).object(), values, departed);
        values_ += values;
        departed_ += departed;
        right_ += values - departed - static_cast<int>(wrong.size());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    // Action: each Loan Estimate that prints its Comparisons, through the program.  Expected:
    // every check the reader runs agrees with the form (its lines against its totals, the cash to
    // close table, principal and interest, In 5 Years, TIP), and the lender's APR worked out from
    // the form's figures with the default finance-charge marks is the one printed, to its three
    // decimals.
    void every_check_agrees_with_the_form_data() {
        QTest::addColumn<QString>("form");
        for (const QString& form : expected_.keys())
            if (expected_.value(form).toObject().value(QStringLiteral("apr")).isDouble())
                QTest::newRow(qPrintable(form)) << form;
    }
    void every_check_agrees_with_the_form() {
        QFETCH(QString, form);
        const Run run =
            ReadWithProgram(QDir(FormsFolder()).filePath(form + QStringLiteral(".pdf")));
        QCOMPARE(run.status, 0);
        const QJsonObject read = QJsonDocument::fromJson(run.out).object();
        QStringList wrong;
        bool apr = false;
        for (const QJsonValue& value : read.value(QStringLiteral("checks")).toArray()) {
            const QJsonObject check = value.toObject();
            const QString name = check.value(QStringLiteral("name")).toString();
            const double ours = check.value(QStringLiteral("expected")).toDouble();
            const double printed = check.value(QStringLiteral("found")).toDouble();
            if (name == QLatin1String("apr")) {
                apr = true;
                qInfo("%s: APR %.4f, printed %.3f", qPrintable(form), ours, printed);
                const bool dollars = Listed(kInsuranceInDollars, form, name);
                if (dollars ? std::fabs(ours - printed) >= 0.002
                            : std::round(ours * 1000) != std::round(printed * 1000))
                    wrong << QStringLiteral("apr to three decimals: ours %1, printed %2")
                                 .arg(ours, 0, 'f', 4)
                                 .arg(printed, 0, 'f', 3);
            }
            const bool ok = check.value(QStringLiteral("ok")).toBool();
            if (Slips(form, name)) {
                if (ok)
                    wrong
                        << QStringLiteral("%1 agrees, though the form's figures do not").arg(name);
            } else if (!ok) {
                wrong << QStringLiteral("%1: ours %2, printed %3").arg(name).arg(ours).arg(printed);
            }
        }
        if (!apr)
            wrong << QStringLiteral("no APR worked out");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    void cleanupTestCase() {
        if (values_ > 0)
            qInfo("%d of %d values of the regulator's forms read as expected.json has them; %d "
                  "read as the page shows where expected.json is not what it shows.",
                  right_, values_, departed_);
    }
};

QTEST_GUILESS_MAIN(RealFormsTest)
#include "RealFormsTest.moc"
