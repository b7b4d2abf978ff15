#pragma once

#include <string>
#include <string_view>

namespace Production1 {

// Vehicle names are bytes; the program shows them as Windows-1252 text. Bytes 0x80-0x9F take
// their Windows-1252 characters, the five bytes that code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+FFFD, and every other byte is its own Latin-1 code point.
std::string Windows1252ToUtf8(std::string_view bytes);

// Appends the UTF-8 form of a code point of the Basic Multilingual Plane.
void AppendUtf8(char32_t codePoint, std::string& text);

} // namespace Production1
