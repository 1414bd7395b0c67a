// The start and the end of the program on Qt: the application object, the run
// directory as working directory, the event loop and the exit clean-up.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>

#include "platform/qt/backend.h"
#include "platform/qt/skin.h"

namespace c3ws::ui {
namespace qt {

Backend& backend() {
    static Backend state;
    return state;
}

bool windowClosed = false;

ControlSlot& slotOf(Control control) {
    return backend().controls.at(static_cast<std::size_t>(control));
}

void runCleanupOnce() {
    Backend& b = backend();
    if (b.cleanupDone) return;
    b.cleanupDone = true;
    if (b.cleanup != nullptr) b.cleanup();
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qt

void startToolkit(int argc, char** argv) {
    // QApplication keeps a reference to the count for its whole life.
    static int argumentCount = argc;
    qt::Backend& b = qt::backend();
    b.application = new QApplication(argumentCount, argv);
    // The window's own close box ends the program (see window.cpp). Message
    // boxes shown before the window, or after it has gone, must not.
    QApplication::setQuitOnLastWindowClosed(false);
    qt::installBaseStyle();
    // Qt's own texts (the save dialog, its questions) in Chinese like the rest,
    // where the translations are installed.
    static QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
    sys::setWorkingDirectory(sys::executableDirectory());
}

void registerExitCleanup(void (*cleanup)()) { qt::backend().cleanup = cleanup; }

int runEventLoop() {
    // The close box may already have been used while start-up pumped events.
    int code = 0;
    if (!qt::windowClosed) {
        qt::backend().eventLoopRunning = true;
        code = QApplication::exec();
        qt::backend().eventLoopRunning = false;
    }
    qt::runCleanupOnce();
    return code;
}

void endProgram(int exitCode) {
    qt::runCleanupOnce();
    if (qt::Backend& b = qt::backend(); b.window != nullptr) b.window->hide();
    // The application object is left to the end of the process: this may be
    // called from deep inside a handler, under widgets still on the stack.
    std::exit(exitCode);
}

}  // namespace c3ws::ui
