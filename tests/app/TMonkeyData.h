#pragma once
// Random data files for the monkey test: every kind of file the window may meet, from none at
// all to random bytes, generated from a seeded random source so that a run can be repeated.

#include <QString>

#include <random>
#include <string>

enum class TMonkeyDataKind {
    None,
    Empty,
    Ordinary,
    HugeNumbers,
    ManyVehicles,
    RandomBytes,
    MixedLineEnds,
};

// A short name for test names and failure messages.
std::string MonkeyDataKindName(TMonkeyDataKind kind);

// Writes "TotalData.txt" and "TankData.txt" of the given kind into the directory (or nothing).
void WriteMonkeyData(TMonkeyDataKind kind, const QString& directory, std::mt19937& random);
