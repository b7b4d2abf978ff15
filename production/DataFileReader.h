#pragma once

#include "TLineParser.h"
#include "TReadReport.h"
#include "TVehicleName.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace Production1 {

inline constexpr const char* kTotalDataFileName = "TotalData.txt";
inline constexpr const char* kTankDataFileName = "TankData.txt";
inline constexpr const char* kStockDataFileName = "StockData.txt";
// The names of the four fleet rows of "TotalData.txt", in the order of their row numbers 1 to 4.
inline constexpr std::array<std::string_view, 4> kFleetRowNames = {"Total", "Loss", "New",
                                                                   "Lend Lease"};

// Reads "TotalData.txt" of the data folder (an empty folder is the working directory) into the
// fleet rows. A file that cannot be opened is skipped; a read failure raises TInOutError, keeps
// what was stored before it and closes the file.
void ReadTotalData(const std::filesystem::path& folder = {});
// Reads "TankData.txt" into VehicleNames and VehicleProduction, with the same rules.
void ReadTankData(const std::filesystem::path& folder = {});

// Reads "StockData.txt", when there is one, into StockCounts: lines "Name,Year,Month,Count,"
// for the vehicle types "TankData.txt" named, with the same rules but no minimum line length. A
// missing file changes nothing and is not reported.
void ReadStockData(const std::filesystem::path& folder = {});

// Where a data file of the folder is opened from: the bare name for the working directory.
std::filesystem::path DataFilePath(const std::filesystem::path& folder, const char* fileName);

bool OpenDataFile(const char* fileName);
void CloseDataFile();

// Parses one whole line; the monthly values go to the store's LineMonths.
TParsedLine ParseDataLine(std::string_view line);

// Parse one line and store what it yields.
TLineOutcome ApplyTotalDataLine(std::string_view line);
TLineOutcome ApplyTankDataLine(std::string_view line);
// Store what a parsed line yields (its months in LineMonths).
TLineOutcome StoreTotalDataLine(const TParsedLine& line);
TLineOutcome StoreTankDataLine(const TParsedLine& line);

// The slot of a vehicle name, adding the name in the first free slot when it is new. 0 when the
// name is empty or every slot holds another name.
int FindOrAddVehicle(const VehicleName& name);

} // namespace Production1
