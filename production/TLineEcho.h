#pragma once

#include "TLineProblem.h"
#include "TLineSink.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace Production1 {

// Keeps the first bytes of a line as it passes, so that a line can be shown as written when it is
// reported, in memory that does not grow with the line.
class TLineEcho final : public TLineSink {
public:
    void Begin() {
        m_length = 0;
        m_cut = false;
    }
    void Feed(std::string_view piece) override;

    std::string_view Text() const { return {m_bytes.data(), m_length}; }
    bool Cut() const { return m_cut; }

private:
    std::array<char, TLineProblem::kTextLimit> m_bytes{};
    std::size_t m_length = 0;
    bool m_cut = false;
};

// Passes every piece of a line to two sinks.
class TLineSplitter final : public TLineSink {
public:
    TLineSplitter(TLineSink& first, TLineSink& second) : m_first(first), m_second(second) {}
    void Feed(std::string_view piece) override {
        m_first.Feed(piece);
        m_second.Feed(piece);
    }

private:
    TLineSink& m_first;
    TLineSink& m_second;
};

} // namespace Production1
