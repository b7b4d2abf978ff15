#include "TCustomChartWall.h"

#include "StoreIfChanged.h"

TCustomChartWall::TCustomChartWall(TRepaintHost& chart, TColor defaultColor)
    : m_chart(chart), m_color(defaultColor), m_defaultColor(defaultColor) {
    m_pen.SetOnChange([this] { RequestRepaint(); });
    m_brush.SetOnChange([this] { RequestRepaint(); });
}

TCustomChartWall::~TCustomChartWall() = default;

void TCustomChartWall::RequestRepaint() {
    m_chart.RequestRepaint();
}

void TCustomChartWall::SetColor(TColor color) {
    Armalyx::StoreAndRepaint(m_color, color, [this] { RequestRepaint(); });
}

void TCustomChartWall::SetDark3D(bool dark) {
    Armalyx::StoreAndRepaint(m_dark3D, dark, [this] { RequestRepaint(); });
}

void TCustomChartWall::SetSize(int size) {
    Armalyx::StoreAndRepaint(m_size, size, [this] { RequestRepaint(); });
}
