#pragma once
// A span selector as a screen reader meets it: named by what it selects ("Start month"), its
// current text as its value and as its text, the typed-text hint as its description. Qt names
// a combo box by its current text on this desktop, so a reader would hear only "Jan".

#include "TReadOnlyAccessibleText.h"

class TComboBox;

class TComboBoxAccessible final : public TShownTextAccessible {
public:
    explicit TComboBoxAccessible(TComboBox* comboBox);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QString AccessibleText() const override;
    // The visible label beside it ("Start") is left out: a reader would take it for the name.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

private:
    TComboBox* ComboBox() const;
};
