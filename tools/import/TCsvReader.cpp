#include "TCsvReader.h"

#include <array>

namespace Armalyx::Import {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kQuote = '"';

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

} // namespace

std::string ColumnName(std::size_t index) {
    std::string name;
    for (std::size_t number = index + 1; number > 0; number = (number - 1) / 26) {
        name.insert(name.begin(), static_cast<char>('A' + (number - 1) % 26));
    }
    return name;
}

std::string QuotedCell(std::string_view text) {
    std::string shown = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return shown + "\"";
}

std::string AsciiLowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lowered;
}

TCsvReader::TCsvReader(std::string_view text) : m_text(text) {
    if (m_text.starts_with(kByteOrderMark)) {
        m_text.remove_prefix(kByteOrderMark.size());
    }
    m_delimiter = DetectDelimiter(m_text);
}

char TCsvReader::DetectDelimiter(std::string_view text) {
    constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (const char c : text) {
        if (c == kQuote) {
            quoted = !quoted;
        } else if (!quoted && IsLineEnd(c)) {
            break;
        } else if (!quoted) {
            for (std::size_t index = 0; index < kCandidates.size(); ++index) {
                counts[index] += c == kCandidates[index] ? 1 : 0;
            }
        }
    }
    std::size_t best = 0;
    for (std::size_t index = 1; index < kCandidates.size(); ++index) {
        if (counts[index] > counts[best]) {
            best = index;
        }
    }
    return kCandidates[best];
}

bool TCsvReader::Next(TCsvRecord& record) {
    if (m_at >= m_text.size()) {
        return false;
    }
    record = TCsvRecord{++m_row, {}, {}};
    for (;;) {
        record.Cells.push_back(ReadField(record));
        if (m_at < m_text.size() && m_text[m_at] == m_delimiter) {
            ++m_at;
        } else {
            SkipLineEnd();
            return true;
        }
    }
}

bool TCsvReader::AtLineEnd() const {
    return m_at >= m_text.size() || IsLineEnd(m_text[m_at]);
}

void TCsvReader::SkipLineEnd() {
    if (m_text.substr(m_at, 2) == "\r\n") {
        m_at += 2;
    } else if (m_at < m_text.size()) {
        ++m_at;
    }
}

std::string TCsvReader::ReadField(TCsvRecord& record) {
    // Blanks before an opening quote are tolerated; the delimiter itself is never a blank.
    std::size_t start = m_at;
    while (start < m_text.size() && m_text[start] != m_delimiter &&
           (m_text[start] == ' ' || m_text[start] == '\t')) {
        ++start;
    }
    if (start < m_text.size() && m_text[start] == kQuote) {
        m_at = start;
        return ReadQuotedField(record);
    }
    std::string field;
    while (!AtLineEnd() && m_text[m_at] != m_delimiter) {
        field += m_text[m_at++];
    }
    return field;
}

std::string TCsvReader::ReadQuotedField(TCsvRecord& record) {
    const std::string column = ColumnName(record.Cells.size());
    std::string field;
    ++m_at; // the opening quote
    for (;;) {
        if (m_at >= m_text.size()) {
            record.QuotingProblem = "column " + column +
                                    ": the quote is not closed before the end "
                                    "of the file";
            return field;
        }
        const char c = m_text[m_at++];
        if (c != kQuote) {
            field += c;
        } else if (m_at < m_text.size() && m_text[m_at] == kQuote) {
            field += kQuote;
            ++m_at;
        } else {
            break;
        }
    }
    // Only blanks may follow the closing quote; anything else is kept but named.
    std::string after;
    while (!AtLineEnd() && m_text[m_at] != m_delimiter) {
        after += m_text[m_at++];
    }
    if (after.find_first_not_of(" \t") != std::string::npos) {
        record.QuotingProblem = "column " + column + ": text follows the closing quote";
        field += after;
    }
    return field;
}

} // namespace Armalyx::Import
