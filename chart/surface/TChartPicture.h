#pragma once
// The chart's background picture (the panel's BackImage): holds at most one picture of a
// registered format, loaded from the block stored with the window's layout. Whatever is wrong
// with a block leaves the picture empty; the chart then draws no picture.

#include "TChartGraphic.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

class TChartPicture final {
public:
    TChartPicture() = default;

    // The block is one length byte n, n bytes naming the picture's class, then that class's data.
    // Answers whether a picture was loaded.
    bool LoadFromBlock(std::span<const std::uint8_t> block);
    void Clear();

    bool Empty() const { return m_graphic == nullptr || m_graphic->Empty(); }
    // The picture, null when empty.
    TChartGraphic* Graphic() const { return Empty() ? nullptr : m_graphic.get(); }
    int Width() const { return Empty() ? 0 : m_graphic->Width(); }
    int Height() const { return Empty() ? 0 : m_graphic->Height(); }

    void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }

private:
    void Changed() const;

    std::unique_ptr<TChartGraphic> m_graphic;
    std::function<void()> m_onChange;
};
