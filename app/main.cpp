// Program entry: the command line's two informational requests, the application object, the
// main window, the message loop.

#include "Main.h"

#include "CommandLine.h"
#include "LocaleSettings.h"
#include "NumericFieldAccessible.h"
#include "PlumcrestApplication.h"

#include <cstdio>
#include <optional>

int main(int argc, char** argv) {
    constexpr const char* program = "plumcrest";
    switch (plumcrest::ReadCommandLine(argc, argv)) {
    case plumcrest::CommandLineRequest::Help:
        std::fputs(plumcrest::HelpText(program).c_str(), stdout);
        return 0;
    case plumcrest::CommandLineRequest::Version:
        std::fputs(plumcrest::VersionText(program, PLUMCREST_VERSION).c_str(), stdout);
        return 0;
    case plumcrest::CommandLineRequest::Run:
        break;
    }

    plumcrest::InstallNumericFieldAccessibility();
    std::optional<plumcrest::DisplayStartGuard> guard(std::in_place, program);
    plumcrest::PlumcrestApplication app(argc, argv);
    guard.reset();
    app.SetTitle(QStringLiteral("Plumcrest, 4.0"));
    QApplication::setApplicationName(QStringLiteral("plumcrest"));
    QApplication::setApplicationVersion(QStringLiteral(PLUMCREST_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.quillmore.Plumcrest"));
    // The separators are fixed from here on, whatever the locale does later.
    plumcrest::TheLocaleSeparators();

    auto* window = new plumcrest::TfrmMain;
    window->show();
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    return app.exec();
}
