// The three commands. Each takes the checked words of the command line, does its
// work through the engine and the system layer, and hands back an Outcome; none
// prints, so main alone decides where text goes.
#pragma once

#include "cli/arguments.h"
#include "cli/outcome.h"

namespace c3ws::cli {

// Every entry of the list, one a line, tab-separated.
Outcome runList();

// Builds the chosen entry's widescreen file from the input, the same way the
// window does: render, patch, decode, replace whole.
Outcome runPatch(const Arguments& arguments);

// The input's size and, for every table, how much of it the file already carries.
Outcome runInspect(const Arguments& arguments);

}  // namespace c3ws::cli
