// armalyx-import: converts a spreadsheet's CSV export to the data file format of armalyx on
// standard output, naming on standard error every row it cannot convert faithfully.
#include "CsvImport.h"
#include "TImportOptions.h"

#include "ArmalyxVersion.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitProblems = 1;
constexpr int kExitUsage = 2;
constexpr std::string_view kProgram = "armalyx-import: ";

// The whole file, or nothing with the reason in the error text.
std::optional<std::string> ReadWholeFile(const std::string& name, std::string& error) {
    std::error_code code;
    if (std::filesystem::is_directory(name, code)) {
        error = "cannot read " + name + ": it is a folder";
        return std::nullopt;
    }
    std::ifstream file(name, std::ios::binary);
    if (!file) {
        error = "cannot read " + name + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) {
        error = "cannot read " + name + ": " + std::strerror(errno);
        return std::nullopt;
    }
    return std::move(text).str();
}

int Import(const std::string& name) {
    std::string error;
    const std::optional<std::string> text = ReadWholeFile(name, error);
    if (!text) {
        std::cerr << kProgram << error << '\n';
        return kExitUsage;
    }
    const Armalyx::Import::TImportResult result = Armalyx::Import::ImportCsv(*text, std::cout);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << kProgram << "cannot write the data file to standard output\n";
        return kExitUsage;
    }
    for (const std::string& problem : result.Problems) {
        std::cerr << kProgram << name << ": " << problem << '\n';
    }
    return result.Problems.empty() ? 0 : kExitProblems;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        Armalyx::Import::TImportOptions options;
        if (const std::string error = options.Parse(args); !error.empty()) {
            std::cerr << kProgram << error << '\n' << Armalyx::Import::TImportOptions::Usage();
            return kExitUsage;
        }
        if (options.Help) {
            std::cout << Armalyx::Import::TImportOptions::Usage();
            return 0;
        }
        if (options.Version) {
            std::cout << "armalyx-import " << kArmalyxVersion << '\n';
            return 0;
        }
        return Import(options.File);
    } catch (const std::exception& error) {
        std::cerr << kProgram << error.what() << '\n';
        return kExitUsage;
    }
}
