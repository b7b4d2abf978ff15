#pragma once
// Puts a painter's world transform back as it was when the guard was made, however its scope
// ends: a rotated text or a line drawn in device pixels turns or scales the painter for a moment
// only. Pen, brush and background are not kept: every drawing operation of the surface sets the
// ones it draws with.

#include <QPainter>
#include <QTransform>

namespace Armalyx {

class TPainterTransformGuard final {
public:
    explicit TPainterTransformGuard(QPainter& painter)
        : m_painter(painter), m_transform(painter.worldTransform()) {}
    ~TPainterTransformGuard() { m_painter.setWorldTransform(m_transform); }
    TPainterTransformGuard(const TPainterTransformGuard&) = delete;
    TPainterTransformGuard& operator=(const TPainterTransformGuard&) = delete;

private:
    QPainter& m_painter;
    QTransform m_transform;
};

} // namespace Armalyx
