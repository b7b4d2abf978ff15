// Chart pixels on high-resolution pictures: the mapping to device pixels at whole and fractional
// ratios, and 1-pixel lines drawn as bands of device lines.

#include "DeviceStrokes.h"
#include "LineRaster.h"
#include "TDeviceScale.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <utility>

namespace {

using TPixelSet = std::set<std::pair<int, int>>;

// Every device pixel of the band for a logical line, within a limit.
TPixelSet BandPixels(TPoint from, TPoint to, const TDeviceScale& scale, const TRect& limit) {
    TPixelSet pixels;
    const TDeviceStrokes strokes = Armalyx::DeviceStrokes(from, to, scale);
    for (int k = 0; k < strokes.Count; ++k) {
        TLineWalk(strokes.FromOf(k), strokes.ToOf(k), limit)
            .ForEachPixel([&](int x, int y, long long) {
                pixels.insert({x, y});
            });
    }
    return pixels;
}

// The device pixels of whole logical pixels.
TPixelSet Blocks(const std::vector<TLinePixel>& logical, const TDeviceScale& scale) {
    TPixelSet pixels;
    for (const TLinePixel& pixel : logical) {
        const TRect block =
            scale.DeviceRect({pixel.Point.X, pixel.Point.Y, pixel.Point.X + 1, pixel.Point.Y + 1});
        for (int y = block.Top; y < block.Bottom; ++y) {
            for (int x = block.Left; x < block.Right; ++x) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

constexpr TRect kWide{-1000, -1000, 1000, 1000};

} // namespace

TEST(DeviceScale, EdgesAndLogicalPixelsAgreeAtEveryRatio) {
    for (const double ratio : {1.0, 2.0, 3.0, 1.25, 1.5, 1.75, 2.5, 0.5}) {
        const TDeviceScale scale(ratio);
        SCOPED_TRACE(ratio);
        EXPECT_EQ(scale.WholeRatio(), ratio == std::floor(ratio) ? static_cast<int>(ratio) : 0);
        for (long long v = -40; v < 40; ++v) {
            EXPECT_LE(scale.Edge(v), scale.Edge(v + 1));
            for (long long d = scale.Edge(v); d < scale.Edge(v + 1); ++d) {
                ASSERT_EQ(scale.LogicalPixel(d), v) << "device " << d;
            }
        }
        // Whole pictures: a logical size maps onto the device size a picture would have.
        EXPECT_EQ(scale.DeviceLength(700), std::lround(std::floor(700 * ratio + 0.5)));
    }
}

TEST(DeviceScale, RatiosOutsideTheRangeAreBounded) {
    const std::pair<double, double> cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), 1.0},
        {0.0, TDeviceScale::kSmallestRatio},
        {-2.0, TDeviceScale::kSmallestRatio},
        {1e9, TDeviceScale::kLargestRatio},
        {std::numeric_limits<double>::infinity(), TDeviceScale::kLargestRatio},
    };
    for (const auto& [given, kept] : cases) {
        SCOPED_TRACE(given);
        EXPECT_EQ(TDeviceScale(given).Ratio(), kept);
    }
    // Far coordinates stay within int instead of wrapping.
    const TRect far = TDeviceScale(16).DeviceRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    EXPECT_EQ(far, (TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
}

TEST(DeviceStrokes, StraightLinesCoverExactlyTheirLogicalPixels) {
    const std::pair<TPoint, TPoint> lines[] = {
        {{3, 4}, {12, 4}}, {{12, 4}, {3, 4}}, {{5, -2}, {5, 9}},
        {{5, 9}, {5, -2}}, {{0, 0}, {1, 0}},
    };
    for (const double ratio : {1.0, 2.0, 3.0, 1.5}) {
        const TDeviceScale scale(ratio);
        for (const auto& [from, to] : lines) {
            SCOPED_TRACE(testing::Message() << ratio << ": " << from.X << "," << from.Y << " to "
                                            << to.X << "," << to.Y);
            EXPECT_EQ(BandPixels(from, to, scale, kWide),
                      Blocks(Armalyx::LinePixels(from, to, kWide), scale));
        }
    }
    EXPECT_TRUE(BandPixels({7, 7}, {7, 7}, TDeviceScale(2), kWide).empty());
}

TEST(DeviceStrokes, SlopedLinesFollowTheLineAndLeaveOutTheEndPixel) {
    std::mt19937 random(1943);
    std::uniform_int_distribution<int> coordinate(-30, 30);
    for (const double ratio : {2.0, 3.0, 1.5}) {
        SCOPED_TRACE(ratio);
        const TDeviceScale scale(ratio);
        for (int n = 0; n < 400; ++n) {
            const TPoint from{coordinate(random), coordinate(random)};
            const TPoint to{coordinate(random), coordinate(random)};
            if (from == to) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << ratio << " line " << n);
            const TPixelSet band = BandPixels(from, to, scale, kWide);
            const std::vector<TLinePixel> logical = Armalyx::LinePixels(from, to, kWide);
            // Every device pixel lies on or next to a pixel of the 1x line, never in the end
            // pixel; at whole ratios every pixel of the 1x line, the start pixel among them, is
            // touched (at fractional ones the device line may pass beside a corner).
            TPixelSet touched;
            for (const auto& [x, y] : band) {
                const TPoint p{static_cast<int>(scale.LogicalPixel(x)),
                               static_cast<int>(scale.LogicalPixel(y))};
                ASSERT_FALSE(p == to) << "end pixel";
                bool near = false;
                for (const TLinePixel& q : logical) {
                    near =
                        near || (std::abs(q.Point.X - p.X) <= 1 && std::abs(q.Point.Y - p.Y) <= 1);
                }
                ASSERT_TRUE(near) << x << "," << y;
                touched.insert({p.X, p.Y});
            }
            for (const TLinePixel& q : logical) {
                if (scale.WholeRatio() == 0) {
                    break;
                }
                ASSERT_TRUE(touched.count({q.Point.X, q.Point.Y})) << q.Point.X << "," << q.Point.Y;
            }
        }
    }
}

TEST(DeviceStrokes, DashPatternsScaleWithTheRatio) {
    EXPECT_EQ(Armalyx::DevicePattern({3, 3}, TDeviceScale(2)), (std::vector<int>{6, 6}));
    EXPECT_EQ(Armalyx::DevicePattern({9, 6, 3, 6}, TDeviceScale(1.5)),
              (std::vector<int>{14, 9, 5, 9}));
    EXPECT_EQ(Armalyx::DevicePattern({1, 1}, TDeviceScale(0.25)), (std::vector<int>{1, 1}));
    EXPECT_TRUE(Armalyx::DevicePattern({}, TDeviceScale(2)).empty());
}
