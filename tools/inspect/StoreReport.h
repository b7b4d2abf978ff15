#pragma once

#include "TJsonWriter.h"

#include <string>
#include <string_view>

// The members of the inspector's report that describe the data store: the files read, the fleet
// rows, the vehicles and the derived series, and the span figures when asked for.
enum class TSpanPart { Omitted, Included };
void WriteStoreReport(TJsonWriter& json, TSpanPart span);

// The message as the program's error box shows it: a full stop is added when the last character
// sorts after ".".
std::string MessageAsShown(std::string_view message);
