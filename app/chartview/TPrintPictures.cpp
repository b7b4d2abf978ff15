#include "TPrintPictures.h"

#include "BackgroundPicture.h"

#include <JpegCodec.h>

namespace Armalyx {

const std::vector<std::uint8_t>& TPrintPictures::Block(int scale, bool grey) {
    const auto key = std::make_pair(scale, grey);
    const auto found = m_blocks.find(key);
    if (found != m_blocks.end()) {
        return found->second;
    }
    std::vector<std::uint8_t> jpeg;
    std::vector<std::uint8_t> block;
    if (EncodeJpeg(BackgroundPicture::Draw(scale, grey), BackgroundPicture::kJpegQuality, jpeg)) {
        block = BackgroundPicture::Block(jpeg);
    }
    return m_blocks.emplace(key, std::move(block)).first->second;
}

} // namespace Armalyx
