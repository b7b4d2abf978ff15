#pragma once
// The background picture for printed figures, drawn at the scales prints have asked for and kept
// as picture blocks, so that a second export at the same size does not draw and encode it again.

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace Armalyx {

class TPrintPictures final {
public:
    // The picture block at scale times the stored picture's size, in greys if asked.
    const std::vector<std::uint8_t>& Block(int scale, bool grey);

private:
    std::map<std::pair<int, bool>, std::vector<std::uint8_t>> m_blocks;
};

} // namespace Armalyx
