#include "TForm1Fixture.h"

#include "TErrorShell.h"
#include "TStringGrid.h"

#include <Production1.h>
#include <TLineSeries.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>

using TForm1Table = TForm1Fixture;

TEST_F(TForm1Table, RowCountKeepsRoomForThirtyVehiclesAndTheLendLeaseRow) {
    struct TCase {
        int Vehicles;
        int Rows;
    };
    for (const TCase c : {TCase{0, 32}, TCase{30, 32}, TCase{31, 33}}) {
        SCOPED_TRACE(c.Vehicles);
        WriteTotalData(FleetLines(1000, 10, 20, 1));
        WriteVehicles(c.Vehicles);
        Driver().FormActivate();
        const TStringGrid& grid = *Driver().StringGrid1;
        EXPECT_EQ(grid.RowCount(), c.Rows);
        EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("Vehicle Name"));
        EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("Total"));
        EXPECT_EQ(grid.Cells(0, c.Vehicles + 1), QStringLiteral("Lend Lease"));
        EXPECT_EQ(grid.Cells(1, c.Vehicles + 1), QStringLiteral("  60"));
        if (c.Vehicles > 0) {
            EXPECT_EQ(grid.Cells(0, c.Vehicles), QString("v%1").arg(c.Vehicles));
            EXPECT_EQ(grid.Cells(1, c.Vehicles), QString::number(60 * c.Vehicles));
        }
        EXPECT_EQ(Production1::Store().SelectedVehicle, 1);
    }
}

TEST_F(TForm1Table, LendLeaseTotalIsPaddedToFourCharacters) {
    struct TCase {
        int Monthly;
        const char* Text;
    };
    for (const TCase c : {TCase{0, "   0"}, TCase{-1, " -60"}, TCase{2000, "120000"}}) {
        SCOPED_TRACE(c.Monthly);
        WriteTotalData(FleetLines(1000, 10, 20, c.Monthly));
        WriteVehicles(2);
        Driver().FormActivate();
        EXPECT_EQ(Driver().StringGrid1->Cells(1, 3), QString::fromLatin1(c.Text));
    }
}

TEST_F(TForm1Table, NamesShowAsUtf8WhenWrittenInUtf8AndAsWindows1252Otherwise) {
    WriteTotalData(FleetLines(1000, 10, 20, 1));
    std::vector<TDataLine> lines = SteadyVehicle("\xC5\xA0koda T-21", 5);
    for (TDataLine& line : SteadyVehicle("\x8Akoda T-22", 5)) {
        lines.push_back(line);
    }
    WriteTankData(lines);
    Driver().FormActivate();
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral(u"\u0160koda T-21"));
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 2), QStringLiteral(u"\u0160koda T-22"));
    ClickRow(1);
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral(u"\u0160koda T-21"));
}

TEST_F(TForm1Table, FirstActivationLoadsOnceAndLaterActivationsReloadNothing) {
    WriteTotalData(FleetLines(1000, 10, 20, 1));
    WriteVehicles(3);
    ShowAndActivate();
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 3), QStringLiteral("v3"));
    EXPECT_EQ(Driver().Series1->PointCount(), 53);

    WriteVehicles(1);
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&Form(), &activation);
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 3), QStringLiteral("v3"));
    EXPECT_EQ(Production1::Store().VehicleCount, 3);
}

// A refill after files with more vehicle types once left their names and totals below the new
// "Lend Lease" row: another data set's figures in the table.
TEST_F(TForm1Table, RefillWithFewerVehiclesEmptiesTheRowsBelowTheLendLeaseRow) {
    struct TCase {
        const char* How;
        int Before;
        int After;
        int Rows;
    };
    for (const TCase c : {TCase{"activation", 31, 2, 32}, TCase{"reload", 6, 2, 32},
                          TCase{"reload from many", 40, 1, 32}}) {
        SCOPED_TRACE(c.How);
        WriteTotalData(FleetLines(1000, 10, 20, 1));
        WriteVehicles(c.Before);
        Driver().FormActivate();
        WriteVehicles(c.After);
        if (c.How == std::string("activation")) {
            Driver().FormActivate();
        } else {
            Driver().ReloadDataFiles();
        }
        const TStringGrid& grid = *Driver().StringGrid1;
        EXPECT_EQ(grid.RowCount(), c.Rows);
        EXPECT_EQ(grid.Cells(0, c.After + 1), QStringLiteral("Lend Lease"));
        for (int row = c.After + 2; row < grid.RowCount(); ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(grid.Cells(0, row), QString());
            EXPECT_EQ(grid.Cells(1, row), QString());
        }
        // A click there still only clears the lend-lease pick.
        ClickRow(c.After + 1);
        ClickRow(c.After + 2);
        EXPECT_FALSE(Production1::Store().LendLeaseSelected);
    }
}

TEST_F(TForm1Table, MissingDataFilesGiveAnEmptyTableWithoutError) {
    Driver().FormActivate();
    EXPECT_EQ(Driver().StringGrid1->RowCount(), 32);
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral("Lend Lease"));
    EXPECT_EQ(Driver().StringGrid1->Cells(1, 1), QStringLiteral("   0"));
    EXPECT_EQ(Driver().Series1->PointCount(), 0);
    EXPECT_EQ(Driver().Series5->PointCount(), 48);
}

TEST_F(TForm1Table, ReadFailureDuringActivationIsReportedOnceWithTheProgramTitle) {
    // A file that opens but cannot be read: the reader raises its input/output error.
    const QString unreadable = QStringLiteral("/proc/self/mem");
    const QString link = QDir(DataDirectory()).filePath(QStringLiteral("TotalData.txt"));
    if (!QFile::exists(unreadable) || !QFile::link(unreadable, link)) {
        GTEST_SKIP() << "no unreadable file to link to";
    }
    QString expected;
    try {
        Production1::LoadProductionData(DataDirectory().toStdString());
    } catch (const std::exception& error) {
        expected = TErrorShell::ReportText(QString::fromUtf8(error.what()));
    }
    ASSERT_FALSE(expected.isEmpty());
    ShowAndActivate();
    ASSERT_EQ(Errors().size(), 1U);
    EXPECT_EQ(Errors()[0].Title, QStringLiteral("armalyx_app_tests"));
    EXPECT_EQ(Errors()[0].Text, expected);
    EXPECT_TRUE(expected.endsWith(QLatin1Char('.')));
    // The handler stopped at the load: the table keeps its design-time rows.
    EXPECT_EQ(Driver().StringGrid1->RowCount(), 99);
}
