#pragma once
// Running a program through the shell, for the tests that run the built and installed programs.

#include <filesystem>
#include <string>

namespace Armalyx {

struct TCommandRun {
    // The exit status; -1 when the command did not exit normally (a crash or an abort).
    int Status = -1;
    std::string Output;
    // The standard error, when kept apart from the output.
    std::string Error;
};

// Runs a shell command; its standard error joins the output so that failures explain themselves.
TCommandRun RunCommand(const std::string& command);

// Runs a shell command with its standard error kept apart, in a temporary file of its own so that
// nothing is written where the command runs.
TCommandRun RunCommandWithSeparateError(const std::string& command);

// The path in single quotes, for a shell command line.
std::string Quoted(const std::filesystem::path& path);

} // namespace Armalyx
