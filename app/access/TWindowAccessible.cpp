#include "TWindowAccessible.h"

#include "TStatusLine.h"
#include "TWindowStatusAccessible.h"

#include <QWidget>

TWindowAccessible::TWindowAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

TWindowAccessible::~TWindowAccessible() {
    if (m_statusBar != 0) {
        QAccessible::deleteAccessibleInterface(m_statusBar);
    }
}

QAccessibleInterface* TWindowAccessible::StatusBar() const {
    if (m_statusBar == 0) {
        auto* statusLine = widget()->findChild<TStatusLine*>();
        if (statusLine == nullptr) {
            return nullptr;
        }
        m_statusBar = QAccessible::registerAccessibleInterface(
            new TWindowStatusAccessible(widget(), statusLine));
    }
    return QAccessible::accessibleInterface(m_statusBar);
}

int TWindowAccessible::childCount() const {
    return QAccessibleWidget::childCount() + (StatusBar() != nullptr ? 1 : 0);
}

QAccessibleInterface* TWindowAccessible::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    return index == widgets ? StatusBar() : QAccessibleWidget::child(index);
}

int TWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child != nullptr && child == StatusBar()) {
        return QAccessibleWidget::childCount();
    }
    return QAccessibleWidget::indexOfChild(child);
}

// A window without a name of its own is named by its title.
QString TWindowAccessible::text(QAccessible::Text t) const {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
        text = widget()->windowTitle();
    }
    return text;
}
