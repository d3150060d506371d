#include "CommandLine.h"

#include "ScheduleCommand.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace plumcrest {

CommandLineRequest ReadCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (arg == "--help" || arg == "-h")
            return CommandLineRequest::Help;
        if (arg == "--version")
            return CommandLineRequest::Version;
        if (arg == "--read-loan-estimate" && i + 1 < argc && argv[i + 1])
            return CommandLineRequest::ReadLoanEstimate;
        if (arg == "--read-closing-disclosure" && i + 1 < argc && argv[i + 1])
            return CommandLineRequest::ReadClosingDisclosure;
        if (arg == "--check-closing-disclosure" && i + 1 < argc && argv[i + 1] &&
            *OptionValue(argc, argv, "--against"))
            return CommandLineRequest::CheckClosingDisclosure;
    }
    return CommandLineRequest::Run;
}

const char* ReadLoanEstimatePath(int argc, const char* const* argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] && std::string_view(argv[i]) == "--read-loan-estimate")
            return argv[i + 1];
    return "";
}

const char* OptionValue(int argc, const char* const* argv, std::string_view option) {
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] && std::string_view(argv[i]) == option && argv[i + 1])
            return argv[i + 1];
    return "";
}

std::string FileArgument(int argc, const char* const* argv) {
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (options && arg == "--") {
            options = false;
            continue;
        }
        if (!arg.empty() && (!options || arg.front() != '-'))
            return std::string(arg);
    }
    return {};
}

std::string HelpText(std::string_view program) {
    const std::string name(program);
    return "Usage: " + name +
           "\n"
           "A mortgage calculator: the down payment, loan amount, monthly payment, total of the\n"
           "fixed fees and Annual Percentage Rate of a home loan.\n"
           "\n"
           "Without --schedule or --read-loan-estimate it opens its window; the last values\n"
           "calculated are kept in "
           "$XDG_CONFIG_HOME/Quillmore Financial Software/Plumcrest/Plumcrest.ini.\n"
           "F1 in the window opens the help.\n"
           "A FILE named opens with the window: a lender's Loan Estimate (PDF) for review, or a\n"
           "file of offers (.plumcrest-offers) saved by File > Save Offers As..., whose offers\n"
           "are added to those kept.\n"
           "\n"
           "  -h, --help     show this text and exit\n"
           "      --version  show the version and exit\n"
           "      --read-loan-estimate FILE\n"
           "                 read a lender's Loan Estimate (PDF) without opening a window and\n"
           "                 print what it says as JSON; status 2 and one line on standard\n"
           "                 error when the file cannot be read as one\n"
           "      --read-closing-disclosure FILE\n"
           "                 the same for a lender's Closing Disclosure\n"
           "      --check-closing-disclosure CD --against LE [--received YYYY-MM-DD] [--mailed]\n"
           "                 check a Closing Disclosure against its Loan Estimate and print\n"
           "                 the check as JSON: what rose beyond the legal limit, the refund\n"
           "                 owed, the loan calculations and whether closing must wait\n" +
           ScheduleCommandHelp();
}

std::string VersionText(std::string_view program, std::string_view version) {
    return std::string(program) + " " + std::string(version) + "\n";
}

std::string NoDisplayText(std::string_view program, std::string_view display) {
    const std::string name(program);
    if (!display.empty())
        return name + ": needs a graphical session and could not reach the display " +
               std::string(display) + "; check that its server runs and lets you in, " +
               "or run it under a virtual X server with: xvfb-run -a " + name + "\n";
    return name + ": needs a graphical session and found no display; run it from the desktop, " +
           "or under a virtual X server with: xvfb-run -a " + name + "\n";
}

std::string DisplayInEnvironment() {
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return std::string(variable) + "=" + value;
    }
    return {};
}

namespace {

struct HeldMessage {
    QtMsgType type;
    // Literals of the code that logged, so they outlive the guard.
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;
std::string noDisplayLine;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt aborts after this handler returns; end here with the plain line instead.
        std::fputs(noDisplayLine.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

} // namespace

DisplayStartGuard::DisplayStartGuard(std::string_view program) {
    heldMessages.clear();
    noDisplayLine = NoDisplayText(program, DisplayInEnvironment());
    previousHandler = qInstallMessageHandler(HoldMessage);
}

DisplayStartGuard::~DisplayStartGuard() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace plumcrest
