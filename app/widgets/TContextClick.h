#pragma once
// Turns a right-button click on a widget into a request for its context menu: the request comes
// when the button is released without the mouse having moved since the press, so that a drag
// with the right button (which pans the chart) never opens a menu. The menu key asks as well.
// The platform's own context-menu events from the mouse are taken out of the way, since some
// platforms send them already when the button goes down.

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

class TContextClick final : public QObject {
    Q_OBJECT

public:
    // Whether the right button's presses and releases still reach the widget (the chart pans
    // with them) or stop here (a right click must not move the table's current row).
    enum class TButtonEvents { PassOn, Consume };

    // Watches the widget that receives the mouse, and optionally the widget that holds the
    // keyboard focus for it (a table's viewport and the table itself). The first widget owns this
    // object.
    TContextClick(QWidget& mouseArea, TButtonEvents buttonEvents, QWidget* focusWidget = nullptr);

signals:
    // Screen position where the menu should open.
    void Requested(const QPoint& globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MouseEvent(const QMouseEvent& event);

    QWidget& m_mouseArea;
    TButtonEvents m_buttonEvents;
    bool m_pressed = false;
    bool m_dragged = false;
    QPoint m_pressedAt;
};
