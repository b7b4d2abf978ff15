#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Production1 {

// True exactly for the characters that make up number fields: "-", "." and the digits.
inline bool IsNumberChar(char c) {
    return c == '-' || c == '.' || (c >= '0' && c <= '9');
}

// Truncates toward zero to a signed 32-bit value; values beyond its range stay at its ends.
std::int32_t TruncateToInt32(double value);

// One number field, taken in character by character. Only what the value needs is kept (the
// sign, the significant integer digits and the leading fraction digits), so a field of any length
// takes fixed memory.
//
// Syntax: an optional leading hyphen, then digits with at most one decimal point, which may stand
// first or last. A field that is only a point, or a hyphen and a point, is 0. A lone hyphen, a
// hyphen after the first character and a second point make the field fail.
class TNumberField final {
public:
    void Push(char c);
    void PushRun(std::string_view run);
    void Clear();
    bool IsPending() const { return m_length > 0; }
    std::optional<double> Convert() const;

private:
    static constexpr std::size_t kIntegerDigits = 24;
    static constexpr std::size_t kFractionDigits = 32;
    // Beyond every signed 32-bit value and every year, yet still finite.
    static constexpr double kHugeValue = 1e300;
    // Whole numbers of up to 15 digits are exact as doubles and need no text conversion.
    static constexpr std::size_t kExactDigits = 15;

    void PushDigit(char digit);
    std::optional<double> ConvertedText() const;

    std::size_t m_length = 0;
    bool m_negative = false;
    bool m_hasPoint = false;
    bool m_failed = false;
    bool m_integerOverflow = false;
    std::size_t m_integerCount = 0;
    std::size_t m_fractionCount = 0;
    std::uint64_t m_wholeValue = 0;
    std::array<char, kIntegerDigits> m_integer{};
    std::array<char, kFractionDigits> m_fraction{};
};

} // namespace Production1
