#pragma once
// The text a screen reader reads from a control that shows text but takes no typing: the chart's
// month read-out, the data status line, a selector's current value. Offsets count UTF-16 units
// of the text as it is at each call; nothing is selected and nothing can be.

#include <QAccessibleWidget>
#include <QString>

class TReadOnlyAccessibleText : public QAccessibleTextInterface {
public:
    // The whole text as it is now.
    virtual QString AccessibleText() const = 0;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
};

// A control whose shown text is both its value and its text for a reader.
class TShownTextAccessible : public QAccessibleWidget, public TReadOnlyAccessibleText {
public:
    TShownTextAccessible(QWidget* widget, QAccessible::Role role);

    using TReadOnlyAccessibleText::text;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
};
