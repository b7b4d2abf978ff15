// The surface's direct pixel writes and kept text layouts draw exactly what QPainter's general
// path draws: whole chart frames and single shapes rendered both ways compare pixel for pixel.
// Both paths share the surface's line walk, so their lines are also checked against a Bresenham
// walk written here; the incremental walk and dash cursor agree with their defining formulas.

#include "ChartTestSupport.h"
#include "LineRaster.h"
#include "TChartCanvas3D.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>
#include <random>

namespace {

using Armalyx::ChartTestSupport::kChartBounds;
using Armalyx::ChartTestSupport::kChartHeight;
using Armalyx::ChartTestSupport::kChartWidth;
using Armalyx::ChartTestSupport::LoadProgramPicture;

// The first differing pixel, or an empty text when the images are equal.
std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return "sizes differ";
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
            }
        }
    }
    return {};
}

// The program's chart on the real surface with eight curves, one of them dotted, some leaving
// the plot.
Armalyx::ChartTestSupport::TRecordedChart ProgramChartOnSurface() {
    Armalyx::ChartTestSupport::TRecordedChart recorded = Armalyx::ChartTestSupport::ProgramChart();
    recorded.Chart->SetCanvas(std::make_unique<TChartCanvas3D>());
    recorded.Canvas = nullptr;
    LoadProgramPicture(*recorded.Chart);
    const TColor colours[] = {clRed, clGreen, clBlue, clMaroon, clNavy, clPurple, clTeal, clOlive};
    for (int s = 0; s < 8; ++s) {
        TLineSeries& series = recorded.AddLine(colours[s]);
        series.SetTitle(QStringLiteral("Curve %1").arg(s));
        if (s == 4) {
            series.LinePen().SetStyle(TPenStyle::psDot);
        }
        for (int month = 6; month <= 53; ++month) {
            series.AddPoint(month, ((month * 977 + s * 3301) % 23000) - 1500, "", clUseSeriesColor);
        }
    }
    return recorded;
}

// A black picture of the given size in chart pixels at a device pixel ratio.
QImage Picture(int width, int height, int ratio, QColor fill) {
    QImage image(width * ratio, height * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

QImage Frame(TChart& chart, TRasterPath path, int ratio = 1) {
    auto& canvas = dynamic_cast<TChartCanvas3D&>(chart.Canvas());
    canvas.SetRasterPath(path);
    canvas.MarkBufferDirty();
    QImage window = Picture(kChartWidth, kChartHeight, ratio, Qt::black);
    chart.Draw(&window, kChartBounds);
    return window;
}

// One drawing on a fresh surface over a grey picture, through the given path.
QImage Drawn(const std::function<void(TChartCanvas3D&)>& draw, TRasterPath path, int ratio = 1) {
    QImage image = Picture(60, 40, ratio, QColor(200, 200, 200));
    {
        TChartCanvas3D canvas;
        canvas.SetRasterPath(path);
        canvas.AttachTarget(&image);
        draw(canvas);
    }
    return image;
}

// The minor coordinate of step i as defined: the exact value rounded half away from the start.
long long ReferenceMinor(long long start, long long minorDelta, long long majorDelta, long long i) {
    const long long m = std::llabs(majorDelta);
    const long long offset = (2 * i * std::llabs(minorDelta) + m) / (2 * m);
    return minorDelta < 0 ? start - offset : start + offset;
}

// The pixels of a 1-pixel line by the textbook Bresenham walk, independent of the surface's own:
// one pixel per step along the longer axis, the shorter axis advanced when the error term
// reaches half a pixel (so a tie goes away from the start). The end pixel is not drawn.
std::vector<QPoint> BresenhamPixels(QPoint from, QPoint to) {
    const int dx = std::abs(to.x() - from.x());
    const int dy = std::abs(to.y() - from.y());
    const int stepX = to.x() >= from.x() ? 1 : -1;
    const int stepY = to.y() >= from.y() ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int major = xMajor ? dx : dy;
    const int minor = xMajor ? dy : dx;
    std::vector<QPoint> pixels;
    QPoint p = from;
    int error = 0;
    for (int i = 0; i < major; ++i) {
        pixels.push_back(p);
        error += 2 * minor;
        if (error >= major) {
            error -= 2 * major;
            (xMajor ? p.ry() : p.rx()) += xMajor ? stepY : stepX;
        }
        (xMajor ? p.rx() : p.ry()) += xMajor ? stepX : stepY;
    }
    return pixels;
}

// A run of connected lines as the reference draws it: 3 pixels on and 3 off for a dotted pen,
// the pattern running on from one line to the next; gaps in the background colour when opaque.
void DrawReferencePolyline(QImage& image, const std::vector<QPoint>& corners, bool dotted,
                           const QColor* gapColour) {
    const QColor black(Qt::black);
    long long position = 0;
    for (std::size_t k = 1; k < corners.size(); ++k) {
        for (const QPoint& p : BresenhamPixels(corners[k - 1], corners[k])) {
            const bool on = !dotted || position % 6 < 3;
            ++position;
            if (!image.rect().contains(p) || (!on && gapColour == nullptr)) {
                continue;
            }
            image.setPixelColor(p, on ? black : *gapColour);
        }
    }
}

} // namespace

TEST(ChartFastPath, LinesOfBothPathsMatchAnIndependentBresenham) {
    std::mt19937 random(1942);
    std::uniform_int_distribution<int> coordinate(-30, 90);
    const QColor grey(200, 200, 200);
    const QColor yellow = Armalyx::ToQColor(clYellow);
    for (int n = 0; n < 400; ++n) {
        std::vector<QPoint> corners;
        for (int k = 0; k < 4; ++k) {
            corners.emplace_back(coordinate(random), coordinate(random) * 2 / 3);
        }
        const bool dotted = n % 2 == 1;
        const bool opaque = n % 4 == 3;
        const auto draw = [&](TChartCanvas3D& c) {
            c.Pen().SetStyle(dotted ? TPenStyle::psDot : TPenStyle::psSolid);
            c.SetBackColor(clYellow);
            c.SetBackMode(opaque ? TBackMode::bmOpaque : TBackMode::bmTransparent);
            c.MovePenTo(corners[0].x(), corners[0].y());
            for (std::size_t k = 1; k < corners.size(); ++k) {
                c.DrawLineTo(corners[k].x(), corners[k].y());
            }
        };
        QImage expected = Picture(60, 40, 1, grey);
        DrawReferencePolyline(expected, corners, dotted, opaque ? &yellow : nullptr);
        for (const TRasterPath path : {TRasterPath::rpDirect, TRasterPath::rpPainter}) {
            SCOPED_TRACE("polyline " + std::to_string(n) +
                         (path == TRasterPath::rpDirect ? " direct" : " general"));
            ASSERT_EQ(FirstDifference(Drawn(draw, path), expected), "");
        }
    }
}

TEST(ChartFastPath, WholeFramesMatchTheGeneralPath) {
    Armalyx::ChartTestSupport::TRecordedChart recorded = ProgramChartOnSurface();
    for (const int ratio : {1, 2, 3}) {
        SCOPED_TRACE(ratio);
        const QImage general = Frame(*recorded.Chart, TRasterPath::rpPainter, ratio);
        const QImage direct = Frame(*recorded.Chart, TRasterPath::rpDirect, ratio);
        EXPECT_EQ(FirstDifference(general, direct), "");
        // A second frame from kept layouts is the same again.
        EXPECT_EQ(FirstDifference(general, Frame(*recorded.Chart, TRasterPath::rpDirect, ratio)),
                  "");
        // The frame is not blank: the curves' colours are in it.
        EXPECT_NE(general.pixel(general.width() / 2, general.height() / 2),
                  QColor(Qt::black).rgb());
    }
}

TEST(ChartFastPath, ShapesMatchTheGeneralPath) {
    using TDraw = std::function<void(TChartCanvas3D&)>;
    const std::pair<const char*, TDraw> cases[] = {
        {"solid lines every way",
         [](TChartCanvas3D& c) {
             c.MovePenTo(3, 3);
             for (TPoint p : {TPoint{50, 3}, {50, 30}, {3, 30}, {40, 7}, {9, 38}, {3, 3}}) {
                 c.DrawLineTo(p.X, p.Y);
             }
         }},
        {"dotted with opaque gaps",
         [](TChartCanvas3D& c) {
             c.Pen().SetStyle(TPenStyle::psDot);
             c.SetBackColor(clYellow);
             c.SetBackMode(TBackMode::bmOpaque);
             c.DrawLine(2, 5, 57, 5);
             c.DrawLineTo(20, 35);
         }},
        {"dash-dot with transparent gaps",
         [](TChartCanvas3D& c) {
             c.Pen().SetStyle(TPenStyle::psDashDotDot);
             c.SetBackMode(TBackMode::bmTransparent);
             c.MovePenTo(1, 1);
             c.DrawLineTo(58, 38);
             c.DrawLineTo(58, 1);
         }},
        {"small dots",
         [](TChartCanvas3D& c) {
             c.Pen().SetSmallDots(true);
             c.DrawLine(0, 20, 60, 20);
         }},
        {"clipped and far off",
         [](TChartCanvas3D& c) {
             c.ClipToRect({10, 10, 40, 30});
             c.DrawLine(-1000, 15, 1000, 25);
             c.DrawLine(20, INT_MIN, 25, INT_MAX);
             c.RemoveClip();
             c.DrawLine(-5, -5, 70, 50);
         }},
        {"frame and outlined rectangle",
         [](TChartCanvas3D& c) {
             c.DrawFrame3D({1, 1, 59, 39}, clWhite, clGray, 2);
             c.Brush().SetColor(clAqua);
             c.DrawRectangle(10, 10, 30, 25);
         }},
        {"texts in every alignment",
         [](TChartCanvas3D& c) {
             c.SetBackColor(clWhite);
             c.SetBackMode(TBackMode::bmOpaque);
             c.WriteText(2, 2, "Tanks 1942");
             c.SetTextAlignment(kTextAlignRight | kTextAlignBaseline);
             c.SetBackMode(TBackMode::bmTransparent);
             c.WriteText(58, 25, "20000");
             c.SetTextAlignment(kTextAlignCenter | kTextAlignBottom);
             c.Font().SetStyle(TFontStyle::fsBold);
             c.WriteText(30, 39, "W");
             c.WriteRotatedText(50, 38, 90, "1941");
         }},
    };
    for (const int ratio : {1, 2, 3}) {
        for (const auto& [name, draw] : cases) {
            SCOPED_TRACE(std::string(name) + " at ratio " + std::to_string(ratio));
            EXPECT_EQ(FirstDifference(Drawn(draw, TRasterPath::rpPainter, ratio),
                                      Drawn(draw, TRasterPath::rpDirect, ratio)),
                      "");
        }
    }
}

TEST(ChartFastPath, ExoticPenModesAndPicturesOfOtherFormatsStillDraw) {
    const auto xorLine = [](TChartCanvas3D& c) {
        c.Pen().SetMode(TPenMode::pmXor);
        c.Pen().SetColor(clWhite);
        c.DrawLine(0, 10, 60, 10);
    };
    const QImage image = Drawn(xorLine, TRasterPath::rpDirect);
    EXPECT_EQ(FirstDifference(Drawn(xorLine, TRasterPath::rpPainter), image), "");
    EXPECT_EQ(image.pixel(5, 10) & 0xFFFFFF, 0x373737u);

    QImage rgb888(20, 10, QImage::Format_RGB888);
    rgb888.fill(Qt::white);
    {
        TChartCanvas3D canvas;
        canvas.AttachTarget(&rgb888);
        canvas.DrawLine(0, 5, 20, 5);
    }
    EXPECT_EQ(rgb888.pixel(7, 5) & 0xFFFFFF, 0u);
}

TEST(ChartFastPath, LineWalkFollowsTheRoundingFormula) {
    std::mt19937 random(1941);
    std::uniform_int_distribution<int> coordinate(-300, 300);
    const TRect limit{-200, -150, 250, 180};
    for (int n = 0; n < 3000; ++n) {
        const TPoint from{coordinate(random), coordinate(random)};
        const TPoint to{coordinate(random), coordinate(random)};
        const long long dx = to.X - from.X;
        const long long dy = to.Y - from.Y;
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        std::vector<TLinePixel> expected;
        for (long long i = 0; i < std::max(std::llabs(dx), std::llabs(dy)); ++i) {
            const long long major = (xMajor ? from.X : from.Y) + ((xMajor ? dx : dy) > 0 ? i : -i);
            const long long minor =
                xMajor ? ReferenceMinor(from.Y, dy, dx, i) : ReferenceMinor(from.X, dx, dy, i);
            const TPoint p =
                xMajor ? TPoint{int(major), int(minor)} : TPoint{int(minor), int(major)};
            if (limit.Contains(p)) {
                expected.push_back({p, i});
            }
        }
        const std::vector<TLinePixel> walked = Armalyx::LinePixels(from, to, limit);
        ASSERT_EQ(walked.size(), expected.size()) << n;
        for (std::size_t i = 0; i < walked.size(); ++i) {
            ASSERT_TRUE(walked[i].Point == expected[i].Point &&
                        walked[i].Index == expected[i].Index)
                << "line " << n << " pixel " << i;
        }
    }
}

TEST(ChartFastPath, DashCursorAgreesWithThePatternAtAnyStart) {
    for (TPenStyle style : {TPenStyle::psDash, TPenStyle::psDot, TPenStyle::psDashDot,
                            TPenStyle::psDashDotDot, TPenStyle::psSolid}) {
        SCOPED_TRACE(::testing::Message() << "pen style " << static_cast<int>(style));
        const std::vector<int> pattern = Armalyx::PenDashPattern(style, false);
        for (long long start : {0LL, 1LL, 17LL, 1000003LL}) {
            TDashCursor cursor(pattern, start);
            for (long long p = start; p < start + 100; p += (p % 7 == 3 ? 5 : 1)) {
                ASSERT_EQ(cursor.IsOn(p), Armalyx::PatternIsOn(pattern, p)) << start << " " << p;
            }
        }
    }
}
