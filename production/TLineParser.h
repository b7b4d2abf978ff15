#pragma once

#include "TLineSink.h"
#include "TNumberField.h"
#include "TParsedLine.h"

#include <cstddef>
#include <cstdint>

namespace Production1 {

// The grammar of a data line, fed in pieces so that a line of any length is read in fixed memory:
// the name's first 20 characters, the pending number field and the field count are all it keeps.
// The monthly values go straight into the table given at construction.
class TLineParser final : public TLineSink {
public:
    static constexpr std::size_t kMinimumLineLength = 20;

    explicit TLineParser(YearMonths& months) : m_months(months) {}

    // Starts a new line: empty name, year 0, all twelve months 0.
    void Begin();
    void Feed(std::string_view piece) override;
    // Ends the line; a number field still pending is dropped. A line that turns out too short or
    // starts with a comment character yields nothing at all.
    TParsedLine Finish();

private:
    static constexpr int kYearField = 2;
    static constexpr int kLastField = 14;

    void Take(char c);
    void EndField();

    YearMonths& m_months;
    TParsedLine m_line;
    TNumberField m_number;
    std::size_t m_length = 0; // counts up to kMinimumLineLength only
    int m_field = 1;
    bool m_commentStart = false;
    bool m_stopped = false;
    bool m_converted = false;
};

} // namespace Production1
