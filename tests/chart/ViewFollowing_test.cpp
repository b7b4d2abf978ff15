// Pictures and captions that belong to values of the bottom axis, on plain numbers: the part of a
// background picture an axis range shows and where, and where band captions stand under a range.
#include "AxisTitleBands.h"
#include "BackImagePart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using Armalyx::ChartMath::TAxisScale;

namespace {

// A horizontal axis over pixels 63 to 480, as the window's chart lays out its month axis.
TAxisScale MonthAxis(double minimum, double maximum) {
    return {minimum, maximum, 63, 480, true, false};
}

const TRect kPlot{63, 32, 480, 342};
const TAxisValueSpan kPictureMonths{6, 53};

} // namespace

TEST(BackImagePart, ThePictureKeepsEachColumnAtTheValueItDepicts) {
    struct TCase {
        std::string Name;
        TAxisScale Scale;
        std::optional<Armalyx::BackImagePart::TPart> Expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const TCase cases[] = {
        {"the range it depicts: the whole picture in the whole plot",
         MonthAxis(6, 53),
         {{kPlot, 0, 420, true}}},
        {"a zoom inside it: the columns of months 18 to 37",
         MonthAxis(18, 37),
         {{kPlot, 12 * 420 / 47.0, 31 * 420 / 47.0, false}}},
        // Months 6 and 53 fall on pixels 98 and 431; the columns there are 0 and 420.
        {"wider than it: the picture only over its own months",
         MonthAxis(1, 60),
         {{{98, 32, 431, 342}, 0, 420, false}}},
        {"months after it only", MonthAxis(54, 60), std::nullopt},
        {"an axis of no range", MonthAxis(20, 20), std::nullopt},
        {"a range that is not a number", MonthAxis(nan, 30), std::nullopt},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto part = Armalyx::BackImagePart::Place(c.Scale, kPlot, kPictureMonths, 420);
        ASSERT_EQ(part.has_value(), c.Expected.has_value());
        if (!part) {
            continue;
        }
        EXPECT_EQ(part->Target, c.Expected->Target);
        EXPECT_EQ(part->Whole, c.Expected->Whole);
        EXPECT_NEAR(part->SourceLeft, c.Expected->SourceLeft, 1e-9);
        EXPECT_NEAR(part->SourceRight, c.Expected->SourceRight, 1e-9);
    }
}

TEST(BackImagePart, AnAxisRunningRightToLeftMirrorsThePart) {
    TAxisScale scale = MonthAxis(6, 53);
    scale.Inverted = true;
    const auto part = Armalyx::BackImagePart::Place(scale, kPlot, kPictureMonths, 420);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->SourceLeft, 420);
    EXPECT_EQ(part->SourceRight, 0);
    EXPECT_FALSE(part->Whole);
}

TEST(AxisTitleBands, EachCaptionStandsUnderTheMonthsOfItsBandInView) {
    // Years as bands of twelve months, each caption 24 pixels wide.
    std::vector<Armalyx::AxisTitleBands::TBand> years;
    for (int first = 0; first < 60; first += 12) {
        years.push_back({static_cast<double>(first), first + 12.0, 24});
    }
    struct TCase {
        std::string Name;
        TAxisScale Scale;
        std::vector<std::optional<std::int32_t>> Expected;
    };
    const auto none = std::nullopt;
    const TCase cases[] = {
        // Years end at pixels 146, 230, 313 and 397.
        {"all five years", MonthAxis(0, 60), {104, 188, 271, 355, 438}},
        // Months 24 and 36 at pixels 195 and 458; 1944's caption is kept inside the axis.
        {"months 18 to 37: the middle of each year's part in view",
         MonthAxis(18, 37),
         {none, 129, 326, 468, none}},
        {"a sliver of a year at the edge cannot hold its caption",
         MonthAxis(11.8, 30),
         {none, 205, 411, none, none}},
        {"past the last year", MonthAxis(70, 80), {none, none, none, none, none}},
        {"years too narrow for their captions", MonthAxis(0, 4000), {none, none, none, none, none}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Armalyx::AxisTitleBands::Centres(c.Scale, years), c.Expected);
    }
}

TEST(AxisTitleBands, OfTwoCaptionsThatWouldOverlapTheOneWithMoreInViewStays) {
    // Years 50 pixels wide under captions 60 pixels wide: every other one fits.
    std::vector<Armalyx::AxisTitleBands::TBand> years;
    for (int first = 0; first < 60; first += 12) {
        years.push_back({static_cast<double>(first), first + 12.0, 60});
    }
    const auto none = std::nullopt;
    const std::vector<std::optional<std::int32_t>> expected = {93, none, 188, none, 288};
    EXPECT_EQ(Armalyx::AxisTitleBands::Centres(MonthAxis(0, 100), years), expected);
    // A band with more of it in view wins over the one before it: pixels 63 to 113 against
    // 105 to 230, under captions 100 pixels wide.
    const std::vector<Armalyx::AxisTitleBands::TBand> overlapping = {{0, 12, 100}, {10, 40, 100}};
    const std::vector<std::optional<std::int32_t>> wider = {none, 167};
    EXPECT_EQ(Armalyx::AxisTitleBands::Centres(MonthAxis(0, 100), overlapping), wider);
}
