// Focus, validation and error reports, mouse, the two context menus and accessibility.

#include "FakePlatform.h"
#include "NumericFieldTest.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace plumcrest;
using namespace plumcrest::testing;

namespace {

void SendFocus(QWidget& widget, QEvent::Type type, Qt::FocusReason reason) {
    QFocusEvent event(type, reason);
    QApplication::sendEvent(&widget, &event);
}

void RightClick(QWidget& widget) {
    const QPoint local(10, 10);
    QTest::mousePress(&widget, Qt::RightButton, Qt::NoModifier, local);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, local, widget.mapToGlobal(local));
    QApplication::sendEvent(&widget, &menuEvent);
    QTest::mouseRelease(&widget, Qt::RightButton, Qt::NoModifier, local);
}

QAction* ActionNamed(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class NumericFieldFocusTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<FieldWindow> w_;

private slots:
    void init() {
        platform_ = std::make_unique<FakePlatform>();
        w_ = std::make_unique<FieldWindow>();
        QVERIFY(w_->active);
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() {
        w_.reset();
        QCoreApplication::processEvents(); // run what the test left posted, with the fakes
        platform_.reset();
    }

    void exit_runs_after_field_is_validated_and_rounded() {
        // State: 1234.567 typed, all of it selected again with Shift+End.
        QString shownAtExit;
        double readAtExit = -1;
        bool selectedAtExit = true;
        connect(&w_->money, &TNumericField::OnExit, this, [&](TNumericField* field) {
            shownAtExit = field->DisplayText();
            readAtExit = field->FloatValue();
            selectedAtExit = field->HasSelection();
        });
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->money, "1234.567");
        QTest::keyClick(&w_->money, Qt::Key_End, Qt::ShiftModifier);
        // Action: Tab to the next field.
        QTest::keyClick(&w_->money, Qt::Key_Tab);
        // Expected: the handler saw the rounded value, no selection, and the focus moved.
        QCOMPARE(shownAtExit, QStringLiteral("1,234.57"));
        QCOMPARE(readAtExit, 1234.57);
        QVERIFY(!selectedAtExit);
        QCOMPARE(QApplication::focusWidget(), &w_->rate);
    }

    void menu_focus_changes_are_not_leaving_data() {
        QTest::addColumn<int>("reason");
        QTest::newRow("popup") << int(Qt::PopupFocusReason);
        QTest::newRow("menu bar") << int(Qt::MenuBarFocusReason);
    }
    void menu_focus_changes_are_not_leaving() {
        QFETCH(int, reason);
        // State: 12.345 typed into money after a click.
        QTest::mouseClick(&w_->money, Qt::LeftButton);
        QTest::keyClick(&w_->money, Qt::Key_Backspace);
        QTest::keyClick(&w_->money, Qt::Key_Backspace);
        QTest::keyClick(&w_->money, Qt::Key_Backspace);
        QTest::keyClicks(&w_->money, "12.345");
        QSignalSpy exits(&w_->money, &TNumericField::OnExit);
        // Action: a menu takes the focus and gives it back; then one more digit.
        SendFocus(w_->money, QEvent::FocusOut, Qt::FocusReason(reason));
        const QString shownDuringMenu = w_->money.DisplayText();
        SendFocus(w_->money, QEvent::FocusIn, Qt::FocusReason(reason));
        QTest::keyClick(&w_->money, Qt::Key_Backspace);
        // Expected: no validation, no exit, the entry goes on (unrounded) and stays modified.
        QCOMPARE(exits.count(), 0);
        QCOMPARE(shownDuringMenu, QStringLiteral("12.345"));
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("12.34"));
        QVERIFY(w_->money.Modified());
        QVERIFY(!w_->money.HasSelection());
    }

    void window_switch_keeps_entry_and_hides_caret() {
        // State: 77 typed into money.
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->money, "77");
        QSignalSpy exits(&w_->money, &TNumericField::OnExit);
        // Action: another window becomes active, then this one again; type 8.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        const bool caretWhileAway = w_->money.CaretShown();
        const QString shownWhileAway = w_->money.DisplayText();
        w_->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w_->window));
        QCOMPARE(QApplication::focusWidget(), &w_->money);
        QTest::keyClick(&w_->money, '8');
        // Expected: no exit, no selection on return, the entry continued, caret back.
        QCOMPARE(exits.count(), 0);
        QVERIFY(!caretWhileAway);
        QCOMPARE(shownWhileAway, QStringLiteral("77"));
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("778"));
        QVERIFY(w_->money.CaretShown());
    }

    void focus_in_selects_unless_by_mouse_or_error_pending_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("errorPending");
        QTest::addColumn<bool>("selected");
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << false << true;
        QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason) << false << true;
        QTest::newRow("program") << int(Qt::OtherFocusReason) << false << true;
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << false << false;
        QTest::newRow("Tab while a report is pending") << int(Qt::TabFocusReason) << true << false;
    }
    void focus_in_selects_unless_by_mouse_or_error_pending() {
        QFETCH(int, reason);
        QFETCH(bool, errorPending);
        QFETCH(bool, selected);
        // State: a value; maybe a report pending. Action: focus in for the reason.
        w_->rate.setFloatValue(6.5);
        w_->controller.ErrorPending = errorPending;
        w_->rate.setFocus(Qt::FocusReason(reason));
        // Expected: selection as the reason says; the caret is at the right end either way.
        QCOMPARE(w_->rate.HasSelection(), selected);
        QVERIFY(!w_->rate.Modified());
        w_->controller.ErrorPending = false;
    }

    void invalid_text_posts_one_report_and_takes_focus_back() {
        // State: money limited to 100; 500 typed.
        w_->money.setRangeHigh(100);
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->money, "500");
        QSignalSpy exits(&w_->money, &TNumericField::OnExit);
        // Action: leave; then leave again before the posted report has run.
        w_->LeaveTo(w_->rate);
        const auto shownInsideFocusChange = platform_->messages.shown.size();
        w_->money.setFocus(Qt::TabFocusReason);
        w_->LeaveTo(w_->rate);
        QCoreApplication::processEvents();
        // Expected: no box inside the focus change; exactly one report; the focus back on the
        // field without a selection; the text kept.
        QCOMPARE(shownInsideFocusChange, std::size_t(0));
        QCOMPARE(platform_->messages.shown.size(), std::size_t(1));
        const RecordedMessage& report = platform_->messages.shown.front();
        QCOMPARE(report.icon, platform::MessageIcon::Error);
        QCOMPARE(report.caption, QStringLiteral("Error"));
        QCOMPARE(report.text, QStringLiteral("Value is not within required range"));
        QCOMPARE(QApplication::focusWidget(), &w_->money);
        QVERIFY(!w_->money.HasSelection());
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("500"));
        QCOMPARE(w_->money.LastError(), kErrorRange);
        QCOMPARE(exits.count(), 2);
        QVERIFY(!w_->controller.ErrorPending);
    }

    void field_error_handler_takes_report_instead_of_box() {
        // State: years limited to at least 1, with its own handler; 0 typed.
        int reportedCode = 0;
        QString reportedText;
        w_->years.setOnError([&](QWidget*, int code, const QString& text) {
            reportedCode = code;
            reportedText = text;
        });
        w_->years.setRangeLow(1);
        w_->years.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&w_->years, Qt::Key_Backspace);
        // Action: leave and let the posted report run.
        w_->LeaveTo(w_->rate);
        QCoreApplication::processEvents();
        // Expected: the handler got it, no box.
        QCOMPARE(reportedCode, kErrorRange);
        QCOMPARE(reportedText, QStringLiteral("Value is not within required range"));
        QVERIFY(platform_->messages.shown.empty());
    }

    void soft_validation_marks_field_and_lets_focus_go() {
        // State: soft validation, range up to 10, 50 typed.
        w_->rate.setOptions(TNumericField::TEntryFieldOption::efoSoftValidation);
        w_->rate.setRangeHigh(10);
        w_->rate.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->rate, "50");
        // Action: leave.
        w_->LeaveTo(w_->years);
        QCoreApplication::processEvents();
        // Expected: marked, no report, focus stays gone; writing a valid value clears the mark.
        QVERIFY(w_->rate.MarkedInvalid());
        QVERIFY(platform_->messages.shown.empty());
        QCOMPARE(QApplication::focusWidget(), &w_->years);
        w_->rate.setFloatValue(5);
        QVERIFY(!w_->rate.MarkedInvalid());
    }

    void overflow_result_left_without_report() {
        // State: a result showing the overflow text, clicked into.
        w_->result.setFloatValue(-98765432.0);
        const QString hashes = w_->result.DisplayText();
        QTest::mouseClick(&w_->result, Qt::LeftButton);
        QSignalSpy exits(&w_->result, &TNumericField::OnExit);
        // Action: leave without typing.
        w_->LeaveTo(w_->money);
        QCoreApplication::processEvents();
        // Expected: no report, the focus stays where it went, the text unchanged, exit raised.
        QCOMPARE(hashes, QStringLiteral("##,###,###.##"));
        QVERIFY(platform_->messages.shown.empty());
        QCOMPARE(QApplication::focusWidget(), &w_->money);
        QCOMPARE(w_->result.DisplayText(), hashes);
        QCOMPARE(exits.count(), 1);
    }

    void typing_into_overflow_result_starts_empty_entry() {
        // State: overflow text, clicked into (no selection). Action: type 5, Backspace, 7; leave.
        w_->result.setFloatValue(1e12);
        QTest::mouseClick(&w_->result, Qt::LeftButton);
        QTest::keyClick(&w_->result, Qt::Key_Backspace);
        const QString afterBackspace = w_->result.DisplayText();
        QTest::keyClicks(&w_->result, "57");
        w_->LeaveTo(w_->money);
        // Expected: Backspace had nothing to remove; the digits form a new value.
        QCOMPARE(afterBackspace, QStringLiteral("##,###,###.##"));
        QCOMPARE(w_->result.DisplayText(), QStringLiteral("57.00"));
        QVERIFY(platform_->messages.shown.empty());
    }

    void click_clears_selection_and_caret_stays_at_end() {
        // State: all selected by Tab.
        w_->money.setFloatValue(4321);
        w_->money.setFocus(Qt::TabFocusReason);
        const QRect caret = w_->money.CaretRect();
        // Action: click at the left edge, then drag.
        QTest::mouseClick(&w_->money, Qt::LeftButton, Qt::NoModifier, QPoint(3, 10));
        const bool selectedAfterClick = w_->money.HasSelection();
        QTest::mousePress(&w_->money, Qt::LeftButton, Qt::NoModifier, QPoint(90, 10));
        QTest::mouseMove(&w_->money, QPoint(5, 10));
        QTest::mouseRelease(&w_->money, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
        // Expected: no selection, caret unmoved.
        QVERIFY(!selectedAfterClick);
        QVERIFY(!w_->money.HasSelection());
        QCOMPARE(w_->money.CaretRect(), caret);
    }

    void double_click_selects_all() {
        // State: clicked in. Action: double click. Expected: all selected.
        w_->money.setFloatValue(12);
        QTest::mouseClick(&w_->money, Qt::LeftButton);
        QTest::mouseDClick(&w_->money, Qt::LeftButton);
        QVERIFY(w_->money.HasSelection());
    }

    void right_click_opens_window_menu_then_edit_menu_data() {
        QTest::addColumn<bool>("windowMenu");
        QTest::addColumn<bool>("choose");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<int>("chosenRuns");
        QTest::newRow("window menu closed without a choice")
            << true << false << QStringList{"window", "edit"} << 0;
        QTest::newRow("window menu item chosen") << true << true << QStringList{"window"} << 1;
        QTest::newRow("no window menu") << false << false << QStringList{"edit"} << 0;
    }
    void right_click_opens_window_menu_then_edit_menu() {
        QFETCH(bool, windowMenu);
        QFETCH(bool, choose);
        QFETCH(QStringList, opened);
        QFETCH(int, chosenRuns);
        // State: the window's menu with one item; menus recorded instead of shown.
        QMenu menu(&w_->window);
        int runs = 0;
        QAction* item = menu.addAction(QStringLiteral("&Reset"));
        connect(item, &QAction::triggered, this, [&] { ++runs; });
        if (windowMenu)
            w_->money.setWindowContextMenu(&menu);
        QStringList seen;
        bool focusedWhenShown = false;
        w_->money.setMenuRunner([&](QMenu& shown, const QPoint&) -> QAction* {
            focusedWhenShown = w_->money.hasFocus();
            seen << (&shown == &menu ? QStringLiteral("window") : QStringLiteral("edit"));
            if (&shown == &menu && choose) {
                item->trigger();
                return item;
            }
            return nullptr;
        });
        // Action: right click the unfocused field.
        RightClick(w_->money);
        // Expected: focused first, then the menus in order; a chosen item simply runs.
        QVERIFY(focusedWhenShown);
        QCOMPARE(seen, opened);
        QCOMPARE(runs, chosenRuns);
    }

    void edit_menu_items_follow_state_data() {
        QTest::addColumn<bool>("tabIn");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QList<bool>>("enabled"); // Restore, Cut, Copy, Paste, Delete, Select All
        QTest::newRow("tabbed in, clipboard text")
            << true << ""
            << "12" << QList<bool>{false, true, true, true, true, false};
        QTest::newRow("clicked in and typed, clipboard empty")
            << false << "5"
            << "" << QList<bool>{true, false, false, false, false, true};
        QTest::newRow("tabbed in and typed")
            << true << "5"
            << "x" << QList<bool>{true, false, false, true, false, true};
    }
    void edit_menu_items_follow_state() {
        QFETCH(bool, tabIn);
        QFETCH(QString, typed);
        QFETCH(QString, clipboard);
        QFETCH(QList<bool>, enabled);
        // State: as the row says.
        w_->money.setFloatValue(100);
        if (tabIn)
            w_->money.setFocus(Qt::TabFocusReason);
        else
            QTest::mouseClick(&w_->money, Qt::LeftButton);
        QTest::keyClicks(&w_->money, typed);
        if (clipboard.isEmpty())
            QGuiApplication::clipboard()->clear();
        else
            QGuiApplication::clipboard()->setText(clipboard);
        // Action: build the edit menu.
        const auto menu = w_->money.CreateEditMenu();
        // Expected: the items in order with separators, enabled as the state allows.
        QStringList texts;
        QList<bool> states;
        for (QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (!action->isSeparator())
                states << action->isEnabled();
        }
        QCOMPARE(texts, (QStringList{"&Restore", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-",
                                     "Select &All"}));
        QCOMPARE(states, enabled);
    }

    void edit_menu_actions_do_what_their_keys_do() {
        // State: 250.00 when focused by Tab, then 9 typed.
        w_->money.setFloatValue(250);
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&w_->money, '9');
        // Action/Expected: Select All, Delete, Restore, Paste from the menu.
        ActionNamed(*w_->money.CreateEditMenu(), QStringLiteral("Select &All"))->trigger();
        QVERIFY(w_->money.HasSelection());
        ActionNamed(*w_->money.CreateEditMenu(), QStringLiteral("&Delete"))->trigger();
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("0"));
        ActionNamed(*w_->money.CreateEditMenu(), QStringLiteral("&Restore"))->trigger();
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("250.00"));
        QVERIFY(w_->money.HasSelection());
        QGuiApplication::clipboard()->setText(QStringLiteral("31.5"));
        ActionNamed(*w_->money.CreateEditMenu(), QStringLiteral("&Paste"))->trigger();
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("31.5"));
        ActionNamed(*w_->money.CreateEditMenu(), QStringLiteral("Select &All"))->trigger();
        ActionNamed(*w_->money.CreateEditMenu(), QStringLiteral("Cu&t"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("31.5"));
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("0"));
        QCOMPARE(platform_->sound.beeps, 0);
    }

    void painting_uses_state_colours_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<QColor>("absent");
        const QColor highlight = QApplication::palette().color(QPalette::Highlight);
        QTest::newRow("result at rest") << "result" << QColor(Qt::yellow) << highlight;
        QTest::newRow("selected while focused") << "selected" << highlight << QColor(Qt::red);
        QTest::newRow("left after selecting") << "left" << QColor(Qt::yellow) << highlight;
        QTest::newRow("marked invalid") << "invalid" << QColor(Qt::red) << highlight;
    }
    void painting_uses_state_colours() {
        QFETCH(QString, state);
        QFETCH(QColor, expected);
        QFETCH(QColor, absent);
        // State: a result field brought into the row's state.
        TNumericField& field = w_->result;
        field.setFloatValue(1234.5);
        if (state != QLatin1String("result"))
            field.setFocus(Qt::TabFocusReason);
        if (state == QLatin1String("left"))
            w_->LeaveTo(w_->money);
        if (state == QLatin1String("invalid")) {
            field.setOptions(TNumericField::TEntryFieldOption::efoSoftValidation);
            field.setRangeHigh(1);
            w_->LeaveTo(w_->money);
        }
        // Action: render the field.
        const QImage image = field.grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y) | 0xff000000u);
        // Expected: the state's colour is painted and the excluded one is not.
        QVERIFY(colours.contains(expected.rgb()));
        QVERIFY(!colours.contains(absent.rgb()));
    }

    void accessibility_exposes_shown_text() {
        // State: a written value. Action: query the interface, type, name the field.
        w_->money.setFloatValue(120000);
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&w_->money);
        QVERIFY(access != nullptr);
        QCOMPARE(access->role(), QAccessible::EditableText);
        QCOMPARE(access->text(QAccessible::Value), QStringLiteral("120,000.00"));
        QCOMPARE(access->text(QAccessible::Name), QStringLiteral("120,000.00"));
        QAccessibleTextInterface* text = access->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("120,000.00"));
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->money, "42");
        QCOMPARE(access->text(QAccessible::Value), QStringLiteral("42"));
        w_->money.setAccessibleName(QStringLiteral("Home Purchase Price"));
        // Expected: the shown text follows every change; an explicit name wins for Name.
        QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Home Purchase Price"));
        QCOMPARE(access->text(QAccessible::Value), QStringLiteral("42"));
    }
};

QTEST_MAIN(NumericFieldFocusTest)
#include "NumericFieldFocusTest.moc"
