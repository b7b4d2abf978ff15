#include "ChartTestSupport.h"

namespace ChartTestSupport {

std::unique_ptr<TChart> MappedChart(const TRect& rect, double xMin, double xMax, double yMin,
                                    double yMax) {
    auto chart = std::make_unique<TChart>();
    chart->resize(kChartWidth, kChartHeight);
    chart->SetChartRect(rect);
    chart->RecalcWidthHeight();
    chart->BottomAxis().SetWorkRange(xMin, xMax);
    chart->LeftAxis().SetWorkRange(yMin, yMax);
    for (TCustomChartAxis* axis : chart->AxisList()) {
        axis->UpdatePixelSpan();
    }
    return chart;
}

} // namespace ChartTestSupport
