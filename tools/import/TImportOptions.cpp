#include "TImportOptions.h"

namespace Armalyx::Import {

std::string TImportOptions::Parse(std::span<const std::string_view> args) {
    bool optionsEnded = false;
    bool haveFile = false;
    for (const std::string_view arg : args) {
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            Help = true;
        } else if (!optionsEnded && arg == "--version") {
            Version = true;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            return "unknown option " + std::string(arg);
        } else if (haveFile) {
            return "one CSV file at a time, not also " + std::string(arg);
        } else {
            File = arg;
            haveFile = true;
        }
    }
    if (!haveFile && !Help && !Version) {
        return "no CSV file given";
    }
    return {};
}

std::string TImportOptions::Usage() {
    return "Usage: armalyx-import FILE.csv > TankData.txt\n"
           "Converts a spreadsheet's CSV export (Name, Year and twelve months per row) to the\n"
           "data file format of armalyx, written to standard output. Rows that cannot be\n"
           "converted faithfully are named on standard error and left out (exit status 1).\n"
           "  -h, --help  print this help and exit\n"
           "  --version   print the version and exit\n";
}

} // namespace Armalyx::Import
