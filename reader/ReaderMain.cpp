// The reader process on its own: `plumcrest-reader FILE` reads a Loan Estimate as
// `plumcrest --read-loan-estimate FILE` does. The window starts this small program, which loads
// QtCore, QtGui and Poppler only: loading the window's own libraries would take longer than
// reading the form.

#include "ReadCommand.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // The window names the file as it names it to the program itself: after
    // --read-loan-estimate.
    const bool asProgram =
        argc == 3 && argv[1] && std::strcmp(argv[1], "--read-loan-estimate") == 0;
    if ((argc != 2 && !asProgram) || !argv[argc - 1]) {
        std::fputs("usage: plumcrest-reader FILE\n", stderr);
        return plumcrest::reader::kRefusedStatus;
    }
    QCoreApplication app(argc, argv);
    return plumcrest::reader::RunReadCommand(argv[argc - 1]);
}
