// "StockData.txt": the counts it stores per type and month, the lines it reports, and a load
// without it.
#include "TProductionTest.h"
#include "TSourceComment.h"

#include <string>
#include <vector>

using namespace Production1;
using Armalyx::DataLine;

namespace {

class StockDataTest : public TProductionTest {
protected:
    void WriteStockData(const std::vector<std::string>& lines) const {
        WriteDataFile(kStockDataFileName, lines);
    }
    void WriteTwoTypes() const {
        WriteTankData({DataLine("T-34", 1941, {10}), DataLine("KV-1", 1941, {5})});
    }
};

} // namespace

TEST_F(StockDataTest, EarliestLineIsTheStartingStrengthAndLaterLinesAreDocumented) {
    WriteTwoTypes();
    WriteStockData({
        "T-34,1943,1,5000,",
        "T-34,1941,6,900,", // earlier in time though later in the file
        "T-34,1942,3,2500,",
        "KV-1,1941,1,40,",
    });
    LoadProductionData();
    EXPECT_EQ(StartingStrength(store, 1), (TStockPoint{6, 900}));
    EXPECT_EQ(DocumentedStrengths(store, 1), (std::vector<TStockPoint>{{15, 2500}, {25, 5000}}));
    EXPECT_EQ(StartingStrength(store, 2), (TStockPoint{1, 40}));
    EXPECT_TRUE(DocumentedStrengths(store, 2).empty());
    EXPECT_FALSE(StartingStrength(store, 3)) << "a free slot has no starting strength";
    EXPECT_EQ(store.StockDataReport.Count(TLineOutcome::Stored), 4);
    EXPECT_TRUE(store.StockDataReport.Problems().empty());
}

TEST_F(StockDataTest, MissingFileChangesNothingAndIsNotReported) {
    WriteTwoTypes();
    LoadProductionData();
    EXPECT_FALSE(store.StockDataReport.Found());
    EXPECT_EQ(store.StockDataReport.ProblemCount(), 0);
    EXPECT_FALSE(StartingStrength(store, 1));
    EXPECT_FALSE(StartingStrength(store, 2));
}

TEST_F(StockDataTest, ReloadWithoutTheFileForgetsItsCounts) {
    WriteTwoTypes();
    WriteStockData({"T-34,1941,6,900,"});
    LoadProductionData();
    ASSERT_TRUE(StartingStrength(store, 1));
    std::filesystem::remove(kStockDataFileName);
    LoadProductionData();
    EXPECT_FALSE(StartingStrength(store, 1));
}

TEST_F(StockDataTest, LinesThatNeedALookAreReportedAndOnlyGoodCountsStored) {
    WriteTwoTypes();
    const std::string longSource(TSourceComment::kCapacity + 5, 's');
    WriteStockData({
        "T-26,1941,6,9000,",       // 2: unknown name
        "T-34,1940,6,10,",         // 3: year
        "T-34,1941,13,10,",        // 4: month
        "T-34,1941,0,10,",         // 5: month
        "T-34,1941,6.5,10,",       // 6: month not whole
        "T-34,1941,6,",            // 7: no count
        "T-34,1941,6,-5,",         // 8: negative count
        "T-34,1941,7,12.5,",       // 9: count not whole
        "T-34,1941,7,1-2,",        // 10: count not a number
        "T-34,1941,8,3000000000,", // 11: beyond the stored range
        "T-34,1942,1,500,",        // 12: stored
        "T-34,1942,1,600,",        // 13: the same type and month again
        "KV-1,1942,2,5,6,",        // 14: a value after the count
        "T-34,1941",               // 15: no month
        "; a comment",             // 16: silent
        "",                        // 17: silent
        "; source: " + longSource, // 18: cut
        ",1941,6,10,",             // 19: empty name
        "KV-1,1941,6,3,",          // 20: short and stored
    });
    LoadProductionData();
    const TReadReport& report = store.StockDataReport;
    const std::vector<std::pair<std::int64_t, std::string>> expected = {
        {2, R"(ignored: no vehicle type "T-26" in TankData.txt)"},
        {3, "ignored: year 1940 is not one of 1941 to 1945"},
        {4, "ignored: month 13 is not one of 1 to 12"},
        {5, "ignored: month 0 is not one of 1 to 12"},
        {6, "ignored: the month is not a whole number from 1 to 12"},
        {7, "ignored: no count after the month"},
        {8, "ignored: count -5 is not a whole number of 0 or more"},
        {9, "ignored: the count is not a whole number of 0 or more"},
        {10, "ignored: the count is not a whole number of 0 or more"},
        {11, "ignored: the count is not a whole number of 0 or more"},
        {13,
         R"(stored with a doubt: a second line for "T-34" and this month: replaces the count 500 of line 12)"},
        {14, "stored with a doubt: values after the count ignored"},
        {15, "ignored: no month after the year"},
        {18, "stored with a doubt: source cut to its first 1,000 bytes"},
        {19, "ignored: empty name (the line starts with a comma)"},
    };
    ASSERT_EQ(report.Problems().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(report.Problems()[i].Line, expected[i].first);
        EXPECT_EQ(report.Problems()[i].Message, expected[i].second);
    }
    EXPECT_EQ(report.Count(TLineOutcome::UnknownName), 1);
    EXPECT_EQ(report.Count(TLineOutcome::MonthOutOfRange), 4);
    EXPECT_EQ(report.Count(TLineOutcome::CountNotWhole), 5);
    EXPECT_EQ(report.Count(TLineOutcome::Stored), 4);
    EXPECT_EQ(StartingStrength(store, 1), (TStockPoint{13, 600})) << "the later line stands";
    EXPECT_EQ(StartingStrength(store, 2), (TStockPoint{6, 3}));
    EXPECT_EQ(DocumentedStrengths(store, 2), (std::vector<TStockPoint>{{14, 5}}));
}

TEST_F(StockDataTest, SharesTheLineEndsOfTheOtherFiles) {
    WriteTwoTypes();
    ASSERT_TRUE(Armalyx::WriteFileBytes(
        kStockDataFileName,
        "Name,Year,Month,Count,\nT-34,1941,2,7,\rKV-1,1941,3,8,\x1aKV-1,1941,4,9,"));
    LoadProductionData();
    EXPECT_EQ(StartingStrength(store, 1), (TStockPoint{2, 7}));
    EXPECT_EQ(StartingStrength(store, 2), (TStockPoint{3, 8}));
    EXPECT_TRUE(DocumentedStrengths(store, 2).empty()) << "nothing is read after Ctrl-Z";
}
