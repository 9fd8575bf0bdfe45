// The live counter windows of IP, ICMP, UDP and SNMP: one window built from a short description
// (table, list names, row names, first-sample rule). Polls are asynchronous and never overlap (a
// tick that finds the last poll out lets it be), so a silent agent leaves the window live: the
// status bar says it waits, Escape drops the poll, the clock ticks, "Exit" works and polling
// resumes by itself once the agent answers.
#pragma once

#include "tmonitorparts.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QComboBox;
class QLabel;
class QTimer;
class QTreeWidget;
class QvWaitIndicator;
struct QvSNMPVarDesc;
struct QvSNMPError;

struct TCounterFormDesc {
    const char *objectName;    // "IP_Counters"
    const char *caption;       // "IP Counters"
    const QvSNMPVarDesc *table;
    const char *hiddenList;    // the one-row target of the binding
    const char *displayList;
    QStringList names;         // row names, counter i is value i of the hidden row
    bool updateAtCreation;     // ICMP, UDP, SNMP: values shown at once, deltas from the second tick
};

// The window of the IP, ICMP, UDP and SNMP counters.
class TCounterForm : public QDialog {
    Q_OBJECT
public:
    TCounterForm(QWidget *owner, const TCounterFormDesc &desc);
    ~TCounterForm() override;

    void Timer1Timer();
    void CB_IntervalChange();
    void BT_ResetClick();
    void BT_StartClick();
    void BT_StopClick();
    void Button1Click();

    const TCounterMonitor &Monitor() const { return m_monitor; }
    QvSNMPRequest2Edits *Binding() const { return m_binding; }
    QTimer *Timer() const { return m_timer; }
    QvWaitIndicator *Wait() const { return m_wait; }
    // Polls sent, answered or failed (for tests and benchmarks).
    int PollsSent() const { return m_pollsSent; }
    const TMonitorFreshness &Freshness() const { return *m_freshness; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Poll();
    void PollDone();
    void Report(const QString &text);
    void Stop();
    void PollFailed(const QvSNMPError &outcome);

    TCounterFormDesc m_desc;
    TCounterMonitor m_monitor;
    TMonitorBinding *m_binding = nullptr;
    QTreeWidget *m_hidden = nullptr;
    QTreeWidget *m_display = nullptr;
    QLabel *m_time = nullptr;
    QComboBox *m_interval = nullptr;
    QLabel *m_status = nullptr;
    QTimer *m_timer = nullptr;
    QvWaitIndicator *m_wait = nullptr;
    std::unique_ptr<TMonitorFreshness> m_freshness;
    bool m_creationPoll = true;
    int m_pollsSent = 0;
};

class TIP_Counters : public TCounterForm {
    Q_OBJECT
public:
    explicit TIP_Counters(QWidget *owner);
};
class TICMP_Counters : public TCounterForm {
    Q_OBJECT
public:
    explicit TICMP_Counters(QWidget *owner);
};
class TUDP_Counters : public TCounterForm {
    Q_OBJECT
public:
    explicit TUDP_Counters(QWidget *owner);
};
class TSNMP_Counters : public TCounterForm {
    Q_OBJECT
public:
    explicit TSNMP_Counters(QWidget *owner);
};

