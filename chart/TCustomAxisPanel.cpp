#include "TCustomAxisPanel.h"

#include "ChartLayout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent)
    : TCustomChartPanelExtended(parent),
      m_bottomAxis(std::make_unique<TChartAxis>(*this, TAxisKind::Bottom)),
      m_topAxis(std::make_unique<TChartAxis>(*this, TAxisKind::Top)),
      m_leftAxis(std::make_unique<TChartAxis>(*this, TAxisKind::Left)),
      m_rightAxis(std::make_unique<TChartAxis>(*this, TAxisKind::Right)),
      m_depthAxis(std::make_unique<TChartDepthAxis>(*this)), m_axisList{m_bottomAxis.get(),
                                                                        m_topAxis.get(),
                                                                        m_leftAxis.get(),
                                                                        m_rightAxis.get(),
                                                                        m_depthAxis.get()} {}

TCustomAxisPanel::~TCustomAxisPanel() {
    // Series leave quietly: the chart is going away and must not be asked to repaint.
    for (auto& series : m_seriesList) {
        series->AttachToChart(nullptr);
    }
    m_seriesList.clear();
}

TChartSeries& TCustomAxisPanel::AddSeries(std::unique_ptr<TChartSeries> series) {
    if (!series) {
        throw std::invalid_argument("AddSeries needs a series");
    }
    series->AttachToChart(this);
    if (series->SeriesColor() == clUseSeriesColor) {
        series->m_seriesColor = ColorForNewSeries();
    }
    m_seriesList.push_back(std::move(series));
    Invalidate();
    return *m_seriesList.back();
}

std::unique_ptr<TChartSeries> TCustomAxisPanel::RemoveSeries(TChartSeries& series) {
    const auto found = std::find_if(m_seriesList.begin(), m_seriesList.end(),
                                    [&](const auto& owned) { return owned.get() == &series; });
    if (found == m_seriesList.end()) {
        return nullptr;
    }
    std::unique_ptr<TChartSeries> removed = std::move(*found);
    m_seriesList.erase(found);
    removed->AttachToChart(nullptr);
    Invalidate();
    return removed;
}

TChartSeries& TCustomAxisPanel::Series(int index) {
    if (index < 0 || index >= SeriesCount()) {
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    }
    return *m_seriesList[static_cast<std::size_t>(index)];
}

int TCustomAxisPanel::ActiveSeriesCount() const {
    return static_cast<int>(std::count_if(m_seriesList.begin(), m_seriesList.end(),
                                          [](const auto& series) { return series->Active(); }));
}

TColor TCustomAxisPanel::ColorForNewSeries() const {
    std::vector<TColor> used;
    used.reserve(m_seriesList.size());
    for (const auto& series : m_seriesList) {
        used.push_back(series->SeriesColor());
    }
    return ChartLayout::ColorForNewSeries(used, Color(), BackWallColor());
}

bool TCustomAxisPanel::IsAxisShown(const TCustomChartAxis& axis) const {
    if (!m_axisVisible || !axis.Visible()) {
        return false;
    }
    if (axis.Kind() == TAxisKind::Depth) {
        return View3D();
    }
    bool anyUsesAxes = false;
    for (const auto& series : m_seriesList) {
        if (!series->Active() || !series->UsesAxes()) {
            continue;
        }
        anyUsesAxes = true;
        if (series->IsPlottedAgainst(axis)) {
            return true;
        }
    }
    return !anyUsesAxes;
}
