#include "TCanvas3D.h"

#include "TView3DOptions.h"

void TCanvas3D::StoreViewSettings(const TView3DOptions* options, const TRect& bounds, bool view3D) {
    m_bounds = bounds;
    m_is3D = view3D;
    m_orthogonal = false;
    m_zoom = 1.0;
    m_hasOptions = options != nullptr;
    if (options == nullptr) {
        return;
    }
    m_horizOffset = options->HorizOffset;
    m_vertOffset = options->VertOffset;
    m_perspectiveSetting = options->Perspective;
    if (view3D) {
        m_orthogonal = options->Orthogonal;
        m_zoom = options->Zoom / 100.0;
        m_zoomText = options->ZoomText;
        m_rotation = options->Rotation;
        m_elevation = options->Elevation;
    }
}

void TCanvas3D::StoreProjection(int depth, const TRect& rect) {
    m_centreX = rect.Left + rect.Width() / 2;
    m_centreY = rect.Top + rect.Height() / 2;
    m_centreZ = depth / 2;
    m_offsetX = m_centreX + (m_hasOptions ? m_horizOffset : 0);
    m_offsetY = m_centreY + (m_hasOptions ? m_vertOffset : 0);
    m_perspective = m_hasOptions && m_perspectiveSetting > 0 ? m_perspectiveSetting / 35000.0 : 0.0;
}
