// The simulated switch's notifications reaching the device manager's receiver: coldStart at start,
// linkDown/linkUp when a port changes (not for a port whose ifLinkUpDownTrapEnable is disabled),
// authenticationFailure on a bad community, risingAlarm from an RMON event of type snmp-trap,
// warmStart after a reboot write; as v1 and v2c traps, v2c informs, v3 traps and informs.
#include "agent_support.h"
#include "qvsnmpnotify.h"
#include "qvsnmpsession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QvOid kColdStart{1, 3, 6, 1, 6, 3, 1, 1, 5, 1};
const QvOid kWarmStart{1, 3, 6, 1, 6, 3, 1, 1, 5, 2};
const QvOid kLinkDown{1, 3, 6, 1, 6, 3, 1, 1, 5, 3};
const QvOid kLinkUp{1, 3, 6, 1, 6, 3, 1, 1, 5, 4};
const QvOid kAuthFailure{1, 3, 6, 1, 6, 3, 1, 1, 5, 5};
const QvOid kRisingAlarm{1, 3, 6, 1, 2, 1, 16, 0, 1};

// kmvsim started with the event loop turning, so that an inform session's engine probe at its
// start is answered.
struct Sim {
    QProcess process;
    quint16 port;
    QString state = makeTempDir(QStringLiteral("kmv-notify-sim"));
    QByteArray output;

    Sim() : port(freeUdpPort()) {}
    bool start(const QStringList &extra)
    {
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(KMV_KMVSIM_PATH),
                      QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port),
                                  QStringLiteral("--state"), state, QStringLiteral("--scenario"),
                                  QStringLiteral("static"), QStringLiteral("--reboot-time"), QStringLiteral("300")}
                          + extra);
        return WaitUntil([&] {
            output += process.readAll();
            return output.contains("kmvsim: listening") || process.state() == QProcess::NotRunning;
        }, 20000) && output.contains("kmvsim: listening");
    }
    ~Sim()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(2000);
    }
};

// A Net-SNMP tool run with the event loop turning (informs keep being answered meanwhile).
int tool(const QString &name, const Sim &sim, const QString &community, const QStringList &rest)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SNMPCONFPATH"), sim.state + QStringLiteral("/tools"));
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), sim.state + QStringLiteral("/tools"));
    p.setProcessEnvironment(env);
    p.start(name, QStringList{QStringLiteral("-v2c"), QStringLiteral("-c"), community, QStringLiteral("-M"),
                              QStringLiteral("/dev/null"), QStringLiteral("-m"), QString(), QStringLiteral("-t"),
                              QStringLiteral("1"), QStringLiteral("-r"), QStringLiteral("0"),
                              QStringLiteral("127.0.0.1:%1").arg(sim.port)} + rest);
    if (!WaitUntil([&] { return p.state() == QProcess::NotRunning; }, 15000)) {
        p.kill();
        p.waitForFinished(2000);
        return -1;
    }
    return p.exitCode();
}

int setInt(const Sim &sim, const QString &oid, int value)
{
    return tool(QStringLiteral("snmpset"), sim, QStringLiteral("lanmore"),
                {oid, QStringLiteral("i"), QString::number(value)});
}

int countOf(const QList<QvSNMPNotification> &got, const QvOid &trap, int port = -1)
{
    int n = 0;
    for (const QvSNMPNotification &x : got) {
        if (x.trapOid != trap)
            continue;
        if (port >= 0) {
            const bool names = !x.vbs.isEmpty() && x.vbs.first().oid == (QvOid{1, 3, 6, 1, 2, 1, 2, 2, 1, 1, quint32(port)});
            if (!names)
                continue;
        }
        ++n;
    }
    return n;
}

struct Case {
    const char *name;
    QStringList simArgs;
    bool v3;
    qint8 version;
    bool inform;
    bool full;  // alarm and reboot too
};

} // namespace

TEST(SimNotifications, EveryKindReachesTheReceiver)
{
    OpenGlobalSession(makeTempDir(QStringLiteral("kmv-notify-engine")));
    const QString v = QStringLiteral("--notify-version"), inf = QStringLiteral("--notify-inform");
    const Case cases[] = {
        {"v2c trap", {v, QStringLiteral("v2c")}, false, 1, false, true},
        {"v1 trap", {v, QStringLiteral("v1")}, false, 0, false, false},
        {"v2c inform", {v, QStringLiteral("v2c"), inf}, false, 1, true, false},
        {"v3 trap", {v, QStringLiteral("v3")}, true, 3, false, false},
        {"v3 inform", {v, QStringLiteral("v3"), inf}, true, 3, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QvSNMPNotificationReceiver rx;
        ASSERT_EQ(rx.Start(QStringLiteral("127.0.0.1"), 0), 0) << rx.ErrorText().toStdString();
        QList<QvSNMPNotification> got;
        QObject::connect(&rx, &QvSNMPNotificationReceiver::Received, [&](const QvSNMPNotification &n) { got << n; });
        Sim sim;
        // Who may send: the simulator's address and the session's credentials.
        QvNotifySender s;
        s.address = QStringLiteral("127.0.0.1");
        s.version = c.v3 ? 3 : 1;
        s.community = QStringLiteral("corvet");
        s.securityName = QStringLiteral("SHA_AES_User");
        s.securityLevel = 3;
        s.authProtocol = 3;
        s.privProtocol = 4;
        s.authPassword = QStringLiteral("kmvauth7040");
        s.privPassword = QStringLiteral("kmvpriv7040");
        s.switchTarget.address = s.address;
        s.switchTarget.port = sim.port;
        s.switchTarget.version = s.version;
        s.switchTarget.community = s.community;
        s.switchTarget.securityLevel = 3;
        s.switchTarget.securityName = s.securityName;
        s.switchTarget.authProtocol = 3;
        s.switchTarget.privProtocol = 4;
        s.switchTarget.authPassword = s.authPassword;
        s.switchTarget.privPassword = s.privPassword;
        s.switchTarget.timeout = 100;
        rx.SetSender(s);
        QStringList args{QStringLiteral("--notify"), QStringLiteral("127.0.0.1:%1").arg(rx.Port())};
        ASSERT_TRUE(sim.start(args + c.simArgs)) << sim.output.toStdString();

        if (c.v3 && !c.inform) {
            // The coldStart came before the switch's engine ID was known: refused and counted;
            // the engine ID is learnt by discovery.
            EXPECT_TRUE(WaitUntil([&] { return !rx.SwitchEngineId().isEmpty(); }, 5000));
        } else {
            EXPECT_TRUE(WaitUntil([&] { return countOf(got, kColdStart) >= 1; }, 5000));
        }

        // A port whose link traps are disabled stays quiet; another port's link goes down and up.
        ASSERT_EQ(setInt(sim, QStringLiteral("1.3.6.1.2.1.31.1.1.1.14.3"), 2), 0);
        ASSERT_EQ(setInt(sim, QStringLiteral("1.3.6.1.2.1.2.2.1.7.3"), 2), 0);
        ASSERT_EQ(setInt(sim, QStringLiteral("1.3.6.1.2.1.2.2.1.7.2"), 2), 0);
        EXPECT_TRUE(WaitUntil([&] { return countOf(got, kLinkDown, 2) == 1; }, 5000));
        ASSERT_EQ(setInt(sim, QStringLiteral("1.3.6.1.2.1.2.2.1.7.2"), 1), 0);
        EXPECT_TRUE(WaitUntil([&] { return countOf(got, kLinkUp, 2) == 1; }, 5000));
        EXPECT_EQ(countOf(got, kLinkDown, 3), 0);

        // A request with a wrong community.
        EXPECT_NE(tool(QStringLiteral("snmpget"), sim, QStringLiteral("nosuch"), {QStringLiteral("1.3.6.1.2.1.1.3.0")}), 0);
        EXPECT_TRUE(WaitUntil([&] { return countOf(got, kAuthFailure) == 1; }, 5000));

        if (c.full) {
            // Event 5 of type snmp-trap (3); alarm 5 on port 1's packets rises over 1.
            const QString ev = QStringLiteral("1.3.6.1.2.1.16.9.1.1."), al = QStringLiteral("1.3.6.1.2.1.16.3.1.1.");
            ASSERT_EQ(setInt(sim, ev + "7.5", 2), 0);
            ASSERT_EQ(setInt(sim, ev + "3.5", 3), 0);
            ASSERT_EQ(setInt(sim, ev + "7.5", 1), 0);
            ASSERT_EQ(setInt(sim, al + "12.5", 2), 0);
            ASSERT_EQ(tool(QStringLiteral("snmpset"), sim, QStringLiteral("lanmore"),
                           {al + "2.5", "i", "1", al + "3.5", "o", "1.3.6.1.2.1.16.1.1.1.5.1", al + "4.5", "i", "2",
                            al + "7.5", "i", "1", al + "8.5", "i", "0", al + "9.5", "i", "5", al + "10.5", "i", "0"}),
                      0);
            ASSERT_EQ(setInt(sim, al + "12.5", 1), 0);
            ASSERT_TRUE(WaitUntil([&] { return countOf(got, kRisingAlarm) >= 1; }, 8000));
            for (const QvSNMPNotification &n : got)
                if (n.trapOid == kRisingAlarm) {
                    ASSERT_GE(n.vbs.size(), 5);
                    EXPECT_EQ(n.vbs[0].oid, (QvOid{1, 3, 6, 1, 2, 1, 16, 3, 1, 1, 1, 5}));
                    EXPECT_EQ(n.vbs[1].value.oid, (QvOid{1, 3, 6, 1, 2, 1, 16, 1, 1, 1, 5, 1}));
                    EXPECT_EQ(n.vbs[4].oid, (QvOid{1, 3, 6, 1, 2, 1, 16, 3, 1, 1, 7, 5}));
                }
            // A reboot write: warmStart once the switch is back.
            EXPECT_EQ(setInt(sim, QStringLiteral("1.3.6.1.4.1.171.12.1.2.3.0"), 3), 0);
            EXPECT_TRUE(WaitUntil([&] { return countOf(got, kWarmStart) == 1; }, 8000));
        }

        // Informs are answered: nothing comes twice.
        WaitUntil([] { return false; }, c.inform ? 2500 : 200);
        for (const QvSNMPNotification &n : got) {
            EXPECT_EQ(n.version, c.version);
            EXPECT_EQ(n.inform, c.inform);
        }
        EXPECT_EQ(countOf(got, kLinkDown, 2), 1);
        EXPECT_LE(countOf(got, kColdStart), 1);
        if (c.v3 && !c.inform)
            EXPECT_GE(rx.IgnoredCount(), 1u);
        else
            EXPECT_EQ(rx.IgnoredCount(), 0u);
    }
}

TEST(SimNotifications, CommandLineRefusals)
{
    const struct {
        QStringList args;
        const char *message;
    } cases[] = {
        {{QStringLiteral("--notify"), QStringLiteral("10.0.0.1:162")}, "only loopback"},
        {{QStringLiteral("--notify"), QStringLiteral("127.0.0.1")}, "ADDRESS:PORT"},
        {{QStringLiteral("--notify"), QStringLiteral("127.0.0.1:70000")}, "bad port"},
        {{QStringLiteral("--notify-version"), QStringLiteral("v2")}, "v1, v2c or v3"},
    };
    for (const auto &c : cases) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(KMV_KMVSIM_PATH), QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:1")} + c.args);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 2) << c.message;
        EXPECT_TRUE(p.readAll().contains(c.message)) << c.message;
    }
}

// A target made through the target, parameters and notify tables (as the generated windows do)
// receives the switch's notifications without any command-line destination.
TEST(SimNotifications, TableTargetsReceive)
{
    OpenGlobalSession(makeTempDir(QStringLiteral("kmv-notify-engine")));
    QvSNMPNotificationReceiver rx;
    ASSERT_EQ(rx.Start(QStringLiteral("127.0.0.1"), 0), 0) << rx.ErrorText().toStdString();
    QvNotifySender s;
    s.address = QStringLiteral("127.0.0.1");
    s.version = 1;
    s.community = QStringLiteral("corvet");
    rx.SetSender(s);
    QList<QvSNMPNotification> got;
    QObject::connect(&rx, &QvSNMPNotificationReceiver::Received, [&](const QvSNMPNotification &n) { got << n; });
    Sim sim;
    ASSERT_TRUE(sim.start({})) << sim.output.toStdString();
    const auto implied = [](const char *name) {
        QStringList arcs;
        for (const char *c = name; *c; ++c)
            arcs << QString::number(int(*c));
        return arcs.join(QLatin1Char('.'));
    };
    const QString t = QStringLiteral("1.3.6.1.6.3.12.1.2.1.%1."), p = QStringLiteral("1.3.6.1.6.3.12.1.3.1.%1."),
                  n = QStringLiteral("1.3.6.1.6.3.13.1.1.1.%1.");
    const QString addr = QStringLiteral("7f000001%1").arg(rx.Port(), 4, 16, QLatin1Char('0'));
    const QString lanmore = QStringLiteral("lanmore"), set = QStringLiteral("snmpset");
    ASSERT_EQ(tool(set, sim, lanmore,
                   {p.arg(2) + implied("mgrp"), "i", "1", p.arg(3) + implied("mgrp"), "i", "2", p.arg(4) + implied("mgrp"),
                    "s", "corvet", p.arg(5) + implied("mgrp"), "i", "1", p.arg(7) + implied("mgrp"), "i", "4"}),
              0);
    ASSERT_EQ(tool(set, sim, lanmore,
                   {t.arg(2) + implied("mgr"), "o", "1.3.6.1.6.1.1", t.arg(3) + implied("mgr"), "x", addr,
                    t.arg(6) + implied("mgr"), "s", "kmvTrap", t.arg(7) + implied("mgr"), "s", "mgrp",
                    t.arg(9) + implied("mgr"), "i", "4"}),
              0);
    ASSERT_EQ(tool(set, sim, lanmore,
                   {n.arg(2) + implied("mgrn"), "s", "kmvTrap", n.arg(3) + implied("mgrn"), "i", "1",
                    n.arg(5) + implied("mgrn"), "i", "4"}),
              0);
    ASSERT_EQ(setInt(sim, QStringLiteral("1.3.6.1.2.1.2.2.1.7.4"), 2), 0);
    EXPECT_TRUE(WaitUntil([&] { return countOf(got, kLinkDown, 4) == 1; }, 5000));
    EXPECT_EQ(rx.IgnoredCount(), 0u);
}
