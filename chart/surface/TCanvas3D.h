#pragma once
// The part of the drawing surface that keeps the projection of depth coordinates. The program's
// chart is flat: with 3D off the projection data is kept but never applied.

#include "TChartCanvas.h"

class TCanvas3D : public TChartCanvas {
public:
    void CopyMonochrome(const TChartCanvas& other) override {
        SetMonochrome(other.GetMonochrome());
    }

    bool Is3D() const { return m_is3D; }
    double ZoomFactor() const { return m_zoom; }
    bool ZoomText() const { return m_zoomText; }
    const TRect& Bounds() const { return m_bounds; }

protected:
    // Stores what a frame's start gives: the bounds, the options and whether 3D is on.
    void StoreViewSettings(const TView3DOptions* options, const TRect& bounds, bool view3D);
    void StoreProjection(int depth, const TRect& rect);

private:
    TRect m_bounds;
    bool m_is3D = false;
    bool m_orthogonal = false;
    double m_zoom = 1.0;
    bool m_zoomText = true;
    bool m_hasOptions = false;
    int m_horizOffset = 0;
    int m_vertOffset = 0;
    int m_perspectiveSetting = 0;
    int m_rotation = 0;
    int m_elevation = 0;
    int m_centreX = 0;
    int m_centreY = 0;
    int m_centreZ = 0;
    int m_offsetX = 0;
    int m_offsetY = 0;
    double m_perspective = 0.0;
};
