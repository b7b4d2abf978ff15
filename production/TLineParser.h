#pragma once

#include "TLineSink.h"
#include "TNumberField.h"
#include "TParsedLine.h"
#include "TWholeNumber.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Production1 {

// The grammar of a data line, fed in pieces so that a line of any length is read in fixed memory:
// the name's first 20 characters, the pending number field and the field count are all it keeps.
// The monthly values go straight into the table given at construction. Beside the values it notes
// how the line was written (TLineWriting), so that a line stored other than written can be told.
class TLineParser final : public TLineSink {
public:
    static constexpr std::size_t kMinimumLineLength = 20;

    // A file whose lines are short by design ("StockData.txt") gives a smaller minimum length.
    explicit TLineParser(YearMonths& months, std::size_t minimumLength = kMinimumLineLength)
        : m_months(months), m_minimumLength(minimumLength),
          m_lengthCap(std::max<std::size_t>(minimumLength, 2)) {}

    // Starts a new line: empty name, year 0, all twelve months 0.
    void Begin();
    void Feed(std::string_view piece) override;
    // Ends the line; a number field still pending at the line end is taken. A line that turns out
    // too short or starts with a comment character yields nothing at all.
    // The line stays valid until the next Begin.
    const TParsedLine& Finish();

private:
    static constexpr int kYearField = 2;
    static constexpr int kLastField = 14;

    // Appends the name's part of the piece and gives what follows its comma.
    std::string_view TakeName(std::string_view piece);
    // Number fields and separators after the name's comma.
    void TakeFields(std::string_view piece);
    // Plain whole numbers, each with its separator, from the position on; gives the position
    // after the last one taken.
    std::size_t TakeWholeNumbers(std::string_view piece, std::size_t position);
    // Stores a field's value (when it converted) and moves on to the next field; the separator
    // that ended the field is given, or '\0' at the line end.
    void EndField(std::optional<double> value, char separator);
    void NextField();
    // Notes a field about to be taken after a field with no number in it (two separators in a row).
    void NoteMovedField(int field);
    // The line's first two characters: a comment start, and after an "X" whether the line is
    // read on.
    void NoteLineStart(std::string_view piece);
    bool ReadsAsCrossedOutData() const;
    // A line too short or starting as a comment yields nothing but how it was written.
    const TParsedLine& FinishIgnored();
    void NoteWriting(std::string_view piece);
    // Quotation marks after the name's comma: in the name they are kept as written.
    void NoteQuotationMark(std::string_view fields);
    void NoteName(std::string_view name);
    void NoteExtraValues(std::string_view rest);
    void NoteInexactMonth(int field, double value, std::int32_t stored);

    static bool IsCellSeparator(char c) { return c == ',' || c == ';' || c == '\t'; }

    YearMonths& m_months;
    std::size_t m_minimumLength;
    // How far m_length counts: the minimum length, and at least the two characters of a line's
    // start.
    std::size_t m_lengthCap;
    TParsedLine m_line;
    TNumberField m_number;
    std::size_t m_length = 0; // counts up to m_lengthCap only
    int m_field = 1;
    // Cell separators (comma, semicolon, tab) since the last field; two or more mean a field with
    // no number between them.
    int m_cellSeparators = 1;
    char m_secondChar = '\0';
    bool m_commentStart = false;
    bool m_stopped = false;
    bool m_converted = false;
};

} // namespace Production1
