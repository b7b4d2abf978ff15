#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace Production1 {

// Clamps a 64-bit value into the signed 32-bit range.
inline std::int32_t ClampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Sums signed 32-bit values exactly and gives the result clamped to the signed 32-bit range, so
// that a total that does not fit stays at the nearest end instead of wrapping.
class TSaturatingSum final {
public:
    void Add(std::int32_t value) { m_sum += value; }
    void Reset() { m_sum = 0; }
    std::int32_t Value() const { return ClampToInt32(m_sum); }

private:
    // 64 bits hold the sum of any number of 32-bit values the store can supply (at most
    // 202 x 60) without overflow.
    std::int64_t m_sum = 0;
};

} // namespace Production1
