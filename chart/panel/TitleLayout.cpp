#include "TitleLayout.h"

#include <algorithm>

namespace Armalyx::TitleLayout {
namespace {

// The box spans the plot's width inside the frame; its far edge starts kTitleGap behind its near
// edge, so that a title without lines takes no room.
TRect TextBox(const TInput& input) {
    const TRect& chart = input.ChartRect;
    const int fw = input.FrameWidth;
    TRect box{chart.Left + fw, 0, chart.Right - fw, 0};
    if (input.Place == TTitlePlace::tpTop) {
        box.Top = chart.Top + fw;
        box.Bottom = box.Top - kTitleGap;
    } else {
        box.Bottom = chart.Bottom - fw;
        box.Top = box.Bottom + kTitleGap;
    }
    return box;
}

// Narrowed to the widest line and a W's width when AdjustFrame is on.
void NarrowToLines(const TInput& input, TRect& rect) {
    const int widest = input.LineWidths.empty()
                           ? 0
                           : *std::max_element(input.LineWidths.begin(), input.LineWidths.end());
    const int maxW = widest + input.WidthOfW;
    switch (input.Alignment) {
    case taLeftJustify:
        rect.Right = rect.Left + maxW;
        break;
    case taRightJustify:
        rect.Left = rect.Right - maxW;
        break;
    case taCenter: {
        const int centre = (rect.Left + rect.Right) / 2;
        rect.Left = centre - maxW / 2;
        rect.Right = centre + maxW / 2;
        break;
    }
    }
}

TRect TitleRect(const TInput& input, const TRect& box, int n) {
    TRect rect = box;
    if (input.Place == TTitlePlace::tpTop) {
        rect.Bottom = box.Top + n * input.FontH;
    } else {
        rect.Top = box.Bottom - n * input.FontH;
    }
    rect = rect.Inflated(input.FrameWidth, input.FrameWidth);
    if (input.BoxShown && input.AdjustFrame) {
        NarrowToLines(input, rect);
    }
    return rect;
}

int LineLeft(const TInput& input, const TRect& box, int lineWidth) {
    switch (input.Alignment) {
    case taLeftJustify:
        return box.Left + input.WidthOfW / 2;
    case taRightJustify:
        return box.Right - lineWidth - input.WidthOfW / 2;
    case taCenter:
        break;
    }
    return (box.Left + box.Right) / 2 - lineWidth / 2;
}

} // namespace

// A top title writes its lines downwards from the box's top; a foot title writes them upwards
// from the box's bottom, last line first. The plot keeps what lies beyond the last line, the
// frame and the gap.
TLayout LayOut(const TInput& input) {
    const bool onTop = input.Place == TTitlePlace::tpTop;
    const int n = static_cast<int>(input.LineWidths.size());
    const TRect box = TextBox(input);
    TLayout layout;
    layout.TitleRect = TitleRect(input, box, n);
    int edge = onTop ? box.Bottom : box.Top;
    if (n > 0) {
        int y = onTop ? box.Top : box.Bottom;
        for (int i = 0; i < n; ++i) {
            const int index = onTop ? i : n - 1 - i;
            if (!onTop) {
                y -= input.FontH;
            }
            const int width = input.LineWidths[static_cast<std::size_t>(index)];
            layout.Lines.push_back({index, {LineLeft(input, box, width), y}});
            if (onTop) {
                y += input.FontH;
            }
        }
        edge = y;
    }
    layout.ChartRect = input.ChartRect;
    if (onTop) {
        layout.ChartRect.Top = edge + input.FrameWidth + kTitleGap;
    } else {
        layout.ChartRect.Bottom = edge - input.FrameWidth - kTitleGap;
    }
    return layout;
}

} // namespace Armalyx::TitleLayout
