// The file services as the window sees them: the run directory and whole-file
// reads and writes, handed straight to the operating-system layer. Nothing here
// needs Qt; the services live with the backend because each backend supplies the
// whole of platform/services.h.
#include "platform/services.h"

namespace c3ws::ui {

std::string runDirectory() { return sys::executableDirectory(); }

bool fileExists(const std::string& path) { return sys::fileExists(path); }

sys::FileRead readWholeFile(const std::string& path) { return sys::readWholeFile(path); }

sys::FileError writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    return sys::replaceWholeFile(path, bytes);
}

std::int32_t hexTextToInt(std::string_view prefixedText) {
    return sys::hexTextToInt(prefixedText);
}

}  // namespace c3ws::ui
