#include "ReferenceLineParser.h"

#include "TNumberField.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace Armalyx::Fuzz {

using Production1::TLineShape;

namespace {

constexpr std::size_t kMinimumLength = 20;
constexpr std::size_t kNameLength = 20;
constexpr int kLastField = 14;
// Fields up to this length are converted by the C library, whose result is correctly rounded;
// the reader keeps at least this many digits, so both must agree. Longer fields are left to the
// reader's own field conversion.
constexpr std::size_t kLibraryFieldLength = 24;

bool IsCommentStart(char c) {
    return c == ';' || c == ' ' || c == 'X' || c == 'x';
}

std::optional<double> ReferenceNumber(const std::string& text) {
    const std::size_t digitsFrom = text.front() == '-' ? 1 : 0;
    if (digitsFrom == text.size()) {
        return std::nullopt; // a lone hyphen
    }
    if (text.find('-', digitsFrom) != std::string::npos || text.find('.') != text.rfind('.')) {
        return std::nullopt; // a hyphen after the first character, or two points
    }
    if (text.find_first_of("0123456789") == std::string::npos) {
        return 0.0; // only a point, or a hyphen and a point
    }
    if (text.size() > kLibraryFieldLength) {
        Production1::TNumberField field;
        for (const char c : text) {
            field.Push(c);
        }
        return field.Convert();
    }
    return std::strtod(text.c_str(), nullptr);
}

} // namespace

namespace {

bool IsCellSeparator(char c) {
    return c == ',' || c == ';' || c == '\t';
}

// The writing facts of a line that the parser notes even when it yields nothing.
void NoteWholeLine(std::string_view line, TReferenceLine& result) {
    Production1::TLineWriting& writing = result.Writing;
    writing.FirstChar = line.empty() ? '\0' : line.front();
    writing.OnlyBlanks = line.find_first_not_of(" \t") == std::string_view::npos;
    const std::size_t comma = line.find(',');
    writing.QuotationMark = !line.empty() && !IsCommentStart(line.front()) &&
                            comma != std::string_view::npos &&
                            line.find('"', comma + 1) != std::string_view::npos;
}

void NoteName(std::string_view line, TReferenceLine& result) {
    const std::string_view name = line.substr(0, line.find(','));
    result.Writing.NameLength = name.size();
    result.Writing.NameLastChar = name.empty() ? '\0' : name.back();
}

// Handles a field that ended with the separator ('\0' at the line end).
void EndField(const std::string& pending, int field, int& cellSeparators, char separator,
              TReferenceLine& result, bool& converted) {
    Production1::TLineWriting& writing = result.Writing;
    if (field > 2 && cellSeparators >= 2 && writing.FirstMovedMonth == 0) {
        writing.FirstMovedMonth = field - 2;
    }
    const auto value = ReferenceNumber(pending);
    if (value) {
        if (field == 2) {
            result.Year = *value;
            writing.YearConverted = true;
        } else {
            result.Months.at(static_cast<std::size_t>(field - 3)) =
                Production1::TruncateToInt32(*value);
        }
        converted = true;
    } else if (field > 2 && writing.FirstFailedMonth == 0) {
        writing.FirstFailedMonth = field - 2;
    }
    if (field > 2) {
        writing.MonthFields = field - 2;
    }
    cellSeparators = IsCellSeparator(separator) ? 1 : 0;
}

TReferenceLine ParseFields(std::string_view line);

bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A line the comment rule took from "X" on, while read as data it has a year of the data.
bool IsCrossedOutData(std::string_view line) {
    if (line.size() < 2 || (line.front() != 'X' && line.front() != 'x') ||
        !IsAsciiLetterOrDigit(line[1])) {
        return false;
    }
    const TReferenceLine asData = ParseFields(line);
    const double year = std::trunc(asData.Year);
    return asData.Writing.YearConverted && year >= 1941 && year <= 1945;
}

} // namespace

TReferenceLine ReferenceParse(std::string_view line) {
    TReferenceLine result;
    NoteWholeLine(line, result);
    if (line.size() < kMinimumLength) {
        return result;
    }
    if (IsCommentStart(line.front())) {
        result.Shape = TLineShape::CommentOrBlankStart;
        result.Writing.CrossedOutData = IsCrossedOutData(line);
        return result;
    }
    const TReferenceLine fields = ParseFields(line);
    result.Name = fields.Name;
    result.Year = fields.Year;
    result.Months = fields.Months;
    result.Shape = fields.Shape;
    const Production1::TLineWriting whole = result.Writing;
    result.Writing = fields.Writing;
    result.Writing.FirstChar = whole.FirstChar;
    result.Writing.OnlyBlanks = whole.OnlyBlanks;
    result.Writing.QuotationMark = whole.QuotationMark;
    return result;
}

namespace {

// The line read as a data line, whatever its first character: the name and the number fields.
TReferenceLine ParseFields(std::string_view line) {
    TReferenceLine result;
    NoteName(line, result);
    int field = 1;
    int cellSeparators = 1;
    bool converted = false;
    std::string pending;
    std::size_t position = 0;
    for (; position < line.size() && field <= kLastField; ++position) {
        const char c = line[position];
        if (field == 1) {
            if (c == ',') {
                field = 2;
            } else if (result.Name.size() < kNameLength) {
                result.Name += c;
            }
        } else if (Production1::IsNumberChar(c)) {
            pending += c;
        } else if (!pending.empty()) {
            EndField(pending, field, cellSeparators, c, result, converted);
            pending.clear();
            ++field;
        } else if (IsCellSeparator(c)) {
            cellSeparators = std::min(cellSeparators + 1, 2);
        }
    }
    if (!pending.empty()) {
        EndField(pending, field, cellSeparators, '\0', result, converted); // the line's last number
        ++field;
    }
    if (field > kLastField) {
        const std::string_view rest = line.substr(position);
        result.Writing.ExtraValues =
            std::any_of(rest.begin(), rest.end(), Production1::IsNumberChar);
    }
    if (field == 1) {
        result.Shape = TLineShape::NoComma;
    } else {
        result.Shape = converted ? TLineShape::Converted : TLineShape::NothingConverted;
    }
    return result;
}

} // namespace

void TDuplicateFinder::Next(bool stored, const std::string& storedName, double year) {
    ++m_line;
    if (!stored) {
        return;
    }
    const std::pair<std::string, int> key(storedName, static_cast<int>(std::trunc(year)));
    for (auto& [earlierKey, earlierLine] : m_lastLines) {
        if (earlierKey == key) {
            m_duplicates.push_back({m_line, earlierLine, key.second});
            earlierLine = m_line;
            return;
        }
    }
    m_lastLines.emplace_back(key, m_line);
}

std::vector<std::string> NumberRuns(std::string_view line) {
    std::vector<std::string> runs;
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return runs;
    }
    std::string pending;
    for (const char c : line.substr(comma + 1)) {
        if (Production1::IsNumberChar(c)) {
            pending += c;
        } else if (!pending.empty()) {
            runs.push_back(pending);
            pending.clear();
        }
    }
    if (!pending.empty()) {
        runs.push_back(pending);
    }
    return runs;
}

bool Converts(const std::string& run) {
    return ReferenceNumber(run).has_value();
}

std::vector<std::string_view> ReferenceDataLines(std::string_view bytes) {
    std::size_t position = 0;
    const auto atEnd = [&] { return position >= bytes.size() || bytes[position] == '\x1a'; };
    const auto readLine = [&] {
        const std::size_t start = position;
        while (position < bytes.size() && bytes[position] != '\r' && bytes[position] != '\n' &&
               bytes[position] != '\x1a') {
            ++position;
        }
        const std::string_view line = bytes.substr(start, position - start);
        if (position < bytes.size() && bytes[position] == '\r') {
            ++position;
            if (position < bytes.size() && bytes[position] == '\n') {
                ++position;
            }
        } else if (position < bytes.size() && bytes[position] == '\n') {
            ++position;
        }
        return line;
    };
    readLine(); // the header
    std::vector<std::string_view> lines;
    while (!atEnd()) {
        lines.push_back(readLine());
    }
    return lines;
}

} // namespace Armalyx::Fuzz
