#include "StoreReport.h"

#include "Production1.h"

using namespace Production1;

namespace {

constexpr TLineOutcome kIgnoredOutcomes[] = {
    TLineOutcome::TooShort,         TLineOutcome::CommentOrBlankStart, TLineOutcome::NoComma,
    TLineOutcome::NothingConverted, TLineOutcome::YearOutOfRange,      TLineOutcome::EmptyName,
    TLineOutcome::NoFreeSlot,       TLineOutcome::UnknownName,
};

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
    json.EndObject();
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
    json.EndObject();
    const std::pair<const char*, const MonthSeries*> fleetRows[] = {
        {"TotalInService", &store.TotalInService},
        {"Losses", &store.Losses},
        {"NewProduction", &store.NewProduction},
        {"LendLease", &store.LendLease},
    };
    for (const auto& [name, row] : fleetRows) {
        json.Key(name);
        json.IntegerArray(*row);
    }
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

std::array<std::pair<const char*, const TReadReport*>, 2>
ReportedFiles(const TProductionStore& store) {
    return {
        {{kTotalDataFileName, &store.TotalDataReport}, {kTankDataFileName, &store.TankDataReport}}};
}

std::vector<std::string> ProblemLines(const TProductionStore& store) {
    std::vector<std::string> lines;
    for (const auto& [fileName, report] : Armalyx::ReportedFiles(store)) {
        if (!report->Found()) {
            lines.push_back(std::string(fileName) + ": not found");
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
