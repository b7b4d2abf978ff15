// Full frames of the availability chart (673 x 385, eight curves of 48 months over the background
// picture) drawn from scratch, at 1x and on a 2x screen, and under a zoomed view, against the same
// chart drawn straight through QPainter, built with Qt Charts and with QCustomPlot (each when
// installed); and an unchanged repaint against one bare drawImage of a picture of the same size;
// and Export chart (PNG at 3x, PDF) against QCustomPlot's savePng and savePdf of the same chart.

#include "FrameBenchChart.h"

#include "OffscreenDesktop.h"
#include "TChartCanvas3D.h"
#include "TTempDirectory.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#ifdef ARMALYX_HAVE_QT_CHARTS
#include <QGraphicsScene>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#endif
#ifdef ARMALYX_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

#include <vector>

using namespace Armalyx;

namespace {

// With ARMALYX_BENCH_FRAMES set to a directory, each benchmark leaves its last frame there, to
// check by eye that the baselines draw the same chart.
void KeepFrame(const QImage& image, const char* name) {
    const QByteArray directory = qgetenv("ARMALYX_BENCH_FRAMES");
    if (!directory.isEmpty()) {
        image.save(QString::fromLocal8Bit(directory) + '/' + name + ".png");
    }
}

using Armalyx::FrameBench::kHeight;
using Armalyx::FrameBench::kWidth;

// The argument is the window's device pixel ratio: 2 is a high-resolution screen, with four
// times the pixels for the same layout.
void ChartFullFrame(benchmark::State& state) {
    Armalyx::FrameBench::TBenchChart chart;
    const int ratio = static_cast<int>(state.range(0));
    QImage window(kWidth * ratio, kHeight * ratio, QImage::Format_RGB32);
    window.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        chart.DrawFrame(window);
        benchmark::DoNotOptimize(window.constBits());
    }
    KeepFrame(window, ratio == 1 ? "ChartFullFrame" : "ChartFullFrame2x");
}

// The same chart under a zoomed view (months 18 to 37, counts 0 to 10,000): only part of the
// background picture shows, stretched to the months it depicts, and the year captions stand
// under the years in view. It should cost what the configured view's frame costs.
void ChartZoomedFrame(benchmark::State& state) {
    Armalyx::FrameBench::TBenchChart chart;
    chart.Chart().BottomAxis().ShowFixedRange(18, 37);
    chart.Chart().LeftAxis().ShowFixedRange(0, 10000);
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        chart.DrawFrame(window);
        benchmark::DoNotOptimize(window.constBits());
    }
    KeepFrame(window, "ChartZoomedFrame");
}

// The same chart straight through QPainter: the floor for any engine on this surface.
void QPainterFrameBaseline(benchmark::State& state) {
    const Armalyx::FrameBench::TFrameContent content = Armalyx::FrameBench::Content();
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    QImage buffer(kWidth, kHeight, QImage::Format_RGB32);
    const QImage picture = content.Picture.scaled(content.Plot.size());
    const QFont font(QStringLiteral("Liberation Sans"));
    QPen grid(QColor(128, 128, 128), 0);
    grid.setDashPattern({3, 3});
    for (auto _ : state) {
        QPainter painter(&buffer);
        painter.fillRect(buffer.rect(), QColor(240, 240, 240));
        painter.setPen(Qt::white);
        painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
        painter.drawImage(content.Plot.topLeft(), picture);
        painter.setPen(grid);
        for (int x : content.GridX) {
            painter.drawLine(x, content.Plot.top(), x, content.Plot.bottom());
        }
        for (int y : content.GridY) {
            painter.drawLine(content.Plot.left(), y, content.Plot.right(), y);
        }
        painter.setPen(Qt::black);
        painter.drawRect(content.Plot);
        painter.setFont(font);
        for (const Armalyx::FrameBench::TLabel& label : content.Labels) {
            painter.drawText(label.Position, label.Text);
        }
        painter.fillRect(content.Legend, Qt::white);
        painter.drawRect(content.Legend);
        for (std::size_t i = 0; i < content.Curves.size(); ++i) {
            const int y = content.Legend.top() + 4 + static_cast<int>(i) * 14;
            painter.setPen(content.Colours[i]);
            painter.drawLine(content.Legend.left() + 4, y + 6, content.Legend.left() + 20, y + 6);
            painter.drawText(content.Legend.left() + 24, y + 11, content.Titles[i]);
        }
        painter.setClipRect(content.Plot);
        for (std::size_t i = 0; i < content.Curves.size(); ++i) {
            painter.setPen(QPen(content.Colours[i], 0));
            painter.drawPolyline(content.Curves[i].data(),
                                 static_cast<int>(content.Curves[i].size()));
        }
        painter.end();
        QPainter(&window).drawImage(0, 0, buffer);
        benchmark::DoNotOptimize(window.constBits());
    }
    KeepFrame(window, "QPainterFrameBaseline");
}

#ifdef ARMALYX_HAVE_QT_CHARTS
void QtChartsFrame(benchmark::State& state) {
    const Armalyx::FrameBench::TFrameContent content = Armalyx::FrameBench::Content();
    auto* chart = new QChart; // owned by the scene
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->resize(kWidth, kHeight);
    chart->setTitle(QStringLiteral("Total Available AFVs"));
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* axisX = new QValueAxis;
    axisX->setRange(6, 53);
    axisX->setTickCount(48);
    axisX->setLabelFormat(QStringLiteral("%d"));
    auto* axisY = new QValueAxis;
    axisY->setRange(-51, 20000);
    axisY->setTickCount(21);
    axisY->setLabelFormat(QStringLiteral("%d"));
    axisX->setGridLinePen(QPen(Qt::gray, 0, Qt::DotLine));
    axisY->setGridLinePen(QPen(Qt::gray, 0, Qt::DotLine));
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(11);
    axisX->setLabelsFont(small);
    axisY->setLabelsFont(small);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(small);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (std::size_t i = 0; i < content.Values.size(); ++i) {
        auto* series = new QLineSeries;
        series->setName(content.Titles[i]);
        series->setPen(QPen(content.Colours[i], 0));
        for (std::size_t m = 0; m < content.Values[i].size(); ++m) {
            series->append(static_cast<double>(m + 6), content.Values[i][m]);
        }
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    // The chart lays itself out from posted events; the picture is stretched over the plot area
    // that the layout gives.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QRect area = chart->plotArea().toRect();
    QBrush picture(content.Picture.scaled(area.size()));
    picture.setTransform(QTransform::fromTranslate(area.left(), area.top()));
    chart->setPlotAreaBackgroundBrush(picture);
    chart->setPlotAreaBackgroundVisible(true);
    QCoreApplication::processEvents();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        scene.render(&painter, QRectF(0, 0, kWidth, kHeight), QRectF(0, 0, kWidth, kHeight));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    KeepFrame(image, "QtChartsFrame");
}
BENCHMARK(QtChartsFrame)->Unit(benchmark::kMicrosecond);
#endif

#ifdef ARMALYX_HAVE_QCUSTOMPLOT
// The same chart built in QCustomPlot.
void BuildQCustomPlot(QCustomPlot& plot, const Armalyx::FrameBench::TFrameContent& content) {
    plot.resize(kWidth, kHeight);
    plot.setNotAntialiasedElements(QCP::aeAll);
    plot.setBackground(QColor(240, 240, 240));
    plot.axisRect()->setBackground(QPixmap::fromImage(content.Picture), true,
                                   Qt::IgnoreAspectRatio);
    plot.plotLayout()->insertRow(0);
    plot.plotLayout()->addElement(0, 0, new QCPTextElement(&plot, "Total Available AFVs"));
    plot.xAxis->setRange(6, 53);
    plot.yAxis->setRange(-51, 20000);
    plot.xAxis->grid()->setPen(QPen(Qt::gray, 0, Qt::DotLine));
    plot.yAxis->grid()->setPen(QPen(Qt::gray, 0, Qt::DotLine));
    plot.xAxis->ticker()->setTickCount(48);
    plot.yAxis->ticker()->setTickCount(21);
    plot.legend->setVisible(true);
    for (std::size_t i = 0; i < content.Values.size(); ++i) {
        QCPGraph* graph = plot.addGraph();
        graph->setName(content.Titles[i]);
        graph->setPen(QPen(content.Colours[i], 0));
        for (std::size_t m = 0; m < content.Values[i].size(); ++m) {
            graph->addData(static_cast<double>(m + 6), content.Values[i][m]);
        }
    }
}

void QCustomPlotFrame(benchmark::State& state) {
    const Armalyx::FrameBench::TFrameContent content = Armalyx::FrameBench::Content();
    QCustomPlot plot;
    BuildQCustomPlot(plot, content);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QCPPainter painter(&image);
        plot.toPainter(&painter, kWidth, kHeight);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    KeepFrame(image, "QCustomPlotFrame");
}
BENCHMARK(QCustomPlotFrame)->Unit(benchmark::kMicrosecond);

// Export chart against QCustomPlot's own export of the same chart to a file: PNG at 3x (2019 x
// 1155 pixels) and PDF at the chart's size.
enum class TSavedFormat { Png3x, Pdf };

void QCustomPlotSave(benchmark::State& state, TSavedFormat format) {
    const Armalyx::FrameBench::TFrameContent content = Armalyx::FrameBench::Content();
    QCustomPlot plot;
    BuildQCustomPlot(plot, content);
    const TTempDirectory folder;
    const bool png = format == TSavedFormat::Png3x;
    const QString file =
        QString::fromStdString((folder.Path() / (png ? "chart.png" : "chart.pdf")).string());
    for (auto _ : state) {
        benchmark::DoNotOptimize(png ? plot.savePng(file, kWidth, kHeight, 3.0)
                                     : plot.savePdf(file, kWidth, kHeight));
    }
}
BENCHMARK_CAPTURE(QCustomPlotSave, Png3x, TSavedFormat::Png3x)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QCustomPlotSave, Pdf, TSavedFormat::Pdf)->Unit(benchmark::kMillisecond);
#endif

// Export chart as the window runs it: drawn, encoded and written through a temporary file.
void ExportChart(benchmark::State& state, const char* fileName) {
    Armalyx::FrameBench::TBenchChart chart;
    const TTempDirectory folder;
    const QString file = QString::fromStdString((folder.Path() / fileName).string());
    for (auto _ : state) {
        chart.Form().ExportChartTo(file, {});
    }
}
BENCHMARK_CAPTURE(ExportChart, Png3x, "chart.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportChart, Pdf, "chart.pdf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportChart, Svg, "chart.svg")->Unit(benchmark::kMillisecond);

// A paint with nothing changed: the kept frame is copied to the window.
void ChartUnchangedRepaint(benchmark::State& state) {
    Armalyx::FrameBench::TBenchChart chart;
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    chart.DrawFrame(window);
    for (auto _ : state) {
        chart.Repaint(window);
        benchmark::DoNotOptimize(window.constBits());
    }
}

// A click on a vehicle row (the two picked rows in turn) and the frame that shows it.
void ClickToFrame(benchmark::State& state) {
    Armalyx::FrameBench::TBenchChart chart;
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    int row = 1;
    for (auto _ : state) {
        chart.PickVehicle(row);
        chart.DrawFrame(window);
        row = 3 - row;
        benchmark::DoNotOptimize(window.constBits());
    }
    KeepFrame(window, "ClickToFrame");
}

void DrawImageBaseline(benchmark::State& state) {
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    frame.fill(Qt::white);
    for (auto _ : state) {
        QPainter(&window).drawImage(0, 0, frame);
        benchmark::DoNotOptimize(window.constBits());
    }
}

} // namespace

BENCHMARK(QPainterFrameBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChartFullFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChartZoomedFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClickToFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawImageBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChartUnchangedRepaint)->Unit(benchmark::kMicrosecond);

// The application lives in main, so that it is gone before the libraries' own objects are torn
// down at exit: one kept in a function's static outlived them and crashed the program as it ended.
// Every benchmark, the peer libraries' included, finds it made.
int main(int argc, char** argv) {
    UseOffscreenDesktop();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
