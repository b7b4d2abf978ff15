// The surface's off-screen picture: created once per size, copied in one step, reused while valid.

#include "TChartCanvas3D.h"

#include <gtest/gtest.h>

#include <QImage>

#include <memory>

TEST(ChartCanvasBuffer, PictureIsKeptWhileTheSizeStaysAndRecreatedOnResize) {
    TChartCanvas3D canvas;
    QImage window(200, 100, QImage::Format_RGB32);
    EXPECT_EQ(canvas.BeginDrawing(&window, nullptr, {10, 10, 110, 60}, false),
              (TRect{0, 0, 100, 50}));
    canvas.EndDrawing(&window, &window, {10, 10});
    canvas.BeginDrawing(&window, nullptr, {0, 0, 100, 50}, false);
    canvas.EndDrawing(&window, &window, {0, 0});
    EXPECT_EQ(canvas.BufferCreations(), 1);
    canvas.BeginDrawing(&window, nullptr, {0, 0, 120, 50}, false);
    canvas.EndDrawing(&window, &window, {0, 0});
    EXPECT_EQ(canvas.BufferCreations(), 2);
    EXPECT_EQ(canvas.Buffer().size(), QSize(120, 50));
}

TEST(ChartCanvasBuffer, FrameReachesTheWindowOnlyAtTheEndAndIsReusedUntilDirty) {
    TChartCanvas3D canvas;
    QImage window(60, 40, QImage::Format_RGB32);
    window.fill(Qt::white);
    EXPECT_FALSE(canvas.ReuseBuffer());
    canvas.BeginDrawing(&window, nullptr, {0, 0, 50, 30}, false);
    canvas.Brush().SetColor(clRed);
    canvas.Pen().SetStyle(TPenStyle::psClear);
    canvas.FillRectangle({0, 0, 50, 30});
    EXPECT_EQ(window.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
    canvas.EndDrawing(&window, &window, {5, 5});
    EXPECT_EQ(window.pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(window.pixel(4, 4) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(canvas.GetTargetHandle(), &window);

    window.fill(Qt::white);
    EXPECT_TRUE(canvas.ReuseBuffer());
    EXPECT_EQ(window.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    canvas.MarkBufferDirty();
    EXPECT_FALSE(canvas.ReuseBuffer());
}

TEST(ChartCanvasBuffer, HighResolutionWindowGetsAFrameOfItsOwnResolution) {
    TChartCanvas3D canvas;
    QImage sharp(120, 80, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(2);
    sharp.fill(Qt::white);
    // Layout stays in chart pixels; the picture behind it has the window's device pixels.
    EXPECT_EQ(canvas.BeginDrawing(&sharp, nullptr, {0, 0, 60, 40}, false), (TRect{0, 0, 60, 40}));
    EXPECT_EQ(canvas.Buffer().size(), QSize(120, 80));
    EXPECT_EQ(canvas.Buffer().devicePixelRatio(), 2.0);
    canvas.Brush().SetColor(clRed);
    canvas.FillRectangle({10, 10, 20, 20});
    canvas.EndDrawing(&sharp, &sharp, {0, 0});
    EXPECT_EQ(sharp.pixel(20, 20) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(sharp.pixel(39, 39) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(sharp.pixel(19, 20) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(sharp.pixel(40, 39) & 0xFFFFFF, 0xFFFFFFu);
    // A window of another resolution, as after a move to another screen, needs a new frame.
    QImage plain(60, 40, QImage::Format_RGB32);
    canvas.AttachTarget(&plain);
    EXPECT_FALSE(canvas.ReuseBuffer());
    canvas.AttachTarget(&sharp);
    EXPECT_TRUE(canvas.ReuseBuffer());
    canvas.BeginDrawing(&plain, nullptr, {0, 0, 60, 40}, false);
    EXPECT_EQ(canvas.Buffer().size(), QSize(60, 40));
    EXPECT_EQ(canvas.BufferCreations(), 2);
}

TEST(ChartCanvasBuffer, UnbufferedSurfaceDrawsOnTheWindowInItsCoordinates) {
    TChartCanvas3D canvas;
    canvas.SetBuffered(false);
    QImage window(60, 40, QImage::Format_RGB32);
    window.fill(Qt::white);
    EXPECT_EQ(canvas.BeginDrawing(&window, nullptr, {5, 5, 50, 30}, false), (TRect{5, 5, 50, 30}));
    canvas.SetPixelColor(7, 7, clBlack);
    canvas.EndDrawing(&window, &window, {5, 5});
    EXPECT_EQ(window.pixel(7, 7) & 0xFFFFFF, 0u);
    EXPECT_FALSE(canvas.BufferValid());
}

TEST(ChartCanvasBuffer, DepthOperationsPassThroughWhenFlat) {
    TChartCanvas3D canvas;
    EXPECT_EQ(canvas.ProjectToPoint(12, 34, 99), (TPoint{12, 34}));
    EXPECT_EQ(canvas.UnprojectPoint(12, 34, 99), (TPoint{12, 34}));
    EXPECT_FALSE(canvas.Is3D());
    EXPECT_DOUBLE_EQ(canvas.ZoomFactor(), 1.0);
}

TEST(ChartCanvasBuffer, NewMonochromeSettingDiscardsThePictureAndAsksForRepaint) {
    TChartCanvas3D canvas;
    int repaints = 0;
    canvas.SetOnRepaintRequest([&repaints] { ++repaints; });
    QImage window(20, 20, QImage::Format_RGB32);
    canvas.BeginDrawing(&window, nullptr, {0, 0, 20, 20}, false);
    canvas.EndDrawing(&window, &window, {0, 0});
    canvas.SetMonochrome(false);
    EXPECT_EQ(repaints, 0);
    canvas.SetMonochrome(true);
    EXPECT_EQ(repaints, 1);
    EXPECT_FALSE(canvas.ReuseBuffer());
    TChartCanvas3D other;
    other.CopyMonochrome(canvas);
    EXPECT_TRUE(other.GetMonochrome());
}

TEST(ChartCanvasBuffer, AFrameForAPictureKeepsNoHoldOnItAfterwards) {
    TChartCanvas3D canvas;
    QImage kept(20, 20, QImage::Format_RGB32);
    canvas.BeginDrawing(&kept, nullptr, {0, 0, 20, 20}, false);
    canvas.Brush().SetColor(clRed);
    canvas.FillRectangle({0, 0, 20, 20});
    canvas.EndDrawing(&kept, nullptr, {0, 0});
    // Reused without a target, the frame goes nowhere: not to the picture it was drawn for.
    kept.fill(Qt::white);
    EXPECT_TRUE(canvas.ReuseBuffer());
    EXPECT_EQ(kept.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
    // Nor to one that is gone (the sanitizer build sees any read of it).
    auto gone = std::make_unique<QImage>(20, 20, QImage::Format_RGB32);
    canvas.BeginDrawing(gone.get(), nullptr, {0, 0, 20, 20}, false);
    canvas.EndDrawing(gone.get(), nullptr, {0, 0});
    gone.reset();
    EXPECT_TRUE(canvas.ReuseBuffer());
}
