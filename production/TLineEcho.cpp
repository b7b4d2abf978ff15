#include "TLineEcho.h"

#include <algorithm>
#include <cstring>

namespace Production1 {

void TLineEcho::Feed(std::string_view piece) {
    const std::size_t room = m_bytes.size() - m_length;
    const std::size_t kept = std::min(room, piece.size());
    std::memcpy(m_bytes.data() + m_length, piece.data(), kept);
    m_length += kept;
    m_cut = m_cut || kept < piece.size();
}

} // namespace Production1
