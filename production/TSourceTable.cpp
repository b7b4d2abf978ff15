#include "TSourceTable.h"

namespace Production1 {

std::optional<std::int32_t> TSourceTable::Add(std::string_view text) {
    if (text.empty()) {
        return kNone;
    }
    const std::string key(text);
    if (const auto found = m_numbers.find(key); found != m_numbers.end()) {
        return found->second;
    }
    if (m_texts.size() >= kMostTexts) {
        return std::nullopt;
    }
    m_texts.push_back(key);
    const auto number = static_cast<std::int32_t>(m_texts.size());
    m_numbers.emplace(key, number);
    return number;
}

std::string_view TSourceTable::Text(std::int32_t number) const {
    if (number < 1 || static_cast<std::size_t>(number) > m_texts.size()) {
        return {};
    }
    return m_texts[static_cast<std::size_t>(number) - 1];
}

void TSourceTable::Clear() {
    m_texts.clear();
    m_numbers.clear();
}

} // namespace Production1
