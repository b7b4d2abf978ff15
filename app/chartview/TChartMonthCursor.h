#pragma once
// The availability chart's month cursor, for a reader without a mouse: while the chart has the
// keyboard focus, a thin line stands on one month with that month's values beside it, the same
// read-out the mouse's tooltip gives. Left and Right move it a month, Page Up and Page Down a
// year, Ctrl+Left and Ctrl+Right to the first and last month of the curves; Escape hides it and
// any of those keys shows it again. It shows as soon as the keyboard or a screen reader brings
// the focus; a click on the plot puts it on the month clicked. Every change of the read-out is
// told to a screen reader as a change of the chart's text.

#include "ChartHoverText.h"
#include "SeriesReading.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QKeyEvent;
class QPoint;
class TChart;
class TChartCursorOverlay;

class TChartMonthCursor final : public QObject {
    Q_OBJECT

public:
    // Names and kinds of the chart's visible curves, asked for whenever the cursor reads them.
    using TReadings = std::function<std::vector<TSeriesReading>()>;

    // Watches the chart and becomes its child, as does the overlay it draws on.
    TChartMonthCursor(TChart& chart, TReadings readings);
    // Takes the overlay with it when the cursor goes before the chart.
    ~TChartMonthCursor() override;
    TChartMonthCursor(const TChartMonthCursor&) = delete;
    TChartMonthCursor& operator=(const TChartMonthCursor&) = delete;

    // The month the cursor stands on while it shows (1 = January 1941).
    std::optional<int> Month() const;
    // The month and each curve's value in it as plain lines; empty while the cursor is hidden.
    QString ReadOut() const;
    // What a screen reader speaks for a month: the read-out in sentences, and "First month." or
    // "Last month." at the ends of the curves' months. Empty for a month outside them.
    QString SpokenReadOut(int month) const;
    // The values the read-out names, each with its curve's colour; empty while hidden.
    std::vector<Armalyx::ChartHoverText::TSeriesValue> ReadOutValues() const;
    // The first and last month in which a visible curve has a point, within the months the
    // bottom axis shows; none while no curve has one there.
    std::optional<std::pair<int, int>> CurveMonths() const;
    // Puts the cursor on this month, kept within the curves' months, and shows it.
    void MoveTo(int month);
    void Hide();

    TChart& Chart() const { return m_chart; }

signals:
    // The cursor moved, showed or hid: its read-out is another.
    void ReadOutChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ComesByKeyboard(Qt::FocusReason reason) const;
    // Shows the focus frame, and the cursor where it stood last (the first month at first).
    void ShowAtKeptMonth();
    bool MoveByKey(const QKeyEvent& event);
    std::optional<int> TargetMonth(const QKeyEvent& event, const std::pair<int, int>& months) const;
    void PlaceAtPoint(const QPoint& position);
    // Shows the cursor on the month or hides it, and tells a screen reader the new read-out.
    void Show(std::optional<int> month);

    TChart& m_chart;
    TReadings m_readings;
    QPointer<TChartCursorOverlay> m_overlay;
    // The month last stood on, kept while hidden so that the cursor comes back there; 0 before
    // the first.
    int m_month = 0;
    bool m_shown = false;
};
