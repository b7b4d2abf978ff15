#include "TChartCanvas3D.h"

#include "DeviceStrokes.h"
#include "LineRaster.h"
#include "TChartGraphic.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {
// The colour as the picture stores it. Lines ask for it at every segment, so an explicit colour
// is unpacked here without going through QColor.
QRgb ToRgba(TColor color) {
    if (color == clNone || IsSystemColor(color)) {
        return ToQColor(color).rgba();
    }
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QPainter::CompositionMode CompositionFor(TPenMode mode) {
    switch (mode) {
    case TPenMode::pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case TPenMode::pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    case TPenMode::pmNot:
        return QPainter::RasterOp_NotDestination;
    case TPenMode::pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case TPenMode::pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case TPenMode::pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case TPenMode::pmNotMerge:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case TPenMode::pmNotMask:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case TPenMode::pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case TPenMode::pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case TPenMode::pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

Qt::BrushStyle QtBrushStyle(TBrushStyle style) {
    switch (style) {
    case TBrushStyle::bsClear:
        return Qt::NoBrush;
    case TBrushStyle::bsHorizontal:
        return Qt::HorPattern;
    case TBrushStyle::bsVertical:
        return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal:
        return Qt::BDiagPattern;
    case TBrushStyle::bsBDiagonal:
        return Qt::FDiagPattern;
    case TBrushStyle::bsCross:
        return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

QRect FillRect(int l, int t, int r, int b) {
    return QRect(l, t, r - l, b - t);
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

// Angles above a full turn count from zero again (450 is 90).
int NormalisedAngle(int angle) {
    return angle > 360 ? angle - 360 : angle;
}

} // namespace

TChartCanvas3D::TChartCanvas3D() = default;

TChartCanvas3D::~TChartCanvas3D() {
    ClosePainter();
}

void TChartCanvas3D::TargetAttached(QPaintDevice* target) {
    ClosePainter();
    m_target = target;
    m_clipped = false;
}

QPainter* TChartCanvas3D::Painter() {
    if (m_painter == nullptr && m_target != nullptr && m_target->width() > 0 &&
        m_target->height() > 0) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_target)) {
            m_painter.reset();
            return nullptr;
        }
        m_painterFontKnown = false;
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
        if (m_clipped) {
            m_painter->setClipRect(FillRect(m_clip.Left, m_clip.Top, m_clip.Right, m_clip.Bottom));
        }
        if (m_target->devType() == QInternal::Image) {
            m_pixels = TDirectPixels(*static_cast<QImage*>(m_target));
        }
        m_scale = TDeviceScale(m_target->devicePixelRatio());
    }
    return m_painter.get();
}

void TChartCanvas3D::ClosePainter() {
    m_pixels = TDirectPixels();
    if (m_painter != nullptr) {
        m_painter->end();
        m_painter.reset();
    }
}

bool TChartCanvas3D::PenDraws() const {
    return Pen().Visible() && Pen().Style() != TPenStyle::psClear && Pen().Color() != clNone;
}

void TChartCanvas3D::ApplyPen(QPainter& painter) const {
    painter.setCompositionMode(CompositionFor(Pen().Mode()));
    if (!PenDraws()) {
        painter.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(Pen().Color()));
    // A 1-pixel pen is one device pixel wide on a plain picture and one chart pixel wide on a
    // high-resolution one.
    if (Pen().Width() > 1) {
        pen.setWidth(Pen().Width());
    } else {
        pen.setWidth(m_scale.Identity() ? 0 : 1);
    }
    const std::vector<int> pattern = PenDashPattern(Pen().Style(), Pen().SmallDots());
    if (!pattern.empty() && Pen().Width() <= 1) {
        pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    }
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
}

void TChartCanvas3D::ApplyBrush(QPainter& painter) const {
    if (Brush().Color() == clNone) {
        painter.setBrush(Qt::NoBrush);
        return;
    }
    painter.setBrush(QBrush(ToQColor(Brush().Color()), QtBrushStyle(Brush().Style())));
}

void TChartCanvas3D::ApplyBackground(QPainter& painter) const {
    painter.setBackground(QBrush(ToQColor(m_backColor)));
    painter.setBackgroundMode(m_backMode == TBackMode::bmOpaque ? Qt::OpaqueMode
                                                                : Qt::TransparentMode);
}

void TChartCanvas3D::SetMonochrome(bool value) {
    if (m_monochrome == value) {
        return;
    }
    m_monochrome = value;
    if (m_target == &m_buffer) {
        TargetAttached(nullptr);
    }
    m_buffer = QImage();
    m_bufferValid = false;
    if (m_onRepaint) {
        m_onRepaint();
    }
}

void TChartCanvas3D::SetBuffered(bool value) {
    if (m_buffered == value) {
        return;
    }
    m_buffered = value;
    if (!value) {
        if (m_target == &m_buffer) {
            TargetAttached(nullptr);
        }
        m_buffer = QImage();
        m_bufferValid = false;
    }
}

void TChartCanvas3D::SetPixelColor(int x, int y, TColor color) {
    QPainter* painter = Painter();
    if (painter == nullptr || color == clNone) {
        return;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

// Lines of 1-pixel pens are set pixel by pixel from LinePixels, which keeps the start pixel and
// drops the end pixel in every direction; QPainter's own lines drop the right or bottom pixel
// instead. The dash pattern runs on from one DrawLineTo to the next and restarts at a move. On a
// high-resolution picture the line is a band of device lines with the pattern scaled alike.
void TChartCanvas3D::DrawLinePixels(TPoint from, TPoint to) {
    QPainter* painter = Painter();
    if (painter == nullptr) {
        return;
    }
    const TRect limit = DeviceLimit();
    const std::vector<int> pattern = PenDashPattern(Pen().Style(), Pen().SmallDots());
    if (m_scale.Identity()) {
        DrawDeviceLine(*painter, {from.X, from.Y}, {to.X, to.Y}, limit, pattern, m_patternPos);
    } else {
        const TDeviceStrokes strokes = DeviceStrokes(from, to, m_scale);
        const std::vector<int> devicePattern = DevicePattern(pattern, m_scale);
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
        (PatternIsOn(line.Pattern, line.PatternStart + index) ? on : gaps) << QPoint(x, y);
    });
    const QTransform saved = painter.worldTransform();
    if (!m_scale.Identity()) {
        painter.setWorldTransform(QTransform::fromScale(1 / m_scale.Ratio(), 1 / m_scale.Ratio()));
    }
    painter.setCompositionMode(CompositionFor(Pen().Mode()));
    if (m_backMode == TBackMode::bmOpaque && !gaps.isEmpty()) {
        painter.setPen(QPen(ToQColor(m_backColor), 0));
        painter.drawPoints(gaps);
    }
    painter.setPen(QPen(ToQColor(Pen().Color()), 0));
    painter.drawPoints(on);
    painter.setWorldTransform(saved);
}

// Wide pens are continuous and drawn by QPainter with flat ends, shortened by one pixel at the end.
void TChartCanvas3D::DrawWideLine(TPoint from, TPoint to) {
    QPainter* painter = Painter();
    if (painter == nullptr || from == to) {
        return;
    }
    const TRect huge{-(1 << 20), -(1 << 20), 1 << 20, 1 << 20};
    const std::vector<TLinePixel> pixels = LinePixels(from, to, huge);
    if (pixels.empty()) {
        return;
    }
    QPen pen(ToQColor(Pen().Color()), Pen().Width(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
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
    const TChartPen saved = Pen();
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
    Pen() = saved;
}

void TChartCanvas3D::FillShapeRect(int l, int t, int r, int b) {
    QPainter* painter = Painter();
    if (painter == nullptr || Brush().Style() == TBrushStyle::bsClear ||
        Brush().Color() == clNone || r <= l || b <= t) {
        return;
    }
    ApplyBackground(*painter);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->fillRect(FillRect(l, t, r, b),
                      QBrush(ToQColor(Brush().Color()), QtBrushStyle(Brush().Style())));
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
    const TChartPen saved = Pen();
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
    Pen() = saved;
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

void TChartCanvas3D::DrawEllipse(int l, int t, int r, int b) {
    QPainter* painter = Painter();
    if (painter == nullptr || r <= l || b <= t) {
        return;
    }
    ApplyBackground(*painter);
    ApplyBrush(*painter);
    ApplyPen(*painter);
    painter->drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
}

void TChartCanvas3D::DrawArc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    QPainter* painter = Painter();
    if (painter == nullptr || r <= l || b <= t) {
        return;
    }
    ApplyPen(*painter);
    const TArcAngles angles = ArcAngles(l, t, r, b, {x1, y1}, {x2, y2});
    painter->drawArc(QRect(l, t, r - l - 1, b - t - 1), angles.Start, angles.Span);
}

void TChartCanvas3D::DrawPie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    QPainter* painter = Painter();
    if (painter == nullptr || r <= l || b <= t) {
        return;
    }
    ApplyBackground(*painter);
    ApplyBrush(*painter);
    ApplyPen(*painter);
    const TArcAngles angles = ArcAngles(l, t, r, b, {x1, y1}, {x2, y2});
    painter->drawPie(QRect(l, t, r - l - 1, b - t - 1), angles.Start, angles.Span);
}

void TChartCanvas3D::DrawRoundRect(int l, int t, int r, int b, int cornerW, int cornerH) {
    QPainter* painter = Painter();
    if (painter == nullptr || r <= l || b <= t) {
        return;
    }
    ApplyBackground(*painter);
    ApplyBrush(*painter);
    ApplyPen(*painter);
    painter->drawRoundedRect(QRect(l, t, r - l - 1, b - t - 1), cornerW / 2.0, cornerH / 2.0);
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

int TChartCanvas3D::MeasureTextWidth(const QString& text) {
    return m_textLayouts.Layout(Font(), text).Width;
}

int TChartCanvas3D::MeasureTextHeight(const QString& text) {
    return m_textLayouts.Layout(Font(), text).Height;
}

// Text is placed by the alignment flags: the horizontal flag picks the left end, centre or right
// end of the text, the vertical flag its top, baseline or bottom.
void TChartCanvas3D::WriteText(int x, int y, const QString& text) {
    QPainter* painter = Painter();
    if (painter == nullptr || text.isEmpty()) {
        return;
    }
    const TTextLayout& layout = m_textLayouts.Layout(Font(), text);
    int left = x;
    switch (m_textAlign & kTextAlignHorizontalMask) {
    case kTextAlignRight:
        left = x - layout.Width;
        break;
    case kTextAlignCenter:
        left = x - layout.Width / 2;
        break;
    default:
        break;
    }
    int baseline = y + layout.Ascent;
    switch (m_textAlign & kTextAlignVerticalMask) {
    case kTextAlignBaseline:
        baseline = y;
        break;
    case kTextAlignBottom:
        baseline = y - layout.Descent;
        break;
    default:
        break;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (m_backMode == TBackMode::bmOpaque) {
        painter->fillRect(QRect(left, baseline - layout.Ascent, layout.Width, layout.Height),
                          ToQColor(m_backColor));
    }
    SelectFont(*painter, layout.Font);
    painter->setPen(ToQColor(Font().Color()));
    painter->setBackgroundMode(Qt::TransparentMode);
    if (m_rasterPath == TRasterPath::rpDirect &&
        painter->transform().type() == QTransform::TxNone) {
        painter->drawStaticText(QPoint(left, baseline - layout.Ascent), layout.Prepared);
    } else {
        painter->drawText(QPoint(left, baseline), text);
    }
}

void TChartCanvas3D::SelectFont(QPainter& painter, const QFont& font) {
    if (m_painterFontKnown && m_painterFont == font) {
        return;
    }
    painter.setFont(font);
    m_painterFont = font;
    m_painterFontKnown = true;
}

// The text is turned counter-clockwise about (x, y), which stays the point picked by the
// alignment flags. Its background is left as it is.
void TChartCanvas3D::WriteRotatedText(int x, int y, int angle, const QString& text) {
    Brush().SetStyle(TBrushStyle::bsClear);
    QPainter* painter = Painter();
    if (painter == nullptr) {
        return;
    }
    const TBackMode savedMode = m_backMode;
    m_backMode = TBackMode::bmTransparent;
    painter->save();
    painter->translate(x, y);
    painter->rotate(-NormalisedAngle(angle));
    WriteText(0, 0, text);
    painter->restore();
    m_painterFontKnown = false;
    m_backMode = savedMode;
}

void TChartCanvas3D::ClipToRect(const TRect& rect) {
    m_clip = rect;
    m_clipped = true;
    if (m_painter != nullptr) {
        m_painter->setClipRect(FillRect(rect.Left, rect.Top, rect.Right, rect.Bottom));
    }
}

void TChartCanvas3D::ClipToCube(const TRect& rect, int /*z0*/, int /*z1*/) {
    ClipToRect({rect.Left + 1, rect.Top + 1, rect.Right, rect.Bottom - 1});
}

void TChartCanvas3D::RemoveClip() {
    m_clipped = false;
    if (m_painter != nullptr) {
        m_painter->setClipping(false);
    }
}

void TChartCanvas3D::GradientFill(const TRect& rect, TColor startColor, TColor endColor,
                                  TGradientDirection direction) {
    QPainter* painter = Painter();
    if (painter == nullptr || rect.IsEmpty()) {
        return;
    }
    const QRectF r(rect.Left, rect.Top, rect.Width(), rect.Height());
    QPointF from = r.topLeft();
    QPointF to = r.bottomLeft();
    switch (direction) {
    case TGradientDirection::gdBottomTop:
        std::swap(from, to);
        break;
    case TGradientDirection::gdLeftRight:
        to = r.topRight();
        break;
    case TGradientDirection::gdRightLeft:
        from = r.topRight();
        to = r.topLeft();
        break;
    case TGradientDirection::gdFromCenter:
        from = r.center();
        to = r.topLeft();
        break;
    case TGradientDirection::gdFromTopLeft:
        to = r.bottomRight();
        break;
    case TGradientDirection::gdFromBottomLeft:
        from = r.bottomLeft();
        to = r.topRight();
        break;
    default:
        break;
    }
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, ToQColor(startColor));
    gradient.setColorAt(1, ToQColor(endColor));
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->fillRect(r, gradient);
}

void TChartCanvas3D::DrawPixel3D(int x, int y, int /*z*/, TColor color) {
    // A wide pen's zero-length line leaves no pixel.
    if (Pen().Width() <= 1) {
        SetPixelColor(x, y, color);
    }
}

TPoint TChartCanvas3D::UnprojectPoint(int x, int y, int /*z*/) const {
    return {x, y};
}

TPoint TChartCanvas3D::ProjectToPoint(int x, int y, int /*z*/) const {
    return {x, y};
}

TRect TChartCanvas3D::BeginDrawing(QPaintDevice* window, const TView3DOptions* options,
                                   const TRect& bounds, bool view3D) {
    StoreViewSettings(options, bounds, view3D);
    m_window = window;
    if (!m_buffered) {
        AttachTarget(window);
        return bounds;
    }
    const int w = std::max(0, bounds.Width());
    const int h = std::max(0, bounds.Height());
    if (m_target == &m_buffer) {
        TargetAttached(nullptr);
    }
    // The frame is drawn at the window's own resolution, laid out in chart pixels.
    const TDeviceScale scale(window != nullptr ? window->devicePixelRatio() : 1.0);
    const QSize deviceSize(scale.DeviceLength(w), scale.DeviceLength(h));
    if (!m_buffer.isNull() &&
        (m_buffer.size() != deviceSize || m_buffer.devicePixelRatio() != scale.Ratio())) {
        m_buffer = QImage();
    }
    if (m_buffer.isNull() && !deviceSize.isEmpty()) {
        m_buffer = QImage(deviceSize, QImage::Format_RGB32);
        m_buffer.setDevicePixelRatio(scale.Ratio());
        m_buffer.fill(Qt::white);
        ++m_bufferCreations;
    }
    AttachTarget(&m_buffer);
    return {0, 0, w, h};
}

void TChartCanvas3D::SetupProjection(int depth, const TRect& /*bounds*/, const TRect& rect) {
    StoreProjection(depth, rect);
}

// A monochrome surface draws in colour and is reduced to one bit per pixel when it is shown.
void TChartCanvas3D::CopyBufferTo(QPaintDevice* destination, TPoint origin) {
    if (destination == nullptr || m_buffer.isNull() || destination == &m_buffer) {
        return;
    }
    QPainter painter;
    if (!painter.begin(destination)) {
        return;
    }
    if (m_monochrome) {
        painter.drawImage(QPoint(origin.X, origin.Y),
                          m_buffer.convertToFormat(QImage::Format_Mono));
    } else {
        painter.drawImage(QPoint(origin.X, origin.Y), m_buffer);
    }
}

void TChartCanvas3D::EndDrawing(QPaintDevice* destination, QPaintDevice* defaultTarget,
                                TPoint origin) {
    if (m_buffered) {
        ClosePainter();
        CopyBufferTo(destination, origin);
        m_bufferValid = !m_buffer.isNull();
    }
    // The frame's window may be a picture that is gone after the frame; between frames only the
    // default context is known.
    m_window = defaultTarget;
    AttachTarget(defaultTarget);
}

bool TChartCanvas3D::ReuseBuffer() {
    if (!m_bufferValid || m_buffer.isNull()) {
        return false;
    }
    QPaintDevice* window = m_target != nullptr ? m_target : m_window;
    // A window moved to a screen of another resolution needs a new frame.
    if (window != nullptr && window->devicePixelRatio() != m_buffer.devicePixelRatio()) {
        return false;
    }
    ClosePainter();
    CopyBufferTo(window, {0, 0});
    return true;
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
