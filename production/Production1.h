#pragma once

// The production data unit: the store, the data file reader and the derived series and span
// totals. Include this one header to use any of them.
#include "DataFileReader.h"
#include "DataSources.h"
#include "Derivations.h"
#include "DisplayText.h"
#include "Estimates.h"
#include "StockStrengths.h"
#include "TInOutError.h"
#include "TProductionStore.h"
#include "Windows1252.h"
