#include "tests/cli/run_cli.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "tests/fixtures/fixtures.h"

#ifndef C3WS_CLI_PATH
#error "C3WS_CLI_PATH comes from the build: the path of c3widescreen-cli"
#endif

namespace c3ws::testing {

CliRun runCli(const std::vector<std::string>& arguments, const std::string& workingFolder) {
    const fixtures::TemporaryFolder capture;
    const std::string outPath = capture.file("out");
    const std::string errPath = capture.file("err");

    std::vector<std::string> words{C3WS_CLI_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        // Only async-signal-safe calls from here to exec.
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
            ::chdir(workingFolder.c_str()) != 0) {
            ::_exit(127);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("waitpid failed");
    }

    CliRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const Bytes out = fixtures::readFile(outPath);
    const Bytes err = fixtures::readFile(errPath);
    run.out.assign(out.begin(), out.end());
    run.err.assign(err.begin(), err.end());
    return run;
}

FolderSnapshot snapshot(const std::string& folder) {
    FolderSnapshot entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = std::filesystem::relative(entry.path(), folder).string();
        entries[name] = entry.is_regular_file() ? fixtures::readFile(entry.path().string()) : Bytes{};
    }
    return entries;
}

const Bytes& standIn() {
    static const Bytes bytes = fixtures::pseudoRandomBytes(1'200'000);
    return bytes;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace c3ws::testing
