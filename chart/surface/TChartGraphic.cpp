#include "TChartGraphic.h"

#include <algorithm>
#include <cmath>
#include <vector>

const QImage& TChartGraphic::Bitmap() {
    if (!m_decoded) {
        m_decoded = true;
        ++m_decodeCount;
        m_bitmap = Decode();
    }
    return m_bitmap;
}

const QImage& TChartGraphic::ScaledBitmap(QSize size) {
    const QImage& bitmap = Bitmap();
    if (bitmap.isNull() || size.isEmpty()) {
        m_scaled = QImage();
        return m_scaled;
    }
    if (bitmap.size() == size) {
        return bitmap;
    }
    if (m_scaled.size() != size) {
        m_scaled = bitmap.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        ++m_scaleCount;
    }
    return m_scaled;
}

namespace {

// The picture's column (or row) under the centre of pixel i of n that show from..to of it.
int SourceIndex(double from, double to, int i, int n, int limit) {
    const double at = from + (to - from) * (i + 0.5) / n;
    return std::clamp(static_cast<int>(std::floor(at)), 0, limit - 1);
}

} // namespace

const QImage& TChartGraphic::ScaledPart(double left, double right, QSize size) {
    const QImage& bitmap = Bitmap();
    if (bitmap.isNull() || size.isEmpty() || !std::isfinite(left) || !std::isfinite(right)) {
        m_part = QImage();
        return m_part;
    }
    if (m_part.size() == size && m_partLeft == left && m_partRight == right) {
        return m_part;
    }
    const QImage source = bitmap.convertToFormat(QImage::Format_RGB32);
    QImage part(size, QImage::Format_RGB32);
    if (part.isNull()) {
        m_part = QImage();
        return m_part;
    }
    std::vector<int> columns(static_cast<std::size_t>(size.width()));
    for (int x = 0; x < size.width(); ++x) {
        columns[static_cast<std::size_t>(x)] =
            SourceIndex(left, right, x, size.width(), source.width());
    }
    for (int y = 0; y < size.height(); ++y) {
        const int row = SourceIndex(0, source.height(), y, size.height(), source.height());
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        auto* to = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            to[x] = from[columns[static_cast<std::size_t>(x)]];
        }
    }
    m_part = part;
    m_partLeft = left;
    m_partRight = right;
    ++m_scaleCount;
    return m_part;
}
