// The regulator's interest-only adjustable Loan Estimate (H-24(C)) as the buyer takes it in:
// read, reviewed, kept with OK, and opened again by the next run of the program, which must give
// the same figures the form prints. The forms folder is outside the repository; without it the
// test skips.

#include "EstimateImport.h"
#include "OfferEditor.h"
#include "OfferFigures.h"
#include "OfferStore.h"
#include "PdfWords.h"
#include "ReadingChecks.h"
#include "ReadingJson.h"
#include "SourceFile.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace plumcrest;
using namespace plumcrest::offers;

namespace {

const LocaleSeparators kUs{U'.', U','};

QString FormFile(const QString& name) {
    const QByteArray chosen = qgetenv("PLUMCREST_FORMS_DIR");
    QStringList folders;
    if (!chosen.isEmpty())
        folders << QString::fromLocal8Bit(chosen);
    const QDir source(QStringLiteral(PLUMCREST_SOURCE_DIR));
    folders << source.filePath(QStringLiteral("../shared/forms"))
            << source.filePath(QStringLiteral("../../shared/forms"));
    for (const QString& folder : folders)
        if (QFile::exists(QDir(folder).filePath(name)))
            return QDir(folder).filePath(name);
    return {};
}

} // namespace

class RealFormKeptTest : public QObject {
    Q_OBJECT

private slots:
    // State: H-24(C), five years of interest only on a 5/3 adjustable rate.  Action: read as the
    // reader process hands it over (through its JSON), OK in the review, kept, the file opened
    // again.  Expected: the 60 months shown in the editor and kept; the kept offer's figures
    // those of the offer as reviewed and of the form: 703.33 of interest alone for years 1-5,
    // nothing of the principal paid off in 5 years, 54,944 paid.
    void interest_only_form_is_kept_and_read_back_with_its_figures() {
        const QString file = FormFile(QStringLiteral("cfpb-h24c-arm-io.pdf"));
        if (file.isEmpty())
            QSKIP("the regulator's sample forms are not beside the tree (PLUMCREST_FORMS_DIR)");
        const reader::SourceBytes source = reader::ReadSourceFile(QFile::encodeName(file));
        QCOMPARE(source.problem, reader::SourceProblem::None);
        const reader::PdfWords words = reader::ReadPdfWords(source.bytes);
        QCOMPARE(words.refusal, reader::Refusal::None);
        const reader::FormReading form = reader::ReadForm(words.pages);
        QCOMPARE(form.kind, reader::FormKind::LoanEstimate);
        const auto read =
            reader::FromJson(reader::ToJson(form.reading, reader::CheckReading(form.reading)));
        QVERIFY(read);

        OfferEditor editor(OfferOfReading(read->reading), kUs, nullptr);
        ShowReadingIn(editor, *read, kUs);
        QCOMPARE(editor.NumberField("interestOnlyMonths")->text(), QStringLiteral("60"));
        // Where it was read: the Adjustable Payment table, on the file's page 3 (the form's page 2,
        // after the cover page).
        QVERIFY2(editor.NumberField("interestOnlyMonths")
                     ->toolTip()
                     .startsWith(QStringLiteral("Read on the Loan Estimate, page 3,")),
                 qPrintable(editor.NumberField("interestOnlyMonths")->toolTip()));
        const std::optional<store::KeptOffer> reviewed = editor.EditedOffer();
        QVERIFY(reviewed);
        QCOMPARE(reviewed->estimate.interestOnlyMonths, 60);

        QTemporaryDir home;
        store::KeptOffer offer = *reviewed;
        {
            store::OfferStore store(home.path());
            QVERIFY(store.Open());
            QVERIFY2(store.Add(offer), qPrintable(store.Error()));
        }
        store::OfferStore again(home.path());
        QVERIFY(again.Open());
        const auto kept = again.All();
        QCOMPARE(kept.size(), std::size_t{1});
        QVERIFY(kept[0].estimate == reviewed->estimate);

        const OfferFigures before = FigureOffer(reviewed->estimate);
        const OfferFigures after = FigureOffer(kept[0].estimate);
        QVERIFY(!after.projected.empty());
        QCOMPARE(after.projected.front().principalInterest, Cents{70333});
        QCOMPARE(after.inFiveYears.principalPaidOff, Cents{0});
        QCOMPARE(after.inFiveYears.totalPaid / 100, Cents{54944});
        QCOMPARE(after.inFiveYears.totalPaid, before.inFiveYears.totalPaid);
        QCOMPARE(after.projected.size(), before.projected.size());
        for (std::size_t i = 0; i < after.projected.size(); ++i) {
            QCOMPARE(after.projected[i].lowPrincipalInterest,
                     before.projected[i].lowPrincipalInterest);
            QCOMPARE(after.projected[i].highPrincipalInterest,
                     before.projected[i].highPrincipalInterest);
        }
        QCOMPARE(after.tip, before.tip);
        QCOMPARE(after.lenderApr, before.lenderApr);
        QCOMPARE(after.financeCharge, before.financeCharge);
    }
};

QTEST_MAIN(RealFormKeptTest)
#include "RealFormKeptTest.moc"
