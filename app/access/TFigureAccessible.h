#pragma once
// A figure box as a screen reader meets it: read-only text named with what it counts and the
// count whole, its count as its value and text. Nothing in it is reported selected, though the
// box highlights its count when the keyboard reaches it: a reader that followed that selection
// spoke the count a second time, cut short. The label beside the box ("Tank") is its
// description, not its name.

#include "TReadOnlyAccessibleText.h"

class TFigureBox;

class TFigureAccessible final : public TShownTextAccessible {
public:
    explicit TFigureAccessible(TFigureBox* figure);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;
    QString AccessibleText() const override;

private:
    TFigureBox* Figure() const;
};
