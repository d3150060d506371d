#pragma once
// `plumcrest --read-loan-estimate FILE`: reads the file without a display and prints the reading
// as JSON on standard output (status 0), or one line on standard error that says why the file
// cannot be read (status 2).

namespace plumcrest::reader {

inline constexpr int kRefusedStatus = 2;

// Needs a QCoreApplication.
int RunReadCommand(const char* path);

} // namespace plumcrest::reader
