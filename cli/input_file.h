// The input both patch and inspect start from: c3.exe in the working folder
// unless --input names another file, read whole.
#pragma once

#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/outcome.h"
#include "platform/system.h"

namespace c3ws::cli {

inline constexpr const char* defaultInputName = "c3.exe";

struct InputFile {
    std::string path;
    sys::Bytes bytes;
    std::optional<Outcome> failure;  // set when the file could not be read
};

InputFile readInput(const Arguments& arguments);

}  // namespace c3ws::cli
