#include "TSourceComment.h"

namespace Production1 {

namespace {

constexpr std::string_view kWord = "source";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char Lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

void TSourceComment::Begin() {
    m_state = TState::Start;
    m_wordLength = 0;
    m_text.clear();
    m_cut = false;
}

void TSourceComment::Feed(std::string_view piece) {
    for (const char c : piece) {
        if (m_state == TState::NotSource) {
            return; // an ordinary line, or an ordinary comment: nothing more to look at
        }
        Take(c);
    }
}

void TSourceComment::Take(char c) {
    switch (m_state) {
    case TState::Start:
        m_state = c == ';' ? TState::BeforeWord : TState::NotSource;
        return;
    case TState::BeforeWord:
        if (IsBlank(c)) {
            return;
        }
        m_state = TState::Word;
        [[fallthrough]];
    case TState::Word:
        if (m_wordLength < kWord.size() && Lowered(c) == kWord[m_wordLength]) {
            ++m_wordLength;
            m_state = m_wordLength == kWord.size() ? TState::BeforeColon : TState::Word;
        } else {
            m_state = TState::NotSource;
        }
        return;
    case TState::BeforeColon:
        if (c == ':') {
            m_state = TState::Text;
        } else if (!IsBlank(c)) {
            m_state = TState::NotSource;
        }
        return;
    case TState::Text:
        TakeText(c);
        return;
    case TState::NotSource:
        return;
    }
}

void TSourceComment::TakeText(char c) {
    if (m_text.empty() && IsBlank(c)) {
        return;
    }
    if (m_text.size() < kCapacity) {
        m_text += c;
    } else if (!IsBlank(c)) {
        m_cut = true;
    }
}

std::string_view TSourceComment::Text() const {
    std::string_view text = m_text;
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace Production1
