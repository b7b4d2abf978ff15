#include "TAccessibleEventRecorder.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace Armalyx {

namespace {

// Qt takes a plain function as the handler, so what it records lives here.
std::vector<TAccessibleEventRecord>& Records() {
    static std::vector<TAccessibleEventRecord> records;
    return records;
}

void Record(QAccessibleEvent* event) {
    TAccessibleEventRecord record{event->type(), event->object(), QString(), QString()};
    if (event->type() == QAccessible::TextUpdated) {
        record.Inserted = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
    }
    if (event->object() == nullptr) {
        if (QAccessibleInterface* iface = event->accessibleInterface()) {
            record.Name = iface->text(QAccessible::Name);
        }
    }
    Records().push_back(record);
}

// Qt sends accessibility events only while the platform says a screen reader listens; the
// off-screen platform never does unless told so.
void SetPlatformAccessibilityActive(bool active) {
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(active);
    }
}

} // namespace

TAccessibleEventRecorder::TAccessibleEventRecorder()
    : m_previousHandler(QAccessible::installUpdateHandler(&Record)),
      m_wasActive(QAccessible::isActive()) {
    Records().clear();
    SetPlatformAccessibilityActive(true);
}

TAccessibleEventRecorder::~TAccessibleEventRecorder() {
    QAccessible::installUpdateHandler(m_previousHandler);
    SetPlatformAccessibilityActive(m_wasActive);
    Records().clear();
}

std::vector<TAccessibleEventRecord> TAccessibleEventRecorder::Of(const QObject* object,
                                                                 QAccessible::Event type) const {
    std::vector<TAccessibleEventRecord> found;
    for (const TAccessibleEventRecord& record : Records()) {
        if (record.Object == object && record.Type == type) {
            found.push_back(record);
        }
    }
    return found;
}

void TAccessibleEventRecorder::Clear() {
    Records().clear();
}

} // namespace Armalyx
