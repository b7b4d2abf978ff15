#pragma once

#include "TJsonWriter.h"

#include "Production1.h"

#include <array>
#include <utility>
#include <vector>

#include <string>
#include <string_view>

// The members of the inspector's report that describe the data store: the files read, the fleet
// rows, the vehicles and the derived series, and the span figures when asked for.
enum class TSpanPart { Omitted, Included };
namespace Armalyx {

void WriteStoreReport(TJsonWriter& json, TSpanPart span);

// The data files with what the last load made of each: "TotalData.txt", "TankData.txt" and the
// optional "StockData.txt" (not found when the folder has none).
std::array<std::pair<const char*, const Production1::TReadReport*>, 3>
ReportedFiles(const Production1::TProductionStore& store);

// What a data author must look at, one line each: a file that was not found ("TankData.txt: not
// found"; a missing "StockData.txt" is not named) and every reported line ("TankData.txt:7:
// ignored: ..."), in file and line order.
std::vector<std::string> ProblemLines(const Production1::TProductionStore& store);

// The message as the program's error box shows it: a full stop is added when the last character
// sorts after ".".
std::string MessageAsShown(std::string_view message);

} // namespace Armalyx
