// The window's own behaviours: the hint feed, activation, fixed size, minimise and restore,
// the glass band and the Alt-key fix on this platform, and the secondary dialogs over it.

#include "AltKeyFixUnit.h"
#include "CompositionFuncs.h"
#include "DialogPlacement.h"
#include "Hint.h"
#include "PlumcrestApplication.h"
#include "Sites.h"
#include "TPanelStatusBar.h"
#include "TUrlLabel.h"
#include "WindowFixture.h"

#include <QDialog>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>

using namespace plumcrest;
using namespace plumcrest::testing;

namespace {

PlumcrestApplication& App() {
    return *PlumcrestApplication::Instance();
}

QString HintPanel(TfrmMain& w) {
    return w.statusBar->Panel(TfrmMain::kHintPanel).text;
}

// Points the hint feed at a widget and runs one pass.
void PointAt(QWidget* widget) {
    App().WidgetUnderPointer = [p = QPointer<QWidget>(widget)] { return p.data(); };
    App().UpdateHint();
}

struct PointerGuard {
    ~PointerGuard() {
        App().WidgetUnderPointer = [] { return static_cast<QWidget*>(nullptr); };
        App().UpdateHint();
    }
};

} // namespace

class BehavioursTest : public QObject {
    Q_OBJECT

private slots:
    void the_product_picture_and_the_about_box_link_open_their_pages();
    void toolbar_buttons_feed_their_long_hints();
    void a_three_part_hint_keeps_its_last_two_parts();
    void from_a_toolbar_button_to_the_tab_strip();
    void controls_without_a_hint_empty_the_panel();
    void a_dialog_button_hint_reaches_the_hint_panel_data();
    void a_dialog_button_hint_reaches_the_hint_panel();
    void activation_focuses_the_price_and_runs_the_calculation();
    void activation_leaves_other_pages_alone();
    void the_window_keeps_its_size();
    void minimise_and_restore_act_on_the_window();
    void glass_is_off_on_this_platform();
    void glass_band_and_alt_key_fix_with_composition();
    void popup_hints_follow_the_hint_timing();
    void dialogs_open_fresh_and_are_released();
    void a_dialog_opens_centred_over_the_main_window_data();
    void a_dialog_opens_centred_over_the_main_window();
};

void BehavioursTest::toolbar_buttons_feed_their_long_hints() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    PointerGuard guard;
    const std::pair<QWidget*, QString> rows[] = {
        {w.btnReset, QStringLiteral(" Reset Default Values ...")},
        {w.btnUpdate, QStringLiteral(" Check for New Version ...")},
        {w.btnHelp, QStringLiteral(" Help ...")},
        {w.btnAbout, QStringLiteral(" About ...")},
        {w.btnExit, QStringLiteral("Exit")},
    };
    for (const auto& [button, text] : rows) {
        PointAt(button);
        QCOMPARE(HintPanel(w), text);
    }
}

void BehavioursTest::a_three_part_hint_keeps_its_last_two_parts() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    PointerGuard guard;
    SetHint(w.edtLoan, QStringLiteral("short|middle|last"));
    PointAt(w.edtLoan);
    QCOMPARE(App().CurrentHint(), QStringLiteral("middle|last"));
    QCOMPARE(HintPanel(w), QStringLiteral("last"));
}

void BehavioursTest::from_a_toolbar_button_to_the_tab_strip() {
    // State: the pointer rests on the Reset button. Action: it moves onto the tab strip.
    // Expected: the title first, then the change to no hint empties the panel; the next move
    // over the strip writes the title again.
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    PointerGuard guard;
    PointAt(w.btnReset);
    QCOMPARE(HintPanel(w), QStringLiteral(" Reset Default Values ..."));
    QTabBar* strip = w.nbkMain->tabBar();
    MovePointer(strip, QPoint(10, 5));
    QCOMPARE(HintPanel(w), QStringLiteral(" Plumcrest, 4.0"));
    PointAt(strip);
    QCOMPARE(HintPanel(w), QString());
    MovePointer(strip, QPoint(14, 6));
    QCOMPARE(HintPanel(w), QStringLiteral(" Plumcrest, 4.0"));
}

void BehavioursTest::controls_without_a_hint_empty_the_panel() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    PointerGuard guard;
    PointAt(w.btnHelp);
    PointAt(w.edtTerm);
    QCOMPARE(HintPanel(w), QString());
}

void BehavioursTest::a_dialog_button_hint_reaches_the_hint_panel_data() {
    QTest::addColumn<bool>("about");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");
    QTest::newRow("about_ok") << true << "btnClose"
                              << "Close About Window";
    QTest::newRow("about_license") << true << "btnShowLicense"
                                   << "Show Software License ...";
    QTest::newRow("disclaimer_ok") << false << "btnClose"
                                   << " Close Update Wizard";
}

void BehavioursTest::a_dialog_button_hint_reaches_the_hint_panel() {
    // State: a dialog is open modally. Action: the pointer rests on one of its buttons.
    // Expected: the feed, running from the dialog's own loop, shows the button's long hint.
    QFETCH(bool, about);
    QFETCH(QString, button);
    QFETCH(QString, hint);
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    PointerGuard guard;
    QString seen;
    QTimer::singleShot(0, &w, [&] {
        QPointer<QWidget> dialog = QApplication::activeModalWidget();
        QWidget* target = dialog ? dialog->findChild<QWidget*>(button) : nullptr;
        App().WidgetUnderPointer = [target] { return target; };
        QTimer::singleShot(50, &w, [&, dialog] {
            seen = HintPanel(w);
            if (dialog)
                static_cast<QDialog*>(dialog.data())->accept();
        });
    });
    if (about)
        w.About1->trigger();
    else
        w.mnuHelpDisclaimer->trigger();
    fx.Settle();
    QCOMPARE(seen, hint);
}

void BehavioursTest::activation_focuses_the_price_and_runs_the_calculation() {
    WindowFixture fx;
    fx.WriteIni("[GeneralValues]\nRun=1\n");
    TfrmMain& w = fx.Open();
    w.edtInterest->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.edtInterest, QStringLiteral("0"));
    App().OnActivate();
    fx.Settle();
    QCOMPARE(QApplication::focusWidget(), w.edtPurchasePrice);
    // Leaving the rate ran its calculation: the zero-rate payment.
    QCOMPARE(Shown(w.edtPayment), QStringLiteral("300.00"));
    QCOMPARE(w.RememberedInputs().Interest, 0.0);
}

void BehavioursTest::activation_leaves_other_pages_alone() {
    WindowFixture fx;
    fx.WriteIni("[GeneralValues]\nRun=1\n");
    TfrmMain& w = fx.Open();
    w.edtTerm->setFocus(Qt::TabFocusReason);
    w.nbkMain->setCurrentIndex(1);
    App().OnActivate();
    fx.Settle();
    QVERIFY(QApplication::focusWidget() != w.edtPurchasePrice);
}

void BehavioursTest::the_window_keeps_its_size() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const QSize fixed = w.size();
    QCOMPARE(w.minimumSize(), fixed);
    QCOMPARE(w.maximumSize(), fixed);
    QCOMPARE(w.centralWidget()->size(), QSize(656, 403));
    w.resize(900, 700);
    QCOMPARE(w.size(), fixed);
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
}

void BehavioursTest::minimise_and_restore_act_on_the_window() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QVERIFY(w.SystemCommand(0xF020 | 0x3)); // the low four bits do not matter
    QTRY_VERIFY(w.isMinimized());
    QVERIFY(w.SystemCommand(0xF120));
    QTRY_VERIFY(!w.isMinimized());
    QVERIFY(!w.SystemCommand(0xF030)); // maximise is not handled here
}

void BehavioursTest::glass_is_off_on_this_platform() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QCOMPARE(w.pnlTop->palette().color(QPalette::Window), w.palette().color(QPalette::Button));
    QVERIFY(w.AltKeyFix());
    QVERIFY(!w.AltKeyFix()->IsActive());
}

namespace {
// A Desktop Window Manager that reports composition on and records frame extensions.
struct FakeDwm {
    static inline int extensions = 0;
    static inline platform::Margins margins;
    static long PLUMCREST_WINAPI IsEnabled(int* enabled) {
        *enabled = 1;
        return 0;
    }
    static long PLUMCREST_WINAPI Extend(void*, const platform::Margins* m) {
        ++extensions;
        margins = *m;
        return 0;
    }
};
} // namespace

void BehavioursTest::glass_band_and_alt_key_fix_with_composition() {
    // State: a Windows 6 system with visual styles and composition on.
    // Action: the window is created. Expected: a black toolbar panel, one frame extension of
    // 24 pixels along the bottom edge, and an active Alt-key fix.
    WindowFixture fx;
    fx.platform.os.windowsMajor = 6;
    fx.platform.os.visualStyles = true;
    fx.platform.os.libraries[platform::kDwmLibrary] = {
        {platform::kDwmIsCompositionEnabled, reinterpret_cast<void*>(&FakeDwm::IsEnabled)},
        {platform::kDwmExtendFrameIntoClientArea, reinterpret_cast<void*>(&FakeDwm::Extend)}};
    FakeDwm::extensions = 0;
    TfrmMain& w = fx.Open();
    QCOMPARE(w.pnlTop->palette().color(QPalette::Window), QColor(0, 0, 0));
    QCOMPARE(FakeDwm::extensions, 1);
    QCOMPARE(FakeDwm::margins.cxLeftWidth, 0);
    QCOMPARE(FakeDwm::margins.cxRightWidth, 0);
    QCOMPARE(FakeDwm::margins.cyTopHeight, 0);
    QCOMPARE(FakeDwm::margins.cyBottomHeight, 24);
    QCOMPARE(fx.platform.os.loads, fx.platform.os.unloads);
    QVERIFY(w.AltKeyFix()->IsActive());
}

// State: the calculator. Action: a click on the first product's picture, then on the About
// box's home link. Expected: each opens its own page, with the program's referral, once.
void BehavioursTest::the_product_picture_and_the_about_box_link_open_their_pages() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const QString referral = QStringLiteral("?ref=") + sites::kReferralCode;
    auto* image = w.findChild<QWidget*>(QStringLiteral("imgProduct1"));
    QVERIFY(image);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(10, 10));
    fx.Settle();
    QCOMPARE(fx.platform.shell.opened,
             QStringList{QString::fromUtf8(sites::kOtherProducts.at(1).address) + referral});

    QTimer::singleShot(0, &w, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* link = dialog->findChild<TUrlLabel*>(QStringLiteral("urlHome"));
        QVERIFY(link);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
        dialog->accept();
    });
    w.About1->trigger();
    fx.Settle();
    QCOMPARE(fx.platform.shell.opened.size(), 2);
    QCOMPARE(fx.platform.shell.opened[1],
             sites::kWebSiteBase + QStringLiteral("/index.php") + referral);
}

void BehavioursTest::popup_hints_follow_the_hint_timing() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QCOMPARE(App().HintPause(), 400);
    QCOMPARE(App().HintHidePause(), 4000);
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 400);
    auto* image = w.findChild<QWidget*>(QStringLiteral("imgProduct1"));
    QVERIFY(image);
    QVERIFY(!image->toolTip().isEmpty());
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), image->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(image, &help);
    QCOMPARE(image->toolTipDuration(), 4000);
}

void BehavioursTest::dialogs_open_fresh_and_are_released() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QList<QWidget*> seen;
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, &w, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(!w.isEnabled() || dialog->isModal());
            seen << dialog;
            dialog->accept();
        });
        w.mnuHelpDisclaimer->trigger();
        fx.Settle();
        QVERIFY(dialogs::DisclaimerBox().isNull());
    }
    QCOMPARE(seen.size(), 2);
}

void BehavioursTest::a_dialog_opens_centred_over_the_main_window_data() {
    QTest::addColumn<bool>("about");
    QTest::addColumn<QPoint>("mainAt");
    QTest::newRow("About box") << true << QPoint(140, 90);
    QTest::newRow("disclaimer") << false << QPoint(140, 90);
    // Centred all the same, even where that puts the dialog's corner off the screen.
    QTest::newRow("About box, main window off the top left") << true << QPoint(-250, -120);
    QTest::newRow("disclaimer, main window off the top left") << false << QPoint(-250, -120);
}

void BehavioursTest::a_dialog_opens_centred_over_the_main_window() {
    // State: the main window at `mainAt`. Action: the About box or the disclaimer is opened
    // from its Help menu. Expected: while it is open, the dialog lies over the main window's
    // middle: as much room left as right, above as below (an odd pixel aside).
    QFETCH(bool, about);
    QFETCH(QPoint, mainAt);
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    w.move(mainAt);
    QCOMPARE(w.frameGeometry().topLeft(), mainAt);
    const QRect over = w.frameGeometry();
    QRect seen;
    QTimer::singleShot(0, &w, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog->frameGeometry();
        dialog->accept();
    });
    if (about)
        w.About1->trigger();
    else
        w.mnuHelpDisclaimer->trigger();
    fx.Settle();
    QVERIFY(seen.isValid());
    QVERIFY2(over.contains(seen), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                 .arg(seen.left())
                                                 .arg(seen.top())
                                                 .arg(seen.width())
                                                 .arg(seen.height())));
    QVERIFY(std::abs((seen.left() - over.left()) - (over.right() - seen.right())) <= 1);
    QVERIFY(std::abs((seen.top() - over.top()) - (over.bottom() - seen.bottom())) <= 1);
}

int main(int argc, char** argv) {
    plumcrest::PlumcrestApplication app(argc, argv);
    BehavioursTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BehavioursTest.moc"
