#pragma once
// The pen that chart parts own (axes, grid, legend, series). Setting a property to a new value
// raises the change notification that the owner installed; setting the same value does nothing.

#include "TChartColors.h"

#include <functional>

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

class TChartPen {
public:
    TChartPen() = default;
    TChartPen(TColor color, int width, TPenStyle style, bool visible);
    virtual ~TChartPen() = default;

    // Copies carry the settings only: the copy has no owner to notify.
    TChartPen(const TChartPen& other);
    // Assignment takes the other pen's settings and notifies this pen's own owner of a change.
    TChartPen& operator=(const TChartPen& other);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    int Width() const { return m_width; }
    void SetWidth(int value);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    bool SmallDots() const { return m_smallDots; }
    void SetSmallDots(bool value);

    void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }

    bool SameSettings(const TChartPen& other) const;

private:
    void Changed() const;

    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = TPenStyle::psSolid;
    TPenMode m_mode = TPenMode::pmCopy;
    bool m_visible = true;
    bool m_smallDots = false;
    std::function<void()> m_onChange;
};

// Pens that are off unless switched on: minor grid, legend dividing lines, frames.
class TChartHiddenPen final : public TChartPen {
public:
    using TChartPen::operator=;
    TChartHiddenPen() : TChartPen(clBlack, 1, TPenStyle::psSolid, false) {}
};

// Axis grid lines.
class TDottedGrayPen final : public TChartPen {
public:
    using TChartPen::operator=;
    TDottedGrayPen() : TChartPen(clGray, 1, TPenStyle::psDot, true) {}
};

// Axis ticks, inner ticks and minor ticks.
class TDarkGrayPen final : public TChartPen {
public:
    using TChartPen::operator=;
    TDarkGrayPen() : TChartPen(clGray, 1, TPenStyle::psSolid, true) {}
};

// Axis lines.
class TChartAxisPen final : public TChartPen {
public:
    using TChartPen::operator=;
    TChartAxisPen() : TChartPen(clBlack, 2, TPenStyle::psSolid, true) {}
};

// Arrows of point marks.
class TChartArrowPen final : public TChartPen {
public:
    using TChartPen::operator=;
    TChartArrowPen() : TChartPen(clWhite, 1, TPenStyle::psSolid, true) {}
};
