#pragma once
// The main window TfrmMain: the calculator page, its chrome (menus, toolbar, status bar, links)
// and the window's behaviours. One file per concern implements it:
//   MainLayout.cpp      controls and their places
//   MainMenus.cpp       menus, toolbar, status bar, GoOnline, help commands
//   MainCalc.cpp        Calculate and Reset
//   MainLifecycle.cpp   FormCreate, FormClose, FormDestroy, FormActivate, saved values
//   MainBehaviours.cpp  glass, hints, activation, failure reports, minimise/restore, dialogs

#include "LoanPipeline.h"

#include <QHash>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTabWidget;
class QToolButton;
class QWidget;

namespace plumcrest::platform {
class TAltKeyFix;
}
namespace plumcrest::offers {
class OfferDesk;
}

namespace plumcrest {

class TNumericField;
class TPanelStatusBar;
class TUrlLabel;

class TfrmMain : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY(TfrmMain)

public:
    static constexpr int kClientWidth = 656;
    static constexpr int kClientHeight = 403;
    static constexpr int kWebPanel = 0;
    static constexpr int kHintPanel = 1;

    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Operations named as the calculator's users and tests know them.
    void Calculate();
    void Reset();
    void GoOnline(QObject* sender);
    void btnExitClick();
    void MnuHelpContentsClick();
    void ShowAbout();
    void ShowDisclaimer();
    void AppOnException(std::exception_ptr error);
    void AppOnHint();
    void ApplicationActivate();
    void FormActivate();
    // The system commands the window handles itself (minimise 0xF020, restore 0xF120, low four
    // bits ignored); false for every other command.
    bool SystemCommand(unsigned command);

    // Runs the window's context menu; tests replace it so no menu blocks.
    std::function<void(QMenu& menu, const QPoint& globalPos)> WindowMenuRunner;
    platform::TAltKeyFix* AltKeyFix() const { return altKeyFix_; }
    // The kept offers and their Compare window.
    offers::OfferDesk* OfferDesk() const { return offerDesk_; }
    // A Loan Estimate to review or a file of offers to open (the command line's FILE).
    void OpenFile(const QString& file);

    const LoanInputs& RememberedInputs() const { return remembered_; }
    bool RunFlag() const { return runFlag_; }
    QString ExeFolder() const { return exeFolder_; }
    QString ReferralSuffix() const { return referralSuffix_; }
    QString SavedValuesPath() const;
    QString HomePageAddress() const;

    // Controls, by their names on the form.
    QWidget* pnlTop = nullptr;
    QToolButton* btnReset = nullptr;
    QToolButton* btnUpdate = nullptr;
    QToolButton* btnHelp = nullptr;
    QToolButton* btnAbout = nullptr;
    QToolButton* btnExit = nullptr;
    TUrlLabel* UrlOnline = nullptr;
    QTabWidget* nbkMain = nullptr;
    QWidget* Page1 = nullptr;
    TPanelStatusBar* statusBar = nullptr;
    QMenu* mnuPop = nullptr;

    TNumericField* edtPurchasePrice = nullptr;
    TNumericField* edtDownPaymentPercent = nullptr;
    TNumericField* edtDownPayment = nullptr;
    TNumericField* edtLoan = nullptr;
    TNumericField* edtTerm = nullptr;
    TNumericField* edtInterest = nullptr;
    TNumericField* edtPayment = nullptr;
    TNumericField* edtFixedFees = nullptr;
    TNumericField* edtAPR = nullptr;
    TNumericField* edtOriginationFees = nullptr;
    TNumericField* edtPoints = nullptr;
    TNumericField* edtPrepaidInterest = nullptr;
    TNumericField* edtMIP = nullptr;
    TNumericField* edtBuydown = nullptr;
    TNumericField* edtFloodCheck = nullptr;
    TNumericField* edtTaxService = nullptr;
    TNumericField* edtOther1 = nullptr;
    TNumericField* edtOther2 = nullptr;

    // The field of the calculator page that a row of kLoanPageFields describes.
    TNumericField* FieldOf(const LoanField& row) const;
    // The inputs in the order of kLoanInputFields.
    std::array<TNumericField*, kLoanInputFields.size()> InputFields() const;

    // Menu items (main menu, then context menu).
    QAction* mnuFileReset = nullptr;
    QAction* mnuFileKeepOffer = nullptr;
    QAction* mnuFileCompareOffers = nullptr;
    QAction* mnuFileImportEstimate = nullptr;
    QAction* mnuFileCheckClosing = nullptr;
    QAction* mnuFileOpenOffers = nullptr;
    QAction* mnuFileSaveOffers = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuQOApplicationInformation = nullptr;
    QAction* mnuQOHome = nullptr;
    QAction* mnuQOFreeware = nullptr;
    QAction* mnuQOSuggestionBox = nullptr;
    std::array<QAction*, 2> mnuQOSites{};
    QAction* N7 = nullptr;
    QAction* mnuQOBlog = nullptr;
    QAction* mnuQOTellWebsite = nullptr;
    QAction* mnuInternetEmail = nullptr; // the hidden e-mail submenu's item
    QAction* mnuQOMailSuggestions = nullptr;
    QAction* mnuQOMailSupport = nullptr;
    std::array<QAction*, 6> mnuQOProducts{};
    QAction* mnuQOUpdate = nullptr;
    QAction* Contents1 = nullptr;
    QAction* mnuQOSupport = nullptr;
    QAction* mnuHelpDisclaimer = nullptr;
    QAction* About1 = nullptr;
    QAction* mnuPopHelp = nullptr;
    QAction* mnuPopDisclaim = nullptr;
    QAction* mnuPopAbout = nullptr;
    QAction* mnuPopExit = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    bool FormClose();
    bool AskCloseWithoutSaving();
    void FormDestroy();

    void BuildLayout();
    void BuildToolbar();
    void BuildNotebook();
    void BuildCalculatorPage();
    void BuildPromotionalPage(int index);
    void BuildStatusBar();
    void StyleHintWindow();
    void BuildMenus();
    void BuildContextMenu();
    void BindOnlineAddresses();
    void BuildOfferCommands(QMenu* file);
    // View > Language: System, English or Español, kept in the saved-values file.
    void BuildLanguageMenu(QMenuBar* bar);
    void ChooseLanguage(int language);
    void ShowLanguage(int language);
    void ConnectInputs();

    void SetupGlass();
    void LoadSavedValues();
    void SaveValuesAtExit();
    void ShowResults(const LoanResults& results);

    void statusBarMouseMove(int x);
    void statusBarPanelClick(int panel);
    void statusBarResize();
    void nbkMainMouseMove();
    void PopupWindowMenu(const QPoint& globalPos);

    LoanInputs remembered_;
    bool runFlag_ = false;
    // A close was refused because the values could not be saved; later closes may give them up.
    bool saveRefused_ = false;
    std::string appDataFolder_;
    QString savedValuesSubfolder_;
    QString exeFolder_;
    QString referralSuffix_;
    platform::TAltKeyFix* altKeyFix_ = nullptr;
    offers::OfferDesk* offerDesk_ = nullptr;
    std::array<QAction*, 3> mnuViewLanguage_{};
    // Address each online command opens, the referral suffix already applied where it belongs.
    QHash<QObject*, QString> onlineAddresses_;
    // The promotional pages' screenshots and what a click on each opens.
    QHash<QObject*, std::function<void()>> productImages_;
};

} // namespace plumcrest
