#pragma once
// Placing the secondary dialogs over the main window and showing them modally.

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace plumcrest::dialogs {

class TfrmAbout;
class TfrmDisclaim;

// What the About box needs from the main window.
struct AboutContext {
    QString exeFolder;  // the program folder, with its trailing "/"
    QString homePage;   // site base + "/index.php" + referral suffix
    QString webAddress; // the maker's web address as shown by the link
};

// Top-left corner that centres a window of outer size `size` over `over` (outer rectangle).
// Halves truncate toward zero; the result may be negative.
QPoint CenteredOver(const QRect& over, const QSize& size);

// As CenteredOver, but a coordinate below 0 becomes 0.
QPoint CenteredOverClamped(const QRect& over, const QSize& size);

// Centres `form` over `over` (the main window), clamped to the screen's top-left quadrant (>= 0).
// Without a window to centre over the form stays where it is.
void CenterForm(QWidget& form, const QWidget* over);

// The module-wide references to the dialog being shown; empty once that dialog is gone.
QPointer<TfrmAbout>& AboutBox();
QPointer<TfrmDisclaim>& DisclaimerBox();

// Each creates a fresh dialog, shows it modally over `main` (the main window; may be null) and
// releases it afterwards, also when an exception passes through (it goes on to the caller).
void ShowAbout(QWidget* main, const AboutContext& context);
void ShowDisclaimer(QWidget* main);

} // namespace plumcrest::dialogs
