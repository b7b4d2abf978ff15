#pragma once
// The visible labels of a control that has a fuller accessible name: a screen reader prefers a
// label relation to the name ("Start" for the selector named "Start month"), so the label is
// offered as the control's description instead.

#include <QAccessible>
#include <QList>
#include <QPair>
#include <QString>

class QAccessibleInterface;

namespace Armalyx::AccessibleLabels {

using TRelations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

// The relations without the labels.
TRelations WithoutLabels(const TRelations& relations);
// The labels' names, joined by spaces; empty without a label.
QString LabelText(const TRelations& relations);

} // namespace Armalyx::AccessibleLabels
