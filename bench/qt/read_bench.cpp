// Times the Read of the real window on a 1.2 MB stand-in for c3.exe: from the
// moment the warning message is dismissed to the buttons being enabled again,
// which is when readCommand returns. Message boxes are dismissed by a timer, as
// a quick user would.
//
// The Read looks for c3.exe in the run directory, the folder of the executable,
// so the bench copies itself into a temporary folder next to a stand-in file of
// pseudo-random bytes and runs that copy; the folder is removed afterwards.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/commands.h"
#include "platform/services.h"
#include "tools/stand_in.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr std::size_t standInSize = 1'200'000;
constexpr int item1920x1080 = 10;
const char* const inFolderFlag = "--in-game-folder";

Clock::time_point warningDismissed;

// Accepts every message box as soon as it is up; the last one accepted before
// the Read returns is the warning.
void dismissMessageBoxesFromNowOn() {
    auto* timer = new QTimer(QApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            warningDismissed = Clock::now();
            box->accept();
        }
    });
    timer->start(1);
}

double timeOnePumpCall() {
    constexpr int calls = 10'000'000;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < calls; ++i) {
        if (!c3ws::ui::processPendingEvents()) break;
    }
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / calls;
}

int runInGameFolder(int argc, char** argv, int reads) {
    c3ws::ui::startToolkit(argc, argv);
    c3ws::app::createMainWindowAndControls();
    c3ws::app::prepareMainWindow();
    c3ws::ui::setSelection(c3ws::ui::Control::分辨率选择, item1920x1080);
    c3ws::ui::showMainWindow();
    dismissMessageBoxesFromNowOn();

    std::printf("stand-in c3.exe: %zu bytes, item %d (1920x1080), platform %s\n", standInSize,
                item1920x1080, qPrintable(QGuiApplication::platformName()));
    std::vector<double> times;
    for (int i = 0; i < reads; ++i) {
        c3ws::app::readCommand();
        const Clock::time_point done = Clock::now();
        times.push_back(Milliseconds(done - warningDismissed).count());
        const std::size_t expected = 3 * standInSize - 1;
        if (c3ws::ui::getText(c3ws::ui::Control::编辑框1).size() != expected) {
            std::fprintf(stderr, "read %d left no image of %zu characters\n", i + 1, expected);
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("Read, warning dismissed -> buttons enabled, %d reads:\n", reads);
    std::printf("  min %.1f ms   median %.1f ms   max %.1f ms\n", times.front(),
                times[times.size() / 2], times.back());
    std::printf("event pump, nothing to do: %.2f ns per call\n", timeOnePumpCall());
    return 0;
}

void writeStandIn(const fs::path& path) {
    const c3ws::standin::Bytes bytes = c3ws::standin::pseudoRandomBytes(standInSize);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::ofstream(path.parent_path() / "STAND-IN-NOT-THE-GAME.txt")
        << "c3.exe here is a stand-in of pseudo-random bytes for a benchmark, not the game.\n";
}

}  // namespace

int main(int argc, char** argv) {
    const bool inFolder = argc > 1 && std::string(argv[1]) == inFolderFlag;
    const int reads = std::max(1, std::atoi(argc > (inFolder ? 2 : 1) ? argv[inFolder ? 2 : 1] : "10"));
    if (inFolder) return runInGameFolder(1, argv, reads);

    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("QT_QPA_PLATFORM") == nullptr) {
        std::printf("no display: using Qt's offscreen platform (run under xvfb-run for X11)\n");
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    std::string pattern = (fs::temp_directory_path() / "c3ws-qt-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 1;
    const fs::path folder = pattern;
    writeStandIn(folder / "c3.exe");
    const fs::path copy = folder / "qt_read_bench";
    fs::copy_file(fs::read_symlink("/proc/self/exe"), copy);

    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string count = std::to_string(reads);
        ::execl(copy.c_str(), copy.c_str(), inFolderFlag, count.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    fs::remove_all(folder);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
