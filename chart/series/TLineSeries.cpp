#include "TLineSeries.h"

TLineSeries::TLineSeries() {
    SetDrawsLines(true);
    Pointer().SetVisible(false);
}

TLineSeries::~TLineSeries() = default;
