#include "TChart1Curves.h"

#include "ChartSummaryText.h"
#include "TAvailabilityStudy.h"
#include "TableText.h"
#include "ViewFit.h"

#include <TChart.h>
#include <TChartColors.h>
#include <TLineSeries.h>

#include <cmath>

namespace Armalyx {

namespace {

// Every point is drawn in its series' colour and carries no label.
void ShowPoints(TChartSeries& series, const StudyCurves::TMonthPoints& points) {
    series.ClearPoints();
    for (const StudyCurves::TMonthPoint& point : points) {
        series.AddPoint(static_cast<double>(point.Month), point.Value, QString(), clUseSeriesColor);
    }
}

// As long as the longest title of the configured curves ("Production & Lend Lease"): a longer
// group name would widen the legend and narrow the plot.
constexpr qsizetype kLongestLegendTitle = 23;
const QString kGroupSeparator = QStringLiteral(" + ");

void ShowPair(TLineSeries& estimate, TLineSeries& share, const StudyCurves::TPairCurves& curves,
              const QString& emptyTitle) {
    ShowPoints(estimate, curves.Values);
    ShowPoints(share, curves.Share);
    if (curves.Kind == StudyCurves::TPairKind::Empty) {
        estimate.SetTitle(emptyTitle);
        return;
    }
    const auto members = static_cast<int>(curves.Title.count(kGroupSeparator)) + 1;
    estimate.SetTitle(members > 1 ? TChart1Curves::LegendTitle(curves.Title, members)
                                  : curves.Title);
}

TAxisRange ChartRange(const TViewRange& range) {
    return {range.Automatic, range.AutomaticMinimum, range.AutomaticMaximum, range.Minimum,
            range.Maximum};
}

TViewRange StudyRange(const TAxisRange& range) {
    return {range.Automatic, range.AutomaticMinimum, range.AutomaticMaximum, range.Minimum,
            range.Maximum};
}

} // namespace

TChart1Curves::TChart1Curves(TChart& chart, const TAvailabilityStudy& study)
    : m_chart(chart), m_study(study), m_series(ConfigureChart1(chart)),
      m_homeView(chart.AxisRanges()), m_startTitleSeries2(m_series.Series2->Title()),
      m_startTitleSeries7(m_series.Series7->Title()) {
    const TAxisRange months = chart.BottomAxis().Range();
    m_firstHomeMonth = static_cast<int>(std::ceil(months.Minimum));
    m_lastHomeMonth = static_cast<int>(std::floor(months.Maximum));
    const std::array<TLineSeries*, 2> estimates = {m_series.Series2, m_series.Series7};
    for (std::size_t pair = 0; pair < m_documented.size(); ++pair) {
        auto marks = std::make_unique<TLineSeries>();
        marks->SetName(QStringLiteral("Documented%1").arg(pair + 1));
        marks->SetSeriesColor(estimates.at(pair)->SeriesColor());
        marks->LinePen().SetVisible(false);
        marks->Pointer().SetVisible(true);
        marks->Pointer().SetStyle(TSeriesPointerStyle::psCircle);
        marks->Pointer().SetHorizSize(3);
        marks->Pointer().SetVertSize(3);
        marks->Pointer().SetInflateMargins(false);
        marks->Marks().SetVisible(false);
        m_documented.at(pair) = marks.get();
        m_idle.at(pair) = std::move(marks);
    }
}

TChart1Curves::~TChart1Curves() = default;

void TChart1Curves::Fill() {
    const StudyCurves::TFleetCurves fleet = m_study.FleetCurves();
    ShowPoints(*m_series.Series1, fleet.InService);
    ShowPoints(*m_series.Series3, fleet.Losses);
    ShowPoints(*m_series.Series5, fleet.Production);
    ShowPoints(*m_series.Series4, fleet.SummedProduction);
    const StudyCurves::TPairCurves first = m_study.PairCurves(0);
    const StudyCurves::TPairCurves second = m_study.PairCurves(1);
    ShowPair(*m_series.Series2, *m_series.Series6, first, m_startTitleSeries2);
    ShowPair(*m_series.Series7, *m_series.Series8, second, m_startTitleSeries7);
    m_pairNames = {first.Kind == StudyCurves::TPairKind::Empty ? QString() : first.Title,
                   second.Kind == StudyCurves::TPairKind::Empty ? QString() : second.Title};
    ShowDocumented(0, first);
    ShowDocumented(1, second);
    emit Changed();
}

void TChart1Curves::ShowDocumented(std::size_t pair, const StudyCurves::TPairCurves& curves) {
    TLineSeries& marks = *m_documented.at(pair);
    ShowPoints(marks, curves.Documented);
    marks.SetTitle(m_pairNames.at(pair) + QStringLiteral(" documented"));
    const bool inChart = m_idle.at(pair) == nullptr;
    if (!curves.Documented.empty() && !inChart) {
        m_chart.AddSeries(std::move(m_idle.at(pair)));
    } else if (curves.Documented.empty() && inChart) {
        m_idle.at(pair) = m_chart.RemoveSeries(marks);
    }
}

QString TChart1Curves::LegendTitle(const QString& name, int members) {
    if (name.size() <= kLongestLegendTitle || members < 2) {
        return name;
    }
    return name.section(kGroupSeparator, 0, 0) + kGroupSeparator +
           QStringLiteral("%1 more").arg(members - 1);
}

std::vector<TSeriesReading> TChart1Curves::Readings() const {
    std::vector<TSeriesReading> readings;
    for (const auto& series : m_chart.SeriesList()) {
        if (!series->Active()) {
            continue;
        }
        TSeriesReading reading{series.get(), series->Title(), TReadingKind::Count};
        // Documented strengths are read beside the estimate of their pair.
        if (series.get() == m_documented[0] || series.get() == m_documented[1]) {
            const int pair = series.get() == m_documented[0] ? 0 : 1;
            reading.Kind = TReadingKind::Documented;
            reading.Estimate = pair == 0 ? m_series.Series2 : m_series.Series7;
            reading.SourceAt = [this, pair](int month) {
                return m_study.DocumentedSource(pair, month);
            };
            readings.push_back(reading);
            continue;
        }
        if (series.get() == m_series.Series2 || series.get() == m_series.Series7) {
            const int pair = series.get() == m_series.Series2 ? 0 : 1;
            reading.SourceAt = [this, pair](int month) { return m_study.PairSource(pair, month); };
        }
        // A pair's curves are named after the whole group, which the legend may shorten.
        const QString* pairName = nullptr;
        if (series.get() == m_series.Series2 || series.get() == m_series.Series6) {
            pairName = &m_pairNames[0];
        } else if (series.get() == m_series.Series7 || series.get() == m_series.Series8) {
            pairName = &m_pairNames[1];
        }
        if (pairName != nullptr && !pairName->isEmpty()) {
            reading.Name = *pairName;
        }
        // A share curve is named after the vehicle (or the deliveries) of its pair.
        if (series.get() == m_series.Series6 || series.get() == m_series.Series8) {
            const TLineSeries& estimate =
                series.get() == m_series.Series6 ? *m_series.Series2 : *m_series.Series7;
            const bool named = pairName != nullptr && !pairName->isEmpty();
            reading.Name = (named ? *pairName : estimate.Title()) + QStringLiteral(" share");
            reading.Kind = TReadingKind::FleetShare;
        } else if (series.get() == m_series.Series2 && m_study.FirstPairHoldsLendLease()) {
            reading.Kind = TReadingKind::Deliveries;
        }
        readings.push_back(reading);
    }
    return readings;
}

std::vector<ChartDataText::TDataColumn> TChart1Curves::DataColumns() const {
    std::vector<ChartDataText::TDataColumn> columns;
    for (const TSeriesReading& reading : Readings()) {
        ChartDataText::TDataColumn column{reading.Name, reading.Kind, {}};
        const TChartSeries& series = *reading.Series;
        for (std::int32_t i = 0; i < series.PointCount(); ++i) {
            const double month = series.XValueAt(i);
            if (!series.IsNull(i) && month >= m_firstHomeMonth && month <= m_lastHomeMonth) {
                column.Points.emplace_back(month, series.YValueAt(i));
            }
        }
        // A curve without a point among the plotted months is not shown, and gets no column.
        if (!column.Points.empty()) {
            columns.push_back(std::move(column));
        }
    }
    return columns;
}

std::vector<QStringList> TChart1Curves::DataRows(const QLocale& locale) const {
    return ChartDataText::Rows(DataColumns(), m_firstHomeMonth, m_lastHomeMonth, locale);
}

std::vector<QStringList> TChart1Curves::ReadingRows(const QLocale& locale) const {
    return ChartDataText::Rows(DataColumns(), m_firstHomeMonth, m_lastHomeMonth, locale,
                               &ChartDataText::ReadingText);
}

QString TChart1Curves::DataText() const {
    return TableText::TabSeparatedRows(DataRows(QLocale()));
}

QString TChart1Curves::Summary() const {
    return ChartSummaryText::Summary(DataColumns(), m_study.PickedNames(), QLocale());
}

QString TChart1Curves::Brief() const {
    return ChartSummaryText::Brief(DataColumns(), m_study.PickedNames());
}

TStudyView TChart1Curves::View() const {
    TStudyView view;
    for (const TAxisRange& range : m_chart.AxisRanges()) {
        view.push_back(StudyRange(range));
    }
    return view;
}

void TChart1Curves::ShowView(const TStudyView& view) {
    std::vector<TAxisRange> ranges;
    for (const TViewRange& range : view) {
        ranges.push_back(ChartRange(range));
    }
    m_chart.RestoreAxisRanges(ranges);
    emit ViewShown();
}

void TChart1Curves::ResetView() {
    m_chart.RestoreAxisRanges(m_homeView);
    emit ViewShown();
}

void TChart1Curves::FitToData() {
    std::vector<double> months;
    std::vector<double> values;
    for (const TSeriesReading& reading : Readings()) {
        const TChartSeries& series = *reading.Series;
        for (std::int32_t i = 0; i < series.PointCount(); ++i) {
            if (!series.IsNull(i)) {
                months.push_back(series.XValueAt(i));
                values.push_back(series.YValueAt(i));
            }
        }
    }
    const auto monthSpan = ViewFit::ValueSpan(months);
    const auto valueSpan = ViewFit::ValueSpan(values);
    if (!monthSpan || !valueSpan) {
        return;
    }
    TChartAxis& bottom = m_chart.BottomAxis();
    TChartAxis& left = m_chart.LeftAxis();
    const auto monthView = ViewFit::FittedSpan(*monthSpan, bottom.Increment());
    const auto valueView = ViewFit::FittedSpan(*valueSpan, left.Increment());
    bottom.ShowFixedRange(monthView.Minimum, monthView.Maximum);
    left.ShowFixedRange(valueView.Minimum, valueView.Maximum);
    emit ViewShown();
}

} // namespace Armalyx
