// The Qt backend in its own process on a virtual display: the window built from
// a layout of the test's own (so nothing can come from the program's layout),
// the list's events, the edit box store, the event pump and the close box, the
// message boxes and the save dialog, and what the skin reaches.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "platform/qt/backend.h"
#include "platform/services.h"
#include "tests/fixtures/fixtures.h"

namespace c3ws::ui {
namespace {

constexpr int outerWidth = 241;
constexpr int outerHeight = 163;
constexpr int extraEntryHeight = 3;
constexpr int progressMaximum = 50;

constexpr std::array testControls{
    ControlLayout{Control::分辨率选择, ControlKind::dropDownList, 12, 6, 180, 150, "",
                  FontChoice::songTi14, true, true},
    ControlLayout{Control::读入按钮, ControlKind::pushButton, 20, 40, 64, 28, "读入",
                  FontChoice::songTi14, true, true},
    ControlLayout{Control::写出按钮, ControlKind::pushButton, 120, 40, 64, 28, "写出",
                  FontChoice::defaultGui, true, false},
    ControlLayout{Control::编辑框1, ControlKind::editBox, 100, 44, 8, 24, "", FontChoice::defaultGui,
                  false, false},
    ControlLayout{Control::标签2, ControlKind::label, 30, 72, 150, 22, "标签二", FontChoice::defaultGui,
                  true, true},
    ControlLayout{Control::标签1, ControlKind::label, 14, 92, 190, 22, "标签一", FontChoice::songTi14,
                  true, true},
    ControlLayout{Control::进度条1, ControlKind::progressBar, -3, 118, 250, 13, "",
                  FontChoice::defaultGui, true, true},
};

constexpr WindowLayout testLayout{"测试窗口", outerWidth, outerHeight, testControls,
                                  extraEntryHeight, progressMaximum};

int picks = 0;
int pickedSelection = -2;
int reads = 0;
int cleanups = 0;

const WindowHandlers testHandlers{
    [] {
        ++picks;
        pickedSelection = getSelection(Control::分辨率选择);
    },
    [] { ++reads; },
    nullptr,
};

QWidget* widget(Control control) { return qt::slotOf(control).widget; }
QComboBox* list() { return qobject_cast<QComboBox*>(widget(Control::分辨率选择)); }

// Runs the check on the modal window the next call opens, then closes it.
void onNextModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            ADD_FAILURE() << "no modal window";
            return;
        }
        check(modal);
    });
}

class QtBackend : public ::testing::Test {
protected:
    void SetUp() override {
        picks = 0;
        pickedSelection = -2;
        reads = 0;
        cleanups = 0;
        registerExitCleanup([] { ++cleanups; });
        setControlSkin(3);
        createMainWindow(testLayout, testHandlers);
        for (int i = 0; i < 11; ++i) insertItem(Control::分辨率选择, i, "项" + std::to_string(i));
        setSelection(Control::分辨率选择, 0);
    }
};

TEST_F(QtBackend, WindowFollowsTheLayout) {
    showMainWindow();
    QWidget* window = qt::backend().window;
    ASSERT_TRUE(window->isVisible());

    // Outer size and centring, frame included (a bare Xvfb has no frame).
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window->frameGeometry();
    EXPECT_EQ(frame.size(), QSize(outerWidth, outerHeight));
    EXPECT_EQ(frame.topLeft(), QPoint((screen.width() - outerWidth) / 2, (screen.height() - outerHeight) / 2));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window must not be resizable";
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("测试窗口"));
    EXPECT_EQ(window->backgroundRole(), QPalette::Button);

    for (const ControlLayout& c : testControls) {
        SCOPED_TRACE(static_cast<int>(c.control));
        QWidget* w = widget(c.control);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->isVisible(), c.visible);
        EXPECT_EQ(w->isEnabled(), c.enabled);
        EXPECT_EQ(w->pos(), QPoint(c.left, c.top));
        EXPECT_EQ(w->width(), c.width);
        if (c.kind == ControlKind::dropDownList) {
            EXPECT_LT(w->height(), c.height) << "closed, the list is one entry high";
        } else {
            EXPECT_EQ(w->height(), c.height);
        }
        if (c.font == FontChoice::songTi14) {
            EXPECT_EQ(w->font().pixelSize(), 14);
        } else {
            EXPECT_EQ(w->font(), QApplication::font());
        }
    }
    const auto* label = qobject_cast<QLabel*>(widget(Control::标签1));
    EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(label->text(), QStringLiteral("标签一"));
    const auto* bar = qobject_cast<QProgressBar*>(widget(Control::进度条1));
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), progressMaximum);
    EXPECT_EQ(bar->value(), 0);

    // Entries: the font's line plus the extra pixels; the opened list scrolls.
    QComboBox* box = list();
    const int entryHeight = box->fontMetrics().height() + extraEntryHeight;
    EXPECT_EQ(box->view()->sizeHintForRow(0), entryHeight);
    EXPECT_LT(box->maxVisibleItems(), 11);
    EXPECT_FALSE(box->isEditable());
}

TEST_F(QtBackend, SelectionInCodeClampsAndRaisesNothing) {
    struct Case {
        int set, expected;
    };
    static constexpr Case cases[] = {{3, 3}, {10, 10}, {11, 10}, {500, 10}, {0, 0}, {-1, -1}, {-9, -1}};
    for (const Case c : cases) {
        setSelection(Control::分辨率选择, c.set);
        EXPECT_EQ(getSelection(Control::分辨率选择), c.expected) << "set " << c.set;
    }
    setSelection(Control::分辨率选择, 0);
    deleteItem(Control::分辨率选择, 1);
    insertItem(Control::分辨率选择, 1, "不许再选这个分辨率了");
    EXPECT_EQ(list()->count(), 11);
    EXPECT_EQ(list()->itemText(1), QStringLiteral("不许再选这个分辨率了"));
    QCoreApplication::processEvents();
    EXPECT_EQ(picks, 0);
}

TEST_F(QtBackend, UserPickArrivesAfterTheListIsDone) {
    showMainWindow();
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);  // a pick from the keyboard
    EXPECT_EQ(picks, 0) << "the pick must be queued, not delivered inside the list";
    QCoreApplication::processEvents();
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(pickedSelection, 1);
}

TEST_F(QtBackend, ButtonClickCallsItsHandler) {
    showMainWindow();
    QTest::mouseClick(widget(Control::读入按钮), Qt::LeftButton);
    EXPECT_EQ(reads, 1);
    QTest::mouseClick(widget(Control::写出按钮), Qt::LeftButton);  // disabled, no handler
    EXPECT_EQ(reads, 1);
}

TEST_F(QtBackend, EditBoxKeepsMegabytesWithoutTheWidget) {
    const std::string image(3'600'000, 'A');
    setText(Control::编辑框1, image);
    EXPECT_EQ(getText(Control::编辑框1), image);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(widget(Control::编辑框1))->text().isEmpty());
    EXPECT_FALSE(widget(Control::编辑框1)->isVisible());
    setText(Control::编辑框1, {});
    EXPECT_EQ(getText(Control::编辑框1), "");
}

TEST_F(QtBackend, PumpDispatchesAndStopsOnceTheWindowIsClosed) {
    showMainWindow();
    bool dispatched = false;
    QTimer::singleShot(0, [&] { dispatched = true; });
    // Bounded by calls, not time: the pump must get to the event on its own.
    for (long i = 0; i < 2'000'000'000L && !dispatched; ++i) ASSERT_TRUE(processPendingEvents());
    EXPECT_TRUE(dispatched);

    qt::backend().window->close();  // the close box
    EXPECT_FALSE(qt::backend().window->isVisible());
    EXPECT_FALSE(processPendingEvents());
    EXPECT_EQ(runEventLoop(), 0);
    EXPECT_EQ(cleanups, 1);
}

TEST_F(QtBackend, MessageBoxesByStyle) {
    struct Case {
        MessageStyle style;
        std::optional<std::string_view> title;
        QMessageBox::Icon icon;
        const char* shownTitle;
    };
    static const Case cases[] = {
        {MessageStyle::plain, std::nullopt, QMessageBox::NoIcon, "信息："},
        {MessageStyle::error, "文件位置错误", QMessageBox::Critical, "文件位置错误"},
        {MessageStyle::information, "稍等一下", QMessageBox::Information, "稍等一下"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shownTitle);
        bool seen = false;
        onNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            seen = true;
            EXPECT_EQ(box->parentWidget(), nullptr);
            EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->windowTitle(), QString::fromUtf8(c.shownTitle));
            EXPECT_EQ(box->text(), QStringLiteral("第一行\n\n第二行"));
            EXPECT_EQ(box->buttons().size(), 1);
            box->accept();
        });
        showMessage("第一行\r\n\r\n第二行", c.title, c.style);
        EXPECT_TRUE(seen);
    }
}

class SaveDialog : public QtBackend {
protected:
    fixtures::TemporaryFolder folder;
    SaveDialogSetup setup{folder.path(), "1366X768.exe", "程序文件（*.exe）|*.exe"};
};

TEST_F(SaveDialog, OffersTheSetUpAndReturnsTheNameAsTyped) {
    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("程序文件（*.exe） (*.exe)")});
        EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(folder.path()));
        EXPECT_EQ(dialog->selectedFiles().value(0),
                  QString::fromStdString(folder.file("1366X768.exe")));
        dialog->selectFile(QStringLiteral("no-extension"));
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
    });
    EXPECT_EQ(askSaveFileName(setup), folder.file("no-extension"));
}

TEST_F(SaveDialog, CancelGivesNothing) {
    onNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(askSaveFileName(setup), std::nullopt);
}

TEST_F(SaveDialog, RefusesAFolderThatDoesNotExist) {
    bool refused = false;
    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(folder.file("missing/x.exe")));
        // The refusal is itself modal; answer it, then look at the dialog.
        QTimer::singleShot(0, [&, dialog] {
            auto* warning = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            refused = warning != nullptr;
            if (warning != nullptr) warning->accept();
            QTimer::singleShot(0, [dialog] {
                EXPECT_TRUE(dialog->isVisible()) << "the dialog must stay open";
                dialog->reject();
            });
        });
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
    });
    EXPECT_EQ(askSaveFileName(setup), std::nullopt);
    EXPECT_TRUE(refused);
}

// The colour of the pixel in the middle of a widget's left edge.
QColor leftEdge(QWidget* w) {
    const QImage image = w->grab().toImage();
    return image.pixelColor(0, image.height() / 2);
}

TEST_F(QtBackend, SkinReachesExistingAndLaterWidgetsButNotLabels) {
    setControlSkin(0);
    QWidget host;
    auto* before = new QLineEdit(&host);
    auto* label = new QLabel(QStringLiteral("标签"), &host);
    auto* bar = new QProgressBar(&host);
    const QImage plainLabel = label->grab().toImage();
    const QImage plainBar = bar->grab().toImage();
    const QColor silverFrame(198, 197, 215);
    EXPECT_NE(leftEdge(before), silverFrame);

    setControlSkin(3);
    auto* after = new QLineEdit(&host);
    auto* combo = new QComboBox(&host);
    combo->addItem(QStringLiteral("1920×1080"));
    EXPECT_EQ(leftEdge(before), silverFrame);
    EXPECT_EQ(leftEdge(after), silverFrame);
    EXPECT_EQ(leftEdge(combo), silverFrame);
    EXPECT_EQ(label->grab().toImage(), plainLabel);
    EXPECT_EQ(bar->grab().toImage(), plainBar);

    // The schemes differ from each other; any other value takes the skin off.
    auto* button = new QPushButton(QStringLiteral("确定"), &host);
    button->resize(70, 30);
    std::array<QImage, 3> schemes;
    for (int scheme = 1; scheme <= 3; ++scheme) {
        setControlSkin(scheme);
        schemes[scheme - 1] = button->grab().toImage();
    }
    EXPECT_NE(schemes[0], schemes[1]);
    EXPECT_NE(schemes[1], schemes[2]);
    setControlSkin(7);
    EXPECT_NE(leftEdge(before), silverFrame);
}

TEST(QtDisplay, PrimaryScreenInDevicePixels) {
    const DisplayMode mode = currentDisplayMode();
    // CTest runs this on a 1366 x 768 virtual screen, 24 bits deep.
    EXPECT_EQ(mode.width, 1366);
    EXPECT_EQ(mode.height, 768);
    EXPECT_EQ(mode.bitsPerPixel, 24);
    EXPECT_GE(mode.refreshRate, 0);
}

}  // namespace
}  // namespace c3ws::ui

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    c3ws::ui::startToolkit(argc, argv);
    return RUN_ALL_TESTS();
}
