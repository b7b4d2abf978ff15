#include "TChartCursorOverlay.h"

#include "TChartMonthCursor.h"

#include <TChart.h>

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

namespace {

// Between the line and its read-out, and between the read-out and the top of the plot.
constexpr int kReadOutGap = 6;
constexpr int kReadOutMargin = 4;
constexpr int kFocusFrameWidth = 2;

// The plot with its right edge, where the bottom axis puts its last value.
QRect PlotRect(const TChart& chart) {
    const TRect& plot = chart.ChartRect();
    return QRect(QPoint(plot.Left, plot.Top), QPoint(plot.Right, plot.Bottom - 1));
}

} // namespace

TChartCursorOverlay::TChartCursorOverlay(TChartMonthCursor& cursor)
    : QWidget(&cursor.Chart()), m_cursor(cursor) {
    setObjectName(QStringLiteral("MonthCursorOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(cursor.Chart().rect());
    hide();
}

QRect TChartCursorOverlay::ReadOutBox(int lineX, const QSize& box, const QRect& plot) {
    int left = lineX + kReadOutGap;
    if (left + box.width() > plot.right() + 1) {
        left = lineX - kReadOutGap - box.width();
    }
    left = std::max(left, plot.left());
    return QRect(QPoint(left, plot.top() + kReadOutMargin), box);
}

void TChartCursorOverlay::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawFocusFrame(painter);
    if (const auto month = m_cursor.Month()) {
        DrawCursor(painter, *month);
    }
}

// A solid frame in the highlight colour along the chart's edge, in whole pixels.
void TChartCursorOverlay::DrawFocusFrame(QPainter& painter) const {
    const QColor colour = palette().color(QPalette::Highlight);
    const QRect all = rect();
    painter.fillRect(QRect(all.left(), all.top(), all.width(), kFocusFrameWidth), colour);
    painter.fillRect(
        QRect(all.left(), all.bottom() - kFocusFrameWidth + 1, all.width(), kFocusFrameWidth),
        colour);
    painter.fillRect(QRect(all.left(), all.top(), kFocusFrameWidth, all.height()), colour);
    painter.fillRect(
        QRect(all.right() - kFocusFrameWidth + 1, all.top(), kFocusFrameWidth, all.height()),
        colour);
}

void TChartCursorOverlay::DrawCursor(QPainter& painter, int month) const {
    TChart& chart = m_cursor.Chart();
    const QRect plot = PlotRect(chart);
    const int x = chart.BottomAxis().ValueToPixel(month);
    if (plot.isEmpty() || x < plot.left() || x > plot.right()) {
        return;
    }
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawLine(x, plot.top(), x, plot.bottom());

    const QPalette tip = QToolTip::palette();
    QTextDocument readOut;
    readOut.setDefaultFont(QToolTip::font());
    readOut.setDocumentMargin(kReadOutMargin);
    readOut.setHtml(m_cursor.ReadOutRichText(tip.color(QPalette::ToolTipText)));
    const QSize size = readOut.size().toSize();
    const QRect box = ReadOutBox(x, size, plot);
    painter.fillRect(box, tip.color(QPalette::ToolTipBase));
    painter.setPen(tip.color(QPalette::ToolTipText));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.translate(box.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, tip.color(QPalette::ToolTipText));
    readOut.documentLayout()->draw(&painter, context);
}
