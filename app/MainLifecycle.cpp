// The main window's life: creation (the composition root), closing with the saved values,
// destruction.

#include "AltKeyFixUnit.h"
#include "DialogPlacement.h"
#include "HelpContexts.h"
#include "LocaleSettings.h"
#include "Main.h"
#include "PlumcrestApplication.h"
#include "SavedValues.h"
#include "ScreenFit.h"
#include "Services.h"
#include "Sites.h"
#include "TNumericField.h"
#include "Translations.h"
#include "Version.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace plumcrest {

namespace {
constexpr int kFirstRunHelpContext = help::kWelcomeContext;
} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    BuildLayout();
    BuildMenus();
    ConnectInputs();
    // The outer size never changes: client 656 x 403 below the menu bar.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    // Opens centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // A screen smaller than the window (a laptop at twice the scale) still shows its menus.
    KeepOnScreen(*this);

    try {
        FormCreate();
    } catch (...) {
        // Creation goes on with what was set up; the failure is reported as the handlers allow.
        auto* app = PlumcrestApplication::Instance();
        if (app && app->OnException) {
            PlumcrestApplication::ReportException(std::current_exception());
        } else {
            try {
                throw;
            } catch (const std::exception& error) {
                platform::TheMessages().Show(nullptr, platform::MessageIcon::Error, tr("Error"),
                                             QString::fromUtf8(error.what()));
            } catch (...) {
            }
        }
    }
}

TfrmMain::~TfrmMain() {
    FormDestroy();
}

void TfrmMain::FormCreate() {
    // The taskbar button already belongs to this window alone: no hidden application window
    // exists here, and dialogs are transient for this window.
    SetupGlass();
    altKeyFix_ = new platform::TAltKeyFix(this);
    setWindowTitle(QString::fromLatin1(version::kProductTitle));
    appDataFolder_ = platform::TheFolders().AppDataFolder();
    savedValuesSubfolder_ = QString::fromLatin1(kSavedValuesSubfolder);
    exeFolder_ = platform::TheFolders().ExeFolder();

    if (auto* app = PlumcrestApplication::Instance()) {
        app->OnActivate = [this] { ApplicationActivate(); };
        app->OnException = [this](std::exception_ptr error) { AppOnException(error); };
        app->OnHint = [this] { AppOnHint(); };
    }
    platform::TheHelp().SetOwner(this);
    // The language kept from the last run, else the system's; the help file follows it.
    ShowLanguage(static_cast<int>(translations::LanguageFromKey(
        QString::fromStdString(LoadDisplayLanguage(plumcrest::SavedValuesPath(appDataFolder_))))));
    if (auto* app = PlumcrestApplication::Instance()) {
        app->SetHintPause(400);
        app->SetHintHidePause(4000);
    }
    referralSuffix_ = QStringLiteral("?ref=") + sites::kReferralCode;
    BindOnlineAddresses();

    remembered_ = LoanInputs{};
    LoadSavedValues();
    for (const LoanField& row : kLoanInputFields)
        FieldOf(row)->setFloatValue(remembered_.*row.member);

    if (!runFlag_) {
        // A viewer that cannot open the help reports it itself; the flag is set regardless.
        runFlag_ = true;
        platform::TheHelp().ShowContext(kFirstRunHelpContext);
    }
    runFlag_ = true;
}

QString TfrmMain::SavedValuesPath() const {
    return QString::fromStdString(plumcrest::SavedValuesPath(appDataFolder_));
}

void TfrmMain::LoadSavedValues() {
    const SavedValues saved = plumcrest::LoadSavedValues(plumcrest::SavedValuesPath(appDataFolder_),
                                                         TheLocaleSeparators().decimal);
    remembered_ = saved.inputs;
    runFlag_ = saved.run;
}

void TfrmMain::SaveValuesAtExit() {
    plumcrest::SaveValuesAtExit(plumcrest::SavedValuesPath(appDataFolder_), remembered_, runFlag_,
                                TheLocaleSeparators().decimal);
}

bool TfrmMain::FormClose() {
    platform::TheHelp().Quit();
    SaveValuesAtExit();
    return true;
}

// Without a way out, a place that can never be written would keep the window open for ever.
bool TfrmMain::AskCloseWithoutSaving() {
    const QString path = SavedValuesPath();
    const QString file = path.isEmpty() ? tr("Plumcrest.ini (no home folder is known)") : path;
    return platform::TheMessages().Ask(
        this, tr("Confirm"),
        tr("The last inputs could not be saved to\n%1\n\nClose without saving them?").arg(file));
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // The window closes only when the values were saved. The first failure keeps it open and is
    // reported; after that, a close that fails to save again asks whether to give them up.
    event->ignore();
    bool closing = false;
    const bool refusedBefore = saveRefused_;
    bool refusedNow = false;
    PlumcrestApplication::RunGuarded([&] {
        try {
            closing = FormClose();
        } catch (const ProfileWriteError&) {
            saveRefused_ = refusedNow = true;
            if (!refusedBefore)
                throw;
        }
    });
    if (refusedBefore && refusedNow)
        closing = AskCloseWithoutSaving();
    if (closing) {
        setAttribute(Qt::WA_DeleteOnClose);
        event->accept();
    }
}

void TfrmMain::FormDestroy() {
    if (auto* app = PlumcrestApplication::Instance()) {
        app->OnActivate = nullptr;
        app->OnException = nullptr;
        app->OnHint = nullptr;
    }
}

void TfrmMain::ConnectInputs() {
    for (TNumericField* field : InputFields())
        connect(field, &TNumericField::OnExit, this,
                [this] { PlumcrestApplication::RunGuarded([this] { Calculate(); }); });
}

} // namespace plumcrest
