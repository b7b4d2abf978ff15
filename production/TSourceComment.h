#pragma once

#include "TLineSink.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace Production1 {

// Tells, as a line passes, whether it is a comment line that names the source of the data lines
// below it: ";", blanks, the word "source" in any case, blanks, a colon and the source's text. A
// colon with nothing after it ends the source. Only the first kCapacity bytes of the text are kept,
// so that a line of any length takes fixed memory.
class TSourceComment final : public TLineSink {
public:
    static constexpr std::size_t kCapacity = 1000;

    void Begin();
    void Feed(std::string_view piece) override;

    // After the line: whether it was a source line, its text without the blanks around it (empty
    // when it ends the source), and whether bytes other than blanks were dropped past kCapacity.
    bool IsSourceLine() const { return m_state == TState::Text; }
    std::string_view Text() const;
    bool Cut() const { return m_cut; }

private:
    enum class TState { Start, BeforeWord, Word, BeforeColon, Text, NotSource };

    void Take(char c);
    void TakeText(char c);

    TState m_state = TState::Start;
    std::size_t m_wordLength = 0;
    std::string m_text;
    bool m_cut = false;
};

} // namespace Production1
