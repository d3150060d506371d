// The About box, the disclaimer, and how they are placed and shown over the main window.

#include "DialogPlacement.h"
#include "FakePlatform.h"
#include "Guarded.h"
#include "Hint.h"
#include "TUrlLabel.h"
#include "uFrmAbout.h"
#include "uFrmDisclaim.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QWindow>
#include <QtTest>
#include <cstdlib>
#include <functional>
#include <stdexcept>

using namespace plumcrest::dialogs;
using plumcrest::TUrlLabel;
using plumcrest::testing::FakePlatform;

namespace {

const QString kSite = QStringLiteral("https://test.quillmore.example");
const QString kHomePage = kSite + QStringLiteral("/index.php?ref=Plumcrest4");

AboutContext TestContext() {
    return {QStringLiteral("/opt/plumcrest/"), kHomePage, QStringLiteral("test.quillmore.example")};
}

template <class T> T* Child(QWidget& parent, const char* name) {
    auto* child = parent.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// What a modal dialog looked like from inside its own modal loop.
struct ModalSnapshot {
    QPointer<QWidget> dialog;
    QPoint position;
    bool hasParent = true;
    QWindow* transientParent = nullptr;
    bool modal = false;
};

// Runs `show` with a zero-time timer that records the dialog found through `reference` and then
// closes it with its OK button, so the modal loop never blocks the test.
template <class Dialog>
ModalSnapshot RunModal(QPointer<Dialog>& reference, const std::function<void()>& show) {
    ModalSnapshot seen;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = reference.data();
        if (!dialog) {
            if (QWidget* stray = QApplication::activeModalWidget())
                stray->close();
            return;
        }
        seen.dialog = dialog;
        seen.position = dialog->pos();
        seen.hasParent = dialog->parentWidget() != nullptr;
        seen.transientParent =
            dialog->windowHandle() ? dialog->windowHandle()->transientParent() : nullptr;
        seen.modal = QApplication::activeModalWidget() == dialog;
        Child<QAbstractButton>(*dialog, "btnClose")->click();
    });
    show();
    return seen;
}

// A shell that fails by throwing: it stands for any fault inside a dialog's handler.
class ThrowingShell final : public plumcrest::platform::Shell {
public:
    bool Open(const QString& target) override {
        throw std::runtime_error("cannot open " + target.toStdString());
    }
};

// Collects what the exception boundary posts to the application object for reporting.
class ReportWatch : public QObject {
public:
    ReportWatch() { qApp->installEventFilter(this); }
    ~ReportWatch() override { qApp->removeEventFilter(this); }
    QStringList reports;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != qApp || event->type() != plumcrest::platform::ExceptionEvent::kType)
            return false;
        try {
            std::rethrow_exception(
                static_cast<plumcrest::platform::ExceptionEvent*>(event)->Error());
        } catch (const std::exception& error) {
            reports << QString::fromStdString(error.what());
        }
        return true;
    }
};

void RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> main_;

private slots:
    void init() {
        main_ = std::make_unique<QWidget>();
        main_->setGeometry(100, 50, 664, 457);
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        // Positions are outer (frame) positions. Dialogs and the main window get the same frame
        // margins, so the expected figures below hold whatever those margins are.
        main_->move(100, 50);
        QCOMPARE(main_->frameGeometry().topLeft(), QPoint(100, 50));
    }
    void cleanup() {
        main_.reset();
        RunDeferredDeletes();
    }

    void centring_arithmetic_data() {
        QTest::addColumn<QRect>("over");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("centred");
        QTest::addColumn<QPoint>("clamped");
        QTest::newRow("About box over main window")
            << QRect(100, 50, 664, 457) << QSize(447, 290) << QPoint(208, 133) << QPoint(208, 133);
        QTest::newRow("odd differences truncate")
            << QRect(0, 0, 101, 103) << QSize(100, 100) << QPoint(0, 1) << QPoint(0, 1);
        QTest::newRow("main window off the left and top edges")
            << QRect(-300, -100, 400, 300) << QSize(447, 290) << QPoint(-323, -95) << QPoint(0, 0);
        QTest::newRow("negative odd half truncates toward zero")
            << QRect(10, 10, 100, 100) << QSize(447, 291) << QPoint(-163, -85) << QPoint(0, 0);
        QTest::newRow("off the left edge only")
            << QRect(-500, 200, 664, 457) << QSize(338, 146) << QPoint(-337, 355) << QPoint(0, 355);
    }
    void centring_arithmetic() {
        QFETCH(QRect, over);
        QFETCH(QSize, size);
        QFETCH(QPoint, centred);
        QFETCH(QPoint, clamped);
        QCOMPARE(CenteredOver(over, size), centred);
        QCOMPARE(CenteredOverClamped(over, size), clamped);
    }

    // State: main window partly beyond the top-left screen corner.
    // Action: a dialog is created (CenterForm), then ShowAbout shows one.
    // Expected: creation clamps to 0; the show keeps the negative position while modal.
    void show_keeps_negative_position_that_creation_clamps() {
        FakePlatform fake;
        main_->move(-300, -100);
        main_->resize(400, 300);
        QCOMPARE(main_->frameGeometry().topLeft(), QPoint(-300, -100));
        {
            TfrmAbout created(TestContext(), main_.get());
            QCOMPARE(created.pos(), QPoint(0, 0));
        }
        const ModalSnapshot seen =
            RunModal(AboutBox(), [this] { ShowAbout(main_.get(), TestContext()); });
        QVERIFY(seen.dialog);
        QCOMPARE(seen.position, QPoint(-323, -95));
    }

    // The dialog has no owner, but is transient for the main window and blocks it while open.
    void show_runs_modal_without_owner_and_releases_the_dialog() {
        FakePlatform fake;
        const ModalSnapshot seen =
            RunModal(AboutBox(), [this] { ShowAbout(main_.get(), TestContext()); });
        QVERIFY(seen.dialog);
        QCOMPARE(seen.position, QPoint(208, 133));
        QVERIFY(!seen.hasParent);
        QCOMPARE(seen.transientParent, main_->windowHandle());
        QVERIFY(seen.modal);
        QVERIFY(seen.dialog); // released later, not inside the show operation's modal run
        RunDeferredDeletes();
        QVERIFY(!seen.dialog);
        QVERIFY(!AboutBox());
    }

    // State: opening anything throws. Action: the licence button, the web-address link or the
    // logo is clicked. Expected: the click returns normally (nothing crosses Qt's dispatch) and
    // the fault reaches the report once, after the click's event has completed.
    void handler_faults_end_in_the_report_not_in_qt_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("button");
        QTest::addColumn<QString>("report");
        QTest::newRow("licence button")
            << "btnShowLicense" << true << "cannot open /opt/plumcrest/License.txt";
        QTest::newRow("web-address link") << "urlHome" << false << "cannot open " + kHomePage;
        QTest::newRow("logo") << "imgLogo" << false << "cannot open " + kHomePage;
    }
    void handler_faults_end_in_the_report_not_in_qt() {
        QFETCH(QString, control);
        QFETCH(bool, button);
        QFETCH(QString, report);
        FakePlatform fake;
        ThrowingShell throwing;
        plumcrest::platform::ScopedServices services(plumcrest::platform::Services{
            &throwing, &fake.sound, &fake.messages, &fake.help, &fake.folders, &fake.os});
        TfrmAbout about(TestContext(), main_.get());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        ReportWatch watch;
        auto* widget = Child<QWidget>(about, control.toLatin1().constData());
        if (button)
            QVERIFY_THROWS_NO_EXCEPTION(static_cast<QAbstractButton*>(widget)->click());
        else
            QVERIFY_THROWS_NO_EXCEPTION(QTest::mouseClick(widget, Qt::LeftButton));
        QVERIFY(watch.reports.isEmpty());
        QCoreApplication::sendPostedEvents(qApp, plumcrest::platform::ExceptionEvent::kType);
        QCOMPARE(watch.reports, QStringList{report});
    }

    // State: the main window at (100, 50). Action: each dialog is created over it.
    // Expected: its creation centres it there, before anything shows or moves it.
    void creation_centres_each_dialog_over_the_main_window() {
        FakePlatform fake;
        TfrmAbout about(TestContext(), main_.get());
        TfrmDisclaim disclaimer(main_.get());
        const QRect over = main_->frameGeometry();
        for (const QWidget* dialog :
             {static_cast<const QWidget*>(&about), static_cast<const QWidget*>(&disclaimer)}) {
            const QRect at = dialog->frameGeometry();
            QVERIFY(over.contains(at));
            QVERIFY(std::abs((at.left() - over.left()) - (over.right() - at.right())) <= 1);
            QVERIFY(std::abs((at.top() - over.top()) - (over.bottom() - at.bottom())) <= 1);
        }
    }

    void centre_form_without_main_form_leaves_position() {
        TfrmDisclaim dialog;
        dialog.move(17, 19);
        CenterForm(dialog, nullptr);
        QCOMPARE(dialog.pos(), QPoint(17, 19));
    }

    // State: an About box showed once and its texts were changed.
    // Action: it is shown again.  Expected: caption and labels are the fixed texts again.
    void about_fills_caption_and_labels_at_every_show() {
        FakePlatform fake;
        TfrmAbout about(TestContext(), main_.get());
        const char* labels[] = {"lblVersion", "lblCompileDate", "lblCopyright", "lblRights"};
        about.show();
        const QString caption = about.windowTitle();
        QStringList first;
        for (const char* name : labels)
            first << Child<QLabel>(about, name)->text();
        about.hide();
        about.setWindowTitle(QStringLiteral("changed"));
        for (const char* name : labels)
            Child<QLabel>(about, name)->setText(QStringLiteral("changed"));
        about.show();
        QCOMPARE(caption, QStringLiteral(" About Plumcrest, 4.0"));
        QCOMPARE(about.windowTitle(), caption);
        QCOMPARE(first[0], QStringLiteral("Version 4.0"));
        QCOMPARE(first[1], QStringLiteral("Compiled September 22, 2007"));
        QVERIFY(!first[2].isEmpty());
        QVERIFY(!first[3].isEmpty());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Child<QLabel>(about, labels[i])->text(), first[i]);
        QCOMPARE(Child<QLabel>(about, "lblTitle")->text(), QStringLiteral("Plumcrest"));
        QVERIFY(!Child<TUrlLabel>(about, "urlAboutOnline")->isVisible());
        QVERIFY(Child<TUrlLabel>(about, "urlHome")->isVisible());
    }

    void about_layout_and_buttons() {
        TfrmAbout about(TestContext(), main_.get());
        QCOMPARE(about.size(), QSize(447, 290));
        QVERIFY(!(about.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(about.windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(Child<QLabel>(about, "imgLogo")->mapTo(&about, QPoint()), QPoint(13, 15));
        QVERIFY(!Child<QLabel>(about, "imgLogo")->pixmap().isNull());
        QCOMPARE(Child<QLabel>(about, "imgLogo")->pixmap().size(), QSize(420, 60));
        QCOMPARE(Child<QLabel>(about, "imgAboutIcon")->pixmap().size(), QSize(32, 32));
        auto* close = Child<QPushButton>(about, "btnClose");
        auto* license = Child<QPushButton>(about, "btnShowLicense");
        QCOMPARE(close->nextInFocusChain(), license);
        for (QPushButton* button : {close, license}) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
            QCOMPARE(button->icon().actualSize(QSize(16, 16)), QSize(16, 16));
        }
        QCOMPARE(plumcrest::Hint(close), QStringLiteral("Close About Window"));
        QCOMPARE(plumcrest::Hint(license), QStringLiteral("Show Software License ..."));
        QVERIFY(close->toolTip().isEmpty());
        QVERIFY(license->toolTip().isEmpty());
        auto* link = Child<TUrlLabel>(about, "urlHome");
        QCOMPARE(link->text(), QStringLiteral("test.quillmore.example"));
        QCOMPARE(link->toolTip(), QStringLiteral("Click Here to Visit Our Web Site ..."));
        QCOMPARE(link->font().pixelSize(), 13);
        QVERIFY(link->font().underline());
        QCOMPARE(link->TextColor(), QColor(Qt::blue));
        QCOMPARE(Child<QLabel>(about, "imgLogo")->toolTip(),
                 QStringLiteral("Click to visit our web site ..."));
    }

    void home_page_opened_by_logo_icon_and_link_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("logo") << "imgLogo";
        QTest::newRow("icon") << "imgAboutIcon";
        QTest::newRow("web address link") << "urlHome";
    }
    void home_page_opened_by_logo_icon_and_link() {
        QFETCH(QString, control);
        FakePlatform fake;
        TfrmAbout about(TestContext(), main_.get());
        about.show();
        auto* target = Child<QWidget>(about, control.toLatin1().constData());
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(fake.shell.opened, QStringList{kHomePage});
        QCOMPARE(fake.sound.beeps, 0);
        QVERIFY(about.isVisible());
    }

    void failed_home_page_open_beeps_once_per_click() {
        FakePlatform fake;
        fake.shell.succeed = false;
        TfrmAbout about(TestContext(), main_.get());
        about.show();
        auto* link = Child<TUrlLabel>(about, "urlHome");
        for (int click = 1; click <= 3; ++click) {
            QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(fake.sound.beeps, click);
        }
        QCOMPARE(fake.shell.opened.size(), 3);
        QVERIFY(fake.messages.shown.empty());
        QVERIFY(about.isVisible());
    }

    // State: "License.txt" cannot be opened. Action: Read License.
    // Expected: the path was handed over, and nothing else happens (no message, no beep).
    void missing_license_does_nothing_visible() {
        FakePlatform fake;
        fake.shell.succeed = false;
        TfrmAbout about(TestContext(), main_.get());
        about.show();
        Child<QPushButton>(about, "btnShowLicense")->click();
        QCOMPARE(fake.shell.opened, QStringList{"/opt/plumcrest/License.txt"});
        QCOMPARE(fake.sound.beeps, 0);
        QVERIFY(fake.messages.shown.empty());
        QVERIFY(about.isVisible());
    }

    void images_show_hand_cursor_after_first_movement() {
        TfrmAbout about(TestContext(), main_.get());
        about.show();
        for (const char* name : {"imgLogo", "imgAboutIcon"}) {
            auto* image = Child<QLabel>(about, name);
            QVERIFY(image->hasMouseTracking());
            QVERIFY(!image->testAttribute(Qt::WA_SetCursor));
            QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), image->mapToGlobal(QPointF(3, 3)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(image, &move);
            QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    // Escape never closes; Enter presses the focused button (there is no default button).
    void keyboard_escape_ignored_enter_presses_focused_button() {
        FakePlatform fake;
        TfrmAbout about(TestContext(), main_.get());
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        auto* license = Child<QPushButton>(about, "btnShowLicense");
        auto* close = Child<QPushButton>(about, "btnClose");
        QCOMPARE(QApplication::focusWidget(), close);
        QTest::keyClick(close, Qt::Key_Escape);
        QVERIFY(about.isVisible());
        license->setFocus();
        QTest::keyClick(license, Qt::Key_Return);
        QCOMPARE(fake.shell.opened, QStringList{"/opt/plumcrest/License.txt"});
        QVERIFY(about.isVisible());
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!about.isVisible());
    }

    void disclaimer_text_runs_and_bold() {
        TfrmDisclaim disclaim(main_.get());
        QCOMPARE(disclaim.windowTitle(), QStringLiteral("Disclaimer"));
        QCOMPARE(disclaim.size(), QSize(338, 146));
        auto* label = Child<QLabel>(disclaim, "RichLabel1");
        QCOMPARE(label->geometry(), QRect(4, 7, 330, 101));
        QVERIFY(label->wordWrap());
        QVERIFY(label->alignment() & Qt::AlignTop);
        const QString plain =
            QStringLiteral("Though effort was made to ensure the accuracy of these "
                           "calculations, ");
        const QString bold = QStringLiteral(
            "there is NO WARRANTY,  expressed or implied, for the accuracy or applicability of "
            "this information to your particular financial question.");
        const QString tail = QStringLiteral(
            "  Consult your financial advisor before making any financial decision.");
        QTextDocument document;
        document.setHtml(label->text());
        QCOMPARE(document.toPlainText(), plain + bold + tail);
        QCOMPARE(document.blockCount(), 1);
        const QTextBlock block = document.firstBlock();
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QString boldText;
        QString normalText;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            (fragment.charFormat().fontWeight() >= QFont::Bold ? boldText : normalText) +=
                fragment.text().replace(QChar::Nbsp, QLatin1Char(' '));
        }
        QCOMPARE(boldText, bold);
        QCOMPARE(normalText, plain + tail);
    }

    void disclaimer_button_never_takes_focus() {
        TfrmDisclaim disclaim(main_.get());
        auto* button = Child<QToolButton>(disclaim, "btnClose");
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QCOMPARE(button->text(), QStringLiteral(" &OK"));
        QCOMPARE(button->geometry(), QRect(251, 116, 76, 24));
        QCOMPARE(plumcrest::Hint(button), QStringLiteral("Close| Close Update Wizard"));
        QCOMPARE(plumcrest::LongHint(plumcrest::Hint(button)),
                 QStringLiteral(" Close Update Wizard"));
        QVERIFY(button->toolTip().isEmpty());
        const QIcon icon = button->icon();
        QVERIFY(icon.pixmap(16, QIcon::Normal).toImage() !=
                icon.pixmap(16, QIcon::Disabled).toImage());
    }

    // State: no disclaimer. Action: show it twice, closing each with OK.
    // Expected: two dialogs, each destroyed exactly once, the reference empty after each.
    void disclaimer_twice_gives_two_fresh_dialogs() {
        int destroyed = 0;
        for (int round = 1; round <= 2; ++round) {
            QPointer<TfrmDisclaim> before = DisclaimerBox();
            QVERIFY(!before);
            QMetaObject::Connection watch;
            QTimer::singleShot(0, [&] {
                if (DisclaimerBox())
                    watch = connect(DisclaimerBox(), &QObject::destroyed, [&] { ++destroyed; });
            });
            const ModalSnapshot seen =
                RunModal(DisclaimerBox(), [this] { ShowDisclaimer(main_.get()); });
            QVERIFY(seen.dialog);
            QCOMPARE(seen.position, QPoint(100 + (664 - 338) / 2, 50 + (457 - 146) / 2));
            QVERIFY(seen.modal);
            RunDeferredDeletes();
            QVERIFY(!seen.dialog);
            QVERIFY(!DisclaimerBox());
            QCOMPARE(destroyed, round);
        }
    }

    void disclaimer_escape_does_not_close() {
        bool found = false;
        bool openAfterEscape = false;
        QTimer::singleShot(0, [&] {
            QPointer<TfrmDisclaim> dialog = DisclaimerBox();
            if (!dialog)
                return;
            found = true;
            QTest::keyClick(dialog, Qt::Key_Escape);
            openAfterEscape = dialog && dialog->isVisible();
            Child<QToolButton>(*dialog, "btnClose")->click();
        });
        ShowDisclaimer(main_.get());
        QVERIFY(found);
        QVERIFY(openAfterEscape);
        RunDeferredDeletes();
        QVERIFY(!DisclaimerBox());
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
