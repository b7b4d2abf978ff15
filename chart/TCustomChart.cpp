#include "TCustomChart.h"

#include <QPainter>

namespace {
constexpr TColor kLeftWallColor = 0x0080FFFF;
} // namespace

TCustomChart::TCustomChart(QWidget* parent)
    : TCustomAxisPanel(parent), m_backWall(std::make_unique<TChartWall>(*this, clUseSeriesColor)),
      m_leftWall(std::make_unique<TChartWall>(*this, kLeftWallColor)),
      m_bottomWall(std::make_unique<TChartWall>(*this, clWhite)) {}

TCustomChart::~TCustomChart() = default;

void TCustomChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
}
