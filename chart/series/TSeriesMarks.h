#pragma once
// The value marks of a series. The chart keeps their settings; this program never shows them.

class TChartSeries;

class TSeriesMarks final {
public:
    explicit TSeriesMarks(TChartSeries& owner) : m_owner(owner) {}

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    int ArrowLength() const { return m_arrowLength; }
    void SetArrowLength(int length);

private:
    TChartSeries& m_owner;
    bool m_visible = false;
    int m_arrowLength = 8;
};
