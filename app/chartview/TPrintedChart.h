#pragma once
// The availability chart as a figure for print, made for one export or print and then dropped: a
// chart of its own (never shown) with the study's curves in the view of the screen's chart, laid
// out by the chart engine at the printed size. Fonts are set in whole pixels of the layout; at 90
// chart pixels to the printed inch the smallest text, 7 points (9 pixels), prints at 7.2 points,
// where 96 would round it down to 6.75.

#include "PrintLayout.h"
#include "TStudyView.h"

#include <QSizeF>

#include <memory>

class TChart;

namespace Armalyx {

class TAvailabilityStudy;
class TChart1Curves;
class TPrintPictures;

class TPrintedChart final {
public:
    // The print layout's proportions give the height where none is given (0): taller than the
    // screen's chart, with room for the legend below the plot.
    static constexpr double kPrintProportion = 0.7;
    static constexpr double kLayoutDotsPerInch = 90;

    // The pictures keep the background picture drawn for print; they outlive the chart.
    TPrintedChart(const TAvailabilityStudy& study, const TStudyView& view, double widthCm,
                  double heightCm, const PrintLayout::TStyle& style, TPrintPictures& pictures);
    ~TPrintedChart();
    TPrintedChart(const TPrintedChart&) = delete;
    TPrintedChart& operator=(const TPrintedChart&) = delete;

    TChart& Chart() const { return *m_chart; }
    // The printed size in centimetres.
    QSizeF SizeCm() const { return m_sizeCm; }

private:
    QSizeF m_sizeCm;
    std::unique_ptr<TChart> m_chart;
    std::unique_ptr<TChart1Curves> m_curves;
};

} // namespace Armalyx
