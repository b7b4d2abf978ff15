#include "TVehicleIndex.h"

namespace Production1 {

static_assert(MaxVehicles <= 255, "bucket entries hold slot numbers in one byte");

TVehicleIndex::TVehicleIndex(VehicleNameTable& names) : m_names(names) {
    IndexUsedSlots();
}

int TVehicleIndex::FindOrAdd(const VehicleName& name) {
    if (name.IsEmpty()) {
        return 0;
    }
    const std::size_t bucket = Bucket(name);
    if (m_buckets.at(bucket) != 0) {
        return m_buckets.at(bucket);
    }
    if (m_firstFree > MaxVehicles) {
        return 0;
    }
    const int slot = m_firstFree;
    m_names[slot] = name;
    m_buckets.at(bucket) = static_cast<std::uint8_t>(slot);
    ++m_firstFree;
    IndexUsedSlots();
    return slot;
}

void TVehicleIndex::IndexUsedSlots() {
    for (; m_firstFree <= MaxVehicles && !m_names[m_firstFree].IsEmpty(); ++m_firstFree) {
        const std::size_t bucket = Bucket(m_names[m_firstFree]);
        // A name held twice is found at its first slot, as the slot-by-slot scan finds it.
        if (m_buckets.at(bucket) == 0) {
            m_buckets.at(bucket) = static_cast<std::uint8_t>(m_firstFree);
        }
    }
}

std::size_t TVehicleIndex::Bucket(const VehicleName& name) const {
    std::size_t bucket = static_cast<std::size_t>(name.Hash()) & (kBuckets - 1);
    // There are more buckets than slots, so an empty bucket ends every probe run.
    while (m_buckets.at(bucket) != 0 && !(m_names[m_buckets.at(bucket)] == name)) {
        bucket = (bucket + 1) & (kBuckets - 1);
    }
    return bucket;
}

} // namespace Production1
