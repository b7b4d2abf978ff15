#pragma once
// How the window's own controls meet a screen reader where Qt's stock interfaces fall short: the
// chart (summary, table of numbers, month read-out), the span selectors (named by what they
// select) and the data status line (a status bar with its whole text).

#include <QAccessibleInterface>
#include <QString>

class QObject;

namespace Armalyx::AccessibleInterfaces {

// The interface for an object of the named class, or null to leave it to Qt.
QAccessibleInterface* For(const QString& className, QObject* object);
// Makes Qt ask For before its own interfaces; the first call does it, later calls nothing.
void Install();

} // namespace Armalyx::AccessibleInterfaces
