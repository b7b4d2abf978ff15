#include "TChartCanvas3D.h"

#include "ChartCanvasQt.h"
#include "SvgSeriesGroups.h"
#include "VectorPolyline.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>

// The surface's lines on a vector device (SVG, PDF, a printer): strokes rather than pixels.

using Armalyx::ChartCanvasQt::CompositionFor;

// A 1-pixel line is a stroke one chart pixel wide through the centres of the pixels the screen
// sets. Lines that continue each other in the same pen (a curve drawn segment by segment, an
// outline) are held back and become one stroke, which a drawing program can take as one line
// and along which a dash pattern runs on.
void TChartCanvas3D::DrawVectorLine(TPoint from, TPoint to, const std::vector<int>& pattern) {
    if (from == to) {
        return;
    }
    TVectorLineStyle style{Pen().Color(), Pen().Mode(), pattern, m_backMode, m_backColor};
    if (m_vectorRun && m_vectorRun->Pixels.back() == from && m_vectorRun->Style == style) {
        m_vectorRun->Pixels.push_back(to);
        return;
    }
    FlushVectorRun();
    m_vectorRun = TVectorLineRun{std::move(style), {from, to}, m_patternPos};
}

// The held-back run, cut to the clip rectangle here rather than by the painter, whose clip not
// every vector format keeps: each part inside is one polyline. Cut strokes have bevelled corners,
// which stay within the stroke's width of its centre line, so nothing of them reaches past the
// clip; others keep square corners. An opaque background fills the gaps of a dashed line first.
void TChartCanvas3D::FlushVectorRun() {
    if (!m_vectorRun) {
        return;
    }
    const TVectorLineRun run = std::move(*m_vectorRun);
    m_vectorRun.reset();
    if (m_painter == nullptr) {
        return;
    }
    namespace Polyline = Armalyx::VectorPolyline;
    const std::vector<QPointF> stroke = Polyline::Stroke(run.Pixels);
    std::vector<Polyline::TStrokePiece> pieces;
    if (!m_clipped) {
        pieces.push_back({stroke, 0});
    } else if (const std::optional<QRectF> area = Polyline::CentreLineArea(m_clip)) {
        pieces = Polyline::Clipped(stroke, *area);
    }
    QPainter& painter = *m_painter;
    painter.setCompositionMode(CompositionFor(run.Style.Mode));
    painter.setBackgroundMode(Qt::TransparentMode);
    const Qt::PenJoinStyle join = m_clipped ? Qt::BevelJoin : Qt::MiterJoin;
    const bool dashed = !run.Style.Pattern.empty();
    for (const Polyline::TStrokePiece& piece : pieces) {
        if (piece.Points.size() < 2) {
            continue;
        }
        const QPolygonF polyline(QList<QPointF>(piece.Points.begin(), piece.Points.end()));
        QPen pen(Armalyx::ToQColor(run.Style.BackColor), 1, Qt::SolidLine, Qt::FlatCap, join);
        if (dashed && run.Style.BackMode == TBackMode::bmOpaque) {
            painter.setPen(pen);
            painter.drawPolyline(polyline);
        }
        pen.setColor(Armalyx::ToQColor(run.Style.Color));
        if (dashed) {
            pen.setDashPattern(QList<qreal>(run.Style.Pattern.begin(), run.Style.Pattern.end()));
            pen.setDashOffset(static_cast<qreal>(run.PatternStart) + piece.StartLength);
        }
        painter.setPen(pen);
        painter.drawPolyline(polyline);
    }
}

// Qt's SVG generator has no groups of its own making: the group is marked in the font it writes
// with every group it opens, and the export names it afterwards (SvgSeriesGroups).
void TChartCanvas3D::BeginSeriesGroup(int position, const QString& title) {
    FlushVectorRun();
    QPainter* painter = OpenPainter();
    if (painter == nullptr || painter->paintEngine() == nullptr ||
        painter->paintEngine()->type() != QPaintEngine::SVG) {
        return;
    }
    m_fontBeforeGroup = painter->font();
    QFont marker = *m_fontBeforeGroup;
    marker.setFamily(Armalyx::SvgSeriesGroups::MarkerFamily(position, title));
    painter->setFont(marker);
    m_painterFontKnown = false;
}

void TChartCanvas3D::EndSeriesGroup() {
    FlushVectorRun();
    if (m_fontBeforeGroup && m_painter != nullptr) {
        m_painter->setFont(*m_fontBeforeGroup);
        m_painterFontKnown = false;
    }
    m_fontBeforeGroup.reset();
}
