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
    WriteVehicles(json, store);
    json.Key("SummedProduction");
    json.DoubleArray(store.SummedProduction);
    json.Key("LossRate");
    json.DoubleArray(store.LossRate);
    if (span == TSpanPart::Included) {
        WriteSpan(json, store);
    }
}

std::string MessageAsShown(std::string_view message) {
    std::string shown(message);
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.') {
        shown += '.';
    }
    return shown;
}
