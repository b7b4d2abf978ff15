#pragma once
// The fill of chart parts. The colour is always stored; clUseSeriesColor on a title, wall or
// legend brush means the part has no colour of its own. bsClear fills nothing.

#include "TChartColors.h"

#include <functional>

enum class TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

class TChartBrush {
public:
    TChartBrush() = default;
    explicit TChartBrush(TColor color, TBrushStyle style = TBrushStyle::bsSolid)
        : m_color(color), m_style(style) {}
    virtual ~TChartBrush() = default;

    // Copies carry the settings only; assignment notifies this brush's own owner of a change.
    TChartBrush(const TChartBrush& other) : m_color(other.m_color), m_style(other.m_style) {}
    TChartBrush& operator=(const TChartBrush& other);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle value);

    void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }

private:
    void Changed() const;

    TColor m_color = clWhite;
    TBrushStyle m_style = TBrushStyle::bsSolid;
    std::function<void()> m_onChange;
};
