#include "TVehicleName.h"

#include <algorithm>

namespace Production1 {

TVehicleName::TVehicleName(std::string_view text) {
    Append(text);
}

void TVehicleName::Append(std::string_view bytes) {
    const std::size_t count = std::min(bytes.size(), kCapacity - m_length);
    std::copy_n(bytes.begin(), count, m_bytes.begin() + static_cast<std::ptrdiff_t>(m_length));
    m_length += count;
}

} // namespace Production1
