#include "TJPEGImage.h"

#include "JpegCodec.h"

namespace {

// A background picture is a few hundred pixels each way. A header that states a far larger picture
// comes from a damaged or hostile block: decoding it would allocate gigabytes for padding.
constexpr int kMaxSide = 8192;
constexpr std::int64_t kMaxPixels = std::int64_t{16} * 1024 * 1024;

bool IsAcceptableSize(const TJpegHeader& header) {
    return header.Width > 0 && header.Height > 0 && header.Width <= kMaxSide &&
           header.Height <= kMaxSide &&
           static_cast<std::int64_t>(header.Width) * header.Height <= kMaxPixels;
}

} // namespace

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
    if (!Armalyx::ReadJpegHeader(bytes.data(), bytes.size(), header) || !IsAcceptableSize(header)) {
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
    return Armalyx::DecodeJpeg(m_bytes.data(), m_bytes.size());
}
