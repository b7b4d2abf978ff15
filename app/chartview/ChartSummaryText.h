#pragma once
// The availability chart in a few sentences, for a reader who cannot see it: the months it shows,
// each curve's first value with its lowest and highest, and the vehicles picked. Pure text work,
// so tests need no window.

#include "ChartDataText.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace Armalyx::ChartSummaryText {

// "Total In service: 22,600 in Jun 1941, lowest 7,700 in Dec 1941, highest 35,400 in Jan 1945."
// The first of equal extremes is named; a curve of one point gives only its value and month.
// A curve without points gives an empty text.
QString CurveSentence(const ChartDataText::TDataColumn& column, const QLocale& locale);
// "No vehicle picked.", "Picked: T-34.", "Picked: T-34 and KV-1."
QString PicksSentence(const QStringList& picked);
// "Months shown: Jan 1941 to Dec 1945. ", then one sentence per curve that has points, then the
// picks; "The chart shows no curve. " in place of the first two when no curve has a point.
QString Summary(const std::vector<ChartDataText::TDataColumn>& columns, const QStringList& picked,
                const QLocale& locale);
// What a reader hears on coming to the chart, a few words of the summary: "Months shown: Jan 1941
// to Dec 1945. Picked: T-34. S reads the summary." ("The chart shows no curve. " for the months).
QString Brief(const std::vector<ChartDataText::TDataColumn>& columns, const QStringList& picked);

} // namespace Armalyx::ChartSummaryText
