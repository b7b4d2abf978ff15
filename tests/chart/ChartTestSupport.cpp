#include "ChartTestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>
#include <span>

namespace Armalyx::ChartTestSupport {

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

namespace {
void ConfigureAxis(TChartAxis& axis, double minimum, double maximum, double increment) {
    axis.SetAutomatic(false);
    axis.SetAutomaticMinimum(false);
    axis.SetAutomaticMaximum(false);
    axis.SetMinimum(minimum);
    axis.SetMaximum(maximum);
    axis.SetIncrement(increment);
    axis.SetExactDateTime(false);
}
} // namespace

TRecordedChart ProgramChart() {
    TRecordedChart recorded;
    recorded.Chart = std::make_unique<TChart>();
    TChart& chart = *recorded.Chart;
    auto canvas = std::make_unique<TRecordingCanvas>();
    recorded.Canvas = canvas.get();
    chart.SetCanvas(std::move(canvas));
    chart.resize(kChartWidth, kChartHeight);
    chart.BeginLoading();
    chart.SetView3D(false);
    chart.SetAllowZoom(false);
    chart.SetBackImageInside(true);
    chart.Title().SetText({"Total Available AFVs"});
    chart.BackWall().Brush().SetColor(clWhite);
    ConfigureAxis(chart.BottomAxis(), 6, 53, 1);
    chart.BottomAxis().SetLabelStyle(talValue);
    chart.BottomAxis().SetMinorTickCount(1);
    chart.BottomAxis().SetMinorTickLength(4);
    chart.BottomAxis().SetTickLength(2);
    chart.BottomAxis().SetTickOnLabelsOnly(false);
    chart.BottomAxis().Title().SetCaption(
        "1941                      1942                            1943                            "
        "1944                  1945");
    ConfigureAxis(chart.LeftAxis(), -51, 20000, 1000);
    chart.EndLoading();
    return recorded;
}

void LoadProgramPicture(TChart& chart) {
    QFile block(QStringLiteral(ARMALYX_SOURCE_DIR "/app/resources/Chart1BackImage.block"));
    ASSERT_TRUE(block.open(QIODevice::ReadOnly));
    const QByteArray bytes = block.readAll();
    ASSERT_TRUE(chart.BackImage().LoadFromBlock(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size()))));
}

void TRecordedChart::DrawFrame() {
    Chart->Draw(nullptr, kChartBounds);
}

TLineSeries& TRecordedChart::AddLine(TColor color) {
    auto series = std::make_unique<TLineSeries>();
    series->SetSeriesColor(color);
    return static_cast<TLineSeries&>(Chart->AddSeries(std::move(series)));
}

} // namespace Armalyx::ChartTestSupport
