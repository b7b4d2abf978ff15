#include "TMenuItemAccessible.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace {

// "&Fit to data" is spoken "Fit to data"; "&&" stays one "&".
QString WithoutMnemonic(QString text) {
    for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at < text.size();
         at = text.indexOf(QLatin1Char('&'), at + 1)) {
        text.remove(at, 1);
    }
    return text;
}

} // namespace

TMenuItemAccessible::TMenuItemAccessible(QAction* action) : m_action(action) {}

QMenu* TMenuItemAccessible::Menu() const {
    if (m_action.isNull()) {
        return nullptr;
    }
    QMenu* first = nullptr;
    for (QObject* holder : m_action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            if (menu->isVisible()) {
                return menu;
            }
            first = first == nullptr ? menu : first;
        }
    }
    return first;
}

bool TMenuItemAccessible::isValid() const {
    return Menu() != nullptr;
}

QObject* TMenuItemAccessible::object() const {
    return m_action.data();
}

QWindow* TMenuItemAccessible::window() const {
    const QMenu* menu = Menu();
    return menu == nullptr ? nullptr : menu->windowHandle();
}

QAccessibleInterface* TMenuItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(Menu());
}

QAccessibleInterface* TMenuItemAccessible::child(int index) const {
    return index == 0 && childCount() == 1 ? QAccessible::queryAccessibleInterface(m_action->menu())
                                           : nullptr;
}

int TMenuItemAccessible::childCount() const {
    return !m_action.isNull() && m_action->menu() != nullptr ? 1 : 0;
}

int TMenuItemAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && childCount() == 1 && child->object() == m_action->menu() ? 0 : -1;
}

QString TMenuItemAccessible::text(QAccessible::Text t) const {
    if (m_action.isNull()) {
        return QString();
    }
    switch (t) {
    case QAccessible::Name:
        return WithoutMnemonic(m_action->text());
    case QAccessible::Accelerator:
        return m_action->shortcut().toString(QKeySequence::NativeText);
    case QAccessible::Description:
        return m_action->statusTip();
    default:
        return QString();
    }
}

QRect TMenuItemAccessible::rect() const {
    const QMenu* menu = Menu();
    if (menu == nullptr) {
        return {};
    }
    const QRect place = menu->actionGeometry(m_action);
    return {menu->mapToGlobal(place.topLeft()), place.size()};
}

QAccessible::Role TMenuItemAccessible::role() const {
    return !m_action.isNull() && m_action->isSeparator() ? QAccessible::Separator
                                                         : QAccessible::MenuItem;
}

QAccessible::State TMenuItemAccessible::state() const {
    QAccessible::State state;
    const QMenu* menu = Menu();
    if (m_action.isNull() || menu == nullptr) {
        state.invalid = true;
        return state;
    }
    state.invisible = !m_action->isVisible() || !menu->isVisible();
    state.disabled = !m_action->isEnabled();
    state.focusable = m_action->isEnabled() && !m_action->isSeparator();
    state.selectable = state.focusable;
    const bool current = menu->isVisible() && menu->activeAction() == m_action;
    state.focused = current;
    state.selected = current;
    state.hotTracked = current;
    state.checkable = m_action->isCheckable();
    state.checked = m_action->isChecked();
    state.hasPopup = m_action->menu() != nullptr;
    return state;
}

void* TMenuItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList TMenuItemAccessible::actionNames() const {
    if (m_action.isNull() || m_action->isSeparator() || !m_action->isEnabled()) {
        return {};
    }
    return {m_action->menu() != nullptr ? showMenuAction() : pressAction()};
}

void TMenuItemAccessible::doAction(const QString& actionName) {
    QMenu* menu = Menu();
    if (!actionNames().contains(actionName) || menu == nullptr) {
        return;
    }
    if (actionName == showMenuAction()) {
        menu->setActiveAction(m_action);
        return;
    }
    menu->close();
    m_action->trigger();
}

QStringList TMenuItemAccessible::keyBindingsForAction(const QString& actionName) const {
    const QString shortcut = text(QAccessible::Accelerator);
    if (actionName != pressAction() || shortcut.isEmpty()) {
        return {};
    }
    return {QString(), QString(), shortcut};
}
