#pragma once
// A top-level window of the program as a screen reader meets it: a frame named by its title, so
// that a reader's commands for the window's title and its status bar find it. (Qt gives a plain
// top-level widget the role of a filler, which readers do not take for a window.)

#include <QAccessibleWidget>

class TWindowAccessible final : public QAccessibleWidget {
public:
    explicit TWindowAccessible(QWidget* window);

    QString text(QAccessible::Text t) const override;
};
