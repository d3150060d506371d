// The help file explains every field of the calculator page under the field's own caption.

#include "HelpChmFile.h"
#include "LoanFields.h"

#include <QTest>

using namespace plumcrest;
using namespace plumcrest::help;

class FieldTopicsTest : public QObject {
    Q_OBJECT

private slots:
    void every_field_has_its_topic_in_the_contents();
};

void FieldTopicsTest::every_field_has_its_topic_in_the_contents() {
    const auto file = ChmFile::Open(QStringLiteral(PLUMCREST_HELP_FILE));
    QVERIFY2(file, PLUMCREST_HELP_FILE);
    const auto contents = file->Contents();
    for (const LoanField& row : kLoanPageFields) {
        const QString topic = QString::fromLatin1(row.helpTopic);
        QVERIFY2(file->Contains("/" + topic), row.helpTopic);
        QString caption = QString::fromUtf8(row.caption);
        caption.chop(1); // the label's colon
        const auto entry =
            std::find_if(contents.begin(), contents.end(),
                         [&](const ChmContentsEntry& e) { return e.local == topic; });
        QVERIFY2(entry != contents.end(), row.helpTopic);
        QCOMPARE(entry->name, caption);
    }
}

QTEST_GUILESS_MAIN(FieldTopicsTest)
#include "FieldTopicsTest.moc"
