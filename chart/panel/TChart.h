#pragma once
// The chart control placed on windows.

#include "TCustomChart.h"

class TChart final : public TCustomChart {
    Q_OBJECT

public:
    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    // The back wall's colour, published under the chart. Setting it outside loading also makes
    // the wall's brush solid, so the colour shows, once the chart sits in a window.
    TColor BackColor() { return BackWall().Color(); }
    void SetBackColor(TColor color);
    // The pen of the back wall's frame.
    TChartPen& Frame() { return BackWall().Pen(); }
};
