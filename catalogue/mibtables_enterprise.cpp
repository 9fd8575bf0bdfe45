// The switch's private groups: agent, layer 2 and 3, ACL, time, authentication, SSH, link aggregation.
#include "mibtables.h"

#include "mibdesc_p.h"
#include "mibenums.h"

constinit const QvSNMPVarDesc AclEthernetTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.5.1.1.1.1", "swACLEthernetProfileID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.5.1.1.1.2", "swACLEthernetUsevlan", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.1.1.1.3", "swACLEthernetMacAddrMaskState", SYN_INTEGER, RW, &AclEthernetTable_SwACLEthernetMacAddrMaskState.list),
    Desc("1.3.6.1.4.1.171.11.5.1.1.1.4", "swACLEthernetSrcMacAddrMask", SYN_MACADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.1.1.5", "swACLEthernetDstMacAddrMask", SYN_MACADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.1.1.6", "swACLEthernetUse8021p", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.1.1.1.7", "swACLEthernetUseEthernetType", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.1.1.1.8", "swACLEthernetPort", SYN_BITSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.1.1.9", "swACLEthernetRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AclIpTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.1", "swACLIpProfileID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.2", "swACLIpUsevlan", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.3", "swACLIpIpAddrMaskState", SYN_INTEGER, RW, &AclIpTable_SwACLIpIpAddrMaskState.list),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.4", "swACLIpSrcIpAddrMask", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.5", "swACLIpDstIpAddrMask", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.6", "swACLIpUseDSCP", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.7", "swACLIpUseProtoType", SYN_INTEGER, RW, &AclProtocol.list),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.8", "swACLIpIcmpOption", SYN_INTEGER, RW, &AclIpTable_SwACLIpIcmpOption.list),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.9", "swACLIpIgmpOption", SYN_INTEGER, RW, &EnableDisable.list),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.10", "swACLIpTcpOption", SYN_INTEGER, RW, &AddrMaskState.list),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.11", "swACLIpUdpOption", SYN_INTEGER, RW, &AddrMaskState.list),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.12", "swACLIpTCPorUDPSrcPortMask", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.13", "swACLIpTCPorUDPDstPortMask", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.14", "swACLIpProtoIDOption", SYN_INTEGER, RW, &EnableDisable.list),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.15", "swACLIpProtoIDMask", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.16", "swACLIpPort", SYN_BITSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.2.1.17", "swACLIpRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AclEthernetRuleTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.1", "swACLEtherRuleProfileID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.2", "swACLEtherRuleAccessID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.3", "swACLEtherRuleVlan", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.4", "swACLEtherRuleSrcMacAddress", SYN_MACADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.5", "swACLEtherRuleDstMacAddress", SYN_MACADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.6", "swACLEtherRule8021P", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.7", "swACLEtherRuleEtherType", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.8", "swACLEtherRuleEnablePriority", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.9", "swACLEtherRulePriority", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.10", "swACLEtherRuleReplacePriority", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.11", "swACLEtherRuleEnableReplaceDscp", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.12", "swACLEtherRuleRepDscp", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.13", "swACLEtherRulePermit", SYN_INTEGER, RW, &PermitDeny.list),
    Desc("1.3.6.1.4.1.171.11.5.2.1.1.14", "swACLEtherRuleRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AclIpRuleTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.1", "swACLIpRuleProfileID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.2", "swACLIpRuleAccessID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.3", "swACLIpRuleVlan", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.4", "swACLIpRuleSrcIpaddress", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.5", "swACLIpRuleDstIpaddress", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.6", "swACLIpRuleDscp", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.7", "swACLIpRuleProtocol", SYN_INTEGER, RO, &AclProtocol.list),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.8", "swACLIpRuleType", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.9", "swACLIpRuleCode", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.10", "swACLIpRuleSrcPort", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.11", "swACLIpRuleDstPort", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.12", "swACLIpRuleProtoID", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.13", "swACLIpRuleUserMask", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.14", "swACLIpRuleEnablePriority", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.15", "swACLIpRulePriority", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.16", "swACLIpRuleReplacePriority", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.17", "swACLIpRuleEnableReplaceDscp", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.18", "swACLIpRuleRepDscp", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.19", "swACLIpRulePermit", SYN_INTEGER, RW, &AclIpRuleTable_SwACLIpRulePermit.list),
    Desc("1.3.6.1.4.1.171.11.5.2.2.1.20", "swACLIpRuleRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AclPayloadTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.5.1.3.1.1", "swACLPayloadProfileID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.5.1.3.1.2", "swACLPayloadOffSet0to15", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.3.1.3", "swACLPayloadOffSet16to31", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.3.1.4", "swACLPayloadOffSet32to47", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.3.1.5", "swACLPayloadOffSet48to63", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.3.1.6", "swACLPayloadOffSet64to79", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.3.1.7", "swACLPayloadPort", SYN_BITSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.1.3.1.8", "swACLPayloadRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AclPayloadRuleTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.1", "swACLPayloadRuleProfileID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.2", "swACLPayloadRuleAccessID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.3", "swACLPayloadRuleOffSet0to15", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.4", "swACLPayloadRuleOffSet16to31", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.5", "swACLPayloadRuleOffSet32to47", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.6", "swACLPayloadRuleOffSet48to63", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.7", "swACLPayloadRuleOffSet64to79", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.8", "swACLPayloadRuleEnablePriority", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.9", "swACLPayloadRulePriority", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.10", "swACLPayloadRuleReplacePriority", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.11", "swACLPayloadRuleEnableReplaceDscp", SYN_INTEGER, RW, &EnabledDisabled.list),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.12", "swACLPayloadRuleRepDscp", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.13", "swACLPayloadRulePermit", SYN_INTEGER, RW, &PermitDeny.list),
    Desc("1.3.6.1.4.1.171.11.5.2.3.1.14", "swACLPayloadRuleRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc MibCapabilitiesVars[] = {
    Desc("1.3.6.1.4.1.171.12.1.1.2.1.1", "Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.12.1.1.2.1.2", "Description", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.1.1.2.1.3", "Version", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.1.1.2.1.4", "Type", SYN_INTEGER, RO, &MibCapabilities_Type.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AgentBasicInfoVars[] = {
    Desc("1.3.6.1.4.1.171.12.1.1.1", "Agent Management Protocol", SYN_INTEGER, RO, &AgentBasicInfo_AgentManagementProtocol.list),
    Desc("1.3.6.1.4.1.171.12.1.1.3", "Console In Use", SYN_INTEGER, RO, &AgentBasicInfo_ConsoleInUse.list),
    Desc("1.3.6.1.4.1.171.12.1.1.4", "Config Save Status", SYN_INTEGER, RO, &AgentBasicInfo_ConfigSaveStatus.list),
    Desc("1.3.6.1.4.1.171.12.1.1.5", "File Transfer Status", SYN_INTEGER, RO, &AgentBasicInfo_FileTransferStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc CpuUtilizationVars[] = {
    Desc("1.3.6.1.4.1.171.12.1.1.6.1", "agentCpuUtilization5SecInfo", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.1.1.6.2", "agentCpuUtilization1MinInfo", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.1.1.6.3", "agentCpuUtilization5MinInfo", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IpInformationVars[] = {
    Desc("1.3.6.1.4.1.171.12.1.3.1", "IP Interface Num", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.1.3.3", "IP Get From", SYN_INTEGER, RW, &IpInformation_IPGetFrom.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc SystemConfigureVars[] = {
    Desc("1.3.6.1.4.1.171.12.1.2.4", "agentRs232PortConfig", SYN_INTEGER, RO, &SystemConfigure_AgentRs232PortConfig.list),
    Desc("1.3.6.1.4.1.171.12.1.2.6", "agentSaveCfg", SYN_INTEGER, RW, &SystemConfigure_AgentSaveCfg.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc BootFileVars[] = {
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.6.1", "agentBscSwFileLocateId", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.2.1", "agentBscSwFileDscr", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.3.1", "agentBscSwFileAddr", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.4.1", "agentBscSwFileTransferType", SYN_INTEGER, RO, &EnumOtherNetworkLoad.list),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.5.1", "agentBscSwFile", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.7.1", "agentBscSwFileLoadType", SYN_INTEGER, RO, &EnumUploadDownload.list),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.8.1", "agentBscSwFileCtrl", SYN_INTEGER, RW, &EnumInactiveStart.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc LogFileVars[] = {
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.6.2", "agentBscSwFileLocateId", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.2.2", "agentBscSwFileDscr", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.3.2", "agentBscSwFileAddr", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.4.2", "agentBscSwFileTransferType", SYN_INTEGER, RO, &EnumOtherNetworkLoad.list),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.5.2", "agentBscSwFile", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.7.2", "agentBscSwFileLoadType", SYN_INTEGER, RO, &EnumUploadDownload.list),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.8.2", "agentBscSwFileCtrl", SYN_INTEGER, RW, &EnumInactiveStart.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc ConfigFileVars[] = {
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.6.3", "agentBscSwFileLocateId", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.2.3", "agentBscSwFileDscr", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.3.3", "agentBscSwFileAddr", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.4.3", "agentBscSwFileTransferType", SYN_INTEGER, RO, &EnumOtherNetworkLoad.list),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.5.3", "agentBscSwFile", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.7.3", "agentBscSwFileLoadType", SYN_INTEGER, RW, &EnumUploadDownload.list),
    Desc("1.3.6.1.4.1.171.12.1.2.1.1.8.3", "agentBscSwFileCtrl", SYN_INTEGER, RW, &EnumInactiveStart.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AgentNotifyLevelVars[] = {
    Desc("1.3.6.1.4.1.171.12.1.7.1.1", "systemTrapsSeverity", SYN_INTEGER, RW, &TrapSeverity.list),
    Desc("1.3.6.1.4.1.171.12.1.7.1.2.1", "systemRestartTrapSeverity", SYN_INTEGER, RW, &TrapSeverity.list),
    Desc("1.3.6.1.4.1.171.12.1.7.1.2.2", "saveToNVRAMTrapSeverity", SYN_INTEGER, RW, &TrapSeverity.list),
    Desc("1.3.6.1.4.1.171.12.1.7.1.2.3", "fileTransferStatusChangeTrapSeverity", SYN_INTEGER, RW, &TrapSeverity.list),
    Desc("1.3.6.1.4.1.171.12.1.7.1.2.4", "setToTotalDefaultTrapSeverity", SYN_INTEGER, RW, &TrapSeverity.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc DeviceInformationVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.1.1.2", "Dev Info Total Num Of Port", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.11.2.1.1.3", "Dev Info Num Of Port In Use", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc L2DeviceControlVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.1.2.1", "L2 Dev Ctrl Stp State", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.1.2.2", "L2 Dev Ctrl IGMP Snooping", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.1.2.3", "L2 Dev Ctrl Rmon State", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.1.2.8", "L2 Dev Ctrl Clean All Statistic Counter", SYN_INTEGER, RW, &L2DeviceControl_L2DevCtrlCleanAllStatisticCounter.list),
    Desc("1.3.6.1.4.1.171.11.2.1.2.9", "L2 Dev Ctrl VlanIdOfFDBTbl", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc AlarmControlVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.1.3.1", "L2 Dev Alarm New Root", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.1.3.2", "L2 Dev Alarm Topology Change", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.1.3.3", "L2 Dev Alarm Link Change", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc PortInformationTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.3.1.1.1", "L2 Port Info Port Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.2.3.1.1.3", "L2 Port Info Type", SYN_INTEGER, RO, &PortInformationTable_L2PortInfoType.list),
    Desc("1.3.6.1.4.1.171.11.2.3.1.1.4", "L2 Port Info Link Status", SYN_INTEGER, RO, &PortInformationTable_L2PortInfoLinkStatus.list),
    Desc("1.3.6.1.4.1.171.11.2.3.1.1.5", "L2 Port Info Nway Status", SYN_INTEGER, RO, &PortInformationTable_L2PortInfoNwayStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc PortControlVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.3.2.1.1", "L2 Port Ctrl Port Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.2.3.2.1.3", "L2 Port Ctrl Admin State", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.3.2.1.4", "L2 Port Ctrl Nway State", SYN_INTEGER, RW, &PortControl_L2PortCtrlNwayState.list),
    Desc("1.3.6.1.4.1.171.11.2.3.2.1.5", "L2 Port Ctrl Flow Ctrl State", SYN_INTEGER, RO, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.3.2.1.6", "L2 Port Ctrl Description", SYN_DISPLAYSTR, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc PortSecurityControlVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.7.1.1.1", "L2 Port Security PortIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.2.7.1.1.2", "L2 Port Security Max Lern Addr", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.7.1.1.3", "L2 Port Security Mode", SYN_INTEGER, RW, &PortSecurityControl_L2PortSecurityMode.list),
    Desc("1.3.6.1.4.1.171.11.2.7.1.1.4", "L2 Port Security Adm State", SYN_INTEGER, RW, &PortSecurityControl_L2PortSecurityAdmState.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc TrunkInfoVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.9.1", "L2 Trunk Max Supported Entries", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.11.2.9.2", "L2 Trunk Current Num Entries", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc TrunkTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.9.3.1.1", "L2 Trunk Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.2.9.3.1.3", "L2 Trunk Master Port", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.9.3.1.4", "L2 Trunk Member", SYN_BITSTR, RW),
    Desc("1.3.6.1.4.1.171.11.2.9.3.1.7", "L2 Trunk Type", SYN_INTEGER, RW, &TrunkTable_L2TrunkType.list),
    Desc("1.3.6.1.4.1.171.11.2.9.3.1.8", "L2 Trunk State", SYN_INTEGER, RW, &RowStatusShort.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc MirrorManagementVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.10.1", "L2 Mirror Logic Target Port", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.10.2", "L2 Mirror Port Source Ingress", SYN_BITSTR, RW),
    Desc("1.3.6.1.4.1.171.11.2.10.3", "L2 Mirror Port Source Egress", SYN_BITSTR, RW),
    Desc("1.3.6.1.4.1.171.11.2.10.4", "L2 Mirror Port State", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc IgmpMgmtVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.11.1", "L2 IGMP Max Supported Vlans", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.11.2.11.2", "L2 IGMP Max Ip Group Num Per Vlan", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IgmpControlTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.1", "L2 IGMP Ctrl Vid", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.2", "L2 IGMP Query Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.3", "L2 IGMP Max Response Time", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.4", "L2 IGMP Robustness", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.5", "L2 IGMP Last Member Query Interval", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.6", "L2 IGMP Host Timeout", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.7", "L2 IGMP Route Timeout", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.8", "L2 IGMP Leave Timer", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.9", "L2 IGMP Query State", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.10", "L2 IGMP Current State", SYN_INTEGER, RO, &IgmpControlTable_L2IGMPCurrentState.list),
    Desc("1.3.6.1.4.1.171.11.2.11.3.1.11", "L2 IGMP Ctrl State", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc IgmpQueryInformationVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.11.4.1.1", "L2 IGMP Info Vid", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.2.11.4.1.2", "L2 IGMP Info Query Count", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.11.2.11.4.1.3", "L2 IGMP Info Tx Query Count", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc IgmpInformationVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.11.5.1.1", "L2 IGMP Vid", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.2.11.5.1.2", "L2 IGMP Group Ip Addr", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.4.1.171.11.2.11.5.1.3", "L2 IGMP Mac Addr", SYN_MACADDRESS, RO),
    Desc("1.3.6.1.4.1.171.11.2.11.5.1.4", "L2 IGMP Port Map", SYN_BITSTR, RO),
    Desc("1.3.6.1.4.1.171.11.2.11.5.1.5", "L2 IGMP Ip Group Report Count", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc TrafficControlTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.13.1.1.1", "L2 Traffic Ctrl Group Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.2.13.1.1.3", "L2 Traffic Ctrl BMStromthreshold", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.2.13.1.1.4", "L2 Traffic Ctrl BcastStromCtrl", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.13.1.1.5", "L2 Traffic Ctrl McastStromCtrl", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.2.13.1.1.6", "L2 Traffic Ctrl DlfStromCtrl", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc TrafficSegmentTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.2.14.1.1.1", "L2 Traffic Seg Port", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.11.2.14.1.1.2", "L2 Traffic Seg Forward Ports", SYN_BITSTR, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc AggregatorTableVars[] = {
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.1", "Agg Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.2", "Agg MACAddress", SYN_MACADDRESS, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.3", "Agg Actor System Priority", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.4", "Agg Actor System ID", SYN_MACADDRESS, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.5", "Agg Aggregate Or Individual", SYN_INTEGER, RO, &AggregateOrIndividual.list),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.6", "Agg Actor AdminKey", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.7", "Agg Actor OperKey", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.8", "Agg Partner System ID", SYN_MACADDRESS, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.9", "Agg Partner System Priority", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.10", "Agg Partner OperKey", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.11", "Agg Collector Max Delay", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc AggregatorPortListVars[] = {
    Desc("1.3.6.1.4.1.171.12.4.1.1.1.1.1", "Agg Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.12.4.1.1.2.1.1", "Agg Port", SYN_BITSTR, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc AggregationControlVars[] = {
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.1", "AggPort Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.2", "AggPort Actor System Priority", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.3", "AggPort Actor System ID", SYN_MACADDRESS, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.4", "AggPort Actor Admin Key", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.5", "AggPort Actor Oper Key", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.6", "AggPort Partner Admin System Priority", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.7", "AggPort Partner Oper System Priority", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.8", "AggPort Partner Admin System ID", SYN_MACADDRESS, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.9", "AggPort Partner Oper System ID", SYN_MACADDRESS, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.10", "AggPort Partner Admin Key", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.11", "AggPort Partner Oper Key", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.12", "AggPort Selected AggID", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.13", "AggPort Attached AggID", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.14", "AggPort Actor Port", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.15", "AggPort Actor Port Priority", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.16", "AggPort Partner Admin Port", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.17", "AggPort Partner Oper Port", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.18", "AggPort Partner Admin Port Priority", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.19", "AggPort Partner Oper Port Priority", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.20", "AggPort Actor Admin State", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.21", "AggPort Actor Oper State", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.22", "AggPort Partner Admin State", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.23", "AggPort Partner Oper State", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.24", "AggPort Aggregate Or Individual", SYN_INTEGER, RO, &AggregateOrIndividual.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AggPortStatsVars[] = {
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.1", "AggPort Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.12.4.1.2.2.1.1", "AggPortStats LAC PDUs Rx", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.2.1.2", "AggPortStats Marker PDUs Rx", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.2.1.3", "AggPortStats Marker Response PDUs Rx", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.2.1.4", "AggPortStats Unknown Rx", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.2.1.5", "AggPortStats Illegal Rx", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.2.1.6", "AggPortStats LAC PDUs Tx", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.2.1.7", "AggPortStats Marker PDUs Tx", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.2.1.8", "AggPortStats Marker Response PDUs Tx", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc AggPortDebugVars[] = {
    Desc("1.3.6.1.4.1.171.12.4.1.2.1.1.1", "AggPort Index", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.1", "AggPort Debug Rx State", SYN_INTEGER, RO, &AggPortDebug_AggPortDebugRxState.list),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.2", "AggPort Debug Last Rx Time", SYN_TIMETICKS, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.3", "AggPort Debug Mux State", SYN_INTEGER, RO, &AggPortDebug_AggPortDebugMuxState.list),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.4", "AggPort Debug Mux Reason", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.5", "AggPort Debug Actor Churn State", SYN_INTEGER, RO, &ChurnState.list),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.6", "AggPort Debug Partner Churn State", SYN_INTEGER, RO, &ChurnState.list),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.7", "AggPort Debug Actor Churn Count", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.8", "AggPort Debug Partner Churn Count", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.9", "AggPort Debug Actor Sync Transition Count", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.10", "AggPort Debug Partner Sync Transition Count", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.11", "AggPort Debug Actor Change Count", SYN_COUNTER, RO),
    Desc("1.3.6.1.4.1.171.12.4.1.2.3.1.12", "AggPort Debug Partner Change Count", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc TimeInfoVars[] = {
    Desc("1.3.6.1.4.1.171.12.10.1", "Time Capacity", SYN_OCTETSTR, RO),
    Desc("1.3.6.1.4.1.171.12.10.3", "Clock Lost On Reboot", SYN_INTEGER, RO, &TruthValue.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc SystemTimeVars[] = {
    Desc("1.3.6.1.4.1.171.12.10.10.1", "System Current Time", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.10.10.2", "System Up Time", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.10.10.3", "System Boot Time", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.4.1.171.12.10.10.4", "System TimeZone", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc SntpVars[] = {
    Desc("1.3.6.1.4.1.171.12.10.11.1", "SNTP State", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.10.11.2", "SNTP Time Source", SYN_INTEGER, RO, &Sntp_SNTPTimeSource.list),
    Desc("1.3.6.1.4.1.171.12.10.11.3", "SNTP Server1 IPAddr", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.12.10.11.4", "SNTP Server2 IPAddr", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.12.10.11.5", "SNTP Poll Interval", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc SummerTimeVars[] = {
    Desc("1.3.6.1.4.1.171.12.10.12.1", "Summer Time Status", SYN_INTEGER, RW, &SummerTime_SummerTimeStatus.list),
    Desc("1.3.6.1.4.1.171.12.10.12.2", "Summer Time Offset", SYN_INTEGER, RW, &SummerTime_SummerTimeOffset.list),
    Desc("1.3.6.1.4.1.171.12.10.12.3", "Repeat Summer Time Start", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.12.10.12.4", "Repeat Summer Time End", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.12.10.12.5", "Annual Summer Time Start", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.4.1.171.12.10.12.6", "Annual Summer Time End", SYN_OCTETSTR, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc SyslogControlVars[] = {
    Desc("1.3.6.1.4.1.171.12.12.1", "Syslog Global State", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc SyslogServerVars[] = {
    Desc("1.3.6.1.4.1.171.12.12.2.1.1", "swSysLogServerIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.12.12.2.1.2", "swSysLogServerFacility", SYN_INTEGER, RW, &SyslogServer_SwSysLogServerFacility.list),
    Desc("1.3.6.1.4.1.171.12.12.2.1.3", "swSysLogServerSeverity", SYN_INTEGER, RW, &SyslogServer_SwSysLogServerSeverity.list),
    Desc("1.3.6.1.4.1.171.12.12.2.1.4", "swSysLogServerUDPPort", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.12.2.1.5", "swSysLogServerIPAddress", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.12.12.2.1.6", "swSysLogServerState", SYN_INTEGER, RW, &SyslogServer_SwSysLogServerState.list),
    Desc("1.3.6.1.4.1.171.12.12.2.1.7", "swSysLogServerRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AuthControlVars[] = {
    Desc("1.3.6.1.4.1.171.12.3.1.1", "auth Protocol", SYN_INTEGER, RW, &AuthControl_AuthProtocol.list),
    Desc("1.3.6.1.4.1.171.12.3.1.2", "Auth Mode", SYN_INTEGER, RW, &AuthControl_AuthMode.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc RadiusControlVars[] = {
    Desc("1.3.6.1.4.1.171.12.3.2.1", "Radius Dead Time", SYN_GAUGE, RW),
    Desc("1.3.6.1.4.1.171.12.3.2.2", "Radius Timeout", SYN_GAUGE, RW),
    Desc("1.3.6.1.4.1.171.12.3.2.3", "Radius Retransmit Attempts", SYN_GAUGE, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc RadiusServerVars[] = {
    Desc("1.3.6.1.4.1.171.12.3.2.4.1.1", "Radius Server Index", SYN_INTEGER, IDX, &RadiusServer_RadiusServerIndex.list),
    Desc("1.3.6.1.4.1.171.12.3.2.4.1.2", "Radius Server IpAddr", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.12.3.2.4.1.3", "Radius Server Key", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.12.3.2.4.1.4", "Radius Auth Port Number", SYN_GAUGE, RW),
    Desc("1.3.6.1.4.1.171.12.3.2.4.1.5", "Radius Acct Port Number", SYN_GAUGE, RW),
    Desc("1.3.6.1.4.1.171.12.3.2.4.1.6", "Radius Server Status", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc L3DeviceControlVars[] = {
    Desc("1.3.6.1.4.1.171.11.3.1.1.1", "L3 Dev Ctrl RIP State", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.3.1.1.2", "L3 Dev Ctrl DVMRP State", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.11.3.1.1.3", "L3 Dev Ctrl PIMDM State", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc IpControlTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.3.2.1.1.1.1", "L3 Ip Ctrl Ip Addr", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.4.1.171.11.3.2.1.1.1.2", "L3 Ip Ctrl If Index", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.11.3.2.1.1.1.3", "L3 Ip Ctrl Interface Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.11.3.2.1.1.1.4", "L3 Ip Ctrl Ip Subnet Mask", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.3.2.1.1.1.5", "L3 Ip Ctrl Vlan Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.4.1.171.11.3.2.1.1.1.6", "L3 Ip Ctrl Mode", SYN_INTEGER, RW, &IpControlTable_L3IpCtrlMode.list),
    Desc("1.3.6.1.4.1.171.11.3.2.1.1.1.8", "L3 Ip Ctrl State", SYN_INTEGER, RW, &RowStatusShort.list),
    Desc("1.3.6.1.4.1.171.11.3.2.1.1.1.9", "L3 Ip Ctrl Oper State", SYN_INTEGER, RO, &IpControlTable_L3IpCtrlOperState.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc IpForwardingTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.3.2.2.1.1.1", "L3 Ip Fdb Info Ip Addr", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.4.1.171.11.3.2.2.1.1.2", "L3 Ip Fdb Info Ip Subnet Mask", SYN_IPADDRESS, RO),
    Desc("1.3.6.1.4.1.171.11.3.2.2.1.1.3", "L3 Ip Fdb Info Port", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.11.3.2.2.1.1.4", "L3 Ip Fdb Info Type", SYN_INTEGER, RO, &IpForwardingTable_L3IpFdbInfoType.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc IpStaticRouteTableVars[] = {
    Desc("1.3.6.1.4.1.171.11.3.2.5.1.1", "L3 Ip Static Route Dest", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.4.1.171.11.3.2.5.1.2", "L3 Ip Static Route Mask", SYN_IPADDRESS, IDX),
    Desc("1.3.6.1.4.1.171.11.3.2.5.1.3", "L3 Ip Static Route Bkup State", SYN_INTEGER, IDX, &IpStaticRouteTable_L3IpStaticRouteBkupState.list),
    Desc("1.3.6.1.4.1.171.11.3.2.5.1.4", "L3 Ip Static Route Next Hop", SYN_IPADDRESS, RW),
    Desc("1.3.6.1.4.1.171.11.3.2.5.1.5", "L3 Ip Static Route Metric", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.11.3.2.5.1.6", "L3 Ip Static Route Status", SYN_INTEGER, RW, &IpStaticRouteTable_L3IpStaticRouteStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc IpArpAgingTimeVars[] = {
    Desc("1.3.6.1.4.1.171.11.3.2.4", "L3 Ip Arp Aging Time", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc EquipmentCapacityVars[] = {
    Desc("1.3.6.1.4.1.171.12.11.1.1", "swQuorvaneEquipmentCapacity", SYN_OCTETSTR, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc EquipmentPowerVars[] = {
    Desc("1.3.6.1.4.1.171.12.11.1.6.1.1", "swPowerUnitIndex", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.12.11.1.6.1.2", "swPowerID", SYN_INTEGER, IDX),
    Desc("1.3.6.1.4.1.171.12.11.1.6.1.3", "swPowerStatus", SYN_INTEGER, RO, &EquipmentPower_SwPowerStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc SshControlVars[] = {
    Desc("1.3.6.1.4.1.171.12.6.1.1", "Version", SYN_INTEGER, RO),
    Desc("1.3.6.1.4.1.171.12.6.1.2", "Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.1.3", "Max Auth Fail Attempts", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.6.1.4", "Session Key Rekeying", SYN_INTEGER, RW, &SshControl_SessionKeyRekeying.list),
    Desc("1.3.6.1.4.1.171.12.6.1.5", "Max Session", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.6.1.6", "Connection Timeout", SYN_INTEGER, RW),
    Desc("1.3.6.1.4.1.171.12.6.1.7", "Listened Port", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc SshEncryptAlgVars[] = {
    Desc("1.3.6.1.4.1.171.12.6.3.1.1", "3DES Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.1.2", "Blow fish Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.1.3", "AES128 Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.1.4", "AES192 Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.1.5", "AES256 Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.1.6", "Arcfour Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.1.7", "CAST28 Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.1.8", "Two fish128 Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.1.9", "Two fish192 Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.1.10", "Two fish256 Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc SshAuthMethodVars[] = {
    Desc("1.3.6.1.4.1.171.12.6.3.2.1", "Password Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.2.2", "Pub Key Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.2.3", "Host Key Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc SshInteAlgVars[] = {
    Desc("1.3.6.1.4.1.171.12.6.3.3.1", "SHA1 Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.3.2", "MD5 Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc SshPublicKeyVars[] = {
    Desc("1.3.6.1.4.1.171.12.6.3.5.1", "RSA Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    Desc("1.3.6.1.4.1.171.12.6.3.5.2", "DSA Admin", SYN_INTEGER, RW, &DisabledEnabled.list),
    EndOfTable,
};

namespace {

constinit const MibTableEntry Tables[] = {
    TableEntry("AclEthernetTableVars", AclEthernetTableVars),
    TableEntry("AclIpTableVars", AclIpTableVars),
    TableEntry("AclEthernetRuleTableVars", AclEthernetRuleTableVars),
    TableEntry("AclIpRuleTableVars", AclIpRuleTableVars),
    TableEntry("AclPayloadTableVars", AclPayloadTableVars),
    TableEntry("AclPayloadRuleTableVars", AclPayloadRuleTableVars),
    TableEntry("MibCapabilitiesVars", MibCapabilitiesVars),
    TableEntry("AgentBasicInfoVars", AgentBasicInfoVars),
    TableEntry("CpuUtilizationVars", CpuUtilizationVars),
    TableEntry("IpInformationVars", IpInformationVars),
    TableEntry("SystemConfigureVars", SystemConfigureVars),
    TableEntry("BootFileVars", BootFileVars),
    TableEntry("LogFileVars", LogFileVars),
    TableEntry("ConfigFileVars", ConfigFileVars),
    TableEntry("AgentNotifyLevelVars", AgentNotifyLevelVars),
    TableEntry("DeviceInformationVars", DeviceInformationVars),
    TableEntry("L2DeviceControlVars", L2DeviceControlVars),
    TableEntry("AlarmControlVars", AlarmControlVars),
    TableEntry("PortInformationTableVars", PortInformationTableVars),
    TableEntry("PortControlVars", PortControlVars),
    TableEntry("PortSecurityControlVars", PortSecurityControlVars),
    TableEntry("TrunkInfoVars", TrunkInfoVars),
    TableEntry("TrunkTableVars", TrunkTableVars),
    TableEntry("MirrorManagementVars", MirrorManagementVars),
    TableEntry("IgmpMgmtVars", IgmpMgmtVars),
    TableEntry("IgmpControlTableVars", IgmpControlTableVars),
    TableEntry("IgmpQueryInformationVars", IgmpQueryInformationVars),
    TableEntry("IgmpInformationVars", IgmpInformationVars),
    TableEntry("TrafficControlTableVars", TrafficControlTableVars),
    TableEntry("TrafficSegmentTableVars", TrafficSegmentTableVars),
    TableEntry("AggregatorTableVars", AggregatorTableVars),
    TableEntry("AggregatorPortListVars", AggregatorPortListVars),
    TableEntry("AggregationControlVars", AggregationControlVars),
    TableEntry("AggPortStatsVars", AggPortStatsVars),
    TableEntry("AggPortDebugVars", AggPortDebugVars),
    TableEntry("TimeInfoVars", TimeInfoVars),
    TableEntry("SystemTimeVars", SystemTimeVars),
    TableEntry("SntpVars", SntpVars),
    TableEntry("SummerTimeVars", SummerTimeVars),
    TableEntry("SyslogControlVars", SyslogControlVars),
    TableEntry("SyslogServerVars", SyslogServerVars),
    TableEntry("AuthControlVars", AuthControlVars),
    TableEntry("RadiusControlVars", RadiusControlVars),
    TableEntry("RadiusServerVars", RadiusServerVars),
    TableEntry("L3DeviceControlVars", L3DeviceControlVars),
    TableEntry("IpControlTableVars", IpControlTableVars),
    TableEntry("IpForwardingTableVars", IpForwardingTableVars),
    TableEntry("IpStaticRouteTableVars", IpStaticRouteTableVars),
    TableEntry("IpArpAgingTimeVars", IpArpAgingTimeVars),
    TableEntry("EquipmentCapacityVars", EquipmentCapacityVars),
    TableEntry("EquipmentPowerVars", EquipmentPowerVars),
    TableEntry("SshControlVars", SshControlVars),
    TableEntry("SshEncryptAlgVars", SshEncryptAlgVars),
    TableEntry("SshAuthMethodVars", SshAuthMethodVars),
    TableEntry("SshInteAlgVars", SshInteAlgVars),
    TableEntry("SshPublicKeyVars", SshPublicKeyVars),
};

} // namespace

std::span<const MibTableEntry> EnterpriseTableIndex() { return Tables; }
