// Panel layout of a frame: margins, the upright rule, axis room, the order of the layers and
// which axes are shown.
#include "ChartMath.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Armalyx::ChartTestSupport;

TEST(ChartLayout, MarginsOfTheProgramChartGiveItsPlotRectangle) {
    const TRect rect = Armalyx::ChartMath::RectAfterMargins(kChartBounds, {3, 4, 3, 4}, 0);
    EXPECT_EQ(rect, (TRect{20, 15, 653, 370}));
    EXPECT_EQ(Armalyx::ChartMath::RectAfterMargins(kChartBounds, {3, 4, 3, 4}, 2),
              (TRect{22, 17, 651, 368}));
}

TEST(ChartLayout, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(Armalyx::ChartMath::MulDiv(3, 673, 100), 20); // 20.19
    EXPECT_EQ(Armalyx::ChartMath::MulDiv(4, 385, 100), 15); // 15.4
    EXPECT_EQ(Armalyx::ChartMath::MulDiv(1, 50, 100), 1);   // 0.5
    EXPECT_EQ(Armalyx::ChartMath::MulDiv(-1, 50, 100), -1); // -0.5
    EXPECT_EQ(Armalyx::ChartMath::MulDiv(5, 7, 0), 0);
}

TEST(ChartLayout, RecalcWidthHeightKeepsThePlotRectangleUpright) {
    struct TCase {
        TRect in;
        TRect out;
    };
    const TRect bounds{0, 0, 400, 250};
    const TCase cases[] = {
        {{-5, -3, 100, 90}, {0, 0, 100, 90}},
        {{50, 60, 40, 20}, {50, 60, 51, 61}},
        {{50, 60, 50, 60}, {50, 60, 450, 310}},
        {{10, 10, 500, 300}, {10, 10, 500, 300}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &c - cases);
        EXPECT_EQ(Armalyx::ChartMath::KeepRectUpright(c.in, bounds, 400, 250), c.out);
    }
    auto chart = MappedChart({50, 60, 40, 20}, 0, 1, 0, 1);
    EXPECT_EQ(chart->ChartWidth(), 1);
    EXPECT_EQ(chart->ChartHeight(), 1);
    EXPECT_EQ(chart->ChartXCenter(), 50);
    EXPECT_EQ(chart->ChartYCenter(), 60);
}

TEST(ChartLayout, AxesReserveTheirBandsAroundThePlot) {
    TRecordedChart recorded = ProgramChart();
    recorded.AddLine(clRed);
    recorded.DrawFrame();
    TChart& chart = *recorded.Chart;
    // Top: title line 13 + gap 5. Bottom: title line 13 + label line 13 + ticks 4.
    // Left: "20,000" + blank = 42, + 6.
    EXPECT_EQ(chart.ChartRect(), (TRect{68, 33, 653, 340}));
    EXPECT_EQ(chart.BottomAxis().TitlePos(), 357);
    EXPECT_EQ(chart.BottomAxis().LabelsPos(), 344);
    EXPECT_EQ(chart.LeftAxis().LabelsPos(), 62);
    EXPECT_EQ(chart.BottomAxis().PixelStart(), 68);
    EXPECT_EQ(chart.BottomAxis().PixelEnd(), 653);
    EXPECT_EQ(chart.LeftAxis().PixelStart(), 33);
    EXPECT_EQ(chart.LeftAxis().PixelEnd(), 340);
    EXPECT_EQ(chart.LeftAxis().PixelCenter(), 186);
    EXPECT_EQ(chart.BottomAxis().TickAreaSize(), 4);
    EXPECT_EQ(chart.LeftAxis().TickAreaSize(), 6);
}

TEST(ChartLayout, TopAndRightAxesShowOnlyWithoutActiveSeries) {
    TRecordedChart recorded = ProgramChart();
    TChart& chart = *recorded.Chart;
    EXPECT_TRUE(chart.IsAxisShown(chart.TopAxis()));
    EXPECT_TRUE(chart.IsAxisShown(chart.RightAxis()));
    EXPECT_FALSE(chart.IsAxisShown(chart.DepthAxis()));
    auto& series = recorded.AddLine(clRed);
    EXPECT_TRUE(chart.IsAxisShown(chart.BottomAxis()));
    EXPECT_TRUE(chart.IsAxisShown(chart.LeftAxis()));
    EXPECT_FALSE(chart.IsAxisShown(chart.TopAxis()));
    EXPECT_FALSE(chart.IsAxisShown(chart.RightAxis()));
    series.SetActive(false);
    EXPECT_TRUE(chart.IsAxisShown(chart.TopAxis()));
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.IsAxisShown(chart.BottomAxis()));
}

TEST(ChartLayout, FrameDrawsPanelWallAxesThenSeries) {
    TRecordedChart recorded = ProgramChart();
    auto& series = recorded.AddLine(clRed);
    series.AddPoint(6, 0, "", clUseSeriesColor);
    series.AddPoint(53, 20000, "", clUseSeriesColor);
    // Without the legend the plot keeps its right edge after the margins.
    recorded.Chart->Legend().SetVisible(false);
    recorded.DrawFrame();
    const std::vector<QString> names = recorded.Canvas->Names();
    auto indexOf = [&](const QString& name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    const TRect plot = recorded.Chart->ChartRect();
    const std::vector<int> wallArgs{plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1};
    const auto& calls = recorded.Canvas->Calls;
    const auto wallAt =
        std::find_if(calls.begin(), calls.end(),
                     [&](const TRecordedCall& call) {
                         return call.Operation == "DrawRectangle" && call.Args == wallArgs;
                     }) -
        calls.begin();
    ASSERT_EQ(names.front(), "FillRectangle");
    EXPECT_EQ(names[1], "DrawFrame3D");
    // Legend box and title text come before the plot is fixed; the wall after it.
    EXPECT_LT(indexOf("DrawFrame3D"), indexOf("DrawRectangle"));
    EXPECT_LT(indexOf("WriteText"), indexOf("SetupProjection"));
    EXPECT_LT(indexOf("SetupProjection"), wallAt);
    EXPECT_LT(wallAt, indexOf("WriteText3D"));
    EXPECT_LT(indexOf("DrawVertLine"), indexOf("ClipToCube"));
    EXPECT_LT(indexOf("ClipToCube"), indexOf("DrawLine"));
    EXPECT_LT(indexOf("DrawLine"), indexOf("RemoveClip"));
    EXPECT_EQ(names.back(), "EndDrawing");

    const auto frame = recorded.Canvas->Named("DrawFrame3D").front();
    EXPECT_EQ(frame.Args, (std::vector<int>{0, 0, 673, 385, static_cast<int>(clBtnHighlight),
                                            static_cast<int>(clBtnShadow), 1}));
    const TRecordedCall& wall = calls[static_cast<std::size_t>(wallAt)];
    EXPECT_EQ(wall.Brush.Style(), TBrushStyle::bsClear);
    EXPECT_EQ(wall.Pen.Color(), clBlack);
    const auto clip = recorded.Canvas->Named("ClipToCube").front();
    EXPECT_EQ(clip.Args, (std::vector<int>{plot.Left, plot.Top, plot.Right, plot.Bottom, 0, 0}));
}

TEST(ChartLayout, UnchangedRepaintOnlyCopiesTheKeptFrame) {
    TRecordedChart recorded = ProgramChart();
    recorded.AddLine(clRed);
    recorded.Chart->Paint();
    recorded.Chart->Paint();
    EXPECT_EQ(recorded.Canvas->BeginCount, 1);
    EXPECT_EQ(recorded.Canvas->ReuseCount, 1);
    recorded.Chart->Series(0).AddPoint(10, 10, "", clUseSeriesColor);
    recorded.Chart->Paint();
    EXPECT_EQ(recorded.Canvas->BeginCount, 2);
}

TEST(ChartLayout, VerticalLegendIsLaidOutBeforeTheTitle) {
    TRecordedChart recorded = ProgramChart();
    recorded.AddLine(clRed).SetTitle("One");
    recorded.AddLine(clBlue).SetTitle("Two");
    recorded.DrawFrame();
    const auto& calls = recorded.Canvas->Calls;
    const auto first = [&](const QString& operation, const QString& text) {
        return std::find_if(calls.begin(), calls.end(),
                            [&](const TRecordedCall& call) {
                                return call.Operation == operation && call.Text == text;
                            }) -
               calls.begin();
    };
    EXPECT_LT(first("WriteText", "One"), first("WriteText", "Total Available AFVs"));
    // The title is centred over the plot that the legend left.
    const TRect legend = recorded.Chart->Legend().LegendRect();
    EXPECT_LT(recorded.Chart->ChartRect().Right, legend.Left);
}

TEST(ChartLayout, SettersRepaintOnceOnChangeAndNeverForTheSameValue) {
    TRecordedChart recorded = ProgramChart();
    TChart& chart = *recorded.Chart;
    const int before = chart.RepaintRequests();
    chart.SetView3D(false);
    chart.SetMarginLeft(3);
    chart.LeftAxis().SetIncrement(1000);
    chart.BackWall().SetColor(clUseSeriesColor);
    chart.BottomAxis().Title().SetCaption(chart.BottomAxis().Title().Caption());
    EXPECT_EQ(chart.RepaintRequests(), before);
    chart.SetMarginLeft(5);
    EXPECT_EQ(chart.RepaintRequests(), before + 1);
    chart.LeftAxis().Grid().SetColor(clRed);
    EXPECT_EQ(chart.RepaintRequests(), before + 2);
    chart.SetBackColor(clYellow);
    EXPECT_EQ(chart.BackWall().Brush().Style(), TBrushStyle::bsClear); // not in a window
}

TEST(ChartLayout, ExtremeSettingsDrawWithoutOverflow) {
    TRecordedChart recorded = ProgramChart();
    TChart& chart = *recorded.Chart;
    auto& series = recorded.AddLine(clRed);
    series.AddPoint(1, 1e300, "", clUseSeriesColor);
    series.AddPoint(2, -1e300, "", clUseSeriesColor);
    series.Pointer().SetVisible(true);
    series.Pointer().SetHorizSize(std::numeric_limits<int>::max());
    chart.LeftAxis().SetAutomatic(true);
    chart.LeftAxis().SetTickLength(std::numeric_limits<int>::max());
    chart.LeftAxis().SetMinorTickCount(-5);
    chart.BottomAxis().SetEndPosition(1e12);
    chart.BottomAxis().SetPositionPercent(-1e12);
    chart.BottomAxis().SetLabelsSeparation(0);
    chart.BottomAxis().SetIncrement(0);
    recorded.DrawFrame();
    EXPECT_LE(chart.BottomAxis().TickPositions().size(), TCustomChartAxis::kTickCapacity);
}

TEST(ChartLayout, RemovedSeriesLeavesTheChartAndComesBack) {
    TRecordedChart recorded = ProgramChart();
    auto& series = recorded.AddLine(clRed);
    std::unique_ptr<TChartSeries> removed = recorded.Chart->RemoveSeries(series);
    ASSERT_EQ(removed.get(), &series);
    EXPECT_EQ(recorded.Chart->SeriesCount(), 0);
    EXPECT_EQ(removed->ParentChart(), nullptr);
    removed->SetTitle("quiet"); // no chart left to repaint
    EXPECT_EQ(recorded.Chart->RemoveSeries(*removed), nullptr);
}

TEST(ChartLayout, ExtremeBandSizesDrawWithoutOverflow) {
    TRecordedChart recorded = ProgramChart();
    TChart& chart = *recorded.Chart;
    recorded.AddLine(clRed).AddPoint(10, 10, "", clUseSeriesColor);
    chart.LeftAxis().Title().SetCaption("Vehicles");
    chart.LeftAxis().SetTitleSize(std::numeric_limits<int>::max());
    chart.LeftAxis().SetLabelsSize(std::numeric_limits<int>::min());
    chart.BottomAxis().SetLabelsSize(std::numeric_limits<int>::min());
    chart.BottomAxis().SetLabelsMultiLine(true);
    chart.BottomAxis().SetPositionPercent(1e300);
    recorded.DrawFrame();
    EXPECT_FALSE(recorded.Canvas->Named("WriteRotatedText3D").empty());
}
