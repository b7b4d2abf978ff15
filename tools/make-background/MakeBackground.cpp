// Makes the chart's background picture: five pale full-height bands, one per war year, each with
// its year in grey serif digits reading from bottom to top at the band's middle. Writes the JPEG
// and the block the window stores it in (length byte, "TJPEGImage", 32-bit little-endian byte
// count, the JPEG bytes).
//
//   armalyx-make-background OUTPUT.jpg OUTPUT.block

#include "JpegCodec.h"
#include "TJPEGImage.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 299;
constexpr int kJpegQuality = 75;

struct TBand {
    int Left;
    int Right; // exclusive
    QColor Color;
    const char* Year;
};

// Band boundaries at columns 54, 161, 268 and 375: months 12, 24, 36 and 48 when the picture is
// stretched over the bottom axis range 6 to 53.
const std::array<TBand, 5> kBands = {{
    {0, 54, QColor(0xD4, 0xF2, 0xD0), "1941"},    // pale green
    {54, 161, QColor(0xFA, 0xDC, 0xD0), "1942"},  // pale salmon
    {161, 268, QColor(0xE4, 0xDE, 0xF6), "1943"}, // pale lavender
    {268, 375, QColor(0xD2, 0xF2, 0xF6), "1944"}, // pale cyan
    {375, 420, QColor(0xFA, 0xDA, 0xE6), "1945"}, // pale pink
}};

QImage DrawBands() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(40);
    painter.setFont(font);
    painter.setPen(QColor(0x90, 0x90, 0x90));
    for (const TBand& band : kBands) {
        painter.fillRect(QRect(band.Left, 0, band.Right - band.Left, kHeight), band.Color);
        painter.save();
        painter.translate((band.Left + band.Right) / 2.0, kHeight / 2.0);
        painter.rotate(-90);
        const QRectF box(-kHeight / 2.0, -30, kHeight, 60);
        painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(band.Year));
        painter.restore();
    }
    return image;
}

std::vector<std::uint8_t> PictureBlock(const std::vector<std::uint8_t>& jpeg) {
    const QByteArray name = TJPEGImage::StaticClassName().toLatin1();
    std::vector<std::uint8_t> block;
    block.reserve(1 + static_cast<std::size_t>(name.size()) + 4 + jpeg.size());
    block.push_back(static_cast<std::uint8_t>(name.size()));
    block.insert(block.end(), name.begin(), name.end());
    const auto count = static_cast<std::uint32_t>(jpeg.size());
    for (int shift = 0; shift < 32; shift += 8) {
        block.push_back(static_cast<std::uint8_t>((count >> shift) & 0xFF));
    }
    block.insert(block.end(), jpeg.begin(), jpeg.end());
    return block;
}

bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg OUTPUT.block\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    std::vector<std::uint8_t> jpeg;
    if (!Armalyx::EncodeJpeg(DrawBands(), kJpegQuality, jpeg)) {
        std::fprintf(stderr, "could not encode the picture\n");
        return 1;
    }
    if (!WriteFile(argv[1], jpeg) || !WriteFile(argv[2], PictureBlock(jpeg))) {
        std::fprintf(stderr, "could not write the output files\n");
        return 1;
    }
    std::printf("%zu JPEG bytes, %zu block bytes\n", jpeg.size(), PictureBlock(jpeg).size());
    return 0;
}
