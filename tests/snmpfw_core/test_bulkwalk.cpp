// Table walks in bulk (GETBULK under SNMPv2c and SNMPv3): the rows agree with a GET-NEXT walk of
// the same table on the simulated switch and on snmpd, answers that end a table in mid-answer or
// cut a row short, an agent that answers tooBig (fewer rows asked) or refuses GETBULK (GET-NEXT
// from then on), and SNMPv1, which keeps GET-NEXT.
#include "engine_support.h"
#include "fake_udp_agent.h"
#include "kmvsim_process.h"
#include "qvsnmpadapter.h"
#include "qvsnmpexception.h"
#include "snmpd_process.h"

#include <gtest/gtest.h>

namespace {

// Drives an asynchronous walk as a binding does: the next step from inside the callback.
struct Walk {
    QvSNMPRequest request;
    QStringList rows;  // per row: the instance, then every readable value
    QvSNMPError outcome;
    bool done = false;

    static void Step(void *data, QvSNMPError *e, QvSNMPVarList *vars)
    {
        auto *w = static_cast<Walk *>(data);
        if (e->code == 0 && !e->finished) {
            QStringList row{w->request.RowIndex()};
            for (int i = 0; i < vars->Count(); ++i)
                if (vars->IsReadable(i))
                    row << vars->Item(i).valueText;
            w->rows << row.join(u'|');
            try {
                w->request.ReadAsync(&Walk::Step, w, false);
                return;
            } catch (const QvSNMPException &x) {
                w->outcome.code = x.code();
            }
        } else {
            w->outcome = *e;
        }
        w->done = true;
    }

    bool Run(int ms = 60000)
    {
        rows.clear();
        done = false;
        request.ReadAsync(&Walk::Step, this, true);
        return WaitUntil([this] { return done; }, ms);
    }
};

void Aim(QvSNMPRequest &r, quint16 port, qint8 version, const char *community)
{
    r.agentAddress = QStringLiteral("127.0.0.1");
    r.agentPort = port;
    r.version = version;
    r.readCommunity = QString::fromLatin1(community);
    r.timeout = 100;
}

// The forwarding database's three columns.
void FdbColumns(QvSNMPVarList &vars)
{
    vars.Clear();
    vars.itemType = MVT_FMV;
    vars.indexCount = 1;
    const QString e = QStringLiteral("1.3.6.1.2.1.17.4.3.1");
    vars.AddVar(e + ".1", QStringLiteral("address"), SYN_MACADDRESS, ACC_READONLY);
    vars.AddVar(e + ".2", QStringLiteral("port"), SYN_INTEGER, ACC_READONLY);
    vars.AddVar(e + ".3", QStringLiteral("status"), SYN_INTEGER, ACC_READONLY);
}

// snmpd's view tree family table: two index columns, four readable ones.
void ViewColumns(QvSNMPVarList &vars)
{
    vars.Clear();
    vars.itemType = MVT_FMV;
    vars.indexCount = 2;
    const QString e = QStringLiteral("1.3.6.1.6.3.16.1.5.2.1");
    vars.AddVar(e + ".1", QStringLiteral("name"), SYN_DISPLAYSTR, ACC_NOTACCESS);
    vars.AddVar(e + ".2", QStringLiteral("subtree"), SYN_OBJECTID, ACC_NOTACCESS);
    vars.AddVar(e + ".3", QStringLiteral("mask"), SYN_OCTETSTR, ACC_READONLY);
    vars.AddVar(e + ".4", QStringLiteral("type"), SYN_INTEGER, ACC_READONLY);
    vars.AddVar(e + ".5", QStringLiteral("storage"), SYN_INTEGER, ACC_READONLY);
    vars.AddVar(e + ".6", QStringLiteral("status"), SYN_INTEGER, ACC_READONLY);
}

// The same rows, one blocking GET-NEXT per row.
QStringList GetNextRows(const QvSNMPRequest &like, void (*columns)(QvSNMPVarList &))
{
    QvSNMPRequest r;
    Aim(r, like.agentPort, like.version, like.readCommunity.toLatin1().constData());
    r.securityName = like.securityName;
    r.securityLevel = like.securityLevel;
    r.securityModel = like.securityModel;
    r.authProtocol = like.authProtocol;
    r.authPassword = like.authPassword;
    columns(r.vars);
    QStringList rows;
    for (bool more = r.Read(true); more; more = r.Read(false)) {
        QStringList row{r.RowIndex()};
        for (int i = 0; i < r.vars.Count(); ++i)
            if (r.vars.IsReadable(i))
                row << r.vars.Item(i).valueText;
        rows << row.join(u'|');
    }
    return rows;
}

class BulkWalk : public ::testing::Test {
protected:
    static void SetUpTestSuite() { openTestSession(); }
};

TEST_F(BulkWalk, SimulatedSwitchRowsAgreeWithGetNext)
{
    KmvSimProcess sim({QStringLiteral("--fdb-size"), QStringLiteral("700"), QStringLiteral("--scenario"),
                       QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    struct Case {
        const char *name;
        qint8 version;
        int maxRepetitions;
    } cases[] = {{"v2c, as many rows as fit", 1, 0}, {"v2c, 7 rows", 1, 7}, {"v3, 13 rows", 3, 13}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Walk w;
        Aim(w.request, sim.port(), c.version, "corvet");
        if (c.version == 3) {
            w.request.securityModel = 3;
            w.request.securityName = QStringLiteral("SHA_User");
            w.request.securityLevel = 2;
            w.request.authProtocol = 3;
            w.request.authPassword = QStringLiteral("kmvauth7040");
        }
        w.request.useGetBulk = 1;
        w.request.maxRepetitions = c.maxRepetitions;
        FdbColumns(w.request.vars);
        ASSERT_TRUE(w.Run());
        EXPECT_EQ(w.outcome.code, 0) << w.outcome.text.toStdString();
        const QStringList expected = GetNextRows(w.request, FdbColumns);
        EXPECT_EQ(expected.size(), 700);
        EXPECT_EQ(w.rows, expected);
    }
}

TEST_F(BulkWalk, SnmpdTableEndingInMidAnswerAgreesWithGetNext)
{
    QStringList views;
    for (int k = 0; k < 150; ++k)
        views << QStringLiteral("view bulkview included .1.3.6.1.4.1.%1").arg(1000 + k);
    SnmpdProcess snmpd(views);
    ASSERT_TRUE(snmpd.start()) << snmpd.errorText().toStdString();
    for (int reps : {0, 7, 500}) {
        SCOPED_TRACE(reps);
        Walk w;
        Aim(w.request, snmpd.port(), 1, SnmpdProcess::ReadCommunity);
        w.request.useGetBulk = 1;
        w.request.maxRepetitions = reps;
        ViewColumns(w.request.vars);
        ASSERT_TRUE(w.Run());
        EXPECT_EQ(w.outcome.code, 0) << w.outcome.text.toStdString();
        const QStringList expected = GetNextRows(w.request, ViewColumns);
        EXPECT_GE(expected.size(), 150);
        EXPECT_EQ(w.rows, expected);
    }
}

// A two-column table of ten rows behind a scripted agent.
const QString kBase = QStringLiteral("1.3.6.1.4.1.99.2.1");
constexpr int kRows = 10;

FakeVb NextOf(const QList<quint32> &oid)
{
    const QList<quint32> base = FakeUdpAgent::oid(kBase);
    FakeVb vb;
    int col = 1, row = 1;
    if (oid.mid(0, base.size()) == base && oid.size() > base.size()) {
        col = int(oid[base.size()]);
        row = oid.size() > base.size() + 1 ? int(oid[base.size() + 1]) + 1 : 1;
    } else if (FakeUdpAgent::text(oid) > kBase) {
        col = 3;
    }
    if (row > kRows) {
        ++col;
        row = 1;
    }
    if (col > 2) {
        vb.oid = FakeUdpAgent::oid(QStringLiteral("1.3.6.1.4.1.99.3.0"));
        vb.value = FakeUdpAgent::integer(0);
        return vb;
    }
    vb.oid = base;
    vb.oid << quint32(col) << quint32(row);
    vb.value = FakeUdpAgent::integer(col * 100 + row);
    return vb;
}

FakeResponse Answer(const FakeRequest &q, int maxRows, bool cutLastRow)
{
    FakeResponse r;
    if (q.pduType == 0xa1) {
        for (const FakeVb &v : q.vbs)
            r.vbs << NextOf(v.oid);
        return r;
    }
    QList<FakeVb> cursor = q.vbs;
    for (int k = 0; k < qMin(q.errorIndex, maxRows); ++k)
        for (FakeVb &v : cursor) {
            v = NextOf(v.oid);
            r.vbs << v;
        }
    if (cutLastRow && r.vbs.size() > 2)
        r.vbs.removeLast();
    return r;
}

void TwoColumns(QvSNMPVarList &vars)
{
    vars.Clear();
    vars.itemType = MVT_FMV;
    vars.indexCount = 1;
    vars.AddVar(kBase, QStringLiteral("row"), SYN_INTEGER, ACC_NOTACCESS);
    vars.AddVar(kBase + ".1", QStringLiteral("a"), SYN_INTEGER, ACC_READONLY);
    vars.AddVar(kBase + ".2", QStringLiteral("b"), SYN_INTEGER, ACC_READONLY);
}

TEST_F(BulkWalk, ScriptedAgents)
{
    struct Case {
        const char *name;
        qint8 version;
        std::function<FakeResponse(const FakeRequest &)> agent;
        QList<quint8> expectedKinds;  // PDU types in order (a prefix when the list ends with 0)
        QList<int> expectedRepetitions;  // of the GETBULK requests, in order
    } cases[] = {
        {"rows cut short at the answer's end", 1, [](const FakeRequest &q) { return Answer(q, 100, true); },
         {0xa5, 0xa5, 0xa5, 0xa5}, {4, 4, 4, 4}},
        {"tooBig asks for fewer rows", 1,
         [](const FakeRequest &q) {
             if (q.pduType == 0xa5 && q.errorIndex > 4) {
                 FakeResponse r;
                 r.errorStatus = 1;
                 r.vbs = q.vbs;
                 return r;
             }
             return Answer(q, 100, false);
         },
         {0xa5, 0xa5, 0xa5, 0xa5, 0xa5}, {16, 8, 4, 4, 4}},
        {"an agent refusing GETBULK is walked with GET-NEXT", 1,
         [](const FakeRequest &q) {
             if (q.pduType == 0xa5) {
                 FakeResponse r;
                 r.errorStatus = 5;
                 r.vbs = q.vbs;
                 return r;
             }
             return Answer(q, 100, false);
         },
         {0xa5, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1}, {16}},
        {"SNMPv1 keeps GET-NEXT", 0, [](const FakeRequest &q) { return Answer(q, 100, false); },
         {0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1, 0xa1}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakeUdpAgent agent(c.agent);
        ASSERT_TRUE(agent.ok());
        Walk w;
        Aim(w.request, agent.port(), c.version, "public");
        w.request.useGetBulk = 1;
        w.request.maxRepetitions = c.name == std::string("rows cut short at the answer's end") ? 4 : 16;
        TwoColumns(w.request.vars);
        ASSERT_TRUE(w.Run(20000));
        EXPECT_EQ(w.outcome.code, 0) << w.outcome.text.toStdString();
        ASSERT_EQ(w.rows.size(), kRows);
        for (int r = 1; r <= kRows; ++r)
            EXPECT_EQ(w.rows[r - 1], QStringLiteral("%1|%2|%3").arg(r).arg(100 + r).arg(200 + r));
        QList<quint8> kinds;
        QList<int> repetitions;
        for (const FakeRequest &q : agent.requests()) {
            kinds << q.pduType;
            if (q.pduType == 0xa5)
                repetitions << q.errorIndex;
        }
        EXPECT_EQ(kinds, c.expectedKinds);
        EXPECT_EQ(repetitions, c.expectedRepetitions);
    }
}

// A one-column table of 2,000 rows whose agent answers at most answerRows rows and refuses
// (tooBig) more than tooBigAbove.
const QString kLong = QStringLiteral("1.3.6.1.4.1.99.4.1.1");
constexpr int kLongRows = 2000;

FakeResponse LongAnswer(const FakeRequest &q, int answerRows, int tooBigAbove)
{
    FakeResponse r;
    if (q.pduType == 0xa5 && q.errorIndex > tooBigAbove) {
        r.errorStatus = 1;
        r.vbs = q.vbs;
        return r;
    }
    const QList<quint32> base = FakeUdpAgent::oid(kLong);
    QList<quint32> at = q.vbs.value(0).oid;
    int row = at.size() > base.size() && at.mid(0, base.size()) == base ? int(at[base.size()]) : 0;
    const int count = q.pduType == 0xa5 ? qMin(q.errorIndex, answerRows) : 1;
    for (int k = 0; k < count; ++k) {
        FakeVb vb;
        if (++row > kLongRows) {
            vb.oid = FakeUdpAgent::oid(QStringLiteral("1.3.6.1.4.1.99.5.0"));
        } else {
            vb.oid = base;
            vb.oid << quint32(row);
        }
        vb.value = FakeUdpAgent::integer(row);
        r.vbs << vb;
    }
    return r;
}

// Without a fixed max-repetitions the walk asks for twice the rows while answers come back
// whole, halves on tooBig and grows no more after it, and stops growing at an agent that sends
// fewer rows than asked.
TEST_F(BulkWalk, RepetitionsFitTheAgent)
{
    struct Case {
        const char *name;
        int answerRows, tooBigAbove;
    } cases[] = {
        {"whole answers: the rows double", 100000, 100000},
        {"tooBig caps the growth", 100000, 150},
        {"an agent that sends fewer rows", 90, 100000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakeUdpAgent agent([&c](const FakeRequest &q) { return LongAnswer(q, c.answerRows, c.tooBigAbove); });
        ASSERT_TRUE(agent.ok());
        Walk w;
        Aim(w.request, agent.port(), 1, "public");
        w.request.useGetBulk = 1;
        w.request.vars.itemType = MVT_FMV;
        w.request.vars.indexCount = 1;
        w.request.vars.AddVar(kLong, QStringLiteral("row"), SYN_INTEGER, ACC_NOTACCESS);
        w.request.vars.AddVar(kLong, QStringLiteral("v"), SYN_INTEGER, ACC_READONLY);
        ASSERT_TRUE(w.Run(20000));
        EXPECT_EQ(w.outcome.code, 0) << w.outcome.text.toStdString();
        ASSERT_EQ(w.rows.size(), kLongRows);
        EXPECT_EQ(w.rows.last(), QStringLiteral("%1|%1").arg(kLongRows));
        QList<int> reps;
        for (const FakeRequest &q : agent.requests())
            if (q.pduType == 0xa5)
                reps << q.errorIndex;
        ASSERT_GE(reps.size(), 3);
        EXPECT_GE(reps.first(), 1);
        EXPECT_LE(reps.first(), 64);
        int refused = 0;
        for (int k = 1; k < reps.size(); ++k) {
            const int prev = reps[k - 1];
            const bool prevRefused = prev > c.tooBigAbove;
            const bool prevWhole = !prevRefused && prev <= c.answerRows;
            if (prevRefused) {
                refused = prev;
                EXPECT_EQ(reps[k], prev / 2) << k;
            } else if (prevWhole) {
                EXPECT_EQ(reps[k], refused ? prev : qMin(2 * prev, int(QvSNMPRequest::MaxBulkRepetitions))) << k;
            } else {
                EXPECT_EQ(reps[k], prev) << "no growth after an answer short of what was asked, " << k;
            }
            if (refused) {
                EXPECT_LT(reps[k], refused) << k;
            }
        }
        EXPECT_LT(reps.size(), 30) << "a 2,000-row table takes a handful of answers";
    }
}

} // namespace
