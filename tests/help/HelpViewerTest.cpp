// The help viewer as the program uses it: contents, a numeric context, links, the viewer's own
// pages for unknown topics and unreadable files, and closing its windows on quit.

#include "ChmHelpViewerImpl.h"
#include "FakePlatform.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>

using plumcrest::help::ChmHelpViewer;
using plumcrest::help::HelpPage;
using plumcrest::testing::FakePlatform;

Q_DECLARE_METATYPE(HelpPage)

namespace {

const QString kHelpFile = QStringLiteral(PLUMCREST_HELP_FILE);

QByteArray BuiltHelp() {
    QFile file(kHelpFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int VisibleHelpWindows() {
    int visible = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->objectName() == QLatin1String("plumcrestHelpWindow"))
            ++visible;
    }
    return visible;
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(content) == content.size();
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void first_run_context_shows_welcome_topic();
    void contents_shows_default_topic_in_the_same_window();
    void link_in_topic_is_followed_and_back_returns();
    void contents_tree_opens_its_topics();
    void keys_go_back_and_forward_and_close_the_window();
    void contents_and_topic_have_accessible_names();
    void stylesheet_is_read_from_the_help_file();
    void outside_address_goes_to_the_shell_data();
    void outside_address_goes_to_the_shell();
    void unknown_context_shows_not_found_page();
    void link_to_missing_topic_shows_not_found_page();
    void unusable_file_shows_viewer_error_data();
    void unusable_file_shows_viewer_error();
    void special_file_shows_viewer_error_data();
    void special_file_shows_viewer_error();
    void file_put_in_place_later_is_opened();
    void quit_closes_every_help_window();
    void help_window_belongs_to_its_owner();

private:
    static void ClickLink(ChmHelpViewer& viewer, const QString& text);
};

void HelpViewerTest::cleanup() {
    QCOMPARE(VisibleHelpWindows(), 0);
}

void HelpViewerTest::ClickLink(ChmHelpViewer& viewer, const QString& text) {
    auto* browser = viewer.Browser();
    QVERIFY(browser);
    QVERIFY(QTest::qWaitForWindowExposed(viewer.Window()));
    QTextCursor found = browser->document()->find(text);
    QVERIFY2(!found.isNull(), qPrintable(text));
    QTextCursor inside(browser->document());
    inside.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    const QPoint at = browser->cursorRect(inside).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
}

// State: first run, help file beside the program, no help window yet.
// Action: the program asks for help context 10000.
// Expected: one visible window titled from the file shows the welcome topic with the example.
void HelpViewerTest::first_run_context_shows_welcome_topic() {
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    QVERIFY(!viewer.Window());

    viewer.ShowContext(10000);

    QVERIFY(viewer.Window());
    QVERIFY(viewer.Window()->isVisible());
    QVERIFY(viewer.Window()->isWindow());
    QCOMPARE(viewer.Window()->windowTitle(), QStringLiteral("Plumcrest Help"));
    QCOMPARE(viewer.Page(), HelpPage::Topic);
    QCOMPARE(viewer.Topic(), QStringLiteral("/welcome.htm"));
    QCOMPARE(viewer.DocumentTitle(), QStringLiteral("Welcome to Plumcrest"));
    for (const char* figure : {"120,000.00", "108,000.00", "700.49", "3,500.00", "7.0746"})
        QVERIFY2(viewer.Text().contains(QLatin1String(figure)), figure);
    QCOMPARE(VisibleHelpWindows(), 1);
    viewer.Quit();
}

// State: the main window is the help's owner.  Action: a help request.
// Expected: the help window is transient for the owner (no taskbar entry of its own).
void HelpViewerTest::help_window_belongs_to_its_owner() {
    QWidget owner;
    owner.show();
    ChmHelpViewer viewer;
    viewer.SetOwner(&owner);
    viewer.SetHelpFile(kHelpFile);

    viewer.ShowContents();

    QVERIFY(viewer.Window()->windowHandle());
    QCOMPARE(viewer.Window()->windowHandle()->transientParent(), owner.windowHandle());
    viewer.Quit();
}

// State: the welcome topic shows.  Action: Contents.
// Expected: the default topic, in the same window; still one help window.
void HelpViewerTest::contents_shows_default_topic_in_the_same_window() {
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    viewer.ShowContext(10000);
    QWidget* first = viewer.Window();

    viewer.ShowContents();

    QCOMPARE(viewer.Window(), first);
    QCOMPARE(viewer.Topic(), QStringLiteral("/overview.htm"));
    QCOMPARE(viewer.DocumentTitle(), QStringLiteral("Using Plumcrest"));
    QVERIFY(viewer.Text().contains(QLatin1String("Plumcrest.ini")));
    QCOMPARE(VisibleHelpWindows(), 1);
    viewer.Quit();
}

// State: the default topic shows.  Action: click its link to the welcome page, then go back.
// Expected: the linked topic opens from the file; back returns to the default topic.
void HelpViewerTest::link_in_topic_is_followed_and_back_returns() {
    FakePlatform platform;
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    viewer.ShowContents();

    ClickLink(viewer, QStringLiteral("welcome page and its example"));
    QCOMPARE(viewer.Topic(), QStringLiteral("/welcome.htm"));

    ClickLink(viewer, QStringLiteral("Annual Percentage Rate"));
    QCOMPARE(viewer.Topic(), QStringLiteral("/apr.htm"));
    QVERIFY(viewer.Text().contains(QLatin1String("amount financed")));

    viewer.Browser()->backward();
    viewer.Browser()->backward();
    QCOMPARE(viewer.Topic(), QStringLiteral("/overview.htm"));
    QVERIFY(platform.shell.opened.isEmpty());
    viewer.Quit();
}

// State: the help window shows the default topic, then a linked one; the focus is in the
// contents tree.  Action: Alt+Left, Alt+Right, then Escape; reopen and press Ctrl+W.
// Expected: back, forward, and the window closes on either key.
void HelpViewerTest::keys_go_back_and_forward_and_close_the_window() {
    FakePlatform platform;
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    viewer.ShowContents();
    ClickLink(viewer, QStringLiteral("welcome page and its example"));
    QCOMPARE(viewer.Topic(), QStringLiteral("/welcome.htm"));
    QWidget* window = viewer.Window();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* tree = window->findChild<QTreeWidget*>();
    QVERIFY(tree);
    tree->setFocus();

    QTest::keyClick(tree, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(viewer.Topic(), QStringLiteral("/overview.htm"));
    QTest::keyClick(tree, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(viewer.Topic(), QStringLiteral("/welcome.htm"));

    QTest::keyClick(tree, Qt::Key_Escape);
    QTRY_COMPARE(VisibleHelpWindows(), 0);

    viewer.ShowContents();
    QApplication::setActiveWindow(viewer.Window());
    QVERIFY(QTest::qWaitForWindowActive(viewer.Window()));
    QTest::keyClick(viewer.Browser(), Qt::Key_W, Qt::ControlModifier);
    QTRY_COMPARE(VisibleHelpWindows(), 0);
}

void HelpViewerTest::contents_and_topic_have_accessible_names() {
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    viewer.ShowContents();
    auto* tree = viewer.Window()->findChild<QTreeWidget*>();
    QVERIFY(tree);
    for (QWidget* widget : {static_cast<QWidget*>(tree), static_cast<QWidget*>(viewer.Browser())}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(tree)->text(QAccessible::Name),
             QStringLiteral("Contents"));
    viewer.Quit();
}

// State: the help window shows; its contents pane lists the file's contents.
// Action: click the entry of a result field.  Expected: that field's topic opens.
void HelpViewerTest::contents_tree_opens_its_topics() {
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    viewer.ShowContext(10000);
    auto* tree = viewer.Window()->findChild<QTreeWidget*>();
    QVERIFY(tree && tree->isVisible());
    // Using Plumcrest, the welcome, inputs and results, keeping, comparing and editing offers,
    // the chart, the schedule, CSV, PDF and printing, what if, importing a Loan Estimate, which
    // offer is best, points or credits, keep or refinance, and checking a Closing Disclosure.
    QCOMPARE(tree->topLevelItemCount(), 15);
    const auto found =
        tree->findItems(QStringLiteral("Loan Amount"), Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    tree->scrollToItem(found.front());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(found.front()).center());
    QCOMPARE(viewer.Topic(), QStringLiteral("/loan_amount.htm"));
    // Opened by number, a topic is the one the contents mark.
    viewer.ShowContext(10103);
    QCOMPARE(viewer.Topic(), QStringLiteral("/schedule.htm"));
    QVERIFY(tree->currentItem());
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("The amortization schedule"));
    viewer.Quit();
}

// A topic's relative stylesheet name is read out of the help file, not from the disk.
void HelpViewerTest::stylesheet_is_read_from_the_help_file() {
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    viewer.ShowContents();
    const QVariant css =
        viewer.Browser()->loadResource(QTextDocument::StyleSheetResource, QUrl("help.css"));
    QVERIFY(css.toString().contains(QLatin1String("font-family")));
    const QVariant missing =
        viewer.Browser()->loadResource(QTextDocument::ImageResource, QUrl("nothere.png"));
    QVERIFY(missing.isNull());
    viewer.Quit();
}

void HelpViewerTest::outside_address_goes_to_the_shell_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("shellSucceeds");
    QTest::addColumn<int>("opens");
    QTest::addColumn<int>("beeps");
    QTest::newRow("web page") << "https://example.com/plumcrest.htm" << true << 1 << 0;
    QTest::newRow("mail address") << "mailto:help@example.com" << true << 1 << 0;
    QTest::newRow("failed open beeps") << "http://example.com/" << false << 1 << 1;
    QTest::newRow("unknown scheme is refused") << "javascript:alert(1)" << true << 0 << 1;
}

// State: a topic shows.  Action: a link to an outside address is activated.
// Expected: the viewer hands it to the shell (never opens it itself) and stays on its topic.
void HelpViewerTest::outside_address_goes_to_the_shell() {
    QFETCH(QString, address);
    QFETCH(bool, shellSucceeds);
    FakePlatform platform;
    platform.shell.succeed = shellSucceeds;
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    viewer.ShowContents();

    emit viewer.Browser()->anchorClicked(QUrl(address));

    QTEST(int(platform.shell.opened.size()), "opens");
    if (!platform.shell.opened.isEmpty())
        QCOMPARE(platform.shell.opened.front(), address);
    QTEST(platform.sound.beeps, "beeps");
    QCOMPARE(viewer.Topic(), QStringLiteral("/overview.htm"));
    viewer.Quit();
}

// State: a sound help file.  Action: a context number it does not map.
// Expected: the viewer's own not-found page naming the number, in the visible help window.
void HelpViewerTest::unknown_context_shows_not_found_page() {
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);

    viewer.ShowContext(12345);

    QVERIFY(viewer.Window() && viewer.Window()->isVisible());
    QCOMPARE(viewer.Page(), HelpPage::NotFound);
    QCOMPARE(viewer.Topic(), QString());
    QCOMPARE(viewer.DocumentTitle(), QStringLiteral("Topic not found"));
    QVERIFY(viewer.Text().contains(QLatin1String("12345")));
    QCOMPARE(viewer.Window()->windowTitle(), QStringLiteral("Plumcrest Help"));

    viewer.ShowContext(10000); // a later good request still works
    QCOMPARE(viewer.Topic(), QStringLiteral("/welcome.htm"));
    viewer.Quit();
}

void HelpViewerTest::link_to_missing_topic_shows_not_found_page() {
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    viewer.ShowContents();

    emit viewer.Browser()->anchorClicked(QUrl("nothere.htm"));

    QCOMPARE(viewer.Page(), HelpPage::NotFound);
    QVERIFY(viewer.Text().contains(QLatin1String("/nothere.htm")));
    viewer.Quit();
}

void HelpViewerTest::unusable_file_shows_viewer_error_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<bool>("errorPage");
    const QByteArray built = BuiltHelp();
    QVERIFY(built.size() > 4096);
    QTest::newRow("missing") << QByteArray() << true << true;
    QTest::newRow("empty") << QByteArray() << false << true;
    QTest::newRow("not a help file") << QByteArray("<html>plain page</html>") << false << true;
    QTest::newRow("header only") << built.left(0x60) << false << true;
    QTest::newRow("cut after the directory") << built.left(built.size() / 4) << false << true;
    QTest::newRow("cut in half") << built.left(built.size() / 2) << false << true;
    QByteArray scrambled = built;
    for (qsizetype i = 0x200; i < scrambled.size(); i += 7)
        scrambled[i] = char(scrambled[i] ^ 0x5A);
    QTest::newRow("scrambled") << scrambled << false << true;
    QByteArray oneByte = built;
    oneByte[built.size() / 3] = char(oneByte[built.size() / 3] ^ 0x01);
    QTest::newRow("one bit changed") << oneByte << false << true;
    QTest::newRow("garbage appended") << built + QByteArray(64, '\x7F') << false << true;
}

// State: the help file is missing, empty, not a help file or damaged.
// Action: contents, then the first-run context.
// Expected: no crash and no exception; the help window shows the viewer's own page naming the
// file, never an empty window.
void HelpViewerTest::unusable_file_shows_viewer_error() {
    QFETCH(QByteArray, content);
    QFETCH(bool, missing);
    QFETCH(bool, errorPage);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plumcrestcalc.chm"));
    if (!missing)
        QVERIFY(WriteFile(path, content));
    ChmHelpViewer viewer;
    viewer.SetHelpFile(path);

    for (int request = 0; request < 2; ++request) {
        if (request == 0)
            viewer.ShowContents();
        else
            viewer.ShowContext(10000);
        QVERIFY(viewer.Window() && viewer.Window()->isVisible());
        QVERIFY(viewer.Page() != HelpPage::None);
        QVERIFY(!viewer.Text().trimmed().isEmpty());
        if (errorPage) {
            QCOMPARE(viewer.Page(), HelpPage::FileError);
            QCOMPARE(viewer.DocumentTitle(), QStringLiteral("Help file not available"));
            QVERIFY(viewer.Text().contains(path));
            QVERIFY(viewer.Text().contains(QLatin1String("damaged")));
        }
    }
    viewer.Quit();
}

void HelpViewerTest::special_file_shows_viewer_error_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("link to /dev/zero") << "zero";
}

// State: a FIFO, a folder or an endless device where the help file belongs.
// Action: the first-run context.  Expected: the viewer's error page at once; a watchdog fails the
// run instead of letting a blocked open freeze it.
void HelpViewerTest::special_file_shows_viewer_error() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plumcrestcalc.chm"));
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    ChmHelpViewer viewer;
    viewer.SetHelpFile(path);

    std::atomic<bool> done{false};
    std::thread watchdog([&done] {
        for (int tick = 0; tick < 1000 && !done; ++tick)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!done) {
            std::fputs("FAIL: the help viewer hung on a special file\n", stderr);
            std::_Exit(3);
        }
    });
    viewer.ShowContext(10000);
    done = true;
    watchdog.join();

    QCOMPARE(viewer.Page(), HelpPage::FileError);
    QVERIFY(viewer.Text().contains(path));
    viewer.Quit();
}

// State: the first request met no help file.  Action: the file is installed, help asked again.
// Expected: the viewer tries again and shows the topic.
void HelpViewerTest::file_put_in_place_later_is_opened() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plumcrestcalc.chm"));
    ChmHelpViewer viewer;
    viewer.SetHelpFile(path);
    viewer.ShowContents();
    QCOMPARE(viewer.Page(), HelpPage::FileError);

    QVERIFY(QFile::copy(kHelpFile, path));
    viewer.ShowContents();

    QCOMPARE(viewer.Topic(), QStringLiteral("/overview.htm"));
    QCOMPARE(viewer.Window()->windowTitle(), QStringLiteral("Plumcrest Help"));
    viewer.Quit();
}

// State: the help window shows a topic.  Action: the main window closes and tells help to quit.
// Expected: no help window remains; quitting again is harmless; a new request opens a window.
void HelpViewerTest::quit_closes_every_help_window() {
    ChmHelpViewer viewer;
    viewer.SetHelpFile(kHelpFile);
    viewer.ShowContext(10000);
    QPointer<QWidget> window = viewer.Window();
    QCOMPARE(VisibleHelpWindows(), 1);

    viewer.Quit();

    QVERIFY(!viewer.Window());
    QVERIFY(window.isNull());
    QCOMPARE(VisibleHelpWindows(), 0);
    viewer.Quit();
    QCOMPARE(VisibleHelpWindows(), 0);

    viewer.ShowContents();
    QCOMPARE(VisibleHelpWindows(), 1);
    QCOMPARE(viewer.Topic(), QStringLiteral("/overview.htm"));
    viewer.Quit();
    QCOMPARE(VisibleHelpWindows(), 0);
}

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
