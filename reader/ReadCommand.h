#pragma once
// `plumcrest --read-loan-estimate FILE`: reads the file without a display and prints the reading
// as JSON on standard output (status 0), or one line on standard error that says why the file
// cannot be read (status 2).

namespace plumcrest::reader {

inline constexpr int kRefusedStatus = 2;

// The reader process's own limits, set first thing: processor seconds and address space.
inline constexpr long kReaderCpuSeconds = 10;
inline constexpr long long kReaderMemoryBytes = 512LL * 1024 * 1024;

// Sets the limits above on this process.
void LimitReaderProcess();

// Needs a QCoreApplication. Sets the limits first.
int RunReadCommand(const char* path);

} // namespace plumcrest::reader
