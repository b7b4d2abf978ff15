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
        if (x >= 0 && y >= 0 && x < m_width && y < m_height) {
            reinterpret_cast<QRgb*>(m_bits + static_cast<std::ptrdiff_t>(y) * m_bytesPerLine)[x] =
                colour;
        }
    }

private:
    uchar* m_bits = nullptr;
    qsizetype m_bytesPerLine = 0;
    int m_width = 0;
    int m_height = 0;
};
