#include "uFrmAbout.h"

#include "Guarded.h"
#include "Hint.h"
#include "JpegImage.h"
#include "Services.h"
#include "TUrlLabel.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

namespace plumcrest::dialogs {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("About", text);
}

QString VersionText() {
    return QCoreApplication::translate("About", "Version %1")
        .arg(QString::fromLatin1(version::kVersionText));
}

const char* const kCompileDate = QT_TRANSLATE_NOOP("About", "Compiled September 22, 2007");
const char* const kRights = QT_TRANSLATE_NOOP("About", "All rights reserved.");
const char* const kLegalNotice = QT_TRANSLATE_NOOP(
    "About", "This program is protected by copyright law and international treaties.");
const char* const kLogoHint = QT_TRANSLATE_NOOP("About", "Click to visit our web site ...");
const char* const kLinkHint = QT_TRANSLATE_NOOP("About", "Click Here to Visit Our Web Site ...");
const QString kOwnership =
    QStringLiteral("Copyright \u00A9 1999-2007 Quillmore Financial Software");

QFont PixelFont(const QString& family, int pixelSize) {
    QFont font(family);
    font.setPixelSize(pixelSize); // a form description's "height -n" is n pixels
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& picture, const QRect& geometry, const QString& hint) {
    auto* button = new QPushButton(QIcon(picture), caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setIconSize(QSize(16, 16));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    SetHint(button, hint);
    return button;
}

} // namespace

TfrmAbout::TfrmAbout(const AboutContext& context, const QWidget* over, QWidget* parent)
    : TFixedDialog(parent, kClientWidth, kClientHeight), context_(context) {
    setObjectName(QStringLiteral("frmAbout"));
    setFont(PixelFont(QStringLiteral("Tahoma"), 11));
    BuildGraphic();
    BuildLabels();
    BuildLinks();
    BuildButtons();
    FormCreate(over);
}

void TfrmAbout::FormCreate(const QWidget* over) {
    CenterForm(*this, over);
}

void TfrmAbout::BuildGraphic() {
    pnlGraphic_ = new QFrame(this);
    pnlGraphic_->setObjectName(QStringLiteral("pnlGraphic"));
    pnlGraphic_->setGeometry(8, 9, 431, 76);
    pnlGraphic_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlGraphic_->setLineWidth(2);
    QPalette white = pnlGraphic_->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlGraphic_->setPalette(white);
    pnlGraphic_->setAutoFillBackground(true);

    imgLogo_ = new QLabel(pnlGraphic_);
    imgLogo_->setObjectName(QStringLiteral("imgLogo"));
    imgLogo_->setGeometry(5, 6, 420, 60);
    // Decoded by our own libjpeg code; a damaged logo leaves the panel white.
    if (const auto logo = LoadJpeg(QStringLiteral(":/dialogs/logo.jpg")))
        imgLogo_->setPixmap(QPixmap::fromImage(*logo));
    imgLogo_->setAccessibleName(
        QCoreApplication::translate("About", "Quillmore Financial Software logo"));
    imgLogo_->setAccessibleDescription(Tr(kLogoHint));
    imgLogo_->setToolTip(Tr(kLogoHint));
    SetHint(imgLogo_, Tr(kLogoHint));

    imgAboutIcon_ = new QLabel(this);
    imgAboutIcon_->setObjectName(QStringLiteral("imgAboutIcon"));
    imgAboutIcon_->setGeometry(15, 122, 32, 32);
    imgAboutIcon_->setPixmap(QPixmap(QStringLiteral(":/dialogs/about_icon.png")));
    imgAboutIcon_->setAccessibleName(QCoreApplication::translate("About", "Plumcrest icon"));

    for (QLabel* image : {imgLogo_, imgAboutIcon_}) {
        image->setMouseTracking(true);
        image->installEventFilter(this);
    }
}

QLabel* TfrmAbout::AddLabel(const char* name, int left, int top, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void TfrmAbout::BuildLabels() {
    AddLabel("lblTitle", 56, 116, QString::fromLatin1(version::kProductName));
    lblVersion_ = AddLabel("lblVersion", 56, 132, VersionText());
    lblCompileDate_ = AddLabel("lblCompileDate", 56, 148, Tr(kCompileDate));
    lblCopyright_ = AddLabel("lblCopyright", 13, 196, kOwnership);
    lblRights_ = AddLabel("lblRights", 13, 212, Tr(kRights));
    AddLabel("Label1", 13, 228, Tr(kLegalNotice));
}

void TfrmAbout::BuildLinks() {
    urlHome_ = new TUrlLabel(this);
    urlHome_->setObjectName(QStringLiteral("urlHome"));
    urlHome_->setGeometry(13, 257, 133, 16);
    QFont linkFont = urlHome_->font(); // keeps the link's underline
    linkFont.setFamily(QStringLiteral("Tahoma"));
    linkFont.setPixelSize(13);
    urlHome_->setFont(linkFont);
    // The link's colours are fixed as a pair, blue on a light face, so a dark palette cannot
    // put it on a dark dialog; its hover red is dark enough to read on that face.
    QPalette blue = urlHome_->palette();
    blue.setColor(urlHome_->foregroundRole(), Qt::blue);
    blue.setColor(urlHome_->backgroundRole(), QColor(0xF0, 0xF0, 0xF0));
    urlHome_->setPalette(blue);
    urlHome_->setAutoFillBackground(true);
    urlHome_->SetHighlightColor(QColor(0xCC, 0x00, 0x00));
    // Only a caption: the click handler opens the home page, so the link opens it exactly once.
    urlHome_->SetCaption(context_.webAddress);
    // The link sizes itself to its text, as the original label did; where the stand-in font
    // runs wider than "Tahoma", 133 pixels would cut the address short.
    urlHome_->resize(std::max(133, urlHome_->sizeHint().width()), 16);
    urlHome_->setToolTip(Tr(kLinkHint));
    SetHint(urlHome_, Tr(kLinkHint));
    connect(urlHome_, &TUrlLabel::clicked, this,
            platform::Guarded([this] { GoOnlineAbout(urlHome_); }));

    urlAboutOnline_ = new TUrlLabel(this);
    urlAboutOnline_->setObjectName(QStringLiteral("urlAboutOnline"));
    urlAboutOnline_->SetCaption(QStringLiteral("UrlAboutOnline"));
    urlAboutOnline_->setVisible(false);
}

void TfrmAbout::BuildButtons() {
    // Created in tab order: OK first, then the licence.
    btnClose_ = MakeButton(this, "btnClose", QCoreApplication::translate("About", "&OK"),
                           QStringLiteral(":/dialogs/ok.png"), QRect(357, 252, 80, 26),
                           QCoreApplication::translate("About", "Close About Window"));
    btnShowLicense_ =
        MakeButton(this, "btnShowLicense", QCoreApplication::translate("About", "Read &License"),
                   QStringLiteral(":/dialogs/license.png"), QRect(172, 252, 103, 26),
                   QCoreApplication::translate("About", "Show Software License ..."));
    setTabOrder(btnClose_, btnShowLicense_);
    connect(btnClose_, &QPushButton::clicked, this, platform::Guarded([this] { btnCloseClick(); }));
    connect(btnShowLicense_, &QPushButton::clicked, this,
            platform::Guarded([this] { btnShowLicenseClick(); }));
}

void TfrmAbout::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    TFixedDialog::showEvent(event);
}

void TfrmAbout::FormShow() {
    setWindowTitle(QCoreApplication::translate("About", " About %1")
                       .arg(QString::fromLatin1(version::kProductTitle)));
    lblVersion_->setText(VersionText());
    lblCompileDate_->setText(Tr(kCompileDate));
    lblCopyright_->setText(kOwnership);
    lblRights_->setText(Tr(kRights));
    for (QLabel* label : {lblVersion_, lblCompileDate_, lblCopyright_, lblRights_})
        label->adjustSize();
}

void TfrmAbout::GoOnlineAbout(const QObject* sender) {
    if (sender == imgAboutIcon_ || sender == imgLogo_ || sender == urlHome_)
        urlAboutOnline_->SetURL(context_.homePage);
    urlAboutOnline_->Click();
}

void TfrmAbout::btnShowLicenseClick() {
    // The shell's answer is deliberately ignored: a missing licence file shows nothing.
    static_cast<void>(
        platform::TheShell().Open(context_.exeFolder + QStringLiteral("License.txt")));
}

void TfrmAbout::btnCloseClick() {
    close();
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    auto* image = qobject_cast<QLabel*>(watched);
    if (image != imgLogo_ && image != imgAboutIcon_)
        return TFixedDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        image->setCursor(Qt::PointingHandCursor); // imgLogoMouseMove, imgAboutIconMouseMove
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            image->rect().contains(mouse->position().toPoint()))
            platform::RunGuarded([&] { GoOnlineAbout(image); });
    }
    return TFixedDialog::eventFilter(watched, event);
}

} // namespace plumcrest::dialogs
