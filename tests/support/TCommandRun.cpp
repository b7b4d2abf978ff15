#include "TCommandRun.h"

#include "TTempDirectory.h"
#include "TestFiles.h"

#include <array>
#include <cstdio>

#include <sys/wait.h>

namespace Armalyx {

namespace {

// Runs the whole command line and collects its standard output.
TCommandRun RunShell(const std::string& commandLine) {
    TCommandRun run;
    FILE* pipe = ::popen(commandLine.c_str(), "r");
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

} // namespace

TCommandRun RunCommand(const std::string& command) {
    return RunShell(command + " 2>&1");
}

TCommandRun RunCommandWithSeparateError(const std::string& command) {
    const TTempDirectory errorDirectory;
    const std::filesystem::path errorFile = errorDirectory.Path() / "stderr.out";
    TCommandRun run = RunShell(command + " 2>" + Quoted(errorFile));
    run.Error = ReadFileBytes(errorFile);
    return run;
}

std::string Quoted(const std::filesystem::path& path) {
    return std::string("'").append(path.string()).append("'");
}

} // namespace Armalyx
