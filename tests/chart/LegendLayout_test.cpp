// The legend's layout arithmetic on plain numbers: box, rows, columns and symbol sizes for each
// alignment, the item under a point, and what the plot keeps beside the legend.
#include "LegendLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// A 400 x 300 panel whose plot leaves 10 and 20 pixels at the sides; three items of 30, 50 and
// 40 pixels in a 14-pixel font; the default colour width, top position, shadow and frame.
Armalyx::LegendLayout::TInput ThreeItems(TLegendAlignment alignment) {
    Armalyx::LegendLayout::TInput input;
    input.Alignment = alignment;
    input.ChartBounds = {0, 0, 400, 300};
    input.ChartRect = {10, 20, 390, 280};
    input.FontH = 14;
    input.TextWidths = {30, 50, 40};
    input.ColorWidth = 12;
    input.TopPos = 10;
    input.MaxNumRows = 10;
    input.ShadowSize = 3;
    input.FrameVisible = true;
    input.FrameWidth = 1;
    return input;
}

struct TExpected {
    TRect Rect;
    int Rows;
    int Columns;
    int SymbolWidth;
    int TextX;
    int SymbolX;
};

void ExpectLayout(const Armalyx::LegendLayout::TLayout& layout, const TExpected& expected) {
    EXPECT_EQ(layout.Rect, expected.Rect);
    EXPECT_EQ(layout.RowCount, expected.Rows);
    EXPECT_EQ(layout.ColumnCount, expected.Columns);
    EXPECT_EQ(layout.SymbolWidth, expected.SymbolWidth);
    EXPECT_EQ(layout.TextX, expected.TextX);
    EXPECT_EQ(layout.SymbolX, expected.SymbolX);
}

} // namespace

TEST(LegendLayout, VerticalLegendsStackTheRowsThatFitBesideThePlot) {
    struct TCase {
        std::string Name;
        Armalyx::LegendLayout::TInput Input;
        TExpected Expected;
    };
    auto rightCut = ThreeItems(laRight);
    rightCut.ChartRect.Bottom = 60; // room for two rows: the third, widest text no longer counts
    rightCut.TextWidths = {30, 50, 90};
    auto left = ThreeItems(laLeft);
    left.FrameVisible = false;
    auto belowThePlot = ThreeItems(laRight);
    belowThePlot.TopPos = 100;
    auto noFont = ThreeItems(laRight);
    noFont.FontH = 0;
    auto empty = ThreeItems(laRight);
    empty.TextWidths.clear();
    const TCase cases[] = {
        // top 10 % of 300; w 50; symbol Round(60 * 12 %) = 7; right edge 390 - frame 2 - shadow 3
        {"right", ThreeItems(laRight), {{318, 30, 385, 74}, 3, 1, 7, 333, 322}},
        {"right, cut to two rows", rightCut, {{318, 30, 385, 60}, 2, 1, 7, 333, 322}},
        {"left, hidden frame", left, {{10, 30, 77, 74}, 3, 1, 7, 25, 14}},
        {"top below the plot", belowThePlot, {{374, 300, 385, 302}, 0, 1, 1, 383, 378}},
        {"no font height", noFont, {{374, 30, 385, 32}, 0, 1, 1, 383, 378}},
        {"no items", empty, {{374, 30, 385, 32}, 0, 1, 1, 383, 378}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ExpectLayout(Armalyx::LegendLayout::LayOut(c.Input), c.Expected);
    }
}

TEST(LegendLayout, HorizontalLegendsFillColumnsCentredAndShiftedByTopPos) {
    struct TCase {
        std::string Name;
        Armalyx::LegendLayout::TInput Input;
        TExpected Expected;
    };
    // allW 54, symbol Round(54 * 12 %) = 6, column 68; box 206 wide, shifted Round(10 % of 194)
    auto narrow = ThreeItems(laTop);
    narrow.ChartRect = {0, 20, 150, 280};
    auto oneRow = narrow;
    oneRow.MaxNumRows = 1;
    auto noRoom = ThreeItems(laBottom);
    noRoom.ChartRect.Right = 8;
    const TCase cases[] = {
        {"top", ThreeItems(laTop), {{116, 22, 322, 38}, 1, 3, 6, 130, 120}},
        {"bottom", ThreeItems(laBottom), {{116, 259, 322, 275}, 1, 3, 6, 130, 120}},
        {"two columns", narrow, {{30, 22, 172, 52}, 2, 2, 6, 44, 34}},
        {"rows capped by MaxNumRows", oneRow, {{30, 22, 172, 38}, 1, 2, 6, 44, 34}},
        {"plot ends left of the padding", noRoom, {{50, 273, 48, 275}, 0, 0, 6, 64, 54}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ExpectLayout(Armalyx::LegendLayout::LayOut(c.Input), c.Expected);
    }
}

TEST(LegendLayout, RowsStartBelowTheBoxTopOneFontHeightApart) {
    const auto vertical = Armalyx::LegendLayout::LayOut(ThreeItems(laRight));
    EXPECT_EQ(vertical.RowOrigin(0), (TPoint{333, 31}));
    EXPECT_EQ(vertical.RowOrigin(2), (TPoint{333, 59}));
    auto input = ThreeItems(laTop);
    input.ChartRect = {0, 20, 150, 280};
    const auto horizontal = Armalyx::LegendLayout::LayOut(input);
    EXPECT_EQ(horizontal.RowOrigin(1), (TPoint{44 + 64, 23}));
    EXPECT_EQ(horizontal.RowOrigin(2), (TPoint{44, 37}));
}

TEST(LegendLayout, ItemAtFindsTheRowAndColumnUnderAPoint) {
    struct TCase {
        std::string Name;
        TPoint Point;
        int Item;
    };
    auto firstTwo = ThreeItems(laRight);
    firstTwo.FirstValue = 2;
    const auto vertical = Armalyx::LegendLayout::LayOut(ThreeItems(laRight));
    const auto shifted = Armalyx::LegendLayout::LayOut(firstTwo);
    const TCase verticalCases[] = {
        {"first row", {320, 31}, 0},        {"second row", {384, 45}, 1},
        {"last pixel row", {320, 72}, 2},   {"below the rows", {320, 73}, -1},
        {"left of the box", {317, 31}, -1}, {"right edge is outside", {385, 31}, -1},
    };
    for (const TCase& c : verticalCases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(vertical.ItemAt(c.Point), c.Item);
        EXPECT_EQ(shifted.ItemAt(c.Point), c.Item < 0 ? -1 : c.Item + 2);
    }

    auto twoColumns = ThreeItems(laTop);
    twoColumns.ChartRect = {0, 20, 150, 280};
    const auto horizontal = Armalyx::LegendLayout::LayOut(twoColumns); // symbols start at 34 and 98
    const TCase horizontalCases[] = {
        {"first column", {31, 25}, 0},  {"left of the first symbol", {30, 25}, 0},
        {"second column", {98, 25}, 1}, {"second row", {31, 40}, 2},
        {"empty cell", {100, 40}, -1},
    };
    for (const TCase& c : horizontalCases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(horizontal.ItemAt(c.Point), c.Item);
    }
    EXPECT_EQ(Armalyx::LegendLayout::TLayout{}.ItemAt({0, 0}), -1);
}

TEST(LegendLayout, ThePlotGivesUpTheBoxAndAGap) {
    struct TCase {
        std::string Name;
        Armalyx::LegendLayout::TShrinkInput Input;
        TRect Expected;
    };
    const TRect chart{10, 20, 390, 280}; // 3 % of 380 = 11, 4 % of 260 = 10
    const TRect rightBox{318, 30, 385, 74};
    const TRect topBox{116, 22, 322, 38};
    const TCase cases[] = {
        {"right", {laRight, chart, rightBox, true, 0, 0, 3}, {10, 20, 307, 280}},
        {"right, kept size", {laRight, chart, rightBox, false, 0, 0, 3}, {10, 20, 379, 280}},
        {"right, own margin", {laRight, chart, rightBox, true, 5, 0, 3}, {10, 20, 313, 280}},
        {"left", {laLeft, chart, {10, 30, 77, 74}, true, 0, 0, 3}, {88, 20, 390, 280}},
        {"top, below the shadow", {laTop, chart, topBox, true, 0, 0, 3}, {10, 51, 390, 280}},
        {"bottom", {laBottom, chart, {116, 259, 322, 275}, true, 0, 7, 3}, {10, 20, 390, 252}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Armalyx::LegendLayout::ChartRectBeside(c.Input), c.Expected);
    }
}
