#include "TChartMonthCursor.h"

#include <TProductionStore.h>

#include "ChartHoverText.h"
#include "MonthReadOut.h"
#include "TChartCursorOverlay.h"

#include <TChart.h>
#include <TChartSeries.h>

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

using Production1::kFirstMonth;
using Production1::kLastMonth;
constexpr int kMonthsInYear = 12;

} // namespace

TChartMonthCursor::TChartMonthCursor(TChart& chart, TReadings readings)
    : QObject(&chart), m_chart(chart), m_readings(std::move(readings)),
      m_overlay(new TChartCursorOverlay(*this)) {
    chart.installEventFilter(this);
}

TChartMonthCursor::~TChartMonthCursor() {
    delete m_overlay.data();
}

// A zoom or new data may leave the month kept outside the curves; the cursor then stands on the
// nearest month that is still shown.
std::optional<int> TChartMonthCursor::Month() const {
    const auto months = m_shown ? CurveMonths() : std::nullopt;
    if (!months) {
        return std::nullopt;
    }
    return std::clamp(m_month, months->first, months->second);
}

QString TChartMonthCursor::ReadOut() const {
    const auto month = Month();
    if (!month) {
        return QString();
    }
    return Armalyx::ChartHoverText::PlainText(
        *month, Armalyx::MonthReadOut::ValuesAt(m_readings(), *month), QLocale());
}

QString TChartMonthCursor::SpokenReadOut(int month) const {
    const auto months = CurveMonths();
    if (!months || month < months->first || month > months->second) {
        return QString();
    }
    QString text = Armalyx::ChartHoverText::SpokenText(
        month, Armalyx::MonthReadOut::ValuesAt(m_readings(), month), QLocale());
    if (month == months->first) {
        text += QStringLiteral(" First month.");
    } else if (month == months->second) {
        text += QStringLiteral(" Last month.");
    }
    return text;
}

std::vector<Armalyx::ChartHoverText::TSeriesValue> TChartMonthCursor::ReadOutValues() const {
    const auto month = Month();
    if (!month) {
        return {};
    }
    return Armalyx::MonthReadOut::ValuesAt(m_readings(), *month);
}

std::optional<std::pair<int, int>> TChartMonthCursor::CurveMonths() const {
    const TChartAxis& bottom = m_chart.BottomAxis();
    // A fixed end of the axis is known before the first paint; an automatic one once it is laid
    // out. Months partly in view count; NaN limits leave no month.
    const TAxisRange range = bottom.Range();
    const double minimum =
        range.Automatic || range.AutomaticMinimum ? bottom.WorkMinimum() : range.Minimum;
    const double maximum =
        range.Automatic || range.AutomaticMaximum ? bottom.WorkMaximum() : range.Maximum;
    const double low = std::max<double>(kFirstMonth, std::ceil(minimum));
    const double high = std::min<double>(kLastMonth, std::floor(maximum));
    std::optional<std::pair<int, int>> months;
    for (const TSeriesReading& reading : m_readings()) {
        const TChartSeries& series = *reading.Series;
        for (std::int32_t i = 0; i < series.PointCount(); ++i) {
            const double x = series.XValueAt(i);
            if (series.IsNull(i) || !(x >= low && x <= high) || x != std::floor(x)) {
                continue;
            }
            const int month = static_cast<int>(x);
            months =
                months ? std::pair(std::min(months->first, month), std::max(months->second, month))
                       : std::pair(month, month);
        }
    }
    return months;
}

void TChartMonthCursor::MoveTo(int month) {
    Show(month);
}

void TChartMonthCursor::Hide() {
    Show(std::nullopt);
}

void TChartMonthCursor::Show(std::optional<int> month) {
    const QString before = ReadOut();
    const auto months = CurveMonths();
    m_shown = month.has_value() && months.has_value();
    if (m_shown) {
        m_month = std::clamp(*month, months->first, months->second);
    }
    m_overlay->update();
    const QString now = ReadOut();
    if (now != before) {
        QAccessibleTextUpdateEvent event(&m_chart, 0, before, now);
        QAccessible::updateAccessibility(&event);
        emit ReadOutChanged();
    }
}

// The focus that the keyboard or a screen reader brings shows the cursor at once. Focus that
// only passes to the chart, when the page it was on is left, waits for a cursor key.
bool TChartMonthCursor::ComesByKeyboard(Qt::FocusReason reason) const {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    case Qt::OtherFocusReason:
        return QAccessible::isActive() ||
               m_chart.window()->testAttribute(Qt::WA_KeyboardFocusChange);
    default:
        return false;
    }
}

void TChartMonthCursor::ShowAtKeptMonth() {
    m_overlay->show();
    Show(m_month == 0 ? kFirstMonth : m_month);
}

bool TChartMonthCursor::MoveByKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape) {
        if (!m_shown) {
            return false;
        }
        Hide();
        return true;
    }
    const auto months = CurveMonths();
    const auto target = months ? TargetMonth(event, *months) : std::nullopt;
    if (!target) {
        return false;
    }
    m_overlay->show();
    Show(*target);
    return true;
}

// Where a cursor key takes the cursor; the first key after Escape shows it where it was.
std::optional<int> TChartMonthCursor::TargetMonth(const QKeyEvent& event,
                                                  const std::pair<int, int>& months) const {
    const int from = m_month == 0 ? months.first : std::clamp(m_month, months.first, months.second);
    const int step = m_shown ? 1 : 0;
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_Left:
        return control ? months.first : from - step;
    case Qt::Key_Right:
        return control ? months.second : from + step;
    case Qt::Key_PageUp:
        return from - step * kMonthsInYear;
    case Qt::Key_PageDown:
        return from + step * kMonthsInYear;
    default:
        return std::nullopt;
    }
}

void TChartMonthCursor::PlaceAtPoint(const QPoint& position) {
    const TChartAxis& bottom = m_chart.BottomAxis();
    const TRect& plot = m_chart.ChartRect();
    const bool inPlot = position.x() >= plot.Left && position.x() < plot.Right &&
                        position.y() >= plot.Top && position.y() < plot.Bottom;
    if (!inPlot || bottom.PixelSize() <= 0) {
        return;
    }
    if (const auto month = Armalyx::ChartHoverText::MonthAt(
            bottom.PixelToValue(position.x()), bottom.WorkMinimum(), bottom.WorkMaximum())) {
        m_month = *month;
    }
}

bool TChartMonthCursor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_chart) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return MoveByKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::ShortcutOverride: {
        // Escape hides a shown cursor even where the window were to bind it to a command.
        auto& key = static_cast<QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Escape && m_shown) {
            key.accept();
        }
        break;
    }
    case QEvent::MouseButtonPress: {
        // The right button pans the chart and opens its menu; only the left one places.
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() == Qt::LeftButton) {
            PlaceAtPoint(mouse.position().toPoint());
            if (m_chart.hasFocus()) {
                ShowAtKeptMonth();
            }
        }
        break;
    }
    case QEvent::FocusIn:
        if (ComesByKeyboard(static_cast<const QFocusEvent&>(*event).reason())) {
            ShowAtKeptMonth();
        }
        break;
    case QEvent::FocusOut:
        Hide();
        m_overlay->hide();
        break;
    case QEvent::Resize:
        m_overlay->setGeometry(m_chart.rect());
        break;
    default:
        break;
    }
    return false;
}
