// SNMPv3 framework: engine, MPD, target, notification, community, USM and VACM.
#include "mibtables.h"

#include "mibdesc_p.h"
#include "mibenums.h"

constinit const QvSNMPVarDesc SnmpEngineVars[] = {
    Desc("1.3.6.1.6.3.10.2.1.1", "Engine ID", SYN_OCTETSTR, RO),
    Desc("1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", SYN_INTEGER, RO),
    Desc("1.3.6.1.6.3.10.2.1.3", "Engine Time", SYN_INTEGER, RO),
    Desc("1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", SYN_INTEGER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc MpdStatusVars[] = {
    Desc("1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", SYN_COUNTER, RO),
    Desc("1.3.6.1.6.3.11.2.1.2", "Invalid Message", SYN_COUNTER, RO),
    Desc("1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc TargetObjectsVars[] = {
    Desc("1.3.6.1.6.3.12.1.1", "snmpTargetSpinLock", SYN_INTEGER, RO),
    Desc("1.3.6.1.6.3.12.1.4", "snmpUnavailableContexts", SYN_COUNTER, RO),
    Desc("1.3.6.1.6.3.12.1.5", "snmpUnknownContexts", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc TargetAddrTableVars[] = {
    Desc("1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName", SYN_DISPLAYSTR, IDX_IMPLIED),
    Desc("1.3.6.1.6.3.12.1.2.1.2", "snmpTargetAddrTDomain", SYN_OBJECTID, RW),
    Desc("1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress", SYN_BITSTR, RW),
    Desc("1.3.6.1.6.3.12.1.2.1.4", "snmpTargetAddrTimeout", SYN_INTEGER, RW),
    Desc("1.3.6.1.6.3.12.1.2.1.5", "snmpTargetAddrRetryCount", SYN_INTEGER, RW),
    Desc("1.3.6.1.6.3.12.1.2.1.6", "snmpTargetAddrTagList", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.12.1.2.1.7", "snmpTargetAddrParams", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.12.1.2.1.8", "snmpTargetAddrStorageType", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.12.1.2.1.9", "snmpTargetAddrRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc TargetParamsTableVars[] = {
    Desc("1.3.6.1.6.3.12.1.3.1.1", "snmpTargetParamsName", SYN_DISPLAYSTR, IDX_IMPLIED),
    Desc("1.3.6.1.6.3.12.1.3.1.2", "snmpTargetParamsMPModel", SYN_INTEGER, RW),
    Desc("1.3.6.1.6.3.12.1.3.1.3", "snmpTargetParamsSecurityModel", SYN_INTEGER, RW),
    Desc("1.3.6.1.6.3.12.1.3.1.4", "snmpTargetParamsSecurityName", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.12.1.3.1.5", "snmpTargetParamsSecurityLevel", SYN_INTEGER, RW, &SecurityLevel.list),
    Desc("1.3.6.1.6.3.12.1.3.1.6", "snmpTargetParamsStorageType", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.12.1.3.1.7", "snmpTargetParamsRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc UsmStatsVars[] = {
    Desc("1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", SYN_COUNTER, RO),
    Desc("1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", SYN_COUNTER, RO),
    Desc("1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", SYN_COUNTER, RO),
    Desc("1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", SYN_COUNTER, RO),
    Desc("1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", SYN_COUNTER, RO),
    Desc("1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc UserSpinLockVars[] = {
    Desc("1.3.6.1.6.3.15.1.2.1", "usmUserSpinLock", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc UsmUserTableVars[] = {
    Desc("1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", SYN_OCTETSTR, IDX),
    Desc("1.3.6.1.6.3.15.1.2.2.1.2", "User Name", SYN_DISPLAYSTR, IDX),
    Desc("1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", SYN_DISPLAYSTR, RO),
    Desc("1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", SYN_OBJECTID, RW),
    Desc("1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", SYN_OBJECTID, RW),
    Desc("1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", SYN_OBJECTID, RW),
    Desc("1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.15.1.2.2.1.11", "Public", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.15.1.2.2.1.13", "Status", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc VacmSecurityToGroupTableVars[] = {
    Desc("1.3.6.1.6.3.16.1.2.1.1", "Security Model", SYN_INTEGER, IDX),
    Desc("1.3.6.1.6.3.16.1.2.1.2", "Security Name", SYN_DISPLAYSTR, IDX),
    Desc("1.3.6.1.6.3.16.1.2.1.3", "Group Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc VacmAccessTableVars[] = {
    // The table is indexed by the group name before the context prefix; it is no column of this table.
    Desc(" ", "Group Name", SYN_DISPLAYSTR, IDX),
    Desc("1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", SYN_DISPLAYSTR, IDX),
    Desc("1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", SYN_INTEGER, IDX),
    Desc("1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", SYN_INTEGER, IDX, &SecurityLevel.list),
    Desc("1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", SYN_INTEGER, RW, &VacmAccessTable_AccessContextMatch.list),
    Desc("1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.16.1.4.1.9", "Access Status", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc ViewSpinLockVars[] = {
    Desc("1.3.6.1.6.3.16.1.5.1", "vacmViewSpinLock", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc ViewTreeFamilyTableVars[] = {
    Desc("1.3.6.1.6.3.16.1.5.2.1.1", "vacmViewTreeFamilyViewName", SYN_DISPLAYSTR, IDX),
    Desc("1.3.6.1.6.3.16.1.5.2.1.2", "vacmViewTreeFamilySubtree", SYN_OBJECTID, IDX),
    Desc("1.3.6.1.6.3.16.1.5.2.1.3", "vacmViewTreeFamilyMask", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.16.1.5.2.1.4", "vacmViewTreeFamilyType", SYN_INTEGER, RW, &IncludedExcluded.list),
    Desc("1.3.6.1.6.3.16.1.5.2.1.5", "vacmViewTreeFamilyStorageType", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc CommunityTableVars[] = {
    Desc("1.3.6.1.6.3.18.1.1.1.1", "Index", SYN_DISPLAYSTR, IDX_IMPLIED),
    Desc("1.3.6.1.6.3.18.1.1.1.2", "Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.18.1.1.1.3", "Security Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", SYN_OCTETSTR, RW),
    Desc("1.3.6.1.6.3.18.1.1.1.5", "Context Name", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.18.1.1.1.7", "Storage Type", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.18.1.1.1.8", "Status", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc TargetAddrExtTableVars[] = {
    Desc("1.3.6.1.6.3.12.1.2.1.1", "Target Addr Name", SYN_DISPLAYSTR, IDX_IMPLIED),
    Desc("1.3.6.1.6.3.18.1.2.1.1", "Target Addr TMask", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.18.1.2.1.2", "Target Addr MMS", SYN_INTEGER, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc NotifyTableVars[] = {
    Desc("1.3.6.1.6.3.13.1.1.1.1", "snmpNotifyName", SYN_DISPLAYSTR, IDX_IMPLIED),
    Desc("1.3.6.1.6.3.13.1.1.1.2", "snmpNotifyTag", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.13.1.1.1.3", "snmpNotifyType", SYN_INTEGER, RW, &NotifyTable_SnmpNotifyType.list),
    Desc("1.3.6.1.6.3.13.1.1.1.4", "snmpNotifyStorageType", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.13.1.1.1.5", "snmpNotifyRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc NotifyFilterProfileTableVars[] = {
    Desc("1.3.6.1.6.3.12.1.3.1.1", "snmpTargetParamsName", SYN_DISPLAYSTR, IDX_IMPLIED),
    Desc("1.3.6.1.6.3.13.1.2.1.1", "snmpNotifyFilterProfileName", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.13.1.2.1.2", "snmpNotifyFilterProfileStorType", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.13.1.2.1.3", "snmpNotifyFilterProfileRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc NotifyFilterTableVars[] = {
    Desc("1.3.6.1.6.3.13.1.2.1.1", "snmpNotifyFilterProfileName", SYN_DISPLAYSTR, IDX),
    Desc("1.3.6.1.6.3.13.1.3.1.1", "snmpNotifyFilterSubtree", SYN_OBJECTID, IDX_IMPLIED),
    Desc("1.3.6.1.6.3.13.1.3.1.2", "snmpNotifyFilterMask", SYN_DISPLAYSTR, RW),
    Desc("1.3.6.1.6.3.13.1.3.1.3", "snmpNotifyFilterType", SYN_INTEGER, RW, &IncludedExcluded.list),
    Desc("1.3.6.1.6.3.13.1.3.1.4", "snmpNotifyFilterStorageType", SYN_INTEGER, RW, &StorageType.list),
    Desc("1.3.6.1.6.3.13.1.3.1.5", "snmpNotifyFilterRowStatus", SYN_INTEGER, RW, &RowStatus.list),
    EndOfTable,
};

namespace {

constinit const MibTableEntry Tables[] = {
    TableEntry("SnmpEngineVars", SnmpEngineVars),
    TableEntry("MpdStatusVars", MpdStatusVars),
    TableEntry("TargetObjectsVars", TargetObjectsVars),
    TableEntry("TargetAddrTableVars", TargetAddrTableVars),
    TableEntry("TargetParamsTableVars", TargetParamsTableVars),
    TableEntry("UsmStatsVars", UsmStatsVars),
    TableEntry("UserSpinLockVars", UserSpinLockVars),
    TableEntry("UsmUserTableVars", UsmUserTableVars),
    TableEntry("VacmSecurityToGroupTableVars", VacmSecurityToGroupTableVars),
    TableEntry("VacmAccessTableVars", VacmAccessTableVars),
    TableEntry("ViewSpinLockVars", ViewSpinLockVars),
    TableEntry("ViewTreeFamilyTableVars", ViewTreeFamilyTableVars),
    TableEntry("CommunityTableVars", CommunityTableVars),
    TableEntry("TargetAddrExtTableVars", TargetAddrExtTableVars),
    TableEntry("NotifyTableVars", NotifyTableVars),
    TableEntry("NotifyFilterProfileTableVars", NotifyFilterProfileTableVars),
    TableEntry("NotifyFilterTableVars", NotifyFilterTableVars),
};

} // namespace

std::span<const MibTableEntry> Snmpv3TableIndex() { return Tables; }
