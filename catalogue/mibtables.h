// The descriptor tables of every panel and monitor window, one constant array per MIB group,
// each ended by the all-zero record. The bounds count that record.
#pragma once

#include "qvsnmptypes.h"

// The switch's private groups: agent, layer 2 and 3, ACL, time, authentication, SSH, link aggregation.
extern const QvSNMPVarDesc AclEthernetTableVars[10];
extern const QvSNMPVarDesc AclIpTableVars[18];
extern const QvSNMPVarDesc AclEthernetRuleTableVars[15];
extern const QvSNMPVarDesc AclIpRuleTableVars[21];
extern const QvSNMPVarDesc AclPayloadTableVars[9];
extern const QvSNMPVarDesc AclPayloadRuleTableVars[15];
extern const QvSNMPVarDesc MibCapabilitiesVars[5];
extern const QvSNMPVarDesc AgentBasicInfoVars[5];
extern const QvSNMPVarDesc CpuUtilizationVars[4];
extern const QvSNMPVarDesc IpInformationVars[3];
extern const QvSNMPVarDesc SystemConfigureVars[3];
extern const QvSNMPVarDesc BootFileVars[8];
extern const QvSNMPVarDesc LogFileVars[8];
extern const QvSNMPVarDesc ConfigFileVars[8];
extern const QvSNMPVarDesc AgentNotifyLevelVars[6];
extern const QvSNMPVarDesc DeviceInformationVars[3];
extern const QvSNMPVarDesc L2DeviceControlVars[6];
extern const QvSNMPVarDesc AlarmControlVars[4];
extern const QvSNMPVarDesc PortInformationTableVars[5];
extern const QvSNMPVarDesc PortControlVars[6];
extern const QvSNMPVarDesc PortSecurityControlVars[5];
extern const QvSNMPVarDesc TrunkInfoVars[3];
extern const QvSNMPVarDesc TrunkTableVars[6];
extern const QvSNMPVarDesc MirrorManagementVars[5];
extern const QvSNMPVarDesc IgmpMgmtVars[3];
extern const QvSNMPVarDesc IgmpControlTableVars[12];
extern const QvSNMPVarDesc IgmpQueryInformationVars[4];
extern const QvSNMPVarDesc IgmpInformationVars[6];
extern const QvSNMPVarDesc TrafficControlTableVars[6];
extern const QvSNMPVarDesc TrafficSegmentTableVars[3];
extern const QvSNMPVarDesc AggregatorTableVars[12];
extern const QvSNMPVarDesc AggregatorPortListVars[3];
extern const QvSNMPVarDesc AggregationControlVars[25];
extern const QvSNMPVarDesc AggPortStatsVars[10];
extern const QvSNMPVarDesc AggPortDebugVars[14];
extern const QvSNMPVarDesc TimeInfoVars[3];
extern const QvSNMPVarDesc SystemTimeVars[5];
extern const QvSNMPVarDesc SntpVars[6];
extern const QvSNMPVarDesc SummerTimeVars[7];
extern const QvSNMPVarDesc SyslogControlVars[2];
extern const QvSNMPVarDesc SyslogServerVars[8];
extern const QvSNMPVarDesc AuthControlVars[3];
extern const QvSNMPVarDesc RadiusControlVars[4];
extern const QvSNMPVarDesc RadiusServerVars[7];
extern const QvSNMPVarDesc L3DeviceControlVars[4];
extern const QvSNMPVarDesc IpControlTableVars[9];
extern const QvSNMPVarDesc IpForwardingTableVars[5];
extern const QvSNMPVarDesc IpStaticRouteTableVars[7];
extern const QvSNMPVarDesc IpArpAgingTimeVars[2];
extern const QvSNMPVarDesc EquipmentCapacityVars[2];
extern const QvSNMPVarDesc EquipmentPowerVars[4];
extern const QvSNMPVarDesc SshControlVars[8];
extern const QvSNMPVarDesc SshEncryptAlgVars[11];
extern const QvSNMPVarDesc SshAuthMethodVars[4];
extern const QvSNMPVarDesc SshInteAlgVars[3];
extern const QvSNMPVarDesc SshPublicKeyVars[3];

// MIB-II, IF-MIB, EtherLike and Entity groups.
extern const QvSNMPVarDesc Dot3StatsTableVars[8];
extern const QvSNMPVarDesc IfXTableVars[20];
extern const QvSNMPVarDesc IfGeneralVars[3];
extern const QvSNMPVarDesc Mib2InformationVars[8];
extern const QvSNMPVarDesc IfTableVars[12];
extern const QvSNMPVarDesc IfDescrVars[3];
extern const QvSNMPVarDesc IfCountersVars[14];
extern const QvSNMPVarDesc IpAddrTableVars[6];
extern const QvSNMPVarDesc IpRouteVars[14];
extern const QvSNMPVarDesc IpCountersVars[11];
extern const QvSNMPVarDesc IcmpCountersVars[27];
extern const QvSNMPVarDesc UdpCountersVars[5];
extern const QvSNMPVarDesc SnmpCountersVars[28];
extern const QvSNMPVarDesc EntityPhysicalTableVars[17];
extern const QvSNMPVarDesc EntityLogicalTableVars[9];
extern const QvSNMPVarDesc LpMappingVars[3];
extern const QvSNMPVarDesc AliasMappingVars[4];
extern const QvSNMPVarDesc PhysicalContainsVars[3];
extern const QvSNMPVarDesc EntityLastChangeVars[2];

// Bridge, spanning tree, priority (802.1p) and VLAN (802.1Q) groups.
extern const QvSNMPVarDesc Dot1pBasicConfigVars[4];
extern const QvSNMPVarDesc PortCapabilityVars[3];
extern const QvSNMPVarDesc DefaultUserPriorityVars[4];
extern const QvSNMPVarDesc RegeneratedUserPriorityVars[4];
extern const QvSNMPVarDesc TrafficClassMapVars[4];
extern const QvSNMPVarDesc OutboundAccessPriorityVars[4];
extern const QvSNMPVarDesc GarpVars[5];
extern const QvSNMPVarDesc GmrpVars[5];
extern const QvSNMPVarDesc Dot1qBasicConfigVars[6];
extern const QvSNMPVarDesc UnicastForwardingInfoVars[5];
extern const QvSNMPVarDesc VlanCurrentTableVars[8];
extern const QvSNMPVarDesc VlanStaticTableVars[7];
extern const QvSNMPVarDesc VlanPortInformationVars[8];
extern const QvSNMPVarDesc StaticMulticastTableVars[6];
extern const QvSNMPVarDesc StaticUnicastTableVars[6];
extern const QvSNMPVarDesc Bridge8021dPortTableVars[6];
extern const QvSNMPVarDesc Bridge8021dInfoVars[6];
extern const QvSNMPVarDesc StpPortTableVars[11];
extern const QvSNMPVarDesc StpInfoVars[15];
extern const QvSNMPVarDesc TpPortVars[3];
extern const QvSNMPVarDesc TpPortCountersVars[6];
extern const QvSNMPVarDesc StpControlVars[7];

// RMON statistics, history, alarms, events and the event log.
extern const QvSNMPVarDesc RmonEtherStatsVars[22];
extern const QvSNMPVarDesc RmonStatsControlVars[5];
extern const QvSNMPVarDesc RmonStatsControlEditVars[5];
extern const QvSNMPVarDesc RmonHistoryControlVars[8];
extern const QvSNMPVarDesc RmonHistoryControlEditVars[7];
extern const QvSNMPVarDesc RmonEtherHistoryVars[14];
extern const QvSNMPVarDesc RmonAlarmVars[13];
extern const QvSNMPVarDesc RmonEventVars[8];
extern const QvSNMPVarDesc RmonEventEditVars[8];
extern const QvSNMPVarDesc RmonEventEdit2Vars[8];
extern const QvSNMPVarDesc RmonLogVars[5];

// SNMPv3 framework: engine, MPD, target, notification, community, USM and VACM.
extern const QvSNMPVarDesc SnmpEngineVars[5];
extern const QvSNMPVarDesc MpdStatusVars[4];
extern const QvSNMPVarDesc TargetObjectsVars[4];
extern const QvSNMPVarDesc TargetAddrTableVars[10];
extern const QvSNMPVarDesc TargetParamsTableVars[8];
extern const QvSNMPVarDesc UsmStatsVars[7];
extern const QvSNMPVarDesc UserSpinLockVars[2];
extern const QvSNMPVarDesc UsmUserTableVars[14];
extern const QvSNMPVarDesc VacmSecurityToGroupTableVars[6];
extern const QvSNMPVarDesc VacmAccessTableVars[11];
extern const QvSNMPVarDesc ViewSpinLockVars[2];
extern const QvSNMPVarDesc ViewTreeFamilyTableVars[7];
extern const QvSNMPVarDesc CommunityTableVars[9];
extern const QvSNMPVarDesc TargetAddrExtTableVars[4];
extern const QvSNMPVarDesc NotifyTableVars[6];
extern const QvSNMPVarDesc NotifyFilterProfileTableVars[5];
extern const QvSNMPVarDesc NotifyFilterTableVars[7];

// Port access control (802.1X).
extern const QvSNMPVarDesc PaeControlVars[2];
extern const QvSNMPVarDesc PaePortEntryVars[6];
extern const QvSNMPVarDesc AuthConfigTableVars[16];
extern const QvSNMPVarDesc AuthStatsTableVars[14];
extern const QvSNMPVarDesc AuthDiagTableVars[20];
extern const QvSNMPVarDesc AuthSessionTableVars[11];
extern const QvSNMPVarDesc SupplicantConfigTableVars[7];
extern const QvSNMPVarDesc SupplicantStatsTableVars[14];
