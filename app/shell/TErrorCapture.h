#pragma once
// Collects the application's error reports instead of showing the modal box, for as long as it
// lives; the previous report destination comes back when it goes.

#include "TErrorShell.h"

#include <QString>

#include <vector>

class TErrorCapture final {
public:
    struct TReport {
        QString Title;
        QString Text;
    };

    TErrorCapture();
    ~TErrorCapture();
    TErrorCapture(const TErrorCapture&) = delete;
    TErrorCapture& operator=(const TErrorCapture&) = delete;

    const std::vector<TReport>& Reports() const { return m_reports; }
    void Clear() { m_reports.clear(); }

private:
    std::vector<TReport> m_reports;
    TErrorShell::TReportSink m_previous;
};
