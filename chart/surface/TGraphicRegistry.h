#pragma once
// The picture formats a stored picture can name, keyed by class name. The JPEG format is
// registered from the start.

#include "TChartGraphic.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

class TGraphicRegistry final {
public:
    using TFactory = std::function<std::unique_ptr<TChartGraphic>()>;

    static TGraphicRegistry& Instance();

    void Register(const QString& className, TFactory factory);
    // A new empty picture of the named format; null when no format has that name.
    std::unique_ptr<TChartGraphic> Create(const QString& className) const;

private:
    TGraphicRegistry();

    std::map<QString, TFactory> m_factories;
};
