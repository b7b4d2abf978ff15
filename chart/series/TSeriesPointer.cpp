#include "TSeriesPointer.h"

#include "ChartException.h"
#include "TChartSeries.h"

namespace {
void CheckPointerSize(int size) {
    if (size < 1) {
        throw ChartException(QStringLiteral("Pointer size must be greater than zero"));
    }
}
} // namespace

TSeriesPointer::TSeriesPointer(TChartSeries& owner) : m_owner(owner) {
    m_pen.SetOnChange([this] { RequestRepaint(); });
    m_brush.SetOnChange([this] { RequestRepaint(); });
}

void TSeriesPointer::SetHorizSize(int size) {
    CheckPointerSize(size);
    Set(m_horizSize, size);
}

void TSeriesPointer::SetVertSize(int size) {
    CheckPointerSize(size);
    Set(m_vertSize, size);
}

void TSeriesPointer::RequestRepaint() const {
    m_owner.RequestRepaint();
}
