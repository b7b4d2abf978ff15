// A chart painted through the real surface: the frame reaches the window, is kept while nothing
// changes and is re-created at a new size.
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
    EXPECT_EQ(Pixel(image, plot.Right + 1, middle), ToQColor(clBtnFace).rgb() & 0xFFFFFFu);
    const int lineY = chart.LeftAxis().ValueToPixel(50);
    EXPECT_EQ(Pixel(image, plot.Left + 40, lineY), 0x0000FFu) << "blue series line";
    EXPECT_EQ(Pixel(image, 0, 0), 0xFFFFFFu & ToQColor(clBtnHighlight).rgb()) << "bevel";
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
