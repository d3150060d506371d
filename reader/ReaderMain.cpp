// The reader process on its own: `plumcrest-reader FILE` reads a Loan Estimate as
// `plumcrest --read-loan-estimate FILE` does, and `plumcrest-reader --read-closing-disclosure
// FILE` a Closing Disclosure as the program itself does. The window starts this small program,
// which loads QtCore and Poppler only: loading the window's own libraries would take
// longer than reading the form.

#include "ClosingCommand.h"
#include "ReadCommand.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // The window names the file as it names it to the program itself: after the option.
    const bool estimate = argc == 3 && argv[1] && std::strcmp(argv[1], "--read-loan-estimate") == 0;
    const bool closing =
        argc == 3 && argv[1] && std::strcmp(argv[1], "--read-closing-disclosure") == 0;
    if ((argc != 2 && !estimate && !closing) || !argv[argc - 1]) {
        std::fputs("usage: plumcrest-reader [--read-closing-disclosure] FILE\n", stderr);
        return plumcrest::reader::kRefusedStatus;
    }
    QCoreApplication app(argc, argv);
    // The window names the language it shows, so a refusal reads in it too.
    if (qEnvironmentVariable("PLUMCREST_LANGUAGE") == QLatin1String("es"))
        plumcrest::translations::InstallTranslators(
            app, QLocale(QLocale::Spanish, QLocale::UnitedStates));
    if (closing)
        return plumcrest::reader::RunReadClosingCommand(argv[2]);
    return plumcrest::reader::RunReadCommand(argv[argc - 1]);
}
