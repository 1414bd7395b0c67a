#include "platform/scripted/scripted.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace c3ws::scripted {
namespace {

// Thrown by endProgram, caught by run(): the process "ends" there.
struct ProgramEnded {
    int exitCode;
};

struct State {
    const Script* script = nullptr;
    Record record;
    ui::WindowHandlers handlers{};
    void (*cleanup)() = nullptr;
    std::size_t nextDuringEvent = 0;
    std::size_t nextSaveAnswer = 0;
};

State* state = nullptr;

State& live() {
    if (state == nullptr) throw std::logic_error("toolkit service called outside scripted::run");
    return *state;
}

// Every control operation passes here, so a test can tell whether anything was
// touched after the window had gone.
Record& touch() {
    Record& r = live().record;
    if (r.windowClosed) ++r.controlCallsAfterClose;
    return r;
}

void runCleanup() {
    State& s = live();
    if (s.cleanup != nullptr && !s.record.cleanupRan) {
        s.record.cleanupRan = true;
        s.cleanup();
    }
}

void perform(const Action& action) {
    State& s = live();
    Record& r = s.record;
    switch (action.kind) {
        case Action::Kind::pick:
            if (!r.enabled[ui::Control::分辨率选择]) {
                ++r.clicksIgnored;
                return;
            }
            r.selection = std::clamp(action.item, 0, static_cast<int>(r.items.size()) - 1);
            s.handlers.resolutionPicked();
            return;
        case Action::Kind::click:
            if (!r.enabled[action.control]) {
                ++r.clicksIgnored;
                return;
            }
            if (action.control == ui::Control::读入按钮) s.handlers.readClicked();
            if (action.control == ui::Control::写出按钮) s.handlers.writeClicked();
            return;
        case Action::Kind::close:
            r.windowClosed = true;
            return;
        case Action::Kind::inspect:
            action.inspect();
            return;
    }
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Message& message) {
    return out << '"' << message.text << "\" titled \"" << message.title << "\" style "
               << static_cast<int>(message.style);
}

Action pick(int item) { return {Action::Kind::pick, item, {}, {}}; }
Action click(ui::Control control) { return {Action::Kind::click, 0, control, {}}; }
Action closeWindow() { return {Action::Kind::close, 0, {}, {}}; }
Action inspect(std::function<void()> look) { return {Action::Kind::inspect, 0, {}, std::move(look)}; }

const Record& current() { return live().record; }

Record run(const Script& script, int (*program)(int, char**)) {
    char cwd[PATH_MAX];
    if (::getcwd(cwd, sizeof cwd) == nullptr) throw std::runtime_error("getcwd failed");

    State s;
    s.script = &script;
    state = &s;
    char name[] = "c3widescreen";
    char* argv[] = {name, nullptr};
    try {
        s.record.exitCode = program(1, argv);
    } catch (const ProgramEnded& end) {
        s.record.exitCode = end.exitCode;
        s.record.ended = true;
    } catch (...) {
        state = nullptr;
        sys::setWorkingDirectory(cwd);
        throw;
    }
    state = nullptr;
    sys::setWorkingDirectory(cwd);
    return std::move(s.record);
}

}  // namespace c3ws::scripted

namespace c3ws::ui {

using scripted::live;
using scripted::touch;

void startToolkit(int, char**) { sys::setWorkingDirectory(live().script->runDirectory); }

void registerExitCleanup(void (*cleanup)()) { live().cleanup = cleanup; }

void createMainWindow(const WindowLayout& layout, const WindowHandlers& handlers) {
    auto& s = live();
    s.handlers = handlers;
    s.record.windowTitle = std::string(layout.title);
    for (const ControlLayout& control : layout.controls) {
        s.record.enabled[control.control] = control.enabled;
        s.record.visible[control.control] = control.visible;
    }
}

void showMainWindow() { live().record.windowShown = true; }

int runEventLoop() {
    auto& s = live();
    for (const scripted::Action& action : s.script->userActions) {
        if (s.record.windowClosed) break;
        scripted::perform(action);
    }
    s.record.windowClosed = true;
    scripted::runCleanup();
    return 0;
}

void endProgram(int exitCode) {
    scripted::runCleanup();
    live().record.windowClosed = true;
    throw scripted::ProgramEnded{exitCode};
}

std::string runDirectory() { return live().script->runDirectory; }

bool fileExists(const std::string& path) { return sys::fileExists(path); }

sys::FileRead readWholeFile(const std::string& path) {
    auto& s = live();
    s.record.filesRead.push_back(path);
    if (s.script->failRead) return {{}, *s.script->failRead};
    return sys::readWholeFile(path);
}

sys::FileError writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    auto& s = live();
    const sys::FileError error =
        s.script->failWrite ? *s.script->failWrite : sys::replaceWholeFile(path, bytes);
    if (error == sys::FileError::none) s.record.filesWritten.push_back(path);
    return error;
}

std::int32_t hexTextToInt(std::string_view prefixedText) { return sys::hexTextToInt(prefixedText); }

DisplayMode currentDisplayMode() { return live().script->displayMode; }

void showMessage(std::string_view text, std::optional<std::string_view> title, MessageStyle style) {
    auto& s = live();
    scripted::Message message{std::string(text), std::string(title.value_or(defaultMessageTitle)),
                              style};
    s.record.messages.push_back(message);
    if (s.script->onMessage) s.script->onMessage(message);
}

std::optional<std::string> askSaveFileName(const SaveDialogSetup& setup) {
    auto& s = live();
    s.record.saveDialogs.push_back(setup);
    if (s.nextSaveAnswer >= s.script->saveAnswers.size()) return std::nullopt;
    std::optional<std::string> answer = s.script->saveAnswers[s.nextSaveAnswer++];
    if (answer) sys::setWorkingDirectory(sys::folderOf(*answer));
    return answer;
}

bool processPendingEvents() {
    auto& s = live();
    const long turn = ++s.record.eventTurns;
    const auto& during = s.script->duringEvents;
    while (s.nextDuringEvent < during.size() && during[s.nextDuringEvent].first <= turn) {
        scripted::perform(during[s.nextDuringEvent++].second);
    }
    return !s.record.windowClosed;
}

void insertItem(Control, int index, std::string_view text) {
    auto& items = touch().items;
    const auto at = static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(items.size())));
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::string(text));
}

void deleteItem(Control, int index) {
    auto& r = touch();
    if (index < 0 || index >= static_cast<int>(r.items.size())) return;
    r.items.erase(r.items.begin() + index);
    if (r.selection == index) r.selection = -1;
    else if (r.selection > index) --r.selection;
}

int getSelection(Control) { return touch().selection; }

void setSelection(Control, int index) {
    auto& r = touch();
    const int last = static_cast<int>(r.items.size()) - 1;
    r.selection = index < 0 ? -1 : std::min(index, last);
}

void setEnabled(Control control, bool enabled) { touch().enabled[control] = enabled; }

void setText(Control, std::string text) { touch().editText = std::move(text); }

std::string getText(Control) { return touch().editText; }

void setPosition(Control, int value) { touch().progressPositions.push_back(value); }

void setControlSkin(int scheme) { touch().skinScheme = scheme; }

}  // namespace c3ws::ui
