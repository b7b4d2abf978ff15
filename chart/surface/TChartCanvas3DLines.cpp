#include "TChartCanvas3D.h"

#include "ChartCanvasQt.h"
#include "DeviceStrokes.h"
#include "LineRaster.h"
#include "TCanvasStateGuard.h"
#include "TPainterTransformGuard.h"

#include <QPainter>

#include <algorithm>

// The surface's line writer: 1-pixel lines set pixel by pixel, wide lines and outlines.

using Armalyx::ChartCanvasQt::CompositionFor;

namespace {
// The colour as the picture stores it. Lines ask for it at every segment, so an explicit colour
// is unpacked here without going through QColor.
QRgb ToRgba(TColor color) {
    if (color == clNone || IsSystemColor(color)) {
        return Armalyx::ToQColor(color).rgba();
    }
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}
} // namespace

// Lines of 1-pixel pens are set pixel by pixel from LinePixels, which keeps the start pixel and
// drops the end pixel in every direction; QPainter's own lines drop the right or bottom pixel
// instead. The dash pattern runs on from one DrawLineTo to the next and restarts at a move. On a
// high-resolution picture the line is a band of device lines with the pattern scaled alike.
void TChartCanvas3D::DrawLinePixels(TPoint from, TPoint to) {
    QPainter* painter = OpenPainter();
    if (painter == nullptr) {
        return;
    }
    const std::vector<int> pattern = Armalyx::PenDashPattern(Pen().Style(), Pen().SmallDots());
    const TRect limit = m_vector ? TRect{} : DeviceLimit();
    if (m_vector) {
        DrawVectorLine(from, to, pattern);
    } else if (m_scale.Identity()) {
        DrawDeviceLine(*painter, {from.X, from.Y}, {to.X, to.Y}, limit, pattern, m_patternPos);
    } else {
        const TDeviceStrokes strokes = Armalyx::DeviceStrokes(from, to, m_scale);
        const std::vector<int> devicePattern = Armalyx::DevicePattern(pattern, m_scale);
        const long long patternStart =
            std::llround(static_cast<double>(m_patternPos) * m_scale.Ratio());
        for (int k = 0; k < strokes.Count; ++k) {
            DrawDeviceLine(*painter, strokes.FromOf(k), strokes.ToOf(k), limit, devicePattern,
                           patternStart);
        }
    }
    m_patternPos += std::max(std::abs(static_cast<long long>(to.X) - from.X),
                             std::abs(static_cast<long long>(to.Y) - from.Y));
}

void TChartCanvas3D::DrawDeviceLine(QPainter& painter, TWidePoint from, TWidePoint to,
                                    const TRect& limit, const std::vector<int>& pattern,
                                    long long patternStart) {
    const TDeviceLine line{TLineWalk(from, to, limit), pattern, patternStart};
    if (WritesDirectly(painter)) {
        WriteLinePixels(line);
    } else {
        PaintLinePixels(painter, line);
    }
}

// The device pixels lines may touch: the target's, within the clip rectangle.
TRect TChartCanvas3D::DeviceLimit() const {
    const int type = m_target->devType();
    const bool sizedInDevicePixels = type == QInternal::Image || type == QInternal::Pixmap;
    TRect limit = sizedInDevicePixels
                      ? TRect{0, 0, m_target->width(), m_target->height()}
                      : m_scale.DeviceRect({0, 0, m_target->width(), m_target->height()});
    if (m_clipped) {
        limit = limit.Intersected(m_scale.DeviceRect(m_clip));
    }
    return limit;
}

// Copy-mode pixels of opaque colours on a 32-bit picture, with nothing turning the painter's
// coordinates, are what QPainter would write itself.
bool TChartCanvas3D::WritesDirectly(const QPainter& painter) const {
    return m_rasterPath == TRasterPath::rpDirect && m_pixels.Valid() &&
           Pen().Mode() == TPenMode::pmCopy && painter.transform().type() == QTransform::TxNone &&
           qAlpha(ToRgba(Pen().Color())) == 255 && qAlpha(ToRgba(m_backColor)) == 255;
}

void TChartCanvas3D::WriteLinePixels(TDeviceLine line) {
    const QRgb on = ToRgba(Pen().Color());
    const QRgb gap = ToRgba(m_backColor);
    const bool gapsDrawn = m_backMode == TBackMode::bmOpaque;
    TDashCursor dash(line.Pattern, line.PatternStart);
    if (line.Walk.Straight() &&
        WriteStraightRun(line.Walk.StraightRun(), line.PatternStart, dash, on, gapsDrawn, gap)) {
        return;
    }
    line.Walk.ForEachPixel([&](int x, int y, long long index) {
        if (dash.IsOn(line.PatternStart + index)) {
            m_pixels.Set(x, y, on);
        } else if (gapsDrawn) {
            m_pixels.Set(x, y, gap);
        }
    });
}

// Axis lines and grid lines: one pointer stepping along the row or column, the dash pattern
// followed by its phase.
bool TChartCanvas3D::WriteStraightRun(const TLineWalk::TStraightRun& run, long long patternStart,
                                      TDashCursor& dash, QRgb on, bool gapsDrawn, QRgb gap) {
    if (run.Count == 0) {
        return true;
    }
    dash.IsOn(patternStart + run.FirstIndex);
    const std::vector<unsigned char>& flags = dash.Flags();
    if (flags.empty()) {
        return m_pixels.SetRun(run.First.X, run.First.Y, run.StepX, run.StepY, run.Count,
                               [on](long long, QRgb& colour) {
                                   colour = on;
                                   return true;
                               });
    }
    std::size_t phase = dash.Phase();
    return m_pixels.SetRun(run.First.X, run.First.Y, run.StepX, run.StepY, run.Count,
                           [&](long long, QRgb& colour) {
                               const bool isOn = flags[phase] != 0;
                               phase = phase + 1 == flags.size() ? 0 : phase + 1;
                               colour = isOn ? on : gap;
                               return isOn || gapsDrawn;
                           });
}

// The same pixels through QPainter. On a high-resolution picture the points are device pixels,
// so the painter's scale is undone while they are drawn.
void TChartCanvas3D::PaintLinePixels(QPainter& painter, TDeviceLine line) {
    QPolygon on;
    QPolygon gaps;
    line.Walk.ForEachPixel([&](int x, int y, long long index) {
        (Armalyx::PatternIsOn(line.Pattern, line.PatternStart + index) ? on : gaps) << QPoint(x, y);
    });
    const Armalyx::TPainterTransformGuard transform(painter);
    if (!m_scale.Identity()) {
        painter.setWorldTransform(QTransform::fromScale(1 / m_scale.Ratio(), 1 / m_scale.Ratio()));
    }
    painter.setCompositionMode(CompositionFor(Pen().Mode()));
    if (m_backMode == TBackMode::bmOpaque && !gaps.isEmpty()) {
        painter.setPen(QPen(Armalyx::ToQColor(m_backColor), 0));
        painter.drawPoints(gaps);
    }
    painter.setPen(QPen(Armalyx::ToQColor(Pen().Color()), 0));
    painter.drawPoints(on);
}

// Wide pens are continuous and drawn by QPainter with flat ends, shortened by one pixel at the end.
void TChartCanvas3D::DrawWideLine(TPoint from, TPoint to) {
    QPainter* painter = Painter();
    if (painter == nullptr || from == to) {
        return;
    }
    const TRect huge{-(1 << 20), -(1 << 20), 1 << 20, 1 << 20};
    const std::vector<TLinePixel> pixels = Armalyx::LinePixels(from, to, huge);
    if (pixels.empty()) {
        return;
    }
    QPen pen(Armalyx::ToQColor(Pen().Color()), Pen().Width(), Qt::SolidLine, Qt::SquareCap,
             Qt::MiterJoin);
    painter->setCompositionMode(CompositionFor(Pen().Mode()));
    painter->setPen(pen);
    const TPoint last = pixels.back().Point;
    painter->drawLine(QPoint(from.X, from.Y), QPoint(last.X, last.Y));
}

void TChartCanvas3D::DrawLineTo(int x, int y) {
    const TPoint from = m_penPos;
    m_penPos = {x, y};
    if (!PenDraws()) {
        return;
    }
    if (Pen().Width() > 1) {
        DrawWideLine(from, m_penPos);
    } else {
        DrawLinePixels(from, m_penPos);
    }
}

void TChartCanvas3D::MovePenTo(int x, int y) {
    m_penPos = {x, y};
    m_patternPos = 0;
}

void TChartCanvas3D::DrawLine(int x0, int y0, int x1, int y1) {
    MovePenTo(x0, y0);
    DrawLineTo(x1, y1);
}

// The outline of the box Left..Right-1 by Top..Bottom-1, as one closed run of lines so that a dash
// pattern goes round the corners. Wide pens draw nested outlines centred on the box's edge.
void TChartCanvas3D::DrawOutline(int l, int t, int r, int b) {
    if (!PenDraws() || r <= l || b <= t) {
        return;
    }
    const int width = std::max(1, Pen().Width());
    const Armalyx::TCanvasStateGuard state(*this);
    Pen().SetWidth(1);
    for (int ring = 0; ring < width; ++ring) {
        const int grow = width / 2 - ring;
        const int left = l - grow;
        const int top = t - grow;
        const int right = r - 1 + grow;
        const int bottom = b - 1 + grow;
        if (right < left || bottom < top) {
            break;
        }
        MovePenTo(left, top);
        DrawLineTo(right, top);
        DrawLineTo(right, bottom);
        DrawLineTo(left, bottom);
        DrawLineTo(left, top);
        if (right == left || bottom == top) {
            SetPixelColor(right, bottom, Pen().Color());
        }
    }
}
