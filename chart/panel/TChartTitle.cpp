#include "TChartTitle.h"

#include "TChartCanvas.h"
#include "TCustomChart.h"

TChartTitle::TChartTitle(TCustomChart& chart)
    : TChartBoxedObject(chart, clBlue, clUseSeriesColor, TChartHiddenPen()) {}

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
    const bool solid = Brush().Style() == TBrushStyle::bsSolid;
    if (Color() == clUseSeriesColor) {
        if (solid && Brush().Color() == clUseSeriesColor) {
            canvas.Brush().SetStyle(TBrushStyle::bsClear);
            return;
        }
        if (!solid) {
            canvas.Brush() = Brush();
            canvas.SetBackMode(TBackMode::bmTransparent);
            return;
        }
        SetColor(Brush().Color());
    }
    if (solid) {
        canvas.Brush() = TChartBrush(Color(), TBrushStyle::bsSolid);
    } else {
        canvas.Brush() = Brush();
        canvas.SetBackMode(TBackMode::bmOpaque);
        canvas.SetBackColor(Color());
    }
}

int TChartTitle::FrameWidth() const {
    return FrameShown() ? Frame().Width() : 0;
}

bool TChartTitle::FrameShown() const {
    return Frame().Visible() && Frame().Color() != clUseSeriesColor;
}

std::vector<int> TChartTitle::LineWidths(TChartCanvas& canvas) const {
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(m_text.size()));
    for (const QString& line : m_text) {
        widths.push_back(canvas.MeasureTextWidth(line));
    }
    return widths;
}

TRect TChartTitle::DrawTitleOn(TChartCanvas& canvas, TRect chartRect, TTitlePlace place) {
    canvas.AssignFont(Font());
    Armalyx::TitleLayout::TInput input;
    input.ChartRect = chartRect;
    input.Place = place;
    input.FontH = canvas.TextLineHeight();
    PrepareBackground(canvas);
    // Written straight on the panel, the title stays readable under a dark desktop theme.
    if (canvas.Brush().Style() == TBrushStyle::bsClear) {
        canvas.Font().SetColor(Armalyx::ReadableTextColor(Font().Color(), ParentChart().Color()));
    }
    input.FrameWidth = FrameWidth();
    if (input.FrameWidth > 0) {
        canvas.ApplyChartPen(Frame());
    } else {
        canvas.Pen().SetStyle(TPenStyle::psClear);
    }
    input.WidthOfW = canvas.MeasureTextWidth(QStringLiteral("W"));
    input.Alignment = m_alignment;
    input.AdjustFrame = m_adjustFrame;
    // Only a frame or a background shows the box.
    input.BoxShown = FrameShown() || canvas.Brush().Style() != TBrushStyle::bsClear;
    input.LineWidths = LineWidths(canvas);
    const Armalyx::TitleLayout::TLayout layout = Armalyx::TitleLayout::LayOut(input);

    m_titleRect = layout.TitleRect;
    if (input.BoxShown) {
        canvas.DrawRectangle(m_titleRect.Left, m_titleRect.Top, m_titleRect.Right,
                             m_titleRect.Bottom);
    }
    canvas.SetBackMode(TBackMode::bmTransparent);
    canvas.SetTextAlignment(kTextAlignLeft | kTextAlignTop);
    for (const Armalyx::TitleLayout::TLine& line : layout.Lines) {
        canvas.WriteText(line.TopLeft.X, line.TopLeft.Y, m_text[line.Index]);
    }
    return layout.ChartRect;
}
