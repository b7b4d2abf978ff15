#include "TWindowAccessible.h"

#include <QWidget>

TWindowAccessible::TWindowAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

// A window without a name of its own is named by its title.
QString TWindowAccessible::text(QAccessible::Text t) const {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
        text = widget()->windowTitle();
    }
    return text;
}
