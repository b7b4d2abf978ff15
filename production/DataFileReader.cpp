#include "DataFileReader.h"

#include "TLineAccount.h"
#include "TLineEcho.h"
#include "TProductionStore.h"
#include "TSourceComment.h"
#include "TStockLineReader.h"
#include "TVehicleIndex.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace Production1 {

namespace {

// Closes the data file however the read ends, an input/output error included.
class TDataFileCloser final {
public:
    TDataFileCloser() = default;
    TDataFileCloser(const TDataFileCloser&) = delete;
    TDataFileCloser& operator=(const TDataFileCloser&) = delete;
    ~TDataFileCloser() { CloseDataFile(); }
};

// The first month (less one) that the twelve values of a line fill, or nothing when the year,
// truncated toward zero, lies outside the data's years.
std::optional<int> MonthOffset(double year) {
    const double wholeYear = std::trunc(year);
    if (!(wholeYear >= kFirstYear && wholeYear <= kLastYear)) {
        return std::nullopt;
    }
    return (static_cast<int>(wholeYear) - kFirstYear) * 12;
}

std::optional<TLineOutcome> RejectUnconverted(const TParsedLine& line) {
    if (const auto unconverted = UnconvertedOutcome(line.Shape)) {
        return unconverted;
    }
    if (!MonthOffset(line.Year)) {
        return TLineOutcome::YearOutOfRange;
    }
    return std::nullopt;
}

void CopyYear(const YearMonths& months, int offset, MonthSeries& row) {
    for (int month = months.First(); month <= months.Last(); ++month) {
        row[offset + month] = months[month];
    }
}

// The fleet row a name selects, 1 to 4 in the order Total, Loss, New, Lend Lease; 0 for none.
int FleetRowNumber(const VehicleName& name) {
    const auto found = std::find(kFleetRowNames.begin(), kFleetRowNames.end(), name.View());
    return found == kFleetRowNames.end() ? 0 : static_cast<int>(found - kFleetRowNames.begin()) + 1;
}

MonthSeries& FleetRow(int number) {
    TProductionStore& store = Store();
    const std::array<MonthSeries*, 4> rows = {&store.TotalInService, &store.Losses,
                                              &store.NewProduction, &store.LendLease};
    return *rows.at(static_cast<std::size_t>(number - 1));
}

// What a line's months add to the figures: a vehicle's total counts its positive months, the
// fleet rows are summed with their signs.
std::int64_t CountedSum(const YearMonths& months, TDataFileKind kind) {
    std::int64_t sum = 0;
    for (const std::int32_t value : months) {
        sum += kind == TDataFileKind::Fleet || value > 0 ? value : 0;
    }
    return sum;
}

TLineOutcome StoreFleetYear(const TParsedLine& line, TStoredPlace& place) {
    if (const auto rejected = RejectUnconverted(line)) {
        return *rejected;
    }
    const int row = FleetRowNumber(line.Name);
    if (row == 0) {
        return TLineOutcome::UnknownName;
    }
    const YearMonths& months = Store().LineMonths;
    place = {row, *MonthOffset(line.Year), CountedSum(months, TDataFileKind::Fleet)};
    CopyYear(months, place.MonthOffset, FleetRow(row));
    return TLineOutcome::Stored;
}

// Merges the line's year into its vehicle's row, the slot found by findSlot (FindOrAddVehicle or
// an index that gives the same slots).
template <typename TFindSlot>
TLineOutcome StoreTankYear(const TParsedLine& line, const TFindSlot& findSlot,
                           TStoredPlace& place) {
    if (const auto rejected = RejectUnconverted(line)) {
        return *rejected;
    }
    if (line.Name.IsEmpty()) {
        return TLineOutcome::EmptyName;
    }
    const int slot = findSlot(line.Name);
    if (slot == 0) {
        return TLineOutcome::NoFreeSlot;
    }
    TProductionStore& store = Store();
    place = {slot, *MonthOffset(line.Year), CountedSum(store.LineMonths, TDataFileKind::Vehicles)};
    store.MergeSeries = store.VehicleProduction[slot];
    CopyYear(store.LineMonths, place.MonthOffset, store.MergeSeries);
    store.VehicleProduction[slot] = store.MergeSeries;
    return TLineOutcome::Stored;
}

// The number of the source a source comment line gives the data lines below it; the line is
// reported when its text was cut, or when the table of sources is full and the lines below get no
// source.
std::int32_t TakeSource(std::int64_t lineNumber, const TSourceComment& comment,
                        const TLineEcho& echo, TReadReport& report) {
    const std::optional<std::int32_t> number = Store().Sources.Add(comment.Text());
    std::string message;
    if (!number) {
        message = "ignored: more than " + GroupedNumber(TSourceTable::kMostTexts) +
                  " different sources in the data files; the data lines below keep no source up "
                  "to the next source line";
    } else if (comment.Cut()) {
        message = "stored with a doubt: source cut to its first " +
                  GroupedNumber(TSourceComment::kCapacity) + " bytes";
    }
    if (!message.empty()) {
        report.AddProblem(LineProblem(lineNumber, echo, !number, std::move(message)));
    }
    return number.value_or(TSourceTable::kNone);
}

// Reads a data file line by line, handing each line to handleLine with the number of the source
// that the source comment lines above it gave. The header is line 1; it never names a source.
template <typename THandleLine>
void ReadDataFile(const std::filesystem::path& path, std::size_t minimumLength, TReadReport& report,
                  THandleLine handleLine) {
    report = TReadReport();
    // The path's narrow form: the same bytes on POSIX, the system code page's text on Windows,
    // where the native form is wide.
    if (!OpenDataFile(path.string().c_str())) {
        return;
    }
    report.SetFound();
    const TDataFileCloser closer;
    TDataFile& file = Store().DataFile;
    TLineParser parser(Store().LineMonths, minimumLength);
    TLineEcho echo;
    TSourceComment comment;
    TLineSplitter parserAndEcho(parser, echo);
    TLineSplitter splitter(parserAndEcho, comment);
    file.SkipLine();
    std::int64_t lineNumber = 1;
    std::int32_t source = TSourceTable::kNone;
    while (!file.AtEnd()) {
        ++lineNumber;
        parser.Begin();
        echo.Begin();
        comment.Begin();
        file.ReadLine(splitter);
        const TParsedLine& line = parser.Finish();
        if (comment.IsSourceLine()) {
            source = TakeSource(lineNumber, comment, echo, report);
        }
        handleLine(lineNumber, line, echo, source, report);
    }
}

// Reads a data file of one name, year and twelve months a line into the store through storeLine,
// tallying what became of each line, keeping the account of the lines that were not stored as
// written, and noting the source of each stored line through noteSource.
template <typename TStoreLine, typename TNoteSource>
void ReadYearFile(const std::filesystem::path& path, TDataFileKind kind, TReadReport& report,
                  TStoreLine storeLine, TNoteSource noteSource) {
    TLineAccount account(kind);
    ReadDataFile(path, TLineParser::kMinimumLineLength, report,
                 [&](std::int64_t lineNumber, const TParsedLine& line, const TLineEcho& echo,
                     std::int32_t source, TReadReport& lineReport) {
                     TStoredPlace place;
                     const TLineOutcome outcome = storeLine(line, place);
                     lineReport.Tally(outcome);
                     if (outcome == TLineOutcome::Stored) {
                         noteSource(place, source);
                     }
                     account.Record(lineNumber, line, outcome, place, echo, lineReport);
                 });
}

// The year of a stored line's twelve months.
int StoredYear(const TStoredPlace& place) {
    return kFirstYear + place.MonthOffset / 12;
}

} // namespace

std::filesystem::path DataFilePath(const std::filesystem::path& folder, const char* fileName) {
    return folder / fileName;
}

void ReadTotalData(const std::filesystem::path& folder) {
    ReadYearFile(
        DataFilePath(folder, kTotalDataFileName), TDataFileKind::Fleet, Store().TotalDataReport,
        [](const TParsedLine& line, TStoredPlace& place) { return StoreFleetYear(line, place); },
        [](const TStoredPlace& place, std::int32_t source) {
            Store().FleetSources[place.Slot][StoredYear(place)] = source;
        });
}

void ReadTankData(const std::filesystem::path& folder) {
    // Nothing but this read writes the names until it ends, so one index serves every line.
    TVehicleIndex index(Store().VehicleNames);
    const auto findSlot = [&index](const VehicleName& name) { return index.FindOrAdd(name); };
    ReadYearFile(
        DataFilePath(folder, kTankDataFileName), TDataFileKind::Vehicles, Store().TankDataReport,
        [&findSlot](const TParsedLine& line, TStoredPlace& place) {
            return StoreTankYear(line, findSlot, place);
        },
        [](const TStoredPlace& place, std::int32_t source) {
            Store().VehicleSources[place.Slot][StoredYear(place)] = source;
        });
}

void ReadStockData(const std::filesystem::path& folder) {
    TStockLineReader reader(Store().LineMonths);
    ReadDataFile(DataFilePath(folder, kStockDataFileName), 0, Store().StockDataReport,
                 [&reader](std::int64_t lineNumber, const TParsedLine& line, const TLineEcho& echo,
                           std::int32_t source, TReadReport& report) {
                     reader.Read(lineNumber, line, echo, source, report);
                 });
}

bool OpenDataFile(const char* fileName) {
    return Store().DataFile.Open(fileName);
}

void CloseDataFile() {
    Store().DataFile.Close();
}

TParsedLine ParseDataLine(std::string_view line) {
    TLineParser parser(Store().LineMonths);
    parser.Begin();
    parser.Feed(line);
    return parser.Finish();
}

TLineOutcome ApplyTotalDataLine(std::string_view line) {
    return StoreTotalDataLine(ParseDataLine(line));
}

TLineOutcome ApplyTankDataLine(std::string_view line) {
    return StoreTankDataLine(ParseDataLine(line));
}

TLineOutcome StoreTotalDataLine(const TParsedLine& line) {
    TStoredPlace place;
    return StoreFleetYear(line, place);
}

TLineOutcome StoreTankDataLine(const TParsedLine& line) {
    TStoredPlace place;
    return StoreTankYear(line, FindOrAddVehicle, place);
}

int FindOrAddVehicle(const VehicleName& name) {
    if (name.IsEmpty()) {
        return 0;
    }
    auto& names = Store().VehicleNames;
    for (int slot = names.First(); slot <= names.Last(); ++slot) {
        if (names[slot] == name) {
            return slot;
        }
        if (names[slot].IsEmpty()) {
            names[slot] = name;
            return slot;
        }
    }
    return 0;
}

} // namespace Production1
