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
    m_chartHover = new TChartHover(*Chart1, [this] { return SeriesReadings(); });
    m_monthCursor = new TChartMonthCursor(*Chart1, [this] { return SeriesReadings(); });
    m_chartNarrator = new TChartNarrator(
        *Chart1, {[this] { return ChartSummary(); }, [this] { return ChartDataRows(QLocale()); }});
}

// The widget destructor takes the chart down after this window's own members are gone, and the
// chart still hears of its focus leaving, and a screen reader may still ask about it, on the way.
// Its readers ask this window for the curves, so they go first, while the window is whole.
TForm1::~TForm1() {
    delete m_chartNarrator;
    delete m_monthCursor;
    delete m_chartHover;
}

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
