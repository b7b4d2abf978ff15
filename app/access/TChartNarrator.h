#pragma once
// What a screen reader is told about the availability chart besides its title: a brief of the
// months shown and the picks, heard on coming to the chart; a summary written from the curves,
// which S on the chart reads out; and the chart's numbers as a table (a header row, then one row
// per month, as "Copy data" gives them). Lives as the chart's child, where the chart's
// accessible interface finds it. When the curves change, the new brief and summary are announced
// once the event that changed them is done, so that a pick that redraws several curves is told
// once.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TChart;

class TChartNarrator final : public QObject {
    Q_OBJECT

public:
    struct TSources {
        std::function<QString()> Summary;
        std::function<QString()> Brief;
        // The header row, then one row per month: the month, then each curve's value.
        std::function<std::vector<QStringList>()> Rows;
    };

    TChartNarrator(TChart& chart, TSources sources);

    // The narrator of this chart, if it has one.
    static TChartNarrator* Of(const QObject* chart);

    QString Summary() const;
    QString Brief() const;
    // The table, worked out again after each change of the curves.
    const std::vector<QStringList>& Rows() const;

    // The curves may have changed: the table is worked out anew when next asked for, and after
    // the current event a summary that differs from the one told last is announced.
    void NoteCurvesChanged();

protected:
    // S on the chart: the summary is read out.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AnnounceChanges();
    void ReadOutSummary() const;

    TChart& m_chart;
    TSources m_sources;
    mutable std::vector<QStringList> m_rows;
    mutable bool m_rowsCurrent = false;
    bool m_announcementDue = false;
    QString m_toldSummary;
    QString m_toldBrief;
    std::vector<QStringList> m_toldRows;
};
