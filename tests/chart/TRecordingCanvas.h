#pragma once
// A drawing surface for tests: it draws nothing and records every operation with its arguments
// and the pen, brush and font in effect, so layout tests can assert exact positions without
// depending on fonts. Text metrics are fixed: every character is kCharWidth pixels wide and a
// line is kLineHeight pixels high. BeginDrawing starts a fresh record for each frame.

#include "TChartCanvas.h"

#include <QString>

#include <initializer_list>
#include <vector>

struct TRecordedCall {
    QString Operation;
    std::vector<int> Args;
    QString Text;
    TChartPen Pen;
    TChartBrush Brush;
    TChartFont Font;
    TTextAlign Alignment = 0;
    TBackMode BackMode = TBackMode::bmTransparent;
};

class TRecordingCanvas final : public TChartCanvas {
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kLineHeight = 13;

    std::vector<TRecordedCall> Calls;
    int ReuseCount = 0;
    int BeginCount = 0;
    bool BufferValid = false;

    void Clear() { Calls.clear(); }
    // The recorded calls of one operation, in order.
    std::vector<TRecordedCall> Named(const QString& operation) const;
    // The names of all recorded calls, in order.
    std::vector<QString> Names() const;

    TColor GetBackColor() const override { return m_backColor; }
    TBackMode GetBackMode() const override { return m_backMode; }
    QPaintDevice* GetTargetHandle() const override { return nullptr; }
    bool GetMonochrome() const override { return false; }
    TTextAlign GetTextAlignment() const override { return m_align; }
    bool GetBuffered() const override { return true; }
    void SetBackColor(TColor color) override { m_backColor = color; }
    void SetBackMode(TBackMode mode) override;
    void SetMonochrome(bool) override {}
    void SetPixelColor(int x, int y, TColor color) override;
    void SetTextAlignment(TTextAlign flags) override;
    void SetBuffered(bool) override {}
    void DrawArc(int l, int t, int r, int b, int, int, int, int) override;
    void DrawPicture(int x, int y, TChartGraphic&) override;
    void DrawEllipse(int l, int t, int r, int b) override;
    void FillRectangle(const TRect& rect) override;
    void DrawFrame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width) override;
    void DrawLineTo(int x, int y) override;
    void MovePenTo(int x, int y) override;
    void DrawPie(int l, int t, int r, int b, int, int, int, int) override;
    void DrawRectangle(int l, int t, int r, int b) override;
    void DrawRoundRect(int l, int t, int r, int b, int, int) override;
    void StretchPicture(const TRect& rect, TChartGraphic&) override;
    void StretchPicturePart(const TRect& rect, TChartGraphic&, double sourceLeft,
                            double sourceRight) override;
    void WriteText(int x, int y, const QString& text) override;
    int MeasureTextWidth(const QString& text) override;
    int MeasureTextHeight(const QString& text) override;
    void ClipToRect(const TRect& rect) override;
    void DrawHorizLine(int x0, int x1, int y) override;
    void DrawRectangleR(const TRect& rect) override;
    void DrawVertLine(int x, int y0, int y1) override;
    void EraseRect(const TRect& rect) override;
    void GradientFill(const TRect& rect, TColor, TColor, TGradientDirection) override;
    void MarkBufferDirty() override;
    void DrawLine(int x0, int y0, int x1, int y1) override;
    void DrawPolygon(const std::vector<TPoint>& points, int lastIndex) override;
    void WriteRotatedText(int x, int y, int angle, const QString& text) override;
    void RemoveClip() override;
    void DrawPixel3D(int x, int y, int z, TColor color) override;
    bool SupportsFullRotation() const override { return false; }
    bool SupportsLighting() const override { return false; }
    TPoint UnprojectPoint(int x, int y, int) const override { return {x, y}; }
    TPoint ProjectToPoint(int x, int y, int) const override { return {x, y}; }
    TRect BeginDrawing(QPaintDevice*, const TView3DOptions*, const TRect& bounds, bool) override;
    void CopyMonochrome(const TChartCanvas&) override {}
    void SetupProjection(int depth, const TRect& bounds, const TRect& rect) override;
    void EndDrawing(QPaintDevice*, QPaintDevice*, TPoint origin) override;
    bool ReuseBuffer() override;
    void DrawArrow(bool, TPoint from, TPoint to, int, int, int) override;
    void ClipToCube(const TRect& rect, int z0, int z1) override;
    void DrawCone(bool, int l, int t, int r, int b, int, int) override;
    void DrawCube(const TRect& rect, int, int) override;
    void DrawCylinder(bool, int l, int t, int r, int b, int, int) override;
    void DrawHorizLine3D(int x0, int x1, int y, int z) override;
    void DrawVertLine3D(int x, int y0, int y1, int z) override;
    void DrawZLine3D(int x, int y, int z0, int z1) override;
    void DrawEllipseWithZ(int l, int t, int r, int b, int z) override;
    void BeginFrontPlane() override {}
    void EndFrontPlane() override {}
    void DrawLineWithZ(int x0, int y0, int x1, int y1, int z) override;
    void MovePenTo3D(int x, int y, int z) override;
    void DrawLineTo3D(int x, int y, int z) override;
    void DrawPie3D(int x, int y, int rx, int ry, int, int, double, double) override;
    void DrawPlane3D(TPoint from, TPoint to, int z0, int z1) override;
    void DrawPlaneWithZ(const TFourPoints& points, int z) override;
    void DrawPlaneFour3D(const TFourPoints& points, int z0, int z1) override;
    void DrawPolygonWithZ(const std::vector<TPoint>& points, int lastIndex, int z) override;
    void DrawPyramid(bool, int l, int t, int r, int b, int, int) override;
    void DrawRectangleWithZ(const TRect& rect, int z) override;
    void DrawRectangleY(int l, int t, int r, int z0, int z1) override;
    void DrawRectangleZ(int l, int t, int b, int z0, int z1) override;
    void WriteRotatedText3D(int x, int y, int z, int angle, const QString& text) override;
    void DrawSphere(int x, int y, int z, int radius) override;
    void Refresh3D() override {}
    void WriteText3D(int x, int y, int z, const QString& text) override;
    void DrawTriangle3D(const std::array<TPoint, 3>& points, int z) override;
    void DrawTriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int z) override;

protected:
    void TargetAttached(QPaintDevice*) override {}

private:
    void Record(const QString& operation, std::initializer_list<int> args,
                const QString& text = {});
    void RecordPoints(const QString& operation, const std::vector<TPoint>& points, int z);

    TColor m_backColor = clWhite;
    TBackMode m_backMode = TBackMode::bmTransparent;
    TTextAlign m_align = 0;
};
