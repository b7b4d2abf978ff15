#pragma once
// Catches the accessibility events the window sends, as a screen reader would receive them, for
// as long as it lives; the events then go where they went before.

#include <QAccessible>
#include <QString>

#include <vector>

namespace Armalyx {

struct TAccessibleEventRecord {
    QAccessible::Event Type = QAccessible::InvalidEvent;
    const QObject* Object = nullptr;
    // The text a text update inserted.
    QString Inserted;
    // The name, as it was then, of an interface without an object of its own (a chart's month).
    QString Name;
};

class TAccessibleEventRecorder final {
public:
    TAccessibleEventRecorder();
    ~TAccessibleEventRecorder();
    TAccessibleEventRecorder(const TAccessibleEventRecorder&) = delete;
    TAccessibleEventRecorder& operator=(const TAccessibleEventRecorder&) = delete;

    // The events of this object and type so far, oldest first.
    std::vector<TAccessibleEventRecord> Of(const QObject* object, QAccessible::Event type) const;
    void Clear();

private:
    QAccessible::UpdateHandler m_previousHandler = nullptr;
    bool m_wasActive = false;
};

} // namespace Armalyx
