#include "InspectWindowOptions.h"

#include <charconv>

namespace {

std::optional<int> ParseWholeNumber(std::string_view text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Rows separated by commas, each 0 or more.
std::optional<std::vector<int>> ParseRows(std::string_view text) {
    std::vector<int> rows;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::optional<int> row = ParseWholeNumber(text.substr(0, comma));
        if (!row || *row < 0) {
            return std::nullopt;
        }
        rows.push_back(*row);
        if (comma == std::string_view::npos) {
            return rows;
        }
        text.remove_prefix(comma + 1);
    }
}

std::optional<std::string_view> NextValue(std::span<const std::string_view> args,
                                          std::size_t& index) {
    if (index + 1 >= args.size()) {
        return std::nullopt;
    }
    return args[++index];
}

} // namespace

TOptionResult TWindowOptions::Take(std::span<const std::string_view> args, std::size_t& index,
                                   std::string& error) {
    const std::string_view option = args[index];
    if (option != "--picks" && option != "--source" && option != "--snapshot" &&
        option != "--table-snapshot") {
        return TOptionResult::NotTaken;
    }
#if !defined(ARMALYX_INSPECT_WITH_WINDOW)
    error = std::string(option) + " needs a build with the program's window";
    return TOptionResult::Invalid;
#endif
    const std::optional<std::string_view> value = NextValue(args, index);
    if (option == "--picks") {
        const auto rows = value ? ParseRows(*value) : std::nullopt;
        if (!rows) {
            error = "--picks needs table rows separated by commas, such as 1,3";
            return TOptionResult::Invalid;
        }
        m_choices.Picks.insert(m_choices.Picks.end(), rows->begin(), rows->end());
    } else if (option == "--source") {
        const auto item = value ? ParseWholeNumber(*value) : std::nullopt;
        if (!item || *item < 0 || *item > 1) {
            error = "--source needs 0 or 1";
            return TOptionResult::Invalid;
        }
        m_choices.Source = *item;
    } else {
        if (!value || value->empty()) {
            error = std::string(option) + " needs a file name";
            return TOptionResult::Invalid;
        }
        std::string& file = option == "--snapshot" ? m_choices.Snapshot : m_choices.TableSnapshot;
        file = *value;
    }
    return TOptionResult::Taken;
}

std::vector<std::string> TWindowOptions::Report(TJsonWriter& json) {
#if defined(ARMALYX_INSPECT_WITH_WINDOW)
    if (Requested()) {
        return ReportWindow(m_choices, json);
    }
#else
    static_cast<void>(json);
#endif
    return {};
}

std::string_view TWindowOptions::Usage() {
#if defined(ARMALYX_INSPECT_WITH_WINDOW)
    return "Window options (the real main window, off-screen):\n"
           "  --picks R1,R2,...   activate the window and click these table rows in order\n"
           "                      (1 is the first vehicle, 0 the header row); adds \"Series\",\n"
           "                      \"Edits\", \"Grid\", \"ChartData\" (the chart's numbers as\n"
           "                      Copy data gives them), \"WindowErrors\" and \"Status\" (the\n"
           "                      data status line) to the report\n"
           "  --source N          first click item N (0 or 1) of the production data source\n"
           "  --table-snapshot FILE.png\n"
           "                      save the \"Tank Selection\" page as the window shows it\n"
           "  --snapshot FILE.png\n"
           "                      save the \"Graph\" page as the window shows it\n"
           "  A picture that cannot be written is reported as \"TableSnapshotError\" or\n"
           "  \"SnapshotError\" and on standard error, with exit status 1.\n"
           "  With --span, the four span selectors are picked by item index before the clicks.\n";
#else
    return {};
#endif
}
