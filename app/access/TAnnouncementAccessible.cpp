#include "TAnnouncementAccessible.h"

#include "TAnnouncer.h"

TAnnouncementAccessible::TAnnouncementAccessible(TAnnouncer* announcer)
    : QAccessibleWidget(announcer, QAccessible::Notification) {}

QString TAnnouncementAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return static_cast<const TAnnouncer*>(widget())->Message();
    }
    return QAccessibleWidget::text(t);
}
