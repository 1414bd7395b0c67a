// Every text the window shows in a message box, and the one table that turns a
// file error or a refused build into the user's words. The first group are the
// program's long-standing messages and stand exactly as players know them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/services.h"

namespace c3ws::app::text {

inline constexpr std::string_view notInGameFolder = "请将软件放到游戏根目录下运行";
inline constexpr std::string_view notInGameFolderTitle = "文件位置错误";

inline constexpr std::string_view refuse1024x600 =
    "不是吧？你在耍我吗？这种分辨率你也有。。\r\n\r\n趁早把电脑淘汰了吧。这个分辨率我真的懒得写了！";
inline constexpr std::string_view refuse1024x600Title = "你在耍我吗？";
inline constexpr std::string_view replaced1024x600 = "不许再选这个分辨率了";

inline constexpr std::string_view refuse1280x1024 =
    "哦。SORRY。。。这个分辨率我还没来得急写。哈啊哈哈。\r\n\r\n不过你放心。就这几天就写";
inline constexpr std::string_view replaced1280x1024 = "敬请期待";

inline constexpr std::string_view choosePromptFirst = "请选择正确的分辨率再进行读取操作，谢谢";
inline constexpr std::string_view pleaseWait = "系统生成代码需要30秒时间。确定后请稍等，并不是死机";
inline constexpr std::string_view pleaseWaitTitle = "稍等一下";

inline constexpr std::string_view badOffset = "某项偏移地址有问题，请检查代码";

inline constexpr std::string_view gameFileName = "c3.exe";
inline constexpr std::string_view saveFilter = "程序文件（*.exe）|*.exe";

inline constexpr std::string_view readFailedTitle = "读入失败";
inline constexpr std::string_view writeFailedTitle = "写出失败";

// Why c3.exe could not be read, for the Read's error message.
std::string readFailure(sys::FileError error);

// c3.exe is empty, or ends before the chosen table's farthest byte.
std::string emptyGameFile();
std::string gameFileTooShort(std::size_t size, std::size_t needed, std::string_view listText);

// Why the build could not be written to path; the target is as it was.
std::string writeFailure(sys::FileError error, std::string_view path);

// The Write found no image to write.
std::string nothingToWrite();

}  // namespace c3ws::app::text
