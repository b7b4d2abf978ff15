#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Production1 {

// One data line that the reader ignored, or stored other than it was written: where it is, what
// happened to it in plain words, and the start of the line as written.
struct TLineProblem {
    // The first bytes of a line that are kept to show it; the rest is cut.
    static constexpr std::size_t kTextLimit = 160;

    std::int64_t Line = 0; // counted from 1, the header being line 1
    bool Ignored = false;  // nothing of the line was stored
    std::string Message;   // UTF-8, with the reasons separated by "; "
    std::string Text;      // the line's first bytes as written, without its line end
    bool TextCut = false;  // the line went on past Text
};

} // namespace Production1
