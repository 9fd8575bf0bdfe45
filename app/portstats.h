// Port traffic from successive counter readings, without widgets: rates over the time that really
// passed, Counter32 wraps told from restarts, utilisation levels, errors that grow; and the texts
// and VLAN memberships the front panel shows for a port.
#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

#include <optional>

// One port's counters as read in one poll.
struct TPortReading {
    bool valid = false;
    bool wide = false;       // 64-bit octet counters (ifHC*); else Counter32
    quint64 inOctets = 0;
    quint64 outOctets = 0;
    quint32 inErrors = 0;
    quint32 outErrors = 0;
    quint64 speedBps = 0;    // 0: unknown
};

// One poll: the switch's uptime read in the same request (when it came), the local monotonic
// clock and wall time at the answer, and the ports (index 0 is port 1).
struct TPollReading {
    std::optional<quint32> upTimeTicks;
    qint64 monotonicMs = 0;
    QDateTime wallTime;
    QVector<TPortReading> ports;
};

// What the latest interval gave for one port.
struct TPortRate {
    bool known = false;       // rates over an interval are known
    double inBps = 0;
    double outBps = 0;
    double utilisation = 0;   // (in + out) / speed; 0 when the speed is unknown
    int level = -1;           // 0..LevelCount-1, -1 unknown
    bool errorsKnown = false;
    quint32 inErrors = 0;
    quint32 outErrors = 0;
    bool errorsGrowing = false;
    QDateTime errorsGrewAt;   // the last reading at which they had grown; null when never seen
    quint64 speedBps = 0;
};

class TPortStats {
public:
    enum Outcome {
        First,      // a baseline only
        Rates,      // rates over the interval
        Restarted,  // the switch restarted: a new baseline, no rates
        NoTime,     // no time passed: the reading is ignored
    };

    static constexpr int LevelCount = 5;
    // Lower bounds of the levels above idle, as shares of the speed.
    static constexpr double LevelFloor[LevelCount] = {0.0, 0.01, 0.10, 0.40, 0.80};
    static int Level(double utilisation);
    static QString LevelLabel(int level);

    Outcome Add(const TPollReading &reading);
    void Reset();
    // Port 1..50; an unknown port gives an empty rate.
    TPortRate Port(int port) const;
    int PortCount() const { return int(m_rates.size()); }
    bool HasBaseline() const { return m_base.has_value(); }

private:
    std::optional<TPollReading> m_base;
    QVector<TPortRate> m_rates;
};

// VLAN memberships read from Q-BRIDGE.
struct TVlan {
    int id = 0;
    QString name;
    QByteArray egress;    // PortList octets: the first octet's top bit is port 1
    QByteArray untagged;
};

bool PortInList(const QByteArray &portList, int port);
// Ports 1..maxPort set in a PortList.
QList<int> PortsInList(const QByteArray &portList, int maxPort = 50);
// "1-8, 17, 49"
QString PortRangeText(const QList<int> &ports);

enum class TVlanMembership { None, Untagged, Tagged };
TVlanMembership MembershipOf(const TVlan &vlan, int port);

// Everything the tooltip of one port says.
struct TPortInfo {
    int port = 0;
    QString name;
    QString alias;
    int adminStatus = 0;      // ifAdminStatus; 0 unknown
    int operStatus = 0;       // ifOperStatus; 0 unknown
    QString duplex;           // "full", "half", "auto" or empty
    int pvid = 0;
    QList<TVlan> vlans;       // every VLAN of the switch; the port's memberships come from them
    TPortRate rate;
    std::optional<quint32> lastChangeTicks;  // ifLastChange
    std::optional<quint32> upTimeTicks;      // sysUpTime of the same reading
    QDateTime readAt;                        // wall time of that reading
    bool stale = false;                      // the switch has stopped answering
};

QString BitRateText(double bps);
QString SpeedText(quint64 bps);
QString StatusText(int ifStatus);
// ifLastChange as a wall time; empty when unknown.
QString LastChangeText(const std::optional<quint32> &lastChange, const std::optional<quint32> &upTime,
                       const QDateTime &readAt);
// The port's tooltip: plain text, one line per subject.
QString PortTooltipText(const TPortInfo &info);
