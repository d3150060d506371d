// The window as the Linux desktop meets it: readable colours under a light and a dark palette,
// what a screen reader learns about the fields and the web panel, the program's icon on its
// windows, and the look of popup hints.

#include "CommandLine.h"
#include "PlumcrestApplication.h"
#include "TPanelStatusBar.h"
#include "TUrlLabel.h"
#include "WindowFixture.h"
#include "uFrmAbout.h"

#include <QAccessible>
#include <QLabel>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace plumcrest;
using namespace plumcrest::testing;

namespace {

// Relative luminance and contrast ratio of two sRGB colours, as WCAG defines them.
double Luminance(const QColor& colour) {
    auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of what a widget painted inside `area`: its background is the colour most
// pixels there have, its text the pixel that stands out most from that background (the cores
// of the glyphs, drawn in the pen's colour).
double PaintedContrast(QWidget* widget, QRect area) {
    const QImage image = widget->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    area = QRect((QRectF(area).topLeft() * ratio).toPoint(), (QSizeF(area.size()) * ratio).toSize())
               .intersected(image.rect());
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const auto background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    double best = 1.0;
    for (const auto& [pixel, count] : counts)
        best = std::max(best, Contrast(QColor(pixel), QColor(background)));
    return best;
}

QPalette DarkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x2a, 0x2a, 0x2a);
    for (auto role : {QPalette::Window, QPalette::Button})
        dark.setColor(role, window);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                      QPalette::BrightText, QPalette::HighlightedText, QPalette::ToolTipText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::Link, QColor(0x6c, 0xb4, 0xff));
    dark.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    dark.setColor(QPalette::Mid, QColor(0x45, 0x45, 0x45));
    dark.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    return dark;
}

// The application's palette for one scope.
class ScopedPalette {
public:
    explicit ScopedPalette(const QPalette& palette) : saved_(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~ScopedPalette() { QApplication::setPalette(saved_); }
    ScopedPalette(const ScopedPalette&) = delete;
    ScopedPalette& operator=(const ScopedPalette&) = delete;

private:
    QPalette saved_;
};

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

bool HasRelation(QAccessibleInterface* from, QAccessible::Relation relation, QObject* to) {
    for (const auto& [other, kind] : from->relations(relation))
        if (kind == relation && other->object() == to)
            return true;
    return false;
}

QWidget* ShownHint() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->inherits("QTipLabel"))
            return widget;
    return nullptr;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void text_stays_readable_under_light_and_dark_palettes_data();
    void text_stays_readable_under_light_and_dark_palettes();
    void each_caption_labels_its_field_for_a_screen_reader();
    void the_web_panel_is_an_accessible_link();
    void the_about_box_pictures_have_names();
    void the_window_and_the_dialogs_carry_the_program_icon();
    void popup_hints_are_rounded_with_a_grey_shadow();
    void a_file_named_on_the_command_line_is_the_one_opened();
};

using Measure = std::function<double(TfrmMain&)>;
Q_DECLARE_METATYPE(Measure)

void DesktopTest::text_stays_readable_under_light_and_dark_palettes_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<Measure>("measure");
    const auto fieldText = [](TNumericField* TfrmMain::*field) {
        return Measure([field](TfrmMain& w) {
            TNumericField* f = w.*field;
            return PaintedContrast(f, f->rect().adjusted(2, 2, -2, -2));
        });
    };
    const Measure webPanel = [](TfrmMain& w) {
        return PaintedContrast(w.statusBar, w.statusBar->PanelRect(TfrmMain::kWebPanel));
    };
    // The About box's link, at rest or while the pointer is over it.
    const auto aboutLink = [](bool hovered) {
        return Measure([hovered](TfrmMain& w) {
            dialogs::TfrmAbout about({QStringLiteral("/opt/plumcrest/"),
                                      QStringLiteral("https://www.quillmore.example/index.php"),
                                      QStringLiteral("www.quillmore.example")},
                                     &w);
            about.show();
            auto* link = about.findChild<TUrlLabel*>(QStringLiteral("urlHome"));
            link->SetCursorInsideCheck([](const TUrlLabel&) { return true; });
            if (hovered)
                MovePointer(link, link->rect().center());
            return PaintedContrast(link, link->rect());
        });
    };
    for (const bool dark : {false, true}) {
        const QByteArray scheme = dark ? "dark_" : "light_";
        QTest::newRow(scheme + "result") << dark << fieldText(&TfrmMain::edtLoan);
        QTest::newRow(scheme + "apr") << dark << fieldText(&TfrmMain::edtAPR);
        QTest::newRow(scheme + "input") << dark << fieldText(&TfrmMain::edtInterest);
        QTest::newRow(scheme + "web_panel") << dark << webPanel;
        QTest::newRow(scheme + "about_link") << dark << aboutLink(false);
        QTest::newRow(scheme + "about_link_hovered") << dark << aboutLink(true);
    }
}

// State: the desktop's palette is light or dark.
// Action: open the window (and the About box) and look at what is painted.
// Expected: every text stands out from its background by at least 4.5 : 1.
void DesktopTest::text_stays_readable_under_light_and_dark_palettes() {
    QFETCH(bool, dark);
    QFETCH(Measure, measure);
    ScopedPalette palette(dark ? DarkPalette() : QApplication::style()->standardPalette());
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const double contrast = measure(w);
    qInfo("contrast %s: %.2f : 1", QTest::currentDataTag(), contrast);
    QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("contrast %1 : 1").arg(contrast)));
}

// State: the calculator page.  Action: ask the fields and labels what they are to a screen
// reader.  Expected: each field is labelled by its caption, which is the label for that field;
// no caption gains an access key.
void DesktopTest::each_caption_labels_its_field_for_a_screen_reader() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const struct {
        TNumericField* field;
        const char* label;
        const char* name;
    } rows[] = {
        {w.edtInterest, "Label2", "Interest Rate"},
        {w.edtPurchasePrice, "Label5", "Home Purchase Price"},
        {w.edtPayment, "Label6", "Monthly Payment (P&I)"},
        {w.edtOther2, "Label15", "Other Loan & Closing Fees"},
    };
    for (const auto& row : rows) {
        auto* label = w.Page1->findChild<QLabel*>(QLatin1String(row.label));
        QVERIFY(label);
        QAccessibleInterface* field = Accessible(row.field);
        QVERIFY(field);
        QCOMPARE(field->text(QAccessible::Name), QString::fromUtf8(row.name));
        QVERIFY2(HasRelation(field, QAccessible::Label, label), row.name);
        QAccessibleInterface* caption = Accessible(label);
        QVERIFY(caption);
        QVERIFY2(HasRelation(caption, QAccessible::Labelled, row.field), row.name);
        QCOMPARE(caption->text(QAccessible::Name), label->text());
        QVERIFY(!label->buddy());
        QVERIFY(!label->text().contains(QLatin1String("&&")));
    }
    QCOMPARE(Accessible(w.edtInterest)->text(QAccessible::Value), QStringLiteral("6.7500"));
}

// State: the status bar.  Action: find its web panel as a screen reader does and press it.
// Expected: a link named by its address; pressing it opens the home page.
void DesktopTest::the_web_panel_is_an_accessible_link() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QAccessibleInterface* bar = Accessible(w.statusBar);
    QVERIFY(bar);
    QCOMPARE(bar->childCount(), w.statusBar->PanelCount());
    QAccessibleInterface* web = bar->child(TfrmMain::kWebPanel);
    QVERIFY(web);
    QCOMPARE(web->role(), QAccessible::Link);
    QCOMPARE(web->text(QAccessible::Name), w.statusBar->Panel(TfrmMain::kWebPanel).text);
    QVERIFY(!web->text(QAccessible::Name).isEmpty());
    QCOMPARE(web->parent(), bar);
    QCOMPARE(bar->indexOfChild(web), int(TfrmMain::kWebPanel));
    QCOMPARE(bar->child(TfrmMain::kHintPanel)->role(), QAccessible::StaticText);

    QAccessibleActionInterface* action = web->actionInterface();
    QVERIFY(action);
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(fx.platform.shell.opened,
             QStringList{QStringLiteral("https://www.quillmore.example/index.php?ref=Plumcrest4")});
}

void DesktopTest::the_about_box_pictures_have_names() {
    FakePlatform platform;
    dialogs::TfrmAbout about({QStringLiteral("/opt/plumcrest/"),
                              QStringLiteral("https://www.quillmore.example/index.php"),
                              QStringLiteral("www.quillmore.example")});
    for (const char* name : {"imgLogo", "imgAboutIcon"}) {
        auto* image = about.findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(image, name);
        QVERIFY2(!Accessible(image)->text(QAccessible::Name).isEmpty(), name);
    }
}

// State: the program runs.  Action: open the window and the About box.  Expected: both show
// the icon the desktop entry names.
void DesktopTest::the_window_and_the_dialogs_carry_the_program_icon() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    const QImage expected = QImage(QStringLiteral(":/icons/plumcrest.png"))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!expected.isNull());
    const auto iconImage = [](const QWidget& widget) {
        return widget.windowIcon().pixmap(48).toImage().convertToFormat(
            QImage::Format_ARGB32_Premultiplied);
    };
    QCOMPARE(iconImage(w), expected);
    dialogs::TfrmAbout about({QStringLiteral("/opt/plumcrest/"), QString(), QString()});
    QCOMPARE(iconImage(about), expected);
}

// State: a popup hint shows.  Expected: rounded corners, the info-background colour inside, a
// grey shadow one pixel wide on the right and at the bottom, "Tahoma" at 11 pixels.
void DesktopTest::popup_hints_are_rounded_with_a_grey_shadow() {
    WindowFixture fx;
    TfrmMain& w = fx.Open();
    QToolTip::showText(w.mapToGlobal(QPoint(100, 100)), QStringLiteral("Click to learn more ..."),
                       &w);
    QWidget* hint = nullptr;
    QTRY_VERIFY((hint = ShownHint()) != nullptr);
    QCOMPARE(hint->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(hint->font().pixelSize(), 11);

    const QRect r = hint->rect();
    const QRegion mask = hint->mask();
    QVERIFY(!mask.isEmpty());
    QVERIFY(!mask.contains(r.topLeft())); // rounded corners
    QVERIFY(!mask.contains(r.bottomRight()));
    QVERIFY(mask.contains(r.center()));

    const QImage image = hint->grab().toImage();
    const QColor info = QToolTip::palette().color(QPalette::ToolTipBase);
    QCOMPARE(image.pixelColor(1, r.height() / 2), info);
    QCOMPARE(image.pixelColor(r.width() - 1, r.height() / 2), QColor(0x80, 0x80, 0x80));
    QCOMPARE(image.pixelColor(r.width() / 2, r.height() - 1), QColor(0x80, 0x80, 0x80));
    QToolTip::hideText();
}

// State: command lines as a file manager ("plumcrest %f") or a shell user writes them.
// Expected: the file named is the one opened, whatever options come before it; after "--" a
// name starting with "-" is a file too; "--read-loan-estimate" reads the file after it, not an
// option before it, and without a file after it the window opens; "--against" names its file.
void DesktopTest::a_file_named_on_the_command_line_is_the_one_opened() {
    struct Line {
        std::vector<const char*> args;
        std::string file;
    };
    const Line lines[] = {
        {{"plumcrest", "/home/ana/Loan Estimate.pdf"}, "/home/ana/Loan Estimate.pdf"},
        {{"plumcrest", "--frobnicate", "", "offers.plumcrest-offers"}, "offers.plumcrest-offers"},
        {{"plumcrest", "--", "-dashed.pdf"}, "-dashed.pdf"},
        {{"plumcrest", "--frobnicate"}, ""},
        {{"plumcrest"}, ""},
    };
    for (const Line& line : lines)
        QCOMPARE(FileArgument(int(line.args.size()), line.args.data()), line.file);

    const std::vector<const char*> read{"plumcrest", "--quiet", "--read-loan-estimate",
                                        "birch.pdf"};
    QCOMPARE(ReadCommandLine(int(read.size()), read.data()), CommandLineRequest::ReadLoanEstimate);
    QCOMPARE(std::string(ReadLoanEstimatePath(int(read.size()), read.data())),
             std::string("birch.pdf"));
    const std::vector<const char*> bare{"plumcrest", "--read-loan-estimate"};
    QCOMPARE(ReadCommandLine(int(bare.size()), bare.data()), CommandLineRequest::Run);
    const std::vector<const char*> check{"plumcrest", "--check-closing-disclosure", "cd.pdf",
                                         "--against", "le.pdf"};
    QCOMPARE(ReadCommandLine(int(check.size()), check.data()),
             CommandLineRequest::CheckClosingDisclosure);
    QCOMPARE(std::string(OptionValue(int(check.size()), check.data(), "--against")),
             std::string("le.pdf"));
    const std::vector<const char*> notCheck{"plumcrest", "cd.pdf", "le.pdf", "--against", "le.pdf"};
    QCOMPARE(ReadCommandLine(int(notCheck.size()), notCheck.data()), CommandLineRequest::Run);
}

int main(int argc, char** argv) {
    plumcrest::PlumcrestApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopTest.moc"
