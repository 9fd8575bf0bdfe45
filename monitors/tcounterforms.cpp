#include "tcounterforms.h"

#include "mibtables.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

TCounterForm::TCounterForm(QWidget *owner, const TCounterFormDesc &desc)
    : TCounterPollForm(owner, desc.objectName, desc.caption, QStringLiteral("monitors.html#counters")), m_desc(desc)
{
    // sysUpTime rides in the same GET, after the counters: the switch's own clock for rates.
    TCounterMonitorOptions options;
    options.upTimePosition = int(desc.names.size());
    m_monitor = std::make_unique<TCounterMonitor>(TCounterMonitor::Sequence(desc.names), options);
    resize(640, desc.names.size() > 12 ? 560 : 360);

    m_display = MakeCounterList(this, QString::fromLatin1(desc.displayList));
    m_body->addWidget(m_display, 1);
    m_hidden = HiddenListView(this, desc.hiddenList);
    BeginSidePanel(QStringLiteral("System Time"));
    QPushButton *reset = MonitorButton(this, "BT_Reset", "Reset");
    QPushButton *start = MonitorButton(this, "BT_Start", "Start");
    QPushButton *stop = MonitorButton(this, "BT_Stop", "Pause");
    QPushButton *exit = MonitorButton(this, "Button1", "Exit");
    EndSidePanel({reset, start, stop, exit}, {reset, start, stop, exit});

    // The binding reads the whole group with one asynchronous GET into the hidden row.
    m_binding->Vars().Assign(QvSNMPVarList(desc.table, MVT_SV, 0));
    m_binding->Vars().AddVar(QStringLiteral("1.3.6.1.2.1.1.3.0"), QStringLiteral("sysUpTime"), SYN_TIMETICKS,
                             ACC_READONLY);

    // Rows with empty cells and the current time; the first values come with the creation
    // read (ICMP, UDP, SNMP) or the first tick (IP).
    m_monitor->PrepareRows();
    ShowCounterRows(m_display, *m_monitor);
    Poll();
    m_timer->start();
}

void TCounterForm::ShowAnswer()
{
    QString error;
    if (!m_monitor->Update(HiddenRowTexts(m_hidden), &error, QTime::currentTime(), MonotonicMs()))
        Report(error);
    ShowCounterRows(m_display, *m_monitor);
    m_freshness->Answered(*m_monitor);
}

void TCounterForm::PollDone()
{
    RunGuarded([this](const QString &t) { Report(t); }, [this] {
        if (!m_creationPoll) {
            ShowAnswer();
            return;
        }
        // The IP window only reads at creation; the others show the values at once and
        // still wait a tick before deltas appear.
        m_creationPoll = false;
        if (!m_desc.updateAtCreation)
            return;
        ShowAnswer();
        m_monitor->ClearFirstSample();
    });
}

void TCounterForm::BT_ResetClick()
{
    m_monitor->Reset();
    ShowCounterRows(m_display, *m_monitor);
    m_freshness->Clear(*m_monitor);
}

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

