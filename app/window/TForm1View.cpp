// The chart's view on the "Graph" page: back to the configured ranges, or fitted to the curves
// shown. Neither touches the data.

#include "TForm1.h"

#include "ViewFit.h"

#include <TChart.h>
#include <TChartSeries.h>

#include <vector>

void TForm1::ResetView() {
    Chart1->RestoreAxisRanges(m_homeView);
}

void TForm1::FitToData() {
    std::vector<double> months;
    std::vector<double> values;
    for (const TSeriesReading& reading : SeriesReadings()) {
        const TChartSeries& series = *reading.Series;
        for (std::int32_t i = 0; i < series.PointCount(); ++i) {
            if (!series.IsNull(i)) {
                months.push_back(series.XValueAt(i));
                values.push_back(series.YValueAt(i));
            }
        }
    }
    const auto monthSpan = Armalyx::ViewFit::ValueSpan(months);
    const auto valueSpan = Armalyx::ViewFit::ValueSpan(values);
    if (!monthSpan || !valueSpan) {
        return;
    }
    TChartAxis& bottom = Chart1->BottomAxis();
    TChartAxis& left = Chart1->LeftAxis();
    const auto monthView = Armalyx::ViewFit::FittedSpan(*monthSpan, bottom.Increment());
    const auto valueView = Armalyx::ViewFit::FittedSpan(*valueSpan, left.Increment());
    bottom.ShowFixedRange(monthView.Minimum, monthView.Maximum);
    left.ShowFixedRange(valueView.Minimum, valueView.Maximum);
}
