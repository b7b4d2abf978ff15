#pragma once
// The application's error report: every exception that leaves an event handler ends here and is
// shown in an error box titled with the application's title; the program then goes on.

#include <QString>

#include <exception>
#include <functional>
#include <utility>

class QWidget;

class TErrorShell final {
public:
    // Receives each report instead of the modal box (tests and the inspector install one).
    using TReportSink = std::function<void(const QString& title, const QString& text)>;

    TErrorShell() = delete;

    // The program file's name without its directory, cut before its first ".".
    static QString ApplicationTitleFor(const QString& programPath);
    // The title of the running application, from its program file.
    static QString ApplicationTitle();
    // The message as shown: a full stop is appended when its last character sorts after ".".
    static QString ReportText(const QString& message);
    // The message an exception carries; exceptions of unknown kind get a fixed text.
    static QString MessageOf(const std::exception_ptr& error);

    // Shows the error box (or hands the report to the installed sink).
    static void Report(const QString& message);
    static void ReportCurrentException();

    // Installs a sink and returns the previous one; an empty sink restores the error box.
    static TReportSink SetReportSink(TReportSink sink);

    // Runs one event handler: an exception that leaves it is reported and swallowed.
    template <typename THandler> static void Guard(THandler&& handler) noexcept {
        try {
            std::forward<THandler>(handler)();
        } catch (...) {
            ReportCurrentException();
        }
    }

private:
    static void ShowErrorBox(const QString& title, const QString& text);
};
