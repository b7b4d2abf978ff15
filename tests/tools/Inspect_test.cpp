// Black-box tests of armalyx-inspect: the program runs in a temporary directory holding the data
// files, and its JSON output is searched for the members it must print.
#include "TCommandRun.h"
#include "TTempDirectory.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

using namespace Armalyx;

namespace {

// Runs the inspector with the given directory as its working directory; its error output is kept
// apart from the JSON document.
TCommandRun RunInspect(const std::filesystem::path& directory, const std::string& arguments) {
    return RunCommandWithSeparateError("cd " + Quoted(directory) + " && " +
                                       Quoted(ARMALYX_INSPECT_PATH) + " " + arguments);
}

// The whole numbers of the array that follows "key": in the output.
std::vector<long long> IntegerArray(const std::string& json, const std::string& key) {
    std::vector<long long> values;
    const std::size_t start = json.find("\"" + key + "\": [");
    if (start == std::string::npos) {
        return values;
    }
    std::istringstream items(json.substr(json.find('[', start) + 1));
    long long value = 0;
    char separator = ',';
    while (separator == ',' && items >> value >> separator) {
        values.push_back(value);
    }
    return values;
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The document without its line breaks and indentation, so that an object reads on one line.
std::string Squeezed(const std::string& json) {
    std::string squeezed;
    bool lineStart = false;
    for (const char c : json) {
        if (c == '\n') {
            lineStart = true;
        } else if (!(lineStart && c == ' ')) {
            lineStart = false;
            squeezed += c;
        }
    }
    return squeezed;
}

std::vector<long long> From(std::size_t firstMonth, std::vector<long long> values) {
    std::vector<long long> months(60, 0);
    std::copy(values.begin(), values.end(), months.begin() + static_cast<long>(firstMonth - 1));
    return months;
}

class InspectTest : public ::testing::Test {
protected:
    void WriteData(const std::string& total, const std::string& tank) const {
        directory.WriteFile("TotalData.txt", "Name,Year,\r\n" + total);
        directory.WriteFile("TankData.txt", "Name,Year,\r\n" + tank);
    }

    TTempDirectory directory;
};

constexpr const char* kTotalLines = "Total,1941,1000,1000,1000,1000,1000,1000,\r\n"
                                    "Loss,1941,0,0,0,0,50,60,\r\n"
                                    "Lend Lease,1941,0,0,0,40,10,0,\r\n"
                                    "total,1941,1,2,3,4,5,6,7,\r\n"
                                    "Total,1946,1,2,3,4,5,6,7,\r\n";
constexpr const char* kTankLines = "T-34\x80,1941,0,0,0,500,90,0,\r\n"
                                   "KV \"1\",1942,7,-2,3,0,0,0,0,\r\n"
                                   ",1941,5,5,5,5,5,5,5,5,\r\n"
                                   "; a comment line here\r\n";

} // namespace

TEST_F(InspectTest, PrintsTheLoadedStore) {
    WriteData(kTotalLines, kTankLines);
    const TCommandRun run = RunInspect(directory.Path(), "");
    EXPECT_EQ(run.Status, 0) << run.Error;
    EXPECT_EQ(IntegerArray(run.Output, "TotalInService"),
              From(1, {1000, 1000, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(IntegerArray(run.Output, "Losses"), From(5, {50, 60}));
    EXPECT_EQ(IntegerArray(run.Output, "NewProduction"), From(1, {}));
    EXPECT_EQ(IntegerArray(run.Output, "LendLease"), From(4, {40, 10}));
    EXPECT_NE(run.Output.find("\"VehicleCount\": 2"), std::string::npos);
    EXPECT_NE(run.Output.find("\"name\": \"T-34\xE2\x82\xAC\""), std::string::npos)
        << "Windows-1252";
    EXPECT_NE(run.Output.find("\"name\": \"KV \\\"1\\\"\""), std::string::npos) << "escaped quotes";
    EXPECT_NE(run.Output.find("\"total\": 590"), std::string::npos);
    EXPECT_NE(run.Output.find("\"total\": 10"), std::string::npos);
    EXPECT_EQ(IntegerArray(run.Output, "production"), From(4, {500, 90}));
    std::vector<long long> summed = From(4, {500, 90});
    summed.at(12) = 7;
    summed.at(14) = 3;
    EXPECT_EQ(IntegerArray(run.Output, "SummedProduction"), summed);
    EXPECT_NE(
        run.Output.find("\"LossRate\": [0, 0, 0, 0, 0.047619047619047616, 0.057142857142857141"),
        std::string::npos)
        << "doubles print so that they read back exactly";
    EXPECT_NE(run.Output.find("\"unknown name\": 1"), std::string::npos);
    EXPECT_NE(run.Output.find("\"year out of range\": 1"), std::string::npos);
    EXPECT_NE(run.Output.find("\"empty name\": 1"), std::string::npos);
    EXPECT_NE(run.Output.find("\"comment or blank start\": 1"), std::string::npos);
    EXPECT_NE(run.Output.find("\"lines\": 5"), std::string::npos);
    EXPECT_NE(run.Output.find("\"lines\": 4"), std::string::npos);
    EXPECT_EQ(run.Output.find("\"Span\""), std::string::npos) << "only with --span";
    EXPECT_NE(run.Output.find("\"Error\": null"), std::string::npos);
}

TEST_F(InspectTest, SpanOptionsComputeTheSpanFigures) {
    WriteData(kTotalLines, kTankLines);
    struct TCase {
        const char* arguments;
        const char* span;
    };
    const TCase cases[] = {
        {"--span 0 0 11 4", "\"SpanStart\": 1,\n    \"SpanEnd\": 60,\n    \"SpanTotal\": 600,\n"
                            "    \"SpanVehicleTotal\": 590,\n    \"SpanLosses\": 110"},
        {"--span 3 0 4 0 --vehicle 2",
         "\"SpanStart\": 4,\n    \"SpanEnd\": 5,\n    \"SpanTotal\": 590,\n"
         "    \"SpanVehicleTotal\": 0,\n    \"SpanLosses\": 50"},
        {"--span 3 0 4 0 --lend-lease", "\"SpanTotal\": 640,\n    \"SpanVehicleTotal\": 50,"},
        {"--span 11 4 0 0", "\"SpanStart\": 60,\n    \"SpanEnd\": 1,\n    \"SpanTotal\": 0,"},
        {"--span -1 -1 -1 4", "\"SpanStart\": -12,\n    \"SpanEnd\": 48,\n    \"SpanTotal\": 600,"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.arguments);
        const TCommandRun run = RunInspect(directory.Path(), test.arguments);
        EXPECT_EQ(run.Status, 0);
        EXPECT_NE(run.Output.find(test.span), std::string::npos) << run.Output;
    }
}

TEST_F(InspectTest, MissingFilesGiveAnEmptyStore) {
    const TCommandRun run = RunInspect(directory.Path(), "");
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Output.find("\"TotalData.txt\": {\n      \"found\": false"), std::string::npos);
    EXPECT_NE(run.Output.find("\"TankData.txt\": {\n      \"found\": false"), std::string::npos);
    EXPECT_NE(run.Output.find("\"VehicleCount\": 0"), std::string::npos);
    EXPECT_NE(run.Output.find("\"Vehicles\": []"), std::string::npos);
}

TEST_F(InspectTest, ReadFailureIsShownAsTheProgramShowsIt) {
    // Reading the process's own memory image at offset 0 fails after a good open.
    std::error_code error;
    std::filesystem::create_symlink("/proc/self/mem", directory.Path() / "TotalData.txt", error);
    if (error) {
        GTEST_SKIP() << "no symbolic link to /proc/self/mem: " << error.message();
    }
    directory.WriteFile("TankData.txt", std::string("Name,Year,\r\n") + kTankLines);
    const TCommandRun run = RunInspect(directory.Path(), "");
    if (run.Output.find("\"Error\": null") != std::string::npos) {
        GTEST_SKIP() << "this system lets /proc/self/mem be read at offset 0";
    }
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Output.find("\"Error\": \"I/O error 30.\""), std::string::npos) << run.Output;
    EXPECT_EQ(run.Error, "I/O error 30.\n");
    EXPECT_NE(run.Output.find("\"VehicleCount\": 0"), std::string::npos) << "the load ended there";
}

TEST_F(InspectTest, BadCommandLinesAreRefusedWithUsage) {
    for (const char* arguments :
         {"--span 1 2 3", "--span 1 2 3 x", "--vehicle 2", "--frobnicate", "--table-snapshot"}) {
        SCOPED_TRACE(arguments);
        const TCommandRun run = RunInspect(directory.Path(), arguments);
        EXPECT_EQ(run.Status, 2);
        EXPECT_NE(run.Error.find("Usage: armalyx-inspect"), std::string::npos);
        EXPECT_TRUE(run.Output.empty());
    }
    EXPECT_EQ(RunInspect(directory.Path(), "--help").Status, 0);
}

TEST_F(InspectTest, PicturesOfBothPagesAreWrittenOrReportedAsErrors) {
    if (RunInspect(directory.Path(), "--help").Output.find("--table-snapshot") ==
        std::string::npos) {
        GTEST_SKIP() << "this inspector is built without the program's window";
    }
    WriteData(kTotalLines, kTankLines);
    struct TCase {
        const char* arguments;
        int status;
        bool tableWritten;
        bool graphWritten;
        const char* errorMember;
    };
    const TCase cases[] = {
        {"--picks 1 --table-snapshot table.png --snapshot graph.png", 0, true, true, nullptr},
        {"--table-snapshot missing/table.png --snapshot graph.png", 1, false, true,
         "\"TableSnapshotError\": \"Could not write missing/table.png: No such file or "
         "directory.\""},
        {"--table-snapshot table.png --snapshot missing/graph.png", 1, true, false,
         "\"SnapshotError\": \"Could not write missing/graph.png: No such file or "
         "directory.\""},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.arguments);
        std::filesystem::remove(directory.Path() / "table.png");
        std::filesystem::remove(directory.Path() / "graph.png");
        const TCommandRun run = RunInspect(directory.Path(), test.arguments);
        EXPECT_EQ(run.Status, test.status) << run.Error;
        EXPECT_EQ(ReadFileBytes(directory.Path() / "table.png").starts_with("\x89PNG"),
                  test.tableWritten);
        EXPECT_EQ(ReadFileBytes(directory.Path() / "graph.png").starts_with("\x89PNG"),
                  test.graphWritten);
        EXPECT_EQ(Occurrences(run.Output, "SnapshotError"), test.errorMember ? 1 : 0) << run.Output;
        if (test.errorMember != nullptr) {
            EXPECT_NE(run.Output.find(test.errorMember), std::string::npos) << run.Output;
            EXPECT_NE(run.Error.find("Could not write missing/"), std::string::npos) << run.Error;
        }
        EXPECT_NE(run.Output.find("\"Error\": null"), std::string::npos) << "the data loaded";
        // The status line counts the lines that its data report gives reasons for.
        EXPECT_NE(run.Output.find("TotalData.txt: 5 data lines read, 2 ignored."),
                  std::string::npos)
            << run.Output;
        EXPECT_NE(run.Output.find(" lines need a look."), std::string::npos) << run.Output;
        EXPECT_EQ(Occurrences(run.Output, "\"Status\": \""), 1) << run.Output;
    }
}

TEST_F(InspectTest, WindowReportCarriesTheChartNumbersAsCopyDataGivesThem) {
    if (RunInspect(directory.Path(), "--help").Output.find("ChartData") == std::string::npos) {
        GTEST_SKIP() << "this inspector is built without the program's window";
    }
    WriteData(kTotalLines, kTankLines);
    const TCommandRun run = RunInspect(directory.Path(), "--picks 1");
    ASSERT_EQ(run.Status, 0) << run.Error;
    const std::string header =
        "\"ChartData\": \"Month\\u0009Total In service\\u0009T-34\xE2\x82\xAC"
        "\\u0009Losses\\u0009Production & Lend Lease\\u0009"
        "Total Soviet Production\\u0009T-34\xE2\x82\xAC share %\\u000a";
    EXPECT_NE(run.Output.find(header), std::string::npos) << run.Output;
    EXPECT_NE(run.Output.find("\\u000aJun 1941\\u00091000\\u0009"), std::string::npos)
        << run.Output;
    EXPECT_NE(run.Output.find("\\u000aMay 1945\\u0009\\u0009"), std::string::npos) << run.Output;
}

// The export options over the short data files; they need the program's window.
class InspectExportTest : public InspectTest {
protected:
    void SetUp() override {
        if (RunInspect(directory.Path(), "--help").Output.find("--width-cm") == std::string::npos) {
            GTEST_SKIP() << "this inspector is built without the program's window";
        }
        WriteData(kTotalLines, kTankLines);
    }
};

TEST_F(InspectExportTest, SnapshotWritesTheFormatItsExtensionNamesOrFailsWithStatusOne) {
    const struct {
        const char* arguments;
        const char* file;
        int status;
        const char* start; // of the file written; null: no file
    } cases[] = {
        {"--snapshot chart.png", "chart.png", 0, "\x89PNG"},
        {"--snapshot chart.svg --width-cm 12", "chart.svg", 0, "<?xml"},
        {"--snapshot chart.pdf", "chart.pdf", 0, "%PDF"},
        {"--export-data numbers.csv", "numbers.csv", 0, "Month,Total In service,"},
        {"--export-table table.csv", "table.csv", 0,
         "Vehicle,1941,1942,1943,1944,1945,Total,Span "},
        {"--snapshot chart.txt", "chart.txt", 1, nullptr},
        {"--snapshot chart", "chart", 1, nullptr},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments);
        const std::filesystem::path file = directory.Path() / test.file;
        std::filesystem::remove(file);
        const TCommandRun run = RunInspect(directory.Path(), test.arguments);
        EXPECT_EQ(run.Status, test.status) << run.Error;
        EXPECT_EQ(std::filesystem::exists(file), test.start != nullptr);
        if (test.start != nullptr) {
            EXPECT_TRUE(ReadFileBytes(file).starts_with(test.start)) << ReadFileBytes(file);
        } else {
            const std::string message = "armalyx-inspect: Could not write " +
                                        std::string(test.file) +
                                        ": the name must end in .png, .svg or .pdf.\n";
            EXPECT_NE(run.Error.find(message), std::string::npos) << run.Error;
            EXPECT_NE(run.Output.find("\"SnapshotError\": \"Could not write "), std::string::npos);
        }
    }
}

TEST_F(InspectExportTest, ScaleSetsThePicturesPixelsAndWidthItsResolution) {
    // The PNG header's size, then its pHYs chunk: pixels per metre.
    const struct {
        const char* arguments;
        unsigned width;
        unsigned height;
        unsigned dotsPerMetre;
    } cases[] = {
        {"", 2019, 1155, 11339},
        {"--scale 1", 673, 385, 3780},
        {"--scale 4 --width-cm 20", 2692, 1540, 13460},
    };
    const auto bigEndian = [](const std::string& bytes, std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        }
        return value;
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments);
        const TCommandRun run =
            RunInspect(directory.Path(), std::string("--snapshot chart.png ") + test.arguments);
        ASSERT_EQ(run.Status, 0) << run.Error;
        const std::string png = ReadFileBytes(directory.Path() / "chart.png");
        ASSERT_GT(png.size(), 33U);
        EXPECT_EQ(bigEndian(png, 16), test.width);
        EXPECT_EQ(bigEndian(png, 20), test.height);
        const std::size_t physical = png.find("pHYs");
        ASSERT_NE(physical, std::string::npos);
        EXPECT_EQ(bigEndian(png, physical + 4), test.dotsPerMetre);
        EXPECT_EQ(bigEndian(png, physical + 8), test.dotsPerMetre);
    }
    for (const char* wrong :
         {"--scale 0", "--scale 5", "--scale x", "--width-cm 0", "--width-cm 1.5", "--width-cm 201",
          "--width-cm 12cm", "--cursor-month 0", "--cursor-month 61", "--cursor-month x"}) {
        SCOPED_TRACE(wrong);
        const TCommandRun run = RunInspect(directory.Path(), wrong);
        EXPECT_EQ(run.Status, 2);
        EXPECT_NE(run.Error.find("Usage: armalyx-inspect"), std::string::npos);
    }
}

TEST_F(InspectTest, ProblemsListEveryReportedLineAndCheckPrintsThemWithItsStatus) {
    WriteData(
        "Total,1941,1,2,3,4,5,6,7,8,9,10,11,12,\r\nLosses,1942,1,2,3,4,5,6,7,8,9,10,11,12,\r\n",
        "T-34,1942,1,2,3,4,5,6,7,8,9,10,11,\r\n"
        "; a comment\r\n"
        "T-60,1942,1,2,3,4,5,6,7,8,9,10,11,12\r\n");
    const TCommandRun inspect = RunInspect(directory.Path(), "");
    ASSERT_EQ(inspect.Status, 0) << inspect.Error;
    const std::string json = Squeezed(inspect.Output);
    const std::string losses =
        "{\"File\": \"TotalData.txt\",\"Line\": 3,\"Message\": \"ignored: unknown fleet name "
        "\\\"Losses\\\" (did you mean \\\"Loss\\\"?)\"}";
    const std::string t34 =
        "{\"File\": \"TankData.txt\",\"Line\": 2,\"Message\": \"stored "
        "with a doubt: fewer than 12 monthly values (11 written; Dec stays 0)\"}";
    EXPECT_NE(json.find("\"Problems\": [" + losses + "," + t34 + "]"), std::string::npos) << json;
    EXPECT_EQ(IntegerArray(inspect.Output, "TotalInService").at(11), 12);

    const TCommandRun check = RunInspect(directory.Path(), "--check");
    EXPECT_EQ(check.Status, 1);
    EXPECT_EQ(check.Output,
              "TotalData.txt:3: ignored: unknown fleet name \"Losses\" (did you mean \"Loss\"?)\n"
              "TankData.txt:2: stored with a doubt: fewer than 12 monthly values (11 written; Dec "
              "stays 0)\n");

    WriteData("Total,1941,1,2,3,4,5,6,7,8,9,10,11,12,\r\n",
              "T-34,1942,1,2,3,4,5,6,7,8,9,10,11,12\n");
    const TCommandRun clean = RunInspect(directory.Path(), "--check");
    EXPECT_EQ(clean.Status, 0) << clean.Output;
    EXPECT_EQ(clean.Output, "");

    std::filesystem::remove(directory.Path() / "TankData.txt");
    const TCommandRun missing = RunInspect(directory.Path(), "--check");
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Output, "TankData.txt: not found\n");
    EXPECT_EQ(RunInspect(directory.Path(), "--check --span 0 0 11 4").Status, 2);
}

TEST_F(InspectTest, VehiclesShowTheirStockDocumentedStrengthsAndSources) {
    WriteData("; source: TsAMO f. 38\r\nTotal,1942,1000,1000,1000,1000,1000,1000,1000,1000,"
              "1000,1000,1000,1000,\r\n; source:\r\nLoss,1942,10,10,10,10,10,10,10,10,10,10,10,10,"
              "\r\n",
              "T-34,1941,0,0,0,0,0,30,40,50,60,70,80,90,\r\n"
              "; Source: factory reports\r\n"
              "T-34,1942,100,110,120,130,140,150,160,170,180,190,200,210,\r\n"
              "KV-1,1941,5,5,5,5,5,5,5,5,5,5,5,5,\r\n");
    directory.WriteFile("StockData.txt", "Name,Year,Month,Count,\r\n"
                                         "T-34,1941,6,900,\r\n"
                                         "; source: strength return\r\n"
                                         "T-34,1942,3,1200,\r\n"
                                         "T-34,1945,7,400,\r\n"
                                         "T-43,1943,1,5,\r\n");
    const TCommandRun run = RunInspect(directory.Path(), "");
    ASSERT_EQ(run.Status, 0) << run.Error;
    const std::string json = Squeezed(run.Output);
    EXPECT_NE(json.find("\"stock\": {\"Month\": 6,\"Count\": 900},\"documented\": [{\"Month\": "
                        "15,\"Count\": 1200,\"Estimate\": "),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"Source\": \"strength return\"},{\"Month\": 55,\"Count\": 400,"
                        "\"Estimate\": null,\"Source\": \"strength return\"}],\"sources\": "
                        "{\"1942\": \"factory reports\"}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"total\": 60,\"stock\": null,\"documented\": [],\"sources\": "
                        "{\"1941\": \"factory reports\"}}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"FleetSources\": {\"TotalInService\": {\"1942\": \"TsAMO f. 38\"},"
                        "\"Losses\": {},\"NewProduction\": {},\"LendLease\": {}}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("{\"File\": \"StockData.txt\",\"Line\": 6,\"Message\": \"ignored: no "
                        "vehicle type \\\"T-43\\\" in TankData.txt\"}"),
              std::string::npos)
        << json;
    const TCommandRun check = RunInspect(directory.Path(), "--check");
    EXPECT_EQ(check.Output, "StockData.txt:6: ignored: no vehicle type \"T-43\" in TankData.txt\n");
    std::filesystem::remove(directory.Path() / "StockData.txt");
    const TCommandRun without = RunInspect(directory.Path(), "");
    EXPECT_EQ(without.Output.find("StockData.txt"), std::string::npos)
        << "a folder without the file reports as before";
}

TEST_F(InspectTest, CheckNamesAYearWrittenTwiceAndALineCrossedOutByItsX) {
    WriteData("Total,1941,1,2,3,4,5,6,7,8,9,10,11,12,\r\n",
              "T-34,1943,1000,2000,3000,4000,5000,6000,0,0,0,0,0,0,\r\n"
              "Xtra KV-85,1943,1,2,3,4,5,6,7,8,9,10,11,12,\r\n"
              "T-34,1943,1,2,3,4,5,6,7,8,9,10,11,12,\r\n");
    const TCommandRun check = RunInspect(directory.Path(), "--check");
    EXPECT_EQ(check.Status, 1);
    EXPECT_EQ(check.Output, "TankData.txt:3: ignored: a line starting with \"X\" is a comment; a "
                            "vehicle name cannot start with X\n"
                            "TankData.txt:4: stored with a doubt: replaces the 1943 months of line "
                            "2 (T-34): 21,000 written there are no longer counted\n");
}

TEST(InspectSampleDataTest, SampleDataLoadsWithAFleetInEveryMonthOfTheRate) {
    const TCommandRun run = RunInspect(std::filesystem::path(ARMALYX_SOURCE_DIR) / "data", "");
    ASSERT_EQ(run.Status, 0) << run.Error;
    EXPECT_NE(run.Output.find("\"Error\": null"), std::string::npos);
    const std::vector<long long> total = IntegerArray(run.Output, "TotalInService");
    ASSERT_EQ(total.size(), 60u);
    for (std::size_t month = 6; month <= 53; ++month) {
        EXPECT_GT(total[month - 1], 0) << "month " << month;
    }
    for (const char* row : {"Losses", "NewProduction", "LendLease"}) {
        SCOPED_TRACE(row);
        const std::vector<long long> values = IntegerArray(run.Output, row);
        EXPECT_GT(std::accumulate(values.begin(), values.end(), 0LL), 0);
    }
    const std::size_t count = run.Output.find("\"VehicleCount\": ");
    ASSERT_NE(count, std::string::npos);
    const int vehicles = std::stoi(run.Output.substr(count + 16));
    EXPECT_GE(vehicles, 15);
    EXPECT_LE(vehicles, 25);
    EXPECT_EQ(RunInspect(std::filesystem::path(ARMALYX_SOURCE_DIR) / "data", "--check").Output, "")
        << "the sample data needs no look";
    for (const char* cleanCount :
         {"\"too short\": 0", "\"no comma\": 0", "\"nothing converted\": 0",
          "\"year out of range\": 0", "\"unknown name\": 0"}) {
        SCOPED_TRACE(cleanCount);
        EXPECT_EQ(Occurrences(run.Output, cleanCount), 2);
    }
}
