#include "TChartCursorOverlay.h"

#include "ChartHoverText.h"
#include "MonthText.h"
#include "TChartMonthCursor.h"

#include <TChart.h>

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

// Between the line and its read-out, and between the read-out and the top of the plot.
constexpr int kReadOutGap = 6;
constexpr int kReadOutMargin = 4;
constexpr int kFocusFrameWidth = 2;
constexpr int kSwatchSize = 10;

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

    DrawReadOut(painter, x, plot, month);
}

// The read-out as the mouse's tooltip shows it: the month in bold, then a line per curve behind a
// swatch of its colour, in the tooltip's colours and font. Drawn line by line, so that a step of
// the cursor costs a few text runs rather than a rich-text layout.
void TChartCursorOverlay::DrawReadOut(QPainter& painter, int lineX, const QRect& plot,
                                      int month) const {
    const QPalette tip = QToolTip::palette();
    const QColor text = tip.color(QPalette::ToolTipText);
    QFont plain = QToolTip::font();
    QFont bold = plain;
    bold.setBold(true);
    const QFontMetrics plainMetrics(plain);
    const QFontMetrics boldMetrics(bold);
    const QLocale locale;

    const QString caption = Armalyx::MonthText::Caption(month);
    const auto values = m_cursor.ReadOutValues();
    QStringList lines;
    for (const auto& value : values) {
        lines.push_back(Armalyx::ChartHoverText::ValueLine(value, locale));
    }
    const int lineHeight = std::max(plainMetrics.height(), kSwatchSize);
    const int indent = kSwatchSize + kReadOutMargin;
    int width = boldMetrics.horizontalAdvance(caption);
    for (const QString& line : lines) {
        width = std::max(width, indent + plainMetrics.horizontalAdvance(line));
    }
    const QSize size(width + 2 * kReadOutMargin, boldMetrics.height() +
                                                     static_cast<int>(lines.size()) * lineHeight +
                                                     2 * kReadOutMargin);
    const QRect box = ReadOutBox(lineX, size, plot);
    painter.fillRect(box, tip.color(QPalette::ToolTipBase));
    painter.setPen(text);
    painter.drawRect(box.adjusted(0, 0, -1, -1));

    int top = box.top() + kReadOutMargin;
    const int left = box.left() + kReadOutMargin;
    painter.setFont(bold);
    painter.drawText(QRect(left, top, width, boldMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
    top += boldMetrics.height();
    painter.setFont(plain);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRect swatch(left, top + (lineHeight - kSwatchSize) / 2, kSwatchSize, kSwatchSize);
        painter.fillRect(swatch, Armalyx::ToQColor(values.at(static_cast<std::size_t>(i)).Color));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.drawText(QRect(left + indent, top, width - indent, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, lines.at(i));
        top += lineHeight;
    }
}
