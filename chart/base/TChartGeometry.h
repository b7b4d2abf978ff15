#pragma once
// Integer points and rectangles of the chart's pixel arithmetic. A rectangle's right and bottom
// edges are exclusive: a filled rectangle covers Left <= x < Right and Top <= y < Bottom.

#include <algorithm>

struct TPoint {
    int X = 0;
    int Y = 0;

    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    TPoint TopLeft() const { return {Left, Top}; }

    // The rectangle grown outwards by dx on the left and right and by dy on the top and bottom;
    // negative amounts shrink it.
    TRect Inflated(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }

    // The common part of both rectangles; an empty rectangle when they do not overlap.
    TRect Intersected(const TRect& other) const {
        const TRect r{std::max(Left, other.Left), std::max(Top, other.Top),
                      std::min(Right, other.Right), std::min(Bottom, other.Bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }
    bool Intersects(const TRect& other) const { return !Intersected(other).IsEmpty(); }

    bool operator==(const TRect&) const = default;
};
