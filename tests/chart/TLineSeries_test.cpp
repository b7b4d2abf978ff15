// Line series drawing: which segments a frame draws, in which colour and style, and what a
// series asks of its axes and draws in the legend.
#include "ChartException.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

using namespace Armalyx::ChartTestSupport;

namespace {

struct TPoint2 {
    double x;
    double y;
    TColor color = clUseSeriesColor;
};

// The program's chart (plot 68..653 x 15..340, axes 6..53 and -51..20000) with one red series.
struct TLineFrame : TRecordedChart {
    TLineSeries* Series = nullptr;

    explicit TLineFrame(std::initializer_list<TPoint2> points) : TRecordedChart(ProgramChart()) {
        Series = &AddLine(clRed);
        for (const TPoint2& p : points) {
            Series->AddPoint(p.x, p.y, "", p.color);
        }
        DrawFrame();
    }
    std::vector<TRecordedCall> Lines() const { return Canvas->Named("DrawLine"); }
    int X(double x) const { return Chart->BottomAxis().ValueToPixel(x); }
    int Y(double y) const { return Chart->LeftAxis().ValueToPixel(y); }
};

} // namespace

TEST(TLineSeries, NoPointsOrOnePointDrawNothingAndCallNoHooks) {
    int hooks = 0;
    TRecordedChart recorded = ProgramChart();
    auto& series = recorded.AddLine(clRed);
    series.BeforeDrawValues = [&](TChartSeries&) { ++hooks; };
    series.AfterDrawValues = [&](TChartSeries&) { ++hooks; };
    recorded.DrawFrame();
    EXPECT_EQ(hooks, 0);
    EXPECT_TRUE(recorded.Canvas->Named("ClipToCube").empty());
    series.AddPoint(10, 100, "", clUseSeriesColor);
    recorded.DrawFrame();
    EXPECT_EQ(hooks, 2);
    EXPECT_TRUE(recorded.Canvas->Named("DrawLine").empty());
}

TEST(TLineSeries, SegmentsTakeTheColourOfThePointTheyEndAt) {
    TLineFrame frame({{10, 0}, {20, 1000, clGreen}, {30, 2000}});
    const auto lines = frame.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Args,
              (std::vector<int>{frame.X(10), frame.Y(0), frame.X(20), frame.Y(1000)}));
    EXPECT_EQ(lines[0].Pen.Color(), clGreen);
    EXPECT_EQ(lines[1].Pen.Color(), clRed);
    EXPECT_EQ(lines[1].Brush.Style(), TBrushStyle::bsClear);
    EXPECT_EQ(lines[1].BackMode, TBackMode::bmTransparent) << "gaps show what lies below";
}

TEST(TLineSeries, PointsOnTheSamePixelDrawNoSegment) {
    TLineFrame frame({{10, 100}, {10.001, 100}, {20, 100}});
    const auto lines = frame.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Args[0], frame.X(10));
}

TEST(TLineSeries, NullPointLeavesAGap) {
    TLineFrame frame({{10, 0}, {20, 500, clNone}, {30, 1000}, {40, 1500}});
    const auto lines = frame.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Args,
              (std::vector<int>{frame.X(30), frame.Y(1000), frame.X(40), frame.Y(1500)}));
}

TEST(TLineSeries, PointBeyondTheDrawableRangeIsSkipped) {
    TLineFrame frame({{10, 0}, {20, 1e9}, {30, 1000}});
    const auto lines = frame.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Args,
              (std::vector<int>{frame.X(10), frame.Y(0), frame.X(30), frame.Y(1000)}));
}

TEST(TLineSeries, SkippedFirstPointStartsANewLine) {
    const struct {
        const char* name;
        std::initializer_list<TPoint2> points;
    } cases[] = {
        {"first point of the series", {{10, 1e9}, {20, 1000}, {30, 2000}}},
        {"first point inside the plot", {{5, 0}, {10, 1e9}, {20, 1000}, {30, 2000}}},
        {"first two points", {{10, 1e9}, {15, -1e9}, {20, 1000}, {30, 2000}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The frame before ends its line elsewhere; nothing of it is joined to this one.
        TLineFrame frame({{40, 15000}, {50, 18000}});
        frame.Series->ClearPoints();
        for (const TPoint2& p : c.points) {
            frame.Series->AddPoint(p.x, p.y, "", p.color);
        }
        frame.DrawFrame();
        const auto lines = frame.Lines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].Args,
                  (std::vector<int>{frame.X(20), frame.Y(1000), frame.X(30), frame.Y(2000)}));
    }
}

TEST(TLineSeries, OverflowingValueLeavesThePlotTowardsTheEdgeItExceeds) {
    for (const double huge : {1e15, -1e15}) {
        SCOPED_TRACE(huge);
        TLineFrame frame({{10, 1000}, {20, huge}, {30, 2000}});
        const int beyond = huge > 0 ? -32766 : 32766;
        const auto lines = frame.Lines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].Args,
                  (std::vector<int>{frame.X(10), frame.Y(1000), frame.X(20), beyond}));
        EXPECT_EQ(lines[1].Args,
                  (std::vector<int>{frame.X(20), beyond, frame.X(30), frame.Y(2000)}));
    }
    // Entering at the left edge from such a value comes in from beyond the edge as well.
    TLineFrame entering({{5, 1e15}, {7, 1000}});
    ASSERT_EQ(entering.Lines().size(), 1u);
    EXPECT_EQ(entering.Lines()[0].Args,
              (std::vector<int>{68, -32766, entering.X(7), entering.Y(1000)}));
}

TEST(TLineSeries, LineEntersAtTheLeftEdgeAtTheInterpolatedHeight) {
    TLineFrame frame({{5.5, 0}, {6.5, 1000}, {10, 1000}});
    const auto lines = frame.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Args, (std::vector<int>{68, frame.Y(500), frame.X(6.5), frame.Y(1000)}));

    // A point exactly on the edge: the entering segment has no length.
    TLineFrame onEdge({{5, 0}, {6, 1000}, {7, 1000}});
    ASSERT_EQ(onEdge.Lines().size(), 1u);
    EXPECT_EQ(onEdge.Lines()[0].Args[0], 68);
}

TEST(TLineSeries, LineRunsToTheFirstPointBeyondTheRightEdgeUnderTheClip) {
    TLineFrame frame({{52, 0}, {54, 1000}, {60, 2000}});
    const auto lines = frame.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Args[2], frame.X(54));
    const auto names = frame.Canvas->Names();
    const auto clip = std::find(names.begin(), names.end(), "ClipToCube");
    const auto line = std::find(names.begin(), names.end(), "DrawLine");
    const auto unclip = std::find(names.begin(), names.end(), "RemoveClip");
    EXPECT_LT(clip, line);
    EXPECT_LT(line, unclip);
}

TEST(TLineSeries, DottedAndHiddenPensReachTheSurface) {
    TRecordedChart recorded = ProgramChart();
    auto& series = recorded.AddLine(clRed);
    series.LinePen().SetStyle(TPenStyle::psDot);
    series.AddPoint(10, 0, "", clUseSeriesColor);
    series.AddPoint(20, 10, "", clUseSeriesColor);
    recorded.DrawFrame();
    EXPECT_EQ(recorded.Canvas->Named("DrawLine").at(0).Pen.Style(), TPenStyle::psDot);
    series.LinePen().SetVisible(false);
    recorded.DrawFrame();
    EXPECT_EQ(recorded.Canvas->Named("DrawLine").at(0).Pen.Style(), TPenStyle::psClear);
}

TEST(TLineSeries, LegendSymbolIsAHorizontalLineThroughTheMiddle) {
    TRecordedChart recorded = ProgramChart();
    auto& series = recorded.AddLine(clTeal);
    series.LinePen().SetStyle(TPenStyle::psDot);
    recorded.Canvas->Clear();
    series.DrawLegendSymbol(*recorded.Canvas, -1, {500, 40, 520, 51});
    const auto lines = recorded.Canvas->Named("DrawHorizLine");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Args, (std::vector<int>{500, 520, 45}));
    EXPECT_EQ(lines[0].Pen.Color(), clTeal);
    EXPECT_EQ(lines[0].Pen.Style(), TPenStyle::psDot);
    series.SetColorEachPoint(true);
    recorded.Canvas->Clear();
    series.DrawLegendSymbol(*recorded.Canvas, -1, {500, 40, 520, 51});
    EXPECT_TRUE(recorded.Canvas->Calls.empty());
}

TEST(TLineSeries, OnlyAVisiblePointerAsksForMarginsAndSizesMustBePositive) {
    TLineSeries series;
    EXPECT_EQ(series.RequestHorizMargins().Start, 0);
    EXPECT_EQ(series.RequestVertMargins().End, 0);
    series.Pointer().SetVisible(true);
    EXPECT_EQ(series.RequestHorizMargins().Start, 5);
    EXPECT_EQ(series.RequestVertMargins().End, 5);
    try {
        series.Pointer().SetHorizSize(0);
        FAIL();
    } catch (const ChartException& error) {
        EXPECT_STREQ(error.what(), "Pointer size must be greater than zero");
    }
    EXPECT_EQ(series.Pointer().HorizSize(), 4);
    EXPECT_THROW(series.Pointer().SetVertSize(-3), ChartException);
}
