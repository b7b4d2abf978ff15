#pragma once
// One dimension (x or y) of a series' points. Values are kept in contiguous storage; every
// value read is the stored value times Multiplier, and statistics are computed lazily.

#include <QString>

#include <cstdint>
#include <vector>

class TChartSeries;

enum class TChartListOrder { loNone, loAscending, loDescending };
using enum TChartListOrder;

class TChartValueList {
public:
    TChartValueList(TChartSeries& owner, QString name, TChartListOrder order);
    virtual ~TChartValueList() = default;
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    // Index errors raise std::out_of_range with the list's index message.
    virtual double ValueAt(std::int32_t index) const;
    virtual void ReplaceValue(std::int32_t index, double value);
    virtual void RemoveAllValues();
    virtual std::int32_t InsertSorted(double value);
    virtual void InsertAt(std::int32_t index, double value);
    virtual std::int32_t ValueCount() const;
    virtual void RemoveValue(std::int32_t index);
    virtual void RotateValues();

    double MaximumValue() const;
    double MinimumValue() const;
    double TotalValue() const;
    double TotalAbsValue() const;
    double LastValue() const { return ValueAt(ValueCount() - 1); }
    bool DirtyStats() const { return m_dirtyStats; }

    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    TChartListOrder Order() const { return m_order; }
    // Values already stored keep their order.
    void SetOrder(TChartListOrder order) { m_order = order; }
    double Multiplier() const { return m_multiplier; }
    void SetMultiplier(double multiplier);
    bool DateTime() const { return m_dateTime; }
    void SetDateTime(bool dateTime);
    const QString& ValueSource() const { return m_valueSource; }
    void SetValueSource(const QString& source) { m_valueSource = source; }

    TChartSeries& Owner() const { return m_owner; }

private:
    void CheckIndex(std::int32_t index, std::int32_t limit) const;
    void UpdateStatistics() const;
    bool GoesBefore(double stored, double value) const;

    TChartSeries& m_owner;
    std::vector<double> m_values;
    QString m_name;
    TChartListOrder m_order;
    double m_multiplier = 1.0;
    bool m_dateTime = false;
    QString m_valueSource;

    mutable double m_maximum = 0;
    mutable double m_minimum = 0;
    mutable double m_total = 0;
    mutable double m_totalAbs = 0;
    mutable bool m_dirtyStats = true;
};
