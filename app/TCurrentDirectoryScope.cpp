#include "TCurrentDirectoryScope.h"

#include <QDir>

TCurrentDirectoryScope::TCurrentDirectoryScope(const QString& directory) {
    if (!directory.isEmpty()) {
        m_previous = QDir::currentPath();
        QDir::setCurrent(directory);
    }
}

TCurrentDirectoryScope::~TCurrentDirectoryScope() {
    if (!m_previous.isEmpty()) {
        QDir::setCurrent(m_previous);
    }
}
