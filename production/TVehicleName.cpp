#include "TVehicleName.h"

namespace Production1 {

TVehicleName::TVehicleName(std::string_view text) {
    for (const char byte : text.substr(0, kCapacity)) {
        Append(byte);
    }
}

void TVehicleName::Append(char byte) {
    if (m_length < kCapacity) {
        m_bytes[m_length] = byte;
        ++m_length;
    }
}

} // namespace Production1
