#pragma once

#include <cstddef>
#include <cstdio>

namespace Production1 {

// The few file calls the data unit makes of the operating system: open a regular file for
// reading, read bytes from it, close it. Where the POSIX calls are there they are used, so that a
// named pipe or a device is turned away without waiting on it; elsewhere (Windows) the C library's
// streams are used.
// A build may set ARMALYX_STANDARD_FILES=1 to use the C library's streams on a POSIX system too.
#ifndef ARMALYX_STANDARD_FILES
#if defined(_WIN32) || !__has_include(<unistd.h>)
#define ARMALYX_STANDARD_FILES 1
#else
#define ARMALYX_STANDARD_FILES 0
#endif
#endif

#if ARMALYX_STANDARD_FILES
using TFileHandle = std::FILE*;
inline constexpr TFileHandle kNoFile = nullptr;
#else
using TFileHandle = int;
inline constexpr TFileHandle kNoFile = -1;
#endif

// A count of bytes read, or -1 for a failure.
using TReadCount = std::ptrdiff_t;

// The file open for reading, or kNoFile when it is missing, unreadable or not a regular file (a
// directory, a named pipe or a device). Never waits for a writer.
TFileHandle OpenRegularFile(const char* fileName);

// Reads up to count bytes into the buffer: the count read, 0 at the end of the file, or -1 with
// errno set to the system's error number.
TReadCount ReadFromFile(TFileHandle file, void* buffer, std::size_t count);

// Closes a file that OpenRegularFile opened; kNoFile is ignored.
void CloseFile(TFileHandle file) noexcept;

} // namespace Production1
