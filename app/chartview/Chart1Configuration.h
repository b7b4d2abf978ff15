#pragma once
// The settings that the window's layout gives its availability chart: title, flat view, walls,
// axes, background picture, and the eight line series with their titles, colours and drawing.

class TChart;
class TChartPicture;
class TLineSeries;

// The eight series as the window names them; the chart owns them. The series numbers are
// their names in the layout, not their chart order (1, 2, 7, 3, 5, 4, 6, 8).
struct TChart1Series {
    TLineSeries* Series1 = nullptr;
    TLineSeries* Series2 = nullptr;
    TLineSeries* Series3 = nullptr;
    TLineSeries* Series4 = nullptr;
    TLineSeries* Series5 = nullptr;
    TLineSeries* Series6 = nullptr;
    TLineSeries* Series7 = nullptr;
    TLineSeries* Series8 = nullptr;
};

namespace Armalyx {

// Applies every setting to a freshly created chart and adds the series in chart order.
TChart1Series ConfigureChart1(TChart& chart);

// Loads the background picture stored with the window's layout; answers whether it loaded.
bool LoadChart1BackImage(TChartPicture& picture);

} // namespace Armalyx
