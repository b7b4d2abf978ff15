#include "TProductionTest.h"

#include <string>
#include <vector>

using namespace Armalyx;

using namespace Production1;

namespace {

// A 60-month list with the given values from the given month on.
std::vector<int> From(int firstMonth, std::vector<int> values) {
    std::vector<int> months(60, 0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        months.at(static_cast<std::size_t>(firstMonth - 1) + i) = values[i];
    }
    return months;
}

} // namespace

using ReaderTest = TProductionTest;

TEST_F(ReaderTest, TotalDataRowsGoToTheirFleetRowsAtTheirYear) {
    WriteTotalData({
        DataLine("Loss", 1943, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}),
        "Total,1942,100,,110 120;130,-,150,160,170,180,190,200,210,",
        DataLine("New", 1941, {1, 2}),
        DataLine("Lend Lease", 1945, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9}),
        DataLine("total", 1941, {1, 2, 3}),
        DataLine("Total ", 1941, {1, 2, 3}),
    });
    ReadTotalData();
    EXPECT_EQ(Months(store.Losses), From(25, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(Months(store.TotalInService),
              From(13, {100, 110, 120, 130, 0, 150, 160, 170, 180, 190, 200, 210}));
    EXPECT_EQ(Months(store.NewProduction), From(1, {1, 2}));
    EXPECT_EQ(Months(store.LendLease), From(60, {9}));
    EXPECT_EQ(store.TotalDataReport.Lines(), 6);
    EXPECT_EQ(store.TotalDataReport.Count(TLineOutcome::Stored), 4);
    EXPECT_EQ(store.TotalDataReport.Count(TLineOutcome::UnknownName), 2);
}

TEST_F(ReaderTest, TankDataLinesAddVehiclesInOrderOfFirstAppearance) {
    WriteTankData({
        DataLine("T-60", 1941, {1}),
        DataLine("T-34", 1942, {2}),
        "Model 7,1944,12,15,0,0,0,0,0,0,0,0,0,4,",
        DataLine("T-60", 1942, {3}),
        DataLine("Total", 1943, {4}),
    });
    ReadTankData();
    EXPECT_EQ(store.VehicleNames[1].View(), "T-60");
    EXPECT_EQ(store.VehicleNames[2].View(), "T-34");
    EXPECT_EQ(store.VehicleNames[3].View(), "Model 7");
    EXPECT_EQ(store.VehicleNames[4].View(), "Total") << "any name is a vehicle here";
    EXPECT_TRUE(store.VehicleNames[5].IsEmpty());
    EXPECT_EQ(Months(store.VehicleProduction[1]), From(1, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}));
    EXPECT_EQ(Months(store.VehicleProduction[3]), From(37, {12, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4}));
    EXPECT_EQ(Months(store.TotalInService), std::vector<int>(60, 0));
}

TEST_F(ReaderTest, LaterLinesReplaceTheirYearOnly) {
    WriteTankData({
        DataLine("T-34", 1942, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}),
        DataLine("T-34", 1943, {5}),
        DataLine("T-34", 1942, {2}),
    });
    ReadTankData();
    EXPECT_EQ(Months(store.VehicleProduction[1]),
              From(13, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}));
}

TEST_F(ReaderTest, LineWithOnlyItsYearZeroesThatYear) {
    WriteTotalData({DataLine("Total", 1941, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}),
                    DataLine("Total", 1942, {6}), "Total,1941,         "});
    ReadTotalData();
    EXPECT_EQ(Months(store.TotalInService), From(13, {6}));
}

TEST_F(ReaderTest, HeaderIsDiscardedAndFilesWithoutDataChangeNothing) {
    struct TCase {
        const char* what;
        std::string bytes;
    };
    const std::string valid = DataLine("Total", 1941, {7, 7, 7});
    const TCase cases[] = {
        {"empty file", ""},
        {"header only", "Name,Year,\r\n"},
        {"valid line as header", valid + "\r\n"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.what);
        directory.WriteFile(kTotalDataFileName, test.bytes);
        LoadProductionData();
        EXPECT_EQ(Months(store.TotalInService), std::vector<int>(60, 0));
        EXPECT_TRUE(store.TotalDataReport.Found());
        EXPECT_EQ(store.TotalDataReport.Lines(), 0);
    }
}

TEST_F(ReaderTest, MissingFilesLeaveTheirRowsEmptyAndTheOtherFileIsStillRead) {
    WriteTankData({DataLine("T-34", 1941, {3})});
    store.TotalInService[1] = 99;
    LoadProductionData();
    EXPECT_EQ(store.TotalInService[1], 0);
    EXPECT_FALSE(store.TotalDataReport.Found());
    EXPECT_EQ(store.VehicleCount, 1);
    EXPECT_EQ(store.VehicleProduction[1][1], 3);
}

TEST_F(ReaderTest, NamesAgreeingInTheirFirstTwentyCharactersAreOneVehicle) {
    WriteTankData({
        DataLine("Self-propelled gun 76 early", 1941, {1}),
        DataLine("Self-propelled gun 76 late", 1942, {2}),
    });
    ReadTankData();
    EXPECT_EQ(store.VehicleNames[1].View(), "Self-propelled gun 7");
    EXPECT_TRUE(store.VehicleNames[2].IsEmpty());
    EXPECT_EQ(store.VehicleProduction[1][1], 1);
    EXPECT_EQ(store.VehicleProduction[1][13], 2);
}

TEST_F(ReaderTest, IgnoredLinesAreCountedByReason) {
    WriteTankData({
        "short,1941,1,",
        "; a comment line here",
        "no comma in this line at all",
        "T-34,-,-,-,-,-,-,-,-,-,",
        DataLine("T-34", 1946, {1}),
        DataLine("", 1941, {1}),
        DataLine("T-34", 1941, {1}),
    });
    ReadTankData();
    const TReadReport& report = store.TankDataReport;
    EXPECT_EQ(report.Lines(), 7);
    EXPECT_EQ(report.Count(TLineOutcome::TooShort), 1);
    EXPECT_EQ(report.Count(TLineOutcome::CommentOrBlankStart), 1);
    EXPECT_EQ(report.Count(TLineOutcome::NoComma), 1);
    EXPECT_EQ(report.Count(TLineOutcome::NothingConverted), 1);
    EXPECT_EQ(report.Count(TLineOutcome::YearOutOfRange), 1);
    EXPECT_EQ(report.Count(TLineOutcome::EmptyName), 1);
    EXPECT_EQ(report.Count(TLineOutcome::Stored), 1);
}
