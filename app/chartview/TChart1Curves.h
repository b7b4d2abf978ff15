#pragma once
// The availability chart's eight curves as one object: it configures the chart, fills the curves
// from the study whenever the picks change, and is what every reader of the chart (tooltip, month
// cursor, screen reader, Copy data, export) asks for the curves and their numbers. It also keeps
// the chart's configured view, which Home brings back.

#include "Chart1Configuration.h"
#include "ChartDataText.h"
#include "SeriesReading.h"
#include "StudyCurves.h"
#include "TStudyView.h"

#include <TCustomChartAxis.h>

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class TChart;
class TChartSeries;
class TLineSeries;

namespace Armalyx {

class TAvailabilityStudy;

class TChart1Curves final : public QObject {
    Q_OBJECT

public:
    // Configures the chart and adds its series; both the chart and the study outlive the curves.
    TChart1Curves(TChart& chart, const TAvailabilityStudy& study);
    ~TChart1Curves() override;
    TChart1Curves(const TChart1Curves&) = delete;
    TChart1Curves& operator=(const TChart1Curves&) = delete;

    // The chart the curves are drawn in.
    TChart& Chart() const { return m_chart; }
    // Series1 .. Series8 by their names in the layout; the chart owns them.
    const TChart1Series& Series() const { return m_series; }

    // Every curve filled anew from the study's data and picks.
    void Fill();
    // A group's name as the legend shows it: whole while it is short, else "KV-1 + 2 more".
    static QString LegendTitle(const QString& name, int members);

    // The visible curves in chart order, with their names and kinds for a reader; then each
    // pair's documented strengths, when it has any.
    std::vector<TSeriesReading> Readings() const;
    // The curves with their points among the plotted months; a curve without one is left out.
    std::vector<ChartDataText::TDataColumn> DataColumns() const;
    // A header row, then one row per plotted month, numbers written for the locale.
    std::vector<QStringList> DataRows(const QLocale& locale) const;
    // The same rows with each number rounded as a reader is told it ("1,234", "12.3 %").
    std::vector<QStringList> ReadingRows(const QLocale& locale) const;
    // The same, tab-separated, for the desktop's locale.
    QString DataText() const;
    // The chart in a few sentences for a screen reader: months, curves, picks.
    QString Summary() const;
    // What a reader hears on coming to the chart: the months shown and the picks.
    QString Brief() const;

    // The chart's view as the study keeps it, and the view brought back.
    TStudyView View() const;
    void ShowView(const TStudyView& view);
    // Home: the configured axis ranges.
    void ResetView();
    // Both axes fitted to every point of the curves shown.
    void FitToData();

signals:
    // The curves were filled anew.
    void Changed();
    // The view was set through ShowView, ResetView or FitToData (not by the chart's own wheel
    // and drag, which the chart tells nobody of).
    void ViewShown();

private:
    TChart& m_chart;
    const TAvailabilityStudy& m_study;
    TChart1Series m_series;
    // The axis ranges of the configuration, and the months its bottom axis spans then.
    std::vector<TAxisRange> m_homeView;
    int m_firstHomeMonth = 0;
    int m_lastHomeMonth = 0;
    // The titles of the pairs' estimate curves while they are empty.
    QString m_startTitleSeries2;
    QString m_startTitleSeries7;
    // Each pair's whole name, which a reader is given where the legend shows a short one.
    std::array<QString, 2> m_pairNames;
    // Each pair's documented strengths, read beside its estimate: marks in its colour, a series
    // the chart holds only while the pair has documented strengths (m_idle keeps it otherwise).
    std::array<TLineSeries*, 2> m_documented{};
    std::array<std::unique_ptr<TChartSeries>, 2> m_idle;
    // Puts the pair's documented marks into the chart, or takes them out, and fills them.
    void ShowDocumented(std::size_t pair, const StudyCurves::TPairCurves& curves);
};

} // namespace Armalyx
