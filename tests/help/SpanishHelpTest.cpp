// The help in Spanish: the second help file opens in the viewer, answers every context number the
// program asks for with the same topic as the English file, has the same topics and contents, and
// names its figures with the glossary's words; and the choice of file by language.

#include "ChmHelpViewerImpl.h"
#include "HelpChmFile.h"
#include "HelpFileName.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QtTest>
#include <map>
#include <optional>

using plumcrest::help::BuiltHelpFileIdentity;
using plumcrest::help::ChmFile;
using plumcrest::help::ChmHelpViewer;
using plumcrest::help::HelpFileNameFor;
using plumcrest::help::HelpPage;

namespace {

const QString kEnglishFile = QStringLiteral(PLUMCREST_HELP_FILE);
const QString kSpanishFile = QStringLiteral(PLUMCREST_HELP_ES_FILE);

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every context number the help files are compiled with, by its name.
std::map<QString, int> ContextNumbers() {
    std::map<QString, int> numbers;
    const QRegularExpression define(QStringLiteral(R"(^#define\s+(\w+)\s+(\d+)\s*$)"),
                                    QRegularExpression::MultilineOption);
    auto it = define.globalMatch(ReadText(QStringLiteral(PLUMCREST_HELP_SOURCE_DIR "/context.h")));
    while (it.hasNext()) {
        const auto match = it.next();
        numbers[match.captured(1)] = match.captured(2).toInt();
    }
    return numbers;
}

// English term -> Spanish term.
std::map<QString, QString> Glossary() {
    std::map<QString, QString> terms;
    const QStringList lines = ReadText(QStringLiteral(PLUMCREST_GLOSSARY)).split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList columns = lines[i].split(QLatin1Char('\t'));
        if (columns.size() == 2)
            terms[columns[0]] = columns[1];
    }
    return terms;
}

QString TopicTitle(const QByteArray& html) {
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    QString text = title.match(QString::fromUtf8(html)).captured(1);
    return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

} // namespace

class SpanishHelpTest : public QObject {
    Q_OBJECT

private slots:
    void every_context_opens_the_same_topic_as_in_english();
    void same_topics_contents_and_links_as_english();
    void topic_titles_use_the_glossary_terms();
    void viewer_shows_the_spanish_help();
    void help_file_follows_the_language_data();
    void help_file_follows_the_language();
};

// The program asks both files by the same numbers: a number the Spanish file lacks would show the
// viewer's not-found page to a Spanish reader.
void SpanishHelpTest::every_context_opens_the_same_topic_as_in_english() {
    const auto english = ChmFile::Open(kEnglishFile);
    const auto spanish = ChmFile::OpenBuilt(kSpanishFile);
    QVERIFY2(english, qPrintable(kEnglishFile));
    QVERIFY2(spanish, qPrintable(kSpanishFile));
    const auto numbers = ContextNumbers();
    QCOMPARE(numbers.size(), std::size_t(13));
    for (const auto& [name, number] : numbers) {
        const auto topic = spanish->TopicForContext(number);
        QVERIFY2(topic && spanish->Contains(*topic), qPrintable(name));
        QCOMPARE(topic, english->TopicForContext(number));
    }
    QCOMPARE(spanish->TopicForContext(10001), std::optional<QString>());
    QCOMPARE(spanish->DefaultTopic(), english->DefaultTopic());
}

void SpanishHelpTest::same_topics_contents_and_links_as_english() {
    const auto english = ChmFile::Open(kEnglishFile);
    const auto spanish = ChmFile::OpenBuilt(kSpanishFile);
    QVERIFY(english && spanish);
    QCOMPARE(spanish->System().title, QStringLiteral("Ayuda de Plumcrest"));

    // The same tree over the same files, each entry in Spanish.
    const auto englishContents = english->Contents();
    const auto spanishContents = spanish->Contents();
    QCOMPARE(spanishContents.size(), englishContents.size());
    for (std::size_t i = 0; i < spanishContents.size(); ++i) {
        QCOMPARE(spanishContents[i].local, englishContents[i].local);
        QCOMPARE(spanishContents[i].depth, englishContents[i].depth);
        QVERIFY2(spanishContents[i].name != englishContents[i].name,
                 qPrintable(spanishContents[i].name));
    }

    const QStringList englishTopics =
        QDir(QStringLiteral(PLUMCREST_HELP_SOURCE_DIR)).entryList({QStringLiteral("*.htm")});
    const QStringList spanishTopics =
        QDir(QStringLiteral(PLUMCREST_HELP_ES_SOURCE_DIR)).entryList({QStringLiteral("*.htm")});
    QCOMPARE(spanishTopics, englishTopics);
    // A topic links where its English original does, and every link is in the file.
    const QRegularExpression link(QStringLiteral(R"re((?:href|src)="([^"#:]+)(?:#[^"]*)?")re"));
    for (const QString& topic : spanishTopics) {
        const auto html = spanish->Read("/" + topic);
        const auto original = english->Read("/" + topic);
        QVERIFY2(html && original, qPrintable(topic));
        QStringList targets;
        QStringList originalTargets;
        for (auto it = link.globalMatch(QString::fromUtf8(*html)); it.hasNext();)
            targets << it.next().captured(1);
        for (auto it = link.globalMatch(QString::fromUtf8(*original)); it.hasNext();)
            originalTargets << it.next().captured(1);
        QCOMPARE(targets, originalTargets);
        for (const QString& target : targets)
            QVERIFY2(spanish->Contains("/" + target), qPrintable(topic + " -> " + target));
        QVERIFY2(TopicTitle(*html) != TopicTitle(*original), qPrintable(topic));
    }
}

// A field's topic is titled with the word the program's Spanish caption uses for it.
void SpanishHelpTest::topic_titles_use_the_glossary_terms() {
    const auto english = ChmFile::Open(kEnglishFile);
    const auto spanish = ChmFile::OpenBuilt(kSpanishFile);
    QVERIFY(english && spanish);
    const auto glossary = Glossary();
    QVERIFY(glossary.size() > 60);
    QCOMPARE(glossary.at(QStringLiteral("Estimated Total Monthly Payment")),
             QStringLiteral("Pago total mensual estimado"));
    int named = 0;
    for (const QString& topic :
         QDir(QStringLiteral(PLUMCREST_HELP_ES_SOURCE_DIR)).entryList({QStringLiteral("*.htm")})) {
        const QString title = TopicTitle(*english->Read("/" + topic));
        const auto term = glossary.find(title);
        if (term == glossary.end())
            continue;
        QCOMPARE(TopicTitle(*spanish->Read("/" + topic)), term->second);
        ++named;
    }
    // The thirteen inputs and five results.
    QCOMPARE(named, 18);
}

// State: the program shows Spanish.  Action: help for the first run, then a field's entry in the
// contents.  Expected: the Spanish welcome with the example's figures, the contents in Spanish.
void SpanishHelpTest::viewer_shows_the_spanish_help() {
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kSpanishFile);
    viewer.ShowContext(10000);

    QCOMPARE(viewer.Page(), HelpPage::Topic);
    QCOMPARE(viewer.Window()->windowTitle(), QStringLiteral("Ayuda de Plumcrest"));
    QCOMPARE(viewer.Topic(), QStringLiteral("/welcome.htm"));
    QCOMPARE(viewer.DocumentTitle(), QStringLiteral("Bienvenido a Plumcrest"));
    for (const char* words :
         {"Tasa porcentual anual", "Monto del préstamo", "120,000.00", "7.0746"})
        QVERIFY2(viewer.Text().contains(QString::fromUtf8(words)), words);

    auto* tree = viewer.Window()->findChild<QTreeWidget*>();
    QVERIFY(tree);
    QCOMPARE(tree->topLevelItemCount(), 15);
    const auto found = tree->findItems(QString::fromUtf8("Monto del préstamo"),
                                       Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    viewer.ShowContext(10103);
    QCOMPARE(viewer.Topic(), QStringLiteral("/schedule.htm"));
    QCOMPARE(viewer.DocumentTitle(), QString::fromUtf8("La tabla de amortización"));
    viewer.Quit();

    // The Spanish file is one of the two this build made, not any file: the English identity
    // alone refuses it.
    QVERIFY(!ChmFile::Open(kSpanishFile, BuiltHelpFileIdentity()));
}

void SpanishHelpTest::help_file_follows_the_language_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    const QString es = QStringLiteral("plumcrestcalc_es.chm");
    const QString en = QStringLiteral("plumcrestcalc.chm");
    QTest::newRow("es") << "es" << es;
    QTest::newRow("es_US") << "es_US" << es;
    QTest::newRow("es-MX") << "es-MX" << es;
    QTest::newRow("es_ES.UTF-8") << "es_ES.UTF-8" << es;
    QTest::newRow("upper case") << "ES_us" << es;
    QTest::newRow("en_US") << "en_US" << en;
    QTest::newRow("system default") << "" << en;
    QTest::newRow("C") << "C" << en;
    QTest::newRow("Estonian") << "et_EE" << en;
    QTest::newRow("three letters starting es") << "est" << en;
}

void SpanishHelpTest::help_file_follows_the_language() {
    QFETCH(QString, language);
    QTEST(HelpFileNameFor(language), "file");
}

QTEST_MAIN(SpanishHelpTest)
#include "SpanishHelpTest.moc"
