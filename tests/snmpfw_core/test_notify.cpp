// The notification receiver against Net-SNMP's own senders (snmptrap, snmpinform) on loopback:
// every kind the switch may send, and the senders that must be kept out.
#include "engine_support.h"
#include "qvsnmpadapter.h"
#include "qvsnmpnotify.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString kCommunity = QStringLiteral("corvet");
const QString kUser = QStringLiteral("SHA_AES_User");
const QString kAuth = QStringLiteral("kmvauth7040");
const QString kPriv = QStringLiteral("kmvpriv7040");
const QByteArray kSwitchEngine = QByteArray::fromHex("800000ab05a1b2c3d4e5f60718");

QvNotifySender sender(bool v3)
{
    QvNotifySender s;
    s.address = QStringLiteral("127.0.0.1");
    s.version = v3 ? 3 : 1;
    s.community = kCommunity;
    s.securityName = kUser;
    s.securityLevel = 3;
    s.authProtocol = 3;
    s.privProtocol = 4;
    s.authPassword = kAuth;
    s.privPassword = kPriv;
    return s;
}

// Runs a Net-SNMP tool with the event loop turning (an inform waits for our answer).
int runTool(const QString &tool, const QStringList &args, QString *errors)
{
    const QString dir = makeTempDir(QStringLiteral("kmv-notify-tool"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SNMPCONFPATH"), dir);
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), dir);
    env.insert(QStringLiteral("MIBS"), QString());
    p.setProcessEnvironment(env);
    p.start(tool, QStringList{QStringLiteral("-M"), QStringLiteral("/dev/null"), QStringLiteral("-m"), QString()} + args);
    if (!p.waitForStarted(5000))
        return -1;
    if (!WaitUntil([&] { return p.state() == QProcess::NotRunning; }, 20000)) {
        p.kill();
        p.waitForFinished(2000);
        return -2;
    }
    *errors = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -3;
}

struct Case {
    const char *name;
    bool v3Session;
    const char *tool;
    QStringList args;  // before the destination
    QStringList body;  // after it
    bool accepted;
    bool toolSucceeds;
    qint8 version;
    bool inform;
};

QStringList v3Args(const QString &user, const QString &auth, bool withEngine)
{
    QStringList a{QStringLiteral("-v3"), QStringLiteral("-u"), user, QStringLiteral("-l"), QStringLiteral("authPriv"),
                  QStringLiteral("-a"), QStringLiteral("SHA"), QStringLiteral("-A"), auth, QStringLiteral("-x"),
                  QStringLiteral("AES"), QStringLiteral("-X"), kPriv};
    if (withEngine)
        a << QStringLiteral("-e") << QStringLiteral("0x") + QString::fromLatin1(kSwitchEngine.toHex());
    return a;
}

const QStringList kLinkDownV2{QStringLiteral("4321"), QStringLiteral("1.3.6.1.6.3.1.1.5.3"),
                              QStringLiteral("1.3.6.1.2.1.2.2.1.1.7"), QStringLiteral("i"), QStringLiteral("7")};
const QStringList kShort{QStringLiteral("-t"), QStringLiteral("1"), QStringLiteral("-r"), QStringLiteral("0")};

} // namespace

TEST(NotificationReceiver, KindsAndSenders)
{
    openTestSession();
    const QString v1 = QStringLiteral("-v1"), v2 = QStringLiteral("-v2c"), c = QStringLiteral("-c");
    const QString trap = QStringLiteral("snmptrap"), inform = QStringLiteral("snmpinform");
    const Case cases[] = {
        {"v1 trap", false, "snmptrap", {v1, c, kCommunity},
         {QStringLiteral("1.3.6.1.4.1.171"), QStringLiteral("127.0.0.1"), QStringLiteral("2"), QStringLiteral("0"),
          QStringLiteral("4321"), QStringLiteral("1.3.6.1.2.1.2.2.1.1.7"), QStringLiteral("i"), QStringLiteral("7")},
         true, true, 0, false},
        {"v2c trap", false, "snmptrap", {v2, c, kCommunity}, kLinkDownV2, true, true, 1, false},
        {"v2c inform", false, "snmpinform", QStringList{v2, c, kCommunity} + kShort, kLinkDownV2, true, true, 1, true},
        {"v3 trap authPriv", true, "snmptrap", v3Args(kUser, kAuth, true), kLinkDownV2, true, true, 3, false},
        {"v3 inform authPriv", true, "snmpinform", v3Args(kUser, kAuth, false) + kShort, kLinkDownV2, true, true, 3,
         true},
        {"wrong community", false, "snmptrap", {v2, c, QStringLiteral("public")}, kLinkDownV2, false, true, 1, false},
        {"wrong community inform", false, "snmpinform", QStringList{v2, c, QStringLiteral("public")} + kShort,
         kLinkDownV2, false, false, 1, true},
        {"foreign address", false, "snmptrap", {QStringLiteral("--clientaddr=127.0.0.2"), v2, c, kCommunity},
         kLinkDownV2, false, true, 1, false},
        {"unknown user", true, "snmptrap", v3Args(QStringLiteral("stranger"), kAuth, true), kLinkDownV2, false, true, 3,
         false},
        {"wrong key", true, "snmptrap", v3Args(kUser, QStringLiteral("wrongpass99"), true), kLinkDownV2, false, true, 3,
         false},
        {"wrong key inform", true, "snmpinform", v3Args(kUser, QStringLiteral("wrongpass99"), false) + kShort,
         kLinkDownV2, false, false, 3, true},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        QvSNMPNotificationReceiver rx;
        ASSERT_EQ(rx.Start(QStringLiteral("127.0.0.1"), 0), 0) << rx.ErrorText().toStdString();
        ASSERT_NE(rx.Port(), 0);
        rx.SetSender(sender(k.v3Session));
        if (k.v3Session)
            rx.SetSwitchEngineId(kSwitchEngine);
        QList<QvSNMPNotification> got;
        QObject::connect(&rx, &QvSNMPNotificationReceiver::Received, [&](const QvSNMPNotification &n) { got << n; });
        const QString dest = QStringLiteral("127.0.0.1:%1").arg(rx.Port());
        QString errors;
        const int exit = runTool(QString::fromLatin1(k.tool), k.args + QStringList{dest} + k.body, &errors);
        EXPECT_EQ(exit == 0, k.toolSucceeds) << "exit " << exit << ": " << errors.toStdString();
        WaitUntil([&] { return !got.isEmpty() || rx.IgnoredCount() > 0; }, 3000);
        if (k.accepted) {
            ASSERT_EQ(got.size(), 1);
            const QvSNMPNotification &n = got.first();
            EXPECT_EQ(n.version, k.version);
            EXPECT_EQ(n.inform, k.inform);
            EXPECT_EQ(n.sourceAddress, QStringLiteral("127.0.0.1"));
            EXPECT_EQ(n.trapOid, (QvOid{1, 3, 6, 1, 6, 3, 1, 1, 5, 3}));
            EXPECT_EQ(n.uptime, 4321u);
            ASSERT_FALSE(n.vbs.isEmpty());
            EXPECT_EQ(n.vbs.first().oid, (QvOid{1, 3, 6, 1, 2, 1, 2, 2, 1, 1, 7}));
            EXPECT_EQ(n.vbs.first().value.i, 7);
            EXPECT_EQ(rx.IgnoredCount(), 0u);
        } else {
            EXPECT_TRUE(got.isEmpty());
            EXPECT_GE(rx.IgnoredCount(), 1u);
            EXPECT_TRUE(rx.IgnoredText().contains(QStringLiteral("from other senders ignored")));
        }
    }
    EXPECT_EQ(QvSNMPAdapter::ListenerCount(), 0);
}

TEST(NotificationReceiver, PortInUseSaysHowToMendIt)
{
    openTestSession();
    QvSNMPNotificationReceiver first, second;
    ASSERT_EQ(first.Start(QStringLiteral("127.0.0.1"), 0), 0);
    EXPECT_NE(second.Start(QStringLiteral("127.0.0.1"), first.Port()), 0);
    EXPECT_FALSE(second.IsListening());
    EXPECT_TRUE(second.ErrorText().contains(QStringLiteral("above 1023")));
    EXPECT_NE(second.Start(QStringLiteral("no.such.host"), 0), 0);
    EXPECT_TRUE(second.ErrorText().contains(QStringLiteral("numeric address")));
}
