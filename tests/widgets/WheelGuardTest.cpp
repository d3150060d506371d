// The wheel over a choice or an amount in a scrolled form: it scrolls the form until the field
// has the focus.

#include "WheelGuard.h"

#include "Wheel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

using plumcrest::ScrollPastWhenUnfocused;
using plumcrest::testing::TurnWheelDown;

namespace {

QComboBox* AddChoice(QVBoxLayout& layout) {
    auto* box = new QComboBox;
    box->addItems({QStringLiteral("Conventional"), QStringLiteral("FHA"), QStringLiteral("VA"),
                   QStringLiteral("USDA")});
    ScrollPastWhenUnfocused(*box);
    layout.addWidget(box);
    return box;
}

// A form three screens tall in a short scroll area; in the middle, a list of its own that is
// scrolled to its end, with a choice in it.
struct Form {
    QScrollArea outer;
    QScrollArea* inner = new QScrollArea;
    QComboBox* onForm = nullptr;
    QComboBox* inList = nullptr;
    QDoubleSpinBox* amount = new QDoubleSpinBox;

    Form() {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        // A name first, as in an offer's form: it takes the focus when the window opens.
        layout->addWidget(new QLineEdit);
        layout->addSpacing(300);
        onForm = AddChoice(*layout);
        amount->setRange(0, 1000000);
        amount->setValue(250000);
        ScrollPastWhenUnfocused(*amount);
        layout->addWidget(amount);
        auto* list = new QWidget;
        auto* listLayout = new QVBoxLayout(list);
        listLayout->addSpacing(200);
        inList = AddChoice(*listLayout);
        inner->setWidget(list);
        inner->setFixedHeight(120);
        layout->addWidget(inner);
        layout->addSpacing(600);
        outer.setWidget(page);
        outer.resize(300, 250);
        outer.show();
    }
    void ScrollListToItsEnd() {
        QScrollBar& bar = *inner->verticalScrollBar();
        QVERIFY(bar.maximum() > 0);
        bar.setValue(bar.maximum());
    }
};

} // namespace

class WheelGuardTest : public QObject {
    Q_OBJECT

private slots:
    void the_wheel_scrolls_past_an_unfocused_choice() {
        Form form;
        QVERIFY(QTest::qWaitForWindowExposed(&form.outer));
        QVERIFY(!form.onForm->hasFocus());
        form.ScrollListToItsEnd();
        QScrollBar& outerBar = *form.outer.verticalScrollBar();
        QCOMPARE(outerBar.value(), 0);
        TurnWheelDown(*form.onForm);
        QCOMPARE(form.onForm->currentIndex(), 0);
        TurnWheelDown(*form.amount);
        QCOMPARE(form.amount->value(), 250000.0);
        const int once = outerBar.value();
        QVERIFY(once > 0);
        // The list around the second choice is at its end: the form scrolls on.
        TurnWheelDown(*form.inList);
        QCOMPARE(form.inList->currentIndex(), 0);
        QVERIFY(outerBar.value() > once);
    }

    void a_focused_choice_takes_the_wheel() {
        Form form;
        form.outer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form.outer));
        form.onForm->setFocus(Qt::TabFocusReason);
        QVERIFY(form.onForm->hasFocus());
        TurnWheelDown(*form.onForm);
        QCOMPARE(form.onForm->currentIndex(), 1);
        QCOMPARE(form.outer.verticalScrollBar()->value(), 0);
        QCOMPARE(form.onForm->focusPolicy(), Qt::StrongFocus);
    }

    // With nothing to scroll, the wheel keeps Qt's usual meaning for a choice.
    void a_choice_outside_a_scrolled_form_takes_the_wheel() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLineEdit);
        QComboBox* box = AddChoice(*layout);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!box->hasFocus());
        TurnWheelDown(*box);
        QCOMPARE(box->currentIndex(), 1);
    }
};

QTEST_MAIN(WheelGuardTest)
#include "WheelGuardTest.moc"
