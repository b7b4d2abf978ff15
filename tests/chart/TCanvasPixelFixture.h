#pragma once
// Shared set-up of the surface's pixel tests: a surface drawing straight onto a white QImage.

#include "TChartCanvas3D.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <vector>

class TCanvasPixelFixture : public ::testing::Test {
protected:
    void SetUp() override { Reset(40, 30); }

    void Reset(int width, int height) {
        m_canvas.reset();
        m_canvas = std::make_unique<TChartCanvas3D>();
        m_image = QImage(width, height, QImage::Format_RGB32);
        m_image.fill(Qt::white);
        m_canvas->AttachTarget(&m_image);
    }

    // The raster painter writes straight into the image, so it can be read while attached.
    const QImage& Image() const { return m_image; }

    QRgb Pixel(int x, int y) { return Image().pixel(x, y) & 0xFFFFFF; }
    bool IsLit(int x, int y) { return Pixel(x, y) != 0xFFFFFF; }

    // Every pixel differing from white, in row order.
    std::vector<std::pair<int, int>> LitPixels() {
        std::vector<std::pair<int, int>> lit;
        for (int y = 0; y < Image().height(); ++y) {
            for (int x = 0; x < Image().width(); ++x) {
                if (IsLit(x, y)) {
                    lit.emplace_back(x, y);
                }
            }
        }
        return lit;
    }

    TChartCanvas3D& Canvas() { return *m_canvas; }

private:
    // The image outlives the surface that paints on it.
    QImage m_image;
    std::unique_ptr<TChartCanvas3D> m_canvas;
};

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;
