#include "TAnnouncer.h"

#include <QApplication>
#include <QLineEdit>

namespace {

// How long typing must pause before a waiting message is told.
constexpr int kTypingPauseMilliseconds = 1500;

} // namespace

TAnnouncer::TAnnouncer(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    m_wait.setSingleShot(true);
    m_wait.setInterval(kTypingPauseMilliseconds);
    connect(&m_wait, &QTimer::timeout, this, &TAnnouncer::Tell);
}

TAnnouncer* TAnnouncer::Of(const QWidget* widget) {
    const QWidget* window = widget == nullptr ? nullptr : widget->window();
    return window == nullptr
               ? nullptr
               : window->findChild<TAnnouncer*>(QString(), Qt::FindDirectChildrenOnly);
}

void TAnnouncer::Announce(const QString& message) {
    if (message.isEmpty() || (m_wait.isActive() && message == m_message)) {
        return;
    }
    m_message = message;
    if (UserIsTyping()) {
        m_wait.start();
        return;
    }
    Tell();
}

// Typing: the focus is in a text that takes it, and a key went there a moment ago.
bool TAnnouncer::UserIsTyping() const {
    const auto* edit = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
    return edit != nullptr && !edit->isReadOnly() && edit->isModified();
}

// Showing again is what a reader hears: hide first, so that a second message shows anew.
void TAnnouncer::Tell() {
    if (UserIsTyping()) {
        m_wait.start();
        return;
    }
    hide();
    show();
}
