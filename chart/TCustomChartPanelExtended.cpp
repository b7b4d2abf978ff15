#include "TCustomChartPanelExtended.h"

TCustomChartPanelExtended::TCustomChartPanelExtended(QWidget* parent) : TCustomChartPanel(parent) {}

TCustomChartPanelExtended::~TCustomChartPanelExtended() = default;
