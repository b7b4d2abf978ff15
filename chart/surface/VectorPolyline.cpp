#include "VectorPolyline.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace Armalyx::VectorPolyline {

namespace {

constexpr double kHalf = 0.5;

QPointF Centre(TPoint pixel) {
    return {pixel.X + kHalf, pixel.Y + kHalf};
}

// Half of the step the screen's line walk takes from one pixel towards the other.
QPointF HalfStep(TPoint from, TPoint to) {
    const double dx = static_cast<double>(to.X) - from.X;
    const double dy = static_cast<double>(to.Y) - from.Y;
    const double steps = std::max(std::abs(dx), std::abs(dy));
    return {dx / steps * kHalf, dy / steps * kHalf};
}

// The span 0..1 of the segment a + t (b - a) that lies inside the area (Liang and Barsky).
struct TSpan {
    double Enter = 0;
    double Leave = 1;
};

std::optional<TSpan> InsideSpan(QPointF a, QPointF b, const QRectF& area) {
    TSpan span;
    const double d[2] = {b.x() - a.x(), b.y() - a.y()};
    const double start[2] = {a.x(), a.y()};
    const double low[2] = {area.left(), area.top()};
    const double high[2] = {area.right(), area.bottom()};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (start[axis] < low[axis] || start[axis] > high[axis]) {
                return std::nullopt;
            }
            continue;
        }
        double t0 = (low[axis] - start[axis]) / d[axis];
        double t1 = (high[axis] - start[axis]) / d[axis];
        if (t0 > t1) {
            std::swap(t0, t1);
        }
        span.Enter = std::max(span.Enter, t0);
        span.Leave = std::min(span.Leave, t1);
        if (span.Enter > span.Leave) {
            return std::nullopt;
        }
    }
    return span;
}

QPointF At(QPointF a, QPointF b, double t) {
    return a + (b - a) * t;
}

} // namespace

std::vector<QPointF> Stroke(const std::vector<TPoint>& pixels) {
    std::vector<TPoint> chain;
    chain.reserve(pixels.size());
    for (const TPoint pixel : pixels) {
        if (chain.empty() || chain.back() != pixel) {
            chain.push_back(pixel);
        }
    }
    if (chain.size() < 2) {
        return {};
    }
    std::vector<QPointF> stroke;
    stroke.reserve(chain.size());
    for (const TPoint pixel : chain) {
        stroke.push_back(Centre(pixel));
    }
    stroke.front() -= HalfStep(chain[0], chain[1]);
    stroke.back() -= HalfStep(chain[chain.size() - 2], chain.back());
    return stroke;
}

std::optional<QRectF> CentreLineArea(const TRect& clip) {
    if (clip.Right <= clip.Left || clip.Bottom <= clip.Top) {
        return std::nullopt;
    }
    return QRectF(QPointF(clip.Left + kHalf, clip.Top + kHalf),
                  QPointF(clip.Right - kHalf, clip.Bottom - kHalf));
}

std::vector<TStrokePiece> Clipped(const std::vector<QPointF>& stroke, const QRectF& area) {
    std::vector<TStrokePiece> pieces;
    bool open = false;
    double length = 0;
    for (std::size_t i = 1; i < stroke.size(); ++i) {
        const QPointF a = stroke[i - 1];
        const QPointF b = stroke[i];
        const double segment = QLineF(a, b).length();
        const std::optional<TSpan> span = InsideSpan(a, b, area);
        if (span && span->Leave > span->Enter) {
            if (!open || span->Enter > 0) {
                pieces.push_back({{At(a, b, span->Enter)}, length + segment * span->Enter});
            }
            pieces.back().Points.push_back(At(a, b, span->Leave));
            open = span->Leave >= 1;
        } else {
            open = false;
        }
        length += segment;
    }
    return pieces;
}

} // namespace Armalyx::VectorPolyline
