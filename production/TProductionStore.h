#pragma once

#include "TDataFile.h"
#include "TIndexedTable.h"
#include "TLineParser.h"
#include "TReadReport.h"
#include "TSourceTable.h"
#include "TVehicleName.h"

#include <cstdint>

namespace Production1 {

inline constexpr int kFirstMonth = 1;
inline constexpr int kLastMonth = 60;
inline constexpr int kFirstYear = 1941;
inline constexpr int kLastYear = 1945;
inline constexpr int MaxVehicles = 201;

// Month number 1..60: 1 is January 1941, 13 January 1942, 60 December 1945.
using MonthIndex = int;
using MonthSeries = TIndexedTable<std::int32_t, kFirstMonth, kLastMonth>;
using MonthValues = TIndexedTable<double, kFirstMonth, kLastMonth>;
using VehicleNameTable = TIndexedTable<VehicleName, 1, MaxVehicles>;
// Per year 1941..1945, the number of a source in the store's TSourceTable.
using YearSources = TIndexedTable<std::int32_t, kFirstYear, kLastYear>;
// The count of a month that "StockData.txt" gives no line for.
inline constexpr std::int32_t kNoStockCount = -1;
// The number of fleet rows of "TotalData.txt": Total, Loss, New and Lend Lease.
inline constexpr int kFleetRows = 4;

// The item indices of the four span selectors in the order a span reads: from a month of a year
// to a month of a year (months 0..11, years 0..4; -1 for typed text naming no item).
struct TSpanChoices {
    std::int32_t StartMonth = 0;
    std::int32_t StartYear = 0;
    std::int32_t EndMonth = 0;
    std::int32_t EndYear = 0;

    bool operator==(const TSpanChoices&) const = default;
};

// The program's single body of production data: the fleet rows, the vehicle tables, the derived
// series, the span selection with its totals, and the working storage of the reader. The main
// window reads and writes these fields directly. Everything has a fixed size; nothing allocates.
struct TProductionStore final {
    TProductionStore() { Initialize(); }
    TProductionStore(const TProductionStore&) = delete;
    TProductionStore& operator=(const TProductionStore&) = delete;

    // Everything zero, empty or false, then the initial selection: span January 1941 to December
    // 1945 (months 1..60) and vehicle 1.
    void Initialize();
    // No stock counts, no sources, and no account of "StockData.txt".
    void ClearStockAndSources();

    // Fleet rows from "TotalData.txt".
    MonthSeries TotalInService;
    MonthSeries Losses;
    MonthSeries NewProduction;

    // Slot 0 is the lend-lease row; slots 1..MaxVehicles the vehicle types in order of first
    // appearance in "TankData.txt".
    TIndexedTable<MonthSeries, 0, MaxVehicles> VehicleProduction;
    MonthSeries& LendLease = VehicleProduction[0];
    VehicleNameTable VehicleNames;
    TIndexedTable<std::int32_t, 1, MaxVehicles> VehicleTotals;
    std::int32_t VehicleCount = 0;

    MonthValues SummedProduction;
    MonthValues LossRate;

    // Counts in service at the start of a month from "StockData.txt", per vehicle slot and month;
    // kNoStockCount where no line gives one. The earliest is the type's starting strength, the
    // later ones its documented strengths.
    TIndexedTable<MonthSeries, 1, MaxVehicles> StockCounts;

    // The sources that comment lines gave the data lines: per vehicle slot and year
    // ("TankData.txt"), per fleet row (1..4 in the order Total, Loss, New, Lend Lease) and year
    // ("TotalData.txt"), per vehicle slot and month ("StockData.txt"). Each is a number into
    // Sources; TSourceTable::kNone for a line without a source.
    TSourceTable Sources;
    TIndexedTable<YearSources, 1, MaxVehicles> VehicleSources;
    TIndexedTable<YearSources, 1, kFleetRows> FleetSources;
    TIndexedTable<MonthSeries, 1, MaxVehicles> StockSources;

    // Item indices of the span selectors (months 0..11, years 0..4; -1 for typed text).
    std::int32_t StartMonthChoice = 0;
    std::int32_t StartYearChoice = 0;
    std::int32_t EndMonthChoice = 0;
    std::int32_t EndYearChoice = 0;
    TSpanChoices SpanChoices() const {
        return {StartMonthChoice, StartYearChoice, EndMonthChoice, EndYearChoice};
    }
    void SetSpanChoices(const TSpanChoices& choices) {
        StartMonthChoice = choices.StartMonth;
        StartYearChoice = choices.StartYear;
        EndMonthChoice = choices.EndMonth;
        EndYearChoice = choices.EndYear;
    }
    MonthIndex SpanStart = 0;
    MonthIndex SpanEnd = 0;
    std::int32_t SpanTotal = 0;
    std::int32_t SpanVehicleTotal = 0;
    std::int32_t SpanLosses = 0;

    std::int32_t SelectedVehicle = 0;
    bool LendLeaseSelected = false;
    std::int32_t ProductionSource = 0;
    std::int32_t CompareSlot = 0;

    // Working storage.
    YearMonths LineMonths;
    MonthSeries MergeSeries;
    MonthSeries WorkSeries;
    YearMonths BlankYear;
    MonthSeries BlankSeries;
    TDataFile DataFile;

    // What the last load made of each data file.
    TReadReport TotalDataReport;
    TReadReport TankDataReport;
    TReadReport StockDataReport;
};

// The one store of the program, initialised on first use.
TProductionStore& Store();

void InitializeStore();
// BlankYear, BlankSeries and all of LossRate become zero.
void ClearBlanks();
// VehicleProduction slots 1..MaxVehicles (not the lend-lease slot 0) and VehicleTotals become zero.
void ClearVehicleData();
void ClearVehicleNames();
void ClearStockAndSources();

} // namespace Production1
