#include "TFigureBox.h"

#include <QAccessible>

TFigureBox::TFigureBox(QWidget* parent) : QLineEdit(QStringLiteral("0"), parent) {}

void TFigureBox::SetSpokenText(const QString& spoken) {
    if (spoken == m_spokenText) {
        return;
    }
    m_spokenText = spoken;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}
