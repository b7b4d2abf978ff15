#pragma once
// A month of the study (1 = January 1941 .. 60 = December 1945) as the program writes it: "Mar
// 1943" in the tooltip, the read-outs, the table's span and the data report.

#include <QString>

namespace Armalyx::MonthText {

// "Mar 1943" for month 27; months outside 1..60 are named in the same way, by the same calendar.
QString Caption(int month);

} // namespace Armalyx::MonthText
