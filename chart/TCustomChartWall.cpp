#include "TCustomChartWall.h"

#include "TCustomChartPanel.h"

TCustomChartWall::TCustomChartWall(TCustomChartPanel& chart, TColor defaultColor)
    : m_chart(chart), m_color(defaultColor), m_defaultColor(defaultColor) {
    m_pen.SetOnChange([this] { Changed(); });
    m_brush.SetOnChange([this] { Changed(); });
}

TCustomChartWall::~TCustomChartWall() = default;

void TCustomChartWall::Changed() {
    m_chart.Invalidate();
}

void TCustomChartWall::SetColor(TColor color) {
    if (color != m_color) {
        m_color = color;
        Changed();
    }
}

void TCustomChartWall::SetDark3D(bool dark) {
    if (dark != m_dark3D) {
        m_dark3D = dark;
        Changed();
    }
}

void TCustomChartWall::SetSize(int size) {
    if (size != m_size) {
        m_size = size;
        Changed();
    }
}
