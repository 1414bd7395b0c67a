#include "app/messages.h"

namespace c3ws::app::text {
namespace {

using sys::FileError;

std::string_view readCause(FileError error) {
    switch (error) {
        case FileError::none: break;
        case FileError::notFound: return "游戏根目录下找不到 c3.exe。";
        case FileError::isFolder: return "c3.exe 是一个文件夹，不是游戏程序。";
        case FileError::accessDenied: return "没有读取 c3.exe 的权限。";
        case FileError::inUse: return "c3.exe 正被其他程序占用，请先退出游戏。";
        case FileError::diskFull: break;
        case FileError::tooLarge: return "c3.exe 太大，不是凯撒大帝3的游戏程序。";
        case FileError::other: break;
    }
    return "无法读取 c3.exe。";
}

std::string_view writeCause(FileError error) {
    switch (error) {
        case FileError::none: break;
        case FileError::notFound: return "目标文件夹不存在。";
        case FileError::isFolder: return "这个名字是一个文件夹。";
        case FileError::accessDenied:
            return "没有写入权限：这个文件夹受保护（例如 Program Files）或文件是只读的。"
                   "请换一个文件夹，或以管理员身份运行。";
        case FileError::inUse: return "文件正被其他程序使用（游戏可能正在运行），请先退出游戏。";
        case FileError::diskFull: return "磁盘空间不足。";
        case FileError::tooLarge: return "文件太大。";
        case FileError::other: break;
    }
    return "写入文件时出错。";
}

}  // namespace

std::string readFailure(FileError error) {
    return std::string(readCause(error)) + "\r\n\r\n没有生成任何内容。";
}

std::string emptyGameFile() {
    return "c3.exe 是空文件，无法生成宽屏版。\r\n\r\n请确认游戏已正确安装。";
}

std::string gameFileTooShort(std::size_t size, std::size_t needed, std::string_view listText) {
    return "c3.exe 只有 " + std::to_string(size) + " 字节，" + std::string(listText) +
           " 的补丁需要至少 " + std::to_string(needed) +
           " 字节。\r\n\r\n这不是本软件支持的 c3.exe 版本，没有生成任何内容。";
}

std::string writeFailure(FileError error, std::string_view path) {
    return "无法写出 " + std::string(path) + "\r\n\r\n" + std::string(writeCause(error)) +
           "\r\n\r\n目标文件保持原样。";
}

std::string nothingToWrite() { return "还没有读入 c3.exe，没有可写出的内容。"; }

}  // namespace c3ws::app::text
