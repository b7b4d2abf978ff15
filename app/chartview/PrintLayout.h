#pragma once
// The availability chart laid out as a figure for print, beside the screen's layout: the month
// axis labelled with dates, the shares in percent of the fleet on an axis of their own at the
// right, axis titles, the legend below the plot without the empty pairs, no background picture,
// and optionally every curve in a grey with its own dash pattern and weight. Text keeps its size
// in points, so that the chart drawn at 96 chart pixels per printed inch sets it as large as on
// the screen at any width.

#include <QString>

class TChart;
struct TChart1Series;

namespace Armalyx::PrintLayout {

struct TStyle {
    // Every curve, mark and text in black and greys, told apart by dash patterns and weights.
    bool Greyscale = false;
};

// A month axis label: "Jan 1942" where labels are a few months apart, the year alone ("1942")
// where they are a year or more apart; empty for a value that is not a whole month of the range.
QString MonthLabel(double month, double step);
// The top of the share axis for the largest share shown (in percent): rounded up to a label step
// of 1, 2 or 5 times a power of ten, at least one step.
double ShareAxisTop(double largestShare);
// The step between the share axis's labels for that top.
double ShareAxisStep(double largestShare);

// Lays a chart configured for the screen and filled with its curves out for print: the shares'
// points become percent of the fleet on the right axis.
void Apply(TChart& chart, const TChart1Series& series, const TStyle& style);

} // namespace Armalyx::PrintLayout
