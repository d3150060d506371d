// The Compare window from the keyboard: Tab, the window's shortcuts inside the years field and
// the Alt keys.

#include "CompareModel.h"
#include "CompareWindow.h"
#include "FakePlatform.h"
#include "LoanPipeline.h"
#include "OfferStore.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>

using namespace plumcrest;
using namespace plumcrest::store;
using namespace plumcrest::compare;

namespace {

KeptOffer Offer(const QString& name, LoanInputs inputs) {
    KeptOffer offer;
    offer.name = name;
    LoanResults results;
    RecalculateLoan(inputs, results, '.');
    offer.estimate = EstimateFromCalculator(inputs, results);
    return offer;
}

// Closes whatever modal dialog a command opens, so a triggered command never blocks the test.
void CloseModalSoon() {
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
}

QWidget* FocusAfterTab(QWidget* from) {
    from->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget();
}

// The Alt letters of what is in view: the menu bar's titles, the buttons, the labels with a
// buddy and the tabs of every visible tab bar.
QStringList AltLetters(QWidget& window) {
    QStringList letters;
    auto add = [&letters](QString text) {
        text.replace(QStringLiteral("&&"), QString());
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size())
            letters.append(text.at(at + 1).toUpper());
    };
    for (QAction* menu : window.findChild<QMenuBar*>()->actions())
        add(menu->text());
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->isVisible())
            add(button->text());
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisible() && label->buddy())
            add(label->text());
    for (QTabBar* bar : window.findChildren<QTabBar*>())
        if (bar->isVisible())
            for (int i = 0; i < bar->count(); ++i)
                add(bar->tabText(i));
    return letters;
}

} // namespace

class CompareKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        platform_ = std::make_unique<plumcrest::testing::FakePlatform>();
        dir_ = std::make_unique<QTemporaryDir>();
        store_ = std::make_unique<OfferStore>(dir_->path());
        QVERIFY(store_->Open());
        KeptOffer lakeside = Offer(QStringLiteral("Lakeside"),
                                   {120000, 10, 30, 6.75, 1200, 1200, 500, 500, 0, 50, 50, 0, 0});
        KeptOffer harbor = Offer(QStringLiteral("Harbor"),
                                 {250000, 20, 15, 5.5, 2000, 0, 300, 0, 0, 25, 75, 100, 0});
        QVERIFY(store_->Add(lakeside));
        QVERIFY(store_->Add(harbor));
        window_ = std::make_unique<CompareWindow>(*store_, nullptr);
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() {
        window_.reset();
        store_.reset();
        dir_.reset();
        platform_.reset();
    }

    // State: the second offer selected, the focus in the offers table.
    // Action: Tab.
    // Expected: the focus leaves the table for the control after it; the same offer stays
    //   selected.
    void tab_leaves_the_offers_table_keeping_the_offer() {
        const qint64 second = window_->Model()->Offer(1).id;
        window_->SelectOffer(second);
        QWidget* next = FocusAfterTab(window_->Table());
        QVERIFY(next != window_->Table());
        QVERIFY(next && window_->isAncestorOf(next));
        QCOMPARE(window_->SelectedOffer()->id, second);
    }

    // State: an offer selected, so every button but Undo is enabled.
    // Action: Tab from the first button on, once per button.
    // Expected: the focus visits the enabled buttons from left to right.
    void tab_walks_the_buttons_from_left_to_right() {
        QList<QPushButton*> buttons;
        for (QPushButton* button : window_->findChildren<QPushButton*>())
            if (button->isVisible() && button->isEnabled())
                buttons.append(button);
        QVERIFY(buttons.size() >= 5);
        std::sort(buttons.begin(), buttons.end(), [this](QPushButton* a, QPushButton* b) {
            return a->mapTo(window_.get(), QPoint()).x() < b->mapTo(window_.get(), QPoint()).x();
        });
        QList<QPushButton*> visited{buttons.first()};
        buttons.first()->setFocus(Qt::TabFocusReason);
        for (qsizetype i = 1; i < buttons.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(qobject_cast<QPushButton*>(QApplication::focusWidget()));
        }
        QCOMPARE(visited, buttons);
    }

    // State: the focus in the years field.
    // Action: Ctrl+E, then Ctrl+U.
    // Expected: Export as CSV runs once (its file dialog is closed unanswered), then Use in
    //   Calculator puts the selected offer into the calculator; the field keeps its years.
    void window_shortcuts_work_in_the_years_field() {
        QSpinBox* years = window_->HorizonField();
        years->setFocus(Qt::TabFocusReason);
        QVERIFY(years->hasFocus());
        const int before = years->value();
        QSignalSpy exported(window_->Commands().output.exportCsv, &QAction::triggered);
        QSignalSpy used(window_.get(), &CompareWindow::UseInCalculator);
        CloseModalSoon();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(exported.size(), 1);
        // The closed file dialog leaves the window to be activated again.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        years->setFocus(Qt::TabFocusReason);
        QVERIFY(years->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(used.size(), 1);
        QCOMPARE(years->value(), before);
    }

    // State: the offers page, then the chart page.
    // Expected: no Alt letter in view is taken twice; Alt+L presses Help, while Alt+H stays
    //   the Help menu's.
    void alt_letters_in_view_are_distinct() {
        for (int page = 0; page < window_->Tabs()->count(); ++page) {
            window_->Tabs()->setCurrentIndex(page);
            const QStringList letters = AltLetters(*window_);
            for (const QString& letter : letters)
                QVERIFY2(
                    letters.count(letter) == 1,
                    qPrintable(QStringLiteral("Alt+%1 twice on page %2").arg(letter).arg(page)));
        }
        window_->Tabs()->setCurrentIndex(0);
        window_->Table()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
        // A mnemonic presses the button as a click that shows, which takes a moment.
        QTRY_COMPARE(platform_->help.calls, QStringList{QStringLiteral("context 10101")});
        QVERIFY(AltLetters(*window_).contains(QStringLiteral("H")));
    }

private:
    std::unique_ptr<plumcrest::testing::FakePlatform> platform_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<OfferStore> store_;
    std::unique_ptr<CompareWindow> window_;
};

QTEST_MAIN(CompareKeyboardTest)
#include "CompareKeyboardTest.moc"
