#pragma once
// Where a title's box and lines go and how much of the plot rectangle it takes, worked out from
// measured text sizes alone: the title measures its lines, lays them out here, then draws them.

#include "TChartGeometry.h"

#include <vector>

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

enum class TTitlePlace { tpTop, tpFoot };

namespace Armalyx::TitleLayout {

// The gap between a title and the plot.
inline constexpr int kTitleGap = 5;

struct TInput {
    TRect ChartRect;
    TTitlePlace Place = TTitlePlace::tpTop;
    int FontH = 0;
    int FrameWidth = 0; // 0 when no frame is drawn
    int WidthOfW = 0;   // the text width of "W", the margin beside justified lines
    TAlignment Alignment = taCenter;
    bool AdjustFrame = true;
    bool BoxShown = false;       // a frame or a background is drawn behind the lines
    std::vector<int> LineWidths; // in text order
};

struct TLine {
    int Index = 0; // into the title's lines
    TPoint TopLeft;

    bool operator==(const TLine&) const = default;
};

struct TLayout {
    TRect TitleRect;          // the box behind the lines, frame included
    std::vector<TLine> Lines; // in drawing order
    TRect ChartRect;          // the plot rectangle that is left

    bool operator==(const TLayout&) const = default;
};

TLayout LayOut(const TInput& input);

} // namespace Armalyx::TitleLayout
