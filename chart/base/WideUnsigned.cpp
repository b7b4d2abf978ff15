#include "WideUnsigned.h"

namespace Armalyx {

namespace {

constexpr int kHalfBits = 32;
constexpr std::uint64_t kHalfMask = 0xFFFFFFFFull;

} // namespace

TWideUnsigned WideProduct(std::uint64_t left, std::uint64_t right) {
    // Four partial products of 32-bit halves; the middle ones are added with their carries.
    const std::uint64_t leftLow = left & kHalfMask;
    const std::uint64_t leftHigh = left >> kHalfBits;
    const std::uint64_t rightLow = right & kHalfMask;
    const std::uint64_t rightHigh = right >> kHalfBits;
    const std::uint64_t lowLow = leftLow * rightLow;
    const std::uint64_t lowHigh = leftLow * rightHigh;
    const std::uint64_t highLow = leftHigh * rightLow;
    const std::uint64_t highHigh = leftHigh * rightHigh;
    const std::uint64_t middle =
        (lowLow >> kHalfBits) + (lowHigh & kHalfMask) + (highLow & kHalfMask);
    TWideUnsigned product;
    product.Low = (middle << kHalfBits) | (lowLow & kHalfMask);
    product.High =
        highHigh + (lowHigh >> kHalfBits) + (highLow >> kHalfBits) + (middle >> kHalfBits);
    return product;
}

TWideUnsigned WideSum(TWideUnsigned wide, std::uint64_t addend) {
    const std::uint64_t low = wide.Low + addend;
    return {wide.High + (low < wide.Low ? 1 : 0), low};
}

TWideQuotient WideDivide(TWideUnsigned dividend, std::uint64_t divisor) {
    // Long division, one bit at a time from the top: the remainder stays below the divisor, and a
    // bit shifted out of it counts as a borrow that the subtraction then takes back.
    if (dividend.High == 0) {
        // The usual case, lines within the range of int: one machine division.
        return {dividend.Low / divisor, dividend.Low % divisor};
    }
    TWideQuotient result;
    std::uint64_t remainder = dividend.High % divisor;
    for (int bit = 63; bit >= 0; --bit) {
        const bool carry = (remainder >> 63) != 0;
        remainder = (remainder << 1) | ((dividend.Low >> bit) & 1);
        result.Quotient <<= 1;
        if (carry || remainder >= divisor) {
            remainder -= divisor;
            result.Quotient |= 1;
        }
    }
    result.Remainder = remainder;
    return result;
}

} // namespace Armalyx
