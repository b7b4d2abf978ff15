// Black-box tests of armalyx-import: spreadsheet exports written the ways spreadsheets write them
// are converted, and the data file is then read by the program's own reader, which must store
// exactly the spreadsheet's figures; rows that cannot be stored as written are named with their
// row and column and left out.
#include "TCommandRun.h"
#include "TTempDirectory.h"
#include "TWorkingDirectory.h"
#include "TestFiles.h"

#include "Production1.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using namespace Armalyx;

namespace {

const std::string kHeaderLine = "Vehicle,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,\r\n";

// One row of the spreadsheet as its owner means it.
struct TSheetRow {
    std::string Name;
    int Year = 0;
    std::array<std::int32_t, 12> Months{};
};

class ImportTest : public ::testing::Test {
protected:
    // Runs the converter in the temporary directory, its error output kept apart.
    TCommandRun Run(const std::string& arguments) const {
        return RunCommandWithSeparateError("cd " + Quoted(directory.Path()) + " && " +
                                           Quoted(ARMALYX_IMPORT_PATH) + " " + arguments);
    }

    // Writes the CSV file and converts it.
    TCommandRun Convert(const std::string& csv, const std::string& name = "sheet.csv") const {
        directory.WriteFile(name, csv);
        return Run(name);
    }

    // Loads the converter's output as "TankData.txt" with the program's reader.
    const Production1::TProductionStore& Load(const std::string& dataFile) const {
        directory.WriteFile(Production1::kTankDataFileName, dataFile);
        const TWorkingDirectory inDirectory(directory.Path());
        Production1::InitializeStore();
        Production1::LoadProductionData();
        return Production1::Store();
    }

    // The store holds these rows, in this order, and nothing else; the reader passed over no line.
    static void ExpectStored(const Production1::TProductionStore& store,
                             const std::vector<TSheetRow>& rows) {
        EXPECT_EQ(store.TankDataReport.ProblemCount(), 0);
        EXPECT_EQ(store.TankDataReport.Lines(), static_cast<std::int64_t>(rows.size()));
        ASSERT_EQ(store.VehicleCount, static_cast<std::int32_t>(rows.size()));
        for (std::size_t index = 0; index < rows.size(); ++index) {
            const TSheetRow& row = rows[index];
            SCOPED_TRACE(row.Name);
            const int slot = static_cast<int>(index) + 1;
            EXPECT_EQ(store.VehicleNames[slot].View(), row.Name);
            std::vector<std::int32_t> expected(60, 0);
            std::copy(row.Months.begin(), row.Months.end(),
                      expected.begin() + (row.Year - 1941) * 12);
            const Production1::MonthSeries& series = store.VehicleProduction[slot];
            EXPECT_EQ(std::vector<std::int32_t>(series.begin(), series.end()), expected);
        }
    }

    void TearDown() override { Production1::InitializeStore(); }

    TTempDirectory directory;
};

// The same three rows, with a name in quotes and a name in UTF-8 ("Šárka"), and the largest
// values the program stores.
const std::vector<TSheetRow> kSheet = {
    {"T-34", 1942, {1250, 1300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}},
    {"KV \"1\"", 1941, {0, 0, 0, 0, 0, 0, -3, 250, 0, 0, 0, 2147483647}},
    {"\u0160\u00E1rka", 1943, {0, 0, 1000000, 0, 0, 0, 0, 0, 0, 0, 0, -2147483647 - 1}},
};

struct TSpelling {
    const char* Name;
    std::string Csv;
};

const std::vector<TSpelling> kSpellings = {
    {"comma, LF, header, grouping commas in quotes",
     "Name,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec\n"
     "T-34,1942,\"1,250\",\"1,300\",,,,,,,,,,7\n"
     "\"KV \"\"1\"\"\",1941,0,0,0,0,0,0,-3,250,0,0,0,\"2,147,483,647\"\n"
     "\u0160\u00E1rka,1943,,,\"1,000,000\",,,,,,,,,-2147483648\n"},
    {"semicolon, CR LF, byte-order mark, blanks and no-break spaces grouping",
     "\xEF\xBB\xBFName;Year;Jan;Feb;Mar;Apr;May;Jun;Jul;Aug;Sep;Oct;Nov;Dec\r\n"
     "T-34;1942;1 250;1\u00A0300;;;;;;;;;;7\r\n"
     "\"KV \"\"1\"\"\";1941;;;;;;;-3;250;;;;2 147 483 647\r\n"
     "\u0160\u00E1rka;1943;;;1\u202F000\u202F000;;;;;;;;;-2147483648\r\n"},
    {"tab, lone CR, no header, apostrophes and whole decimals",
     "T-34\t1942\t1'250\t1300.0\t\t\t\t\t\t\t\t\t\t7.00\r"
     "\"KV \"\"1\"\"\"\t1941\t\t\t\t\t\t\t-3\t250\t\t\t\t2147483647\r"
     "\u0160\u00E1rka\t1943\t\t\t1'000'000\t\t\t\t\t\t\t\t\t-2147483648\r"},
    {"comma, CR LF, header with a line break, empty rows, blanks, short rows, no final line end",
     "\"Vehicle\nname\",Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,,\r\n"
     "\r\n"
     " T-34 , 1942 , \"1,250\" , \"1300\" ,,,,,,,,,,7,,\r\n"
     ",,,,\r\n"
     "\"KV \"\"1\"\"\",1941.00,,,,,,,-3,250,,,,2147483647\r\n"
     "\u0160\u00E1rka,1943,,,1000000,,,,,,,,,-2147483648"},
    {"semicolon with point grouping and comma decimals",
     "Name;Year;Jan;Feb;Mar;Apr;May;Jun;Jul;Aug;Sep;Oct;Nov;Dec\n"
     "T-34;1942;1.250,0;1.300,00;0;0;0;0;0;0;0;0;0;7,0\n"
     "\"KV \"\"1\"\"\";\"1941\";;;;;;;-3;250;;;;2.147.483.647\n"
     "\u0160\u00E1rka;1943;;;1.000.000;;;;;;;;;-2.147.483.648\n"},
};

} // namespace

TEST_F(ImportTest, EverySpellingOfTheSheetReadsBackAsTheSheet) {
    for (const TSpelling& spelling : kSpellings) {
        SCOPED_TRACE(spelling.Name);
        const TCommandRun run = Convert(spelling.Csv);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Error, "");
        EXPECT_TRUE(run.Output.starts_with(kHeaderLine));
        ExpectStored(Load(run.Output), kSheet);
    }
}

// The shortest row the converter writes is still longer than the 19 characters the reader passes
// over, and a row of zeros still makes its vehicle.
TEST_F(ImportTest, TheShortestRowIsStillReadAsAVehicle) {
    const TCommandRun run = Convert("A,1941\n");
    EXPECT_EQ(run.Status, 0) << run.Error;
    EXPECT_EQ(run.Output, kHeaderLine + "A,1941,0,0,0,0,0,0,0,0,0,0,0,0,\r\n");
    ExpectStored(Load(run.Output), {{"A", 1941, {}}});
}

namespace {

struct TRefusal {
    const char* Row; // written as row 3, after a header and a good row
    const char* Message;
};

} // namespace

TEST_F(ImportTest, RowsThatWouldNotReadBackAsWrittenAreNamedAndLeftOut) {
    const TRefusal refusals[] = {
        {"T-34,,1,2", "row 3, column B: there is no year"},
        {"T-34", "row 3, column B: there is no year"},
        {"T-34,1946,1", "row 3, column B: the year 1946 is not one of 1941 to 1945"},
        {"T-34,1940.5,1", "row 3, column B: \"1940.5\" is not a whole number"},
        {"T-34,year,1", "row 3, column B: \"year\" is not a number"},
        {"\"T-34, late\",1942,1", "row 3, column A: the name \"T-34, late\" holds a comma"},
        {"Panzerkampfwagen IV G,1942,1",
         "row 3, column A: the name \"Panzerkampfwagen IV G\" is 21 bytes long; the program keeps "
         "only 20"},
        {"; note,1942,1", "row 3, column A: the name \"; note\" starts with \";\""},
        {"X-1,1942,1", "so the program would take the line for a comment"},
        {"xT,1942,1", "row 3, column A: the name \"xT\" starts with \"x\""},
        {",1942,1", "row 3, column A: the name is empty"},
        {"\"T\n34\",1942,1", "row 3, column A: the name \"T?34\" holds a line break"},
        {"T-34,1942,many", "row 3, column C: \"many\" is not a number"},
        {"T-34,1942,1,12.5", "row 3, column D: \"12.5\" is not a whole number"},
        {"T-34,1942,1,1.250", "row 3, column D: \"1.250\" may group thousands or hold a decimal"},
        {"T-34,1942,1,2,3,4,5,6,7,8,9,10,11,12,13",
         "row 3, column O: \"13\" is past December; a row holds one year of twelve months"},
        {"T-34,1942,2147483648", "row 3, column C: \"2147483648\" is outside the range"},
        {"T-34,1942,-2147483649", "row 3, column C: \"-2147483649\" is outside the range"},
        {"Good,1941,6", "row 3: \"Good\" 1941 is already in row 2; the program would keep only"},
        {"T-34,\"1942\"x,1", "row 3, column B: text follows the closing quote"},
        {"T-34,1942,\"1", "row 3, column C: the quote is not closed before the end of the file"},
    };
    for (const TRefusal& refusal : refusals) {
        SCOPED_TRACE(refusal.Row);
        const TCommandRun run =
            Convert(std::string("Name,Year,Jan\nGood,1941,5\n") + refusal.Row + "\n");
        EXPECT_EQ(run.Status, 1);
        EXPECT_TRUE(run.Error.starts_with("armalyx-import: sheet.csv: ")) << run.Error;
        EXPECT_NE(run.Error.find(refusal.Message), std::string::npos) << run.Error;
        EXPECT_EQ(std::count(run.Error.begin(), run.Error.end(), '\n'), 1) << run.Error;
        // The good row is written all the same, and only it.
        ExpectStored(Load(run.Output), {{"Good", 1941, {5}}});
    }
}

TEST_F(ImportTest, RowsAreCountedAsTheSpreadsheetCountsThem) {
    // Row 1 spans two lines, row 2 is empty, row 4 holds a line break in a quoted cell.
    const TCommandRun run = Convert("\"Name\nof vehicle\",Year\n"
                                    "\n"
                                    "A,1941,1.5\n"
                                    "\"B\",1941,\"1\n2\"\n"
                                    "C,1941,oops\n");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Error, "armalyx-import: sheet.csv: row 3, column C: \"1.5\" is not a whole "
                         "number, and the program stores whole numbers only\n"
                         "armalyx-import: sheet.csv: row 4, column C: \"1?2\" is not a number\n"
                         "armalyx-import: sheet.csv: row 5, column C: \"oops\" is not a number\n");
}

TEST_F(ImportTest, AFirstRowOfFiguresWithoutAYearIsNamedNotSkippedAsAHeader) {
    const TCommandRun run = Convert("T-34,,5,6\nKV-1,1941,1\n");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Error, "armalyx-import: sheet.csv: row 1, column B: there is no year\n");
    ExpectStored(Load(run.Output), {{"KV-1", 1941, {1}}});
}

TEST_F(ImportTest, TheTwoHundredAndSecondVehicleIsNamed) {
    std::string csv;
    for (int vehicle = 1; vehicle <= 202; ++vehicle) {
        csv.append("V").append(std::to_string(vehicle)).append(",1941,1\n");
    }
    const TCommandRun run = Convert(csv);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Error, "armalyx-import: sheet.csv: row 202: \"V202\" would be vehicle type 202; "
                         "the program holds 201\n");
    EXPECT_EQ(Load(run.Output).VehicleCount, 201);
}

TEST_F(ImportTest, UsageErrorsExitWithStatusTwo) {
    directory.WriteFile("a.csv", "A,1941\n");
    const struct {
        const char* Arguments;
        const char* Message;
    } cases[] = {
        {"", "armalyx-import: no CSV file given\nUsage: armalyx-import "},
        {"--bogus a.csv", "armalyx-import: unknown option --bogus\nUsage: armalyx-import "},
        {"a.csv a.csv", "armalyx-import: one CSV file at a time, not also a.csv\n"},
        {"missing.csv", "armalyx-import: cannot read missing.csv: No such file or directory\n"},
        {".", "armalyx-import: cannot read .: it is a folder\n"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Arguments);
        const TCommandRun run = Run(test.Arguments);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Output, "");
        EXPECT_TRUE(run.Error.starts_with(test.Message)) << run.Error;
    }
}

TEST_F(ImportTest, AFileNamedAfterTheOptionsEndIsConverted) {
    const TCommandRun run = Convert("A,1941\n", "-sheet.csv");
    EXPECT_EQ(run.Status, 2) << "an option, unless after --";
    const TCommandRun ended = Run("-- -sheet.csv");
    EXPECT_EQ(ended.Status, 0) << ended.Error;
    ExpectStored(Load(ended.Output), {{"A", 1941, {}}});
}

TEST_F(ImportTest, AnUnwritableOutputIsAFailure) {
    directory.WriteFile("a.csv", "A,1941\n");
    const TCommandRun run = Run("a.csv > /dev/full");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Error, "armalyx-import: cannot write the data file to standard output\n");
}
