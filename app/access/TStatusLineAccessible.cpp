#include "TStatusLineAccessible.h"

#include "TStatusLine.h"

TStatusLineAccessible::TStatusLineAccessible(TStatusLine* statusLine)
    : TShownTextAccessible(statusLine, QAccessible::StatusBar) {}

QString TStatusLineAccessible::AccessibleText() const {
    return static_cast<const TStatusLine*>(widget())->text();
}
