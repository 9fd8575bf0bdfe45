#include "portstats.h"

#include <QStringList>

namespace {

constexpr double Wrap32 = 4294967296.0;
// A wrap that would have needed more than the line carries (with some slack for the clocks)
// is a restart.
constexpr double LineSlack = 1.1;

// Growth of a Counter32 since old; false when it fell in a way no wrap explains.
bool Delta32(quint64 old, quint64 now, quint64 speedBps, double seconds, bool octets, double *delta)
{
    if (now >= old) {
        *delta = double(now - old);
        return true;
    }
    const double wrapped = Wrap32 - double(old) + double(now);
    if (octets && speedBps > 0)
        return (*delta = wrapped) * 8.0 / seconds <= double(speedBps) * LineSlack;
    // Without a speed to judge by, only a fall from the top half to the bottom half is a wrap.
    *delta = wrapped;
    return wrapped < Wrap32 / 2;
}

bool DeltaOctets(const TPortReading &reading, quint64 now, quint64 old, double seconds, double *delta)
{
    if (reading.wide) {
        *delta = double(now - old);
        return now >= old;
    }
    return Delta32(old, now, reading.speedBps, seconds, true, delta);
}

} // namespace

int TPortStats::Level(double utilisation)
{
    int level = 0;
    for (int i = 1; i < LevelCount; ++i)
        if (utilisation >= LevelFloor[i])
            level = i;
    return level;
}

QString TPortStats::LevelLabel(int level)
{
    if (level < 0 || level >= LevelCount)
        return QStringLiteral("unknown");
    if (level == 0)
        return QStringLiteral("idle");
    const auto pct = [](double share) { return QString::number(share * 100.0, 'g', 3); };
    if (level == LevelCount - 1)
        return QStringLiteral(">%1%").arg(pct(LevelFloor[level]));
    return QStringLiteral("%1-%2%").arg(pct(LevelFloor[level]), pct(LevelFloor[level + 1]));
}

void TPortStats::Reset()
{
    m_base.reset();
    m_rates.clear();
}

TPortRate TPortStats::Port(int port) const
{
    if (port < 1 || port > m_rates.size())
        return {};
    return m_rates.at(port - 1);
}

TPortStats::Outcome TPortStats::Add(const TPollReading &r)
{
    QVector<TPortRate> rates(r.ports.size());
    // Counts and the time errors last grew carry over; the rates are those of this interval.
    for (int i = 0; i < r.ports.size(); ++i) {
        const TPortReading &p = r.ports.at(i);
        TPortRate &out = rates[i];
        if (i < m_rates.size())
            out.errorsGrewAt = m_rates.at(i).errorsGrewAt;
        out.errorsKnown = p.valid;
        out.inErrors = p.inErrors;
        out.outErrors = p.outErrors;
        out.speedBps = p.speedBps;
    }
    const auto restart = [&](Outcome outcome) {
        m_base = r;
        m_rates = rates;
        return outcome;
    };
    if (!m_base)
        return restart(First);
    const TPollReading &b = *m_base;
    double seconds = 0;
    if (r.upTimeTicks && b.upTimeTicks) {
        if (*r.upTimeTicks < *b.upTimeTicks)
            return restart(Restarted);
        seconds = double(*r.upTimeTicks - *b.upTimeTicks) / 100.0;
    } else {
        seconds = double(r.monotonicMs - b.monotonicMs) / 1000.0;
    }
    if (seconds <= 0)
        return NoTime;
    for (int i = 0; i < r.ports.size(); ++i) {
        const TPortReading &now = r.ports.at(i);
        if (i >= b.ports.size() || !now.valid || !b.ports.at(i).valid || now.wide != b.ports.at(i).wide)
            continue;
        const TPortReading &old = b.ports.at(i);
        double in = 0, out = 0, inErr = 0, outErr = 0;
        if (!DeltaOctets(now, now.inOctets, old.inOctets, seconds, &in)
            || !DeltaOctets(now, now.outOctets, old.outOctets, seconds, &out)
            || !Delta32(old.inErrors, now.inErrors, 0, seconds, false, &inErr)
            || !Delta32(old.outErrors, now.outErrors, 0, seconds, false, &outErr))
            return restart(Restarted);
        TPortRate &rate = rates[i];
        rate.known = true;
        rate.inBps = in * 8.0 / seconds;
        rate.outBps = out * 8.0 / seconds;
        if (now.speedBps > 0) {
            rate.utilisation = (rate.inBps + rate.outBps) / double(now.speedBps);
            rate.level = Level(rate.utilisation);
        }
        rate.errorsGrowing = inErr + outErr > 0;
        if (rate.errorsGrowing)
            rate.errorsGrewAt = r.wallTime;
    }
    m_base = r;
    m_rates = rates;
    return Rates;
}

bool PortInList(const QByteArray &portList, int port)
{
    if (port < 1)
        return false;
    const int octet = (port - 1) / 8;
    return octet < portList.size() && (quint8(portList.at(octet)) & (0x80 >> ((port - 1) % 8))) != 0;
}

QList<int> PortsInList(const QByteArray &portList, int maxPort)
{
    QList<int> ports;
    for (int p = 1; p <= maxPort; ++p)
        if (PortInList(portList, p))
            ports.append(p);
    return ports;
}

QString PortRangeText(const QList<int> &ports)
{
    QStringList parts;
    for (int i = 0; i < ports.size();) {
        int j = i;
        while (j + 1 < ports.size() && ports.at(j + 1) == ports.at(j) + 1)
            ++j;
        parts << (j == i ? QString::number(ports.at(i)) : QStringLiteral("%1-%2").arg(ports.at(i)).arg(ports.at(j)));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

TVlanMembership MembershipOf(const TVlan &vlan, int port)
{
    if (!PortInList(vlan.egress, port))
        return TVlanMembership::None;
    return PortInList(vlan.untagged, port) ? TVlanMembership::Untagged : TVlanMembership::Tagged;
}

QString BitRateText(double bps)
{
    static const char *const units[] = {"bit/s", "kbit/s", "Mbit/s", "Gbit/s"};
    int u = 0;
    while (bps >= 1000.0 && u < 3) {
        bps /= 1000.0;
        ++u;
    }
    const int decimals = u == 0 || bps >= 100.0 ? 0 : (bps >= 10.0 ? 1 : 2);
    return QStringLiteral("%1 %2").arg(QString::number(bps, 'f', decimals), QLatin1String(units[u]));
}

QString SpeedText(quint64 bps)
{
    if (bps == 0)
        return QStringLiteral("unknown");
    if (bps % 1000000000ULL == 0)
        return QStringLiteral("%1 Gbit/s").arg(bps / 1000000000ULL);
    if (bps % 1000000ULL == 0)
        return QStringLiteral("%1 Mbit/s").arg(bps / 1000000ULL);
    return BitRateText(double(bps));
}

QString StatusText(int ifStatus)
{
    switch (ifStatus) {
    case 1: return QStringLiteral("up");
    case 2: return QStringLiteral("down");
    case 3: return QStringLiteral("testing");
    case 0: return QStringLiteral("unknown");
    default: return QStringLiteral("state %1").arg(ifStatus);
    }
}

QString LastChangeText(const std::optional<quint32> &lastChange, const std::optional<quint32> &upTime,
                       const QDateTime &readAt)
{
    if (!lastChange || !upTime || !readAt.isValid())
        return QString();
    if (*lastChange == 0)
        return QStringLiteral("none since the switch started");
    if (*lastChange > *upTime)
        return QString();
    const qint64 agoMs = qint64(*upTime - *lastChange) * 10;
    return readAt.addMSecs(-agoMs).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString PortTooltipText(const TPortInfo &info)
{
    QStringList lines;
    QString head = QStringLiteral("Port %1").arg(info.port);
    if (!info.name.isEmpty())
        head += QStringLiteral(" (%1)").arg(info.name);
    if (!info.alias.isEmpty())
        head += QStringLiteral(": %1").arg(info.alias);
    lines << head;
    if (info.stale)
        lines << QStringLiteral("The switch does not answer; figures are from %1")
                     .arg(info.readAt.isValid() ? info.readAt.toString(QStringLiteral("hh:mm:ss")) : QStringLiteral("no reading"));
    lines << QStringLiteral("Status: admin %1, link %2").arg(StatusText(info.adminStatus), StatusText(info.operStatus));
    QString speed = QStringLiteral("Speed: %1").arg(SpeedText(info.rate.speedBps));
    if (!info.duplex.isEmpty())
        speed += QStringLiteral(", %1 duplex").arg(info.duplex);
    lines << speed;

    QStringList untagged, tagged;
    for (const TVlan &v : info.vlans) {
        const QString label = v.name.isEmpty() ? QString::number(v.id) : QStringLiteral("%1 %2").arg(v.id).arg(v.name);
        switch (MembershipOf(v, info.port)) {
        case TVlanMembership::Untagged: untagged << label; break;
        case TVlanMembership::Tagged: tagged << label; break;
        case TVlanMembership::None: break;
        }
    }
    QString vlans = QStringLiteral("VLANs: PVID %1").arg(info.pvid > 0 ? QString::number(info.pvid) : QStringLiteral("unknown"));
    vlans += QStringLiteral("; untagged: %1").arg(untagged.isEmpty() ? QStringLiteral("none") : untagged.join(QStringLiteral(", ")));
    vlans += QStringLiteral("; tagged: %1").arg(tagged.isEmpty() ? QStringLiteral("none") : tagged.join(QStringLiteral(", ")));
    lines << vlans;

    const TPortRate &r = info.rate;
    if (r.known) {
        QString traffic = QStringLiteral("Traffic: in %1, out %2").arg(BitRateText(r.inBps), BitRateText(r.outBps));
        if (r.speedBps > 0)
            traffic += QStringLiteral(", %1% used").arg(QString::number(r.utilisation * 100.0, 'f', r.utilisation < 0.1 ? 2 : 1));
        lines << traffic;
    } else {
        lines << QStringLiteral("Traffic: not measured yet");
    }
    if (r.errorsKnown) {
        QString errors = QStringLiteral("Errors: in %1, out %2").arg(r.inErrors).arg(r.outErrors);
        if (r.errorsGrowing)
            errors += QStringLiteral(", growing");
        if (r.errorsGrewAt.isValid())
            errors += QStringLiteral(", last grew %1").arg(r.errorsGrewAt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        lines << errors;
    }
    const QString change = LastChangeText(info.lastChangeTicks, info.upTimeTicks, info.readAt);
    if (!change.isEmpty())
        lines << QStringLiteral("Last link change: %1").arg(change);
    return lines.join(QLatin1Char('\n'));
}
