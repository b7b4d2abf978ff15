#include "TChartCanvas.h"

#include <QFontMetrics>

int TChartCanvas::MeasureTextWidth(const QString& text) {
    return QFontMetrics(Armalyx::ToQFont(m_font)).horizontalAdvance(text);
}

int TChartCanvas::MeasureTextHeight(const QString& text) {
    static_cast<void>(text);
    return QFontMetrics(Armalyx::ToQFont(m_font)).height();
}

void TChartCanvas::AttachTarget(QPaintDevice* target) {
    TargetAttached(target);
    m_pen = TChartPen();
    m_brush = TChartBrush();
    m_font = TChartFont();
}

void TChartCanvas::ResetDrawingState() {
    m_pen = TChartPen();
    m_brush = TChartBrush(clWhite, TBrushStyle::bsSolid);
    m_font.SetColor(clBlack);
    m_font.SetSize(10);
    SetBackColor(clWhite);
    SetBackMode(TBackMode::bmTransparent);
}

void TChartCanvas::ApplyChartPen(const TChartPen& pen) {
    if (!pen.Visible()) {
        m_pen.SetStyle(TPenStyle::psClear);
        return;
    }
    TChartPen applied(pen.Color(), pen.Width(), pen.Style(), true);
    applied.SetMode(pen.Mode());
    if (pen.SmallDots() && pen.Width() == 1) {
        applied.SetStyle(TPenStyle::psSolid);
        applied.SetSmallDots(true);
    }
    m_pen = applied;
}

int TChartCanvas::TextLineHeight() {
    return MeasureTextHeight(QStringLiteral("W"));
}
