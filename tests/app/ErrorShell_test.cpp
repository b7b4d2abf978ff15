#include "TApplication.h"
#include "TErrorCapture.h"
#include "TErrorShell.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <stdexcept>

TEST(ErrorShell, ApplicationTitleIsTheProgramNameCutBeforeItsFirstDot) {
    struct TCase {
        const char* Path;
        const char* Title;
    };
    const TCase cases[] = {
        {"/usr/bin/armalyx", "armalyx"},
        {"armalyx.exe", "armalyx"},
        {"/opt/my.tools/armalyx.2.1.bin", "armalyx"},
        {"/opt/bin/.hidden", ""},
        {"plain", "plain"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Path);
        EXPECT_EQ(TErrorShell::ApplicationTitleFor(QString::fromLatin1(c.Path)),
                  QString::fromLatin1(c.Title));
    }
}

TEST(ErrorShell, FullStopIsAppendedWhenTheLastCharacterSortsAfterIt) {
    struct TCase {
        const char* Message;
        const char* Shown;
    };
    const TCase cases[] = {
        {"File not found", "File not found."},
        {"I/O error 30", "I/O error 30."},
        {"Already said.", "Already said."},
        {"Really!", "Really!"},
        {"Minus -", "Minus -"},
        {"Path /", "Path /."},
        {"", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Message);
        EXPECT_EQ(TErrorShell::ReportText(QString::fromLatin1(c.Message)),
                  QString::fromLatin1(c.Shown));
    }
}

TEST(ErrorShell, GuardReportsTheExceptionWithTheApplicationTitle) {
    TErrorCapture capture;
    bool after = false;
    TErrorShell::Guard([] { throw std::runtime_error("File access denied"); });
    after = true;
    ASSERT_EQ(capture.Reports().size(), 1U);
    EXPECT_EQ(capture.Reports()[0].Title,
              TErrorShell::ApplicationTitleFor(QCoreApplication::applicationFilePath()));
    EXPECT_EQ(capture.Reports()[0].Title, QStringLiteral("armalyx_app_tests"));
    EXPECT_EQ(capture.Reports()[0].Text, QStringLiteral("File access denied."));
    EXPECT_TRUE(after);
}

TEST(ErrorShell, ExceptionsOfUnknownKindAreReportedToo) {
    TErrorCapture capture;
    TErrorShell::Guard([] { throw 42; });
    ASSERT_EQ(capture.Reports().size(), 1U);
    EXPECT_EQ(capture.Reports()[0].Text, QStringLiteral("Unknown error."));
}

TEST(ErrorShell, CaptureEndsWithItsScope) {
    TErrorCapture outer;
    {
        TErrorCapture inner;
        TErrorShell::Report(QStringLiteral("inner"));
        EXPECT_EQ(inner.Reports().size(), 1U);
    }
    TErrorShell::Report(QStringLiteral("outer"));
    ASSERT_EQ(outer.Reports().size(), 1U);
    EXPECT_EQ(outer.Reports()[0].Text, QStringLiteral("outer."));
}

namespace {

class TThrowingObject final : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("Invalid numeric input");
        }
        return QObject::event(event);
    }
};

} // namespace

TEST(ErrorShell, EventDeliveryReportsWhatAHandlerLetsThroughAndCountsItHandled) {
    // The application's notify override delivers every event through this guard.
    TErrorCapture capture;
    TThrowingObject receiver;
    QEvent event(QEvent::User);
    EXPECT_TRUE(TApplication::DeliverGuarded([&] { return receiver.event(&event); }));
    ASSERT_EQ(capture.Reports().size(), 1U);
    EXPECT_EQ(capture.Reports()[0].Text, QStringLiteral("Invalid numeric input."));

    QEvent other(QEvent::None);
    EXPECT_FALSE(TApplication::DeliverGuarded([&] { return receiver.event(&other); }));
    EXPECT_EQ(capture.Reports().size(), 1U);
}

namespace {

QStringList* g_loggedMessages = nullptr;

void CollectMessage(QtMsgType /*type*/, const QMessageLogContext& /*context*/,
                    const QString& message) {
    if (g_loggedMessages != nullptr) {
        g_loggedMessages->append(message);
    }
}

// Collects the program's log messages for as long as it lives.
class TLogCapture final {
public:
    TLogCapture() : m_previous(qInstallMessageHandler(CollectMessage)) {
        g_loggedMessages = &m_messages;
    }
    ~TLogCapture() {
        g_loggedMessages = nullptr;
        qInstallMessageHandler(m_previous);
    }
    TLogCapture(const TLogCapture&) = delete;
    TLogCapture& operator=(const TLogCapture&) = delete;

    const QStringList& Messages() const { return m_messages; }

private:
    QStringList m_messages;
    QtMessageHandler m_previous;
};

} // namespace

TEST(ErrorShell, AnErrorWhileTheBoxIsOpenIsLoggedAndTheNextErrorOpensABoxAgain) {
    TLogCapture log;
    QStringList shownBoxes;
    // Answers every error box that opens; behind the first one a second error is raised.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        shownBoxes.append(box->text());
        if (shownBoxes.size() == 1) {
            TErrorShell::Report(QStringLiteral("Error behind the box"));
        }
        box->done(QMessageBox::Ok);
    });
    answer.start(5);

    TErrorShell::Report(QStringLiteral("First error"));
    TErrorShell::Report(QStringLiteral("Second error"));
    answer.stop();

    EXPECT_EQ(shownBoxes.join(QStringLiteral(" | ")).toStdString(), "First error. | Second error.");
    // The platform may log lines of its own; only the shell's are counted.
    const QStringList nested = log.Messages().filter(QStringLiteral(": Error behind the box."));
    EXPECT_EQ(nested.size(), 1);
    EXPECT_TRUE(log.Messages().filter(QStringLiteral("Second error")).isEmpty());
}
