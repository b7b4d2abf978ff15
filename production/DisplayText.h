#pragma once

#include "TVehicleName.h"

#include <string>
#include <string_view>

namespace Production1 {

// How names and lines of the data files are shown, as UTF-8 text.
//
// Bytes that are valid UTF-8 and hold at least one multi-byte sequence are taken as UTF-8, so
// that a file written by a current editor shows its names as written. Any other bytes are
// Windows-1252 text. A name cut to its 20 bytes may end inside a UTF-8 sequence; that unfinished
// sequence is left out rather than turning the whole name into Windows-1252.
std::string BytesToUtf8(std::string_view bytes);
std::string VehicleNameToUtf8(const VehicleName& name);

// True when the bytes are valid UTF-8 with at least one multi-byte sequence, allowing an
// unfinished sequence at the very end when allowCutEnd is set.
bool IsMultiByteUtf8(std::string_view bytes, bool allowCutEnd);

// True when the bytes are not valid UTF-8 (allowing an unfinished sequence at the very end when
// allowCutEnd is set) and more than half of their letter bytes are Cyrillic letters of
// Windows-1251. Letter bytes are the ASCII letters, 0xA8, 0xB8 and 0xC0 to 0xFF; the Cyrillic ones
// are those but the ASCII letters. Latin text of Windows-1252 ("\xD6sterreich") has too few.
bool LooksLikeWindows1251(std::string_view bytes, bool allowCutEnd);

// A line as written, for a person to read: its text as BytesToUtf8 gives it, control characters
// shown as their Unicode control pictures (a tab as U+2409, a carriage return as U+240D) and,
// when cut is set, an ellipsis at the end.
std::string VisibleLineText(std::string_view bytes, bool cut);

} // namespace Production1
