#pragma once
// A picture format the chart can hold as its background picture. Each format reads its own data
// from the stored block and draws through a bitmap that it makes once and keeps.

#include <QImage>
#include <QSize>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>

class TChartGraphic {
public:
    TChartGraphic() = default;
    virtual ~TChartGraphic() = default;
    TChartGraphic(const TChartGraphic&) = delete;
    TChartGraphic& operator=(const TChartGraphic&) = delete;

    virtual QString ClassName() const = 0;
    // Reads this format's own data from the front of the given bytes. Answers the number of bytes
    // used, or 0 when the data is not a picture of this format (the picture is then empty).
    virtual std::size_t LoadFromData(std::span<const std::uint8_t> data) = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;

    // The whole picture as a bitmap, made the first time it is asked for and kept. A picture
    // that cannot be decoded gives a null image, and is not decoded again.
    const QImage& Bitmap();
    // The bitmap scaled to the given size; the last scaled bitmap is kept, so a picture stretched
    // into the same rectangle frame after frame is scaled once.
    const QImage& ScaledBitmap(QSize size);

    // The columns left to right of the picture (fractions of a column included; left beyond right
    // mirrors them), over its whole height, scaled to the given size by taking for each pixel the
    // picture pixel under its centre. The last part made is kept, like the scaled bitmap.
    const QImage& ScaledPart(double left, double right, QSize size);

    // How many times the picture was decoded; lets callers check that decoding happens once.
    int DecodeCount() const { return m_decodeCount; }
    // How many times the bitmap was scaled to a new size.
    int ScaleCount() const { return m_scaleCount; }

protected:
    virtual QImage Decode() = 0;

private:
    QImage m_bitmap;
    bool m_decoded = false;
    int m_decodeCount = 0;
    QImage m_scaled;
    int m_scaleCount = 0;
    QImage m_part;
    double m_partLeft = 0;
    double m_partRight = 0;
};
