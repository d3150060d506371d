// Program entry: the command line's two informational requests, the reading of a Loan Estimate
// without a display, the application object, the main window, the message loop.

#include "Main.h"

#include "CheckCommand.h"
#include "ChmHelpViewer.h"
#include "ClosingCommand.h"
#include "CommandLine.h"
#include "LocaleSettings.h"
#include "NumericFieldAccessible.h"
#include "PlumcrestApplication.h"
#include "ReadCommand.h"
#include "ScheduleCommand.h"
#include "Translations.h"
#include "Version.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <string_view>

int main(int argc, char** argv) {
    constexpr const char* program = "plumcrest";
    // A schedule for a script needs no display: answered before any Qt object exists.
    if (plumcrest::IsScheduleCommand(argc, argv) &&
        plumcrest::ReadCommandLine(argc, argv) == plumcrest::CommandLineRequest::Run)
        return plumcrest::RunScheduleCommand(argc, argv, stdout, stderr);
    switch (plumcrest::ReadCommandLine(argc, argv)) {
    case plumcrest::CommandLineRequest::Help:
        std::fputs(plumcrest::HelpText(program).c_str(), stdout);
        return 0;
    case plumcrest::CommandLineRequest::Version:
        std::fputs(plumcrest::VersionText(program, plumcrest::version::kVersionText).c_str(),
                   stdout);
        return 0;
    case plumcrest::CommandLineRequest::ReadLoanEstimate: {
        // No display, no settings, no offers: the window runs this as its reader process.
        QCoreApplication app(argc, argv);
        return plumcrest::reader::RunReadCommand(plumcrest::ReadLoanEstimatePath(argc, argv));
    }
    case plumcrest::CommandLineRequest::ReadClosingDisclosure: {
        QCoreApplication app(argc, argv);
        return plumcrest::reader::RunReadClosingCommand(
            plumcrest::OptionValue(argc, argv, "--read-closing-disclosure"));
    }
    case plumcrest::CommandLineRequest::CheckClosingDisclosure: {
        QCoreApplication app(argc, argv);
        bool mailed = false;
        for (int i = 1; i < argc; ++i)
            mailed = mailed || (argv[i] && std::string_view(argv[i]) == "--mailed");
        return plumcrest::closing::RunCheckCommand(
            plumcrest::closing::ReaderProgram(),
            plumcrest::OptionValue(argc, argv, "--check-closing-disclosure"),
            plumcrest::OptionValue(argc, argv, "--against"),
            plumcrest::OptionValue(argc, argv, "--received"), mailed);
    }
    case plumcrest::CommandLineRequest::Run:
        break;
    }

    plumcrest::InstallNumericFieldAccessibility();
    std::optional<plumcrest::DisplayStartGuard> guard(std::in_place, program);
    plumcrest::PlumcrestApplication app(argc, argv);
    guard.reset();
    const plumcrest::platform::ScopedServices help({.help = &plumcrest::help::TheChmHelpViewer()});
    app.SetTitle(QString::fromLatin1(plumcrest::version::kProductTitle));
    QApplication::setApplicationName(QStringLiteral("plumcrest"));
    QApplication::setApplicationVersion(QString::fromLatin1(plumcrest::version::kVersionText));
    QApplication::setDesktopFileName(QStringLiteral("example.quillmore.Plumcrest"));
    plumcrest::translations::InstallTranslators(app, QLocale());
    // The separators are fixed from here on, whatever the locale does later.
    plumcrest::TheLocaleSeparators();

    auto* window = new plumcrest::TfrmMain;
    window->show();
    // A file from the command line or the file manager ("Open With") opens once the window is
    // up, as if it were dropped on it.
    if (const std::string file = plumcrest::FileArgument(argc, argv); !file.empty()) {
        const QString path = QString::fromLocal8Bit(file.c_str());
        QTimer::singleShot(0, window, [window, path] {
            plumcrest::PlumcrestApplication::RunGuarded([window, path] { window->OpenFile(path); });
        });
    }
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    return app.exec();
}
