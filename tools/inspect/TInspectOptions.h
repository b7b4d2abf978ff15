#pragma once

#include "InspectWindowOptions.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The inspector's data options.
struct TInspectOptions {
    bool Help = false;
    bool Version = false;
    bool Check = false;
    bool Span = false;
    // StartMonthChoice, StartYearChoice, EndMonthChoice, EndYearChoice.
    std::array<std::int32_t, 4> SpanChoices{};
    std::optional<std::int32_t> Vehicle;
    bool LendLease = false;

    // Reads the command line (without the program name); options that are not data options go to
    // the window options. Gives an error text, empty when the command line is good.
    std::string Parse(std::span<const std::string_view> args, TWindowOptions& windowOptions);

    static std::string Usage();
};
