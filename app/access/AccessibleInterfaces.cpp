#include "AccessibleInterfaces.h"

#include "TAnnouncementAccessible.h"
#include "TAnnouncer.h"
#include "TChartAccessible.h"
#include "TComboBox.h"
#include "TComboBoxAccessible.h"
#include "TFigureAccessible.h"
#include "TFigureBox.h"
#include "TMenuItemAccessible.h"
#include "TStatusLine.h"
#include "TStatusLineAccessible.h"
#include "TWindowAccessible.h"

#include <TChart.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QTabWidget>

#include <algorithm>

namespace Armalyx::AccessibleInterfaces {

namespace {

bool LiesInAMenu(const QAction* action) {
    const auto holders = action->associatedObjects();
    return std::any_of(holders.begin(), holders.end(),
                       [](const QObject* holder) { return qobject_cast<const QMenu*>(holder); });
}

} // namespace

QAccessibleInterface* For(const QString& className, QObject* object) {
    if (className == QLatin1String("TChart")) {
        if (auto* chart = qobject_cast<TChart*>(object)) {
            return new TChartAccessible(chart);
        }
    } else if (className == QLatin1String("TComboBox")) {
        if (auto* comboBox = qobject_cast<TComboBox*>(object)) {
            return new TComboBoxAccessible(comboBox);
        }
    } else if (className == QLatin1String("TStatusLine")) {
        if (auto* statusLine = qobject_cast<TStatusLine*>(object)) {
            return new TStatusLineAccessible(statusLine);
        }
    } else if (className == QLatin1String("TAnnouncer")) {
        if (auto* announcer = qobject_cast<TAnnouncer*>(object)) {
            return new TAnnouncementAccessible(announcer);
        }
    } else if (className == QLatin1String("TFigureBox")) {
        if (auto* figure = qobject_cast<TFigureBox*>(object)) {
            return new TFigureAccessible(figure);
        }
    } else if (className == QLatin1String("QStackedWidget")) {
        // The pages of a tab widget lie in a stack that Qt calls a layered pane, which readers name
        // on every entry to a page; as a plain pane it is only the pages' holder.
        if (auto* stack = qobject_cast<QWidget*>(object);
            stack != nullptr && qobject_cast<QTabWidget*>(stack->parentWidget()) != nullptr) {
            return new QAccessibleWidget(stack, QAccessible::Pane);
        }
    } else if (className == QLatin1String("QAction")) {
        if (auto* action = qobject_cast<QAction*>(object);
            action != nullptr && LiesInAMenu(action)) {
            return new TMenuItemAccessible(action);
        }
    } else if (className == QLatin1String("TForm1") ||
               className == QLatin1String("Armalyx::TChartWindow")) {
        if (auto* window = qobject_cast<QWidget*>(object);
            window != nullptr && window->isWindow()) {
            return new TWindowAccessible(window);
        }
    }
    return nullptr;
}

void Install() {
    // Qt keeps a process-wide list of factories; one entry is enough for every window.
    static const bool installed = [] {
        QAccessible::installFactory(&For);
        return true;
    }();
    (void)installed;
}

} // namespace Armalyx::AccessibleInterfaces
