#pragma once
// The settings a legend chooses from, shared by the legend and the series that fill its rows.

enum class TLegendAlignment { laLeft, laRight, laTop, laBottom };
using enum TLegendAlignment;

enum class TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
using enum TLegendStyle;

enum class TLegendTextStyle {
    ltsPlain,
    ltsLeftValue,
    ltsRightValue,
    ltsLeftPercent,
    ltsRightPercent,
    ltsXValue
};
using enum TLegendTextStyle;
