#include "TChart.h"

TChart::TChart(QWidget* parent) : TCustomChart(parent) {}

TChart::~TChart() = default;
