#include "TCustomChartAxis.h"

#include "AxisBand.h"
#include "AxisException.h"
#include "AxisText.h"
#include "ChartFonts.h"
#include "TAxisPainter.h"
#include "TChartCanvas.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

#include <algorithm>
#include <cmath>
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
    : m_chart(chart), m_kind(kind), m_labelsFont(Armalyx::ChartFonts::DefaultFont()),
      m_title(*this, DefaultTitleAngle(kind)) {
    m_scale.Horizontal = Horizontal();
    for (TChartPen* pen :
         {static_cast<TChartPen*>(&m_ticks), static_cast<TChartPen*>(&m_ticksInner),
          static_cast<TChartPen*>(&m_minorTicks), static_cast<TChartPen*>(&m_grid),
          static_cast<TChartPen*>(&m_minorGrid), static_cast<TChartPen*>(&m_axisPen)}) {
        pen->SetOnChange([this] { RequestRepaint(); });
    }
    m_labelsFont.SetOnChange([this] { RequestRepaint(); });
    m_tickPositions.reserve(kTickCapacity);
    if (kind == TAxisKind::Depth) {
        m_visible = false;
    }
}

TCustomChartAxis::~TCustomChartAxis() = default;

bool TCustomChartAxis::FarSide() const {
    return m_kind == TAxisKind::Top || m_kind == TAxisKind::Right || m_kind == TAxisKind::Depth;
}

void TCustomChartAxis::RequestRepaint() {
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
    RequestRepaint();
}

void TCustomChartAxis::SetAutomaticMaximum(bool automatic) {
    if (automatic == m_automaticMaximum) {
        return;
    }
    m_automaticMaximum = automatic;
    m_automatic = automatic && m_automaticMinimum;
    RequestRepaint();
}

void TCustomChartAxis::SetAutomaticMinimum(bool automatic) {
    if (automatic == m_automaticMinimum) {
        return;
    }
    m_automaticMinimum = automatic;
    m_automatic = automatic && m_automaticMaximum;
    RequestRepaint();
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
void TCustomChartAxis::SetLabelsFont(const TChartFont& font) {
    // The font's own change notification repaints when the settings differ.
    m_labelsFont = font;
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
        m_chart.ForEachSeriesPlottedAgainst(*this, [&](const TChartSeries& series) {
            if (series.PointCount() == 0) {
                return;
            }
            const double seriesLow = Horizontal() ? series.XMinimum() : series.YMinimum();
            const double seriesHigh = Horizontal() ? series.XMaximum() : series.YMaximum();
            low = low ? std::min(*low, seriesLow) : seriesLow;
            high = high ? std::max(*high, seriesHigh) : seriesHigh;
        });
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
    // Sums in double so that extreme percentages saturate instead of overflowing.
    m_scale.PixelStart =
        Armalyx::ChartMath::RoundToInt(origin + std::nearbyint(extent * 0.01 * m_startPosition));
    m_scale.PixelEnd =
        Armalyx::ChartMath::RoundToInt(origin + std::nearbyint(extent * 0.01 * m_endPosition));
}

void TCustomChartAxis::AdjustRangeForMargins(int startMargin, int endMargin) {
    if (startMargin == 0 && endMargin == 0) {
        // Mapping the ends back and forth could only add rounding noise to a fixed range.
        return;
    }
    const std::int32_t oldStart = m_scale.PixelStart;
    const std::int32_t oldEnd = m_scale.PixelEnd;
    m_scale.PixelStart = Armalyx::ChartMath::AddClamped(oldStart, startMargin);
    m_scale.PixelEnd =
        Armalyx::ChartMath::AddClamped(oldEnd, -static_cast<std::int64_t>(endMargin));
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
    // Text as soon as one series has labels along the axis, else values if any series is drawn.
    TAxisLabelStyle result = talNone;
    m_chart.ForEachSeriesPlottedAgainst(*this, [&](const TChartSeries& series) {
        const bool labelsRunAlong = Horizontal() == series.YMandatory();
        if (labelsRunAlong && series.PointCount() > 0 && !series.PointLabel(0).isEmpty()) {
            result = talText;
        } else if (result != talText) {
            result = talValue;
        }
    });
    return result;
}

void TCustomChartAxis::SetLabelText(TLabelText text) {
    m_labelText = std::move(text);
    m_chart.RequestRepaint();
}

void TCustomChartAxis::SetLabelOrigin(double origin) {
    Set(m_labelOrigin, origin);
}

double TCustomChartAxis::RoundedLabel(double value, double step) const {
    if (m_labelOrigin == 0) {
        return std::trunc(value / step) * step;
    }
    return m_labelOrigin + std::trunc((value - m_labelOrigin) / step) * step;
}

QString TCustomChartAxis::FormatAxisLabel(double value) const {
    return FormatAxisLabel(value, m_increment);
}

QString TCustomChartAxis::FormatAxisLabel(double value, double step) const {
    QString text =
        m_labelText ? m_labelText(value, step) : Armalyx::ChartMath::FormatAxisLabel(value);
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
    RequestRepaint();
}

TAxisRange TCustomChartAxis::Range() const {
    return {m_automatic, m_automaticMinimum, m_automaticMaximum, m_minimum, m_maximum};
}

void TCustomChartAxis::ShowFixedRange(double minimum, double maximum) {
    SetRange(TAxisRange{false, false, false, minimum, maximum});
}

void TCustomChartAxis::SetRange(const TAxisRange& range) {
    if (!IsLoading() && range.Minimum > range.Maximum) {
        throw AxisException(QStringLiteral("Axis Minimum Value must be <= Maximum"));
    }
    if (range == Range()) {
        return;
    }
    m_automatic = range.Automatic;
    m_automaticMinimum = range.AutomaticMinimum;
    m_automaticMaximum = range.AutomaticMaximum;
    m_minimum = range.Minimum;
    m_maximum = range.Maximum;
    RequestRepaint();
}

bool TCustomChartAxis::ValuesAreDateTime() const {
    // The first series drawn against the axis decides.
    const TChartSeries* first = nullptr;
    m_chart.ForEachSeriesPlottedAgainst(*this, [&](const TChartSeries& series) {
        if (first == nullptr) {
            first = &series;
        }
    });
    if (first == nullptr) {
        return false;
    }
    return Horizontal() ? first->XValues().DateTime() : first->YValues().DateTime();
}

bool TCustomChartAxis::TextRunsAlongAxis(int angle) const {
    return Horizontal() ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

int TCustomChartAxis::SideOf(const TRect& rect) const {
    return Armalyx::AxisBand::SideOf(m_kind, rect);
}

int TCustomChartAxis::PositionShift() const {
    const TRect& rect = m_chart.ChartRect();
    const int extent = Horizontal() ? rect.Height() : rect.Width();
    // Rounded before the sign changes, as the shift is measured; negated in double so that a
    // saturated shift cannot overflow.
    double shift = Armalyx::ChartMath::RoundToInt(m_positionPercent * 0.01 * extent);
    if (FarSide()) {
        shift = -shift;
    }
    return Armalyx::ChartMath::RoundToInt(Horizontal() ? -shift : shift);
}

int TCustomChartAxis::TickAreaSize() const {
    int size = Armalyx::ChartMath::AddClamped(m_axisPen.Visible() ? m_axisPen.Width() : 0,
                                              m_ticks.Visible() ? m_tickLength : 0);
    if (m_minorTicks.Visible()) {
        size = std::max(size, m_minorTickLength);
    }
    return size;
}

int TCustomChartAxis::TitleAreaSize() {
    if (m_titleSize != 0) {
        return m_titleSize;
    }
    TChartCanvas& canvas = m_chart.Canvas();
    canvas.AssignFont(m_title.Font());
    if (TextRunsAlongAxis(m_title.Angle())) {
        return canvas.TextLineHeight();
    }
    int width = canvas.MeasureTextWidth(m_title.Caption());
    for (const TAxisTitleBand& band : m_title.Bands()) {
        width = std::max(width, canvas.MeasureTextWidth(band.Text));
    }
    return width;
}

int TCustomChartAxis::LabelsAreaSize() {
    if (m_labelsSize != 0) {
        return m_labelsSize;
    }
    TChartCanvas& canvas = m_chart.Canvas();
    canvas.AssignFont(m_labelsFont);
    if (TextRunsAlongAxis(m_labelsAngle)) {
        return canvas.TextLineHeight();
    }
    switch (ResolveLabelStyle()) {
    case talValue:
        return MaxValueLabelWidth();
    case talText:
    case talMark:
        return MaxSeriesLabelWidth();
    default:
        return 0;
    }
}

int TCustomChartAxis::MaxValueLabelWidth() {
    double low = WorkMinimum();
    double high = WorkMaximum();
    double step = m_increment;
    if ((m_dateTime && m_exactDateTime) || m_roundFirstLabel) {
        step = ComputeLabelStep();
        low = RoundedLabel(WorkMinimum(), step);
        high = RoundedLabel(WorkMaximum(), step);
    }
    TChartCanvas& canvas = m_chart.Canvas();
    canvas.AssignFont(m_labelsFont);
    return std::max(Armalyx::AxisText::Width(canvas, FormatAxisLabel(high, step)),
                    Armalyx::AxisText::Width(canvas, FormatAxisLabel(low, step))) +
           canvas.MeasureTextWidth(QStringLiteral(" "));
}

int TCustomChartAxis::MaxSeriesLabelWidth() {
    TChartCanvas& canvas = m_chart.Canvas();
    canvas.AssignFont(m_labelsFont);
    int widest = 0;
    m_chart.ForEachSeriesPlottedAgainst(*this, [&](const TChartSeries& series) {
        for (std::int32_t i = 0; i < series.PointCount(); ++i) {
            widest = std::max(widest, Armalyx::AxisText::Width(canvas, series.PointLabel(i)));
        }
    });
    return widest;
}

// The title is measured before the labels, so the labels' font is the surface's font afterwards.
void TCustomChartAxis::ReserveAxisSpace(TRect& rect) {
    m_dateTime = ValuesAreDateTime();
    Armalyx::AxisBand::TInput input;
    input.Kind = m_kind;
    input.Rect = rect;
    if (m_title.HasText()) {
        input.TitleSize = TitleAreaSize();
    }
    if (m_labels) {
        input.LabelsSize = LabelsAreaSize();
    }
    input.TickSize = TickAreaSize();
    input.Shift = PositionShift();
    input.TitlePos = m_titlePos;
    input.LabelsPos = m_labelsPos;
    const Armalyx::AxisBand::TBands bands = Armalyx::AxisBand::Reserve(input);
    rect = bands.Rect;
    m_titlePos = bands.TitlePos;
    m_labelsPos = bands.LabelsPos;
}

int TCustomChartAxis::LabelSizeAlongAxis() {
    TChartCanvas& canvas = m_chart.Canvas();
    canvas.AssignFont(m_labelsFont);
    const int lineHeight = canvas.TextLineHeight();
    int size = 0;
    for (const double value : {WorkMaximum(), WorkMinimum()}) {
        const QString text = FormatAxisLabel(value);
        const int stacked = lineHeight * static_cast<int>(text.count(QLatin1Char('\r')) + 1);
        const bool upright = m_labelsAngle == 90 || m_labelsAngle == 270;
        const bool level = m_labelsAngle == 0 || m_labelsAngle == 180;
        const int extent = Horizontal()
                               ? (upright ? stacked : Armalyx::AxisText::Width(canvas, text))
                               : (level ? stacked : Armalyx::AxisText::Width(canvas, text));
        size = std::max(size, extent);
    }
    return size;
}

double TCustomChartAxis::ComputeLabelStep() {
    const std::int32_t count =
        Armalyx::ChartMath::LabelCount(LabelSizeAlongAxis(), m_labelsSeparation, PixelSize());
    return Armalyx::ChartMath::LabelStepForCount(count, m_increment, WorkRange(),
                                                 m_labelsSeparation);
}

void TCustomChartAxis::DrawAxis() {
    m_dateTime = ValuesAreDateTime();
    TAxisPainter(*this, m_chart.Canvas()).Draw();
}
