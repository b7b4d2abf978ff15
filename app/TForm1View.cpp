// The chart's view on the "Graph" page: back to the configured ranges, or fitted to the curves
// shown. Neither touches the data.

#include "TForm1.h"

#include "ViewFit.h"

#include <TChart.h>
#include <TChartSeries.h>

#include <vector>

namespace {

// Sets an axis to a fixed span, leaving its label step to the axis.
void ShowSpan(TChartAxis& axis, Armalyx::ViewFit::TSpan span) {
    TAxisRange range = axis.Range();
    range.Automatic = false;
    range.AutomaticMinimum = false;
    range.AutomaticMaximum = false;
    range.Minimum = span.Minimum;
    range.Maximum = span.Maximum;
    axis.SetRange(range);
}

} // namespace

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
    ShowSpan(bottom, Armalyx::ViewFit::FittedSpan(*monthSpan, bottom.Increment()));
    ShowSpan(left, Armalyx::ViewFit::FittedSpan(*valueSpan, left.Increment()));
}
