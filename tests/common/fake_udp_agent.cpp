#include "fake_udp_agent.h"

#include <QStringList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QByteArray tlv(quint8 tag, const QByteArray &content)
{
    QByteArray out(1, char(tag));
    const int n = content.size();
    if (n < 0x80) {
        out.append(char(n));
    } else if (n < 0x100) {
        out.append(char(0x81)).append(char(n));
    } else {
        out.append(char(0x82)).append(char(n >> 8)).append(char(n & 0xff));
    }
    return out + content;
}

struct Reader {
    const QByteArray &b;
    int p = 0;
    int end;
    Reader(const QByteArray &b, int from, int to) : b(b), p(from), end(to) {}
    // Reads one TLV header; returns false on malformed input.
    bool next(quint8 *tag, int *from, int *to)
    {
        if (p + 2 > end)
            return false;
        *tag = quint8(b[p++]);
        int len = quint8(b[p++]);
        if (len & 0x80) {
            const int k = len & 0x7f;
            if (k < 1 || k > 2 || p + k > end)
                return false;
            len = 0;
            for (int i = 0; i < k; ++i)
                len = (len << 8) | quint8(b[p++]);
        }
        if (p + len > end)
            return false;
        *from = p;
        *to = p + len;
        p += len;
        return true;
    }
};

qint64 readInt(const QByteArray &b, int from, int to)
{
    qint64 v = (to > from && (quint8(b[from]) & 0x80)) ? -1 : 0;
    for (int i = from; i < to; ++i)
        v = (v << 8) | quint8(b[i]);
    return v;
}

QList<quint32> readOid(const QByteArray &b, int from, int to)
{
    QList<quint32> o;
    if (from >= to)
        return o;
    const int first = quint8(b[from]);
    o << quint32(first / 40) << quint32(first % 40);
    quint32 v = 0;
    for (int i = from + 1; i < to; ++i) {
        v = (v << 7) | (quint8(b[i]) & 0x7f);
        if (!(quint8(b[i]) & 0x80)) {
            o << v;
            v = 0;
        }
    }
    return o;
}

QByteArray encodeOid(const QList<quint32> &o)
{
    QByteArray c;
    if (o.size() < 2)
        return tlv(0x06, QByteArray(1, 0));
    c.append(char(o[0] * 40 + o[1]));
    for (int i = 2; i < o.size(); ++i) {
        quint32 v = o[i];
        QByteArray part(1, char(v & 0x7f));
        while (v >>= 7)
            part.prepend(char(0x80 | (v & 0x7f)));
        c += part;
    }
    return tlv(0x06, c);
}

bool parse(const QByteArray &d, FakeRequest *r)
{
    Reader top(d, 0, d.size());
    quint8 t;
    int a, z;
    if (!top.next(&t, &a, &z) || t != 0x30)
        return false;
    Reader msg(d, a, z);
    if (!msg.next(&t, &a, &z) || t != 0x02)
        return false;
    r->version = int(readInt(d, a, z));
    if (!msg.next(&t, &a, &z) || t != 0x04)
        return false;
    r->community = d.mid(a, z - a);
    if (!msg.next(&t, &a, &z))
        return false;
    r->pduType = t;
    Reader pdu(d, a, z);
    if (!pdu.next(&t, &a, &z) || t != 0x02)
        return false;
    r->requestId = int(readInt(d, a, z));
    if (!pdu.next(&t, &a, &z) || t != 0x02)
        return false;
    r->errorStatus = int(readInt(d, a, z));
    if (!pdu.next(&t, &a, &z) || t != 0x02)
        return false;
    r->errorIndex = int(readInt(d, a, z));
    if (!pdu.next(&t, &a, &z) || t != 0x30)
        return false;
    Reader list(d, a, z);
    while (list.p < list.end) {
        if (!list.next(&t, &a, &z) || t != 0x30)
            return false;
        Reader vb(d, a, z);
        int oa, oz;
        if (!vb.next(&t, &oa, &oz) || t != 0x06)
            return false;
        FakeVb v;
        v.oid = readOid(d, oa, oz);
        const int vstart = vb.p;
        if (!vb.next(&t, &a, &z))
            return false;
        v.value = d.mid(vstart, z - vstart);
        r->vbs << v;
    }
    return true;
}

QByteArray encodeResponse(const FakeRequest &q, const FakeResponse &r)
{
    QByteArray list;
    for (const FakeVb &v : r.vbs)
        list += tlv(0x30, encodeOid(v.oid) + v.value);
    const QByteArray pdu = FakeUdpAgent::integer(q.requestId) + FakeUdpAgent::integer(r.errorStatus) +
                           FakeUdpAgent::integer(r.errorIndex) + tlv(0x30, list);
    return tlv(0x30, FakeUdpAgent::integer(q.version) + FakeUdpAgent::octets(q.community) + tlv(0xa2, pdu));
}

} // namespace

FakeUdpAgent::FakeUdpAgent(Handler handler) : m_handler(std::move(handler))
{
    m_fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (m_fd < 0)
        return;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (::bind(m_fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 ||
        ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&a), &len) != 0) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_port = ntohs(a.sin_port);
    m_thread = std::thread([this] { run(); });
}

FakeUdpAgent::~FakeUdpAgent()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_fd >= 0)
        ::close(m_fd);
}

QList<FakeRequest> FakeUdpAgent::requests() const
{
    QMutexLocker l(&m_mutex);
    return m_requests;
}

void FakeUdpAgent::run()
{
    while (!m_stop) {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        char buf[65536];
        sockaddr_in from{};
        socklen_t fl = sizeof from;
        const ssize_t n = ::recvfrom(m_fd, buf, sizeof buf, 0, reinterpret_cast<sockaddr *>(&from), &fl);
        if (n <= 0)
            continue;
        ++m_datagrams;
        FakeRequest q;
        if (!parse(QByteArray(buf, int(n)), &q))
            continue;
        {
            QMutexLocker l(&m_mutex);
            m_requests << q;
        }
        const FakeResponse r = m_handler(q);
        if (r.drop)
            continue;
        const QByteArray out = encodeResponse(q, r);
        ::sendto(m_fd, out.constData(), size_t(out.size()), 0, reinterpret_cast<sockaddr *>(&from), fl);
    }
}

QByteArray FakeUdpAgent::integer(qint64 v)
{
    QByteArray c;
    do {
        c.prepend(char(v & 0xff));
        v >>= 8;
    } while (!((v == 0 && !(quint8(c[0]) & 0x80)) || (v == -1 && (quint8(c[0]) & 0x80))));
    return tlv(0x02, c);
}

QByteArray FakeUdpAgent::octets(const QByteArray &s) { return tlv(0x04, s); }
QByteArray FakeUdpAgent::null() { return tlv(0x05, {}); }
QByteArray FakeUdpAgent::endOfMibView() { return tlv(0x82, {}); }

QList<quint32> FakeUdpAgent::oid(const QString &dotted)
{
    QList<quint32> o;
    for (const QString &p : dotted.split(QLatin1Char('.'), Qt::SkipEmptyParts))
        o << p.toUInt();
    return o;
}

QString FakeUdpAgent::text(const QList<quint32> &oid)
{
    QStringList p;
    for (quint32 v : oid)
        p << QString::number(v);
    return p.join(QLatin1Char('.'));
}

qint64 FakeUdpAgent::intOf(const QByteArray &t)
{
    Reader r(t, 0, t.size());
    quint8 tag;
    int a, z;
    return r.next(&tag, &a, &z) ? readInt(t, a, z) : 0;
}

QByteArray FakeUdpAgent::octetsOf(const QByteArray &t)
{
    Reader r(t, 0, t.size());
    quint8 tag;
    int a, z;
    return r.next(&tag, &a, &z) ? t.mid(a, z - a) : QByteArray();
}
