// Runs the built command line as its own process, the way a user or a script
// does, and collects what it printed and how it ended. Output is captured in a
// folder of its own, so the working folder holds only what the program wrote.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "patch/hex_image.h"

namespace c3ws::testing {

struct CliRun {
    int status = -1;  // the exit status; -1 when the program did not exit by itself
    std::string out;
    std::string err;
};

CliRun runCli(const std::vector<std::string>& arguments, const std::string& workingFolder);

// The entries of a folder by name, with a file's bytes (a folder's are empty):
// compared before and after a run, it shows anything written, replaced or left behind.
using FolderSnapshot = std::map<std::string, Bytes>;
FolderSnapshot snapshot(const std::string& folder);

// The 1.2 MB stand-in for c3.exe every test starts from, made once.
const Bytes& standIn();

// The lines of a text, without their line breaks.
std::vector<std::string> linesOf(const std::string& text);

}  // namespace c3ws::testing
