// Every window and dialog on the screen this run gives it (1366 x 768 at scale 1 or 2, 1920 x 1080
// with a 20-point font): each fits the screen with its buttons on it and in view, every control
// has a name, every value label is named by its figure and labelled by its caption, help asked
// from a modal dialog can be used, and text and focus stand out in light, dark and high-contrast
// palettes. Each window's picture is kept in PLUMCREST_WINDOWS_ARTIFACTS.

#include "ChmHelpViewerImpl.h"
#include "CompareWindow.h"
#include "Contrast.h"
#include "CostChart.h"
#include "EstimateImport.h"
#include "ExtraPlanDialog.h"
#include "FakePlatform.h"
#include "HelpContexts.h"
#include "KeepOfferDialog.h"
#include "LoanTerms.h"
#include "LocaleSettings.h"
#include "Main.h"
#include "OfferEditor.h"
#include "OfferHeader.h"
#include "OfferStore.h"
#include "PlumcrestApplication.h"
#include "ReadingChecks.h"
#include "ScheduleWindow.h"
#include "Services.h"
#include "Translations.h"
#include "uFrmDisclaim.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>
#include <map>
#include <memory>

using namespace plumcrest;

namespace {

const LocaleSeparators kUs{U'.', U','};

QString RunName() {
    return qEnvironmentVariable("PLUMCREST_TEST_RUN", QStringLiteral("run"));
}

bool DefaultRun() {
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")) == QLatin1String("1") &&
           qEnvironmentVariableIntValue("PLUMCREST_TEST_FONT_POINTS") == 0;
}

// An offer with every section in use and an adjustable rate: the editor at its fullest.
store::KeptOffer FullOffer() {
    store::KeptOffer offer;
    offer.id = 7;
    offer.name = QStringLiteral("Alder Bank and Trust Company of the Northern Counties");
    LoanEstimate& e = offer.estimate;
    e.price = 310000;
    e.loanAmount = 248000;
    e.months = 360;
    e.noteRate = 6.625;
    e.propertyTaxYearly = 3720;
    e.homeInsuranceYearly = 1380;
    e.lenderCredits = 750;
    const char* labels[] = {"Application Fee",     "Underwriting Fee",
                            "Appraisal Fee",       "Credit Report Fee",
                            "Flood Determination", "Title - Settlement Agent",
                            "Recording Fees",      "Homeowner's Insurance",
                            "Prepaid Interest",    "Title - Owner's Title Policy"};
    const CostSection sections[] = {CostSection::A, CostSection::A, CostSection::B, CostSection::B,
                                    CostSection::B, CostSection::C, CostSection::E, CostSection::F,
                                    CostSection::F, CostSection::H};
    for (int i = 0; i < 10; ++i)
        e.costs.push_back({sections[i], labels[i], 125.0 + 37.5 * i, i % 2 == 0});
    AdjustableRate rate;
    e.adjustable = rate;
    return offer;
}

// A Loan Estimate read in full: projected payments, the AIR table, every total and check.
reader::ReadBack FullReading() {
    reader::EstimateReading r;
    r.lender = {std::string("Alder Bank and Trust Company"), {1, 2}};
    r.dateIssued = {std::string("2026-11-04"), {1, 3}};
    r.purpose = {std::string("Purchase"), {1, 5}};
    r.product = {std::string("5 Year Adjustable Rate, 5/1 ARM"), {1, 6}};
    r.loanType = {std::string("Conventional"), {1, 7}};
    r.salePrice = {310000.0, {1, 12}};
    r.loanAmount = {248000.0, {1, 20}};
    r.loanTermYears = {30, {1, 4}};
    r.interestRate = {6.625, {1, 21}};
    r.monthlyPrincipalInterest = {1587.97, {1, 22}};
    reader::ProjectedColumn first;
    first.years = "1-5";
    first.principalInterest = {1587.97, {1, 30}};
    first.mortgageInsurance = {82.0, {1, 31}};
    first.escrow = {425.0, {1, 32}};
    first.total = {2094.97, {1, 33}};
    reader::ProjectedColumn later = first;
    later.years = "6-30";
    later.principalInterestMaximum = 2412.55;
    later.totalMaximum = 2919.55;
    r.projectedPayments = {first, later};
    r.rateTable.index = {std::string("SOFR 30-day average"), {2, 40}};
    r.rateTable.margin = {2.75, {2, 41}};
    r.rateTable.initialRate = {6.625, {2, 42}};
    r.rateTable.minimumRate = {2.75, {2, 43}};
    r.rateTable.maximumRate = {11.625, {2, 44}};
    r.rateTable.firstChangeMonth = {61, {2, 45}};
    r.rateTable.laterChangeMonths = {12, {2, 46}};
    r.rateTable.firstChangeCap = {2.0, {2, 47}};
    r.rateTable.laterChangeCap = {1.0, {2, 48}};
    r.Section(CostSection::A).lines = {{"Application Fee", 425.0, {2, 4}},
                                       {"Underwriting Fee", 900.0, {2, 5}}};
    r.Section(CostSection::A).total = {1325.0, {2, 3}};
    r.Section(CostSection::B).lines = {{"Appraisal Fee", 505.0, {2, 8}}};
    r.Section(CostSection::B).total = {505.0, {2, 7}};
    r.Section(CostSection::E).lines = {{"Recording Fees", 97.0, {2, 14}}};
    r.Section(CostSection::E).total = {97.0, {2, 13}};
    r.totalLoanCosts = {1830.0, {2, 20}};
    r.totalOtherCosts = {97.0, {2, 22}};
    r.totalClosingCosts = {1927.0, {2, 24}};
    r.cashToClose = {63927.0, {2, 30}};
    r.in5YearsTotalPaid = {127000.0, {3, 4}};
    r.in5YearsPrincipal = {15400.0, {3, 5}};
    r.apr = {6.95, {3, 7}};
    r.tip = {120.5, {3, 8}};
    r.rateLocked = {true, {1, 9}};
    r.rateLockUntil = {std::string("4/16/2027 at 5:00 p.m. EDT"), {1, 9}};
    r.closingCostsExpire = {std::string("3/4/2027 at 5:00 p.m. EDT"), {1, 10}};
    return {r, reader::CheckReading(r)};
}

QPalette LightPalette() {
    return QApplication::style()->standardPalette();
}

// A dark desktop's colours (as Breeze Dark gives them): its highlighted text is hard to read on
// its highlight, which the windows must make up for.
QPalette DarkPalette() {
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, QRgb rgb) {
        p.setColor(QPalette::All, role, QColor(rgb));
    };
    set(QPalette::Window, 0x31363b);
    set(QPalette::WindowText, 0xeff0f1);
    set(QPalette::Base, 0x232629);
    set(QPalette::AlternateBase, 0x31363b);
    set(QPalette::Text, 0xeff0f1);
    set(QPalette::Button, 0x31363b);
    set(QPalette::ButtonText, 0xeff0f1);
    set(QPalette::BrightText, 0xffffff);
    set(QPalette::Highlight, 0x3daee9);
    set(QPalette::HighlightedText, 0xeff0f1);
    set(QPalette::ToolTipBase, 0x31363b);
    set(QPalette::ToolTipText, 0xeff0f1);
    set(QPalette::PlaceholderText, 0xa1a9b1);
    set(QPalette::Link, 0x1d99f3);
    set(QPalette::Light, 0x474d54);
    set(QPalette::Midlight, 0x3b4045);
    set(QPalette::Mid, 0x25292c);
    set(QPalette::Dark, 0x1d2023);
    set(QPalette::Shadow, 0x141618);
    return p;
}

// A high-contrast theme: white on black, a cyan highlight under black text, yellow links.
QPalette HighContrastPalette() {
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, QRgb rgb) {
        p.setColor(QPalette::All, role, QColor(rgb));
    };
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
                      QPalette::ToolTipBase, QPalette::Dark, QPalette::Shadow, QPalette::Mid})
        set(role, 0x000000);
    for (auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
          QPalette::ToolTipText, QPalette::PlaceholderText, QPalette::Light, QPalette::Midlight})
        set(role, 0xffffff);
    set(QPalette::Highlight, 0x1aebff);
    set(QPalette::HighlightedText, 0x000000);
    set(QPalette::Link, 0xffff00);
    return p;
}

// One window of the program, made and shown as the program shows it.
struct Opened {
    QString name;
    QPointer<QWidget> window;
};

class Windows {
public:
    // The offers are named "Offer 1 from ..." to "Offer 4 ...", the second `secondName` when
    // given.
    explicit Windows(const QString& secondName = {}) : store_(dir_.path()) {
        platform_.folders.appData = dir_.path().toStdString();
        platform_.folders.exeFolder = QStringLiteral("/opt/plumcrest/");
        // The Spanish run keeps Español as the calculator's choice, as a user who picked it has.
        if (qEnvironmentVariable("PLUMCREST_TEST_LANGUAGE") == QLatin1String("es")) {
            const QString folder =
                dir_.path() + QStringLiteral("/Quillmore Financial Software/Plumcrest");
            QVERIFY(QDir().mkpath(folder));
            QFile ini(folder + QStringLiteral("/Plumcrest.ini"));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[Display]\nLanguage=Spanish\n");
        }
        QVERIFY(store_.Open());
        for (int i = 0; i < 4; ++i) {
            store::KeptOffer offer = FullOffer();
            offer.id = 0;
            offer.name = i == 1 && !secondName.isEmpty()
                             ? secondName
                             : QStringLiteral("Offer %1 from a lender with a long name").arg(i + 1);
            offer.estimate.noteRate = 6.125 + 0.25 * i;
            offer.keptAt = QDateTime(QDate(2026, 12, 1 + i), QTime(9, 0), Qt::UTC);
            QVERIFY(store_.Add(offer));
        }
    }

    ~Windows() {
        for (auto& [name, window] : open_)
            delete window.data();
        if (main_)
            main_->setAttribute(Qt::WA_DeleteOnClose, false);
        main_.reset();
    }

    store::OfferStore& Store() { return store_; }

    TfrmMain& Main() {
        if (!main_) {
            main_ = std::make_unique<TfrmMain>();
            main_->show();
            QApplication::setActiveWindow(main_.get());
            static_cast<void>(QTest::qWaitForWindowExposed(main_.get()));
        }
        return *main_;
    }

    // Every window and dialog but the calculator, each made afresh and shown.
    std::vector<Opened> All() {
        std::vector<Opened> all;
        QWidget* owner = &Main();
        const auto show = [&](const QString& name, QWidget* window) {
            window->show();
            QApplication::setActiveWindow(window);
            static_cast<void>(QTest::qWaitForWindowExposed(window));
            QTest::qWait(20);
            open_.emplace_back(name, window);
            all.push_back({name, window});
        };
        show(QStringLiteral("keep_offer"), new offers::KeepOfferDialog(kUs, owner));
        auto* editor = new offers::OfferEditor(FullOffer(), kUs, owner);
        show(QStringLiteral("edit_offer"), editor);
        const reader::ReadBack read = FullReading();
        auto* review = new offers::OfferEditor(offers::OfferOfReading(read.reading), kUs, owner);
        review->setWindowTitle(QStringLiteral("Review Loan Estimate"));
        offers::ShowReadingIn(*review, read, kUs);
        review->FitToScreen(QSize(review->width(), 900));
        show(QStringLiteral("review"), review);
        auto* compare = new compare::CompareWindow(store_, owner);
        compare->PlaceWithin(*owner);
        show(QStringLiteral("compare"), compare);
        const LoanTerms terms = TermsOfEstimate(FullOffer().estimate);
        show(QStringLiteral("schedule"),
             new schedule::ScheduleWindow(QStringLiteral("Alder Bank"), terms, kUs, owner));
        ExtraPayments plan;
        plan.monthly = 10000;
        plan.once = {{12, 250000}, {36, 100000}};
        show(QStringLiteral("extra_payments"), new schedule::ExtraPlanDialog(plan, 360, owner));
        auto* help = new help::HelpWindow;
        help->Show(help::FileErrorUrl(QStringLiteral("/nowhere/plumcrestcalc.chm")));
        help->PlaceBeside(*owner);
        show(QStringLiteral("help"), help);
        show(QStringLiteral("disclaimer"), new dialogs::TfrmDisclaim(owner, owner));
        return all;
    }

private:
    QTemporaryDir dir_;
    testing::FakePlatform platform_;
    ScopedLocaleSeparators separators_{kUs};
    store::OfferStore store_;
    std::unique_ptr<TfrmMain> main_;
    std::vector<std::pair<QString, QPointer<QWidget>>> open_;
};

QRect GlobalRect(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

QAbstractScrollArea* ScrollingAncestor(const QWidget* widget, const QWidget* window) {
    for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (auto* area = qobject_cast<QAbstractScrollArea*>(up))
            return area;
    return nullptr;
}

QString Describe(const QWidget* widget) {
    const QString text = qobject_cast<const QAbstractButton*>(widget)
                             ? static_cast<const QAbstractButton*>(widget)->text()
                             : QString();
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QLatin1String(widget->metaObject()->className()), text, widget->objectName());
}

void SavePicture(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("PLUMCREST_WINDOWS_ARTIFACTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, RunName(), name));
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// The text colour a rendered label shows against its background, measured on its pixels: the
// commonest colour is the background, the pixel that differs most from it is the text.
double RenderedContrast(const QImage& image, const QRect& device) {
    std::map<QRgb, int> counts;
    const QRect area = device.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    if (counts.empty())
        return 21;
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    double best = 1;
    for (const auto& [rgb, count] : counts)
        best = std::max(best, contrast::Ratio(QColor(background), QColor(rgb)));
    return best;
}

bool Focusable(const QWidget* widget) {
    if (!widget->isVisible() || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
        return false;
    // A spin box's or combo box's inner field answers for its owner.
    const QWidget* parent = widget->parentWidget();
    return !widget->focusProxy() && !(parent && parent->focusProxy() == widget);
}

} // namespace

class WindowSweepTest : public QObject {
    Q_OBJECT

private slots:
    void every_window_fits_with_its_buttons_in_view();
    void no_caption_is_cut_and_each_alt_letter_is_used_once();
    void the_calculator_opens_with_its_menus_on_the_screen();
    void every_control_has_a_name_and_every_value_label_its_figure();
    void help_from_a_modal_dialog_can_be_used_and_f1_opens_it();
    void first_run_welcome_leaves_the_calculator_in_view();
    void a_long_offer_name_reads_whole_in_compare();
    void chart_months_step_by_keyboard_and_speak_their_figures();
    void chart_marks_the_month_visibly_in_three_palettes_data();
    void chart_marks_the_month_visibly_in_three_palettes();
    void text_and_focus_stand_out_in_three_palettes_data();
    void text_and_focus_stand_out_in_three_palettes();
};

// State: each window opened as the program opens it, on this run's screen.
// Expected: the window lies within the screen; every push or tool button is on the screen and
// wholly in view, directly or once its scroll area has scrolled to it.
void WindowSweepTest::every_window_fits_with_its_buttons_in_view() {
    Windows windows;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    qInfo("%s: screen %dx%d logical", qPrintable(RunName()), screen.width(), screen.height());
    for (const Opened& opened : windows.All()) {
        QWidget* window = opened.window;
        QVERIFY(window);
        QTest::qWait(10);
        const QRect frame = window->frameGeometry();
        qInfo("%s: %s %dx%d at %d,%d", qPrintable(RunName()), qPrintable(opened.name),
              frame.width(), frame.height(), frame.x(), frame.y());
        SavePicture(window, opened.name);
        QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1 is %2x%3 at %4,%5")
                                                        .arg(opened.name)
                                                        .arg(frame.width())
                                                        .arg(frame.height())
                                                        .arg(frame.x())
                                                        .arg(frame.y())));
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(window) ||
                !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)))
                continue;
            // A button in a scroll area counts once every area around it has scrolled to it.
            const bool scrolled = ScrollingAncestor(button, window) != nullptr;
            for (QWidget* up = button->parentWidget(); up && up != window; up = up->parentWidget())
                if (auto* scroll = qobject_cast<QScrollArea*>(up))
                    scroll->ensureWidgetVisible(button, 0, 0);
            if (scrolled)
                QTest::qWait(1);
            const QRect shown = button->visibleRegion().boundingRect();
            QVERIFY2(
                shown.size() == button->size(),
                qPrintable(QStringLiteral("%1: %2 is cut off").arg(opened.name, Describe(button))));
            QVERIFY2(
                screen.contains(GlobalRect(button)),
                qPrintable(
                    QStringLiteral("%1: %2 is off the screen").arg(opened.name, Describe(button))));
        }
    }
}

// The letter after a single "&" in a caption, lower case; none when there is no such letter.
QChar AltLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

// State: each window, and the calculator, on a 1366 x 768 screen at scale 1 (in English and in
// Spanish). Expected: every caption of a label, button, check box or group box gets the room
// its text asks for (no word cut), and within a window no two controls in view share an Alt
// letter.
void WindowSweepTest::no_caption_is_cut_and_each_alt_letter_is_used_once() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (screen.width() != 1366 || qEnvironmentVariableIntValue("PLUMCREST_TEST_FONT_POINTS") > 0)
        QSKIP("captions are measured on the 1366 x 768 laptop at scale 1");
    Windows windows;
    std::vector<Opened> all = windows.All();
    all.push_back({QStringLiteral("calculator"), &windows.Main()});
    for (const Opened& opened : all) {
        QWidget* window = opened.window;
        QVERIFY(window);
        QTest::qWait(10);
        std::map<QChar, QString> letters;
        const auto claim = [&](const QString& caption, QWidget* owner) {
            const QChar letter = AltLetter(caption);
            if (letter.isNull())
                return;
            const auto [at, added] = letters.emplace(letter, caption);
            QVERIFY2(
                added || at->second == caption,
                qPrintable(QStringLiteral("%1: Alt+%2 is both \"%3\" and \"%4\" (%5)")
                               .arg(opened.name, letter, at->second, caption, Describe(owner))));
        };
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window) || widget->window() != window)
                continue;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
                    continue;
                QVERIFY2(label->width() >= label->minimumSizeHint().width(),
                         qPrintable(QStringLiteral("%1: \"%2\" is cut (%3 of %4 pixels)")
                                        .arg(opened.name, label->text())
                                        .arg(label->width())
                                        .arg(label->minimumSizeHint().width())));
                if (label->buddy())
                    claim(label->text(), label);
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                if (button->text().isEmpty())
                    continue;
                QVERIFY2(button->width() >= button->minimumSizeHint().width(),
                         qPrintable(QStringLiteral("%1: \"%2\" is cut (%3 of %4 pixels)")
                                        .arg(opened.name, button->text())
                                        .arg(button->width())
                                        .arg(button->minimumSizeHint().width())));
                claim(button->text(), button);
            } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                QVERIFY2(box->width() >= box->fontMetrics().horizontalAdvance(box->title()),
                         qPrintable(QStringLiteral("%1: the box \"%2\" is cut")
                                        .arg(opened.name, box->title())));
                claim(box->title(), box);
            }
        }
    }
}

// State: the calculator on this run's screen.  Expected: its menu bar is on the screen, whole
// where the screen is large enough for the window.
void WindowSweepTest::the_calculator_opens_with_its_menus_on_the_screen() {
    Windows windows;
    TfrmMain& main = windows.Main();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = main.frameGeometry();
    qInfo("%s: calculator %dx%d at %d,%d", qPrintable(RunName()), frame.width(), frame.height(),
          frame.x(), frame.y());
    SavePicture(&main, QStringLiteral("calculator"));
    QVERIFY(screen.contains(frame.topLeft()));
    QVERIFY(screen.contains(GlobalRect(main.menuBar()).topLeft()));
    if (screen.width() >= frame.width() && screen.height() >= frame.height())
        QVERIFY(screen.contains(frame));
}

// State: each window opened.  Expected: every control the Tab key reaches has a name; every label
// with a figure in it is named by that figure; each figure beside a caption is labelled by it; the
// review's verdicts say in words whether the figures agree.
void WindowSweepTest::every_control_has_a_name_and_every_value_label_its_figure() {
    if (!DefaultRun())
        QSKIP("names do not depend on the screen: checked in the run at scale 1");
    Windows windows;
    int valueLabels = 0;
    int verdicts = 0;
    for (const Opened& opened : windows.All()) {
        QWidget* window = opened.window;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (Focusable(widget))
                QVERIFY2(!AccessibleName(widget).trimmed().isEmpty(),
                         qPrintable(opened.name + QStringLiteral(": unnamed ") + Describe(widget)));
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window) || label->text().isEmpty())
                continue;
            const QString text = label->text();
            const bool figure =
                std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
            if (figure && label->textFormat() == Qt::PlainText)
                QVERIFY2(AccessibleName(label) == text,
                         qPrintable(QStringLiteral("%1: the label \"%2\" is named \"%3\"")
                                        .arg(opened.name, text, AccessibleName(label))));
            if (label->objectName().startsWith(QLatin1String("lblCheck_"))) {
                ++verdicts;
                // A verdict, in either language: agrees (\u2713) or differs (\u2717).
                QVERIFY2(text.startsWith(QChar(0x2713)) || text.startsWith(QChar(0x2717)),
                         qPrintable(text));
                QCOMPARE(AccessibleName(label), text);
            }
        }
        // Each caption's figure is labelled by the caption over the accessibility relations.
        for (QLabel* caption : window->findChildren<QLabel*>()) {
            auto* value = qobject_cast<QLabel*>(caption->buddy());
            if (!value || !value->isVisibleTo(window))
                continue;
            ++valueLabels;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(value);
            QVERIFY(face);
            bool labelled = false;
            for (const auto& [other, relation] : face->relations(QAccessible::Label))
                labelled = labelled || other->object() == caption;
            QVERIFY2(labelled, qPrintable(opened.name + QStringLiteral(": ") + value->text()));
            QCOMPARE(AccessibleName(value), value->text());
        }
        // The totals of Edit Offer and the review, by their names.
        for (const char* total : {"lblTotalD", "lblTotalI", "lblTotalJ", "lblTotalA"}) {
            if (auto* label = window->findChild<QLabel*>(QLatin1String(total))) {
                QVERIFY(!label->text().isEmpty());
                QCOMPARE(AccessibleName(label), label->text());
            }
        }
        if (opened.name == QLatin1String("help")) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
            QCOMPARE(face->role(), QAccessible::Window);
        }
    }
    qInfo("value labels checked: %d, verdicts: %d", valueLabels, verdicts);
    QVERIFY(valueLabels >= 30);
    QVERIFY(verdicts >= 6);
}

// State: the help viewer owned by the calculator; a modal dialog open.  Action: F1 in the
// dialog, then a click on a topic in the help's contents.  Expected: the help opens and the click
// shows that topic: the dialog does not block it.
void WindowSweepTest::help_from_a_modal_dialog_can_be_used_and_f1_opens_it() {
    if (!DefaultRun())
        QSKIP("checked in the run at scale 1");
    Windows windows;
    TfrmMain& main = windows.Main();
    help::ChmHelpViewer viewer;
    viewer.SetHelpFile(QStringLiteral(PLUMCREST_HELP_FILE));
    viewer.SetOwner(&main);
    platform::Services services = platform::Current();
    services.help = &viewer;
    const platform::ScopedServices use(services);

    const auto tryDialog = [&](QDialog* dialog, const char* what) {
        QString topicAfterClick;
        QString topicOnF1;
        QTimer::singleShot(0, dialog, [&] {
            static_cast<void>(QTest::qWaitForWindowExposed(dialog));
            QApplication::setActiveWindow(dialog);
            QTest::keyClick(dialog, Qt::Key_F1);
            topicOnF1 = viewer.Topic();
            QWidget* help = viewer.Window();
            if (help && help->isVisible()) {
                static_cast<void>(QTest::qWaitForWindowExposed(help));
                // Wide enough for its contents beside the topic.
                help->resize(800, 500);
                help->findChild<QSplitter*>()->setSizes({240, 560});
                QTest::qWait(1);
                auto* contents = help->findChild<QTreeWidget*>(QStringLiteral("contents"));
                QTreeWidgetItem* item = nullptr;
                for (QTreeWidgetItemIterator it(contents); *it; ++it)
                    if ((*it)->data(0, Qt::UserRole).toUrl().path() !=
                            QLatin1String(qPrintable(topicOnF1)) &&
                        (*it)->data(0, Qt::UserRole).toUrl().isValid())
                        item = item ? item : *it;
                if (item) {
                    // Through the window system, as a user's click comes: a window that a
                    // modal dialog blocks does not get it.
                    const QPoint at =
                        contents->viewport()->mapTo(help, contents->visualItemRect(item).center());
                    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, at);
                    QTest::qWait(20);
                }
                topicAfterClick = viewer.Topic();
                help->hide();
            }
            dialog->reject();
        });
        dialog->exec();
        QVERIFY2(!topicOnF1.isEmpty(), what);
        QVERIFY2(!topicAfterClick.isEmpty() && topicAfterClick != topicOnF1,
                 qPrintable(QStringLiteral("%1: the help did not follow the click (%2)")
                                .arg(QLatin1String(what), topicAfterClick)));
    };
    offers::KeepOfferDialog keep(kUs, &main);
    tryDialog(&keep, "Keep This Offer");
    ExtraPayments plan;
    schedule::ExtraPlanDialog extra(plan, 360, &main);
    tryDialog(&extra, "Extra Payments");
    offers::OfferEditor editor(FullOffer(), kUs, &main);
    tryDialog(&editor, "Edit Offer");
}

// State: a first run: the welcome asked for before the calculator is shown.  Expected: once the
// calculator shows, the welcome stands beside it, neither covering the other, both on the screen;
// where the screen has no room beside it (1366 x 768 at scale 2), the welcome, still wide enough
// to read, leaves in view the fields its first step asks for and the results they give.
void WindowSweepTest::first_run_welcome_leaves_the_calculator_in_view() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    testing::FakePlatform platform;
    ScopedLocaleSeparators separators(kUs);
    help::ChmHelpViewer viewer;
    viewer.SetHelpFile(QStringLiteral(PLUMCREST_HELP_FILE));
    TfrmMain main;
    viewer.SetOwner(&main);
    viewer.ShowContext(help::kWelcomeContext);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::qWait(50);
    QWidget* help = viewer.Window();
    QVERIFY(help && help->isVisible());
    QCOMPARE(viewer.Topic(), QStringLiteral("/welcome.htm"));
    QVERIFY(viewer.Text().contains(QStringLiteral("Closing Disclosure")));
    const QRect calculator = main.frameGeometry();
    const QRect welcome = help->frameGeometry();
    qInfo("%s: calculator %dx%d at %d,%d, welcome %dx%d at %d,%d", qPrintable(RunName()),
          calculator.width(), calculator.height(), calculator.x(), calculator.y(), welcome.width(),
          welcome.height(), welcome.x(), welcome.y());
    SavePicture(help, QStringLiteral("welcome"));
    QVERIFY(screen.contains(welcome));
    QVERIFY2(welcome.width() >= 300, "the welcome is too narrow to read");
    // Where the screen has room for both side by side, they do not overlap.
    if (screen.width() >= calculator.width() + 300 + 16)
        QVERIFY2(!welcome.intersects(calculator), "the welcome covers the calculator");
    // Price to rate, and the payment, fees and APR they give: never under the welcome.
    for (const char* name :
         {"edtPurchasePrice", "edtDownPaymentPercent", "edtDownPayment", "edtLoan", "edtTerm",
          "edtInterest", "edtPayment", "edtFixedFees", "edtAPR"}) {
        const auto* field = main.findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(field, name);
        const QRect at = GlobalRect(field);
        QVERIFY2(screen.contains(at),
                 qPrintable(QStringLiteral("%1 is off the screen").arg(QLatin1String(name))));
        QVERIFY2(!welcome.intersects(at),
                 qPrintable(QStringLiteral("the welcome covers %1").arg(QLatin1String(name))));
    }
    main.setAttribute(Qt::WA_DeleteOnClose, false);
    viewer.Quit();
}

// State: Compare on this run's screen, the second of four offers named with 60 characters.
// Expected: the window fits the screen; the name's column header shows it whole at 1366 x 768
// (elsewhere whole or ending in an ellipsis), wrapped onto lines that fit the column, in a
// header tall enough for them and short enough to leave the table room; its tooltip and its
// name to a screen reader are the whole name; double-clicking the column's edge widens it to
// the name on one line.
void WindowSweepTest::a_long_offer_name_reads_whole_in_compare() {
    const QString name =
        QStringLiteral("Riverside Federal Savings Bank, 30-Year Fixed Rate Home Loan");
    QCOMPARE(name.size(), 60);
    Windows windows(name);
    auto* compare = new compare::CompareWindow(windows.Store(), &windows.Main());
    compare->setAttribute(Qt::WA_DeleteOnClose, false);
    const std::unique_ptr<compare::CompareWindow> owned(compare);
    compare->PlaceWithin(windows.Main());
    compare->show();
    QVERIFY(QTest::qWaitForWindowExposed(compare));
    QTest::qWait(20);
    SavePicture(compare, QStringLiteral("compare-long-name"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(compare->frameGeometry()), "Compare does not fit the screen");
    auto* header = qobject_cast<compare::OfferHeader*>(compare->Table()->horizontalHeader());
    QVERIFY(header);
    QAbstractItemModel* model = compare->Table()->model();
    int column = -1;
    for (int i = 0; i < model->columnCount(); ++i)
        if (model->headerData(i, Qt::Horizontal).toString() == name)
            column = i;
    QVERIFY(column >= 0);
    const QStringList lines = header->ShownLines(column);
    qInfo("%s: %d lines in a %d-pixel column, header %d high", qPrintable(RunName()),
          int(lines.size()), header->sectionSize(column), header->height());
    // Whole on a laptop's screen; where the table is too short for its lines, never cut
    // without an ellipsis to say so.
    if (DefaultRun())
        QCOMPARE(lines.join(QLatin1Char(' ')), name);
    else if (lines.join(QLatin1Char(' ')) != name)
        QVERIFY2(lines.size() == header->MostLines() && lines.last().endsWith(QChar(0x2026)),
                 qPrintable(lines.join(QLatin1Char('|'))));
    QFont bold = header->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (const QString& line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= header->sectionSize(column), qPrintable(line));
    QVERIFY2(header->height() >= lines.size() * metrics.lineSpacing(), "the header cuts lines");
    // The header leaves room in the table for its rows.
    QVERIFY2(header->height() <= compare->Table()->height() / 2,
             qPrintable(QStringLiteral("a %1-pixel header in a %2-pixel table")
                            .arg(header->height())
                            .arg(compare->Table()->height())));
    QCOMPARE(model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString(), name);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(compare->Table());
    QVERIFY(table);
    bool spoken = false;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* cell = table->child(i);
        if (cell && cell->role() == QAccessible::ColumnHeader &&
            cell->text(QAccessible::Name) == name)
            spoken = true;
    }
    QVERIFY2(spoken, "no column header speaks the whole name");
    const int edge = header->sectionViewportPosition(column) + header->sectionSize(column) - 1;
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(edge, header->height() / 2));
    QCOMPARE(header->ShownLines(column), QStringList{name});
}

// State: the Compare window's chart of four offers, focused.  Action: Right, then End, then
// Page Up.  Expected: a month is marked from the horizon on, the figures of every offer at it are
// shown under the chart and are the chart's name to a screen reader; End goes to the last month,
// Page Up a year back.
void WindowSweepTest::chart_months_step_by_keyboard_and_speak_their_figures() {
    if (!DefaultRun())
        QSKIP("checked in the run at scale 1");
    Windows windows;
    std::vector<Opened> all = windows.All();
    auto* compare = qobject_cast<compare::CompareWindow*>(
        std::find_if(all.begin(), all.end(), [](const Opened& o) {
            return o.name == QLatin1String("compare");
        })->window.data());
    QVERIFY(compare);
    QApplication::setActiveWindow(compare);
    compare->Tabs()->setCurrentIndex(1);
    compare::CostChart* chart = compare->Chart();
    auto* view = qobject_cast<QChartView*>(chart->findChild<QTabWidget*>()->currentWidget());
    QVERIFY(view);
    view->setFocus(Qt::TabFocusReason);
    QCOMPARE(chart->MarkedMonth(), -1);
    QTest::keyClick(view, Qt::Key_Right);
    const int horizon = compare->HorizonField()->value() * 12;
    QCOMPARE(chart->MarkedMonth(), horizon); // the horizon's month first
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(chart->MarkedMonth(), horizon + 1);
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(chart->MarkedMonth(), chart->Months());
    QTest::keyClick(view, Qt::Key_PageUp);
    QCOMPARE(chart->MarkedMonth(), chart->Months() - 12);
    const QString shown = chart->MarkedLine()->text();
    // "Month" in the language shown: the first word of the line's own text.
    const QString month =
        QCoreApplication::translate("plumcrest::compare::CostChart", "Month %1 (year %2), %3: %4")
            .section(QLatin1Char(' '), 0, 0);
    QVERIFY2(shown.startsWith(QStringLiteral("%1 %2 ").arg(month).arg(chart->Months() - 12)),
             qPrintable(shown));
    for (int i = 1; i <= 4; ++i)
        QVERIFY2(shown.contains(QStringLiteral("Offer %1 from").arg(i)), qPrintable(shown));
    QVERIFY(AccessibleName(view).contains(shown));
}

void WindowSweepTest::chart_marks_the_month_visibly_in_three_palettes_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << LightPalette();
    QTest::newRow("dark") << DarkPalette();
    QTest::newRow("high_contrast") << HighContrastPalette();
}

// State: the desktop's palette light, dark or high contrast; Compare's chart of four offers
// focused.  Action: Right (to the horizon's month), Page Down twice, Right, Home, End.
// Expected: no mark before a key; then a line stands at the marked month on both charts, drawn
// on the cost chart in pixels that stand out 3:1 or more from the chart beside it, and gone from
// where it stood when it moves on.
void WindowSweepTest::chart_marks_the_month_visibly_in_three_palettes() {
    if (!DefaultRun())
        QSKIP("checked in the run at scale 1");
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    struct Restore {
        QPalette palette;
        ~Restore() { QApplication::setPalette(palette); }
    } restore{before};
    Windows windows;
    auto* compare = new compare::CompareWindow(windows.Store(), &windows.Main());
    compare->setAttribute(Qt::WA_DeleteOnClose, false);
    const std::unique_ptr<compare::CompareWindow> owned(compare);
    compare->PlaceWithin(windows.Main());
    compare->show();
    QVERIFY(QTest::qWaitForWindowExposed(compare));
    QApplication::setActiveWindow(compare);
    compare->Tabs()->setCurrentIndex(1);
    compare::CostChart* chart = compare->Chart();
    using View = compare::CostChart::View;
    auto* view = qobject_cast<QChartView*>(chart->findChild<QTabWidget*>()->currentWidget());
    QVERIFY(view && view->chart() == chart->Chart(View::Cost));
    view->setFocus(Qt::TabFocusReason);
    QTest::qWait(100);
    QVERIFY(chart->MarkLine(View::Cost) && !chart->MarkLine(View::Cost)->isVisible());
    QVERIFY(chart->MarkLine(View::Balance) && !chart->MarkLine(View::Balance)->isVisible());

    // The share of the plot's rows in which pixels at the month's place stand out 3:1 from the
    // chart a few pixels to either side.
    const auto drawnAt = [&](int month) {
        QChart* c = view->chart();
        QLineSeries* mark = chart->MarkLine(View::Cost);
        const QImage image = view->viewport()->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const auto toImage = [&](const QPointF& inChart) {
            return view->mapFromScene(c->mapToScene(inChart)) * ratio;
        };
        const QPoint at = toImage(c->mapToPosition(QPointF(month / 12.0, 0), mark));
        const QRectF plot = c->plotArea();
        const int top = toImage(plot.topLeft()).y();
        const int bottom = toImage(plot.bottomLeft()).y();
        int rows = 0;
        int marked = 0;
        for (int y = top + (bottom - top) / 10; y < bottom - (bottom - top) / 10; ++y, ++rows) {
            const QColor left = image.pixelColor(at.x() - 8, y);
            const QColor right = image.pixelColor(at.x() + 8, y);
            for (int x = at.x() - 1; x <= at.x() + 1; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (contrast::Ratio(pixel, left) >= 3 && contrast::Ratio(pixel, right) >= 3) {
                    ++marked;
                    break;
                }
            }
        }
        return rows ? double(marked) / rows : 0.0;
    };
    const auto standsAt = [&](int month) {
        for (View v : {View::Cost, View::Balance}) {
            QLineSeries* mark = chart->MarkLine(v);
            if (!mark || !mark->isVisible() || mark->count() != 2 ||
                qRound(mark->at(0).x() * 12) != month || qRound(mark->at(1).x() * 12) != month)
                return false;
        }
        return true;
    };
    // A year and two years past the horizon, clear of its own dashed line.
    const int first = compare->HorizonField()->value() * 12 + 12;
    const int second = first + 12;
    QVERIFY(drawnAt(first) < 0.3);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(chart->MarkedMonth(), first);
    QVERIFY(standsAt(first));
    QTest::qWait(50);
    SavePicture(compare, QStringLiteral("chart-") + QLatin1String(QTest::currentDataTag()));
    const double shown = drawnAt(first);
    qInfo("%s: the mark stands out in %.0f %% of the plot's rows", QTest::currentDataTag(),
          100 * shown);
    QVERIFY2(shown > 0.7, "the marked month's line is not to be seen");
    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(chart->MarkedMonth(), second);
    QVERIFY(standsAt(second));
    QTest::qWait(50);
    QVERIFY(drawnAt(second) > 0.7);
    QVERIFY2(drawnAt(first) < 0.3, "the mark stays where it stood");
    QTest::keyClick(view, Qt::Key_Right);
    QVERIFY(standsAt(second + 1));
    QTest::keyClick(view, Qt::Key_Home);
    QVERIFY(standsAt(0));
    QTest::keyClick(view, Qt::Key_End);
    QVERIFY(standsAt(chart->Months()));
}

void WindowSweepTest::text_and_focus_stand_out_in_three_palettes_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << LightPalette();
    QTest::newRow("dark") << DarkPalette();
    QTest::newRow("high_contrast") << HighContrastPalette();
}

// State: the desktop's palette is light, dark or high contrast; each window opened.
// Expected: every label's text stands out from its background by 4.5:1 or more as drawn; so do
// every list's and table's text and selected text; focusing a control changes pixels around it by
// 3:1 or more, at least a line's worth all round.
void WindowSweepTest::text_and_focus_stand_out_in_three_palettes() {
    if (!DefaultRun())
        QSKIP("colours do not depend on the screen: checked in the run at scale 1");
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    struct Restore {
        QPalette palette;
        ~Restore() { QApplication::setPalette(palette); }
    } restore{before};
    double lowestText = 21;
    QString lowestWhere;
    double lowestFocus = 21;
    QString lowestFocusWhere;
    Windows windows;
    for (const Opened& opened : windows.All()) {
        QWidget* window = opened.window;
        QTest::qWait(10);
        SavePicture(window,
                    opened.name + QLatin1Char('-') + QLatin1String(QTest::currentDataTag()));
        const QImage image = window->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        for (QLabel* label : window->findChildren<QLabel*>()) {
            // Only labels wholly in view: a scrolled-off part would be measured against what
            // covers it.
            if (!label->isVisible() || label->text().trimmed().isEmpty() ||
                label->visibleRegion().boundingRect().size() != label->size())
                continue;
            const QRect logical(label->mapTo(window, QPoint(0, 0)), label->size());
            const QRect device(logical.topLeft() * ratio, logical.size() * ratio);
            const double measured = RenderedContrast(image, device);
            if (measured < lowestText) {
                lowestText = measured;
                lowestWhere = opened.name + QStringLiteral(": \"") + label->text().left(40) +
                              QLatin1Char('"');
            }
        }
        for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
            if (!view->isVisible())
                continue;
            const QPalette& p = view->palette();
            const double text = contrast::Ratio(p.color(QPalette::Active, QPalette::Text),
                                                p.color(QPalette::Active, QPalette::Base));
            const double selected =
                contrast::Ratio(p.color(QPalette::Active, QPalette::HighlightedText),
                                p.color(QPalette::Active, QPalette::Highlight));
            for (const double measured : {text, selected})
                if (measured < lowestText) {
                    lowestText = measured;
                    lowestWhere = opened.name + QStringLiteral(": ") + Describe(view);
                }
            // The model's own colours, where it gives any, on the rows in sight.
            QAbstractItemModel* model = view->model();
            for (int row = 0; model && row < std::min(model->rowCount(), 40); ++row)
                for (int column = 0; column < model->columnCount(); ++column) {
                    const QModelIndex index = model->index(row, column);
                    const QVariant fore = model->data(index, Qt::ForegroundRole);
                    if (!fore.isValid())
                        continue;
                    const QVariant back = model->data(index, Qt::BackgroundRole);
                    const QColor base = back.isValid() ? back.value<QBrush>().color()
                                                       : p.color(QPalette::Active, QPalette::Base);
                    const double measured = contrast::Ratio(fore.value<QBrush>().color(), base);
                    if (measured < lowestText) {
                        lowestText = measured;
                        lowestWhere = opened.name + QStringLiteral(": cell of ") + Describe(view);
                    }
                }
        }
        // Focus, control by control: the pixels around it before and after it takes the focus.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        int tried = 0;
        // A window may rebuild some of its controls as the focus moves: tried only while they live.
        QList<QPointer<QWidget>> controls;
        for (QWidget* widget : window->findChildren<QWidget*>())
            controls.append(widget);
        for (const QPointer<QWidget>& widget : controls) {
            if (!widget || !Focusable(widget) ||
                widget->visibleRegion().boundingRect().size() != widget->size() || tried >= 40)
                continue;
            ++tried;
            QApplication::setActiveWindow(window);
            if (QWidget* focused = QApplication::focusWidget())
                focused->clearFocus();
            QTest::qWait(1);
            const QRect around = QRect(widget->mapTo(window, QPoint(0, 0)), widget->size())
                                     .adjusted(-4, -4, 4, 4)
                                     .intersected(window->rect());
            const QImage unfocused = window->grab(around).toImage();
            widget->setFocus(Qt::TabFocusReason);
            QTest::qWait(1);
            if (QApplication::focusWidget() != widget)
                continue; // it hands the focus on: the control that takes it is tried itself
            const QImage focusedImage = window->grab(around).toImage();
            int changed = 0;
            double strongest = 1;
            for (int y = 0; y < unfocused.height() && y < focusedImage.height(); ++y)
                for (int x = 0; x < unfocused.width() && x < focusedImage.width(); ++x) {
                    const double change = contrast::Ratio(QColor(unfocused.pixel(x, y)),
                                                          QColor(focusedImage.pixel(x, y)));
                    strongest = std::max(strongest, change);
                    if (change >= contrast::kFocus)
                        ++changed;
                }
            const int perimeter =
                static_cast<int>(2 * (widget->width() + widget->height()) * ratio);
            const double score = changed >= perimeter ? strongest : 1.0;
            if (score < lowestFocus) {
                lowestFocus = score;
                lowestFocusWhere =
                    opened.name + QStringLiteral(": ") + Describe(widget) +
                    QStringLiteral(" (%1 of %2 pixels changed by 3:1)").arg(changed).arg(perimeter);
            }
        }
    }
    qInfo("%s palette: lowest text contrast %.2f:1 (%s); lowest focus change %.2f:1 (%s)",
          QTest::currentDataTag(), lowestText, qPrintable(lowestWhere), lowestFocus,
          qPrintable(lowestFocusWhere));
    QVERIFY2(lowestText >= contrast::kText, qPrintable(lowestWhere));
    QVERIFY2(lowestFocus >= contrast::kFocus, qPrintable(lowestFocusWhere));
}

int main(int argc, char** argv) {
    PlumcrestApplication app(argc, argv);
    // The Spanish run shows every window in Spanish, as a Spanish desktop would.
    if (qEnvironmentVariable("PLUMCREST_TEST_LANGUAGE") == QLatin1String("es"))
        translations::InstallTranslators(app, QLocale(QLocale::Spanish, QLocale::UnitedStates));
    if (const int points = qEnvironmentVariableIntValue("PLUMCREST_TEST_FONT_POINTS"); points > 0) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    WindowSweepTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowSweepTest.moc"
