#include "TStatusLine.h"

#include <QAccessible>

TStatusLine::TStatusLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void TStatusLine::SetStatusText(const QString& text) {
    const QString before = this->text();
    if (text == before) {
        return;
    }
    setText(text);
    QAccessibleTextUpdateEvent event(this, 0, before, text);
    QAccessible::updateAccessibility(&event);
}
