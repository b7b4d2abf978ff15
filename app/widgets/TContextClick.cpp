#include "TContextClick.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

TContextClick::TContextClick(QWidget& mouseArea, TButtonEvents buttonEvents, QWidget* focusWidget)
    : QObject(&mouseArea), m_mouseArea(mouseArea), m_buttonEvents(buttonEvents) {
    mouseArea.installEventFilter(this);
    if (focusWidget != nullptr && focusWidget != &mouseArea) {
        focusWidget->installEventFilter(this);
    }
}

bool TContextClick::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        if (watched == &m_mouseArea) {
            return MouseEvent(static_cast<const QMouseEvent&>(*event));
        }
        break;
    case QEvent::ContextMenu: {
        const auto& request = static_cast<const QContextMenuEvent&>(*event);
        if (request.reason() != QContextMenuEvent::Mouse) {
            // From the keyboard: at the mouse when it rests on the widget, else at its middle.
            const QPoint cursor = m_mouseArea.mapFromGlobal(QCursor::pos());
            const QPoint local =
                m_mouseArea.rect().contains(cursor) ? cursor : m_mouseArea.rect().center();
            emit Requested(m_mouseArea.mapToGlobal(local));
        }
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool TContextClick::MouseEvent(const QMouseEvent& event) {
    const bool consume = m_buttonEvents == TButtonEvents::Consume;
    const QPoint at = event.position().toPoint();
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (event.button() != Qt::RightButton) {
            m_pressed = false;
            return false;
        }
        m_pressed = true;
        m_dragged = false;
        m_pressedAt = at;
        return consume;
    case QEvent::MouseMove:
        if (!(event.buttons() & Qt::RightButton)) {
            return false;
        }
        m_dragged = m_dragged || at != m_pressedAt;
        return consume && !(event.buttons() & Qt::LeftButton);
    case QEvent::MouseButtonRelease:
        if (event.button() != Qt::RightButton) {
            return false;
        }
        if (m_pressed && !m_dragged) {
            m_pressed = false;
            emit Requested(event.globalPosition().toPoint());
        }
        m_pressed = false;
        return consume;
    default:
        return false;
    }
}
