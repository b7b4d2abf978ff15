#pragma once

#include "TProductionStore.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace Production1 {

// Finds the slot of a vehicle name in a few steps instead of comparing it with every stored name,
// for the length of one read of "TankData.txt", during which nothing else writes the names.
//
// It gives exactly what the slot-by-slot scan gives: the first slot that holds the name, or else
// the first free slot, where the name is then stored. It indexes the names of the unbroken run of
// used slots from slot 1; every name before the first free slot is indexed, so a name it does not
// know goes to that free slot. Fixed size, no allocation.
class TVehicleIndex final {
public:
    explicit TVehicleIndex(VehicleNameTable& names);
    TVehicleIndex(const TVehicleIndex&) = delete;
    TVehicleIndex& operator=(const TVehicleIndex&) = delete;

    // The slot of the name, adding it in the first free slot when it is new; 0 when the name is
    // empty or every slot holds another name.
    int FindOrAdd(const VehicleName& name);

private:
    // A power of two above twice the slot count, so that probe runs stay short.
    static constexpr std::size_t kBuckets = 512;

    // The bucket that holds the name's slot, or the empty bucket where it would go.
    std::size_t Bucket(const VehicleName& name) const;
    // Indexes the used slots from the first free slot on, up to the next free one.
    void IndexUsedSlots();

    VehicleNameTable& m_names;
    int m_firstFree = 1;
    // Slot numbers; 0 marks an empty bucket.
    std::array<std::uint8_t, kBuckets> m_buckets{};
};

} // namespace Production1
