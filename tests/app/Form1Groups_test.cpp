// Groups of vehicle types picked in the real window: Ctrl+click and Shift+click with the mouse,
// Ctrl+Space from the keyboard; the group's curve, name, figure and table marks, and what Copy
// data and a screen reader are given.
#include "TChart1Curves.h"
#include "TForm1Fixture.h"
#include "TStringGrid.h"

#include <TLineSeries.h>

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTest>

namespace {

class TForm1Groups : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        ShowVehicles(3);
    }

    // Whether the table shows the row tinted as a member of the group.
    bool Marked(int row) {
        const QTableWidgetItem* cell = Driver().StringGrid1->item(row - 1, 0);
        return cell != nullptr && cell->background().style() != Qt::NoBrush;
    }
};

} // namespace

TEST_F(TForm1Groups, ModifiedClicksMakeAGroup) {
    const struct {
        const char* Name;
        Qt::KeyboardModifiers Second; // the modifiers of the click on row 3 after one on row 1
        QString Title;
        QString Figure;
        std::array<bool, 3> Marks;
    } cases[] = {
        {"plain", Qt::NoModifier, "v3", "180", {false, false, false}},
        {"Ctrl", Qt::ControlModifier, "v1 + v3", "240", {true, false, true}},
        {"Shift", Qt::ShiftModifier, "v1 + v2 + v3", "360", {true, true, true}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        Driver().OpenDataFolder(DataDirectory() + QStringLiteral("/.."));
        Driver().OpenDataFolder(DataDirectory());
        ClickRowWith(Qt::LeftButton, 1);
        ClickRowWith(Qt::LeftButton, 3, test.Second);
        const QString pair =
            test.Second == Qt::NoModifier ? Driver().Series7->Title() : Driver().Series2->Title();
        EXPECT_EQ(pair, test.Title);
        EXPECT_EQ(Driver().Edit1->text(), test.Figure);
        for (int row = 1; row <= 3; ++row) {
            EXPECT_EQ(Marked(row), test.Marks.at(static_cast<std::size_t>(row - 1))) << row;
        }
    }
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1Groups, TheSelectionNeverShowsARowOutsideTheGroup) {
    ClickRow(1);
    ClickRowWith(Qt::LeftButton, 3, Qt::ControlModifier);
    const QItemSelectionModel& selection = *Driver().StringGrid1->selectionModel();
    EXPECT_FALSE(selection.isRowSelected(1, QModelIndex())); // v2, between the members
    EXPECT_FALSE(selection.isRowSelected(0, QModelIndex()));
    EXPECT_TRUE(selection.isSelected(Driver().StringGrid1->currentIndex()));
    EXPECT_EQ(Driver().StringGrid1->Row(), 3);
}

TEST_F(TForm1Groups, CtrlArrowsMoveAndCtrlSpaceToggles) {
    ClickRow(1);
    TStringGrid& grid = *Driver().StringGrid1;
    grid.setFocus();
    const struct {
        Qt::Key Key;
        QString Title;
        QString Figure;
    } steps[] = {
        {Qt::Key_Down, "v1", "60"}, // Ctrl+Down moves the current row and picks nothing
        {Qt::Key_Space, "v1 + v2", "180"},
        {Qt::Key_Down, "v1 + v2", "180"},
        {Qt::Key_Space, "v1 + v2 + v3", "360"},
        {Qt::Key_Up, "v1 + v2 + v3", "360"},
        {Qt::Key_Space, "v1 + v3", "240"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(&grid, step.Key, Qt::ControlModifier);
        EXPECT_EQ(Driver().Series2->Title(), step.Title) << step.Key;
        EXPECT_EQ(Driver().Edit1->text(), step.Figure) << step.Key;
    }
    // A plain arrow key picks as before.
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(Driver().Series7->Title(), QStringLiteral("v3"));
    EXPECT_EQ(Driver().Edit1->text(), QStringLiteral("180"));
}

TEST_F(TForm1Groups, ReadersAreGivenTheWholeName) {
    ClickRow(1);
    ClickRowWith(Qt::LeftButton, 2, Qt::ControlModifier);
    const QStringList header =
        Driver().ChartDataText().section(QLatin1Char('\n'), 0, 0).split(QLatin1Char('\t'));
    EXPECT_TRUE(header.contains(QStringLiteral("v1 + v2")))
        << header.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(header.contains(QStringLiteral("v1 + v2 share %")))
        << header.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(Driver().ChartSummary().endsWith(QStringLiteral("Picked: v1 + v2.")))
        << Driver().ChartSummary().toStdString();
}

TEST(TChart1CurvesLegend, LongGroupNamesAreShortened) {
    const struct {
        QString Name;
        int Members;
        QString Legend;
    } cases[] = {
        {"KV-1", 1, "KV-1"},
        {"KV-1 + KV-1S + KV-85", 3, "KV-1 + KV-1S + KV-85"},
        {"T-34 + T-34-85 + SU-85 + SU-100", 4, "T-34 + 3 more"},
        {"Production & Lend Lease", 2, "Production & Lend Lease"},
        {"A very long single vehicle name", 1, "A very long single vehicle name"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(Armalyx::TChart1Curves::LegendTitle(test.Name, test.Members), test.Legend)
            << test.Name.toStdString();
    }
}
