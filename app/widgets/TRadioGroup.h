#pragma once
// A framed group of radio buttons, one per item, stacked in one column. A click on an item
// selects it and raises Click.

#include <QGroupBox>

#include <vector>

class QButtonGroup;
class QRadioButton;

class TRadioGroup final : public QGroupBox {
    Q_OBJECT

public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

    int ItemIndex() const { return m_itemIndex; }
    // Selects an item without raising Click; out-of-range indexes do nothing.
    void SetItemIndex(int index);
    // Clicks an item as the user does (raises Click).
    void ClickItem(int index);
    QRadioButton* Button(int index) const;

signals:
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ArrangeButtons();
    void ButtonClicked(int index);

    QButtonGroup* m_group = nullptr;
    std::vector<QRadioButton*> m_buttons;
    int m_itemIndex = -1;
};
