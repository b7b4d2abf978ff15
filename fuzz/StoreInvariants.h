#pragma once

#include <string_view>

namespace Armalyx::Fuzz {

// Stops the run with the message when the condition does not hold; libFuzzer then keeps the input.
void Require(bool condition, std::string_view message);

// What must hold of the store after any load, whatever the files held: used slots
// 1..VehicleCount have distinct non-empty names, every later slot is empty with a zero row and a
// zero total, each total is the saturated sum of its slot's positive months, and the loss rate is 0
// outside months 5..53; stock counts are none or 0 and more and only for used slots, every source
// number names a text, and each used slot's estimate begins at its starting strength and is never
// below 0.
void RequireStoreInvariants();

} // namespace Armalyx::Fuzz
