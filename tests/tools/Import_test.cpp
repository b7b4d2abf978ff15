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

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <sstream>
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

    // The store holds these rows, its vehicles in the order they first appear, and nothing else;
    // every line is stored or a comment, and the reader has nothing to say about any.
    static void ExpectStored(const Production1::TProductionStore& store,
                             const std::vector<TSheetRow>& rows) {
        EXPECT_EQ(store.TankDataReport.ProblemCount(), 0);
        EXPECT_EQ(store.TankDataReport.Count(Production1::TLineOutcome::Stored),
                  static_cast<std::int64_t>(rows.size()));
        std::vector<std::string> names;
        std::vector<std::vector<std::int32_t>> series;
        for (const TSheetRow& row : rows) {
            const auto found = std::find(names.begin(), names.end(), row.Name);
            if (found == names.end()) {
                names.push_back(row.Name);
                series.emplace_back(60, 0);
            }
            std::vector<std::int32_t>& months = series.at(static_cast<std::size_t>(
                std::find(names.begin(), names.end(), row.Name) - names.begin()));
            std::copy(row.Months.begin(), row.Months.end(),
                      months.begin() + (row.Year - 1941) * 12);
        }
        ASSERT_EQ(store.VehicleCount, static_cast<std::int32_t>(names.size()));
        for (std::size_t index = 0; index < names.size(); ++index) {
            SCOPED_TRACE(names[index]);
            const int slot = static_cast<int>(index) + 1;
            EXPECT_EQ(store.VehicleNames[slot].View(), names[index]);
            const Production1::MonthSeries& stored = store.VehicleProduction[slot];
            EXPECT_EQ(std::vector<std::int32_t>(stored.begin(), stored.end()), series[index]);
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
        // Only the empty cells, written as 0, are named.
        std::istringstream lines(run.Error);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_TRUE(line.starts_with("armalyx-import: sheet.csv: row ") &&
                        line.ends_with(" is empty, written as 0"))
                << line;
        }
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
        const TCommandRun run = Convert(
            std::string("Name,Year,Jan\nGood,1941,5,0,0,0,0,0,0,0,0,0,0,0\n") + refusal.Row + "\n");
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
                         "armalyx-import: sheet.csv: row 5, column C: \"oops\" is not a number\n"
                         "armalyx-import: sheet.csv: no row converted; nothing was written\n");
    EXPECT_EQ(run.Output, "");
}

TEST_F(ImportTest, AFirstRowOfFiguresWithoutAYearIsNamedNotSkippedAsAHeader) {
    const TCommandRun run = Convert("T-34,,5,6\nKV-1,1941,1,0,0,0,0,0,0,0,0,0,0,0\n");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Error, "armalyx-import: sheet.csv: row 1, column B: there is no year\n");
    ExpectStored(Load(run.Output), {{"KV-1", 1941, {1}}});
}

TEST_F(ImportTest, TheTwoHundredAndSecondVehicleIsNamed) {
    std::string csv;
    for (int vehicle = 1; vehicle <= 202; ++vehicle) {
        csv.append("V").append(std::to_string(vehicle)).append(",1941,1,0,0,0,0,0,0,0,0,0,0,0\n");
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
        {"a.csv -o", "armalyx-import: -o needs a value\nUsage: armalyx-import "},
        {"--output= a.csv", "armalyx-import: --output needs a file name\n"},
        {"--encoding koi8-r a.csv",
         "armalyx-import: unknown encoding koi8-r (windows-1251, windows-1252 or utf-8)\n"},
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
    directory.WriteFile("a.csv", "A,1941,0,0,0,0,0,0,0,0,0,0,0,0\n");
    const TCommandRun run = Run("a.csv > /dev/full");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Error, "armalyx-import: cannot write the data file to standard output\n");
}

namespace {

// A sheet saved by LibreOffice Calc with its default CSV settings (comma, quotes only where
// needed, LF), or with the field delimiter or character set changed in the export dialog.
struct TCalcExport {
    const char* File;
    const char* Options;
    std::vector<TSheetRow> Rows;
    const char* Error;
};

const TCalcExport kCalcExports[] = {
    {"total-source.csv",
     "",
     {{"T-34", 1942, {1000, 1050, 1100, 1150, 1200, 1250, 1300, 1350, 1400, 1450, 1500, 0}},
      {"T-34", 1943, {1200, 1210, 1220, 1230, 1240, 1250, 1260, 1270, 1280, 1290, 1300, 1310}},
      {"KV-1", 1941, {0, 0, 0, 0, 0, 0, 100, 120, 150, 180, 200, 210}},
      {"SU-76", 1943, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}}},
     "armalyx-import: total-source.csv: column R (\"Crew\") is not one the data file holds; it is "
     "ignored\n"
     "armalyx-import: total-source.csv: row 2: Dec is empty, written as 0\n"
     "armalyx-import: total-source.csv: row 2, column O: the total is 14750 but the twelve months "
     "add up to 13750; the months are written as they stand\n"
     "armalyx-import: total-source.csv: row 4, column O: the total is 970 but the twelve months "
     "add "
     "up to 960; the months are written as they stand\n"},
    {"semicolon.csv",
     "",
     {{"Panther D", 1943, {0, 0, 4, 0, 324, 0, 202, 120, 197, 257, 209, 299}},
      {"Tiger I", 1942, {0, 0, 0, 0, 0, 0, 0, 1, 3, 11, 25, 30}}},
     ""},
    {"cyrillic-windows-1251.csv",
     "--encoding windows-1251",
     {{"\u0422-34-85", 1944, {0, 0, 150, 400, 700, 900, 1000, 1100, 1200, 1200, 1300, 1350}},
      {"\u0418\u0421-2", 1944, {75, 75, 100, 150, 175, 200, 225, 225, 250, 250, 250, 250}},
      {"\u0421\u0423-100", 1945, {100, 120, 140, 160, 180, 200, 0, 0, 0, 0, 0, 0}}},
     "armalyx-import: cyrillic-windows-1251.csv: column O (\"\u0418\u0441\u0442\u043E\u0447\u043D"
     "\u0438\u043A\") is not one the data file holds; it is ignored\n"},
};

std::filesystem::path SheetPath(const char* file) {
    return std::filesystem::path(ARMALYX_SOURCE_DIR) / "tests" / "tools" / "sheets" / file;
}

} // namespace

TEST_F(ImportTest, SheetsSavedByLibreOfficeCalcReadBackAsTheSheet) {
    for (const TCalcExport& sheet : kCalcExports) {
        SCOPED_TRACE(sheet.File);
        directory.WriteFile(sheet.File, ReadFileBytes(SheetPath(sheet.File)));
        const TCommandRun converted = Run(std::string(sheet.Options) + " " + sheet.File);
        EXPECT_EQ(converted.Status, 0);
        EXPECT_EQ(converted.Error, sheet.Error);
        ExpectStored(Load(converted.Output), sheet.Rows);
    }
}

TEST_F(ImportTest, ASourceAndNotesGoOnCommentLinesAboveTheirRow) {
    const TCommandRun run = Convert(ReadFileBytes(SheetPath("total-source.csv")));
    EXPECT_NE(
        run.Output.find(kHeaderLine +
                        "; source: Zaloga, Soviet Tanks and Combat Vehicles of WW2, p. 141\r\n"
                        "; December figure not yet found\r\n"
                        "T-34,1942,"),
        std::string::npos)
        << run.Output;
    EXPECT_NE(run.Output.find("; source: GABTU report, 1944\r\nT-34,1943,"), std::string::npos);
    EXPECT_NE(run.Output.find("; source:\r\n; Total in the source is 970\r\nKV-1,1941,"),
              std::string::npos)
        << "a row without a source ends the source of the rows above it";
    const TCommandRun broken =
        Convert("Name,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,"
                "Notes\nA,1941,1,2,3,4,5,6,7,8,9,10,11,12,\"two\nlines\x1A\"\n");
    EXPECT_EQ(broken.Status, 0) << broken.Error;
    EXPECT_EQ(broken.Output, kHeaderLine + "; two lines\r\nA,1941,1,2,3,4,5,6,7,8,9,10,11,12,\r\n")
        << "a note's line break and end-of-file mark become blanks";
}

TEST_F(ImportTest, SourcesReadBackAsTheSourceOfEachRow) {
    const TCommandRun run = Convert(ReadFileBytes(SheetPath("total-source.csv")));
    const Production1::TProductionStore& store = Load(run.Output);
    ASSERT_EQ(store.VehicleCount, 3);
    const struct {
        int Slot;
        int Year;
        const char* Source;
    } expected[] = {
        {1, 1942, "Zaloga, Soviet Tanks and Combat Vehicles of WW2, p. 141"},
        {1, 1943, "GABTU report, 1944"},
        {2, 1941, ""},
        {3, 1943, ""},
    };
    for (const auto& row : expected) {
        SCOPED_TRACE(row.Source);
        EXPECT_EQ(Production1::VehicleYearSource(store, row.Slot, row.Year), row.Source);
    }
    EXPECT_EQ(store.TankDataReport.ProblemCount(), 0);
}

TEST_F(ImportTest, SourceCellsJoinAndNotesNeverReadAsSources) {
    const std::string longSource(1001, 'a');
    const TCommandRun run =
        Convert("Name,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,Source,Notes,Sources\n"
                "A,1941,1,2,3,4,5,6,7,8,9,10,11,12,RGVA,Source: unclear,p. 12\n"
                "B,1941,1,2,3,4,5,6,7,8,9,10,11,12,,SOURCE : none,\n"
                "C,1941,1,2,3,4,5,6,7,8,9,10,11,12," +
                longSource + ",,\n");
    EXPECT_EQ(run.Status, 0) << run.Error;
    EXPECT_EQ(run.Output, kHeaderLine +
                              "; source: RGVA; p. 12\r\n; note: Source: unclear\r\n"
                              "A,1941,1,2,3,4,5,6,7,8,9,10,11,12,\r\n"
                              "; source:\r\n; note: SOURCE : none\r\n"
                              "B,1941,1,2,3,4,5,6,7,8,9,10,11,12,\r\n"
                              "; source: " +
                              longSource + "\r\nC,1941,1,2,3,4,5,6,7,8,9,10,11,12,\r\n");
    EXPECT_EQ(run.Error, "armalyx-import: sheet.csv: row 4, column O: the source is 1001 bytes "
                         "long; the program keeps only the first 1000\n");
    const Production1::TProductionStore& store = Load(run.Output);
    EXPECT_EQ(Production1::VehicleYearSource(store, 1, 1941), "RGVA; p. 12");
    EXPECT_EQ(Production1::VehicleYearSource(store, 2, 1941), "");
}

TEST_F(ImportTest, SheetsThatCannotBeConvertedWriteNothing) {
    const struct {
        const char* File;
        const char* Options;
        const char* Error;
    } cases[] = {
        {"year-columns.csv", "",
         "armalyx-import: year-columns.csv: row 1 has one column per year; the data file needs one "
         "row per name and year, with the year in column B and its twelve months in columns C to N "
         "(Name, Year, Jan to Dec); nothing was written\n"},
        {"cyrillic-windows-1251.csv", "--encoding utf-8",
         "armalyx-import: cyrillic-windows-1251.csv: line 1 is not UTF-8; give the code page the "
         "sheet was saved in, such as --encoding windows-1251 (Cyrillic) or --encoding "
         "windows-1252 (Western European); nothing was written\n"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.File);
        directory.WriteFile(test.File, ReadFileBytes(SheetPath(test.File)));
        const TCommandRun run = Run(std::string(test.Options) + " " + test.File);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Output, "");
        EXPECT_NE(run.Error.find(test.Error), std::string::npos) << run.Error;
    }
}

// Without --encoding a sheet that is not UTF-8 converts as it always did, byte for byte, and the
// program shows its names as Windows-1252; what the bytes meant cannot be known, so it is named.
TEST_F(ImportTest, ASheetInAnUnstatedCodePageIsWrittenAsItIsAndNamed) {
    const TCommandRun run = Convert("Name,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec\n"
                                    "\xD6sterreich,1943,1,2,3,4,5,6,7,8,9,10,11,12\n");
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Error.find("line 2 is not UTF-8; its bytes were written as they are, which "
                             "Armalyx shows as Windows-1252 (Western European)"),
              std::string::npos)
        << run.Error;
    EXPECT_NE(run.Output.find("\xD6sterreich,1943,1,2,"), std::string::npos) << run.Output;
    ExpectStored(Load(run.Output),
                 {{"\xD6sterreich", 1943, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}});
}

TEST_F(ImportTest, OutputReplacesTheFileOnlyWhenARowConverted) {
    const std::string old = "Name,Year,\r\nT-34,1942,1,2,3,4,5,6,7,8,9,10,11,12,\r\n";
    const std::filesystem::path dataFile = directory.Path() / "TankData.txt";
    directory.WriteFile("year-columns.csv", ReadFileBytes(SheetPath("year-columns.csv")));
    directory.WriteFile("refused.csv", "T-34,1946,1\n");
    directory.WriteFile("1251.csv", ReadFileBytes(SheetPath("cyrillic-windows-1251.csv")));
    directory.WriteFile("empty.csv", "Name,Year,Jan\n\n");
    for (const char* arguments :
         {"-o TankData.txt year-columns.csv", "--output TankData.txt refused.csv",
          "--encoding utf-8 --output=TankData.txt 1251.csv", "-o TankData.txt empty.csv"}) {
        SCOPED_TRACE(arguments);
        directory.WriteFile("TankData.txt", old);
        const TCommandRun run = Run(arguments);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Output, "");
        EXPECT_EQ(ReadFileBytes(dataFile), old) << "the old file, byte for byte";
    }
    EXPECT_NE(Run("-o TankData.txt refused.csv")
                  .Error.find("no row converted; TankData.txt was left as it was\n"),
              std::string::npos);

    directory.WriteFile("sheet.csv", "Name,Year,Jan\nKV-1,1941,5,0,0,0,0,0,0,0,0,0,0,0\n");
    // The file replaced keeps who may read and write it.
    const auto kept = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                      std::filesystem::perms::group_read;
    std::filesystem::permissions(dataFile, kept);
    const TCommandRun replaced = Run("sheet.csv -o TankData.txt");
    EXPECT_EQ(replaced.Status, 0) << replaced.Error;
    EXPECT_EQ(replaced.Output, "");
    ExpectStored(Load(ReadFileBytes(dataFile)), {{"KV-1", 1941, {5}}});
    EXPECT_EQ(std::filesystem::status(dataFile).permissions() & std::filesystem::perms::all, kept);
    const auto entries = std::distance(std::filesystem::directory_iterator(directory.Path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 6) << "no temporary file is left beside it";

    const TCommandRun unwritable = Run("sheet.csv -o no-such-folder/TankData.txt");
    EXPECT_EQ(unwritable.Status, 2);
    EXPECT_TRUE(unwritable.Error.starts_with("armalyx-import: cannot write beside "
                                             "no-such-folder/TankData.txt: "))
        << unwritable.Error;
}
