// A title's layout on plain numbers: where its lines go for each place and alignment, the box
// behind them and the room the plot gives up.
#include "TitleLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Two lines of 100 and 60 pixels in a 14-pixel font whose "W" is 11 wide, over a plot rectangle
// 10 pixels in from the sides.
Armalyx::TitleLayout::TInput TwoLines(TTitlePlace place, TAlignment alignment) {
    Armalyx::TitleLayout::TInput input;
    input.ChartRect = {10, 20, 390, 280};
    input.Place = place;
    input.FontH = 14;
    input.WidthOfW = 11;
    input.Alignment = alignment;
    input.LineWidths = {100, 60};
    return input;
}

} // namespace

TEST(TitleLayout, LinesGoDownFromTheTopOrUpFromTheFoot) {
    struct TCase {
        std::string Name;
        Armalyx::TitleLayout::TInput Input;
        Armalyx::TitleLayout::TLayout Expected;
    };
    auto leftFramed = TwoLines(TTitlePlace::tpTop, taLeftJustify);
    leftFramed.FrameWidth = 2;
    auto right = TwoLines(TTitlePlace::tpTop, taRightJustify);
    auto noLinesTop = TwoLines(TTitlePlace::tpTop, taCenter);
    noLinesTop.LineWidths.clear();
    auto noLinesFoot = TwoLines(TTitlePlace::tpFoot, taCenter);
    noLinesFoot.LineWidths.clear();
    const TCase cases[] = {
        {"top, centred",
         TwoLines(TTitlePlace::tpTop, taCenter),
         {{10, 20, 390, 48}, {{0, {150, 20}}, {1, {170, 34}}}, {10, 53, 390, 280}}},
        {"foot, last line first",
         TwoLines(TTitlePlace::tpFoot, taCenter),
         {{10, 252, 390, 280}, {{1, {170, 266}}, {0, {150, 252}}}, {10, 20, 390, 247}}},
        {"left-justified in a frame",
         leftFramed,
         {{10, 20, 390, 52}, {{0, {17, 22}}, {1, {17, 36}}}, {10, 57, 390, 280}}},
        {"right-justified",
         right,
         {{10, 20, 390, 48}, {{0, {285, 20}}, {1, {325, 34}}}, {10, 53, 390, 280}}},
        {"top without lines", noLinesTop, {{10, 20, 390, 20}, {}, {10, 20, 390, 280}}},
        {"foot without lines", noLinesFoot, {{10, 280, 390, 280}, {}, {10, 20, 390, 280}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Armalyx::TitleLayout::LayOut(c.Input), c.Expected);
    }
}

TEST(TitleLayout, AShownBoxIsNarrowedToTheWidestLineWhenAdjustFrameIsOn) {
    struct TCase {
        std::string Name;
        TAlignment Alignment;
        bool BoxShown;
        bool AdjustFrame;
        TRect TitleRect;
    };
    // The widest line (100) plus one W (11): 111 pixels.
    const TCase cases[] = {
        {"left", taLeftJustify, true, true, {10, 20, 121, 48}},
        {"right", taRightJustify, true, true, {279, 20, 390, 48}},
        {"centred", taCenter, true, true, {145, 20, 255, 48}},
        {"adjusting off", taCenter, true, false, {10, 20, 390, 48}},
        {"no box drawn", taCenter, false, true, {10, 20, 390, 48}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto input = TwoLines(TTitlePlace::tpTop, c.Alignment);
        input.BoxShown = c.BoxShown;
        input.AdjustFrame = c.AdjustFrame;
        const Armalyx::TitleLayout::TLayout layout = Armalyx::TitleLayout::LayOut(input);
        EXPECT_EQ(layout.TitleRect, c.TitleRect);
        EXPECT_EQ(layout.ChartRect.Top, 53) << "the box never changes the room taken";
    }
}
