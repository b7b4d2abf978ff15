#pragma once
// The data status line as the window's own status bar, for a screen reader's status-bar command
// on every page: the line lies on the "Tank Selection" page and is hidden on the others, where a
// reader would find no status bar. The last child of the window, showing while the window shows,
// named by the status line's whole text, which is also its text; nothing is drawn.

#include "TChildlessAccessible.h"
#include "TReadOnlyAccessibleText.h"

#include <QPointer>

class QWidget;
class TStatusLine;

class TWindowStatusAccessible final : public TChildlessAccessible, public TReadOnlyAccessibleText {
public:
    // The window and its status line.
    TWindowStatusAccessible(QWidget* window, TStatusLine* statusLine);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    using TReadOnlyAccessibleText::text;
    QString text(QAccessible::Text t) const override;
    QString AccessibleText() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override;

private:
    QPointer<QWidget> m_window;
    QPointer<TStatusLine> m_statusLine;
};
