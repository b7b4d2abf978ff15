// The chart's summary for a screen reader: each curve's first value, lowest and highest with
// their months, in the reader's terms, and the picks in words.
#include "AvailabilityMaths.h"
#include "ChartSummaryText.h"

#include <gtest/gtest.h>

using namespace Armalyx;
using ChartDataText::TDataColumn;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

} // namespace

TEST(ChartSummaryText, ACurveIsToldByItsFirstLowestAndHighestValue) {
    const TDataColumn total{QStringLiteral("Total In service"),
                            TReadingKind::Count,
                            {{6, 22600}, {12, 7700}, {30, 20000}, {49, 35400}, {50, 35400}}};
    EXPECT_EQ(ChartSummaryText::CurveSentence(total, kEnglish),
              QStringLiteral("Total In service: 22,600 in Jun 1941, lowest 7,700 in Dec 1941, "
                             "highest 35,400 in Jan 1945."));
    // Equal extremes name their first month; a single point gives its value alone.
    const TDataColumn flat{QStringLiteral("Losses"), TReadingKind::Count, {{1, 5}, {2, 5}, {3, 5}}};
    EXPECT_EQ(
        ChartSummaryText::CurveSentence(flat, kEnglish),
        QStringLiteral("Losses: 5 in Jan 1941, lowest 5 in Jan 1941, highest 5 in Jan 1941."));
    const TDataColumn single{QStringLiteral("T-34"), TReadingKind::Count, {{60, 1234.4}}};
    EXPECT_EQ(ChartSummaryText::CurveSentence(single, kEnglish),
              QStringLiteral("T-34: 1,234 in Dec 1945."));
    EXPECT_EQ(ChartSummaryText::CurveSentence({QStringLiteral("Empty"), TReadingKind::Count, {}},
                                              kEnglish),
              QString());
}

TEST(ChartSummaryText, SharesAndDeliveriesAreToldAsTheTooltipTellsThem) {
    const double tenPercent = *AvailabilityMaths::FleetSharePosition(100, 1000);
    const double halfPercent = *AvailabilityMaths::FleetSharePosition(5, 1000);
    const TDataColumn share{QStringLiteral("T-34 share"),
                            TReadingKind::FleetShare,
                            {{1, tenPercent}, {2, halfPercent}}};
    EXPECT_EQ(ChartSummaryText::CurveSentence(share, kEnglish),
              QStringLiteral("T-34 share: 10.0 % in Jan 1941, lowest 0.5 % in Feb 1941, highest "
                             "10.0 % in Jan 1941."));
    const TDataColumn deliveries{
        QStringLiteral("Lend Lease"), TReadingKind::Deliveries, {{13, 300}, {14, 1500}}};
    EXPECT_EQ(ChartSummaryText::CurveSentence(deliveries, kEnglish),
              QStringLiteral("Lend Lease deliveries: 300 in Jan 1942, lowest 300 in Jan 1942, "
                             "highest 1,500 in Feb 1942."));
}

TEST(ChartSummaryText, TheSummaryNamesTheMonthsShownTheCurvesAndThePicks) {
    const std::vector<TDataColumn> columns = {
        {QStringLiteral("Losses"), TReadingKind::Count, {{3, 10}, {4, 20}}},
        {QStringLiteral("Nothing"), TReadingKind::Count, {}},
        {QStringLiteral("T-34"), TReadingKind::Count, {{2, 1}, {7, 2}}},
    };
    EXPECT_EQ(ChartSummaryText::Summary(columns, {QStringLiteral("T-34")}, kEnglish),
              QStringLiteral("Months shown: Feb 1941 to Jul 1941. Losses: 10 in Mar 1941, lowest "
                             "10 in Mar 1941, highest 20 in Apr 1941. T-34: 1 in Feb 1941, "
                             "lowest 1 in Feb 1941, highest 2 in Jul 1941. Picked: T-34."));
    EXPECT_EQ(ChartSummaryText::Summary({columns[1]}, {}, kEnglish),
              QStringLiteral("The chart shows no curve. No vehicle picked."));
    // What is heard on coming to the chart: the months and the picks alone.
    EXPECT_EQ(ChartSummaryText::Brief(columns, {QStringLiteral("T-34")}),
              QStringLiteral("Months shown: Feb 1941 to Jul 1941. Picked: T-34. S reads the "
                             "summary."));
    EXPECT_EQ(ChartSummaryText::Brief({columns[1]}, {}),
              QStringLiteral("The chart shows no curve. No vehicle picked. S reads the summary."));
}

TEST(ChartSummaryText, PicksAreListedInWords) {
    EXPECT_EQ(ChartSummaryText::PicksSentence({}), QStringLiteral("No vehicle picked."));
    EXPECT_EQ(
        ChartSummaryText::PicksSentence({QStringLiteral("Lend Lease"), QStringLiteral("KV-1")}),
        QStringLiteral("Picked: Lend Lease and KV-1."));
    EXPECT_EQ(ChartSummaryText::PicksSentence(
                  {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}),
              QStringLiteral("Picked: A, B and C."));
}
