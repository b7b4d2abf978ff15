// The three data files from arbitrary bytes, loaded as the program loads them: the store's
// invariants must hold afterwards (the stock counts, the sources and the estimates among them), the
// store must equal what the plain reading of the same bytes, line by line, stores, and the account
// of each file must name only lines that exist, in order, and stay silent only when every data line
// was a comment, empty, or stored with all its values. The span totals run on selector indices from
// the input, in range or not.
//
// Input layout: one byte of flags (bit 0: "TotalData.txt" exists, bit 1: "TankData.txt" exists,
// bit 3: "StockData.txt" exists), four signed bytes of selector indices, two bytes (little-endian)
// for the length of "TotalData.txt", then its bytes and the bytes of "TankData.txt". When
// "StockData.txt" exists, the input's last two bytes (little-endian) give its length, and its
// bytes are the ones before them, taken from the end of "TankData.txt".
//
// The target works in a temporary directory of its own, made at start and removed at exit: give
// it corpus and artifact paths that are absolute.
#include "Production1.h"
#include "ReferenceLineParser.h"
#include "StoreInvariants.h"
#include "TTempDirectory.h"
#include "TestFiles.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using namespace Armalyx;

namespace {

using namespace Production1;
using Armalyx::Fuzz::Require;

namespace fs = std::filesystem;

constexpr std::size_t kHeaderBytes = 7;

// Made at start, removed with its files at exit.
const TTempDirectory& WorkDirectory() {
    static const TTempDirectory directory("armalyx-fuzz");
    return directory;
}

void PutFile(const char* name, bool exists, std::string_view bytes) {
    if (!exists) {
        std::error_code ignored;
        fs::remove(name, ignored);
        return;
    }
    Require(WriteFileBytes(name, bytes), "cannot write a data file into the work directory");
}

// The data rows of the store, as a load leaves them.
struct TLoadedRows {
    MonthSeries TotalInService;
    MonthSeries Losses;
    MonthSeries NewProduction;
    TIndexedTable<MonthSeries, 0, MaxVehicles> VehicleProduction;
    VehicleNameTable VehicleNames;

    static TLoadedRows FromStore() {
        const TProductionStore& store = Store();
        return {store.TotalInService, store.Losses, store.NewProduction, store.VehicleProduction,
                store.VehicleNames};
    }
    bool operator==(const TLoadedRows&) const = default;
};

// The lines of each file that stored a year an earlier line of it had stored already.
struct TReferenceDuplicates {
    std::vector<Armalyx::Fuzz::TReferenceDuplicate> Total;
    std::vector<Armalyx::Fuzz::TReferenceDuplicate> Tank;
};

// Stores each data line of the file through storeLine and finds its duplicates the plain way.
template <typename TStoreLine>
std::vector<Armalyx::Fuzz::TReferenceDuplicate> StoreLines(std::string_view bytes,
                                                           TStoreLine storeLine) {
    Armalyx::Fuzz::TDuplicateFinder finder;
    for (const std::string_view line : Armalyx::Fuzz::ReferenceDataLines(bytes)) {
        const bool stored = storeLine(line) == TLineOutcome::Stored;
        const Armalyx::Fuzz::TReferenceLine read = Armalyx::Fuzz::ReferenceParse(line);
        finder.Next(stored, read.Name, read.Year);
    }
    return finder.Duplicates();
}

// Clears the rows as a load does and stores each data line read the plain way.
TLoadedRows ReferenceRows(bool totalExists, std::string_view total, bool tankExists,
                          std::string_view tank, TReferenceDuplicates& duplicates) {
    TProductionStore& store = Store();
    ClearVehicleData();
    ClearVehicleNames();
    store.TotalInService.Fill(0);
    store.Losses.Fill(0);
    store.NewProduction.Fill(0);
    store.LendLease.Fill(0);
    if (totalExists) {
        duplicates.Total = StoreLines(total, ApplyTotalDataLine);
    }
    if (tankExists) {
        duplicates.Tank = StoreLines(tank, ApplyTankDataLine);
    }
    return TLoadedRows::FromStore();
}

// The account names exactly the duplicates the plain reading finds, each with its earlier line.
void RequireSameDuplicates(const std::vector<Armalyx::Fuzz::TReferenceDuplicate>& expected,
                           const TReadReport& report) {
    if (report.ProblemCount() != static_cast<std::int64_t>(report.Problems().size())) {
        return; // the account did not keep every line
    }
    std::size_t next = 0;
    // A name may hold any words, so a duplicate is told by the doubt that always ends its message.
    constexpr std::string_view kEnd = " written there are no longer counted";
    for (const TLineProblem& problem : report.Problems()) {
        if (problem.Ignored || !problem.Message.ends_with(kEnd)) {
            continue;
        }
        Require(next < expected.size() && problem.Line == expected[next].Line,
                "the account names a duplicate the plain reading does not find");
        const std::string words = "replaces the " + std::to_string(expected[next].Year) +
                                  " months of line " + std::to_string(expected[next].EarlierLine) +
                                  " (";
        Require(problem.Message.find(words) != std::string::npos,
                "the account names another year or earlier line for a duplicate");
        ++next;
    }
    Require(next == expected.size(), "the account misses a duplicate the plain reading finds");
}

bool IsSilentLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos || line.front() == ';' ||
           line.front() == 'X' || line.front() == 'x';
}

// The account names only lines of the file (of the given number of lines after the header), in
// order, each with a reason, and counts at least the lines it keeps.
void RequireLinesInOrder(std::size_t lineCount, const TReadReport& report) {
    const auto lastLine = static_cast<std::int64_t>(lineCount) + 1; // the header is line 1
    std::int64_t previous = 1;
    for (const TLineProblem& problem : report.Problems()) {
        Require(problem.Line > previous && problem.Line <= lastLine,
                "the account names a line that is not in the file, or out of order");
        Require(!problem.Message.empty(), "the account names a line without a reason");
        previous = problem.Line;
    }
    Require(report.ProblemCount() >= static_cast<std::int64_t>(report.Problems().size()),
            "the account counts fewer lines than it keeps");
}

// "StockData.txt" may be missing without a word; its lines are short by design, so only the order
// of its account is checked.
void RequireStockAccount(bool exists, std::string_view bytes, const TReadReport& report) {
    Require(exists || (report.ProblemCount() == 0 && !report.Found()),
            "a missing stock file has an account");
    RequireLinesInOrder(Armalyx::Fuzz::ReferenceDataLines(bytes).size(), report);
}

// The stock file's bytes at the end of the input, and what stays for "TankData.txt".
std::string_view TakeStockBytes(bool stockExists, std::string_view& rest) {
    if (!stockExists || rest.size() < 2) {
        return {};
    }
    const auto* end = reinterpret_cast<const unsigned char*>(rest.data() + rest.size());
    const std::size_t length = std::min<std::size_t>(end[-2] | end[-1] << 8, rest.size() - 2);
    const std::string_view stock = rest.substr(rest.size() - 2 - length, length);
    rest = rest.substr(0, rest.size() - 2 - length);
    return stock;
}

void RequireAccount(bool exists, std::string_view bytes, const TReadReport& report) {
    if (!exists) {
        Require(report.ProblemCount() == 0, "a missing file has an account");
        return;
    }
    const std::vector<std::string_view> lines = Armalyx::Fuzz::ReferenceDataLines(bytes);
    RequireLinesInOrder(lines.size(), report);
    if (report.ProblemCount() != 0) {
        return;
    }
    for (const std::string_view line : lines) {
        if (IsSilentLine(line)) {
            continue;
        }
        const std::vector<std::string> runs = Armalyx::Fuzz::NumberRuns(line);
        Require(line.size() >= 20 && runs.size() == 13 &&
                    std::all_of(runs.begin(), runs.end(), Armalyx::Fuzz::Converts),
                "a file without an account holds a line not stored as written");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Require(!WorkDirectory().Path().empty(), "cannot make a work directory");
    fs::current_path(WorkDirectory().Path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderBytes) {
        return -1; // not worth keeping in the corpus
    }
    const bool totalExists = (data[0] & 1) != 0;
    const bool tankExists = (data[0] & 2) != 0;
    const std::string_view files(reinterpret_cast<const char*>(data + kHeaderBytes),
                                 size - kHeaderBytes);
    const std::size_t totalLength = std::min<std::size_t>(data[5] | data[6] << 8, files.size());
    const bool stockExists = (data[0] & 8) != 0;
    const std::string_view total = files.substr(0, totalLength);
    std::string_view tank = files.substr(totalLength);
    const std::string_view stock = TakeStockBytes(stockExists, tank);
    PutFile(kTotalDataFileName, totalExists, total);
    PutFile(kTankDataFileName, tankExists, tank);
    PutFile(kStockDataFileName, stockExists, stock);

    InitializeStore();
    try {
        LoadProductionData();
    } catch (const TInOutError& error) {
        Require(false, error.what());
    }
    Armalyx::Fuzz::RequireStoreInvariants();
    RequireAccount(totalExists, total, Store().TotalDataReport);
    RequireAccount(tankExists, tank, Store().TankDataReport);
    RequireStockAccount(stockExists, stock, Store().StockDataReport);

    TProductionStore& store = Store();
    store.StartMonthChoice = static_cast<std::int8_t>(data[1]);
    store.StartYearChoice = static_cast<std::int8_t>(data[2]);
    store.EndMonthChoice = static_cast<std::int8_t>(data[3]);
    store.EndYearChoice = static_cast<std::int8_t>(data[4]);
    store.SelectedVehicle = static_cast<std::int8_t>(data[1] ^ data[4]);
    store.LendLeaseSelected = (data[0] & 4) != 0;
    ComputeSpanTotals();
    Require(store.SpanTotal >= 0 || store.LendLeaseSelected, "a span total of positive months < 0");

    const TLoadedRows loaded = TLoadedRows::FromStore();
    const TReadReport totalReport = store.TotalDataReport;
    const TReadReport tankReport = store.TankDataReport;
    TReferenceDuplicates duplicates;
    Require(ReferenceRows(totalExists, total, tankExists, tank, duplicates) == loaded,
            "the load differs from the plain reading of the same bytes");
    RequireSameDuplicates(duplicates.Total, totalReport);
    RequireSameDuplicates(duplicates.Tank, tankReport);
    return 0;
}
