// Program entry: the application object, the main window, the message loop.

#include "Main.h"

#include "ChmHelpViewer.h"
#include "LocaleSettings.h"
#include "NumericFieldAccessible.h"
#include "PlumcrestApplication.h"
#include "Version.h"

int main(int argc, char** argv) {
    plumcrest::InstallNumericFieldAccessibility();
    plumcrest::PlumcrestApplication app(argc, argv);
    const plumcrest::platform::ScopedServices help(
        {.help = &plumcrest::platform::TheChmHelpViewer()});
    app.SetTitle(QString::fromLatin1(plumcrest::version::kProductTitle));
    QApplication::setApplicationName(QStringLiteral("plumcrest"));
    QApplication::setDesktopFileName(QStringLiteral("example.quillmore.Plumcrest"));
    // The separators are fixed from here on, whatever the locale does later.
    plumcrest::TheLocaleSeparators();

    auto* window = new plumcrest::TfrmMain;
    window->show();
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    return app.exec();
}
