#include "TForm1Fixture.h"

#include "TWindowInspection.h"

#include <Production1.h>

#include <QDir>
#include <QImage>

using TWindowInspectionTest = TForm1Fixture;

TEST_F(TWindowInspectionTest, ClicksRowsAfterSourceAndSpanAndReadsTheWindowBack) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    WriteVehicles(3);
    TWindowInspectionRequest request;
    request.Picks = {1, 2};
    request.Source = 1;
    request.SpanChoices = std::array<int, 4>{0, 2, 2, 2}; // January to March 1943
    request.SnapshotFile = QDir(DataDirectory()).filePath(QStringLiteral("graph.png"));
    const TWindowInspectionResult result = TWindowInspection::Run(request, DataDirectory());

    EXPECT_TRUE(result.Errors.isEmpty());
    ASSERT_EQ(result.Series.size(), 8U);
    const char* const order[] = {"Series1", "Series2", "Series7", "Series3",
                                 "Series5", "Series4", "Series6", "Series8"};
    for (std::size_t i = 0; i < result.Series.size(); ++i) {
        EXPECT_EQ(result.Series[i].Name, QString::fromLatin1(order[i]));
    }
    EXPECT_EQ(result.Series[1].Title, QStringLiteral("v1"));
    EXPECT_EQ(result.Series[2].Title, QStringLiteral("v2"));
    EXPECT_EQ(result.Series[2].Color, clBlue);
    // Source 1: summed production plus lend-lease.
    EXPECT_EQ(result.Series[4].Points.front(), std::make_pair(6.0, 11.0));
    EXPECT_EQ(result.Edits, QStringList({"6", "18", "30"}));
    ASSERT_EQ(result.Grid.size(), 32U);
    EXPECT_EQ(result.Grid[0], QStringList({"Vehicle Name", "Total"}));
    EXPECT_EQ(result.Grid[4], QStringList({"Lend Lease", " 300"}));
    ASSERT_TRUE(result.SnapshotSaved);
    const QImage snapshot(request.SnapshotFile);
    EXPECT_GE(snapshot.width(), 673);
    EXPECT_GE(snapshot.height(), 385);
}

TEST_F(TWindowInspectionTest, HeaderAndMissingRowsClickNothing) {
    WriteVehicles(1);
    TWindowInspectionRequest request;
    request.Picks = {0, 40, 1};
    const TWindowInspectionResult result = TWindowInspection::Run(request, DataDirectory());
    EXPECT_TRUE(result.Errors.isEmpty());
    EXPECT_EQ(result.Series[1].Title, QStringLiteral("v1"));
    EXPECT_EQ(result.Series[2].Title, QStringLiteral("n/a"));
    EXPECT_EQ(result.Edits, QStringList({"60", "60", "0"}));
}
