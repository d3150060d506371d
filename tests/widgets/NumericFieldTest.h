#pragma once
// A window with fields laid out like the calculator page (money, rate, years inputs and a money
// result without tab stop), shown and active on the offscreen platform.

#include "EntryController.h"
#include "TNumericField.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QTest>
#include <QWidget>
#include <memory>

namespace plumcrest::testing {

inline constexpr char kMoneyMask[] = "##,###,###.##";
inline constexpr char kRateMask[] = "###.####";
inline constexpr char kYearsMask[] = "###";

inline void ConfigureAsOnPage(TNumericField& field, const char* mask, bool input) {
    field.setDataType(TNumericField::nftDouble);
    field.setPictureMask(QString::fromLatin1(mask));
    field.setOptions({});
    field.setRangeLow(-1.7e308L);
    field.setRangeHigh(1.7e308L);
    field.setFixedSize(103, 23);
    field.setTabStop(input);
    field.setColor(input ? field.palette().color(QPalette::Base) : QColor(Qt::yellow));
    field.setShowOverflowAsHashes(!input);
}

class FieldWindow {
public:
    FieldWindow() {
        auto* layout = new QHBoxLayout(&window); // owned by the window
        for (auto* field : {&money, &rate, &years, &result}) {
            layout->addWidget(field);
            field->setController(&controller);
        }
        ConfigureAsOnPage(money, kMoneyMask, true);
        ConfigureAsOnPage(rate, kRateMask, true);
        ConfigureAsOnPage(years, kYearsMask, true);
        ConfigureAsOnPage(result, kMoneyMask, false);
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
        window.setFocus(); // no field focused until a test enters one
    }

    // Leaves whatever field has the focus for another control of the window.
    void LeaveTo(TNumericField& next) { next.setFocus(Qt::TabFocusReason); }

    // The fields' own controller: every window starts from the options the program starts with.
    TEntryController controller;
    QWidget window;
    bool active = false; // tests check it: focus events need an active window
    TNumericField money{&window};
    TNumericField rate{&window};
    TNumericField years{&window};
    TNumericField result{&window};
};

} // namespace plumcrest::testing
