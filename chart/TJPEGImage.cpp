#include "TJPEGImage.h"

#include "JpegCodec.h"

std::size_t TJPEGImage::LoadFromData(std::span<const std::uint8_t> data) {
    m_bytes.clear();
    m_width = 0;
    m_height = 0;
    m_grayscale = false;
    m_progressive = false;
    constexpr std::size_t kCountSize = 4;
    if (data.size() < kCountSize) {
        return 0;
    }
    const std::uint32_t count =
        static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
        (static_cast<std::uint32_t>(data[2]) << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
    if (count > data.size() - kCountSize) {
        return 0;
    }
    const auto bytes = data.subspan(kCountSize, count);
    TJpegHeader header;
    if (!ReadJpegHeader(bytes.data(), bytes.size(), header)) {
        return 0;
    }
    m_bytes.assign(bytes.begin(), bytes.end());
    m_width = header.Width;
    m_height = header.Height;
    m_grayscale = header.Grayscale;
    m_progressive = header.Progressive;
    return kCountSize + count;
}

QImage TJPEGImage::Decode() {
    return DecodeJpeg(m_bytes.data(), m_bytes.size());
}
