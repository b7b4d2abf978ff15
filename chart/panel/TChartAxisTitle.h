#pragma once
// The caption of an axis with its font and angle, and captions that each belong to a span of the
// axis's values (a year of months, say) and stand under the part of it that is in view.

#include "TChartFont.h"

#include <QString>

#include <optional>
#include <vector>

class TCustomChartAxis;

// A caption for the axis values From to To.
struct TAxisTitleBand {
    double From = 0;
    double To = 0;
    QString Text;

    bool operator==(const TAxisTitleBand&) const = default;
};

// A span of axis values.
struct TAxisValueSpan {
    double Minimum = 0;
    double Maximum = 0;

    bool operator==(const TAxisValueSpan&) const = default;
};

class TChartAxisTitle final {
public:
    TChartAxisTitle(TCustomChartAxis& axis, int angle);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    int Angle() const { return m_angle; }
    void SetAngle(int angle);
    TChartFont& Font() { return m_font; }
    const TChartFont& Font() const { return m_font; }
    void SetFont(const TChartFont& font);
    TCustomChartAxis& Axis() const { return m_axis; }

    // The band captions, drawn one line high in place of the caption.
    const std::vector<TAxisTitleBand>& Bands() const { return m_bands; }
    void SetBands(const std::vector<TAxisTitleBand>& bands);
    // The axis range a caption was written for (spaced by hand to sit under its bands, say):
    // while the axis spans exactly this range the caption is drawn, under any other the bands.
    // Without it a caption is always drawn when there is one.
    const std::optional<TAxisValueSpan>& CaptionRange() const { return m_captionRange; }
    void SetCaptionRange(const std::optional<TAxisValueSpan>& range);

    // Whether the title takes room at all.
    bool HasText() const { return !m_caption.isEmpty() || !m_bands.empty(); }
    // Whether the bands, rather than the caption, are drawn for an axis spanning these values.
    bool ShowsBands(double minimum, double maximum) const;

private:
    TCustomChartAxis& m_axis;
    QString m_caption;
    int m_angle;
    TChartFont m_font;
    std::vector<TAxisTitleBand> m_bands;
    std::optional<TAxisValueSpan> m_captionRange;
};
