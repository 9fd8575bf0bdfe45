// The main window with the simulated switch sending to it: a linkDown polls the port lights at
// once (their timer stopped, so only the notification can do it), the row is in the Event Log,
// Device > Event Log opens it, and a reboot's warmStart says that the switch restarted.
#include "tmainform.h"

#include "agent_support.h"
#include "eventcenter.h"
#include "kmvsim_process.h"
#include "ledmaps.h"
#include "mibenums.h"
#include "qvsnmpledbinding.h"
#include "qvsnmpnotify.h"
#include "snmp_tools.h"
#include "startupconfig.h"
#include "teventlog.h"
#include "teventlogform.h"
#include "tmessagebox.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

} // namespace

TEST(MainFormEvents, SwitchNotificationsReachPanelLogAndStatusBar)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString home = makeTempDir(QStringLiteral("mainform-events"));
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(home);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, home + "/etc");
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, home + "/etc");
    QSettings(QSettings::SystemScope, SuiteOrganization, SuiteApplication).remove(SuitePathKey);
    BuildCatalogueLists();
    QStringList boxes;
    QvSetMessageHook([&](QWidget *, const QString &text, const QString &, QMessageBox::StandardButtons) {
        boxes << text;
        return QMessageBox::Ok;
    });

    const quint16 trapPort = freeUdpPort();
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static"), QStringLiteral("--reboot-time"),
                       QStringLiteral("300"), QStringLiteral("--notify"), QStringLiteral("127.0.0.1:%1").arg(trapPort)});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    // The device configuration file beside the program names the switch and where traps arrive.
    QDir(home).mkpath(QStringLiteral("quorvane_ems"));
    {
        QFile f(QDir(home).filePath(QStringLiteral("quorvane_ems/127.0.0.1.cfg")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Program Information]\r\nAgentIP=127.0.0.1\r\nAgentPort=" + QByteArray::number(sim.port())
                + "\r\nVersion=1\r\nSecurityModel=3\r\nTimeout=100\r\nRetries=1\r\nNotifyAddress=127.0.0.1\r\n"
                  "NotifyPort=" + QByteArray::number(trapPort));
    }
    {
        TMainForm form(TStartupEnv{{"/I127.0.0.1", "/t1", "/v1"}, QDir(home).filePath("quorvane_ems/kmv7040qx"), home});
        EXPECT_TRUE(boxes.isEmpty()) << boxes.value(0).toStdString();
        ASSERT_NE(form.Events(), nullptr);
        EXPECT_TRUE(form.Events()->Receiver()->IsListening()) << form.Events()->Receiver()->ErrorText().toStdString();
        EXPECT_EQ(form.Events()->Receiver()->Port(), trapPort);
        EXPECT_TRUE(form.Events()->Model()->Journal().FilePath().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        ASSERT_TRUE(WaitFor([&] { return form.LinkShape_Port[1]->BrushColor() == LedGreen; }, 5000));
        QTest::qWait(700);  // past the blinking after the poll
        form.PortBinding()->PollTimer()->stop();
        const int rowsBefore = form.Events()->Model()->rowCount();

        ASSERT_TRUE(ToolSet(sim, {QStringLiteral("1.3.6.1.2.1.2.2.1.7.2"), QStringLiteral("i"), QStringLiteral("2")}));
        EXPECT_TRUE(WaitFor([&] { return form.LinkShape_Port[1]->BrushColor() == LedBlack; }, 4000))
            << "the linkDown polls the lights";
        ASSERT_GT(form.Events()->Model()->rowCount(), rowsBefore);
        EXPECT_EQ(form.Events()->Model()->Record(0).name, QStringLiteral("linkDown"));
        EXPECT_TRUE(form.Events()->Model()->Record(0).details.startsWith(QStringLiteral("port 2")));
        EXPECT_TRUE(form.Events()->CountLabel()->text().contains(QStringLiteral("new notification")));

        QAction *entry = form.menuBar()->findChild<QAction *>(QStringLiteral("EventLog"));
        ASSERT_NE(entry, nullptr);
        entry->trigger();
        auto *log = form.findChild<TEventLogForm *>(QStringLiteral("EventLogForm"));
        ASSERT_NE(log, nullptr);
        EXPECT_TRUE(log->isVisible());

        ASSERT_TRUE(ToolSet(sim, {QStringLiteral("1.3.6.1.4.1.171.12.1.2.3.0"), QStringLiteral("i"), QStringLiteral("3")}));
        EXPECT_TRUE(WaitFor([&] { return form.NoticePanel->text().contains(QStringLiteral("switch restarted")); }, 6000))
            << form.NoticePanel->text().toStdString();
        EXPECT_EQ(form.Events()->Model()->Record(0).name, QStringLiteral("warmStart"));
        EXPECT_EQ(form.Events()->Receiver()->IgnoredCount(), 0u);
        QDir(QFileInfo(form.Events()->Model()->Journal().FilePath()).absolutePath()).removeRecursively();
    }
    QvSetMessageHook({});
    QDir::setCurrent(oldCwd);
    QDir(home).removeRecursively();
}
