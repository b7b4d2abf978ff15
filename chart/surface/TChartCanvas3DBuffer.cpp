#include "TChartCanvas3D.h"

#include <QPainter>

#include <algorithm>

// The surface's frame buffer: the off-screen picture a frame is drawn into, kept while nothing
// changes, and its copy to the window.

TRect TChartCanvas3D::BeginDrawing(QPaintDevice* window, const TView3DOptions* options,
                                   const TRect& bounds, bool view3D) {
    StoreViewSettings(options, bounds, view3D);
    m_window = window;
    if (!m_buffered) {
        AttachTarget(window);
        return bounds;
    }
    const int w = std::max(0, bounds.Width());
    const int h = std::max(0, bounds.Height());
    if (m_target == &m_buffer) {
        TargetAttached(nullptr);
    }
    // The frame is drawn at the window's own resolution, laid out in chart pixels.
    const TDeviceScale scale(window != nullptr ? window->devicePixelRatio() : 1.0);
    const QSize deviceSize(scale.DeviceLength(w), scale.DeviceLength(h));
    if (!m_buffer.isNull() &&
        (m_buffer.size() != deviceSize || m_buffer.devicePixelRatio() != scale.Ratio())) {
        m_buffer = QImage();
    }
    if (m_buffer.isNull() && !deviceSize.isEmpty()) {
        m_buffer = QImage(deviceSize, QImage::Format_RGB32);
        m_buffer.setDevicePixelRatio(scale.Ratio());
        m_buffer.fill(Qt::white);
        ++m_bufferCreations;
    }
    AttachTarget(&m_buffer);
    return {0, 0, w, h};
}

// A monochrome surface draws in colour and is reduced to one bit per pixel when it is shown.
void TChartCanvas3D::CopyBufferTo(QPaintDevice* destination, TPoint origin) {
    if (destination == nullptr || m_buffer.isNull() || destination == &m_buffer) {
        return;
    }
    QPainter painter;
    if (!painter.begin(destination)) {
        return;
    }
    if (m_monochrome) {
        painter.drawImage(QPoint(origin.X, origin.Y),
                          m_buffer.convertToFormat(QImage::Format_Mono));
    } else {
        painter.drawImage(QPoint(origin.X, origin.Y), m_buffer);
    }
}

void TChartCanvas3D::EndDrawing(QPaintDevice* destination, QPaintDevice* defaultTarget,
                                TPoint origin) {
    if (m_buffered) {
        ClosePainter();
        CopyBufferTo(destination, origin);
        m_bufferValid = !m_buffer.isNull();
    }
    // The frame's window may be a picture that is gone after the frame; between frames only the
    // default context is known.
    m_window = defaultTarget;
    AttachTarget(defaultTarget);
}

bool TChartCanvas3D::ReuseBuffer() {
    if (!m_bufferValid || m_buffer.isNull()) {
        return false;
    }
    QPaintDevice* window = m_target != nullptr ? m_target : m_window;
    // A window moved to a screen of another resolution needs a new frame.
    if (window != nullptr && window->devicePixelRatio() != m_buffer.devicePixelRatio()) {
        return false;
    }
    ClosePainter();
    CopyBufferTo(window, {0, 0});
    return true;
}
