#include "TSeriesMarks.h"

#include "TChartSeries.h"

void TSeriesMarks::SetVisible(bool visible) {
    if (visible != m_visible) {
        m_visible = visible;
        m_owner.RequestRepaint();
    }
}

void TSeriesMarks::SetArrowLength(int length) {
    if (length != m_arrowLength) {
        m_arrowLength = length;
        m_owner.RequestRepaint();
    }
}
