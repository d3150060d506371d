// The reader process on its own: `plumcrest-reader FILE` reads a Loan Estimate as
// `plumcrest --read-loan-estimate FILE` does. The window starts this small program, which loads
// QtCore, QtGui and Poppler only: loading the window's own libraries would take longer than
// reading the form.

#include "ReadCommand.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2 || !argv[1]) {
        std::fputs("usage: plumcrest-reader FILE\n", stderr);
        return plumcrest::reader::kRefusedStatus;
    }
    QCoreApplication app(argc, argv);
    return plumcrest::reader::RunReadCommand(argv[1]);
}
