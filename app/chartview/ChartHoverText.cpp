#include "ChartHoverText.h"

#include "AvailabilityMaths.h"
#include "MonthText.h"

#include <TProductionStore.h>

#include <array>
#include <cmath>

namespace Armalyx::ChartHoverText {

namespace {

constexpr double kFirstMonth = Production1::kFirstMonth;
constexpr double kLastMonth = Production1::kLastMonth;
// Beyond this a double no longer holds every whole number, and a count this large is no count.
constexpr double kLargestWholeNumber = 9007199254740992.0;
constexpr int kSwatchPixels = 10;

// The locale as it is, but with its group separator in force, as the axis labels write it.
QLocale Grouping(const QLocale& locale) {
    QLocale grouping = locale;
    grouping.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouping;
}

QString Swatch(TColor color, const QColor& border) {
    return QStringLiteral("<td width=\"%1\" style=\"background-color:%2; border-width:1px; "
                          "border-style:solid; border-color:%3\">&nbsp;</td>")
        .arg(kSwatchPixels)
        .arg(Armalyx::ToQColor(color).name(), border.name());
}

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

QString WholeNumberText(double value, const QLocale& locale) {
    const QLocale grouping = Grouping(locale);
    if (!(std::fabs(value) < kLargestWholeNumber)) {
        return grouping.toString(value, 'g', 6);
    }
    return grouping.toString(static_cast<qlonglong>(std::llround(value)));
}

QString SharePercentText(double position, const QLocale& locale) {
    double percent =
        std::round(Armalyx::AvailabilityMaths::FleetSharePercent(position) * 10.0) / 10.0;
    if (percent == 0.0) {
        percent = 0.0; // no "-0.0 %" for a share just below nothing
    }
    return Grouping(locale).toString(percent, 'f', 1) + QStringLiteral(" %");
}

QString ValueText(double value, TReadingKind kind, const QLocale& locale) {
    return kind == TReadingKind::FleetShare ? SharePercentText(value, locale)
                                            : WholeNumberText(value, locale);
}

QString ValueLine(const TSeriesValue& value, const QLocale& locale) {
    const QString name = value.Kind == TReadingKind::Deliveries
                             ? value.Name + QStringLiteral(" deliveries")
                             : value.Name;
    QString line = name + QStringLiteral(": ") + ValueText(value.Value, value.Kind, locale);
    if (value.Kind == TReadingKind::Documented && value.Estimate) {
        line += QStringLiteral(", estimate ") + WholeNumberText(*value.Estimate, locale);
        // How far the estimate lies from the count, in percent of the count.
        if (value.Value > 0) {
            const double difference =
                std::round((*value.Estimate - value.Value) / value.Value * 100);
            const QString sign = difference > 0   ? QStringLiteral("+")
                                 : difference < 0 ? QStringLiteral("\u2212")
                                                  : QString();
            line += QStringLiteral(", ") + sign + locale.toString(std::abs(difference), 'f', 0) +
                    QStringLiteral(" %");
        }
    }
    return line;
}

QString ToolTip(int month, const std::vector<TSeriesValue>& values, const QLocale& locale,
                const QColor& swatchBorder) {
    QString rows;
    for (const TSeriesValue& value : values) {
        rows += QStringLiteral("<tr>") + Swatch(value.Color, swatchBorder) +
                QStringLiteral("<td style=\"white-space:pre\">&nbsp;") +
                ValueLine(value, locale).toHtmlEscaped() + QStringLiteral("</td></tr>");
        if (!value.Source.isEmpty()) {
            rows += QStringLiteral("<tr><td></td><td style=\"white-space:pre\">&nbsp;&nbsp;") +
                    (QStringLiteral("source: ") + value.Source).toHtmlEscaped() +
                    QStringLiteral("</td></tr>");
        }
    }
    QString text = QStringLiteral("<p style=\"white-space:pre\"><b>") + MonthText::Caption(month) +
                   QStringLiteral("</b></p>");
    if (!rows.isEmpty()) {
        text += QStringLiteral("<table cellspacing=\"2\" cellpadding=\"0\">") + rows +
                QStringLiteral("</table>");
    }
    return text;
}

QString PlainText(int month, const std::vector<TSeriesValue>& values, const QLocale& locale) {
    QString text = MonthText::Caption(month);
    for (const TSeriesValue& value : values) {
        text += QLatin1Char('\n') + ValueLine(value, locale);
        if (!value.Source.isEmpty()) {
            text += QStringLiteral("\n  source: ") + value.Source;
        }
    }
    return text;
}

QString SpokenText(int month, const std::vector<TSeriesValue>& values, const QLocale& locale) {
    QString text = MonthText::Caption(month) + QLatin1Char('.');
    for (const TSeriesValue& value : values) {
        text += QLatin1Char(' ') + ValueLine(value, locale) + QLatin1Char('.');
    }
    return text;
}

} // namespace Armalyx::ChartHoverText
