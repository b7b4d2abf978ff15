#pragma once
// A chart title: lines of text above the plot (Title) or below it (Foot). Drawing a title takes
// its room out of the plot rectangle: n lines of a hidden-frame title take n line heights plus a
// fixed gap of 5 pixels; a title without lines takes none.

#include "TChartBoxedObject.h"
#include "TChartBrush.h"
#include "TChartGeometry.h"
#include "TChartPen.h"
#include "TitleLayout.h"

#include <QStringList>

#include <vector>

class TChartCanvas;

class TChartTitle final : public TChartBoxedObject {
public:
    explicit TChartTitle(TCustomChart& chart);

    const QStringList& Text() const { return m_text; }
    void SetText(const QStringList& lines) { Set(m_text, lines); }
    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { Set(m_visible, value); }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value) { Set(m_alignment, value); }
    bool AdjustFrame() const { return m_adjustFrame; }
    void SetAdjustFrame(bool value) { Set(m_adjustFrame, value); }
    // Where the title was last drawn, frame included.
    const TRect& TitleRect() const { return m_titleRect; }

    // Draws through the chart's surface, above the plot (onTop) or below it, moves the plot
    // rectangle's edge past the lines and lets the chart recompute its sizes.
    void DrawTitle(bool onTop);
    // Draws the lines on the surface, above the plot or below it, and answers the plot rectangle
    // that is left: its top or bottom edge moved past the lines and the gap.
    TRect DrawTitleOn(TChartCanvas& canvas, TRect chartRect, TTitlePlace place);

private:
    void PrepareBackground(TChartCanvas& canvas);
    // A frame is drawn only when it is visible and has a colour of its own.
    bool FrameShown() const;
    int FrameWidth() const;
    std::vector<int> LineWidths(TChartCanvas& canvas) const;

    QStringList m_text;
    bool m_visible = true;
    TAlignment m_alignment = taCenter;
    bool m_adjustFrame = true;
    TRect m_titleRect;
};
