// TUrlLabel: what it shows, what a click opens, and the hover highlight.

#include "TUrlLabel.h"

#include "FakePlatform.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using plumcrest::TUrlLabel;
using plumcrest::testing::FakePlatform;

namespace {

void MoveInside(TUrlLabel& label) {
    const QPointF at(5, 5);
    QMouseEvent move(QEvent::MouseMove, at, label.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &move);
}

void Leave(TUrlLabel& label) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&label, &leave);
}

void SetForeground(TUrlLabel& label, const QColor& color) {
    QPalette p = label.palette();
    p.setColor(label.foregroundRole(), color);
    label.setPalette(p);
}

// A label with black text whose "cursor inside" answer the test controls.
struct HoverRig {
    TUrlLabel label;
    bool inside = true;
    HoverRig() {
        label.setGeometry(0, 0, 120, 16);
        SetForeground(label, Qt::black);
        label.SetCursorInsideCheck([this](const TUrlLabel&) { return inside; });
    }
};

} // namespace

class TUrlLabelTest : public QObject {
    Q_OBJECT

private slots:
    void starts_underlined_with_hand_cursor_and_red_highlight() {
        TUrlLabel label;
        QVERIFY(label.UnderlineURL());
        QVERIFY(label.font().underline());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label.hasMouseTracking());
        QCOMPARE(label.HighlightColor(), QColor(Qt::red));
        QVERIFY(!label.UseVisitedColor());
    }

    void shows_caption_or_address_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("shown");
        QTest::newRow("caption wins") << "Home"
                                      << "https://a.example"
                                      << "Home";
        QTest::newRow("empty caption shows address") << ""
                                                     << "https://a.example"
                                                     << "https://a.example";
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "";
    }
    void shows_caption_or_address() {
        QFETCH(QString, caption);
        QFETCH(QString, url);
        QFETCH(QString, shown);
        TUrlLabel label;
        label.SetURL(QStringLiteral("old"));
        label.SetCaption(caption);
        label.SetURL(url);
        QCOMPARE(label.text(), shown);
    }

    void click_opens_address_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("shellSucceeds");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<int>("beeps");
        const QString longUrl = QStringLiteral("https://a.example/") + QString(1500, QChar('x'));
        QTest::newRow("empty address opens nothing") << QString() << true << QStringList() << 0;
        QTest::newRow("empty address never beeps") << QString() << false << QStringList() << 0;
        QTest::newRow("address opened as is")
            << "https://a.example/index.php?ref=Plumcrest4" << true
            << QStringList{"https://a.example/index.php?ref=Plumcrest4"} << 0;
        QTest::newRow("failed open beeps once")
            << "mailto:x@a.example" << false << QStringList{"mailto:x@a.example"} << 1;
        QTest::newRow("long address cut to 1023 characters")
            << longUrl << true << QStringList{longUrl.left(1023)} << 0;
        QTest::newRow("exactly 1023 characters kept")
            << longUrl.left(1023) << true << QStringList{longUrl.left(1023)} << 0;
    }
    void click_opens_address() {
        QFETCH(QString, url);
        QFETCH(bool, shellSucceeds);
        QFETCH(QStringList, opened);
        QFETCH(int, beeps);
        FakePlatform fake;
        fake.shell.succeed = shellSucceeds;
        TUrlLabel label;
        label.SetURL(url);
        QSignalSpy clicked(&label, &TUrlLabel::clicked);
        label.Click();
        QCOMPARE(fake.shell.opened, opened);
        QCOMPARE(fake.sound.beeps, beeps);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(label.URL(), url); // the address itself is not cut
    }

    void mouse_release_inside_clicks() {
        FakePlatform fake;
        TUrlLabel label;
        label.setGeometry(0, 0, 120, 16);
        label.SetURL(QStringLiteral("https://a.example"));
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(fake.shell.opened, QStringList{"https://a.example"});
    }

    // State: black text, pointer outside. Action: pointer moves in, then leaves (timer notices).
    // Expected: red while inside (across ticks), black again after it left.
    void hover_highlights_until_pointer_has_left() {
        HoverRig rig;
        MoveInside(rig.label);
        QVERIFY(rig.label.IsHighlighting());
        QCOMPARE(rig.label.TextColor(), QColor(Qt::red));
        QTest::qWait(3 * TUrlLabel::kHoverTickMs);
        QVERIFY(rig.label.IsHighlighting());
        QCOMPARE(rig.label.TextColor(), QColor(Qt::red));
        rig.inside = false;
        QTRY_VERIFY_WITH_TIMEOUT(!rig.label.IsHighlighting(), 2000);
        QCOMPARE(rig.label.TextColor(), QColor(Qt::black));
    }

    void leave_event_ends_highlight_at_once() {
        HoverRig rig;
        MoveInside(rig.label);
        Leave(rig.label);
        QVERIFY(!rig.label.IsHighlighting());
        QCOMPARE(rig.label.TextColor(), QColor(Qt::black));
    }

    // The remembered colour survives hovers; a colour setter makes the label forget it.
    void remembered_colour_kept_until_a_colour_setter_forgets_it() {
        HoverRig rig;
        MoveInside(rig.label);
        Leave(rig.label);
        SetForeground(rig.label, Qt::green);
        MoveInside(rig.label);
        Leave(rig.label);
        QCOMPARE(rig.label.TextColor(), QColor(Qt::black));

        SetForeground(rig.label, Qt::green);
        rig.label.SetHighlightColor(Qt::blue);
        MoveInside(rig.label);
        QCOMPARE(rig.label.TextColor(), QColor(Qt::blue));
        Leave(rig.label);
        QCOMPARE(rig.label.TextColor(), QColor(Qt::green));
    }

    void default_highlight_colour_means_current_font_colour() {
        HoverRig rig;
        rig.label.SetHighlightColor(QColor());
        QCOMPARE(rig.label.HighlightColor(), QColor(Qt::black));
        MoveInside(rig.label);
        QCOMPARE(rig.label.TextColor(), QColor(Qt::black));
    }

    void visited_colour_restored_after_click_data() {
        QTest::addColumn<bool>("useVisited");
        QTest::addColumn<QColor>("after");
        QTest::newRow("visited colour on") << true << QColor(Qt::darkMagenta);
        QTest::newRow("visited colour off") << false << QColor(Qt::black);
    }
    void visited_colour_restored_after_click() {
        QFETCH(bool, useVisited);
        QFETCH(QColor, after);
        FakePlatform fake;
        HoverRig rig;
        rig.label.SetURL(QStringLiteral("https://a.example"));
        rig.label.SetVisitedColor(Qt::darkMagenta);
        rig.label.SetUseVisitedColor(useVisited);
        MoveInside(rig.label);
        rig.label.Click();
        QCOMPARE(rig.label.TextColor(), QColor(Qt::red)); // still under the pointer
        Leave(rig.label);
        QCOMPARE(rig.label.TextColor(), after);
    }
};

QTEST_MAIN(TUrlLabelTest)
#include "TUrlLabelTest.moc"
