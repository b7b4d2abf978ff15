// The raster's wide arithmetic and the line walk at the ends of the 32-bit range, where the
// product of a step and a length no longer fits 64 bits. Expected values were worked out in exact
// integer arithmetic.
#include "LineRaster.h"
#include "WideUnsigned.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <tuple>
#include <vector>

using Armalyx::TWideUnsigned;

TEST(WideUnsigned, ProductsSumsAndQuotientsAreExact) {
    constexpr std::uint64_t kAll = UINT64_MAX;
    EXPECT_EQ(Armalyx::WideProduct(kAll, kAll), (TWideUnsigned{kAll - 1, 1}));
    EXPECT_EQ(Armalyx::WideProduct(0x7FFFFFFFFFFFFFFFull, 0x7FFFFFFFFFFFFFFFull),
              (TWideUnsigned{0x3FFFFFFFFFFFFFFFull, 1}));
    EXPECT_EQ(Armalyx::WideSum(TWideUnsigned{0, kAll}, 1), (TWideUnsigned{1, 0}));
    struct TCase {
        std::uint64_t left, right, addend, divisor, quotient, remainder;
    };
    const TCase cases[] = {
        {0x5FFFFFFFAull, 0x200000000ull, 0x100000005ull, 0x400000003ull, 0x2FFFFFFFBull, 0x14},
        {0x4000000000000000ull, 0x2BDC545D6B4B87ull, 0x63, 0x8000000000000007ull,
         0x15EE2A2EB5A5C3ull, 0x3F667CD8B908780Eull},
        {kAll, 1, 0, kAll, 1, 0},
        {kAll, kAll - 1, kAll, kAll, kAll, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.divisor);
        const auto division = Armalyx::WideDivide(
            Armalyx::WideSum(Armalyx::WideProduct(c.left, c.right), c.addend), c.divisor);
        EXPECT_EQ(division.Quotient, c.quotient);
        EXPECT_EQ(division.Remainder, c.remainder);
    }
}

TEST(LineRaster, LinesBetweenTheEndsOfTheIntRangeKeepTheirPixels) {
    using TPixel = std::tuple<int, int, long long>;
    struct TCase {
        const char* what;
        TWidePoint from;
        TWidePoint to;
        TRect limit;
        std::vector<TPixel> pixels;
    };
    const long long min = INT_MIN;
    const long long max = INT_MAX;
    const TCase cases[] = {
        {"corner to corner",
         {min, min},
         {max, max - 1},
         {-2, -4, 3, 3},
         {{-2, -2, 2147483646},
          {-1, -1, 2147483647},
          {0, -1, 2147483648},
          {1, 0, 2147483649},
          {2, 1, 2147483650}}},
        {"corner to corner, leftwards",
         {max, min},
         {min, max},
         {-3, -3, 3, 3},
         {{2, -3, 2147483645},
          {1, -2, 2147483646},
          {0, -1, 2147483647},
          {-1, 0, 2147483648},
          {-2, 1, 2147483649},
          {-3, 2, 2147483650}}},
        {"four times the range, as a device scale makes it",
         {4 * min, 3},
         {4 * max + 4, -1},
         {-2, 0, 3, 4},
         {{-2, 1, 8589934590},
          {-1, 1, 8589934591},
          {0, 1, 8589934592},
          {1, 1, 8589934593},
          {2, 1, 8589934594}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<TPixel> pixels;
        TLineWalk(c.from, c.to, c.limit).ForEachPixel([&pixels](int x, int y, long long index) {
            pixels.emplace_back(x, y, index);
        });
        EXPECT_EQ(pixels, c.pixels);
    }
}
