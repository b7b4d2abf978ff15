#pragma once
// A chart part with a font of its own (titles, legend). It refers to its chart, and any change to
// its font asks the chart to repaint.

#include "StoreIfChanged.h"
#include "TChartFont.h"

class TCustomChart;

// The chart's default font name and size, as the program's string table gives them.
inline const QString kChartDefaultFontName = QStringLiteral("Arial");
constexpr int kChartDefaultFontSize = 8;

class TChartFontObject {
public:
    TChartFontObject(TCustomChart& chart, TColor fontColor);
    virtual ~TChartFontObject() = default;
    TChartFontObject(const TChartFontObject&) = delete;
    TChartFontObject& operator=(const TChartFontObject&) = delete;

    const TChartFont& Font() const { return m_font; }
    TChartFont& Font() { return m_font; }
    // Copies the given font's settings; the chart repaints when they differ.
    void SetFont(const TChartFont& font) { m_font = font; }

    TCustomChart& ParentChart() const { return m_chart; }

protected:
    // Asks the chart to draw again.
    void RequestRepaint() const;
    // Stores a different value and asks the chart to draw again; an equal value does nothing.
    template <typename T, typename U> void Set(T& field, const U& value) {
        Armalyx::StoreAndRepaint(field, value, [this] { RequestRepaint(); });
    }

private:
    TCustomChart& m_chart;
    TChartFont m_font;
};
