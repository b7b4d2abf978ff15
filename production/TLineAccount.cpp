#include "TLineAccount.h"

#include "MonthNames.h"

#include "DataFileReader.h"
#include "DisplayText.h"
#include "TProductionStore.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

namespace Production1 {

namespace {

std::string Quoted(std::string_view bytes, bool cut = false) {
    std::string text(1, '"');
    text += VisibleLineText(bytes, cut);
    text += '"';
    return text;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return lowered;
}

// The number of single-character edits that turn one text into the other.
std::size_t EditDistance(std::string_view from, std::string_view to) {
    std::vector<std::size_t> row(to.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= from.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t substitution = diagonal + (from[i - 1] == to[j - 1] ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
            diagonal = above;
        }
    }
    return row.back();
}

std::string YearText(double year) {
    const double whole = std::trunc(year);
    std::array<char, 32> text{};
    if (std::fabs(whole) < 1e15) {
        std::snprintf(text.data(), text.size(), "%.0f", whole);
    } else {
        std::snprintf(text.data(), text.size(), "%.6g", year);
    }
    return text.data();
}

std::string MonthsLeftText(int firstMissing) {
    if (firstMissing == 12) {
        return "Dec stays 0";
    }
    return std::string(MonthAbbreviation(firstMissing)) + " to Dec stay 0";
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += text.empty() ? "" : "; ";
        text += part;
    }
    return text;
}

// The name as the line wrote it, from the kept start of the line, at most the longest bytes.
std::string_view WrittenName(const TLineEcho& echo, std::size_t longest, bool& cut) {
    const std::string_view text = echo.Text();
    const std::size_t comma = text.find(',');
    const std::size_t nameEnd = comma == std::string_view::npos ? text.size() : comma;
    const std::size_t shown = std::min(nameEnd, longest);
    cut = shown < nameEnd || (comma == std::string_view::npos && echo.Cut());
    return text.substr(0, shown);
}

bool EndsWithBlank(char c) {
    return c == ' ' || c == '\t';
}

// Lines that are not data and say so: comments and empty lines. A line that an "X" made a comment
// while it reads as data is not one of them.
bool IsSilent(const TParsedLine& line) {
    const char first = line.Writing.FirstChar;
    return line.Writing.OnlyBlanks || first == ';' ||
           ((first == 'X' || first == 'x') && !line.Writing.CrossedOutData);
}

// "#" or "//" when the name starts the way comment lines of other formats do; empty otherwise.
std::string_view CommentLikeStart(std::string_view name) {
    if (name.starts_with('#')) {
        return "#";
    }
    if (name.starts_with("//")) {
        return "//";
    }
    return {};
}

bool NameWasCut(const TParsedLine& line) {
    return line.Writing.NameLength > TVehicleName::kCapacity;
}

bool LooksLikeCyrillicCodePage(const TParsedLine& line) {
    return LooksLikeWindows1251(line.Name.View(), NameWasCut(line));
}

// The number of characters a name's bytes show as.
std::size_t ShownCharacters(std::string_view bytes) {
    const std::string text = BytesToUtf8(bytes);
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

std::string GroupedNumber(std::int64_t value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (std::size_t position = digits.size(); position > 3; position -= 3) {
        digits.insert(position - 3, 1, ',');
    }
    return value < 0 ? "-" + digits : digits;
}

std::optional<TLineOutcome> UnconvertedOutcome(TLineShape shape) {
    switch (shape) {
    case TLineShape::TooShort:
        return TLineOutcome::TooShort;
    case TLineShape::CommentOrBlankStart:
        return TLineOutcome::CommentOrBlankStart;
    case TLineShape::NoComma:
        return TLineOutcome::NoComma;
    case TLineShape::NothingConverted:
        return TLineOutcome::NothingConverted;
    case TLineShape::Converted:
        break;
    }
    return std::nullopt;
}

TLineProblem LineProblem(std::int64_t lineNumber, const TLineEcho& echo, bool ignored,
                         std::string message) {
    TLineProblem problem;
    problem.Line = lineNumber;
    problem.Ignored = ignored;
    problem.Message = std::move(message);
    problem.Text = std::string(echo.Text());
    problem.TextCut = echo.Cut();
    return problem;
}

const char* MonthAbbreviation(int month) {
    return month >= 1 && month <= kMonthsPerYear
               ? kMonthShortNames.at(static_cast<std::size_t>(month - 1)).data()
               : "";
}

std::string ClosestFleetName(std::string_view name) {
    const std::string lowered = Lowered(name);
    for (const std::string_view fleetName : kFleetRowNames) {
        const std::string fleetLowered = Lowered(fleetName);
        const bool startsWith = lowered.size() > fleetLowered.size() &&
                                lowered.compare(0, fleetLowered.size(), fleetLowered) == 0;
        if (EditDistance(lowered, fleetLowered) <= 2 || startsWith) {
            return std::string(fleetName);
        }
    }
    return {};
}

TLineAccount::TLineAccount(TDataFileKind kind) : m_kind(kind) {}

void TLineAccount::Record(std::int64_t lineNumber, const TParsedLine& line, TLineOutcome outcome,
                          const TStoredPlace& place, const TLineEcho& echo, TReadReport& report) {
    if (outcome == TLineOutcome::Stored) {
        const TSlotNote note = NoteSlot(lineNumber, line, place, echo);
        if (StoredAsWritten(line, note)) {
            return; // the usual line, passed without building any text
        }
        if (!report.KeepsMoreProblems()) {
            report.CountUnkeptProblem(); // its words would not be kept, so none are built
            return;
        }
        report.AddProblem(
            LineProblem(lineNumber, echo, false, "stored with a doubt: " + Doubts(line, note)));
        return;
    }
    const std::string reason = IgnoredReason(line, outcome);
    if (!reason.empty()) {
        report.AddProblem(LineProblem(lineNumber, echo, true, "ignored: " + reason));
    }
}

std::string TLineAccount::IgnoredReason(const TParsedLine& line, TLineOutcome outcome) const {
    if (line.Writing.CrossedOutData) {
        return R"(a line starting with "X" is a comment; a vehicle name cannot start with X)";
    }
    if (IsSilent(line)) {
        return {};
    }
    switch (outcome) {
    case TLineOutcome::Stored:
        return {};
    case TLineOutcome::TooShort:
        return line.Writing.FirstChar == ' ' ? "starts with a blank" : "shorter than 20 characters";
    case TLineOutcome::CommentOrBlankStart:
        return "starts with a blank";
    case TLineOutcome::NoComma:
        return "no comma, so the whole line is a name without values";
    case TLineOutcome::NothingConverted:
        return "no number after the name";
    case TLineOutcome::YearOutOfRange:
        return line.Writing.YearConverted
                   ? "year " + YearText(line.Year) + " is not one of 1941 to 1945"
                   : std::string("no year after the name");
    case TLineOutcome::EmptyName:
        return "empty name (the line starts with a comma)";
    case TLineOutcome::NoFreeSlot:
        return "no free vehicle slot (" + std::to_string(MaxVehicles) +
               " vehicle types are stored already)";
    case TLineOutcome::MonthOutOfRange:
        return "the month is not one of 1 to 12";
    case TLineOutcome::CountNotWhole:
        return "the count is not a whole number of 0 or more";
    case TLineOutcome::UnknownName: {
        const std::string closest = ClosestFleetName(line.Name.View());
        std::string reason = "unknown fleet name " + Quoted(line.Name.View());
        if (!closest.empty()) {
            return reason + " (did you mean \"" + closest + "\"?)";
        }
        return reason + R"( (the fleet names are "Total", "Loss", "New" and "Lend Lease"; )" +
               "vehicle types belong in " + kTankDataFileName + ")";
    }
    }
    return {};
}

TLineAccount::TSlotNote TLineAccount::NoteSlot(std::int64_t lineNumber, const TParsedLine& line,
                                               const TStoredPlace& place, const TLineEcho& echo) {
    TSlotNote note;
    if (place.Slot < 1 || place.Slot > MaxVehicles) {
        return note;
    }
    TSlotHistory::TSlot& slot = m_slots.Slots.at(static_cast<std::size_t>(place.Slot));
    const std::uint64_t nameHash = line.Writing.NameHash;
    const auto yearIndex = static_cast<std::size_t>(place.MonthOffset / 12);
    std::int64_t& yearLine = slot.YearLines.at(yearIndex);
    std::int64_t& yearCounted = slot.YearCounted.at(yearIndex);
    if (slot.FirstLine == 0) {
        bool nameCut = false;
        const std::string_view writtenName = WrittenName(echo, kQuotedNameLength, nameCut);
        slot.FirstLine = lineNumber;
        slot.NameHash = nameHash;
        slot.FirstNameLength = std::min(writtenName.size(), slot.FirstName.size());
        std::copy_n(writtenName.begin(), slot.FirstNameLength, slot.FirstName.begin());
        slot.FirstNameCut = nameCut;
    } else if (slot.NameHash != nameHash) {
        note.MergedWith = &slot;
    }
    if (yearLine != 0) {
        note.ReplacedLine = yearLine;
        note.ReplacedYear = kFirstYear + static_cast<int>(yearIndex);
        note.ReplacedCounted = yearCounted;
    }
    yearLine = lineNumber;
    yearCounted = place.Counted;
    return note;
}

bool TLineAccount::StoredAsWritten(const TParsedLine& line, const TSlotNote& note) const {
    const TLineWriting& writing = line.Writing;
    const bool nameAsWritten = m_kind == TDataFileKind::Fleet || NameAsWritten(line, note);
    return writing.MonthFields == 12 && !writing.ExtraValues && writing.FirstMovedMonth == 0 &&
           !writing.QuotationMark && writing.FirstFailedMonth == 0 && note.ReplacedLine == 0 &&
           nameAsWritten;
}

bool TLineAccount::NameAsWritten(const TParsedLine& line, const TSlotNote& note) {
    return !NameWasCut(line) && !EndsWithBlank(line.Writing.NameLastChar) &&
           note.MergedWith == nullptr && CommentLikeStart(line.Name.View()).empty() &&
           !LooksLikeCyrillicCodePage(line);
}

std::string TLineAccount::Doubts(const TParsedLine& line, const TSlotNote& note) const {
    const TLineWriting& writing = line.Writing;
    std::vector<std::string> doubts;
    if (writing.MonthFields == 0) {
        doubts.emplace_back("no monthly values after the year (Jan to Dec stay 0)");
    } else if (writing.MonthFields < 12) {
        doubts.push_back("fewer than 12 monthly values (" + std::to_string(writing.MonthFields) +
                         " written; " + MonthsLeftText(writing.MonthFields + 1) + ")");
    }
    if (writing.ExtraValues) {
        doubts.emplace_back("more than 12 values after the year, the rest ignored (a thousands "
                            "separator such as 1,250, or an extra column?)");
    }
    if (writing.FirstMovedMonth != 0) {
        doubts.push_back(std::string("a field without a number between two separators, so the "
                                     "values from ") +
                         MonthAbbreviation(writing.FirstMovedMonth) +
                         " on moved one month earlier");
    }
    if (writing.QuotationMark) {
        doubts.emplace_back(
            R"(quotation marks, which separate values ("1,250" reads as 1 and 250))");
    }
    if (writing.FirstFailedMonth != 0) {
        doubts.push_back(std::string("the value for ") +
                         MonthAbbreviation(writing.FirstFailedMonth) +
                         " is not a number and stays 0");
    }
    if (m_kind == TDataFileKind::Vehicles) {
        NameDoubts(line, note, doubts);
    }
    if (note.ReplacedLine != 0) {
        doubts.push_back(
            "replaces the " + std::to_string(note.ReplacedYear) + " months of line " +
            std::to_string(note.ReplacedLine) + " (" + VisibleLineText(line.Name.View(), false) +
            "): " + GroupedNumber(note.ReplacedCounted) + " written there are no longer counted");
    }
    return Joined(doubts);
}

void TLineAccount::NameDoubts(const TParsedLine& line, const TSlotNote& note,
                              std::vector<std::string>& doubts) {
    const TLineWriting& writing = line.Writing;
    if (NameWasCut(line)) {
        doubts.push_back("name cut to " + std::to_string(TVehicleName::kCapacity) +
                         " bytes (the first " + std::to_string(ShownCharacters(line.Name.View())) +
                         " letters)");
    } else if (EndsWithBlank(writing.NameLastChar)) {
        doubts.push_back("name ends with a blank (" + Quoted(line.Name.View()) +
                         " is another vehicle than the same name without it)");
    }
    if (const std::string_view start = CommentLikeStart(line.Name.View()); !start.empty()) {
        doubts.push_back("the name starts with \"" + std::string(start) +
                         R"("; comment lines start with ";")");
    }
    if (LooksLikeCyrillicCodePage(line)) {
        doubts.emplace_back("the name looks like Windows-1251 (Cyrillic); save the file as UTF-8");
    }
    if (note.MergedWith != nullptr) {
        const TSlotHistory::TSlot& first = *note.MergedWith;
        const std::string_view firstName(first.FirstName.data(), first.FirstNameLength);
        doubts.push_back("the same vehicle as " + Quoted(firstName, first.FirstNameCut) +
                         " of line " + std::to_string(first.FirstLine) +
                         ", since the names agree in their first 20 bytes");
    }
}

} // namespace Production1
