// The undo history's rules: a new step drops what was undone, a gesture extends its own step
// only, and only the last hundred steps are kept.
#include "TUndoHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Armalyx::TUndoHistory;

// A history of steps that move a number, and the number they move.
struct TCounter {
    int Value = 0;
    TUndoHistory History;

    void Step(const QString& label, int to) {
        const int from = Value;
        Value = to;
        History.Push({label, [this, from] { Value = from; }, [this, to] { Value = to; }});
    }
};

} // namespace

TEST(UndoHistory, StepsGoBackAndForthInOrder) {
    enum class TDo { Undo, Redo, StepTo5, ExtendTo9 };
    const struct {
        const char* Name;
        std::vector<TDo> Actions;
        int Value;
        QString UndoLabel;
        QString RedoLabel;
    } cases[] = {
        {"two steps", {}, 2, "b", ""},
        {"one undone", {TDo::Undo}, 1, "a", "b"},
        {"both undone, and more", {TDo::Undo, TDo::Undo, TDo::Undo}, 0, "", "a"},
        {"undone and redone", {TDo::Undo, TDo::Undo, TDo::Redo}, 1, "a", "b"},
        {"redo with nothing undone", {TDo::Redo}, 2, "b", ""},
        {"a new step drops the undone", {TDo::Undo, TDo::StepTo5, TDo::Redo}, 5, "c", ""},
        {"a gesture extends its own step", {TDo::ExtendTo9, TDo::Undo, TDo::Redo}, 9, "b", ""},
        {"but not after an undo", {TDo::Undo, TDo::ExtendTo9}, 1, "a", "b"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TCounter counter;
        counter.Step(QStringLiteral("a"), 1);
        counter.Step(QStringLiteral("b"), 2);
        for (const TDo action : test.Actions) {
            switch (action) {
            case TDo::Undo:
                counter.History.Undo();
                break;
            case TDo::Redo:
                counter.History.Redo();
                break;
            case TDo::StepTo5:
                counter.Step(QStringLiteral("c"), 5);
                break;
            case TDo::ExtendTo9:
                if (counter.History.Extend(QStringLiteral("b"),
                                           [&counter] { counter.Value = 9; })) {
                    counter.Value = 9;
                }
                break;
            }
        }
        EXPECT_EQ(counter.Value, test.Value);
        EXPECT_EQ(counter.History.UndoLabel(), test.UndoLabel);
        EXPECT_EQ(counter.History.RedoLabel(), test.RedoLabel);
        EXPECT_EQ(counter.History.CanUndo(), !test.UndoLabel.isEmpty());
        EXPECT_EQ(counter.History.CanRedo(), !test.RedoLabel.isEmpty());
    }
}

TEST(UndoHistory, KeepsTheLastHundredSteps) {
    TCounter counter;
    for (int step = 1; step <= 150; ++step) {
        counter.Step(QString::number(step), step);
    }
    int undone = 0;
    while (counter.History.CanUndo()) {
        counter.History.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(counter.Value, 50);
    counter.History.Clear();
    EXPECT_FALSE(counter.History.CanRedo());
}
