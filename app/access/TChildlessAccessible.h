#pragma once
// A part of a control as a screen reader meets it that has no object and no parts of its own (a
// chart's cell, month item or summary, a window's status bar): what they share, so that each
// says only where it lies and what it reads.

#include <QAccessibleInterface>

class TChildlessAccessible : public QAccessibleInterface {
public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
};
