#include "ToolTestSupport.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

TCommandRun RunCommand(const std::string& command) {
    TCommandRun run;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        run.Output.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Quoted(const std::filesystem::path& path) {
    return std::string("'").append(path.string()).append("'");
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
