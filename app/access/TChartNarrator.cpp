#include "TChartNarrator.h"

#include <TChart.h>

#include <QAccessible>
#include <QTimer>

#include <utility>

TChartNarrator::TChartNarrator(TChart& chart, TSources sources)
    : QObject(&chart), m_chart(chart), m_sources(std::move(sources)) {
    setObjectName(QStringLiteral("ChartNarrator"));
}

TChartNarrator* TChartNarrator::Of(const QObject* chart) {
    return chart == nullptr
               ? nullptr
               : chart->findChild<TChartNarrator*>(QString(), Qt::FindDirectChildrenOnly);
}

QString TChartNarrator::Summary() const {
    return m_sources.Summary();
}

const std::vector<QStringList>& TChartNarrator::Rows() const {
    if (!m_rowsCurrent) {
        m_rows = m_sources.Rows();
        m_rowsCurrent = true;
    }
    return m_rows;
}

void TChartNarrator::NoteCurvesChanged() {
    m_rowsCurrent = false;
    if (!m_announcementDue) {
        m_announcementDue = true;
        QTimer::singleShot(0, this, &TChartNarrator::AnnounceChanges);
    }
}

void TChartNarrator::AnnounceChanges() {
    m_announcementDue = false;
    if (Rows() != m_toldRows) {
        m_toldRows = Rows();
        QAccessibleTableModelChangeEvent reset(&m_chart,
                                               QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    const QString summary = Summary();
    if (summary != m_toldSummary) {
        m_toldSummary = summary;
        QAccessibleEvent described(&m_chart, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}
