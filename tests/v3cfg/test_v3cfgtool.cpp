// The built tool with the device manager: found under the name the device manager looks for, started
// by Device > "SNMP Configuration" with "/I" and "/S", and the device manager polling with the
// settings of the device configuration file once the tool has ended.
#include "tmainform.h"

#include "agent_support.h"
#include "kmvsim_process.h"
#include "menutree.h"
#include "mibenums.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest.h"
#include "qvsnmpsession.h"
#include "tmessagebox.h"
#include "tv3cfgstartup.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/types.h>

namespace {

// The process id of this test's running child whose command line starts with path, 0 when none.
qint64 ChildRunning(const QString &path)
{
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QString s = QString::fromLatin1(stat.readAll());
        const QStringList after = s.mid(s.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
        if (after.size() < 2 || after.at(1) != self)
            continue;
        QFile cmd(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (cmd.open(QIODevice::ReadOnly) && QString::fromLatin1(cmd.readAll()).startsWith(path))
            return pid.toLongLong();
    }
    return 0;
}

} // namespace

TEST(V3CfgTool, BuiltUnderTheNameTheDeviceManagerLooksFor)
{
    const QFileInfo tool(QStringLiteral(KMV_V3CFG_PATH));
    ASSERT_TRUE(tool.isExecutable()) << KMV_V3CFG_PATH;
    EXPECT_TRUE(ConfigToolPresent(tool.absolutePath()));
    EXPECT_TRUE(QFileInfo(tool.absolutePath() + QStringLiteral("/kmv7040qx")).isExecutable())
        << "not beside the device manager";
}

TEST(V3CfgTool, DeviceManagerStartsItAndPollsWithTheSettingsItLeaves)
{
    const QString home = makeTempDir(QStringLiteral("v3cfgtool"));
    const QString ems = home + QStringLiteral("/quorvane_ems");
    ASSERT_TRUE(QDir().mkpath(ems));
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(ems);
    const QString tool = ems + QStringLiteral("/SNMPV3Cfg.EXE");
    ASSERT_TRUE(QFile::copy(QStringLiteral(KMV_V3CFG_PATH), tool));
    BuildCatalogueLists();
    QvSetMessageHook([](QWidget *, const QString &, const QString &, QMessageBox::StandardButtons) {
        return QMessageBox::Ok;
    });
    {
        KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
        ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
        const QString port = QString::number(sim.port());
        TMainForm form(TStartupEnv{{"/I127.0.0.1", "/t" + port, "/v1"}, ems + QStringLiteral("/kmv7040qx"), ems});
        EXPECT_TRUE(form.SNMPConfig->isVisible());
        EXPECT_EQ(SessionParams().Security.Version, SNMP_VERSION_V2C);

        // While the tool runs, its "Use" leaves an SNMPv3 user in the file; then the tool ends.
        bool sawTool = false;
        QTimer watch;
        watch.setInterval(100);
        int seenFor = 0;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const qint64 pid = ChildRunning(tool);
            if (!pid)
                return;
            sawTool = true;
            // A tool that failed at its start would have ended by now.
            if (++seenFor < 20)
                return;
            watch.stop();
            const TDeviceConfigEntries e = UserConfigEntries(
                QStringLiteral("127.0.0.1"), sim.port(), QStringLiteral("SHA_DES_User"), SECLEVEL_AUTH_PRIV,
                AUTHPROT_HMACSHA, QStringLiteral("kmvauth7040"), PRIVPROT_DES, QStringLiteral("kmvpriv7040"));
            WriteDeviceConfigFile(ems + QStringLiteral("/127.0.0.1.cfg"), DeviceConfigFileText(e));
            ::kill(pid_t(pid), SIGTERM);
        });
        watch.start();
        QTimer::singleShot(60000, [&] {
            if (const qint64 pid = ChildRunning(tool))
                ::kill(pid_t(pid), SIGKILL);
        });
        form.SNMPConfigClick();
        // The device manager goes on at once; the tool's end brings the new settings.
        EXPECT_NE(SessionParams().Security.Version, SNMP_VERSION_V3);
        QDeadlineTimer ended(60000);
        while (SessionParams().Security.Version != SNMP_VERSION_V3 && !ended.hasExpired())
            QTest::qWait(50);
        EXPECT_TRUE(sawTool);
        const QvSNMPSecurity &s = SessionParams().Security;
        EXPECT_EQ(s.Version, SNMP_VERSION_V3);
        EXPECT_EQ(s.SecurityName, QStringLiteral("SHA_DES_User"));
        EXPECT_EQ(s.PrivProtocol, PRIVPROT_DES);
        EXPECT_EQ(form.StatusPanel->text(), QStringLiteral("v3"));
        // Requests made from now on speak SNMPv3 as that user.
        QvSNMPRequest r;
        r.LoadSessionParams();
        EXPECT_EQ(r.securityName, QStringLiteral("SHA_DES_User"));
        r.vars.itemType = SVT_SV;
        r.vars.AddVar(QStringLiteral("1.3.6.1.2.1.1.5"), QStringLiteral("sysName"), SYN_DISPLAYSTR, ACC_READONLY);
        // The front panel's asynchronous engine discovery may own the session for a moment.
        QDeadlineTimer deadline(10000);
        bool read = false;
        while (!read && !deadline.hasExpired()) {
            try {
                r.Read(true);
                read = true;
            } catch (const QvSNMPException &) {
                QTest::qWait(50);
            }
        }
        EXPECT_TRUE(read);
        EXPECT_EQ(r.vars.Item(0).valueText, QStringLiteral("KMV-7040QX"));
    }
    QvSetMessageHook({});
    QDir::setCurrent(oldCwd);
    QDir(home).removeRecursively();
}
