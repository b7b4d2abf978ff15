#pragma once

#include "TIndexedTable.h"
#include "TVehicleName.h"

#include <cstdint>

namespace Production1 {

// The twelve monthly values of one data line, January = 1 .. December = 12.
using YearMonths = TIndexedTable<std::int32_t, 1, 12>;

// What one data line came to before anything is stored.
enum class TLineShape {
    TooShort,            // fewer than 20 characters
    CommentOrBlankStart, // first character ";", blank, "X" or "x"
    NoComma,             // all name, no values
    NothingConverted,    // no field from the year to December converted
    Converted,           // at least one of them converted
};

struct TParsedLine {
    TVehicleName Name;
    double Year = 0.0;
    TLineShape Shape = TLineShape::TooShort;

    bool Converted() const { return Shape == TLineShape::Converted; }
};

} // namespace Production1
