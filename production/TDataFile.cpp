#include "TDataFile.h"

#include "TInOutError.h"

#include <cerrno>
#include <cstring>

namespace Production1 {

namespace {

class TDiscardSink final : public TLineSink {
public:
    void Feed(std::string_view) override {}
};

// The offset of the first byte that may end the line (a carriage return, a line feed or Ctrl-Z)
// in the bytes, or their count when there is none. The library's byte search is much faster than
// a loop over the bytes; each search is bounded by what the one before it found.
std::size_t LineStopOffset(const char* bytes, std::size_t count) {
    std::size_t limit = count;
    for (const char stop :
         {TDataFile::kCarriageReturn, TDataFile::kLineFeed, TDataFile::kEndOfFileMark}) {
        const void* found = std::memchr(bytes, stop, limit);
        if (found != nullptr) {
            limit = static_cast<std::size_t>(static_cast<const char*>(found) - bytes);
        }
    }
    return limit;
}

} // namespace

bool TDataFile::Open(const char* fileName) {
    Close();
    const TFileHandle file = OpenRegularFile(fileName);
    if (file == kNoFile) {
        return false;
    }
    m_file = file;
    m_physicalEnd = false;
    m_position = 0;
    m_length = 0;
    return true;
}

void TDataFile::Close() noexcept {
    CloseFile(m_file);
    m_file = kNoFile;
    m_physicalEnd = true;
    m_position = 0;
    m_length = 0;
}

bool TDataFile::Refill() {
    if (m_physicalEnd) {
        return false;
    }
    const TReadFunction readFunction = m_read != nullptr ? m_read : ReadFromFile;
    TReadCount count = -1;
    do {
        count = readFunction(m_file, m_buffer.data(), m_buffer.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        throw TInOutError(TInOutError::ErrorCodeFromErrno(errno));
    }
    m_position = 0;
    m_length = static_cast<std::size_t>(count);
    m_physicalEnd = count == 0;
    return count > 0;
}

bool TDataFile::AtEnd() {
    if (m_position == m_length && !Refill()) {
        return true;
    }
    return m_buffer[m_position] == kEndOfFileMark;
}

void TDataFile::ReadLine(TLineSink& sink) {
    while (m_position < m_length || Refill()) {
        const std::size_t start = m_position;
        const std::size_t stop = start + LineStopOffset(m_buffer.data() + start, m_length - start);
        if (stop > start) {
            sink.Feed(std::string_view(m_buffer.data() + start, stop - start));
        }
        m_position = stop;
        if (stop == m_length) {
            continue;
        }
        // A Ctrl-Z stays unread, so that the file remains at its end.
        if (m_buffer[stop] == kCarriageReturn) {
            ++m_position;
            SkipLineFeedAfterLineEnd();
        } else if (m_buffer[stop] == kLineFeed) {
            ++m_position;
        }
        return;
    }
}

void TDataFile::SkipLineFeedAfterLineEnd() {
    if ((m_position < m_length || Refill()) && m_buffer[m_position] == kLineFeed) {
        ++m_position;
    }
}

void TDataFile::SkipLine() {
    TDiscardSink discard;
    ReadLine(discard);
}

} // namespace Production1
