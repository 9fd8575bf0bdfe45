#include "mibcatalogue.h"

#include "mibtables.h"
#include "moduletables.h"

#include <QString>

#include <iterator>
#include <vector>

namespace {

constinit const MibTableEntry Tables[] = {
    {"AclEthernetTableVars", AclEthernetTableVars, int(std::size(AclEthernetTableVars))},
    {"AclIpTableVars", AclIpTableVars, int(std::size(AclIpTableVars))},
    {"AclEthernetRuleTableVars", AclEthernetRuleTableVars, int(std::size(AclEthernetRuleTableVars))},
    {"AclIpRuleTableVars", AclIpRuleTableVars, int(std::size(AclIpRuleTableVars))},
    {"AclPayloadTableVars", AclPayloadTableVars, int(std::size(AclPayloadTableVars))},
    {"AclPayloadRuleTableVars", AclPayloadRuleTableVars, int(std::size(AclPayloadRuleTableVars))},
    {"MibCapabilitiesVars", MibCapabilitiesVars, int(std::size(MibCapabilitiesVars))},
    {"AgentBasicInfoVars", AgentBasicInfoVars, int(std::size(AgentBasicInfoVars))},
    {"CpuUtilizationVars", CpuUtilizationVars, int(std::size(CpuUtilizationVars))},
    {"IpInformationVars", IpInformationVars, int(std::size(IpInformationVars))},
    {"SystemConfigureVars", SystemConfigureVars, int(std::size(SystemConfigureVars))},
    {"BootFileVars", BootFileVars, int(std::size(BootFileVars))},
    {"LogFileVars", LogFileVars, int(std::size(LogFileVars))},
    {"ConfigFileVars", ConfigFileVars, int(std::size(ConfigFileVars))},
    {"AgentNotifyLevelVars", AgentNotifyLevelVars, int(std::size(AgentNotifyLevelVars))},
    {"DeviceInformationVars", DeviceInformationVars, int(std::size(DeviceInformationVars))},
    {"L2DeviceControlVars", L2DeviceControlVars, int(std::size(L2DeviceControlVars))},
    {"AlarmControlVars", AlarmControlVars, int(std::size(AlarmControlVars))},
    {"PortInformationTableVars", PortInformationTableVars, int(std::size(PortInformationTableVars))},
    {"PortControlVars", PortControlVars, int(std::size(PortControlVars))},
    {"PortSecurityControlVars", PortSecurityControlVars, int(std::size(PortSecurityControlVars))},
    {"TrunkInfoVars", TrunkInfoVars, int(std::size(TrunkInfoVars))},
    {"TrunkTableVars", TrunkTableVars, int(std::size(TrunkTableVars))},
    {"MirrorManagementVars", MirrorManagementVars, int(std::size(MirrorManagementVars))},
    {"IgmpMgmtVars", IgmpMgmtVars, int(std::size(IgmpMgmtVars))},
    {"IgmpControlTableVars", IgmpControlTableVars, int(std::size(IgmpControlTableVars))},
    {"IgmpQueryInformationVars", IgmpQueryInformationVars, int(std::size(IgmpQueryInformationVars))},
    {"IgmpInformationVars", IgmpInformationVars, int(std::size(IgmpInformationVars))},
    {"TrafficControlTableVars", TrafficControlTableVars, int(std::size(TrafficControlTableVars))},
    {"TrafficSegmentTableVars", TrafficSegmentTableVars, int(std::size(TrafficSegmentTableVars))},
    {"AggregatorTableVars", AggregatorTableVars, int(std::size(AggregatorTableVars))},
    {"AggregatorPortListVars", AggregatorPortListVars, int(std::size(AggregatorPortListVars))},
    {"AggregationControlVars", AggregationControlVars, int(std::size(AggregationControlVars))},
    {"AggPortStatsVars", AggPortStatsVars, int(std::size(AggPortStatsVars))},
    {"AggPortDebugVars", AggPortDebugVars, int(std::size(AggPortDebugVars))},
    {"TimeInfoVars", TimeInfoVars, int(std::size(TimeInfoVars))},
    {"SystemTimeVars", SystemTimeVars, int(std::size(SystemTimeVars))},
    {"SntpVars", SntpVars, int(std::size(SntpVars))},
    {"SummerTimeVars", SummerTimeVars, int(std::size(SummerTimeVars))},
    {"SyslogControlVars", SyslogControlVars, int(std::size(SyslogControlVars))},
    {"SyslogServerVars", SyslogServerVars, int(std::size(SyslogServerVars))},
    {"AuthControlVars", AuthControlVars, int(std::size(AuthControlVars))},
    {"RadiusControlVars", RadiusControlVars, int(std::size(RadiusControlVars))},
    {"RadiusServerVars", RadiusServerVars, int(std::size(RadiusServerVars))},
    {"L3DeviceControlVars", L3DeviceControlVars, int(std::size(L3DeviceControlVars))},
    {"IpControlTableVars", IpControlTableVars, int(std::size(IpControlTableVars))},
    {"IpForwardingTableVars", IpForwardingTableVars, int(std::size(IpForwardingTableVars))},
    {"IpStaticRouteTableVars", IpStaticRouteTableVars, int(std::size(IpStaticRouteTableVars))},
    {"IpArpAgingTimeVars", IpArpAgingTimeVars, int(std::size(IpArpAgingTimeVars))},
    {"EquipmentCapacityVars", EquipmentCapacityVars, int(std::size(EquipmentCapacityVars))},
    {"EquipmentPowerVars", EquipmentPowerVars, int(std::size(EquipmentPowerVars))},
    {"SshControlVars", SshControlVars, int(std::size(SshControlVars))},
    {"SshEncryptAlgVars", SshEncryptAlgVars, int(std::size(SshEncryptAlgVars))},
    {"SshAuthMethodVars", SshAuthMethodVars, int(std::size(SshAuthMethodVars))},
    {"SshInteAlgVars", SshInteAlgVars, int(std::size(SshInteAlgVars))},
    {"SshPublicKeyVars", SshPublicKeyVars, int(std::size(SshPublicKeyVars))},
    {"Dot3StatsTableVars", Dot3StatsTableVars, int(std::size(Dot3StatsTableVars))},
    {"IfXTableVars", IfXTableVars, int(std::size(IfXTableVars))},
    {"IfGeneralVars", IfGeneralVars, int(std::size(IfGeneralVars))},
    {"Mib2InformationVars", Mib2InformationVars, int(std::size(Mib2InformationVars))},
    {"IfTableVars", IfTableVars, int(std::size(IfTableVars))},
    {"IfDescrVars", IfDescrVars, int(std::size(IfDescrVars))},
    {"IfCountersVars", IfCountersVars, int(std::size(IfCountersVars))},
    {"IpAddrTableVars", IpAddrTableVars, int(std::size(IpAddrTableVars))},
    {"IpRouteVars", IpRouteVars, int(std::size(IpRouteVars))},
    {"IpCountersVars", IpCountersVars, int(std::size(IpCountersVars))},
    {"IcmpCountersVars", IcmpCountersVars, int(std::size(IcmpCountersVars))},
    {"UdpCountersVars", UdpCountersVars, int(std::size(UdpCountersVars))},
    {"SnmpCountersVars", SnmpCountersVars, int(std::size(SnmpCountersVars))},
    {"EntityPhysicalTableVars", EntityPhysicalTableVars, int(std::size(EntityPhysicalTableVars))},
    {"EntityLogicalTableVars", EntityLogicalTableVars, int(std::size(EntityLogicalTableVars))},
    {"LpMappingVars", LpMappingVars, int(std::size(LpMappingVars))},
    {"AliasMappingVars", AliasMappingVars, int(std::size(AliasMappingVars))},
    {"PhysicalContainsVars", PhysicalContainsVars, int(std::size(PhysicalContainsVars))},
    {"EntityLastChangeVars", EntityLastChangeVars, int(std::size(EntityLastChangeVars))},
    {"Dot1pBasicConfigVars", Dot1pBasicConfigVars, int(std::size(Dot1pBasicConfigVars))},
    {"PortCapabilityVars", PortCapabilityVars, int(std::size(PortCapabilityVars))},
    {"DefaultUserPriorityVars", DefaultUserPriorityVars, int(std::size(DefaultUserPriorityVars))},
    {"RegeneratedUserPriorityVars", RegeneratedUserPriorityVars, int(std::size(RegeneratedUserPriorityVars))},
    {"TrafficClassMapVars", TrafficClassMapVars, int(std::size(TrafficClassMapVars))},
    {"OutboundAccessPriorityVars", OutboundAccessPriorityVars, int(std::size(OutboundAccessPriorityVars))},
    {"GarpVars", GarpVars, int(std::size(GarpVars))},
    {"GmrpVars", GmrpVars, int(std::size(GmrpVars))},
    {"Dot1qBasicConfigVars", Dot1qBasicConfigVars, int(std::size(Dot1qBasicConfigVars))},
    {"UnicastForwardingInfoVars", UnicastForwardingInfoVars, int(std::size(UnicastForwardingInfoVars))},
    {"VlanCurrentTableVars", VlanCurrentTableVars, int(std::size(VlanCurrentTableVars))},
    {"VlanStaticTableVars", VlanStaticTableVars, int(std::size(VlanStaticTableVars))},
    {"VlanPortInformationVars", VlanPortInformationVars, int(std::size(VlanPortInformationVars))},
    {"StaticMulticastTableVars", StaticMulticastTableVars, int(std::size(StaticMulticastTableVars))},
    {"StaticUnicastTableVars", StaticUnicastTableVars, int(std::size(StaticUnicastTableVars))},
    {"Bridge8021dPortTableVars", Bridge8021dPortTableVars, int(std::size(Bridge8021dPortTableVars))},
    {"Bridge8021dInfoVars", Bridge8021dInfoVars, int(std::size(Bridge8021dInfoVars))},
    {"StpPortTableVars", StpPortTableVars, int(std::size(StpPortTableVars))},
    {"StpInfoVars", StpInfoVars, int(std::size(StpInfoVars))},
    {"TpPortVars", TpPortVars, int(std::size(TpPortVars))},
    {"TpPortCountersVars", TpPortCountersVars, int(std::size(TpPortCountersVars))},
    {"StpControlVars", StpControlVars, int(std::size(StpControlVars))},
    {"RmonEtherStatsVars", RmonEtherStatsVars, int(std::size(RmonEtherStatsVars))},
    {"RmonStatsControlVars", RmonStatsControlVars, int(std::size(RmonStatsControlVars))},
    {"RmonStatsControlEditVars", RmonStatsControlEditVars, int(std::size(RmonStatsControlEditVars))},
    {"RmonHistoryControlVars", RmonHistoryControlVars, int(std::size(RmonHistoryControlVars))},
    {"RmonHistoryControlEditVars", RmonHistoryControlEditVars, int(std::size(RmonHistoryControlEditVars))},
    {"RmonEtherHistoryVars", RmonEtherHistoryVars, int(std::size(RmonEtherHistoryVars))},
    {"RmonAlarmVars", RmonAlarmVars, int(std::size(RmonAlarmVars))},
    {"RmonEventVars", RmonEventVars, int(std::size(RmonEventVars))},
    {"RmonEventEditVars", RmonEventEditVars, int(std::size(RmonEventEditVars))},
    {"RmonEventEdit2Vars", RmonEventEdit2Vars, int(std::size(RmonEventEdit2Vars))},
    {"RmonLogVars", RmonLogVars, int(std::size(RmonLogVars))},
    {"SnmpEngineVars", SnmpEngineVars, int(std::size(SnmpEngineVars))},
    {"MpdStatusVars", MpdStatusVars, int(std::size(MpdStatusVars))},
    {"TargetObjectsVars", TargetObjectsVars, int(std::size(TargetObjectsVars))},
    {"TargetAddrTableVars", TargetAddrTableVars, int(std::size(TargetAddrTableVars))},
    {"TargetParamsTableVars", TargetParamsTableVars, int(std::size(TargetParamsTableVars))},
    {"UsmStatsVars", UsmStatsVars, int(std::size(UsmStatsVars))},
    {"UserSpinLockVars", UserSpinLockVars, int(std::size(UserSpinLockVars))},
    {"UsmUserTableVars", UsmUserTableVars, int(std::size(UsmUserTableVars))},
    {"VacmSecurityToGroupTableVars", VacmSecurityToGroupTableVars, int(std::size(VacmSecurityToGroupTableVars))},
    {"VacmAccessTableVars", VacmAccessTableVars, int(std::size(VacmAccessTableVars))},
    {"ViewSpinLockVars", ViewSpinLockVars, int(std::size(ViewSpinLockVars))},
    {"ViewTreeFamilyTableVars", ViewTreeFamilyTableVars, int(std::size(ViewTreeFamilyTableVars))},
    {"CommunityTableVars", CommunityTableVars, int(std::size(CommunityTableVars))},
    {"TargetAddrExtTableVars", TargetAddrExtTableVars, int(std::size(TargetAddrExtTableVars))},
    {"NotifyTableVars", NotifyTableVars, int(std::size(NotifyTableVars))},
    {"NotifyFilterProfileTableVars", NotifyFilterProfileTableVars, int(std::size(NotifyFilterProfileTableVars))},
    {"NotifyFilterTableVars", NotifyFilterTableVars, int(std::size(NotifyFilterTableVars))},
    {"PaeControlVars", PaeControlVars, int(std::size(PaeControlVars))},
    {"PaePortEntryVars", PaePortEntryVars, int(std::size(PaePortEntryVars))},
    {"AuthConfigTableVars", AuthConfigTableVars, int(std::size(AuthConfigTableVars))},
    {"AuthStatsTableVars", AuthStatsTableVars, int(std::size(AuthStatsTableVars))},
    {"AuthDiagTableVars", AuthDiagTableVars, int(std::size(AuthDiagTableVars))},
    {"AuthSessionTableVars", AuthSessionTableVars, int(std::size(AuthSessionTableVars))},
    {"SupplicantConfigTableVars", SupplicantConfigTableVars, int(std::size(SupplicantConfigTableVars))},
    {"SupplicantStatsTableVars", SupplicantStatsTableVars, int(std::size(SupplicantStatsTableVars))},
};

} // namespace

std::span<const MibTableEntry> MibTableIndex()
{
    // The switch's own groups, then the standard groups of the shared modules.
    static const std::vector<MibTableEntry> all = [] {
        std::vector<MibTableEntry> v(std::begin(Tables), std::end(Tables));
        const std::span<const MibTableEntry> modules = ModuleTableIndex();
        v.insert(v.end(), modules.begin(), modules.end());
        return v;
    }();
    return all;
}

const QvSNMPVarDesc *FindMibTable(QStringView name)
{
    for (const MibTableEntry &e : MibTableIndex()) {
        if (name == QLatin1StringView(e.name))
            return e.table;
    }
    return nullptr;
}
