#pragma once
// The code page a sheet was saved in, and its text turned into UTF-8, which the data files hold.

#include <optional>
#include <string>
#include <string_view>

namespace Armalyx::Import {

// Unstated: no code page was given. UTF-8 is expected; a sheet that is not is passed on byte for
// byte, as the converter always did, which the program shows as Windows-1252.
enum class TSheetEncoding { Unstated, Utf8, Windows1251, Windows1252 };

// The encoding a command line names ("utf-8", "windows-1251", "windows-1252", in any case);
// nothing for any other name.
std::optional<TSheetEncoding> SheetEncodingNamed(std::string_view name);

// The sheet's bytes as UTF-8 text. A sheet said to be UTF-8 that is not gives nothing, and the
// problem names the first line that is not, with the encodings to try; one whose code page was
// not stated comes back as it is, with the same problem named.
std::optional<std::string> SheetToUtf8(std::string_view bytes, TSheetEncoding encoding,
                                       std::string& problem);

// Windows-1251 (Cyrillic) text as UTF-8; the one byte the code page leaves undefined (0x98)
// becomes U+FFFD.
std::string Windows1251ToUtf8(std::string_view bytes);

} // namespace Armalyx::Import
