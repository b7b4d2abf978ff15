#pragma once
// An axis of the chart: its published settings, the working range and pixel span of one paint,
// the value/pixel mapping, label steps and the room and drawing of title, labels and ticks.

#include "ChartMath.h"
#include "StoreIfChanged.h"
#include "TChartAxisTitle.h"
#include "TChartGeometry.h"
#include "TRepaintHost.h"
#include "TSeriesAxis.h"

#include "TChartFont.h"
#include "TChartPen.h"
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class TCustomAxisPanel;

enum class TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
using enum TAxisLabelStyle;

// The settings that decide an axis's range, kept so that a view can be brought back later.
struct TAxisRange {
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;

    bool operator==(const TAxisRange&) const = default;
};

class TCustomChartAxis : public TSeriesAxis, public TRepaintHost {
public:
    // Room for tick positions of one drawing; labelling stops when it is full.
    static constexpr std::size_t kTickCapacity = 2000;

    TCustomChartAxis(TCustomAxisPanel& chart, TAxisKind kind);
    virtual ~TCustomChartAxis();
    TCustomChartAxis(const TCustomChartAxis&) = delete;
    TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

    TAxisKind Kind() const final { return m_kind; }
    bool Horizontal() const { return m_kind == TAxisKind::Bottom || m_kind == TAxisKind::Top; }
    bool FarSide() const;
    TCustomAxisPanel& Chart() const { return m_chart; }
    // Repaints the chart after a setting changed.
    void RequestRepaint() final;

    bool Automatic() const { return m_automatic; }
    void SetAutomatic(bool automatic);
    bool AutomaticMaximum() const { return m_automaticMaximum; }
    void SetAutomaticMaximum(bool automatic);
    bool AutomaticMinimum() const { return m_automaticMinimum; }
    void SetAutomaticMinimum(bool automatic);
    double Maximum() const { return m_maximum; }
    void SetMaximum(double value);
    double Minimum() const { return m_minimum; }
    void SetMinimum(double value);
    double Increment() const { return m_increment; }
    void SetIncrement(double value);
    TAxisLabelStyle LabelStyle() const { return m_labelStyle; }
    void SetLabelStyle(TAxisLabelStyle style);
    bool Labels() const { return m_labels; }
    void SetLabels(bool labels);
    int LabelsAngle() const { return m_labelsAngle; }
    void SetLabelsAngle(int angle);
    TChartFont& LabelsFont() { return m_labelsFont; }
    const TChartFont& LabelsFont() const { return m_labelsFont; }
    void SetLabelsFont(const TChartFont& font);
    bool LabelsOnAxis() const { return m_labelsOnAxis; }
    void SetLabelsOnAxis(bool onAxis);
    int LabelsSeparation() const { return m_labelsSeparation; }
    void SetLabelsSeparation(int percent);
    int LabelsSize() const { return m_labelsSize; }
    void SetLabelsSize(int size);
    bool LabelsMultiLine() const { return m_labelsMultiLine; }
    void SetLabelsMultiLine(bool multiLine);
    const QString& AxisValuesFormat() const { return m_axisValuesFormat; }
    void SetAxisValuesFormat(const QString& format);
    bool RoundFirstLabel() const { return m_roundFirstLabel; }
    void SetRoundFirstLabel(bool round);
    // Value labels in words: the text for a label's value, given the step between labels (a
    // month number written as a date, say). Without it the value is written as a number.
    using TLabelText = std::function<QString(double value, double step)>;
    void SetLabelText(TLabelText text);
    // The value the rounded labels are counted from: they stand at origin + k x step (0: at the
    // step's multiples).
    double LabelOrigin() const { return m_labelOrigin; }
    void SetLabelOrigin(double origin);
    bool ExactDateTime() const { return m_exactDateTime; }
    void SetExactDateTime(bool exact);
    int TickLength() const { return m_tickLength; }
    void SetTickLength(int length);
    int TickInnerLength() const { return m_tickInnerLength; }
    void SetTickInnerLength(int length);
    int MinorTickLength() const { return m_minorTickLength; }
    void SetMinorTickLength(int length);
    int MinorTickCount() const { return m_minorTickCount; }
    void SetMinorTickCount(int count);
    bool TickOnLabelsOnly() const { return m_tickOnLabelsOnly; }
    void SetTickOnLabelsOnly(bool onLabelsOnly);
    int TitleSize() const { return m_titleSize; }
    void SetTitleSize(int size);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Inverted() const final { return m_inverted; }
    void SetInverted(bool inverted);
    double StartPosition() const { return m_startPosition; }
    void SetStartPosition(double percent);
    double EndPosition() const { return m_endPosition; }
    void SetEndPosition(double percent);
    double PositionPercent() const { return m_positionPercent; }
    void SetPositionPercent(double percent);
    TChartPen& Ticks() { return m_ticks; }
    TChartPen& TicksInner() { return m_ticksInner; }
    TChartPen& MinorTicks() { return m_minorTicks; }
    TChartPen& Grid() { return m_grid; }
    TChartPen& MinorGrid() { return m_minorGrid; }
    TChartPen& Axis() { return m_axisPen; }
    TChartAxisTitle& Title() { return m_title; }
    const TChartAxisTitle& Title() const { return m_title; }

    // Working state of the current paint.
    double WorkMinimum() const { return m_scale.WorkMinimum; }
    double WorkMaximum() const { return m_scale.WorkMaximum; }
    double WorkRange() const { return m_scale.WorkRange(); }
    std::int32_t PixelStart() const { return m_scale.PixelStart; }
    std::int32_t PixelEnd() const { return m_scale.PixelEnd; }
    std::int32_t PixelSize() const { return m_scale.PixelSize(); }
    std::int32_t PixelCenter() const { return m_scale.PixelCenter(); }
    // The working range and pixel span together, as the mapping uses them.
    const Armalyx::ChartMath::TAxisScale& Scale() const { return m_scale; }
    std::int32_t AxisLinePos() const { return m_axisLinePos; }
    std::int32_t LabelsPos() const { return m_labelsPos; }
    std::int32_t TitlePos() const { return m_titlePos; }
    const std::vector<std::int32_t>& TickPositions() const { return m_tickPositions; }

    void ResetAxisRange();
    // Moves the rectangle's side of this axis inwards by the room of title, labels and ticks.
    void ReserveAxisSpace(TRect& rect);
    double ComputeLabelStep();
    void DrawAxis();
    int TickAreaSize() const;
    void UpdatePixelSpan();
    void AdjustRangeForMargins(int startMargin, int endMargin);
    std::int32_t ValueToPixel(double value) const {
        return Armalyx::ChartMath::ValueToPixel(m_scale, value);
    }
    std::int32_t ValueToPixelBeyondEdges(double value, std::int32_t farPixel) const final {
        return Armalyx::ChartMath::ValueToPixelBeyondEdges(m_scale, value, farPixel);
    }
    double PixelToValue(std::int32_t pixel) const final {
        return Armalyx::ChartMath::PixelToValue(m_scale, pixel);
    }
    TAxisLabelStyle ResolveLabelStyle() const;
    QString FormatAxisLabel(double value) const;
    QString FormatAxisLabel(double value, double step) const;
    // The first rounded label at or below the value.
    double RoundedLabel(double value, double step) const;
    void ScrollAxis(double delta);
    TAxisRange Range() const;
    // Sets both ends and the automatic switches at once, so that no order of the two ends can
    // trip the check that the minimum stays at or below the maximum.
    void SetRange(const TAxisRange& range);
    // Shows the values minimum to maximum with both ends fixed, as a zoom does.
    void ShowFixedRange(double minimum, double maximum);

    // Sets the working range directly; for layout code and tests that need a mapped axis.
    void SetWorkRange(double minimum, double maximum);

protected:
    template <typename T> void Set(T& field, const T& value) {
        Armalyx::StoreAndRepaint(field, value, [this] { RequestRepaint(); });
    }

    // Whether grid lines go between the ticks instead of on them.
    virtual bool GridIsCentered() const { return false; }

private:
    friend class TAxisPainter;

    bool IsLoading() const;
    bool TextRunsAlongAxis(int angle) const;
    int SideOf(const TRect& rect) const;
    int PositionShift() const;
    int TitleAreaSize();
    int LabelsAreaSize();
    int MaxValueLabelWidth();
    int MaxSeriesLabelWidth();
    int LabelSizeAlongAxis();
    bool ValuesAreDateTime() const;

    TCustomAxisPanel& m_chart;
    TAxisKind m_kind;

    bool m_automatic = true;
    bool m_automaticMaximum = true;
    bool m_automaticMinimum = true;
    double m_maximum = 0;
    double m_minimum = 0;
    double m_increment = 0;
    TAxisLabelStyle m_labelStyle = talAuto;
    bool m_labels = true;
    int m_labelsAngle = 0;
    TChartFont m_labelsFont;
    bool m_labelsOnAxis = true;
    int m_labelsSeparation = 10;
    int m_labelsSize = 0;
    bool m_labelsMultiLine = false;
    QString m_axisValuesFormat = QStringLiteral("#,##0.###");
    bool m_roundFirstLabel = true;
    TLabelText m_labelText;
    double m_labelOrigin = 0;
    bool m_exactDateTime = true;
    int m_tickLength = 4;
    int m_tickInnerLength = 0;
    int m_minorTickLength = 2;
    int m_minorTickCount = 3;
    bool m_tickOnLabelsOnly = true;
    int m_titleSize = 0;
    bool m_visible = true;
    bool m_inverted = false;
    double m_startPosition = 0;
    double m_endPosition = 100;
    double m_positionPercent = 0;
    TChartAxisTitle m_title;
    TDarkGrayPen m_ticks;
    TDarkGrayPen m_ticksInner;
    TDarkGrayPen m_minorTicks;
    TDottedGrayPen m_grid;
    TChartHiddenPen m_minorGrid;
    TChartAxisPen m_axisPen;

    Armalyx::ChartMath::TAxisScale m_scale;
    std::vector<std::int32_t> m_tickPositions;
    std::int32_t m_axisLinePos = 0;
    std::int32_t m_labelsPos = 0;
    std::int32_t m_titlePos = 0;
    bool m_dateTime = false;
};
