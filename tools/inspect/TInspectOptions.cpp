#include "TInspectOptions.h"

#include <charconv>

namespace {

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Reads count integers after args[index], moving index to the last one.
std::string TakeIntegers(std::span<const std::string_view> args, std::size_t& index,
                         std::span<std::int32_t> values) {
    const std::string_view option = args[index];
    for (std::int32_t& value : values) {
        ++index;
        const auto parsed = index < args.size() ? ParseInteger(args[index]) : std::nullopt;
        if (!parsed) {
            return std::string(option) + " needs " + std::to_string(values.size()) +
                   " whole numbers";
        }
        value = *parsed;
    }
    return {};
}

} // namespace

std::string TInspectOptions::Parse(std::span<const std::string_view> args,
                                   TWindowOptions& windowOptions) {
    for (std::size_t index = 0; index < args.size(); ++index) {
        const std::string_view arg = args[index];
        std::string error;
        if (arg == "--help" || arg == "-h") {
            Help = true;
        } else if (arg == "--version") {
            Version = true;
        } else if (arg == "--check") {
            Check = true;
        } else if (arg == "--span") {
            Span = true;
            error = TakeIntegers(args, index, SpanChoices);
        } else if (arg == "--vehicle") {
            std::array<std::int32_t, 1> slot{};
            error = TakeIntegers(args, index, slot);
            Vehicle = slot[0];
        } else if (arg == "--lend-lease") {
            LendLease = true;
        } else if (windowOptions.Take(args, index, error) == TOptionResult::NotTaken) {
            error = "unknown option " + std::string(arg);
        }
        if (!error.empty()) {
            return error;
        }
    }
    if ((Vehicle || LendLease) && !Span) {
        return "--vehicle and --lend-lease need --span";
    }
    if (Check && (Span || windowOptions.Requested())) {
        return "--check takes no other option";
    }
    return {};
}

std::string TInspectOptions::Usage() {
    std::string usage =
        "Usage: armalyx-inspect [--span START_MONTH START_YEAR END_MONTH END_YEAR\n"
        "                        [--vehicle N] [--lend-lease]]\n"
        "       armalyx-inspect --check\n"
        "Loads TotalData.txt and TankData.txt from the working directory as the program does and\n"
        "prints the data store as one JSON document.\n"
        "  --check             print each data line that was ignored or stored other than\n"
        "                      written (FILE:LINE: reason) and each missing file, and exit\n"
        "                      with status 1 when there is any, 0 otherwise\n"
        "  --span SM SY EM EY  also compute the span totals for these selector item indices\n"
        "                      (months 0 = Jan .. 11 = Dec, years 0 = 1941 .. 4 = 1945)\n"
        "  --vehicle N         the selected vehicle slot for the span (default 1)\n"
        "  --lend-lease        the span figures are for lend-lease\n"
        "  -h, --help          print this help and exit\n"
        "  --version           print the version and exit\n";
    usage += TWindowOptions::Usage();
    return usage;
}
