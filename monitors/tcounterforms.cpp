#include "tcounterforms.h"

#include "mibtables.h"
#include "qvsnmpexception.h"
#include "qvwaitindicator.h"
#include "thelpviewer.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

// ---------------------------------------------------------------------------------------------

TCounterForm::TCounterForm(QWidget *owner, const TCounterFormDesc &desc)
    : QDialog(owner), m_desc(desc), m_monitor(TCounterMonitor::Sequence(desc.names), [&] {
          // sysUpTime rides in the same GET, after the counters: the switch's own clock for rates.
          TCounterMonitorOptions o;
          o.upTimePosition = int(desc.names.size());
          return o;
      }())
{
    setObjectName(QString::fromLatin1(desc.objectName));
    setWindowTitle(QString::fromLatin1(desc.caption));
    resize(640, desc.names.size() > 12 ? 560 : 360);
    InstallHelpKey(this, QStringLiteral("monitors.html#counters"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(6, 6, 6, 6);
    outer->addLayout(body, 1);
    m_display = MakeCounterList(this, QString::fromLatin1(desc.displayList));
    body->addWidget(m_display, 1);
    m_hidden = HiddenListView(this, desc.hiddenList);

    auto *side = new QVBoxLayout;
    body->addLayout(side);
    side->addWidget(new QLabel(QStringLiteral("System Time"), this));
    m_time = MonitorStaticText(this, "ST_Time", TimeOfDayNow());
    side->addWidget(m_time);
    side->addWidget(new QLabel(QStringLiteral("Poll  Interval"), this));
    m_interval = MonitorCombo(this, "CB_Interval", PollIntervalItems);
    side->addWidget(m_interval);
    side->addSpacing(12);
    QPushButton *reset = MonitorButton(this, "BT_Reset", "Reset");
    QPushButton *start = MonitorButton(this, "BT_Start", "Start");
    QPushButton *stop = MonitorButton(this, "BT_Stop", "Pause");
    QPushButton *exit = MonitorButton(this, "Button1", "Exit");
    for (QPushButton *b : {reset, start, stop, exit})
        side->addWidget(b);
    side->addStretch(1);
    m_status = AddMonitorStatusBar(this, outer);
    m_freshness = std::make_unique<TMonitorFreshness>(qobject_cast<QStatusBar *>(m_status->parentWidget()), m_display);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);

    // The binding reads the whole group with one asynchronous GET into the hidden row.
    m_binding = new TMonitorBinding(this);
    m_binding->Request().LoadSessionParams();
    m_binding->Vars().Assign(QvSNMPVarList(desc.table, MVT_SV, 0));
    m_binding->Vars().AddVar(QStringLiteral("1.3.6.1.2.1.1.3.0"), QStringLiteral("sysUpTime"), SYN_TIMETICKS,
                             ACC_READONLY);
    m_binding->BindListView(m_hidden, false);
    m_binding->SetReportTarget(m_status);
    m_binding->afterRefresh = [this] { PollDone(); };

    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(m_status);
    m_wait->AddSendControl(start);
    m_wait->Watch(m_binding);

    connect(m_binding, &QvSNMPRequest2Controls::RefreshEnded, this, &TCounterForm::PollFailed);
    connect(m_timer, &QTimer::timeout, this, &TCounterForm::Timer1Timer);
    connect(m_interval, &QComboBox::currentIndexChanged, this, &TCounterForm::CB_IntervalChange);
    connect(reset, &QPushButton::clicked, this, &TCounterForm::BT_ResetClick);
    connect(start, &QPushButton::clicked, this, &TCounterForm::BT_StartClick);
    connect(stop, &QPushButton::clicked, this, &TCounterForm::BT_StopClick);
    connect(exit, &QPushButton::clicked, this, &TCounterForm::Button1Click);

    // Rows with empty cells and the current time; the first values come with the creation
    // read (ICMP, UDP, SNMP) or the first tick (IP).
    m_monitor.PrepareRows();
    ShowCounterRows(m_display, m_monitor);
    Poll();
    m_timer->start();
}

TCounterForm::~TCounterForm()
{
    Stop();
}

void TCounterForm::Stop()
{
    m_timer->stop();
    if (m_binding) {
        // A poll still out is dropped: its late answer reaches nothing.
        m_binding->afterRefresh = nullptr;
        m_binding->Cancel();
        m_binding->Request().alive = 0;
    }
}

void TCounterForm::closeEvent(QCloseEvent *event)
{
    Stop();
    QDialog::closeEvent(event);
}

void TCounterForm::Report(const QString &text)
{
    if (m_binding)
        m_binding->Report(text);
}

void TCounterForm::Poll()
{
    // One poll at a time: a tick that finds the last one unanswered lets it be.
    if (m_binding->Busy())
        return;
    RunGuarded([this](const QString &t) { Report(t); }, [this] {
        ++m_pollsSent;
        m_freshness->PollSent();
        m_binding->Refresh();
    });
}

void TCounterForm::PollDone()
{
    RunGuarded([this](const QString &t) { Report(t); }, [this] {
        if (m_creationPoll) {
            // The IP window only reads at creation; the others show the values at once and
            // still wait a tick before deltas appear.
            m_creationPoll = false;
            if (!m_desc.updateAtCreation)
                return;
            QString error;
            if (!m_monitor.Update(HiddenRowTexts(m_hidden), &error, QTime::currentTime(), MonotonicMs()))
                Report(error);
            ShowCounterRows(m_display, m_monitor);
            m_freshness->Answered(m_monitor);
            m_monitor.ClearFirstSample();
            return;
        }
        QString error;
        if (!m_monitor.Update(HiddenRowTexts(m_hidden), &error, QTime::currentTime(), MonotonicMs()))
            Report(error);
        ShowCounterRows(m_display, m_monitor);
        m_freshness->Answered(m_monitor);
    });
}

void TCounterForm::PollFailed(const QvSNMPError &outcome)
{
    if (outcome.code == 0 || !m_binding->afterRefresh)
        return;
    RunGuarded([this](const QString &t) { Report(t); }, [this] { m_freshness->Failed(m_monitor.ValuesTime()); });
}

void TCounterForm::Timer1Timer()
{
    m_time->setText(TimeOfDayNow());
    if (m_monitor.Running())
        Poll();
}

void TCounterForm::CB_IntervalChange()
{
    const int ms = IntervalMsOf(m_interval);
    m_timer->setInterval(ms);
    m_monitor.SetIntervalMs(ms);
}

void TCounterForm::BT_ResetClick()
{
    m_monitor.Reset();
    ShowCounterRows(m_display, m_monitor);
    m_freshness->Clear(m_monitor);
}

void TCounterForm::BT_StartClick() { m_monitor.SetRunning(true); }
void TCounterForm::BT_StopClick() { m_monitor.SetRunning(false); }
void TCounterForm::Button1Click() { close(); }

TIP_Counters::TIP_Counters(QWidget *owner)
    : TCounterForm(owner, {"IP_Counters", "IP Counters", IpCountersVars, "LV_IPCounters", "LV_IPCounterData",
                           {"ipInReceives", "ipInHdrErrors", "ipInAddrErrors", "ipForwDatagrams", "ipInUnknownProtols",
                            "ipInDiscards", "ipInDelivers", "ipOutRequests", "ipOutDiscards", "ipOutNoRoutes"},
                           false})
{
}

TICMP_Counters::TICMP_Counters(QWidget *owner)
    : TCounterForm(owner,
                   {"ICMP_Counters", "ICMP Counters", IcmpCountersVars, "LV_ICMPCounters", "LV_ICMPCounterData",
                    {"icmpInMsgs", "icmpInErrors", "icmpInDestUnreachs", "icmpInTimeExcdsms", "icmpInParmProbs",
                     "icmpInSrcQuenchs", "icmpInRedirects", "icmpInEchos", "icmpInEchoReps", "icmpInTimestamps",
                     "icmpInTimestampReps", "icmpInAddrMasks", "icmpInAddrMaskReps", "icmpOutMsgs", "icmpOutErrors",
                     "icmpOutDestUnreachs", "icmpOutTimeExcds", "icmpOutParmProbs", "icmpOutSrcQuenchs",
                     "icmpOutRedirects", "icmpOutEchos", "icmpOutEchoReps", "icmpOutTimestamps",
                     "icmpOutTimestampReps", "icmpOutAddrMasks", "icmpOutAddrMaskReps"},
                    true})
{
}

TUDP_Counters::TUDP_Counters(QWidget *owner)
    : TCounterForm(owner, {"UDP_Counters", "UDP Counters", UdpCountersVars, "LV_UDPCounters", "LV_IPCounterData",
                           {"udpInDatagrams", "udpNoPorts", "udpInErrors", "udpOutDatagramsms"}, true})
{
}

TSNMP_Counters::TSNMP_Counters(QWidget *owner)
    : TCounterForm(owner,
                   {"SNMP_Counters", "SNMP Counters", SnmpCountersVars, "LV_SNMPCounters", "LV_SNMPCounterData",
                    {"snmpInPkts", "snmpOutPkts", "snmpInBadVersions", "snmpInBadCommunityNames",
                     "snmpInBadCommunityUses", "snmpInASNParseErrs", "snmpInTooBigs", "snmpInNoSuchNames",
                     "snmpInBadValues", "snmpInReadOnlys", "snmpInGenErrs", "snmpInTotalReqVars",
                     "snmpInTotalSetVars", "snmpInGetRequests", "snmpInGetNexts", "snmpInSetRequests",
                     "snmpInGetResponses", "snmpInTraps", "snmpOutTooBigs", "snmpOutNoSuchNames",
                     "snmpOutBadValues", "snmpOutGenErrs", "snmpOutGetRequests", "snmpOutGetNexts",
                     "snmpOutSetRequests", "snmpOutGetResponses", "snmpOutTraps"},
                    true})
{
}

