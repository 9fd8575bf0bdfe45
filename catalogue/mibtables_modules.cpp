// Standard MIB groups behind the suite's shared modules: CIDR routes (RFC 2096), RIP-2
// (RFC 1724), OSPF (RFC 1850), IP multicast routing (RFC 2932), DVMRP, PIM (RFC 2934), the
// IP net-to-media table, the bridge forwarding and static filtering databases and the interface
// stack. Read-create columns are writable; tables with a status column create and delete rows.
#include "moduletables.h"

#include "mibdesc_p.h"

namespace {

const QvOptionDesc IpCidrRoute_TypeSource[] = {
    {1, "other"}, {2, "reject"}, {3, "local"}, {4, "remote"}, {0, nullptr}
};
const QvOptionDesc IpCidrRoute_ProtoSource[] = {
    {1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "icmp"}, {5, "egp"}, {6, "ggp"}, {7, "hello"},
    {8, "rip"}, {9, "isIs"}, {10, "esIs"}, {11, "ciscoIgrp"}, {12, "bbnSpfIgp"}, {13, "ospf"},
    {14, "bgp"}, {15, "idpr"}, {16, "ciscoEigrp"}, {0, nullptr}
};
const QvOptionDesc Rip2IfConf_AuthTypeSource[] = {
    {1, "noAuthentication"}, {2, "simplePassword"}, {3, "md5"}, {0, nullptr}
};
const QvOptionDesc Rip2IfConf_SendSource[] = {
    {1, "doNotSend"}, {2, "ripVersion1"}, {3, "rip1Compatible"}, {4, "ripVersion2"}, {5, "ripV1Demand"},
    {6, "ripV2Demand"}, {0, nullptr}
};
const QvOptionDesc Rip2IfConf_ReceiveSource[] = {
    {1, "rip1"}, {2, "rip2"}, {3, "rip1OrRip2"}, {4, "doNotRecieve"}, {0, nullptr}
};
const QvOptionDesc OspfGeneral_VersionNumberSource[] = {
    {2, "version2"}, {0, nullptr}
};
const QvOptionDesc OspfArea_ImportAsExternSource[] = {
    {1, "importExternal"}, {2, "importNoExternal"}, {3, "importNssa"}, {0, nullptr}
};
const QvOptionDesc OspfArea_AreaSummarySource[] = {
    {1, "noAreaSummary"}, {2, "sendAreaSummary"}, {0, nullptr}
};
const QvOptionDesc OspfLsdb_TypeSource[] = {
    {1, "routerLink"}, {2, "networkLink"}, {3, "summaryLink"}, {4, "asSummaryLink"}, {5, "asExternalLink"},
    {6, "multicastLink"}, {7, "nssaExternalLink"}, {0, nullptr}
};
const QvOptionDesc OspfIf_TypeSource[] = {
    {1, "broadcast"}, {2, "nbma"}, {3, "pointToPoint"}, {5, "pointToMultipoint"}, {0, nullptr}
};
const QvOptionDesc OspfIf_StateSource[] = {
    {1, "down"}, {2, "loopback"}, {3, "waiting"}, {4, "pointToPoint"}, {5, "designatedRouter"},
    {6, "backupDesignatedRouter"}, {7, "otherDesignatedRouter"}, {0, nullptr}
};
const QvOptionDesc OspfNbr_StateSource[] = {
    {1, "down"}, {2, "attempt"}, {3, "init"}, {4, "twoWay"}, {5, "exchangeStart"}, {6, "exchange"},
    {7, "loading"}, {8, "full"}, {0, nullptr}
};
const QvOptionDesc OspfNbr_PermanenceSource[] = {
    {1, "dynamic"}, {2, "permanent"}, {0, nullptr}
};
const QvOptionDesc IpMRoute_ProtocolSource[] = {
    {1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "dvmrp"}, {5, "mospf"}, {6, "pimSparseDense"}, {7, "cbt"},
    {8, "pimSparseMode"}, {9, "pimDenseMode"}, {10, "igmpOnly"}, {11, "bgmp"}, {12, "msdp"}, {0, nullptr}
};
const QvOptionDesc IpMRoute_RtTypeSource[] = {
    {1, "unicast"}, {2, "multicast"}, {0, nullptr}
};
const QvOptionDesc DvmrpNeighbor_StateSource[] = {
    {1, "oneway"}, {2, "active"}, {3, "ignoring"}, {4, "down"}, {0, nullptr}
};
const QvOptionDesc PimInterface_ModeSource[] = {
    {1, "dense"}, {2, "sparse"}, {3, "sparseDense"}, {0, nullptr}
};
const QvOptionDesc PimNeighbor_ModeSource[] = {
    {1, "dense"}, {2, "sparse"}, {0, nullptr}
};
const QvOptionDesc IpNetToMedia_TypeSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "dynamic"}, {4, "static"}, {0, nullptr}
};
const QvOptionDesc TpFdb_StatusSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}
};
const QvOptionDesc StaticFilter_StatusSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "permanent"}, {4, "deleteOnReset"}, {5, "deleteOnTimeout"}, {0, nullptr}
};

} // namespace

constinit QvStaticOptionList IpCidrRoute_Type;
constinit QvStaticOptionList IpCidrRoute_Proto;
constinit QvStaticOptionList Rip2IfConf_AuthType;
constinit QvStaticOptionList Rip2IfConf_Send;
constinit QvStaticOptionList Rip2IfConf_Receive;
constinit QvStaticOptionList OspfGeneral_VersionNumber;
constinit QvStaticOptionList OspfArea_ImportAsExtern;
constinit QvStaticOptionList OspfArea_AreaSummary;
constinit QvStaticOptionList OspfLsdb_Type;
constinit QvStaticOptionList OspfIf_Type;
constinit QvStaticOptionList OspfIf_State;
constinit QvStaticOptionList OspfNbr_State;
constinit QvStaticOptionList OspfNbr_Permanence;
constinit QvStaticOptionList IpMRoute_Protocol;
constinit QvStaticOptionList IpMRoute_RtType;
constinit QvStaticOptionList DvmrpNeighbor_State;
constinit QvStaticOptionList PimInterface_Mode;
constinit QvStaticOptionList PimNeighbor_Mode;
constinit QvStaticOptionList IpNetToMedia_Type;
constinit QvStaticOptionList TpFdb_Status;
constinit QvStaticOptionList StaticFilter_Status;

// CIDR route table.
constinit const QvSNMPVarDesc IpCidrRouteTableVars[] = {
    Desc("1.3.6.1.2.1.4.24.4.1.1", "Dest", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.2.1.4.24.4.1.2", "Mask", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.2.1.4.24.4.1.3", "Tos", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.4.24.4.1.4", "NextHop", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.2.1.4.24.4.1.5", "IfIndex", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.24.4.1.6", "Type", SYN_INTEGER, RW, &IpCidrRoute_Type.list),
    Desc("1.3.6.1.2.1.4.24.4.1.7", "Proto", SYN_INTEGER, RO, &IpCidrRoute_Proto.list),
    Desc("1.3.6.1.2.1.4.24.4.1.8", "Age", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.4.24.4.1.9", "Info", SYN_OBJECTID, RW),
    Desc("1.3.6.1.2.1.4.24.4.1.10", "NextHopAS", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.24.4.1.11", "Metric1", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.24.4.1.12", "Metric2", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.24.4.1.13", "Metric3", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.24.4.1.14", "Metric4", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.24.4.1.15", "Metric5", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.4.24.4.1.16", "Status", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

// RIP-2.
constinit const QvSNMPVarDesc Rip2GlobalVars[] = {
    Desc("1.3.6.1.2.1.23.1.1", "Route Changes", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.23.1.2", "Queries", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc Rip2IfStatTableVars[] = {
    Desc("1.3.6.1.2.1.23.2.1.1", "Address", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.23.2.1.2", "Rcv Bad Packets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.23.2.1.3", "Rcv Bad Routes", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.23.2.1.4", "Sent Updates", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.23.2.1.5", "Status", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc Rip2IfConfTableVars[] = {
    Desc("1.3.6.1.2.1.23.3.1.1", "Address", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.23.3.1.2", "Domain", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.2.1.23.3.1.3", "Auth Type", SYN_INTEGER, RW, &Rip2IfConf_AuthType.list),
    Desc("1.3.6.1.2.1.23.3.1.4", "Auth Key", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.2.1.23.3.1.5", "Send", SYN_INTEGER, RW, &Rip2IfConf_Send.list),
    Desc("1.3.6.1.2.1.23.3.1.6", "Receive", SYN_INTEGER, RW, &Rip2IfConf_Receive.list),
    Desc("1.3.6.1.2.1.23.3.1.7", "Default Metric", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.23.3.1.8", "Status", SYN_INTEGER, RW, &RowStatus.list),
    Desc("1.3.6.1.2.1.23.3.1.9", "Src Address", SYN_IPADDRESS, RW),
    EndOfTable,
};

// OSPF.
constinit const QvSNMPVarDesc OspfGeneralVars[] = {
    Desc("1.3.6.1.2.1.14.1.1", "Router Id", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.2.1.14.1.2", "Admin Status", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.2.1.14.1.3", "Version Number", SYN_INTEGER, RO, &OspfGeneral_VersionNumber.list),
    Desc("1.3.6.1.2.1.14.1.4", "Area Border Router", SYN_INTEGER, RO, &TruthValue.list),
    Desc("1.3.6.1.2.1.14.1.5", "AS Border Router", SYN_INTEGER, RW, &TruthValue.list),
    Desc("1.3.6.1.2.1.14.1.6", "External LSA Count", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.14.1.7", "External LSA Checksum Sum", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.14.1.8", "TOS Support", SYN_INTEGER, RW, &TruthValue.list),
    Desc("1.3.6.1.2.1.14.1.9", "Originate New LSAs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.14.1.10", "Rx New LSAs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.14.1.11", "Ext Lsdb Limit", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.1.12", "Multicast Extensions", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.1.13", "Exit Overflow Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.1.14", "Demand Extensions", SYN_INTEGER, RW, &TruthValue.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc OspfAreaTableVars[] = {
    Desc("1.3.6.1.2.1.14.2.1.1", "Area Id", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.14.2.1.3", "Import As Extern", SYN_INTEGER, RW, &OspfArea_ImportAsExtern.list),
    Desc("1.3.6.1.2.1.14.2.1.4", "Spf Runs", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.14.2.1.5", "Area Bdr Rtr Count", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.14.2.1.6", "As Bdr Rtr Count", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.14.2.1.7", "Area Lsa Count", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.14.2.1.8", "Area Lsa Cksum Sum", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.14.2.1.9", "Area Summary", SYN_INTEGER, RW, &OspfArea_AreaSummary.list),
    Desc("1.3.6.1.2.1.14.2.1.10", "Status", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc OspfLsdbTableVars[] = {
    Desc("1.3.6.1.2.1.14.4.1.1", "Area Id", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.14.4.1.2", "Type", SYN_INTEGER, RO, &OspfLsdb_Type.list),
    Desc("1.3.6.1.2.1.14.4.1.3", "Ls Id", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.14.4.1.4", "Router Id", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.14.4.1.5", "Sequence", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.14.4.1.6", "Age", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.14.4.1.7", "Checksum", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc OspfIfTableVars[] = {
    Desc("1.3.6.1.2.1.14.7.1.1", "Ip Address", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.14.7.1.2", "Address Less If", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.14.7.1.3", "Area Id", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.2.1.14.7.1.4", "Type", SYN_INTEGER, RW, &OspfIf_Type.list),
    Desc("1.3.6.1.2.1.14.7.1.5", "Admin Status", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.2.1.14.7.1.6", "Rtr Priority", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.7.1.7", "Transit Delay", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.7.1.8", "Retrans Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.7.1.9", "Hello Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.7.1.10", "Rtr Dead Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.7.1.11", "Poll Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.7.1.12", "State", SYN_INTEGER, RO, &OspfIf_State.list),
    Desc("1.3.6.1.2.1.14.7.1.13", "Designated Router", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.14.7.1.14", "Backup Designated Router", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.14.7.1.15", "Events", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.14.7.1.16", "Auth Key", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.2.1.14.7.1.17", "Status", SYN_INTEGER, RW, &RowStatus.list),
    Desc("1.3.6.1.2.1.14.7.1.20", "Auth Type", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc OspfNbrTableVars[] = {
    Desc("1.3.6.1.2.1.14.10.1.1", "Nbr Ip Addr", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.14.10.1.2", "Nbr Address Less Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.14.10.1.3", "Nbr Rtr Id", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.14.10.1.4", "Nbr Options", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.14.10.1.5", "Nbr Priority", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.14.10.1.6", "Nbr State", SYN_INTEGER, RO, &OspfNbr_State.list),
    Desc("1.3.6.1.2.1.14.10.1.7", "Nbr Events", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.14.10.1.8", "Nbr Ls Retrans Q Len", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.14.10.1.9", "Nbma Nbr Status", SYN_INTEGER, RW, &RowStatus.list),
    Desc("1.3.6.1.2.1.14.10.1.10", "Nbma Nbr Permanence", SYN_INTEGER, RO, &OspfNbr_Permanence.list),
    Desc("1.3.6.1.2.1.14.10.1.11", "Nbr Hello Suppressed", SYN_INTEGER, RO, &TruthValue.list),
    EndOfTable,
};

// IP multicast routing.
constinit const QvSNMPVarDesc IpMRouteGeneralVars[] = {
    Desc("1.3.6.1.2.1.83.1.1.1", "Multicast Routing", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.2.1.83.1.1.7", "Entry Count", SYN_GAUGE, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IpMRouteTableVars[] = {
    Desc("1.3.6.1.2.1.83.1.1.2.1.1", "Group", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.2.1.83.1.1.2.1.2", "Source", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.2.1.83.1.1.2.1.3", "Source Mask", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.2.1.83.1.1.2.1.4", "Upstream Neighbor", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.83.1.1.2.1.5", "In IfIndex", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.83.1.1.2.1.6", "Up Time", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.83.1.1.2.1.7", "Expiry Time", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.83.1.1.2.1.8", "Pkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.83.1.1.2.1.9", "Different In If Packets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.83.1.1.2.1.10", "Octets", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.83.1.1.2.1.11", "Protocol", SYN_INTEGER, RO, &IpMRoute_Protocol.list),
    Desc("1.3.6.1.2.1.83.1.1.2.1.12", "Rt Proto", SYN_INTEGER, RO, &IpCidrRoute_Proto.list),
    Desc("1.3.6.1.2.1.83.1.1.2.1.13", "Rt Address", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.83.1.1.2.1.14", "Rt Mask", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.2.1.83.1.1.2.1.15", "Rt Type", SYN_INTEGER, RO, &IpMRoute_RtType.list),
    EndOfTable,
};

// DVMRP.
constinit const QvSNMPVarDesc DvmrpScalarVars[] = {
    Desc("1.3.6.1.3.62.1.1.1", "Version", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.3.62.1.1.2", "Generation Id", SYN_INTEGER, RO),
    Desc("1.3.6.1.3.62.1.1.3", "Number of Routes", SYN_GAUGE, RO),
    Desc("1.3.6.1.3.62.1.1.4", "Reachable Routes", SYN_GAUGE, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc DvmrpInterfaceTableVars[] = {
    Desc("1.3.6.1.3.62.1.2.1.1", "IfIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.3.62.1.2.1.2", "Local Address", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.3.62.1.2.1.3", "Metric", SYN_INTEGER, RW),
    Desc("1.3.6.1.3.62.1.2.1.4", "Status", SYN_INTEGER, RW, &RowStatus.list),
    Desc("1.3.6.1.3.62.1.2.1.5", "Rcv Bad Pkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.3.62.1.2.1.6", "Rcv Bad Routes", SYN_COUNTER, RO),
    Desc("1.3.6.1.3.62.1.2.1.7", "Sent Routes", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc DvmrpNeighborTableVars[] = {
    Desc("1.3.6.1.3.62.1.3.1.1", "IfIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.3.62.1.3.1.2", "Address", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.3.62.1.3.1.3", "Up Time", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.3.62.1.3.1.4", "Expiry Time", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.3.62.1.3.1.5", "Generation Id", SYN_INTEGER, RO),
    Desc("1.3.6.1.3.62.1.3.1.6", "Major Version", SYN_INTEGER, RO),
    Desc("1.3.6.1.3.62.1.3.1.7", "Minor Version", SYN_INTEGER, RO),
    Desc("1.3.6.1.3.62.1.3.1.8", "Capabilities", SYN_BITSTR, RO),
    Desc("1.3.6.1.3.62.1.3.1.9", "Rcv Routes", SYN_COUNTER, RO),
    Desc("1.3.6.1.3.62.1.3.1.10", "Rcv Bad Pkts", SYN_COUNTER, RO),
    Desc("1.3.6.1.3.62.1.3.1.12", "State", SYN_INTEGER, RO, &DvmrpNeighbor_State.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc DvmrpRouteTableVars[] = {
    Desc("1.3.6.1.3.62.1.4.1.1", "Source", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.3.62.1.4.1.2", "Source Mask", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.3.62.1.4.1.3", "Upstream Neighbor", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.3.62.1.4.1.4", "IfIndex", SYN_INTEGER, RO),
    Desc("1.3.6.1.3.62.1.4.1.5", "Metric", SYN_INTEGER, RO),
    Desc("1.3.6.1.3.62.1.4.1.6", "Expiry Time", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.3.62.1.4.1.7", "Up Time", SYN_TIMETICKS, RO),
    EndOfTable,
};

// PIM.
constinit const QvSNMPVarDesc PimGeneralVars[] = {
    Desc("1.3.6.1.3.61.1.1.1", "Join Prune Interval", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc PimInterfaceTableVars[] = {
    Desc("1.3.6.1.3.61.1.1.2.1.1", "IfIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.3.61.1.1.2.1.2", "Address", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.3.61.1.1.2.1.3", "Net Mask", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.3.61.1.1.2.1.4", "Mode", SYN_INTEGER, RW, &PimInterface_Mode.list),
    Desc("1.3.6.1.3.61.1.1.2.1.5", "DR", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.3.61.1.1.2.1.6", "Hello Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.3.61.1.1.2.1.7", "Status", SYN_INTEGER, RW, &RowStatus.list),
    Desc("1.3.6.1.3.61.1.1.2.1.8", "Join Prune Interval", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc PimNeighborTableVars[] = {
    Desc("1.3.6.1.3.61.1.1.3.1.1", "Address", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.3.61.1.1.3.1.2", "IfIndex", SYN_INTEGER, RO),
    Desc("1.3.6.1.3.61.1.1.3.1.3", "Up Time", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.3.61.1.1.3.1.4", "Expiry Time", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.3.61.1.1.3.1.5", "Mode", SYN_INTEGER, RO, &PimNeighbor_Mode.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc PimRPSetTableVars[] = {
    Desc("1.3.6.1.3.61.1.1.6.1.6", "Component Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.3.61.1.1.6.1.1", "Group Address", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.3.61.1.1.6.1.2", "Group Mask", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.3.61.1.1.6.1.3", "RP Address", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.3.61.1.1.6.1.4", "Hold Time", SYN_INTEGER, RO),
    Desc("1.3.6.1.3.61.1.1.6.1.5", "Expiry Time", SYN_TIMETICKS, RO),
    EndOfTable,
};

// ARP cache: invalid removes an entry, static adds one.
constinit const QvSNMPVarDesc IpNetToMediaTableVars[] = {
    Desc("1.3.6.1.2.1.4.22.1.1", "IfIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.4.22.1.3", "Net Address", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.2.1.4.22.1.2", "Phys Address", SYN_MACADDRESS, RW),
    Desc("1.3.6.1.2.1.4.22.1.4", "Type", SYN_INTEGER, RW, &IpNetToMedia_Type.list),
    EndOfTable,
};

// Transparent bridge forwarding database.
constinit const QvSNMPVarDesc TpFdbTableVars[] = {
    Desc("1.3.6.1.2.1.17.4.3.1.1", "Address", SYN_MACADDRESS, RO),
    Desc("1.3.6.1.2.1.17.4.3.1.2", "Port", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.4.3.1.3", "Status", SYN_INTEGER, RO, &TpFdb_Status.list),
    EndOfTable,
};

// Static filtering: permanent creates an entry, invalid removes it.
constinit const QvSNMPVarDesc StaticFilterTableVars[] = {
    Desc("1.3.6.1.2.1.17.5.1.1.1", "Address", SYN_MACADDRESS, IDX),
    Desc("1.3.6.1.2.1.17.5.1.1.2", "Receive Port", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.5.1.1.3", "Allowed To Go To", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.2.1.17.5.1.1.4", "Status", SYN_INTEGER, RW, &StaticFilter_Status.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc IfStackTableVars[] = {
    Desc("1.3.6.1.2.1.31.1.2.1.1", "Higher Layer", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.31.1.2.1.2", "Lower Layer", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.31.1.2.1.3", "Status", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

namespace {

constinit const MibTableEntry Tables[] = {
    TableEntry("IpCidrRouteTableVars", IpCidrRouteTableVars),
    TableEntry("Rip2GlobalVars", Rip2GlobalVars),
    TableEntry("Rip2IfStatTableVars", Rip2IfStatTableVars),
    TableEntry("Rip2IfConfTableVars", Rip2IfConfTableVars),
    TableEntry("OspfGeneralVars", OspfGeneralVars),
    TableEntry("OspfAreaTableVars", OspfAreaTableVars),
    TableEntry("OspfLsdbTableVars", OspfLsdbTableVars),
    TableEntry("OspfIfTableVars", OspfIfTableVars),
    TableEntry("OspfNbrTableVars", OspfNbrTableVars),
    TableEntry("IpMRouteGeneralVars", IpMRouteGeneralVars),
    TableEntry("IpMRouteTableVars", IpMRouteTableVars),
    TableEntry("DvmrpScalarVars", DvmrpScalarVars),
    TableEntry("DvmrpInterfaceTableVars", DvmrpInterfaceTableVars),
    TableEntry("DvmrpNeighborTableVars", DvmrpNeighborTableVars),
    TableEntry("DvmrpRouteTableVars", DvmrpRouteTableVars),
    TableEntry("PimGeneralVars", PimGeneralVars),
    TableEntry("PimInterfaceTableVars", PimInterfaceTableVars),
    TableEntry("PimNeighborTableVars", PimNeighborTableVars),
    TableEntry("PimRPSetTableVars", PimRPSetTableVars),
    TableEntry("IpNetToMediaTableVars", IpNetToMediaTableVars),
    TableEntry("TpFdbTableVars", TpFdbTableVars),
    TableEntry("StaticFilterTableVars", StaticFilterTableVars),
    TableEntry("IfStackTableVars", IfStackTableVars),
};

constinit const ModuleListSource Lists[] = {
    {{"IpCidrRoute_Type", &IpCidrRoute_Type.list, false}, &IpCidrRoute_Type, IpCidrRoute_TypeSource},
    {{"IpCidrRoute_Proto", &IpCidrRoute_Proto.list, true}, &IpCidrRoute_Proto, IpCidrRoute_ProtoSource},
    {{"Rip2IfConf_AuthType", &Rip2IfConf_AuthType.list, false}, &Rip2IfConf_AuthType, Rip2IfConf_AuthTypeSource},
    {{"Rip2IfConf_Send", &Rip2IfConf_Send.list, false}, &Rip2IfConf_Send, Rip2IfConf_SendSource},
    {{"Rip2IfConf_Receive", &Rip2IfConf_Receive.list, false}, &Rip2IfConf_Receive, Rip2IfConf_ReceiveSource},
    {{"OspfGeneral_VersionNumber", &OspfGeneral_VersionNumber.list, false}, &OspfGeneral_VersionNumber, OspfGeneral_VersionNumberSource},
    {{"OspfArea_ImportAsExtern", &OspfArea_ImportAsExtern.list, false}, &OspfArea_ImportAsExtern, OspfArea_ImportAsExternSource},
    {{"OspfArea_AreaSummary", &OspfArea_AreaSummary.list, false}, &OspfArea_AreaSummary, OspfArea_AreaSummarySource},
    {{"OspfLsdb_Type", &OspfLsdb_Type.list, false}, &OspfLsdb_Type, OspfLsdb_TypeSource},
    {{"OspfIf_Type", &OspfIf_Type.list, false}, &OspfIf_Type, OspfIf_TypeSource},
    {{"OspfIf_State", &OspfIf_State.list, false}, &OspfIf_State, OspfIf_StateSource},
    {{"OspfNbr_State", &OspfNbr_State.list, false}, &OspfNbr_State, OspfNbr_StateSource},
    {{"OspfNbr_Permanence", &OspfNbr_Permanence.list, false}, &OspfNbr_Permanence, OspfNbr_PermanenceSource},
    {{"IpMRoute_Protocol", &IpMRoute_Protocol.list, false}, &IpMRoute_Protocol, IpMRoute_ProtocolSource},
    {{"IpMRoute_RtType", &IpMRoute_RtType.list, false}, &IpMRoute_RtType, IpMRoute_RtTypeSource},
    {{"DvmrpNeighbor_State", &DvmrpNeighbor_State.list, false}, &DvmrpNeighbor_State, DvmrpNeighbor_StateSource},
    {{"PimInterface_Mode", &PimInterface_Mode.list, false}, &PimInterface_Mode, PimInterface_ModeSource},
    {{"PimNeighbor_Mode", &PimNeighbor_Mode.list, false}, &PimNeighbor_Mode, PimNeighbor_ModeSource},
    {{"IpNetToMedia_Type", &IpNetToMedia_Type.list, false}, &IpNetToMedia_Type, IpNetToMedia_TypeSource},
    {{"TpFdb_Status", &TpFdb_Status.list, false}, &TpFdb_Status, TpFdb_StatusSource},
    {{"StaticFilter_Status", &StaticFilter_Status.list, false}, &StaticFilter_Status, StaticFilter_StatusSource},
};

} // namespace

std::span<const MibTableEntry> ModuleTableIndex() { return Tables; }
std::span<const ModuleListSource> ModuleListSources() { return Lists; }
