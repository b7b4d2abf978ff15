#include "ReferenceLineParser.h"

#include "TNumberField.h"

#include <cstdlib>
#include <optional>

namespace ArmalyxFuzz {

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

TReferenceLine ReferenceParse(std::string_view line) {
    TReferenceLine result;
    if (line.size() < kMinimumLength) {
        return result;
    }
    if (IsCommentStart(line.front())) {
        result.Shape = TLineShape::CommentOrBlankStart;
        return result;
    }
    int field = 1;
    bool converted = false;
    std::string pending;
    for (const char c : line) {
        if (field == 1) {
            if (c == ',') {
                field = 2;
            } else if (result.Name.size() < kNameLength) {
                result.Name += c;
            }
        } else if (Production1::IsNumberChar(c)) {
            pending += c;
        } else if (!pending.empty()) {
            if (const auto value = ReferenceNumber(pending)) {
                if (field == 2) {
                    result.Year = *value;
                } else {
                    result.Months.at(static_cast<std::size_t>(field - 3)) =
                        Production1::TruncateToInt32(*value);
                }
                converted = true;
            }
            pending.clear();
            if (++field > kLastField) {
                break;
            }
        }
    }
    if (field == 1) {
        result.Shape = TLineShape::NoComma;
    } else {
        result.Shape = converted ? TLineShape::Converted : TLineShape::NothingConverted;
    }
    return result;
}

std::vector<std::string_view> ReferenceDataLines(std::string_view bytes) {
    std::size_t position = 0;
    const auto atEnd = [&] { return position >= bytes.size() || bytes[position] == '\x1a'; };
    const auto readLine = [&] {
        const std::size_t start = position;
        while (position < bytes.size() && bytes[position] != '\r' && bytes[position] != '\x1a') {
            ++position;
        }
        const std::string_view line = bytes.substr(start, position - start);
        if (position < bytes.size() && bytes[position] == '\r') {
            ++position;
            if (position < bytes.size() && bytes[position] == '\n') {
                ++position;
            }
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

} // namespace ArmalyxFuzz
