#pragma once
// A side axis (bottom, top, left or right) of the chart.

#include "TCustomChartAxis.h"

class TChartAxis final : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;

    bool GridCentered() const { return m_gridCentered; }
    void SetGridCentered(bool centered) { Set(m_gridCentered, centered); }

protected:
    bool GridIsCentered() const override { return m_gridCentered; }

private:
    bool m_gridCentered = false;
};
