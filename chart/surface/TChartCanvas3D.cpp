#include "TChartCanvas3D.h"

#include "ChartCanvasQt.h"

#include <QPaintEngine>
#include <QPainter>

// The surface's painter and its state: target, pen, brush and background, clipping and the flat
// projection. Lines, shapes, text and the frame buffer have their own source files.

using Armalyx::ChartCanvasQt::CompositionFor;
using Armalyx::ChartCanvasQt::FillRect;
using Armalyx::ChartCanvasQt::QtBrushStyle;

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
    FlushVectorRun();
    return OpenPainter();
}

QPainter* TChartCanvas3D::OpenPainter() {
    if (m_painter == nullptr && m_target != nullptr && m_target->width() > 0 &&
        m_target->height() > 0) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_target)) {
            m_painter.reset();
            return nullptr;
        }
        m_painterFontKnown = false;
        const QPaintEngine* engine = m_painter->paintEngine();
        m_vector = engine != nullptr && engine->type() != QPaintEngine::Raster;
        if (!m_targetTransform.isIdentity()) {
            m_painter->setWorldTransform(m_targetTransform);
        }
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
    FlushVectorRun();
    m_fontBeforeGroup.reset();
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
    QPen pen(Armalyx::ToQColor(Pen().Color()));
    // A 1-pixel pen is one device pixel wide on a plain picture and one chart pixel wide on a
    // high-resolution one. Vector output has no device pixel: a zero-width pen there would be a
    // hairline that vanishes or prints too thin, so it is one chart pixel wide as well.
    if (Pen().Width() > 1) {
        pen.setWidth(Pen().Width());
    } else {
        pen.setWidth(m_scale.Identity() && !m_vector ? 0 : 1);
    }
    const std::vector<int> pattern = Armalyx::PenDashPattern(Pen().Style(), Pen().SmallDots());
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
    painter.setBrush(QBrush(Armalyx::ToQColor(Brush().Color()), QtBrushStyle(Brush().Style())));
}

void TChartCanvas3D::ApplyBackground(QPainter& painter) const {
    painter.setBackground(QBrush(Armalyx::ToQColor(m_backColor)));
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
    painter->fillRect(QRect(x, y, 1, 1), Armalyx::ToQColor(color));
}

void TChartCanvas3D::ClipToRect(const TRect& rect) {
    FlushVectorRun();
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
    FlushVectorRun();
    m_clipped = false;
    if (m_painter != nullptr) {
        m_painter->setClipping(false);
    }
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

void TChartCanvas3D::SetupProjection(int depth, const TRect& /*bounds*/, const TRect& rect) {
    StoreProjection(depth, rect);
}
