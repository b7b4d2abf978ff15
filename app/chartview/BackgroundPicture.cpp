#include "BackgroundPicture.h"

#include <TJPEGImage.h>

#include <QColor>
#include <QFont>
#include <QPainter>

#include <array>

namespace Armalyx::BackgroundPicture {

namespace {

constexpr int kYearPixels = 40;
constexpr int kYearBoxHeight = 60;
constexpr QColor kYearColor(0x90, 0x90, 0x90);
constexpr int kCountBytes = 4;
constexpr int kBitsPerByte = 8;
constexpr int kByteMask = 0xFF;

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

QColor InGrey(const QColor& color) {
    const int grey = qGray(color.rgb());
    return {grey, grey, grey};
}

} // namespace

QImage Draw(int scale, bool grey) {
    const int height = kSize.height();
    QImage image(kSize * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(kYearPixels);
    painter.setFont(font);
    painter.setPen(kYearColor);
    for (const TBand& band : kBands) {
        painter.fillRect(QRect(band.Left, 0, band.Right - band.Left, height),
                         grey ? InGrey(band.Color) : band.Color);
        painter.save();
        painter.translate((band.Left + band.Right) / 2.0, height / 2.0);
        painter.rotate(-90);
        const QRectF box(-height / 2.0, -kYearBoxHeight / 2.0, height, kYearBoxHeight);
        painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(band.Year));
        painter.restore();
    }
    return image;
}

std::vector<std::uint8_t> Block(const std::vector<std::uint8_t>& jpeg) {
    const QByteArray name = TJPEGImage::StaticClassName().toLatin1();
    std::vector<std::uint8_t> block;
    block.reserve(1 + static_cast<std::size_t>(name.size()) + kCountBytes + jpeg.size());
    block.push_back(static_cast<std::uint8_t>(name.size()));
    block.insert(block.end(), name.begin(), name.end());
    const auto count = static_cast<std::uint32_t>(jpeg.size());
    for (int shift = 0; shift < kCountBytes * kBitsPerByte; shift += kBitsPerByte) {
        block.push_back(static_cast<std::uint8_t>((count >> shift) & kByteMask));
    }
    block.insert(block.end(), jpeg.begin(), jpeg.end());
    return block;
}

} // namespace Armalyx::BackgroundPicture
