#include "TComboBox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

// Draws the drop-down list's rows as usual, each as high as the combo box asks.
class TItemHeightDelegate final : public QStyledItemDelegate {
public:
    explicit TItemHeightDelegate(TComboBox& owner) : QStyledItemDelegate(&owner), m_owner(owner) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (m_owner.ItemHeight() > 0) {
            size.setHeight(m_owner.ItemHeight());
        }
        return size;
    }

private:
    const TComboBox& m_owner;
};

} // namespace

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

void TComboBox::SetItemHeight(int height) {
    if (height < 1 || height == m_itemHeight) {
        return;
    }
    if (m_itemHeight == 0) {
        // The combo box owns the delegate.
        setItemDelegate(new TItemHeightDelegate(*this));
    }
    m_itemHeight = height;
    view()->doItemsLayout();
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
