// Undo and redo in the real window: picks with their pairs, turn and figures, the views of Fit to
// data, Home and the wheel, the data source; the menu names the step; a reload forgets them.
#include "TForm1Fixture.h"
#include "TRadioGroup.h"
#include "TStringGrid.h"

#include <Production1.h>
#include <TChart.h>
#include <TLineSeries.h>

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

namespace {

class TForm1Undo : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        ShowVehicles(3);
    }

    void PressUndo() { QTest::keyClick(&Form(), Qt::Key_Z, Qt::ControlModifier); }
    void PressRedo() {
        QTest::keyClick(&Form(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }

    // What the pairs show and the first figure.
    std::tuple<QString, QString, QString> Shown() {
        return {Driver().Series2->Title(), Driver().Series7->Title(), Driver().Edit1->text()};
    }

    void TurnWheel(int delta) {
        TChart& chart = *Driver().Chart1;
        const QPointF at(chart.width() / 2.0, chart.height() / 2.0);
        QWheelEvent wheel(at, chart.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&chart, &wheel);
        QCoreApplication::processEvents();
    }
};

using TShown = std::tuple<QString, QString, QString>;

} // namespace

TEST_F(TForm1Undo, PicksAreTakenBackAndDoneAgainWithTheirFigures) {
    ClickRow(1);
    ClickRow(2);
    ClickRowWith(Qt::LeftButton, 3, Qt::ControlModifier);
    const TShown steps[] = {
        {"v1", "v2 + v3", "300"},
        {"v1", "v2", "120"},
        {"v1", "n/a", "60"},
        {"Tanks", "n/a", "0"},
    };
    EXPECT_EQ(Shown(), steps[0]);
    EXPECT_EQ(PlainText(*Driver().UndoAction), QStringLiteral("Undo pick of v3"));
    for (std::size_t step = 1; step < std::size(steps); ++step) {
        PressUndo();
        EXPECT_EQ(Shown(), steps[step]) << step;
    }
    EXPECT_FALSE(Driver().UndoAction->isEnabled());
    for (std::size_t step = std::size(steps) - 1; step-- > 0;) {
        PressRedo();
        EXPECT_EQ(Shown(), steps[step]) << step;
    }
    // The turn came back with the picks: the next plain click fills the first pair.
    PressUndo();
    PressUndo();
    EXPECT_EQ(Production1::Store().CompareSlot, 1);
    ClickRow(3);
    EXPECT_EQ(Shown(), (TShown{"v1", "v3", "180"}));
    EXPECT_FALSE(Driver().RedoAction->isEnabled()); // a new pick drops what was undone
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1Undo, ViewsAndTheDataSourceComeBack) {
    ClickRow(1);
    Driver().PageControl1->setCurrentWidget(Driver().TabSheet2);
    TChart& chart = *Driver().Chart1;
    const auto home = chart.AxisRanges();
    Driver().FitToData();
    const auto fitted = chart.AxisRanges();
    ASSERT_NE(fitted, home);
    EXPECT_EQ(PlainText(*Driver().UndoAction), QStringLiteral("Undo fit to data"));
    PressUndo();
    EXPECT_EQ(chart.AxisRanges(), home);
    PressRedo();
    EXPECT_EQ(chart.AxisRanges(), fitted);

    // Wheel turns in quick succession are one step.
    TurnWheel(120);
    TurnWheel(120);
    TurnWheel(120);
    ASSERT_NE(chart.AxisRanges(), fitted);
    EXPECT_EQ(PlainText(*Driver().UndoAction), QStringLiteral("Undo scroll"));
    PressUndo();
    EXPECT_EQ(chart.AxisRanges(), fitted);

    const double newProduction = Driver().Series5->YValueAt(0);
    Driver().RadioGroup1->ClickItem(1);
    ASSERT_NE(Driver().Series5->YValueAt(0), newProduction);
    PressUndo();
    EXPECT_EQ(Driver().RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(Production1::Store().ProductionSource, 0);
    EXPECT_EQ(Driver().Series5->YValueAt(0), newProduction);
}

TEST_F(TForm1Undo, AReloadForgetsTheSteps) {
    ClickRow(1);
    ASSERT_TRUE(Driver().UndoAction->isEnabled());
    Driver().ReloadDataFiles();
    EXPECT_FALSE(Driver().UndoAction->isEnabled());
    EXPECT_EQ(PlainText(*Driver().UndoAction), QStringLiteral("Undo"));
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("v1"));
}
