#pragma once
// The chart's drawing surface on QPainter. While the chart paints it draws into an off-screen
// picture that EndDrawing copies to the window in one step; the picture is kept between paints and
// re-created only when the chart's size, the window's resolution or the monochrome setting
// changes. Antialiasing is off, and the surface translates QPainter's pixel conventions into the
// chart's (see TChartCanvas) in one place.

#include "LineRaster.h"
#include "TCanvas3D.h"
#include "TDeviceScale.h"
#include "TDirectPixels.h"
#include "TTextLayoutCache.h"

#include <QFont>
#include <QImage>
#include <QTransform>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

// How the surface puts its 1-pixel lines and texts on an off-screen picture: straight into the
// picture's pixels and from kept text layouts, or through QPainter's general path. Both give the
// same pixels; the general one is kept to prove it and for targets that are not pictures.
enum class TRasterPath { rpDirect, rpPainter };

class TChartCanvas3D final : public TCanvas3D {
public:
    TChartCanvas3D();
    ~TChartCanvas3D() override;

    TColor GetBackColor() const override { return m_backColor; }
    TBackMode GetBackMode() const override { return m_backMode; }
    QPaintDevice* GetTargetHandle() const override { return m_target; }
    bool GetMonochrome() const override { return m_monochrome; }
    TTextAlign GetTextAlignment() const override { return m_textAlign; }
    bool GetBuffered() const override { return m_buffered; }
    void SetBackColor(TColor color) override { m_backColor = color; }
    void SetBackMode(TBackMode mode) override { m_backMode = mode; }
    void SetMonochrome(bool value) override;
    void SetPixelColor(int x, int y, TColor color) override;
    void SetTextAlignment(TTextAlign flags) override { m_textAlign = flags; }
    int MeasureTextWidth(const QString& text) override;
    int MeasureTextHeight(const QString& text) override;
    void SetBuffered(bool value) override;
    void DrawArc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) override;
    void DrawPicture(int x, int y, TChartGraphic& picture) override;
    void DrawEllipse(int l, int t, int r, int b) override;
    void FillRectangle(const TRect& rect) override;
    void DrawFrame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width) override;
    void DrawLineTo(int x, int y) override;
    void MovePenTo(int x, int y) override;
    void DrawPie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) override;
    void DrawRectangle(int l, int t, int r, int b) override;
    void DrawRoundRect(int l, int t, int r, int b, int cornerW, int cornerH) override;
    void StretchPicture(const TRect& rect, TChartGraphic& picture) override;
    void StretchPicturePart(const TRect& rect, TChartGraphic& picture, double sourceLeft,
                            double sourceRight) override;
    void WriteText(int x, int y, const QString& text) override;
    void ClipToRect(const TRect& rect) override;
    void DrawHorizLine(int x0, int x1, int y) override { DrawLine(x0, y, x1, y); }
    void DrawRectangleR(const TRect& rect) override;
    void DrawVertLine(int x, int y0, int y1) override { DrawLine(x, y0, x, y1); }
    void EraseRect(const TRect& rect) override { FillRectangle(rect); }
    void GradientFill(const TRect& rect, TColor startColor, TColor endColor,
                      TGradientDirection direction) override;
    void MarkBufferDirty() override { m_bufferValid = false; }
    void DrawLine(int x0, int y0, int x1, int y1) override;
    void DrawPolygon(const std::vector<TPoint>& points, int lastIndex) override;
    void WriteRotatedText(int x, int y, int angle, const QString& text) override;
    void RemoveClip() override;
    void DrawPixel3D(int x, int y, int z, TColor color) override;
    bool SupportsFullRotation() const override { return false; }
    bool SupportsLighting() const override { return false; }
    TPoint UnprojectPoint(int x, int y, int z) const override;
    TPoint ProjectToPoint(int x, int y, int z) const override;
    TRect BeginDrawing(QPaintDevice* window, const TView3DOptions* options, const TRect& bounds,
                       bool view3D) override;
    void SetupProjection(int depth, const TRect& bounds, const TRect& rect) override;
    void EndDrawing(QPaintDevice* destination, QPaintDevice* defaultTarget, TPoint origin) override;
    bool ReuseBuffer() override;
    void DrawArrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight,
                   int z) override;
    void ClipToCube(const TRect& rect, int z0, int z1) override;
    void DrawCone(bool vertical, int l, int t, int r, int b, int z0, int z1) override;
    void DrawCube(const TRect& rect, int z0, int z1) override;
    void DrawCylinder(bool vertical, int l, int t, int r, int b, int z0, int z1) override;
    void DrawHorizLine3D(int x0, int x1, int y, int z) override;
    void DrawVertLine3D(int x, int y0, int y1, int z) override;
    void DrawZLine3D(int x, int y, int z0, int z1) override;
    void DrawEllipseWithZ(int l, int t, int r, int b, int z) override;
    void BeginFrontPlane() override {}
    void EndFrontPlane() override {}
    void DrawLineWithZ(int x0, int y0, int x1, int y1, int z) override;
    void MovePenTo3D(int x, int y, int z) override;
    void DrawLineTo3D(int x, int y, int z) override;
    void DrawPie3D(int x, int y, int radiusX, int radiusY, int z0, int z1, double startAngle,
                   double endAngle) override;
    void DrawPlane3D(TPoint from, TPoint to, int z0, int z1) override;
    void DrawPlaneWithZ(const TFourPoints& points, int z) override;
    void DrawPlaneFour3D(const TFourPoints& points, int z0, int z1) override;
    void DrawPolygonWithZ(const std::vector<TPoint>& points, int lastIndex, int z) override;
    void DrawPyramid(bool vertical, int l, int t, int r, int b, int z0, int z1) override;
    void DrawRectangleWithZ(const TRect& rect, int z) override;
    void DrawRectangleY(int l, int t, int r, int z0, int z1) override;
    void DrawRectangleZ(int l, int t, int b, int z0, int z1) override;
    void WriteRotatedText3D(int x, int y, int z, int angle, const QString& text) override;
    void DrawSphere(int x, int y, int z, int radius) override;
    void Refresh3D() override {}
    void WriteText3D(int x, int y, int z, const QString& text) override;
    void DrawTriangle3D(const std::array<TPoint, 3>& points, int z) override;
    void DrawTriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int z) override;
    void BeginSeriesGroup(int position, const QString& title) override;
    void EndSeriesGroup() override;

    // Asked when a change of the surface needs the chart to draw again (a new monochrome setting).
    void SetOnRepaintRequest(std::function<void()> handler) { m_onRepaint = std::move(handler); }
    // The off-screen picture, null before the first buffered frame.
    const QImage& Buffer() const { return m_buffer; }
    bool BufferValid() const { return m_bufferValid; }
    // How many off-screen pictures were created, so callers can see one kept across paints.
    int BufferCreations() const { return m_bufferCreations; }
    TRasterPath RasterPath() const { return m_rasterPath; }
    void SetRasterPath(TRasterPath path) { m_rasterPath = path; }
    // The mapping from chart pixels to the target's own units, applied to every painter the
    // surface opens: a PDF page or a printer's page sizes the chart through it.
    const QTransform& TargetTransform() const { return m_targetTransform; }
    void SetTargetTransform(const QTransform& transform) { m_targetTransform = transform; }
    // Whether the target being drawn keeps shapes rather than pixels (SVG, PDF, a printer).
    bool DrawsVectors() const { return m_vector; }

protected:
    void TargetAttached(QPaintDevice* target) override;

private:
    // The painter of the target, opened on first use; drawing anything but a 1-pixel line first
    // puts down the line run that vector output holds back.
    QPainter* Painter();
    QPainter* OpenPainter();
    void ClosePainter();
    void SelectFont(QPainter& painter, const QFont& font);
    void CopyBufferTo(QPaintDevice* destination, TPoint origin);
    void ApplyPen(QPainter& painter) const;
    void ApplyBrush(QPainter& painter) const;
    void ApplyBackground(QPainter& painter) const;
    // The painter for a shape in the box l, t, r, b (right and bottom outside), set up with the
    // pen and, for a filled shape, the brush and background; null for an empty box or no frame.
    QPainter* ShapePainter(int l, int t, int r, int b, bool filled);
    bool PenDraws() const;
    // One line in device pixels: its walk within the limit and the dash pattern from a position.
    struct TDeviceLine {
        TLineWalk Walk;
        const std::vector<int>& Pattern;
        long long PatternStart = 0;
    };
    void DrawLinePixels(TPoint from, TPoint to);
    void DrawDeviceLine(QPainter& painter, TWidePoint from, TWidePoint to, const TRect& limit,
                        const std::vector<int>& pattern, long long patternStart);
    TRect DeviceLimit() const;
    void PaintLinePixels(QPainter& painter, TDeviceLine line);
    void WriteLinePixels(TDeviceLine line);
    bool WritesDirectly(const QPainter& painter) const;
    bool WriteStraightRun(const TLineWalk::TStraightRun& run, long long patternStart,
                          TDashCursor& dash, QRgb on, bool gapsDrawn, QRgb gap);
    // On a vector device the 1-pixel lines that continue each other in the same pen are held
    // back as one run and drawn as one stroke when anything else comes.
    struct TVectorLineStyle {
        TColor Color = clBlack;
        TPenMode Mode = TPenMode::pmCopy;
        std::vector<int> Pattern;
        TBackMode BackMode = TBackMode::bmTransparent;
        TColor BackColor = clWhite;
        bool operator==(const TVectorLineStyle&) const = default;
    };
    struct TVectorLineRun {
        TVectorLineStyle Style;
        std::vector<TPoint> Pixels;
        long long PatternStart = 0;
    };
    void DrawVectorLine(TPoint from, TPoint to, const std::vector<int>& pattern);
    void FlushVectorRun();
    void DrawWideLine(TPoint from, TPoint to);
    void DrawOutline(int l, int t, int r, int b);
    void FillShapeRect(int l, int t, int r, int b);

    QPaintDevice* m_target = nullptr;
    std::unique_ptr<QPainter> m_painter;
    TDirectPixels m_pixels;
    TRasterPath m_rasterPath = TRasterPath::rpDirect;
    // The device pixels per chart pixel of the target being drawn.
    TDeviceScale m_scale;
    QTransform m_targetTransform;
    bool m_vector = false;
    std::optional<TVectorLineRun> m_vectorRun;
    // The painter's font before a series group gave it the group's marker.
    std::optional<QFont> m_fontBeforeGroup;
    TTextLayoutCache m_textLayouts;
    // The font last given to the painter by the text writer; selecting it again costs a font
    // lookup, so an equal font is not selected twice. Unknown after the painter's state changes.
    QFont m_painterFont;
    bool m_painterFontKnown = false;
    QImage m_buffer;
    bool m_buffered = true;
    bool m_monochrome = false;
    bool m_bufferValid = false;
    int m_bufferCreations = 0;
    QPaintDevice* m_window = nullptr;
    TColor m_backColor = clWhite;
    TBackMode m_backMode = TBackMode::bmOpaque;
    TTextAlign m_textAlign = kTextAlignLeft | kTextAlignTop;
    TPoint m_penPos;
    long long m_patternPos = 0;
    TRect m_clip;
    bool m_clipped = false;
    std::function<void()> m_onRepaint;
};
