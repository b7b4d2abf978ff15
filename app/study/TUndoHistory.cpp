#include "TUndoHistory.h"

#include <utility>

namespace Armalyx {

void TUndoHistory::Push(TStep step) {
    m_undone.clear();
    m_done.push_back(std::move(step));
    while (m_done.size() > kMostSteps) {
        m_done.pop_front();
    }
}

bool TUndoHistory::Extend(const QString& label, std::function<void()> redo) {
    if (m_done.empty() || !m_undone.empty() || m_done.back().Label != label) {
        return false;
    }
    m_done.back().Redo = std::move(redo);
    return true;
}

void TUndoHistory::Undo() {
    if (m_done.empty()) {
        return;
    }
    TStep step = std::move(m_done.back());
    m_done.pop_back();
    step.Undo();
    m_undone.push_back(std::move(step));
}

void TUndoHistory::Redo() {
    if (m_undone.empty()) {
        return;
    }
    TStep step = std::move(m_undone.back());
    m_undone.pop_back();
    step.Redo();
    m_done.push_back(std::move(step));
}

void TUndoHistory::Clear() {
    m_done.clear();
    m_undone.clear();
}

QString TUndoHistory::UndoLabel() const {
    return m_done.empty() ? QString() : m_done.back().Label;
}

QString TUndoHistory::RedoLabel() const {
    return m_undone.empty() ? QString() : m_undone.back().Label;
}

} // namespace Armalyx
