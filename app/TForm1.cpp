#include "TForm1.h"

#include "AvailabilityMaths.h"
#include "TComboBox.h"
#include "TCurrentDirectoryScope.h"
#include "TErrorShell.h"
#include "TRadioGroup.h"
#include "TStringGrid.h"
#include "VehicleNameText.h"

#include <Production1.h>

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// The table always has room for this many vehicle rows, so the "Lend Lease" row always exists.
constexpr int kMinimumVehicleRows = 30;

} // namespace

TForm1::TForm1(QWidget* parent) : TForm1(QString(), parent) {}

TForm1::TForm1(QString dataDirectory, QWidget* parent)
    : QWidget(parent), m_dataDirectory(std::move(dataDirectory)) {
    CreateWindowFrame();
    CreateSelectionPage();
    CreateGraphPage();
    SetTabOrder();
    SetAccessibleNames();
    CreateShortcuts();
    ConnectHandlers();
}

void TForm1::ConnectHandlers() {
    // Every handler runs through the guard: an error is reported and the program goes on.
    const auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] { TErrorShell::Guard([this, handler] { (this->*handler)(); }); };
    };
    connect(StringGrid1, &TStringGrid::Click, this, guarded(&TForm1::StringGrid1Click));
    connect(StringGrid1, &TStringGrid::FixedRowClick, this,
            [this] { TErrorShell::Guard([this] { SelectRow(0); }); });
    connect(ComboBox1, &TComboBox::Change, this, guarded(&TForm1::ComboBox1Change));
    connect(ComboBox2, &TComboBox::Change, this, guarded(&TForm1::ComboBox2Change));
    connect(ComboBox3, &TComboBox::Change, this, guarded(&TForm1::ComboBox3Change));
    connect(ComboBox4, &TComboBox::Change, this, guarded(&TForm1::ComboBox4Change));
    connect(RadioGroup1, &TRadioGroup::Click, this, guarded(&TForm1::RadioGroup1Click));
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        RunFirstActivation();
    }
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(m_shown, true)) {
        return;
    }
    // Without a window manager nobody hands the new window the focus: ask for it, so that the
    // first activation comes in any case.
    QTimer::singleShot(0, this, [this] {
        if (!m_activated) {
            activateWindow();
        }
    });
}

void TForm1::RunFirstActivation() {
    // Later activations (after a message box, after another program) reload nothing.
    if (std::exchange(m_activated, true)) {
        return;
    }
    TErrorShell::Guard([this] { FormActivate(); });
}

void TForm1::FormActivate() {
    {
        const TCurrentDirectoryScope dataDirectory(m_dataDirectory);
        Production1::LoadProductionData();
    }
    FillVehicleTable();
    Production1::Store().CompareSlot = 0;
    PlotFleetCurves();
}

void TForm1::FillVehicleTable() {
    auto& store = Production1::Store();
    const int vehicleCount = store.VehicleCount;
    StringGrid1->SetRowCount(std::max(vehicleCount, kMinimumVehicleRows) + 2);
    StringGrid1->SetCells(0, 0, QStringLiteral("Vehicle Name"));
    StringGrid1->SetCells(1, 0, QStringLiteral("Total"));
    store.SelectedVehicle = 1;
    for (int row = 1; row <= vehicleCount; ++row) {
        StringGrid1->SetCells(0, row, VehicleNameText(store.VehicleNames[row]));
        StringGrid1->SetCells(1, row, AvailabilityMaths::PlainInteger(store.VehicleTotals[row]));
    }
    std::vector<std::int32_t> lendLease;
    for (int month = 1; month <= Production1::kLastMonth; ++month) {
        lendLease.push_back(store.LendLease[month]);
    }
    const QString lendLeaseTotal = AvailabilityMaths::LendLeaseTotalText(lendLease);
    StringGrid1->SetCells(0, vehicleCount + 1, QStringLiteral("Lend Lease"));
    StringGrid1->SetCells(1, vehicleCount + 1, lendLeaseTotal);
}

void TForm1::StringGrid1Click() {
    SelectRow(StringGrid1->Row());
}

void TForm1::SelectRow(int row) {
    auto& store = Production1::Store();
    store.LendLeaseSelected = false;
    if (row < 1) {
        return;
    }
    if (row == store.VehicleCount + 1) {
        PlotFleetCurves();
        PlotLendLease();
        store.LendLeaseSelected = true;
        ShowSpanFigures();
        return;
    }
    if (row > store.VehicleCount) {
        return;
    }
    store.SelectedVehicle = row;
    PlotFleetCurves();
    PlotVehicleEstimate();
    ShowSpanFigures();
}

void TForm1::ShowSpanFigures() {
    Production1::ComputeSpanTotals();
    const auto& store = Production1::Store();
    Edit1->setText(AvailabilityMaths::PlainInteger(store.SpanVehicleTotal));
    Edit2->setText(AvailabilityMaths::PlainInteger(store.SpanTotal));
    Edit3->setText(AvailabilityMaths::PlainInteger(store.SpanLosses));
}

void TForm1::ComboBox1Change() {
    Production1::Store().StartMonthChoice = ComboBox1->ItemIndex();
}

void TForm1::ComboBox2Change() {
    Production1::Store().EndMonthChoice = ComboBox2->ItemIndex();
}

void TForm1::ComboBox3Change() {
    Production1::Store().StartYearChoice = ComboBox3->ItemIndex();
}

void TForm1::ComboBox4Change() {
    Production1::Store().EndYearChoice = ComboBox4->ItemIndex();
}

void TForm1::RadioGroup1Click() {
    Production1::Store().ProductionSource = RadioGroup1->ItemIndex();
    PlotFleetCurves();
}
