// The drawing surface's line path (pixels set from its own line walk, so that the end pixel and
// the dash pattern follow the chart's conventions) against QPainter drawing the same polyline
// directly, and a cached picture stretch against scaling the bitmap every frame.

#include "TChartCanvas3D.h"
#include "TChartGraphic.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <vector>

namespace {

constexpr int kWidth = 673;
constexpr int kHeight = 385;

// A curve of 48 monthly points across the plot, like one of the chart's series.
std::vector<QPoint> Curve() {
    std::vector<QPoint> points;
    for (int i = 0; i < 48; ++i) {
        points.emplace_back(68 + i * 12, 40 + (i * 97) % 280);
    }
    return points;
}

void DrawCurveOnSurface(benchmark::State& state, TPenStyle style) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    TChartCanvas3D canvas;
    canvas.AttachTarget(&image);
    canvas.Pen().SetStyle(style);
    const std::vector<QPoint> curve = Curve();
    for (auto _ : state) {
        canvas.MovePenTo(curve.front().x(), curve.front().y());
        for (const QPoint& p : curve) {
            canvas.DrawLineTo(p.x(), p.y());
        }
    }
}

void SurfaceSolidCurve(benchmark::State& state) {
    DrawCurveOnSurface(state, TPenStyle::psSolid);
}
void SurfaceDottedCurve(benchmark::State& state) {
    DrawCurveOnSurface(state, TPenStyle::psDot);
}

void QPainterCurveBaseline(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 0));
    const std::vector<QPoint> curve = Curve();
    for (auto _ : state) {
        painter.drawPolyline(curve.data(), static_cast<int>(curve.size()));
    }
}

class TSolidPicture final : public TChartGraphic {
public:
    QString ClassName() const override { return QStringLiteral("TSolidPicture"); }
    std::size_t LoadFromData(std::span<const std::uint8_t>) override { return 0; }
    int Width() const override { return 420; }
    int Height() const override { return 299; }
    bool Empty() const override { return false; }

protected:
    QImage Decode() override {
        QImage image(420, 299, QImage::Format_RGB32);
        image.fill(Qt::cyan);
        return image;
    }
};

void StretchPictureCached(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    TChartCanvas3D canvas;
    canvas.AttachTarget(&image);
    TSolidPicture picture;
    for (auto _ : state) {
        canvas.StretchPicture({68, 16, 653, 339}, picture);
    }
}

void StretchPictureEveryFrameBaseline(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    TSolidPicture picture;
    const QImage& bitmap = picture.Bitmap();
    for (auto _ : state) {
        painter.drawImage(QPoint(68, 16), bitmap.scaled(585, 323));
    }
}

} // namespace

BENCHMARK(QPainterCurveBaseline);
BENCHMARK(SurfaceSolidCurve);
BENCHMARK(SurfaceDottedCurve);
BENCHMARK(StretchPictureEveryFrameBaseline);
BENCHMARK(StretchPictureCached);
