#pragma once
// Tells a screen reader of a change it would not hear otherwise (a reload and why): a notification
// without a size that shows for a moment with the message as its name, which readers speak as it
// appears. Nothing is drawn. A message while the user types in a selector waits until the typing
// has paused, so that the reader does not talk over the typed letters; a message equal to the one
// waiting is told once.

#include <QString>
#include <QTimer>
#include <QWidget>

class TAnnouncer final : public QWidget {
    Q_OBJECT

public:
    // Lives as a window's direct child, where Of() finds it.
    explicit TAnnouncer(QWidget* window);

    // The announcer of the window this widget lies in; none when the window has none.
    static TAnnouncer* Of(const QWidget* widget);

    void Announce(const QString& message);
    // The message told last, or waiting to be told.
    QString Message() const { return m_message; }

private:
    bool UserIsTyping() const;
    void Tell();

    QString m_message;
    QTimer m_wait;
};
