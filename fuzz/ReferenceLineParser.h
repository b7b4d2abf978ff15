#pragma once

#include "TParsedLine.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Armalyx::Fuzz {

// A data line read the plain way, one character at a time, exactly as the line grammar is
// described, holding the whole line: the yardstick for the reader's streaming parser and its
// short paths.
struct TReferenceLine {
    std::string Name;
    double Year = 0.0;
    std::array<std::int32_t, 12> Months{};
    Production1::TLineShape Shape = Production1::TLineShape::TooShort;
    // How the line was written, as the reader's account must see it.
    Production1::TLineWriting Writing;
};

TReferenceLine ReferenceParse(std::string_view line);

// The number runs after the line's first comma, in order: what the line's author wrote as values.
std::vector<std::string> NumberRuns(std::string_view line);

// True when the number run converts, as the reader converts fields.
bool Converts(const std::string& run);

// The data lines of a file the plain way: a carriage return ends a line (with a line feed right
// after it), so does a line feed alone, Ctrl-Z or the end ends the file, and the first line is the
// header, left out.
std::vector<std::string_view> ReferenceDataLines(std::string_view bytes);

} // namespace Armalyx::Fuzz
