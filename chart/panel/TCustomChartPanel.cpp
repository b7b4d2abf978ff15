#include "TCustomChartPanel.h"

#include "TChartCanvas3D.h"

#include <QResizeEvent>
#include <QTransform>

TCustomChartPanel::TCustomChartPanel(QWidget* parent)
    : QWidget(parent), m_canvas(std::make_unique<TChartCanvas3D>()) {
    // The chart paints every pixel itself: no background erase between frames.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    resize(400, 250);
    m_invalidationAllowed = true;
}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::SetColor(TColor color) {
    Set(m_color, color);
}
void TCustomChartPanel::SetBevelOuter(TPanelBevel bevel) {
    Set(m_bevelOuter, bevel);
}
void TCustomChartPanel::SetBevelInner(TPanelBevel bevel) {
    Set(m_bevelInner, bevel);
}
void TCustomChartPanel::SetBevelWidth(int width) {
    Set(m_bevelWidth, width);
}
void TCustomChartPanel::SetBorderWidth(int width) {
    Set(m_borderWidth, width);
}
void TCustomChartPanel::SetMarginLeft(int percent) {
    Set(m_margins.Left, percent);
}
void TCustomChartPanel::SetMarginTop(int percent) {
    Set(m_margins.Top, percent);
}
void TCustomChartPanel::SetMarginRight(int percent) {
    Set(m_margins.Right, percent);
}
void TCustomChartPanel::SetMarginBottom(int percent) {
    Set(m_margins.Bottom, percent);
}
void TCustomChartPanel::SetView3D(bool view3D) {
    Set(m_view3D, view3D);
}
void TCustomChartPanel::SetChart3DPercent(int percent) {
    Set(m_chart3DPercent, percent);
}

void TCustomChartPanel::EndLoading() {
    if (m_loadingDepth > 0) {
        --m_loadingDepth;
    }
}

void TCustomChartPanel::ApplyMargins() {
    m_chartRect = Armalyx::ChartMath::RectAfterMargins(m_chartBounds, m_margins, m_borderWidth);
}

void TCustomChartPanel::RecalcWidthHeight() {
    m_chartRect =
        Armalyx::ChartMath::KeepRectUpright(m_chartRect, m_chartBounds, width(), height());
    m_chartWidth = m_chartRect.Width();
    m_chartHeight = m_chartRect.Height();
    m_chartXCenter = (m_chartRect.Left + m_chartRect.Right) / 2;
    m_chartYCenter = (m_chartRect.Top + m_chartRect.Bottom) / 2;
}

void TCustomChartPanel::Invalidate() {
    if (!m_invalidationAllowed) {
        return;
    }
    ++m_repaintRequests;
    m_canvas->MarkBufferDirty();
    update();
}

void TCustomChartPanel::SetCanvas(std::unique_ptr<TChartCanvas> canvas) {
    if (canvas) {
        m_canvas = std::move(canvas);
        Invalidate();
    }
}

void TCustomChartPanel::paintEvent(QPaintEvent* /*event*/) {
    Paint();
}

void TCustomChartPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The kept frame has the old size: the next paint must draw a new one.
    Invalidate();
}

void TCustomChartPanel::Paint() {
    if (m_frameSize != size()) {
        // A hidden control gets its resize event late; never show a frame of another size.
        m_canvas->MarkBufferDirty();
        m_frameSize = size();
    }
    m_canvas->AttachTarget(this);
    const bool reused = m_canvas->ReuseBuffer();
    if (!reused) {
        Draw(this, TRect{0, 0, width(), height()});
    }
    m_canvas->AttachTarget(nullptr);
}

void TCustomChartPanel::Draw(QPaintDevice* target, const TRect& targetRect) {
    m_chartBounds = m_canvas->BeginDrawing(target, nullptr, targetRect, m_view3D);
    ApplyMargins();
    InternalDraw(m_chartBounds);
    m_canvas->EndDrawing(target, nullptr, targetRect.TopLeft());
}

namespace {
// Puts the surface into its unbuffered, transformed state for one vector frame and back after it.
class TVectorFrameScope final {
public:
    TVectorFrameScope(TChartCanvas3D& surface, const QTransform& transform)
        : m_surface(surface), m_buffered(surface.GetBuffered()),
          m_transform(surface.TargetTransform()) {
        m_surface.SetBuffered(false);
        m_surface.SetTargetTransform(transform);
    }
    ~TVectorFrameScope() {
        m_surface.SetTargetTransform(m_transform);
        m_surface.SetBuffered(m_buffered);
    }
    TVectorFrameScope(const TVectorFrameScope&) = delete;
    TVectorFrameScope& operator=(const TVectorFrameScope&) = delete;

private:
    TChartCanvas3D& m_surface;
    bool m_buffered;
    QTransform m_transform;
};
} // namespace

void TCustomChartPanel::DrawVectors(QPaintDevice* target, const QTransform& chartToDevice) {
    auto* surface = dynamic_cast<TChartCanvas3D*>(m_canvas.get());
    if (surface == nullptr) {
        // A recording surface draws nothing anyway: it sees the same frame.
        Draw(target, TRect{0, 0, width(), height()});
        return;
    }
    const TVectorFrameScope scope(*surface, chartToDevice);
    Draw(target, TRect{0, 0, width(), height()});
    m_canvas->MarkBufferDirty();
}

void TCustomChartPanel::PaintPanel(const TRect& bounds) {
    FillPanelBackground(bounds);
    DrawBackImage(bounds);
    DrawPanelBevels(bounds);
}

void TCustomChartPanel::FillPanelBackground(const TRect& bounds) {
    m_canvas->Brush() = TChartBrush(m_color, TBrushStyle::bsSolid);
    m_canvas->FillRectangle(bounds);
}

namespace {
// Draws one bevel and answers the rectangle inside it.
TRect DrawBevel(TChartCanvas& canvas, TRect rect, TPanelBevel bevel, int width) {
    if (bevel == bvNone || width <= 0) {
        return rect;
    }
    const bool raised = bevel == bvRaised;
    canvas.DrawFrame3D(rect, raised ? clBtnHighlight : clBtnShadow,
                       raised ? clBtnShadow : clBtnHighlight, width);
    return rect.Inflated(-width, -width);
}
} // namespace

void TCustomChartPanel::DrawPanelBevels(const TRect& bounds) {
    m_canvas->Pen() = TChartPen(clBlack, 1, TPenStyle::psSolid, true);
    m_canvas->Brush().SetStyle(TBrushStyle::bsClear);
    TRect rect = DrawBevel(*m_canvas, bounds, m_bevelOuter, m_bevelWidth);
    if (m_borderWidth > 0) {
        m_canvas->DrawFrame3D(rect, m_color, m_color, m_borderWidth);
        rect = rect.Inflated(-m_borderWidth, -m_borderWidth);
    }
    DrawBevel(*m_canvas, rect, m_bevelInner, m_bevelWidth);
}
