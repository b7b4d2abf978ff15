#pragma once
// The availability chart laid out as a figure for print, beside the screen's layout: the month
// axis labelled with dates, the shares in percent of the fleet on an axis of their own at the
// right, axis titles, the legend below the plot without the empty pairs, the background picture
// drawn anew at 300 pixels per printed inch or left out, and optionally every curve and the
// picture in greys, the curves with their own dash patterns and weights. Text keeps its size
// in points, so that the chart drawn at 96 chart pixels per printed inch sets it as large as on
// the screen at any width.

#include <QString>

class TChart;
struct TChart1Series;

namespace Armalyx {
class TPrintPictures;
} // namespace Armalyx

namespace Armalyx::PrintLayout {

struct TStyle {
    // Every curve, mark and text in black and greys, told apart by dash patterns and weights.
    bool Greyscale = false;
    bool Picture = true;
};

// The resolution the background picture is drawn at for the printed plot, and the largest
// scale of the stored picture's size it is drawn at for that (a deep zoom may get less).
inline constexpr double kPicturePixelsPerInch = 300;
inline constexpr int kLargestPictureScale = 8;
// The scale of the stored picture that gives the part in view at least kPicturePixelsPerInch
// across a plot of this width, where the bottom axis spans monthsShown months and the picture
// depicts pictureMonths.
int PictureScale(double plotWidthInches, double monthsShown, double pictureMonths);

// A month axis label: "Jan 1942" where labels are a few months apart, the year alone ("1942")
// where they are a year or more apart; empty for a value that is not a whole month of the range.
QString MonthLabel(double month, double step);
// The top of the share axis for the largest share shown (in percent): rounded up to a label step
// of 1, 2 or 5 times a power of ten, at least one step.
double ShareAxisTop(double largestShare);
// The step between the share axis's labels for that top.
double ShareAxisStep(double largestShare);

// Lays a chart configured for the screen and filled with its curves out for print, at its size
// and view: the shares' points become percent of the fleet on the right axis. The pictures give
// the background picture at the scale the print needs.
void Apply(TChart& chart, const TChart1Series& series, const TStyle& style,
           TPrintPictures& pictures);

} // namespace Armalyx::PrintLayout
