#pragma once
// The chart's background picture, drawn: five pale full-height bands, one per war year, each with
// its year in grey serif digits reading from bottom to top at the band's middle. At scale 1 it is
// the picture stored with the window's layout (tools/make-background writes it from here); a print
// draws it at a larger scale, sharp at the printed size, and in greys for a greyscale figure.

#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

namespace Armalyx::BackgroundPicture {

inline constexpr QSize kSize(420, 299);
inline constexpr int kJpegQuality = 75;

// The picture at scale times kSize.
QImage Draw(int scale = 1, bool grey = false);
// The block the window stores a JPEG picture in: a length byte, the picture class's name, a 32-bit
// little-endian byte count, the JPEG bytes.
std::vector<std::uint8_t> Block(const std::vector<std::uint8_t>& jpeg);

} // namespace Armalyx::BackgroundPicture
