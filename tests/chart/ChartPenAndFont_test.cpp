// Pens, brushes and fonts: defaults of the pen variants, change notification only on a real
// change, and the pixel sizes the surface gives Qt.

#include "LineRaster.h"
#include "TChartBrush.h"
#include "TChartCanvas3D.h"
#include "TChartFont.h"
#include "TChartPen.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include <climits>

TEST(ChartPen, VariantsDifferFromThePlainPenOnlyWhereTheyShould) {
    const struct {
        const char* name;
        TChartPen pen;
        TColor color;
        int width;
        TPenStyle style;
        bool visible;
    } cases[] = {
        {"plain", TChartPen(), clBlack, 1, TPenStyle::psSolid, true},
        {"hidden", TChartHiddenPen(), clBlack, 1, TPenStyle::psSolid, false},
        {"dotted gray", TDottedGrayPen(), clGray, 1, TPenStyle::psDot, true},
        {"dark gray", TDarkGrayPen(), clGray, 1, TPenStyle::psSolid, true},
        {"axis", TChartAxisPen(), clBlack, 2, TPenStyle::psSolid, true},
        {"arrow", TChartArrowPen(), clWhite, 1, TPenStyle::psSolid, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.pen.Color(), c.color);
        EXPECT_EQ(c.pen.Width(), c.width);
        EXPECT_EQ(c.pen.Style(), c.style);
        EXPECT_EQ(c.pen.Visible(), c.visible);
        EXPECT_EQ(c.pen.Mode(), TPenMode::pmCopy);
        EXPECT_FALSE(c.pen.SmallDots());
    }
}

TEST(ChartPen, NotifiesOwnerOnlyWhenASettingReallyChanges) {
    TChartPen pen;
    int changes = 0;
    pen.SetOnChange([&changes] { ++changes; });
    pen.SetVisible(true);
    pen.SetColor(clBlack);
    pen.SetSmallDots(false);
    EXPECT_EQ(changes, 0);
    pen.SetVisible(false);
    pen.SetSmallDots(true);
    pen.SetWidth(3);
    EXPECT_EQ(changes, 3);
    pen = TDottedGrayPen();
    EXPECT_EQ(changes, 4);
    TChartPen copy(pen);
    copy.SetColor(clRed);
    EXPECT_EQ(changes, 4);

    TChartBrush brush;
    brush.SetOnChange([&changes] { ++changes; });
    brush.SetStyle(TBrushStyle::bsSolid);
    EXPECT_EQ(changes, 4);
    brush.SetStyle(TBrushStyle::bsClear);
    EXPECT_EQ(changes, 5);
}

TEST(ChartPen, ApplyingAChartPenSetsTheSurfacePen) {
    TChartCanvas3D canvas;
    TChartPen hidden(clRed, 3, TPenStyle::psSolid, false);
    canvas.ApplyChartPen(hidden);
    EXPECT_EQ(canvas.Pen().Style(), TPenStyle::psClear);
    EXPECT_EQ(canvas.Pen().Color(), clBlack);

    TChartPen dotted(clRed, 1, TPenStyle::psDash, true);
    dotted.SetSmallDots(true);
    canvas.ApplyChartPen(dotted);
    EXPECT_TRUE(canvas.Pen().SmallDots());
    EXPECT_EQ(canvas.Pen().Color(), clRed);

    canvas.ApplyChartPen(TChartAxisPen());
    EXPECT_FALSE(canvas.Pen().SmallDots());
    EXPECT_EQ(canvas.Pen().Width(), 2);
    EXPECT_EQ(canvas.Pen().Style(), TPenStyle::psSolid);
}

TEST(ChartFont, PointSizesBecomePixelHeightsAt96Dpi) {
    const struct { int points, pixels; } cases[] = {{8, 11}, {10, 13}, {12, 16}, {9, 12}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        EXPECT_EQ(Armalyx::PointsToPixels(c.points), c.pixels);
    }
    EXPECT_EQ(Armalyx::ToQFont(TChartFont(QStringLiteral("Arial"), 8, clBlack)).pixelSize(), 11);
}

TEST(ChartFont, ClassicFaceNamesResolveToLiberationFaces) {
    for (const char* name : {"Arial", "MS Sans Serif"}) {
        SCOPED_TRACE(name);
        const QFontInfo info(Armalyx::ToQFont(TChartFont(QString::fromLatin1(name), 8, clBlack)));
        EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans"));
    }
}

TEST(ChartFont, TextMeasuresInTheCurrentFont) {
    TChartCanvas3D canvas;
    canvas.AssignFont(TChartFont(QStringLiteral("Arial"), 8, clBlack));
    const int lineHeight = canvas.TextLineHeight();
    EXPECT_GE(lineHeight, 11);
    EXPECT_EQ(canvas.MeasureTextWidth(QString()), 0);
    const int w = canvas.MeasureTextWidth(QStringLiteral("W"));
    EXPECT_GT(canvas.MeasureTextWidth(QStringLiteral("WW")), w);
    canvas.Font().SetSize(16);
    EXPECT_GT(canvas.TextLineHeight(), lineHeight);
}

TEST(LineRaster, FarOffEndsAreWalkedOnlyInsideTheLimit) {
    const TRect limit{0, 0, 100, 50};
    const auto pixels = Armalyx::LinePixels({0, 10}, {INT_MAX, 10}, limit);
    ASSERT_EQ(pixels.size(), 100u);
    EXPECT_EQ(pixels.back().Point, (TPoint{99, 10}));
    const auto steep = Armalyx::LinePixels({50, INT_MIN}, {50, INT_MAX}, limit);
    ASSERT_EQ(steep.size(), 50u);
    EXPECT_EQ(steep.front().Index, -static_cast<long long>(INT_MIN));
    EXPECT_TRUE(Armalyx::LinePixels({5, 5}, {5, 5}, limit).empty());
    EXPECT_TRUE(Armalyx::LinePixels({-10, -10}, {-5, 60}, limit).empty());
}

TEST(LineRaster, DashPatternsOfThePenStyles) {
    EXPECT_EQ(Armalyx::PenDashPattern(TPenStyle::psDot, false), (std::vector<int>{3, 3}));
    EXPECT_EQ(Armalyx::PenDashPattern(TPenStyle::psDash, false), (std::vector<int>{18, 6}));
    EXPECT_EQ(Armalyx::PenDashPattern(TPenStyle::psSolid, true), (std::vector<int>{1, 1}));
    EXPECT_TRUE(Armalyx::PenDashPattern(TPenStyle::psInsideFrame, false).empty());
    const std::vector<int> dot{3, 3};
    EXPECT_TRUE(Armalyx::PatternIsOn(dot, 2));
    EXPECT_FALSE(Armalyx::PatternIsOn(dot, 3));
    EXPECT_TRUE(Armalyx::PatternIsOn(dot, 6));
}
