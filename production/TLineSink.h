#pragma once

#include <string_view>

namespace Production1 {

// Receives the bytes of one line, in one or more pieces, without the line end.
class TLineSink {
public:
    virtual void Feed(std::string_view piece) = 0;

protected:
    ~TLineSink() = default;
};

} // namespace Production1
