#pragma once
// The announcer as a screen reader meets it: a notification named by its message.

#include <QAccessibleWidget>

class TAnnouncer;

class TAnnouncementAccessible final : public QAccessibleWidget {
public:
    explicit TAnnouncementAccessible(TAnnouncer* announcer);

    QString text(QAccessible::Text t) const override;
};
