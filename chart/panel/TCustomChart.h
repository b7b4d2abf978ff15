#pragma once
// Adds the title, foot, legend, the three walls and the inside background picture switch to the
// chart, and draws them in each frame.

#include "TChartLegend.h"
#include "TChartTitle.h"
#include "TChartWall.h"
#include "TCustomAxisPanel.h"

#include <memory>
#include <optional>

class TCustomChart : public TCustomAxisPanel {
    Q_OBJECT

public:
    explicit TCustomChart(QWidget* parent = nullptr);
    ~TCustomChart() override;

    TChartTitle& Title() { return *m_title; }
    TChartTitle& Foot() { return *m_foot; }
    TChartLegend& Legend() { return *m_legend; }
    TChartWall& BackWall() { return *m_backWall; }
    TChartWall& LeftWall() { return *m_leftWall; }
    TChartWall& BottomWall() { return *m_bottomWall; }
    bool BackImageInside() const { return m_backImageInside; }
    void SetBackImageInside(bool inside) { Set(m_backImageInside, inside); }
    // The bottom axis values that the inside picture depicts from its left edge to its right:
    // each column then stays at its value's pixel under any range of the axis, and only the part
    // in view is drawn. Without it the picture is stretched into the plot rectangle.
    const std::optional<TAxisValueSpan>& BackImageAxisSpan() const { return m_backImageAxisSpan; }
    void SetBackImageAxisSpan(const std::optional<TAxisValueSpan>& span) {
        Set(m_backImageAxisSpan, span);
    }

protected:
    TColor BackWallColor() const override { return m_backWall->Color(); }
    // The panel picture is drawn here only when it is not inside the plot rectangle.
    void DrawBackImage(const TRect& bounds) override;
    void DrawWalls() override;
    void DrawTitlesAndLegend() override;

private:
    void DrawInsidePicture(const TRect& rect);

private:
    std::unique_ptr<TChartTitle> m_title;
    std::unique_ptr<TChartTitle> m_foot;
    std::unique_ptr<TChartWall> m_backWall;
    std::unique_ptr<TChartWall> m_leftWall;
    std::unique_ptr<TChartLegend> m_legend;
    std::unique_ptr<TChartWall> m_bottomWall;
    bool m_backImageInside = false;
    std::optional<TAxisValueSpan> m_backImageAxisSpan;
};
