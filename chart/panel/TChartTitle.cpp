#include "TChartTitle.h"

#include "TChartCanvas.h"
#include "TCustomChart.h"

#include <algorithm>

namespace {

// The gap between a title and the plot.
constexpr int kTitleGap = 5;

} // namespace

TChartTitle::TChartTitle(TCustomChart& chart) : TChartFontObject(chart, clBlue) {
    m_brush.SetOnChange([this] { RequestRepaint(); });
    m_frame.SetOnChange([this] { RequestRepaint(); });
}

void TChartTitle::DrawTitle(bool onTop) {
    TCustomChart& chart = ParentChart();
    chart.SetChartRect(DrawTitleOn(chart.Canvas(), chart.ChartRect(),
                                   onTop ? TTitlePlace::tpTop : TTitlePlace::tpFoot));
    chart.RecalcWidthHeight();
}

// Without a colour of its own the title follows its brush: the default brush (no colour, solid)
// leaves the background alone, a hatched brush draws on a transparent background, and a solid
// brush of a real colour becomes the title's colour. With a colour, a solid brush fills in it and
// a hatched one draws on an opaque background of it.
void TChartTitle::PrepareBackground(TChartCanvas& canvas) {
    const bool solid = m_brush.Style() == TBrushStyle::bsSolid;
    if (m_color == clUseSeriesColor) {
        if (solid && m_brush.Color() == clUseSeriesColor) {
            canvas.Brush().SetStyle(TBrushStyle::bsClear);
            return;
        }
        if (!solid) {
            canvas.Brush() = m_brush;
            canvas.SetBackMode(TBackMode::bmTransparent);
            return;
        }
        SetColor(m_brush.Color());
    }
    if (solid) {
        canvas.Brush() = TChartBrush(m_color, TBrushStyle::bsSolid);
    } else {
        canvas.Brush() = m_brush;
        canvas.SetBackMode(TBackMode::bmOpaque);
        canvas.SetBackColor(m_color);
    }
}

int TChartTitle::FrameWidth() const {
    return m_frame.Visible() && m_frame.Color() != clUseSeriesColor ? m_frame.Width() : 0;
}

// Only a frame or a background shows the box: narrowed to the widest line when AdjustFrame is on.
void TChartTitle::DrawBackgroundBox(TChartCanvas& canvas, int lineWidthW) {
    const bool frameVisible = m_frame.Visible() && m_frame.Color() != clUseSeriesColor;
    if (!frameVisible && canvas.Brush().Style() == TBrushStyle::bsClear) {
        return;
    }
    if (m_adjustFrame) {
        int widest = 0;
        for (const QString& line : m_text) {
            widest = std::max(widest, canvas.MeasureTextWidth(line));
        }
        const int maxW = widest + lineWidthW;
        switch (m_alignment) {
        case taLeftJustify:
            m_titleRect.Right = m_titleRect.Left + maxW;
            break;
        case taRightJustify:
            m_titleRect.Left = m_titleRect.Right - maxW;
            break;
        case taCenter: {
            const int centre = (m_titleRect.Left + m_titleRect.Right) / 2;
            m_titleRect.Left = centre - maxW / 2;
            m_titleRect.Right = centre + maxW / 2;
            break;
        }
        }
    }
    canvas.DrawRectangle(m_titleRect.Left, m_titleRect.Top, m_titleRect.Right, m_titleRect.Bottom);
}

int TChartTitle::LineLeft(TChartCanvas& canvas, const TRect& box, const QString& line,
                          int lineWidthW) const {
    switch (m_alignment) {
    case taLeftJustify:
        return box.Left + lineWidthW / 2;
    case taRightJustify:
        return box.Right - canvas.MeasureTextWidth(line) - lineWidthW / 2;
    case taCenter:
        break;
    }
    return (box.Left + box.Right) / 2 - canvas.MeasureTextWidth(line) / 2;
}

TRect TChartTitle::DrawTitleOn(TChartCanvas& canvas, TRect chartRect, TTitlePlace place) {
    const bool onTop = place == TTitlePlace::tpTop;
    canvas.AssignFont(Font());
    const int fontH = canvas.TextLineHeight();
    PrepareBackground(canvas);
    // Written straight on the panel, the title stays readable under a dark desktop theme.
    if (canvas.Brush().Style() == TBrushStyle::bsClear) {
        canvas.Font().SetColor(ReadableTextColor(Font().Color(), ParentChart().Color()));
    }
    const int fw = FrameWidth();
    const int n = static_cast<int>(m_text.size());

    TRect box{chartRect.Left + fw, 0, chartRect.Right - fw, 0};
    if (onTop) {
        box.Top = chartRect.Top + fw;
        box.Bottom = box.Top - kTitleGap;
    } else {
        box.Bottom = chartRect.Bottom - fw;
        box.Top = box.Bottom + kTitleGap;
    }
    m_titleRect = box;
    if (fw > 0) {
        canvas.ApplyChartPen(m_frame);
    } else {
        canvas.Pen().SetStyle(TPenStyle::psClear);
    }
    if (onTop) {
        m_titleRect.Bottom = box.Top + n * fontH;
    } else {
        m_titleRect.Top = box.Bottom - n * fontH;
    }
    m_titleRect = m_titleRect.Inflated(fw, fw);

    const int lineWidthW = canvas.MeasureTextWidth(QStringLiteral("W"));
    DrawBackgroundBox(canvas, lineWidthW);
    canvas.SetBackMode(TBackMode::bmTransparent);
    canvas.SetTextAlignment(kTextAlignLeft | kTextAlignTop);

    int edge = onTop ? box.Bottom : box.Top;
    if (n > 0) {
        int y = onTop ? box.Top : box.Bottom;
        for (int i = 0; i < n; ++i) {
            const QString& line = m_text[onTop ? i : n - 1 - i];
            if (!onTop) {
                y -= fontH;
            }
            canvas.WriteText(LineLeft(canvas, box, line, lineWidthW), y, line);
            if (onTop) {
                y += fontH;
            }
        }
        edge = y;
    }
    if (onTop) {
        chartRect.Top = edge + fw + kTitleGap;
    } else {
        chartRect.Bottom = edge - fw - kTitleGap;
    }
    return chartRect;
}
