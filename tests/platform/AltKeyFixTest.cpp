// TAltKeyFix on the offscreen platform. The idle pass hangs on the dispatcher's aboutToBlock,
// which only a real event loop emits, so every test spins one.

#include "AltKeyFixUnit.h"
#include "FakePlatform.h"
#include "IdleEvents.h"
#include "KeyboardCues.h"

#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <optional>

using plumcrest::platform::ApplicationForms;
using plumcrest::platform::IdleEvents;
using plumcrest::platform::KeyboardCueEvent;
using plumcrest::platform::TAltKeyFix;
using plumcrest::testing::FakePlatform;

namespace {

constexpr int kNoVersion = -1;

// Runs the application's own event loop for a while, so the queue runs empty several times.
void SpinEventLoop(int ms = 30) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void SendCueBurst(QWidget* form, int count) {
    for (int i = 0; i < count; ++i) {
        KeyboardCueEvent cue;
        QCoreApplication::sendEvent(form, &cue);
    }
}

// A form that records what reaches its own handlers.
class RecordingForm final : public QWidget {
public:
    int cueEvents = 0;
    QList<int> keysPressed;

protected:
    bool event(QEvent* event) override {
        if (event->type() == KeyboardCueEvent::EventType())
            ++cueEvents;
        return QWidget::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        keysPressed << event->key();
        QWidget::keyPressEvent(event);
    }
};

// Records paint events of the widgets it watches, in delivery order, by object name.
class PaintLog final : public QObject {
public:
    void Watch(QWidget* root) {
        root->installEventFilter(this);
        for (QWidget* child : root->findChildren<QWidget*>())
            if (!child->objectName().isEmpty())
                child->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            order << watched->objectName();
        return false;
    }
    QStringList order;
};

template <typename T> T* AddChild(QWidget* parent, const char* name, QRect geometry) {
    auto* widget = new T(parent); // owned by its parent
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// form > panel > {push, check, inner > radio}, form > {bitmap, tool, label, hiddenPush}
std::unique_ptr<RecordingForm> MakeForm() {
    auto form = std::make_unique<RecordingForm>();
    form->setObjectName(QStringLiteral("form"));
    form->resize(320, 240);
    auto* panel = AddChild<QFrame>(form.get(), "panel", {0, 0, 320, 120});
    AddChild<QPushButton>(panel, "push", {10, 10, 80, 30})->setText(QStringLiteral("&OK"));
    AddChild<QCheckBox>(panel, "check", {100, 10, 80, 30})->setText(QStringLiteral("&Check"));
    auto* inner = AddChild<QWidget>(panel, "inner", {190, 10, 120, 100});
    AddChild<QRadioButton>(inner, "radio", {5, 5, 100, 30})->setText(QStringLiteral("&Radio"));
    QPixmap glyph(16, 16);
    glyph.fill(Qt::red);
    AddChild<QPushButton>(form.get(), "bitmap", {10, 130, 80, 30})->setIcon(QIcon(glyph));
    AddChild<QToolButton>(form.get(), "tool", {100, 130, 40, 30});
    AddChild<QLabel>(form.get(), "label", {150, 130, 100, 30})->setText(QStringLiteral("&Label"));
    AddChild<QPushButton>(form.get(), "hiddenPush", {10, 170, 80, 30})->hide();
    return form;
}

void ShowAndSettle(QWidget* form) {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    SpinEventLoop(60); // the first paints and any pending updates
}

std::unique_ptr<FakePlatform> ActivePlatform() {
    auto fake = std::make_unique<FakePlatform>();
    fake->os.windowsMajor = 6;
    fake->os.visualStyles = true;
    return fake;
}

bool ParentsPaintedFirst(const QStringList& order, QWidget* root) {
    for (QWidget* child : root->findChildren<QWidget*>()) {
        const QString parent = child->parentWidget()->objectName();
        if (order.contains(child->objectName()) &&
            order.indexOf(parent) > order.indexOf(child->objectName()))
            return false;
    }
    return true;
}

} // namespace

class AltKeyFixTest final : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void idleEventsNeedRealLoop();
    void inertWithoutVistaThemes_data();
    void inertWithoutVistaThemes();
    void wrapsMainFormAtFirstIdlePass();
    void neverWrapsTwice();
    void wrapsModelessDialogAndDropsItAfterDestruction();
    void wrapsModalDialogInsideItsOwnLoop();
    void repaintsOncePerBurst_data();
    void repaintsOncePerBurst();
    void messagesPassUnaltered();
    void altKeyReportsOneCueChange();
    void altKeyRepaintsAtNextIdle();
    void otherFormsUnaffectedWhenOwnerDies();
};

void AltKeyFixTest::cleanup() {
    // A window left behind would be wrapped by the next test.
    QTRY_VERIFY(ApplicationForms().empty());
}

// State: an IdleEvents object. Action: processEvents, then a real loop.
// Expected: only the real loop reports idle moments.
void AltKeyFixTest::idleEventsNeedRealLoop() {
    IdleEvents idle;
    int count = 0;
    connect(&idle, &IdleEvents::Idle, this, [&count] { ++count; });
    QCoreApplication::processEvents();
    QCOMPARE(count, 0);
    SpinEventLoop(20);
    QVERIFY(count > 0);
}

void AltKeyFixTest::inertWithoutVistaThemes_data() {
    QTest::addColumn<bool>("fake");
    QTest::addColumn<int>("major");
    QTest::addColumn<bool>("visualStyles");
    QTest::newRow("windows_5_with_styles") << true << 5 << true;
    QTest::newRow("failed_version_query") << true << kNoVersion << true;
    QTest::newRow("windows_6_without_styles") << true << 6 << false;
    QTest::newRow("real_linux_os_facts") << false << 0 << false;
}

// State: OS facts that rule the fix out. Action: idle passes, a burst of cue changes.
// Expected: inert, no wrapper made, nothing repainted.
void AltKeyFixTest::inertWithoutVistaThemes() {
    QFETCH(bool, fake);
    QFETCH(int, major);
    QFETCH(bool, visualStyles);
    std::optional<FakePlatform> platform;
    if (fake) {
        platform.emplace();
        if (major != kNoVersion)
            platform->os.windowsMajor = major;
        platform->os.visualStyles = visualStyles;
    }
    auto form = MakeForm();
    auto* fix = new TAltKeyFix(form.get());
    ShowAndSettle(form.get());
    PaintLog log;
    log.Watch(form.get());

    SendCueBurst(form.get(), 3);
    SpinEventLoop();

    QVERIFY(!fix->IsActive());
    QVERIFY(fix->FormObjects().empty());
    QCOMPARE(log.order, QStringList());
    QCOMPARE(form->cueEvents, 3);
}

// State: active fix on a new form. Action: first idle pass. Expected: the form is wrapped.
void AltKeyFixTest::wrapsMainFormAtFirstIdlePass() {
    auto platform = ActivePlatform();
    auto form = MakeForm();
    auto* fix = new TAltKeyFix(form.get());
    QVERIFY(fix->IsActive());
    QVERIFY(fix->RepaintAll());
    QVERIFY(fix->FormObjects().empty());

    SpinEventLoop();

    QCOMPARE(fix->FormObjects().size(), size_t{1});
    QVERIFY(fix->IsWrapped(form.get()));
    QVERIFY(fix->FormObjects().front()->RepaintAll);
}

// State: two forms wrapped. Action: many idle passes. Expected: still one wrapper each.
void AltKeyFixTest::neverWrapsTwice() {
    auto platform = ActivePlatform();
    auto form = MakeForm();
    auto* fix = new TAltKeyFix(form.get());
    QWidget hiddenForm; // forms count whether shown or not
    int passes = 0;
    IdleEvents idle;
    connect(&idle, &IdleEvents::Idle, this, [&passes] { ++passes; });
    QTimer ticker; // every tick wakes the loop, so it goes idle again after it
    ticker.start(1);
    SpinEventLoop();
    const auto* firstWrapper = fix->FormObjects().front().get();

    SpinEventLoop(50);

    QVERIFY2(passes >= 10, qPrintable(QString::number(passes)));
    QCOMPARE(fix->FormObjects().size(), size_t{2});
    QVERIFY(fix->IsWrapped(form.get()));
    QVERIFY(fix->IsWrapped(&hiddenForm));
    QVERIFY(fix->FormObjects().front().get() == firstWrapper); // kept, not remade
}

// State: main form wrapped. Action: show a modeless dialog, then destroy it.
// Expected: wrapped while it exists; its wrapper's form reads null, and is gone at the next pass.
void AltKeyFixTest::wrapsModelessDialogAndDropsItAfterDestruction() {
    auto platform = ActivePlatform();
    auto form = MakeForm();
    auto* fix = new TAltKeyFix(form.get());
    form->show();
    SpinEventLoop();

    auto dialog = std::make_unique<QDialog>();
    dialog->show();
    SpinEventLoop();
    QCOMPARE(fix->FormObjects().size(), size_t{2});
    QVERIFY(fix->IsWrapped(dialog.get()));

    SendCueBurst(dialog.get(), 2); // a repaint pending on a form about to go
    dialog.reset();
    QVERIFY(fix->FormObjects().back()->Form.isNull());

    SpinEventLoop();
    QCOMPARE(fix->FormObjects().size(), size_t{1});
    QVERIFY(fix->IsWrapped(form.get()));
}

// State: main form wrapped. Action: a modal dialog runs its own loop.
// Expected: the dialog is wrapped during that loop.
void AltKeyFixTest::wrapsModalDialogInsideItsOwnLoop() {
    auto platform = ActivePlatform();
    auto form = MakeForm();
    auto* fix = new TAltKeyFix(form.get());
    SpinEventLoop();

    QDialog dialog;
    bool wrappedWhileShown = false;
    QTimer::singleShot(50, &dialog, [&] {
        wrappedWhileShown = fix->IsWrapped(&dialog);
        dialog.accept();
    });
    dialog.exec();

    QVERIFY(wrappedWhileShown);
}

void AltKeyFixTest::repaintsOncePerBurst_data() {
    QTest::addColumn<bool>("repaintAll");
    QTest::addColumn<QStringList>("paintedOnce");
    QTest::addColumn<QStringList>("notPainted");
    QTest::newRow("repaint_all") << true << QStringList{"form",  "panel",  "push", "check", "inner",
                                                        "radio", "bitmap", "tool", "label"}
                                 << QStringList{"hiddenPush"};
    // Only the button controls; their parents may paint beneath them, but nothing beside them.
    QTest::newRow("buttons_only") << false << QStringList{"push", "check", "radio"}
                                  << QStringList{"bitmap", "tool", "label", "hiddenPush"};
}

// State: a wrapped form. Action: three cue changes, then idle passes.
// Expected: the chosen controls are painted exactly once, parents before children.
void AltKeyFixTest::repaintsOncePerBurst() {
    QFETCH(bool, repaintAll);
    QFETCH(QStringList, paintedOnce);
    QFETCH(QStringList, notPainted);
    auto platform = ActivePlatform();
    auto form = MakeForm();
    auto* fix = new TAltKeyFix(form.get());
    fix->SetRepaintAll(repaintAll);
    ShowAndSettle(form.get());
    PaintLog log;
    log.Watch(form.get());

    SendCueBurst(form.get(), 3);
    QCOMPARE(log.order, QStringList()); // never inside the message itself
    SpinEventLoop(60);

    for (const QString& name : paintedOnce)
        QVERIFY2(log.order.count(name) == 1, qPrintable(name + ": " + log.order.join(',')));
    for (const QString& name : notPainted)
        QVERIFY2(!log.order.contains(name), qPrintable(name + ": " + log.order.join(',')));
    QVERIFY2(ParentsPaintedFirst(log.order, form.get()), qPrintable(log.order.join(',')));
}

// State: a wrapped form with a focused line edit. Action: a cue change and keys to the form,
// typing through the window. Expected: each reaches its handler as sent.
void AltKeyFixTest::messagesPassUnaltered() {
    auto platform = ActivePlatform();
    auto form = MakeForm();
    new TAltKeyFix(form.get());
    auto* edit = AddChild<QLineEdit>(form.get(), "edit", {10, 200, 100, 30});
    ShowAndSettle(form.get());
    form->activateWindow();
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());

    SendCueBurst(form.get(), 1);
    QTest::keyClick(form.get(), Qt::Key_F5);
    QTest::keyClick(form->windowHandle(), Qt::Key_A);
    QTest::keyClick(form->windowHandle(), Qt::Key_B);

    QCOMPARE(form->cueEvents, 1);
    QCOMPARE(form->keysPressed, QList<int>{Qt::Key_F5});
    QCOMPARE(edit->text(), QStringLiteral("ab"));
}

// State: a form with a focused button. Action: Alt pressed, later released; another key.
// Expected: one cue change per Alt transition to the form, however far the key propagated.
void AltKeyFixTest::altKeyReportsOneCueChange() {
    auto platform = ActivePlatform();
    auto form = MakeForm();
    new TAltKeyFix(form.get()); // starts the keyboard-cue reports
    auto* push = form->findChild<QPushButton*>(QStringLiteral("push"));
    ShowAndSettle(form.get());

    QTest::keyPress(push, Qt::Key_Alt);
    SpinEventLoop();
    QCOMPARE(form->keysPressed, QList<int>{Qt::Key_Alt}); // propagated from the button
    QCOMPARE(form->cueEvents, 1);

    QTest::keyRelease(push, Qt::Key_Alt);
    SpinEventLoop();
    QCOMPARE(form->cueEvents, 2);

    QTest::keyClick(push, Qt::Key_Shift);
    SpinEventLoop();
    QCOMPARE(form->cueEvents, 2);
}

// State: a wrapped form. Action: Alt pressed and released. Expected: controls repainted once.
void AltKeyFixTest::altKeyRepaintsAtNextIdle() {
    auto platform = ActivePlatform();
    auto form = MakeForm();
    new TAltKeyFix(form.get());
    ShowAndSettle(form.get());
    PaintLog log;
    log.Watch(form.get());

    QTest::keyPress(form.get(), Qt::Key_Alt);
    QTest::keyRelease(form.get(), Qt::Key_Alt);
    SpinEventLoop(60);

    QCOMPARE(log.order.count(QStringLiteral("radio")), 1);
    QCOMPARE(log.order.count(QStringLiteral("label")), 1);
}

// State: the fix's owner and a second form, both wrapped. Action: the owner is destroyed.
// Expected: the second form keeps receiving its events and nothing repaints it any more.
void AltKeyFixTest::otherFormsUnaffectedWhenOwnerDies() {
    auto platform = ActivePlatform();
    auto owner = MakeForm();
    QPointer<TAltKeyFix> fix = new TAltKeyFix(owner.get());
    auto other = MakeForm();
    ShowAndSettle(other.get());
    QVERIFY(fix->IsWrapped(other.get()));

    owner.reset();
    QVERIFY(fix.isNull());
    PaintLog log;
    log.Watch(other.get());
    SendCueBurst(other.get(), 2);
    SpinEventLoop();

    QCOMPARE(other->cueEvents, 2);
    QCOMPARE(log.order, QStringList());
}

QTEST_MAIN(AltKeyFixTest)
#include "AltKeyFixTest.moc"
