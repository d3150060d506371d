// `plumcrest --check-closing-disclosure` as a script meets it, with a reader that stands for the
// real one: the check's JSON of two readings (the cure owed and still owed, the 10 % group, the
// new wait, the days with a federal holiday between), each refusal in one line that names the
// file, and the buyer's choices kept as JSON and read back.

#include "CheckCommand.h"

#include "CheckJson.h"
#include "ClosingJson.h"
#include "ReadingJson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

using namespace plumcrest;
using namespace plumcrest::closing;

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

reader::ClosingLine Line(const char* label, double amount) {
    reader::ClosingLine line;
    line.label = label;
    line.borrowerAtClosing = amount;
    return line;
}

// Every figure different: the origination fee up by a dollar (zero tolerance), the survey moved
// from C to B and up by 10.00 and the recording fees up by 5.00 (the 10 % group: 500.00 to
// 515.00, limit 550.00), the APR up by a quarter point; 0.25 of the cure given.
QByteArray EstimateJson() {
    reader::EstimateReading e;
    e.lender.value = "Juniper Savings";
    e.loanAmount.value = 250000;
    e.interestRate.value = 6.25;
    e.loanTermYears.value = 30;
    e.product.value = "Fixed Rate";
    e.apr.value = 6.5;
    e.lenderCredits.value = 0;
    e.Section(CostSection::A).lines.push_back({"Origination Fee", 1100, {}});
    e.Section(CostSection::B).lines.push_back({"Appraisal Fee", 475, {}});
    e.Section(CostSection::C).lines.push_back({"Survey Fee", 380, {}});
    e.Section(CostSection::E).lines.push_back({"Recording Fees", 120, {}});
    return reader::ToJson(e, {});
}

QByteArray ClosingJson() {
    reader::ClosingReading c;
    c.lender.value = "Juniper Savings";
    c.loanAmount.value = 250000;
    c.interestRate.value = 6.25;
    c.loanTermYears.value = 30;
    c.product.value = "Fixed Rate";
    c.dateIssued.value = "2026-11-25"; // a Wednesday; Thanksgiving is the 26th
    c.closingDate.value = "2026-11-30";
    c.lenderCredits.value = -0.25;
    c.cureGiven.value = 0.25;
    c.Section(CostSection::A) = {Line("Origination Fee", 1101)};
    c.Section(CostSection::B) = {Line("Appraisal Fee", 475), Line("Survey Fee", 390)};
    c.Section(CostSection::E) = {Line("Recording Fees", 125)};
    c.loanCalculations.apr.value = 6.75;
    return reader::ClosingToJson(c);
}

// Page 2 alone: no cost lines, so what is owed cannot be told; the cure given can.
QByteArray FragmentJson() {
    reader::ClosingReading c;
    c.cureGiven.value = 200;
    c.lenderCredits.value = -500;
    c.missingPages = {1, 3, 4, 5};
    return reader::ClosingToJson(c);
}

struct Ran {
    int status = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject Json() const { return QJsonDocument::fromJson(out).object(); }
};

// The command run here, its standard output and error caught in files.
Ran Check(const QString& reader, const QString& closing, const QString& estimate,
          const char* received = nullptr, bool mailed = false) {
    QTemporaryDir dir;
    const QByteArray outPath = QFile::encodeName(dir.filePath(QStringLiteral("out")));
    const QByteArray errPath = QFile::encodeName(dir.filePath(QStringLiteral("err")));
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = ::dup(1);
    const int savedErr = ::dup(2);
    FILE* out = std::fopen(outPath.constData(), "w");
    FILE* err = std::fopen(errPath.constData(), "w");
    ::dup2(::fileno(out), 1);
    ::dup2(::fileno(err), 2);
    Ran ran;
    ran.status = RunCheckCommand(reader, QFile::encodeName(closing).constData(),
                                 QFile::encodeName(estimate).constData(), received, mailed);
    std::fflush(stdout);
    std::fflush(stderr);
    ::dup2(savedOut, 1);
    ::dup2(savedErr, 2);
    ::close(savedOut);
    ::close(savedErr);
    std::fclose(out);
    std::fclose(err);
    QFile o(QFile::decodeName(outPath));
    QFile e(QFile::decodeName(errPath));
    if (o.open(QIODevice::ReadOnly))
        ran.out = o.readAll();
    if (e.open(QIODevice::ReadOnly))
        ran.err = e.readAll();
    return ran;
}

QJsonObject LineOf(const QJsonObject& check, const QString& label) {
    for (const QJsonValue& line : check.value(QStringLiteral("lines")).toArray())
        if (line.toObject().value(QStringLiteral("label")).toString() == label)
            return line.toObject();
    return {};
}

} // namespace

class CheckCommandTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString reader_;
    QString File(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase() {
        QVERIFY(WriteFile(File("cd.json"), ClosingJson()));
        QVERIFY(WriteFile(File("le.json"), EstimateJson()));
        QVERIFY(WriteFile(File("fragment.json"), FragmentJson()));
        for (const char* pdf : {"cd.pdf", "le.pdf", "refused.pdf", "crash.pdf", "garbage.pdf",
                                "failed.pdf", "fragment.pdf"})
            QVERIFY(WriteFile(File(pdf), "%PDF-1.4\n"));
        reader_ = File("reader.sh");
        const QByteArray script =
            "#!/bin/sh\n"
            "case \"$2\" in\n"
            "  *refused*) echo 'plumcrest: This is a Loan Estimate, not a Closing Disclosure.' "
            ">&2; echo 'a second line' >&2; exit 2;;\n"
            "  *crash*) kill -SEGV $$;;\n"
            "  *garbage*) echo 'not a reading'; exit 0;;\n"
            "  *failed*) echo 'terminate called after throwing std::bad_alloc' >&2; exit 1;;\n"
            "  *fragment*) cat '" +
            QFile::encodeName(File("fragment.json")) +
            "'; exit 0;;\n"
            "esac\n"
            "case \"$1\" in\n"
            "  --read-closing-disclosure) cat '" +
            QFile::encodeName(File("cd.json")) +
            "';;\n"
            "  --read-loan-estimate) cat '" +
            QFile::encodeName(File("le.json")) +
            "';;\n"
            "  *) exit 3;;\n"
            "esac\n";
        QVERIFY(WriteFile(reader_, script));
        QVERIFY(
            QFile::setPermissions(reader_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    // State: the readings above, received on the day issued (given).
    // Expected: the dollar owed for the origination fee, less the 0.25 given; the 10 % group
    //   inside its limit; the survey moved from C; the APR's rise needs a new wait; three
    //   business days to closing (Thanksgiving and the Sunday not counted), so in time.
    void prints_the_check_of_both_readings() {
        const Ran ran = Check(reader_, File("cd.pdf"), File("le.pdf"), "2026-11-25");
        QCOMPARE(ran.status, 0);
        QVERIFY2(ran.err.isEmpty(), ran.err.constData());
        const QJsonObject check = ran.Json();
        QCOMPARE(check.value(QStringLiteral("cureOwed")).toDouble(), 1.0);
        QCOMPARE(check.value(QStringLiteral("cureGiven")).toDouble(), 0.25);
        QCOMPARE(check.value(QStringLiteral("cureStillOwed")).toDouble(), 0.75);
        QCOMPARE(check.value(QStringLiteral("zeroToleranceExcess")).toDouble(), 1.0);
        const QJsonObject group = check.value(QStringLiteral("tenPercentGroup")).toObject();
        QCOMPARE(group.value(QStringLiteral("loanEstimate")).toDouble(), 500.0);
        QCOMPARE(group.value(QStringLiteral("closingDisclosure")).toDouble(), 515.0);
        QCOMPARE(group.value(QStringLiteral("limit")).toDouble(), 550.0);
        const QJsonObject origination = LineOf(check, QStringLiteral("Origination Fee"));
        QCOMPARE(origination.value(QStringLiteral("category")).toString(), QStringLiteral("zero"));
        QCOMPARE(origination.value(QStringLiteral("section")).toString(), QStringLiteral("A"));
        QCOMPARE(origination.value(QStringLiteral("loanEstimate")).toDouble(), 1100.0);
        QCOMPARE(origination.value(QStringLiteral("closingDisclosure")).toDouble(), 1101.0);
        QCOMPARE(origination.value(QStringLiteral("change")).toDouble(), 1.0);
        const QJsonObject survey = LineOf(check, QStringLiteral("Survey Fee"));
        QCOMPARE(survey.value(QStringLiteral("category")).toString(), QStringLiteral("tenPercent"));
        QCOMPARE(survey.value(QStringLiteral("section")).toString(), QStringLiteral("B"));
        QCOMPARE(survey.value(QStringLiteral("estimateSection")).toString(), QStringLiteral("C"));
        QCOMPARE(survey.value(QStringLiteral("moved")).toBool(), true);
        QCOMPARE(survey.value(QStringLiteral("renamed")).toBool(), false);
        QCOMPARE(survey.value(QStringLiteral("closingPlace"))
                     .toObject()
                     .value(QStringLiteral("index"))
                     .toInt(),
                 1);
        const QJsonObject wait = check.value(QStringLiteral("newWaitingPeriod")).toObject();
        QCOMPARE(wait.value(QStringLiteral("required")).toBool(), true);
        QCOMPARE(wait.value(QStringLiteral("reasons")).toArray(),
                 QJsonArray{QStringLiteral("aprRose")});
        QVERIFY(std::fabs(check.value(QStringLiteral("aprChange")).toDouble() - 0.25) < 1e-9);
        QCOMPARE(check.value(QStringLiteral("dateIssued")).toString(),
                 QStringLiteral("2026-11-25"));
        QCOMPARE(check.value(QStringLiteral("closingDate")).toString(),
                 QStringLiteral("2026-11-30"));
        QCOMPARE(check.value(QStringLiteral("received")).toString(), QStringLiteral("2026-11-25"));
        QCOMPARE(check.value(QStringLiteral("receivedAssumed")).toBool(), false);
        QCOMPARE(check.value(QStringLiteral("businessDaysBeforeClosing")).toInt(), 3);
        QCOMPARE(check.value(QStringLiteral("receivedInTime")).toBool(), true);
        QCOMPARE(check.value(QStringLiteral("earliestClosing")).toString(),
                 QStringLiteral("2026-11-30"));
        const QJsonArray calculations = check.value(QStringLiteral("loanCalculations")).toArray();
        QCOMPARE(calculations.size(), 5);
        QCOMPARE(calculations.at(3).toObject().value(QStringLiteral("name")).toString(),
                 QStringLiteral("apr"));
        QCOMPARE(calculations.at(3).toObject().value(QStringLiteral("printed")).toDouble(), 6.75);
        QCOMPARE(check.value(QStringLiteral("aprTolerance")).toDouble(), 0.125);
        QCOMPARE(check.value(QStringLiteral("linesRead")).toBool(), true);

        // Page 2 alone: the cure given, and nothing said of what is owed.
        const QJsonObject fragment = Check(reader_, File("fragment.pdf"), File("le.pdf")).Json();
        QCOMPARE(fragment.value(QStringLiteral("linesRead")).toBool(), false);
        QCOMPARE(fragment.value(QStringLiteral("cureGiven")).toDouble(), 200.0);
        QVERIFY(fragment.value(QStringLiteral("cureOwed")).isNull());
        QVERIFY(fragment.value(QStringLiteral("cureStillOwed")).isNull());

        // Mailed, and no day given: received three business days after it was sent, the day of
        // closing itself, so too late.
        const QJsonObject mailed = Check(reader_, File("cd.pdf"), File("le.pdf"), "", true).Json();
        QCOMPARE(mailed.value(QStringLiteral("received")).toString(), QStringLiteral("2026-11-30"));
        QCOMPARE(mailed.value(QStringLiteral("receivedAssumed")).toBool(), true);
        QCOMPARE(mailed.value(QStringLiteral("businessDaysBeforeClosing")).toInt(), 0);
        QCOMPARE(mailed.value(QStringLiteral("receivedInTime")).toBool(), false);
    }

    // Each refusal is one line on standard error, naming the file and why, status 2, nothing on
    // standard output.
    void refuses_with_one_line_that_names_the_file() {
        const struct {
            const char* closing;
            const char* estimate;
            const char* received;
            const char* says;
        } cases[] = {
            {"cd.pdf", "le.pdf", "2026-02-30", "YYYY-MM-DD"},
            {"cd.pdf", "le.pdf", "11/25/2026", "YYYY-MM-DD"},
            {"refused.pdf", "le.pdf", nullptr,
             "refused.pdf: This is a Loan Estimate, not a Closing Disclosure."},
            {"cd.pdf", "refused.pdf", nullptr, "refused.pdf: This is a Loan Estimate"},
            {"crash.pdf", "le.pdf", nullptr, "crash.pdf: This file could not be read"},
            {"cd.pdf", "garbage.pdf", nullptr, "could not be understood"},
            // What a reader says when it fails otherwise is not the buyer's to read.
            {"failed.pdf", "le.pdf", nullptr, "failed.pdf: This file could not be read"},
            {"missing.pdf", "le.pdf", nullptr, "missing.pdf: There is no such file."},
        };
        for (const auto& each : cases) {
            const Ran ran = Check(reader_, File(each.closing), File(each.estimate), each.received);
            QCOMPARE(ran.status, 2);
            QVERIFY2(ran.out.isEmpty(), ran.out.constData());
            QVERIFY2(ran.err.startsWith("plumcrest: "), ran.err.constData());
            QVERIFY2(!ran.err.mid(11).contains("plumcrest: "), ran.err.constData());
            QVERIFY2(ran.err.contains(each.says), ran.err.constData());
            QCOMPARE(ran.err.count('\n'), 1);
        }
    }

    // The buyer's choices as kept with the offer, read back whole; a kept text this program
    // could not have written gives none.
    void choices_are_kept_as_json_and_read_back_whole() {
        CheckChoices choices;
        choices.pairings = {{{"B", 3}, LinePlace{"C", 1}}, {{"H", 0}, std::nullopt}};
        choices.categories = {{{"C", 2}, Tolerance::TenPercent}, {{"B", 4}, Tolerance::Zero}};
        choices.received = ParseIsoDay("2026-11-27");
        choices.mailed = true;
        choices.estimatePrepaymentPenalty = false;
        const auto back = ChoicesFromJson(ChoicesToJson(choices));
        QVERIFY(back);
        QCOMPARE(back->pairings.size(), 2u);
        QVERIFY(back->pairings[0].closing == (LinePlace{"B", 3}));
        QVERIFY(back->pairings[0].estimate == (LinePlace{"C", 1}));
        QVERIFY(back->pairings[1].closing == (LinePlace{"H", 0}));
        QVERIFY(!back->pairings[1].estimate);
        QCOMPARE(back->categories.size(), 2u);
        QVERIFY(back->categories[0].closing == (LinePlace{"C", 2}));
        QCOMPARE(back->categories[0].category, Tolerance::TenPercent);
        QCOMPARE(back->categories[1].category, Tolerance::Zero);
        QVERIFY(back->received == choices.received);
        QCOMPARE(back->mailed, true);
        QCOMPARE(back->estimatePrepaymentPenalty, std::optional<bool>(false));

        const auto none = ChoicesFromJson(ChoicesToJson({}));
        QVERIFY(none);
        QVERIFY(none->pairings.empty() && none->categories.empty() && !none->received &&
                !none->mailed && !none->estimatePrepaymentPenalty);

        for (const char* damaged :
             {"", "[]", "{\"received\":\"2026-13-01\"}", "{\"received\":20261127}",
              "{\"categories\":[{\"closing\":{\"section\":\"C\",\"index\":2},"
              "\"category\":\"some\"}]}",
              "{\"pairings\":[{\"closing\":{\"section\":\"Q\",\"index\":0},\"estimate\":null}]}",
              "{\"pairings\":[{\"closing\":{\"section\":\"AB\",\"index\":0},\"estimate\":null}]}",
              "{\"pairings\":[{\"closing\":{\"section\":\"B\",\"index\":-1},\"estimate\":null}]}",
              "{\"pairings\":[{\"closing\":{\"section\":\"B\",\"index\":1.5},\"estimate\":null}]}",
              "{\"pairings\":[{\"closing\":{\"section\":\"B\"},\"estimate\":null}]}",
              "{\"pairings\":[{\"closing\":{\"section\":\"B\",\"index\":0},"
              "\"estimate\":{\"section\":\"C\"}}]}"})
            QVERIFY2(!ChoicesFromJson(damaged), damaged);
    }
};

QTEST_GUILESS_MAIN(CheckCommandTest)
#include "CheckCommandTest.moc"
