// The language the calculator shows: kept in the saved settings, switched at once from
// View > Language without touching what is typed, and English byte for byte when chosen.

#include "PlumcrestApplication.h"
#include "Translations.h"
#include "WindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

using namespace plumcrest;
using namespace plumcrest::testing;

namespace {

QAction* Action(TfrmMain& w, const char* name) {
    auto* action = w.findChild<QAction*>(QString::fromLatin1(name));
    if (!action)
        qFatal("no action %s", name);
    return action;
}

QString Label(TfrmMain& w, const char* name) {
    return w.Page1->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QStringList MenuTitles(TfrmMain& w) {
    QStringList titles;
    for (QAction* action : w.menuBar()->actions())
        titles << action->text();
    return titles;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void a_kept_spanish_choice_opens_in_spanish_and_english_comes_back_exactly();
    void switching_keeps_what_is_typed_and_keeps_the_choice();
    void a_kept_choice_wins_over_the_system_and_english_keeps_its_plurals();
    void a_window_made_after_the_start_shows_its_texts_at_once();
};

void LanguageTest::a_kept_spanish_choice_opens_in_spanish_and_english_comes_back_exactly() {
    WindowFixture fx;
    fx.WriteIni("[GeneralValues]\nRun=1\n[Display]\nLanguage=Spanish\n");
    TfrmMain& w = fx.Open();
    QCOMPARE(Label(w, "Label3"), QStringLiteral("Plazo en años:"));
    QCOMPARE(Label(w, "Label2"), QStringLiteral("Tasa de interés:"));
    QVERIFY(Action(w, "mnuViewLanguageSpanish")->isChecked());
    QVERIFY(fx.platform.help.helpFile.endsWith(QStringLiteral("/plumcrestcalc_es.chm")));
    QVERIFY(!MenuTitles(w).contains(QStringLiteral("&File")));

    Action(w, "mnuViewLanguageEnglish")->trigger();
    QCOMPARE(Label(w, "Label3"), QStringLiteral("Term in Years:"));
    QCOMPARE(Label(w, "Label5"), QStringLiteral("Home Purchase Price:"));
    QCOMPARE(Label(w, "Label6"), QStringLiteral("Monthly Payment (P&I):"));
    QCOMPARE(w.edtInterest->accessibleName(), QStringLiteral("Interest Rate"));
    QCOMPARE(MenuTitles(w),
             (QStringList{QStringLiteral("&File"), QStringLiteral("&View"),
                          QStringLiteral("&Quillmore Online"), QStringLiteral("&Help")}));
    QCOMPARE(Action(w, "mnuFileReset")->text(), QStringLiteral("&Reset"));
    QCOMPARE(w.btnReset->accessibleName(), QStringLiteral("Reset"));
    QVERIFY(fx.platform.help.helpFile.endsWith(QStringLiteral("/plumcrestcalc.chm")));
}

void LanguageTest::switching_keeps_what_is_typed_and_keeps_the_choice() {
    WindowFixture fx;
    fx.WriteIni("[GeneralValues]\nRun=1\n");
    TfrmMain& w = fx.Open();
    QCOMPARE(Label(w, "Label3"), QStringLiteral("Term in Years:"));
    w.edtPurchasePrice->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.edtPurchasePrice, QStringLiteral("2345678"));
    const QString typed = Shown(w.edtPurchasePrice);
    const QString payment = Shown(w.edtPayment);

    Action(w, "mnuViewLanguageSpanish")->trigger();
    QCOMPARE(Label(w, "Label3"), QStringLiteral("Plazo en años:"));
    QCOMPARE(Shown(w.edtPurchasePrice), typed);
    QCOMPARE(Shown(w.edtPayment), payment);
    QCOMPARE(QApplication::focusWidget(), w.edtPurchasePrice);
    // Every label still ends where its field begins, whatever the longer words need.
    for (QLabel* label : w.Page1->findChildren<QLabel*>())
        QVERIFY2(label->geometry().left() >= 0 && label->width() >= label->sizeHint().width(),
                 qPrintable(label->text()));
    QVERIFY(fx.ReadIni().contains("[Display]\nLanguage=Spanish"));
    QVERIFY(fx.platform.messages.shown.empty());
}

void LanguageTest::a_kept_choice_wins_over_the_system_and_english_keeps_its_plurals() {
    using namespace plumcrest::translations;
    const QLocale mexico(QLocale::Spanish, QLocale::Mexico);
    QCOMPARE(ShownLocale(LanguageFromKey(QStringLiteral("English")), mexico).language(),
             QLocale::English);
    QCOMPARE(ShownLocale(LanguageFromKey(QStringLiteral("Spanish")), QLocale(QLocale::German))
                 .language(),
             QLocale::Spanish);
    // Spanish on a Spanish system keeps the system's country, and so its numbers.
    QCOMPARE(ShownLocale(LanguageFromKey(QStringLiteral("Spanish")), mexico), mexico);
    QCOMPARE(ShownLocale(LanguageFromKey(QStringLiteral("whatever")), mexico), mexico);

    InstallTranslators(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(!ShowingSpanish());
    QCOMPARE(QCoreApplication::translate("plumcrest::compare::CostChart", "%n year(s)", nullptr, 1),
             QStringLiteral("1 year"));
    InstallTranslators(*qApp, mexico);
    QVERIFY(ShowingSpanish());
    QCOMPARE(QCoreApplication::translate("plumcrest::compare::CostChart", "%n year(s)", nullptr, 1),
             QStringLiteral("1 año"));
    InstallTranslators(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
}

void LanguageTest::a_window_made_after_the_start_shows_its_texts_at_once() {
    translations::InstallTranslators(*qApp, QLocale(QLocale::Spanish, QLocale::UnitedStates));
    QLabel later;
    translations::Live(&later, [&later] {
        later.setText(QCoreApplication::translate("plumcrest::TfrmMain", "Interest Rate:"));
    });
    QCOMPARE(later.text(), QStringLiteral("Tasa de interés:"));
    translations::InstallTranslators(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(later.text(), QStringLiteral("Interest Rate:"));
}

int main(int argc, char** argv) {
    plumcrest::PlumcrestApplication app(argc, argv);
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LanguageTest.moc"
