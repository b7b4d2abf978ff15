// The reader's account of lines not stored as written: every reason on the line it belongs to,
// silence for comments, empty lines and lines stored as written, and the two mends of the line
// grammar (a line feed alone ends a line; a number that ends its line is taken).
#include "TProductionTest.h"

#include <string>
#include <vector>

using namespace Production1;
using Armalyx::DataLine;

namespace {

const std::string kFullYear = "1,2,3,4,5,6,7,8,9,10,11,12,";

struct TExpectedProblem {
    std::int64_t line;
    const char* message;
};

void ExpectProblems(const TReadReport& report, const std::vector<TExpectedProblem>& expected) {
    ASSERT_EQ(report.Problems().size(), expected.size());
    EXPECT_EQ(report.ProblemCount(), static_cast<std::int64_t>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].message);
        EXPECT_EQ(report.Problems()[i].Line, expected[i].line);
        EXPECT_EQ(report.Problems()[i].Message, expected[i].message);
    }
}

} // namespace

using LineAccountTest = TProductionTest;

TEST_F(LineAccountTest, IgnoredFleetLinesAreNamedWithTheirReason) {
    WriteTotalData({
        "Total,1941," + kFullYear,               // 2: stored as written
        ";a comment line that is long enough",   // 3: silent
        "X,crossed out line 1941,1,2,3,4,5,",    // 4: silent
        "",                                      // 5: silent
        "                         ",             // 6: blanks only, silent
        "Loss,1943,1,2,",                        // 7
        " Total,1942," + kFullYear,              // 8
        "Total 1942 1 2 3 4 5 6 7 8 9 10 11 12", // 9
        "Total,none,of,these,are,numbers,",      // 10
        "Total,1946," + kFullYear,               // 11
        "Total,-,1,2,3,4,5,6,7,8,9,10,11,12,",   // 12
        "Losses,1942," + kFullYear,              // 13
        "Lend-Lease,1942," + kFullYear,          // 14
        "T-34,1942," + kFullYear,                // 15
        "Total ,1942," + kFullYear,              // 16
    });
    ReadTotalData();
    ExpectProblems(
        store.TotalDataReport,
        {
            {7, "ignored: shorter than 20 characters"},
            {8, "ignored: starts with a blank"},
            {9, "ignored: no comma, so the whole line is a name without values"},
            {10, "ignored: no number after the name"},
            {11, "ignored: year 1946 is not one of 1941 to 1945"},
            {12, "ignored: no year after the name"},
            {13, "ignored: unknown fleet name \"Losses\" (did you mean \"Loss\"?)"},
            {14, "ignored: unknown fleet name \"Lend-Lease\" (did you mean \"Lend Lease\"?)"},
            {15, "ignored: unknown fleet name \"T-34\" (the fleet names are \"Total\", \"Loss\", "
                 "\"New\" and \"Lend Lease\"; vehicle types belong in TankData.txt)"},
            {16, "ignored: unknown fleet name \"Total \" (did you mean \"Total\"?)"},
        });
    EXPECT_TRUE(store.TotalDataReport.Problems().front().Ignored);
    EXPECT_EQ(store.TotalDataReport.Problems().front().Text, "Loss,1943,1,2,");
}

TEST_F(LineAccountTest, LinesStoredOtherThanWrittenAreNamedWithTheirDoubts) {
    WriteTotalData({
        "Total,1941,1,2,3,4,5,6,7,8,9,10,11,",                // 2
        "Total,1942,         ",                               // 3: padded to 20 characters
        "Loss,1941,1,2,3,4,5,6,7,8,9,10,11,12,13,",           // 4
        "Loss,1942,1,\"1,250\",3,4,5,6,7,8,9,10,11,",         // 5
        "New,1941,10,,30,4,5,6,7,8,9,10,11,12,",              // 6
        "New,1942,10,n/a,30,4,5,6,7,8,9,10,11,12,",           // 7
        "New,1943,10,20,1-2,4,5,6,7,8,9,10,11,12,",           // 8
        "Total,1943,1,2,3,4,5,6,7,8,9,10,11,12",              // 9: no comma after December
        "Total,1944, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,", // 10: blanks after commas
        "New,1944;1;2;3;4;5;6;7;8;9;10;11;12;",               // 11
    });
    ReadTotalData();
    ExpectProblems(
        store.TotalDataReport,
        {
            {2, "stored with a doubt: fewer than 12 monthly values (11 written; Dec stays 0)"},
            {3, "stored with a doubt: no monthly values after the year (Jan to Dec stay 0)"},
            {4, "stored with a doubt: more than 12 values after the year, the rest ignored (a "
                "thousands separator such as 1,250, or an extra column?)"},
            {5, "stored with a doubt: quotation marks, which separate values (\"1,250\" reads as 1 "
                "and 250)"},
            {6, "stored with a doubt: fewer than 12 monthly values (11 written; Dec stays 0); a "
                "field without a number between two separators, so the values from Feb on moved "
                "one month earlier"},
            {7, "stored with a doubt: fewer than 12 monthly values (11 written; Dec stays 0); a "
                "field without a number between two separators, so the values from Feb on moved "
                "one month earlier"},
            {8, "stored with a doubt: the value for Mar is not a number and stays 0"},
        });
    EXPECT_FALSE(store.TotalDataReport.Problems().front().Ignored);
    EXPECT_EQ(store.TotalInService[36], 12) << "the last value without a comma is taken";
    EXPECT_EQ(store.TotalInService[48], 12);
    EXPECT_EQ(store.Losses[14], 1) << "the quoted 1,250 reads as 1 and 250";
    EXPECT_EQ(store.Losses[15], 250);
}

TEST_F(LineAccountTest, VehicleNamesCutOrMergedOrWithATrailingBlankAreNamed) {
    WriteTankData({
        "Kestrel Tank Destroyer (early),1942," + kFullYear, // 2
        "T-34 ,1942," + kFullYear,                          // 3
        "T-34,1942," + kFullYear,                           // 4
        "Kestrel Tank Destroyer (late),1943," + kFullYear,  // 5
        "Kestrel Tank Destroyer (late),1942," + kFullYear,  // 6
        "Kestrel Tank Destroyer (early),1943," + kFullYear, // 7
        ",1942," + kFullYear,                               // 8
        "KV \"1\",1942," + kFullYear,                       // 9: quotes in a name are kept
    });
    ReadTankData();
    const std::string cut = "name cut to 20 bytes (the first 20 letters)";
    const std::string early = "the same vehicle as \"Kestrel Tank Destroyer (early)\" of line 2, "
                              "since the names agree in their first 20 bytes";
    const std::string line2 = "stored with a doubt: " + cut;
    const std::string line3 = "stored with a doubt: name ends with a blank (\"T-34 \" is another "
                              "vehicle than the same name without it)";
    const std::string line5 = line2 + "; " + early;
    const std::string line6 = line5 +
                              "; replaces the 1942 months of line 2 (Kestrel Tank Destroy): "
                              "78 written there are no longer counted";
    const std::string line7 = line2 +
                              "; replaces the 1943 months of line 5 (Kestrel Tank Destroy): "
                              "78 written there are no longer counted";
    ExpectProblems(store.TankDataReport,
                   {
                       {2, line2.c_str()},
                       {3, line3.c_str()},
                       {5, line5.c_str()},
                       {6, line6.c_str()},
                       {7, line7.c_str()},
                       {8, "ignored: empty name (the line starts with a comma)"},
                   });
    EXPECT_EQ(store.VehicleNames[1].View(), "Kestrel Tank Destroy");
    EXPECT_EQ(store.VehicleNames[2].View(), "T-34 ");
    EXPECT_EQ(store.VehicleNames[3].View(), "T-34");
}

TEST_F(LineAccountTest, AYearWrittenTwiceCrossedOutDataCommentNamesAndCodePagesAreNamed) {
    const std::string typo = "stored with a doubt: replaces the 1943 months of line 2 (T-34): "
                             "12,553 written there are no longer counted";
    const std::string crossedOut = "ignored: a line starting with \"X\" is a comment; a vehicle "
                                   "name cannot start with X";
    const std::string hash = "stored with a doubt: the name starts with \"#\"; comment lines start "
                             "with \";\"";
    const std::string slashes = "stored with a doubt: the name starts with \"//\"; comment lines "
                                "start with \";\"";
    const std::string cyrillic =
        "stored with a doubt: the name looks like Windows-1251 (Cyrillic); "
        "save the file as UTF-8";
    WriteTankData({
        DataLine("T-34", 1943, {12000, 500, 53, -4}),   // 2
        "T-34,1942," + kFullYear,                       // 3
        "T-34,1943," + kFullYear,                       // 4: the typo for 1942
        "Xtra KV-85,1943," + kFullYear,                 // 5
        "x2 SU-76,1944," + kFullYear,                   // 6
        "X KV-85,1943," + kFullYear,                    // 7: silent
        "X,KV-85,1943," + kFullYear,                    // 8: silent
        "Xtra notes on the sheet, not one of its rows", // 9: silent, no year
        "Xtra KV-85,1950," + kFullYear,                 // 10: silent, not a year of it
        "# ISU-122,1944," + kFullYear,                  // 11
        "// ISU-152,1944," + kFullYear,                 // 12
        "/ ISU-152,1944," + kFullYear,                  // 13: silent
        "\xD2-34-85,1944," + kFullYear,                 // 14: "Т-34-85" in Windows-1251
        "\xD6sterreich,1944," + kFullYear,              // 15: Windows-1252, silent
        "\xD2\xE0\xED\xEA \xD2-34-85 \xEE\xE1\xF0\xE0\xE7\xF6\xE0 1944,1944," + kFullYear, // 16
        "\u0421\u0430\u043C\u043E\u0445\u043E\u0434\u043D\u0430\u044F "
        "\u0443\u0441\u0442\u0430\u043D\u043E\u0432\u043A\u0430,1944," +
            kFullYear, // 17: 10 letters in 20 bytes
        "\u0422-34-85 \u043E\u0431\u0440\u0430\u0437\u0446\u0430 1944,1944," +
            kFullYear,                                     // 18: cut inside a letter
        "T-34 \u043E\u0431\u0440. 1943,1944," + kFullYear, // 19: UTF-8, silent
    });
    ReadTankData();
    ExpectProblems(
        store.TankDataReport,
        {
            {4, typo.c_str()},
            {5, crossedOut.c_str()},
            {6, crossedOut.c_str()},
            {11, hash.c_str()},
            {12, slashes.c_str()},
            {14, cyrillic.c_str()},
            {16, ("stored with a doubt: name cut to 20 bytes (the first 20 letters); the name "
                  "looks like Windows-1251 (Cyrillic); save the file as UTF-8")},
            {17, "stored with a doubt: name cut to 20 bytes (the first 10 letters)"},
            {18, "stored with a doubt: name cut to 20 bytes (the first 13 letters)"},
        });
    EXPECT_EQ(store.VehicleProduction[1][25], 1) << "the later line's months stand, as before";
    EXPECT_EQ(store.VehicleNames[2].View(), "# ISU-122");
    EXPECT_EQ(store.VehicleNames[5].View(), "\xD2-34-85");
    EXPECT_EQ(store.TankDataReport.Count(TLineOutcome::CommentOrBlankStart), 6);
}

TEST_F(LineAccountTest, AFleetRowAndYearWrittenTwiceIsNamedOnTheLaterLine) {
    WriteTotalData({
        DataLine("Loss", 1943, {1000, 2000, -500}), // 2
        "Total,1943," + kFullYear,                  // 3
        "Loss,1942," + kFullYear,                   // 4
        "Loss,1943," + kFullYear,                   // 5
        "Xloss,1943," + kFullYear,                  // 6
        "Total,1943," + kFullYear,                  // 7
    });
    ReadTotalData();
    ExpectProblems(store.TotalDataReport,
                   {
                       {5, "stored with a doubt: replaces the 1943 months of line 2 (Loss): 2,500 "
                           "written there are no longer counted"},
                       {6, "ignored: a line starting with \"X\" is a comment; a vehicle name "
                           "cannot start with X"},
                       {7, "stored with a doubt: replaces the 1943 months of line 3 (Total): 78 "
                           "written there are no longer counted"},
                   });
    EXPECT_EQ(store.Losses[25], 1);
}

TEST_F(LineAccountTest, AFullVehicleTableIgnoresTheNextNewName) {
    std::vector<std::string> lines;
    for (int vehicle = 1; vehicle <= MaxVehicles + 1; ++vehicle) {
        lines.push_back("Vehicle " + std::to_string(vehicle) + ",1941," + kFullYear);
    }
    WriteTankData(lines);
    ReadTankData();
    ExpectProblems(store.TankDataReport,
                   {{MaxVehicles + 2,
                     "ignored: no free vehicle slot (201 vehicle types are stored already)"}});
}

TEST_F(LineAccountTest, AReportedLineKeepsItsStartAsWritten) {
    const std::string longLine = "Loss,1943,1,2," + std::string(400, ' ');
    WriteTotalData({longLine});
    ReadTotalData();
    ASSERT_EQ(store.TotalDataReport.Problems().size(), 1u);
    const TLineProblem& problem = store.TotalDataReport.Problems().front();
    EXPECT_EQ(problem.Text, longLine.substr(0, TLineProblem::kTextLimit));
    EXPECT_TRUE(problem.TextCut);
}

TEST_F(LineAccountTest, TheAccountKeepsABoundedNumberOfLinesAndCountsTheRest) {
    const std::size_t extra = 5;
    const std::vector<std::string> lines(TReadReport::kKeptProblems + extra, "Loss,1943,1,2,");
    WriteTotalData(lines);
    ReadTotalData();
    EXPECT_EQ(store.TotalDataReport.Problems().size(), TReadReport::kKeptProblems);
    EXPECT_EQ(store.TotalDataReport.ProblemCount(),
              static_cast<std::int64_t>(TReadReport::kKeptProblems + extra));
    EXPECT_EQ(store.TotalDataReport.Problems().back().Line,
              static_cast<std::int64_t>(TReadReport::kKeptProblems) + 1);
}

TEST_F(LineAccountTest, FilesWithLineFeedsAloneOrLastValuesWithoutCommaStoreEveryValue) {
    struct TCase {
        const char* what;
        std::string bytes;
        std::int64_t reportedLines;
    };
    const std::string line = "Total,1942,1,2,3,4,5,6,7,8,9,10,11,12";
    const TCase cases[] = {
        {"line feeds only", "Name\n" + line + ",\nLoss,1942," + kFullYear + "\n", 0},
        {"a lone line feed inside a CR LF file",
         "Name\r\n" + line + ",\nLoss,1942," + kFullYear + "\r\n", 0},
        {"no comma after December, CR LF", "Name\r\n" + line + "\r\nLoss,1942," + kFullYear, 0},
        {"no comma after December at the file's end",
         "Name\r\nLoss,1942," + kFullYear + "\r\n" + line, 0},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.what);
        directory.WriteFile(kTotalDataFileName, test.bytes);
        LoadProductionData();
        EXPECT_EQ(store.TotalInService[13], 1);
        EXPECT_EQ(store.TotalInService[24], 12);
        EXPECT_EQ(store.Losses[24], 12);
        EXPECT_EQ(store.TotalDataReport.ProblemCount(), test.reportedLines);
        EXPECT_EQ(store.TotalDataReport.Count(TLineOutcome::Stored), 2);
    }
}
