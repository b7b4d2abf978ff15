#include "TChartCanvas3D.h"

#include "ChartCanvasQt.h"

#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <cmath>

// The surface's lines on a vector device (SVG, PDF, a printer): strokes rather than pixels.

using Armalyx::ChartCanvasQt::CompositionFor;

// A 1-pixel line is one stroke, one chart pixel wide, through the centres of the pixels the screen
// sets. It starts at the near edge of its start pixel and ends at the near edge of its end pixel,
// so that it covers the start pixel and leaves the end pixel as the screen does. The dash pattern
// runs on from the previous line; an opaque background fills the gaps first.
void TChartCanvas3D::DrawVectorLine(QPainter& painter, TPoint from, TPoint to,
                                    const std::vector<int>& pattern) {
    const double dx = static_cast<double>(to.X) - from.X;
    const double dy = static_cast<double>(to.Y) - from.Y;
    const double steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0) {
        return;
    }
    const QPointF halfStep(dx / steps / 2, dy / steps / 2);
    const QLineF line(QPointF(from.X + 0.5, from.Y + 0.5) - halfStep,
                      QPointF(to.X + 0.5, to.Y + 0.5) - halfStep);
    painter.setCompositionMode(CompositionFor(Pen().Mode()));
    painter.setBackgroundMode(Qt::TransparentMode);
    QPen pen(Armalyx::ToQColor(m_backColor), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!pattern.empty() && m_backMode == TBackMode::bmOpaque) {
        painter.setPen(pen);
        painter.drawLine(line);
    }
    pen.setColor(Armalyx::ToQColor(Pen().Color()));
    if (!pattern.empty()) {
        pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
        pen.setDashOffset(static_cast<qreal>(m_patternPos));
    }
    painter.setPen(pen);
    painter.drawLine(line);
}
