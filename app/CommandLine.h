#pragma once
// What the command line may ask before any window opens, and a clean end when the window system
// cannot start. Beside --help, --version, --read-loan-estimate FILE, --read-closing-disclosure
// FILE and --check-closing-disclosure CD --against LE, one file may be named: a Loan Estimate
// (PDF) to review or a file of offers to open once the window is up; other arguments are ignored.

#include <string>
#include <string_view>

namespace plumcrest {

enum class CommandLineRequest {
    Run,
    Help,
    Version,
    ReadLoanEstimate,
    ReadClosingDisclosure,
    CheckClosingDisclosure,
};

// The first of "--help"/"-h" or "--version" among the arguments after the program name.
// "--read-loan-estimate" and "--read-closing-disclosure" count only with the file after them;
// "--check-closing-disclosure CD" with "--against LE".
CommandLineRequest ReadCommandLine(int argc, const char* const* argv);
// The file after "--read-loan-estimate".
const char* ReadLoanEstimatePath(int argc, const char* const* argv);
// The file after `option` ("--read-closing-disclosure", "--against", ...), or empty.
const char* OptionValue(int argc, const char* const* argv, std::string_view option);

// The file to open in the window: the first argument after the program name that is not an
// option (or any after "--"); empty when there is none. Qt's own options are gone by then.
std::string FileArgument(int argc, const char* const* argv);

std::string HelpText(std::string_view program);
std::string VersionText(std::string_view program, std::string_view version);

// The one line printed when the program is started without a graphical session: none named, or
// `display` ("DISPLAY=:1") named but not reachable.
std::string NoDisplayText(std::string_view program, std::string_view display = {});
// The display the environment names ("WAYLAND_DISPLAY=wayland-0", "DISPLAY=:1"), or empty.
std::string DisplayInEnvironment();

// While alive, Qt's messages are held back; a fatal one (the window system could not be reached)
// ends the program with NoDisplayText and status 1 instead of an abort. When the guard ends
// normally the held messages go on to the previous handler.
class DisplayStartGuard {
public:
    explicit DisplayStartGuard(std::string_view program);
    ~DisplayStartGuard();
    DisplayStartGuard(const DisplayStartGuard&) = delete;
    DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;
};

} // namespace plumcrest
