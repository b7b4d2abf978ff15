#include "TChartReaders.h"

#include "TChart1Curves.h"
#include "TChartAccessible.h"
#include "TChartHover.h"
#include "TChartMonthCursor.h"
#include "TChartNarrator.h"

#include <TChart.h>

#include <QAccessible>
#include <QLocale>

namespace Armalyx {

TChartReaders::TChartReaders(const TChart1Curves& curves)
    : m_hover(
          std::make_unique<TChartHover>(curves.Chart(), [&curves] { return curves.Readings(); })),
      m_monthCursor(std::make_unique<TChartMonthCursor>(curves.Chart(),
                                                        [&curves] { return curves.Readings(); })),
      m_narrator(std::make_unique<TChartNarrator>(
          curves.Chart(),
          TChartNarrator::TSources{[&curves] { return curves.Summary(); },
                                   [&curves] { return curves.Brief(); },
                                   [&curves] { return curves.ReadingRows(QLocale()); }})) {
    // The curves changed: a screen reader hears the new summary after the current event.
    TChartNarrator* narrator = m_narrator.get();
    QObject::connect(&curves, &TChart1Curves::Changed, narrator,
                     [narrator] { narrator->NoteCurvesChanged(); });
    // Each move of the month cursor moves a reader's focus to the month's item.
    TChart* chart = &curves.Chart();
    QObject::connect(m_monthCursor.get(), &TChartMonthCursor::ReadOutChanged, narrator, [chart] {
        if (!QAccessible::isActive()) {
            return;
        }
        if (auto* access =
                dynamic_cast<TChartAccessible*>(QAccessible::queryAccessibleInterface(chart))) {
            access->TellCursorMonth();
        }
    });
}

TChartReaders::~TChartReaders() = default;

} // namespace Armalyx
