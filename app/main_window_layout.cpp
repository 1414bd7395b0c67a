#include "app/main_window_layout.h"

#include <array>

namespace c3ws::app {
namespace {

using ui::Control;
using ui::ControlKind;
using ui::FontChoice;

#ifndef C3WS_GAME_GROUP
#define C3WS_GAME_GROUP "待公布"
#endif
#ifndef C3WS_TRAINING_GROUP
#define C3WS_TRAINING_GROUP "待公布"
#endif

// Positions are client-area pixels. The list is created 160 pixels high with its
// drop-down open, so longer lists scroll; closed it is one entry high. The
// progress bar reaches past both side edges of the client area on purpose: only
// its middle shows, without the end caps.
constexpr std::array controls{
    ui::ControlLayout{Control::分辨率选择, ControlKind::dropDownList, 16, 8, 192, 160, "",
                      FontChoice::songTi14, true, true},
    ui::ControlLayout{Control::读入按钮, ControlKind::pushButton, 23, 45, 70, 30, "读入",
                      FontChoice::songTi14, true, true},
    ui::ControlLayout{Control::写出按钮, ControlKind::pushButton, 133, 45, 70, 30, "写出",
                      FontChoice::defaultGui, true, true},
    // Holds the hex image between a Read and a Write; never shown.
    ui::ControlLayout{Control::编辑框1, ControlKind::editBox, 109, 47, 8, 24, "",
                      FontChoice::defaultGui, false, false},
    ui::ControlLayout{Control::标签2, ControlKind::label, 37, 75, 152, 24,
                      "凯撒大帝3 Q群：" C3WS_GAME_GROUP, FontChoice::defaultGui, true, true},
    ui::ControlLayout{Control::标签1, ControlKind::label, 17, 94, 192, 24,
                      "Tobrik新手训练营 Q群：" C3WS_TRAINING_GROUP, FontChoice::defaultGui, true, true},
    ui::ControlLayout{Control::进度条1, ControlKind::progressBar, -3, 118, 267, 13, "",
                      FontChoice::defaultGui, true, true},
};

constexpr ui::WindowLayout layout{
    .title = "Varnel全自动宽屏生成器_Tobrik",
    .outerWidth = 229,
    .outerHeight = 157,
    .controls = controls,
    .listEntryExtraHeight = 2,
    .progressMaximum = 100,
};

}  // namespace

const ui::WindowLayout& mainWindowLayout() { return layout; }

}  // namespace c3ws::app
