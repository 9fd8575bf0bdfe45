// The request engine against a real snmpd on loopback: every security setup, scalar groups,
// instances, table walks (whole and limited), writes with selections, row creation and deletion,
// the agent's error statuses, security failures, time-outs, asynchronous order and destruction.
#include "engine_support.h"
#include "qvsnmpadapter.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "snmpd_process.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString kSys = QStringLiteral("1.3.6.1.2.1.1");
const QString kViewTree = QStringLiteral("1.3.6.1.6.3.16.1.5.2.1");
const QString kSecToGroup = QStringLiteral("1.3.6.1.6.3.16.1.2.1");

SnmpdProcess *g_agent = nullptr;

class EngineAgent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        openTestSession();
        if (g_agent)
            return;  // one agent for every suite of this file
        g_agent = new SnmpdProcess({QStringLiteral("view kmvA included .1.3.6.1.2.1.1"),
                                    QStringLiteral("view kmvA included .1.3.6.1.2.1.2"),
                                    QStringLiteral("view kmvA excluded .1.3.6.1.2.1.4")});
        if (!g_agent->start())
            FAIL() << g_agent->errorText().toStdString();
    }
    void SetUp() override
    {
        if (!g_agent || !g_agent->running())
            GTEST_SKIP() << "snmpd not running";
    }
    static quint16 port() { return g_agent->port(); }
};

const SecuritySetup kV2c{"v2c", 1, nullptr, 1, 1, nullptr, 1, nullptr};

// Stops the agent when the program ends.
struct AgentCleanup : ::testing::Environment {
    void TearDown() override
    {
        delete g_agent;
        g_agent = nullptr;
    }
};
const auto *g_cleanup = ::testing::AddGlobalTestEnvironment(new AgentCleanup);

int codeOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const QvSNMPException &e) {
        EXPECT_EQ(e.text(), QvErrorText(e.code()));
        return e.code();
    }
    return 0;
}

// Runs one asynchronous operation and returns its outcome.
QvSNMPError awaitOutcome(const std::function<void(QvSNMPRequestCallback, void *)> &send, int ms = 8000)
{
    Outcomes out;
    std::pair<Outcomes *, int> tag{&out, 0};
    send(&Outcomes::callback, &tag);
    if (!WaitUntil([&] { return !out.list.isEmpty(); }, ms)) {
        ADD_FAILURE() << "no completion";
        return {};
    }
    return out.list[0].e;
}

void addSystemGroup(QvSNMPVarList &l)
{
    l.AddVar(kSys + QStringLiteral(".1"), QStringLiteral("sysDescr"), SYN_DISPLAYSTR, ACC_READONLY);
    l.AddVar(kSys + QStringLiteral(".2"), QStringLiteral("sysObjectID"), SYN_OBJECTID, ACC_READONLY);
    l.AddVar(kSys + QStringLiteral(".3"), QStringLiteral("sysUpTime"), SYN_TIMETICKS, ACC_READONLY);
    l.AddVar(kSys + QStringLiteral(".4"), QStringLiteral("sysContact"), SYN_DISPLAYSTR, ACC_READONLY);
}

void expectSystemGroup(const QvSNMPVarList &l)
{
    EXPECT_FALSE(l.Item(0).valueText.isEmpty());
    EXPECT_TRUE(l.Item(1).valueText.startsWith(QLatin1String("1.3.6.1.4.1."))) << l.Item(1).valueText.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+:\\d\\d:\\d\\d\\.\\d\\d$")).match(l.Item(2).valueText).hasMatch())
        << l.Item(2).valueText.toStdString();
    EXPECT_EQ(l.Item(3).valueText, QStringLiteral("kmv-test"));
}

class EngineSecurity : public EngineAgent, public ::testing::WithParamInterface<SecuritySetup> {};

TEST_P(EngineSecurity, ReadsTheSystemGroupBlockingAndAsynchronously)
{
    QvSNMPRequest r;
    applySecurity(r, GetParam(), port());
    addSystemGroup(r.vars);
    EXPECT_FALSE(r.Read(true));
    expectSystemGroup(r.vars);

    QvSNMPRequest a;
    applySecurity(a, GetParam(), port());
    addSystemGroup(a.vars);
    const QvSNMPError e = awaitOutcome([&](QvSNMPRequestCallback cb, void *d) { a.ReadAsync(cb, d, true); });
    EXPECT_EQ(e.code, 0) << e.text.toStdString();
    EXPECT_EQ(e.finished, 1);
    expectSystemGroup(a.vars);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, EngineSecurity,
    ::testing::Values(SecuritySetup{"v1", 0, nullptr, 1, 1, nullptr, 1, nullptr}, kV2c,
                      SecuritySetup{"v3NoAuth", 3, SnmpdProcess::NoAuthUser, 1, 1, nullptr, 1, nullptr},
                      SecuritySetup{"v3Md5", 3, SnmpdProcess::Md5OnlyUser, 2, 2, "md5password", 1, nullptr},
                      SecuritySetup{"v3Md5Des", 3, SnmpdProcess::Md5DesUser, 3, 2, "md5password", 2, "despassword"},
                      SecuritySetup{"v3ShaAes", 3, SnmpdProcess::ShaAesUser, 3, 3, "shapassword", 4, "aespassword"},
                      SecuritySetup{"v3Sha256Aes", 3, SnmpdProcess::Sha256User, 3, 5, "sha256password", 4,
                                    "sha256privpw"}),
    [](const auto &info) { return std::string(info.param.name); });

struct FailureCase {
    SecuritySetup setup;
    const char *community;
    int code;
};

class EngineSecurityFailure : public EngineAgent, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(EngineSecurityFailure, FailsWithTheMappedCode)
{
    const FailureCase c = GetParam();
    QvSNMPRequest r;
    applySecurity(r, c.setup, port());
    r.timeout = 15;
    if (c.community)
        r.readCommunity = QString::fromLatin1(c.community);
    addSystemGroup(r.vars);
    EXPECT_EQ(codeOf([&] { r.Read(true); }), c.code);
    const QvSNMPError e = awaitOutcome([&](QvSNMPRequestCallback cb, void *d) { r.ReadAsync(cb, d, true); });
    EXPECT_EQ(e.code, c.code);
    EXPECT_EQ(e.text, QvErrorText(c.code));
    EXPECT_EQ(e.finished, 1);
    EXPECT_EQ(r.vars.Item(3).valueText, QString());
}

INSTANTIATE_TEST_SUITE_P(
    Setups, EngineSecurityFailure,
    ::testing::Values(
        FailureCase{{"wrongCommunity", 1, nullptr, 1, 1, nullptr, 1, nullptr}, "nosuchcommunity", -405},
        FailureCase{{"unknownUser", 3, "nobody", 1, 1, nullptr, 1, nullptr}, nullptr, -304},
        FailureCase{{"wrongAuthPassword", 3, SnmpdProcess::Md5DesUser, 2, 2, "not-the-password", 1, nullptr},
                    nullptr, -308},
        FailureCase{{"wrongAuthProtocol", 3, SnmpdProcess::ShaAesUser, 2, 2, "shapassword", 1, nullptr}, nullptr,
                    -308},
        FailureCase{{"levelAboveTheUser", 3, SnmpdProcess::NoAuthUser, 2, 3, "somepassword", 1, nullptr}, nullptr,
                    -303},
        FailureCase{{"levelBelowTheAccess", 3, SnmpdProcess::ShaAesUser, 2, 3, "shapassword", 1, nullptr}, nullptr,
                    -116},
        FailureCase{{"wrongPrivPassword", 3, SnmpdProcess::ShaAesUser, 3, 3, "shapassword", 4, "not-the-password"},
                    nullptr, -405}),
    [](const auto &info) { return std::string(info.param.setup.name); });

TEST_F(EngineAgent, ChangedPasswordTakesEffect)
{
    const SecuritySetup pairs[][2] = {
        {{"", 3, SnmpdProcess::ShaAesUser, 3, 3, "wrong-password", 4, "aespassword"},
         {"", 3, SnmpdProcess::ShaAesUser, 3, 3, "shapassword", 4, "aespassword"}},
        // DES keeps a pre-IV beside its key: the re-keyed user entry must hold both.
        {{"", 3, SnmpdProcess::Md5DesUser, 3, 2, "wrong-password", 2, "despassword"},
         {"", 3, SnmpdProcess::Md5DesUser, 3, 2, "md5password", 2, "despassword"}},
    };
    for (const auto &[wrong, right] : pairs)
    for (bool async : {false, true}) {
        for (const SecuritySetup *s : {&wrong, &right, &wrong, &right}) {
            QvSNMPRequest r;
            applySecurity(r, *s, port());
            addSystemGroup(r.vars);
            const int expected = s == &right ? 0 : -308;
            if (async) {
                const QvSNMPError e =
                    awaitOutcome([&](QvSNMPRequestCallback cb, void *d) { r.ReadAsync(cb, d, true); });
                EXPECT_EQ(e.code, expected) << "async, " << s->authPw;
            } else {
                EXPECT_EQ(codeOf([&] { r.Read(true); }), expected) << s->authPw;
            }
        }
    }
}

TEST_F(EngineAgent, SingleInstance)
{
    QvSNMPRequest r;
    applySecurity(r, kV2c, port());
    r.vars.itemType = MVT_SV;
    r.vars.instanceSuffix = QStringLiteral("1");
    r.vars.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.2"), QStringLiteral("ifDescr"), SYN_DISPLAYSTR, ACC_READONLY);
    r.vars.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.99"), QStringLiteral("none"), SYN_INTEGER, ACC_READONLY);
    EXPECT_FALSE(r.Read(true));
    EXPECT_EQ(r.vars.Item(0).valueText, QStringLiteral("lo"));
    EXPECT_EQ(r.vars.Item(1).valueText, QStringLiteral("(NULL)"));  // noSuchObject: an absent value
}

const QvOptionList &viewTypes()
{
    static const QvOptionDesc t[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};
    static const QvOptionList l(t);
    return l;
}

void addViewTree(QvSNMPVarList &l, bool withIndex)
{
    l.itemType = MVT_FMV;
    if (withIndex) {
        l.indexCount = 2;
        l.AddVar(kViewTree + QStringLiteral(".1"), QStringLiteral("name"), SYN_DISPLAYSTR, ACC_NOTACCESS);
        l.AddVar(kViewTree + QStringLiteral(".2"), QStringLiteral("subtree"), SYN_OBJECTID, ACC_NOTACCESS);
    }
    l.AddVar(kViewTree + QStringLiteral(".4"), QStringLiteral("type"), SYN_INTEGER, ACC_READONLY, &viewTypes());
    l.AddVar(kViewTree + QStringLiteral(".6"), QStringLiteral("status"), SYN_INTEGER, ACC_READONLY,
             &rowStatusOptions());
}

QString rowText(const QvSNMPVarList &l)
{
    QStringList p;
    for (int i = 0; i < l.Count(); ++i)
        p << l.Item(i).valueText;
    return p.join(QLatin1Char('|'));
}

TEST_F(EngineAgent, TableWalkDecodesRowsAndEndsWithNotDone)
{
    QvSNMPRequest r;
    applySecurity(r, kV2c, port());
    addViewTree(r.vars, true);
    QStringList rows;
    for (bool more = r.Read(true); more && rows.size() < 1000; more = r.Read(false))
        rows << rowText(r.vars);
    const QStringList mine = rows.filter(QRegularExpression(QStringLiteral("^kmvA\\|")));
    EXPECT_EQ(mine, (QStringList{QStringLiteral("kmvA|1.3.6.1.2.1.1|included|active"),
                                 QStringLiteral("kmvA|1.3.6.1.2.1.2|included|active"),
                                 QStringLiteral("kmvA|1.3.6.1.2.1.4|excluded|active")}));
    EXPECT_EQ(r.vars.Item(2).valueText, QStringLiteral("(NOTDONE)"));
    EXPECT_EQ(r.vars.Item(3).valueText, QStringLiteral("(NOTDONE)"));

    // The same walk asynchronously yields the same rows.
    QvSNMPRequest a;
    applySecurity(a, kV2c, port());
    addViewTree(a.vars, true);
    struct Walk {
        QvSNMPRequest *r;
        QStringList rows;
        bool done = false;
        int code = 0;
    } w{&a, {}};
    static QvSNMPRequestCallback walker = nullptr;
    walker = [](void *d, QvSNMPError *e, QvSNMPVarList *l) {
        auto *w = static_cast<Walk *>(d);
        if (e->code == 0 && !e->finished && w->rows.size() < 1000) {
            w->rows << rowText(*l);
            w->r->ReadAsync(walker, d, false);
        } else {
            w->code = e->code;
            w->done = true;
        }
    };
    a.ReadAsync(walker, &w, true);
    ASSERT_TRUE(WaitUntil([&] { return w.done; }, 10000));
    EXPECT_EQ(w.code, 0);
    EXPECT_EQ(w.rows, rows);
}

TEST_F(EngineAgent, InstanceSuffixLimitsTheWalk)
{
    QvSNMPRequest r;
    applySecurity(r, kV2c, port());
    addViewTree(r.vars, false);
    r.vars.instanceSuffix = QStringLiteral("4.107.109.118.65");  // "kmvA"
    QStringList rows;
    for (bool more = r.Read(true); more && rows.size() < 100; more = r.Read(false))
        rows << rowText(r.vars);
    EXPECT_EQ(rows, (QStringList{QStringLiteral("included|active"), QStringLiteral("included|active"),
                                 QStringLiteral("excluded|active")}));
}

TEST_F(EngineAgent, WriteWithSelectionChangesOnlyTheSelectedVariable)
{
    QvSNMPRequest r;
    applySecurity(r, kV2c, port());
    r.vars.AddVar(kSys + QStringLiteral(".5"), QStringLiteral("sysName"), SYN_DISPLAYSTR, ACC_READWRITE);
    r.vars.AddVar(kSys + QStringLiteral(".6"), QStringLiteral("sysLocation"), SYN_DISPLAYSTR, ACC_READWRITE);
    r.vars.Item(0).valueText = QStringLiteral("name-before");
    r.vars.Item(1).valueText = QStringLiteral("location-before");
    r.Write(false);
    const QStringList values{QStringLiteral("lab \xe9\xff")};  // octets above 127 survive
    r.Write(false, QStringLiteral("1"), &values);
    EXPECT_EQ(r.vars.Item(1).valueText, QStringLiteral("location-before"));
    r.Read(true);
    EXPECT_EQ(r.vars.Item(0).valueText, QStringLiteral("name-before"));
    EXPECT_EQ(r.vars.Item(1).valueText, QStringLiteral("lab \xe9\xff"));

    const QStringList again{QStringLiteral("async-name")};
    const QvSNMPError e = awaitOutcome(
        [&](QvSNMPRequestCallback cb, void *d) { r.WriteAsync(cb, d, false, QStringLiteral("0"), &again); });
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.finished, 1);
    r.Read(true);
    EXPECT_EQ(r.vars.Item(0).valueText, QStringLiteral("async-name"));
}

void addSecToGroup(QvSNMPVarList &l)
{
    l.itemType = MVT_UMV;
    l.indexCount = 2;
    l.AddVar(kSecToGroup + QStringLiteral(".1"), QStringLiteral("model"), SYN_INTEGER, ACC_NOTACCESS);
    l.AddVar(kSecToGroup + QStringLiteral(".2"), QStringLiteral("name"), SYN_DISPLAYSTR, ACC_NOTACCESS);
    l.AddVar(kSecToGroup + QStringLiteral(".3"), QStringLiteral("group"), SYN_DISPLAYSTR, ACC_READWRITE);
    l.AddVar(kSecToGroup + QStringLiteral(".5"), QStringLiteral("status"), SYN_INTEGER, ACC_READWRITE,
             &rowStatusOptions());
}

QString readSecToGroupRow(const QString &name)
{
    QvSNMPRequest r;
    applySecurity(r, kV2c, g_agent->port());
    r.vars.itemType = MVT_SV;
    r.vars.instanceSuffix = QStringLiteral("2.%1.").arg(name.size()) + [&] {
        QStringList p;
        for (QChar c : name)
            p << QString::number(c.unicode());
        return p.join(QLatin1Char('.'));
    }();
    r.vars.AddVar(kSecToGroup + QStringLiteral(".3"), QStringLiteral("group"), SYN_DISPLAYSTR, ACC_READONLY);
    r.vars.AddVar(kSecToGroup + QStringLiteral(".5"), QStringLiteral("status"), SYN_INTEGER, ACC_READONLY,
                  &rowStatusOptions());
    r.Read(true);
    return rowText(r.vars);
}

TEST_F(EngineAgent, RowCreationAndDeletionThroughRowStatus)
{
    for (bool async : {false, true}) {
        const QString name = async ? QStringLiteral("kmvasync") : QStringLiteral("kmvblock");
        QvSNMPRequest r;
        applySecurity(r, kV2c, port());
        addSecToGroup(r.vars);
        r.vars.Item(0).valueText = QStringLiteral("2");
        r.vars.Item(1).valueText = name;
        r.vars.Item(2).valueText = QStringLiteral("kmvgroup");
        r.vars.Item(3).valueText = QStringLiteral("createAndGo");
        const QStringList destroy{QStringLiteral("destroy")};
        if (async) {
            EXPECT_EQ(awaitOutcome([&](QvSNMPRequestCallback cb, void *d) { r.WriteAsync(cb, d, false); }).code, 0);
            EXPECT_EQ(readSecToGroupRow(name), QStringLiteral("kmvgroup|active"));
            EXPECT_EQ(awaitOutcome([&](QvSNMPRequestCallback cb, void *d) {
                          r.WriteAsync(cb, d, false, QStringLiteral("3"), &destroy);
                      }).code,
                      0);
        } else {
            r.Write(false);
            EXPECT_EQ(readSecToGroupRow(name), QStringLiteral("kmvgroup|active"));
            r.Write(false, QStringLiteral("3"), &destroy);
        }
        EXPECT_EQ(r.vars.Item(3).valueText, QStringLiteral("createAndGo"));
        EXPECT_EQ(readSecToGroupRow(name), QStringLiteral("|(NULL)"));
    }
}

struct AgentErrorCase {
    const char *name;
    qint8 version;
    const char *community;
    quint8 itemType;
    const char *oid;
    quint32 syntax;
    QString value;
    int code;
};

class EngineAgentError : public EngineAgent, public ::testing::WithParamInterface<AgentErrorCase> {};

TEST_P(EngineAgentError, WriteFailsWithTheAgentsStatus)
{
    const AgentErrorCase c = GetParam();
    for (bool async : {false, true}) {
        QvSNMPRequest r;
        applySecurity(r, kV2c, port());
        r.version = c.version;
        r.writeCommunity = QString::fromLatin1(c.community);
        r.vars.itemType = c.itemType;
        r.vars.AddVar(QString::fromLatin1(c.oid), QStringLiteral("x"), c.syntax, ACC_READWRITE).valueText = c.value;
        if (async) {
            const QvSNMPError e = awaitOutcome([&](QvSNMPRequestCallback cb, void *d) { r.WriteAsync(cb, d, false); });
            EXPECT_EQ(e.code, c.code) << "async";
            EXPECT_EQ(e.errorIndex, 1) << "async";
        } else {
            EXPECT_EQ(codeOf([&] { r.Write(false); }), c.code);
        }
    }
}

const QString kLong = QString(300, QLatin1Char('x'));

INSTANTIATE_TEST_SUITE_P(
    Statuses, EngineAgentError,
    ::testing::Values(
        AgentErrorCase{"badValue", 0, "private", SVT_SV, "1.3.6.1.2.1.1.5", SYN_INTEGER, QStringLiteral("5"), -103},
        AgentErrorCase{"noSuchNameV1", 0, "private", SVT_SV, "1.3.6.1.2.1.1.99", SYN_INTEGER, QStringLiteral("5"),
                       -102},
        AgentErrorCase{"noAccess", 1, "public", SVT_SV, "1.3.6.1.2.1.1.5", SYN_DISPLAYSTR, QStringLiteral("a"),
                       -106},
        AgentErrorCase{"wrongType", 1, "private", SVT_SV, "1.3.6.1.2.1.1.5", SYN_INTEGER, QStringLiteral("5"), -107},
        AgentErrorCase{"wrongLength", 1, "private", SVT_SV, "1.3.6.1.2.1.1.5", SYN_DISPLAYSTR, kLong, -108},
        AgentErrorCase{"wrongValue", 1, "private", MVT_SV, "1.3.6.1.6.3.16.1.2.1.5.2.5.107.109.118.97.98",
                       SYN_INTEGER, QStringLiteral("9"), -110},
        AgentErrorCase{"noCreation", 1, "private", MVT_SV, "1.3.6.1.6.3.16.1.2.1.5.2.0", SYN_INTEGER,
                       QStringLiteral("4"), -111},
        AgentErrorCase{"inconsistentValue", 1, "private", MVT_SV, "1.3.6.1.6.3.16.1.2.1.5.2.5.107.109.118.97.99",
                       SYN_INTEGER, QStringLiteral("4"), -112},
        AgentErrorCase{"notWritable", 1, "private", SVT_SV, "1.3.6.1.2.1.1.3", SYN_TIMETICKS, QStringLiteral("5"),
                       -117},
        AgentErrorCase{"notWritableConfigured", 1, "private", SVT_SV, "1.3.6.1.2.1.1.4", SYN_DISPLAYSTR,
                       QStringLiteral("a"), -117}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EngineAgent, ReadErrorStatuses)
{
    // v1: a missing object is noSuchName for a scalar read.
    QvSNMPRequest v1;
    applySecurity(v1, SecuritySetup{"", 0, nullptr, 1, 1, nullptr, 1, nullptr}, port());
    v1.vars.AddVar(kSys + QStringLiteral(".1"), QStringLiteral("d"), SYN_DISPLAYSTR, ACC_READONLY);
    v1.vars.AddVar(kSys + QStringLiteral(".99"), QStringLiteral("none"), SYN_INTEGER, ACC_READONLY);
    EXPECT_EQ(codeOf([&] { v1.Read(true); }), -102);
}

TEST_F(EngineAgent, TimeOutAgainstAPortNobodyAnswers)
{
    QvSNMPRequest r;
    applySecurity(r, kV2c, freeUdpPort());
    r.timeout = 10;
    addSystemGroup(r.vars);
    EXPECT_EQ(codeOf([&] { r.Read(true); }), -405);
    const QvSNMPError e = awaitOutcome([&](QvSNMPRequestCallback cb, void *d) { r.ReadAsync(cb, d, true); });
    EXPECT_EQ(e.code, -405);
    EXPECT_EQ(e.text, QStringLiteral("SNMP request timed out!"));
}

TEST_F(EngineAgent, V3DiscoveryDoesNotBlockAnAsynchronousSend)
{
    // A v3 target never used before, on a dead port: the send returns at once and the
    // discovery's time-out reaches the callback.
    QvSNMPRequest r;
    applySecurity(r, SecuritySetup{"", 3, "fresh-user", 2, 3, "freshpassword", 1, nullptr}, freeUdpPort());
    r.timeout = 30;
    addSystemGroup(r.vars);
    Outcomes out;
    std::pair<Outcomes *, int> tag{&out, 0};
    QElapsedTimer t;
    t.start();
    r.ReadAsync(&Outcomes::callback, &tag, true);
    // well below the 600 ms that a discovery waiting for its time-out and retry would take
    EXPECT_LT(t.elapsed(), 400);
    EXPECT_EQ(r.pending, 1);
    ASSERT_TRUE(WaitUntil([&] { return !out.list.isEmpty(); }, 5000));
    EXPECT_EQ(out.list[0].e.code, -405);
    EXPECT_GE(t.elapsed(), 500);

    // Against the agent, a first asynchronous send discovers the engine and succeeds.
    QvSNMPRequest live;
    applySecurity(live, SecuritySetup{"", 3, SnmpdProcess::ShaAesUser, 3, 3, "shapassword", 4, "aespassword"}, port());
    live.timeout = 77;  // a target configuration no other test used
    addSystemGroup(live.vars);
    const QvSNMPError e = awaitOutcome([&](QvSNMPRequestCallback cb, void *d) { live.ReadAsync(cb, d, true); });
    EXPECT_EQ(e.code, 0) << e.text.toStdString();
    expectSystemGroup(live.vars);

    // A blocking read while an asynchronous send discovers the same target waits for that
    // discovery inside the engine, and both succeed.
    const SecuritySetup sha{"", 3, SnmpdProcess::ShaAesUser, 3, 3, "shapassword", 4, "aespassword"};
    QvSNMPRequest discovering, blocking;
    for (QvSNMPRequest *q : {&discovering, &blocking}) {
        applySecurity(*q, sha, port());
        q->timeout = 78;  // again a target no other test used
        addSystemGroup(q->vars);
    }
    Outcomes both;
    std::pair<Outcomes *, int> bothTag{&both, 0};
    discovering.ReadAsync(&Outcomes::callback, &bothTag, true);
    EXPECT_EQ(codeOf([&] { blocking.Read(true); }), 0);
    expectSystemGroup(blocking.vars);
    ASSERT_TRUE(WaitUntil([&] { return !both.list.isEmpty(); }, 5000));
    EXPECT_EQ(both.list[0].e.code, 0) << both.list[0].e.text.toStdString();
}

TEST_F(EngineAgent, AsynchronousCompletionOrderAndPending)
{
    const SecuritySetup v3{"", 3, SnmpdProcess::ShaAesUser, 3, 3, "shapassword", 4, "aespassword"};
    for (const SecuritySetup *s : {&kV2c, &v3}) {
        QvSNMPRequest r;
        applySecurity(r, *s, port());
        addSystemGroup(r.vars);
        Outcomes out;
        std::pair<Outcomes *, int> tags[5];
        for (int k = 0; k < 5; ++k) {
            tags[k] = {&out, k};
            r.ReadAsync(&Outcomes::callback, &tags[k], true);
        }
        EXPECT_EQ(r.pending, 5);
        ASSERT_TRUE(WaitUntil([&] { return out.list.size() == 5; }));
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(out.list[k].tag, k);
            EXPECT_EQ(out.list[k].e.code, 0);
        }
        EXPECT_EQ(r.pending, 0);
    }
}

TEST_F(EngineAgent, DestructionWithAnAnswerOnItsWay)
{
    Outcomes out;
    std::pair<Outcomes *, int> tag{&out, 0};
    auto *r = new QvSNMPRequest;
    applySecurity(*r, kV2c, port());
    addSystemGroup(r->vars);
    r->ReadAsync(&Outcomes::callback, &tag, true);
    QElapsedTimer t;
    t.start();
    delete r;
    EXPECT_LT(t.elapsed(), 1000);
    // The answer still arrives and is dropped by the engine.
    EXPECT_TRUE(WaitUntil([] { return QvSNMPAdapter::PendingCount() == 0; }, 5000));
    EXPECT_TRUE(out.list.isEmpty());
}

TEST_F(EngineAgent, GlobalSessionCountedOneBootAndWroteOnlyItsCounter)
{
    EXPECT_EQ(GlobalEngineBoots(), 1u);
    const QStringList files = QDir(engineTestDir()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    EXPECT_EQ(files, QStringList{QStringLiteral("QvSNMP_PP_BootCounter")});
    const QvSNMPSessionParams &p = SessionParams();
    EXPECT_EQ(p.Timeout, 100);
    EXPECT_EQ(p.Device.Address, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(p.Security.ReadCommunity, QStringLiteral("corvet"));
    EXPECT_EQ(p.Security.WriteCommunity, QStringLiteral("lanmore"));
    EXPECT_TRUE(p.EventProcessor && p.EventProcessor->IsActive());
    // Nothing is outstanding, so nothing wakes the pump.
    EXPECT_FALSE(p.EventProcessor->TimerArmed());
}

} // namespace

// Further sessions of an MD5+DES user after its engine was discovered asynchronously, blocking,
// asynchronous and a blocking one during another discovery, all authenticate (each time-out
// makes a session of its own).
TEST_F(EngineAgent, Md5DesSessionsAfterAnAsynchronousDiscovery)
{
    const SecuritySetup md5{"", 3, SnmpdProcess::Md5DesUser, 3, 2, "md5password", 2, "despassword"};
    auto request = [&](QvSNMPRequest &q, int timeout) {
        applySecurity(q, md5, port());
        q.timeout = timeout;  // target configurations no other test used
        addSystemGroup(q.vars);
    };
    auto readAsync = [](QvSNMPRequest &q) {
        return awaitOutcome([&](QvSNMPRequestCallback cb, void *d) { q.ReadAsync(cb, d, true); });
    };
    QvSNMPRequest first, second, third, discovering, blocking;
    request(first, 91);
    EXPECT_EQ(readAsync(first).code, 0);
    request(second, 92);
    EXPECT_EQ(codeOf([&] { second.Read(true); }), 0);
    expectSystemGroup(second.vars);
    request(third, 93);
    EXPECT_EQ(readAsync(third).code, 0);
    request(discovering, 94);
    request(blocking, 94);
    Outcomes both;
    std::pair<Outcomes *, int> bothTag{&both, 0};
    discovering.ReadAsync(&Outcomes::callback, &bothTag, true);
    EXPECT_EQ(codeOf([&] { blocking.Read(true); }), 0);
    ASSERT_TRUE(WaitUntil([&] { return !both.list.isEmpty(); }, 5000));
    EXPECT_EQ(both.list[0].e.code, 0) << both.list[0].e.text.toStdString();
}
