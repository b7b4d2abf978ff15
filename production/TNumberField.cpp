#include "TNumberField.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace Production1 {

std::int32_t TruncateToInt32(double value) {
    constexpr double kAboveMaximum = 2147483648.0;
    constexpr double kBelowMinimum = -2147483649.0;
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= kAboveMaximum) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value <= kBelowMinimum) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

void TNumberField::Clear() {
    // The digit buffers are read only up to their counts, so they need no clearing.
    m_length = 0;
    m_negative = false;
    m_hasPoint = false;
    m_failed = false;
    m_integerOverflow = false;
    m_integerCount = 0;
    m_fractionCount = 0;
    m_wholeValue = 0;
}

void TNumberField::Push(char c) {
    if (c == '-') {
        m_failed = m_failed || m_length > 0;
        m_negative = true;
    } else if (c == '.') {
        m_failed = m_failed || m_hasPoint;
        m_hasPoint = true;
    } else {
        PushDigit(c);
    }
    ++m_length;
}

void TNumberField::PushRun(std::string_view run) {
    for (const char c : run) {
        Push(c);
    }
}

void TNumberField::PushDigit(char digit) {
    if (m_hasPoint) {
        if (m_fractionCount < kFractionDigits) {
            m_fraction[m_fractionCount++] = digit;
        }
        return;
    }
    if (m_integerCount == 0 && digit == '0') {
        return; // a leading zero adds nothing to the value
    }
    if (m_integerCount < kIntegerDigits) {
        m_integer[m_integerCount++] = digit;
        // Wraps harmlessly past 19 digits: the running value serves only up to kExactDigits.
        m_wholeValue = m_wholeValue * 10 + static_cast<std::uint64_t>(digit - '0');
    } else {
        m_integerOverflow = true;
    }
}

std::optional<double> TNumberField::Convert() const {
    const bool loneHyphen = m_negative && m_length == 1;
    if (m_failed || loneHyphen || m_length == 0) {
        return std::nullopt;
    }
    if (m_integerOverflow) {
        return m_negative ? -kHugeValue : kHugeValue;
    }
    if (m_fractionCount == 0 && m_integerCount <= kExactDigits) {
        const auto value = static_cast<double>(m_wholeValue);
        return m_negative ? -value : value;
    }
    return ConvertedText();
}

std::optional<double> TNumberField::ConvertedText() const {
    // Rebuilt as "-I.F" with "0" for an empty part, which the standard conversion always accepts.
    std::array<char, kIntegerDigits + kFractionDigits + 4> text{};
    std::size_t size = 0;
    const auto append = [&](const char* from, std::size_t count, char fallback) {
        if (count == 0) {
            text[size++] = fallback;
        }
        for (std::size_t i = 0; i < count; ++i) {
            text[size++] = from[i];
        }
    };
    if (m_negative) {
        text[size++] = '-';
    }
    append(m_integer.data(), m_integerCount, '0');
    text[size++] = '.';
    append(m_fraction.data(), m_fractionCount, '0');
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + size, value);
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

} // namespace Production1
