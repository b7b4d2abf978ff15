// Reading the availability chart without seeing every pixel of it: the mouse's tooltip, the
// keyboard's month cursor, and the summary and table of numbers a screen reader is given.

#include "TForm1.h"

#include "ChartSummaryText.h"
#include "TChartHover.h"
#include "TChartMonthCursor.h"
#include "TChartNarrator.h"
#include "VehicleNameText.h"

#include <TChart.h>

#include <QLocale>

void TForm1::CreateChartReaders() {
    m_chartHover = std::make_unique<TChartHover>(*Chart1, [this] { return SeriesReadings(); });
    m_monthCursor =
        std::make_unique<TChartMonthCursor>(*Chart1, [this] { return SeriesReadings(); });
    m_chartNarrator = std::make_unique<TChartNarrator>(
        *Chart1, TChartNarrator::TSources{[this] { return ChartSummary(); },
                                          [this] { return ChartDataRows(QLocale()); }});
}

// The readers, declared last, leave first.
TForm1::~TForm1() = default;

void TForm1::NoteChartChanged() {
    if (m_chartNarrator != nullptr) {
        m_chartNarrator->NoteCurvesChanged();
    }
}

QString TForm1::ChartSummary() const {
    return Armalyx::ChartSummaryText::Summary(ChartDataColumns(), PickedNames(), QLocale());
}

QStringList TForm1::PickedNames() const {
    QStringList names;
    if (m_firstPairHoldsLendLease) {
        names.push_back(QStringLiteral("Lend Lease"));
    }
    for (const std::string& vehicle : m_pairVehicles) {
        if (!vehicle.empty()) {
            names.push_back(Armalyx::VehicleNameText(Production1::VehicleName(vehicle)));
        }
    }
    return names;
}
