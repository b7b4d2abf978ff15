#pragma once
// The JPEG picture format. Loading keeps the JPEG bytes and reads only the header (size, greyscale,
// progressive); the whole picture is decoded with libjpeg the first time it is drawn.

#include "TChartGraphic.h"

#include <vector>

class TJPEGImage final : public TChartGraphic {
public:
    static QString StaticClassName() { return QStringLiteral("TJPEGImage"); }

    QString ClassName() const override { return StaticClassName(); }
    // The data is a 32-bit little-endian byte count followed by that many bytes of a JPEG file.
    std::size_t LoadFromData(std::span<const std::uint8_t> data) override;
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    bool Empty() const override { return m_bytes.empty(); }
    bool Grayscale() const { return m_grayscale; }
    bool ProgressiveEncoding() const { return m_progressive; }

protected:
    QImage Decode() override;

private:
    std::vector<std::uint8_t> m_bytes;
    int m_width = 0;
    int m_height = 0;
    bool m_grayscale = false;
    bool m_progressive = false;
};
