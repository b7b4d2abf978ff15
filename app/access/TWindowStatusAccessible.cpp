#include "TWindowStatusAccessible.h"

#include "TStatusLine.h"

#include <QWidget>

TWindowStatusAccessible::TWindowStatusAccessible(QWidget* window, TStatusLine* statusLine)
    : m_window(window), m_statusLine(statusLine) {}

bool TWindowStatusAccessible::isValid() const {
    return !m_window.isNull() && !m_statusLine.isNull();
}

QWindow* TWindowStatusAccessible::window() const {
    return m_window.isNull() ? nullptr : m_window->windowHandle();
}

QAccessibleInterface* TWindowStatusAccessible::parent() const {
    return m_window.isNull() ? nullptr : QAccessible::queryAccessibleInterface(m_window.data());
}

QString TWindowStatusAccessible::text(QAccessible::Text t) const {
    return t != QAccessible::Name ? QString() : AccessibleText();
}

QString TWindowStatusAccessible::AccessibleText() const {
    return m_statusLine.isNull() ? QString() : m_statusLine->text();
}

void* TWindowStatusAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : nullptr;
}

// The window's lowest line, where a status bar would lie.
QRect TWindowStatusAccessible::rect() const {
    if (m_window.isNull()) {
        return {};
    }
    const QRect window(m_window->mapToGlobal(QPoint(0, 0)), m_window->size());
    return {window.left(), window.bottom(), window.width(), 1};
}

QAccessible::State TWindowStatusAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    state.invalid = !isValid();
    state.invisible = m_window.isNull() || !m_window->isVisible();
    return state;
}
