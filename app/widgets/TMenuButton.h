#pragma once
// The button of the window's menu at the right end of the tab strip. It asks for exactly the room
// it is given, so that the tab strip keeps its height and nothing of the layout moves.

#include <QToolButton>

class TMenuButton final : public QToolButton {
    Q_OBJECT

public:
    TMenuButton(QSize size, QWidget* parent);

    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

private:
    QSize m_size;
};
