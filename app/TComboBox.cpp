#include "TComboBox.h"

#include <QLineEdit>

TComboBox::TComboBox(const QStringList& items, const QString& text, QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    // Typed text never becomes an item, and is never turned into a pick behind the user's back.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    addItems(items);
    setCurrentIndex(-1);
    setEditText(text);
    disconnect(lineEdit(), SIGNAL(editingFinished()), this, nullptr);
    connect(this, &QComboBox::activated, this, &TComboBox::ItemPicked);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TComboBox::TextTyped);
}

void TComboBox::PickItem(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    setCurrentIndex(index);
    setEditText(itemText(index));
    ItemPicked(index);
}

void TComboBox::ItemPicked(int index) {
    m_itemIndex = index;
    emit Change();
}

void TComboBox::TextTyped() {
    m_itemIndex = -1;
    emit Change();
}
