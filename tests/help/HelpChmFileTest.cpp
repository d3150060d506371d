// The help file reader: the parsers of #SYSTEM, the context map and the contents on damaged and
// sound bytes, and the help file this build compiles, read back through chmlib.

#include "HelpChmFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using plumcrest::help::ChmContentsEntry;
using plumcrest::help::ChmFile;
using plumcrest::help::LookUpContext;
using plumcrest::help::ParseChmSystem;
using plumcrest::help::ParseSiteMap;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

QByteArray Le(quint32 value, int width) {
    QByteArray bytes;
    for (int i = 0; i < width; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}

QByteArray SystemEntry(quint16 code, const QByteArray& text, bool terminated = true) {
    const QByteArray data = terminated ? text + '\0' : text;
    return Le(code, 2) + Le(quint32(data.size()), 2) + data;
}

QByteArray Ivb(const QList<QPair<quint32, quint32>>& pairs, int extraCount = 0) {
    QByteArray body;
    for (const auto& [context, offset] : pairs)
        body += Le(context, 4) + Le(offset, 4);
    return Le(quint32(body.size() + extraCount), 4) + body;
}

std::unique_ptr<ChmFile> BuiltFile() {
    return ChmFile::Open(QStringLiteral(PLUMCREST_HELP_FILE));
}

} // namespace

class HelpChmFileTest : public QObject {
    Q_OBJECT

private slots:
    void parsesSystemEntries_data();
    void parsesSystemEntries();
    void looksUpContexts_data();
    void looksUpContexts();
    void parsesNestedContentsWithEntities();
    void readsBuiltFileFacts();
    void resolvesRecordedPathsByTail_data();
    void resolvesRecordedPathsByTail();
    void everyContentsEntryAndLinkIsInTheFile();
    void refusesFilesThatAreNoHelpFile_data();
    void refusesFilesThatAreNoHelpFile();
};

void HelpChmFileTest::parsesSystemEntries_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("contents");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("title");
    const QByteArray version = Le(3, 4);
    QTest::newRow("all three") << version + SystemEntry(0, "toc.hhc") + SystemEntry(2, "a/b.htm") +
                                      SystemEntry(3, "My Help")
                               << "/toc.hhc"
                               << "/a/b.htm"
                               << "My Help";
    QTest::newRow("unknown codes skipped")
        << version + SystemEntry(9, "HHA Version 4.74.8702") + SystemEntry(3, "T") +
               SystemEntry(4, QByteArray(36, '\0'))
        << ""
        << ""
        << "T";
    QTest::newRow("text without NUL") << version + SystemEntry(3, "Bare", false) << ""
                                      << ""
                                      << "Bare";
    QTest::newRow("entry cut off is ignored")
        << version + SystemEntry(3, "Kept") + SystemEntry(2, "gone.htm").left(7) << ""
        << ""
        << "Kept";
    QTest::newRow("length beyond the end") << version + Le(3, 2) + Le(200, 2) + "short"
                                           << ""
                                           << ""
                                           << "";
    QTest::newRow("empty object") << QByteArray() << ""
                                  << ""
                                  << "";
    QTest::newRow("backslashes become slashes") << version + SystemEntry(2, "sub\\page.htm") << ""
                                                << "/sub/page.htm"
                                                << "";
}

void HelpChmFileTest::parsesSystemEntries() {
    QFETCH(QByteArray, bytes);
    const auto info = ParseChmSystem(bytes);
    QTEST(info.contentsFile, "contents");
    QTEST(info.defaultTopic, "topic");
    QTEST(info.title, "title");
}

void HelpChmFileTest::looksUpContexts_data() {
    QTest::addColumn<QByteArray>("ivb");
    QTest::addColumn<QByteArray>("strings");
    QTest::addColumn<quint32>("context");
    QTest::addColumn<std::optional<QString>>("expected");
    const QByteArray strings("\0/x/one.htm\0/x/two.htm\0", 23);
    const QByteArray ivb = Ivb({{10, 1}, {10000, 12}});
    QTest::newRow("first pair") << ivb << strings << 10u << std::optional<QString>("/x/one.htm");
    QTest::newRow("second pair") << ivb << strings << 10000u
                                 << std::optional<QString>("/x/two.htm");
    QTest::newRow("unknown context") << ivb << strings << 11u << std::optional<QString>();
    QTest::newRow("offset past the strings")
        << Ivb({{5, 400}}) << strings << 5u << std::optional<QString>();
    QTest::newRow("offset at an empty string")
        << Ivb({{5, 0}}) << strings << 5u << std::optional<QString>();
    QTest::newRow("count larger than the data")
        << Ivb({{7, 1}}, 64) << strings << 7u << std::optional<QString>("/x/one.htm");
    QTest::newRow("half a pair is not read")
        << Ivb({{7, 1}}).left(10) << strings << 7u << std::optional<QString>();
    QTest::newRow("too short for a count")
        << QByteArray("\x08\x00", 2) << strings << 0u << std::optional<QString>();
    QTest::newRow("last string without NUL") << Ivb({{3, 1}}) << QByteArray("\0/tail.htm", 10) << 3u
                                             << std::optional<QString>("/tail.htm");
}

void HelpChmFileTest::looksUpContexts() {
    QFETCH(QByteArray, ivb);
    QFETCH(QByteArray, strings);
    QFETCH(quint32, context);
    QTEST(LookUpContext(ivb, strings, context), "expected");
}

void HelpChmFileTest::parsesNestedContentsWithEntities() {
    const QByteArray hhc = R"(<HTML><BODY><UL>
      <LI><OBJECT type="text/sitemap"><param name="Name" value="Start">
          <param name="Local" value="start.htm"></OBJECT>
      <UL>
        <LI><object type="text/sitemap"><PARAM NAME="name" VALUE="Fees &amp; costs">
            <param name='Local' value='fees.htm#top'></object>
        <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Deep"></OBJECT></UL>
      </UL>
      <LI><OBJECT type="text/sitemap"><param name="Local" value=last.htm></OBJECT>
    </UL></BODY></HTML>)";
    const auto entries = ParseSiteMap(hhc);
    QCOMPARE(entries.size(), std::size_t(4));
    const QList<std::tuple<QString, QString, int>> expected = {
        {"Start", "start.htm", 0},
        {"Fees & costs", "fees.htm#top", 1},
        {"Deep", "", 2},
        {"", "last.htm", 0},
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& [name, local, depth] = expected[qsizetype(i)];
        QCOMPARE(entries[i].name, name);
        QCOMPARE(entries[i].local, local);
        QCOMPARE(entries[i].depth, depth);
    }
}

void HelpChmFileTest::readsBuiltFileFacts() {
    const auto file = BuiltFile();
    QVERIFY2(file, PLUMCREST_HELP_FILE);
    QCOMPARE(file->System().title, QStringLiteral("Plumcrest Help"));
    QCOMPARE(file->System().contentsFile, QStringLiteral("/contents.hhc"));
    QCOMPARE(file->DefaultTopic(), std::optional<QString>("/overview.htm"));
    QCOMPARE(file->TopicForContext(10000), std::optional<QString>("/welcome.htm"));
    QCOMPARE(file->TopicForContext(10001), std::optional<QString>());
    // The Compare window and the keep command open their topics by number.
    QCOMPARE(file->TopicForContext(10100), std::optional<QString>("/keep_offers.htm"));
    QCOMPARE(file->TopicForContext(10101), std::optional<QString>("/compare_offers.htm"));
    QCOMPARE(file->TopicForContext(10102), std::optional<QString>("/edit_offer.htm"));
    QCOMPARE(file->TopicForContext(10103), std::optional<QString>("/schedule.htm"));
    QCOMPARE(file->TopicForContext(10110), std::optional<QString>("/what_if.htm"));
    QCOMPARE(file->TopicForContext(10106), std::optional<QString>("/import.htm"));
    QCOMPARE(file->TopicForContext(-1), std::optional<QString>());
}

void HelpChmFileTest::resolvesRecordedPathsByTail_data() {
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<std::optional<QString>>("expected");
    QTest::newRow("absolute build path") << "/home/dev/build/resources/help-stage/welcome.htm"
                                         << std::optional<QString>("/welcome.htm");
    QTest::newRow("windows path") << "C:\\Projects\\help\\apr.htm"
                                  << std::optional<QString>("/apr.htm");
    QTest::newRow("relative name") << "term.htm" << std::optional<QString>("/term.htm");
    QTest::newRow("already an object path")
        << "/fields.htm" << std::optional<QString>("/fields.htm");
    QTest::newRow("no such topic") << "/home/dev/help/nothere.htm" << std::optional<QString>();
    QTest::newRow("empty") << "" << std::optional<QString>();
}

void HelpChmFileTest::resolvesRecordedPathsByTail() {
    QFETCH(QString, recorded);
    const auto file = BuiltFile();
    QVERIFY(file);
    QTEST(file->ResolveRecordedPath(recorded), "expected");
}

// Broken links in our own topics would show the viewer's not-found page to the user.
void HelpChmFileTest::everyContentsEntryAndLinkIsInTheFile() {
    const auto file = BuiltFile();
    QVERIFY(file);
    const auto contents = file->Contents();
    // 15 pages (3 of the calculator, keeping, comparing and editing offers, the chart, the
    // schedule, CSV, PDF and printing, what if, importing a Loan Estimate, which offer is best,
    // points or credits, keep or refinance, checking a Closing Disclosure), 2 group heads, 13
    // inputs, 5 results
    QCOMPARE(contents.size(), std::size_t(35));
    for (const ChmContentsEntry& entry : contents)
        QVERIFY2(file->Contains("/" + entry.local), qPrintable(entry.local));

    const QRegularExpression link(QStringLiteral(R"re((?:href|src)="([^"#:]+)(?:#[^"]*)?")re"));
    const QDir sources(QStringLiteral(PLUMCREST_HELP_SOURCE_DIR));
    const QStringList topics = sources.entryList({QStringLiteral("*.htm")});
    QCOMPARE(topics.size(), 33);
    int links = 0;
    for (const QString& topic : topics) {
        const auto html = file->Read("/" + topic);
        QVERIFY2(html, qPrintable(topic));
        auto it = link.globalMatch(QString::fromUtf8(*html));
        while (it.hasNext()) {
            const QString target = it.next().captured(1);
            QVERIFY2(file->Contains("/" + target), qPrintable(topic + " -> " + target));
            ++links;
        }
    }
    QVERIFY(links > 100);
}

void HelpChmFileTest::refusesFilesThatAreNoHelpFile_data() {
    QTest::addColumn<QByteArray>("content"); // empty with "missing" true: no file at all
    QTest::addColumn<bool>("missing");
    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("text") << QByteArray("[OPTIONS]\nTitle=Not compiled\n") << false;
    QTest::newRow("signature only") << QByteArray("ITSF") << false;
}

void HelpChmFileTest::refusesFilesThatAreNoHelpFile() {
    QFETCH(QByteArray, content);
    QFETCH(bool, missing);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plumcrestcalc.chm"));
    if (!missing) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    QVERIFY(!ChmFile::Open(path));
    QVERIFY(!ChmFile::Open(dir.path()));
    QVERIFY(!ChmFile::Open(QString()));
}

QTEST_GUILESS_MAIN(HelpChmFileTest)
#include "HelpChmFileTest.moc"
