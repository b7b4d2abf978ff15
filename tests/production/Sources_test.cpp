// Source comment lines: the source they give every data line below them in the same file, up to
// the next source line or the line that ends it, in each of the three data files.
#include "TProductionTest.h"
#include "TSourceComment.h"

#include <string>
#include <vector>

using namespace Production1;
using Armalyx::DataLine;

using SourcesTest = TProductionTest;

TEST_F(SourcesTest, VehicleYearsTakeTheSourceOfTheBlockAboveThem) {
    WriteTankData({
        DataLine("T-34", 1941, {1}),       // 2: before any source line
        "; source: RGVA f. 38 op. 11355",  // 3
        DataLine("T-34", 1942, {1}),       // 4
        DataLine("KV-1", 1942, {1}),       // 5
        ";SOURCE :  GABTU report, 1944  ", // 6: any case, blanks around the colon and text
        DataLine("T-34", 1943, {1}),       // 7
        "; sources: not a source line",    // 8: an ordinary comment
        "; a plain comment",               // 9
        DataLine("KV-1", 1943, {1}),       // 10: still GABTU
        "; source:",                       // 11: ends the source
        DataLine("T-34", 1944, {1}),       // 12
        "\t;source: a tab first: no comment, so no source line", // 13
        DataLine("KV-1", 1944, {1}),                             // 14
        "; source: Zaloga p. 141",                               // 15
        DataLine("KV-1", 1942, {2}), // 16: replaces line 5, and its source with it
    });
    LoadProductionData();
    const struct {
        int slot;
        int year;
        const char* source;
    } expected[] = {
        {1, 1941, ""},
        {1, 1942, "RGVA f. 38 op. 11355"},
        {1, 1943, "GABTU report, 1944"},
        {1, 1944, ""},
        {1, 1945, ""},
        {2, 1942, "Zaloga p. 141"},
        {2, 1943, "GABTU report, 1944"},
        {2, 1944, ""},
    };
    for (const auto& item : expected) {
        SCOPED_TRACE(std::to_string(item.slot) + " " + std::to_string(item.year));
        EXPECT_EQ(VehicleYearSource(store, item.slot, item.year), item.source);
    }
    EXPECT_EQ(store.TankDataReport.Count(TLineOutcome::Stored), 8);
    for (const TLineProblem& problem : store.TankDataReport.Problems()) {
        EXPECT_NE(problem.Line, 3) << "a source line is a comment";
        EXPECT_NE(problem.Line, 6);
        EXPECT_NE(problem.Line, 11);
    }
}

TEST_F(SourcesTest, FleetRowsAndStockLinesKeepTheSourcesOfTheirOwnFile) {
    WriteTotalData({
        "; source: TsAMO f. 38",
        DataLine("Total", 1942, {1}),
        DataLine("Lend Lease", 1943, {1}),
        "; source:",
        DataLine("Loss", 1942, {1}),
    });
    WriteTankData({"; source: factory reports", DataLine("T-34", 1941, {1})});
    WriteDataFile(kStockDataFileName, {
                                          "T-34,1941,6,900,", // no source: another file's block
                                          "; Source: strength return",
                                          "T-34,1943,1,5000,",
                                          ";source:",
                                          "T-34,1944,1,4000,",
                                      });
    LoadProductionData();
    EXPECT_EQ(FleetYearSource(store, 1, 1942), "TsAMO f. 38");
    EXPECT_EQ(FleetYearSource(store, 4, 1943), "TsAMO f. 38");
    EXPECT_EQ(FleetYearSource(store, 2, 1942), "");
    EXPECT_EQ(FleetYearSource(store, 1, 1941), "");
    EXPECT_EQ(VehicleYearSource(store, 1, 1941), "factory reports");
    EXPECT_EQ(StockSource(store, 1, 6), "");
    EXPECT_EQ(StockSource(store, 1, 25), "strength return");
    EXPECT_EQ(StockSource(store, 1, 37), "");
    EXPECT_EQ(FleetYearSource(store, 5, 1942), "") << "no fifth fleet row";
    EXPECT_EQ(VehicleYearSource(store, 1, 1946), "") << "no year after 1945";
}

TEST(SourceCommentTest, TellsSourceLinesFromOtherComments) {
    const struct {
        const char* line;
        bool isSource;
        const char* text;
    } cases[] = {
        {"; source: RGVA", true, "RGVA"},
        {";source:RGVA", true, "RGVA"},
        {";\t SoUrCe \t:\t RGVA f. 38 \t", true, "RGVA f. 38"},
        {"; source:", true, ""},
        {"; source:   ", true, ""},
        {"; source: a: b; c", true, "a: b; c"},
        {"; sources: RGVA", false, ""},
        {"; source RGVA", false, ""},
        {"; the source: RGVA", false, ""},
        {" ; source: RGVA", false, ""},
        {"source: RGVA", false, ""},
        {";", false, ""},
        {"", false, ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.line);
        TSourceComment comment;
        comment.Begin();
        // Fed in pieces of one byte, as a line split by the file's buffer may arrive.
        for (const char c : std::string(test.line)) {
            comment.Feed(std::string_view(&c, 1));
        }
        EXPECT_EQ(comment.IsSourceLine(), test.isSource);
        if (test.isSource) {
            EXPECT_EQ(comment.Text(), test.text);
        }
    }
}

TEST(SourceCommentTest, KeepsTheFirstBytesOfALongSourceAndSaysSo) {
    TSourceComment comment;
    comment.Begin();
    comment.Feed("; source: ");
    comment.Feed(std::string(TSourceComment::kCapacity, 'a'));
    EXPECT_FALSE(comment.Cut());
    comment.Feed("   ");
    EXPECT_FALSE(comment.Cut()) << "blanks past the end lose nothing";
    comment.Feed("b");
    EXPECT_TRUE(comment.Cut());
    EXPECT_EQ(comment.Text(), std::string(TSourceComment::kCapacity, 'a'));
}
