#include "portpoller.h"

#include "qvsnmpconvert.h"
#include "qvsnmpexception.h"
#include "qvsnmpsession.h"

#include <QTimer>

#include <algorithm>

namespace {

const QString SysUpTimeBase = QStringLiteral("1.3.6.1.2.1.1.3");

// Positions in the traffic list; 0 is the ifIndex taken from the instance.
enum TrafficColumn { TcIn = 1, TcOut, TcInErrors, TcOutErrors, TcUpTime };
// Positions in the port details list.
enum DetailsColumn { DcName = 1, DcAlias, DcAdmin, DcOper, DcLastChange, DcSpeed, DcHighSpeed, DcDuplex, DcNway, DcPvid };

bool SessionIsV1()
{
    return SessionParams().Security.Version == SNMP_VERSION_V1;
}

// The value of a column in the row just read, or empty when that column did not answer for it.
QString CellOf(const QvSNMPVarList &vars, int i, const QString &instance)
{
    const QvSNMPVar &v = vars.Item(i);
    if (v.valueText == QvNotDoneText || !v.currentOid.endsWith(QLatin1Char('.') + instance)
        || v.currentOid.size() != v.oid.size() + instance.size() + 1)
        return QString();
    return v.valueText;
}

void PrepareWalk(QvSNMPRequest &r, int maxRepetitions)
{
    r.Cancel();
    r.LoadSessionParams();
    r.maxRepetitions = maxRepetitions;
    r.vars.Clear();
    r.vars.itemType = MVT_FMV;
}

QString DuplexText(int dot3, int nway)
{
    if (dot3 == 2)
        return QStringLiteral("half");
    if (dot3 == 3)
        return QStringLiteral("full");
    switch (nway) {
    case 3: case 5: case 7: return QStringLiteral("half");
    case 4: case 6: case 8: return QStringLiteral("full");
    case 2: return QStringLiteral("auto");
    default: return QString();
    }
}

} // namespace

TPortPoller::TPortPoller(QObject *parent) : QObject(parent)
{
    m_clock.start();
    m_trafficTimer = new QTimer(this);
    m_trafficTimer->setInterval(TrafficMs);
    connect(m_trafficTimer, &QTimer::timeout, this, &TPortPoller::PollTraffic);
    m_detailsTimer = new QTimer(this);
    m_detailsTimer->setInterval(DetailsMs);
    connect(m_detailsTimer, &QTimer::timeout, this, &TPortPoller::PollDetails);
    m_trafficRequest = std::make_unique<QvSNMPRequest>();
    m_detailsRequest = std::make_unique<QvSNMPRequest>();
}

TPortPoller::~TPortPoller()
{
    Stop();
}

void TPortPoller::Start()
{
    Stop();
    m_stats.Reset();
    m_wide = !SessionIsV1();
    SetSilent(false);
    m_trafficTimer->start();
    m_detailsTimer->start();
    PollDetails();
    PollTraffic();
}

void TPortPoller::Stop()
{
    m_trafficTimer->stop();
    m_detailsTimer->stop();
    m_trafficRequest->Cancel();
    m_detailsRequest->Cancel();
    m_trafficBusy = false;
    m_detailsStep = Idle;
    ++m_detailsRun;
}

bool TPortPoller::IsRunning() const
{
    return m_trafficTimer->isActive();
}

void TPortPoller::BuildTraffic()
{
    QvSNMPRequest &r = *m_trafficRequest;
    // All the rows in one GETBULK as far as the answer's size allows.
    PrepareWalk(r, Ports);
    QvSNMPVarList &v = r.vars;
    v.indexCount = 1;
    v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.1"), QStringLiteral("ifIndex"), SYN_INTEGER, ACC_NOTACCESS);
    if (m_wide) {
        v.AddVar(QStringLiteral("1.3.6.1.2.1.31.1.1.1.6"), QStringLiteral("ifHCInOctets"), SYN_COUNTER64, ACC_READONLY);
        v.AddVar(QStringLiteral("1.3.6.1.2.1.31.1.1.1.10"), QStringLiteral("ifHCOutOctets"), SYN_COUNTER64, ACC_READONLY);
    } else {
        v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.10"), QStringLiteral("ifInOctets"), SYN_COUNTER, ACC_READONLY);
        v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.16"), QStringLiteral("ifOutOctets"), SYN_COUNTER, ACC_READONLY);
    }
    v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.14"), QStringLiteral("ifInErrors"), SYN_COUNTER, ACC_READONLY);
    v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.20"), QStringLiteral("ifOutErrors"), SYN_COUNTER, ACC_READONLY);
    // Last, so that the rows take their instance from the interface columns; it answers in the
    // first row only (sysUpTime.0), in the same request as the first counters.
    v.AddVar(SysUpTimeBase, QStringLiteral("sysUpTime"), SYN_TIMETICKS, ACC_READONLY);
}

void TPortPoller::PollTraffic()
{
    if (m_trafficBusy)
        return;
    try {
        BuildTraffic();
        m_reading = TPollReading();
        m_reading.ports.resize(Ports);
        m_trafficBusy = true;
        m_trafficRequest->ReadAsync(&TPortPoller::TrafficRow, this, true);
    } catch (...) {
        // Nothing left: the overlay greys as for a switch that does not answer.
        m_trafficRequest->Cancel();
        FinishTraffic(false);
    }
}

void TPortPoller::TrafficRow(void *data, QvSNMPError *outcome, QvSNMPVarList *)
{
    auto *self = static_cast<TPortPoller *>(data);
    if (!self || !outcome)
        return;
    try {
        self->TrafficRowRead(*outcome);
    } catch (...) {
        // The walk ends here (no further read leaves); the overlay greys until the next poll.
        try {
            self->FinishTraffic(false);
        } catch (...) {
            self->m_trafficBusy = false;
        }
    }
}

void TPortPoller::TrafficRowRead(const QvSNMPError &outcome)
{
    if (!m_trafficBusy)
        return;
    if (outcome.code != 0) {
        FinishTraffic(false);
        return;
    }
    const QvSNMPVarList &v = m_trafficRequest->vars;
    const QString instance = v.Item(0).valueText;
    const int port = instance.toInt();
    const bool rowRead = !(outcome.finished && v.Item(TcIn).valueText == QvNotDoneText);
    if (rowRead && port >= 1 && port <= Ports) {
        if (!m_reading.wallTime.isValid()) {
            m_reading.wallTime = QDateTime::currentDateTime();
            m_reading.monotonicMs = m_clock.elapsed();
        }
        const QvSNMPVar &up = v.Item(TcUpTime);
        if (up.valueText != QvNotDoneText && up.currentOid == SysUpTimeBase + QLatin1String(".0"))
            m_reading.upTimeTicks = QvReadTimeTicks(up.valueText);
        const QString in = CellOf(v, TcIn, instance), out = CellOf(v, TcOut, instance);
        const QString inErr = CellOf(v, TcInErrors, instance), outErr = CellOf(v, TcOutErrors, instance);
        if (m_wide && port == 1 && in.isEmpty()) {
            // The switch does not serve the 64-bit counters: the 32-bit ones from the next poll on.
            m_wide = false;
            m_stats.Reset();
            FinishTraffic(true);
            return;
        }
        TPortReading &r = m_reading.ports[port - 1];
        r.valid = !in.isEmpty() && !out.isEmpty() && !inErr.isEmpty() && !outErr.isEmpty();
        r.wide = m_wide;
        r.inOctets = m_wide ? QvReadCounter64(in) : in.toULongLong();
        r.outOctets = m_wide ? QvReadCounter64(out) : out.toULongLong();
        r.inErrors = inErr.toUInt();
        r.outErrors = outErr.toUInt();
        r.speedBps = m_details.at(port - 1).speedBps;
    }
    if (outcome.finished || port >= Ports) {
        FinishTraffic(true);
        return;
    }
    m_trafficRequest->ReadAsync(&TPortPoller::TrafficRow, this, false);
}

void TPortPoller::FinishTraffic(bool ok)
{
    m_trafficBusy = false;
    ++m_trafficPolls;
    if (!ok) {
        SetSilent(true);
        emit TrafficUpdated();
        return;
    }
    if (m_reading.wallTime.isValid()) {
        m_lastOutcome = m_stats.Add(m_reading);
        m_upTime = m_reading.upTimeTicks;
        m_readAt = m_reading.wallTime;
    }
    SetSilent(false);
    emit TrafficUpdated();
}

void TPortPoller::SetSilent(bool silent)
{
    if (m_silent == silent)
        return;
    m_silent = silent;
    emit SilentChanged(silent);
}

void TPortPoller::PollDetails()
{
    if (m_detailsStep != Idle)
        return;
    // NextDetailsStep catches every failure itself.
    m_detailsNew = QVector<TPortDetails>(Ports);
    m_vlansNew.clear();
    m_detailsStep = Starting;
    ++m_detailsRun;
    NextDetailsStep();
}

void TPortPoller::NextDetailsStep()
{
    QvSNMPRequest &r = *m_detailsRequest;
    m_detailsStep = Step(int(m_detailsStep) + 1);
    try {
        switch (m_detailsStep) {
        case PortsWalk: {
            PrepareWalk(r, 0);
            QvSNMPVarList &v = r.vars;
            v.indexCount = 1;
            v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.1"), QStringLiteral("ifIndex"), SYN_INTEGER, ACC_NOTACCESS);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.31.1.1.1.1"), QStringLiteral("ifName"), SYN_DISPLAYSTR, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.31.1.1.1.18"), QStringLiteral("ifAlias"), SYN_DISPLAYSTR, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.7"), QStringLiteral("ifAdminStatus"), SYN_INTEGER, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.8"), QStringLiteral("ifOperStatus"), SYN_INTEGER, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.9"), QStringLiteral("ifLastChange"), SYN_TIMETICKS, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.5"), QStringLiteral("ifSpeed"), SYN_GAUGE, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.31.1.1.1.15"), QStringLiteral("ifHighSpeed"), SYN_GAUGE, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.10.7.2.1.19"), QStringLiteral("dot3StatsDuplexStatus"), SYN_INTEGER, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.4.1.171.11.2.3.1.1.5"), QStringLiteral("portInfoNwayStatus"), SYN_INTEGER, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.17.7.1.4.5.1.1"), QStringLiteral("dot1qPvid"), SYN_GAUGE, ACC_READONLY);
            break;
        }
        case VlanNames: {
            PrepareWalk(r, 0);
            r.maxWalkRows = 4094;
            QvSNMPVarList &v = r.vars;
            v.indexCount = 1;
            v.AddVar(QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.0"), QStringLiteral("dot1qVlanIndex"), SYN_GAUGE, ACC_NOTACCESS);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.1"), QStringLiteral("dot1qVlanStaticName"), SYN_DISPLAYSTR, ACC_READONLY);
            break;
        }
        case VlanPorts: {
            PrepareWalk(r, 0);
            r.maxWalkRows = 4094;
            QvSNMPVarList &v = r.vars;
            v.indexCount = 2;
            v.AddVar(QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1.1"), QStringLiteral("dot1qVlanTimeMark"), SYN_GAUGE, ACC_NOTACCESS);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1.2"), QStringLiteral("dot1qVlanIndex"), SYN_GAUGE, ACC_NOTACCESS);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1.4"), QStringLiteral("dot1qVlanCurrentEgressPorts"), SYN_OCTETSTR, ACC_READONLY);
            v.AddVar(QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1.5"), QStringLiteral("dot1qVlanCurrentUntaggedPorts"), SYN_OCTETSTR, ACC_READONLY);
            break;
        }
        case Done:
            // Every step answered: the new figures replace the old together.
            m_detailsStep = Idle;
            m_details = m_detailsNew;
            m_vlans = m_vlansNew;
            ++m_detailsPolls;
            emit DetailsUpdated();
            return;
        case Idle:
        case Starting:
            m_detailsStep = Idle;
            return;
        }
        r.ReadAsync(&TPortPoller::DetailsRow, this, true);
    } catch (...) {
        r.Cancel();
        m_detailsStep = Idle;
    }
}

void TPortPoller::DetailsRow(void *data, QvSNMPError *outcome, QvSNMPVarList *)
{
    auto *self = static_cast<TPortPoller *>(data);
    if (!self || !outcome)
        return;
    try {
        self->DetailsRowRead(*outcome);
    } catch (...) {
        self->m_detailsStep = Idle;
    }
}

void TPortPoller::DetailsRowRead(const QvSNMPError &outcome)
{
    if (m_detailsStep == Idle)
        return;
    if (outcome.code != 0) {
        // Tried again at the next minute; the figures read before stay.
        m_detailsStep = Idle;
        return;
    }
    QvSNMPRequest &r = *m_detailsRequest;
    const QvSNMPVarList &v = r.vars;
    bool last = outcome.finished;
    bool rowRead = false;
    for (int i = v.indexCount; i < v.Count(); ++i)
        rowRead = rowRead || v.Item(i).valueText != QvNotDoneText;
    if (m_detailsStep == PortsWalk && rowRead) {
        const QString instance = v.Item(0).valueText;
        const int port = instance.toInt();
        if (port >= 1 && port <= Ports) {
            TPortDetails &d = m_detailsNew[port - 1];
            d.name = CellOf(v, DcName, instance);
            d.alias = CellOf(v, DcAlias, instance);
            d.adminStatus = CellOf(v, DcAdmin, instance).toInt();
            d.operStatus = CellOf(v, DcOper, instance).toInt();
            const QString change = CellOf(v, DcLastChange, instance);
            d.lastChange = change.isEmpty() ? std::nullopt : std::optional<quint32>(QvReadTimeTicks(change));
            const quint64 high = CellOf(v, DcHighSpeed, instance).toULongLong();
            d.speedBps = high > 0 ? high * 1000000ULL : CellOf(v, DcSpeed, instance).toULongLong();
            d.duplex = DuplexText(CellOf(v, DcDuplex, instance).toInt(), CellOf(v, DcNway, instance).toInt());
            d.pvid = CellOf(v, DcPvid, instance).toInt();
        }
        last = last || port >= Ports;
    } else if (m_detailsStep == VlanNames && rowRead) {
        TVlan vlan;
        vlan.id = v.Item(0).valueText.toInt();
        vlan.name = v.Item(1).valueText;
        m_vlansNew.append(vlan);
    } else if (m_detailsStep == VlanPorts && rowRead) {
        const int id = v.Item(1).valueText.toInt();
        TVlan *vlan = nullptr;
        for (TVlan &known : m_vlansNew)
            if (known.id == id)
                vlan = &known;
        if (!vlan) {
            m_vlansNew.append(TVlan{id, QString(), {}, {}});
            vlan = &m_vlansNew.last();
        }
        vlan->egress = QvReadHex(v.Item(2).valueText);
        vlan->untagged = QvReadHex(v.Item(3).valueText);
    }
    if (last) {
        if (m_detailsStep == VlanPorts) {
            // VLANs in the static table that are not current yet have no members to show.
            std::sort(m_vlansNew.begin(), m_vlansNew.end(), [](const TVlan &a, const TVlan &b) { return a.id < b.id; });
        }
        // The next step leaves from the event loop, not from inside this completion.
        QMetaObject::invokeMethod(this, [this, run = m_detailsRun] {
            if (run != m_detailsRun || m_detailsStep == Idle)
                return;
            try {
                NextDetailsStep();
            } catch (...) {
                m_detailsStep = Idle;
            }
        }, Qt::QueuedConnection);
        return;
    }
    r.ReadAsync(&TPortPoller::DetailsRow, this, false);
}
