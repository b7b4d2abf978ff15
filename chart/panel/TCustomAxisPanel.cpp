#include "TCustomAxisPanel.h"

#include "ChartLayout.h"
#include "TChartCanvas.h"
#include "TSeriesGroupGuard.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
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

TSeriesAxis& TCustomAxisPanel::HorizSeriesAxis(THorizAxis setting) {
    return setting == aTopAxis ? TopAxis() : BottomAxis();
}

TSeriesAxis& TCustomAxisPanel::VertSeriesAxis(TVertAxis setting) {
    return setting == aRightAxis ? RightAxis() : LeftAxis();
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
    return Armalyx::ChartLayout::ColorForNewSeries(used, Color(), BackWallColor());
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

void TCustomAxisPanel::InternalDraw(const TRect& bounds) {
    PaintPanel(bounds);
    for (const auto& series : m_seriesList) {
        if (series->Active()) {
            series->PrepareForDrawing();
        }
    }
    DrawTitlesAndLegend();
    CalcAxisRect();
    CalcSeriesRect();
    Canvas().SetupProjection(0, bounds, ChartRect());
    DrawWalls();
    for (TCustomChartAxis* axis : m_axisList) {
        if (IsAxisShown(*axis)) {
            axis->DrawAxis();
        }
    }
    int position = 0;
    for (const auto& series : m_seriesList) {
        ++position;
        if (series->Active()) {
            DrawSeries(*series, position);
        }
    }
    Canvas().ResetDrawingState();
}

void TCustomAxisPanel::CalcAxisRect() {
    for (TCustomChartAxis* axis : m_axisList) {
        axis->ResetAxisRange();
    }
    RecalcWidthHeight();
    TRect working = ChartRect();
    for (TCustomChartAxis* axis : m_axisList) {
        if (!IsAxisShown(*axis)) {
            continue;
        }
        TRect reduced = working;
        axis->ReserveAxisSpace(reduced);
        const TRect common = working.Intersected(reduced);
        if (!common.IsEmpty()) {
            working = common;
        }
    }
    SetChartRect(working);
    RecalcWidthHeight();
    for (TCustomChartAxis* axis : m_axisList) {
        axis->UpdatePixelSpan();
    }
}

TSeriesMargins TCustomAxisPanel::MarginsFor(const TCustomChartAxis& axis) const {
    TSeriesMargins result;
    ForEachSeriesPlottedAgainst(axis, [&](const TChartSeries& series) {
        const TSeriesMargins asked =
            axis.Horizontal() ? series.RequestHorizMargins() : series.RequestVertMargins();
        result.Start = std::max(result.Start, asked.Start);
        result.End = std::max(result.End, asked.End);
    });
    // Margins widen automatic ends only: left/bottom follow the minimum, right/top the maximum.
    if (axis.Horizontal()) {
        result.Start = axis.AutomaticMinimum() ? result.Start : 0;
        result.End = axis.AutomaticMaximum() ? result.End : 0;
    } else {
        result.Start = axis.AutomaticMaximum() ? result.Start : 0;
        result.End = axis.AutomaticMinimum() ? result.End : 0;
    }
    return result;
}

void TCustomAxisPanel::CalcSeriesRect() {
    for (TCustomChartAxis* axis : {static_cast<TCustomChartAxis*>(m_topAxis.get()),
                                   static_cast<TCustomChartAxis*>(m_leftAxis.get()),
                                   static_cast<TCustomChartAxis*>(m_rightAxis.get()),
                                   static_cast<TCustomChartAxis*>(m_bottomAxis.get())}) {
        const TSeriesMargins margins = MarginsFor(*axis);
        axis->AdjustRangeForMargins(margins.Start, margins.End);
    }
}

void TCustomAxisPanel::DrawSeries(TChartSeries& series, int position) {
    series.UpdateVisibleRange();
    if (series.FirstVisibleIndex() < 0) {
        return;
    }
    if (series.BeforeDrawValues) {
        series.BeforeDrawValues(series);
    }
    {
        // The curve as one named group in vector output; marks, drawn unclipped, stay outside.
        const Armalyx::TSeriesGroupGuard group(Canvas(), position, series.Title());
        if (m_clipPoints) {
            Canvas().ClipToCube(ChartRect(), 0, 0);
        }
        series.DrawVisiblePoints();
        if (m_clipPoints) {
            Canvas().RemoveClip();
        }
    }
    if (series.MarksVisible()) {
        series.DrawMarks();
    }
    if (series.AfterDrawValues) {
        series.AfterDrawValues(series);
    }
}

namespace {
// One notch of a usual mouse wheel.
constexpr int kWheelStep = 120;
constexpr double kWheelShare = 3 * 0.01;
constexpr double kZoomFactorPerStep = 1.25;
constexpr double kSmallestZoomSpan = 1e-6;

TPoint PixelOf(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    return {p.x(), p.y()};
}
} // namespace

void TCustomAxisPanel::ScrollVerticalAxes(int steps) {
    for (int i = 0; i < std::abs(steps); ++i) {
        for (TCustomChartAxis* axis : m_axisList) {
            if (!axis->Horizontal()) {
                const double delta = (axis->Maximum() - axis->Minimum()) * kWheelShare;
                axis->ScrollAxis(steps > 0 ? delta : -delta);
            }
        }
    }
}

void TCustomAxisPanel::ZoomAxes(TZoomDirection direction, int steps, TPoint about) {
    const double factor = std::pow(kZoomFactorPerStep, steps);
    for (TCustomChartAxis* axis : m_axisList) {
        if (axis->Kind() == TAxisKind::Depth ||
            axis->Horizontal() != (direction == TZoomDirection::Horizontal)) {
            continue;
        }
        const double centre = axis->PixelToValue(axis->Horizontal() ? about.X : about.Y);
        const double minimum = centre - (centre - axis->Minimum()) * factor;
        const double maximum = centre + (axis->Maximum() - centre) * factor;
        // A range too narrow or too wide to draw is left as it is.
        if (!(maximum - minimum > kSmallestZoomSpan) || !std::isfinite(maximum - minimum)) {
            continue;
        }
        axis->ShowFixedRange(minimum, maximum);
    }
}

void TCustomAxisPanel::PanAxes(TPoint from, TPoint to) {
    const TPanningMode mode = AllowPanning();
    for (TCustomChartAxis* axis : m_axisList) {
        if (axis->Kind() == TAxisKind::Depth) {
            continue;
        }
        const bool horizontal = axis->Horizontal();
        if ((horizontal && mode != pmHorizontal && mode != pmBoth) ||
            (!horizontal && mode != pmVertical && mode != pmBoth)) {
            continue;
        }
        const int oldPixel = horizontal ? from.X : from.Y;
        const int newPixel = horizontal ? to.X : to.Y;
        if (oldPixel != newPixel) {
            axis->ScrollAxis(axis->PixelToValue(oldPixel) - axis->PixelToValue(newPixel));
        }
    }
}

std::vector<TAxisRange> TCustomAxisPanel::AxisRanges() const {
    std::vector<TAxisRange> ranges;
    for (const TCustomChartAxis* axis : m_axisList) {
        ranges.push_back(axis->Range());
    }
    return ranges;
}

void TCustomAxisPanel::RestoreAxisRanges(const std::vector<TAxisRange>& ranges) {
    if (ranges.size() != m_axisList.size()) {
        return;
    }
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        m_axisList[i]->SetRange(ranges[i]);
    }
}

void TCustomAxisPanel::wheelEvent(QWheelEvent* event) {
    // Ctrl zooms the vertical axes, Shift the horizontal ones, about the mouse position; some
    // desktops turn a wheel with Shift into a sideways one.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & (Qt::ControlModifier | Qt::ShiftModifier)) {
        const QPoint angle = event->angleDelta();
        m_zoomRemainder -= angle.y() != 0 ? angle.y() : angle.x();
        const int steps = m_zoomRemainder / kWheelStep;
        m_zoomRemainder -= steps * kWheelStep;
        if (steps != 0) {
            const QPoint at = event->position().toPoint();
            ZoomAxes((modifiers & Qt::ControlModifier) ? TZoomDirection::Vertical
                                                       : TZoomDirection::Horizontal,
                     steps, TPoint{at.x(), at.y()});
        }
        event->accept();
        return;
    }
    // Downwards turns report negative angles; high-resolution wheels add up to whole steps.
    m_wheelRemainder -= event->angleDelta().y();
    const int steps = m_wheelRemainder / kWheelStep;
    m_wheelRemainder -= steps * kWheelStep;
    if (steps != 0) {
        ScrollVerticalAxes(steps);
    }
    event->accept();
}

void TCustomAxisPanel::mousePressEvent(QMouseEvent* event) {
    const TPoint at = PixelOf(*event);
    if (event->button() == Qt::RightButton && AllowPanning() != pmNone && ActiveSeriesCount() > 0 &&
        ChartRect().Contains(at)) {
        m_panning = true;
        m_panFrom = at;
    }
    QWidget::mousePressEvent(event);
}

void TCustomAxisPanel::mouseMoveEvent(QMouseEvent* event) {
    if (m_panning) {
        const TPoint at = PixelOf(*event);
        if (!ChartRect().Contains(at)) {
            m_panning = false;
        } else if (!(at == m_panFrom)) {
            PanAxes(m_panFrom, at);
            m_panFrom = at;
        }
    }
    QWidget::mouseMoveEvent(event);
}

void TCustomAxisPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        m_panning = false;
    }
    QWidget::mouseReleaseEvent(event);
}
