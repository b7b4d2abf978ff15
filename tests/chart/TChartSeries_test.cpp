// The data side of a series: sorted insertion, parallel point lists, statistics, colours,
// labels, repaint requests and the visible range.
#include "ChartTestSupport.h"
#include "TChart.h"
#include "TLineSeries.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

std::vector<double> Values(const TChartValueList& list) {
    std::vector<double> values;
    for (std::int32_t i = 0; i < list.ValueCount(); ++i) {
        values.push_back(list.ValueAt(i));
    }
    return values;
}

} // namespace

TEST(TChartValueList, AscendingInsertKeepsArrivalOrderOfEqualValuesAndMovesPointsAlong) {
    TLineSeries series;
    series.AddPoint(3, 30, "c", clRed);
    series.AddPoint(1, 10, "a", clGreen);
    series.AddPoint(2, 20, "b1", clBlue);
    series.AddPoint(2, 21, "b2", clUseSeriesColor);
    EXPECT_EQ(Values(series.XValues()), (std::vector<double>{1, 2, 2, 3}));
    EXPECT_EQ(Values(series.YValues()), (std::vector<double>{10, 20, 21, 30}));
    EXPECT_EQ(series.PointLabel(1), "b1");
    EXPECT_EQ(series.PointLabel(2), "b2");
    EXPECT_EQ(series.PointColor(0), clGreen);
    EXPECT_EQ(series.PointColor(3), clRed);
}

TEST(TChartValueList, OrderNoneAndDescendingPlaceValuesAsConfigured) {
    TLineSeries plain;
    plain.XValues().SetOrder(loNone);
    for (double x : {3.0, 1.0, 2.0}) {
        plain.AddPoint(x, 0, "", clUseSeriesColor);
    }
    EXPECT_EQ(Values(plain.XValues()), (std::vector<double>{3, 1, 2}));

    TLineSeries descending;
    descending.XValues().SetOrder(loDescending);
    for (double x : {1.0, 3.0, 2.0, 3.0}) {
        descending.AddPoint(x, x, "", clUseSeriesColor);
    }
    EXPECT_EQ(Values(descending.XValues()), (std::vector<double>{3, 3, 2, 1}));
}

TEST(TChartValueList, MultiplierScalesReadsAndStatistics) {
    TLineSeries series;
    series.AddPoint(1, 5, "", clUseSeriesColor);
    series.AddPoint(2, -3, "", clUseSeriesColor);
    EXPECT_EQ(series.YMaximum(), 5);
    series.YValues().SetMultiplier(2);
    EXPECT_EQ(series.YValueAt(0), 10);
    EXPECT_EQ(series.YMaximum(), 10);
    EXPECT_EQ(series.YMinimum(), -6);
    EXPECT_EQ(series.YValues().TotalValue(), 4);
    EXPECT_EQ(series.YValues().TotalAbsValue(), 16);
}

TEST(TChartValueList, StatisticsOfEmptyListAreZeroAlsoAfterClearing) {
    TLineSeries series;
    EXPECT_EQ(series.YMaximum(), 0);
    series.AddPoint(1, 7, "", clUseSeriesColor);
    series.AddPoint(2, 9, "", clUseSeriesColor);
    EXPECT_EQ(series.YMinimum(), 7);
    series.ClearPoints();
    EXPECT_EQ(series.PointCount(), 0);
    EXPECT_EQ(series.YMinimum(), 0);
    EXPECT_EQ(series.YMaximum(), 0);
    EXPECT_EQ(series.YValues().TotalValue(), 0);
}

TEST(TChartValueList, IndexOutsideTheListRaisesIndexError) {
    TLineSeries series;
    series.AddPoint(1, 1, "", clUseSeriesColor);
    EXPECT_THROW(series.XValues().ValueAt(1), std::out_of_range);
    EXPECT_THROW(series.XValues().ValueAt(-1), std::out_of_range);
    EXPECT_THROW(series.XValues().InsertAt(3, 0), std::out_of_range);
    EXPECT_THROW(series.XValues().RemoveValue(5), std::out_of_range);
    try {
        series.YValues().ReplaceValue(4, 0);
        FAIL();
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (4)");
    }
}

TEST(TChartSeries, PointColorFollowsSeriesColorAndFallsBackOutsideTheList) {
    TLineSeries series;
    series.SetSeriesColor(clTeal);
    series.AddPoint(1, 1, "", clUseSeriesColor);
    series.AddPoint(2, 2, "", clNone);
    EXPECT_EQ(series.PointColor(0), clTeal);
    series.SetSeriesColor(clNavy);
    EXPECT_EQ(series.PointColor(0), clNavy);
    EXPECT_TRUE(series.IsNull(1));
    EXPECT_EQ(series.PointColor(7), clNavy);
    EXPECT_EQ(series.PointColor(-1), clNavy);
    EXPECT_EQ(series.PointLabel(7), "");
    series.SetColorEachPoint(true);
    EXPECT_EQ(series.PointColor(0), Armalyx::PaletteColor(0));
}

TEST(TChartSeries, AddPointKeepsColoursWithTheirPointsAfterDirectListChanges) {
    TLineSeries series;
    series.SetSeriesColor(clTeal);
    // Values put into the lists directly have no colour or label of their own.
    for (const double x : {1.0, 2.0, 3.0}) {
        series.YValues().InsertAt(series.XValues().InsertSorted(x), x * 10);
    }
    EXPECT_EQ(series.AddPoint(4, 40, "four", clRed), 3);
    EXPECT_EQ(series.AddPoint(0, 0, "", clGreen), 0);
    const TColor expected[] = {clGreen, clTeal, clTeal, clTeal, clRed};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(series.PointColor(i), expected[i]);
    }
    EXPECT_EQ(series.PointLabel(4), "four");
    EXPECT_EQ(series.PointLabel(1), "");
}

TEST(TChartSeries, OnBeforeAddCanRefuseAPoint) {
    TLineSeries series;
    series.OnBeforeAdd = [](TChartSeries&) { return false; };
    EXPECT_EQ(series.AddPoint(1, 1, "", clUseSeriesColor), -1);
    EXPECT_EQ(series.PointCount(), 0);
}

TEST(TChart, NewSeriesTakeTheFirstFreePaletteColourAndKeepExplicitOnes) {
    TChart chart;
    chart.SetColor(clGreen);
    auto& first = chart.AddSeries(std::make_unique<TLineSeries>());
    auto explicitSeries = std::make_unique<TLineSeries>();
    explicitSeries->SetSeriesColor(clYellow);
    chart.AddSeries(std::move(explicitSeries));
    auto& third = chart.AddSeries(std::make_unique<TLineSeries>());
    EXPECT_EQ(first.SeriesColor(), clRed);
    EXPECT_EQ(chart.Series(1).SeriesColor(), clYellow);
    EXPECT_EQ(third.SeriesColor(), clBlue);
    EXPECT_EQ(first.ParentChart(), &chart);
    EXPECT_EQ(first.GetHorizAxis(), &chart.BottomAxis());
    EXPECT_EQ(first.GetVertAxis(), &chart.LeftAxis());
    EXPECT_THROW(chart.Series(3), std::out_of_range);
}

TEST(TChart, AllPaletteColoursTakenGivesRed) {
    TChart chart;
    for (int i = 0; i < kPaletteSize; ++i) {
        chart.AddSeries(std::make_unique<TLineSeries>());
    }
    EXPECT_EQ(chart.Series(kPaletteSize - 1).SeriesColor(), clBlack);
    EXPECT_EQ(chart.AddSeries(std::make_unique<TLineSeries>()).SeriesColor(), clRed);
}

TEST(TChartSeries, SettersRepaintOnlyOnRealChangesAndInactiveSeriesAddQuietly) {
    TChart chart;
    auto& series = chart.AddSeries(std::make_unique<TLineSeries>());
    const int before = chart.RepaintRequests();
    series.SetTitle("");
    series.SetSeriesColor(series.SeriesColor());
    series.SetActive(true);
    EXPECT_EQ(chart.RepaintRequests(), before);
    series.SetTitle("Tanks");
    EXPECT_EQ(chart.RepaintRequests(), before + 1);
    series.AddPoint(1, 1, "", clUseSeriesColor);
    EXPECT_EQ(chart.RepaintRequests(), before + 2);
    auto& line = static_cast<TLineSeries&>(series);
    line.LinePen().SetStyle(TPenStyle::psDot);
    line.Pointer().Pen().SetColor(clRed);
    EXPECT_EQ(chart.RepaintRequests(), before + 4);
    series.SetActive(false);
    const int inactive = chart.RepaintRequests();
    series.AddPoint(2, 2, "", clUseSeriesColor);
    EXPECT_EQ(chart.RepaintRequests(), inactive);
}

struct TVisibleRangeCase {
    std::vector<double> xs;
    std::int32_t first;
    std::int32_t last;
};

TEST(TChartSeries, VisibleRangeStartsAtLeftEdgeAndKeepsFirstPointBeyondRightEdge) {
    // Bottom axis 6..53 over 20..653 pixels.
    const std::vector<TVisibleRangeCase> cases{
        {{1, 2, 3, 4, 5, 6, 7, 52, 53, 54, 60}, 5, 8},
        {{1, 2, 3}, -1, -1},
        {{}, -1, -1},
        {{5.5, 6.5, 10}, 1, 2},
        {{7, 60, 61}, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &c - cases.data());
        auto chart = Armalyx::ChartTestSupport::MappedChart({20, 15, 653, 370}, 6, 53, -51, 20000);
        auto& series = chart->AddSeries(std::make_unique<TLineSeries>());
        for (double x : c.xs) {
            series.AddPoint(x, 0, "", clUseSeriesColor);
        }
        series.UpdateVisibleRange();
        EXPECT_EQ(series.FirstVisibleIndex(), c.first);
        EXPECT_EQ(series.LastVisibleIndex(), c.last);
    }
}
