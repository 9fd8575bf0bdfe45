// Walk benchmark: a private snmpd serves a view tree family table of more than 1,000 rows; the
// table is walked with blocking and with asynchronous requests (one GET-NEXT per row over its
// four readable columns) and by "snmptable -v1" over the same columns. Each time is the best of
// a few runs; the last line gives both walks' times divided by the reference time.
#include "agent_support.h"
#include "qvsnmpadapter.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest.h"
#include "qvsnmpsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>


#include <cstdio>

namespace {

constexpr int kRows = 1200;
constexpr int kRuns = 3;
const QString kTable = QStringLiteral("1.3.6.1.6.3.16.1.5.2.1");


// A MIB module naming the table's columns, so that the reference tool can walk it.
const char kMib[] = R"(KMV-BENCH-MIB DEFINITIONS ::= BEGIN
kmvViewTable OBJECT-TYPE SYNTAX SEQUENCE OF KmvViewEntry MAX-ACCESS not-accessible STATUS current
    DESCRIPTION "t" ::= { iso 3 6 1 6 3 16 1 5 2 }
kmvViewEntry OBJECT-TYPE SYNTAX KmvViewEntry MAX-ACCESS not-accessible STATUS current DESCRIPTION "r"
    INDEX { kmvViewName, kmvViewSubtree } ::= { kmvViewTable 1 }
KmvViewEntry ::= SEQUENCE { kmvViewName OCTET STRING, kmvViewSubtree OBJECT IDENTIFIER,
    kmvViewMask OCTET STRING, kmvViewType INTEGER, kmvViewStorage INTEGER, kmvViewStatus INTEGER }
kmvViewName OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS not-accessible STATUS current DESCRIPTION "c" ::= { kmvViewEntry 1 }
kmvViewSubtree OBJECT-TYPE SYNTAX OBJECT IDENTIFIER MAX-ACCESS not-accessible STATUS current DESCRIPTION "c" ::= { kmvViewEntry 2 }
kmvViewMask OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-create STATUS current DESCRIPTION "c" ::= { kmvViewEntry 3 }
kmvViewType OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-create STATUS current DESCRIPTION "c" ::= { kmvViewEntry 4 }
kmvViewStorage OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-create STATUS current DESCRIPTION "c" ::= { kmvViewEntry 5 }
kmvViewStatus OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-create STATUS current DESCRIPTION "c" ::= { kmvViewEntry 6 }
END
)";

void prepare(QvSNMPRequest &r, quint16 port)
{
    r.agentAddress = QStringLiteral("127.0.0.1");
    r.agentPort = port;
    r.version = 0;
    r.readCommunity = QStringLiteral("public");
    r.timeout = 200;
    r.vars.Clear();
    r.vars.itemType = MVT_FMV;
    r.vars.indexCount = 2;
    r.vars.AddVar(kTable + QStringLiteral(".1"), QStringLiteral("name"), SYN_DISPLAYSTR, ACC_NOTACCESS);
    r.vars.AddVar(kTable + QStringLiteral(".2"), QStringLiteral("subtree"), SYN_OBJECTID, ACC_NOTACCESS);
    r.vars.AddVar(kTable + QStringLiteral(".3"), QStringLiteral("mask"), SYN_OCTETSTR, ACC_READONLY);
    r.vars.AddVar(kTable + QStringLiteral(".4"), QStringLiteral("type"), SYN_INTEGER, ACC_READONLY);
    r.vars.AddVar(kTable + QStringLiteral(".5"), QStringLiteral("storage"), SYN_INTEGER, ACC_READONLY);
    r.vars.AddVar(kTable + QStringLiteral(".6"), QStringLiteral("status"), SYN_INTEGER, ACC_READONLY);
}

int blockingWalk(quint16 port)
{
    QvSNMPRequest r;
    prepare(r, port);
    int rows = 0;
    for (bool more = r.Read(true); more; more = r.Read(false))
        ++rows;
    return rows;
}

struct AsyncWalk {
    QvSNMPRequest r;
    QEventLoop loop;
    int rows = 0;
    int code = 0;
    static void step(void *data, QvSNMPError *e, QvSNMPVarList *)
    {
        auto *w = static_cast<AsyncWalk *>(data);
        if (e->code == 0 && !e->finished) {
            ++w->rows;
            try {
                w->r.ReadAsync(&AsyncWalk::step, w, false);
                return;
            } catch (const QvSNMPException &x) {
                w->code = x.code();
            }
        } else {
            w->code = e->code;
        }
        w->loop.quit();
    }
};

int asyncWalk(quint16 port)
{
    AsyncWalk w;
    prepare(w.r, port);
    w.r.ReadAsync(&AsyncWalk::step, &w, true);
    QTimer::singleShot(120000, &w.loop, &QEventLoop::quit);  // bounded
    w.loop.exec();
    return w.code == 0 ? w.rows : -1;
}

int referenceWalk(quint16 port, const QString &dir)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir);
    env.insert(QStringLiteral("SNMPCONFPATH"), dir);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("snmptable"),
            {QStringLiteral("-M"), dir, QStringLiteral("-m"), QStringLiteral("KMV-BENCH-MIB"), QStringLiteral("-v1"),
             QStringLiteral("-c"), QStringLiteral("public"), QStringLiteral("-Cf"), QStringLiteral(","),
             QStringLiteral("-CH"), QStringLiteral("127.0.0.1:%1").arg(port),
             QStringLiteral("KMV-BENCH-MIB::kmvViewTable")});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return -1;
    int rows = 0;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
        rows += line.contains(',') ? 1 : 0;
    return rows;
}

template <typename F>
double best(F &&f, int *rows)
{
    double bestMs = 1e300;
    for (int k = 0; k < kRuns; ++k) {
        QElapsedTimer t;
        t.start();
        *rows = f();
        bestMs = qMin(bestMs, t.nsecsElapsed() / 1e6);
    }
    return bestMs;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const quint16 port = freeUdpPort();
    QStringList conf{QStringLiteral("agentaddress udp:127.0.0.1:%1").arg(port),
                     QStringLiteral("rocommunity public 127.0.0.1")};
    for (int k = 1; k <= kRows; ++k)
        conf << QStringLiteral("view bench included .1.3.6.1.4.1.99999.%1").arg(k);
    QFile cf(dir.path() + QStringLiteral("/snmpd.conf"));
    QFile mib(dir.path() + QStringLiteral("/KMV-BENCH-MIB.txt"));
    if (!cf.open(QIODevice::WriteOnly) || !mib.open(QIODevice::WriteOnly))
        return 1;
    cf.write(conf.join(QLatin1Char('\n')).toLatin1() + '\n');
    cf.close();
    mib.write(kMib);
    mib.close();

    QProcess snmpd;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), dir.path() + QStringLiteral("/persist"));
    env.insert(QStringLiteral("MIBS"), QString());
    snmpd.setProcessEnvironment(env);
    snmpd.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    snmpd.setStandardOutputFile(QProcess::nullDevice());
    snmpd.start(QStringLiteral("/usr/sbin/snmpd"),
                {QStringLiteral("-f"), QStringLiteral("-Lo"), QStringLiteral("-C"), QStringLiteral("-c"), cf.fileName()});
    if (!snmpd.waitForStarted(5000)) {
        std::fprintf(stderr, "snmpd did not start\n");
        return 1;
    }
    int status = 0;
    try {
        OpenGlobalSession(dir.path());
        // Wait until the agent answers.
        QElapsedTimer up;
        up.start();
        for (;;) {
            try {
                QvSNMPRequest probe;
                prepare(probe, port);
                probe.timeout = 20;
                probe.Read(true);
                break;
            } catch (const QvSNMPException &) {
                if (up.elapsed() > 10000)
                    throw;
            }
        }
        int refRows = 0, blockRows = 0, asyncRows = 0;
        const double ref = best([&] { return referenceWalk(port, dir.path()); }, &refRows);
        const double blocking = best([&] { return blockingWalk(port); }, &blockRows);
        const double async = best([&] { return asyncWalk(port); }, &asyncRows);
        std::printf("rows: reference=%d blocking=%d async=%d\n", refRows, blockRows, asyncRows);
        std::printf("best of %d: reference=%.1f ms blocking=%.1f ms async=%.1f ms\n", kRuns, ref, blocking, async);
        if (refRows < 1000 || blockRows != refRows || asyncRows != refRows) {
            std::fprintf(stderr, "row counts differ or the table is too small\n");
            status = 1;
        }
        std::printf("blocking_ratio=%.3f async_ratio=%.3f\n", blocking / ref, async / ref);
    } catch (const QvSNMPException &e) {
        std::fprintf(stderr, "failed: %d %s\n", e.code(), e.what());
        status = 1;
    }
    QvSNMPAdapter::CloseAllSessions();
    snmpd.terminate();
    if (!snmpd.waitForFinished(3000)) {
        snmpd.kill();
        snmpd.waitForFinished(3000);
    }
    return status;
}
