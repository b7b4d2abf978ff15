// The bands an axis takes from the plot rectangle, on plain numbers: title, labels and ticks from
// the outside in on each side, the recorded edges, the position shift and saturation.
#include "AxisBand.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

TEST(AxisBand, EachSideGivesUpTitleLabelsAndTicksFromTheOutsideIn) {
    struct TCase {
        std::string Name;
        Armalyx::AxisBand::TInput Input;
        Armalyx::AxisBand::TBands Expected;
    };
    const TRect rect{10, 20, 390, 280};
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const TCase cases[] = {
        {"bottom with a title",
         {TAxisKind::Bottom, rect, 14, 14, 4, 0, 0, 0},
         {{10, 20, 390, 248}, 266, 252}},
        {"left without a title keeps the old title edge",
         {TAxisKind::Left, rect, {}, 40, 6, 0, 7, 0},
         {{56, 20, 390, 280}, 7, 50}},
        {"top without labels",
         {TAxisKind::Top, rect, 10, {}, 0, 0, 0, 3},
         {{10, 30, 390, 280}, 30, 3}},
        {"right, shifted",
         {TAxisKind::Right, rect, {}, 30, 4, -5, 0, 0},
         {{10, 20, 356, 280}, -5, 355}},
        {"depth takes the right side",
         {TAxisKind::Depth, rect, {}, 30, 0, 0, 0, 0},
         {{10, 20, 360, 280}, 0, 360}},
        {"saturates",
         {TAxisKind::Left, {kMax - 5, 0, 0, 0}, {}, 100, 100, 100, 0, 0},
         {{kMax, 0, 0, 0}, 100, kMax}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const Armalyx::AxisBand::TBands bands = Armalyx::AxisBand::Reserve(c.Input);
        EXPECT_EQ(bands.Rect, c.Expected.Rect);
        EXPECT_EQ(bands.TitlePos, c.Expected.TitlePos);
        EXPECT_EQ(bands.LabelsPos, c.Expected.LabelsPos);
    }
}
