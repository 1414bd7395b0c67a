// The two fonts of the window. "宋体" is rarely installed on Linux; without it the
// first installed CJK font of a short list stands in, so the Chinese texts show
// as text at the size the layout was made for rather than as boxes.
#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

#include "platform/qt/backend.h"

namespace c3ws::ui::qt {
namespace {

// 宋体 under its Chinese and Latin names, then CJK fonts Debian ships.
const char* const songTiFamilies[] = {
    "宋体",
    "SimSun",
    "NSimSun",
    "Noto Serif CJK SC",
    "AR PL UMing CN",
    "Noto Sans CJK SC",
    "WenQuanYi Micro Hei",
    "WenQuanYi Zen Hei",
    "Droid Sans Fallback",
};

QString songTiStandIn() {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : songTiFamilies) {
        const QString family = QString::fromUtf8(name);
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    }
    // Any font that covers Simplified Chinese beats a font without the glyphs.
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    return chinese.isEmpty() ? QString() : chinese.first();
}

}  // namespace

QFont fontFor(FontChoice choice) {
    if (choice == FontChoice::defaultGui) return QApplication::font();
    static const QString family = songTiStandIn();
    QFont font = QApplication::font();
    if (!family.isEmpty()) font.setFamilies({family});
    // A character height of 14 pixels: the em size, not the line height.
    font.setPixelSize(14);
    font.setWeight(QFont::Normal);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

}  // namespace c3ws::ui::qt
