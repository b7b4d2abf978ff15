#include "PrintLayout.h"

#include "BackgroundPicture.h"
#include "Chart1Configuration.h"
#include "TPrintPictures.h"
#include "TPrintedChart.h"

#include <MonthNames.h>
#include <TProductionStore.h>

#include <TChart.h>
#include <TChartColors.h>
#include <TChartPen.h>
#include <TChartPicture.h>
#include <TChartTitle.h>
#include <TLineSeries.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace Armalyx::PrintLayout {

namespace {

using Production1::kMonthsPerYear;
constexpr int kLastMonth = (Production1::kLastYear - Production1::kFirstYear + 1) * kMonthsPerYear;
// A series' share points lie on the vehicle axis at base + base x share.
constexpr double kShareBase = 10000;
constexpr double kPercent = 100;
// The month labels: January and July; ticks between them for each month.
constexpr double kMonthLabelStep = 6;
constexpr int kMonthTicksBetween = 5;
// The chart width (in chart pixels, 96 to the printed inch) below which half-year labels crowd.
constexpr int kHalfYearLabelsWidth = 480;
// Labels of the share axis: about this many.
constexpr double kShareLabels = 5;
constexpr double kSmallestShareTop = 1;
constexpr double kLargestShareTop = 100;
// Below the plot, two columns of the longest curve names fit a single column's width at 7 points
// with short symbols.
constexpr int kLegendPoints = 7;
constexpr int kLegendSymbolPercent = 15;

const QString kMonthTitle = QStringLiteral("Month");
const QString kVehicleTitle = QStringLiteral("Vehicles in service");
const QString kShareTitle = QStringLiteral("Share of the fleet (%)");
const QString kShareSuffix = QStringLiteral(" share (%)");

struct TGreyLine {
    TColor Color;
    TPenStyle Style;
    int Width;
};

// In chart order: the fleet in black, the picks in a thick dark grey and in black dashes, the
// fleet's flows in mid grey, the shares dotted. A dash pattern is drawn only on a thin line.
constexpr std::array<TGreyLine, 8> kGreyLines = {{
    {clBlack, TPenStyle::psSolid, 2},
    {0x505050, TPenStyle::psSolid, 2},
    {clBlack, TPenStyle::psDash, 1},
    {0x808080, TPenStyle::psSolid, 1},
    {0x808080, TPenStyle::psDot, 1},
    {0x808080, TPenStyle::psDash, 1},
    {0x505050, TPenStyle::psDot, 1},
    {clBlack, TPenStyle::psDashDotDot, 1},
}};

// The share points as percent of the fleet; answers the largest.
double ShowAsPercent(TChartSeries& series) {
    std::vector<std::pair<double, double>> points;
    points.reserve(static_cast<std::size_t>(std::max(0, series.PointCount())));
    for (std::int32_t i = 0; i < series.PointCount(); ++i) {
        points.emplace_back(series.XValueAt(i), (series.YValueAt(i) - kShareBase) / kPercent);
    }
    series.ClearPoints();
    double largest = 0;
    for (const auto& [month, percent] : points) {
        series.AddPoint(month, percent, QString(), clUseSeriesColor);
        largest = std::max(largest, percent);
    }
    return largest;
}

void ConfigureMonthAxis(TChart& chart) {
    TChartAxis& bottom = chart.BottomAxis();
    bottom.Title().SetBands({});
    bottom.Title().SetCaptionRange(std::nullopt);
    bottom.Title().SetCaption(kMonthTitle);
    // Where a half year's labels would crowd, the years alone stand at their Januaries.
    const bool narrow = chart.width() < kHalfYearLabelsWidth;
    bottom.SetIncrement(narrow ? kMonthsPerYear : kMonthLabelStep);
    bottom.SetLabelOrigin(1);
    bottom.SetLabelText(&MonthLabel);
    bottom.SetMinorTickCount(kMonthTicksBetween);
    chart.LeftAxis().Title().SetCaption(kVehicleTitle);
}

void ConfigureShareAxis(TChart& chart, double largestShare) {
    TChartAxis& right = chart.RightAxis();
    right.SetAutomatic(false);
    right.SetAutomaticMinimum(false);
    right.SetAutomaticMaximum(false);
    right.SetMinimum(0);
    right.SetMaximum(ShareAxisTop(largestShare));
    right.SetIncrement(ShareAxisStep(largestShare));
    right.Grid().SetVisible(false);
    right.Title().SetCaption(kShareTitle);
}

void ShowInGreys(TChart& chart) {
    const auto& list = chart.SeriesList();
    for (std::size_t i = 0; i < list.size(); ++i) {
        auto* line = dynamic_cast<TLineSeries*>(list[i].get());
        if (line == nullptr) {
            continue;
        }
        const TGreyLine grey = i < kGreyLines.size() ? kGreyLines.at(i) : kGreyLines.back();
        line->SetSeriesColor(grey.Color);
        line->LinePen().SetColor(grey.Color);
        line->LinePen().SetStyle(grey.Style);
        line->LinePen().SetWidth(grey.Width);
    }
}

void ConfigureLegend(TChart& chart) {
    TChartLegend& legend = chart.Legend();
    legend.SetAlignment(laBottom);
    legend.SetShadowSize(0);
    legend.SetColorWidth(kLegendSymbolPercent);
    legend.Font().SetSize(kLegendPoints);
}

// The plot is narrower than the chart: its width bounds the plot's from above.
void ShowPicture(TChart& chart, const TStyle& style, TPrintPictures& pictures) {
    if (!style.Picture) {
        chart.BackImage().Clear();
        return;
    }
    const TAxisRange months = chart.BottomAxis().Range();
    const TAxisValueSpan depicted =
        chart.BackImageAxisSpan().value_or(TAxisValueSpan{months.Minimum, months.Maximum});
    const int scale =
        PictureScale(chart.width() / TPrintedChart::kLayoutDotsPerInch,
                     months.Maximum - months.Minimum, depicted.Maximum - depicted.Minimum);
    const std::vector<std::uint8_t>& block = pictures.Block(scale, style.Greyscale);
    if (!chart.BackImage().LoadFromBlock(block)) {
        chart.BackImage().Clear();
    }
}

} // namespace

QString MonthLabel(double month, double step) {
    if (month != std::floor(month) || month < 1 || month > kLastMonth) {
        return {};
    }
    const int index = static_cast<int>(month) - 1;
    QString year = QString::number(Production1::kFirstYear + index / kMonthsPerYear);
    if (step >= kMonthsPerYear) {
        return year;
    }
    const std::string_view name = Production1::kMonthShortNames.at(index % kMonthsPerYear);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
           QLatin1Char(' ') + year;
}

double ShareAxisStep(double largestShare) {
    const double top = std::isfinite(largestShare)
                           ? std::clamp(largestShare, kSmallestShareTop, kLargestShareTop)
                           : kLargestShareTop;
    const double rough = top / kShareLabels;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10 * power;
}

double ShareAxisTop(double largestShare) {
    const double step = ShareAxisStep(largestShare);
    if (!(largestShare > 0) || !std::isfinite(largestShare)) {
        return step * kShareLabels;
    }
    return std::max(step, std::ceil(std::min(largestShare, kLargestShareTop) / step) * step);
}

int PictureScale(double plotWidthInches, double monthsShown, double pictureMonths) {
    if (!(plotWidthInches > 0) || !(monthsShown > 0) || !(pictureMonths > 0) ||
        !std::isfinite(plotWidthInches) || !std::isfinite(monthsShown) ||
        !std::isfinite(pictureMonths)) {
        return 1;
    }
    const double needed = kPicturePixelsPerInch * plotWidthInches * pictureMonths /
                          (BackgroundPicture::kSize.width() * monthsShown);
    return std::clamp(static_cast<int>(std::ceil(needed)), 1, kLargestPictureScale);
}

void Apply(TChart& chart, const TChart1Series& series, const TStyle& style,
           TPrintPictures& pictures) {
    chart.SetColor(clWhite);
    chart.SetBevelOuter(bvNone);
    ShowPicture(chart, style, pictures);
    chart.Title().Font().SetColor(clBlack);
    ConfigureMonthAxis(chart);
    double largestShare = 0;
    for (TLineSeries* share : {series.Series6, series.Series8}) {
        largestShare = std::max(largestShare, ShowAsPercent(*share));
        share->SetVertAxis(aRightAxis);
    }
    ConfigureShareAxis(chart, largestShare);
    series.Series6->SetTitle(series.Series2->Title() + kShareSuffix);
    series.Series8->SetTitle(series.Series7->Title() + kShareSuffix);
    // A curve without a point (a pair nothing is picked for) is left out of the legend.
    for (const auto& each : chart.SeriesList()) {
        each->SetShowInLegend(each->PointCount() > 0);
    }
    ConfigureLegend(chart);
    if (style.Greyscale) {
        ShowInGreys(chart);
    }
}

} // namespace Armalyx::PrintLayout
