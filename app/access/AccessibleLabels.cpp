#include "AccessibleLabels.h"

#include <QAccessibleInterface>
#include <QStringList>

namespace Armalyx::AccessibleLabels {

TRelations WithoutLabels(const TRelations& relations) {
    TRelations kept;
    for (const auto& relation : relations) {
        if (!relation.second.testFlag(QAccessible::Label)) {
            kept.push_back(relation);
        }
    }
    return kept;
}

QString LabelText(const TRelations& relations) {
    QStringList labels;
    for (const auto& [other, relation] : relations) {
        if (relation.testFlag(QAccessible::Label) && other != nullptr) {
            labels.push_back(other->text(QAccessible::Name));
        }
    }
    labels.removeAll(QString());
    return labels.join(QLatin1Char(' '));
}

} // namespace Armalyx::AccessibleLabels
