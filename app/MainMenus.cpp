// The chrome of the main window: main and context menus, toolbar actions, the status bar's
// link and pointer feedback, GoOnline and the help commands.

#include "HelpFileName.h"
#include "LocaleSettings.h"
#include "Main.h"
#include "OfferDesk.h"
#include "Pictures.h"
#include "PlumcrestApplication.h"
#include "SavedValues.h"
#include "Services.h"
#include "Sites.h"
#include "TNumericField.h"
#include "TPanelStatusBar.h"
#include "TUrlLabel.h"
#include "Translations.h"
#include "Version.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <array>
#include <functional>
#include <utility>

namespace plumcrest {
namespace {

// Runs a menu or toolbar command through the window's failure report.
template <typename F> void Bind(QAction* action, QObject* context, F&& handler) {
    QObject::connect(action, &QAction::triggered, context, [handler = std::forward<F>(handler)] {
        PlumcrestApplication::RunGuarded(handler);
    });
}

// The caption follows the language shown: `caption` is asked again at every change.
QAction* AddItem(QMenu* menu, const QString& name, std::function<QString()> caption,
                 std::optional<Picture> picture = std::nullopt) {
    auto* action = menu->addAction(QString());
    action->setObjectName(name);
    translations::Live(action,
                       [action, caption = std::move(caption)] { action->setText(caption()); });
    if (picture)
        action->setIcon(PictureIcon(*picture, 16));
    return action;
}

QAction* AddItem(QMenu* menu, const QString& name, const char* source,
                 std::optional<Picture> picture = std::nullopt) {
    return AddItem(
        menu, name, [source] { return TfrmMain::tr(source); }, picture);
}

// A menu whose title follows the language shown.
QMenu* AddMenu(QMenu* parent, QMenuBar* bar, const char* source, const QIcon& icon = {}) {
    QMenu* menu = parent ? parent->addMenu(icon, QString()) : bar->addMenu(QString());
    translations::Live(menu, [menu, source] { menu->setTitle(TfrmMain::tr(source)); });
    return menu;
}

QAction* AddSeparator(QMenu* menu, const QString& name) {
    auto* action = menu->addSeparator();
    action->setObjectName(name);
    return action;
}

} // namespace

void TfrmMain::BuildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("mnuMain"));
    setMenuBar(bar);

    QMenu* file = AddMenu(nullptr, bar, QT_TR_NOOP("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuFileReset =
        AddItem(file, QStringLiteral("mnuFileReset"), QT_TR_NOOP("&Reset"), Picture::Reset);
    BuildOfferCommands(file);
    AddSeparator(file, QStringLiteral("N4"));
    mnuFileExit = AddItem(file, QStringLiteral("mnuFileExit"), QT_TR_NOOP("E&xit"), Picture::Exit);

    BuildLanguageMenu(bar);

    QMenu* internet = AddMenu(nullptr, bar, QT_TR_NOOP("&Quillmore Online"));
    internet->setObjectName(QStringLiteral("mnuInternet"));
    QMenu* web = AddMenu(internet, nullptr, QT_TR_NOOP("&Quillmore on the Web"),
                         PictureIcon(Picture::Web, 16));
    web->setObjectName(QStringLiteral("mnuInternetWeb"));
    mnuQOApplicationInformation = AddItem(
        web, QStringLiteral("mnuQOApplicationInformation"),
        [] { return tr("&%1 Information ...").arg(QString::fromLatin1(version::kProductName)); },
        Picture::About);
    AddSeparator(web, QStringLiteral("N5"));
    mnuQOHome = AddItem(
        web, QStringLiteral("mnuQOHome"),
        [] { return sites::kWebAddress + tr(" - &Home Page ..."); }, Picture::Web);
    mnuQOFreeware = AddItem(web, QStringLiteral("mnuQOFreeware"), QT_TR_NOOP("&Freeware Page ..."),
                            Picture::Product);
    mnuQOFreeware->setVisible(false);
    mnuQOSuggestionBox = AddItem(web, QStringLiteral("mnuQOSuggestionBox"),
                                 QT_TR_NOOP("&Suggestion Box ..."), Picture::Suggest);
    AddSeparator(web, QStringLiteral("N6"));
    for (std::size_t i = 0; i < sites::kOtherSites.size(); ++i)
        mnuQOSites[i] = AddItem(
            web, QStringLiteral("mnuQOSite%1").arg(i + 1),
            [i] { return QString::fromUtf8(sites::kOtherSites[i].caption); }, Picture::Web);

    N7 = AddSeparator(internet, QStringLiteral("N7"));
    N7->setVisible(false);
    mnuQOBlog = AddItem(internet, QStringLiteral("mnuQOBlog"), QT_TR_NOOP("Quillmore &Blog ..."),
                        Picture::Blog);
    mnuQOTellWebsite = AddItem(internet, QStringLiteral("mnuQOTellWebsite"),
                               QT_TR_NOOP("&Tell Someone Via Our Web Site ..."));
    mnuQOTellWebsite->setVisible(false);
    QMenu* email = AddMenu(internet, nullptr, QT_TR_NOOP("Contact Quillmore by Email"));
    email->setObjectName(QStringLiteral("mnuInternetEmail"));
    mnuInternetEmail = email->menuAction();
    mnuInternetEmail->setVisible(false);
    mnuQOMailSuggestions = AddItem(email, QStringLiteral("mnuQOMailSuggestions"),
                                   QT_TR_NOOP("Send &Suggestions ..."), Picture::Mail);
    mnuQOMailSupport = AddItem(email, QStringLiteral("mnuQOMailSupport"),
                               QT_TR_NOOP("Contact &Tech Support ..."), Picture::Mail);
    AddSeparator(internet, QStringLiteral("N8"));
    QMenu* tryMenu = AddMenu(internet, nullptr, QT_TR_NOOP("&Download Evaluation Software"),
                             PictureIcon(Picture::Product, 16));
    tryMenu->setObjectName(QStringLiteral("mnuInternetTry"));
    for (std::size_t i = 0; i < sites::kOtherProducts.size(); ++i)
        mnuQOProducts[i] = AddItem(
            tryMenu, QStringLiteral("mnuQOProduct%1").arg(i + 1),
            [i] { return QString::fromUtf8(sites::kOtherProducts[i].caption); }, Picture::Product);
    mnuQOProducts[0]->setVisible(false);
    AddSeparator(internet, QStringLiteral("N9"));
    mnuQOUpdate = AddItem(internet, QStringLiteral("mnuQOUpdate"),
                          QT_TR_NOOP("Check for &New Version ..."), Picture::Update);

    QMenu* help = AddMenu(nullptr, bar, QT_TR_NOOP("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    Contents1 = AddItem(help, QStringLiteral("Contents1"), QT_TR_NOOP("&Contents"), Picture::Help);
    Contents1->setShortcut(QKeySequence(Qt::Key_F1));
    Contents1->setShortcutContext(Qt::WindowShortcut);
    AddSeparator(help, QStringLiteral("N2"));
    mnuQOSupport = AddItem(help, QStringLiteral("mnuQOSupport"), QT_TR_NOOP("&Online Support ..."),
                           Picture::Web);
    mnuHelpDisclaimer = AddItem(help, QStringLiteral("mnuHelpDisclaimer"),
                                QT_TR_NOOP("&Disclaimer..."), Picture::Disclaimer);
    About1 = AddItem(
        help, QStringLiteral("About1"),
        [] { return tr("&About %1 ...").arg(QString::fromLatin1(version::kProductName)); },
        Picture::About);

    Bind(mnuFileReset, this, [this] { Reset(); });
    Bind(mnuFileExit, this, [this] { btnExitClick(); });
    Bind(Contents1, this, [this] { MnuHelpContentsClick(); });
    Bind(mnuHelpDisclaimer, this, [this] { ShowDisclaimer(); });
    Bind(About1, this, [this] { ShowAbout(); });
    for (QAction* online :
         {mnuQOApplicationInformation, mnuQOHome, mnuQOFreeware, mnuQOSuggestionBox, mnuQOBlog,
          mnuQOTellWebsite, mnuQOMailSuggestions, mnuQOMailSupport, mnuQOUpdate, mnuQOSupport,
          mnuQOSites[0], mnuQOSites[1], mnuQOProducts[0], mnuQOProducts[1], mnuQOProducts[2],
          mnuQOProducts[3], mnuQOProducts[4], mnuQOProducts[5]})
        Bind(online, this, [this, online] { GoOnline(online); });

    connect(btnReset, &QToolButton::clicked, this,
            [this] { PlumcrestApplication::RunGuarded([this] { Reset(); }); });
    connect(btnUpdate, &QToolButton::clicked, this,
            [this] { PlumcrestApplication::RunGuarded([this] { GoOnline(btnUpdate); }); });
    connect(btnHelp, &QToolButton::clicked, this,
            [this] { PlumcrestApplication::RunGuarded([this] { MnuHelpContentsClick(); }); });
    connect(btnAbout, &QToolButton::clicked, this,
            [this] { PlumcrestApplication::RunGuarded([this] { ShowAbout(); }); });
    connect(btnExit, &QToolButton::clicked, this,
            [this] { PlumcrestApplication::RunGuarded([this] { btnExitClick(); }); });

    BuildContextMenu();
    for (const LoanField& row : kLoanPageFields)
        FieldOf(row)->setWindowContextMenu(mnuPop);
    BindOnlineAddresses();
}

// Keeping offers and comparing them: beyond the calculator's own commands, in offers/.
void TfrmMain::BuildOfferCommands(QMenu* file) {
    mnuFileKeepOffer =
        AddItem(file, QStringLiteral("mnuFileKeepOffer"), QT_TR_NOOP("&Keep This Offer..."));
    mnuFileKeepOffer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuFileCompareOffers =
        AddItem(file, QStringLiteral("mnuFileCompareOffers"), QT_TR_NOOP("&Compare Offers..."));
    mnuFileCompareOffers->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    mnuFileImportEstimate = AddItem(file, QStringLiteral("mnuFileImportEstimate"),
                                    QT_TR_NOOP("Import &Loan Estimate..."));
    mnuFileCheckClosing = AddItem(file, QStringLiteral("mnuFileCheckClosing"),
                                  QT_TR_NOOP("Check &Closing Disclosure..."));
    mnuFileOpenOffers =
        AddItem(file, QStringLiteral("mnuFileOpenOffers"), QT_TR_NOOP("&Open Offers..."));
    mnuFileOpenOffers->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSaveOffers =
        AddItem(file, QStringLiteral("mnuFileSaveOffers"), QT_TR_NOOP("Save Offers &As..."));
    mnuFileSaveOffers->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    // The offers live beside the saved-values file.
    offerDesk_ = new offers::OfferDesk(this, [this] {
        const QString path = SavedValuesPath();
        return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
    });
    // Keeping first calculates; a failing calculation is reported as always and keeps nothing.
    Bind(mnuFileKeepOffer, this, [this] {
        Calculate();
        offerDesk_->KeepOffer(remembered_, TheLocaleSeparators().decimal);
    });
    Bind(mnuFileCompareOffers, this, [this] { offerDesk_->ShowCompare(); });
    Bind(mnuFileImportEstimate, this, [this] { offerDesk_->ImportEstimate(); });
    Bind(mnuFileCheckClosing, this, [this] { offerDesk_->CheckClosingDisclosure(); });
    Bind(mnuFileOpenOffers, this, [this] { offerDesk_->OpenOffers(); });
    Bind(mnuFileSaveOffers, this, [this] { offerDesk_->SaveOffers(); });
    connect(offerDesk_, &offers::OfferDesk::UseInCalculator, this,
            [this](const LoanInputs& inputs) {
                const auto fields = InputFields();
                for (std::size_t i = 0; i < fields.size(); ++i)
                    fields[i]->setFloatValue(inputs.*kLoanInputFields[i].member);
                activateWindow();
                raise();
                PlumcrestApplication::RunGuarded([this] { Calculate(); });
            });
}

void TfrmMain::BuildLanguageMenu(QMenuBar* bar) {
    QMenu* view = AddMenu(nullptr, bar, QT_TR_NOOP("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QMenu* language = AddMenu(view, nullptr, QT_TR_NOOP("&Language"));
    language->setObjectName(QStringLiteral("mnuViewLanguage"));
    auto* group = new QActionGroup(this);
    // Each language is named in its own words, so a reader of either finds it.
    const std::array<std::pair<const char*, std::function<QString()>>, 3> choices{{
        {"mnuViewLanguageSystem", [] { return tr("&System"); }},
        {"mnuViewLanguageEnglish", [] { return QStringLiteral("&English"); }},
        {"mnuViewLanguageSpanish", [] { return QStringLiteral("E&spa\u00f1ol"); }},
    }};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        QAction* action =
            AddItem(language, QString::fromLatin1(choices[i].first), choices[i].second);
        action->setCheckable(true);
        group->addAction(action);
        mnuViewLanguage_[i] = action;
        Bind(action, this, [this, i] { ChooseLanguage(static_cast<int>(i)); });
    }
    mnuViewLanguage_[0]->setChecked(true);
}

void TfrmMain::ShowLanguage(int language) {
    const auto choice = static_cast<translations::Language>(language);
    mnuViewLanguage_.at(static_cast<std::size_t>(language))->setChecked(true);
    const QLocale shown = translations::ShownLocale(choice, QLocale::system());
    if (auto* app = QCoreApplication::instance())
        translations::InstallTranslators(*app, shown);
    platform::TheHelp().SetHelpFile(
        exeFolder_ + help::HelpFileNameFor(translations::ShowingSpanish() ? QStringLiteral("es")
                                                                          : QStringLiteral("en")));
}

void TfrmMain::ChooseLanguage(int language) {
    ShowLanguage(language);
    // The choice shows at once; keeping it is reported like any other failed save.
    SaveDisplayLanguage(
        SavedValuesPath().toStdString(),
        translations::LanguageKey(static_cast<translations::Language>(language)).toStdString());
}

void TfrmMain::OpenFile(const QString& file) {
    offerDesk_->OpenFile(file);
}

void TfrmMain::BuildContextMenu() {
    mnuPop = new QMenu(this);
    mnuPop->setObjectName(QStringLiteral("mnuPop"));
    mnuPopHelp = AddItem(mnuPop, QStringLiteral("mnuPopHelp"), QT_TR_NOOP("&Help"), Picture::Help);
    mnuPopDisclaim = AddItem(mnuPop, QStringLiteral("mnuPopDisclaim"), QT_TR_NOOP("&Disclaimer..."),
                             Picture::Disclaimer);
    mnuPopAbout =
        AddItem(mnuPop, QStringLiteral("mnuPopAbout"), QT_TR_NOOP("&About..."), Picture::About);
    AddSeparator(mnuPop, QStringLiteral("N1"));
    mnuPopExit = AddItem(mnuPop, QStringLiteral("mnuPopExit"), QT_TR_NOOP("E&xit"), Picture::Exit);

    Bind(mnuPopHelp, this, [this] { MnuHelpContentsClick(); });
    Bind(mnuPopDisclaim, this, [this] { ShowDisclaimer(); });
    Bind(mnuPopAbout, this, [this] { ShowAbout(); });
    Bind(mnuPopExit, this, [this] { btnExitClick(); });
}

void TfrmMain::BindOnlineAddresses() {
    const QString& base = sites::kWebSiteBase;
    auto withSuffix = [this](const QString& address) { return address + referralSuffix_; };
    onlineAddresses_ = {
        {mnuQOHome, withSuffix(base + QStringLiteral("/index.php"))},
        {statusBar, withSuffix(base + QStringLiteral("/index.php"))},
        {mnuQOSuggestionBox, withSuffix(base + QStringLiteral("/suggest.htm"))},
        {mnuQOFreeware, withSuffix(base + QStringLiteral("/freeware.htm"))},
        {mnuQOSupport, withSuffix(base + QStringLiteral("/faq.htm"))},
        {mnuQOApplicationInformation,
         withSuffix(base + QStringLiteral("/plumcrestcalculator.htm"))},
        {mnuQOBlog, withSuffix(base + QStringLiteral("/blogsite.htm"))},
        {mnuQOMailSuggestions, QStringLiteral("mailto:") + sites::kSuggestionsMail},
        {mnuQOMailSupport, QStringLiteral("mailto:") + sites::kSupportMail},
        {btnUpdate, sites::kUpdatePage},
        {mnuQOUpdate, sites::kUpdatePage},
    };
    for (std::size_t i = 0; i < sites::kOtherSites.size(); ++i)
        onlineAddresses_.insert(mnuQOSites[i],
                                withSuffix(QString::fromUtf8(sites::kOtherSites[i].address)));
    for (std::size_t i = 0; i < sites::kOtherProducts.size(); ++i)
        onlineAddresses_.insert(mnuQOProducts[i],
                                withSuffix(QString::fromUtf8(sites::kOtherProducts[i].address)));
}

void TfrmMain::GoOnline(QObject* sender) {
    // An unknown sender (the hidden "tell someone" item) reopens the current address.
    const auto it = onlineAddresses_.constFind(sender);
    if (it != onlineAddresses_.constEnd())
        UrlOnline->SetURL(it.value());
    UrlOnline->Click();
}

void TfrmMain::btnExitClick() {
    close();
}

void TfrmMain::MnuHelpContentsClick() {
    platform::TheHelp().ShowContents();
}

void TfrmMain::statusBarMouseMove(int x) {
    const int webWidth = statusBar->Panel(kWebPanel).width;
    statusBar->setCursor(x < webWidth - 5 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    statusBar->SetPanelText(kHintPanel, x > webWidth ? sites::Tagline()
                                                     : tr("Click to visit ") + sites::kWebAddress);
}

void TfrmMain::statusBarPanelClick(int panel) {
    if (statusBar->Panel(panel).name != QStringLiteral("WebPanel"))
        return;
    // The status bar's link is the one command whose failures are dropped, not reported: the
    // panel is a plain decoration that happens to open the maker's page, and a failed open has
    // already beeped inside the link.
    try {
        GoOnline(statusBar);
    } catch (...) {
    }
}

void TfrmMain::statusBarResize() {
    statusBar->SetPanelWidth(kHintPanel,
                             statusBar->width() - (statusBar->Panel(kWebPanel).width + 2));
}

void TfrmMain::PopupWindowMenu(const QPoint& globalPos) {
    QPointer<QMenu> menu = mnuPop;
    if (!menu)
        return;
    if (WindowMenuRunner)
        WindowMenuRunner(*menu, globalPos);
    else
        menu->exec(globalPos);
}

} // namespace plumcrest
