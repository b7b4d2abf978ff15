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
    // selectors are set from the store's span choices (the data option --span).
    void Report(TJsonWriter& json);
    // The lines the usage text shows for the window options (empty when there are none).
    static std::string_view Usage();

    bool Requested() const { return !m_picks.empty() || m_source || !m_snapshot.empty(); }

private:
    std::vector<int> m_picks;
    std::optional<int> m_source;
    std::string m_snapshot;
};

// Runs the window for the options and writes "Series", "Edits", "Grid" and "WindowErrors".
void ReportWindow(const std::vector<int>& picks, std::optional<int> source,
                  const std::string& snapshot, TJsonWriter& json);
