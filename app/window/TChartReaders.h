#pragma once
// What reads a chart's curves to the user besides the picture: the mouse's tooltip, the
// keyboard's month cursor and what a screen reader is told (the summary and the table of
// numbers, announced again when the curves change). Every chart of the curves has its own.

#include <memory>

class TChart;
class TChartHover;
class TChartMonthCursor;
class TChartNarrator;

namespace Armalyx {

class TChart1Curves;

class TChartReaders final {
public:
    // The curves and their chart outlive the readers.
    explicit TChartReaders(const TChart1Curves& curves);
    ~TChartReaders();
    TChartReaders(const TChartReaders&) = delete;
    TChartReaders& operator=(const TChartReaders&) = delete;

private:
    std::unique_ptr<TChartHover> m_hover;
    std::unique_ptr<TChartMonthCursor> m_monthCursor;
    std::unique_ptr<TChartNarrator> m_narrator;
};

} // namespace Armalyx
