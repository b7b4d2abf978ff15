// A chart painted through the real surface: the frame reaches the window, is kept while nothing
// changes and is re-created at a new size.
#include "ChartTestSupport.h"
#include "TChart.h"
#include "TChartCanvas3D.h"
#include "TLineSeries.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {
QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// One frame of the chart drawn afresh into a picture of its size.
QImage Frame(TChart& chart) {
    chart.Canvas().MarkBufferDirty();
    QImage image(Armalyx::ChartTestSupport::kChartWidth, Armalyx::ChartTestSupport::kChartHeight,
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    chart.Draw(&image, Armalyx::ChartTestSupport::kChartBounds);
    return image;
}
} // namespace

TEST(ChartPaint, BackWallFrameAndSeriesReachTheWindow) {
    TChart chart;
    chart.resize(673, 385);
    chart.SetView3D(false);
    auto& series = chart.AddSeries(std::make_unique<TLineSeries>());
    series.SetSeriesColor(clBlue);
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetMaximum(53);
    chart.BottomAxis().SetMinimum(6);
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetMaximum(100);
    chart.LeftAxis().SetMinimum(0);
    series.AddPoint(6, 50, "", clUseSeriesColor);
    series.AddPoint(53, 50, "", clUseSeriesColor);
    const QImage image = chart.grab().toImage();
    const TRect plot = chart.ChartRect();
    const int middle = (plot.Top + plot.Bottom) / 2 + 3;
    // The right frame line is black, crossed by the dotted grey grid line of the label 53.
    int black = 0;
    for (int y = plot.Top; y <= plot.Bottom; ++y) {
        const QRgb colour = Pixel(image, plot.Right, y);
        EXPECT_TRUE(colour == 0x000000u || colour == 0x808080u) << y;
        black += colour == 0x000000u ? 1 : 0;
    }
    EXPECT_GT(black, plot.Height() / 3);
    EXPECT_EQ(Pixel(image, plot.Right + 1, middle), Armalyx::ToQColor(clBtnFace).rgb() & 0xFFFFFFu);
    const int lineY = chart.LeftAxis().ValueToPixel(50);
    EXPECT_EQ(Pixel(image, plot.Left + 40, lineY), 0x0000FFu) << "blue series line";
    EXPECT_EQ(Pixel(image, 0, 0), 0xFFFFFFu & Armalyx::ToQColor(clBtnHighlight).rgb()) << "bevel";
}

TEST(ChartPaint, UnchangedRepaintReusesTheFrameAndResizeMakesANewPicture) {
    TChart chart;
    chart.resize(300, 200);
    auto& canvas = dynamic_cast<TChartCanvas3D&>(chart.Canvas());
    chart.grab();
    chart.grab();
    EXPECT_EQ(canvas.BufferCreations(), 1);
    EXPECT_TRUE(canvas.BufferValid());
    chart.resize(320, 210);
    const QImage image = chart.grab().toImage();
    EXPECT_EQ(canvas.BufferCreations(), 2);
    EXPECT_EQ(canvas.Buffer().size(), QSize(320, 210));
    EXPECT_EQ(image.size(), QSize(320, 210));
}

TEST(ChartPaint, DottedCurveShowsPictureAndGridThroughItsGaps) {
    Armalyx::ChartTestSupport::TRecordedChart recorded = Armalyx::ChartTestSupport::ProgramChart();
    TChart& chart = *recorded.Chart;
    chart.SetCanvas(std::make_unique<TChartCanvas3D>());
    Armalyx::ChartTestSupport::LoadProgramPicture(chart);
    // A dotted zigzag over the whole plot, across picture, grid lines and the axis ends.
    TLineSeries& dotted = recorded.AddLine(clNavy);
    dotted.LinePen().SetStyle(TPenStyle::psDot);
    for (int month = 1; month <= 60; ++month) {
        dotted.AddPoint(month, month % 2 == 0 ? 19500 : (month * 331) % 15000, "",
                        clUseSeriesColor);
    }
    // The same frame with the pen hidden has the same layout and shows what lies below the line.
    dotted.LinePen().SetVisible(false);
    const QImage below = Frame(chart);
    dotted.LinePen().SetVisible(true);
    const QImage drawn = Frame(chart);
    const QRgb navy = Armalyx::ToQColor(clNavy).rgb() & 0xFFFFFF;
    int dots = 0;
    int changedOtherwise = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (Pixel(drawn, x, y) == Pixel(below, x, y)) {
                continue;
            }
            (Pixel(drawn, x, y) == navy ? dots : changedOtherwise) += 1;
        }
    }
    EXPECT_GT(dots, 1000);
    EXPECT_EQ(changedOtherwise, 0) << "every pixel under a gap keeps the picture or the grid";
}
