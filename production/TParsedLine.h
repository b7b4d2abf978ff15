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

// What a line was written as, beyond what it stores: the facts a person needs to hear about when
// the line was stored other than written. None of it changes what is stored.
struct TLineWriting {
    char FirstChar = '\0';
    bool OnlyBlanks = true;       // empty, or nothing but blanks and tabs
    std::uint64_t NameLength = 0; // the name as written, before the cut to 20 characters
    std::uint64_t NameHash = 0;   // of the name's bytes 21 to 1024 and its length
    char NameLastChar = '\0';
    bool YearConverted = false;
    int MonthFields = 0;      // fields after the year that were handled, 0..12
    int FirstFailedMonth = 0; // the first month whose field did not convert, 0 for none
    int FirstMovedMonth = 0;  // the first month read after an empty field, 0 for none
    // The first month whose value was not a whole number within 32 bits, so that truncation or
    // the bound changed it; 0 for none.
    int FirstInexactMonth = 0;
    bool ExtraValues = false;   // number fields after December
    bool QuotationMark = false; // after the name's comma
    // The line starts with "X" or "x" and a letter or digit, and would otherwise be a data line
    // with a year of the data: a name that lost its line to the comment rule.
    bool CrossedOutData = false;
};

struct TParsedLine {
    TVehicleName Name;
    double Year = 0.0;
    TLineShape Shape = TLineShape::TooShort;
    TLineWriting Writing;

    bool Converted() const { return Shape == TLineShape::Converted; }
};

} // namespace Production1
