#pragma once

#include "TNumberField.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

namespace Production1 {

// A plain whole number at the start of a text: its sign, its digits' value and its length in
// characters. Almost every field of a data file is one.
struct TWholeNumber {
    std::uint64_t Magnitude = 0;
    bool Negative = false;
    std::size_t Length = 0;

    double Value() const {
        const auto value = static_cast<double>(Magnitude);
        return Negative ? -value : value;
    }
    // The value as TruncateToInt32 gives it, without the detour through a double.
    std::int32_t ToInt32() const {
        constexpr std::uint64_t kLargest = std::numeric_limits<std::int32_t>::max();
        if (Negative) {
            return Magnitude > kLargest ? std::numeric_limits<std::int32_t>::min()
                                        : -static_cast<std::int32_t>(Magnitude);
        }
        return Magnitude > kLargest ? std::numeric_limits<std::int32_t>::max()
                                    : static_cast<std::int32_t>(Magnitude);
    }
};

namespace WholeNumberDetail {

constexpr std::size_t kMostDigits = 15; // whole numbers this long are exact as doubles
constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;

// The number of digits that start eight characters read as one little-endian word, 0..8: each
// byte is tested at once for a high nibble of 3 and a low nibble of at most 9.
inline std::size_t LeadingDigitCount(std::uint64_t word) {
    const std::uint64_t highNibbleNot3 = (word & (0xF0 * kEveryByte)) ^ (0x30 * kEveryByte);
    const std::uint64_t lowNibbleAbove9 =
        ((word & (0x0F * kEveryByte)) + 0x06 * kEveryByte) & (0xF0 * kEveryByte);
    const std::uint64_t notDigit = highNibbleNot3 | lowNibbleAbove9;
    return notDigit == 0 ? 8 : static_cast<std::size_t>(std::countr_zero(notDigit)) / 8;
}

// The value of the first count (1..8) digits of the word, by pairwise multiply-and-add.
inline std::uint64_t DigitsValue(std::uint64_t word, std::size_t count) {
    // The digits move to the top bytes; the zero bytes below them act as leading zeros.
    std::uint64_t value = (word & (0x0F * kEveryByte)) << (8 * (8 - count));
    value = (value * 10 + (value >> 8)) & 0x00FF00FF00FF00FFull;
    value = (value * 100 + (value >> 16)) & 0x0000FFFF0000FFFFull;
    return (value * 10000 + (value >> 32)) & 0xFFFFFFFFull;
}

// A run of up to eight digits from the first character, read as one word when eight characters
// are there to read; nothing otherwise.
inline std::optional<TWholeNumber> ScanEightAtOnce(std::string_view text, std::size_t first) {
    if constexpr (std::endian::native != std::endian::little) {
        return std::nullopt;
    }
    if (text.size() < first + 8) {
        return std::nullopt;
    }
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + first, sizeof word);
    const std::size_t digits = LeadingDigitCount(word);
    if (digits == 0 || digits == 8) {
        return std::nullopt;
    }
    TWholeNumber number;
    number.Magnitude = DigitsValue(word, digits);
    number.Length = first + digits;
    return number;
}

inline TWholeNumber ScanOneByOne(std::string_view text, std::size_t first) {
    TWholeNumber number;
    std::size_t position = first;
    // One digit more than a short number may have is enough to rule a field out.
    const std::size_t stop = std::min(text.size(), first + kMostDigits + 1);
    while (position < stop && text[position] >= '0' && text[position] <= '9') {
        number.Magnitude = number.Magnitude * 10 + static_cast<std::uint64_t>(text[position] - '0');
        ++position;
    }
    number.Length = position;
    return number;
}

} // namespace WholeNumberDetail

// The usual field, read in one pass: an optional hyphen and 1 to 15 digits, followed by a
// character that is not a number character. Anything else (a point, a longer number, a field that
// reaches the end of the text) gives nothing and is left to TNumberField, whose value it equals.
inline std::optional<TWholeNumber> ScanWholeNumber(std::string_view text) {
    using namespace WholeNumberDetail;
    const bool negative = !text.empty() && text.front() == '-';
    const std::size_t first = negative ? 1 : 0;
    auto number = ScanEightAtOnce(text, first);
    if (!number) {
        number = ScanOneByOne(text, first);
    }
    const std::size_t digits = number->Length - first;
    if (digits == 0 || digits > kMostDigits || number->Length == text.size() ||
        IsNumberChar(text[number->Length])) {
        return std::nullopt;
    }
    number->Negative = negative;
    return number;
}

} // namespace Production1
