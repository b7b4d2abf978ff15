#pragma once

#include "TParsedLine.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
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

// A line stored for a name (or fleet row) and year that an earlier stored line already gave: the
// line numbers of both, counted from 1 for the header, and the year.
struct TReferenceDuplicate {
    std::int64_t Line = 0;
    std::int64_t EarlierLine = 0;
    int Year = 0;
};

// The duplicates of a file's data lines (the header left out), given what became of each: the
// lines stored, with their names as stored and their years.
class TDuplicateFinder final {
public:
    // Notes the next data line; a line that was not stored is only counted.
    void Next(bool stored, const std::string& storedName, double year);
    const std::vector<TReferenceDuplicate>& Duplicates() const { return m_duplicates; }

private:
    std::int64_t m_line = 1;
    std::vector<std::pair<std::pair<std::string, int>, std::int64_t>> m_lastLines;
    std::vector<TReferenceDuplicate> m_duplicates;
};

// The data lines of a file the plain way: a carriage return ends a line (with a line feed right
// after it), so does a line feed alone, Ctrl-Z or the end ends the file, and the first line is the
// header, left out.
std::vector<std::string_view> ReferenceDataLines(std::string_view bytes);

} // namespace Armalyx::Fuzz
