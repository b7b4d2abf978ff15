#include "StoreReport.h"

#include "Production1.h"

#include <optional>
#include <string>
#include <string_view>

using namespace Production1;

namespace {

constexpr TLineOutcome kIgnoredOutcomes[] = {
    TLineOutcome::TooShort,         TLineOutcome::CommentOrBlankStart, TLineOutcome::NoComma,
    TLineOutcome::NothingConverted, TLineOutcome::YearOutOfRange,      TLineOutcome::EmptyName,
    TLineOutcome::NoFreeSlot,       TLineOutcome::UnknownName,
};
// What only "StockData.txt" ignores, told after the others for that file.
constexpr TLineOutcome kStockIgnoredOutcomes[] = {
    TLineOutcome::MonthOutOfRange,
    TLineOutcome::CountNotWhole,
};

// The fleet rows as the report names them, in the order of their row numbers 1 to 4.
constexpr const char* kFleetRowKeys[] = {"TotalInService", "Losses", "NewProduction", "LendLease"};

void WriteFileReport(TJsonWriter& json, const char* fileName, const TReadReport& report) {
    json.Key(fileName);
    json.BeginObject();
    json.Key("found");
    json.Bool(report.Found());
    json.Key("lines");
    json.Integer(report.Lines());
    json.Key("stored");
    json.Integer(report.Count(TLineOutcome::Stored));
    json.Key("ignored");
    json.BeginObject();
    for (const TLineOutcome outcome : kIgnoredOutcomes) {
        json.Key(LineOutcomeText(outcome));
        json.Integer(report.Count(outcome));
    }
    if (std::string_view(fileName) == kStockDataFileName) {
        for (const TLineOutcome outcome : kStockIgnoredOutcomes) {
            json.Key(LineOutcomeText(outcome));
            json.Integer(report.Count(outcome));
        }
    }
    json.EndObject();
    json.EndObject();
}

// {"1942": "...", ...} for the years that have a source.
template <typename TSourceOfYear> void WriteYearSources(TJsonWriter& json, TSourceOfYear source) {
    json.BeginObject();
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const std::string_view text = source(year);
        if (!text.empty()) {
            json.Key(std::to_string(year));
            json.String(BytesToUtf8(text));
        }
    }
    json.EndObject();
}

// {"Month": M, "Count": C}, with the estimate of that month when asked for (null where the curve
// has no point) and the line's source when it has one.
void WriteStockPoint(TJsonWriter& json, const TProductionStore& store, int slot,
                     const TStockPoint& point, const TEstimateCurve* estimate) {
    json.BeginObject();
    json.Key("Month");
    json.Integer(point.Month);
    json.Key("Count");
    json.Integer(point.Count);
    if (estimate != nullptr) {
        json.Key("Estimate");
        if (const std::optional<double> value = estimate->At(point.Month)) {
            json.Double(*value);
        } else {
            json.Null();
        }
    }
    if (const std::string_view source = StockSource(store, slot, point.Month); !source.empty()) {
        json.Key("Source");
        json.String(BytesToUtf8(source));
    }
    json.EndObject();
}

// The starting strength, the documented strengths with the estimate beside them, and the
// sources of the vehicle's years.
void WriteVehicleStock(TJsonWriter& json, const TProductionStore& store, int slot) {
    json.Key("stock");
    if (const std::optional<TStockPoint> start = StartingStrength(store, slot)) {
        WriteStockPoint(json, store, slot, *start, nullptr);
    } else {
        json.Null();
    }
    json.Key("documented");
    json.BeginArray();
    const TEstimateCurve estimate = VehicleEstimate(store, slot);
    for (const TStockPoint& point : DocumentedStrengths(store, slot)) {
        WriteStockPoint(json, store, slot, point, &estimate);
    }
    json.EndArray();
    json.Key("sources");
    WriteYearSources(json,
                     [&store, slot](int year) { return VehicleYearSource(store, slot, year); });
}

void WriteFleetSources(TJsonWriter& json, const TProductionStore& store) {
    json.Key("FleetSources");
    json.BeginObject();
    for (int row = 1; row <= kFleetRows; ++row) {
        json.Key(kFleetRowKeys[row - 1]);
        WriteYearSources(json,
                         [&store, row](int year) { return FleetYearSource(store, row, year); });
    }
    json.EndObject();
}

// Every line the reader reported, in file and line order.
void WriteProblems(TJsonWriter& json, const TProductionStore& store) {
    json.Key("Problems");
    json.BeginArray();
    for (const auto& [fileName, report] : Armalyx::ReportedFiles(store)) {
        for (const TLineProblem& problem : report->Problems()) {
            json.BeginObject();
            json.Key("File");
            json.String(fileName);
            json.Key("Line");
            json.Integer(problem.Line);
            json.Key("Message");
            json.String(problem.Message);
            json.EndObject();
        }
    }
    json.EndArray();
    json.Key("ProblemsNotListed");
    std::int64_t notListed = 0;
    for (const auto& [fileName, report] : Armalyx::ReportedFiles(store)) {
        notListed += report->ProblemCount() - static_cast<std::int64_t>(report->Problems().size());
    }
    json.Integer(notListed);
}

void WriteVehicles(TJsonWriter& json, const TProductionStore& store) {
    json.Key("VehicleCount");
    json.Integer(store.VehicleCount);
    json.Key("Vehicles");
    json.BeginArray();
    for (int slot = 1; slot <= store.VehicleCount && slot <= MaxVehicles; ++slot) {
        json.BeginObject();
        json.Key("slot");
        json.Integer(slot);
        json.Key("name");
        json.String(VehicleNameToUtf8(store.VehicleNames[slot]));
        json.Key("production");
        json.IntegerArray(store.VehicleProduction[slot]);
        json.Key("total");
        json.Integer(store.VehicleTotals[slot]);
        WriteVehicleStock(json, store, slot);
        json.EndObject();
    }
    json.EndArray();
}

void WriteSpan(TJsonWriter& json, const TProductionStore& store) {
    json.Key("Span");
    json.BeginObject();
    const std::pair<const char*, std::int32_t> figures[] = {
        {"SpanStart", store.SpanStart},   {"SpanEnd", store.SpanEnd},
        {"SpanTotal", store.SpanTotal},   {"SpanVehicleTotal", store.SpanVehicleTotal},
        {"SpanLosses", store.SpanLosses},
    };
    for (const auto& [name, value] : figures) {
        json.Key(name);
        json.Integer(value);
    }
    json.EndObject();
}

} // namespace

namespace Armalyx {

void WriteStoreReport(TJsonWriter& json, TSpanPart span) {
    const TProductionStore& store = Store();
    json.Key("files");
    json.BeginObject();
    WriteFileReport(json, kTotalDataFileName, store.TotalDataReport);
    WriteFileReport(json, kTankDataFileName, store.TankDataReport);
    // The third file is optional: a load without it reports as before.
    if (store.StockDataReport.Found()) {
        WriteFileReport(json, kStockDataFileName, store.StockDataReport);
    }
    json.EndObject();
    const MonthSeries* const fleetRows[] = {&store.TotalInService, &store.Losses,
                                            &store.NewProduction, &store.LendLease};
    for (int row = 1; row <= kFleetRows; ++row) {
        json.Key(kFleetRowKeys[row - 1]);
        json.IntegerArray(*fleetRows[row - 1]);
    }
    WriteFleetSources(json, store);
    WriteProblems(json, store);
    WriteVehicles(json, store);
    json.Key("SummedProduction");
    json.DoubleArray(store.SummedProduction);
    json.Key("LossRate");
    json.DoubleArray(store.LossRate);
    if (span == TSpanPart::Included) {
        WriteSpan(json, store);
    }
}

std::array<std::pair<const char*, const TReadReport*>, 3>
ReportedFiles(const TProductionStore& store) {
    return {{{kTotalDataFileName, &store.TotalDataReport},
             {kTankDataFileName, &store.TankDataReport},
             {kStockDataFileName, &store.StockDataReport}}};
}

std::vector<std::string> ProblemLines(const TProductionStore& store) {
    std::vector<std::string> lines;
    for (const auto& [fileName, report] : Armalyx::ReportedFiles(store)) {
        if (!report->Found()) {
            // "StockData.txt" is optional: only the two files every data folder has are missed.
            if (report != &store.StockDataReport) {
                lines.push_back(std::string(fileName) + ": not found");
            }
            continue;
        }
        for (const TLineProblem& problem : report->Problems()) {
            lines.push_back(std::string(fileName) + ":" + std::to_string(problem.Line) + ": " +
                            problem.Message);
        }
        const std::int64_t notListed =
            report->ProblemCount() - static_cast<std::int64_t>(report->Problems().size());
        if (notListed > 0) {
            lines.push_back(std::string(fileName) + ": " + std::to_string(notListed) +
                            " more lines need a look");
        }
    }
    return lines;
}

std::string MessageAsShown(std::string_view message) {
    std::string shown(message);
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.') {
        shown += '.';
    }
    return shown;
}

} // namespace Armalyx
