#pragma once
// The libjpeg calls of the JPEG picture format, behind an error handler that returns to the caller
// instead of ending the program: bad data answers false and leaves nothing behind.

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <vector>

struct TJpegHeader {
    int Width = 0;
    int Height = 0;
    int Components = 0;
    bool Grayscale = false;
    bool Progressive = false;
};

namespace Armalyx {

bool ReadJpegHeader(const std::uint8_t* data, std::size_t size, TJpegHeader& header);

// Decodes the whole picture into an RGB32 image of the header's size; a null image when the data
// cannot be decoded.
QImage DecodeJpeg(const std::uint8_t* data, std::size_t size);

// Encodes an image as a baseline JPEG with three colour components. Used by the picture generator.
bool EncodeJpeg(const QImage& image, int quality, std::vector<std::uint8_t>& out);

} // namespace Armalyx
