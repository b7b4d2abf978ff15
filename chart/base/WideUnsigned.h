#pragma once
// Unsigned arithmetic one word wider than 64 bits, in plain C++: enough to multiply two 64-bit
// values and divide the product by a third, as the line raster does for lines whose ends lie far
// outside the range of int.

#include <cstdint>

namespace Armalyx {

struct TWideUnsigned {
    std::uint64_t High = 0;
    std::uint64_t Low = 0;

    friend bool operator==(const TWideUnsigned&, const TWideUnsigned&) = default;
};

// The full product of two 64-bit values.
TWideUnsigned WideProduct(std::uint64_t left, std::uint64_t right);
// The sum, which must fit in 128 bits.
TWideUnsigned WideSum(TWideUnsigned wide, std::uint64_t addend);

struct TWideQuotient {
    std::uint64_t Quotient = 0;
    std::uint64_t Remainder = 0;
};

// The quotient and remainder of a wide value divided by a divisor that is not 0; the quotient
// must fit in 64 bits (the high word less than the divisor).
TWideQuotient WideDivide(TWideUnsigned dividend, std::uint64_t divisor);

} // namespace Armalyx
