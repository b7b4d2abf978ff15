// armalyx-import: converts a spreadsheet's CSV export to the data file format of armalyx, on
// standard output or in place of the file -o names, naming on standard error every row it cannot
// convert faithfully and every month it wrote as 0 for an empty cell.
#include "CsvImport.h"
#include "FileReplacement.h"
#include "SheetEncoding.h"
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

void PrintMessages(const std::string& name, const std::vector<std::string>& messages) {
    for (const std::string& message : messages) {
        std::cerr << kProgram << name << ": " << message << '\n';
    }
}

// Writes the data file where the options say; false (with the reason given) when it failed.
bool WriteDataFile(const Armalyx::Import::TImportOptions& options, const std::string& dataFile) {
    if (options.Output.empty()) {
        std::cout << dataFile;
        std::cout.flush();
        if (!std::cout) {
            std::cerr << kProgram << "cannot write the data file to standard output\n";
            return false;
        }
        return true;
    }
    std::string error;
    if (!Armalyx::Import::ReplaceFileWith(options.Output, dataFile, error)) {
        std::cerr << kProgram << error << "; " << options.Output << " was left as it was\n";
        return false;
    }
    return true;
}

// What is said when no row converted: the file named by -o is not touched.
std::string NothingWritten(const Armalyx::Import::TImportOptions& options) {
    if (options.Output.empty()) {
        return "no row converted; nothing was written";
    }
    return "no row converted; " + options.Output + " was left as it was";
}

int Import(const Armalyx::Import::TImportOptions& options) {
    const std::string& name = options.File;
    std::string error;
    const std::optional<std::string> bytes = ReadWholeFile(name, error);
    if (!bytes) {
        std::cerr << kProgram << error << '\n';
        return kExitUsage;
    }
    const std::optional<std::string> text =
        Armalyx::Import::SheetToUtf8(*bytes, options.Encoding, error);
    if (!text) {
        std::cerr << kProgram << name << ": " << error << '\n';
        return kExitProblems;
    }
    // A sheet whose code page was not stated is converted as it always was, and named.
    const bool unsureEncoding = !error.empty();
    if (unsureEncoding) {
        std::cerr << kProgram << name << ": " << error << '\n';
    }
    std::ostringstream dataFile;
    const Armalyx::Import::TImportResult result = Armalyx::Import::ImportCsv(*text, dataFile);
    if (!result.Refusal.empty()) {
        std::cerr << kProgram << name << ": " << result.Refusal << '\n';
        return kExitProblems;
    }
    PrintMessages(name, result.Messages);
    if (result.RowsWritten == 0) {
        std::cerr << kProgram << name << ": " << NothingWritten(options) << '\n';
        return kExitProblems;
    }
    if (!WriteDataFile(options, std::move(dataFile).str())) {
        return kExitUsage;
    }
    return result.RowsLeftOut == 0 && !unsureEncoding ? 0 : kExitProblems;
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
        return Import(options);
    } catch (const std::exception& error) {
        std::cerr << kProgram << error.what() << '\n';
        return kExitUsage;
    }
}
