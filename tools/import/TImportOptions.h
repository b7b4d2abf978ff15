#pragma once

#include "SheetEncoding.h"

#include <span>
#include <string>
#include <string_view>

namespace Armalyx::Import {

// The converter's command line: one CSV file, where to write the data file and the sheet's code
// page; or a request for help or the version.
struct TImportOptions {
    bool Help = false;
    bool Version = false;
    std::string File;
    // The data file to replace; empty for standard output.
    std::string Output;
    TSheetEncoding Encoding = TSheetEncoding::Unstated;

    // Reads the command line (without the program name). Gives an error text, empty when the
    // command line is good.
    std::string Parse(std::span<const std::string_view> args);

    static std::string Usage();

private:
    // Takes an option that needs a value ("-o FILE", "--output FILE", "--output=FILE"); gives an
    // error text, empty when it was taken. The index moves past a value given apart.
    std::string TakeValueOption(std::span<const std::string_view> args, std::size_t& index);
};

} // namespace Armalyx::Import
