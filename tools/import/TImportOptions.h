#pragma once

#include <span>
#include <string>
#include <string_view>

namespace Armalyx::Import {

// The converter's command line: one CSV file, or a request for help or the version.
struct TImportOptions {
    bool Help = false;
    bool Version = false;
    std::string File;

    // Reads the command line (without the program name). Gives an error text, empty when the
    // command line is good.
    std::string Parse(std::span<const std::string_view> args);

    static std::string Usage();
};

} // namespace Armalyx::Import
