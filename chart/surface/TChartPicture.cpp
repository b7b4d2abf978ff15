#include "TChartPicture.h"

#include "TGraphicRegistry.h"

bool TChartPicture::LoadFromBlock(std::span<const std::uint8_t> block) {
    const bool hadPicture = m_graphic != nullptr;
    m_graphic.reset();
    const std::size_t nameLength = block.empty() ? 0 : block[0];
    if (block.empty() || block.size() < 1 + nameLength) {
        if (hadPicture) {
            Changed();
        }
        return false;
    }
    const auto name = block.subspan(1, nameLength);
    const QString className = QString::fromLatin1(reinterpret_cast<const char*>(name.data()),
                                                  static_cast<qsizetype>(name.size()));
    std::unique_ptr<TChartGraphic> graphic = TGraphicRegistry::Instance().Create(className);
    if (graphic != nullptr && graphic->LoadFromData(block.subspan(1 + nameLength)) > 0) {
        m_graphic = std::move(graphic);
    }
    if (hadPicture || m_graphic != nullptr) {
        Changed();
    }
    return m_graphic != nullptr;
}

void TChartPicture::Clear() {
    if (m_graphic != nullptr) {
        m_graphic.reset();
        Changed();
    }
}

void TChartPicture::Changed() const {
    if (m_onChange) {
        m_onChange();
    }
}
