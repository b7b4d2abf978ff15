#pragma once
// An entry of one of the program's menus as a screen reader meets it: named by its text, its
// shortcut given as the accelerator a reader speaks after the name ("Reload data files F5"),
// checked or not, dimmed while it does nothing. The entries of the window's menu and of the
// chart's and the table's menus share their actions, so an entry lies in the menu that shows it.

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

class TMenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit TMenuItemAccessible(QAction* action);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    // An entry that opens a menu has that menu as its one child.
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    // No mnemonic, no path, the shortcut as the accelerator: ";;Ctrl+O" once joined.
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    // The menu the entry lies in: the one showing it, else the first that holds it.
    QMenu* Menu() const;

    QPointer<QAction> m_action;
};
