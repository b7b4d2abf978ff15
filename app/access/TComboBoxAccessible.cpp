#include "TComboBoxAccessible.h"

#include "AccessibleLabels.h"
#include "TComboBox.h"

TComboBoxAccessible::TComboBoxAccessible(TComboBox* comboBox)
    : TShownTextAccessible(comboBox, QAccessible::ComboBox) {}

TComboBox* TComboBoxAccessible::ComboBox() const {
    return static_cast<TComboBox*>(widget());
}

QString TComboBoxAccessible::AccessibleText() const {
    return ComboBox()->currentText();
}

// Besides the focus, a reader can open the list.
QStringList TComboBoxAccessible::actionNames() const {
    return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
}

void TComboBoxAccessible::doAction(const QString& actionName) {
    if (actionName == showMenuAction() || actionName == pressAction()) {
        ComboBox()->showPopup();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
TComboBoxAccessible::relations(QAccessible::Relation match) const {
    return Armalyx::AccessibleLabels::WithoutLabels(QAccessibleWidget::relations(match));
}
