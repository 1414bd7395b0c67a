// Times the Read under the Win32 backend, from the dismissed warning to the
// buttons enabled again, on a 1.2 MB stand-in for c3.exe: the same steps as the
// window's Read, with the real window, pump and edit box. Not a test: it prints
// figures. Also times what the edit box itself costs for an image of that size.
//
// Usage: c3ws-read-bench [FILE] [ROUNDS]; without FILE a stand-in is generated.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/main_window_layout.h"
#include "patch/build_image.h"
#include "platform/services.h"
#include "platform/win32/backend.h"

namespace {

using namespace c3ws;
using ui::Control;
using Clock = std::chrono::steady_clock;

class PumpHost final : public EngineHost {
public:
    bool processPendingEvents() override { return ui::processPendingEvents(); }
    void reportBadOffset() override {}
    std::int32_t convertHexText(std::string_view text) override { return ui::hexTextToInt(text); }
};

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void writeStandIn(const std::string& path) {
    std::mt19937 generator(195);
    std::vector<std::uint8_t> bytes(1200000);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(generator() >> 24);
    sys::replaceWholeFile(path, bytes);
}

struct Round {
    double read, build, store, total;
};

Round oneRead(const std::string& path, ResolutionItem item) {
    Round round{};
    const auto start = Clock::now();
    ui::setText(Control::编辑框1, {});
    ui::setEnabled(Control::编辑框1, false);
    ui::setEnabled(Control::读入按钮, false);
    ui::setEnabled(Control::写出按钮, false);
    ui::setPosition(Control::进度条1, 0);

    auto phase = Clock::now();
    sys::FileRead file = ui::readWholeFile(path);
    round.read = msSince(phase);

    phase = Clock::now();
    PumpHost host;
    BuiltImage built = buildHexImage(file.bytes, item, host);
    file.bytes = {};
    round.build = msSince(phase);

    phase = Clock::now();
    ui::setText(Control::编辑框1, std::move(built.image));
    ui::setEnabled(Control::读入按钮, true);
    ui::setEnabled(Control::写出按钮, true);
    ui::setEnabled(Control::编辑框1, true);
    round.store = msSince(phase);
    round.total = msSince(start);
    return round;
}

}  // namespace

int main(int argc, char** argv) {
    std::string path = argc > 1 ? argv[1] : "";
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    ui::startToolkit(argc, argv);
    if (path.empty()) {
        path = "c3ws-read-bench-stand-in.bin";
        writeStandIn(path);
    }
    ui::createMainWindow(app::mainWindowLayout(), {});
    for (int i = 0; i < 11; ++i) ui::insertItem(Control::分辨率选择, i, "entry");
    ui::setControlSkin(3);
    ui::showMainWindow();

    const ResolutionItem item = 10;  // 1920×1080: the table with the largest offsets
    std::vector<Round> results;
    for (int i = 0; i < rounds; ++i) results.push_back(oneRead(path, item));
    std::sort(results.begin(), results.end(),
              [](const Round& a, const Round& b) { return a.total < b.total; });
    const Round& median = results[results.size() / 2];
    std::printf("Read of %s, %d rounds, item %d\n", path.c_str(), rounds, item);
    std::printf("  median: total %.1f ms (read %.1f, render+patch with pump %.1f, store+enable %.1f)\n",
                median.total, median.read, median.build, median.store);
    std::printf("  best:   total %.1f ms\n", results.front().total);

    // What the edit control would cost if it were given the image: the backend
    // keeps the text itself because of these figures.
    const std::string image = ui::getText(Control::编辑框1);
    HWND edit = ui::win32::controlWindow(Control::编辑框1);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    auto phase = Clock::now();
    std::wstring wide(image.begin(), image.end());
    SetWindowTextW(edit, wide.c_str());
    const double setMs = msSince(phase);
    phase = Clock::now();
    const int length = GetWindowTextLengthW(edit);
    std::wstring back(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(edit, back.data(), length + 1);
    const double getMs = msSince(phase);
    phase = Clock::now();
    SetWindowTextW(edit, L"");
    const double clearMs = msSince(phase);
    phase = Clock::now();
    const std::string shadow = ui::getText(Control::编辑框1);
    const double shadowMs = msSince(phase);
    std::printf("  edit control given %zu characters: WM_SETTEXT %.1f ms, WM_GETTEXT %.1f ms "
                "(%d held), emptied again %.1f ms; getText from the backend's store %.1f ms\n",
                image.size(), setMs, getMs, length, clearMs, shadowMs);

    // The pump alone: what the engine pays per step when nothing is pending.
    constexpr int pumpCalls = 10'000'000;
    phase = Clock::now();
    for (int i = 0; i < pumpCalls; ++i) ui::processPendingEvents();
    std::printf("  pump: %d calls in %.1f ms\n", pumpCalls, msSince(phase));
    if (argc <= 1) DeleteFileA(path.c_str());
    return 0;
}
