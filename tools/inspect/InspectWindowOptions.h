#pragma once

#include "TJsonWriter.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

enum class TOptionResult { NotTaken, Taken, Invalid };

// The inspector's window options, kept apart from its data options: they look at the main window
// and its chart once the data is loaded. InspectWindowOptions.cpp holds them.
class TWindowOptions final {
public:
    // Takes the option at args[index] with its values when it is a window option, and moves index
    // to its last value. On Invalid, error says why.
    TOptionResult Take(std::span<const std::string_view> args, std::size_t& index,
                       std::string& error);
    // Runs what the window options asked for and adds its members to the report.
    void Report(TJsonWriter& json);
    // The lines the usage text shows for the window options (empty when there are none).
    static std::string_view Usage();
};
