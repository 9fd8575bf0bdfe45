// Reads what the front panel's traffic overlay shows, asynchronously: the ports' octet and error
// counters with sysUpTime on the panel's five-second poll (a GETBULK walk under SNMPv2c and v3 over
// the 64-bit columns, a GET-NEXT walk over the 32-bit ones under SNMPv1), and once a minute the
// ports' names, status, speed, duplex, PVID and the VLAN memberships.
#pragma once

#include "portstats.h"
#include "qvsnmprequest.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QVector>

#include <memory>

class QTimer;

// What the slow poll read about one port.
struct TPortDetails {
    QString name;
    QString alias;
    int adminStatus = 0;
    int operStatus = 0;
    std::optional<quint32> lastChange;
    quint64 speedBps = 0;
    QString duplex;
    int pvid = 0;
};

class TPortPoller : public QObject {
    Q_OBJECT
public:
    static constexpr int Ports = 50;
    static constexpr int TrafficMs = 5000;
    static constexpr int DetailsMs = 60000;

    explicit TPortPoller(QObject *parent = nullptr);
    ~TPortPoller() override;

    // Starts both polls at once (session parameters are taken afresh for every request).
    void Start();
    void Stop();
    bool IsRunning() const;

    // One traffic poll / one details poll now, unless one is out.
    void PollTraffic();
    void PollDetails();

    const TPortStats &Stats() const { return m_stats; }
    const TPortDetails &Details(int port) const { return m_details.at(qBound(1, port, Ports) - 1); }
    const QList<TVlan> &Vlans() const { return m_vlans; }
    bool Silent() const { return m_silent; }
    bool WideCounters() const { return m_wide; }
    // Uptime and wall time of the last traffic reading (the tooltip's time base).
    std::optional<quint32> UpTime() const { return m_upTime; }
    QDateTime ReadAt() const { return m_readAt; }
    int TrafficPolls() const { return m_trafficPolls; }
    int DetailsPolls() const { return m_detailsPolls; }
    // The outcome of the last traffic reading.
    TPortStats::Outcome LastOutcome() const { return m_lastOutcome; }

signals:
    void TrafficUpdated();
    void DetailsUpdated();
    void SilentChanged(bool silent);

private:
    enum Step { Idle, Starting, PortsWalk, VlanNames, VlanPorts, Done };
    void BuildTraffic();
    static void TrafficRow(void *data, QvSNMPError *outcome, QvSNMPVarList *vars);
    static void DetailsRow(void *data, QvSNMPError *outcome, QvSNMPVarList *vars);
    void TrafficRowRead(const QvSNMPError &outcome);
    void DetailsRowRead(const QvSNMPError &outcome);
    void FinishTraffic(bool ok);
    void NextDetailsStep();
    void SetSilent(bool silent);

    QTimer *m_trafficTimer = nullptr;
    QTimer *m_detailsTimer = nullptr;
    std::unique_ptr<QvSNMPRequest> m_trafficRequest;
    std::unique_ptr<QvSNMPRequest> m_detailsRequest;
    bool m_trafficBusy = false;
    Step m_detailsStep = Idle;
    int m_detailsRun = 0;  // a queued step of an earlier run does nothing
    bool m_wide = true;
    QElapsedTimer m_clock;

    TPortStats m_stats;
    TPollReading m_reading;
    TPortStats::Outcome m_lastOutcome = TPortStats::First;
    std::optional<quint32> m_upTime;
    QDateTime m_readAt;
    QVector<TPortDetails> m_details = QVector<TPortDetails>(Ports);
    QVector<TPortDetails> m_detailsNew;
    QList<TVlan> m_vlans;
    QList<TVlan> m_vlansNew;
    bool m_silent = false;
    int m_trafficPolls = 0;
    int m_detailsPolls = 0;
};
