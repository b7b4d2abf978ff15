#pragma once
// The chart as a file or on paper: drawn through the same chart code as the screen, at the
// screen's layout. PNG is drawn at a device pixel ratio (as for a high-resolution screen: the same
// layout, sharper); SVG, PDF and print go through the surface's general painter path as vectors,
// with text as text and the background picture embedded once.

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <optional>

class QPrinter;
class TChart;

namespace Armalyx::ChartExport {

enum class TChartFormat { Png, Svg, Pdf };

inline constexpr int kSmallestScale = 1;
inline constexpr int kLargestScale = 4;
inline constexpr int kDefaultScale = 3;
// The screen's resolution the chart is laid out for.
inline constexpr double kChartDotsPerInch = 96;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kMillimetresPerCentimetre = 10;

// The screen's layout of the chart, or the figure laid out for print at the printed size.
enum class TChartLayout { Screen, Print };

struct TExportSize {
    // Device pixels per chart pixel of a PNG picture, kSmallestScale to kLargestScale.
    int Scale = kDefaultScale;
    // The printed width in centimetres; 0 keeps the chart's own size at 96 dpi.
    double WidthCm = 0;
    TChartLayout Layout = TChartLayout::Screen;
    // For print: the printed height (0: by the screen chart's proportions), and the curves in
    // greys.
    double HeightCm = 0;
    bool Greyscale = false;
    // For print: the background picture, drawn sharp at the printed size, or none.
    bool Picture = true;
};

// The format a file name's extension names (.png, .svg, .pdf, in any letter case), if any.
std::optional<TChartFormat> FormatOfFileName(const QString& fileName);
// The chart's printed size in centimetres for a width (0: its size at 96 dpi).
QSizeF PrintedSizeCm(const TChart& chart, double widthCm);

// The chart at scale device pixels per chart pixel, its resolution set so that it prints at the
// chosen width (or at the chart's size at 96 dpi).
QImage PngImage(TChart& chart, const TExportSize& size);
QByteArray SvgDocument(TChart& chart, double widthCm);
QByteArray PdfDocument(TChart& chart, double widthCm);
// The file's bytes in the format.
QByteArray Document(TChart& chart, TChartFormat format, const TExportSize& size);
// The chart on the printer's page, fitted to its printable area with its proportions kept and
// centred.
void Print(TChart& chart, QPrinter& printer);
// Export chart without its dialog: the format is the file name's extension. Throws with the text
// the error box shows, and leaves an existing file as it was when it fails.
void WriteFile(TChart& chart, const QString& fileName, const TExportSize& size);
// The chart as it is drawn at its current size, at the screen's resolution, without the controls
// lying on it: on a high-resolution screen it is as sharp as shown.
QImage ScreenImage(TChart& chart);

} // namespace Armalyx::ChartExport
