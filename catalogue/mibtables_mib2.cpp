// MIB-II, IF-MIB, EtherLike and Entity groups.
#include "mibtables.h"

#include "mibdesc_p.h"
#include "mibenums.h"

constinit const QvSNMPVarDesc Dot3StatsTableVars[] = {
    Desc("1.3.6.1.2.1.10.7.2.1.1", "dot3StatsIndex", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.10.7.2.1.2", "dot3StatsAlignmentErrors", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.10.7.2.1.3", "dot3StatsFCSErrors", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.10.7.2.1.4", "dot3StatsSingleCollisionFrames", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.10.7.2.1.7", "dot3StatsDeferredTransmissions", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.10.7.2.1.8", "dot3StatsLateCollisions", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.10.7.2.1.9", "dot3StatsExcessiveCollisions ", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IfXTableVars[] = {
    Desc("1.3.6.1.2.1.2.2.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.1", "Name", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.2", "InMulticastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.3", "InBroadcastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.4", "OutMulticastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.5", "OutBroadcastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.6", "HCInOctets", SYN_COUNTER64, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.7", "HCInUcastPkts", SYN_COUNTER64, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.8", "HCInMulticastPkts", SYN_COUNTER64, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.9", "HCInBroadcastPkts", SYN_COUNTER64, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.10", "HCOutOctets", SYN_COUNTER64, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.11", "HCOutUcastPkts", SYN_COUNTER64, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.12", "HCOutMulticastPkts", SYN_COUNTER64, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.13", "HCOutBroadcastPkts", SYN_COUNTER64, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.14", "LinkUpDownTrapEnable", SYN_INTEGER, RW, &IfXTable_LinkUpDownTrapEnable.list),
    Desc("1.3.6.1.2.1.31.1.1.1.15", "HighSpeed", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.31.1.1.1.16", "PromiscuousMode", SYN_INTEGER, RW, &FalseTrue.list),
    Desc("1.3.6.1.2.1.31.1.1.1.17", "ConnectorPresent", SYN_INTEGER, RO, &FalseTrue.list),
    Desc("1.3.6.1.2.1.31.1.1.1.19", "CounterDiscontinuityTime", SYN_TIMETICKS, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IfGeneralVars[] = {
    Desc("1.3.6.1.2.1.31.1.5", "ifTableLastChange", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.31.1.6", "ifStackLastChange", SYN_TIMETICKS, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc Mib2InformationVars[] = {
    Desc("1.3.6.1.2.1.1.1", "System Description", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.1.2", "System Object ID", SYN_OBJECTID, RO),
    Desc("1.3.6.1.2.1.1.3", "System Uptime", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.1.4", "System Contact", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.1.5", "System Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.1.6", "System Location", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.1.7", "System Service", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IfTableVars[] = {
    Desc("1.3.6.1.2.1.2.2.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.2.2.1.2", "Descr                        ", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.2.2.1.3", "Type", SYN_INTEGER, RO, &IfTable_Type.list),
    Desc("1.3.6.1.2.1.2.2.1.4", "Mtu  ", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.2.2.1.5", "Speed           ", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.2.2.1.6", "PhysAddress     ", SYN_MACADDRESS, RO),
    Desc("1.3.6.1.2.1.2.2.1.7", "AdminStatus", SYN_INTEGER, RW, &UpDownTesting.list),
    Desc("1.3.6.1.2.1.2.2.1.8", "OperStatus", SYN_INTEGER, RO, &UpDownTesting.list),
    Desc("1.3.6.1.2.1.2.2.1.9", "LastChange", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.2.2.1.21", "OutQLen", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.2.2.1.22", "Specific", SYN_OBJECTID, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IfDescrVars[] = {
    Desc("1.3.6.1.2.1.2.2.1.1", "Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.2.2.1.2", "Description      ", SYN_DISPLAYSTR, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IfCountersVars[] = {
    Desc("1.3.6.1.2.1.2.2.1.1", "", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.2.2.1.2", "", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.2.2.1.10", "InOctets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.11", "InUcastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.12", "InNUcastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.13", "InDiscards", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.14", "InErrors", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.15", "InUnknownProtos", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.16", "OutOctets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.17", "OutUcastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.18", "OutNUcastPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.19", "OutDiscards", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.2.2.1.20", "OutErrors", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IpAddrTableVars[] = {
    Desc("1.3.6.1.2.1.4.20.1.1", "ipAdEntAddr", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.4.20.1.2", "ipAdEntIfIndex", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.4.20.1.3", "ipAdEntNetMask", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.4.20.1.4", "ipAdEntBcastAddr", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.4.20.1.5", "ipAdEntReasmMaxSize", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IpRouteVars[] = {
    Desc("1.3.6.1.2.1.4.21.1.1", "ipRouteDest", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.2.1.4.21.1.2", "ipRouteIfIndex", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.21.1.3", "ipRouteMetric1", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.21.1.4", "ipRouteMetric2", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.21.1.5", "ipRouteMetric3", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.21.1.6", "ipRouteMetric4", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.21.1.12", "ipRouteMetric5", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.21.1.7", "ipRouteNextHop", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.2.1.4.21.1.8", "ipRouteType", SYN_INTEGER, RW, &IpRoute_IpRouteType.list),
    Desc("1.3.6.1.2.1.4.21.1.9", "ipRouteProto", SYN_INTEGER, RO, &IpRoute_IpRouteProto.list),
    Desc("1.3.6.1.2.1.4.21.1.10", "ipRouteAge", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.21.1.11", "ipRouteMask", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.2.1.4.21.1.13", "ipRouteInfo", SYN_OBJECTID, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IpCountersVars[] = {
    Desc("1.3.6.1.2.1.4.3.0", "ipInReceives", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.4.4.0", "ipInHdrErrors", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.4.5.0", "ipInAddrErrors", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.4.6.0", "ipForwDatagrams", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.4.7.0", "ipInUnknownProtos", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.4.8.0", "ipInDiscards", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.4.9.0", "ipInDelivers", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.4.10.0", "ipOutRequests", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.4.11.0", "ipOutDiscards", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.4.12.0", "ipOutNoRoutes", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IcmpCountersVars[] = {
    Desc("1.3.6.1.2.1.5.1.0", "icmpInMsgs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.2.0", "icmpInErrors", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.3.0", "icmpInDestUnreachs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.4.0", "icmpInTimeExcds", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.5.0", "icmpInParmProbs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.6.0", "icmpInSrcQuenchs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.7.0", "icmpInRedirects", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.8.0", "icmpInEchos", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.9.0", "icmpInEchoReps", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.10.0", "icmpInTimestamps", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.11.0", "icmpInTimestampReps", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.12.0", "icmpInAddrMasks", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.13.0", "icmpInAddrMaskReps", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.14.0", "icmpOutMsgs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.15.0", "icmpOutErrors", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.16.0", "icmpOutDestUnreachs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.17.0", "icmpOutTimeExcds", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.18.0", "icmpOutParmProbs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.19.0", "icmpOutSrcQuenchs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.20.0", "icmpOutRedirects", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.21.0", "icmpOutEchos", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.22.0", "icmpOutEchoReps", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.23.0", "icmpOutTimestamps", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.24.0", "icmpOutTimestampReps", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.25.0", "icmpOutAddrMasks", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.5.26.0", "icmpOutAddrMaskReps", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc UdpCountersVars[] = {
    Desc("1.3.6.1.2.1.7.1.0", "udpInDatagrams", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.7.2.0", "udpNoPorts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.7.3.0", "udpInErrors", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.7.4.0", "udpOutDatagrams", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc SnmpCountersVars[] = {
    Desc("1.3.6.1.2.1.11.1.0", "snmpInPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.2.0", "snmpOutPkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.3.0", "snmpInBadVersions", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.4.0", "snmpInBadCommunityNames", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.5.0", "snmpInBadCommunityUses", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.6.0", "snmpInASNParseErrs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.8.0", "snmpInTooBigs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.9.0", "snmpInNoSuchNames", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.10.0", "snmpInBadValues", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.11.0", "snmpInReadOnlys", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.12.0", "snmpInGenErrs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.13.0", "snmpInTotalReqVars", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.14.0", "snmpInTotalSetVars", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.15.0", "snmpInGetRequests", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.16.0", "snmpInGetNexts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.17.0", "snmpInSetRequests", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.18.0", "snmpInGetResponses", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.19.0", "snmpInTraps", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.20.0", "snmpOutTooBigs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.21.0", "snmpOutNoSuchNames", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.22.0", "snmpOutBadValues", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.24.0", "snmpOutGenErrs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.25.0", "snmpOutGetRequests", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.26.0", "snmpOutGetNexts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.27.0", "snmpOutSetRequests", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.28.0", "snmpOutGetResponses", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.11.29.0", "snmpOutTraps", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc EntityPhysicalTableVars[] = {
    Desc("1.3.6.1.2.1.47.1.1.1.1.1", "entPhysical Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.47.1.1.1.1.2", "entPhysical Descr", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.3", "entPhysical Vendor Type", SYN_OBJECTID, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.4", "entPhysical Contained In", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.5", "entPhysical Class", SYN_INTEGER, RO, &EntityPhysicalTable_EntPhysicalClass.list),
    Desc("1.3.6.1.2.1.47.1.1.1.1.6", "entPhysical Parent Rel Pos", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.7", "entPhysical Name", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.8", "entPhysical Hardware Rev", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.9", "entPhysical Firmware Rev", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.10", "entPhysical Software Rev", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.11", "entPhysical Serial Num", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.47.1.1.1.1.12", "entPhysical Mfg Name", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.13", "entPhysical Model Name", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.1.1.1.14", "entPhysical Alias", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.47.1.1.1.1.15", "entPhysical Asset ID", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.47.1.1.1.1.16", "entPhysicalIs FRU", SYN_INTEGER, RO, &TruthValue.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc EntityLogicalTableVars[] = {
    Desc("1.3.6.1.2.1.47.1.2.1.1.1", "entLogical Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.47.1.2.1.1.2", "entLogical Descr", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.2.1.1.3", "entLogical Type", SYN_OBJECTID, RO),
    Desc("1.3.6.1.2.1.47.1.2.1.1.4", "entLogical Community", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.2.1.1.5", "entLogical TAddress", SYN_BITSTR, RO),
    Desc("1.3.6.1.2.1.47.1.2.1.1.6", "entLogical TDomain", SYN_OBJECTID, RO),
    Desc("1.3.6.1.2.1.47.1.2.1.1.7", "entLogical Context EngineID", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.2.1.47.1.2.1.1.8", "entLogical ContextName", SYN_DISPLAYSTR, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc LpMappingVars[] = {
    Desc(" ", "entLogicalIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.47.1.3.1.1.1", "entPPhysical Index", SYN_INTEGER, IDX),
    EndOfTable,
};

constinit const QvSNMPVarDesc AliasMappingVars[] = {
    Desc(" ", "entPhysicalIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.47.1.3.2.1.1", "entAlias Logical IndexOrZero", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.47.1.3.2.1.2", "entAlias Mapping Identifier", SYN_OBJECTID, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc PhysicalContainsVars[] = {
    Desc(" ", "entPhysicalIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.47.1.3.3.1.1", "entPhysical Child Index", SYN_INTEGER, IDX),
    EndOfTable,
};

constinit const QvSNMPVarDesc EntityLastChangeVars[] = {
    Desc("1.3.6.1.2.1.47.1.4.1", "ent Last Change Time", SYN_TIMETICKS, RO),
    EndOfTable,
};

namespace {

constinit const MibTableEntry Tables[] = {
    TableEntry("Dot3StatsTableVars", Dot3StatsTableVars),
    TableEntry("IfXTableVars", IfXTableVars),
    TableEntry("IfGeneralVars", IfGeneralVars),
    TableEntry("Mib2InformationVars", Mib2InformationVars),
    TableEntry("IfTableVars", IfTableVars),
    TableEntry("IfDescrVars", IfDescrVars),
    TableEntry("IfCountersVars", IfCountersVars),
    TableEntry("IpAddrTableVars", IpAddrTableVars),
    TableEntry("IpRouteVars", IpRouteVars),
    TableEntry("IpCountersVars", IpCountersVars),
    TableEntry("IcmpCountersVars", IcmpCountersVars),
    TableEntry("UdpCountersVars", UdpCountersVars),
    TableEntry("SnmpCountersVars", SnmpCountersVars),
    TableEntry("EntityPhysicalTableVars", EntityPhysicalTableVars),
    TableEntry("EntityLogicalTableVars", EntityLogicalTableVars),
    TableEntry("LpMappingVars", LpMappingVars),
    TableEntry("AliasMappingVars", AliasMappingVars),
    TableEntry("PhysicalContainsVars", PhysicalContainsVars),
    TableEntry("EntityLastChangeVars", EntityLastChangeVars),
};

} // namespace

std::span<const MibTableEntry> Mib2TableIndex() { return Tables; }
