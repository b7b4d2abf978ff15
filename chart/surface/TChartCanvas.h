#pragma once
// The chart's drawing surface: every pixel of a chart is drawn through it. It keeps the current
// pen, brush and font, and offers drawing operations with an optional depth coordinate so the
// same chart code can draw flat or three-dimensional charts. This class holds no painter state,
// so a test double can record the operations without drawing.
//
// Pixel conventions of every implementation: a rectangle is (Left, Top, Right, Bottom); filled
// shapes cover Left <= x < Right and Top <= y < Bottom; a line covers its start pixel but not
// its end pixel; a rectangle drawn with a pen is outlined inside the box it fills.

#include "TChartBrush.h"
#include "TChartColors.h"
#include "TChartFont.h"
#include "TChartGeometry.h"
#include "TChartPen.h"

#include <QString>

#include <array>
#include <vector>

class QPaintDevice;
class TChartGraphic;
struct TView3DOptions;

enum class TBackMode { bmTransparent, bmOpaque };

enum class TGradientDirection {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft
};

// Text alignment flags: one horizontal choice combined with one vertical choice. They pick the
// point of the text that lands on the (x, y) given to WriteText.
using TTextAlign = unsigned;
constexpr TTextAlign kTextAlignLeft = 0;
constexpr TTextAlign kTextAlignRight = 2;
constexpr TTextAlign kTextAlignCenter = 6;
constexpr TTextAlign kTextAlignTop = 0;
constexpr TTextAlign kTextAlignBottom = 8;
constexpr TTextAlign kTextAlignBaseline = 24;
constexpr TTextAlign kTextAlignHorizontalMask = 6;
constexpr TTextAlign kTextAlignVerticalMask = 24;

using TFourPoints = std::array<TPoint, 4>;

class TChartCanvas {
public:
    TChartCanvas() = default;
    virtual ~TChartCanvas() = default;
    TChartCanvas(const TChartCanvas&) = delete;
    TChartCanvas& operator=(const TChartCanvas&) = delete;

    virtual TColor GetBackColor() const = 0;
    virtual TBackMode GetBackMode() const = 0;
    virtual QPaintDevice* GetTargetHandle() const = 0;
    virtual bool GetMonochrome() const = 0;
    virtual TTextAlign GetTextAlignment() const = 0;
    virtual bool GetBuffered() const = 0;
    virtual void SetBackColor(TColor color) = 0;
    virtual void SetBackMode(TBackMode mode) = 0;
    virtual void SetMonochrome(bool value) = 0;
    virtual void SetPixelColor(int x, int y, TColor color) = 0;
    virtual void SetTextAlignment(TTextAlign flags) = 0;
    virtual void SetBuffered(bool value) = 0;
    // The arc of the ellipse inside (l, t, r, b) from the direction of (x1, y1) counter-clockwise
    // to the direction of (x2, y2).
    virtual void DrawArc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) = 0;
    virtual void DrawPicture(int x, int y, TChartGraphic& picture) = 0;
    virtual void DrawEllipse(int l, int t, int r, int b) = 0;
    virtual void FillRectangle(const TRect& rect) = 0;
    virtual void DrawFrame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width) = 0;
    virtual void DrawLineTo(int x, int y) = 0;
    virtual void MovePenTo(int x, int y) = 0;
    virtual void DrawPie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) = 0;
    virtual void DrawRectangle(int l, int t, int r, int b) = 0;
    virtual void DrawRoundRect(int l, int t, int r, int b, int cornerW, int cornerH) = 0;
    virtual void StretchPicture(const TRect& rect, TChartGraphic& picture) = 0;
    // The picture's columns sourceLeft to sourceRight (fractions of a column included; left
    // beyond right mirrors them) stretched into the rectangle, over the picture's whole height.
    virtual void StretchPicturePart(const TRect& rect, TChartGraphic& picture, double sourceLeft,
                                    double sourceRight) = 0;
    virtual void WriteText(int x, int y, const QString& text) = 0;
    virtual int MeasureTextWidth(const QString& text);
    virtual int MeasureTextHeight(const QString& text);
    virtual void ClipToRect(const TRect& rect) = 0;
    virtual void DrawHorizLine(int x0, int x1, int y) = 0;
    virtual void DrawRectangleR(const TRect& rect) = 0;
    virtual void DrawVertLine(int x, int y0, int y1) = 0;
    virtual void EraseRect(const TRect& rect) = 0;
    virtual void GradientFill(const TRect& rect, TColor startColor, TColor endColor,
                              TGradientDirection direction) = 0;
    virtual void MarkBufferDirty() = 0;
    virtual void DrawLine(int x0, int y0, int x1, int y1) = 0;
    // The closed polygon through points 0 .. lastIndex (indexes past the list are ignored).
    virtual void DrawPolygon(const std::vector<TPoint>& points, int lastIndex) = 0;
    virtual void WriteRotatedText(int x, int y, int angle, const QString& text) = 0;
    virtual void RemoveClip() = 0;
    virtual void DrawPixel3D(int x, int y, int z, TColor color) = 0;
    virtual bool SupportsFullRotation() const = 0;
    virtual bool SupportsLighting() const = 0;
    virtual TPoint UnprojectPoint(int x, int y, int z) const = 0;
    virtual TPoint ProjectToPoint(int x, int y, int z) const = 0;
    // Starts a frame for the window device and answers the rectangle to draw in: the bounds
    // themselves, or (0, 0, w, h) of the off-screen picture when buffering is on.
    virtual TRect BeginDrawing(QPaintDevice* window, const TView3DOptions* options,
                               const TRect& bounds, bool view3D) = 0;
    virtual void CopyMonochrome(const TChartCanvas& other) = 0;
    virtual void SetupProjection(int depth, const TRect& bounds, const TRect& rect) = 0;
    virtual void EndDrawing(QPaintDevice* destination, QPaintDevice* defaultTarget,
                            TPoint origin) = 0;
    // Copies the kept picture to the window when it still shows the chart; answers whether it did.
    virtual bool ReuseBuffer() = 0;
    virtual void DrawArrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight,
                           int z) = 0;
    virtual void ClipToCube(const TRect& rect, int z0, int z1) = 0;
    virtual void DrawCone(bool vertical, int l, int t, int r, int b, int z0, int z1) = 0;
    virtual void DrawCube(const TRect& rect, int z0, int z1) = 0;
    virtual void DrawCylinder(bool vertical, int l, int t, int r, int b, int z0, int z1) = 0;
    virtual void DrawHorizLine3D(int x0, int x1, int y, int z) = 0;
    virtual void DrawVertLine3D(int x, int y0, int y1, int z) = 0;
    virtual void DrawZLine3D(int x, int y, int z0, int z1) = 0;
    virtual void DrawEllipseWithZ(int l, int t, int r, int b, int z) = 0;
    virtual void BeginFrontPlane() = 0;
    virtual void EndFrontPlane() = 0;
    virtual void DrawLineWithZ(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void MovePenTo3D(int x, int y, int z) = 0;
    virtual void DrawLineTo3D(int x, int y, int z) = 0;
    virtual void DrawPie3D(int x, int y, int radiusX, int radiusY, int z0, int z1,
                           double startAngle, double endAngle) = 0;
    virtual void DrawPlane3D(TPoint from, TPoint to, int z0, int z1) = 0;
    virtual void DrawPlaneWithZ(const TFourPoints& points, int z) = 0;
    virtual void DrawPlaneFour3D(const TFourPoints& points, int z0, int z1) = 0;
    virtual void DrawPolygonWithZ(const std::vector<TPoint>& points, int lastIndex, int z) = 0;
    virtual void DrawPyramid(bool vertical, int l, int t, int r, int b, int z0, int z1) = 0;
    virtual void DrawRectangleWithZ(const TRect& rect, int z) = 0;
    virtual void DrawRectangleY(int l, int t, int r, int z0, int z1) = 0;
    virtual void DrawRectangleZ(int l, int t, int b, int z0, int z1) = 0;
    virtual void WriteRotatedText3D(int x, int y, int z, int angle, const QString& text) = 0;
    virtual void DrawSphere(int x, int y, int z, int radius) = 0;
    virtual void Refresh3D() = 0;
    virtual void WriteText3D(int x, int y, int z, const QString& text) = 0;
    virtual void DrawTriangle3D(const std::array<TPoint, 3>& points, int z) = 0;
    virtual void DrawTriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int z) = 0;
    // Bracket the drawing of one series' points, so that a vector document can hold them together
    // under the series' name; the position counts from 1 in the chart's series list. A surface
    // with no use for it draws as if they were not there. Pair them with TSeriesGroupGuard.
    virtual void BeginSeriesGroup(int /*position*/, const QString& /*title*/) {}
    virtual void EndSeriesGroup() {}

    // Makes the device the target and resets pen, brush and font to the ones a fresh drawing
    // context starts with.
    void AttachTarget(QPaintDevice* target);
    // Pen black, width 1, solid; brush white, solid; font colour black, 10 points; background
    // colour white; background transparent.
    void ResetDrawingState();
    // Makes the current pen draw as the chart pen says: nothing when it is hidden, every other
    // pixel for small dots, otherwise its colour, width, style and mode.
    void ApplyChartPen(const TChartPen& pen);
    // The height of "W" in the current font.
    int TextLineHeight();

    TChartPen& Pen() { return m_pen; }
    const TChartPen& Pen() const { return m_pen; }
    TChartBrush& Brush() { return m_brush; }
    const TChartBrush& Brush() const { return m_brush; }
    TChartFont& Font() { return m_font; }
    const TChartFont& Font() const { return m_font; }
    void AssignFont(const TChartFont& font) { m_font = font; }

protected:
    // Called when AttachTarget changes the device, before the drawing state is reset.
    virtual void TargetAttached(QPaintDevice* target) = 0;

private:
    TChartPen m_pen;
    TChartBrush m_brush;
    TChartFont m_font;
};
