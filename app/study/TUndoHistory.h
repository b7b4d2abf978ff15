#pragma once
// What the user can take back and do again: picks, views, the data source. Each step knows how
// to undo and redo itself and what to call itself in the menu ("pick of KV-1"). A new step drops
// the steps undone before it; the oldest go beyond the last hundred.

#include <QString>

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

namespace Armalyx {

class TUndoHistory final {
public:
    static constexpr std::size_t kMostSteps = 100;

    struct TStep {
        QString Label;
        std::function<void()> Undo;
        std::function<void()> Redo;
    };

    void Push(TStep step);
    // A gesture that goes on (the wheel turned again): the newest step, when it has this label
    // and nothing was undone since, now redoes to the new state; answers whether it did.
    bool Extend(const QString& label, std::function<void()> redo);
    void Undo();
    void Redo();
    void Clear();

    bool CanUndo() const { return !m_done.empty(); }
    bool CanRedo() const { return !m_undone.empty(); }
    // The label of the step Undo (Redo) would take; empty when there is none.
    QString UndoLabel() const;
    QString RedoLabel() const;

private:
    std::deque<TStep> m_done;
    std::vector<TStep> m_undone;
};

} // namespace Armalyx
