// Message boxes and the save dialog. Both are modal for the whole application
// and owned by no window, so they also work before the main window is shown
// and after it has gone. The save dialog is Qt's own rather than the desktop's,
// so the skin reaches its controls like every other window's.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/backend.h"

namespace c3ws::ui {
namespace {

QMessageBox::Icon iconFor(MessageStyle style) {
    switch (style) {
        case MessageStyle::error: return QMessageBox::Critical;
        case MessageStyle::information: return QMessageBox::Information;
        case MessageStyle::plain: break;
    }
    return QMessageBox::NoIcon;
}

// The message texts break lines the Windows way; a plain-text label would show
// the carriage return as a second break.
QString messageText(std::string_view text) {
    QString result = qt::toQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

// Qt's dialog returns a name in a folder that does not exist; this one refuses
// it and stays open, as the save dialog of the game's own system does.
class SaveDialog final : public QFileDialog {
public:
    SaveDialog() : QFileDialog(nullptr) {}

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty()) {
            const QFileInfo target(chosen.first());
            if (!target.isDir() && !target.absoluteDir().exists()) {
                QMessageBox::warning(this, windowTitle(),
                                     QStringLiteral("%1\n路径不存在。\n请检查路径是否正确。")
                                         .arg(QDir::toNativeSeparators(target.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

}  // namespace

void showMessage(std::string_view text, std::optional<std::string_view> title,
                 MessageStyle style) {
    QMessageBox box(iconFor(style), qt::toQString(title.value_or(defaultMessageTitle)),
                    messageText(text), QMessageBox::Ok, nullptr);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

std::optional<std::string> askSaveFileName(const SaveDialogSetup& setup) {
    const std::string_view filter = setup.filter;
    const std::size_t bar = filter.find('|');
    const QString description = qt::toQString(filter.substr(0, bar));
    const QString pattern =
        bar == std::string_view::npos ? description : qt::toQString(filter.substr(bar + 1));

    SaveDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The description already names the pattern; Qt would repeat it.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("%1 (%2)").arg(description, pattern));
    dialog.setDirectory(qt::toQString(setup.initialFolder));
    dialog.selectFile(qt::toQString(setup.initialName));
    // No default suffix, overwrite confirmation on: both are QFileDialog's defaults.
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen.first()).toStdString();
}

}  // namespace c3ws::ui
