// The controls of the main window and their places (client area 656 x 403).

#include "Hint.h"
#include "Main.h"
#include "NumericFieldAccessible.h"
#include "Pictures.h"
#include "PlumcrestApplication.h"
#include "Sites.h"
#include "TNumericField.h"
#include "TPanelStatusBar.h"
#include "TUrlLabel.h"
#include "Translations.h"
#include "Version.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>

namespace plumcrest {
namespace {

constexpr int kFieldWidth = 103;
constexpr int kFieldHeight = 23;

// Where each field of kLoanPageFields sits, with its label (15 high) and the window member that
// holds it; found by the field's name, so the order here does not matter.
struct FieldPlace {
    std::string_view fieldName;
    TNumericField* TfrmMain::*widget;
    int left, top;
    int labelLeft, labelTop, labelWidth;
};

constexpr int kLabelHeight = 15;

constexpr std::array<FieldPlace, 18> kFieldPlaces{{
    {"edtPurchasePrice", &TfrmMain::edtPurchasePrice, 175, 32, 46, 36, 124},
    {"edtDownPaymentPercent", &TfrmMain::edtDownPaymentPercent, 175, 59, 39, 63, 131},
    {"edtDownPayment", &TfrmMain::edtDownPayment, 175, 86, 84, 90, 86},
    {"edtLoan", &TfrmMain::edtLoan, 175, 113, 94, 117, 76},
    {"edtTerm", &TfrmMain::edtTerm, 176, 142, 90, 144, 80},
    {"edtInterest", &TfrmMain::edtInterest, 175, 168, 97, 171, 73},
    {"edtPayment", &TfrmMain::edtPayment, 175, 195, 45, 198, 125},
    {"edtFixedFees", &TfrmMain::edtFixedFees, 175, 222, 54, 225, 116},
    {"edtAPR", &TfrmMain::edtAPR, 175, 249, 34, 252, 136},
    {"edtOriginationFees", &TfrmMain::edtOriginationFees, 509, 32, 411, 36, 94},
    {"edtPoints", &TfrmMain::edtPoints, 509, 59, 415, 63, 90},
    {"edtPrepaidInterest", &TfrmMain::edtPrepaidInterest, 509, 86, 361, 90, 144},
    {"edtMIP", &TfrmMain::edtMIP, 509, 113, 332, 117, 173},
    {"edtBuydown", &TfrmMain::edtBuydown, 509, 141, 418, 144, 87},
    {"edtFloodCheck", &TfrmMain::edtFloodCheck, 509, 168, 416, 171, 89},
    {"edtTaxService", &TfrmMain::edtTaxService, 509, 195, 406, 198, 99},
    {"edtOther1", &TfrmMain::edtOther1, 509, 222, 450, 225, 55},
    {"edtOther2", &TfrmMain::edtOther2, 509, 249, 353, 252, 152},
}};

constexpr const FieldPlace* FindPlace(std::string_view fieldName) {
    for (const auto& place : kFieldPlaces)
        if (place.fieldName == fieldName)
            return &place;
    return nullptr;
}

constexpr bool EveryFieldHasOnePlace() {
    for (const auto& field : kLoanPageFields)
        if (!FindPlace(field.fieldName))
            return false;
    return kFieldPlaces.size() == kLoanPageFields.size();
}
static_assert(EveryFieldHasOnePlace(), "a field of kLoanPageFields has no place on the page");

struct ShapePlace {
    const char* name;
    int left, top, width, height;
};

// A red bracket around the nine fees, tied to their total.
constexpr std::array<ShapePlace, 4> kShapes{{
    {"Shape1", 301, 27, 2, 252},
    {"Shape3", 300, 26, 105, 2},
    {"Shape4", 300, 278, 105, 2},
    {"Shape2", 277, 231, 26, 2},
}};

QFont WindowFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

QString AccessibleNameOf(const QString& caption) {
    QString name = caption;
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

} // namespace

TNumericField* TfrmMain::FieldOf(const LoanField& row) const {
    const FieldPlace* place = FindPlace(row.fieldName);
    return place ? this->*place->widget : nullptr;
}

void TfrmMain::BuildLayout() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(version::kProductName));
    setFont(WindowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    BuildToolbar();
    BuildNotebook();
    BuildStatusBar();
    StyleHintWindow();
}

void TfrmMain::StyleHintWindow() {
    // Popup hints in "Tahoma" 8 pt; their colours are the system's info colours already.
    QFont hintFont(QStringLiteral("Tahoma"));
    hintFont.setPixelSize(11);
    QToolTip::setFont(hintFont);
}

void TfrmMain::BuildToolbar() {
    auto* panel = new QFrame(centralWidget());
    panel->setObjectName(QStringLiteral("pnlTop"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, kClientWidth, 32);
    panel->setAutoFillBackground(true);
    pnlTop = panel;

    struct ButtonPlace {
        QToolButton* TfrmMain::*button;
        const char* name;
        int left;
        const char* hint;
        Picture picture;
    };
    const std::array<ButtonPlace, 5> buttons{{
        {&TfrmMain::btnReset, "btnReset", 3, QT_TR_NOOP("Reset| Reset Default Values ..."),
         Picture::Reset},
        {&TfrmMain::btnUpdate, "btnUpdate", 29, QT_TR_NOOP(" Check for New Version ..."),
         Picture::Update},
        {&TfrmMain::btnHelp, "btnHelp", 55, QT_TR_NOOP(" Help ..."), Picture::Help},
        {&TfrmMain::btnAbout, "btnAbout", 81, QT_TR_NOOP(" About ..."), Picture::About},
        {&TfrmMain::btnExit, "btnExit", 626, QT_TR_NOOP("Exit"), Picture::Exit},
    }};
    for (const auto& place : buttons) {
        auto* button = new QToolButton(pnlTop);
        button->setObjectName(QString::fromLatin1(place.name));
        button->setGeometry(place.left, 3, 26, 26);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        // The update button has a single picture; the others carry a greyed one too.
        button->setIcon(place.picture == Picture::Update ? QIcon(DrawPicture(place.picture, 20))
                                                         : PictureIcon(place.picture, 20));
        button->setIconSize(QSize(20, 20));
        translations::Live(button, [button, hint = place.hint] {
            SetHint(button, tr(hint));
            button->setAccessibleName(ShortHint(tr(hint)).trimmed());
        });
        this->*place.button = button;
    }

    UrlOnline = new TUrlLabel(pnlTop);
    UrlOnline->setObjectName(QStringLiteral("UrlOnline"));
    UrlOnline->SetCaption(QStringLiteral("UrlOnline"));
    UrlOnline->SetURL(sites::kWebSiteBase + QStringLiteral("/plumcrest.htm"));
    UrlOnline->setVisible(false);
}

void TfrmMain::BuildNotebook() {
    nbkMain = new QTabWidget(centralWidget());
    nbkMain->setObjectName(QStringLiteral("nbkMain"));
    nbkMain->setGeometry(0, 32, kClientWidth, 352);
    nbkMain->setFont(WindowFont());
    nbkMain->setFocusPolicy(Qt::NoFocus);
    nbkMain->tabBar()->setFocusPolicy(Qt::NoFocus);
    nbkMain->setMouseTracking(true);
    nbkMain->tabBar()->setMouseTracking(true);
    nbkMain->installEventFilter(this);
    nbkMain->tabBar()->installEventFilter(this);

    BuildCalculatorPage();
    BuildPromotionalPage(0);
    BuildPromotionalPage(1);
    nbkMain->setCurrentIndex(0);
}

void TfrmMain::BuildCalculatorPage() {
    Page1 = new QWidget;
    Page1->setObjectName(QStringLiteral("Page1"));
    Page1->setAutoFillBackground(true);
    nbkMain->addTab(Page1, QStringLiteral(" %1 ").arg(QString::fromLatin1(version::kProductName)));

    std::array<QLabel*, kLoanPageFields.size()> labels{};
    for (std::size_t i = 0; i < kLoanPageFields.size(); ++i) {
        const LoanField& row = kLoanPageFields[i];
        const FieldPlace& place = *FindPlace(row.fieldName);
        auto* label = new QLabel(Page1);
        labels[i] = label;
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        translations::Live(label, [label, caption = row.caption, &place] {
            label->setText(tr(caption));
            // The labels were sized to their text; where this font or language runs wider, the
            // label grows to the left so its right edge stays put and nothing is cut off.
            const int width = std::max(place.labelWidth, label->sizeHint().width());
            label->setGeometry(place.labelLeft + place.labelWidth - width, place.labelTop, width,
                               kLabelHeight);
        });
    }

    // All eighteen fields follow the page's order in the focus chain; Tab passes over the
    // results (no tab stop), and from a result the user clicked into it goes on to the next
    // input on the page, Shift+Tab to the previous one.
    TNumericField* previous = nullptr;
    for (std::size_t i = 0; i < kLoanPageFields.size(); ++i) {
        const LoanField& row = kLoanPageFields[i];
        const FieldPlace& place = *FindPlace(row.fieldName);
        auto* field = new TNumericField(Page1);
        field->setObjectName(QString::fromLatin1(row.fieldName));
        field->setPictureMask(QString::fromStdU32String(std::u32string(MaskText(row.mask))));
        field->setGeometry(place.left, place.top, kFieldWidth, kFieldHeight);
        translations::Live(field, [field, caption = row.caption] {
            field->setAccessibleName(AccessibleNameOf(tr(caption)));
        });
        SetAccessibleLabel(field, labels[i]);
        field->setDataType(TNumericField::nftDouble);
        field->setOptions({});
        field->setCaretOvr(TNumericField::csBlock);
        field->setCursor(Qt::IBeamCursor);
        if (previous)
            QWidget::setTabOrder(previous, field);
        previous = field;
        if (row.IsInput()) {
            field->setTabStop(true);
        } else {
            // Results: black on yellow whatever the desktop's palette, out of the tab order,
            // and never showing digits that are not the value.
            field->setColor(QColor(Qt::yellow));
            field->setTextColor(QColor(Qt::black));
            field->setTabStop(false);
            field->setShowOverflowAsHashes(true);
        }
        this->*place.widget = field;
    }
    edtAPR->setFont(WindowFont());

    for (const auto& place : kShapes) {
        auto* shape = new QFrame(Page1);
        shape->setObjectName(QString::fromLatin1(place.name));
        shape->setGeometry(place.left, place.top, place.width, place.height);
        shape->setAutoFillBackground(true);
        QPalette pal = shape->palette();
        pal.setColor(QPalette::Window, Qt::red);
        shape->setPalette(pal);
        shape->lower();
    }
}

void TfrmMain::BuildPromotionalPage(int index) {
    struct Promotion {
        const char* tab;
        const char* product;
        const char* pitch;
        QColor accent;
        std::size_t site;
    };
    const std::array<Promotion, 2> promotions{{
        {" Rentwise ", "Rentwise",
         QT_TR_NOOP("Should you keep renting or buy now? Rentwise compares the true cost of both, "
                    "year by year, with taxes, upkeep and the money your down payment could earn "
                    "elsewhere."),
         QColor(0x2e, 0x7d, 0x32), 1},
        {" Amortiza ", "Amortiza",
         QT_TR_NOOP("See where every payment goes. Amortiza prints the full amortization "
                    "schedule of a mortgage and shows how extra payments shorten the term and "
                    "save interest."),
         QColor(0x6a, 0x1b, 0x9a), 2},
    }};
    const auto& promo = promotions.at(static_cast<std::size_t>(index));
    const QString product = QString::fromLatin1(promo.product);
    const QString address = QString::fromLatin1(sites::kOtherProducts.at(promo.site).address);

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Page%1").arg(index + 2));
    nbkMain->addTab(page, QString::fromLatin1(promo.tab));
    // A panel in the window colour (white), unlike the calculator page.
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    page->setPalette(pal);

    auto openProduct = [this, address] {
        UrlOnline->SetURL(address + referralSuffix_);
        UrlOnline->Click();
    };

    auto* shot = new QLabel(page);
    shot->setObjectName(QStringLiteral("imgProduct%1").arg(index + 1));
    shot->setGeometry(16, 16, 300, 270);
    shot->setPixmap(DrawProductScreenshot(product, promo.accent, QSize(300, 270)));
    shot->setCursor(Qt::PointingHandCursor);
    shot->setMouseTracking(true);
    translations::Live(shot, [shot, product] {
        shot->setToolTip(tr("Click to learn more about %1 ...").arg(product));
        shot->setAccessibleName(tr("%1 screenshot").arg(product));
    });
    shot->installEventFilter(this);
    productImages_.insert(shot, openProduct);

    auto* title = new QLabel(page);
    title->setGeometry(336, 20, 300, 30);
    title->setTextFormat(Qt::RichText);
    translations::Live(title, [title, product] {
        title->setText(tr("<b style='font-size:18px'>%1</b> from Quillmore").arg(product));
    });

    auto* text = new QLabel(page);
    text->setGeometry(336, 60, 300, 120);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setTextFormat(Qt::RichText);
    translations::Live(text, [text, pitch = promo.pitch] { text->setText(tr(pitch)); });

    auto* link = new QLabel(page);
    link->setGeometry(336, 190, 300, 40);
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    translations::Live(link, [link, product] {
        link->setText(tr("<a href='product'>Download a free evaluation of %1 ...</a><br>"
                         "<a href='product'>Read more on our web site ...</a>")
                          .arg(product));
    });
    connect(link, &QLabel::linkActivated, this,
            [this, openProduct](const QString&) { PlumcrestApplication::RunGuarded(openProduct); });
}

void TfrmMain::BuildStatusBar() {
    statusBar = new TPanelStatusBar(centralWidget());
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->setGeometry(0, kClientHeight - 19, kClientWidth, 19);
    statusBar->setFont(QApplication::font("QStatusBar"));

    StatusPanel web;
    web.name = QStringLiteral("WebPanel");
    web.width = 96;
    web.bevel = PanelBevel::None;
    web.alignment = Qt::AlignCenter;
    web.text = sites::kWebAddress;
    web.ownFont = true;
    web.font = QFont(QStringLiteral("Arial"));
    web.font.setPixelSize(11);
    web.font.setUnderline(true);
    // The link's blue is fixed, so is the light face behind it: readable under a dark palette.
    web.color = Qt::blue;
    web.background = QColor(0xF0, 0xF0, 0xF0);
    web.link = true;
    statusBar->AddPanel(web);

    StatusPanel hint;
    hint.name = QStringLiteral("HintPanel");
    hint.width = 482;
    hint.bevel = PanelBevel::Lowered;
    hint.text = sites::Tagline();
    statusBar->AddPanel(hint);
    translations::Live(statusBar,
                       [this] { statusBar->SetPanelText(kHintPanel, sites::Tagline()); });

    // Every handler runs inside RunGuarded: no exception may unwind through Qt's dispatch.
    connect(statusBar, &TPanelStatusBar::MouseMoved, this,
            [this](Qt::KeyboardModifiers, int x, int) {
                PlumcrestApplication::RunGuarded([&] { statusBarMouseMove(x); });
            });
    connect(statusBar, &TPanelStatusBar::PanelClicked, this,
            [this](int panel, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                PlumcrestApplication::RunGuarded([&] { statusBarPanelClick(panel); });
            });
    connect(statusBar, &TPanelStatusBar::Resized, this,
            [this] { PlumcrestApplication::RunGuarded([this] { statusBarResize(); }); });
    connect(statusBar, &TPanelStatusBar::ContextMenuWanted, this, [this](const QPoint& pos) {
        PlumcrestApplication::RunGuarded([&] { PopupWindowMenu(pos); });
    });
    statusBarResize();
}

} // namespace plumcrest
