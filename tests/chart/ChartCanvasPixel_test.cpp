// Pixel conventions of the drawing surface, checked on a real off-screen image.

#include "TCanvasPixelFixture.h"

#include <cstdlib>

namespace {

struct LineCase {
    const char* name;
    int x0, y0, x1, y1;
};

} // namespace

TEST_F(TCanvasPixelFixture, LineCoversStartPixelButNotEndPixelInEveryDirection) {
    const LineCase cases[] = {
        {"right", 2, 5, 10, 5},        {"left", 10, 5, 2, 5},        {"down", 5, 2, 5, 12},
        {"up", 5, 12, 5, 2},           {"down-right", 2, 2, 10, 10}, {"up-left", 10, 10, 2, 2},
        {"down-left", 10, 2, 2, 10},   {"up-right", 2, 10, 10, 2},   {"shallow", 3, 4, 20, 9},
        {"steep back", 20, 25, 14, 3},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        Reset(40, 30);
        Canvas().DrawLine(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(Pixel(c.x0, c.y0), kBlack);
        EXPECT_EQ(Pixel(c.x1, c.y1), kWhite);
        const auto expected = std::max(std::abs(c.x1 - c.x0), std::abs(c.y1 - c.y0));
        EXPECT_EQ(static_cast<int>(LitPixels().size()), expected);
    }
}

TEST_F(TCanvasPixelFixture, ConnectedLinesMeetWithoutGapOrDoubleEnd) {
    Canvas().MovePenTo(2, 2);
    Canvas().DrawLineTo(8, 2);
    Canvas().DrawLineTo(8, 6);
    EXPECT_EQ(Pixel(8, 2), kBlack);
    EXPECT_EQ(Pixel(8, 6), kWhite);
    EXPECT_EQ(LitPixels().size(), 10u);
}

TEST_F(TCanvasPixelFixture, FilledRectangleCoversLeftToRightMinusOne) {
    Canvas().Pen().SetStyle(TPenStyle::psClear);
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRectangle({2, 3, 10, 8});
    const auto lit = LitPixels();
    ASSERT_EQ(lit.size(), 8u * 5u);
    EXPECT_EQ(lit.front(), std::make_pair(2, 3));
    EXPECT_EQ(lit.back(), std::make_pair(9, 7));
    EXPECT_EQ(Pixel(2, 3), 0xFF0000u);
}

TEST_F(TCanvasPixelFixture, OutlinedRectangleLiesInsideTheBoxItFills) {
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    Canvas().DrawRectangle(2, 3, 10, 8);
    for (const auto& [x, y] : LitPixels()) {
        EXPECT_TRUE(x == 2 || x == 9 || y == 3 || y == 7) << x << "," << y;
        EXPECT_TRUE(x >= 2 && x <= 9 && y >= 3 && y <= 7) << x << "," << y;
    }
    EXPECT_EQ(LitPixels().size(), 2u * 8u + 2u * 3u);
    EXPECT_EQ(Pixel(9, 7), kBlack);
}

TEST_F(TCanvasPixelFixture, FilledAndOutlinedRectangleShareOneBox) {
    Canvas().Brush().SetColor(clBlue);
    Canvas().DrawRectangleR({2, 3, 10, 8});
    EXPECT_EQ(Pixel(2, 3), kBlack);
    EXPECT_EQ(Pixel(9, 7), kBlack);
    EXPECT_EQ(Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(Pixel(10, 5), kWhite);
    EXPECT_EQ(Pixel(5, 8), kWhite);
}

TEST_F(TCanvasPixelFixture, Frame3DPaintsTopLeftAndBottomRightEdges) {
    Canvas().DrawFrame3D({2, 2, 12, 10}, clRed, clBlue, 2);
    const QRgb red = 0xFF0000;
    const QRgb blue = 0x0000FF;
    const struct {
        int x, y;
        QRgb color;
    } expected[] = {
        {2, 2, red},   {10, 2, red},  {11, 2, blue},  {2, 8, red},     {2, 9, blue},
        {11, 9, blue}, {6, 9, blue},  {11, 5, blue},  {3, 3, red},     {10, 8, blue},
        {9, 3, red},   {10, 3, blue}, {4, 4, kWhite}, {12, 5, kWhite}, {5, 10, kWhite},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(::testing::Message() << e.x << "," << e.y);
        EXPECT_EQ(Pixel(e.x, e.y), e.color);
    }
}

TEST_F(TCanvasPixelFixture, ClipToCubeLetsThroughTheInsideOfTheFrame) {
    Reset(120, 60);
    Canvas().ClipToCube({0, 0, 100, 50}, 0, 100);
    Canvas().Brush().SetColor(clBlack);
    Canvas().FillRectangle({0, 0, 120, 60});
    const auto lit = LitPixels();
    ASSERT_EQ(lit.size(), 99u * 48u);
    EXPECT_EQ(lit.front(), std::make_pair(1, 1));
    EXPECT_EQ(lit.back(), std::make_pair(99, 48));
    Canvas().RemoveClip();
    Canvas().FillRectangle({0, 0, 120, 60});
    EXPECT_EQ(LitPixels().size(), 120u * 60u);
}

TEST_F(TCanvasPixelFixture, DottedLineGapsFollowTheBackgroundMode) {
    for (const TBackMode mode : {TBackMode::bmTransparent, TBackMode::bmOpaque}) {
        SCOPED_TRACE(mode == TBackMode::bmOpaque ? "opaque" : "transparent");
        Reset(40, 30);
        Canvas().Pen().SetStyle(TPenStyle::psClear);
        Canvas().Brush().SetColor(clGreen);
        Canvas().FillRectangle({0, 0, 40, 30});
        Canvas().Pen() = TDottedGrayPen();
        Canvas().SetBackMode(mode);
        Canvas().SetBackColor(clYellow);
        Canvas().DrawHorizLine(0, 12, 4);
        const QRgb gap = mode == TBackMode::bmOpaque ? 0xFFFF00 : 0x008000;
        const QRgb expected[] = {0x808080, 0x808080, 0x808080, gap, gap, gap,
                                 0x808080, 0x808080, 0x808080, gap, gap, gap};
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(Pixel(x, 4), expected[x]) << x;
        }
        EXPECT_EQ(Pixel(12, 4), 0x008000u);
    }
}

TEST_F(TCanvasPixelFixture, SmallDotsSetEveryOtherPixel) {
    TChartPen pen;
    pen.SetSmallDots(true);
    Canvas().ApplyChartPen(pen);
    Canvas().DrawHorizLine(0, 10, 1);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(IsLit(x, 1), x % 2 == 0) << x;
    }
}

TEST_F(TCanvasPixelFixture, InvisiblePenDrawsNothing) {
    Canvas().ApplyChartPen(TChartHiddenPen());
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    Canvas().DrawLine(0, 0, 30, 20);
    Canvas().DrawRectangle(2, 2, 20, 20);
    Canvas().DrawPolygon({{1, 1}, {20, 1}, {10, 15}}, 2);
    EXPECT_TRUE(LitPixels().empty());
    EXPECT_EQ(Canvas().Pen().Color(), clBlack);
}

TEST_F(TCanvasPixelFixture, RotatedTextAbove360TurnsLikeItsRemainder) {
    Reset(60, 60);
    Canvas().WriteRotatedText(30, 50, 450, QStringLiteral("1942"));
    const QImage turned450 = Image().copy();
    Reset(60, 60);
    Canvas().WriteRotatedText(30, 50, 90, QStringLiteral("1942"));
    EXPECT_EQ(turned450, Image());
    const auto lit = LitPixels();
    ASSERT_FALSE(lit.empty());
    int minX = 60, maxX = 0, minY = 60, maxY = 0;
    for (const auto& [x, y] : lit) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    // Turned a quarter counter-clockwise, the text runs upwards from its anchor.
    EXPECT_GT(maxY - minY, maxX - minX);
    EXPECT_LE(maxY, 50);
    EXPECT_EQ(Canvas().Brush().Style(), TBrushStyle::bsClear);
}

TEST_F(TCanvasPixelFixture, TextAlignmentPicksTheReferencePoint) {
    Reset(80, 40);
    Canvas().SetTextAlignment(kTextAlignRight | kTextAlignBottom);
    Canvas().WriteText(60, 30, QStringLiteral("WW"));
    for (const auto& [x, y] : LitPixels()) {
        EXPECT_LT(x, 60);
        EXPECT_LT(y, 30);
    }
    EXPECT_FALSE(LitPixels().empty());
}
