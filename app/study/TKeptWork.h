#pragma once
// What a reload of the data files keeps of the work, by vehicle name, so that it survives the
// vehicles' slots changing: the picks of both pairs of curves, the table's current row, the
// figures' pick and the chart's view.

#include "TStudyView.h"

#include <array>
#include <string>
#include <vector>

namespace Armalyx {

struct TKeptWork {
    // Each pair's vehicles: one for a plain pick, the members of a group in their order.
    std::array<std::vector<std::string>, 2> PairVehicles;
    bool FirstPairHoldsLendLease = false;
    int CompareSlot = 0;
    // The pair a Ctrl+click adds to; -1 for none.
    int LastPair = -1;
    std::string CurrentVehicle;
    bool CurrentIsLendLease = false;
    bool FiguresShown = false;
    bool FiguresOfLendLease = false;
    std::vector<std::string> FiguresVehicles;
    TStudyView View;
};

// Picks a reload could not bring back because their vehicle was missing: each pair's vehicle,
// the current row's and the figures', by name. They come back at the next reload that finds
// them, unless the user picked again; another folder forgets them.
struct TMissedPicks {
    std::array<std::vector<std::string>, 2> PairVehicles;
    std::string CurrentVehicle;
    std::vector<std::string> FiguresVehicles;
};

} // namespace Armalyx
