// Reading the data files again keeps the work: the picked vehicles come back by name into the
// same pairs of curves, the current row follows its vehicle, the figures are computed again and
// the chart keeps its view. A vehicle that is gone leaves its pair empty and is named.
#include "TForm1Fixture.h"
#include "TStatusLine.h"

#include "TStringGrid.h"

#include <Production1.h>
#include <TChart.h>
#include <TLineSeries.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

std::vector<TDataLine> Vehicles(const std::vector<std::pair<std::string, int>>& vehicles) {
    std::vector<TDataLine> lines;
    for (const auto& [name, monthly] : vehicles) {
        const auto vehicle = SteadyVehicle(name, monthly);
        lines.insert(lines.end(), vehicle.begin(), vehicle.end());
    }
    return lines;
}

class TForm1KeptWork : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        WriteTotalData(FleetLines(1000, 10, 20, 5));
        WriteTankData(Vehicles({{"Alpha", 1}, {"Bravo", 2}, {"Charlie", 3}}));
        ShowAndActivate();
    }
};

} // namespace

TEST_F(TForm1KeptWork, PicksComeBackByNameAndGoneOnesAreNamed) {
    const struct {
        const char* Name;
        std::vector<std::pair<std::string, int>> NewVehicles;
        QString FirstPair; // empty: the pair is empty afterwards
        QString SecondPair;
        int CurrentRow;   // 0: no vehicle row is current any more
        QString Figure;   // the picked vehicle's figure
        QString LostLine; // empty: no pick is gone
    } cases[] = {
        {"kept, in another order",
         {{"Charlie", 3}, {"Alpha", 4}, {"Bravo", 2}},
         "Charlie",
         "Alpha",
         2,
         "240",
         QString()},
        {"one renamed",
         {{"Alpha", 1}, {"Bravo", 2}, {"Charles", 3}},
         QString(),
         "Alpha",
         1,
         "60",
         "No longer in the data files, so their curves are empty: Charlie."},
        {"the current one removed",
         {{"Bravo", 2}, {"Charlie", 3}},
         "Charlie",
         QString(),
         0,
         "0",
         "No longer in the data files, so their curves are empty: Alpha."},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        WriteTankData(Vehicles({{"Alpha", 1}, {"Bravo", 2}, {"Charlie", 3}}));
        Driver().ReloadDataFiles();
        // Charlie into the first pair, Alpha into the second; Alpha's row stays current.
        ClickRow(3);
        ClickRow(1);
        ASSERT_EQ(Driver().Series2->Title(), QStringLiteral("Charlie"));
        ASSERT_EQ(Driver().Series7->Title(), QStringLiteral("Alpha"));
        ASSERT_EQ(Driver().Edit1->text(), QStringLiteral("60"));
        TChart& chart = *Driver().Chart1;
        TAxisRange view = chart.LeftAxis().Range();
        view.Maximum = 30000;
        chart.LeftAxis().SetRange(view);
        const std::vector<TAxisRange> ranges = chart.AxisRanges();

        WriteTankData(Vehicles(test.NewVehicles));
        Driver().ReloadAction->trigger();
        ASSERT_TRUE(Errors().empty());

        EXPECT_EQ(Driver().Series2->PointCount() > 0, !test.FirstPair.isEmpty());
        EXPECT_EQ(Driver().Series2->Title(),
                  test.FirstPair.isEmpty() ? QStringLiteral("Tanks") : test.FirstPair);
        EXPECT_EQ(Driver().Series7->PointCount() > 0, !test.SecondPair.isEmpty());
        EXPECT_EQ(Driver().Series7->Title(),
                  test.SecondPair.isEmpty() ? QStringLiteral("n/a") : test.SecondPair);
        if (test.CurrentRow != 0) {
            EXPECT_EQ(Driver().StringGrid1->Row(), test.CurrentRow);
            EXPECT_EQ(Production1::Store().SelectedVehicle, test.CurrentRow);
        }
        EXPECT_EQ(Driver().Edit1->text(), test.Figure);
        // The next pick goes where it would have gone: the first pair.
        EXPECT_EQ(Production1::Store().CompareSlot, 0);
        EXPECT_EQ(chart.AxisRanges(), ranges);
        const QString status = Driver().Label8->text();
        EXPECT_TRUE(status.contains(QStringLiteral("Read again at ")));
        EXPECT_TRUE(status.contains(QStringLiteral(": reload asked for."))) << status.toStdString();
        EXPECT_EQ(status.contains(QStringLiteral("No longer")), !test.LostLine.isEmpty());
        if (!test.LostLine.isEmpty()) {
            EXPECT_TRUE(status.contains(test.LostLine)) << status.toStdString();
        }
        Driver().ResetView();
    }
}

TEST_F(TForm1KeptWork, TheLendLeasePickAndItsFiguresStay) {
    ClickRow(1);
    ClickRow(4);
    ASSERT_EQ(Driver().Series2->Title(), QStringLiteral("Lend Lease"));
    const QString deliveries = Driver().Edit1->text();
    ASSERT_NE(deliveries, QStringLiteral("0"));
    Driver().ReloadDataFiles();
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("Lend Lease"));
    EXPECT_GT(Driver().Series2->PointCount(), 0);
    EXPECT_EQ(Driver().StringGrid1->Row(), 4);
    EXPECT_TRUE(Production1::Store().LendLeaseSelected);
    EXPECT_EQ(Driver().Edit1->text(), deliveries);
    // Alpha went into the first pair, then lend-lease replaced it there: the second pair is next.
    EXPECT_EQ(Production1::Store().CompareSlot, 1);
    EXPECT_EQ(Driver().Series7->PointCount(), 0);
}

TEST_F(TForm1KeptWork, FiguresAreComputedForTheSpanShownNow) {
    ClickRow(2);
    ASSERT_EQ(Driver().Edit1->text(), QStringLiteral("120"));
    // A span of one year: twelve months of Bravo's 2.
    auto& store = Production1::Store();
    store.StartYearChoice = 0;
    store.EndYearChoice = 0;
    store.StartMonthChoice = 0;
    store.EndMonthChoice = 11;
    Driver().ReloadDataFiles();
    EXPECT_EQ(Driver().Edit1->text(), QStringLiteral("24"));
    EXPECT_FALSE(Driver().FiguresOutOfDate());
}
