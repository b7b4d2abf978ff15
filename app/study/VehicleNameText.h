#pragma once
// How the window shows a vehicle name: as UTF-8 when its bytes are UTF-8 with multi-byte
// characters, otherwise as Windows-1252 text.

#include <Production1.h>

#include <QString>

namespace Armalyx {

inline QString VehicleNameText(const Production1::VehicleName& name) {
    return QString::fromStdString(Production1::VehicleNameToUtf8(name));
}

} // namespace Armalyx
