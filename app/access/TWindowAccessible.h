#pragma once
// A top-level window of the program as a screen reader meets it: a frame named by its title, so
// that a reader's commands for the window's title and its status bar find it. (Qt gives a plain
// top-level widget the role of a filler, which readers do not take for a window.) A window with a
// data status line has a status bar as its last child, which reads the line on every page.

#include <QAccessible>
#include <QAccessibleWidget>

class TWindowAccessible final : public QAccessibleWidget {
public:
    explicit TWindowAccessible(QWidget* window);
    ~TWindowAccessible() override;
    TWindowAccessible(const TWindowAccessible&) = delete;
    TWindowAccessible& operator=(const TWindowAccessible&) = delete;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    // The status bar, made once; none in a window without a status line.
    QAccessibleInterface* StatusBar() const;

    mutable QAccessible::Id m_statusBar = 0;
};
