// Enumerations that descriptors point to. Their storage is static so the constant tables can
// hold their addresses; the lists themselves live from BuildCatalogueLists() to
// FreeCatalogueLists(), which run once around the main window.
#pragma once

#include "qvoptionlist.h"

#include <memory>

// Storage for one enumeration list whose address is fixed before the list exists.
struct QvStaticOptionList {
    constexpr QvStaticOptionList() : m_empty() {}
    ~QvStaticOptionList() {}
    QvStaticOptionList(const QvStaticOptionList &) = delete;
    QvStaticOptionList &operator=(const QvStaticOptionList &) = delete;

    const QvOptionList *operator->() const { return &list; }
    const QvOptionList &operator*() const { return list; }

    union {
        char m_empty;  // the active member until the list is built
        QvOptionList list;
    };
};

// Builds every list; a second call does nothing. Call before any window opens.
void BuildCatalogueLists();
// Destroys every list; afterwards descriptors must not be dereferenced for their options.
void FreeCatalogueLists();
bool CatalogueListsBuilt();

// Builds the lists for the life of a scope (the program's main, a test).
class QvCatalogueListsScope {
public:
    QvCatalogueListsScope() { BuildCatalogueLists(); }
    ~QvCatalogueListsScope() { FreeCatalogueLists(); }
    QvCatalogueListsScope(const QvCatalogueListsScope &) = delete;
    QvCatalogueListsScope &operator=(const QvCatalogueListsScope &) = delete;
};

// Shared enumerations.
extern QvStaticOptionList AclProtocol;
extern QvStaticOptionList AddrMaskState;
extern QvStaticOptionList AggregateOrIndividual;
extern QvStaticOptionList ChurnState;
extern QvStaticOptionList ControlledDirections;
extern QvStaticOptionList DisabledEnabled;
extern QvStaticOptionList EnableDisable;
extern QvStaticOptionList EnabledDisabled;
extern QvStaticOptionList EntryStatus;
extern QvStaticOptionList EnumInactiveStart;
extern QvStaticOptionList EnumNoneLog;
extern QvStaticOptionList EnumOtherNetworkLoad;
extern QvStaticOptionList EnumUploadDownload;
extern QvStaticOptionList FalseTrue;
extern QvStaticOptionList IncludedExcluded;
extern QvStaticOptionList InvalidPermanent;
extern QvStaticOptionList PermitDeny;
extern QvStaticOptionList RowStatus;
extern QvStaticOptionList RowStatusShort;
extern QvStaticOptionList SecurityLevel;
extern QvStaticOptionList StorageType;
extern QvStaticOptionList TrapSeverity;
extern QvStaticOptionList TruthValue;
extern QvStaticOptionList UpDownTesting;

// "Port 1" to "Port 50", valued by the 7-octet bitmap text with only that port's bit set.
extern QvStaticOptionList OnePortMask;

// Enumerations of a single column, named after their table and column.
extern QvStaticOptionList AclEthernetTable_SwACLEthernetMacAddrMaskState;
extern QvStaticOptionList AclIpTable_SwACLIpIpAddrMaskState;
extern QvStaticOptionList AclIpTable_SwACLIpIcmpOption;
extern QvStaticOptionList AclIpRuleTable_SwACLIpRulePermit;
extern QvStaticOptionList MibCapabilities_Type;
extern QvStaticOptionList AgentBasicInfo_AgentManagementProtocol;
extern QvStaticOptionList AgentBasicInfo_ConsoleInUse;
extern QvStaticOptionList AgentBasicInfo_ConfigSaveStatus;
extern QvStaticOptionList AgentBasicInfo_FileTransferStatus;
extern QvStaticOptionList IpInformation_IPGetFrom;
extern QvStaticOptionList SystemConfigure_AgentRs232PortConfig;
extern QvStaticOptionList SystemConfigure_AgentSaveCfg;
extern QvStaticOptionList AuthConfigTable_AuthPAEState;
extern QvStaticOptionList AuthConfigTable_AuthBackendAuthState;
extern QvStaticOptionList AuthConfigTable_AuthAuthControlledPortStatus;
extern QvStaticOptionList AuthConfigTable_AuthAuthControlledPortControl;
extern QvStaticOptionList AuthSessionTable_AuthSessionAuthenticMethod;
extern QvStaticOptionList AuthSessionTable_AuthSessionTerminateCause;
extern QvStaticOptionList SupplicantConfigTable_SuppPAEState;
extern QvStaticOptionList L2DeviceControl_L2DevCtrlCleanAllStatisticCounter;
extern QvStaticOptionList PortInformationTable_L2PortInfoType;
extern QvStaticOptionList PortInformationTable_L2PortInfoLinkStatus;
extern QvStaticOptionList PortInformationTable_L2PortInfoNwayStatus;
extern QvStaticOptionList PortControl_L2PortCtrlNwayState;
extern QvStaticOptionList PortSecurityControl_L2PortSecurityMode;
extern QvStaticOptionList PortSecurityControl_L2PortSecurityAdmState;
extern QvStaticOptionList TrunkTable_L2TrunkType;
extern QvStaticOptionList IgmpControlTable_L2IGMPCurrentState;
extern QvStaticOptionList AggPortDebug_AggPortDebugRxState;
extern QvStaticOptionList AggPortDebug_AggPortDebugMuxState;
extern QvStaticOptionList VacmAccessTable_AccessContextMatch;
extern QvStaticOptionList NotifyTable_SnmpNotifyType;
extern QvStaticOptionList Sntp_SNTPTimeSource;
extern QvStaticOptionList SummerTime_SummerTimeStatus;
extern QvStaticOptionList SummerTime_SummerTimeOffset;
extern QvStaticOptionList UnicastForwardingInfo_Status;
extern QvStaticOptionList VlanCurrentTable_VLANStatus;
extern QvStaticOptionList VlanStaticTable_Status;
extern QvStaticOptionList VlanPortInformation_Dot1qPortAcceptableFrameTypes;
extern QvStaticOptionList RmonAlarm_SampleType;
extern QvStaticOptionList RmonAlarm_StartupAlarm;
extern QvStaticOptionList IfXTable_LinkUpDownTrapEnable;
extern QvStaticOptionList IfTable_Type;
extern QvStaticOptionList IpRoute_IpRouteType;
extern QvStaticOptionList IpRoute_IpRouteProto;
extern QvStaticOptionList Bridge8021dInfo_BridgeType;
extern QvStaticOptionList StpPortTable_State;
extern QvStaticOptionList StpInfo_Dot1dStpProtocolSpecification;
extern QvStaticOptionList StpControl_Dot1dStpVersion;
extern QvStaticOptionList SyslogServer_SwSysLogServerFacility;
extern QvStaticOptionList SyslogServer_SwSysLogServerSeverity;
extern QvStaticOptionList SyslogServer_SwSysLogServerState;
extern QvStaticOptionList AuthControl_AuthProtocol;
extern QvStaticOptionList AuthControl_AuthMode;
extern QvStaticOptionList RadiusServer_RadiusServerIndex;
extern QvStaticOptionList IpControlTable_L3IpCtrlMode;
extern QvStaticOptionList IpControlTable_L3IpCtrlOperState;
extern QvStaticOptionList IpForwardingTable_L3IpFdbInfoType;
extern QvStaticOptionList IpStaticRouteTable_L3IpStaticRouteBkupState;
extern QvStaticOptionList IpStaticRouteTable_L3IpStaticRouteStatus;
extern QvStaticOptionList EquipmentPower_SwPowerStatus;
extern QvStaticOptionList EntityPhysicalTable_EntPhysicalClass;
extern QvStaticOptionList SshControl_SessionKeyRekeying;
