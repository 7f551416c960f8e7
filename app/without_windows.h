#pragma once

#include "app/command_line.h"

namespace logvane {

// Does what a command line asks that needs no window (the help, the version, a conversion with
// --convert, or the message for a command line the program cannot follow), on standard output and
// error, in the user's language, and gives the exit status.
int runWithoutWindows(char* programName, const CommandLine& commandLine);

// Converts each file as the window converts files given to it, and tells of each on a line of its
// own as it goes: where its ADIF file went, on standard output, or why it failed, on standard
// error; then, for more than one file, how many were saved and how many failed. 0 when every
// file was saved, 1 when any failed, 2 for a comment that cannot be written.
int convertWithoutWindows(const CommandLine& commandLine);

} // namespace logvane
