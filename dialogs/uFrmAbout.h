#pragma once
// The About box: product, version and build date, the maker's logo and legal notices, a link to
// the maker's home page and a button that opens the licence text beside the program.

#include "DialogPlacement.h"
#include "TFixedDialog.h"

class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;

namespace plumcrest {
class TUrlLabel;
}

namespace plumcrest::dialogs {

class TfrmAbout : public TFixedDialog {
    Q_OBJECT
    Q_DISABLE_COPY(TfrmAbout)

public:
    static constexpr int kClientWidth = 447;
    static constexpr int kClientHeight = 290;

    // Created centred over `over` (the main window), which is not its owner.
    explicit TfrmAbout(const AboutContext& context, const QWidget* over = nullptr,
                       QWidget* parent = nullptr);

    // Caption and label texts, filled again at every show.
    void FormShow();
    // Opens the home page when `sender` is the logo, the icon or the web-address link.
    void GoOnlineAbout(const QObject* sender);
    void btnShowLicenseClick();
    void btnCloseClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(const QWidget* over);
    void BuildGraphic();
    void BuildLabels();
    void BuildLinks();
    void BuildButtons();
    QLabel* AddLabel(const char* name, int left, int top, const QString& text);

    AboutContext context_;
    QFrame* pnlGraphic_ = nullptr;
    QLabel* imgLogo_ = nullptr;
    QLabel* imgAboutIcon_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblCompileDate_ = nullptr;
    QLabel* lblCopyright_ = nullptr;
    QLabel* lblRights_ = nullptr;
    TUrlLabel* urlHome_ = nullptr;
    TUrlLabel* urlAboutOnline_ = nullptr;
    QPushButton* btnShowLicense_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

} // namespace plumcrest::dialogs
