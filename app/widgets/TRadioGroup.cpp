#include "TRadioGroup.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QRadioButton>

#include <algorithm>

namespace {

// Room between the frame and the buttons, as the classic radio group leaves it.
constexpr int kButtonLeft = 8;
constexpr int kBottomMargin = 5;

} // namespace

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)) {
    for (qsizetype i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_group->addButton(button, static_cast<int>(i));
        m_buttons.push_back(button);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &TRadioGroup::ButtonClicked);
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_buttons.size()) {
        return;
    }
    m_itemIndex = index;
    m_buttons[static_cast<std::size_t>(index)]->setChecked(true);
}

void TRadioGroup::ClickItem(int index) {
    if (QRadioButton* button = Button(index)) {
        button->click();
    }
}

QRadioButton* TRadioGroup::Button(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_buttons.size()) {
        return nullptr;
    }
    return m_buttons[static_cast<std::size_t>(index)];
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    if (m_buttons.empty()) {
        return;
    }
    // The buttons share the height below the caption evenly, one column.
    const int topMargin = QFontMetrics(font()).height() + 2;
    const int count = static_cast<int>(m_buttons.size());
    const int buttonHeight = std::max((height() - topMargin - kBottomMargin) / count, 1);
    const int buttonWidth = std::max(width() - 2 * kButtonLeft, 1);
    for (int i = 0; i < count; ++i) {
        m_buttons[static_cast<std::size_t>(i)]->setGeometry(
            kButtonLeft, topMargin + i * buttonHeight, buttonWidth, buttonHeight);
    }
}

void TRadioGroup::ButtonClicked(int index) {
    m_itemIndex = index;
    emit Click();
}
