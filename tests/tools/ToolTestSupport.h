#pragma once
// Helpers of the tests that run the installed programs and read the files they install.

#include <filesystem>
#include <string>

struct TCommandRun {
    int Status = -1;
    std::string Output;
};

// Runs a shell command; its standard error joins the output so that failures explain themselves.
// Status is the exit status, -1 when the command did not exit normally (a crash or an abort).
TCommandRun RunCommand(const std::string& command);

// The path in single quotes, for a shell command line.
std::string Quoted(const std::filesystem::path& path);

// The file's bytes exactly as stored; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
