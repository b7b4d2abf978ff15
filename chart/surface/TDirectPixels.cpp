#include "TDirectPixels.h"

TDirectPixels::TDirectPixels(QImage& image) {
    const QImage::Format format = image.format();
    if (image.isNull() || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
                           format != QImage::Format_ARGB32_Premultiplied)) {
        return;
    }
    // The painter open on the picture already holds it unshared, so this does not copy it.
    m_bits = image.bits();
    m_bytesPerLine = image.bytesPerLine();
    m_width = image.width();
    m_height = image.height();
}
