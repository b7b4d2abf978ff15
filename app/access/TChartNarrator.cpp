#include "TChartNarrator.h"

#include "TAnnouncer.h"
#include "TChartAccessible.h"

#include <TChart.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>

#include <utility>

TChartNarrator::TChartNarrator(TChart& chart, TSources sources)
    : QObject(&chart), m_chart(chart), m_sources(std::move(sources)) {
    setObjectName(QStringLiteral("ChartNarrator"));
    chart.installEventFilter(this);
}

TChartNarrator* TChartNarrator::Of(const QObject* chart) {
    return chart == nullptr
               ? nullptr
               : chart->findChild<TChartNarrator*>(QString(), Qt::FindDirectChildrenOnly);
}

QString TChartNarrator::Summary() const {
    return m_sources.Summary();
}

QString TChartNarrator::Brief() const {
    return m_sources.Brief();
}

bool TChartNarrator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_chart && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() == Qt::Key_S && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            ReadOutSummary();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TChartNarrator::ReadOutSummary() const {
    if (TAnnouncer* announcer = TAnnouncer::Of(&m_chart)) {
        announcer->Announce(Summary());
    }
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
    const QString brief = Brief();
    if (brief != m_toldBrief) {
        m_toldBrief = brief;
        QAccessibleEvent described(&m_chart, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    const QString summary = Summary();
    if (summary != m_toldSummary) {
        m_toldSummary = summary;
        if (auto* access = !QAccessible::isActive()
                               ? nullptr
                               : dynamic_cast<TChartAccessible*>(
                                     QAccessible::queryAccessibleInterface(&m_chart))) {
            access->TellSummaryChanged();
        }
    }
}
