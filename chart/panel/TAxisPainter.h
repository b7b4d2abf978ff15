#pragma once
// Draws one axis for one frame: title, value labels with their tick positions, axis line,
// ticks, grid, inner ticks, minor ticks and minor grid, in that order.

#include <QString>

#include <cstdint>
#include <vector>

class TCustomChartAxis;
class TChartCanvas;
class TChartFont;
class TChartPen;

class TAxisPainter final {
public:
    TAxisPainter(TCustomChartAxis& axis, TChartCanvas& canvas) : m_axis(axis), m_canvas(canvas) {}

    void Draw();

private:
    void PlaceAxisLine();
    void DrawTitle();
    void DrawTitleBands();
    // The title's text centred on the pixel along the axis, in the title band.
    void WriteTitleText(std::int32_t center, const QString& text);
    void ProduceValueLabels(double step);
    // Answers false once the tick positions are full, which ends the labelling.
    bool DrawValueLabel(double value, double step);
    bool RecordTick(std::int32_t position);
    void SelectTextFont(const TChartFont& font);
    void WriteLabel(std::int32_t position, const QString& text);
    void WriteLines(int x, int y, int angle, const QString& text);
    void DrawAxisLine();
    // A tick from one pixel off the axis line: outwards for outer and minor ticks.
    void DrawTick(std::int32_t position, int length, bool outwards);
    void DrawTicks(const TChartPen& pen, const std::vector<std::int32_t>& positions, int length,
                   bool outwards);
    void DrawGridLines(const TChartPen& pen, const std::vector<std::int32_t>& positions);
    std::vector<std::int32_t> GridPositions() const;
    std::vector<std::int32_t> MinorPositions() const;

    TCustomChartAxis& m_axis;
    TChartCanvas& m_canvas;
};
