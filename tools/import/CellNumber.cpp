#include "CellNumber.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace Armalyx::Import {

namespace {

enum class TMark { Point, Comma, Blank, Apostrophe };

// A number as written: its sign, its digit runs and the marks between them (one fewer).
struct TWrittenNumber {
    bool Negative = false;
    std::vector<std::string_view> Runs;
    std::vector<TMark> Marks;
};

struct TMarkSpelling {
    std::string_view Bytes;
    TMark Mark;
};

// Grouping marks spreadsheets write besides the point and the comma: the blank, the no-break
// space U+00A0, the narrow no-break space U+202F, the thin space U+2009 and the apostrophes ' and
// U+2019, all in UTF-8.
constexpr std::array<TMarkSpelling, 8> kMarks = {{
    {".", TMark::Point},
    {",", TMark::Comma},
    {" ", TMark::Blank},
    {"\xC2\xA0", TMark::Blank},
    {"\xE2\x80\xAF", TMark::Blank},
    {"\xE2\x80\x89", TMark::Blank},
    {"'", TMark::Apostrophe},
    {"\xE2\x80\x99", TMark::Apostrophe},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<TMark> TakeMark(std::string_view& text) {
    for (const TMarkSpelling& spelling : kMarks) {
        if (text.starts_with(spelling.Bytes)) {
            text.remove_prefix(spelling.Bytes.size());
            return spelling.Mark;
        }
    }
    return std::nullopt;
}

std::optional<TWrittenNumber> Split(std::string_view text) {
    TWrittenNumber number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.Negative = text.front() == '-';
        text.remove_prefix(1);
    }
    for (;;) {
        std::size_t digits = 0;
        while (digits < text.size() && IsDigit(text[digits])) {
            ++digits;
        }
        number.Runs.push_back(text.substr(0, digits));
        text.remove_prefix(digits);
        if (text.empty()) {
            return number;
        }
        const std::optional<TMark> mark = TakeMark(text);
        if (!mark) {
            return std::nullopt;
        }
        number.Marks.push_back(*mark);
    }
}

// The whole part without its grouping marks, and the digits after the decimal mark.
struct TReading {
    std::string Digits;
    std::string_view Fraction;
};

// Digit runs joined by thousands grouping: one kind of mark, a first group of one to three
// digits that does not start with 0 (unless it is all), then groups of exactly three.
std::optional<std::string> Ungrouped(std::span<const std::string_view> runs,
                                     std::span<const TMark> marks) {
    if (marks.empty()) {
        return std::string(runs.front());
    }
    const std::string_view first = runs.front();
    if (first.empty() || first.size() > 3 || first.front() == '0') {
        return std::nullopt;
    }
    std::string digits(first);
    for (std::size_t index = 0; index < marks.size(); ++index) {
        if (marks[index] != marks.front() || runs[index + 1].size() != 3) {
            return std::nullopt;
        }
        digits += runs[index + 1];
    }
    return digits;
}

// The number read with every mark grouping thousands.
std::optional<TReading> AsGrouped(const TWrittenNumber& number) {
    std::optional<std::string> digits = Ungrouped(number.Runs, number.Marks);
    if (!digits || digits->empty()) {
        return std::nullopt;
    }
    return TReading{std::move(*digits), {}};
}

// The number read with its last mark as the decimal mark: a point, or a comma where the comma is
// not the file's delimiter, used once.
std::optional<TReading> AsDecimal(const TWrittenNumber& number, char delimiter) {
    if (number.Marks.empty()) {
        return std::nullopt;
    }
    const TMark decimal = number.Marks.back();
    const bool canBeDecimal =
        decimal == TMark::Point || (decimal == TMark::Comma && delimiter != ',');
    const std::span<const TMark> grouping(number.Marks.data(), number.Marks.size() - 1);
    if (!canBeDecimal || std::find(grouping.begin(), grouping.end(), decimal) != grouping.end()) {
        return std::nullopt;
    }
    const std::span<const std::string_view> whole(number.Runs.data(), number.Runs.size() - 1);
    std::optional<std::string> digits = Ungrouped(whole, grouping);
    const std::string_view fraction = number.Runs.back();
    if (!digits || (digits->empty() && fraction.empty())) {
        return std::nullopt;
    }
    return TReading{std::move(*digits), fraction};
}

TCellNumber Value(const TReading& reading, bool negative) {
    if (reading.Fraction.find_first_not_of('0') != std::string_view::npos) {
        return {TCellProblem::NotWhole};
    }
    const std::size_t significant = reading.Digits.find_first_not_of('0');
    const std::string_view digits = significant == std::string::npos
                                        ? std::string_view()
                                        : std::string_view(reading.Digits).substr(significant);
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    if (digits.size() > 10) {
        return {TCellProblem::OutOfRange};
    }
    std::int64_t magnitude = 0;
    for (const char digit : digits) {
        magnitude = magnitude * 10 + (digit - '0');
    }
    if (magnitude > kLimit || (magnitude == kLimit && !negative)) {
        return {TCellProblem::OutOfRange};
    }
    return {TCellProblem::None, static_cast<std::int32_t>(negative ? -magnitude : magnitude)};
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

TCellNumber ConvertCellNumber(std::string_view cell, char delimiter) {
    const std::string_view text = TrimBlanks(cell);
    if (text.empty()) {
        return {TCellProblem::None, 0, true};
    }
    const std::optional<TWrittenNumber> number = Split(text);
    if (!number) {
        return {TCellProblem::NotANumber};
    }
    const std::optional<TReading> grouped = AsGrouped(*number);
    const std::optional<TReading> decimal = AsDecimal(*number, delimiter);
    if (grouped && decimal) {
        return {TCellProblem::Ambiguous};
    }
    if (!grouped && !decimal) {
        return {TCellProblem::NotANumber};
    }
    return Value(grouped ? *grouped : *decimal, number->Negative);
}

} // namespace Armalyx::Import
