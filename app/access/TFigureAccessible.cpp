#include "TFigureAccessible.h"

#include "AccessibleLabels.h"
#include "TFigureBox.h"

TFigureAccessible::TFigureAccessible(TFigureBox* figure)
    : TShownTextAccessible(figure, QAccessible::EditableText) {}

TFigureBox* TFigureAccessible::Figure() const {
    return static_cast<TFigureBox*>(widget());
}

QString TFigureAccessible::AccessibleText() const {
    return Figure()->text();
}

QString TFigureAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && !Figure()->SpokenText().isEmpty()) {
        return Figure()->SpokenText();
    }
    if (t == QAccessible::Description) {
        return Armalyx::AccessibleLabels::LabelText(QAccessibleWidget::relations());
    }
    return TShownTextAccessible::text(t);
}

QAccessible::State TFigureAccessible::state() const {
    QAccessible::State state = TShownTextAccessible::state();
    state.readOnly = true;
    state.editable = false;
    state.selectableText = false;
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
TFigureAccessible::relations(QAccessible::Relation match) const {
    return Armalyx::AccessibleLabels::WithoutLabels(QAccessibleWidget::relations(match));
}
