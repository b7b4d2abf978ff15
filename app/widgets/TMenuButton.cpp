#include "TMenuButton.h"

TMenuButton::TMenuButton(QSize size, QWidget* parent) : QToolButton(parent), m_size(size) {
    setFixedSize(size);
}
