#include "TChartPen.h"

#include "StoreIfChanged.h"

TChartPen::TChartPen(TColor color, int width, TPenStyle style, bool visible)
    : m_color(color), m_width(width), m_style(style), m_visible(visible) {}

TChartPen::TChartPen(const TChartPen& other)
    : m_color(other.m_color), m_width(other.m_width), m_style(other.m_style), m_mode(other.m_mode),
      m_visible(other.m_visible), m_smallDots(other.m_smallDots) {}

TChartPen& TChartPen::operator=(const TChartPen& other) {
    if (this == &other || SameSettings(other)) {
        return *this;
    }
    m_color = other.m_color;
    m_width = other.m_width;
    m_style = other.m_style;
    m_mode = other.m_mode;
    m_visible = other.m_visible;
    m_smallDots = other.m_smallDots;
    Changed();
    return *this;
}

bool TChartPen::SameSettings(const TChartPen& other) const {
    return m_color == other.m_color && m_width == other.m_width && m_style == other.m_style &&
           m_mode == other.m_mode && m_visible == other.m_visible &&
           m_smallDots == other.m_smallDots;
}

void TChartPen::SetColor(TColor value) {
    if (Armalyx::StoreIfChanged(m_color, value)) {
        Changed();
    }
}

void TChartPen::SetWidth(int value) {
    if (Armalyx::StoreIfChanged(m_width, value)) {
        Changed();
    }
}

void TChartPen::SetStyle(TPenStyle value) {
    if (Armalyx::StoreIfChanged(m_style, value)) {
        Changed();
    }
}

void TChartPen::SetMode(TPenMode value) {
    if (Armalyx::StoreIfChanged(m_mode, value)) {
        Changed();
    }
}

void TChartPen::SetVisible(bool value) {
    if (Armalyx::StoreIfChanged(m_visible, value)) {
        Changed();
    }
}

void TChartPen::SetSmallDots(bool value) {
    if (Armalyx::StoreIfChanged(m_smallDots, value)) {
        Changed();
    }
}

void TChartPen::Changed() const {
    if (m_onChange) {
        m_onChange();
    }
}
