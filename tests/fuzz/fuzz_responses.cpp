// Responses to the request engine from a hostile responder on loopback: every answer's error
// status, instances and value encodings come from the input, against a table walk with index
// columns of several syntaxes and a write with read-back.
#include "fake_udp_agent.h"
#include "fuzz_support.h"
#include "qvsnmpadapter.h"
#include "qvsnmprequest.h"
#include "qvsnmpsession.h"
#include "qvsnmptypes.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <mutex>

namespace {

const QString Table = QStringLiteral("1.3.6.1.4.1.99.7.1");
const quint32 ColumnSyntaxes[] = {SYN_INTEGER,  SYN_DISPLAYSTR, SYN_OCTETSTR, SYN_IPADDRESS, SYN_COUNTER64,
                                  SYN_TIMETICKS, SYN_OBJECTID,  SYN_DATETIME, SYN_MACADDRESS, SYN_DOUBLE};

std::mutex g_lock;
QByteArray g_input;
size_t g_pos = 0;

quint8 take()
{
    return g_pos < size_t(g_input.size()) ? quint8(g_input[qsizetype(g_pos++)]) : 0;
}

QByteArray takeBytes(int max)
{
    const int n = take() % (max + 1);
    QByteArray b = g_input.mid(qsizetype(g_pos), n);
    g_pos += size_t(b.size());
    return b;
}

// Each binding: the asked OID, one deeper, a sibling or an OID from the input; a value TLV that
// is well formed or raw input.
FakeResponse hostile(const FakeRequest &q)
{
    std::lock_guard<std::mutex> hold(g_lock);
    FakeResponse r;
    const quint8 head = take();
    r.drop = head == 0xFF;
    r.errorStatus = head % 16 == 0 ? take() % 20 : 0;
    r.errorIndex = r.errorStatus ? take() % 4 : 0;
    for (const FakeVb &v : q.vbs) {
        FakeVb a;
        const quint8 how = take();
        a.oid = v.oid;
        switch (how % 5) {
        case 0: break;
        case 1: a.oid << take(); break;
        case 2: a.oid << take() << take() << 'a' << take(); break;
        case 3: if (!a.oid.isEmpty()) a.oid.last() = take(); break;
        default:
            a.oid.clear();
            for (int n = take() % 12; n > 0; --n)
                a.oid << (quint32(take()) << 8 | take());
            if (a.oid.size() < 2)
                a.oid = {1, 3};
        }
        switch (take() % 4) {
        case 0: a.value = FakeUdpAgent::integer(qint64(qint8(take())) * 1000 + take()); break;
        case 1: a.value = FakeUdpAgent::octets(takeBytes(16)); break;
        case 2: a.value = FakeUdpAgent::null(); break;
        default: {
            QByteArray tlv = takeBytes(12);
            a.value = tlv.isEmpty() ? FakeUdpAgent::endOfMibView() : tlv;
        }
        }
        r.vbs << a;
        if (take() % 7 == 0)
            r.vbs << a;  // a binding too many
    }
    if (!r.vbs.isEmpty() && take() % 9 == 0)
        r.vbs.removeLast();  // one too few
    return r;
}

std::unique_ptr<FakeUdpAgent> g_agent;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir dir;
    OpenGlobalSession(dir.path());
    g_agent = std::make_unique<FakeUdpAgent>(hostile);
    // The engine keeps its sessions for the process's life; closing them at exit keeps the leak
    // check to what the inputs did.
    std::atexit([] {
        QvSNMPAdapter::CloseAllSessions();
        g_agent.reset();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        g_input = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
        g_pos = 2;
    }
    QvSNMPRequest r;
    r.agentAddress = QStringLiteral("127.0.0.1");
    r.agentPort = g_agent->port();
    r.version = data[0] & 1;
    r.readCommunity = QStringLiteral("public");
    r.writeCommunity = QStringLiteral("private");
    r.timeout = 2;  // 20 ms: a dropped or unreadable answer costs little
    r.retries = 0;
    r.maxWalkRows = 20;
    r.vars.itemType = MVT_FMV;
    r.vars.indexCount = 2;
    r.vars.AddVar(Table + QStringLiteral(".1"), QStringLiteral("i"), SYN_INTEGER, ACC_READONLY);
    r.vars.AddVar(Table + QStringLiteral(".2"), QStringLiteral("s"), data[1] & 1 ? SYN_DISPLAYSTR : SYN_IPADDRESS,
                  ACC_NOTACCESS | (data[1] & 2 ? ACC_IMPLIED : 0));
    r.vars.AddVar(Table + QStringLiteral(".3"), QStringLiteral("a"),
                  ColumnSyntaxes[(data[1] >> 2) % (sizeof ColumnSyntaxes / sizeof ColumnSyntaxes[0])], ACC_READWRITE);
    r.vars.AddVar(Table + QStringLiteral(".4"), QStringLiteral("b"), SYN_INTEGER, ACC_READWRITE);
    Tolerating([&] {
        int rows = 0;
        for (bool more = r.Read(true); more && rows < 30; more = r.Read(false))
            ++rows;
    });
    if (data[1] & 0x80) {
        Tolerating([&] {
            r.vars.Item(0).valueText = QStringLiteral("1");
            r.vars.Item(1).valueText = data[1] & 1 ? QStringLiteral("ab") : QStringLiteral("1.2.3.4");
            r.vars.Item(3).valueText = QStringLiteral("5");
            r.Write(true, QStringLiteral("3"));
        });
    }
    return 0;
}
