#pragma once
// The months' names as the program writes them: the short name of the tooltip, the read-outs and
// the data report ("Jan 1943"), the name written out that a span selector also takes, and the
// span selectors' own items.

#include <array>
#include <string_view>

namespace Production1 {

inline constexpr int kMonthsPerYear = 12;

inline constexpr std::array<std::string_view, kMonthsPerYear> kMonthShortNames = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

inline constexpr std::array<std::string_view, kMonthsPerYear> kMonthFullNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The span selectors' month items, as the window's layout writes them.
inline constexpr std::array<std::string_view, kMonthsPerYear> kMonthSelectorItems = {
    "Jan", "Feb", "Mar", "April", "May", "June", "July", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace Production1
