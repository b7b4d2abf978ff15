#pragma once
// The program's application object: the desktop's font substitutions, the application's title,
// and the last line of defence for exceptions that escape an event handler.

#include <QApplication>

#include <functional>

class TApplication final : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    // Exceptions from events that Qt delivers are reported here and the event counts as handled.
    bool notify(QObject* receiver, QEvent* event) override;

    // Runs one event delivery; an exception that leaves it is reported and the event counts as
    // handled.
    static bool DeliverGuarded(const std::function<bool()>& deliver);

    // Maps the layout's font names onto the fonts this system has; safe to call more than once.
    static void InstallFontSubstitutions();
};
