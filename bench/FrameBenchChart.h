#pragma once
// The availability chart for the frame benchmarks: the program's chart at its window size with
// the sample data loaded and two vehicles picked, and the same content as plain shapes for the
// baselines that draw it another way.

#include "TChart.h"
#include "TChartCanvas3D.h"
#include "TChartColors.h"
#include "TForm1Driver.h"
#include "TLineSeries.h"
#include "TStringGrid.h"

#include <QDir>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTableWidget>

#include <cstdlib>
#include <memory>
#include <vector>

namespace Armalyx::FrameBench {

inline constexpr int kWidth = 673;
inline constexpr int kHeight = 385;

inline QString DataDirectory() {
    return QStringLiteral(ARMALYX_SOURCE_DIR "/data");
}

// The program's window with the sample data, after picks of the first and second vehicle rows.
// The benchmark program's main makes the application first.
class TBenchChart final {
public:
    TBenchChart()
        : m_form(std::make_unique<TForm1>(DataDirectory())),
          m_driver(std::make_unique<TForm1Driver>(*m_form)) {
        m_driver->FormActivate();
        PickVehicle(1);
        PickVehicle(2);
        Canvas().MarkBufferDirty();
    }

    TForm1Driver& Form() { return *m_driver; }
    TChart& Chart() { return *m_driver->Chart1; }
    TChartCanvas3D& Canvas() { return dynamic_cast<TChartCanvas3D&>(Chart().Canvas()); }

    // A click on a vehicle row of the table, as the window handles it.
    void PickVehicle(int row) {
        m_driver->StringGrid1->SetRow(row);
        m_driver->StringGrid1Click();
    }

    // A frame drawn from scratch and copied to the window.
    void DrawFrame(QImage& window) {
        Canvas().MarkBufferDirty();
        Chart().Draw(&window, {0, 0, kWidth, kHeight});
    }

    // A paint with nothing changed, as the control's paint event does it.
    void Repaint(QImage& window) {
        Canvas().AttachTarget(&window);
        if (!Canvas().ReuseBuffer()) {
            std::abort(); // the kept frame must be there
        }
        Canvas().AttachTarget(nullptr);
    }

private:
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TForm1Driver> m_driver;
};

struct TLabel {
    QPoint Position;
    QString Text;
};

// The chart's content as plain shapes for the baselines.
struct TFrameContent {
    QRect Plot;
    QRect Legend;
    QImage Picture;
    std::vector<int> GridX;
    std::vector<int> GridY;
    std::vector<TLabel> Labels;
    std::vector<QString> Titles;
    std::vector<QColor> Colours;
    std::vector<std::vector<double>> Values;
    std::vector<std::vector<QPoint>> Curves;
};

inline void AddSeriesContent(TFrameContent& content, TChart& chart, const TChartSeries& series) {
    content.Titles.push_back(series.Title());
    content.Colours.push_back(Armalyx::ToQColor(series.SeriesColor()));
    std::vector<double> values;
    std::vector<QPoint> curve;
    for (std::int32_t i = 0; i < series.PointCount(); ++i) {
        const double y = series.YValues().ValueAt(i);
        values.push_back(y);
        curve.emplace_back(chart.BottomAxis().ValueToPixel(series.XValues().ValueAt(i)),
                           chart.LeftAxis().ValueToPixel(y));
    }
    content.Values.push_back(std::move(values));
    content.Curves.push_back(std::move(curve));
}

inline void AddAxisContent(TFrameContent& content, TChart& chart) {
    for (int month = 6; month <= 53; ++month) {
        const int x = chart.BottomAxis().ValueToPixel(month);
        content.GridX.push_back(x);
        content.Labels.push_back(
            {QPoint(x - 4, content.Plot.bottom() + 16), QString::number(month)});
    }
    for (int value = 0; value <= 20000; value += 1000) {
        const int y = chart.LeftAxis().ValueToPixel(value);
        content.GridY.push_back(y);
        content.Labels.push_back({QPoint(content.Plot.left() - 34, y + 4), QString::number(value)});
    }
    content.Labels.push_back({QPoint(260, 12), QStringLiteral("Total Available AFVs")});
    content.Labels.push_back({QPoint(content.Plot.left() + 20, kHeight - 8),
                              QStringLiteral("1941                      1942")});
}

inline TFrameContent Content() {
    TBenchChart bench;
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    bench.DrawFrame(window);
    TChart& chart = bench.Chart();
    TFrameContent content;
    const TRect plot = chart.ChartRect();
    content.Plot = QRect(plot.Left, plot.Top, plot.Width(), plot.Height());
    content.Legend = QRect(plot.Right + 20, 38, 648 - plot.Right - 20, 8 * 14 + 6);
    content.Picture = chart.BackImage().Graphic()->Bitmap();
    AddAxisContent(content, chart);
    for (const auto& series : chart.SeriesList()) {
        AddSeriesContent(content, chart, *series);
    }
    return content;
}

} // namespace Armalyx::FrameBench
