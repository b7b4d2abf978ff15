#pragma once

#include "PlatformFile.h"
#include "TLineSink.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace Production1 {

// A text file of single-byte characters read through one handle, line by line, with a fixed
// buffer: a line of any length passes through in pieces and is never held whole.
//
// A carriage return ends a line, and a line feed right after it belongs to that line end; a line
// feed on its own ends a line too, so that files written with line feeds only (and lines added to
// a CR LF file by such a program) are read line by line. Ctrl-Z or the physical end ends the file.
// A read failure raises TInOutError.
class TDataFile final {
public:
    using TReadFunction = TReadCount (*)(TFileHandle file, void* buffer, std::size_t count);

    static constexpr std::size_t kBufferSize = std::size_t{64} * 1024;
    static constexpr char kCarriageReturn = '\r';
    static constexpr char kLineFeed = '\n';
    static constexpr char kEndOfFileMark = '\x1a';

    TDataFile() = default;
    TDataFile(const TDataFile&) = delete;
    TDataFile& operator=(const TDataFile&) = delete;
    ~TDataFile() { Close(); }

    // Opens a regular file for reading; anything else (missing, unreadable, a directory, a
    // device) counts as a file that cannot be opened.
    bool Open(const char* fileName);
    void Close() noexcept;
    bool IsOpen() const { return m_file != kNoFile; }

    // True at the physical end or at a Ctrl-Z; a file that is not open is at its end.
    bool AtEnd();
    void ReadLine(TLineSink& sink);
    void SkipLine();

    // Replaces the platform's read call (ReadFromFile), so that tests can make a read fail after a
    // good open.
    void SetReadFunction(TReadFunction readFunction) { m_read = readFunction; }

private:
    bool Refill();
    void SkipLineFeedAfterLineEnd();

    TFileHandle m_file = kNoFile;
    bool m_physicalEnd = true;
    std::size_t m_position = 0;
    std::size_t m_length = 0;
    TReadFunction m_read = nullptr;
    std::array<char, kBufferSize> m_buffer{};
};

} // namespace Production1
