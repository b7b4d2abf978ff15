#pragma once
// Two charts of the same curves that show one view: a zoom, a scroll or a pan in either, and a
// view set through either's curves (Home, Fit to data, Undo, a reload), is shown by the other at
// once. The charts' own wheel and right-drag changes are noticed after the chart has handled the
// event; the link copies only a view that differs from the other's.

#include <QObject>

namespace Armalyx {

class TChart1Curves;

class TChartViewLink final : public QObject {
    Q_OBJECT

public:
    // Gives the second curves the first's view; both outlive the link.
    TChartViewLink(TChart1Curves& first, TChart1Curves& second);
    ~TChartViewLink() override;
    TChartViewLink(const TChartViewLink&) = delete;
    TChartViewLink& operator=(const TChartViewLink&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the view of the one curves on the other.
    void Copy(const TChart1Curves& from, TChart1Curves& to);
    void CopyLater(const TChart1Curves& from, TChart1Curves& to);

    TChart1Curves& m_first;
    TChart1Curves& m_second;
    bool m_copying = false;
};

} // namespace Armalyx
