#include "TPrintedChart.h"

#include "ChartExport.h"
#include "TChart1Curves.h"

#include <TChart.h>

#include <algorithm>
#include <cmath>

namespace Armalyx {

namespace {

int ChartPixels(double cm) {
    const double pixels = cm / ChartExport::kCentimetresPerInch * TPrintedChart::kLayoutDotsPerInch;
    return std::max(1, static_cast<int>(std::lround(pixels)));
}

} // namespace

TPrintedChart::TPrintedChart(const TAvailabilityStudy& study, const TStudyView& view,
                             double widthCm, double heightCm, const PrintLayout::TStyle& style,
                             TPrintPictures& pictures)
    : m_sizeCm(widthCm, heightCm > 0 ? heightCm : widthCm * kPrintProportion),
      m_chart(std::make_unique<TChart>()) {
    m_chart->setObjectName(QStringLiteral("PrintedChart"));
    m_chart->resize(ChartPixels(m_sizeCm.width()), ChartPixels(m_sizeCm.height()));
    m_curves = std::make_unique<TChart1Curves>(*m_chart, study);
    m_curves->Fill();
    m_curves->ShowView(view);
    PrintLayout::Apply(*m_chart, m_curves->Series(), style, pictures);
}

TPrintedChart::~TPrintedChart() = default;

} // namespace Armalyx
