#pragma once
// What a series asks of the chart that draws it: a repaint after a change, the drawing surface
// and plot rectangle of the frame, whether the frame is 3D, and the axes it is plotted against.

#include "TChartGeometry.h"
#include "TRepaintHost.h"

class TChartCanvas;
class TSeriesAxis;

enum class THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum class TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };
using enum THorizAxis;
using enum TVertAxis;

class TSeriesHost : public TRepaintHost {
public:
    virtual TChartCanvas& Canvas() const = 0;
    virtual const TRect& ChartRect() const = 0;
    virtual bool View3D() const = 0;
    // The axis a series with this setting maps its values through; both and custom settings
    // map through the bottom and left axes.
    virtual TSeriesAxis& HorizSeriesAxis(THorizAxis setting) = 0;
    virtual TSeriesAxis& VertSeriesAxis(TVertAxis setting) = 0;

protected:
    TSeriesHost() = default;
    ~TSeriesHost() = default;
    TSeriesHost(const TSeriesHost&) = default;
    TSeriesHost& operator=(const TSeriesHost&) = default;
};
