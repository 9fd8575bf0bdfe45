#include "mibenums.h"

#include "mibcatalogue.h"
#include "moduletables.h"

#include <iterator>
#include <vector>

namespace {

const QvOptionDesc AclProtocolSource[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr}
};
const QvOptionDesc AddrMaskStateSource[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}
};
const QvOptionDesc AggregateOrIndividualSource[] = {
    {1, "Aggregate"}, {2, "Individual Link"}, {0, nullptr}
};
const QvOptionDesc ChurnStateSource[] = {
    {1, "noChurn"}, {2, "churn"}, {3, "churnMonitor"}, {0, nullptr}
};
const QvOptionDesc ControlledDirectionsSource[] = {
    {0, "both"}, {1, "in"}, {0, nullptr}
};
const QvOptionDesc DisabledEnabledSource[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr}
};
const QvOptionDesc EnableDisableSource[] = {
    {1, "enable"}, {2, "disable"}, {0, nullptr}
};
const QvOptionDesc EnabledDisabledSource[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr}
};
const QvOptionDesc EntryStatusSource[] = {
    {1, "valid"}, {2, "createRequest"}, {3, "underCreation"}, {4, "invalid"}, {0, nullptr}
};
const QvOptionDesc EnumInactiveStartSource[] = {
    {2, "inactive"}, {3, "start"}, {0, nullptr}
};
const QvOptionDesc EnumNoneLogSource[] = {
    {1, "none"}, {2, "log"}, {3, "snmp-trap"}, {4, "log-and-trap"}, {0, nullptr}
};
const QvOptionDesc EnumOtherNetworkLoadSource[] = {
    {1, "other"}, {2, "network-load"}, {3, "out-of-band-load"}, {0, nullptr}
};
const QvOptionDesc EnumUploadDownloadSource[] = {
    {2, "upload"}, {3, "download"}, {0, nullptr}
};
const QvOptionDesc FalseTrueSource[] = {
    {2, "false"}, {1, "true"}, {0, nullptr}
};
const QvOptionDesc IncludedExcludedSource[] = {
    {1, "included"}, {2, "excluded"}, {0, nullptr}
};
const QvOptionDesc InvalidPermanentSource[] = {
    {2, "invalid"}, {3, "permanent"}, {0, nullptr}
};
const QvOptionDesc PermitDenySource[] = {
    {1, "permit"}, {2, "deny"}, {0, nullptr}
};
const QvOptionDesc RowStatusSource[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"},
    {6, "destroy"}, {0, nullptr}
};
const QvOptionDesc RowStatusShortSource[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}
};
const QvOptionDesc SecurityLevelSource[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}
};
const QvOptionDesc StorageTypeSource[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {0, nullptr}
};
const QvOptionDesc TrapSeveritySource[] = {
    {0, "critical"}, {1, "major"}, {2, "minor"}, {3, "warning"}, {0, nullptr}
};
const QvOptionDesc TruthValueSource[] = {
    {1, "true"}, {2, "false"}, {0, nullptr}
};
const QvOptionDesc UpDownTestingSource[] = {
    {1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}
};
const QvOptionDesc AclEthernetTable_SwACLEthernetMacAddrMaskStateSource[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}
};
const QvOptionDesc AclIpTable_SwACLIpIpAddrMaskStateSource[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr}
};
const QvOptionDesc AclIpTable_SwACLIpIcmpOptionSource[] = {
    {1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}
};
const QvOptionDesc AclIpRuleTable_SwACLIpRulePermitSource[] = {
    {1, "deny"}, {2, "permit"}, {0, nullptr}
};
const QvOptionDesc MibCapabilities_TypeSource[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr}
};
const QvOptionDesc AgentBasicInfo_AgentManagementProtocolSource[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {0, nullptr}
};
const QvOptionDesc AgentBasicInfo_ConsoleInUseSource[] = {
    {1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {0, nullptr}
};
const QvOptionDesc AgentBasicInfo_ConfigSaveStatusSource[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}, {0, nullptr}
};
const QvOptionDesc AgentBasicInfo_FileTransferStatusSource[] = {
    {1, "other"}, {2, "in-process"}, {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"},
    {6, "disk-full"}, {7, "complete"}, {8, "time-out"}, {0, nullptr}
};
const QvOptionDesc IpInformation_IPGetFromSource[] = {
    {2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}
};
const QvOptionDesc SystemConfigure_AgentRs232PortConfigSource[] = {
    {1, "other"}, {2, "console"}, {3, "out-of-band"}, {4, "notAvail"}, {0, nullptr}
};
const QvOptionDesc SystemConfigure_AgentSaveCfgSource[] = {
    {2, "idle"}, {3, "set"}, {0, nullptr}
};
const QvOptionDesc AuthConfigTable_AuthPAEStateSource[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"},
    {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"}, {0, nullptr}
};
const QvOptionDesc AuthConfigTable_AuthBackendAuthStateSource[] = {
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"},
    {7, "initialize"}, {0, nullptr}
};
const QvOptionDesc AuthConfigTable_AuthAuthControlledPortStatusSource[] = {
    {1, "authorized"}, {2, "unauthorized"}, {0, nullptr}
};
const QvOptionDesc AuthConfigTable_AuthAuthControlledPortControlSource[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr}
};
const QvOptionDesc AuthSessionTable_AuthSessionAuthenticMethodSource[] = {
    {1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}
};
const QvOptionDesc AuthSessionTable_AuthSessionTerminateCauseSource[] = {
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"}, {999, "notTerminatedYet"}, {0, nullptr}
};
const QvOptionDesc SupplicantConfigTable_SuppPAEStateSource[] = {
    {1, "disconnected"}, {2, "logoff"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"},
    {6, "acquired"}, {7, "held"}, {0, nullptr}
};
const QvOptionDesc L2DeviceControl_L2DevCtrlCleanAllStatisticCounterSource[] = {
    {1, "normal"}, {2, "active"}, {0, nullptr}
};
const QvOptionDesc PortInformationTable_L2PortInfoTypeSource[] = {
    {1, "portType-100Base-TX"}, {2, "portType-100Base-FX"}, {3, "portType-100Base-FL"},
    {4, "portType-1000Base-TX"}, {5, "portType-1000Base-SX"}, {6, "portType-1000Base-LX"},
    {7, "portType-1000Base-SX-GBIC"}, {8, "portType-1000Base-LX-GBIC"}, {9, "portType-1000Base-TX-GBIC"},
    {10, "none"}, {0, nullptr}
};
const QvOptionDesc PortInformationTable_L2PortInfoLinkStatusSource[] = {
    {1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {0, nullptr}
};
const QvOptionDesc PortInformationTable_L2PortInfoNwayStatusSource[] = {
    {1, "other"}, {2, "auto"}, {3, "half-10Mbps"}, {4, "full-10Mbps"}, {5, "half-100Mbps"},
    {6, "full-100Mbps"}, {7, "half-1Gigabps"}, {8, "full-1Gigabps"}, {0, nullptr}
};
const QvOptionDesc PortControl_L2PortCtrlNwayStateSource[] = {
    {2, "nway-enabled"}, {3, "nway-disabled-10Mbps-Half"}, {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"}, {6, "nway-disabled-100Mbps-Full"}, {8, "nway-disabled-1Gigabps-Full"}, {0, nullptr}
};
const QvOptionDesc PortSecurityControl_L2PortSecurityModeSource[] = {
    {2, "deleteOnTimeout"}, {3, "deleteOnReset"}, {0, nullptr}
};
const QvOptionDesc PortSecurityControl_L2PortSecurityAdmStateSource[] = {
    {2, "enabled"}, {3, "disabled"}, {0, nullptr}
};
const QvOptionDesc TrunkTable_L2TrunkTypeSource[] = {
    {2, "static"}, {3, "lacp"}, {0, nullptr}
};
const QvOptionDesc IgmpControlTable_L2IGMPCurrentStateSource[] = {
    {1, "other"}, {2, "querier"}, {3, "non-querier"}, {0, nullptr}
};
const QvOptionDesc AggPortDebug_AggPortDebugRxStateSource[] = {
    {1, "currentx"}, {2, "expired"}, {3, "defaulted"}, {4, "initialize"}, {5, "lacpDisabled"},
    {6, "portDisabled"}, {0, nullptr}
};
const QvOptionDesc AggPortDebug_AggPortDebugMuxStateSource[] = {
    {1, "detached"}, {2, "waiting"}, {3, "attached"}, {4, "collecting"}, {5, "distributing"},
    {6, "collecting-distributing"}, {0, nullptr}
};
const QvOptionDesc VacmAccessTable_AccessContextMatchSource[] = {
    {1, "exact"}, {2, "prefix"}, {0, nullptr}
};
const QvOptionDesc NotifyTable_SnmpNotifyTypeSource[] = {
    {1, "trap"}, {2, "inform"}, {0, nullptr}
};
const QvOptionDesc Sntp_SNTPTimeSourceSource[] = {
    {0, "system"}, {1, "server1"}, {2, "server2"}, {0, nullptr}
};
const QvOptionDesc SummerTime_SummerTimeStatusSource[] = {
    {0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}
};
const QvOptionDesc SummerTime_SummerTimeOffsetSource[] = {
    {30, "30"}, {60, "60"}, {0, nullptr}
};
const QvOptionDesc UnicastForwardingInfo_StatusSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}
};
const QvOptionDesc VlanCurrentTable_VLANStatusSource[] = {
    {1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}
};
const QvOptionDesc VlanStaticTable_StatusSource[] = {
    {1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr}
};
const QvOptionDesc VlanPortInformation_Dot1qPortAcceptableFrameTypesSource[] = {
    {1, "admitAll"}, {2, "admitOnlyVlanTagged"}, {0, nullptr}
};
const QvOptionDesc RmonAlarm_SampleTypeSource[] = {
    {1, "absoluteValue"}, {2, "deltaValue"}, {0, nullptr}
};
const QvOptionDesc RmonAlarm_StartupAlarmSource[] = {
    {1, "Rising"}, {2, "Falling"}, {3, "Rising Or Falling"}, {0, nullptr}
};
const QvOptionDesc IfXTable_LinkUpDownTrapEnableSource[] = {
    {2, "disabled"}, {1, "enabled"}, {0, nullptr}
};
const QvOptionDesc IfTable_TypeSource[] = {
    {1, "other"}, {2, "regular1822"}, {3, "hdh1822"}, {4, "ddn-x25"}, {5, "rfc877-x25"},
    {6, "ethernet-csmacd"}, {7, "iso88023-csmacd"}, {8, "iso88024-tokenBus"}, {9, "iso88025-tokenRing"},
    {10, "iso88026-man"}, {11, "starLan"}, {12, "proteon-10Mbit"}, {13, "proteon-80Mbit"},
    {14, "hyperchannel"}, {15, "fddi"}, {16, "lapb"}, {17, "sdlc"}, {18, "ds1"}, {19, "e1"},
    {20, "basicISDN"}, {21, "primaryISDN"}, {22, "propPointToPointSerial"}, {23, "ppp"},
    {24, "softwareLoopback"}, {25, "eon"}, {26, "ethernet-3Mbit"}, {27, "nsip"}, {28, "slip"}, {29, "ultra"},
    {30, "ds3"}, {31, "sip"}, {32, "frame-relay"}, {0, nullptr}
};
const QvOptionDesc IpRoute_IpRouteTypeSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "direct"}, {4, "indirect"}, {0, nullptr}
};
const QvOptionDesc IpRoute_IpRouteProtoSource[] = {
    {1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "icmp"}, {5, "egp"}, {6, "ggp"}, {7, "hello"}, {8, "rip"},
    {9, "is-is"}, {10, "es-is"}, {11, "ciscoIgrp"}, {12, "bbnSpfIgp"}, {13, "ospf"}, {14, "bgp"}, {0, nullptr}
};
const QvOptionDesc Bridge8021dInfo_BridgeTypeSource[] = {
    {1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {0, nullptr}
};
const QvOptionDesc StpPortTable_StateSource[] = {
    {1, "disabled"}, {2, "blocking"}, {3, "listening"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"}, {0, nullptr}
};
const QvOptionDesc StpInfo_Dot1dStpProtocolSpecificationSource[] = {
    {1, "unknown"}, {2, "decLb100"}, {3, "ieee8021d"}, {0, nullptr}
};
const QvOptionDesc StpControl_Dot1dStpVersionSource[] = {
    {0, "STP Compatibility"}, {2, "RSTP"}, {0, nullptr}
};
const QvOptionDesc SyslogServer_SwSysLogServerFacilitySource[] = {
    {0, "local0"}, {1, "local1"}, {2, "local2"}, {3, "local3"}, {4, "local4"}, {5, "local5"}, {6, "local6"},
    {7, "local7"}, {0, nullptr}
};
const QvOptionDesc SyslogServer_SwSysLogServerSeveritySource[] = {
    {1, "all"}, {2, "warning"}, {3, "informational"}, {0, nullptr}
};
const QvOptionDesc SyslogServer_SwSysLogServerStateSource[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}
};
const QvOptionDesc AuthControl_AuthProtocolSource[] = {
    {2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {0, nullptr}
};
const QvOptionDesc AuthControl_AuthModeSource[] = {
    {1, "portBase"}, {2, "macBase"}, {3, "none"}, {0, nullptr}
};
const QvOptionDesc RadiusServer_RadiusServerIndexSource[] = {
    {1, "swRadiusServerIndex-first"}, {2, "swRadiusServerIndex-second"}, {3, "swRadiusServerIndex-third"}, {0, nullptr}
};
const QvOptionDesc IpControlTable_L3IpCtrlModeSource[] = {
    {2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}
};
const QvOptionDesc IpControlTable_L3IpCtrlOperStateSource[] = {
    {2, "up"}, {3, "down"}, {0, nullptr}
};
const QvOptionDesc IpForwardingTable_L3IpFdbInfoTypeSource[] = {
    {2, "static"}, {3, "dynamic"}, {0, nullptr}
};
const QvOptionDesc IpStaticRouteTable_L3IpStaticRouteBkupStateSource[] = {
    {1, "primary"}, {2, "backup"}, {0, nullptr}
};
const QvOptionDesc IpStaticRouteTable_L3IpStaticRouteStatusSource[] = {
    {2, "invalid"}, {3, "valid"}, {0, nullptr}
};
const QvOptionDesc EquipmentPower_SwPowerStatusSource[] = {
    {0, "other"}, {3, "working"}, {4, "fail"}, {5, "connect"}, {6, "disconnect"}, {0, nullptr}
};
const QvOptionDesc EntityPhysicalTable_EntPhysicalClassSource[] = {
    {2, "unknown"}, {3, "chassis"}, {4, "backplane"}, {5, "container"}, {6, "powerSupply"}, {7, "fan"},
    {8, "sensor"}, {9, "module"}, {10, "port"}, {11, "stack"}, {0, nullptr}
};
const QvOptionDesc SshControl_SessionKeyRekeyingSource[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {0, nullptr}
};
const QvOptionStrDesc OnePortMaskSource[] = {
    {"80000000000000", "Port 1"},
    {"40000000000000", "Port 2"},
    {"20000000000000", "Port 3"},
    {"10000000000000", "Port 4"},
    {"08000000000000", "Port 5"},
    {"04000000000000", "Port 6"},
    {"02000000000000", "Port 7"},
    {"01000000000000", "Port 8"},
    {"00800000000000", "Port 9"},
    {"00400000000000", "Port 10"},
    {"00200000000000", "Port 11"},
    {"00100000000000", "Port 12"},
    {"00080000000000", "Port 13"},
    {"00040000000000", "Port 14"},
    {"00020000000000", "Port 15"},
    {"00010000000000", "Port 16"},
    {"00008000000000", "Port 17"},
    {"00004000000000", "Port 18"},
    {"00002000000000", "Port 19"},
    {"00001000000000", "Port 20"},
    {"00000800000000", "Port 21"},
    {"00000400000000", "Port 22"},
    {"00000200000000", "Port 23"},
    {"00000100000000", "Port 24"},
    {"00000080000000", "Port 25"},
    {"00000040000000", "Port 26"},
    {"00000020000000", "Port 27"},
    {"00000010000000", "Port 28"},
    {"00000008000000", "Port 29"},
    {"00000004000000", "Port 30"},
    {"00000002000000", "Port 31"},
    {"00000001000000", "Port 32"},
    {"00000000800000", "Port 33"},
    {"00000000400000", "Port 34"},
    {"00000000200000", "Port 35"},
    {"00000000100000", "Port 36"},
    {"00000000080000", "Port 37"},
    {"00000000040000", "Port 38"},
    {"00000000020000", "Port 39"},
    {"00000000010000", "Port 40"},
    {"00000000008000", "Port 41"},
    {"00000000004000", "Port 42"},
    {"00000000002000", "Port 43"},
    {"00000000001000", "Port 44"},
    {"00000000000800", "Port 45"},
    {"00000000000400", "Port 46"},
    {"00000000000200", "Port 47"},
    {"00000000000100", "Port 48"},
    {"00000000000080", "Port 49"},
    {"00000000000040", "Port 50"},
    {nullptr, nullptr},
};

} // namespace

constinit QvStaticOptionList AclProtocol;
constinit QvStaticOptionList AddrMaskState;
constinit QvStaticOptionList AggregateOrIndividual;
constinit QvStaticOptionList ChurnState;
constinit QvStaticOptionList ControlledDirections;
constinit QvStaticOptionList DisabledEnabled;
constinit QvStaticOptionList EnableDisable;
constinit QvStaticOptionList EnabledDisabled;
constinit QvStaticOptionList EntryStatus;
constinit QvStaticOptionList EnumInactiveStart;
constinit QvStaticOptionList EnumNoneLog;
constinit QvStaticOptionList EnumOtherNetworkLoad;
constinit QvStaticOptionList EnumUploadDownload;
constinit QvStaticOptionList FalseTrue;
constinit QvStaticOptionList IncludedExcluded;
constinit QvStaticOptionList InvalidPermanent;
constinit QvStaticOptionList PermitDeny;
constinit QvStaticOptionList RowStatus;
constinit QvStaticOptionList RowStatusShort;
constinit QvStaticOptionList SecurityLevel;
constinit QvStaticOptionList StorageType;
constinit QvStaticOptionList TrapSeverity;
constinit QvStaticOptionList TruthValue;
constinit QvStaticOptionList UpDownTesting;
constinit QvStaticOptionList OnePortMask;
constinit QvStaticOptionList AclEthernetTable_SwACLEthernetMacAddrMaskState;
constinit QvStaticOptionList AclIpTable_SwACLIpIpAddrMaskState;
constinit QvStaticOptionList AclIpTable_SwACLIpIcmpOption;
constinit QvStaticOptionList AclIpRuleTable_SwACLIpRulePermit;
constinit QvStaticOptionList MibCapabilities_Type;
constinit QvStaticOptionList AgentBasicInfo_AgentManagementProtocol;
constinit QvStaticOptionList AgentBasicInfo_ConsoleInUse;
constinit QvStaticOptionList AgentBasicInfo_ConfigSaveStatus;
constinit QvStaticOptionList AgentBasicInfo_FileTransferStatus;
constinit QvStaticOptionList IpInformation_IPGetFrom;
constinit QvStaticOptionList SystemConfigure_AgentRs232PortConfig;
constinit QvStaticOptionList SystemConfigure_AgentSaveCfg;
constinit QvStaticOptionList AuthConfigTable_AuthPAEState;
constinit QvStaticOptionList AuthConfigTable_AuthBackendAuthState;
constinit QvStaticOptionList AuthConfigTable_AuthAuthControlledPortStatus;
constinit QvStaticOptionList AuthConfigTable_AuthAuthControlledPortControl;
constinit QvStaticOptionList AuthSessionTable_AuthSessionAuthenticMethod;
constinit QvStaticOptionList AuthSessionTable_AuthSessionTerminateCause;
constinit QvStaticOptionList SupplicantConfigTable_SuppPAEState;
constinit QvStaticOptionList L2DeviceControl_L2DevCtrlCleanAllStatisticCounter;
constinit QvStaticOptionList PortInformationTable_L2PortInfoType;
constinit QvStaticOptionList PortInformationTable_L2PortInfoLinkStatus;
constinit QvStaticOptionList PortInformationTable_L2PortInfoNwayStatus;
constinit QvStaticOptionList PortControl_L2PortCtrlNwayState;
constinit QvStaticOptionList PortSecurityControl_L2PortSecurityMode;
constinit QvStaticOptionList PortSecurityControl_L2PortSecurityAdmState;
constinit QvStaticOptionList TrunkTable_L2TrunkType;
constinit QvStaticOptionList IgmpControlTable_L2IGMPCurrentState;
constinit QvStaticOptionList AggPortDebug_AggPortDebugRxState;
constinit QvStaticOptionList AggPortDebug_AggPortDebugMuxState;
constinit QvStaticOptionList VacmAccessTable_AccessContextMatch;
constinit QvStaticOptionList NotifyTable_SnmpNotifyType;
constinit QvStaticOptionList Sntp_SNTPTimeSource;
constinit QvStaticOptionList SummerTime_SummerTimeStatus;
constinit QvStaticOptionList SummerTime_SummerTimeOffset;
constinit QvStaticOptionList UnicastForwardingInfo_Status;
constinit QvStaticOptionList VlanCurrentTable_VLANStatus;
constinit QvStaticOptionList VlanStaticTable_Status;
constinit QvStaticOptionList VlanPortInformation_Dot1qPortAcceptableFrameTypes;
constinit QvStaticOptionList RmonAlarm_SampleType;
constinit QvStaticOptionList RmonAlarm_StartupAlarm;
constinit QvStaticOptionList IfXTable_LinkUpDownTrapEnable;
constinit QvStaticOptionList IfTable_Type;
constinit QvStaticOptionList IpRoute_IpRouteType;
constinit QvStaticOptionList IpRoute_IpRouteProto;
constinit QvStaticOptionList Bridge8021dInfo_BridgeType;
constinit QvStaticOptionList StpPortTable_State;
constinit QvStaticOptionList StpInfo_Dot1dStpProtocolSpecification;
constinit QvStaticOptionList StpControl_Dot1dStpVersion;
constinit QvStaticOptionList SyslogServer_SwSysLogServerFacility;
constinit QvStaticOptionList SyslogServer_SwSysLogServerSeverity;
constinit QvStaticOptionList SyslogServer_SwSysLogServerState;
constinit QvStaticOptionList AuthControl_AuthProtocol;
constinit QvStaticOptionList AuthControl_AuthMode;
constinit QvStaticOptionList RadiusServer_RadiusServerIndex;
constinit QvStaticOptionList IpControlTable_L3IpCtrlMode;
constinit QvStaticOptionList IpControlTable_L3IpCtrlOperState;
constinit QvStaticOptionList IpForwardingTable_L3IpFdbInfoType;
constinit QvStaticOptionList IpStaticRouteTable_L3IpStaticRouteBkupState;
constinit QvStaticOptionList IpStaticRouteTable_L3IpStaticRouteStatus;
constinit QvStaticOptionList EquipmentPower_SwPowerStatus;
constinit QvStaticOptionList EntityPhysicalTable_EntPhysicalClass;
constinit QvStaticOptionList SshControl_SessionKeyRekeying;

namespace {

struct ListSource {
    QvStaticOptionList *slot;
    const QvOptionDesc *values;     // integer-valued lists
    const QvOptionStrDesc *texts;   // the port mask list
};

constinit const ListSource Sources[] = {
    {&AclProtocol, AclProtocolSource, nullptr},
    {&AddrMaskState, AddrMaskStateSource, nullptr},
    {&AggregateOrIndividual, AggregateOrIndividualSource, nullptr},
    {&ChurnState, ChurnStateSource, nullptr},
    {&ControlledDirections, ControlledDirectionsSource, nullptr},
    {&DisabledEnabled, DisabledEnabledSource, nullptr},
    {&EnableDisable, EnableDisableSource, nullptr},
    {&EnabledDisabled, EnabledDisabledSource, nullptr},
    {&EntryStatus, EntryStatusSource, nullptr},
    {&EnumInactiveStart, EnumInactiveStartSource, nullptr},
    {&EnumNoneLog, EnumNoneLogSource, nullptr},
    {&EnumOtherNetworkLoad, EnumOtherNetworkLoadSource, nullptr},
    {&EnumUploadDownload, EnumUploadDownloadSource, nullptr},
    {&FalseTrue, FalseTrueSource, nullptr},
    {&IncludedExcluded, IncludedExcludedSource, nullptr},
    {&InvalidPermanent, InvalidPermanentSource, nullptr},
    {&PermitDeny, PermitDenySource, nullptr},
    {&RowStatus, RowStatusSource, nullptr},
    {&RowStatusShort, RowStatusShortSource, nullptr},
    {&SecurityLevel, SecurityLevelSource, nullptr},
    {&StorageType, StorageTypeSource, nullptr},
    {&TrapSeverity, TrapSeveritySource, nullptr},
    {&TruthValue, TruthValueSource, nullptr},
    {&UpDownTesting, UpDownTestingSource, nullptr},
    {&OnePortMask, nullptr, OnePortMaskSource},
    {&AclEthernetTable_SwACLEthernetMacAddrMaskState, AclEthernetTable_SwACLEthernetMacAddrMaskStateSource, nullptr},
    {&AclIpTable_SwACLIpIpAddrMaskState, AclIpTable_SwACLIpIpAddrMaskStateSource, nullptr},
    {&AclIpTable_SwACLIpIcmpOption, AclIpTable_SwACLIpIcmpOptionSource, nullptr},
    {&AclIpRuleTable_SwACLIpRulePermit, AclIpRuleTable_SwACLIpRulePermitSource, nullptr},
    {&MibCapabilities_Type, MibCapabilities_TypeSource, nullptr},
    {&AgentBasicInfo_AgentManagementProtocol, AgentBasicInfo_AgentManagementProtocolSource, nullptr},
    {&AgentBasicInfo_ConsoleInUse, AgentBasicInfo_ConsoleInUseSource, nullptr},
    {&AgentBasicInfo_ConfigSaveStatus, AgentBasicInfo_ConfigSaveStatusSource, nullptr},
    {&AgentBasicInfo_FileTransferStatus, AgentBasicInfo_FileTransferStatusSource, nullptr},
    {&IpInformation_IPGetFrom, IpInformation_IPGetFromSource, nullptr},
    {&SystemConfigure_AgentRs232PortConfig, SystemConfigure_AgentRs232PortConfigSource, nullptr},
    {&SystemConfigure_AgentSaveCfg, SystemConfigure_AgentSaveCfgSource, nullptr},
    {&AuthConfigTable_AuthPAEState, AuthConfigTable_AuthPAEStateSource, nullptr},
    {&AuthConfigTable_AuthBackendAuthState, AuthConfigTable_AuthBackendAuthStateSource, nullptr},
    {&AuthConfigTable_AuthAuthControlledPortStatus, AuthConfigTable_AuthAuthControlledPortStatusSource, nullptr},
    {&AuthConfigTable_AuthAuthControlledPortControl, AuthConfigTable_AuthAuthControlledPortControlSource, nullptr},
    {&AuthSessionTable_AuthSessionAuthenticMethod, AuthSessionTable_AuthSessionAuthenticMethodSource, nullptr},
    {&AuthSessionTable_AuthSessionTerminateCause, AuthSessionTable_AuthSessionTerminateCauseSource, nullptr},
    {&SupplicantConfigTable_SuppPAEState, SupplicantConfigTable_SuppPAEStateSource, nullptr},
    {&L2DeviceControl_L2DevCtrlCleanAllStatisticCounter, L2DeviceControl_L2DevCtrlCleanAllStatisticCounterSource, nullptr},
    {&PortInformationTable_L2PortInfoType, PortInformationTable_L2PortInfoTypeSource, nullptr},
    {&PortInformationTable_L2PortInfoLinkStatus, PortInformationTable_L2PortInfoLinkStatusSource, nullptr},
    {&PortInformationTable_L2PortInfoNwayStatus, PortInformationTable_L2PortInfoNwayStatusSource, nullptr},
    {&PortControl_L2PortCtrlNwayState, PortControl_L2PortCtrlNwayStateSource, nullptr},
    {&PortSecurityControl_L2PortSecurityMode, PortSecurityControl_L2PortSecurityModeSource, nullptr},
    {&PortSecurityControl_L2PortSecurityAdmState, PortSecurityControl_L2PortSecurityAdmStateSource, nullptr},
    {&TrunkTable_L2TrunkType, TrunkTable_L2TrunkTypeSource, nullptr},
    {&IgmpControlTable_L2IGMPCurrentState, IgmpControlTable_L2IGMPCurrentStateSource, nullptr},
    {&AggPortDebug_AggPortDebugRxState, AggPortDebug_AggPortDebugRxStateSource, nullptr},
    {&AggPortDebug_AggPortDebugMuxState, AggPortDebug_AggPortDebugMuxStateSource, nullptr},
    {&VacmAccessTable_AccessContextMatch, VacmAccessTable_AccessContextMatchSource, nullptr},
    {&NotifyTable_SnmpNotifyType, NotifyTable_SnmpNotifyTypeSource, nullptr},
    {&Sntp_SNTPTimeSource, Sntp_SNTPTimeSourceSource, nullptr},
    {&SummerTime_SummerTimeStatus, SummerTime_SummerTimeStatusSource, nullptr},
    {&SummerTime_SummerTimeOffset, SummerTime_SummerTimeOffsetSource, nullptr},
    {&UnicastForwardingInfo_Status, UnicastForwardingInfo_StatusSource, nullptr},
    {&VlanCurrentTable_VLANStatus, VlanCurrentTable_VLANStatusSource, nullptr},
    {&VlanStaticTable_Status, VlanStaticTable_StatusSource, nullptr},
    {&VlanPortInformation_Dot1qPortAcceptableFrameTypes, VlanPortInformation_Dot1qPortAcceptableFrameTypesSource, nullptr},
    {&RmonAlarm_SampleType, RmonAlarm_SampleTypeSource, nullptr},
    {&RmonAlarm_StartupAlarm, RmonAlarm_StartupAlarmSource, nullptr},
    {&IfXTable_LinkUpDownTrapEnable, IfXTable_LinkUpDownTrapEnableSource, nullptr},
    {&IfTable_Type, IfTable_TypeSource, nullptr},
    {&IpRoute_IpRouteType, IpRoute_IpRouteTypeSource, nullptr},
    {&IpRoute_IpRouteProto, IpRoute_IpRouteProtoSource, nullptr},
    {&Bridge8021dInfo_BridgeType, Bridge8021dInfo_BridgeTypeSource, nullptr},
    {&StpPortTable_State, StpPortTable_StateSource, nullptr},
    {&StpInfo_Dot1dStpProtocolSpecification, StpInfo_Dot1dStpProtocolSpecificationSource, nullptr},
    {&StpControl_Dot1dStpVersion, StpControl_Dot1dStpVersionSource, nullptr},
    {&SyslogServer_SwSysLogServerFacility, SyslogServer_SwSysLogServerFacilitySource, nullptr},
    {&SyslogServer_SwSysLogServerSeverity, SyslogServer_SwSysLogServerSeveritySource, nullptr},
    {&SyslogServer_SwSysLogServerState, SyslogServer_SwSysLogServerStateSource, nullptr},
    {&AuthControl_AuthProtocol, AuthControl_AuthProtocolSource, nullptr},
    {&AuthControl_AuthMode, AuthControl_AuthModeSource, nullptr},
    {&RadiusServer_RadiusServerIndex, RadiusServer_RadiusServerIndexSource, nullptr},
    {&IpControlTable_L3IpCtrlMode, IpControlTable_L3IpCtrlModeSource, nullptr},
    {&IpControlTable_L3IpCtrlOperState, IpControlTable_L3IpCtrlOperStateSource, nullptr},
    {&IpForwardingTable_L3IpFdbInfoType, IpForwardingTable_L3IpFdbInfoTypeSource, nullptr},
    {&IpStaticRouteTable_L3IpStaticRouteBkupState, IpStaticRouteTable_L3IpStaticRouteBkupStateSource, nullptr},
    {&IpStaticRouteTable_L3IpStaticRouteStatus, IpStaticRouteTable_L3IpStaticRouteStatusSource, nullptr},
    {&EquipmentPower_SwPowerStatus, EquipmentPower_SwPowerStatusSource, nullptr},
    {&EntityPhysicalTable_EntPhysicalClass, EntityPhysicalTable_EntPhysicalClassSource, nullptr},
    {&SshControl_SessionKeyRekeying, SshControl_SessionKeyRekeyingSource, nullptr},
};

constinit const CatalogueListEntry Entries[] = {
    {"AclProtocol", &AclProtocol.list, true},
    {"AddrMaskState", &AddrMaskState.list, true},
    {"AggregateOrIndividual", &AggregateOrIndividual.list, true},
    {"ChurnState", &ChurnState.list, true},
    {"ControlledDirections", &ControlledDirections.list, true},
    {"DisabledEnabled", &DisabledEnabled.list, true},
    {"EnableDisable", &EnableDisable.list, true},
    {"EnabledDisabled", &EnabledDisabled.list, true},
    {"EntryStatus", &EntryStatus.list, true},
    {"EnumInactiveStart", &EnumInactiveStart.list, true},
    {"EnumNoneLog", &EnumNoneLog.list, true},
    {"EnumOtherNetworkLoad", &EnumOtherNetworkLoad.list, true},
    {"EnumUploadDownload", &EnumUploadDownload.list, true},
    {"FalseTrue", &FalseTrue.list, true},
    {"IncludedExcluded", &IncludedExcluded.list, true},
    {"InvalidPermanent", &InvalidPermanent.list, true},
    {"PermitDeny", &PermitDeny.list, true},
    {"RowStatus", &RowStatus.list, true},
    {"RowStatusShort", &RowStatusShort.list, true},
    {"SecurityLevel", &SecurityLevel.list, true},
    {"StorageType", &StorageType.list, true},
    {"TrapSeverity", &TrapSeverity.list, true},
    {"TruthValue", &TruthValue.list, true},
    {"UpDownTesting", &UpDownTesting.list, true},
    {"OnePortMask", &OnePortMask.list, true},
    {"AclEthernetTable_SwACLEthernetMacAddrMaskState", &AclEthernetTable_SwACLEthernetMacAddrMaskState.list, false},
    {"AclIpTable_SwACLIpIpAddrMaskState", &AclIpTable_SwACLIpIpAddrMaskState.list, false},
    {"AclIpTable_SwACLIpIcmpOption", &AclIpTable_SwACLIpIcmpOption.list, false},
    {"AclIpRuleTable_SwACLIpRulePermit", &AclIpRuleTable_SwACLIpRulePermit.list, false},
    {"MibCapabilities_Type", &MibCapabilities_Type.list, false},
    {"AgentBasicInfo_AgentManagementProtocol", &AgentBasicInfo_AgentManagementProtocol.list, false},
    {"AgentBasicInfo_ConsoleInUse", &AgentBasicInfo_ConsoleInUse.list, false},
    {"AgentBasicInfo_ConfigSaveStatus", &AgentBasicInfo_ConfigSaveStatus.list, false},
    {"AgentBasicInfo_FileTransferStatus", &AgentBasicInfo_FileTransferStatus.list, false},
    {"IpInformation_IPGetFrom", &IpInformation_IPGetFrom.list, false},
    {"SystemConfigure_AgentRs232PortConfig", &SystemConfigure_AgentRs232PortConfig.list, false},
    {"SystemConfigure_AgentSaveCfg", &SystemConfigure_AgentSaveCfg.list, false},
    {"AuthConfigTable_AuthPAEState", &AuthConfigTable_AuthPAEState.list, false},
    {"AuthConfigTable_AuthBackendAuthState", &AuthConfigTable_AuthBackendAuthState.list, false},
    {"AuthConfigTable_AuthAuthControlledPortStatus", &AuthConfigTable_AuthAuthControlledPortStatus.list, false},
    {"AuthConfigTable_AuthAuthControlledPortControl", &AuthConfigTable_AuthAuthControlledPortControl.list, false},
    {"AuthSessionTable_AuthSessionAuthenticMethod", &AuthSessionTable_AuthSessionAuthenticMethod.list, false},
    {"AuthSessionTable_AuthSessionTerminateCause", &AuthSessionTable_AuthSessionTerminateCause.list, false},
    {"SupplicantConfigTable_SuppPAEState", &SupplicantConfigTable_SuppPAEState.list, false},
    {"L2DeviceControl_L2DevCtrlCleanAllStatisticCounter", &L2DeviceControl_L2DevCtrlCleanAllStatisticCounter.list, false},
    {"PortInformationTable_L2PortInfoType", &PortInformationTable_L2PortInfoType.list, false},
    {"PortInformationTable_L2PortInfoLinkStatus", &PortInformationTable_L2PortInfoLinkStatus.list, false},
    {"PortInformationTable_L2PortInfoNwayStatus", &PortInformationTable_L2PortInfoNwayStatus.list, false},
    {"PortControl_L2PortCtrlNwayState", &PortControl_L2PortCtrlNwayState.list, false},
    {"PortSecurityControl_L2PortSecurityMode", &PortSecurityControl_L2PortSecurityMode.list, false},
    {"PortSecurityControl_L2PortSecurityAdmState", &PortSecurityControl_L2PortSecurityAdmState.list, false},
    {"TrunkTable_L2TrunkType", &TrunkTable_L2TrunkType.list, false},
    {"IgmpControlTable_L2IGMPCurrentState", &IgmpControlTable_L2IGMPCurrentState.list, false},
    {"AggPortDebug_AggPortDebugRxState", &AggPortDebug_AggPortDebugRxState.list, false},
    {"AggPortDebug_AggPortDebugMuxState", &AggPortDebug_AggPortDebugMuxState.list, false},
    {"VacmAccessTable_AccessContextMatch", &VacmAccessTable_AccessContextMatch.list, false},
    {"NotifyTable_SnmpNotifyType", &NotifyTable_SnmpNotifyType.list, false},
    {"Sntp_SNTPTimeSource", &Sntp_SNTPTimeSource.list, false},
    {"SummerTime_SummerTimeStatus", &SummerTime_SummerTimeStatus.list, false},
    {"SummerTime_SummerTimeOffset", &SummerTime_SummerTimeOffset.list, false},
    {"UnicastForwardingInfo_Status", &UnicastForwardingInfo_Status.list, false},
    {"VlanCurrentTable_VLANStatus", &VlanCurrentTable_VLANStatus.list, false},
    {"VlanStaticTable_Status", &VlanStaticTable_Status.list, false},
    {"VlanPortInformation_Dot1qPortAcceptableFrameTypes", &VlanPortInformation_Dot1qPortAcceptableFrameTypes.list, false},
    {"RmonAlarm_SampleType", &RmonAlarm_SampleType.list, false},
    {"RmonAlarm_StartupAlarm", &RmonAlarm_StartupAlarm.list, false},
    {"IfXTable_LinkUpDownTrapEnable", &IfXTable_LinkUpDownTrapEnable.list, false},
    {"IfTable_Type", &IfTable_Type.list, false},
    {"IpRoute_IpRouteType", &IpRoute_IpRouteType.list, false},
    {"IpRoute_IpRouteProto", &IpRoute_IpRouteProto.list, false},
    {"Bridge8021dInfo_BridgeType", &Bridge8021dInfo_BridgeType.list, false},
    {"StpPortTable_State", &StpPortTable_State.list, false},
    {"StpInfo_Dot1dStpProtocolSpecification", &StpInfo_Dot1dStpProtocolSpecification.list, false},
    {"StpControl_Dot1dStpVersion", &StpControl_Dot1dStpVersion.list, false},
    {"SyslogServer_SwSysLogServerFacility", &SyslogServer_SwSysLogServerFacility.list, false},
    {"SyslogServer_SwSysLogServerSeverity", &SyslogServer_SwSysLogServerSeverity.list, false},
    {"SyslogServer_SwSysLogServerState", &SyslogServer_SwSysLogServerState.list, false},
    {"AuthControl_AuthProtocol", &AuthControl_AuthProtocol.list, false},
    {"AuthControl_AuthMode", &AuthControl_AuthMode.list, false},
    {"RadiusServer_RadiusServerIndex", &RadiusServer_RadiusServerIndex.list, false},
    {"IpControlTable_L3IpCtrlMode", &IpControlTable_L3IpCtrlMode.list, false},
    {"IpControlTable_L3IpCtrlOperState", &IpControlTable_L3IpCtrlOperState.list, false},
    {"IpForwardingTable_L3IpFdbInfoType", &IpForwardingTable_L3IpFdbInfoType.list, false},
    {"IpStaticRouteTable_L3IpStaticRouteBkupState", &IpStaticRouteTable_L3IpStaticRouteBkupState.list, false},
    {"IpStaticRouteTable_L3IpStaticRouteStatus", &IpStaticRouteTable_L3IpStaticRouteStatus.list, false},
    {"EquipmentPower_SwPowerStatus", &EquipmentPower_SwPowerStatus.list, false},
    {"EntityPhysicalTable_EntPhysicalClass", &EntityPhysicalTable_EntPhysicalClass.list, false},
    {"SshControl_SessionKeyRekeying", &SshControl_SessionKeyRekeying.list, false},
};
static_assert(std::size(Entries) == std::size(Sources));

bool Built = false;

} // namespace

void BuildCatalogueLists()
{
    if (Built)
        return;
    for (const ListSource &s : Sources) {
        if (s.texts)
            std::construct_at(&s.slot->list, s.texts, OVT_STRING, false);
        else
            std::construct_at(&s.slot->list, s.values, OVT_INTEGER, false);
    }
    for (const ModuleListSource &s : ModuleListSources())
        std::construct_at(&s.slot->list, s.values, OVT_INTEGER, false);
    Built = true;
}

void FreeCatalogueLists()
{
    if (!Built)
        return;
    for (const ListSource &s : Sources)
        std::destroy_at(&s.slot->list);
    for (const ModuleListSource &s : ModuleListSources())
        std::destroy_at(&s.slot->list);
    Built = false;
}

bool CatalogueListsBuilt()
{
    return Built;
}

std::span<const CatalogueListEntry> CatalogueOptionLists()
{
    static const std::vector<CatalogueListEntry> all = [] {
        std::vector<CatalogueListEntry> v(std::begin(Entries), std::end(Entries));
        for (const ModuleListSource &s : ModuleListSources())
            v.push_back(s.entry);
        return v;
    }();
    return all;
}

const QvOptionList *FindCatalogueList(QStringView name)
{
    for (const CatalogueListEntry &e : CatalogueOptionLists()) {
        if (name == QLatin1StringView(e.name))
            return e.list;
    }
    return nullptr;
}
