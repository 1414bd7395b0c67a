#include "cli/messages.h"

#include <cstdio>

#include "patch/patch_table.h"

#ifndef C3WS_VERSION
#error "C3WS_VERSION comes from the build: the project's version"
#endif

namespace c3ws::cli {

void printError(std::string_view line) {
    std::string text(line);
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

namespace messages {
namespace {

std::string quoted(std::string_view text) {
    std::string out = "“";
    out += text;
    out += "”";
    return out;
}

// The entries a build can be made for, joined by "、", each as name(item)
// gives it: "1280×768、1280×800、…" or "2、3、4、…".
template <typename Name>
std::string entriesWithTable(Name name) {
    std::string out;
    for (ResolutionItem item = 0; item < resolutionItemCount; ++item) {
        if (patchTableFor(item).empty()) continue;
        if (!out.empty()) out += "、";
        out += name(item);
    }
    return out;
}


const std::string seeHelp = "；用 --help 查看用法";

}  // namespace

std::string help() {
    return "c3widescreen-cli：把《凯撒大帝3》的 c3.exe 改成宽屏版\n"
           "\n"
           "用法：\n"
           "  c3widescreen-cli list\n"
           "  c3widescreen-cli patch (--item 序号 | --resolution 宽x高) [--input 路径] [--output 路径] "
           "[--force]\n"
           "  c3widescreen-cli inspect [--input 路径]\n"
           "  c3widescreen-cli --help | --version\n"
           "\n"
           "命令：\n"
           "  list     列出全部列表项：序号、名称、默认文件名、补丁条数、所需最小文件大小（字节），以制表符分隔\n"
           "  patch    读入输入文件，写出所选分辨率的宽屏版；输出要么完整写出，要么完全不写\n"
           "  inspect  显示文件大小、文件带有各分辨率补丁字节的多少，并判断它是哪个分辨率的宽屏版\n"
           "\n"
           "选项：\n"
           "  --item 序号           列表项的序号（见 list）；有补丁表的是 " +
           entriesWithTable([](ResolutionItem item) { return std::to_string(item); }) +
           "\n"
           "  --resolution 宽x高    如 1366x768；宽与高之间用 x、X 或 × 均可\n"
           "  --input 路径          输入文件，默认为当前文件夹中的 c3.exe\n"
           "  --output 路径         输出文件，默认为输入文件所在文件夹中该分辨率的默认文件名\n"
           "  --force               输出文件已存在时替换它\n"
           "  选项也可写成 --选项=值。\n"
           "\n"
           "退出码：\n"
           "  0  成功\n"
           "  1  用法错误：未知的命令、选项、序号或分辨率，缺少取值，或所选列表项没有补丁表\n"
           "  2  输入文件有问题：不存在、无法读取、是空的，或比补丁表所需的短\n"
           "  3  输出文件有问题：已存在而未加 --force，或无法写出（原文件保持不变）\n"
           "  4  内部错误：补丁未能完整生成，未写出任何文件\n";
}

std::string version() { return std::string("c3widescreen-cli ") + C3WS_VERSION + "\n"; }

std::string missingCommand() { return "缺少命令" + seeHelp; }

std::string unknownCommand(std::string_view command) {
    return "未知的命令 " + quoted(command) + seeHelp;
}

std::string unknownOption(std::string_view command, std::string_view option) {
    return "命令 " + std::string(command) + " 没有选项 " + quoted(option) + seeHelp;
}

std::string missingValue(std::string_view option) {
    return "选项 " + std::string(option) + " 缺少取值" + seeHelp;
}

std::string repeatedOption(std::string_view option) {
    return "选项 " + std::string(option) + " 只能给一次";
}

std::string unexpectedValue(std::string_view option) {
    return "选项 " + std::string(option) + " 不带取值";
}

std::string bothChoices() { return "--item 与 --resolution 只能给一个"; }

std::string noChoice() { return "请用 --item 或 --resolution 选择分辨率" + seeHelp; }

std::string unknownItem(std::string_view text) {
    return "没有序号为 " + quoted(text) + " 的列表项；序号为 0 到 " +
           std::to_string(resolutionItemCount - 1);
}

std::string unknownResolution(std::string_view text) {
    return "列表中没有分辨率 " + quoted(text) + "；可生成的有：" + entriesWithTable(listText);
}

std::string noTable(ResolutionItem item) {
    return "列表项 " + entryName(item) + " 没有补丁表，无法生成；可生成的有：" + entriesWithTable(listText);
}

std::string unreadableInput(const std::string& path, sys::FileError error) {
    return "无法读取输入文件 " + quoted(path) + "：" + std::string(causeOf(error));
}

std::string emptyInput(const std::string& path) {
    return "输入文件 " + quoted(path) + " 是空的";
}

std::string inputTooShort(const std::string& path, std::size_t size, ResolutionItem item,
                          std::size_t needed) {
    return "输入文件 " + quoted(path) + " 只有 " + std::to_string(size) + " 字节，" +
           std::string(listText(item)) + " 的补丁表需要至少 " + std::to_string(needed) +
           " 字节；它不像是游戏的 c3.exe";
}

std::string outputExists(const std::string& path) {
    return "输出文件 " + quoted(path) + " 已存在；加 --force 可替换它";
}

std::string unwritableOutput(const std::string& path, sys::FileError error) {
    return "无法写出 " + quoted(path) + "：" + std::string(causeOf(error)) + "；未写出任何内容";
}

std::string buildRefused(ResolutionItem item) {
    return std::string(listText(item)) + " 的补丁未能完整生成，未写出任何文件";
}

std::string written(const std::string& path, ResolutionItem item, std::size_t size) {
    return "已写出 " + quoted(path) + "（" + std::string(listText(item)) + "，" +
           std::to_string(size) + " 字节）\n";
}

std::string inspectHeader(const std::string& path, std::size_t size) {
    return "文件 " + quoted(path) + "：" + std::to_string(size) + " 字节\n"
           "序号\t分辨率\t状态\t相符字节\t所需大小\n";
}

std::string inspectLine(const TableMatch& match) {
    std::string_view state;
    switch (match.state) {
        case MatchState::tooShort: state = "文件太短"; break;
        case MatchState::none: state = "无一相符"; break;
        case MatchState::some: state = "部分相符"; break;
        case MatchState::all: state = "全部相符"; break;
    }
    return std::to_string(match.item) + "\t" + std::string(listText(match.item)) + "\t" +
           std::string(state) + "\t" + std::to_string(match.present) + "/" +
           std::to_string(match.total) + "\t" + std::to_string(match.requiredSize) + "\n";
}

std::string builtForVerdict(ResolutionItem item, std::span<const TableMatch> matches) {
    std::string text = "结论：这是 " + std::string(listText(item)) + " 的宽屏版";
    std::string alsoComplete;
    for (const TableMatch& match : matches) {
        if (match.state != MatchState::all || match.item == item) continue;
        alsoComplete += alsoComplete.empty() ? "" : "、";
        alsoComplete += listText(match.item);
    }
    if (!alsoComplete.empty()) text += "（其字节也涵盖 " + alsoComplete + " 的全部补丁字节）";
    return text + "\n";
}

std::string partialVerdict(const TableMatch& closest) {
    return "结论：不是完整的宽屏版（未打补丁或只打了一部分）；最接近 " +
           std::string(listText(closest.item)) + "：" + std::to_string(closest.present) + "/" +
           std::to_string(closest.total) + " 字节相符\n";
}

std::string notPatchedVerdict(bool tooShortForAll) {
    if (tooShortForAll) return "结论：文件比每个补丁表所需的都短，不是游戏的 c3.exe\n";
    return "结论：不是宽屏版，没有一个补丁字节相符\n";
}

std::string_view causeOf(sys::FileError error) {
    switch (error) {
        case sys::FileError::none: return "没有错误";
        case sys::FileError::notFound: return "文件或它所在的文件夹不存在";
        case sys::FileError::isFolder: return "这是一个文件夹";
        case sys::FileError::accessDenied: return "没有权限（文件只读或文件夹受保护）";
        case sys::FileError::inUse: return "文件正被其他程序使用（游戏是否正在运行？）";
        case sys::FileError::diskFull: return "磁盘空间不足";
        case sys::FileError::tooLarge: return "文件太大";
        case sys::FileError::other: break;
    }
    return "未知的系统错误";
}

std::string entryName(ResolutionItem item) {
    if (item == promptItem) return std::to_string(item) + "（" + std::string(listText(item)) + "）";
    return std::string(listText(item));
}

}  // namespace messages
}  // namespace c3ws::cli
