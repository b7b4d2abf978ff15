#include "TChartValueList.h"

#include "TChartSeries.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace {
// Lists keep a little room after clearing so that refilling does not start from nothing.
constexpr std::size_t kReserveAfterClear = 16;
} // namespace

TChartValueList::TChartValueList(TChartSeries& owner, QString name, TChartListOrder order)
    : m_owner(owner), m_name(std::move(name)), m_order(order) {
    m_owner.RegisterValueList(*this);
}

void TChartValueList::CheckIndex(std::int32_t index, std::int32_t limit) const {
    if (index < 0 || index >= limit) {
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    }
}

double TChartValueList::ValueAt(std::int32_t index) const {
    CheckIndex(index, ValueCount());
    return m_values[static_cast<std::size_t>(index)] * m_multiplier;
}

void TChartValueList::ReplaceValue(std::int32_t index, double value) {
    CheckIndex(index, ValueCount());
    m_values[static_cast<std::size_t>(index)] = value;
    m_dirtyStats = true;
}

void TChartValueList::RemoveAllValues() {
    m_values.clear();
    m_values.shrink_to_fit();
    m_values.reserve(kReserveAfterClear);
    m_dirtyStats = true;
}

bool TChartValueList::GoesBefore(double stored, double value) const {
    return m_order == loAscending ? stored > value : stored < value;
}

std::int32_t TChartValueList::InsertSorted(double value) {
    std::int32_t index = ValueCount();
    if (m_order != loNone) {
        // Walk back from the end past every value that must follow the new one; equal values
        // keep their order of arrival. Ascending input is appended after one comparison.
        while (index > 0 && GoesBefore(m_values[static_cast<std::size_t>(index - 1)], value)) {
            --index;
        }
    }
    InsertAt(index, value);
    return index;
}

void TChartValueList::InsertAt(std::int32_t index, double value) {
    CheckIndex(index, ValueCount() + 1);
    m_values.insert(m_values.begin() + index, value);
    m_dirtyStats = true;
}

std::int32_t TChartValueList::ValueCount() const {
    return static_cast<std::int32_t>(m_values.size());
}

void TChartValueList::RemoveValue(std::int32_t index) {
    CheckIndex(index, ValueCount());
    m_values.erase(m_values.begin() + index);
    m_dirtyStats = true;
}

void TChartValueList::RotateValues() {
    if (m_values.size() > 1) {
        const double first = m_values.front();
        m_values.erase(m_values.begin());
        m_values.push_back(first);
        m_dirtyStats = true;
    }
}

void TChartValueList::UpdateStatistics() const {
    m_maximum = m_minimum = m_total = m_totalAbs = 0;
    if (!m_values.empty()) {
        const double first = m_values.front() * m_multiplier;
        m_maximum = m_minimum = m_total = first;
        m_totalAbs = std::fabs(first);
        for (std::size_t i = 1; i < m_values.size(); ++i) {
            const double v = m_values[i] * m_multiplier;
            if (v < m_minimum) {
                m_minimum = v;
            } else if (v > m_maximum) {
                m_maximum = v;
            }
            m_total += v;
            m_totalAbs += std::fabs(v);
        }
    }
    m_dirtyStats = false;
}

double TChartValueList::MaximumValue() const {
    if (m_dirtyStats) {
        UpdateStatistics();
    }
    return m_maximum;
}

double TChartValueList::MinimumValue() const {
    if (m_dirtyStats) {
        UpdateStatistics();
    }
    return m_minimum;
}

double TChartValueList::TotalValue() const {
    if (m_dirtyStats) {
        UpdateStatistics();
    }
    return m_total;
}

double TChartValueList::TotalAbsValue() const {
    if (m_dirtyStats) {
        UpdateStatistics();
    }
    return m_totalAbs;
}

void TChartValueList::SetMultiplier(double multiplier) {
    if (multiplier != m_multiplier) {
        m_multiplier = multiplier;
        m_dirtyStats = true;
        m_owner.RequestRepaint();
    }
}

void TChartValueList::SetDateTime(bool dateTime) {
    if (dateTime != m_dateTime) {
        m_dateTime = dateTime;
        m_owner.RequestRepaint();
    }
}
