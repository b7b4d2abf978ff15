#include "TChartBrush.h"

#include "StoreIfChanged.h"

TChartBrush& TChartBrush::operator=(const TChartBrush& other) {
    const bool colorChanged = Armalyx::StoreIfChanged(m_color, other.m_color);
    const bool styleChanged = Armalyx::StoreIfChanged(m_style, other.m_style);
    if (colorChanged || styleChanged) {
        Changed();
    }
    return *this;
}

void TChartBrush::SetColor(TColor value) {
    if (Armalyx::StoreIfChanged(m_color, value)) {
        Changed();
    }
}

void TChartBrush::SetStyle(TBrushStyle value) {
    if (Armalyx::StoreIfChanged(m_style, value)) {
        Changed();
    }
}

void TChartBrush::Changed() const {
    if (m_onChange) {
        m_onChange();
    }
}
