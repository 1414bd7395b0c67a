// The one window: its controls built from the layout the window logic passes,
// the handlers bound to the user's actions, and its placement on the screen.
// Every position, size, text and font comes from the layout; nothing about the
// window is written down here.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QThread>
#include <QWindow>

#include <algorithm>

#include "platform/qt/backend.h"

namespace c3ws::ui {
namespace qt {
namespace {

class MainWindow final : public QWidget {
public:
    MainWindow()
        : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {}

protected:
    // The close box asks nothing. The window is only hidden, never destroyed
    // here: a Read may be running below this event, inside a button's signal,
    // and finds out from the pump that it has to stop.
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        windowClosed = true;
        // Only the program's own loop is told to end. Before it runs (the close
        // box used during start-up) an exit would instead stay pending and end
        // the next message box's loop at once; runEventLoop sees the flag.
        if (backend().eventLoopRunning) QCoreApplication::exit(0);
    }
};

// List entries as tall as the font's line plus the layout's extra pixels.
class TallerEntries final : public QStyledItemDelegate {
public:
    TallerEntries(int entryHeight, QObject* parent)
        : QStyledItemDelegate(parent), entryHeight_(entryHeight) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(entryHeight_);
        return size;
    }

private:
    int entryHeight_;
};

QWidget* makeDropDownList(const ControlLayout& c, const WindowLayout& layout,
                          const WindowHandlers& handlers, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setFont(fontFor(c.font));
    const int entryHeight = list->fontMetrics().height() + layout.listEntryExtraHeight;
    list->setItemDelegate(new TallerEntries(entryHeight, list));
    // The layout's height is that of the list opened; the closed box takes the
    // height its font needs and the entries share the rest, so a longer list
    // scrolls.
    const int closedHeight = std::min(c.height, list->sizeHint().height());
    list->setGeometry(c.left, c.top, c.width, closedHeight);
    const int openHeight = c.height - closedHeight - 2;
    if (openHeight >= entryHeight) list->setMaxVisibleItems(openHeight / entryHeight);
    // Queued: the handler runs once the list has finished with the pick, and may
    // change the list itself. Selections made in code emit no activated().
    void (*picked)() = handlers.resolutionPicked;
    QObject::connect(
        list, &QComboBox::activated, list,
        [picked](int) {
            if (picked != nullptr) picked();
        },
        Qt::QueuedConnection);
    return list;
}

QWidget* makePushButton(const ControlLayout& c, void (*clicked)(), QWidget* parent) {
    auto* button = new QPushButton(toQString(c.text), parent);
    button->setFont(fontFor(c.font));
    button->setGeometry(c.left, c.top, c.width, c.height);
    QObject::connect(button, &QPushButton::clicked, button, [clicked] {
        if (clicked != nullptr) clicked();
    });
    return button;
}

QWidget* makeLabel(const ControlLayout& c, QWidget* parent) {
    auto* label = new QLabel(toQString(c.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFont(fontFor(c.font));
    label->setGeometry(c.left, c.top, c.width, c.height);
    return label;
}

QWidget* makeEditBox(const ControlLayout& c, QWidget* parent) {
    // Holds no text of its own: see ControlSlot::storedText.
    auto* edit = new QLineEdit(parent);
    edit->setFont(fontFor(c.font));
    edit->setGeometry(c.left, c.top, c.width, c.height);
    return edit;
}

QWidget* makeProgressBar(const ControlLayout& c, const WindowLayout& layout, QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, layout.progressMaximum);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFont(fontFor(c.font));
    // May start left of the client area and end right of it: the window clips.
    bar->setGeometry(c.left, c.top, c.width, c.height);
    return bar;
}

void (*clickHandlerFor(Control control, const WindowHandlers& handlers))() {
    switch (control) {
        case Control::读入按钮: return handlers.readClicked;
        case Control::写出按钮: return handlers.writeClicked;
        default: return nullptr;
    }
}

// Outer size fixed at the layout's, frame included, centred on the primary
// screen with truncating division.
void place(QWidget* window, QMargins frame) {
    const Backend& b = backend();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 0, 0);
    const int clientWidth = std::max(1, b.outerWidth - frame.left() - frame.right());
    const int clientHeight = std::max(1, b.outerHeight - frame.top() - frame.bottom());
    window->setFixedSize(clientWidth, clientHeight);
    // move() on a window places its frame, not its client area.
    window->move(area.x() + (area.width() - b.outerWidth) / 2,
                 area.y() + (area.height() - b.outerHeight) / 2);
}

// A window manager reports the frame only once it has framed the window, so
// the first placement assumes none and is corrected when the window shows.
void waitUntilExposed(QWidget* window) {
    QElapsedTimer waited;
    waited.start();
    while (!windowClosed && window->windowHandle() != nullptr &&
           !window->windowHandle()->isExposed() && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(2);
    }
}

}  // namespace
}  // namespace qt

void createMainWindow(const WindowLayout& layout, const WindowHandlers& handlers) {
    qt::Backend& b = qt::backend();
    // The program makes one window; a test may make several in turn.
    if (b.window != nullptr) {
        b.window->hide();
        b.window->deleteLater();
        b.controls = {};
    }
    qt::windowClosed = false;
    b.handlers = handlers;
    b.outerWidth = layout.outerWidth;
    b.outerHeight = layout.outerHeight;

    auto* window = new qt::MainWindow;
    window->setWindowTitle(qt::toQString(layout.title));
    window->setBackgroundRole(QPalette::Button);
    window->setAutoFillBackground(true);
    b.window = window;

    for (const ControlLayout& c : layout.controls) {
        QWidget* widget = nullptr;
        switch (c.kind) {
            case ControlKind::dropDownList:
                widget = qt::makeDropDownList(c, layout, handlers, window);
                break;
            case ControlKind::pushButton:
                widget = qt::makePushButton(c, qt::clickHandlerFor(c.control, handlers), window);
                break;
            case ControlKind::editBox: widget = qt::makeEditBox(c, window); break;
            case ControlKind::label: widget = qt::makeLabel(c, window); break;
            case ControlKind::progressBar: widget = qt::makeProgressBar(c, layout, window); break;
        }
        widget->setEnabled(c.enabled);
        if (!c.visible) widget->hide();
        qt::ControlSlot& slot = qt::slotOf(c.control);
        slot.widget = widget;
        slot.kind = c.kind;
        slot.storedText.clear();
    }
    qt::place(window, QMargins());
}

void showMainWindow() {
    QWidget* window = qt::backend().window;
    if (window == nullptr || qt::windowClosed) return;
    window->show();
    window->raise();
    window->activateWindow();
    qt::waitUntilExposed(window);
    if (window->windowHandle() == nullptr) return;
    const QMargins frame = window->windowHandle()->frameMargins();
    if (!frame.isNull()) qt::place(window, frame);
}

}  // namespace c3ws::ui
