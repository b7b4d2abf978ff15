#include "InspectWindowOptions.h"

#include <TProductionStore.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace {

// A whole number or a decimal number, the whole text and nothing else.
template <typename TNumber> std::optional<TNumber> ParseNumber(std::string_view text) {
    TNumber value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    return ParseNumber<int>(text);
}

// The printed widths the export dialog offers.
constexpr double kSmallestWidthCm = 2;
constexpr double kLargestWidthCm = 200;
using Production1::kFirstMonth;
using Production1::kLastMonth;

// "3+4+5,7": rows 3, 4 and 5 as one group (4 and 5 Ctrl+clicked), then row 7 clicked.
struct TParsedPicks {
    std::vector<int> Rows;
    std::vector<bool> Joins;
};

std::optional<TParsedPicks> ParseRows(std::string_view text) {
    TParsedPicks picks;
    bool joins = false;
    while (true) {
        const std::size_t separator = text.find_first_of(",+");
        const std::optional<int> row = ParseWholeNumber(text.substr(0, separator));
        if (!row || *row < 0) {
            return std::nullopt;
        }
        picks.Rows.push_back(*row);
        picks.Joins.push_back(joins);
        if (separator == std::string_view::npos) {
            return picks;
        }
        joins = text[separator] == '+';
        text.remove_prefix(separator + 1);
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
    constexpr std::string_view kOptions[] = {
        "--picks",           "--source",       "--snapshot",     "--table-snapshot",
        "--scale",           "--width-cm",     "--height-cm",    "--layout",
        "--greyscale",       "--export-data",  "--export-table", "--window-snapshot",
        "--cursor-snapshot", "--cursor-month", "--fit",          "--view"};
    if (std::find(std::begin(kOptions), std::end(kOptions), option) == std::end(kOptions)) {
        return TOptionResult::NotTaken;
    }
#if !defined(ARMALYX_INSPECT_WITH_WINDOW)
    error = std::string(option) + " needs a build with the program's window";
    return TOptionResult::Invalid;
#endif
    if (option == "--fit" || option == "--greyscale" || option == "--no-picture") {
        (option == "--fit"         ? m_choices.Fit
         : option == "--greyscale" ? m_choices.Greyscale
                                   : m_choices.NoPicture) = true;
        return TOptionResult::Taken;
    }
    if (option == "--view") {
        return TakeView(args, index, error);
    }
    const std::optional<std::string_view> value = NextValue(args, index);
    if (option == "--picks") {
        const auto picks = value ? ParseRows(*value) : std::nullopt;
        if (!picks) {
            error = "--picks needs table rows separated by commas, such as 1,3 (or joined by +, "
                    "such as 3+4,7)";
            return TOptionResult::Invalid;
        }
        m_choices.Picks.insert(m_choices.Picks.end(), picks->Rows.begin(), picks->Rows.end());
        m_choices.PickJoins.insert(m_choices.PickJoins.end(), picks->Joins.begin(),
                                   picks->Joins.end());
        return TOptionResult::Taken;
    }
    if (option == "--layout") {
        if (!value || (*value != "screen" && *value != "print")) {
            error = "--layout needs screen or print";
            return TOptionResult::Invalid;
        }
        m_choices.PrintLayout = *value == "print";
        return TOptionResult::Taken;
    }
    if (option == "--source" || option == "--scale" || option == "--width-cm" ||
        option == "--height-cm" || option == "--cursor-month") {
        return TakeNumber(option, value, error);
    }
    return TakeFile(option, value, error);
}

TOptionResult TWindowOptions::TakeNumber(std::string_view option,
                                         std::optional<std::string_view> value,
                                         std::string& error) {
    if (option == "--width-cm" || option == "--height-cm") {
        const bool width = option == "--width-cm";
        const auto number = value ? ParseNumber<double>(*value) : std::nullopt;
        if (!number || !(*number >= kSmallestWidthCm && *number <= kLargestWidthCm)) {
            error = width ? "--width-cm needs a width in centimetres from 2 to 200, such as 12.5"
                          : "--height-cm needs a height in centimetres from 2 to 200, such as 6";
            return TOptionResult::Invalid;
        }
        (width ? m_choices.WidthCm : m_choices.HeightCm) = *number;
        return TOptionResult::Taken;
    }
    if (option == "--cursor-month") {
        const auto month = value ? ParseWholeNumber(*value) : std::nullopt;
        if (!month || *month < kFirstMonth || *month > kLastMonth) {
            error = "--cursor-month needs a month from 1 (January 1941) to 60 (December 1945)";
            return TOptionResult::Invalid;
        }
        m_choices.CursorMonth = *month;
        return TOptionResult::Taken;
    }
    const bool scale = option == "--scale";
    const int smallest = scale ? 1 : 0;
    const int largest = scale ? 4 : 1;
    const auto item = value ? ParseWholeNumber(*value) : std::nullopt;
    if (!item || *item < smallest || *item > largest) {
        error = scale ? "--scale needs 1, 2, 3 or 4" : "--source needs 0 or 1";
        return TOptionResult::Invalid;
    }
    if (scale) {
        m_choices.Scale = *item;
    } else {
        m_choices.Source = *item;
    }
    return TOptionResult::Taken;
}

TOptionResult TWindowOptions::TakeFile(std::string_view option,
                                       std::optional<std::string_view> value, std::string& error) {
    if (!value || value->empty()) {
        error = std::string(option) + " needs a file name";
        return TOptionResult::Invalid;
    }
    std::string& file = option == "--snapshot"          ? m_choices.Snapshot
                        : option == "--table-snapshot"  ? m_choices.TableSnapshot
                        : option == "--window-snapshot" ? m_choices.WindowSnapshot
                        : option == "--cursor-snapshot" ? m_choices.CursorSnapshot
                        : option == "--export-data"     ? m_choices.ChartData
                                                        : m_choices.Table;
    file = *value;
    return TOptionResult::Taken;
}

TOptionResult TWindowOptions::TakeView(std::span<const std::string_view> args, std::size_t& index,
                                       std::string& error) {
    std::array<double, 4> view{};
    for (double& end : view) {
        const std::optional<std::string_view> value = NextValue(args, index);
        const auto number = value ? ParseNumber<double>(*value) : std::nullopt;
        if (!number || !std::isfinite(*number)) {
            error = "--view needs four numbers: the first and last month, then the lowest and "
                    "highest count, such as 18 37 0 10000";
            return TOptionResult::Invalid;
        }
        end = *number;
    }
    if (!(view[0] < view[1]) || !(view[2] < view[3])) {
        error = "--view needs each axis's first number below its second, such as 18 37 0 10000";
        return TOptionResult::Invalid;
    }
    m_choices.View = view;
    return TOptionResult::Taken;
}

std::vector<std::string> TWindowOptions::Report(TJsonWriter& json) {
#if defined(ARMALYX_INSPECT_WITH_WINDOW)
    if (Requested()) {
        return Armalyx::ReportWindow(m_choices, json);
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
           "                      (R1+R2: R2 Ctrl+clicked, joining R1's pick as a group)\n"
           "                      (1 is the first vehicle, 0 the header row); adds \"Series\",\n"
           "                      \"Edits\", \"Grid\", \"ChartData\" (the chart's numbers as\n"
           "                      Copy data gives them), \"ChartSummary\" (the chart's summary\n"
           "                      for a screen reader), \"WindowErrors\" and \"Status\" (the\n"
           "                      data status line) to the report\n"
           "  --source N          first click item N (0 or 1) of the production data source\n"
           "  --fit               after the clicks, fit the chart to its curves as Fit to data\n"
           "                      (Ctrl+0) does\n"
           "  --view XMIN XMAX YMIN YMAX\n"
           "                      then show the months XMIN to XMAX and the counts YMIN to\n"
           "                      YMAX, as a zoom does; the report's \"Axes\" gives each axis's\n"
           "                      range and the chart pixels (at scale 1) where its ends fall\n"
           "  --table-snapshot FILE.png\n"
           "                      save the \"Tank Selection\" page as the window shows it\n"
           "  --window-snapshot FILE.png\n"
           "                      save the whole window (tab strip and menu button too) as\n"
           "                      it shows the \"Tank Selection\" page\n"
           "  --cursor-snapshot FILE.png\n"
           "                      save the whole window as it shows the \"Graph\" page with\n"
           "                      the keyboard on the chart and its month cursor shown; adds\n"
           "                      \"CursorReadOut\" (the cursor's read-out) to the report\n"
           "  --cursor-month N    the cursor's month there, 1 (January 1941) to 60 (default:\n"
           "                      the first month of the curves)\n"
           "  --snapshot FILE     export the chart as Export chart does, in the format the\n"
           "                      extension names: .png, .svg or .pdf (any other is an error)\n"
           "  --scale N           pixels of the PNG picture per pixel on the screen, 1 to 4\n"
           "                      (default 3)\n"
           "  --layout screen|print\n"
           "                      the chart as on the screen (default), or laid out as a figure\n"
           "                      for print at the printed width: dated months, the shares on a\n"
           "                      percentage axis, axis titles, text in points\n"
           "  --height-cm H       for print: the printed height (default: by the proportions)\n"
           "  --greyscale         for print: every curve in a grey with its own dash pattern\n"
           "  --no-picture        for print: without the background picture\n"
           "  --width-cm W        the chart's printed width in centimetres, 2 to 200 (default:\n"
           "                      its size at 96 dpi, 17.8 cm)\n"
           "  --export-data FILE.csv\n"
           "                      write the chart's numbers as CSV, as Export data does\n"
           "  --export-table FILE.csv\n"
           "                      write the vehicle table as CSV, as Export data does\n"
           "  A file that cannot be written is reported as \"TableSnapshotError\",\n"
           "  \"WindowSnapshotError\", \"CursorSnapshotError\",\n"
           "  \"SnapshotError\", \"ExportDataError\" or \"ExportTableError\" and on standard\n"
           "  error, with exit status 1.\n"
           "  With --span, the four span selectors are picked by item index before the clicks.\n";
#else
    return {};
#endif
}
