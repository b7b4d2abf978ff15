#include "TImportOptions.h"

namespace Armalyx::Import {

namespace {

bool IsValueOption(std::string_view arg) {
    return arg == "-o" || arg == "--output" || arg == "--encoding" ||
           arg.starts_with("--output=") || arg.starts_with("--encoding=");
}

} // namespace

std::string TImportOptions::Parse(std::span<const std::string_view> args) {
    bool optionsEnded = false;
    bool haveFile = false;
    for (std::size_t index = 0; index < args.size(); ++index) {
        const std::string_view arg = args[index];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            Help = true;
        } else if (!optionsEnded && arg == "--version") {
            Version = true;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && IsValueOption(arg)) {
            if (std::string error = TakeValueOption(args, index); !error.empty()) {
                return error;
            }
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

std::string TImportOptions::TakeValueOption(std::span<const std::string_view> args,
                                            std::size_t& index) {
    const std::string_view arg = args[index];
    const std::size_t equals = arg.find('=');
    const std::string_view option = arg.substr(0, equals);
    std::string_view value;
    if (equals != std::string_view::npos) {
        value = arg.substr(equals + 1);
    } else if (index + 1 < args.size()) {
        value = args[++index];
    } else {
        return std::string(option) + " needs a value";
    }
    if (option == "--encoding") {
        const auto encoding = SheetEncodingNamed(value);
        if (!encoding) {
            return "unknown encoding " + std::string(value) +
                   " (windows-1251, windows-1252 or utf-8)";
        }
        Encoding = *encoding;
    } else if (value.empty()) {
        return std::string(option) + " needs a file name";
    } else {
        Output = value;
    }
    return {};
}

std::string TImportOptions::Usage() {
    return "Usage: armalyx-import [-o TankData.txt] [--encoding NAME] FILE.csv\n"
           "Converts a spreadsheet's CSV export (Name, Year and twelve months per row; Total,\n"
           "Sum, Source, Notes, Remarks and Comment columns after December are understood) to\n"
           "the data file format of armalyx. Rows that cannot be converted faithfully are named\n"
           "on standard error and left out (exit status 1); empty months are written as 0 and\n"
           "named. Nothing is written when no row converts.\n"
           "  -o, --output FILE  replace FILE, only when at least one row converts (standard\n"
           "                     output without it)\n"
           "  --encoding NAME    the sheet's code page: utf-8 (the default), windows-1251\n"
           "                     (Cyrillic) or windows-1252 (Western European)\n"
           "  -h, --help         print this help and exit\n"
           "  --version          print the version and exit\n";
}

} // namespace Armalyx::Import
