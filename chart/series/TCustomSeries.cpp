#include "TCustomSeries.h"

#include "ChartMath.h"
#include "TChartCanvas.h"

#include <algorithm>

namespace {
// Pixels beyond this distance cannot be drawn; such points are skipped.
constexpr std::int32_t kDrawableLimit = 32766;

bool Drawable(std::int32_t x, std::int32_t y) {
    return x >= -kDrawableLimit && x <= kDrawableLimit && y >= -kDrawableLimit &&
           y <= kDrawableLimit;
}
} // namespace

TCustomSeries::TCustomSeries() : m_pointer(*this), m_marks(*this) {
    m_linePen.SetOnChange([this] { RequestRepaint(); });
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::SetDark3D(bool dark) {
    Set(m_dark3D, dark);
}

void TCustomSeries::SetStairs(bool stairs) {
    Set(m_stairs, stairs);
}

void TCustomSeries::SetInvertedStairs(bool inverted) {
    Set(m_invertedStairs, inverted);
}

void TCustomSeries::SetLineHeight(int height) {
    Set(m_lineHeight, height);
}

// A value too far off the axis for 32-bit pixel arithmetic lies beyond the edge it exceeds, at the
// edge of the drawable range, so that the line leaves the plot towards it.
std::int32_t TCustomSeries::PointPixelX(std::int32_t i) const {
    return GetHorizAxis() != nullptr
               ? GetHorizAxis()->ValueToPixelBeyondEdges(XValueAt(i), kDrawableLimit)
               : 0;
}

std::int32_t TCustomSeries::PointPixelY(std::int32_t i) const {
    return GetVertAxis() != nullptr
               ? GetVertAxis()->ValueToPixelBeyondEdges(YValueAt(i), kDrawableLimit)
               : 0;
}

TSeriesMargins TCustomSeries::RequestHorizMargins() const {
    TSeriesMargins margins;
    if (m_pointer.Visible() && m_pointer.InflateMargins()) {
        margins.Start = margins.End = Armalyx::ChartMath::AddClamped(m_pointer.HorizSize(), 1);
    }
    return margins;
}

TSeriesMargins TCustomSeries::RequestVertMargins() const {
    TSeriesMargins margins;
    if (m_pointer.Visible() && m_pointer.InflateMargins()) {
        margins.Start = margins.End = Armalyx::ChartMath::AddClamped(m_pointer.VertSize(), 1);
    }
    return margins;
}

TChartCanvas& TCustomSeries::Canvas() const {
    return ParentChart()->Canvas();
}

void TCustomSeries::DrawVisiblePoints() {
    if (ParentChart() == nullptr || FirstVisibleIndex() < 0) {
        return;
    }
    // The pixel left over from an earlier frame is never the start of a segment of this one.
    m_lineStarted = false;
    for (std::int32_t i = FirstVisibleIndex(); i <= LastVisibleIndex(); ++i) {
        DrawPoint(i);
    }
}

void TCustomSeries::DrawSegmentTo(std::int32_t x, std::int32_t y, TColor c) {
    if ((x == m_lastPixelX && y == m_lastPixelY) || c == clNone) {
        return;
    }
    TChartCanvas& canvas = Canvas();
    canvas.ApplyChartPen(m_linePen);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    // The gaps of a dotted or dashed line show what lies below it, picture and grid alike,
    // whatever background mode the steps before left on the surface.
    canvas.SetBackMode(TBackMode::bmTransparent);
    canvas.Pen().SetColor(c);
    canvas.DrawLine(m_lastPixelX, m_lastPixelY, x, y);
}

void TCustomSeries::EnterFromLeftEdge(std::int32_t i) {
    const TSeriesAxis& horiz = *GetHorizAxis();
    const TRect& rect = ParentChart()->ChartRect();
    m_lastPixelX = horiz.Inverted() ? rect.Right : rect.Left;
    const double xe = horiz.PixelToValue(m_lastPixelX);
    const double x0 = XValueAt(i - 1);
    const double x1 = XValueAt(i);
    const double y0 = YValueAt(i - 1);
    const double y1 = YValueAt(i);
    m_lastPixelY = x1 != x0 ? GetVertAxis()->ValueToPixelBeyondEdges(
                                  y0 + (y1 - y0) * (xe - x0) / (x1 - x0), kDrawableLimit)
                            : PointPixelY(i - 1);
}

void TCustomSeries::DrawPoint(std::int32_t i) {
    const TColor c = PointColor(i);
    const std::int32_t x = PointPixelX(i);
    const std::int32_t y = PointPixelY(i);
    if (Drawable(x, y)) {
        if (m_lastColor == clNone) {
            m_lastPixelX = x;
            m_lastPixelY = y;
        }
        if (i == FirstVisibleIndex()) {
            if (i > 0 && GetHorizAxis() != nullptr && GetVertAxis() != nullptr) {
                EnterFromLeftEdge(i);
                if (!IsNull(i - 1)) {
                    DrawSegmentTo(x, y, c);
                }
            }
        } else if (m_lineStarted) {
            DrawSegmentTo(x, y, c);
        }
        // After skipped first points the line starts here.
        m_lastPixelX = x;
        m_lastPixelY = y;
        m_lineStarted = true;
        if (m_pointer.Visible() && c != clNone) {
            DrawPointer(Canvas(), x, y, c);
        }
    }
    m_lastColor = c;
}

void TCustomSeries::DrawPointer(TChartCanvas& canvas, std::int32_t x, std::int32_t y,
                                TColor color) const {
    // A mark larger than any surface is drawn at the largest size a surface has room for.
    const int h = std::min(m_pointer.HorizSize(), kDrawableLimit);
    const int v = std::min(m_pointer.VertSize(), kDrawableLimit);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color);
    canvas.Brush() = TChartBrush(clWhite, TBrushStyle::bsSolid);
    switch (m_pointer.Style()) {
    case TSeriesPointerStyle::psCircle:
        canvas.DrawEllipse(x - h, y - v, x + h + 1, y + v + 1);
        break;
    default:
        canvas.DrawRectangle(x - h, y - v, x + h + 1, y + v + 1);
        break;
    }
}

void TCustomSeries::DrawLegendSymbol(TChartCanvas& canvas, std::int32_t pointIndex,
                                     const TRect& rect) {
    if (pointIndex == -1 && ColorEachPoint()) {
        return;
    }
    const TColor color = pointIndex == -1 ? SeriesColor() : PointColor(pointIndex);
    if (color == clNone) {
        return;
    }
    canvas.ApplyChartPen(m_linePen);
    canvas.Brush() = TChartBrush(color, m_lineBrush);
    if (m_lineBrush == TBrushStyle::bsSolid) {
        canvas.SetBackMode(TBackMode::bmTransparent);
    }
    canvas.ApplyChartPen(m_linePen);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Pen().SetColor(color);
    if (ParentChart() != nullptr && ParentChart()->View3D()) {
        canvas.DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
    } else if (m_linePen.Visible()) {
        canvas.DrawHorizLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
    }
    // A series drawn as marks shows its mark in the middle of the line's place.
    const auto middle = [](std::int32_t low, std::int32_t high) {
        return static_cast<std::int32_t>((std::int64_t{low} + high) / 2);
    };
    const std::int32_t x = middle(rect.Left, rect.Right);
    const std::int32_t y = middle(rect.Top, rect.Bottom);
    if (m_pointer.Visible() && Drawable(x, y)) {
        DrawPointer(canvas, x, y, color);
    }
}
