// What a command hands back to main: an exit status, one per kind of failure so
// that a script can tell a wrong call from a bad input from a failed write, and
// the text to print. The help text lists the statuses; keep the two in step.
#pragma once

#include <string>

namespace c3ws::cli {

enum class ExitCode : int {
    success = 0,
    usage = 1,     // unknown command or option, missing value, unknown entry, entry without a table
    input = 2,     // the input is missing, unreadable, empty or too short for the table
    output = 3,    // the output exists (no --force) or could not be written
    internal = 4,  // the engine refused a file it had accepted: nothing written
};

// What a command leaves behind: on success the text for stdout, otherwise the
// one line for stderr.
struct Outcome {
    ExitCode code = ExitCode::success;
    std::string text;
};

}  // namespace c3ws::cli
