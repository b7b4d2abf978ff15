#pragma once
// The chart control placed on windows.

#include "TCustomChart.h"

class TChart final : public TCustomChart {
    Q_OBJECT

public:
    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    // The back wall's colour, published under the chart.
    TColor BackColor() { return BackWall().Color(); }
    void SetBackColor(TColor color) { BackWall().SetColor(color); }
};
