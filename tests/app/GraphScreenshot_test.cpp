// The "Graph" page as a person sees it: the real window with the sample data after two vehicle
// picks, rendered off-screen, checked on a handful of facts that do not depend on font metrics.

#include "TForm1Fixture.h"

#include <TChart.h>
#include <TChartColors.h>
#include <TChartGraphic.h>
#include <TChartLegend.h>
#include <TChartPicture.h>

#include <QImage>
#include <QTabWidget>

#include <cstdlib>

namespace {

constexpr TColor kSeries4Color = clAqua;
constexpr TColor kSeries5Color = 0xC08000;

bool Near(QRgb pixel, QColor expected, int tolerance) {
    return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
           std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
           std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

bool Is(QRgb pixel, TColor color) {
    return Near(pixel, Armalyx::ToQColor(color), 0);
}

} // namespace

class TGraphScreenshotTest : public TForm1Fixture {
protected:
    // The chart after picking the third and the seventh vehicle of the sample data.
    QImage RenderGraphAfterTwoPicks() {
        CopySampleData();
        ShowAndActivate();
        ClickRow(3);
        ClickRow(7);
        EXPECT_TRUE(Errors().empty());
        Driver().PageControl1->setCurrentIndex(1);
        return Driver().Chart1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    TChart& Chart() { return *Driver().Chart1; }
};

TEST_F(TGraphScreenshotTest, BackWallFrameIsBlackAroundThePlot) {
    const QImage image = RenderGraphAfterTwoPicks();
    const TRect plot = Chart().ChartRect();
    ASSERT_GT(plot.Width(), 100);
    ASSERT_GT(plot.Height(), 100);
    // Curves are clipped inside the frame, so its top row and right column keep the frame's black,
    // except for the dots of the grid lines of the axis ends (20,000 and 53) that run along them.
    const auto checkEdge = [&](int count, auto pixelAt, const char* edge) {
        int black = 0;
        for (int i = 0; i < count; ++i) {
            const QRgb pixel = pixelAt(i);
            EXPECT_TRUE(Is(pixel, clBlack) || Is(pixel, clGray)) << edge << " pixel " << i;
            black += Is(pixel, clBlack) ? 1 : 0;
        }
        EXPECT_GE(black, count / 3) << edge;
    };
    checkEdge(
        plot.Width() + 1, [&](int i) { return image.pixel(plot.Left + i, plot.Top); }, "top");
    checkEdge(
        plot.Height() + 1, [&](int i) { return image.pixel(plot.Right, plot.Top + i); }, "right");
    int blackAbove = 0;
    for (int x = plot.Left; x <= plot.Right; ++x) {
        blackAbove += Is(image.pixel(x, plot.Top - 1), clBlack) ? 1 : 0;
    }
    EXPECT_LT(blackAbove, plot.Width() / 4) << "the frame is one pixel thick";
}

TEST_F(TGraphScreenshotTest, BackgroundBandsShowInsideThePlot) {
    const QImage image = RenderGraphAfterTwoPicks();
    const TRect plot = Chart().ChartRect();
    TChartGraphic* picture = Chart().BackImage().Graphic();
    ASSERT_NE(picture, nullptr);
    const QImage bands = picture->Bitmap();
    ASSERT_EQ(bands.size(), QSize(420, 299));
    // The picture fills the plot with its top and bottom frame lines left free. Samples lie between
    // grid lines (half months, values off the thousands); curves may still cover a few of them.
    const int top = plot.Top + 1;
    const int height = plot.Height() - 2;
    QRgb previousBand = 0;
    for (const double month : {8.5, 17.5, 29.5, 41.5, 50.5}) {
        SCOPED_TRACE(month);
        const int x = Chart().BottomAxis().ValueToPixel(month);
        const int column = (x - plot.Left) * bands.width() / plot.Width();
        const QRgb band = bands.pixel(column, 20);
        EXPECT_NE(band, previousBand) << "neighbouring bands differ";
        previousBand = band;
        int matches = 0;
        int samples = 0;
        for (double value = 19750; value > 16000; value -= 500) {
            const int y = Chart().LeftAxis().ValueToPixel(value);
            const int row = (y - top) * bands.height() / height;
            matches += Near(image.pixel(x, y), QColor(bands.pixel(column, row)), 12) ? 1 : 0;
            ++samples;
        }
        EXPECT_GT(matches, samples / 2) << "band at month " << month;
    }
}

TEST_F(TGraphScreenshotTest, LegendBoxHasItsFrameAndShadow) {
    const QImage image = RenderGraphAfterTwoPicks();
    const TRect legend = Chart().Legend().LegendRect();
    ASSERT_GT(legend.Width(), 20);
    ASSERT_GT(legend.Height(), 20);
    const int middle = (legend.Top + legend.Bottom) / 2;
    // The frame lies one pixel outside the legend rectangle, the shadow three pixels beyond it.
    EXPECT_TRUE(Is(image.pixel(legend.Left - 1, middle), clBlack));
    EXPECT_TRUE(Is(image.pixel(legend.Right, middle), clBlack));
    for (int x = legend.Right + 1; x <= legend.Right + 3; ++x) {
        EXPECT_TRUE(Is(image.pixel(x, middle), clBlack)) << "shadow at x = " << x;
    }
    EXPECT_FALSE(Is(image.pixel(legend.Right + 4, middle), clBlack)) << "shadow is 3 pixels wide";
    for (int x = legend.Left + 4; x <= legend.Right; ++x) {
        EXPECT_TRUE(Is(image.pixel(x, legend.Bottom + 3), clBlack)) << "shadow below at x = " << x;
    }
    int white = 0;
    for (int y = legend.Top; y < legend.Bottom; ++y) {
        for (int x = legend.Left; x < legend.Right; ++x) {
            white += Is(image.pixel(x, y), clWhite) ? 1 : 0;
        }
    }
    EXPECT_GT(white, legend.Width() * legend.Height() / 2) << "the box is filled white";
}

TEST_F(TGraphScreenshotTest, ProductionCurveIsDottedAndSummedProductionSolid) {
    const QImage image = RenderGraphAfterTwoPicks();
    const TRect legend = Chart().Legend().LegendRect();
    const int symbolLeft = legend.Left + 4;
    const int symbolRight = symbolLeft + Chart().Legend().SymbolWidth();
    ASSERT_GT(symbolRight - symbolLeft, 6);
    // The row of a symbol: the legend row in which that colour appears in the symbol column.
    const auto symbolRow = [&](TColor color) {
        for (int y = legend.Top; y < legend.Bottom; ++y) {
            for (int x = symbolLeft; x < symbolRight; ++x) {
                if (Is(image.pixel(x, y), color)) {
                    return y;
                }
            }
        }
        return -1;
    };
    const int dottedRow = symbolRow(kSeries5Color);
    const int solidRow = symbolRow(kSeries4Color);
    ASSERT_GE(dottedRow, 0);
    ASSERT_GE(solidRow, 0);
    int dots = 0;
    int gaps = 0;
    int run = 0;
    int longestRun = 0;
    for (int x = symbolLeft; x < symbolRight; ++x) {
        const bool dot = Is(image.pixel(x, dottedRow), kSeries5Color);
        dots += dot ? 1 : 0;
        gaps += dot ? 0 : 1;
        run = dot ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    EXPECT_GT(dots, 0);
    EXPECT_GT(gaps, 0);
    EXPECT_LE(longestRun, 3) << "dots of at most three pixels";
    for (int x = symbolLeft; x < symbolRight; ++x) {
        EXPECT_TRUE(Is(image.pixel(x, solidRow), kSeries4Color)) << "solid symbol at x = " << x;
    }
    // The dotted curve itself is drawn inside the plot in its own colour.
    const TRect plot = Chart().ChartRect();
    int curvePixels = 0;
    for (int y = plot.Top; y < plot.Bottom; ++y) {
        for (int x = plot.Left; x < plot.Right; ++x) {
            curvePixels += Is(image.pixel(x, y), kSeries5Color) ? 1 : 0;
        }
    }
    EXPECT_GT(curvePixels, 100);
}

TEST_F(TGraphScreenshotTest, AxisLabelsAndTitleLeaveThePanelShowing) {
    const QImage image = RenderGraphAfterTwoPicks();
    const TRect plot = Chart().ChartRect();
    // The bands of the left and bottom labels and the title above the plot lie on the panel,
    // which is not white; letters are drawn without a box of their own around them.
    const TRect bands[] = {{2, plot.Top - 5, plot.Left - 6, plot.Bottom + 5},
                           {plot.Left - 10, plot.Bottom + 6, plot.Right, image.height() - 3},
                           {plot.Left, 3, plot.Right, plot.Top - 2}};
    ASSERT_FALSE(Is(image.pixel(1, 1), clWhite));
    for (const TRect& band : bands) {
        int white = 0;
        for (int y = band.Top; y < band.Bottom; ++y) {
            for (int x = band.Left; x < band.Right; ++x) {
                white += Is(image.pixel(x, y), clWhite) ? 1 : 0;
            }
        }
        EXPECT_EQ(white, 0) << "band at " << band.Left << "," << band.Top;
    }
}

TEST_F(TGraphScreenshotTest, NoPureWhitePixelLiesInsideThePlot) {
    const QImage image = RenderGraphAfterTwoPicks();
    const TRect plot = Chart().ChartRect();
    // The pale picture has no pure white, so white inside the frame would be a gap of the dotted
    // production curve filled with the background colour instead of showing picture and grid.
    int white = 0;
    for (int y = plot.Top + 1; y < plot.Bottom; ++y) {
        for (int x = plot.Left + 1; x < plot.Right; ++x) {
            white += Is(image.pixel(x, y), clWhite) ? 1 : 0;
        }
    }
    EXPECT_EQ(white, 0);
}
