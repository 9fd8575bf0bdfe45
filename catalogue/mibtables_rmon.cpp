// RMON statistics, history, alarms, events and the event log.
#include "mibtables.h"

#include "mibdesc_p.h"
#include "mibenums.h"

constinit const QvSNMPVarDesc RmonEtherStatsVars[] = {
    Desc("1.3.6.1.2.1.16.1.1.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.2", "DataSource", SYN_OBJECTID, RW),
    Desc("1.3.6.1.2.1.16.1.1.1.3", "DropEvents", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.4", "Octets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.5", "Pkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.6", "BroadcastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.7", "MulticastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.8", "CRCAlignErrors", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.9", "UndersizePkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.10", "OversizePkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.11", "Fragments", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.12", "Jabbers", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.13", "Collisions", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.14", "64Octets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.15", "65to127Octets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.16", "128to255Octets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.17", "256to511Octets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.18", "512to1023Octets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.19", "1024to1518Octets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.20", "Owner", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.1.1.1.21", "Status", SYN_INTEGER, RW, &EntryStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonStatsControlVars[] = {
    Desc("1.3.6.1.2.1.16.1.1.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.2", "Data Source                           ", SYN_OBJECTID, RW),
    Desc("1.3.6.1.2.1.16.1.1.1.20", "Owner                ", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.1.1.1.21", "Status  ", SYN_INTEGER, RW, &EntryStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonStatsControlEditVars[] = {
    Desc("1.3.6.1.2.1.16.1.1.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.1.1.1.2", "Data Source", SYN_OBJECTID, RW),
    Desc("1.3.6.1.2.1.16.1.1.1.20", "Owner", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.1.1.1.21", "Status", SYN_INTEGER, RW, &EntryStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonHistoryControlVars[] = {
    Desc("1.3.6.1.2.1.16.2.1.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.2.1.1.2", "Data Source                           ", SYN_OBJECTID, RW),
    Desc("1.3.6.1.2.1.16.2.1.1.3", "Buckets Requested", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.16.2.1.1.4", "Buckets Granted", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.2.1.1.5", "Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.16.2.1.1.6", "Owner                ", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.2.1.1.7", "Status", SYN_INTEGER, RW, &EntryStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonHistoryControlEditVars[] = {
    Desc("1.3.6.1.2.1.16.2.1.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.2.1.1.2", "Data Source", SYN_OBJECTID, RW),
    Desc("1.3.6.1.2.1.16.2.1.1.3", "Buckets Requested", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.16.2.1.1.5", "Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.16.2.1.1.6", "Owner", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.2.1.1.7", "Status", SYN_INTEGER, RW, &EntryStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonEtherHistoryVars[] = {
    Desc("1.3.6.1.2.1.16.2.2.1.3", "Time Stamp", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.4", "Drop Events", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.5", "Octets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.6", "Packets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.7", "Broadcast", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.8", "Multicast", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.9", "CRC Align", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.10", "Undersize", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.11", "Oversize", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.12", "Fragments", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.13", "Jabbers", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.14", "Collisions", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.16.2.2.1.15", "Utilization", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonAlarmVars[] = {
    Desc("1.3.6.1.2.1.16.3.1.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.3.1.1.2", "Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.16.3.1.1.3", "Variable                   ", SYN_OBJECTID, RW),
    Desc("1.3.6.1.2.1.16.3.1.1.4", "SampleType          ", SYN_INTEGER, RW, &RmonAlarm_SampleType.list),
    Desc("1.3.6.1.2.1.16.3.1.1.5", "Value             ", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.3.1.1.6", "StartupAlarm         ", SYN_INTEGER, RW, &RmonAlarm_StartupAlarm.list),
    Desc("1.3.6.1.2.1.16.3.1.1.7", "RisingThreshold", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.16.3.1.1.8", "FallingThreshold", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.16.3.1.1.9", "RisingEvent", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.16.3.1.1.10", "FallingEvent", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.16.3.1.1.11", "Owner       ", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.3.1.1.12", "Status", SYN_INTEGER, RW, &EntryStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonEventVars[] = {
    Desc("1.3.6.1.2.1.16.9.1.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.9.1.1.2", "Description            ", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.9.1.1.3", "Type               ", SYN_INTEGER, RW, &EnumNoneLog.list),
    Desc("1.3.6.1.2.1.16.9.1.1.4", "Community", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.9.1.1.5", "TimeSent                  ", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.16.9.1.1.6", "Owner       ", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.9.1.1.7", "Status", SYN_INTEGER, RW, &EntryStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonEventEditVars[] = {
    Desc("1.3.6.1.2.1.16.9.1.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.9.1.1.2", "Description", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.9.1.1.3", "Type", SYN_INTEGER, RW, &EnumNoneLog.list),
    Desc("1.3.6.1.2.1.16.9.1.1.4", "Community", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.9.1.1.5", "TimeSent", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.16.9.1.1.6", "Owner", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.9.1.1.7", "Status", SYN_INTEGER, RW, &EntryStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonEventEdit2Vars[] = {
    Desc("1.3.6.1.2.1.16.9.1.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.9.1.1.2", "Description", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.9.1.1.3", "Type", SYN_INTEGER, RW, &EnumNoneLog.list),
    Desc("1.3.6.1.2.1.16.9.1.1.4", "Community", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.9.1.1.5", "TimeSent", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.16.9.1.1.6", "Owner", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.16.9.1.1.7", "Status", SYN_INTEGER, RW, &EntryStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RmonLogVars[] = {
    Desc("1.3.6.1.2.1.16.9.2.1.1", "logEventIndex", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.9.2.1.2", "logIndex", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.16.9.2.1.3", "logTime                   ", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.16.9.2.1.4", "logDescription                                    ", SYN_DISPLAYSTR, RO),
    EndOfTable,
};

namespace {

constinit const MibTableEntry Tables[] = {
    TableEntry("RmonEtherStatsVars", RmonEtherStatsVars),
    TableEntry("RmonStatsControlVars", RmonStatsControlVars),
    TableEntry("RmonStatsControlEditVars", RmonStatsControlEditVars),
    TableEntry("RmonHistoryControlVars", RmonHistoryControlVars),
    TableEntry("RmonHistoryControlEditVars", RmonHistoryControlEditVars),
    TableEntry("RmonEtherHistoryVars", RmonEtherHistoryVars),
    TableEntry("RmonAlarmVars", RmonAlarmVars),
    TableEntry("RmonEventVars", RmonEventVars),
    TableEntry("RmonEventEditVars", RmonEventEditVars),
    TableEntry("RmonEventEdit2Vars", RmonEventEdit2Vars),
    TableEntry("RmonLogVars", RmonLogVars),
};

} // namespace

std::span<const MibTableEntry> RmonTableIndex() { return Tables; }
