#include "TComboBox.h"

#include "CueColors.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>
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
    connect(lineEdit(), &QLineEdit::editingFinished, this, &TComboBox::TypingFinished);
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

int TComboBox::ItemNamed(const QString& text) const {
    const QString name = text.trimmed();
    for (int i = 0; i < count(); ++i) {
        const bool alias =
            i < m_aliases.size() && name.compare(m_aliases.at(i), Qt::CaseInsensitive) == 0;
        if (alias || name.compare(itemText(i), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

void TComboBox::TextTyped() {
    const int named = ItemNamed(lineEdit()->text());
    if (named >= 0) {
        SelectNamedItem(named);
    }
    m_itemIndex = named;
    m_typed = named < 0;
    ShowTypedCue();
    emit Change();
}

void TComboBox::SelectNamedItem(int index) {
    QLineEdit& field = *lineEdit();
    const QString typed = field.text();
    const int cursor = field.cursorPosition();
    {
        const QSignalBlocker quiet(this);
        setCurrentIndex(index);
    }
    if (field.text() != typed) {
        field.setText(typed);
        field.setCursorPosition(cursor);
    }
}

void TComboBox::TypingFinished() {
    if (m_itemIndex >= 0 && !m_typed && lineEdit()->text() != itemText(m_itemIndex)) {
        setEditText(itemText(m_itemIndex));
    }
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
