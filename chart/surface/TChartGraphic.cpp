#include "TChartGraphic.h"

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
