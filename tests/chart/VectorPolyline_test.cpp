// The strokes of 1-pixel lines on a vector device: where they start and end, and how the clip
// rectangle cuts them into pieces.

#include "VectorPolyline.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Armalyx::VectorPolyline;

namespace {

std::vector<QPointF> Points(std::initializer_list<QPointF> points) {
    return points;
}

} // namespace

TEST(VectorPolyline, StrokeCoversTheStartPixelAndStopsAtTheEndPixel) {
    const struct {
        const char* name;
        std::vector<TPoint> pixels;
        std::vector<QPointF> stroke;
    } cases[] = {
        {"rightwards", {{2, 5}, {6, 5}}, Points({{2, 5.5}, {6, 5.5}})},
        {"leftwards", {{6, 5}, {2, 5}}, Points({{7, 5.5}, {3, 5.5}})},
        {"down a diagonal", {{1, 1}, {4, 4}}, Points({{1, 1}, {4, 4}})},
        {"a turn passes the corner pixel's centre",
         {{0, 0}, {4, 0}, {4, 3}},
         Points({{0, 0.5}, {4.5, 0.5}, {4.5, 3}})},
        {"a repeated pixel adds nothing", {{0, 0}, {0, 0}, {3, 0}}, Points({{0, 0.5}, {3, 0.5}})},
        {"one pixel is no stroke", {{3, 3}, {3, 3}}, {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(Stroke(test.pixels), test.stroke);
    }
}

TEST(VectorPolyline, ClipKeepsTheStrokeHalfAPixelInsideThePixelsItLetsThrough) {
    EXPECT_EQ(CentreLineArea({10, 20, 30, 40}), QRectF(QPointF(10.5, 20.5), QPointF(29.5, 39.5)));
    EXPECT_EQ(CentreLineArea({10, 20, 10, 40}), std::nullopt);
    EXPECT_EQ(CentreLineArea({10, 20, 30, 19}), std::nullopt);
}

TEST(VectorPolyline, ClippingSplitsTheStrokeWhereItLeavesTheArea) {
    const QRectF area(QPointF(0, 0), QPointF(10, 10));
    const struct {
        const char* name;
        std::vector<QPointF> stroke;
        std::vector<std::vector<QPointF>> pieces;
        std::vector<double> startLengths;
    } cases[] = {
        {"inside", Points({{1, 1}, {5, 1}, {5, 5}}), {Points({{1, 1}, {5, 1}, {5, 5}})}, {0}},
        {"entering", Points({{-4, 5}, {4, 5}}), {Points({{0, 5}, {4, 5}})}, {4}},
        {"leaving", Points({{5, 5}, {5, 15}, {8, 15}}), {Points({{5, 5}, {5, 10}})}, {0}},
        {"out and back",
         Points({{1, 5}, {5, -5}, {9, 5}}),
         {Points({{1, 5}, {3, 0}}), Points({{7, 0}, {9, 5}})},
         {0, 10.770329614269007 * 1.5}},
        {"across", Points({{-5, 5}, {15, 5}}), {Points({{0, 5}, {10, 5}})}, {5}},
        {"along the edge", Points({{2, 10}, {8, 10}}), {Points({{2, 10}, {8, 10}})}, {0}},
        {"through a corner only", Points({{-5, 5}, {5, -5}}), {}, {}},
        {"outside", Points({{-5, -5}, {-1, 20}}), {}, {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const std::vector<TStrokePiece> pieces = Clipped(test.stroke, area);
        ASSERT_EQ(pieces.size(), test.pieces.size());
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_EQ(pieces[i].Points, test.pieces[i]);
            EXPECT_NEAR(pieces[i].StartLength, test.startLengths[i], 1e-9);
        }
    }
}
