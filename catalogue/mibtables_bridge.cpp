// Bridge, spanning tree, priority (802.1p) and VLAN (802.1Q) groups.
#include "mibtables.h"

#include "mibdesc_p.h"
#include "mibenums.h"

constinit const QvSNMPVarDesc Dot1pBasicConfigVars[] = {
    Desc("1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", SYN_OCTETSTR, RO),
    Desc("1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes", SYN_INTEGER, RW, &TruthValue.list),
    Desc("1.3.6.1.2.1.17.6.1.1.3", "Gmrp Status", SYN_INTEGER, RO, &EnabledDisabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc PortCapabilityVars[] = {
    Desc("1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.6.1.1.4.1.1", "dot1dPortCapabilities", SYN_BITSTR, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc DefaultUserPriorityVars[] = {
    Desc("1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.6.1.2.1.1.1", "DefaultUserPriority", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.6.1.2.1.1.2", "PortNumTrafficClasses", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc RegeneratedUserPriorityVars[] = {
    Desc("1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.6.1.2.2.1.1", "UserPriority", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc TrafficClassMapVars[] = {
    Desc("1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.6.1.2.3.1.1", "TrafficClassPriority", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.6.1.2.3.1.2", "MappedTrafficClass", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc OutboundAccessPriorityVars[] = {
    Desc("1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.6.1.2.4.1.1", "PortOutboundAccessPriority", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc GarpVars[] = {
    Desc("1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.6.1.3.1.1.1", "GARPJoinTime", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.6.1.3.1.1.2", "GARPLeaveTime", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.6.1.3.1.1.3", "GARPLeaveAllTime", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc GmrpVars[] = {
    Desc("1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.6.1.4.1.1.1", "Status", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.2.1.17.6.1.4.1.1.2", "GMRPFailedRegistrations", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.17.6.1.4.1.1.3", "GMRPLastPduOrigin", SYN_MACADDRESS, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc Dot1qBasicConfigVars[] = {
    Desc("1.3.6.1.2.1.17.7.1.1.1", "VLANVersionNumber", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.7.1.1.2", "MaxVLANId", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.7.1.1.3", "MaxSupportedVLANs", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.17.7.1.1.4", "CurrentNumOfVLANs", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.17.7.1.1.5", "GVRPStatus", SYN_INTEGER, RW, &EnabledDisabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc UnicastForwardingInfoVars[] = {
    Desc("1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", SYN_MACADDRESS, IDX),
    Desc("1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SYN_INTEGER, RO, &UnicastForwardingInfo_Status.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc VlanCurrentTableVars[] = {
    Desc("1.3.6.1.2.1.17.7.1.4.2.1.1", "VLANTimeMark", SYN_TIMETICKS, IDX),
    Desc("1.3.6.1.2.1.17.7.1.4.2.1.2", "VLANIndex", SYN_GAUGE, IDX),
    Desc("1.3.6.1.2.1.17.7.1.4.2.1.3", "FdbId", SYN_GAUGE, RO),
    Desc("1.3.6.1.2.1.17.7.1.4.2.1.4", "CurrentEgressPorts", SYN_OCTETSTR, RO),
    Desc("1.3.6.1.2.1.17.7.1.4.2.1.5", "CurrentUntaggedPorts", SYN_OCTETSTR, RO),
    Desc("1.3.6.1.2.1.17.7.1.4.2.1.6", "VLANStatus", SYN_INTEGER, RO, &VlanCurrentTable_VLANStatus.list),
    Desc("1.3.6.1.2.1.17.7.1.4.2.1.7", "CreationTime", SYN_TIMETICKS, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc VlanStaticTableVars[] = {
    Desc("1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SYN_GAUGE, IDX),
    Desc("1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", SYN_INTEGER, RW, &VlanStaticTable_Status.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc VlanPortInformationVars[] = {
    Desc(" ", "dot1dBasePort", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.7.1.4.5.1.1", "dot1qPvid", SYN_GAUGE, RW),
    Desc("1.3.6.1.2.1.17.7.1.4.5.1.2", "dot1qPortAcceptableFrameTypes", SYN_INTEGER, RW, &VlanPortInformation_Dot1qPortAcceptableFrameTypes.list),
    Desc("1.3.6.1.2.1.17.7.1.4.5.1.3", "dot1qPortIngressFiltering", SYN_INTEGER, RW, &TruthValue.list),
    Desc("1.3.6.1.2.1.17.7.1.4.5.1.4", "dot1qPortGvrpStatus", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.2.1.17.7.1.4.5.1.5", "dot1qPortGvrpFailedRegistrations", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.17.7.1.4.5.1.6", "dot1qPortGvrpLastPduOrigin", SYN_MACADDRESS, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc StaticMulticastTableVars[] = {
    Desc("1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.7.1.3.2.1.1", "MacAddress", SYN_MACADDRESS, IDX),
    Desc("1.3.6.1.2.1.17.7.1.3.2.1.2", "ReceivePort", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.7.1.3.2.1.3", "EgressPorts", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", SYN_INTEGER, RW, &InvalidPermanent.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc StaticUnicastTableVars[] = {
    Desc("1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.7.1.3.1.1.1", "UnicastAddress", SYN_MACADDRESS, IDX),
    Desc("1.3.6.1.2.1.17.7.1.3.1.1.2", "ReceivePort", SYN_INTEGER, IDX),
    Desc("1.3.6.1.2.1.17.7.1.3.1.1.3", "PortsUnicastAllowedToGoTo", SYN_OCTETSTR, RW, &OnePortMask.list),
    Desc("1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", SYN_INTEGER, RW, &InvalidPermanent.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc Bridge8021dPortTableVars[] = {
    Desc("1.3.6.1.2.1.17.1.4.1.1", "Port", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.1.4.1.2", "IfIndex", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.1.4.1.3", "Circuit", SYN_OBJECTID, RO),
    Desc("1.3.6.1.2.1.17.1.4.1.4", "DelayExceededDiscards", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.17.1.4.1.5", "MtuExceededDiscards", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc Bridge8021dInfoVars[] = {
    Desc("1.3.6.1.2.1.17.1.1", "Bridge Address", SYN_MACADDRESS, RO),
    Desc("1.3.6.1.2.1.17.1.2", "Number of Ports", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.1.3", "Bridge Type", SYN_INTEGER, RO, &Bridge8021dInfo_BridgeType.list),
    Desc("1.3.6.1.2.1.17.4.1", "Learned Entry Discard", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.17.4.2", "MAC Address Aging Time", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc StpPortTableVars[] = {
    Desc("1.3.6.1.2.1.17.2.15.1.1", "Port", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.2.15.1.2", "Priority", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.2.15.1.3", "State        ", SYN_INTEGER, RO, &StpPortTable_State.list),
    Desc("1.3.6.1.2.1.17.2.15.1.4", "Status  ", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.2.1.17.2.15.1.5", "PathCost", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.2.15.1.6", "DesignatedRoot        ", SYN_OCTETSTR, RO),
    Desc("1.3.6.1.2.1.17.2.15.1.7", "DesignatedCost", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.2.15.1.8", "DesignatedBridge      ", SYN_OCTETSTR, RO),
    Desc("1.3.6.1.2.1.17.2.15.1.9", "DesignatedPort", SYN_OCTETSTR, RO),
    Desc("1.3.6.1.2.1.17.2.15.1.10", "ForwardTransitions", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc StpInfoVars[] = {
    Desc("1.3.6.1.2.1.17.2.1", "dot1dStpProtocolSpecification", SYN_INTEGER, RO, &StpInfo_Dot1dStpProtocolSpecification.list),
    Desc("1.3.6.1.2.1.17.2.2", "dot1dStpPriority", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.2.3", "dot1dStpTimeSinceTopologyChange", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.2.1.17.2.4", "dot1dStpTopChanges", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.17.2.5", "dot1dStpDesignatedRoot", SYN_OCTETSTR, RO),
    Desc("1.3.6.1.2.1.17.2.6", "dot1dStpRootCost", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.2.7", "dot1dStpRootPort", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.2.8", "dot1dStpMaxAge", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.2.9", "dot1dStpHelloTime", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.2.10", "dot1dStpHoldTime", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.2.11", "dot1dStpForwardDelay", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.2.12", "dot1dStpBridgeMaxAge", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.2.13", "dot1dStpBridgeHelloTime", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.2.14", "dot1dStpBridgeForwardDelay", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc TpPortVars[] = {
    Desc("1.3.6.1.2.1.17.4.4.1.1", "dot1dTpPort", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.4.4.1.2", "dot1dTpPortMaxInfo", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc TpPortCountersVars[] = {
    Desc("1.3.6.1.2.1.17.4.4.1.1", "", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.4.4.1.2", "", SYN_INTEGER, RO),
    Desc("1.3.6.1.2.1.17.4.4.1.3", "          Input Frames", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.17.4.4.1.4", "         Output Frames", SYN_COUNTER, RO),
    Desc("1.3.6.1.2.1.17.4.4.1.5", "        Discard Frames", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc StpControlVars[] = {
    Desc("1.3.6.1.2.1.17.2.16", "dot1dStpVersion", SYN_INTEGER, RW, &StpControl_Dot1dStpVersion.list),
    Desc("1.3.6.1.2.1.17.2.2", "dot1dStpPriority", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.2.12", "dot1dStpBridgeMaxAge", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.2.13", "dot1dStpBridgeHelloTime", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.2.14", "dot1dStpBridgeForwardDelay", SYN_INTEGER, RW),
    Desc("1.3.6.1.2.1.17.2.17", "dot1StpTxHoldCount", SYN_INTEGER, RW),
    EndOfTable,
};

namespace {

constinit const MibTableEntry Tables[] = {
    TableEntry("Dot1pBasicConfigVars", Dot1pBasicConfigVars),
    TableEntry("PortCapabilityVars", PortCapabilityVars),
    TableEntry("DefaultUserPriorityVars", DefaultUserPriorityVars),
    TableEntry("RegeneratedUserPriorityVars", RegeneratedUserPriorityVars),
    TableEntry("TrafficClassMapVars", TrafficClassMapVars),
    TableEntry("OutboundAccessPriorityVars", OutboundAccessPriorityVars),
    TableEntry("GarpVars", GarpVars),
    TableEntry("GmrpVars", GmrpVars),
    TableEntry("Dot1qBasicConfigVars", Dot1qBasicConfigVars),
    TableEntry("UnicastForwardingInfoVars", UnicastForwardingInfoVars),
    TableEntry("VlanCurrentTableVars", VlanCurrentTableVars),
    TableEntry("VlanStaticTableVars", VlanStaticTableVars),
    TableEntry("VlanPortInformationVars", VlanPortInformationVars),
    TableEntry("StaticMulticastTableVars", StaticMulticastTableVars),
    TableEntry("StaticUnicastTableVars", StaticUnicastTableVars),
    TableEntry("Bridge8021dPortTableVars", Bridge8021dPortTableVars),
    TableEntry("Bridge8021dInfoVars", Bridge8021dInfoVars),
    TableEntry("StpPortTableVars", StpPortTableVars),
    TableEntry("StpInfoVars", StpInfoVars),
    TableEntry("TpPortVars", TpPortVars),
    TableEntry("TpPortCountersVars", TpPortCountersVars),
    TableEntry("StpControlVars", StpControlVars),
};

} // namespace

std::span<const MibTableEntry> BridgeTableIndex() { return Tables; }
