#include "TErrorShell.h"

#include "TScopedRollback.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// Text for an exception that carries no message of its own.
const QString kUnknownErrorText = QStringLiteral("Unknown error");

TErrorShell::TReportSink& ReportSink() {
    static TErrorShell::TReportSink sink;
    return sink;
}

} // namespace

QString TErrorShell::ApplicationTitleFor(const QString& programPath) {
    const QString fileName = QFileInfo(programPath).fileName();
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString TErrorShell::ApplicationTitle() {
    if (QCoreApplication::instance() == nullptr) {
        return QString();
    }
    const QString path = QCoreApplication::applicationFilePath();
    if (!path.isEmpty()) {
        return ApplicationTitleFor(path);
    }
    const QStringList arguments = QCoreApplication::arguments();
    return arguments.isEmpty() ? QString() : ApplicationTitleFor(arguments.first());
}

QString TErrorShell::ReportText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
        return message + QLatin1Char('.');
    }
    return message;
}

QString TErrorShell::MessageOf(const std::exception_ptr& error) {
    try {
        if (error) {
            std::rethrow_exception(error);
        }
    } catch (const std::exception& exception) {
        return QString::fromUtf8(exception.what());
    } catch (...) {
    }
    return kUnknownErrorText;
}

void TErrorShell::Report(const QString& message) {
    const QString title = ApplicationTitle();
    const QString text = ReportText(message);
    if (ReportSink()) {
        ReportSink()(title, text);
        return;
    }
    ShowErrorBox(title, text);
}

void TErrorShell::ReportCurrentException() {
    // Reporting must never throw out of a handler guard: a failure here is dropped.
    try {
        Report(MessageOf(std::current_exception()));
    } catch (...) {
    }
}

TErrorShell::TReportSink TErrorShell::SetReportSink(TReportSink sink) {
    return std::exchange(ReportSink(), std::move(sink));
}

void TErrorShell::ShowErrorBox(const QString& title, const QString& text) {
    // An error raised while the box is open (a paint that fails again behind it, for instance)
    // goes to the log instead of opening box after box.
    static bool showing = false;
    if (showing) {
        qWarning("%s: %s", qUtf8Printable(title), qUtf8Printable(text));
        return;
    }
    const Armalyx::TScopedRollback<bool> showingBox(showing, true);
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.exec();
}
