#pragma once
// `plumcrest --read-closing-disclosure FILE`: reads the file without a display, under the reader
// process's limits, and prints the reading as JSON on standard output (status 0), or one line on
// standard error that says why the file cannot be read as a Closing Disclosure (status 2).

#include <QString>

namespace plumcrest::reader {

// Needs a QCoreApplication. Sets the limits first.
int RunReadClosingCommand(const char* path);

// The one line for a file whose pages are a Loan Estimate, or no form at all.
QString NotClosingDisclosureText(bool isLoanEstimate);

} // namespace plumcrest::reader
