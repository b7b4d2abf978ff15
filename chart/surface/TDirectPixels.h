#pragma once
// Direct access to the pixels of a 32-bit off-screen picture, for the shapes that the surface
// rasterises itself. Every write is checked against the picture's size.

#include <QImage>

#include <cstdint>

class TDirectPixels final {
public:
    TDirectPixels() = default;
    // Pictures of another format give an invalid view; so does a null picture.
    explicit TDirectPixels(QImage& image);

    bool Valid() const { return m_bits != nullptr; }
    // A pixel outside the picture is left alone.
    void Set(int x, int y, QRgb colour) {
        if (Inside(x, y)) {
            reinterpret_cast<QRgb*>(m_bits + static_cast<std::ptrdiff_t>(y) * m_bytesPerLine)[x] =
                colour;
        }
    }

    // Writes count pixels from (x, y) stepping (stepX, stepY); colourAt(k, colour) answers whether
    // pixel k is written and with which colour. A run leaving the picture writes nothing.
    template <typename TColourAt>
    bool SetRun(int x, int y, int stepX, int stepY, long long count, TColourAt&& colourAt) {
        const long long lastX = x + stepX * (count - 1);
        const long long lastY = y + stepY * (count - 1);
        if (count <= 0 || !Inside(x, y) || !Inside(lastX, lastY)) {
            return false;
        }
        const std::ptrdiff_t step = stepX + stepY * (m_bytesPerLine / 4);
        QRgb* pixel =
            reinterpret_cast<QRgb*>(m_bits + static_cast<std::ptrdiff_t>(y) * m_bytesPerLine) + x;
        for (long long k = 0; k < count; ++k, pixel += step) {
            QRgb colour = 0;
            if (colourAt(k, colour)) {
                *pixel = colour;
            }
        }
        return true;
    }

private:
    bool Inside(long long x, long long y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height;
    }

    uchar* m_bits = nullptr;
    qsizetype m_bytesPerLine = 0;
    int m_width = 0;
    int m_height = 0;
};
