#include "TChartAxisTitle.h"

#include "ChartFonts.h"
#include "TCustomChartAxis.h"

TChartAxisTitle::TChartAxisTitle(TCustomChartAxis& axis, int angle)
    : m_axis(axis), m_angle(angle), m_font(Armalyx::ChartFonts::DefaultFont()) {
    m_font.SetOnChange([this] { m_axis.RequestRepaint(); });
}

void TChartAxisTitle::SetCaption(const QString& caption) {
    if (caption != m_caption) {
        m_caption = caption;
        m_axis.RequestRepaint();
    }
}

void TChartAxisTitle::SetAngle(int angle) {
    if (angle != m_angle) {
        m_angle = angle;
        m_axis.RequestRepaint();
    }
}

void TChartAxisTitle::SetFont(const TChartFont& font) {
    if (!font.SameSettings(m_font)) {
        m_font = font;
    }
}

void TChartAxisTitle::SetBands(const std::vector<TAxisTitleBand>& bands) {
    if (bands != m_bands) {
        m_bands = bands;
        m_axis.RequestRepaint();
    }
}

void TChartAxisTitle::SetCaptionRange(const std::optional<TAxisValueSpan>& range) {
    if (range != m_captionRange) {
        m_captionRange = range;
        m_axis.RequestRepaint();
    }
}

bool TChartAxisTitle::ShowsBands(double minimum, double maximum) const {
    if (m_bands.empty()) {
        return false;
    }
    if (m_caption.isEmpty()) {
        return true;
    }
    return m_captionRange && !(*m_captionRange == TAxisValueSpan{minimum, maximum});
}
