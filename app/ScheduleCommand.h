#pragma once
// "plumcrest --schedule ...": a loan's monthly schedule as CSV on standard output, for scripts and
// spreadsheets, with no window and no display. The same schedule and CSV as the Schedule window's.

#include <cstdio>
#include <string>

namespace plumcrest {

// Whether the arguments after the program name ask for the schedule.
bool IsScheduleCommand(int argc, const char* const* argv);

// Writes the schedule to `out` and returns 0; a bad option gets one line on `err` and 2.
int RunScheduleCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

// The options, for --help.
std::string ScheduleCommandHelp();

} // namespace plumcrest
