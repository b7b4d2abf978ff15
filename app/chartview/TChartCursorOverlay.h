#pragma once
// Drawn over the availability chart while it has the keyboard focus: the focus frame around the
// chart, and the month cursor's line with its read-out beside it. A child of the chart that lets
// every mouse event through; hidden, it leaves the chart's pixels as they are.

#include <QWidget>

class TChartMonthCursor;

class TChartCursorOverlay final : public QWidget {
    Q_OBJECT

public:
    explicit TChartCursorOverlay(TChartMonthCursor& cursor);

    // Where the read-out box stands for a cursor line at x: right of the line, or left of it
    // where the plot has no room on the right, kept within the plot where it fits.
    static QRect ReadOutBox(int lineX, const QSize& box, const QRect& plot);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawFocusFrame(QPainter& painter) const;
    void DrawCursor(QPainter& painter, int month) const;
    void DrawReadOut(QPainter& painter, int lineX, const QRect& plot, int month) const;

    TChartMonthCursor& m_cursor;
};
