#pragma once
// The availability chart for the frame benchmarks: the program's chart at its window size with
// the sample data loaded and two vehicles picked, and the same content as plain shapes for the
// baselines that draw it another way.

#include "TChart.h"
#include "TChartCanvas3D.h"
#include "TChartColors.h"
#include "TLineSeries.h"
#if __has_include("TForm1.h")
#include "TForm1.h"
#include "TStringGrid.h"
#define ARMALYX_BENCH_HAS_WINDOW 1
#else
#include "Derivations.h"
#include "TProductionStore.h"
#include <QFile>
#endif

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTableWidget>

#include <cstdlib>
#include <memory>
#include <vector>

namespace FrameBench {

inline constexpr int kWidth = 673;
inline constexpr int kHeight = 385;

// One off-screen application for the whole benchmark program.
inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "frame_bench";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        unsetenv("QT_SCALE_FACTOR");
        unsetenv("QT_FONT_DPI");
        return true;
    }();
    static QApplication application(argc, argv);
    static_cast<void>(offscreen);
    return application;
}

inline QString DataDirectory() {
    return QStringLiteral(ARMALYX_SOURCE_DIR "/data");
}

#ifdef ARMALYX_BENCH_HAS_WINDOW
// The program's window with the sample data, after picks of the first and second vehicle rows.
class TBenchChart final {
public:
    TBenchChart() : m_form((Application(), std::make_unique<TForm1>(DataDirectory()))) {
        m_form->FormActivate();
        PickVehicle(1);
        PickVehicle(2);
        Canvas().MarkBufferDirty();
    }

    TForm1& Form() { return *m_form; }
    TChart& Chart() { return *m_form->Chart1; }
    TChartCanvas3D& Canvas() { return dynamic_cast<TChartCanvas3D&>(Chart().Canvas()); }

    // A click on a vehicle row of the table, as the window handles it.
    void PickVehicle(int row) {
        m_form->StringGrid1->setCurrentCell(row, 0);
        m_form->StringGrid1Click();
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
};
#else
// Until the window exists: a chart configured like the program's, with store rows as curves.
class TBenchChart final {
public:
    TBenchChart() : m_chart((Application(), std::make_unique<TChart>())) {
        Configure();
        const QString saved = QDir::currentPath();
        QDir::setCurrent(DataDirectory());
        Production1::LoadProductionData();
        QDir::setCurrent(saved);
        Plot();
    }
    TChart& Chart() { return *m_chart; }
    TChartCanvas3D& Canvas() { return dynamic_cast<TChartCanvas3D&>(Chart().Canvas()); }
    void DrawFrame(QImage& window) {
        Canvas().MarkBufferDirty();
        Chart().Draw(&window, {0, 0, kWidth, kHeight});
    }
    void Repaint(QImage& window) {
        Canvas().AttachTarget(&window);
        if (!Canvas().ReuseBuffer()) {
            std::abort();
        }
        Canvas().AttachTarget(nullptr);
    }

private:
    static void Axis(TChartAxis& axis, double minimum, double maximum, double increment) {
        axis.SetAutomatic(false);
        axis.SetAutomaticMinimum(false);
        axis.SetAutomaticMaximum(false);
        axis.SetMinimum(minimum);
        axis.SetMaximum(maximum);
        axis.SetIncrement(increment);
        axis.SetExactDateTime(false);
    }
    void Configure() {
        TChart& chart = *m_chart;
        chart.resize(kWidth, kHeight);
        chart.BeginLoading();
        chart.SetView3D(false);
        chart.SetAllowZoom(false);
        chart.SetBackImageInside(true);
        chart.Title().SetText({"Total Available AFVs"});
        chart.BackWall().Brush().SetColor(clWhite);
        chart.BackWall().Brush().SetStyle(TBrushStyle::bsClear);
        Axis(chart.BottomAxis(), 6, 53, 1);
        chart.BottomAxis().SetLabelStyle(talValue);
        chart.BottomAxis().SetMinorTickCount(1);
        chart.BottomAxis().SetMinorTickLength(4);
        chart.BottomAxis().SetTickLength(2);
        chart.BottomAxis().Title().SetCaption(
            "1941                      1942                            1943                    "
            "        1944                  1945");
        Axis(chart.LeftAxis(), -51, 20000, 1000);
        QFile block(QStringLiteral(ARMALYX_SOURCE_DIR "/app/resources/Chart1BackImage.block"));
        block.open(QIODevice::ReadOnly);
        const QByteArray bytes = block.readAll();
        chart.BackImage().LoadFromBlock(
            std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size())));
        const TColor colours[] = {clRed,  clGreen,  clBlue, clMaroon,
                                  clNavy, clPurple, clTeal, clOlive};
        for (TColor colour : colours) {
            auto series = std::make_unique<TLineSeries>();
            series->SetSeriesColor(colour);
            series->Marks().SetVisible(false);
            series->Pointer().SetVisible(false);
            chart.AddSeries(std::move(series));
        }
        static_cast<TLineSeries&>(*chart.SeriesList()[4]).LinePen().SetStyle(TPenStyle::psDot);
        chart.EndLoading();
    }
    void Plot() {
        const Production1::TProductionStore& store = Production1::Store();
        for (std::size_t s = 0; s < m_chart->SeriesList().size(); ++s) {
            TChartSeries& series = *m_chart->SeriesList()[s];
            series.SetTitle(QStringLiteral("Series %1").arg(s + 1));
            for (int month = 6; month <= 53; ++month) {
                const double values[] = {double(store.TotalInService[month]),
                                         double(store.VehicleProduction[1][month]) * 10,
                                         double(store.Losses[month]),
                                         double(store.NewProduction[month]),
                                         store.SummedProduction[month],
                                         double(store.VehicleProduction[2][month]) * 10,
                                         store.LossRate[month] * 10000,
                                         double(store.LendLease[month]) * 5};
                series.AddPoint(month, values[s], QString(), clUseSeriesColor);
            }
        }
    }
    std::unique_ptr<TChart> m_chart;
};
#endif

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
    content.Colours.push_back(ToQColor(series.SeriesColor()));
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

} // namespace FrameBench
