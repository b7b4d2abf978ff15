#include "TRecordingCanvas.h"

#include <cmath>

std::vector<TRecordedCall> TRecordingCanvas::Named(const QString& operation) const {
    std::vector<TRecordedCall> calls;
    for (const TRecordedCall& call : Calls) {
        if (call.Operation == operation) {
            calls.push_back(call);
        }
    }
    return calls;
}

std::vector<QString> TRecordingCanvas::Names() const {
    std::vector<QString> names;
    for (const TRecordedCall& call : Calls) {
        names.push_back(call.Operation);
    }
    return names;
}

void TRecordingCanvas::Record(const QString& operation, std::initializer_list<int> args,
                              const QString& text) {
    Calls.push_back({operation, args, text, Pen(), Brush(), Font(), m_align, m_backMode});
}

void TRecordingCanvas::RecordPoints(const QString& operation, const std::vector<TPoint>& points,
                                    int z) {
    TRecordedCall call{operation, {}, {}, Pen(), Brush(), Font(), m_align, m_backMode};
    for (const TPoint& p : points) {
        call.Args.push_back(p.X);
        call.Args.push_back(p.Y);
    }
    call.Args.push_back(z);
    Calls.push_back(call);
}

void TRecordingCanvas::SetBackMode(TBackMode mode) {
    m_backMode = mode;
}
void TRecordingCanvas::SetTextAlignment(TTextAlign flags) {
    m_align = flags;
}
void TRecordingCanvas::SetPixelColor(int x, int y, TColor color) {
    Record("SetPixelColor", {x, y, static_cast<int>(color)});
}
void TRecordingCanvas::DrawArc(int l, int t, int r, int b, int, int, int, int) {
    Record("DrawArc", {l, t, r, b});
}
void TRecordingCanvas::DrawPicture(int x, int y, TChartGraphic&) {
    Record("DrawPicture", {x, y});
}
void TRecordingCanvas::DrawEllipse(int l, int t, int r, int b) {
    Record("DrawEllipse", {l, t, r, b});
}
void TRecordingCanvas::FillRectangle(const TRect& rect) {
    Record("FillRectangle", {rect.Left, rect.Top, rect.Right, rect.Bottom});
}
void TRecordingCanvas::DrawFrame3D(const TRect& rect, TColor topLeft, TColor bottomRight,
                                   int width) {
    Record("DrawFrame3D", {rect.Left, rect.Top, rect.Right, rect.Bottom, static_cast<int>(topLeft),
                           static_cast<int>(bottomRight), width});
}
void TRecordingCanvas::DrawLineTo(int x, int y) {
    Record("DrawLineTo", {x, y});
}
void TRecordingCanvas::MovePenTo(int x, int y) {
    Record("MovePenTo", {x, y});
}
void TRecordingCanvas::DrawPie(int l, int t, int r, int b, int, int, int, int) {
    Record("DrawPie", {l, t, r, b});
}
void TRecordingCanvas::DrawRectangle(int l, int t, int r, int b) {
    Record("DrawRectangle", {l, t, r, b});
}
void TRecordingCanvas::DrawRoundRect(int l, int t, int r, int b, int, int) {
    Record("DrawRoundRect", {l, t, r, b});
}
void TRecordingCanvas::StretchPicture(const TRect& rect, TChartGraphic&) {
    Record("StretchPicture", {rect.Left, rect.Top, rect.Right, rect.Bottom});
}
void TRecordingCanvas::StretchPicturePart(const TRect& rect, TChartGraphic&, double sourceLeft,
                                          double sourceRight) {
    // The columns are recorded in hundredths of a picture pixel.
    Record("StretchPicturePart", {rect.Left, rect.Top, rect.Right, rect.Bottom,
                                  static_cast<int>(std::lround(sourceLeft * 100)),
                                  static_cast<int>(std::lround(sourceRight * 100))});
}
void TRecordingCanvas::WriteText(int x, int y, const QString& text) {
    Record("WriteText", {x, y}, text);
}
int TRecordingCanvas::MeasureTextWidth(const QString& text) {
    return kCharWidth * static_cast<int>(text.size());
}
int TRecordingCanvas::MeasureTextHeight(const QString&) {
    return kLineHeight;
}
void TRecordingCanvas::ClipToRect(const TRect& rect) {
    Record("ClipToRect", {rect.Left, rect.Top, rect.Right, rect.Bottom});
}
void TRecordingCanvas::DrawHorizLine(int x0, int x1, int y) {
    Record("DrawHorizLine", {x0, x1, y});
}
void TRecordingCanvas::DrawRectangleR(const TRect& rect) {
    Record("DrawRectangleR", {rect.Left, rect.Top, rect.Right, rect.Bottom});
}
void TRecordingCanvas::DrawVertLine(int x, int y0, int y1) {
    Record("DrawVertLine", {x, y0, y1});
}
void TRecordingCanvas::EraseRect(const TRect& rect) {
    Record("EraseRect", {rect.Left, rect.Top, rect.Right, rect.Bottom});
}
void TRecordingCanvas::GradientFill(const TRect& rect, TColor, TColor, TGradientDirection) {
    Record("GradientFill", {rect.Left, rect.Top, rect.Right, rect.Bottom});
}
void TRecordingCanvas::MarkBufferDirty() {
    BufferValid = false;
}
void TRecordingCanvas::DrawLine(int x0, int y0, int x1, int y1) {
    Record("DrawLine", {x0, y0, x1, y1});
}
void TRecordingCanvas::DrawPolygon(const std::vector<TPoint>& points, int lastIndex) {
    RecordPoints("DrawPolygon", points, lastIndex);
}
void TRecordingCanvas::WriteRotatedText(int x, int y, int angle, const QString& text) {
    Record("WriteRotatedText", {x, y, angle}, text);
}
void TRecordingCanvas::RemoveClip() {
    Record("RemoveClip", {});
}
void TRecordingCanvas::DrawPixel3D(int x, int y, int z, TColor color) {
    Record("DrawPixel3D", {x, y, z, static_cast<int>(color)});
}
TRect TRecordingCanvas::BeginDrawing(QPaintDevice*, const TView3DOptions*, const TRect& bounds,
                                     bool) {
    ++BeginCount;
    Calls.clear();
    return {0, 0, bounds.Width(), bounds.Height()};
}
void TRecordingCanvas::SetupProjection(int depth, const TRect& bounds, const TRect& rect) {
    Record("SetupProjection", {depth, bounds.Left, bounds.Top, bounds.Right, bounds.Bottom,
                               rect.Left, rect.Top, rect.Right, rect.Bottom});
}
void TRecordingCanvas::EndDrawing(QPaintDevice*, QPaintDevice*, TPoint origin) {
    Record("EndDrawing", {origin.X, origin.Y});
    BufferValid = true;
}
bool TRecordingCanvas::ReuseBuffer() {
    if (BufferValid) {
        ++ReuseCount;
    }
    return BufferValid;
}
void TRecordingCanvas::DrawArrow(bool, TPoint from, TPoint to, int, int, int) {
    Record("DrawArrow", {from.X, from.Y, to.X, to.Y});
}
void TRecordingCanvas::ClipToCube(const TRect& rect, int z0, int z1) {
    Record("ClipToCube", {rect.Left, rect.Top, rect.Right, rect.Bottom, z0, z1});
}
void TRecordingCanvas::DrawCone(bool, int l, int t, int r, int b, int, int) {
    Record("DrawCone", {l, t, r, b});
}
void TRecordingCanvas::DrawCube(const TRect& rect, int, int) {
    Record("DrawCube", {rect.Left, rect.Top, rect.Right, rect.Bottom});
}
void TRecordingCanvas::DrawCylinder(bool, int l, int t, int r, int b, int, int) {
    Record("DrawCylinder", {l, t, r, b});
}
void TRecordingCanvas::DrawHorizLine3D(int x0, int x1, int y, int z) {
    Record("DrawHorizLine3D", {x0, x1, y, z});
}
void TRecordingCanvas::DrawVertLine3D(int x, int y0, int y1, int z) {
    Record("DrawVertLine3D", {x, y0, y1, z});
}
void TRecordingCanvas::DrawZLine3D(int x, int y, int z0, int z1) {
    Record("DrawZLine3D", {x, y, z0, z1});
}
void TRecordingCanvas::DrawEllipseWithZ(int l, int t, int r, int b, int z) {
    Record("DrawEllipseWithZ", {l, t, r, b, z});
}
void TRecordingCanvas::DrawLineWithZ(int x0, int y0, int x1, int y1, int z) {
    Record("DrawLineWithZ", {x0, y0, x1, y1, z});
}
void TRecordingCanvas::MovePenTo3D(int x, int y, int z) {
    Record("MovePenTo3D", {x, y, z});
}
void TRecordingCanvas::DrawLineTo3D(int x, int y, int z) {
    Record("DrawLineTo3D", {x, y, z});
}
void TRecordingCanvas::DrawPie3D(int x, int y, int rx, int ry, int, int, double, double) {
    Record("DrawPie3D", {x, y, rx, ry});
}
void TRecordingCanvas::DrawPlane3D(TPoint from, TPoint to, int z0, int z1) {
    Record("DrawPlane3D", {from.X, from.Y, to.X, to.Y, z0, z1});
}
void TRecordingCanvas::DrawPlaneWithZ(const TFourPoints& points, int z) {
    RecordPoints("DrawPlaneWithZ", {points.begin(), points.end()}, z);
}
void TRecordingCanvas::DrawPlaneFour3D(const TFourPoints& points, int z0, int) {
    RecordPoints("DrawPlaneFour3D", {points.begin(), points.end()}, z0);
}
void TRecordingCanvas::DrawPolygonWithZ(const std::vector<TPoint>& points, int, int z) {
    RecordPoints("DrawPolygonWithZ", points, z);
}
void TRecordingCanvas::DrawPyramid(bool, int l, int t, int r, int b, int, int) {
    Record("DrawPyramid", {l, t, r, b});
}
void TRecordingCanvas::DrawRectangleWithZ(const TRect& rect, int z) {
    Record("DrawRectangleWithZ", {rect.Left, rect.Top, rect.Right, rect.Bottom, z});
}
void TRecordingCanvas::DrawRectangleY(int l, int t, int r, int z0, int z1) {
    Record("DrawRectangleY", {l, t, r, z0, z1});
}
void TRecordingCanvas::DrawRectangleZ(int l, int t, int b, int z0, int z1) {
    Record("DrawRectangleZ", {l, t, b, z0, z1});
}
void TRecordingCanvas::WriteRotatedText3D(int x, int y, int z, int angle, const QString& text) {
    Record("WriteRotatedText3D", {x, y, z, angle}, text);
}
void TRecordingCanvas::DrawSphere(int x, int y, int z, int radius) {
    Record("DrawSphere", {x, y, z, radius});
}
void TRecordingCanvas::WriteText3D(int x, int y, int z, const QString& text) {
    Record("WriteText3D", {x, y, z}, text);
}
void TRecordingCanvas::DrawTriangle3D(const std::array<TPoint, 3>& points, int z) {
    RecordPoints("DrawTriangle3D", {points.begin(), points.end()}, z);
}
void TRecordingCanvas::DrawTriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int z) {
    RecordPoints("DrawTriangleWithZ", {p1, p2, p3}, z);
}
