#include "Chart1Configuration.h"

#include <TChart.h>
#include <TChartBrush.h>
#include <TChartColors.h>
#include <TChartPen.h>
#include <TChartPicture.h>
#include <TChartTitle.h>
#include <TLineSeries.h>

#include <MonthNames.h>
#include <TProductionStore.h>

#include <QFile>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

#include <memory>

namespace {

// The year labels under the bottom axis, spaced to sit under the picture's year bands.
const QString kBottomAxisTitle =
    QStringLiteral("1941") + QString(22, QLatin1Char(' ')) + QStringLiteral("1942") +
    QString(28, QLatin1Char(' ')) + QStringLiteral("1943") + QString(28, QLatin1Char(' ')) +
    QStringLiteral("1944") + QString(18, QLatin1Char(' ')) + QStringLiteral("1945");

// The bottom axis range the caption above was spaced for, which is also the range of months the
// background picture depicts from its left edge to its right.
constexpr TAxisValueSpan kPictureMonths{6, 53};
using Production1::kMonthsPerYear;

// Under any other range the year captions stand under the months of their year in view. A year's
// band runs from the December before to its own December, as the picture's year bands do.
std::vector<TAxisTitleBand> YearBands() {
    std::vector<TAxisTitleBand> bands;
    for (int year = Production1::kFirstYear; year <= Production1::kLastYear; ++year) {
        const double first = (year - Production1::kFirstYear) * kMonthsPerYear;
        bands.push_back({first, first + kMonthsPerYear, QString::number(year)});
    }
    return bands;
}

enum class TLineStyle { Solid, Dotted };

struct TSeriesSetting {
    const char* Name;
    const char* Title;
    TColor Color;
    TLineStyle Line;
};

// Chart order: the drawing order (earlier series below later ones) and the legend order.
constexpr TSeriesSetting kSeriesSettings[] = {
    {"Series1", "Total In service", clBlack, TLineStyle::Solid},
    {"Series2", "Tanks", clRed, TLineStyle::Solid},
    {"Series7", "n/a", clBlue, TLineStyle::Solid},
    {"Series3", "Losses", clGray, TLineStyle::Solid},
    {"Series5", "Production & Lend Lease", 0xC08000, TLineStyle::Dotted},
    {"Series4", "Total Soviet Production", clAqua, TLineStyle::Solid},
    {"Series6", "Percentage @ 10000", 0x0080FF, TLineStyle::Solid},
    {"Series8", "Percentage @ 10000", 0x408000, TLineStyle::Solid},
};

TLineSeries& AddLineSeries(TChart& chart, const TSeriesSetting& setting) {
    auto series = std::make_unique<TLineSeries>();
    series->SetName(QString::fromLatin1(setting.Name));
    series->SetTitle(QString::fromLatin1(setting.Title));
    series->SetSeriesColor(setting.Color);
    series->XValues().SetName(QStringLiteral("X"));
    series->XValues().SetMultiplier(1.0);
    series->XValues().SetDateTime(false);
    series->XValues().SetOrder(loAscending);
    series->YValues().SetName(QStringLiteral("Y"));
    series->YValues().SetMultiplier(1.0);
    series->YValues().SetDateTime(false);
    series->YValues().SetOrder(loNone);
    series->Marks().SetVisible(false);
    series->Marks().SetArrowLength(8);
    series->SetDark3D(false);
    series->Pointer().SetVisible(false);
    series->Pointer().SetStyle(TSeriesPointerStyle::psRectangle);
    series->Pointer().SetInflateMargins(true);
    if (setting.Line == TLineStyle::Dotted) {
        series->LinePen().SetStyle(TPenStyle::psDot);
    }
    return static_cast<TLineSeries&>(chart.AddSeries(std::move(series)));
}

void ConfigureAxes(TChart& chart) {
    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetAutomatic(false);
    bottom.SetAutomaticMinimum(false);
    bottom.SetAutomaticMaximum(false);
    bottom.SetMinimum(6);
    bottom.SetMaximum(53);
    bottom.SetIncrement(1);
    bottom.SetLabelStyle(talValue);
    bottom.SetExactDateTime(false);
    bottom.SetTickLength(2);
    bottom.SetMinorTickLength(4);
    bottom.SetMinorTickCount(1);
    bottom.SetTickOnLabelsOnly(false);
    bottom.Title().SetCaption(kBottomAxisTitle);
    bottom.Title().SetBands(YearBands());
    bottom.Title().SetCaptionRange(kPictureMonths);

    TChartAxis& left = chart.LeftAxis();
    left.SetAutomatic(false);
    left.SetAutomaticMinimum(false);
    left.SetAutomaticMaximum(false);
    left.SetMinimum(-51);
    left.SetMaximum(20000);
    left.SetIncrement(1000);
    left.SetExactDateTime(false);
}

const QString kBackImageResource = QStringLiteral(":/chart/Chart1BackImage.block");

} // namespace

// The picture's resource lives in the program's library: register it before first use.
static void RegisterPictureResource() {
    Q_INIT_RESOURCE(chart_picture);
}

namespace Armalyx {

bool LoadChart1BackImage(TChartPicture& picture) {
    RegisterPictureResource();
    QFile resource(kBackImageResource);
    if (!resource.open(QIODevice::ReadOnly)) {
        picture.Clear();
        return false;
    }
    const QByteArray block = resource.readAll();
    return picture.LoadFromBlock(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(block.constData()),
                                      static_cast<std::size_t>(block.size())));
}

TChart1Series ConfigureChart1(TChart& chart) {
    // Stored settings apply in any order: range checks wait until all of them are in.
    chart.BeginLoading();
    chart.Title().SetText(QStringList{QStringLiteral("Total Available AFVs")});
    chart.SetView3D(false);
    chart.SetAllowZoom(false);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().Brush().SetStyle(TBrushStyle::bsClear);
    chart.SetBackImageInside(true);
    LoadChart1BackImage(chart.BackImage());
    chart.SetBackImageAxisSpan(kPictureMonths);
    ConfigureAxes(chart);
    chart.EndLoading();

    TChart1Series series;
    TLineSeries* const added[] = {
        &AddLineSeries(chart, kSeriesSettings[0]), &AddLineSeries(chart, kSeriesSettings[1]),
        &AddLineSeries(chart, kSeriesSettings[2]), &AddLineSeries(chart, kSeriesSettings[3]),
        &AddLineSeries(chart, kSeriesSettings[4]), &AddLineSeries(chart, kSeriesSettings[5]),
        &AddLineSeries(chart, kSeriesSettings[6]), &AddLineSeries(chart, kSeriesSettings[7]),
    };
    series.Series1 = added[0];
    series.Series2 = added[1];
    series.Series7 = added[2];
    series.Series3 = added[3];
    series.Series5 = added[4];
    series.Series4 = added[5];
    series.Series6 = added[6];
    series.Series8 = added[7];
    return series;
}

} // namespace Armalyx
