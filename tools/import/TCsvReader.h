#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Armalyx::Import {

// One row of a spreadsheet: its number as the spreadsheet counts rows (1 is the first, header
// included) and its cells, quotes removed.
struct TCsvRecord {
    std::size_t Row = 0;
    std::vector<std::string> Cells;
    // Set when the row breaks the quoting rules (a quote left open at the end of the file, or
    // text after a closing quote); the cells then hold what could be read.
    std::string QuotingProblem;
};

// Reads a spreadsheet's CSV export record by record (RFC 4180): fields between delimiters,
// quoted fields that may hold delimiters, line breaks and doubled quotes, and records ended by
// LF, CR LF or a lone CR. A UTF-8 byte-order mark at the start is dropped.
// The spreadsheet's name of a column: A for the first (index 0), Z, AA, AB and so on.
std::string ColumnName(std::size_t index);

// A cell's text for a message, in quotes; control characters show as "?" so that a cell cannot
// send commands to the terminal.
std::string QuotedCell(std::string_view text);

// The text with its ASCII capitals made small, for names compared without regard to case.
std::string AsciiLowered(std::string_view text);

class TCsvReader final {
public:
    // The text must outlive the reader.
    explicit TCsvReader(std::string_view text);

    char Delimiter() const { return m_delimiter; }

    // The next record; false at the end of the text.
    bool Next(TCsvRecord& record);

    // The delimiter of the first record outside quotes: whichever of comma, semicolon and tab
    // occurs most often there, a comma when none does (a file of one column) or on a tie.
    static char DetectDelimiter(std::string_view text);

private:
    // Reads one field starting at m_at; leaves m_at on the delimiter or line end after it.
    std::string ReadField(TCsvRecord& record);
    std::string ReadQuotedField(TCsvRecord& record);
    // Moves past the line end (CR LF, LF or CR) at m_at, if there is one.
    void SkipLineEnd();
    bool AtLineEnd() const;

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_row = 0;
    char m_delimiter = ',';
};

} // namespace Armalyx::Import
