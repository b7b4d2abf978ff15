#include "TCustomChartAxis.h"

#include "AxisException.h"
#include "ChartFonts.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

#include <algorithm>
#include <optional>

namespace {
int DefaultTitleAngle(TAxisKind kind) {
    switch (kind) {
    case TAxisKind::Left:
        return 90;
    case TAxisKind::Right:
        return 270;
    default:
        return 0;
    }
}
} // namespace

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel& chart, TAxisKind kind)
    : m_chart(chart), m_kind(kind), m_labelsFont(ChartFonts::DefaultFont()),
      m_title(*this, DefaultTitleAngle(kind)) {
    m_scale.Horizontal = Horizontal();
    m_tickPositions.reserve(kTickCapacity);
    if (kind == TAxisKind::Depth) {
        m_visible = false;
    }
}

TCustomChartAxis::~TCustomChartAxis() = default;

bool TCustomChartAxis::FarSide() const {
    return m_kind == TAxisKind::Top || m_kind == TAxisKind::Right || m_kind == TAxisKind::Depth;
}

void TCustomChartAxis::Changed() {
    m_chart.Invalidate();
}

bool TCustomChartAxis::IsLoading() const {
    return m_chart.IsLoading();
}

void TCustomChartAxis::SetAutomatic(bool automatic) {
    if (automatic == m_automatic) {
        return;
    }
    m_automatic = automatic;
    if (!IsLoading()) {
        m_automaticMinimum = automatic;
        m_automaticMaximum = automatic;
    }
    Changed();
}

void TCustomChartAxis::SetAutomaticMaximum(bool automatic) {
    if (automatic == m_automaticMaximum) {
        return;
    }
    m_automaticMaximum = automatic;
    m_automatic = automatic && m_automaticMinimum;
    Changed();
}

void TCustomChartAxis::SetAutomaticMinimum(bool automatic) {
    if (automatic == m_automaticMinimum) {
        return;
    }
    m_automaticMinimum = automatic;
    m_automatic = automatic && m_automaticMaximum;
    Changed();
}

void TCustomChartAxis::SetMaximum(double value) {
    if (!IsLoading() && value < m_minimum) {
        throw AxisException(QStringLiteral("Axis Maximum Value must be >= Minimum"));
    }
    Set(m_maximum, value);
}

void TCustomChartAxis::SetMinimum(double value) {
    if (!IsLoading() && value > m_maximum) {
        throw AxisException(QStringLiteral("Axis Minimum Value must be <= Maximum"));
    }
    Set(m_minimum, value);
}

void TCustomChartAxis::SetIncrement(double value) {
    if (!(value >= 0)) {
        throw AxisException(QStringLiteral("Axis increment must be >= 0"));
    }
    Set(m_increment, value);
}

void TCustomChartAxis::SetLabelsSeparation(int percent) {
    if (percent < 0) {
        throw AxisException(QStringLiteral("Labels Separation % must be greater than 0"));
    }
    Set(m_labelsSeparation, percent);
}

void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle style) {
    Set(m_labelStyle, style);
}
void TCustomChartAxis::SetLabels(bool labels) {
    Set(m_labels, labels);
}
void TCustomChartAxis::SetLabelsAngle(int angle) {
    Set(m_labelsAngle, angle);
}
void TCustomChartAxis::SetLabelsFont(const QFont& font) {
    Set(m_labelsFont, font);
}
void TCustomChartAxis::SetLabelsOnAxis(bool onAxis) {
    Set(m_labelsOnAxis, onAxis);
}
void TCustomChartAxis::SetLabelsSize(int size) {
    Set(m_labelsSize, size);
}
void TCustomChartAxis::SetLabelsMultiLine(bool multiLine) {
    Set(m_labelsMultiLine, multiLine);
}
void TCustomChartAxis::SetAxisValuesFormat(const QString& format) {
    Set(m_axisValuesFormat, format);
}
void TCustomChartAxis::SetRoundFirstLabel(bool round) {
    Set(m_roundFirstLabel, round);
}
void TCustomChartAxis::SetExactDateTime(bool exact) {
    Set(m_exactDateTime, exact);
}
void TCustomChartAxis::SetTickLength(int length) {
    Set(m_tickLength, length);
}
void TCustomChartAxis::SetTickInnerLength(int length) {
    Set(m_tickInnerLength, length);
}
void TCustomChartAxis::SetMinorTickLength(int length) {
    Set(m_minorTickLength, length);
}
void TCustomChartAxis::SetMinorTickCount(int count) {
    Set(m_minorTickCount, count);
}
void TCustomChartAxis::SetTickOnLabelsOnly(bool onLabelsOnly) {
    Set(m_tickOnLabelsOnly, onLabelsOnly);
}
void TCustomChartAxis::SetTitleSize(int size) {
    Set(m_titleSize, size);
}
void TCustomChartAxis::SetVisible(bool visible) {
    Set(m_visible, visible);
}
void TCustomChartAxis::SetInverted(bool inverted) {
    Set(m_inverted, inverted);
    m_scale.Inverted = m_inverted;
}
void TCustomChartAxis::SetStartPosition(double percent) {
    Set(m_startPosition, percent);
}
void TCustomChartAxis::SetEndPosition(double percent) {
    Set(m_endPosition, percent);
}
void TCustomChartAxis::SetPositionPercent(double percent) {
    Set(m_positionPercent, percent);
}

void TCustomChartAxis::ResetAxisRange() {
    const bool autoMax = m_automatic || m_automaticMaximum;
    const bool autoMin = m_automatic || m_automaticMinimum;
    if (autoMax || autoMin) {
        std::optional<double> low;
        std::optional<double> high;
        for (const auto& series : m_chart.SeriesList()) {
            if (!series->Active() || !series->IsPlottedAgainst(*this) ||
                series->PointCount() == 0) {
                continue;
            }
            const double seriesLow = Horizontal() ? series->XMinimum() : series->YMinimum();
            const double seriesHigh = Horizontal() ? series->XMaximum() : series->YMaximum();
            low = low ? std::min(*low, seriesLow) : seriesLow;
            high = high ? std::max(*high, seriesHigh) : seriesHigh;
        }
        if (autoMax && high) {
            m_maximum = *high;
        }
        if (autoMin && low) {
            m_minimum = *low;
        }
    }
    SetWorkRange(m_minimum, m_maximum);
}

void TCustomChartAxis::SetWorkRange(double minimum, double maximum) {
    m_scale.WorkMinimum = minimum;
    m_scale.WorkMaximum = maximum;
    m_scale.Inverted = m_inverted;
}

void TCustomChartAxis::UpdatePixelSpan() {
    const TRect& rect = m_chart.ChartRect();
    const int origin = Horizontal() ? rect.Left : rect.Top;
    const int extent = Horizontal() ? rect.Width() : rect.Height();
    m_scale.PixelStart = origin + ChartMath::RoundToInt(extent * 0.01 * m_startPosition);
    m_scale.PixelEnd = origin + ChartMath::RoundToInt(extent * 0.01 * m_endPosition);
}

void TCustomChartAxis::AdjustRangeForMargins(int startMargin, int endMargin) {
    const std::int32_t oldStart = m_scale.PixelStart;
    const std::int32_t oldEnd = m_scale.PixelEnd;
    m_scale.PixelStart += startMargin;
    m_scale.PixelEnd -= endMargin;
    double low = PixelToValue(oldStart);
    double high = PixelToValue(oldEnd);
    UpdatePixelSpan();
    if (low > high) {
        std::swap(low, high);
    }
    SetWorkRange(low, high);
}

TAxisLabelStyle TCustomChartAxis::ResolveLabelStyle() const {
    if (m_labelStyle != talAuto) {
        return m_labelStyle;
    }
    TAxisLabelStyle result = talNone;
    for (const auto& series : m_chart.SeriesList()) {
        if (!series->Active() || !series->IsPlottedAgainst(*this)) {
            continue;
        }
        const bool labelsRunAlong = Horizontal() == series->YMandatory();
        if (labelsRunAlong && series->PointCount() > 0 && !series->PointLabel(0).isEmpty()) {
            return talText;
        }
        result = talValue;
    }
    return result;
}

QString TCustomChartAxis::FormatAxisLabel(double value) const {
    QString text = ChartMath::FormatAxisLabel(value);
    if (m_labelsMultiLine) {
        text.replace(QLatin1Char(' '), QLatin1Char('\r'));
    }
    return text;
}

void TCustomChartAxis::ScrollAxis(double delta) {
    m_automatic = false;
    m_automaticMaximum = false;
    m_automaticMinimum = false;
    m_maximum += delta;
    m_minimum += delta;
    Changed();
}

bool TCustomChartAxis::ValuesAreDateTime() const {
    for (const auto& series : m_chart.SeriesList()) {
        if (series->Active() && series->IsPlottedAgainst(*this)) {
            return Horizontal() ? series->XValues().DateTime() : series->YValues().DateTime();
        }
    }
    return false;
}
