// The main window's notification side: what each kind makes the front panel and status bar do,
// the unacknowledged count and its click, the journal's place, and a port that cannot be opened.
#include "agent_support.h"
#include "eventcenter.h"
#include "qvsnmpnotify.h"
#include "qvsnmpsession.h"
#include "teventlog.h"
#include "teventlogform.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

QvSNMPNotification note(QvOid trapOid, QList<QvSNMPVb> vbs = {})
{
    QvSNMPNotification n;
    n.version = 1;
    n.sourceAddress = QStringLiteral("127.0.0.1");
    n.trapOid = std::move(trapOid);
    n.vbs = std::move(vbs);
    return n;
}

struct Fixture {
    QWidget window;
    QStatusBar *bar = new QStatusBar(&window);
    int polls = 0;
    QStringList notices;
    bool lastHeld = false;
    TEventCenter *center = nullptr;

    explicit Fixture(const QString &folder)
    {
        TEventCenter::Hooks hooks;
        hooks.pollPorts = [this] { ++polls; };
        hooks.notice = [this](const QString &t, bool held) {
            notices << t;
            lastHeld = held;
        };
        center = new TEventCenter(&window, bar, hooks, folder);
    }
};

} // namespace

TEST(EventCenter, ReactionsCountAndClick)
{
    OpenGlobalSession(makeTempDir(QStringLiteral("kmv-events-session")));
    const QvNotifyListenParams saved = NotifyListenParams();
    NotifyListenParams() = {QStringLiteral("127.0.0.1"), 0};
    Fixture f(makeTempDir(QStringLiteral("kmv-events")));
    ASSERT_EQ(f.center->Restart(), 0) << f.center->Receiver()->ErrorText().toStdString();
    EXPECT_TRUE(f.center->Receiver()->IsListening());

    const QvSNMPVb port3{QvOid{1, 3, 6, 1, 2, 1, 2, 2, 1, 1, 3}, QvSNMPValue::integer(3)};
    const struct {
        const char *what;
        QvSNMPNotification n;
        int polls;
        const char *notice;  // "" for none
    } cases[] = {
        {"linkDown polls the LEDs", note({1, 3, 6, 1, 6, 3, 1, 1, 5, 3}, {port3}), 1, ""},
        {"linkUp polls the LEDs", note({1, 3, 6, 1, 6, 3, 1, 1, 5, 4}, {port3}), 1, ""},
        {"coldStart says the switch restarted", note({1, 3, 6, 1, 6, 3, 1, 1, 5, 1}), 0, "restarted (coldStart"},
        {"warmStart says the switch restarted", note({1, 3, 6, 1, 6, 3, 1, 1, 5, 2}), 0, "restarted (warmStart"},
        {"risingAlarm only logs", note({1, 3, 6, 1, 2, 1, 16, 0, 1}), 0, ""},
        {"authenticationFailure only logs", note({1, 3, 6, 1, 6, 3, 1, 1, 5, 5}), 0, ""},
    };
    int rows = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        f.polls = 0;
        f.notices.clear();
        emit f.center->Receiver()->Received(c.n);
        ++rows;
        EXPECT_EQ(f.center->Model()->rowCount(), rows);
        EXPECT_EQ(f.polls, c.polls);
        if (*c.notice) {
            ASSERT_EQ(f.notices.size(), 1);
            EXPECT_TRUE(f.notices.first().contains(QLatin1String(c.notice))) << f.notices.first().toStdString();
        } else {
            EXPECT_TRUE(f.notices.isEmpty());
        }
        EXPECT_EQ(f.center->CountLabel()->text(), QStringLiteral("%1 new notification%2").arg(rows).arg(rows == 1 ? "" : "s"));
    }
    // A click on the count opens the log; acknowledging all empties the count.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(f.center->CountLabel(), &release);
    auto *form = f.window.findChild<TEventLogForm *>(QStringLiteral("EventLogForm"));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(f.center->ShowLog(), form);
    f.center->Model()->AcknowledgeAll();
    EXPECT_TRUE(f.center->CountLabel()->text().isEmpty());
    form->close();

    // The port is taken: the status bar says so and how to mend it; nothing else changes.
    NotifyListenParams() = {QStringLiteral("127.0.0.1"), f.center->Receiver()->Port()};
    Fixture second(makeTempDir(QStringLiteral("kmv-events2")));
    EXPECT_NE(second.center->Restart(), 0);
    ASSERT_EQ(second.notices.size(), 1);
    EXPECT_TRUE(second.lastHeld);
    EXPECT_TRUE(second.notices.first().contains(QStringLiteral("above 1023")));
    EXPECT_TRUE(second.notices.first().contains(QStringLiteral("trap target")));
    EXPECT_FALSE(second.center->Receiver()->IsListening());
    // A port set in the settings afterwards: the failure gives way, and only then is there a word.
    NotifyListenParams() = {QStringLiteral("127.0.0.1"), 0};
    ASSERT_EQ(second.center->Restart(), 0);
    ASSERT_EQ(second.notices.size(), 2);
    EXPECT_FALSE(second.lastHeld);
    EXPECT_TRUE(second.notices.last().startsWith(QStringLiteral("Notifications are received on UDP")));
    ASSERT_EQ(second.center->Restart(), 0);
    EXPECT_EQ(second.notices.size(), 2);
    NotifyListenParams() = saved;
}

TEST(EventCenter, JournalInTheUsersDataFolder)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    Fixture f{QString()};
    EXPECT_TRUE(f.center->Model()->Journal().FilePath().startsWith(data)) << f.center->Model()->Journal().FilePath().toStdString();
    emit f.center->Receiver()->Received(note({1, 3, 6, 1, 6, 3, 1, 1, 5, 1}));
    EXPECT_TRUE(QFile::exists(f.center->Model()->Journal().FilePath()));
    QDir(QFileInfo(f.center->Model()->Journal().FilePath()).absolutePath()).removeRecursively();
}
