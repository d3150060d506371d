// Calculator-style typing, the key table and the values written and read, in a shown window.

#include "FakePlatform.h"
#include "LocaleSettings.h"
#include "NumericFieldTest.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

using namespace plumcrest;
using namespace plumcrest::testing;

class NumericFieldEntryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<FieldWindow> w_;

    TNumericField& Field(const QString& mask) {
        if (mask == QLatin1String(kRateMask))
            return w_->rate;
        if (mask == QLatin1String(kYearsMask))
            return w_->years;
        return w_->money;
    }
    int Beeps() const { return platform_->sound.beeps; }

private slots:
    void init() {
        platform_ = std::make_unique<FakePlatform>();
        w_ = std::make_unique<FieldWindow>();
        QVERIFY(w_->active);
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() {
        w_.reset();
        platform_.reset();
    }

    void tab_in_and_digit_replaces_value() {
        // State: money field showing 120,000.00, entered with Tab (all selected).
        w_->money.setFloatValue(120000);
        w_->money.setFocus(Qt::TabFocusReason);
        // Action: type 5, then leave.
        QTest::keyClick(&w_->money, '5');
        const QString typed = w_->money.DisplayText();
        w_->LeaveTo(w_->rate);
        // Expected: 5 while typing, 5.00 after leaving.
        QCOMPARE(typed, QStringLiteral("5"));
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("5.00"));
    }

    void refused_printable_with_selection_still_empties_data() {
        QTest::addColumn<char>("typed");
        QTest::newRow("letter") << 'x';
        QTest::newRow("blank") << ' ';
    }
    void refused_printable_with_selection_still_empties() {
        QFETCH(char, typed);
        // State: 120,000.00 entered with Tab.
        w_->money.setFloatValue(120000);
        w_->money.setFocus(Qt::TabFocusReason);
        // Action: type a refused printable character, then leave.
        QTest::keyClick(&w_->money, typed);
        const QString shown = w_->money.DisplayText();
        w_->LeaveTo(w_->rate);
        // Expected: one beep, 0 while focused, 0.00 after leaving.
        QCOMPARE(Beeps(), 1);
        QCOMPARE(shown, QStringLiteral("0"));
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("0.00"));
    }

    void click_in_and_digit_appends_to_shown_value() {
        // State: 120,000.00, entered by a click (nothing selected).
        w_->money.setFloatValue(120000);
        QTest::mouseClick(&w_->money, Qt::LeftButton);
        QVERIFY(w_->money.hasFocus());
        QVERIFY(!w_->money.HasSelection());
        // Action: type 5, leave.
        QTest::keyClick(&w_->money, '5');
        const QString typed = w_->money.DisplayText();
        w_->LeaveTo(w_->rate);
        // Expected: the digit joins the decimals, and leaving rounds half up.
        QCOMPARE(typed, QStringLiteral("120,000.005"));
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("120,000.01"));
    }

    void refused_characters_beep_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, const char* mask, const char* before, int key,
                      const char* text) {
            QTest::newRow(name) << QString::fromLatin1(mask) << QString::fromLatin1(before) << key
                                << QString::fromLatin1(text);
        };
        row("ninth integer digit", kMoneyMask, "12345678", Qt::Key_9, "9");
        row("fourth rate integer digit", kRateMask, "123", Qt::Key_4, "4");
        row("fourth years digit", kYearsMask, "123", Qt::Key_4, "4");
        row("second point", kMoneyMask, "1.5", Qt::Key_Period, ".");
        row("point in years", kYearsMask, "1", Qt::Key_Period, ".");
        row("letter", kRateMask, "1", Qt::Key_A, "a");
        row("blank", kMoneyMask, "1", Qt::Key_Space, " ");
        row("Enter", kMoneyMask, "1", Qt::Key_Return, "\r");
        row("Escape", kMoneyMask, "1", Qt::Key_Escape, "\x1b");
        row("thousands separator", kMoneyMask, "1", Qt::Key_Comma, ",");
        row("digit beyond entry width", kMoneyMask, "1234567.123", Qt::Key_4, "4");
    }
    void refused_characters_beep() {
        QFETCH(QString, mask);
        QFETCH(QString, before);
        QFETCH(int, key);
        QFETCH(QString, text);
        // State: the field holds a typed entry.
        TNumericField& field = Field(mask);
        field.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&field, before);
        const QString shown = field.DisplayText();
        const int beeps = Beeps();
        QSignalSpy changes(&field, &TNumericField::OnChange);
        // Action: the refused key.
        QTest::keyClick(&field, Qt::Key(key), Qt::NoModifier);
        Q_UNUSED(text);
        // Expected: one beep, nothing changed.
        QCOMPARE(Beeps(), beeps + 1);
        QCOMPARE(field.DisplayText(), shown);
        QCOMPARE(changes.count(), 0);
    }

    void minus_rules_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("beeps");
        QTest::newRow("seven digits take a sign") << QString::fromLatin1(kMoneyMask) << "1234567-"
                                                  << "-1,234,567" << 0;
        QTest::newRow("eight digits leave no room")
            << QString::fromLatin1(kMoneyMask) << "12345678-"
            << "12,345,678" << 1;
        QTest::newRow("twice clears the sign") << QString::fromLatin1(kMoneyMask) << "5--"
                                               << "5" << 0;
        QTest::newRow("sign first, digits after") << QString::fromLatin1(kMoneyMask) << "-12"
                                                  << "-12" << 0;
        QTest::newRow("signed rate keeps two integer digits")
            << QString::fromLatin1(kRateMask) << "-123"
            << "-12" << 1;
        QTest::newRow("signed fraction stays negative") << QString::fromLatin1(kRateMask) << "-.5"
                                                        << "-0.5" << 0;
    }
    void minus_rules() {
        QFETCH(QString, mask);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, beeps);
        // State: empty entry (Tab in, the first character replaces the selection).
        TNumericField& field = Field(mask);
        field.setFocus(Qt::TabFocusReason);
        // Action: type the sequence.
        QTest::keyClicks(&field, typed);
        // Expected: the shown text and the refusals.
        QCOMPARE(field.DisplayText(), shown);
        QCOMPARE(Beeps(), beeps);
    }

    void negative_entry_leaves_as_negative_number() {
        // State: Tab into the rate field. Action: type -6.5, leave.
        w_->rate.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->rate, "-6.5");
        w_->LeaveTo(w_->years);
        // Expected: a negative rate with four decimals.
        QCOMPARE(w_->rate.DisplayText(), QStringLiteral("-6.5000"));
        QCOMPARE(w_->rate.FloatValue(), -6.5);
    }

    void backspace_on_empty_years_entry_changes_nothing() {
        // State: years showing 0, entered by a click: empty buffer, nothing selected.
        QTest::mouseClick(&w_->years, Qt::LeftButton);
        QSignalSpy changes(&w_->years, &TNumericField::OnChange);
        // Action: Backspace.
        QTest::keyClick(&w_->years, Qt::Key_Backspace);
        // Expected: still 0, no change raised, no beep.
        QCOMPARE(w_->years.DisplayText(), QStringLiteral("0"));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(Beeps(), 0);
    }

    void three_backspaces_empty_zero_money_entry() {
        // State: money showing 0.00, entered by a click: buffer "0.00".
        QTest::mouseClick(&w_->money, Qt::LeftButton);
        QSignalSpy changes(&w_->money, &TNumericField::OnChange);
        // Action: three Backspaces, then a fourth.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&w_->money, Qt::Key_Backspace);
        const int changesAfterThree = changes.count();
        QTest::keyClick(&w_->money, Qt::Key_Backspace);
        // Expected: three changes ending at an empty entry (0); the fourth changes nothing.
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("0"));
        QCOMPARE(changesAfterThree, 3);
        QCOMPARE(changes.count(), 3);
    }

    void backspace_and_delete_with_selection_show_zero_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
        QTest::newRow("Shift+Backspace") << int(Qt::Key_Backspace) << int(Qt::ShiftModifier);
        QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
    }
    void backspace_and_delete_with_selection_show_zero() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        // State: 1,234.50 all selected.
        w_->money.setFloatValue(1234.5);
        w_->money.setFocus(Qt::TabFocusReason);
        // Action: the key.
        QTest::keyClick(&w_->money, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // Expected: the entry is empty and shows 0.
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("0"));
        QVERIFY(!w_->money.HasSelection());
        QVERIFY(w_->money.Modified());
    }

    void backspace_removes_last_typed_character() {
        // State: typed 12.3 in the rate field. Action: Backspace twice.
        w_->rate.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->rate, "12.3");
        QTest::keyClick(&w_->rate, Qt::Key_Backspace);
        const QString afterOne = w_->rate.DisplayText();
        QTest::keyClick(&w_->rate, Qt::Key_Backspace);
        // Expected: first the decimal goes, then the point.
        QCOMPARE(afterOne, QStringLiteral("12."));
        QCOMPARE(w_->rate.DisplayText(), QStringLiteral("12"));
    }

    void leaving_rate_after_partial_decimals_pads_them() {
        // State/Action: type 6.7 into the rate field and leave.
        w_->rate.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->rate, "6.7");
        w_->LeaveTo(w_->years);
        // Expected: four decimals.
        QCOMPARE(w_->rate.DisplayText(), QStringLiteral("6.7000"));
    }

    void leaving_empty_entry_shows_zero_in_mask_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("shown");
        QTest::newRow("money") << QString::fromLatin1(kMoneyMask) << "0.00";
        QTest::newRow("rate") << QString::fromLatin1(kRateMask) << "0.0000";
        QTest::newRow("years") << QString::fromLatin1(kYearsMask) << "0";
    }
    void leaving_empty_entry_shows_zero_in_mask() {
        QFETCH(QString, mask);
        QFETCH(QString, shown);
        // State: a value, all selected. Action: Backspace empties it; leave.
        TNumericField& field = Field(mask);
        field.setFloatValue(42);
        field.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&field, Qt::Key_Backspace);
        w_->LeaveTo(w_->result);
        // Expected: zero in the mask.
        QCOMPARE(field.DisplayText(), shown);
        QCOMPARE(field.FloatValue(), 0.0);
    }

    void zeros_typed_first_are_not_kept_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("whileTyping");
        QTest::addColumn<QString>("left");
        // Each row fills every integer position after the zeros: a kept zero would take one and
        // the last digit would be refused.
        QTest::newRow("years") << QString::fromLatin1(kYearsMask) << "00427"
                               << "427"
                               << "427";
        QTest::newRow("rate") << QString::fromLatin1(kRateMask) << "0125.5"
                              << "125.5"
                              << "125.5000";
        QTest::newRow("money") << QString::fromLatin1(kMoneyMask) << "098765432"
                               << "98,765,432"
                               << "98,765,432.00";
    }
    void zeros_typed_first_are_not_kept() {
        QFETCH(QString, mask);
        QFETCH(QString, typed);
        QFETCH(QString, whileTyping);
        QFETCH(QString, left);
        // State: a value, all selected, so the first character typed starts an empty entry.
        TNumericField& field = Field(mask);
        field.setFloatValue(31);
        field.setFocus(Qt::TabFocusReason);
        // Action: zeros first, then as many digits as the field has integer positions; leave.
        QTest::keyClick(&field, typed.at(0).toLatin1());
        const QString afterZero = field.DisplayText();
        QTest::keyClicks(&field, typed.mid(1));
        const QString shown = field.DisplayText();
        w_->LeaveTo(w_->result);
        // Expected: the zero shows as the empty entry's 0 and takes no position; every digit
        // after it is taken, without a beep.
        QCOMPARE(afterZero, QStringLiteral("0"));
        QCOMPARE(shown, whileTyping);
        QCOMPARE(Beeps(), 0);
        QCOMPARE(field.DisplayText(), left);
    }

    void comma_locale_types_comma_and_refuses_point() {
        // State: separators "," and "." installed before the fields exist.
        w_.reset();
        ScopedLocaleSeparators comma(LocaleSeparators{U',', U'.'});
        w_ = std::make_unique<FieldWindow>();
        w_->money.setFloatValue(120000);
        const QString written = w_->money.DisplayText();
        w_->rate.setFocus(Qt::TabFocusReason);
        // Action: type 6,75 then "." then leave.
        QTest::keyClicks(&w_->rate, "6,75");
        QTest::keyClick(&w_->rate, '.');
        const QString typed = w_->rate.DisplayText();
        w_->LeaveTo(w_->years);
        // Expected: "," starts the fraction, "." beeps, values use the locale's separators.
        QCOMPARE(written, QStringLiteral("120.000,00"));
        QCOMPARE(typed, QStringLiteral("6,75"));
        QCOMPARE(Beeps(), 1);
        QCOMPARE(w_->rate.DisplayText(), QStringLiteral("6,7500"));
        QCOMPARE(w_->rate.FloatValue(), 6.75);
        w_.reset(); // before the separators go back
    }

    void written_value_reads_back_as_shown_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<double>("written");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("read");
        QTest::newRow("years rounds half up")
            << QString::fromLatin1(kYearsMask) << 2.5 << "3" << 3.0;
        QTest::newRow("money drops the third decimal")
            << QString::fromLatin1(kMoneyMask) << 1234.5649 << "1,234.56" << 1234.56;
        QTest::newRow("rate keeps four decimals")
            << QString::fromLatin1(kRateMask) << 6.75 << "6.7500" << 6.75;
        QTest::newRow("negative money")
            << QString::fromLatin1(kMoneyMask) << -1500.0 << "-1,500.00" << -1500.0;
    }
    void written_value_reads_back_as_shown() {
        QFETCH(QString, mask);
        QFETCH(double, written);
        QFETCH(QString, shown);
        QFETCH(double, read);
        // Action: write the value. Expected: shown rounded and read back as shown.
        TNumericField& field = Field(mask);
        field.setFloatValue(written);
        QCOMPARE(field.DisplayText(), shown);
        QCOMPARE(field.FloatValue(), read);
        QCOMPARE(field.LastError(), 0);
        QVERIFY(!field.Modified());
    }

    void reading_during_entry_gives_typed_value() {
        // State: 1234.567 typed into the money field.
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->money, "1234.567");
        // Action: read, leave, read again.
        const double during = w_->money.FloatValue();
        const QString shownDuring = w_->money.DisplayText();
        w_->LeaveTo(w_->rate);
        // Expected: the unrounded typed value, then the rounded one; reading changed nothing.
        QCOMPARE(during, 1234.567);
        QCOMPARE(shownDuring, QStringLiteral("1,234.567"));
        QCOMPARE(w_->money.FloatValue(), 1234.57);
    }

    void writing_while_focused_selects_all_so_next_digit_starts_over() {
        // State: typing in progress. Action: a value is written, then a digit typed.
        w_->money.setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(&w_->money, "77");
        w_->money.setFloatValue(300);
        QVERIFY(w_->money.HasSelection());
        QVERIFY(!w_->money.Modified());
        QTest::keyClick(&w_->money, '4');
        // Expected: the digit starts a new entry.
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("4"));
    }

    void restore_puts_back_value_from_focus_time_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
        QTest::newRow("Alt+Backspace") << int(Qt::Key_Backspace) << int(Qt::AltModifier);
    }
    void restore_puts_back_value_from_focus_time() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        // State: 120,000.00 when focused, then 55 typed.
        w_->money.setFloatValue(120000);
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->money, "55");
        QSignalSpy changes(&w_->money, &TNumericField::OnChange);
        // Action: restore.
        QTest::keyClick(&w_->money, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // Expected: value back, all selected, unmodified, change raised; typing starts over.
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("120,000.00"));
        QVERIFY(w_->money.HasSelection());
        QVERIFY(!w_->money.Modified());
        QCOMPARE(changes.count(), 1);
        QTest::keyClick(&w_->money, '9');
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("9"));
    }

    void paste_skips_refused_characters_silently_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    }
    void paste_skips_refused_characters_silently() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        // State: 120,000.00 selected; clipboard text with separators, a letter and a second ".".
        w_->money.setFloatValue(120000);
        w_->money.setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->setText(QStringLiteral("$1,2a34.5.6"));
        // Action: paste.
        QTest::keyClick(&w_->money, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // Expected: the selection replaced by the accepted characters, no beep.
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("1,234.56"));
        QCOMPARE(Beeps(), 0);
        QVERIFY(w_->money.Modified());
    }

    void paste_with_empty_clipboard_keeps_value() {
        // State: value selected, empty clipboard. Action: Ctrl+V. Expected: nothing lost.
        w_->money.setFloatValue(800);
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&w_->money, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("800.00"));
    }

    void copy_and_cut_use_shown_text_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("after");
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "120,000.00";
        QTest::newRow("Ctrl+Insert")
            << int(Qt::Key_Insert) << int(Qt::ControlModifier) << "120,000.00";
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << "0";
        QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << "0";
    }
    void copy_and_cut_use_shown_text() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, after);
        // State: 120,000.00 selected. Action: the key.
        w_->money.setFloatValue(120000);
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&w_->money, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // Expected: the shown text on the clipboard; a cut empties the entry.
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("120,000.00"));
        QCOMPARE(w_->money.DisplayText(), after);
    }

    void copy_without_selection_leaves_clipboard() {
        // State: clicked in (no selection). Action: Ctrl+C. Expected: clipboard untouched.
        QGuiApplication::clipboard()->setText(QStringLiteral("keep"));
        QTest::mouseClick(&w_->money, Qt::LeftButton);
        QTest::keyClick(&w_->money, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("keep"));
    }

    void insert_toggles_caret_shape_only() {
        // State: focused, insert mode. Action: Insert, then Insert again.
        w_->money.setFloatValue(12);
        w_->money.setFocus(Qt::TabFocusReason);
        const QRect line = w_->money.CaretRect();
        QTest::keyClick(&w_->money, Qt::Key_Insert);
        const bool overwrite = !w_->money.InsertMode();
        const QRect block = w_->money.CaretRect();
        QTest::keyClick(&w_->money, Qt::Key_Insert);
        // Expected: a block over the last character in overwrite mode, a line otherwise;
        // the text stays.
        QVERIFY(overwrite);
        QCOMPARE(line.width(), 1);
        QVERIFY(block.width() > 1);
        QCOMPARE(block.right(), line.left() - 1);
        QVERIFY(w_->money.InsertMode());
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("12.00"));
    }

    void insert_mode_carries_to_next_field() {
        // Action: overwrite mode in one field, leave to another. Expected: the mode is shared.
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&w_->money, Qt::Key_Insert);
        w_->LeaveTo(w_->rate);
        QVERIFY(!w_->rate.InsertMode());
    }

    void extend_keys_select_all_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const int shift = Qt::ShiftModifier;
        const int ctrlShift = Qt::ShiftModifier | Qt::ControlModifier;
        QTest::newRow("Shift+Left") << int(Qt::Key_Left) << shift;
        QTest::newRow("Shift+Right") << int(Qt::Key_Right) << shift;
        QTest::newRow("Shift+Home") << int(Qt::Key_Home) << shift;
        QTest::newRow("Shift+End") << int(Qt::Key_End) << shift;
        QTest::newRow("Ctrl+Shift+Left") << int(Qt::Key_Left) << ctrlShift;
        QTest::newRow("Ctrl+Shift+Right") << int(Qt::Key_Right) << ctrlShift;
    }
    void extend_keys_select_all() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        // State: clicked in, nothing selected. Action: the key. Expected: all selected.
        w_->money.setFloatValue(99);
        QTest::mouseClick(&w_->money, Qt::LeftButton);
        QVERIFY(!w_->money.HasSelection());
        QTest::keyClick(&w_->money, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(w_->money.HasSelection());
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("99.00"));
    }

    void inert_bindings_keep_focus_text_and_caret_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("Left") << int(Qt::Key_Left) << none;
        QTest::newRow("Right") << int(Qt::Key_Right) << none;
        QTest::newRow("Home") << int(Qt::Key_Home) << none;
        QTest::newRow("End") << int(Qt::Key_End) << none;
        QTest::newRow("Up") << int(Qt::Key_Up) << none;
        QTest::newRow("Down") << int(Qt::Key_Down) << none;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << none;
        QTest::newRow("Ctrl+Left") << int(Qt::Key_Left) << ctrl;
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << ctrl;
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << ctrl;
        QTest::newRow("Ctrl+2") << int(Qt::Key_2) << ctrl;
        QTest::newRow("Ctrl+4") << int(Qt::Key_4) << ctrl;
        QTest::newRow("Ctrl+5") << int(Qt::Key_5) << ctrl;
        QTest::newRow("Ctrl+End") << int(Qt::Key_End) << ctrl;
        QTest::newRow("Ctrl+Shift+End") << int(Qt::Key_End) << (ctrl | shift);
        QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << (ctrl | shift);
        QTest::newRow("Shift+Up") << int(Qt::Key_Up) << shift;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << none;
        QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << none;
        QTest::newRow("Caps Lock") << int(Qt::Key_CapsLock) << none;
    }
    void inert_bindings_keep_focus_text_and_caret() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        // State: 12 typed over the selection.
        w_->money.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&w_->money, "12");
        const QRect caret = w_->money.CaretRect();
        // Action: the key.
        QTest::keyClick(&w_->money, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // Expected: nothing happened.
        QVERIFY(w_->money.hasFocus());
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("12"));
        QCOMPARE(w_->money.CaretRect(), caret);
        QVERIFY(!w_->money.HasSelection());
        QCOMPARE(Beeps(), 0);
    }

    void tab_and_backtab_move_through_tab_stops_only() {
        // State: focus in the years field; the result field has no tab stop.
        w_->years.setFocus(Qt::TabFocusReason);
        // Action: Tab, then Shift+Tab.
        QTest::keyClick(&w_->years, Qt::Key_Tab);
        QWidget* afterTab = QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        // Expected: Tab skips the result and wraps to money; Shift+Tab comes back.
        QCOMPARE(afterTab, &w_->money);
        QCOMPARE(QApplication::focusWidget(), &w_->years);
        QCOMPARE(Beeps(), 0);
    }

    void locale_separators_come_from_the_locale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<uint>("decimal");
        QTest::addColumn<uint>("thousands");
        QTest::newRow("C") << QLocale::c() << uint('.') << uint(',');
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << uint(',')
                                << uint('.');
        QTest::newRow("Swiss German")
            << QLocale(QLocale::German, QLocale::Switzerland) << uint('.') << uint(0x2019);
    }
    void locale_separators_come_from_the_locale() {
        QFETCH(QLocale, locale);
        QFETCH(uint, decimal);
        QFETCH(uint, thousands);
        // Action: read the separators. Expected: full characters, not bytes.
        const LocaleSeparators separators = SeparatorsOfLocale(locale);
        QCOMPARE(uint(separators.decimal), decimal);
        QCOMPARE(uint(separators.thousands), thousands);
    }

    void default_key_table_has_every_binding_reachable() {
        // Every binding of "Default" translates to its own command: none shadowed by another.
        const TEntryCommandTable& table = DefaultEntryCommands();
        QCOMPARE(QString::fromLatin1(table.Name().data(), int(table.Name().size())),
                 QStringLiteral("Default"));
        QCOMPARE(table.Count(), std::size_t(64));
        for (std::size_t i = 0; i < table.Count(); ++i) {
            const KeyBinding& binding = table.Binding(i);
            const auto command = table.Translate(binding.key, binding.modifiers);
            QVERIFY2(command && *command == binding.command, qPrintable(QString::number(i)));
        }
        QVERIFY(!table.Translate(Qt::Key_A, Qt::NoModifier));
        QCOMPARE(table.Translate(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier),
                 std::optional(EditCommand::ccNewLine));
    }

    void written_overflow_shows_hashes_in_result_fields_only() {
        // Action: write a value with nine integer digits to a result and to an input.
        w_->result.setFloatValue(123456789);
        w_->money.setFloatValue(123456789);
        // Expected: the result shows the overflow text and reads as no number (257);
        // the input shows the low digits as the mask always did.
        QCOMPARE(w_->result.DisplayText(), QStringLiteral("##,###,###.##"));
        QCOMPARE(w_->result.FloatValue(), 0.0);
        QCOMPARE(w_->result.LastError(), kErrorInvalid);
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("23,456,789.00"));
        QCOMPARE(w_->money.FloatValue(), 23456789.0);
    }

    void non_finite_value_shows_no_digits() {
        // Action: write NaN and infinity. Expected: the overflow text, never a crash.
        w_->money.setFloatValue(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(w_->money.DisplayText(), QStringLiteral("##,###,###.##"));
        w_->years.setFloatValue(-std::numeric_limits<double>::infinity());
        QCOMPARE(w_->years.DisplayText(), QStringLiteral("###"));
    }

    void default_field_without_digit_positions_refuses_typing() {
        // State: a field with the class default mask. Action: type a digit.
        TNumericField field(&w_->window);
        field.show();
        field.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&field, '7');
        // Expected: refused with a beep, no crash.
        QCOMPARE(Beeps(), 1);
        QCOMPARE(field.PictureMask(), QStringLiteral("iiiiiiiiiii"));
    }
};

QTEST_MAIN(NumericFieldEntryTest)
#include "NumericFieldEntryTest.moc"
