// The settings a legend and a title start with, which the program's chart keeps.

#include "TChart.h"
#include "TChartColors.h"
#include "TChartLegend.h"
#include "TChartTitle.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>
#include <type_traits>

namespace {

// A setting as text, so that settings of every type fit one table.
template <typename T> std::string Shown(const T& value) {
    if constexpr (std::is_enum_v<T>) {
        return std::to_string(static_cast<long long>(value));
    } else if constexpr (std::is_same_v<T, QString>) {
        return value.toStdString();
    } else {
        return std::to_string(value);
    }
}

struct TDefault {
    const char* Setting;
    std::string Value;
    std::string Expected;
};

} // namespace

TEST(ChartPartDefaults, LegendAndTitleStartWithTheSettingsOfTheProgramsChart) {
    TChart chart;
    TChartLegend legend{chart};
    TChartTitle title{chart};
    const TDefault cases[] = {
        {"legend Visible", Shown(legend.Visible()), Shown(true)},
        {"legend Alignment", Shown(legend.Alignment()), Shown(laRight)},
        {"legend LegendStyle", Shown(legend.LegendStyle()), Shown(lsAuto)},
        {"legend TextStyle", Shown(legend.TextStyle()), Shown(ltsLeftValue)},
        {"legend Font.Name", Shown(legend.Font().Name()), "Arial"},
        {"legend Font.Size", Shown(legend.Font().Size()), Shown(8)},
        {"legend Font.Color", Shown(legend.Font().Color()), Shown(clBlack)},
        {"legend Color", Shown(legend.Color()), Shown(clWhite)},
        {"legend Brush.Color", Shown(legend.Brush().Color()), Shown(clUseSeriesColor)},
        {"legend Frame.Visible", Shown(legend.Frame().Visible()), Shown(true)},
        {"legend Frame.Width", Shown(legend.Frame().Width()), Shown(1)},
        {"legend ShadowColor", Shown(legend.ShadowColor()), Shown(clBlack)},
        {"legend ShadowSize", Shown(legend.ShadowSize()), Shown(3)},
        {"legend ColorWidth", Shown(legend.ColorWidth()), Shown(12)},
        {"legend TopPos", Shown(legend.TopPos()), Shown(10)},
        {"legend FirstValue", Shown(legend.FirstValue()), Shown(0)},
        {"legend MaxNumRows", Shown(legend.MaxNumRows()), Shown(10)},
        {"legend Inverted", Shown(legend.Inverted()), Shown(false)},
        {"legend ResizeChart", Shown(legend.ResizeChart()), Shown(true)},
        {"legend HorizMargin", Shown(legend.HorizMargin()), Shown(0)},
        {"legend VertMargin", Shown(legend.VertMargin()), Shown(0)},
        {"legend DividingLines.Visible", Shown(legend.DividingLines().Visible()), Shown(false)},
        {"title Visible", Shown(title.Visible()), Shown(true)},
        {"title Alignment", Shown(title.Alignment()), Shown(taCenter)},
        {"title AdjustFrame", Shown(title.AdjustFrame()), Shown(true)},
        {"title Color", Shown(title.Color()), Shown(clUseSeriesColor)},
        {"title Brush.Color", Shown(title.Brush().Color()), Shown(clUseSeriesColor)},
        {"title Brush.Style", Shown(title.Brush().Style()), Shown(TBrushStyle::bsSolid)},
        {"title Frame.Visible", Shown(title.Frame().Visible()), Shown(false)},
        {"title Font.Name", Shown(title.Font().Name()), "Arial"},
        {"title Font.Size", Shown(title.Font().Size()), Shown(8)},
        {"title Font.Color", Shown(title.Font().Color()), Shown(clBlue)},
        {"title Text lines", Shown(title.Text().size()), Shown(0)},
    };
    for (const TDefault& test : cases) {
        SCOPED_TRACE(test.Setting);
        EXPECT_EQ(test.Value, test.Expected);
    }
}
