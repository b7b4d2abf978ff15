#include "TReadOnlyAccessibleText.h"

#include <algorithm>

void TReadOnlyAccessibleText::selection(int /*selectionIndex*/, int* startOffset,
                                        int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

// Offsets out of order or beyond the text are brought within it; -1 as the end means its end.
QString TReadOnlyAccessibleText::text(int startOffset, int endOffset) const {
    const QString whole = AccessibleText();
    const auto size = static_cast<int>(whole.size());
    const int end = endOffset < 0 ? size : std::clamp(endOffset, 0, size);
    const int start = std::clamp(startOffset, 0, end);
    return whole.mid(start, end - start);
}

int TReadOnlyAccessibleText::characterCount() const {
    return static_cast<int>(AccessibleText().size());
}

// The text has one run without attributes.
QString TReadOnlyAccessibleText::attributes(int /*offset*/, int* startOffset,
                                            int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

TShownTextAccessible::TShownTextAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QString TShownTextAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return AccessibleText();
    }
    return QAccessibleWidget::text(t);
}

void* TShownTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}
