#include "InspectWindowOptions.h"

// This build has no window options yet: every option is left to the data options.

TOptionResult TWindowOptions::Take(std::span<const std::string_view>, std::size_t&, std::string&) {
    return TOptionResult::NotTaken;
}

void TWindowOptions::Report(TJsonWriter&) {}

std::string_view TWindowOptions::Usage() {
    return {};
}
