// The chart on a high-resolution screen: at a device pixel ratio of 2 the "Graph" page keeps its
// layout in chart pixels and is drawn at the device's full resolution, not as an enlarged 1x
// picture and without blur.

#include "TForm1Fixture.h"

#include <TChart.h>
#include <TChartColors.h>
#include <TChartLegend.h>

#include <QImage>

namespace {

struct TRenderedChart {
    QImage Image;
    TRect Plot;
    TRect Legend;
};

// How the 2x frame's 2 x 2 blocks relate to the 1x frame's pixels.
struct TBlockComparison {
    int Blocks = 0;
    int SameAsOneX = 0; // all four device pixels have the 1x pixel's colour
    int Detailed = 0;   // the four device pixels are not all alike
};

TBlockComparison CompareBlocks(const QImage& oneX, const QImage& twoX, const TRect& area) {
    TBlockComparison result;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            const QRgb block[] = {twoX.pixel(2 * x, 2 * y), twoX.pixel(2 * x + 1, 2 * y),
                                  twoX.pixel(2 * x, 2 * y + 1), twoX.pixel(2 * x + 1, 2 * y + 1)};
            const bool alike = std::all_of(std::begin(block), std::end(block),
                                           [&](QRgb p) { return p == block[0]; });
            ++result.Blocks;
            result.SameAsOneX += alike && block[0] == oneX.pixel(x, y) ? 1 : 0;
            result.Detailed += alike ? 0 : 1;
        }
    }
    return result;
}

bool IsBlack(QRgb pixel) {
    return (pixel & 0xFFFFFF) == 0;
}

} // namespace

class TGraphHiDpiTest : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        PickSampleChart();
    }

    // The chart drawn off-screen into a picture of the given device pixel ratio.
    TRenderedChart Render(int ratio) {
        TChart& chart = *Driver().Chart1;
        QImage image(chart.width() * ratio, chart.height() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::magenta);
        chart.Draw(&image, TRect{0, 0, chart.width(), chart.height()});
        return {image, chart.ChartRect(), chart.Legend().LegendRect()};
    }
};

TEST_F(TGraphHiDpiTest, TwiceTheRatioGivesTwiceThePixelsAndTheSameLayout) {
    const TRenderedChart oneX = Render(1);
    const TRenderedChart twoX = Render(2);
    EXPECT_EQ(twoX.Image.size(), oneX.Image.size() * 2);
    EXPECT_EQ(twoX.Plot, oneX.Plot) << "the layout stays in chart pixels";
    EXPECT_EQ(twoX.Legend, oneX.Legend);
    // Nothing of the picture is left undrawn.
    for (const QImage& image : {oneX.Image, twoX.Image}) {
        int untouched = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                untouched += image.pixel(x, y) == QColor(Qt::magenta).rgb() ? 1 : 0;
            }
        }
        EXPECT_EQ(untouched, 0);
    }
}

TEST_F(TGraphHiDpiTest, FramesAndBoxesLieAtTwiceTheirPositions) {
    const TRenderedChart oneX = Render(1);
    const TRenderedChart twoX = Render(2);
    const TRect& plot = oneX.Plot;
    const TRect& legend = oneX.Legend;
    const int width = oneX.Image.width();
    const int height = oneX.Image.height();
    // The plot's frame and the legend's frame and shadow, as rows and columns of 1x pixels: each
    // becomes a band of 2 x 2 blocks of exactly the same colours, with no blur at their edges.
    const TRect edges[] = {
        {plot.Left, plot.Top, plot.Right + 1, plot.Top + 1},               // plot top
        {plot.Right, plot.Top, plot.Right + 1, plot.Bottom},               // plot right
        {legend.Left - 1, legend.Top, legend.Left, legend.Bottom},         // legend left frame
        {legend.Right, legend.Top, legend.Right + 4, legend.Bottom},       // legend right + shadow
        {legend.Left + 4, legend.Bottom, legend.Right, legend.Bottom + 4}, // frame + shadow below
        {0, 0, width, 1}, // the panel's outer bevel
        {0, height - 1, width, height},
    };
    for (const TRect& edge : edges) {
        SCOPED_TRACE(::testing::Message() << "edge " << edge.Left << "," << edge.Top << " - "
                                          << edge.Right << "," << edge.Bottom);
        const TBlockComparison blocks = CompareBlocks(oneX.Image, twoX.Image, edge);
        EXPECT_GT(blocks.Blocks, 0);
        EXPECT_EQ(blocks.SameAsOneX, blocks.Blocks);
    }
    const int middle = (legend.Top + legend.Bottom) / 2;
    EXPECT_TRUE(IsBlack(twoX.Image.pixel(2 * legend.Right + 7, 2 * middle)));
    EXPECT_FALSE(IsBlack(twoX.Image.pixel(2 * legend.Right + 8, 2 * middle)))
        << "the shadow is 3 chart pixels, 6 device pixels wide";
}

TEST_F(TGraphHiDpiTest, TextsAndCurvesHaveDeviceResolution) {
    const TRenderedChart oneX = Render(1);
    const TRenderedChart twoX = Render(2);
    const TRect whole{0, 0, oneX.Image.width(), oneX.Image.height()};
    const TBlockComparison blocks = CompareBlocks(oneX.Image, twoX.Image, whole);
    // Most of the frame is flat colour, the same at both resolutions; glyph edges and the slopes
    // of the curves carry detail that an enlarged 1x picture would not have.
    EXPECT_GT(blocks.SameAsOneX, blocks.Blocks * 3 / 4);
    const TBlockComparison legendBlocks = CompareBlocks(oneX.Image, twoX.Image, oneX.Legend);
    EXPECT_GT(legendBlocks.Detailed, 100) << "legend texts are drawn at 2x";
    const TBlockComparison plotBlocks = CompareBlocks(oneX.Image, twoX.Image, oneX.Plot);
    EXPECT_GT(plotBlocks.Detailed, 200) << "curves step at device pixels";
}
