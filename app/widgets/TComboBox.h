#pragma once
// A drop-down list with an editable text field. Picking an item selects it, and so does typing
// an item's text or another name given for it (blanks around and case aside); typing anything
// else leaves no item selected, and ItemIndex then reports -1. All raise Change. A field that
// holds typed text naming no item is tinted and its tooltip says to pick an item instead.

#include <QComboBox>

class TComboBox final : public QComboBox {
    Q_OBJECT

public:
    // Starts with the given text in the field and no item selected.
    TComboBox(const QStringList& items, const QString& text, QWidget* parent);

    // Index of the item picked last, or -1 when none is selected.
    int ItemIndex() const { return m_itemIndex; }
    // Whether the text in the field was typed since the last pick (so no item is selected).
    bool HoldsTypedText() const { return m_typed; }
    // Picks an item as the user does from the list (raises Change); out-of-range indexes do
    // nothing.
    void PickItem(int index);
    // Other names that typed text may give each item by, in item order ("January" for "Jan").
    void SetItemAliases(const QStringList& aliases) { m_aliases = aliases; }
    // The item that typed text names, or -1.
    int ItemNamed(const QString& text) const;
    // The height in pixels of each row of the drop-down list; heights below 1 are ignored.
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);

    // The tooltip of a field that holds typed text.
    static QString TypedTextToolTip();

signals:
    void Change();

protected:
    void changeEvent(QEvent* event) override;

private:
    void ItemPicked(int index);
    void TextTyped();
    // Selects the item typed text names, leaving the text as it was typed.
    void SelectNamedItem(int index);
    // Once typing ends, a field naming an item shows it as the list does.
    void TypingFinished();
    void ShowTypedCue();

    int m_itemIndex = -1;
    bool m_typed = false;
    int m_itemHeight = 0;
    QStringList m_aliases;
};
