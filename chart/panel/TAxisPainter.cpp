#include "TAxisPainter.h"

#include "AxisText.h"
#include "AxisTitleBands.h"
#include "TChartCanvas.h"
#include "TCustomAxisPanel.h"
#include "TCustomChartAxis.h"

#include <cmath>

namespace {
// Beyond this many labels for one range an axis draws no labels at all.
constexpr double kMaxLabels = 10000;
constexpr double kLimitEpsilon = 1e-12;
constexpr double kLimitFactor = 1.000000000001;
} // namespace

void TAxisPainter::Draw() {
    m_canvas.AssignFont(m_axis.m_labelsFont);
    const double step = m_axis.ComputeLabelStep();
    PlaceAxisLine();
    if (m_axis.m_title.ShowsBands(m_axis.WorkMinimum(), m_axis.WorkMaximum())) {
        DrawTitleBands();
    } else if (!m_axis.m_title.Caption().isEmpty()) {
        DrawTitle();
    }
    m_axis.m_tickPositions.clear();
    if (step > 0 && m_axis.WorkMaximum() >= m_axis.WorkMinimum() &&
        m_axis.ResolveLabelStyle() == talValue) {
        ProduceValueLabels(step);
    }
    DrawAxisLine();
    DrawTicks(m_axis.m_ticks, m_axis.m_tickPositions, m_axis.m_tickLength, true);
    DrawGridLines(m_axis.m_grid, GridPositions());
    DrawTicks(m_axis.m_ticksInner, m_axis.m_tickPositions, m_axis.m_tickInnerLength, false);
    const std::vector<std::int32_t> minor = MinorPositions();
    DrawTicks(m_axis.m_minorTicks, minor, m_axis.m_minorTickLength, true);
    DrawGridLines(m_axis.m_minorGrid, minor);
}

void TAxisPainter::PlaceAxisLine() {
    m_axis.m_axisLinePos = Armalyx::ChartMath::AddClamped(m_axis.SideOf(m_axis.m_chart.ChartRect()),
                                                          m_axis.PositionShift());
}

void TAxisPainter::ProduceValueLabels(double step) {
    const double maximum = m_axis.WorkMaximum();
    const double minimum = m_axis.WorkMinimum();
    if (std::fabs(m_axis.WorkRange() / step) >= kMaxLabels) {
        return;
    }
    double value = (minimum == maximum || !m_axis.m_roundFirstLabel)
                       ? maximum
                       : m_axis.RoundedLabel(maximum, step);
    // The counts bound the loops where a step is too small to change a large value.
    for (int round = 0; value > maximum && round < 2; ++round) {
        value = value - step;
    }
    const double limit = (minimum - kLimitEpsilon) / kLimitFactor;
    for (int count = 0; value >= limit && count <= kMaxLabels; ++count) {
        if (!DrawValueLabel(value, step)) {
            return;
        }
        const double next = value - step;
        if (next == value) {
            return;
        }
        value = next;
    }
}

bool TAxisPainter::RecordTick(std::int32_t position) {
    if (m_axis.m_tickPositions.size() >= TCustomChartAxis::kTickCapacity) {
        return false;
    }
    m_axis.m_tickPositions.push_back(position);
    return true;
}

bool TAxisPainter::DrawValueLabel(double value, double step) {
    const std::int32_t p = m_axis.ValueToPixel(value);
    if (!m_axis.m_labelsOnAxis && !(m_axis.PixelStart() < p && p < m_axis.PixelEnd())) {
        return true;
    }
    if (!m_axis.m_tickOnLabelsOnly && !RecordTick(p)) {
        return false;
    }
    if (m_axis.m_labels) {
        if (m_axis.m_tickOnLabelsOnly && !RecordTick(p)) {
            return false;
        }
        WriteLabel(p, m_axis.FormatAxisLabel(value, step));
    }
    return true;
}

void TAxisPainter::WriteLabel(std::int32_t position, const QString& text) {
    SelectTextFont(m_axis.m_labelsFont);
    const bool horizontal = m_axis.Horizontal();
    const int x = horizontal ? position : m_axis.m_labelsPos;
    const int y = horizontal ? m_axis.m_labelsPos : position;
    WriteLines(x, y, m_axis.m_labelsAngle, text);
}

// Labels and titles leave the panel showing around their letters, and stay readable on it under
// a dark desktop theme.
void TAxisPainter::SelectTextFont(const TChartFont& font) {
    m_canvas.AssignFont(font);
    m_canvas.Font().SetColor(Armalyx::ReadableTextColor(font.Color(), m_axis.m_chart.Color()));
    m_canvas.Brush().SetStyle(TBrushStyle::bsClear);
    m_canvas.SetBackMode(TBackMode::bmTransparent);
}

namespace {
TTextAlign AlignmentFor(TAxisKind kind) {
    switch (kind) {
    case TAxisKind::Top:
        return kTextAlignCenter | kTextAlignBottom;
    case TAxisKind::Left:
        return kTextAlignRight | kTextAlignTop;
    case TAxisKind::Right:
        return kTextAlignLeft | kTextAlignTop;
    default:
        return kTextAlignCenter | kTextAlignTop;
    }
}
} // namespace

void TAxisPainter::WriteLines(int x, int y, int angle, const QString& text) {
    const QStringList lines = Armalyx::AxisText::Lines(text);
    const int h = m_canvas.TextLineHeight();
    const int n = static_cast<int>(lines.size());
    m_canvas.SetTextAlignment(AlignmentFor(m_axis.Kind()));
    if (angle != 0) {
        m_canvas.WriteRotatedText3D(x, y, 0, angle, text);
    } else {
        // Anchors of bands with extreme sizes can sit at the ends of the integer range.
        std::int64_t top = y;
        if (!m_axis.Horizontal()) {
            top = top - h / 2 - Armalyx::ChartMath::RoundToInt(h * 0.5 * (n + 1)) + h;
        } else if (m_axis.Kind() == TAxisKind::Top) {
            top -= static_cast<std::int64_t>(n - 1) * h;
        }
        for (const QString& line : lines) {
            m_canvas.WriteText3D(x, Armalyx::ChartMath::AddClamped(top, 0), 0, line);
            top += h;
        }
    }
    m_canvas.SetTextAlignment(kTextAlignLeft | kTextAlignTop);
}

void TAxisPainter::DrawTitle() {
    const TChartAxisTitle& title = m_axis.m_title;
    SelectTextFont(title.Font());
    WriteTitleText(m_axis.PixelCenter(), title.Caption());
}

// Each band's caption one line high under the part of its band in view.
void TAxisPainter::DrawTitleBands() {
    const TChartAxisTitle& title = m_axis.m_title;
    SelectTextFont(title.Font());
    const bool acrossText = !m_axis.Horizontal() && title.Angle() == 0;
    std::vector<Armalyx::AxisTitleBands::TBand> bands;
    for (const TAxisTitleBand& band : title.Bands()) {
        const int size =
            acrossText ? m_canvas.TextLineHeight() : Armalyx::AxisText::Width(m_canvas, band.Text);
        bands.push_back({band.From, band.To, size});
    }
    const auto centres = Armalyx::AxisTitleBands::Centres(m_axis.m_scale, bands);
    for (std::size_t i = 0; i < centres.size(); ++i) {
        if (centres[i]) {
            WriteTitleText(*centres[i], title.Bands()[i].Text);
        }
    }
}

void TAxisPainter::WriteTitleText(std::int32_t center, const QString& text) {
    const TChartAxisTitle& title = m_axis.m_title;
    const int anchor = m_axis.m_titlePos;
    const int angle = title.Angle();
    if (m_axis.Horizontal() || angle == 0) {
        const int x = m_axis.Horizontal() ? center : anchor;
        const int y = m_axis.Horizontal() ? anchor : center;
        WriteLines(x, y, angle, text);
        return;
    }
    // A turned title on a side axis: its lines stack across the axis inside the title band.
    const QStringList lines = Armalyx::AxisText::Lines(text);
    const int h = m_canvas.TextLineHeight();
    const int n = static_cast<int>(lines.size());
    const bool leftSide = m_axis.Kind() == TAxisKind::Left;
    const std::int64_t band = Armalyx::ChartMath::RoundToInt(h * static_cast<double>(n)) - h;
    std::int64_t x = leftSide ? std::int64_t{anchor} - band : std::int64_t{anchor} + band;
    m_canvas.SetTextAlignment(kTextAlignCenter | kTextAlignBottom);
    for (const QString& line : lines) {
        m_canvas.WriteRotatedText3D(Armalyx::ChartMath::AddClamped(x, 0), center, 0, angle, line);
        x += leftSide ? h : -h;
    }
    m_canvas.SetTextAlignment(kTextAlignLeft | kTextAlignTop);
}

void TAxisPainter::DrawAxisLine() {
    if (!m_axis.m_axisPen.Visible()) {
        return;
    }
    m_canvas.ApplyChartPen(m_axis.m_axisPen);
    const int pos = m_axis.m_axisLinePos;
    if (m_axis.Horizontal()) {
        m_canvas.DrawHorizLine3D(m_axis.PixelStart(), m_axis.PixelEnd(), pos, 0);
    } else {
        m_canvas.DrawVertLine3D(pos, m_axis.PixelStart(), m_axis.PixelEnd(), 0);
    }
}

void TAxisPainter::DrawTick(std::int32_t position, int length, bool outwards) {
    // Outwards is down for the bottom axis, up for the top, left for the left, right for the right.
    const bool positive = m_axis.Kind() == TAxisKind::Bottom || m_axis.Kind() == TAxisKind::Right;
    const int sign = (positive == outwards) ? 1 : -1;
    const int from = Armalyx::ChartMath::AddClamped(m_axis.m_axisLinePos, sign);
    const int to = Armalyx::ChartMath::AddClamped(from, static_cast<std::int64_t>(sign) * length);
    if (m_axis.Horizontal()) {
        m_canvas.DrawVertLine3D(position, from, to, 0);
    } else {
        m_canvas.DrawHorizLine3D(from, to, position, 0);
    }
}

void TAxisPainter::DrawTicks(const TChartPen& pen, const std::vector<std::int32_t>& positions,
                             int length, bool outwards) {
    if (!pen.Visible() || positions.empty()) {
        return;
    }
    m_canvas.ApplyChartPen(pen);
    for (const std::int32_t position : positions) {
        DrawTick(position, length, outwards);
    }
}

std::vector<std::int32_t> TAxisPainter::GridPositions() const {
    const std::vector<std::int32_t>& ticks = m_axis.m_tickPositions;
    if (!m_axis.GridIsCentered()) {
        return ticks;
    }
    std::vector<std::int32_t> centred;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        centred.push_back(
            Armalyx::ChartMath::RoundToInt((static_cast<double>(ticks[i]) + ticks[i - 1]) * 0.5));
    }
    return centred;
}

std::vector<std::int32_t> TAxisPainter::MinorPositions() const {
    std::vector<std::int32_t> inside;
    for (const std::int32_t position :
         Armalyx::ChartMath::MinorTickPositions(m_axis.m_tickPositions, m_axis.m_minorTickCount)) {
        if (m_axis.PixelStart() < position && position < m_axis.PixelEnd()) {
            inside.push_back(position);
        }
    }
    return inside;
}

void TAxisPainter::DrawGridLines(const TChartPen& pen, const std::vector<std::int32_t>& positions) {
    if (!pen.Visible() || positions.empty()) {
        return;
    }
    m_canvas.Brush().SetStyle(TBrushStyle::bsClear);
    m_canvas.SetBackMode(TBackMode::bmTransparent);
    m_canvas.ApplyChartPen(pen);
    if (pen.Color() == clUseSeriesColor) {
        m_canvas.Pen().SetColor(clGray);
    }
    const TRect& rect = m_axis.m_chart.ChartRect();
    for (const std::int32_t position : positions) {
        if (m_axis.Horizontal()) {
            m_canvas.DrawVertLine(position, rect.Top, rect.Bottom);
        } else {
            m_canvas.DrawHorizLine(rect.Left, rect.Right, position);
        }
    }
    m_canvas.SetBackMode(TBackMode::bmOpaque);
}
