#include "MonthText.h"

#include <MonthNames.h>
#include <TProductionStore.h>

#include <string_view>

namespace Armalyx::MonthText {

QString Caption(int month) {
    using Production1::kMonthsPerYear;
    const int index = month - 1;
    const int monthOfYear = ((index % kMonthsPerYear) + kMonthsPerYear) % kMonthsPerYear;
    const int year = Production1::kFirstYear + (index - monthOfYear) / kMonthsPerYear;
    const std::string_view name =
        Production1::kMonthShortNames.at(static_cast<std::size_t>(monthOfYear));
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
           QLatin1Char(' ') + QString::number(year);
}

} // namespace Armalyx::MonthText
