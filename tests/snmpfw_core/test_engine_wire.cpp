// The request engine against a scripted loopback responder: what goes on the wire for each
// list kind, walks over agents that loop or go backwards, the SNMPv1 no-such-name ending,
// time-outs, destruction and session closing with requests outstanding, the event pump.
#include "engine_support.h"
#include "fake_udp_agent.h"
#include "qvsnmpadapter.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

const QString kCol = QStringLiteral("1.3.6.1.4.1.99.1.1");

class EngineWire : public ::testing::Test {
protected:
    static void SetUpTestSuite() { openTestSession(); }

    static void aim(QvSNMPRequest &r, quint16 port, qint8 version = 1)
    {
        r.agentAddress = QStringLiteral("127.0.0.1");
        r.agentPort = port;
        r.version = version;
        r.readCommunity = QStringLiteral("public");
        r.writeCommunity = QStringLiteral("private");
        r.timeout = 30;
    }
};

// Echoes every binding with an INTEGER 7.
FakeResponse echo(const FakeRequest &q)
{
    FakeResponse r;
    for (FakeVb v : q.vbs) {
        if (q.pduType != 0xa3)
            v.value = FakeUdpAgent::integer(7);
        r.vbs << v;
    }
    return r;
}

int throwCode(const std::function<void()> &f)
{
    try {
        f();
    } catch (const QvSNMPException &e) {
        return e.code();
    }
    return 0;
}

TEST_F(EngineWire, ScalarGroupSendsOneGetWithDotZeroBindings)
{
    FakeUdpAgent agent(echo);
    ASSERT_TRUE(agent.ok());
    QvSNMPRequest r;
    aim(r, agent.port());
    for (int k = 1; k <= 3; ++k)
        r.vars.AddVar(kCol + QLatin1Char('.') + QString::number(k), QStringLiteral("v"), SYN_INTEGER, ACC_READONLY);
    r.vars.AddVar(kCol + QStringLiteral(".9"), QStringLiteral("w"), SYN_INTEGER, ACC_WRITEONLY);
    EXPECT_FALSE(r.Read(true));
    const QList<FakeRequest> reqs = agent.requests();
    ASSERT_EQ(reqs.size(), 1);
    EXPECT_EQ(reqs[0].pduType, 0xa0);
    ASSERT_EQ(reqs[0].vbs.size(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(FakeUdpAgent::text(reqs[0].vbs[k].oid), kCol + QStringLiteral(".%1.0").arg(k + 1));
        EXPECT_EQ(r.vars.Item(k).valueText, QStringLiteral("7"));
    }
    try {
        r.Read(false);
        ADD_FAILURE() << "continued read of a scalar list must fail";
    } catch (const QvSNMPException &e) {
        EXPECT_EQ(e.code(), -510);
        EXPECT_EQ(e.text(), QStringLiteral("Can't send get-next command for a SNMP variable list with single value!"));
    }
}

TEST_F(EngineWire, InstanceListAppendsTheSuffix)
{
    FakeUdpAgent agent(echo);
    QvSNMPRequest r;
    aim(r, agent.port());
    r.vars.itemType = MVT_SV;
    r.vars.instanceSuffix = QStringLiteral("49");
    r.vars.AddVar(QStringLiteral("1.3.6.1.4.1.171.11.2.3.1.1.4"), QStringLiteral("x"), SYN_INTEGER, ACC_READONLY);
    r.Read(true);
    ASSERT_EQ(agent.requests().size(), 1);
    EXPECT_EQ(agent.requests()[0].pduType, 0xa0);
    EXPECT_EQ(FakeUdpAgent::text(agent.requests()[0].vbs[0].oid), QStringLiteral("1.3.6.1.4.1.171.11.2.3.1.1.4.49"));
}

TEST_F(EngineWire, WriteSendsOnlyTheSelectionAndRestoresTheList)
{
    FakeUdpAgent agent(echo);
    QvSNMPRequest r;
    aim(r, agent.port());
    for (int k = 0; k < 4; ++k)
        r.vars.AddVar(kCol + QLatin1Char('.') + QString::number(k), QStringLiteral("v"), SYN_INTEGER, ACC_READWRITE)
            .valueText = QString::number(100 + k);
    const QStringList values{QStringLiteral("5"), QStringLiteral("7")};
    r.Write(false, QStringLiteral("0,2"), &values);
    const QList<FakeRequest> reqs = agent.requests();
    ASSERT_EQ(reqs.size(), 1);
    EXPECT_EQ(reqs[0].pduType, 0xa3);
    EXPECT_EQ(reqs[0].community, QByteArray("private"));
    ASSERT_EQ(reqs[0].vbs.size(), 2);
    EXPECT_EQ(FakeUdpAgent::text(reqs[0].vbs[0].oid), kCol + QStringLiteral(".0.0"));
    EXPECT_EQ(FakeUdpAgent::intOf(reqs[0].vbs[0].value), 5);
    EXPECT_EQ(FakeUdpAgent::text(reqs[0].vbs[1].oid), kCol + QStringLiteral(".2.0"));
    EXPECT_EQ(FakeUdpAgent::intOf(reqs[0].vbs[1].value), 7);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(r.vars.Item(k).valueText, QString::number(100 + k));
        EXPECT_FALSE(r.vars.Item(k).isInvalid());
    }
}

TEST_F(EngineWire, FailedWriteStillRestoresTheList)
{
    QvSNMPRequest r;
    aim(r, freeUdpPort());
    r.timeout = 5;
    r.vars.AddVar(kCol, QStringLiteral("v"), SYN_INTEGER, ACC_READWRITE).valueText = QStringLiteral("1");
    r.vars.AddVar(kCol + QStringLiteral(".1"), QStringLiteral("v"), SYN_INTEGER, ACC_READWRITE).valueText =
        QStringLiteral("2");
    const QStringList values{QStringLiteral("9")};
    EXPECT_EQ(throwCode([&] { r.Write(false, QStringLiteral("1"), &values); }), -534);  // may have been applied
    EXPECT_EQ(r.vars.Item(0).valueText, QStringLiteral("1"));
    EXPECT_EQ(r.vars.Item(1).valueText, QStringLiteral("2"));
    EXPECT_FALSE(r.vars.Item(0).isInvalid());
}

TEST_F(EngineWire, RowWriteLeavesIndexColumnsOutAndUsesTheirInstance)
{
    FakeUdpAgent agent(echo);
    QvSNMPRequest r;
    aim(r, agent.port());
    r.vars.itemType = MVT_UMV;
    r.vars.indexCount = 2;
    r.vars.AddVar(kCol + QStringLiteral(".1"), QStringLiteral("i"), SYN_INTEGER, ACC_NOTACCESS).valueText =
        QStringLiteral("3");
    r.vars.AddVar(kCol + QStringLiteral(".2"), QStringLiteral("n"), SYN_DISPLAYSTR, ACC_NOTACCESS).valueText =
        QStringLiteral("ab");
    r.vars.AddVar(kCol + QStringLiteral(".3"), QStringLiteral("s"), SYN_DISPLAYSTR, ACC_READWRITE).valueText =
        QStringLiteral("hello");
    r.vars.AddVar(kCol + QStringLiteral(".4"), QStringLiteral("st"), SYN_INTEGER, ACC_READWRITE, &rowStatusOptions())
        .valueText = QStringLiteral("createAndGo");
    r.Write(false);
    ASSERT_EQ(agent.requests().size(), 1);
    const FakeRequest q = agent.requests()[0];
    ASSERT_EQ(q.vbs.size(), 2);
    EXPECT_EQ(FakeUdpAgent::text(q.vbs[0].oid), kCol + QStringLiteral(".3.3.2.97.98"));
    EXPECT_EQ(FakeUdpAgent::octetsOf(q.vbs[0].value), QByteArray("hello"));
    EXPECT_EQ(FakeUdpAgent::text(q.vbs[1].oid), kCol + QStringLiteral(".4.3.2.97.98"));
    EXPECT_EQ(FakeUdpAgent::intOf(q.vbs[1].value), 4);
}

// A table of rows 1..3 under two columns; the mode decides what row 2's successor is.
enum class WalkMode { Normal, Loop, Backwards, EndOfView };

FakeResponse walkAnswer(const FakeRequest &q, WalkMode mode)
{
    FakeResponse r;
    for (const FakeVb &v : q.vbs) {
        QList<quint32> o = v.oid;
        const QList<quint32> col = FakeUdpAgent::oid(kCol);
        FakeVb a;
        if (o.size() == col.size() + 1) {  // a column: first row
            a.oid = o << 1;
        } else {
            const quint32 row = o.last();
            if (row == 2 && mode == WalkMode::Loop)
                a.oid = o;
            else if (row == 2 && mode == WalkMode::Backwards)
                a.oid = o.mid(0, o.size() - 1) << 1;
            else if (row < 3)
                a.oid = o.mid(0, o.size() - 1) << row + 1;
            else {
                QList<quint32> next = o.mid(0, o.size() - 1);
                next.last() += 1;  // the next column's first row, or beyond the table
                a.oid = next << 1;
            }
        }
        a.value = FakeUdpAgent::integer(a.oid.last() * 10);
        if (mode == WalkMode::EndOfView && o.size() == col.size() + 2 && o.last() == 3) {
            a.oid = o;  // the end of the agent's view: the asked OID and an exception
            a.value = FakeUdpAgent::endOfMibView();
        }
        r.vbs << a;
    }
    return r;
}

struct WalkCase {
    const char *name;
    WalkMode mode;
    int rows;
    int code;  // how the walk ends
};

class EngineWalk : public EngineWire, public ::testing::WithParamInterface<WalkCase> {};

QvSNMPRequest *tableOfTwoColumns(QvSNMPRequest &r)
{
    r.vars.itemType = MVT_FMV;
    r.vars.indexCount = 1;
    r.vars.AddVar(kCol + QStringLiteral(".1"), QStringLiteral("idx"), SYN_INTEGER, ACC_NOTACCESS);
    r.vars.AddVar(kCol + QStringLiteral(".2"), QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    r.vars.AddVar(kCol + QStringLiteral(".3"), QStringLiteral("b"), SYN_INTEGER, ACC_READONLY);
    return &r;
}

// A walk over an agent that loops or goes backwards ends with an error that says so, never
// with success and a cut-short table.
TEST_P(EngineWalk, WalkEndsAndSaysWhy)
{
    const WalkCase c = GetParam();
    FakeUdpAgent agent([&c](const FakeRequest &q) { return walkAnswer(q, c.mode); });
    QvSNMPRequest r;
    aim(r, agent.port());
    tableOfTwoColumns(r);
    QStringList seen;
    int guard = 0;
    const int code = throwCode([&] {
        bool more = r.Read(true);
        while (more && ++guard < 20) {
            seen << r.vars.Item(0).valueText + QLatin1Char('=') + r.vars.Item(1).valueText;
            more = r.Read(false);
        }
    });
    EXPECT_LT(guard, 20) << "walk did not end";
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(seen.size(), c.rows);
    for (int k = 0; k < seen.size(); ++k)
        EXPECT_EQ(seen[k], QStringLiteral("%1=%2").arg(k + 1).arg((k + 1) * 10));
    if (c.code == 0) {
        EXPECT_EQ(r.vars.Item(1).valueText, QStringLiteral("(NOTDONE)"));
        EXPECT_EQ(r.vars.Item(2).valueText, QStringLiteral("(NOTDONE)"));
    }
}

INSTANTIATE_TEST_SUITE_P(Agents, EngineWalk,
                         ::testing::Values(WalkCase{"normal", WalkMode::Normal, 3, 0},
                                           WalkCase{"repeats the asked OID", WalkMode::Loop, 2, -530},
                                           WalkCase{"answers a smaller OID", WalkMode::Backwards, 2, -530},
                                           WalkCase{"ends its view", WalkMode::EndOfView, 3, 0}),
                         [](const auto &info) {
                             const WalkMode m = info.param.mode;
                             return std::string(m == WalkMode::Normal      ? "Normal"
                                                : m == WalkMode::Loop      ? "Loop"
                                                : m == WalkMode::Backwards ? "Backwards"
                                                                           : "EndOfView");
                         });

// Counts the rows of an asynchronous walk until it ends.
struct AsyncWalk {
    explicit AsyncWalk(QvSNMPRequest *request) : r(request) {}
    QvSNMPRequest *r;
    int rows = 0;
    int calls = 0;
    bool done = false;
    QvSNMPError last;

    static void next(void *d, QvSNMPError *e, QvSNMPVarList *)
    {
        auto *w = static_cast<AsyncWalk *>(d);
        ++w->calls;
        w->last = *e;
        if (e->code == 0 && !e->finished && w->calls < 50) {
            ++w->rows;
            w->r->ReadAsync(&AsyncWalk::next, d, false);
        } else {
            w->done = true;
        }
    }
};

TEST_F(EngineWire, AsyncWalkOverALoopingAgentReportsIt)
{
    FakeUdpAgent agent([](const FakeRequest &q) { return walkAnswer(q, WalkMode::Loop); });
    QvSNMPRequest r;
    aim(r, agent.port());
    tableOfTwoColumns(r);
    AsyncWalk w(&r);
    r.ReadAsync(&AsyncWalk::next, &w, true);
    ASSERT_TRUE(WaitUntil([&] { return w.done; }, 5000));
    EXPECT_EQ(w.rows, 2);
    EXPECT_EQ(w.last.code, -530);
    EXPECT_TRUE(w.last.text.contains(QLatin1String("OID not increasing"))) << w.last.text.toStdString();
    EXPECT_EQ(r.pending, 0);
}

// Every way of walking a table (blocking and asynchronous GET-NEXT, GETBULK) checks each
// answer alike: only an answer beyond the asked OID counts, the end of the view or leaving the
// column forward ends a column quietly, and a faulty agent never looks like an empty table.
using NextFn = std::function<FakeVb(const QList<quint32> &asked)>;

// Rows 1..3 of columns kCol.2 and kCol.3, each worth ten times its row; past them an OID
// outside the table.
FakeVb tableNext(const QList<quint32> &asked)
{
    const QList<quint32> col = FakeUdpAgent::oid(kCol);
    FakeVb a;
    for (quint32 c = 2; c <= 3; ++c)
        for (quint32 r = 1; r <= 3; ++r) {
            const QList<quint32> o = QList<quint32>(col) << c << r;
            if (o > asked) {
                a.oid = o;
                a.value = FakeUdpAgent::integer(r * 10);
                return a;
            }
        }
    a.oid = FakeUdpAgent::oid(QStringLiteral("1.3.6.1.4.1.99.2.0"));
    a.value = FakeUdpAgent::integer(0);
    return a;
}

// GET-NEXT answers each binding; GETBULK repeats that up to max-repetitions times per binding.
FakeResponse serveWalk(const FakeRequest &q, const NextFn &next)
{
    FakeResponse r;
    const int rounds = q.pduType == 0xa5 ? qBound(1, q.errorIndex, 20) : 1;
    QList<QList<quint32>> cursor;
    for (const FakeVb &v : q.vbs)
        cursor << v.oid;
    for (int k = 0; k < rounds; ++k)
        for (QList<quint32> &c : cursor) {
            const FakeVb a = next(c);
            c = a.oid;
            r.vbs << a;
        }
    return r;
}

struct WalkPath {
    const char *name;
    qint8 version;
    bool bulk;
    bool async;
};

// Runs one walk; the rows as "index=a=b", and how it ended.
QStringList walkRows(QvSNMPRequest &r, const WalkPath &path, QvSNMPError *end)
{
    struct Collect {
        QvSNMPRequest *r;
        QStringList rows;
        QvSNMPError end;
        bool done = false;
        QString row() const
        {
            return r->vars.Item(0).valueText + u'=' + r->vars.Item(1).valueText + u'=' + r->vars.Item(2).valueText;
        }
        static void next(void *d, QvSNMPError *e, QvSNMPVarList *)
        {
            auto *c = static_cast<Collect *>(d);
            if (e->code == 0 && !e->finished && c->rows.size() < 50) {
                c->rows << c->row();
                c->r->ReadAsync(&Collect::next, d, false);
                return;
            }
            c->end = *e;
            c->done = true;
        }
    } c{&r, {}, {}};
    if (path.async) {
        r.ReadAsync(&Collect::next, &c, true);
        if (!WaitUntil([&] { return c.done; }, 10000))
            c.end.code = 1;  // no ending at all
    } else {
        try {
            for (bool more = r.Read(true); more && c.rows.size() < 50; more = r.Read(false))
                c.rows << c.row();
        } catch (const QvSNMPException &e) {
            c.end.code = e.code();
            c.end.text = e.text();
        }
    }
    *end = c.end;
    return c.rows;
}

TEST_F(EngineWire, EveryWalkPathChecksEachAnswer)
{
    const QList<quint32> col = FakeUdpAgent::oid(kCol);
    auto rowOf = [col](const QList<quint32> &o) { return o.size() == col.size() + 2 ? int(o.last()) : 0; };
    auto sameWith = [](const QList<quint32> &o, const QByteArray &value) {
        FakeVb a;
        a.oid = o;
        a.value = value;
        return a;
    };
    struct Case {
        const char *fault;
        NextFn next;
        int rows;
        int code;
    };
    const Case cases[] = {
        {"a whole table", tableNext, 3, 0},
        {"the asked OID at once",
         [&](const QList<quint32> &o) { return sameWith(o, FakeUdpAgent::integer(1)); }, 0, -530},
        {"the asked OID in mid-walk",
         [&](const QList<quint32> &o) { return rowOf(o) == 2 ? sameWith(o, FakeUdpAgent::integer(20)) : tableNext(o); },
         2, -530},
        {"back inside the column",
         [&](const QList<quint32> &o) { return rowOf(o) == 2 ? tableNext(o.mid(0, o.size() - 1)) : tableNext(o); }, 2,
         -530},
        {"back and out of the column",
         [&](const QList<quint32> &o) {
             return rowOf(o) == 2 ? sameWith(QList<quint32>(col) << 1 << 5, FakeUdpAgent::integer(5)) : tableNext(o);
         },
         2, -530},
        {"back and out of the table",
         [&](const QList<quint32> &o) {
             return rowOf(o) == 2 ? sameWith(FakeUdpAgent::oid(QStringLiteral("1.3.6.1.2.1.1.1.0")),
                                             FakeUdpAgent::integer(5))
                                  : tableNext(o);
         },
         2, -530},
        {"back to the table's start after its end",
         [&](const QList<quint32> &o) { return rowOf(o) == 3 ? tableNext(col) : tableNext(o); }, 3, -530},
        {"ever deeper instances",
         [&](const QList<quint32> &o) { return sameWith(QList<quint32>(o) << 1, FakeUdpAgent::integer(10)); }, 1,
         -531},
        {"strings in integer columns",
         [&](const QList<quint32> &o) {
             FakeVb a = tableNext(o);
             a.value = FakeUdpAgent::octets("x");
             return a;
         },
         0, -532},
        {"a table that never ends",
         [&](const QList<quint32> &o) {
             const quint32 row = rowOf(o) + 1;
             return sameWith(o.mid(0, col.size() + 1) << row, FakeUdpAgent::integer(row * 10));
         },
         5, -533},
        {"the end of its view after the table",
         [&](const QList<quint32> &o) { return rowOf(o) == 3 ? sameWith(o, FakeUdpAgent::endOfMibView()) : tableNext(o); },
         3, 0},
        {"the end of its view at once",
         [&](const QList<quint32> &o) { return sameWith(o, FakeUdpAgent::endOfMibView()); }, 0, 0},
    };
    const WalkPath paths[] = {{"blocking GET-NEXT", 0, false, false},
                              {"asynchronous GET-NEXT", 0, false, true},
                              {"GETBULK", 1, true, true}};
    for (const Case &c : cases) {
        FakeUdpAgent agent([&c](const FakeRequest &q) { return serveWalk(q, c.next); });
        ASSERT_TRUE(agent.ok());
        for (const WalkPath &path : paths) {
            SCOPED_TRACE(std::string(c.fault) + ", " + path.name);
            QvSNMPRequest r;
            aim(r, agent.port(), path.version);
            r.useGetBulk = path.bulk;
            r.maxRepetitions = 4;
            r.maxWalkRows = 5;
            tableOfTwoColumns(r);
            // Twice on the same request: a second walk starts from nothing.
            for (int walk = 0; walk < 2; ++walk) {
                QvSNMPError end;
                const QStringList rows = walkRows(r, path, &end);
                EXPECT_EQ(end.code, c.code) << end.text.toStdString();
                EXPECT_EQ(rows.size(), c.rows);
                for (int k = 0; k < qMin(int(rows.size()), 3); ++k)
                    EXPECT_EQ(rows[k], QStringLiteral("%1=%2=%2").arg(k + 1).arg((k + 1) * 10));
                EXPECT_EQ(r.pending, 0);
            }
        }
        bool bulkSent = false;
        for (const FakeRequest &q : agent.requests())
            bulkSent |= q.pduType == 0xa5;
        EXPECT_TRUE(bulkSent) << c.fault;
    }
}

// Answers row n+1 of every column for row n; what the value and the instance look like is up to
// the fault under test.
struct BrokenRows {
    int extraSubIds = 0;         // sub-identifiers appended after the row number
    QByteArray value;            // the value every row carries
};

FakeResponse brokenRowsAnswer(const FakeRequest &q, const BrokenRows &b)
{
    FakeResponse r;
    const QList<quint32> col = FakeUdpAgent::oid(kCol);
    for (const FakeVb &v : q.vbs) {
        FakeVb a;
        const quint32 row = v.oid.size() == col.size() + 1 ? 1 : v.oid[col.size() + 1] + 1;
        a.oid = v.oid.mid(0, col.size() + 1) << row;
        for (int k = 0; k < b.extraSubIds; ++k)
            a.oid << 0;
        a.value = b.value;
        r.vbs << a;
    }
    return r;
}

TEST_F(EngineWire, BrokenRowsAreRefused)
{
    struct Case {
        const char *fault;
        BrokenRows rows;
        qint32 limit;
        int rowsRead;
        int code;
    } cases[] = {
        {"instance one deeper than the index", {1, FakeUdpAgent::integer(1)}, 1000, 0, -531},
        {"octet string in an integer column", {0, FakeUdpAgent::octets("x")}, 1000, 0, -532},
        {"a table that never ends", {0, FakeUdpAgent::integer(1)}, 25, 25, -533},
        {"null values are no fault", {0, FakeUdpAgent::null()}, 4, 4, -533},
    };
    for (const Case &c : cases) {
        FakeUdpAgent agent([&c](const FakeRequest &q) { return brokenRowsAnswer(q, c.rows); });
        for (bool async : {false, true}) {
            QvSNMPRequest r;
            aim(r, agent.port());
            tableOfTwoColumns(r);
            r.maxWalkRows = c.limit;
            int rows = 0;
            QvSNMPError last;
            if (async) {
                AsyncWalk w(&r);
                r.ReadAsync(&AsyncWalk::next, &w, true);
                ASSERT_TRUE(WaitUntil([&] { return w.done || w.calls >= 50; }, 10000)) << c.fault;
                rows = w.rows;
                last = w.last;
            } else {
                try {
                    for (bool more = r.Read(true); more && rows < 50; more = r.Read(false))
                        ++rows;
                } catch (const QvSNMPException &e) {
                    last.code = e.code();
                    last.text = e.text();
                }
            }
            EXPECT_EQ(rows, c.rowsRead) << c.fault << (async ? " async" : "");
            EXPECT_EQ(last.code, c.code) << c.fault << (async ? " async" : "");
            if (c.code == -533) {
                EXPECT_TRUE(last.text.contains(QString::number(c.limit))) << last.text.toStdString();
            }
        }
    }
}

FakeResponse v1NoSuchName(const FakeRequest &q)
{
    FakeResponse r;
    r.vbs = q.vbs;
    const QList<quint32> first = FakeUdpAgent::oid(kCol + QStringLiteral(".2"));
    // Rows exist only for the first request of the column itself.
    if (q.vbs.size() == 1 && q.vbs[0].oid == first) {
        FakeVb a;
        a.oid = first;
        a.oid << 1;
        a.value = FakeUdpAgent::integer(5);
        r.vbs = {a};
        return r;
    }
    r.errorStatus = 2;
    r.errorIndex = 1;
    return r;
}

TEST_F(EngineWire, V1NoSuchNameEndsAContinuedWalkButFailsAFirstRead)
{
    FakeUdpAgent agent(v1NoSuchName);
    QvSNMPRequest r;
    aim(r, agent.port(), 0);
    r.vars.itemType = MVT_FMV;
    r.vars.AddVar(kCol + QStringLiteral(".2"), QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    EXPECT_TRUE(r.Read(true));
    EXPECT_EQ(r.vars.Item(0).valueText, QStringLiteral("5"));
    EXPECT_FALSE(r.Read(false));

    QvSNMPRequest other;
    aim(other, agent.port(), 0);
    other.vars.itemType = MVT_FMV;
    other.vars.AddVar(kCol + QStringLiteral(".7"), QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    EXPECT_EQ(throwCode([&] { other.Read(true); }), -102);

    // Asynchronously the ending is a success with finished set.
    Outcomes out;
    std::pair<Outcomes *, int> tag{&out, 1};
    ASSERT_TRUE(r.Read(true));
    r.ReadAsync(&Outcomes::callback, &tag, false);
    ASSERT_TRUE(WaitUntil([&] { return out.list.size() == 1; }));
    EXPECT_EQ(out.list[0].e.code, 0);
    EXPECT_EQ(out.list[0].e.text, QStringLiteral("Ok!"));
    EXPECT_EQ(out.list[0].e.finished, 1);
}

TEST_F(EngineWire, ShortRowInstanceFailsWith514)
{
    FakeUdpAgent agent([](const FakeRequest &q) {
        FakeResponse r;
        for (FakeVb v : q.vbs) {
            v.oid << 5;  // one sub-identifier where two index columns need two
            v.value = FakeUdpAgent::integer(1);
            r.vbs << v;
        }
        return r;
    });
    QvSNMPRequest r;
    aim(r, agent.port());
    r.vars.itemType = MVT_FMV;
    r.vars.indexCount = 2;
    r.vars.AddVar(kCol + QStringLiteral(".1"), QStringLiteral("i"), SYN_INTEGER, ACC_NOTACCESS);
    r.vars.AddVar(kCol + QStringLiteral(".2"), QStringLiteral("j"), SYN_INTEGER, ACC_NOTACCESS);
    r.vars.AddVar(kCol + QStringLiteral(".3"), QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    EXPECT_EQ(throwCode([&] { r.Read(true); }), -514);
}

struct RefusalCase {
    const char *name;
    const char *address;
    quint8 itemType;
    qint32 level;
    qint32 priv;
    int code;
};

class EngineRefusal : public EngineWire, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(EngineRefusal, FailsBeforeAnythingIsSent)
{
    const RefusalCase c = GetParam();
    FakeUdpAgent agent(echo);
    for (bool async : {false, true}) {
        QvSNMPRequest r;
        aim(r, agent.port(), c.level ? 3 : 1);
        r.agentAddress = QString::fromLatin1(c.address);
        r.vars.itemType = c.itemType;
        r.securityName = QStringLiteral("u");
        r.securityLevel = c.level ? c.level : 1;
        r.authProtocol = 3;
        r.authPassword = QStringLiteral("authpassword");
        r.privProtocol = c.priv;
        r.privPassword = QStringLiteral("privpassword");
        r.vars.AddVar(kCol, QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
        const int code = throwCode([&] {
            if (async)
                r.ReadAsync(&Outcomes::callback, nullptr, true);
            else
                r.Read(true);
        });
        EXPECT_EQ(code, c.code) << (async ? "async" : "blocking");
        EXPECT_EQ(r.pending, 0);
    }
    QThread::msleep(50);
    EXPECT_EQ(agent.datagrams(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, EngineRefusal,
    ::testing::Values(RefusalCase{"Idea", "127.0.0.1", SVT_SV, 3, 9, -313},
                      RefusalCase{"TripleDes", "127.0.0.1", SVT_SV, 3, 3, -313},
                      RefusalCase{"UnknownPriv", "127.0.0.1", SVT_SV, 3, 77, -313},
                      RefusalCase{"BadAddress", "no such host!", SVT_SV, 0, 1, -509},
                      RefusalCase{"EmptyAddress", "", SVT_SV, 0, 1, -509},
                      RefusalCase{"BadItemType", "127.0.0.1", 7, 0, 1, -515}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EngineWire, SilentAgentTimesOut)
{
    FakeUdpAgent agent([](const FakeRequest &) { FakeResponse r; r.drop = true; return r; });
    QvSNMPRequest r;
    aim(r, agent.port());
    r.timeout = 10;
    r.vars.AddVar(kCol, QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    QElapsedTimer t;
    t.start();
    try {
        r.Read(true);
        ADD_FAILURE() << "no time-out";
    } catch (const QvSNMPException &e) {
        EXPECT_EQ(e.code(), -405);
        EXPECT_EQ(e.text(), QStringLiteral("SNMP request timed out!"));
    }
    EXPECT_GE(t.elapsed(), 150);  // one retry: two waits of 100 ms
    EXPECT_EQ(agent.datagrams(), 2);

    Outcomes out;
    std::pair<Outcomes *, int> tag{&out, 1};
    r.ReadAsync(&Outcomes::callback, &tag, true);
    EXPECT_EQ(r.pending, 1);
    ASSERT_TRUE(WaitUntil([&] { return !out.list.isEmpty(); }));
    EXPECT_EQ(out.list[0].e.code, -405);
    EXPECT_EQ(out.list[0].e.finished, 1);
    EXPECT_EQ(out.list[0].e.agentAddress, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(out.list[0].e.agentPort, agent.port());
    EXPECT_EQ(r.pending, 0);

    // A write without answer may have been applied, and says so.
    r.vars.Item(0).access = ACC_READWRITE;
    r.vars.Item(0).valueText = QStringLiteral("5");
    EXPECT_EQ(throwCode([&] { r.Write(false); }), -534);
    r.WriteAsync(&Outcomes::callback, &tag, false);
    ASSERT_TRUE(WaitUntil([&] { return out.list.size() == 2; }));
    EXPECT_EQ(out.list[1].e.code, -534);
    EXPECT_TRUE(out.list[1].e.text.contains(QLatin1String("may have been applied")));
}

TEST_F(EngineWire, CompletionsArriveInOrderAndPendingCounts)
{
    FakeUdpAgent agent(echo);
    QvSNMPRequest a, b;
    aim(a, agent.port());
    aim(b, agent.port());
    a.vars.AddVar(kCol, QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    b.vars.AddVar(kCol, QStringLiteral("b"), SYN_INTEGER, ACC_READONLY);
    Outcomes out;
    std::pair<Outcomes *, int> t1{&out, 1}, t2{&out, 2}, t3{&out, 3};
    a.ReadAsync(&Outcomes::callback, &t1, true);
    b.ReadAsync(&Outcomes::callback, &t2, true);
    a.ReadAsync(&Outcomes::callback, &t3, true);
    EXPECT_EQ(a.pending, 2);
    EXPECT_EQ(b.pending, 1);
    EXPECT_TRUE(out.list.isEmpty()) << "a completion ran inside the send";
    ASSERT_TRUE(WaitUntil([&] { return out.list.size() == 3; }));
    EXPECT_EQ(out.list[0].tag, 1);
    EXPECT_EQ(out.list[1].tag, 2);
    EXPECT_EQ(out.list[2].tag, 3);
    for (const auto &e : out.list) {
        EXPECT_EQ(e.e.code, 0);
        EXPECT_EQ(e.values, QStringList{QStringLiteral("7")});
    }
    EXPECT_EQ(a.pending, 0);
    EXPECT_EQ(b.pending, 0);
}

// Destroying a request or cancelling it drops its sends at once; the answers that still
// arrive are discarded by the engine and reach nobody.
TEST_F(EngineWire, DestructionAndCancelDropOutstandingSendsAtOnce)
{
    std::atomic<bool> answer{false};
    FakeUdpAgent agent([&answer](const FakeRequest &q) {
        FakeResponse r = echo(q);
        r.drop = !answer.load();
        return r;
    });
    for (bool destroy : {true, false}) {
        Outcomes out;
        std::pair<Outcomes *, int> tag{&out, 1};
        auto r = std::make_unique<QvSNMPRequest>();
        aim(*r, agent.port());
        r->timeout = 100;  // 1 s, one retry
        r->vars.AddVar(kCol, QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
        answer = false;
        r->ReadAsync(&Outcomes::callback, &tag, true);
        r->ReadAsync(&Outcomes::callback, &tag, true);
        ASSERT_EQ(r->pending, 2);
        if (destroy)
            r.reset();
        else
            r->Cancel();
        // Nothing was waited for: the sends are still outstanding in the library.
        EXPECT_EQ(QvSNMPAdapter::PendingCount(), 2) << (destroy ? "destroy" : "cancel");
        if (r) {
            EXPECT_EQ(r->pending, 0);
        }
        // The retransmissions are answered; the answers are dropped.
        answer = true;
        ASSERT_TRUE(WaitUntil([] { return QvSNMPAdapter::PendingCount() == 0; }, 8000));
        EXPECT_TRUE(out.list.isEmpty());
    }
}

// The pump wakes for answers and time-outs only: a request to a silent agent times out on time
// from the armed timer, with a handful of rounds rather than one every few milliseconds, and
// afterwards nothing is armed.
TEST_F(EngineWire, PumpWakesOnlyForTimeOutsAndAnswers)
{
    SnmpEventProcessor *pump = SessionParams().EventProcessor;
    ASSERT_NE(pump, nullptr);
    FakeUdpAgent agent([](const FakeRequest &) { FakeResponse r; r.drop = true; return r; });
    QvSNMPRequest r;
    aim(r, agent.port());
    r.timeout = 30;
    r.retries = 1;
    r.vars.AddVar(kCol, QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    Outcomes out;
    std::pair<Outcomes *, int> tag{&out, 1};
    QElapsedTimer waited;
    waited.start();
    const quint64 roundsBefore = pump->Rounds();
    r.ReadAsync(&Outcomes::callback, &tag, true);
    ASSERT_TRUE(WaitUntil([&] { return !out.list.isEmpty(); }, 3000));
    EXPECT_GE(waited.elapsed(), 550);  // two sends of 300 ms each
    EXPECT_EQ(out.list.first().e.code, QVC_TIMEOUT);
    EXPECT_LE(pump->Rounds() - roundsBefore, 8u) << "rounds during a 600 ms wait";
    QCoreApplication::processEvents();
    EXPECT_FALSE(pump->TimerArmed());
}

// Targets that differ only in a secret get sessions of their own, and no session key holds a
// secret in clear.
TEST_F(EngineWire, SessionKeysKeepSecretsOutAndTellThemApart)
{
    QvSNMPTarget v3;
    v3.address = QStringLiteral("127.0.0.1");
    v3.version = 3;
    v3.securityName = QStringLiteral("operator");
    v3.securityLevel = 3;
    v3.authPassword = QStringLiteral("auth-secret-one");
    v3.privPassword = QStringLiteral("priv-secret-one");
    QvSNMPTarget v2c;
    v2c.address = QStringLiteral("127.0.0.1");
    v2c.version = 1;
    v2c.community = QStringLiteral("community-secret-one");
    struct Case {
        const char *name;
        QvSNMPTarget a;
        std::function<void(QvSNMPTarget &)> change;
    };
    const Case cases[] = {
        {"auth password", v3, [](QvSNMPTarget &t) { t.authPassword = QStringLiteral("auth-secret-two"); }},
        {"priv password", v3, [](QvSNMPTarget &t) { t.privPassword = QStringLiteral("priv-secret-two"); }},
        {"passwords swapped", v3, [](QvSNMPTarget &t) { std::swap(t.authPassword, t.privPassword); }},
        {"split moved", v3,
         [](QvSNMPTarget &t) {
             t.authPassword = QStringLiteral("auth-secret-onep");
             t.privPassword = QStringLiteral("riv-secret-one");
         }},
        {"community", v2c, [](QvSNMPTarget &t) { t.community = QStringLiteral("community-secret-two"); }},
    };
    for (const Case &c : cases) {
        QvSNMPTarget b = c.a;
        c.change(b);
        const QString ka = QvSNMPAdapter::SessionKey(c.a), kb = QvSNMPAdapter::SessionKey(b);
        EXPECT_EQ(ka, QvSNMPAdapter::SessionKey(QvSNMPTarget(c.a))) << c.name;
        EXPECT_NE(ka, kb) << c.name;
        for (const QvSNMPTarget *t : {&c.a, static_cast<const QvSNMPTarget *>(&b)})
            for (const QString &secret : {t->authPassword, t->privPassword, t->community})
                if (!secret.isEmpty()) {
                    EXPECT_FALSE(ka.contains(secret)) << c.name;
                    EXPECT_FALSE(kb.contains(secret)) << c.name;
                }
    }

    // On the wire: a second community opens a second session.
    FakeUdpAgent agent(echo);
    QvSNMPAdapter::CloseAllSessions();
    for (const char *community : {"public", "public-too", "public"}) {
        QvSNMPRequest r;
        aim(r, agent.port());
        r.readCommunity = QString::fromLatin1(community);
        r.vars.AddVar(kCol, QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
        r.Read(true);
    }
    EXPECT_EQ(QvSNMPAdapter::OpenSessionCount(), 2);
    QvSNMPAdapter::CloseAllSessions();
}

TEST_F(EngineWire, SessionClosingDecrementsPendingAndCallsNothing)
{
    FakeUdpAgent agent([](const FakeRequest &) { FakeResponse r; r.drop = true; return r; });
    QvSNMPRequest r;
    aim(r, agent.port());
    r.timeout = 300;
    r.vars.AddVar(kCol, QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    Outcomes out;
    std::pair<Outcomes *, int> tag{&out, 1};
    r.ReadAsync(&Outcomes::callback, &tag, true);
    r.ReadAsync(&Outcomes::callback, &tag, true);
    ASSERT_EQ(r.pending, 2);
    QvSNMPAdapter::CloseAllSessions();
    EXPECT_EQ(r.pending, 0);
    EXPECT_TRUE(out.list.isEmpty());
    EXPECT_EQ(QvSNMPAdapter::OpenSessionCount(), 0);
}

TEST_F(EngineWire, ReadableSocketIsServedWithoutTheTimer)
{
    FakeUdpAgent agent(echo);
    SnmpEventProcessor *pump = SessionParams().EventProcessor;
    ASSERT_NE(pump, nullptr);
    ASSERT_TRUE(pump->IsActive());
    QvSNMPRequest r;
    aim(r, agent.port());
    r.vars.AddVar(kCol, QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    r.Read(true);  // opens the session, so its socket is watched
    pump->Stop();
    Outcomes out;
    std::pair<Outcomes *, int> tag{&out, 1};
    r.ReadAsync(&Outcomes::callback, &tag, true);
    const bool arrived = WaitUntil([&] { return !out.list.isEmpty(); }, 2000);
    pump->Start();
    ASSERT_TRUE(arrived);
    EXPECT_EQ(out.list[0].e.code, 0);
}

TEST_F(EngineWire, PumpRefusesReentry)
{
    FakeUdpAgent agent(echo);
    QvSNMPRequest r;
    aim(r, agent.port());
    r.vars.AddVar(kCol, QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    struct Probe {
        bool ran = false;
        bool reentered = true;
    } probe;
    r.ReadAsync(
        [](void *d, QvSNMPError *, QvSNMPVarList *) {
            auto *p = static_cast<Probe *>(d);
            p->ran = true;
            p->reentered = SessionParams().EventProcessor->ProcessPendingEvents();
        },
        &probe, true);
    ASSERT_TRUE(WaitUntil([&] { return probe.ran; }));
    EXPECT_FALSE(probe.reentered);
}

struct ColumnCase {
    const char *base;
    const char *previous;
    const char *received;
    bool done;
};

TEST_F(EngineWire, IsColumnDone)
{
    static const ColumnCase cases[] = {
        {"1.3.6.1.1.1", "", "1.3.6.1.1.1.4", false},
        {"1.3.6.1.1.1", "", "1.3.6.1.1.10.3", true},       // a sibling column, not the subtree
        {"1.3.6.1.1.1", "", "1.3.6.1.1.1", true},          // the column itself is not below it
        {"1.3.6.1.1.1", "1.3.6.1.1.1.4", "1.3.6.1.1.1.4", true},  // repeated
        {"1.3.6.1.1.1", "1.3.6.1.1.1.4", "1.3.6.1.1.1.3", true},  // backwards
        {"1.3.6.1.1.1", "1.3.6.1.1.1.4", "1.3.6.1.1.1.10", false},  // numerically greater
        {"1.3.6.1.1.1", "1.3.6.1.1.1.4", "1.3.6.1.1.2.1", true},
    };
    QvSNMPRequest r;
    r.vars.itemType = MVT_FMV;
    for (const ColumnCase &c : cases)
        EXPECT_EQ(r.IsColumnDone(QLatin1String(c.base), QLatin1String(c.previous), QLatin1String(c.received)), c.done)
            << c.received << " after " << c.previous;
    r.vars.itemType = MVT_SV;
    EXPECT_FALSE(r.IsColumnDone(QStringLiteral("1.3"), QString(), QStringLiteral("1.4")));
}

} // namespace
