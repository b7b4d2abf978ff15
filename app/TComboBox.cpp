#include "TComboBox.h"

#include "CueColors.h"

#include <QAbstractItemView>
#include <QEvent>
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
        // The delegate's Qt parent is the combo box, which deletes it; setItemDelegate takes no
        // ownership.
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
    m_typed = false;
    ShowTypedCue();
    emit Change();
}

void TComboBox::TextTyped() {
    m_itemIndex = -1;
    m_typed = true;
    ShowTypedCue();
    emit Change();
}

QString TComboBox::TypedTextToolTip() {
    return QStringLiteral("Typed text selects no item and counts as none: pick an item from the "
                          "list.");
}

// Only the text field is tinted: the combo box itself keeps the inherited palette, so that it
// hears of a new desktop palette and the tint can be worked out afresh from it.
void TComboBox::ShowTypedCue() {
    QPalette field = palette();
    if (m_typed) {
        field.setColor(QPalette::Base,
                       Armalyx::CueColors::TypedFieldColor(field.color(QPalette::Base)));
    }
    lineEdit()->setPalette(field);
    const QString tip = m_typed ? TypedTextToolTip() : QString();
    setToolTip(tip);
    setAccessibleDescription(tip);
}

void TComboBox::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && lineEdit() != nullptr) {
        ShowTypedCue();
    }
}
