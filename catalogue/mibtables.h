// The descriptor tables of every panel and monitor window, one constant array per MIB group,
// each ended by the all-zero record.
#pragma once

#include "qvsnmptypes.h"

// The switch's private groups: agent, layer 2 and 3, ACL, time, authentication, SSH, link aggregation.
extern const QvSNMPVarDesc AclEthernetTableVars[];
extern const QvSNMPVarDesc AclIpTableVars[];
extern const QvSNMPVarDesc AclEthernetRuleTableVars[];
extern const QvSNMPVarDesc AclIpRuleTableVars[];
extern const QvSNMPVarDesc AclPayloadTableVars[];
extern const QvSNMPVarDesc AclPayloadRuleTableVars[];
extern const QvSNMPVarDesc MibCapabilitiesVars[];
extern const QvSNMPVarDesc AgentBasicInfoVars[];
extern const QvSNMPVarDesc CpuUtilizationVars[];
extern const QvSNMPVarDesc IpInformationVars[];
extern const QvSNMPVarDesc SystemConfigureVars[];
extern const QvSNMPVarDesc BootFileVars[];
extern const QvSNMPVarDesc LogFileVars[];
extern const QvSNMPVarDesc ConfigFileVars[];
extern const QvSNMPVarDesc AgentNotifyLevelVars[];
extern const QvSNMPVarDesc DeviceInformationVars[];
extern const QvSNMPVarDesc L2DeviceControlVars[];
extern const QvSNMPVarDesc AlarmControlVars[];
extern const QvSNMPVarDesc PortInformationTableVars[];
extern const QvSNMPVarDesc PortControlVars[];
extern const QvSNMPVarDesc PortSecurityControlVars[];
extern const QvSNMPVarDesc TrunkInfoVars[];
extern const QvSNMPVarDesc TrunkTableVars[];
extern const QvSNMPVarDesc MirrorManagementVars[];
extern const QvSNMPVarDesc IgmpMgmtVars[];
extern const QvSNMPVarDesc IgmpControlTableVars[];
extern const QvSNMPVarDesc IgmpQueryInformationVars[];
extern const QvSNMPVarDesc IgmpInformationVars[];
extern const QvSNMPVarDesc TrafficControlTableVars[];
extern const QvSNMPVarDesc TrafficSegmentTableVars[];
extern const QvSNMPVarDesc AggregatorTableVars[];
extern const QvSNMPVarDesc AggregatorPortListVars[];
extern const QvSNMPVarDesc AggregationControlVars[];
extern const QvSNMPVarDesc AggPortStatsVars[];
extern const QvSNMPVarDesc AggPortDebugVars[];
extern const QvSNMPVarDesc TimeInfoVars[];
extern const QvSNMPVarDesc SystemTimeVars[];
extern const QvSNMPVarDesc SntpVars[];
extern const QvSNMPVarDesc SummerTimeVars[];
extern const QvSNMPVarDesc SyslogControlVars[];
extern const QvSNMPVarDesc SyslogServerVars[];
extern const QvSNMPVarDesc AuthControlVars[];
extern const QvSNMPVarDesc RadiusControlVars[];
extern const QvSNMPVarDesc RadiusServerVars[];
extern const QvSNMPVarDesc L3DeviceControlVars[];
extern const QvSNMPVarDesc IpControlTableVars[];
extern const QvSNMPVarDesc IpForwardingTableVars[];
extern const QvSNMPVarDesc IpStaticRouteTableVars[];
extern const QvSNMPVarDesc IpArpAgingTimeVars[];
extern const QvSNMPVarDesc EquipmentCapacityVars[];
extern const QvSNMPVarDesc EquipmentPowerVars[];
extern const QvSNMPVarDesc SshControlVars[];
extern const QvSNMPVarDesc SshEncryptAlgVars[];
extern const QvSNMPVarDesc SshAuthMethodVars[];
extern const QvSNMPVarDesc SshInteAlgVars[];
extern const QvSNMPVarDesc SshPublicKeyVars[];

// MIB-II, IF-MIB, EtherLike and Entity groups.
extern const QvSNMPVarDesc Dot3StatsTableVars[];
extern const QvSNMPVarDesc IfXTableVars[];
extern const QvSNMPVarDesc IfGeneralVars[];
extern const QvSNMPVarDesc Mib2InformationVars[];
extern const QvSNMPVarDesc IfTableVars[];
extern const QvSNMPVarDesc IfDescrVars[];
extern const QvSNMPVarDesc IfCountersVars[];
extern const QvSNMPVarDesc IpAddrTableVars[];
extern const QvSNMPVarDesc IpRouteVars[];
extern const QvSNMPVarDesc IpCountersVars[];
extern const QvSNMPVarDesc IcmpCountersVars[];
extern const QvSNMPVarDesc UdpCountersVars[];
extern const QvSNMPVarDesc SnmpCountersVars[];
extern const QvSNMPVarDesc EntityPhysicalTableVars[];
extern const QvSNMPVarDesc EntityLogicalTableVars[];
extern const QvSNMPVarDesc LpMappingVars[];
extern const QvSNMPVarDesc AliasMappingVars[];
extern const QvSNMPVarDesc PhysicalContainsVars[];
extern const QvSNMPVarDesc EntityLastChangeVars[];

// Bridge, spanning tree, priority (802.1p) and VLAN (802.1Q) groups.
extern const QvSNMPVarDesc Dot1pBasicConfigVars[];
extern const QvSNMPVarDesc PortCapabilityVars[];
extern const QvSNMPVarDesc DefaultUserPriorityVars[];
extern const QvSNMPVarDesc RegeneratedUserPriorityVars[];
extern const QvSNMPVarDesc TrafficClassMapVars[];
extern const QvSNMPVarDesc OutboundAccessPriorityVars[];
extern const QvSNMPVarDesc GarpVars[];
extern const QvSNMPVarDesc GmrpVars[];
extern const QvSNMPVarDesc Dot1qBasicConfigVars[];
extern const QvSNMPVarDesc UnicastForwardingInfoVars[];
extern const QvSNMPVarDesc VlanCurrentTableVars[];
extern const QvSNMPVarDesc VlanStaticTableVars[];
extern const QvSNMPVarDesc VlanPortInformationVars[];
extern const QvSNMPVarDesc StaticMulticastTableVars[];
extern const QvSNMPVarDesc StaticUnicastTableVars[];
extern const QvSNMPVarDesc Bridge8021dPortTableVars[];
extern const QvSNMPVarDesc Bridge8021dInfoVars[];
extern const QvSNMPVarDesc StpPortTableVars[];
extern const QvSNMPVarDesc StpInfoVars[];
extern const QvSNMPVarDesc TpPortVars[];
extern const QvSNMPVarDesc TpPortCountersVars[];
extern const QvSNMPVarDesc StpControlVars[];

// RMON statistics, history, alarms, events and the event log.
extern const QvSNMPVarDesc RmonEtherStatsVars[];
extern const QvSNMPVarDesc RmonStatsControlVars[];
extern const QvSNMPVarDesc RmonStatsControlEditVars[];
extern const QvSNMPVarDesc RmonHistoryControlVars[];
extern const QvSNMPVarDesc RmonHistoryControlEditVars[];
extern const QvSNMPVarDesc RmonEtherHistoryVars[];
extern const QvSNMPVarDesc RmonAlarmVars[];
extern const QvSNMPVarDesc RmonEventVars[];
extern const QvSNMPVarDesc RmonEventEditVars[];
extern const QvSNMPVarDesc RmonEventEdit2Vars[];
extern const QvSNMPVarDesc RmonLogVars[];

// SNMPv3 framework: engine, MPD, target, notification, community, USM and VACM.
extern const QvSNMPVarDesc SnmpEngineVars[];
extern const QvSNMPVarDesc MpdStatusVars[];
extern const QvSNMPVarDesc TargetObjectsVars[];
extern const QvSNMPVarDesc TargetAddrTableVars[];
extern const QvSNMPVarDesc TargetParamsTableVars[];
extern const QvSNMPVarDesc UsmStatsVars[];
extern const QvSNMPVarDesc UserSpinLockVars[];
extern const QvSNMPVarDesc UsmUserTableVars[];
extern const QvSNMPVarDesc VacmSecurityToGroupTableVars[];
extern const QvSNMPVarDesc VacmAccessTableVars[];
extern const QvSNMPVarDesc ViewSpinLockVars[];
extern const QvSNMPVarDesc ViewTreeFamilyTableVars[];
extern const QvSNMPVarDesc CommunityTableVars[];
extern const QvSNMPVarDesc TargetAddrExtTableVars[];
extern const QvSNMPVarDesc NotifyTableVars[];
extern const QvSNMPVarDesc NotifyFilterProfileTableVars[];
extern const QvSNMPVarDesc NotifyFilterTableVars[];

// Port access control (802.1X).
extern const QvSNMPVarDesc PaeControlVars[];
extern const QvSNMPVarDesc PaePortEntryVars[];
extern const QvSNMPVarDesc AuthConfigTableVars[];
extern const QvSNMPVarDesc AuthStatsTableVars[];
extern const QvSNMPVarDesc AuthDiagTableVars[];
extern const QvSNMPVarDesc AuthSessionTableVars[];
extern const QvSNMPVarDesc SupplicantConfigTableVars[];
extern const QvSNMPVarDesc SupplicantStatsTableVars[];
