#pragma once

#include "TJsonWriter.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class TOptionResult { NotTaken, Taken, Invalid };

// What the window options ask for.
struct TWindowChoices {
    std::vector<int> Picks;
    // For each pick, whether it joins the one before as a Ctrl+click does.
    std::vector<bool> PickJoins;
    std::optional<int> Source;
    // Fit to data after the clicks, then the month and vehicle axes' ranges (bottom minimum and
    // maximum, left minimum and maximum), before any picture or export.
    bool Fit = false;
    std::optional<std::array<double, 4>> View;
    // Where to save the "Tank Selection" and the "Graph" page; empty: nowhere.
    std::string TableSnapshot;
    // Where to save the whole window showing the "Tank Selection" page; empty: nowhere.
    std::string WindowSnapshot;
    // Where to save the whole window showing the "Graph" page with the month cursor on
    // CursorMonth (0: the first month of the curves); empty: nowhere.
    std::string CursorSnapshot;
    int CursorMonth = 0;
    std::string Snapshot;
    // The chart's picture: device pixels per chart pixel (PNG) and printed width (0: its own).
    int Scale = 3;
    double WidthCm = 0;
    // The figure laid out for print (--layout print), its height (0: by the proportions) and
    // its curves in greys.
    bool PrintLayout = false;
    double HeightCm = 0;
    bool Greyscale = false;
    bool NoPicture = false;
    // Where to write the chart's numbers and the vehicle table as CSV; empty: nowhere.
    std::string ChartData;
    std::string Table;
};

// The inspector's window options, kept apart from its data options: they look at the main window
// and its chart once the data is loaded. InspectWindowOptions.cpp reads them; WindowInspection.cpp
// runs the window and reports it (in builds with the program's window).
class TWindowOptions final {
public:
    // Takes the option at args[index] with its values when it is a window option, and moves index
    // to its last value. On Invalid, error says why.
    TOptionResult Take(std::span<const std::string_view> args, std::size_t& index,
                       std::string& error);
    // Runs what the window options asked for and adds its members to the report. The span
    // selectors are set from the store's span choices (the data option --span). Gives the
    // pictures that could not be written, as the report states them.
    std::vector<std::string> Report(TJsonWriter& json);
    // The lines the usage text shows for the window options (empty when there are none).
    static std::string_view Usage();

    bool Requested() const {
        return !m_choices.Picks.empty() || m_choices.Source || m_choices.Fit || m_choices.View ||
               !m_choices.TableSnapshot.empty() || !m_choices.WindowSnapshot.empty() ||
               !m_choices.CursorSnapshot.empty() || !m_choices.Snapshot.empty() ||
               !m_choices.ChartData.empty() || !m_choices.Table.empty();
    }

private:
    TOptionResult TakeNumber(std::string_view option, std::optional<std::string_view> value,
                             std::string& error);
    TOptionResult TakeFile(std::string_view option, std::optional<std::string_view> value,
                           std::string& error);
    TOptionResult TakeView(std::span<const std::string_view> args, std::size_t& index,
                           std::string& error);

    TWindowChoices m_choices;
};

namespace Armalyx {

// Runs the window for the options and writes "Series", "Edits", "Grid", "ChartData",
// "ChartSummary", "WindowErrors", "Status" and "Axes" ("CursorReadOut" with a cursor snapshot), and
// "TableSnapshotError", "WindowSnapshotError", "CursorSnapshotError", "SnapshotError",
// "ExportDataError" and "ExportTableError" for files that could not be written; gives the texts
// of those.
std::vector<std::string> ReportWindow(const TWindowChoices& choices, TJsonWriter& json);

} // namespace Armalyx
