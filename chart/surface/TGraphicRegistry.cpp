#include "TGraphicRegistry.h"

#include "TJPEGImage.h"

TGraphicRegistry& TGraphicRegistry::Instance() {
    static TGraphicRegistry registry;
    return registry;
}

TGraphicRegistry::TGraphicRegistry() {
    Register(TJPEGImage::StaticClassName(), [] { return std::make_unique<TJPEGImage>(); });
}

void TGraphicRegistry::Register(const QString& className, TFactory factory) {
    m_factories[className] = std::move(factory);
}

std::unique_ptr<TChartGraphic> TGraphicRegistry::Create(const QString& className) const {
    const auto found = m_factories.find(className);
    if (found == m_factories.end() || !found->second) {
        return nullptr;
    }
    return found->second();
}
