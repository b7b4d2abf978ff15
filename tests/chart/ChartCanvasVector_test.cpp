// The surface on a vector device (a PDF, an SVG, a printer; here a QPicture, which records the
// same painter calls): 1-pixel lines become strokes one chart pixel wide that, drawn again on a
// picture, set exactly the pixels the screen's direct path sets, dash pattern included.

#include "TCanvasPixelFixture.h"

#include <QPainter>
#include <QPicture>

#include <functional>

namespace {

using TDrawing = std::function<void(TChartCanvas3D&)>;

// The drawing made on a vector device and then played onto a white picture, scale times enlarged.
QImage PlayedVectors(const TDrawing& draw, QSize size, int scale) {
    QPicture recording;
    // An empty recording has no size, and the surface draws nothing on a device without one.
    recording.setBoundingRect(QRect(QPoint(0, 0), size));
    {
        TChartCanvas3D canvas;
        canvas.AttachTarget(&recording);
        draw(canvas);
        EXPECT_TRUE(canvas.DrawsVectors());
        canvas.AttachTarget(nullptr);
    }
    QImage played(size * scale, QImage::Format_RGB32);
    played.fill(Qt::white);
    QPainter painter(&played);
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, recording);
    return played;
}

struct TVectorCase {
    const char* name;
    TDrawing draw;
};

const TVectorCase kCases[] = {
    {"right", [](TChartCanvas3D& c) { c.DrawLine(2, 5, 30, 5); }},
    {"left", [](TChartCanvas3D& c) { c.DrawLine(30, 5, 2, 5); }},
    {"down", [](TChartCanvas3D& c) { c.DrawLine(5, 2, 5, 25); }},
    {"up", [](TChartCanvas3D& c) { c.DrawLine(5, 25, 5, 2); }},
    {"dotted, the pattern running on round a corner",
     [](TChartCanvas3D& c) {
         c.Pen().SetStyle(TPenStyle::psDot);
         c.Pen().SetSmallDots(true);
         c.SetBackMode(TBackMode::bmTransparent);
         c.MovePenTo(2, 3);
         c.DrawLineTo(20, 3);
         c.DrawLineTo(20, 25);
     }},
    {"outlined rectangle",
     [](TChartCanvas3D& c) {
         c.Brush().SetStyle(TBrushStyle::bsClear);
         c.DrawRectangle(3, 4, 30, 20);
     }},
};

} // namespace

TEST_F(TCanvasPixelFixture, VectorLinesCoverThePixelsOfTheDirectPath) {
    for (const TVectorCase& test : kCases) {
        SCOPED_TRACE(test.name);
        Reset(40, 30);
        test.draw(Canvas());
        EXPECT_FALSE(Canvas().DrawsVectors());
        const QImage direct = Image().copy();
        EXPECT_EQ(PlayedVectors(test.draw, direct.size(), 1), direct);
    }
}

// Printed or enlarged, a 1-pixel line stays one chart pixel wide rather than a hairline.
TEST_F(TCanvasPixelFixture, VectorLinesAreOneChartPixelWideWhenEnlarged) {
    const QImage played = PlayedVectors(kCases[0].draw, QSize(40, 30), 3);
    for (int y = 14; y <= 18; ++y) {
        SCOPED_TRACE(y);
        const bool inLine = y >= 15 && y < 18;
        EXPECT_EQ(qGray(played.pixel(30, y)) == 0, inLine);
    }
}
