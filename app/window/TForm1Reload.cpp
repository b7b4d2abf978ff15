// Reading the data files again without losing the work: the picked vehicles come back by name
// into their pairs of curves, the current row follows its vehicle, the figures are computed for
// the current span and the chart keeps its view.

#include "TForm1.h"

#include "DataStatusText.h"
#include "TStatusLine.h"
#include "TStringGrid.h"
#include "VehicleNameText.h"

#include <Production1.h>

#include <TChart.h>

#include <QLabel>
#include <QLineEdit>
#include <QTime>

namespace {

// The slot holding the vehicle of this stored name, 0 when no slot does.
int SlotOfVehicle(const std::string& name) {
    const auto& store = Production1::Store();
    if (name.empty()) {
        return 0;
    }
    for (int slot = 1; slot <= store.VehicleCount; ++slot) {
        if (store.VehicleNames[slot].View() == name) {
            return slot;
        }
    }
    return 0;
}

QString NameText(const std::string& name) {
    return Armalyx::VehicleNameText(Production1::VehicleName(name));
}

} // namespace

void TForm1::ReloadKeepingWork(const QString& reason) {
    const TKeptWork work = KeptWork();
    // Cleared first, so that even a load that fails part-way leaves nothing of the old files.
    ForgetPicks();
    try {
        LoadDataFiles();
    } catch (...) {
        AddReloadLines(reason, {});
        throw;
    }
    // The load starts from the first data source; the selector may show the other one.
    RadioGroup1Click();
    AddReloadLines(reason, RestoreWork(work));
}

TForm1::TKeptWork TForm1::KeptWork() const {
    const auto& store = Production1::Store();
    TKeptWork work;
    work.PairVehicles = m_pairVehicles;
    work.FirstPairHoldsLendLease = m_firstPairHoldsLendLease;
    work.CompareSlot = store.CompareSlot;
    const int row = StringGrid1->Row();
    work.CurrentIsLendLease = row == store.VehicleCount + 1;
    if (row >= 1 && row <= store.VehicleCount) {
        work.CurrentVehicle = std::string(store.VehicleNames[row].View());
    }
    work.FiguresShown = m_figuresShown;
    work.FiguresOfLendLease = m_figuresOfLendLease;
    work.FiguresVehicle = m_figuresVehicle;
    work.View = Chart1->AxisRanges();
    AddMissedPicks(work);
    return work;
}

void TForm1::AddMissedPicks(TKeptWork& work) const {
    for (std::size_t pair = 0; pair < work.PairVehicles.size(); ++pair) {
        const bool holdsLendLease = pair == 0 && work.FirstPairHoldsLendLease;
        if (work.PairVehicles.at(pair).empty() && !holdsLendLease) {
            work.PairVehicles.at(pair) = m_missedPicks.PairVehicles.at(pair);
        }
    }
    if (work.CurrentVehicle.empty() && !work.CurrentIsLendLease) {
        work.CurrentVehicle = m_missedPicks.CurrentVehicle;
    }
    if (!work.FiguresShown && !m_missedPicks.FiguresVehicle.empty()) {
        work.FiguresShown = true;
        work.FiguresOfLendLease = false;
        work.FiguresVehicle = m_missedPicks.FiguresVehicle;
    }
}

QStringList TForm1::RestoreWork(const TKeptWork& work) {
    auto& store = Production1::Store();
    m_missedPicks = {};
    QStringList lost;
    for (std::size_t pair = 0; pair < work.PairVehicles.size(); ++pair) {
        const std::string& name = work.PairVehicles.at(pair);
        if (name.empty()) {
            continue;
        }
        const int slot = SlotOfVehicle(name);
        if (slot == 0) {
            lost.push_back(NameText(name));
            m_missedPicks.PairVehicles.at(pair) = name;
            continue;
        }
        store.CompareSlot = static_cast<int>(pair);
        store.SelectedVehicle = slot;
        PlotVehicleEstimate();
    }
    if (work.FirstPairHoldsLendLease) {
        PlotLendLease();
    }
    store.CompareSlot = work.CompareSlot;

    const int row =
        work.CurrentIsLendLease ? store.VehicleCount + 1 : SlotOfVehicle(work.CurrentVehicle);
    if (row >= 1) {
        StringGrid1->SetRow(row);
    } else if (!work.CurrentVehicle.empty()) {
        // The row it had now holds another vehicle, or nothing: no row is current until it is back.
        StringGrid1->ClearRow();
        m_missedPicks.CurrentVehicle = work.CurrentVehicle;
    }
    RestoreFigures(work);
    Chart1->RestoreAxisRanges(work.View);
    return lost;
}

// The figures describe the same vehicle (or the lend-lease deliveries) as before, over the span
// the selectors show now; a vehicle that is gone leaves them at 0.
void TForm1::RestoreFigures(const TKeptWork& work) {
    auto& store = Production1::Store();
    const int slot = SlotOfVehicle(work.FiguresVehicle);
    store.SelectedVehicle = slot == 0 ? 1 : slot;
    if (work.FiguresShown && !work.FiguresOfLendLease && slot == 0) {
        m_missedPicks.FiguresVehicle = work.FiguresVehicle;
    }
    if (!work.FiguresShown || (!work.FiguresOfLendLease && slot == 0)) {
        return;
    }
    store.LendLeaseSelected = work.FiguresOfLendLease;
    ShowSpanFigures();
}

void TForm1::AddReloadLines(const QString& reason, const QStringList& lostPicks) {
    QString text = Label8->text() + QLatin1Char('\n') +
                   Armalyx::DataStatusText::ReadAgainLine(QTime::currentTime(), reason);
    if (!lostPicks.isEmpty()) {
        text += QLatin1Char('\n') + Armalyx::DataStatusText::LostPicksLine(lostPicks);
    }
    Label8->SetStatusText(text);
}
