#include "ChartHoverText.h"

#include <ChartMath.h>

#include <array>
#include <cmath>

namespace ChartHoverText {

namespace {

constexpr int kFirstYear = 1941;
constexpr double kFirstMonth = 1;
constexpr double kLastMonth = 60;
constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

std::optional<int> MonthAt(double axisValue, double axisMinimum, double axisMaximum) {
    const double nearest = std::floor(axisValue + 0.5);
    // Written so that a NaN anywhere answers no month.
    const bool inRange = nearest >= axisMinimum && nearest <= axisMaximum &&
                         nearest >= kFirstMonth && nearest <= kLastMonth;
    if (!inRange) {
        return std::nullopt;
    }
    return static_cast<int>(nearest);
}

QString MonthCaption(int month) {
    const int index = month - 1;
    const int monthOfYear = ((index % 12) + 12) % 12;
    const int year = kFirstYear + (index - monthOfYear) / 12;
    return QString::fromLatin1(kMonthNames.at(static_cast<std::size_t>(monthOfYear))) +
           QLatin1Char(' ') + QString::number(year);
}

QString ToolTip(int month, const std::vector<TSeriesValue>& values) {
    QString text = QStringLiteral("<b>") + MonthCaption(month) + QStringLiteral("</b>");
    for (const TSeriesValue& value : values) {
        text += QStringLiteral("<br><span style=\"color:%1\">&#9632;</span> %2: %3")
                    .arg(ToQColor(value.Color).name(), value.Title.toHtmlEscaped(),
                         ChartMath::FormatAxisLabel(value.Value));
    }
    return QStringLiteral("<p style=\"white-space:pre\">") + text + QStringLiteral("</p>");
}

} // namespace ChartHoverText
