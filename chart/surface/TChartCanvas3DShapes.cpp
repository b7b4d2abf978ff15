#include "TChartCanvas3D.h"

#include "ChartCanvasQt.h"
#include "TCanvasStateGuard.h"
#include "TChartGraphic.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <utility>

// The surface's filled shapes, pictures and gradients, and the depth-taking operations of the
// flat projection, which draw the same shapes and lines.

using Armalyx::ChartCanvasQt::FillRect;
using Armalyx::ChartCanvasQt::QtBrushStyle;

namespace {
// The painter's rectangle of a shape whose box has its right and bottom edges outside.
QRect ShapeBox(int l, int t, int r, int b) {
    return {l, t, r - l - 1, b - t - 1};
}

// Where a gradient of the direction starts and ends inside the rectangle; top to bottom for a
// direction the surface does not draw.
std::pair<QPointF, QPointF> GradientEnds(const QRectF& r, TGradientDirection direction) {
    using enum TGradientDirection;
    switch (direction) {
    case gdBottomTop:
        return {r.bottomLeft(), r.topLeft()};
    case gdLeftRight:
        return {r.topLeft(), r.topRight()};
    case gdRightLeft:
        return {r.topRight(), r.topLeft()};
    case gdFromCenter:
        return {r.center(), r.topLeft()};
    case gdFromTopLeft:
        return {r.topLeft(), r.bottomRight()};
    case gdFromBottomLeft:
        return {r.bottomLeft(), r.topRight()};
    default:
        return {r.topLeft(), r.bottomLeft()};
    }
}

QPolygon ToPolygon(const std::vector<TPoint>& points, int lastIndex) {
    QPolygon polygon;
    const int count = std::min(lastIndex + 1, static_cast<int>(points.size()));
    for (int i = 0; i < count; ++i) {
        const TPoint& p = points[static_cast<std::size_t>(i)];
        polygon << QPoint(p.X, p.Y);
    }
    return polygon;
}

// Start and span of an arc in sixteenths of a degree, counter-clockwise from the direction of the
// first point to the direction of the second, as seen from the centre of the box.
struct TArcAngles {
    int Start;
    int Span;
};

TArcAngles ArcAngles(int l, int t, int r, int b, TPoint first, TPoint second) {
    const QPointF centre((l + r) / 2.0, (t + b) / 2.0);
    const double start = QLineF(centre, QPointF(first.X, first.Y)).angle();
    double span = QLineF(centre, QPointF(second.X, second.Y)).angle() - start;
    if (span <= 0) {
        span += 360;
    }
    return {qRound(start * 16), qRound(span * 16)};
}
} // namespace

void TChartCanvas3D::FillShapeRect(int l, int t, int r, int b) {
    QPainter* painter = Painter();
    if (painter == nullptr || Brush().Style() == TBrushStyle::bsClear ||
        Brush().Color() == clNone || r <= l || b <= t) {
        return;
    }
    ApplyBackground(*painter);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->fillRect(FillRect(l, t, r, b),
                      QBrush(Armalyx::ToQColor(Brush().Color()), QtBrushStyle(Brush().Style())));
}

void TChartCanvas3D::FillRectangle(const TRect& rect) {
    FillShapeRect(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TChartCanvas3D::DrawRectangle(int l, int t, int r, int b) {
    FillShapeRect(l, t, r, b);
    DrawOutline(l, t, r, b);
}

void TChartCanvas3D::DrawRectangleR(const TRect& rect) {
    DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TChartCanvas3D::DrawFrame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width) {
    const Armalyx::TCanvasStateGuard state(*this);
    Pen() = TChartPen(topLeft, 1, TPenStyle::psSolid, true);
    TRect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
    for (int i = 0; i < width; ++i) {
        Pen().SetColor(topLeft);
        MovePenTo(r.Left, r.Bottom);
        DrawLineTo(r.Left, r.Top);
        DrawLineTo(r.Right, r.Top);
        Pen().SetColor(bottomRight);
        DrawLineTo(r.Right, r.Bottom);
        DrawLineTo(r.Left - 1, r.Bottom);
        r = r.Inflated(-1, -1);
    }
}

void TChartCanvas3D::DrawPolygon(const std::vector<TPoint>& points, int lastIndex) {
    const QPolygon polygon = ToPolygon(points, lastIndex);
    QPainter* painter = Painter();
    if (painter == nullptr || polygon.size() < 2) {
        return;
    }
    if (Brush().Style() != TBrushStyle::bsClear) {
        ApplyBackground(*painter);
        ApplyBrush(*painter);
        painter->setPen(Qt::NoPen);
        painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter->drawPolygon(polygon, Qt::OddEvenFill);
    }
    MovePenTo(polygon.front().x(), polygon.front().y());
    for (int i = 1; i <= polygon.size(); ++i) {
        const QPoint& p = polygon[i % polygon.size()];
        DrawLineTo(p.x(), p.y());
    }
}

QPainter* TChartCanvas3D::ShapePainter(int l, int t, int r, int b, bool filled) {
    QPainter* painter = Painter();
    if (painter == nullptr || r <= l || b <= t) {
        return nullptr;
    }
    if (filled) {
        ApplyBackground(*painter);
        ApplyBrush(*painter);
    }
    ApplyPen(*painter);
    return painter;
}

void TChartCanvas3D::DrawEllipse(int l, int t, int r, int b) {
    QPainter* painter = ShapePainter(l, t, r, b, true);
    if (painter == nullptr) {
        return;
    }
    painter->drawEllipse(ShapeBox(l, t, r, b));
}

void TChartCanvas3D::DrawArc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    QPainter* painter = ShapePainter(l, t, r, b, false);
    if (painter == nullptr) {
        return;
    }
    const TArcAngles angles = ArcAngles(l, t, r, b, {x1, y1}, {x2, y2});
    painter->drawArc(ShapeBox(l, t, r, b), angles.Start, angles.Span);
}

void TChartCanvas3D::DrawPie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    QPainter* painter = ShapePainter(l, t, r, b, true);
    if (painter == nullptr) {
        return;
    }
    const TArcAngles angles = ArcAngles(l, t, r, b, {x1, y1}, {x2, y2});
    painter->drawPie(ShapeBox(l, t, r, b), angles.Start, angles.Span);
}

void TChartCanvas3D::DrawRoundRect(int l, int t, int r, int b, int cornerW, int cornerH) {
    QPainter* painter = ShapePainter(l, t, r, b, true);
    if (painter == nullptr) {
        return;
    }
    painter->drawRoundedRect(ShapeBox(l, t, r, b), cornerW / 2.0, cornerH / 2.0);
}

void TChartCanvas3D::DrawPicture(int x, int y, TChartGraphic& picture) {
    m_backColor = Brush().Color();
    QPainter* painter = Painter();
    const QImage& bitmap = picture.Bitmap();
    if (painter == nullptr || bitmap.isNull()) {
        return;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->drawImage(QPoint(x, y), bitmap);
}

void TChartCanvas3D::StretchPicture(const TRect& rect, TChartGraphic& picture) {
    QPainter* painter = Painter();
    if (painter == nullptr || rect.IsEmpty()) {
        return;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Vector output keeps the picture as it was read, once, and lets the reader scale it.
    if (m_vector) {
        painter->drawImage(QRectF(rect.Left, rect.Top, rect.Width(), rect.Height()),
                           picture.Bitmap());
        return;
    }
    // Scaled once to the device pixels it covers, so a high-resolution picture shows it sharp.
    const TRect device = m_scale.DeviceRect(rect);
    const QImage& scaled = picture.ScaledBitmap(QSize(device.Width(), device.Height()));
    if (scaled.isNull()) {
        return;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (m_scale.Identity()) {
        painter->drawImage(QPoint(rect.Left, rect.Top), scaled);
    } else {
        painter->drawImage(QRectF(rect.Left, rect.Top, rect.Width(), rect.Height()), scaled,
                           QRectF(scaled.rect()));
    }
}

void TChartCanvas3D::StretchPicturePart(const TRect& rect, TChartGraphic& picture,
                                        double sourceLeft, double sourceRight) {
    QPainter* painter = Painter();
    if (painter == nullptr || rect.IsEmpty()) {
        return;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRectF target(rect.Left, rect.Top, rect.Width(), rect.Height());
    // Vector output gets the part at the picture's own resolution, cut here: an SVG reader would
    // be handed the whole picture and no clip.
    if (m_vector) {
        const int columns =
            std::max(1, static_cast<int>(std::ceil(std::fabs(sourceRight - sourceLeft))));
        const QImage& part =
            picture.ScaledPart(sourceLeft, sourceRight, QSize(columns, picture.Height()));
        if (!part.isNull()) {
            painter->drawImage(target, part);
        }
        return;
    }
    const TRect device = m_scale.DeviceRect(rect);
    const QImage& part =
        picture.ScaledPart(sourceLeft, sourceRight, QSize(device.Width(), device.Height()));
    if (part.isNull()) {
        return;
    }
    if (m_scale.Identity()) {
        painter->drawImage(QPoint(rect.Left, rect.Top), part);
    } else {
        painter->drawImage(target, part, QRectF(part.rect()));
    }
}

void TChartCanvas3D::GradientFill(const TRect& rect, TColor startColor, TColor endColor,
                                  TGradientDirection direction) {
    QPainter* painter = Painter();
    if (painter == nullptr || rect.IsEmpty()) {
        return;
    }
    const QRectF r(rect.Left, rect.Top, rect.Width(), rect.Height());
    const auto [from, to] = GradientEnds(r, direction);
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, Armalyx::ToQColor(startColor));
    gradient.setColorAt(1, Armalyx::ToQColor(endColor));
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->fillRect(r, gradient);
}

void TChartCanvas3D::DrawArrow(bool /*filled*/, TPoint from, TPoint to, int /*headWidth*/,
                               int /*headHeight*/, int z) {
    DrawLineWithZ(from.X, from.Y, to.X, to.Y, z);
}

void TChartCanvas3D::DrawCone(bool vertical, int l, int t, int r, int b, int z0, int z1) {
    DrawPyramid(vertical, l, t, r, b, z0, z1);
}

void TChartCanvas3D::DrawCube(const TRect& rect, int /*z0*/, int /*z1*/) {
    DrawRectangleR(rect);
}

void TChartCanvas3D::DrawCylinder(bool /*vertical*/, int l, int t, int r, int b, int z0, int z1) {
    DrawCube({l, t, r, b}, z0, z1);
}

void TChartCanvas3D::DrawHorizLine3D(int x0, int x1, int y, int /*z*/) {
    DrawHorizLine(x0, x1, y);
}

void TChartCanvas3D::DrawVertLine3D(int x, int y0, int y1, int /*z*/) {
    DrawVertLine(x, y0, y1);
}

void TChartCanvas3D::DrawZLine3D(int x, int y, int /*z0*/, int /*z1*/) {
    DrawLine(x, y, x, y);
}

void TChartCanvas3D::DrawEllipseWithZ(int l, int t, int r, int b, int /*z*/) {
    DrawEllipse(l, t, r, b);
}

void TChartCanvas3D::DrawLineWithZ(int x0, int y0, int x1, int y1, int /*z*/) {
    DrawLine(x0, y0, x1, y1);
}

void TChartCanvas3D::MovePenTo3D(int x, int y, int /*z*/) {
    MovePenTo(x, y);
}

void TChartCanvas3D::DrawLineTo3D(int x, int y, int /*z*/) {
    DrawLineTo(x, y);
}

void TChartCanvas3D::DrawPie3D(int x, int y, int radiusX, int radiusY, int /*z0*/, int /*z1*/,
                               double startAngle, double endAngle) {
    QPainter* painter = Painter();
    if (painter == nullptr) {
        return;
    }
    ApplyBackground(*painter);
    ApplyBrush(*painter);
    ApplyPen(*painter);
    painter->drawPie(QRect(x - radiusX, y - radiusY, 2 * radiusX, 2 * radiusY),
                     qRound(startAngle * 16), qRound((endAngle - startAngle) * 16));
}

void TChartCanvas3D::DrawPlane3D(TPoint from, TPoint to, int /*z0*/, int /*z1*/) {
    DrawLine(from.X, from.Y, to.X, to.Y);
}

void TChartCanvas3D::DrawPlaneWithZ(const TFourPoints& points, int /*z*/) {
    DrawPolygon(std::vector<TPoint>(points.begin(), points.end()), 3);
}

void TChartCanvas3D::DrawPlaneFour3D(const TFourPoints& points, int z0, int /*z1*/) {
    DrawPlaneWithZ(points, z0);
}

void TChartCanvas3D::DrawPolygonWithZ(const std::vector<TPoint>& points, int lastIndex, int /*z*/) {
    DrawPolygon(points, lastIndex);
}

void TChartCanvas3D::DrawPyramid(bool vertical, int l, int t, int r, int b, int /*z0*/,
                                 int /*z1*/) {
    if (vertical) {
        DrawPolygon({{l, b}, {(l + r) / 2, t}, {r, b}}, 2);
    } else {
        DrawPolygon({{l, t}, {r, (t + b) / 2}, {l, b}}, 2);
    }
}

void TChartCanvas3D::DrawRectangleWithZ(const TRect& rect, int /*z*/) {
    DrawPolygon({{rect.Left, rect.Top},
                 {rect.Right, rect.Top},
                 {rect.Right, rect.Bottom},
                 {rect.Left, rect.Bottom}},
                3);
}

void TChartCanvas3D::DrawRectangleY(int l, int t, int r, int /*z0*/, int /*z1*/) {
    DrawHorizLine(l, r, t);
}

void TChartCanvas3D::DrawRectangleZ(int l, int t, int b, int /*z0*/, int /*z1*/) {
    DrawVertLine(l, t, b);
}

void TChartCanvas3D::WriteRotatedText3D(int x, int y, int /*z*/, int angle, const QString& text) {
    WriteRotatedText(x, y, angle, text);
}

void TChartCanvas3D::DrawSphere(int x, int y, int /*z*/, int radius) {
    DrawEllipse(x - radius, y - radius, x + radius, y + radius);
}

void TChartCanvas3D::WriteText3D(int x, int y, int /*z*/, const QString& text) {
    WriteText(x, y, text);
}

void TChartCanvas3D::DrawTriangle3D(const std::array<TPoint, 3>& points, int /*z*/) {
    DrawPolygon(std::vector<TPoint>(points.begin(), points.end()), 2);
}

void TChartCanvas3D::DrawTriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int /*z*/) {
    DrawPolygon({p1, p2, p3}, 2);
}
