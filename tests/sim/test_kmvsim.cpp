// Behaviour of the simulated switch that other tests rely on, driven through the Net-SNMP
// command-line tools with numeric OIDs and no MIB files.
#include "kmvsim_process.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace {

struct Reply {
    int exitCode = -1;
    QString out;
    QString err;
    qint64 ms = 0;
};

QStringList v2c(const QString &community = QStringLiteral("corvet"))
{
    return {QStringLiteral("-v2c"), QStringLiteral("-c"), community};
}

Reply run(const QString &tool, const QStringList &auth, const KmvSimProcess &sim, const QStringList &rest,
          int timeoutSec = 1, int retries = 0, int limitMs = 60000)
{
    QProcess p;
    QStringList args = auth;
    args << QStringLiteral("-M") << QStringLiteral("/dev/null") << QStringLiteral("-m") << QString() << QStringLiteral("-On")
         << QStringLiteral("-t") << QString::number(timeoutSec) << QStringLiteral("-r") << QString::number(retries)
         << sim.endpoint() << rest;
    // Keep the tools away from the machine's SNMP configuration and persistent files.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SNMPCONFPATH"), sim.stateDir() + QStringLiteral("/tools"));
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), sim.stateDir() + QStringLiteral("/tools"));
    p.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    p.start(tool, args);
    if (!p.waitForFinished(limitMs)) {
        p.kill();
        p.waitForFinished(1000);
        return {-1, QString(), QStringLiteral("tool did not finish"), clock.elapsed()};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed(),
            QString::fromLocal8Bit(p.readAllStandardError()).trimmed(), clock.elapsed()};
}

Reply get(const KmvSimProcess &sim, const QString &oid, const QStringList &auth = v2c())
{
    return run(QStringLiteral("snmpget"), auth, sim, {oid});
}

Reply set(const KmvSimProcess &sim, const QStringList &triples, const QString &community = QStringLiteral("lanmore"))
{
    return run(QStringLiteral("snmpset"), v2c(community), sim, triples);
}

// The value part of "OID = TYPE: value".
QString valueOf(const Reply &r)
{
    const qsizetype eq = r.out.indexOf(QStringLiteral(" = "));
    return eq < 0 ? QString() : r.out.mid(eq + 3);
}

qint64 numberOf(const Reply &r)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(":\\s*\\(?(-?\\d+)")).match(valueOf(r));
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

bool absent(const Reply &r)
{
    return r.out.contains(QStringLiteral("No Such Instance")) || r.out.contains(QStringLiteral("No Such Object"));
}

// Polls until pred holds or the time is up.
template <typename Pred> bool eventually(int ms, Pred pred)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        if (pred())
            return true;
        QThread::msleep(200);
    }
    return pred();
}

const QString kIfInOctets1 = QStringLiteral("1.3.6.1.2.1.2.2.1.10.1");
const QString kSysUpTime = QStringLiteral("1.3.6.1.2.1.1.3.0");

} // namespace

TEST(KmvSim, HelpListsOptionsAndBadArgumentsFail)
{
    struct Case {
        const char *name;
        QStringList args;
        int exitCode;
        const char *text;
    } cases[] = {
        {"help", {QStringLiteral("--help")}, 0, "--listen"},
        {"object definitions are sound", {QStringLiteral("--check")}, 0, " values, 0 problems"},
        {"no listen address", {}, 2, "required"},
        {"not loopback", {QStringLiteral("--listen"), QStringLiteral("10.1.2.3:1161")}, 3, "loopback"},
        {"no port", {QStringLiteral("--listen"), QStringLiteral("127.0.0.1")}, 3, "port"},
        {"drop above 100", {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:1"), QStringLiteral("--drop"), QStringLiteral("101")}, 2, "--drop"},
        {"short password", {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:1"), QStringLiteral("--auth-pass"), QStringLiteral("short")}, 2, "8 characters"},
        {"unknown option", {QStringLiteral("--bogus")}, 2, "unknown option"},
    };
    for (const Case &c : cases) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(KMV_KMVSIM_PATH), c.args);
        ASSERT_TRUE(p.waitForFinished(5000)) << c.name;
        EXPECT_EQ(p.exitCode(), c.exitCode) << c.name;
        EXPECT_TRUE(p.readAll().contains(c.text)) << c.name;
    }
}

TEST(KmvSim, StartsAndRestartsOnTheSamePort)
{
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    const quint16 port = sim.port();
    ASSERT_TRUE(sim.restart());
    EXPECT_EQ(sim.port(), port);
    EXPECT_TRUE(sim.answers());
}

TEST(KmvSim, ServedValuesHaveTheCatalogueTypes)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    struct Case {
        const char *oid;
        const char *pattern; // on "TYPE: value"
    } cases[] = {
        {"1.3.6.1.2.1.2.2.1.5.49", "^Gauge32: 1000000000$"},
        {"1.3.6.1.2.1.2.2.1.5.1", "^Gauge32: 100000000$"},
        {"1.3.6.1.2.1.2.2.1.6.7", "^Hex-STRING: 00 50 BA 70 40 07 ?$"},
        {"1.3.6.1.2.1.2.2.1.22.1", "^OID: \\.0\\.0$"},
        {"1.3.6.1.2.1.31.1.1.1.6.1", "^Counter64: \\d+$"},
        {"1.3.6.1.2.1.4.3.0", "^Counter32: \\d+$"},
        {"1.3.6.1.2.1.4.21.1.1.10.90.90.0", "^IpAddress: 10\\.90\\.90\\.0$"},
        {"1.3.6.1.2.1.4.21.1.11.10.90.90.0", "^IpAddress: 255\\.255\\.255\\.0$"},
        {"1.3.6.1.2.1.17.2.5.0", "^Hex-STRING: [0-9A-F]{2}( [0-9A-F]{2}){7} ?$"},
        {"1.3.6.1.2.1.17.2.3.0", "^Timeticks: \\(\\d+\\)"},
        {"1.3.6.1.4.1.171.12.10.12.3.0", "^Hex-STRING: [0-9A-F]{2}( [0-9A-F]{2}){5} ?$"},
        {"1.3.6.1.4.1.171.12.10.12.5.0", "^Hex-STRING: [0-9A-F]{2}( [0-9A-F]{2}){3} ?$"},
        {"1.3.6.1.4.1.171.11.2.3.1.1.4.49", "^INTEGER: 2$"},
        {"1.3.6.1.4.1.171.11.2.3.1.1.4.50", "^INTEGER: 3$"},
        {"1.3.6.1.4.1.171.11.2.1.2.3.0", "^INTEGER: 3$"},
        {"1.3.6.1.2.1.16.1.1.1.2.3", "^OID: \\.1\\.3\\.6\\.1\\.2\\.1\\.2\\.2\\.1\\.1\\.3$"},
        {"1.3.6.1.2.1.17.7.1.4.2.1.4.0.2", "^Hex-STRING: 00 00 00 00 FF 00 00 ?$"},
        {"1.3.6.1.2.1.47.1.1.1.1.3.1", "^OID: "},
        {"1.3.6.1.6.3.18.1.1.1.2.99.111.114.118.101.116", "^STRING: \"corvet\"$"},
        {"1.3.6.1.2.1.1.2.0", "^OID: \\.1\\.3\\.6\\.1\\.4\\.1\\.171\\."},
    };
    for (const Case &c : cases) {
        const Reply r = get(sim, QString::fromLatin1(c.oid));
        EXPECT_TRUE(QRegularExpression(QString::fromLatin1(c.pattern)).match(valueOf(r)).hasMatch())
            << c.oid << " gave " << r.out.toStdString() << r.err.toStdString();
    }
}

// Every version and user walks the whole tree, one test each: a walk of some 50,000 objects under
// SNMPv1 takes over a minute against a simulator built with the sanitizers.
struct WalkCase {
    const char *name;
    QStringList args;
};

void PrintTo(const WalkCase &c, std::ostream *os) { *os << c.name; }

class KmvSimWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(KmvSimWalk, WalksTheWholeTree)
{
    const WalkCase &c = GetParam();
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    const bool v1 = c.name == QStringLiteral("v1");
    const QString tool = v1 ? QStringLiteral("snmpwalk") : QStringLiteral("snmpbulkwalk");
    const Reply r = run(tool, c.args, sim, {QStringLiteral(".1")}, 3, 1, 240000);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("not increasing")));
    EXPECT_GT(r.out.count(QLatin1Char('\n')), 10000);
    // SNMPv1 has no Counter64: those columns are passed over rather than ending the walk.
    EXPECT_EQ(r.out.contains(QStringLiteral("Counter64")), !v1);
    EXPECT_TRUE(r.out.contains(QStringLiteral(".1.3.6.1.6.3.18.1.1.1.8."))) << "did not reach the end";
}

const QString Auth = QStringLiteral("kmvauth7040"), Priv = QStringLiteral("kmvpriv7040");

INSTANTIATE_TEST_SUITE_P(
    EveryVersionAndUser, KmvSimWalk,
    ::testing::Values(
        WalkCase{"v1", {"-v1", "-c", "corvet"}}, WalkCase{"v2c", {"-v2c", "-c", "corvet"}},
        WalkCase{"noAuthUser", {"-v3", "-u", "noAuthUser", "-l", "noAuthNoPriv"}},
        WalkCase{"MD5_User", {"-v3", "-u", "MD5_User", "-l", "authNoPriv", "-a", "MD5", "-A", Auth}},
        WalkCase{"MD5_DES_User",
                 {"-v3", "-u", "MD5_DES_User", "-l", "authPriv", "-a", "MD5", "-A", Auth, "-x", "DES", "-X", Priv}},
        WalkCase{"SHA_User", {"-v3", "-u", "SHA_User", "-l", "authNoPriv", "-a", "SHA", "-A", Auth}},
        WalkCase{"SHA_DES_User",
                 {"-v3", "-u", "SHA_DES_User", "-l", "authPriv", "-a", "SHA", "-A", Auth, "-x", "DES", "-X", Priv}},
        WalkCase{"SHA_AES_User",
                 {"-v3", "-u", "SHA_AES_User", "-l", "authPriv", "-a", "SHA", "-A", Auth, "-x", "AES", "-X", Priv}},
        WalkCase{"SHA256_AES_User",
                 {"-v3", "-u", "SHA256_AES_User", "-l", "authPriv", "-a", "SHA-256", "-A", Auth, "-x", "AES", "-X", Priv}},
        WalkCase{"SHA512_AES256_User", {"-v3", "-u", "SHA512_AES256_User", "-l", "authPriv", "-a", "SHA-512", "-A", Auth,
                                        "-x", "AES256", "-X", Priv}}),
    [](const ::testing::TestParamInfo<WalkCase> &info) { return std::string(info.param.name); });

TEST(KmvSim, RefusesWrongCredentials)
{
    KmvSimProcess sim({QStringLiteral("--auth-pass"), QStringLiteral("another-pass"), QStringLiteral("--read-community"),
                       QStringLiteral("reader")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    struct Case {
        const char *name;
        QStringList args;
        bool answers;
    } cases[] = {
        {"configured community", {"-v2c", "-c", "reader"}, true},
        {"default community no longer valid", {"-v2c", "-c", "corvet"}, false},
        {"configured password", {"-v3", "-u", "MD5_User", "-l", "authNoPriv", "-a", "MD5", "-A", "another-pass"}, true},
        {"default password refused", {"-v3", "-u", "MD5_User", "-l", "authNoPriv", "-a", "MD5", "-A", "kmvauth7040"}, false},
        {"unknown user", {"-v3", "-u", "nobody", "-l", "noAuthNoPriv"}, false},
    };
    for (const Case &c : cases) {
        const Reply r = run(QStringLiteral("snmpget"), c.args, sim, {kSysUpTime});
        EXPECT_EQ(r.exitCode == 0 && r.out.contains(QStringLiteral("Timeticks")), c.answers) << c.name << r.err.toStdString();
    }
}

TEST(KmvSim, WritesFailAsASwitchDoes)
{
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    struct Case {
        const char *name;
        QStringList triple;
        const char *reason;
    } cases[] = {
        {"read-only column", {"1.3.6.1.2.1.2.2.1.2.1", "s", "x"}, "notWritable"},
        {"read-only scalar", {"1.3.6.1.4.1.171.12.1.1.4.0", "i", "3"}, "notWritable"},
        {"string into an integer", {"1.3.6.1.2.1.2.2.1.7.1", "s", "up"}, "wrongType"},
        {"outside the enumeration", {"1.3.6.1.2.1.2.2.1.7.1", "i", "7"}, "wrongValue"},
        {"outside the range", {"1.3.6.1.2.1.17.2.13.0", "i", "50"}, "wrongValue"},
        {"summer time field too short", {"1.3.6.1.4.1.171.12.10.12.3.0", "x", "0102"}, "wrongLength"},
        {"bridge timers out of relation", {"1.3.6.1.2.1.17.2.12.0", "i", "2900"}, "inconsistentValue"},
        {"data for a missing row", {"1.3.6.1.2.1.17.7.1.4.3.1.1.99", "s", "v99"}, "noCreation"},
        {"createAndGo on an existing row", {"1.3.6.1.2.1.17.7.1.4.3.1.5.1", "i", "4"}, "inconsistentValue"},
        {"active for a missing row", {"1.3.6.1.2.1.17.7.1.4.3.1.5.77", "i", "1"}, "inconsistentValue"},
        {"notReady is never written", {"1.3.6.1.2.1.17.7.1.4.3.1.5.1", "i", "3"}, "wrongValue"},
        {"RMON entry changed while valid", {"1.3.6.1.2.1.16.1.1.1.20.1", "s", "me"}, "inconsistentValue"},
        {"RMON createRequest on an existing entry", {"1.3.6.1.2.1.16.1.1.1.21.1", "i", "2"}, "inconsistentValue"},
        {"object the switch does not have", {"1.3.6.1.4.1.171.12.1.1.77.0", "i", "1"}, "noCreation"},
    };
    for (const Case &c : cases) {
        const Reply r = set(sim, c.triple);
        EXPECT_NE(r.exitCode, 0) << c.name;
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.reason))) << c.name << ": " << r.err.toStdString();
    }
    // The read community may not write.
    const Reply ro = set(sim, {"1.3.6.1.2.1.17.2.12.0", "i", "2000"}, QStringLiteral("corvet"));
    EXPECT_NE(ro.exitCode, 0);
    // A failing varbind undoes the others of the same request.
    const Reply mixed = set(sim, {"1.3.6.1.4.1.171.11.2.3.2.1.6.4", "s", "uplink", "1.3.6.1.2.1.2.2.1.7.4", "i", "9"});
    EXPECT_TRUE(mixed.err.contains(QStringLiteral("wrongValue"))) << mixed.err.toStdString();
    EXPECT_EQ(valueOf(get(sim, QStringLiteral("1.3.6.1.4.1.171.11.2.3.2.1.6.4"))), QStringLiteral("\"\""));
    // One request over two subtrees writes both, and a failure in one undoes the other.
    ASSERT_EQ(set(sim, {"1.3.6.1.2.1.17.7.1.4.3.1.1.2", "s", "lab2", "1.3.6.1.4.1.171.11.2.3.2.1.6.5", "s", "port five"}).exitCode, 0);
    EXPECT_EQ(valueOf(get(sim, QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.1.2"))), QStringLiteral("STRING: \"lab2\""));
    EXPECT_EQ(valueOf(get(sim, QStringLiteral("1.3.6.1.4.1.171.11.2.3.2.1.6.5"))), QStringLiteral("STRING: \"port five\""));
    EXPECT_NE(set(sim, {"1.3.6.1.2.1.17.7.1.4.3.1.1.2", "s", "lab3", "1.3.6.1.4.1.171.11.2.3.2.1.4.5", "i", "99"}).exitCode, 0);
    EXPECT_EQ(valueOf(get(sim, QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.1.2"))), QStringLiteral("STRING: \"lab2\""));
    // A good write reads back.
    ASSERT_EQ(set(sim, {"1.3.6.1.2.1.17.2.12.0", "i", "2000", "1.3.6.1.2.1.17.2.14.0", "i", "1500"}).exitCode, 0);
    EXPECT_EQ(numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.17.2.12.0"))), 2000);
}

TEST(KmvSim, RowStatusCreatesAndDestroysRows)
{
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    const QString name = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.1.");
    const QString status = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.5.");
    struct Step {
        const char *name;
        QStringList triples;
        int vlan;
        qint64 statusAfter; // -1: the row is gone
    } steps[] = {
        {"createAndGo with data", {"1.3.6.1.2.1.17.7.1.4.3.1.1.10", "s", "ten", "1.3.6.1.2.1.17.7.1.4.3.1.5.10", "i", "4"}, 10, 1},
        {"destroy", {"1.3.6.1.2.1.17.7.1.4.3.1.5.10", "i", "6"}, 10, -1},
        {"createAndWait", {"1.3.6.1.2.1.17.7.1.4.3.1.5.11", "i", "5"}, 11, 2},
        {"data while waiting", {"1.3.6.1.2.1.17.7.1.4.3.1.1.11", "s", "eleven"}, 11, 2},
        {"activate", {"1.3.6.1.2.1.17.7.1.4.3.1.5.11", "i", "1"}, 11, 1},
        {"destroy again", {"1.3.6.1.2.1.17.7.1.4.3.1.5.11", "i", "6"}, 11, -1},
        {"destroy a missing row is harmless", {"1.3.6.1.2.1.17.7.1.4.3.1.5.12", "i", "6"}, 12, -1},
    };
    for (const Step &s : steps) {
        const Reply w = set(sim, s.triples);
        ASSERT_EQ(w.exitCode, 0) << s.name << ": " << w.err.toStdString();
        const Reply r = get(sim, status + QString::number(s.vlan));
        if (s.statusAfter < 0)
            EXPECT_TRUE(absent(r)) << s.name << ": " << r.out.toStdString();
        else
            EXPECT_EQ(numberOf(r), s.statusAfter) << s.name;
    }
    // A created VLAN shows in the current table with its ports, and leaves it when destroyed.
    ASSERT_EQ(set(sim, {"1.3.6.1.2.1.17.7.1.4.3.1.2.20", "x", "C0000000000000", "1.3.6.1.2.1.17.7.1.4.3.1.5.20", "i", "4"}).exitCode, 0);
    EXPECT_TRUE(valueOf(get(sim, QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1.4.0.20"))).startsWith(QStringLiteral("Hex-STRING: C0 00")));
    EXPECT_EQ(numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.17.7.1.1.4.0"))), 5) << "four at start and the new one";
    ASSERT_EQ(set(sim, {"1.3.6.1.2.1.17.7.1.4.3.1.5.20", "i", "6"}).exitCode, 0);
    EXPECT_TRUE(absent(get(sim, QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1.4.0.20"))));
    // A string-indexed (IMPLIED) table: the community table.
    ASSERT_EQ(set(sim, {"1.3.6.1.6.3.18.1.1.1.8.116.101.115.116", "i", "4"}).exitCode, 0);
    EXPECT_EQ(numberOf(get(sim, QStringLiteral("1.3.6.1.6.3.18.1.1.1.8.116.101.115.116"))), 1);
    (void)name;
}

TEST(KmvSim, RmonEntriesFollowEntryStatusAndSample)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    const QString stats = QStringLiteral("1.3.6.1.2.1.16.1.1.1.");
    // The three writes of an RMON window: status alone, then the data, then valid.
    ASSERT_EQ(set(sim, {stats + "21.60", "i", "2"}).exitCode, 0);
    EXPECT_EQ(numberOf(get(sim, stats + "21.60")), 3) << "createRequest leaves the entry underCreation";
    ASSERT_EQ(set(sim, {stats + "2.60", "o", "1.3.6.1.2.1.2.2.1.1.3", stats + "20.60", "s", "monitor"}).exitCode, 0);
    ASSERT_EQ(set(sim, {stats + "21.60", "i", "1"}).exitCode, 0);
    EXPECT_EQ(numberOf(get(sim, stats + "21.60")), 1);
    const qint64 first = numberOf(get(sim, stats + "5.60"));
    EXPECT_TRUE(eventually(3000, [&] { return numberOf(get(sim, stats + "5.60")) > first; })) << "valid entry counts packets";
    // Modify: underCreation, data, valid.
    ASSERT_EQ(set(sim, {stats + "21.60", "i", "3"}).exitCode, 0);
    ASSERT_EQ(set(sim, {stats + "20.60", "s", "other"}).exitCode, 0);
    ASSERT_EQ(set(sim, {stats + "21.60", "i", "1"}).exitCode, 0);
    EXPECT_EQ(valueOf(get(sim, stats + "20.60")), QStringLiteral("STRING: \"other\""));
    ASSERT_EQ(set(sim, {stats + "21.60", "i", "4"}).exitCode, 0);
    EXPECT_TRUE(absent(get(sim, stats + "21.60"))) << "invalid removes the entry";

    // History sampled every second on port 2.
    const QString hc = QStringLiteral("1.3.6.1.2.1.16.2.1.1.");
    ASSERT_EQ(set(sim, {hc + "7.99", "i", "2"}).exitCode, 0);
    ASSERT_EQ(set(sim, {hc + "2.99", "o", "1.3.6.1.2.1.2.2.1.1.2", hc + "3.99", "i", "3", hc + "5.99", "i", "1"}).exitCode, 0);
    ASSERT_EQ(set(sim, {hc + "7.99", "i", "1"}).exitCode, 0);
    EXPECT_EQ(numberOf(get(sim, hc + "4.99")), 3) << "buckets granted";
    const QString octets = QStringLiteral("1.3.6.1.2.1.16.2.2.1.5.99.");
    EXPECT_TRUE(eventually(4000, [&] { return numberOf(get(sim, octets + "1")) > 0; })) << "first sample holds traffic";
    EXPECT_TRUE(eventually(6000, [&] { return !absent(get(sim, octets + "5")); }));
    EXPECT_TRUE(absent(get(sim, octets + "1"))) << "only the granted buckets are kept";

    // An alarm crossing its rising threshold logs its event.
    const QString ev = QStringLiteral("1.3.6.1.2.1.16.9.1.1.");
    const QString al = QStringLiteral("1.3.6.1.2.1.16.3.1.1.");
    ASSERT_EQ(set(sim, {ev + "7.5", "i", "2"}).exitCode, 0);
    ASSERT_EQ(set(sim, {ev + "2.5", "s", "packets", ev + "3.5", "i", "2"}).exitCode, 0);
    ASSERT_EQ(set(sim, {ev + "7.5", "i", "1"}).exitCode, 0);
    ASSERT_EQ(set(sim, {al + "12.5", "i", "2"}).exitCode, 0);
    ASSERT_EQ(set(sim, {al + "2.5", "i", "1", al + "3.5", "o", "1.3.6.1.2.1.16.1.1.1.5.1", al + "4.5", "i", "2", al + "7.5",
                        "i", "1", al + "8.5", "i", "0", al + "9.5", "i", "5", al + "10.5", "i", "0"})
                  .exitCode,
              0);
    ASSERT_EQ(set(sim, {al + "12.5", "i", "1"}).exitCode, 0);
    EXPECT_TRUE(eventually(5000, [&] { return valueOf(get(sim, QStringLiteral("1.3.6.1.2.1.16.9.2.1.4.5.1"))).contains(QStringLiteral("rising")); }));
    EXPECT_GT(numberOf(get(sim, al + "5.5")), 0) << "the alarm shows its last sample";

    // RMON switched off in the device control: the RMON groups are gone until it is switched on.
    const QString rmonState = QStringLiteral("1.3.6.1.4.1.171.11.2.1.2.3.0");
    ASSERT_EQ(set(sim, {rmonState, "i", "2"}).exitCode, 0);
    EXPECT_TRUE(absent(get(sim, stats + "21.1")));
    EXPECT_FALSE(run(QStringLiteral("snmpwalk"), v2c(), sim, {QStringLiteral("1.3.6.1.2.1.16")}).out.contains(QStringLiteral(".1.3.6.1.2.1.16.")));
    ASSERT_EQ(set(sim, {rmonState, "i", "3"}).exitCode, 0);
    EXPECT_EQ(numberOf(get(sim, stats + "21.1")), 1);
}

TEST(KmvSim, RmonContentAtStart)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto walk = [&](const char *column) {
        return run(QStringLiteral("snmpwalk"), v2c(), sim, {QString::fromLatin1(column)}, 2)
            .out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    EXPECT_EQ(walk("1.3.6.1.2.1.16.1.1.1.2").size(), 50) << "a statistics entry per port";
    // Two history entries per linked port, 30-second and 30-minute buckets, numbered in pairs.
    const QStringList sources = walk("1.3.6.1.2.1.16.2.1.1.2");
    const QStringList intervals = walk("1.3.6.1.2.1.16.2.1.1.5");
    EXPECT_EQ(sources.size(), 66);
    ASSERT_GE(sources.size(), 4);
    EXPECT_TRUE(sources[1].endsWith(QStringLiteral(".1.3.6.1.2.1.2.2.1.1.1"))) << sources[1].toStdString();
    EXPECT_TRUE(sources[3].endsWith(QStringLiteral(".1.3.6.1.2.1.2.2.1.1.2"))) << sources[3].toStdString();
    ASSERT_GE(intervals.size(), 2);
    EXPECT_TRUE(intervals[0].endsWith(QStringLiteral("INTEGER: 30")));
    EXPECT_TRUE(intervals[1].endsWith(QStringLiteral("INTEGER: 1800")));
    // The switch has been up two hours: the 30-second entries are full, the 30-minute ones hold four.
    EXPECT_EQ(walk("1.3.6.1.2.1.16.2.2.1.3.1").size(), 50);
    EXPECT_EQ(walk("1.3.6.1.2.1.16.2.2.1.3.2").size(), 4);
    EXPECT_GE(numberOf(get(sim, kSysUpTime)), 720000);
    // One alarm with its two events, and the lines they logged.
    EXPECT_EQ(numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.16.3.1.1.12.1"))), 1);
    EXPECT_EQ(numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.16.3.1.1.9.1"))), 1);
    EXPECT_EQ(numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.16.3.1.1.10.1"))), 2);
    EXPECT_EQ(walk("1.3.6.1.2.1.16.9.1.1.7").size(), 2);
    EXPECT_GE(walk("1.3.6.1.2.1.16.9.2.1.4").size(), 3);
}

TEST(KmvSim, CountersGrowWithLinksAndWrapOnRequest)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static"), QStringLiteral("--wrap-soon"),
                       QStringLiteral("--wrap-seconds"), QStringLiteral("5")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    struct Case {
        const char *name;
        const char *oid;
        qint64 minPerSec;
        qint64 maxPerSec;
        bool wide;
    } cases[] = {
        {"octets of a port with a link", "1.3.6.1.2.1.31.1.1.1.6.1", 10000, 10000000, true},
        {"octets of a gigabit port", "1.3.6.1.2.1.31.1.1.1.6.49", 100000, 100000000, true},
        {"octets of a port without a link", "1.3.6.1.2.1.31.1.1.1.6.14", 0, 0, true},
        {"IP datagrams", "1.3.6.1.2.1.4.3.0", 50, 5000, false},
        {"bridge port frames", "1.3.6.1.2.1.17.4.4.1.3.2", 20, 5000, false},
    };
    qint64 before[std::size(cases)];
    for (size_t i = 0; i < std::size(cases); ++i)
        before[i] = numberOf(get(sim, QString::fromLatin1(cases[i].oid)));
    const qint64 wrapBefore = numberOf(get(sim, kIfInOctets1));
    EXPECT_GT(wrapBefore, 4294967295LL - 5000000) << "Counter32 starts close to 2^32";
    QThread::msleep(6000);
    for (size_t i = 0; i < std::size(cases); ++i) {
        qint64 grown = numberOf(get(sim, QString::fromLatin1(cases[i].oid))) - before[i];
        if (!cases[i].wide) // Counter32 deltas are taken modulo 2^32, as a monitor does
            grown = qint64(quint32(grown));
        grown /= 6;
        EXPECT_GE(grown, cases[i].minPerSec) << cases[i].name;
        EXPECT_LE(grown, cases[i].maxPerSec) << cases[i].name;
    }
    EXPECT_LT(numberOf(get(sim, kIfInOctets1)), wrapBefore) << "Counter32 wrapped";
    // Counter64 is not served to SNMPv1.
    const Reply v1 = get(sim, QStringLiteral("1.3.6.1.2.1.31.1.1.1.6.1"), {QStringLiteral("-v1"), QStringLiteral("-c"), QStringLiteral("corvet")});
    EXPECT_FALSE(v1.out.contains(QStringLiteral("Counter64")));
    // Taking a port down stops its counters and its link.
    ASSERT_EQ(set(sim, {"1.3.6.1.2.1.2.2.1.7.3", "i", "2"}).exitCode, 0);
    EXPECT_EQ(numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.2.2.1.8.3"))), 2);
    const qint64 stopped = numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.31.1.1.1.6.3")));
    QThread::msleep(500);
    EXPECT_EQ(numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.31.1.1.1.6.3"))), stopped);
}

TEST(KmvSim, LinksFollowTheScenario)
{
    KmvSimProcess sim({QStringLiteral("--scenario-step"), QStringLiteral("1")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    // Port 5 changes state at every step; its last-change time follows.
    const QString oper = QStringLiteral("1.3.6.1.2.1.2.2.1.8.5");
    const qint64 first = numberOf(get(sim, oper));
    ASSERT_TRUE(first == 1 || first == 2);
    EXPECT_TRUE(eventually(2500, [&] { return numberOf(get(sim, oper)) != first; }));
    EXPECT_GT(numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.2.2.1.9.5"))), 0);
    EXPECT_GT(numberOf(get(sim, QStringLiteral("1.3.6.1.2.1.17.2.4.0"))), 3) << "topology changes counted";
}

TEST(KmvSim, SaveAndRebootBehaveLikeTheSwitch)
{
    KmvSimProcess sim({QStringLiteral("--save-time"), QStringLiteral("300"), QStringLiteral("--reboot-time"), QStringLiteral("1500")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    const QString contact = QStringLiteral("1.3.6.1.4.1.171.11.2.3.2.1.6.");
    const QString saveStatus = QStringLiteral("1.3.6.1.4.1.171.12.1.1.4.0");
    ASSERT_EQ(set(sim, {contact + "1", "s", "saved"}).exitCode, 0);
    ASSERT_EQ(set(sim, {"1.3.6.1.4.1.171.12.1.2.6.0", "i", "3"}).exitCode, 0);
    EXPECT_EQ(numberOf(get(sim, saveStatus)), 2) << "proceeding";
    EXPECT_TRUE(eventually(2000, [&] { return numberOf(get(sim, saveStatus)) == 3; })) << "completed";
    EXPECT_EQ(numberOf(get(sim, QStringLiteral("1.3.6.1.4.1.171.12.1.2.6.0"))), 2) << "back to idle";
    ASSERT_EQ(set(sim, {contact + "2", "s", "unsaved"}).exitCode, 0);

    QThread::msleep(1200);
    const qint64 upBefore = numberOf(get(sim, kSysUpTime));
    const qint64 octetsBefore = numberOf(get(sim, kIfInOctets1));
    ASSERT_GT(upBefore, 100);
    EXPECT_EQ(set(sim, {"1.3.6.1.4.1.171.12.1.2.3.0", "i", "2"}).exitCode, 0) << "the write itself is answered";
    EXPECT_FALSE(sim.answers(200)) << "silent while restarting";
    ASSERT_TRUE(eventually(6000, [&] { return sim.answers(200); }));
    EXPECT_LT(numberOf(get(sim, kSysUpTime)), upBefore);
    EXPECT_LT(numberOf(get(sim, kIfInOctets1)), octetsBefore);
    EXPECT_EQ(valueOf(get(sim, contact + "1")), QStringLiteral("STRING: \"saved\""));
    EXPECT_EQ(valueOf(get(sim, contact + "2")), QStringLiteral("\"\"")) << "unsaved settings are lost";
    // The saved configuration also survives a new start on the same state folder.
    ASSERT_TRUE(sim.restart());
    EXPECT_EQ(valueOf(get(sim, contact + "1")), QStringLiteral("STRING: \"saved\""));
}

TEST(KmvSim, InjectsFaults)
{
    {
        KmvSimProcess sim({QStringLiteral("--drop"), QStringLiteral("100")}, false);
        ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
        EXPECT_FALSE(sim.answers(500)) << "every request dropped";
    }
    {
        KmvSimProcess sim({QStringLiteral("--delay"), QStringLiteral("600")});
        ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
        const Reply r = run(QStringLiteral("snmpget"), v2c(), sim, {kSysUpTime}, 3);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_GE(r.ms, 600);
    }
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    // Half of the requests dropped: of 20 single tries some fail and some succeed.
    ASSERT_EQ(set(sim, {"1.3.6.1.4.1.171.99.1.1.0", "i", "50"}).exitCode, 0);
    int ok = 0;
    for (int i = 0; i < 20; ++i)
        ok += run(QStringLiteral("snmpget"), v2c(), sim, {kSysUpTime}, 1).exitCode == 0 ? 1 : 0;
    EXPECT_GT(ok, 0);
    EXPECT_LT(ok, 20);
    // Silent for two seconds, then back by itself (SIGUSR2 would also clear the drop share).
    sim.resumeAnswering();
    ASSERT_TRUE(eventually(1000, [&] { return sim.answers(200); }));
    set(sim, {"1.3.6.1.4.1.171.99.1.3.0", "i", "2"});
    EXPECT_FALSE(sim.answers(500));
    EXPECT_TRUE(eventually(4000, [&] { return sim.answers(200); }));
    // Stopped by signal until resumed.
    sim.stopAnswering();
    QThread::msleep(100);
    EXPECT_FALSE(sim.answers(500));
    sim.resumeAnswering();
    EXPECT_TRUE(eventually(2000, [&] { return sim.answers(200); }));
}

TEST(KmvSim, TablesHoldTheirRowsUnderEveryIndexEncoding)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    struct Case {
        const char *name;
        const char *column; // walked
        int rows;
        const char *firstInstance; // suffix of the first row
    } cases[] = {
        {"ifTable, integer", "1.3.6.1.2.1.2.2.1.8", 50, "1"},
        {"ifXTable, integer", "1.3.6.1.2.1.31.1.1.1.1", 50, "1"},
        {"ipAddrTable, address", "1.3.6.1.2.1.4.20.1.2", 2, "10.90.90.90"},
        {"ipRouteTable, address", "1.3.6.1.2.1.4.21.1.7", 6, "0.0.0.0"},
        {"IGMP groups, integer and address", "1.3.6.1.4.1.171.11.2.11.5.1.5", 2, "1.239.1.1.1"},
        {"forwarding database, integer and MAC", "1.3.6.1.2.1.17.7.1.2.2.1.2", 4, "1.0.80.186.17.34.1"},
        {"static routes, two addresses and an integer", "1.3.6.1.4.1.171.11.3.2.5.1.6", 1, "0.0.0.0.0.0.0.0.1"},
        {"regenerated priorities, port by priority", "1.3.6.1.2.1.17.6.1.2.2.1.2", 400, "1.0"},
        {"VLAN current table, time mark and VLAN", "1.3.6.1.2.1.17.7.1.4.2.1.4", 4, "0.1"},
        {"community table, implied string", "1.3.6.1.6.3.18.1.1.1.2", 2, "99.111.114.118.101.116"},
        {"RMON statistics", "1.3.6.1.2.1.16.1.1.1.21", 50, "1"},
        {"entity containment", "1.3.6.1.2.1.47.1.3.3.1.1", 4, "1.2"},
        {"802.1X authenticator", "1.0.8802.1.1.1.1.2.1.1.1", 50, "1"},
        {"USM users from the engine", "1.3.6.1.6.3.15.1.2.2.1.3", 15, nullptr},
    };
    for (const Case &c : cases) {
        const Reply r = run(QStringLiteral("snmpwalk"), v2c(), sim, {QString::fromLatin1(c.column)}, 2);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), c.rows) << c.name << ": " << r.err.toStdString();
        if (c.firstInstance && !lines.isEmpty()) {
            EXPECT_TRUE(lines.first().startsWith(QLatin1Char('.') + QString::fromLatin1(c.column) + QLatin1Char('.')
                                                 + QString::fromLatin1(c.firstInstance) + QStringLiteral(" ")))
                << c.name << ": " << lines.first().toStdString();
        }
    }
}

TEST(KmvSim, WrittenValuesOfEveryTypeReadBack)
{
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    struct Case {
        const char *name;
        const char *oid;
        const char *type;
        const char *value;
        const char *readBack; // "" when the write must fail with wrongType
    } cases[] = {
        {"integer", "1.3.6.1.2.1.17.2.15.1.2.4", "i", "64", "INTEGER: 64"},
        {"negative integer", "1.3.6.1.4.1.171.12.10.10.4.0", "i", "-300", "INTEGER: -300"},
        {"gauge", "1.3.6.1.2.1.17.7.1.4.5.1.1.6", "u", "2", "Gauge32: 2"},
        {"address", "1.3.6.1.4.1.171.12.3.2.4.1.2.1", "a", "10.1.2.3", "IpAddress: 10.1.2.3"},
        {"object identifier", "1.3.6.1.2.1.16.3.1.1.3.1", "o", "1.3.6.1.2.1.16.1.1.1.4.2", "OID: .1.3.6.1.2.1.16.1.1.1.4.2"},
        {"text", "1.3.6.1.2.1.47.1.1.1.1.14.1", "s", "rack-7", "STRING: \"rack-7\""},
        {"every octet value", "1.3.6.1.4.1.171.11.2.14.1.1.2.3", "x", "00FF7F80C001", "Hex-STRING: 00 FF 7F 80 C0 01"},
        {"MAC", "1.3.6.1.4.1.171.12.4.1.2.1.1.8.2", "x", "0050BA0102FE", "Hex-STRING: 00 50 BA 01 02 FE"},
        {"gauge where an integer is due", "1.3.6.1.2.1.17.2.15.1.2.4", "u", "64", ""},
        {"integer where an address is due", "1.3.6.1.4.1.171.12.3.2.4.1.2.1", "i", "5", ""},
        {"text where an identifier is due", "1.3.6.1.2.1.16.3.1.1.3.1", "s", "1.3", ""},
    };
    for (const Case &c : cases) {
        // RMON entries change only while under creation.
        const bool rmon = QByteArray(c.oid).startsWith("1.3.6.1.2.1.16.3.1.1.");
        if (rmon) {
            ASSERT_EQ(set(sim, {"1.3.6.1.2.1.16.3.1.1.12.1", "i", "3"}).exitCode, 0);
        }
        const Reply w = set(sim, {QString::fromLatin1(c.oid), QString::fromLatin1(c.type), QString::fromLatin1(c.value)});
        if (!*c.readBack) {
            EXPECT_TRUE(w.err.contains(QStringLiteral("wrongType"))) << c.name << ": " << w.err.toStdString();
            continue;
        }
        EXPECT_EQ(w.exitCode, 0) << c.name << ": " << w.err.toStdString();
        EXPECT_EQ(valueOf(get(sim, QString::fromLatin1(c.oid))).trimmed(), QString::fromLatin1(c.readBack)) << c.name;
        if (rmon) {
            ASSERT_EQ(set(sim, {"1.3.6.1.2.1.16.3.1.1.12.1", "i", "1"}).exitCode, 0);
        }
    }
}

TEST(KmvSim, EngineKeepsItsIdentityAndCountsBoots)
{
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    const QString engineId = QStringLiteral("1.3.6.1.6.3.10.2.1.1.0"), boots = QStringLiteral("1.3.6.1.6.3.10.2.1.2.0");
    const QString idBefore = valueOf(get(sim, engineId));
    const qint64 bootsBefore = numberOf(get(sim, boots));
    ASSERT_FALSE(idBefore.isEmpty());
    ASSERT_TRUE(sim.restart());
    EXPECT_EQ(valueOf(get(sim, engineId)), idBefore) << "same engine for the same state folder";
    EXPECT_EQ(numberOf(get(sim, boots)), bootsBefore + 1);
    // A user's keys are localised to that engine: SNMPv3 still works after the restart.
    const Reply r = run(QStringLiteral("snmpget"),
                        {"-v3", "-u", "SHA_DES_User", "-l", "authPriv", "-a", "SHA", "-A", "kmvauth7040", "-x", "DES", "-X", "kmvpriv7040"},
                        sim, {kSysUpTime});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
}
