#include "uFrmDisclaim.h"

#include "DialogPlacement.h"
#include "DisclaimerText.h"
#include "Guarded.h"
#include "Hint.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QToolButton>
#include <string_view>

namespace plumcrest::dialogs {
namespace {

// The runs are literals, so each ends where its text does.
QString Translated(std::string_view run) {
    return QCoreApplication::translate("Disclaimer", run.data());
}

// One centred paragraph of the three runs, the middle one bold. pre-wrap keeps the double blanks
// that HTML would otherwise collapse, while the paragraph still wraps at the label's width. The
// runs hold no character HTML would read as markup.
QString DisclaimerHtml() {
    return QStringLiteral("<p align=\"center\" style=\"white-space: pre-wrap;\">") +
           Translated(kDisclaimerLead) + QStringLiteral("<b>") + Translated(kDisclaimerWarranty) +
           QStringLiteral("</b>") + Translated(kDisclaimerAdvice) + QStringLiteral("</p>");
}

QFont PixelFont(const QString& family, int pixelSize) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

QIcon ButtonPictures() {
    QIcon icon(QStringLiteral(":/dialogs/ok.png"));
    icon.addFile(QStringLiteral(":/dialogs/ok_disabled.png"), QSize(16, 16), QIcon::Disabled);
    return icon;
}

} // namespace

TfrmDisclaim::TfrmDisclaim(const QWidget* over, QWidget* parent)
    : TFixedDialog(parent, kClientWidth, kClientHeight) {
    setObjectName(QStringLiteral("frmDisclaim"));
    setWindowTitle(QCoreApplication::translate("Disclaimer", "Disclaimer"));
    setFont(PixelFont(QStringLiteral("Arial"), 13));
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
    setPalette(p);

    RichLabel1_ = new QLabel(this);
    RichLabel1_->setObjectName(QStringLiteral("RichLabel1"));
    RichLabel1_->setGeometry(4, 7, 330, 101);
    RichLabel1_->setTextFormat(Qt::RichText);
    RichLabel1_->setWordWrap(true);
    RichLabel1_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    RichLabel1_->setText(DisclaimerHtml());

    btnClose_ = new QToolButton(this);
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnClose_->setGeometry(251, 116, 76, 24);
    btnClose_->setFocusPolicy(Qt::NoFocus); // a speed button never takes the focus
    btnClose_->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    btnClose_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnClose_->setIcon(ButtonPictures());
    btnClose_->setIconSize(QSize(16, 16));
    btnClose_->setText(QCoreApplication::translate("Disclaimer", " &OK"));
    // A longer word than "OK" widens the button to the left; its right edge stays put.
    if (const int width = btnClose_->sizeHint().width(); width > btnClose_->width())
        btnClose_->setGeometry(btnClose_->geometry().right() + 1 - width, btnClose_->y(), width,
                               btnClose_->height());
    SetHint(btnClose_, QCoreApplication::translate("Disclaimer", "Close| Close Update Wizard"));
    connect(btnClose_, &QToolButton::clicked, this, platform::Guarded([this] { btnCloseClick(); }));

    FormCreate(over);
}

TfrmDisclaim::~TfrmDisclaim() {
    // FormDestroy: whatever dialog the reference holds, it is cleared.
    if (DisclaimerBox())
        DisclaimerBox() = nullptr;
}

void TfrmDisclaim::FormCreate(const QWidget* over) {
    CenterForm(*this, over);
}

void TfrmDisclaim::btnCloseClick() {
    close();
}

void TfrmDisclaim::closeEvent(QCloseEvent* event) {
    TFixedDialog::closeEvent(event);
    // The close action "free": destroyed after the current event. ShowDisclaimer releases the
    // dialog as well; deleteLater merges the two requests into one destruction.
    if (event->isAccepted())
        deleteLater();
}

} // namespace plumcrest::dialogs
