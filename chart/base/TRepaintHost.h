#pragma once
// What a part of the chart (a wall, an axis title) asks of the one that owns it when one of its
// settings changed: to be drawn again.

class TRepaintHost {
public:
    virtual void RequestRepaint() = 0;

protected:
    TRepaintHost() = default;
    ~TRepaintHost() = default;
    TRepaintHost(const TRepaintHost&) = default;
    TRepaintHost& operator=(const TRepaintHost&) = default;
};
