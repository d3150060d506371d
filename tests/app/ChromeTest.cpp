// Menus, toolbar, status bar and the online links of the main window.

#include "PlumcrestApplication.h"
#include "TPanelStatusBar.h"
#include "TUrlLabel.h"
#include "WindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>

using namespace plumcrest;
using namespace plumcrest::testing;

namespace {
const QString kBase = QStringLiteral("https://www.quillmore.example");
const QString kSuffix = QStringLiteral("?ref=Plumcrest4");
using SenderOf = QObject* (*)(TfrmMain&);

// A double click as the window system delivers it: press, release, double click, release.
// (QTest::mouseDClick sends the double-click event alone.)
void DoubleClick(QWidget* widget, QPoint pos) {
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

} // namespace
Q_DECLARE_METATYPE(SenderOf)

class ChromeTest : public QObject {
    Q_OBJECT

private slots:
    void opens_the_page_of_each_sender_data();
    void opens_the_page_of_each_sender();
    void an_unknown_sender_reopens_the_current_address();
    void a_failed_open_only_beeps();
    void long_addresses_are_cut_to_1023_characters();
    void the_web_panel_opens_the_home_page_on_any_button();
    void status_bar_pointer_feedback_data();
    void status_bar_pointer_feedback();
    void the_hint_panel_fills_the_bar_after_a_resize();
    void hidden_items_never_show();
    void menus_carry_their_captions();
    void offer_commands_answer_the_keys_the_welcome_names();
    void help_commands_open_the_contents();
    void a_right_click_on_the_status_bar_clicks_then_opens_the_window_menu();
    void the_exit_button_closes_and_saves();
    void each_product_page_names_its_product();
};

void ChromeTest::opens_the_page_of_each_sender_data() {
    QTest::addColumn<SenderOf>("sender");
    QTest::addColumn<QString>("address");
    auto row = [](const char* name, SenderOf sender, const QString& address) {
        QTest::newRow(name) << sender << address;
    };
    row(
        "home", [](TfrmMain& w) -> QObject* { return w.mnuQOHome; },
        kBase + "/index.php" + kSuffix);
    row(
        "status_bar", [](TfrmMain& w) -> QObject* { return w.statusBar; },
        kBase + "/index.php" + kSuffix);
    row(
        "suggestion_box", [](TfrmMain& w) -> QObject* { return w.mnuQOSuggestionBox; },
        kBase + "/suggest.htm" + kSuffix);
    row(
        "freeware", [](TfrmMain& w) -> QObject* { return w.mnuQOFreeware; },
        kBase + "/freeware.htm" + kSuffix);
    row(
        "support", [](TfrmMain& w) -> QObject* { return w.mnuQOSupport; },
        kBase + "/faq.htm" + kSuffix);
    row(
        "information", [](TfrmMain& w) -> QObject* { return w.mnuQOApplicationInformation; },
        kBase + "/plumcrestcalculator.htm" + kSuffix);
    row(
        "blog", [](TfrmMain& w) -> QObject* { return w.mnuQOBlog; },
        kBase + "/blogsite.htm" + kSuffix);
    row(
        "site_1", [](TfrmMain& w) -> QObject* { return w.mnuQOSites[0]; },
        "https://calculators.quillmore.example/index.htm" + kSuffix);
    row(
        "site_2", [](TfrmMain& w) -> QObject* { return w.mnuQOSites[1]; },
        "https://notebook.quillmore.example/index.htm" + kSuffix);
    row(
        "product_1", [](TfrmMain& w) -> QObject* { return w.mnuQOProducts[0]; },
        kBase + "/ledgerly.htm" + kSuffix);
    row(
        "product_2", [](TfrmMain& w) -> QObject* { return w.mnuQOProducts[1]; },
        kBase + "/rentwise.htm" + kSuffix);
    row(
        "product_3", [](TfrmMain& w) -> QObject* { return w.mnuQOProducts[2]; },
        kBase + "/amortiza.htm" + kSuffix);
    row(
        "product_4", [](TfrmMain& w) -> QObject* { return w.mnuQOProducts[3]; },
        kBase + "/refinery.htm" + kSuffix);
    row(
        "product_5", [](TfrmMain& w) -> QObject* { return w.mnuQOProducts[4]; },
        kBase + "/budgetwell.htm" + kSuffix);
    row(
        "product_6", [](TfrmMain& w) -> QObject* { return w.mnuQOProducts[5]; },
        kBase + "/savewise.htm" + kSuffix);
    row(
        "mail_suggestions", [](TfrmMain& w) -> QObject* { return w.mnuQOMailSuggestions; },
        QStringLiteral("mailto:suggestions@quillmore.example"));
    row(
        "mail_support", [](TfrmMain& w) -> QObject* { return w.mnuQOMailSupport; },
        QStringLiteral("mailto:support@quillmore.example"));
    row(
        "update_button", [](TfrmMain& w) -> QObject* { return w.btnUpdate; },
        kBase + "/updates/Plumcrest4.htm");
    row(
        "update_item", [](TfrmMain& w) -> QObject* { return w.mnuQOUpdate; },
        kBase + "/updates/Plumcrest4.htm");
}

void ChromeTest::opens_the_page_of_each_sender() {
    QFETCH(SenderOf, sender);
    QFETCH(QString, address);
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QObject* item = sender(w);
    if (auto* action = qobject_cast<QAction*>(item))
        action->trigger();
    else if (auto* button = qobject_cast<QToolButton*>(item))
        button->click();
    else
        w.GoOnline(item);
    QCOMPARE(fx.platform.shell.opened, QStringList{address});
    QCOMPARE(w.UrlOnline->URL(), address);
    QCOMPARE(fx.platform.sound.beeps, 0);
}

void ChromeTest::an_unknown_sender_reopens_the_current_address() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    w.mnuQOTellWebsite->trigger();
    w.mnuQOBlog->trigger();
    w.mnuQOTellWebsite->trigger();
    QCOMPARE(fx.platform.shell.opened,
             (QStringList{kBase + "/plumcrest.htm", kBase + "/blogsite.htm" + kSuffix,
                          kBase + "/blogsite.htm" + kSuffix}));
}

void ChromeTest::a_failed_open_only_beeps() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    fx.platform.shell.succeed = false;
    w.mnuQOHome->trigger();
    QTest::mouseClick(w.btnUpdate, Qt::LeftButton);
    fx.Settle();
    QCOMPARE(fx.platform.sound.beeps, 2);
    QVERIFY(fx.platform.messages.shown.empty());
    QCOMPARE(w.UrlOnline->URL(), kBase + "/updates/Plumcrest4.htm");
}

void ChromeTest::long_addresses_are_cut_to_1023_characters() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const QString longAddress = kBase + "/" + QString(2000, QLatin1Char('a'));
    w.UrlOnline->SetURL(longAddress);
    w.mnuQOTellWebsite->trigger();
    QCOMPARE(fx.platform.shell.opened.size(), 1);
    QCOMPARE(fx.platform.shell.opened[0], longAddress.left(1023));
}

void ChromeTest::the_web_panel_opens_the_home_page_on_any_button() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    w.WindowMenuRunner = [](QMenu&, const QPoint&) {};
    const QString home = kBase + "/index.php" + kSuffix;
    QTest::mouseClick(w.statusBar, Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseClick(w.statusBar, Qt::RightButton, {}, QPoint(20, 8));
    QCOMPARE(fx.platform.shell.opened, (QStringList{home, home}));
    // A double click releases the button twice: two panel clicks.
    fx.platform.shell.opened.clear();
    DoubleClick(w.statusBar, QPoint(20, 8));
    QCOMPARE(fx.platform.shell.opened, (QStringList{home, home}));
    // The hint panel does nothing, and a failing open from the web panel stays silent.
    fx.platform.shell.opened.clear();
    QTest::mouseClick(w.statusBar, Qt::LeftButton, {}, QPoint(300, 8));
    QVERIFY(fx.platform.shell.opened.isEmpty());
    fx.platform.shell.succeed = false;
    QTest::mouseClick(w.statusBar, Qt::LeftButton, {}, QPoint(20, 8));
    fx.Settle();
    QVERIFY(fx.platform.messages.shown.empty());
}

void ChromeTest::status_bar_pointer_feedback_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("hint");
    const QString invite = QStringLiteral("Click to visit quillmore.example");
    const QString tagline =
        QStringLiteral(" www.quillmore.example - Calculators for careful home buyers");
    QTest::newRow("well_inside") << 10 << int(Qt::PointingHandCursor) << invite;
    QTest::newRow("W_minus_6") << 90 << int(Qt::PointingHandCursor) << invite;
    QTest::newRow("W_minus_5") << 91 << int(Qt::ArrowCursor) << invite;
    QTest::newRow("W") << 96 << int(Qt::ArrowCursor) << invite;
    QTest::newRow("W_plus_1") << 97 << int(Qt::ArrowCursor) << tagline;
}

void ChromeTest::status_bar_pointer_feedback() {
    QFETCH(int, x);
    QFETCH(int, cursor);
    QFETCH(QString, hint);
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QCOMPARE(w.statusBar->Panel(TfrmMain::kWebPanel).width, 96);
    MovePointer(w.statusBar, QPoint(x, 9));
    QCOMPARE(w.statusBar->Panel(TfrmMain::kHintPanel).text, hint);
    QCOMPARE(int(w.statusBar->cursor().shape()), cursor);
}

void ChromeTest::the_hint_panel_fills_the_bar_after_a_resize() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QCOMPARE(w.statusBar->Panel(TfrmMain::kHintPanel).width, 558);
    w.statusBar->resize(800, 19);
    QCOMPARE(w.statusBar->Panel(TfrmMain::kHintPanel).width, 800 - 98);
    w.statusBar->SetPanelWidth(TfrmMain::kWebPanel, 120);
    w.statusBar->resize(700, 19);
    QCOMPARE(w.statusBar->Panel(TfrmMain::kHintPanel).width, 700 - 122);
}

void ChromeTest::hidden_items_never_show() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const QList<QAction*> hidden{w.mnuQOFreeware, w.N7, w.mnuQOTellWebsite, w.mnuInternetEmail,
                                 w.mnuQOProducts[0]};
    // Open every menu once, as a user browsing them would.
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
        menu->popup(QPoint(0, 0));
        menu->close();
    }
    for (QAction* action : hidden)
        QVERIFY2(!action->isVisible(), qPrintable(action->objectName()));
    for (QAction* action : {w.mnuQOHome, w.mnuQOProducts[1], w.mnuQOUpdate, w.mnuQOBlog})
        QVERIFY(action->isVisible());
}

void ChromeTest::menus_carry_their_captions() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QStringList top;
    for (QAction* a : w.menuBar()->actions())
        top << a->text();
    // The calculator's three menus, with View (its language) beside File.
    QCOMPARE(top, (QStringList{"&File", "&View", "&Quillmore Online", "&Help"}));
    QStringList pop;
    for (QAction* a : w.mnuPop->actions())
        pop << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(pop, (QStringList{"&Help", "&Disclaimer...", "&About...", "-", "E&xit"}));
    // Quillmore on the Web as it opens: its hidden item left out, its separators in place.
    QStringList web;
    for (QAction* a : w.menuBar()->findChild<QMenu*>(QStringLiteral("mnuInternetWeb"))->actions())
        if (a->isVisible())
            web << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(web, (QStringList{"&Plumcrest Information ...", "-",
                               "quillmore.example - &Home Page ...", "&Suggestion Box ...", "-",
                               "&Calculator Corner ...", "Home Buyer's &Notebook ..."}));
    QCOMPARE(w.mnuQOHome->text(), QStringLiteral("quillmore.example - &Home Page ..."));
    QCOMPARE(w.Contents1->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(!w.mnuQOHome->icon().isNull());
    QVERIFY(w.mnuQOTellWebsite->icon().isNull());
}

// State: the calculator, active.  Action: Ctrl+Shift+O.  Expected: the Compare window opens; the
// other offer commands carry their keys too: Ctrl+K keeps, Ctrl+O opens and Ctrl+S saves offers.
void ChromeTest::offer_commands_answer_the_keys_the_welcome_names() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QCOMPARE(w.mnuFileKeepOffer->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    QCOMPARE(w.mnuFileOpenOffers->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(w.mnuFileSaveOffers->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    const auto compareShown = [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("frmCompare") && window->isVisible())
                return true;
        return false;
    };
    QVERIFY(!compareShown());
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(compareShown());
}

void ChromeTest::help_commands_open_the_contents() {
    WindowFixture fx;
    fx.WriteIni("[GeneralValues]\nRun=1\n");
    TfrmMain& w = fx.Open();
    w.Contents1->trigger();
    QTest::mouseClick(w.btnHelp, Qt::LeftButton);
    w.mnuPopHelp->trigger();
    QTest::keyClick(&w, Qt::Key_F1);
    // F1 from inside a field is the help key too, not a refused character.
    w.edtTerm->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.edtTerm, Qt::Key_F1);
    QCOMPARE(fx.platform.help.calls, QStringList(5, QStringLiteral("contents")));
    QCOMPARE(fx.platform.sound.beeps, 0);
}

void ChromeTest::a_right_click_on_the_status_bar_clicks_then_opens_the_window_menu() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QStringList order;
    w.WindowMenuRunner = [&](QMenu& menu, const QPoint&) {
        order << QStringLiteral("menu:%1 opened:%2")
                     .arg(menu.objectName())
                     .arg(fx.platform.shell.opened.size());
    };
    QTest::mouseClick(w.statusBar, Qt::RightButton, {}, QPoint(20, 8));
    QCOMPARE(order, QStringList{QStringLiteral("menu:mnuPop opened:1")});
}

void ChromeTest::the_exit_button_closes_and_saves() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QTest::mouseClick(w.btnExit, Qt::LeftButton);
    fx.window.release(); // the closed window deletes itself
    fx.Settle();
    QVERIFY(fx.ReadIni().contains("Run=1"));
    QVERIFY(fx.platform.help.calls.contains(QStringLiteral("quit")));
}

// State: the window open. Action: read the labels of the two product pages.
// Expected: each page's heading names its product, so a user knows what the page offers.
void ChromeTest::each_product_page_names_its_product() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const std::array<std::pair<const char*, const char*>, 2> pages{
        {{"Page2", "Rentwise"}, {"Page3", "Amortiza"}}};
    for (const auto& [pageName, product] : pages) {
        auto* page = w.findChild<QWidget*>(QString::fromLatin1(pageName));
        QVERIFY2(page, pageName);
        QStringList texts;
        for (const QLabel* label : page->findChildren<QLabel*>())
            texts << label->text();
        const QString heading = QStringLiteral("%1</b> from Quillmore").arg(product);
        QVERIFY2(texts.join(QChar('\n')).contains(heading), qPrintable(texts.join(QChar('|'))));
    }
}

int main(int argc, char** argv) {
    plumcrest::PlumcrestApplication app(argc, argv);
    ChromeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ChromeTest.moc"
