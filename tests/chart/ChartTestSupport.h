#pragma once
// Shared set-up for the chart tests: charts of the main window's size, configured like the
// program's chart, drawing through a recording surface.

#include "TChart.h"
#include "TLineSeries.h"
#include "TRecordingCanvas.h"

#include <memory>

namespace Armalyx::ChartTestSupport {

inline constexpr int kChartWidth = 673;
inline constexpr int kChartHeight = 385;
inline constexpr TRect kChartBounds{0, 0, kChartWidth, kChartHeight};

// A chart whose plot rectangle is rect and whose axes map the given ranges onto it.
std::unique_ptr<TChart> MappedChart(const TRect& rect, double xMin, double xMax, double yMin,
                                    double yMax);

// A chart with the program's settings (flat, fixed axes 6..53 and -51..20000, the year title)
// drawing through a recording surface.
struct TRecordedChart {
    std::unique_ptr<TChart> Chart;
    TRecordingCanvas* Canvas = nullptr;

    // Draws one frame of the chart's size into the recording surface.
    void DrawFrame();
    TLineSeries& AddLine(TColor color);
};
TRecordedChart ProgramChart();

// Loads the program's own background picture into the chart (a test failure if it cannot).
void LoadProgramPicture(TChart& chart);

} // namespace Armalyx::ChartTestSupport
