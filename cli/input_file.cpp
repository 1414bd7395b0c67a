#include "cli/input_file.h"

#include "cli/messages.h"

namespace c3ws::cli {

InputFile readInput(const Arguments& arguments) {
    InputFile input;
    input.path = arguments.input.value_or(defaultInputName);
    sys::FileRead read = sys::readWholeFile(input.path);
    if (read.error != sys::FileError::none) {
        input.failure = Outcome{ExitCode::input, messages::unreadableInput(input.path, read.error)};
        return input;
    }
    input.bytes = std::move(read.bytes);
    return input;
}

}  // namespace c3ws::cli
