#include "TChart.h"

TChart::TChart(QWidget* parent) : TCustomChart(parent) {}

TChart::~TChart() = default;

void TChart::SetBackColor(TColor color) {
    BackWall().SetColor(color);
    if (parentWidget() != nullptr && !IsLoading()) {
        BackWall().Brush().SetStyle(TBrushStyle::bsSolid);
    }
}
