#include "Chart1Configuration.h"

#include <TChart.h>
#include <TChartBrush.h>
#include <TChartPen.h>
#include <TChartPicture.h>
#include <TChartTitle.h>
#include <TLineSeries.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TExpectedSeries {
    const char* Name;
    const char* Title;
    TColor Color;
};

} // namespace

TEST(Chart1Configuration, EightLineSeriesInChartOrderWithTitlesAndColours) {
    TChart chart;
    const TChart1Series series = Armalyx::ConfigureChart1(chart);
    const TExpectedSeries expected[] = {
        {"Series1", "Total In service", 0x000000},
        {"Series2", "Tanks", 0x0000FF},
        {"Series7", "n/a", 0xFF0000},
        {"Series3", "Losses", 0x808080},
        {"Series5", "Production & Lend Lease", 12615680},
        {"Series4", "Total Soviet Production", 0xFFFF00},
        {"Series6", "Percentage @ 10000", 33023},
        {"Series8", "Percentage @ 10000", 4227072},
    };
    ASSERT_EQ(chart.SeriesCount(), 8);
    for (int i = 0; i < 8; ++i) {
        const TExpectedSeries& e = expected[i];
        auto& line = dynamic_cast<TLineSeries&>(chart.Series(i));
        EXPECT_EQ(line.Name(), QString::fromLatin1(e.Name));
        EXPECT_EQ(line.Title(), QString::fromLatin1(e.Title)) << e.Name;
        EXPECT_EQ(line.SeriesColor(), e.Color) << e.Name;
        EXPECT_EQ(line.PointCount(), 0);
        EXPECT_EQ(line.XValues().Name(), QStringLiteral("X"));
        EXPECT_EQ(line.XValues().Order(), loAscending);
        EXPECT_EQ(line.YValues().Name(), QStringLiteral("Y"));
        EXPECT_EQ(line.YValues().Order(), loNone);
        EXPECT_FALSE(line.XValues().DateTime());
        EXPECT_EQ(line.YValues().Multiplier(), 1.0);
        EXPECT_FALSE(line.Marks().Visible());
        EXPECT_EQ(line.Marks().ArrowLength(), 8);
        EXPECT_FALSE(line.Dark3D());
        EXPECT_FALSE(line.Pointer().Visible());
        EXPECT_TRUE(line.Pointer().InflateMargins());
        EXPECT_EQ(line.LinePen().Style(),
                  line.Name() == QStringLiteral("Series5") ? TPenStyle::psDot : TPenStyle::psSolid)
            << e.Name;
    }
    EXPECT_EQ(&chart.Series(0), series.Series1);
    EXPECT_EQ(&chart.Series(2), series.Series7);
    EXPECT_EQ(&chart.Series(4), series.Series5);
    EXPECT_EQ(&chart.Series(7), series.Series8);
}

TEST(Chart1Configuration, AxesShowMonthsSixToFiftyThreeAndTheFleetRange) {
    TChart chart;
    Armalyx::ConfigureChart1(chart);
    EXPECT_FALSE(chart.BottomAxis().Automatic());
    EXPECT_EQ(chart.BottomAxis().Minimum(), 6.0);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 53.0);
    EXPECT_EQ(chart.BottomAxis().Increment(), 1.0);
    EXPECT_EQ(chart.BottomAxis().TickLength(), 2);
    EXPECT_EQ(chart.BottomAxis().MinorTickLength(), 4);
    EXPECT_EQ(chart.BottomAxis().MinorTickCount(), 1);
    const QString title = chart.BottomAxis().Title().Caption();
    EXPECT_EQ(title.size(), 116);
    EXPECT_TRUE(title.startsWith(QStringLiteral("1941                      1942")));
    EXPECT_TRUE(title.endsWith(QStringLiteral("1944                  1945")));
    EXPECT_FALSE(chart.LeftAxis().Automatic());
    EXPECT_EQ(chart.LeftAxis().Minimum(), -51.0);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 20000.0);
    EXPECT_EQ(chart.LeftAxis().Increment(), 1000.0);
    EXPECT_EQ(chart.Title().Text(), QStringList{QStringLiteral("Total Available AFVs")});
    EXPECT_TRUE(chart.BackImageInside());
    EXPECT_FALSE(chart.AllowZoom());
    EXPECT_FALSE(chart.View3D());
    EXPECT_EQ(chart.BackWall().Brush().Color(), clWhite);
    EXPECT_EQ(chart.BackWall().Brush().Style(), TBrushStyle::bsClear);
    EXPECT_EQ(chart.BackImage().Width(), 420);
}

TEST(Chart1Configuration, BackgroundPictureIsTheStoredYearBands) {
    TChartPicture picture;
    ASSERT_TRUE(Armalyx::LoadChart1BackImage(picture));
    EXPECT_EQ(picture.Width(), 420);
    EXPECT_EQ(picture.Height(), 299);
}
