// Window and application behaviours: glass, hints, activation, failure reports, minimise and
// restore, and the secondary dialogs.

#include "CompositionFuncs.h"
#include "DialogPlacement.h"
#include "Hint.h"
#include "Main.h"
#include "MathError.h"
#include "PlumcrestApplication.h"
#include "Services.h"
#include "Sites.h"
#include "TNumericField.h"
#include "TPanelStatusBar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

namespace plumcrest {
namespace {

const QString kTitleText = QLatin1Char(' ') + QString::fromLatin1(version::kProductTitle);

// Line feed + carriage return, in that order, between the pieces.
// Each line is its own text, for lupdate stops a text at a carriage return.
QString MathErrorMessage() {
    return TfrmMain::tr("Results of this calculation cannot be determined") +
           QStringLiteral("\n\r") + TfrmMain::tr("using the values you have entered.") +
           QStringLiteral("\n\r\n\r") + TfrmMain::tr("Please try again with different values.");
}

QString GeneralErrorMessage() {
    return TfrmMain::tr("An problem has occurred.") + QStringLiteral("\r\n\r\n") +
           TfrmMain::tr("If you wish contact Quillmore Software    ") + QStringLiteral("\r\n\r\n") +
           TfrmMain::tr("at:  ") + sites::kSupportMail;
}

constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScRestore = 0xF120;

} // namespace

void TfrmMain::SetupGlass() {
    QPalette pal = pnlTop->palette();
    if (platform::IsCompositionEnabled()) {
        pal.setColor(QPalette::Window, QColor(0, 0, 0));
        pnlTop->setPalette(pal);
        platform::ExtendGlassFrame(static_cast<platform::WindowHandle>(winId()),
                                   platform::MarginRect{0, 0, 0, 24});
    } else {
        pal.setColor(QPalette::Window, palette().color(QPalette::Button));
        pnlTop->setPalette(pal);
    }
}

void TfrmMain::AppOnHint() {
    auto* app = PlumcrestApplication::Instance();
    if (app)
        statusBar->SetPanelText(kHintPanel, LongHint(app->CurrentHint()));
}

void TfrmMain::nbkMainMouseMove() {
    statusBar->SetPanelText(kHintPanel, kTitleText);
}

void TfrmMain::AppOnException(std::exception_ptr error) {
    if (!error)
        return;
    try {
        std::rethrow_exception(error);
    } catch (const MathError&) {
        platform::TheMessages().Show(this, platform::MessageIcon::Information, tr("Information"),
                                     MathErrorMessage());
        Reset();
    } catch (const EAbort&) {
        // Silent by design.
    } catch (...) {
        platform::TheMessages().Show(this, platform::MessageIcon::Information, tr("Information"),
                                     GeneralErrorMessage());
    }
}

void TfrmMain::ApplicationActivate() {
    if (QWidget* active = QApplication::activeWindow())
        active->raise();
    // A modal dialog keeps the focus where it is.
    if (QApplication::activeModalWidget())
        return;
    if (nbkMain->currentIndex() == 0)
        edtPurchasePrice->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::FormActivate() {
    if (QWidget* active = QApplication::activeWindow())
        active->raise();
}

bool TfrmMain::SystemCommand(unsigned command) {
    switch (command & 0xFFF0u) {
    case kScMinimize:
        showMinimized();
        return true;
    case kScRestore:
        showNormal();
        return true;
    default:
        return false;
    }
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        PlumcrestApplication::RunGuarded([this] { FormActivate(); });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove &&
        (watched == nbkMain || watched == nbkMain->tabBar())) {
        nbkMainMouseMove();
    } else if (productImages_.contains(watched)) {
        if (event->type() == QEvent::MouseMove) {
            static_cast<QWidget*>(watched)->setCursor(Qt::PointingHandCursor);
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            PlumcrestApplication::RunGuarded(productImages_.value(watched));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event) {
    PopupWindowMenu(event->globalPos());
    event->accept();
}

QString TfrmMain::HomePageAddress() const {
    return sites::kWebSiteBase + QStringLiteral("/index.php") + referralSuffix_;
}

void TfrmMain::ShowAbout() {
    dialogs::ShowAbout(this,
                       dialogs::AboutContext{exeFolder_, HomePageAddress(), sites::kWebAddress});
}

void TfrmMain::ShowDisclaimer() {
    dialogs::ShowDisclaimer(this);
}

} // namespace plumcrest
