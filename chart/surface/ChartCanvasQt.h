#pragma once
// How the surface's pen modes, brush styles and boxes map onto QPainter's; shared by the
// surface's source files.

#include "TChartBrush.h"
#include "TChartPen.h"

#include <QPainter>
#include <QRect>

namespace Armalyx::ChartCanvasQt {

inline QPainter::CompositionMode CompositionFor(TPenMode mode) {
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

inline Qt::BrushStyle QtBrushStyle(TBrushStyle style) {
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

inline QRect FillRect(int l, int t, int r, int b) {
    return QRect(l, t, r - l, b - t);
}

} // namespace Armalyx::ChartCanvasQt
