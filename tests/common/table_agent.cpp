#include "table_agent.h"

namespace {

QByteArray tlv(quint8 tag, const QByteArray &content)
{
    QByteArray out(1, char(tag));
    out.append(char(content.size()));
    return out + content;
}

QByteArray unsignedTlv(quint8 tag, quint32 v)
{
    QByteArray c;
    quint64 n = v;
    do {
        c.prepend(char(n & 0xff));
        n >>= 8;
    } while (n != 0);
    if (quint8(c[0]) & 0x80)
        c.prepend('\0');
    return tlv(tag, c);
}

bool under(const QList<quint32> &oid, const QList<quint32> &prefix)
{
    return oid.size() >= prefix.size() && oid.mid(0, prefix.size()) == prefix;
}

}  // namespace

TableAgent::TableAgent()
{
    m_agent = std::make_unique<FakeUdpAgent>([this](const FakeRequest &r) { return answer(r); });
}

TableAgent::~TableAgent()
{
    m_agent.reset();
}

void TableAgent::put(const QString &oid, const QByteArray &tlv)
{
    QMutexLocker lock(&m_mutex);
    m_values[FakeUdpAgent::oid(oid)] = tlv;
}

QByteArray TableAgent::value(const QString &oid) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_values.find(FakeUdpAgent::oid(oid));
    return it == m_values.end() ? QByteArray() : it->second;
}

void TableAgent::failSetsUnder(const QString &prefix, int errorStatus)
{
    QMutexLocker lock(&m_mutex);
    m_failPrefix = prefix;
    m_failStatus = errorStatus;
}

FakeResponse TableAgent::answer(const FakeRequest &r)
{
    QMutexLocker lock(&m_mutex);
    FakeResponse resp;
    if ((r.pduType == 0xa1 || r.pduType == 0xa5) && !m_dropFrom.isEmpty() && !r.vbs.isEmpty()
        && r.vbs[0].oid >= m_dropFrom) {
        resp.drop = true;
        return resp;
    }
    if (r.pduType == 0xa3 && m_failStatus != 0) {
        const QList<quint32> prefix = FakeUdpAgent::oid(m_failPrefix);
        for (int i = 0; i < r.vbs.size(); ++i)
            if (under(r.vbs[i].oid, prefix)) {
                resp.errorStatus = m_failStatus;
                resp.errorIndex = i + 1;
                resp.vbs = r.vbs;
                m_failStatus = 0;
                return resp;
            }
    }
    if (r.pduType == 0xa5)
        return bulkAnswer(r);
    for (int i = 0; i < r.vbs.size(); ++i) {
        FakeVb vb = r.vbs[i];
        if (r.pduType == 0xa3) {
            m_values[vb.oid] = vb.value;
        } else if (r.pduType == 0xa1) {
            const auto next = m_values.upper_bound(vb.oid);
            if (next == m_values.end()) {
                if (r.version == 0) {
                    resp.errorStatus = 2;
                    resp.errorIndex = i + 1;
                    resp.vbs = r.vbs;
                    return resp;
                }
                vb.value = FakeUdpAgent::endOfMibView();
            } else {
                vb.oid = next->first;
                vb.value = next->second;
            }
        } else {
            const auto it = m_values.find(vb.oid);
            if (it == m_values.end() && r.version == 0) {
                resp.errorStatus = 2;
                resp.errorIndex = i + 1;
                resp.vbs = r.vbs;
                return resp;
            }
            vb.value = it == m_values.end() ? tlv(0x81, {}) : it->second;
        }
        resp.vbs << vb;
    }
    return resp;
}

FakeResponse TableAgent::bulkAnswer(const FakeRequest &r)
{
    // Non-repeaters once, then the repeaters row by row, as an agent answers GETBULK; an answer
    // stops at 240 bindings, as an agent cuts one that would not fit its message.
    FakeResponse resp;
    const int nonRepeaters = qBound(0, r.errorStatus, int(r.vbs.size()));
    const auto next = [this](const QList<quint32> &oid) {
        FakeVb vb;
        const auto it = m_values.upper_bound(oid);
        if (it == m_values.end()) {
            vb.oid = oid;
            vb.value = FakeUdpAgent::endOfMibView();
        } else {
            vb.oid = it->first;
            vb.value = it->second;
        }
        return vb;
    };
    for (int i = 0; i < nonRepeaters; ++i)
        resp.vbs << next(r.vbs[i].oid);
    QList<FakeVb> cursor = r.vbs.mid(nonRepeaters);
    for (int row = 0; row < r.errorIndex && !cursor.isEmpty() && resp.vbs.size() + cursor.size() <= 240; ++row)
        for (FakeVb &c : cursor) {
            c = next(c.oid);
            resp.vbs << c;
        }
    return resp;
}

void TableAgent::dropNextsFrom(const QString &oid)
{
    QMutexLocker lock(&m_mutex);
    m_dropFrom = oid.isEmpty() ? QList<quint32>() : FakeUdpAgent::oid(oid);
}

QList<QStringList> TableAgent::sets() const
{
    QList<QStringList> out;
    const QList<FakeRequest> requests = m_agent->requests();
    for (int k = m_skipRequests; k < requests.size(); ++k) {
        if (requests[k].pduType != 0xa3)
            continue;
        QStringList vbs;
        for (const FakeVb &vb : requests[k].vbs)
            vbs << FakeUdpAgent::text(vb.oid) + QLatin1Char('=') + text(vb.value);
        out << vbs;
    }
    return out;
}

void TableAgent::clearRequests()
{
    m_skipRequests = int(m_agent->requests().size());
}

QByteArray TableAgent::oidValue(const QString &dotted)
{
    const QList<quint32> arcs = FakeUdpAgent::oid(dotted);
    QByteArray c;
    if (arcs.size() >= 2)
        c.append(char(arcs[0] * 40 + arcs[1]));
    for (int i = 2; i < arcs.size(); ++i) {
        quint32 v = arcs[i];
        QByteArray sub(1, char(v & 0x7f));
        while (v >>= 7)
            sub.prepend(char(0x80 | (v & 0x7f)));
        c.append(sub);
    }
    return tlv(0x06, c);
}

QByteArray TableAgent::counter(quint32 v) { return unsignedTlv(0x41, v); }
QByteArray TableAgent::ticks(quint32 v) { return unsignedTlv(0x43, v); }

QString TableAgent::text(const QByteArray &t)
{
    if (t.size() < 2)
        return QString();
    const quint8 tag = quint8(t[0]);
    if (tag == 0x04)
        return QLatin1Char('"') + QString::fromLatin1(FakeUdpAgent::octetsOf(t)) + QLatin1Char('"');
    if (tag == 0x06) {
        const QByteArray c = FakeUdpAgent::octetsOf(t);
        QStringList arcs;
        if (!c.isEmpty())
            arcs << QString::number(quint8(c[0]) / 40) << QString::number(quint8(c[0]) % 40);
        quint32 v = 0;
        for (int i = 1; i < c.size(); ++i) {
            v = (v << 7) | (quint8(c[i]) & 0x7f);
            if (!(quint8(c[i]) & 0x80)) {
                arcs << QString::number(v);
                v = 0;
            }
        }
        return arcs.join(QLatin1Char('.'));
    }
    if (tag == 0x02)
        return QString::number(FakeUdpAgent::intOf(t));
    quint64 n = 0;
    for (char b : FakeUdpAgent::octetsOf(t))
        n = (n << 8) | quint8(b);
    return QString::number(n);
}
