#pragma once
// The line-and-area series: maps its visible points to pixels and joins them with segments,
// each in the colour of the point that ends it.

#include "TChartSeries.h"
#include "TSeriesMarks.h"
#include "TSeriesPointer.h"

#include <cstdint>

class TCustomSeries : public TChartSeries {
public:
    TCustomSeries();
    ~TCustomSeries() override;

    TSeriesPointer& Pointer() { return m_pointer; }
    const TSeriesPointer& Pointer() const { return m_pointer; }
    TSeriesMarks& Marks() { return m_marks; }
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool dark);
    bool Stairs() const { return m_stairs; }
    void SetStairs(bool stairs);
    bool InvertedStairs() const { return m_invertedStairs; }
    void SetInvertedStairs(bool inverted);
    int LineHeight() const { return m_lineHeight; }
    void SetLineHeight(int height);

    std::int32_t PointPixelX(std::int32_t i) const;
    std::int32_t PointPixelY(std::int32_t i) const;

    TSeriesMargins RequestHorizMargins() const override;
    TSeriesMargins RequestVertMargins() const override;
    bool MarksVisible() const override { return m_marks.Visible(); }

protected:
    void SetDrawsLines(bool drawsLines) { m_drawsLines = drawsLines; }
    bool DrawsLines() const { return m_drawsLines; }

    std::int32_t m_lastPixelX = 0;
    std::int32_t m_lastPixelY = 0;
    TColor m_lastColor = clBlack;

private:
    TSeriesPointer m_pointer;
    TSeriesMarks m_marks;
    bool m_dark3D = true;
    bool m_stairs = false;
    bool m_invertedStairs = false;
    int m_lineHeight = 0;
    bool m_drawsLines = false;
};
