// The generated windows, in menu order. Column numbers count the descriptors of the panel's
// table from 0, index columns included; they bind constraints, port-list editors and hooks.
#include "windowdefs.h"

#include "customhooks.h"
#include "mibtables.h"
#include "moduletables.h"

#include <QString>

#include <initializer_list>

namespace {

// Reached only when a definition overflows its fixed capacities: not a constant expression,
// so such a definition does not compile.
void CapacityExceeded() {}

// Fluent construction of one panel definition at compile time.
struct P {
    TPanelDef d;

    constexpr P Status(int addColumn, const char *addLabel, int deleteColumn, const char *deleteLabel) const
    {
        P r = *this;
        r.d.add = {addColumn, addLabel};
        r.d.del = {deleteColumn, deleteLabel};
        return r;
    }
    constexpr P Constraint(int column, const char *constraint) const
    {
        P r = *this;
        int k = r.d.ConstraintCount();
        if (k >= MaxPanelConstraints)
            CapacityExceeded();
        r.d.constraints[k] = {column, constraint};
        return r;
    }
    // One box per switch port, 25 to a line.
    constexpr P PortList(int column) const
    {
        P r = *this;
        int k = r.d.PortListCount();
        if (k >= MaxPanelPortLists)
            CapacityExceeded();
        r.d.portLists[k] = {column, 25, 50};
        return r;
    }
    constexpr P EditWidth(int width) const
    {
        P r = *this;
        r.d.editWidth = width;
        return r;
    }
    constexpr P Hooks(const THookSet *hooks) const
    {
        P r = *this;
        r.d.hooks = hooks;
        return r;
    }
    constexpr P Adjust(TPageAdjust adjust) const
    {
        P r = *this;
        r.d.adjust = adjust;
        return r;
    }
    constexpr P RaiseToV2c() const
    {
        P r = *this;
        r.d.raiseToV2c = true;
        return r;
    }
};

constexpr P Editor(const QvSNMPVarDesc *table, QvItemType itemType = SVT_SV)
{
    P p;
    p.d.kind = PK_EDITOR;
    p.d.table = table;
    p.d.itemType = itemType;
    return p;
}
constexpr P EditorPage(const char *title, const QvSNMPVarDesc *table, QvItemType itemType = SVT_SV)
{
    P p = Editor(table, itemType);
    p.d.title = title;
    return p;
}
constexpr P List(const QvSNMPVarDesc *table, QvItemType itemType, int indexCount)
{
    P p;
    p.d.kind = PK_LIST;
    p.d.table = table;
    p.d.itemType = itemType;
    p.d.indexCount = indexCount;
    return p;
}
constexpr P ListPage(const char *title, const QvSNMPVarDesc *table, QvItemType itemType, int indexCount)
{
    P p = List(table, itemType, indexCount);
    p.d.title = title;
    return p;
}

// Fluent construction of one window definition.
struct W {
    TWindowDef d;

    constexpr W WithAddress() const
    {
        W r = *this;
        r.d.captionWithAddress = true;
        return r;
    }
    constexpr W Size(int width, int height) const
    {
        W r = *this;
        r.d.width = width;
        r.d.height = height;
        return r;
    }
    constexpr W Height(int height) const
    {
        W r = *this;
        r.d.height = height;
        return r;
    }
    constexpr W Widen(int by) const
    {
        W r = *this;
        r.d.widen = by;
        return r;
    }
};

constexpr W Window(const char *handler, const char *caption, TWindowLayout layout, std::initializer_list<P> panels)
{
    W w;
    w.d.handler = handler;
    w.d.caption = caption;
    w.d.layout = layout;
    if (panels.size() > size_t(MaxWindowPanels))
        CapacityExceeded();
    int k = 0;
    for (const P &p : panels)
        w.d.panels[k++] = p.d;
    return w;
}
constexpr W EditorWindow(const char *handler, const char *caption, P panel)
{
    return Window(handler, caption, WL_EDITOR, {panel});
}
constexpr W ListWindow(const char *handler, const char *caption, P panel)
{
    return Window(handler, caption, WL_LISTVIEW, {panel});
}
constexpr W PagesWindow(const char *handler, const char *caption, std::initializer_list<P> panels)
{
    return Window(handler, caption, WL_PAGES, panels);
}

constexpr const char *kCreate = "createAndGo";
constexpr const char *kDestroy = "destroy";

constinit const TWindowDef Defs[] = {
    // Device
    PagesWindow("EquipmentPower1Click", "Equipment",
                {EditorPage("Equipment Capacity", EquipmentCapacityVars),
                 ListPage("Equipment Power", EquipmentPowerVars, MVT_FMV, 2)}).d,
    PagesWindow("InfoClick", "Information",
                {EditorPage("Basic Information", AgentBasicInfoVars),
                 ListPage("Mib Capabilities", MibCapabilitiesVars, MVT_FMV, 1),
                 EditorPage("Cpu Utilization", CpuUtilizationVars)}).Size(500, 450).d,
    EditorWindow("BasicConfigClick", "System Configure", Editor(SystemConfigureVars)).d,
    EditorWindow("IPInfoClick", "IP Information", Editor(IpInformationVars)).d,
    PagesWindow("ConfigFileTableClick", "Download/Upload",
                {EditorPage("Boot file", BootFileVars, MVT_SV),
                 EditorPage("Log file", LogFileVars, MVT_SV),
                 EditorPage("Config file", ConfigFileVars, MVT_SV)}).d,
    PagesWindow("SystemTimeClick", "System Time",
                {EditorPage("Information", TimeInfoVars),
                 EditorPage("System Time", SystemTimeVars).Constraint(3, "%i{n-779x839}")}).d,
    EditorWindow("SNTPClick", "SNTP", Editor(SntpVars).Constraint(4, "%i{n30x99999}")).d,
    ListWindow("EntityPhysical2Click", "Entity Physical Table : ", List(EntityPhysicalTableVars, MVT_UMV, 1))
        .WithAddress().d,
    ListWindow("EntityLogical1Click", "Entity Logical Table : ", List(EntityLogicalTableVars, MVT_FMV, 1))
        .WithAddress().d,
    PagesWindow("EntityMapping1Click", "Entity Mapping",
                {ListPage("LP Mapping", LpMappingVars, MVT_FMV, 2),
                 ListPage("Alias Mapping", AliasMappingVars, MVT_FMV, 2),
                 ListPage("Physical Contains", PhysicalContainsVars, MVT_FMV, 2)}).Size(500, 450).d,
    EditorWindow("AggregationportState1Click", "Aggregation Port State", Editor(EntityLastChangeVars)).d,
    ListWindow("PortList1Click", "Aggregator Port List", List(AggregatorPortListVars, MVT_FMV, 1).PortList(1))
        .Widen(50).Height(450).d,
    ListWindow("AggregatorTable1Click", "Aggregator Table", List(AggregatorTableVars, MVT_FMV, 1)).d,
    ListWindow("LinkAggregationControl1Click", "Aggregation Control Config",
               List(AggregationControlVars, MVT_FMV, 1)).d,
    ListWindow("AggregationportState2Click", "Aggregation port State: ", List(AggPortStatsVars, MVT_UMV, 1))
        .WithAddress().d,
    ListWindow("AggregationportDebug1Click", "Aggregation port Debug: ", List(AggPortDebugVars, MVT_FMV, 1))
        .WithAddress().d,
    PagesWindow("DeviceManagemnetClick", "Device Management",
                {EditorPage("Device Information", DeviceInformationVars),
                 EditorPage("Device Control", L2DeviceControlVars),
                 EditorPage("Alarm Control", AlarmControlVars)}).d,
    PagesWindow("PortManagementClick", "Port Management",
                {ListPage("Port Information Table", PortInformationTableVars, MVT_FMV, 1),
                 ListPage("Port Control", PortControlVars, MVT_FMV, 1).EditWidth(150),
                 ListPage("Port Security Control", PortSecurityControlVars, MVT_FMV, 1)
                     .Constraint(1, "%i{n0x10}")}).d,
    EditorWindow("TrunkManagement1Click", "Trunk Management", Editor(TrunkInfoVars)).d,
    ListWindow("TrunkControlClick", "Trunk Management",
               List(TrunkTableVars, MVT_UMV, 1)
                   .Status(4, kCreate, 4, kDestroy)
                   .Constraint(1, "%i{n1x50}")
                   .PortList(2)
                   .Hooks(&TrunkTableHooks)).d,
    EditorWindow("MirrorManagementClick", "Mirror Management",
                 Editor(MirrorManagementVars).PortList(1).PortList(2)).d,
    PagesWindow("IGMPManagementClick", "IGMP Management",
                {EditorPage("IGMP Mgmt", IgmpMgmtVars),
                 ListPage("IGMP Control Table", IgmpControlTableVars, MVT_FMV, 1)
                     .Constraint(0, "%i{n0x65535}")
                     .Constraint(1, "%i{n1x65535}")
                     .Constraint(2, "%i{n1x25}")
                     .Constraint(3, "%i{n1x255}")
                     .Constraint(4, "%i{n1x65535}")
                     .Constraint(5, "%i{n1x16711450}")
                     .Constraint(6, "%i{n1x16711450}")
                     .Constraint(7, "%i{n1x16711450}"),
                 ListPage("IGMP Query Information", IgmpQueryInformationVars, MVT_FMV, 1),
                 ListPage("IGMP Information", IgmpInformationVars, MVT_FMV, 2)}).d,
    PagesWindow("TrafficManagementClick", "Traffic Management",
                {ListPage("Traffic Control Table", TrafficControlTableVars, MVT_FMV, 1).Constraint(1, "%i{n0x255}"),
                 ListPage("Traffic Segment Table", TrafficSegmentTableVars, MVT_FMV, 1).PortList(1)}).d,
    EditorWindow("MI_DeviceControlClick", "Device Control", Editor(L3DeviceControlVars)).d,
    ListWindow("MI_IPControlTableClick", "IP Control Table",
               List(IpControlTableVars, MVT_UMV, 1).Status(6, kCreate, 6, kDestroy)).d,
    ListWindow("MI_IPForwardingTableClick", "IP Forwarding Table", List(IpForwardingTableVars, MVT_FMV, 1)).d,
    ListWindow("IPStaticRoute1Click", "IP Static Route Table", List(IpStaticRouteTableVars, MVT_FMV, 3)).d,
    EditorWindow("IPARPAgingTime1Click", "IP ARP Aging Time",
                 Editor(IpArpAgingTimeVars).Constraint(0, "%i{n0x65535}")).d,
    PagesWindow("EthernetTableClick", "Ethernet Table",
                {ListPage("ACL Ethernet Table", AclEthernetTableVars, MVT_UMV, 1).Status(8, kCreate, 8, kDestroy),
                 ListPage("ACL Ethernet Rule Table", AclEthernetRuleTableVars, MVT_UMV, 2)
                     .Status(13, kCreate, 13, kDestroy)
                     .Hooks(&AclEthernetRuleTableHooks)}).Height(500).d,
    PagesWindow("ACLIPTableClick", "IP Table",
                {ListPage("ACL IP Table", AclIpTableVars, MVT_UMV, 1).Status(16, kCreate, 16, kDestroy),
                 ListPage("ACL IP Rule Table", AclIpRuleTableVars, MVT_UMV, 2).Status(19, kCreate, 19, kDestroy)}).d,
    PagesWindow("MI_PayloadTableClick", "Payload Table",
                {ListPage("ACL Payload Table", AclPayloadTableVars, MVT_UMV, 1).Status(7, kCreate, 7, kDestroy),
                 ListPage("ACL Payload Rule Table", AclPayloadRuleTableVars, MVT_UMV, 2)
                     .Status(13, kCreate, 13, kDestroy)}).d,

    // MIB II
    EditorWindow("MIB2InformationClick", "MIB-II Information", Editor(Mib2InformationVars).EditWidth(180)).d,
    ListWindow("MIB2IFTableClick", "IF Table", List(IfTableVars, MVT_FMV, 1)).d,
    ListWindow("MIB2IPAddressTableClick", "IP Address Table", List(IpAddrTableVars, MVT_FMV, 1)).d,

    // Bridge
    EditorWindow("BridgeInformationClick", "Bridge 802.1d Information",
                 Editor(Bridge8021dInfoVars).Constraint(4, "%i{n10x1000000l7a}")).d,
    ListWindow("BridgePortTableClick", "Bridge 802.1d Port Table", List(Bridge8021dPortTableVars, MVT_UMV, 1)).d,
    ListWindow("BridgeSTPPortTableClick", "STP Port Table",
               List(StpPortTableVars, MVT_UMV, 1)
                   .Constraint(1, "%i{n0x240l3a}")
                   .Constraint(4, "%i{n1x200000000l9a}")).d,

    // VLAN
    EditorWindow("BasicConfigureClick", "802.1P Basic Configure", Editor(Dot1pBasicConfigVars)).d,
    PagesWindow("PriorityInformationClick", "Priority Information",
                {ListPage("Default User Priorities of Each Port", DefaultUserPriorityVars, MVT_FMV, 1)
                     .Constraint(1, "%i{n0x7l1}")
                     .Constraint(2, "%i{n0x8l1}"),
                 ListPage("Regenerated User Priorities", RegeneratedUserPriorityVars, MVT_FMV, 2)
                     .Constraint(2, "%i{n0x7l1}"),
                 ListPage("User Priorities to Traffic Class", TrafficClassMapVars, MVT_FMV, 2)
                     .Constraint(2, "%i{n0x7l1}"),
                 ListPage("Port Outbound Access Priorities", OutboundAccessPriorityVars, MVT_FMV, 2)}).d,
    ListWindow("PortCapbilityClick", "Port Capability", List(PortCapabilityVars, MVT_FMV, 1)).d,
    ListWindow("GARPClick", "GARP Form",
               List(GarpVars, MVT_FMV, 1)
                   .Constraint(1, "%i{n0x2147483647l10}")
                   .Constraint(2, "%i{n0x2147483647l10}")
                   .Constraint(3, "%i{n0x2147483647l10}")).d,
    EditorWindow("BasicConfigure2Click", "802.1Q Basic Configure", Editor(Dot1qBasicConfigVars)).d,
    ListWindow("PortInformation1Click", "VLAN Port Information", List(VlanPortInformationVars, MVT_UMV, 1)).d,
    PagesWindow("N8021QVLAN1Click", "802.1Q VLAN Config",
                {ListPage("VLAN Static Table", VlanStaticTableVars, MVT_UMV, 1)
                     .Status(5, "CreateAndGo", 5, "Destroy")
                     .Constraint(0, "%i{n1x4094}")
                     .Constraint(1, "%s{l32}")
                     .PortList(2)
                     .PortList(3)
                     .PortList(4)
                     .Hooks(&VlanStaticTableHooks),
                 ListPage("VLAN Current Table", VlanCurrentTableVars, MVT_UMV, 2)}).d,
    ListWindow("ForwardingFiltering1Click", "Unicast Forwarding Information",
               List(UnicastForwardingInfoVars, MVT_UMV, 2)).d,
    PagesWindow("UnicastMulticastStaticForwardTable1Click", "Static Unicast/Multicast Forwarding Table",
                {ListPage("Static Unicast Forwarding Table", StaticUnicastTableVars, MVT_UMV, 3)
                     .Constraint(1, "%s{l32}"),
                 ListPage("Static Multicast Forwarding Table", StaticMulticastTableVars, MVT_UMV, 3)
                     .PortList(3)}).d,

    // IF-MIB
    EditorWindow("GeneralTable1Click", "If General Table", Editor(IfGeneralVars)).d,
    ListWindow("IFXTable1Click", "ifX Table", List(IfXTableVars, MVT_FMV, 1).RaiseToV2c()).d,

    // EtherLike
    ListWindow("dot3StatsClick", "dot3 Stats Table", List(Dot3StatsTableVars, MVT_FMV, 1)).d,

    // SNMP V3
    EditorWindow("EngineClick", "SNMP Engine", Editor(SnmpEngineVars).EditWidth(150)).d,
    EditorWindow("MPDClick", "MPD Status", Editor(MpdStatusVars)).d,
    PagesWindow("TARGETClick", "SNMP Target",
                {EditorPage("Target Objects", TargetObjectsVars),
                 ListPage("TargetAddr Table", TargetAddrTableVars, MVT_UMV, 1).Status(8, kCreate, 8, kDestroy),
                 ListPage("Target Params Table", TargetParamsTableVars, MVT_UMV, 1)
                     .Status(6, kCreate, 6, kDestroy)}).d,
    ListWindow("CommunityTableClick", "Community Table",
               List(CommunityTableVars, MVT_UMV, 1)
                   .Status(7, kCreate, 7, kDestroy)
                   .Hooks(&CommunityTableHooks)
                   .EditWidth(150)).d,
    ListWindow("TargetAddrExtTableClick", "TargetAddr Ext Table", List(TargetAddrExtTableVars, MVT_UMV, 1)).d,
    EditorWindow("USMStatsClick", "USM Stats", Editor(UsmStatsVars)).d,
    PagesWindow("USMUserTableClick", "USM User Table",
                {EditorPage("User Spin Lock", UserSpinLockVars).Adjust(&SpinLockPageAdjust),
                 ListPage("USM User Table", UsmUserTableVars, MVT_UMV, 2).Status(12, kCreate, 12, kDestroy)}).d,
    ListWindow("VACMSecurityToGroupTableClick", "VACM Security To Group Table",
               List(VacmSecurityToGroupTableVars, MVT_UMV, 2).Status(4, kCreate, 4, kDestroy)).d,
    ListWindow("VACMAccessTableClick", "VACM Access Table",
               List(VacmAccessTableVars, MVT_UMV, 4).Status(9, kCreate, 9, kDestroy)).d,
    PagesWindow("VACMMIBViews1Click", "VACM MIB Views",
                {EditorPage("View Spin Lock", ViewSpinLockVars).Adjust(&SpinLockPageAdjust),
                 ListPage("View Tree Family Table", ViewTreeFamilyTableVars, MVT_UMV, 2)
                     .Status(5, kCreate, 5, kDestroy)
                     .Hooks(&ViewTreeFamilyTableHooks)}).d,
    ListWindow("NotifyTableClick", "Notify Table",
               List(NotifyTableVars, MVT_UMV, 1).Status(4, kCreate, 4, kDestroy)).d,
    ListWindow("NotifyFilterProfileTableClick", "Notify Filter Profile Table",
               List(NotifyFilterProfileTableVars, MVT_UMV, 1).Status(3, kCreate, 3, kDestroy)).d,
    // The filter table itself (profile name and subtree as its two indexes, its own RowStatus),
    // not a second view of the profile table.
    ListWindow("NotifyFilterTableClick", "Notify Filter Table",
               List(NotifyFilterTableVars, MVT_UMV, 2).Status(5, kCreate, 5, kDestroy)).d,

    // Authentication
    EditorWindow("AuthControl1Click", "Auth Control", Editor(AuthControlVars)).d,
    EditorWindow("RudiusControl1Click", "Rudius Control", Editor(RadiusControlVars)).d,
    ListWindow("RadiusClientMIBClick", "Radius Server", List(RadiusServerVars, MVT_FMV, 1)).d,
    PagesWindow("PaeSystemClick", "PAE System",
                {EditorPage("PAE Control", PaeControlVars),
                 ListPage("PAE Port Entry", PaePortEntryVars, MVT_FMV, 1)}).d,
    PagesWindow("PaeAuthenticatorClick", "PAE Authenticator",
                {ListPage("Auth Config Table", AuthConfigTableVars, MVT_FMV, 1)
                     .Constraint(7, "%i{n0x65535}")
                     .Constraint(8, "%i{n1x65535}")
                     .Constraint(9, "%i{n1x65535}")
                     .Constraint(10, "%i{n1x65535}")
                     .Constraint(11, "%i{n1x10}")
                     .Constraint(12, "%i{n1x65535}"),
                 ListPage("Auth Stats Table", AuthStatsTableVars, MVT_FMV, 1),
                 ListPage("Auth Diag Table", AuthDiagTableVars, MVT_FMV, 1),
                 ListPage("Auth Sesssion Table", AuthSessionTableVars, MVT_FMV, 1).RaiseToV2c()}).Height(500).d,
    PagesWindow("PaeSupplicantClick", "PAE Supplicant",
                {ListPage("Supplicant Config Table", SupplicantConfigTableVars, MVT_FMV, 1),
                 ListPage("Supplicant Stats Table", SupplicantStatsTableVars, MVT_FMV, 1)}).d,

    // SSH
    EditorWindow("SSHContrl1Click", "SSH Control", Editor(SshControlVars)).WithAddress().d,
    EditorWindow("SSHEncryptAlgControl1Click", "SSH Encrypt Alg Control", Editor(SshEncryptAlgVars))
        .WithAddress().d,
    EditorWindow("SSHAuthMethodControl1Click", "SSH Auth Method Control", Editor(SshAuthMethodVars))
        .WithAddress().d,
    EditorWindow("SSHInteAlgControl1Click", "SSH Inte Alg Control", Editor(SshInteAlgVars)).WithAddress().d,
    EditorWindow("SSHPublicKeyControl1Click", "SSH Public Key Control", Editor(SshPublicKeyVars))
        .WithAddress().d,
};

} // namespace

// The shared modules' windows over the standard groups, by target switch.
constinit const TWindowDef ModuleDefs[] = {
    ListWindow("/TLayer3_RIP", "CIDR Route Table : ",
               List(IpCidrRouteTableVars, MVT_FMV, 4).Status(15, kCreate, 15, kDestroy))
        .WithAddress().Size(760, 500).d,
    PagesWindow("/TLayer3_RIP2", "RIP2 : ",
                {EditorPage("RIP2 Global", Rip2GlobalVars),
                 ListPage("Interface Status", Rip2IfStatTableVars, MVT_FMV, 1).Status(4, kCreate, 4, kDestroy),
                 ListPage("Interface Config", Rip2IfConfTableVars, MVT_FMV, 1).Status(7, kCreate, 7, kDestroy)})
        .WithAddress().d,
    EditorWindow("/TLayer3_OSPF", "OSPF General Group : ", Editor(OspfGeneralVars)).WithAddress().d,
    ListWindow("/TLayer3_Area", "OSPF Area Table : ",
               List(OspfAreaTableVars, MVT_FMV, 1).Status(8, kCreate, 8, kDestroy)).WithAddress().Size(680, 500).d,
    ListWindow("/TLayer3_Lsdb", "OSPF Link State Database : ", List(OspfLsdbTableVars, MVT_FMV, 4))
        .WithAddress().Size(760, 500).d,
    ListWindow("/TLayer3_Interface", "OSPF Interface Table : ",
               List(OspfIfTableVars, MVT_FMV, 2).Status(16, kCreate, 16, kDestroy)).WithAddress().Size(760, 500).d,
    ListWindow("/TLayer3_Neighbor", "OSPF Neighbor Table : ",
               List(OspfNbrTableVars, MVT_FMV, 2).Status(8, kCreate, 8, kDestroy)).WithAddress().Size(680, 500).d,
    PagesWindow("/TLayer3_IPM", "IP Multicast Route Table : ",
                {EditorPage("General", IpMRouteGeneralVars),
                 ListPage("Multicast Routes", IpMRouteTableVars, MVT_FMV, 3)})
        .WithAddress().d,
    PagesWindow("/TLayer3_DVMRP", "DVMRP : ",
                {EditorPage("General", DvmrpScalarVars),
                 ListPage("Interfaces", DvmrpInterfaceTableVars, MVT_FMV, 1).Status(3, kCreate, 3, kDestroy),
                 ListPage("Neighbors", DvmrpNeighborTableVars, MVT_FMV, 2),
                 ListPage("Routes", DvmrpRouteTableVars, MVT_FMV, 2)})
        .WithAddress().d,
    PagesWindow("/TLayer3_PIM", "PIM : ",
                {EditorPage("General", PimGeneralVars),
                 ListPage("Interfaces", PimInterfaceTableVars, MVT_FMV, 1).Status(6, kCreate, 6, kDestroy),
                 ListPage("Neighbors", PimNeighborTableVars, MVT_FMV, 1)})
        .WithAddress().d,
    ListWindow("/TLayer3_RendezvousPoints", "PIM RP Set Table : ", List(PimRPSetTableVars, MVT_FMV, 4))
        .WithAddress().Size(600, 500).d,
    ListWindow("/TMIB_ARP", "IP Net To Media Table : ",
               List(IpNetToMediaTableVars, MVT_FMV, 2).Status(3, "static", 3, "invalid"))
        .WithAddress().Size(560, 500).d,
    ListWindow("/TBridge_Forwarding", "Forwarding Database : ", List(TpFdbTableVars, MVT_FMV, 1))
        .WithAddress().Size(480, 500).d,
    ListWindow("/TBridge_StaticFilter", "Static Filtering Table : ",
               List(StaticFilterTableVars, MVT_FMV, 2).Status(3, "permanent", 3, "invalid"))
        .WithAddress().Size(600, 500).d,
    ListWindow("/TIFMib_ifStackTable", "Interface Stack Table : ",
               List(IfStackTableVars, MVT_FMV, 2).Status(2, kCreate, 2, kDestroy)).WithAddress().d,
};

constinit const TModuleLaunch Launches[] = {
    {"CIDRRFC20961Click", "/TLayer3_RIP"},         {"MI_RIP2Click", "/TLayer3_RIP2"},
    {"OSPFGeneral1Click", "/TLayer3_OSPF"},        {"AreaInfo1Click", "/TLayer3_Area"},
    {"LsdbInfo1Click", "/TLayer3_Lsdb"},           {"InterfaceInfo1Click", "/TLayer3_Interface"},
    {"NeighborInfo1Click", "/TLayer3_Neighbor"},   {"IpMroute1Click", "/TLayer3_IPM"},
    {"DVMRP1Click", "/TLayer3_DVMRP"},             {"PIMInfo1Click", "/TLayer3_PIM"},
    {"RendezvousPointsInfo1Click", "/TLayer3_RendezvousPoints"},
    {"ARPEntity1Click", "/TMIB_ARP"},              {"BridgeForwardingTableClick", "/TBridge_Forwarding"},
    {"BridgeStaticTableClick", "/TBridge_StaticFilter"}, {"IfStackTable1Click", "/TIFMib_ifStackTable"},
};

std::span<const TWindowDef> WindowDefs() { return Defs; }

std::span<const TModuleLaunch> ModuleLaunches() { return Launches; }

const TWindowDef *FindWindowDef(QStringView handler)
{
    for (const TWindowDef &def : Defs) {
        if (handler == QLatin1StringView(def.handler))
            return &def;
    }
    return nullptr;
}

std::span<const TWindowDef> ModuleWindowDefs() { return ModuleDefs; }

const TWindowDef *FindModuleWindowDef(QStringView target)
{
    for (const TWindowDef &def : ModuleDefs) {
        if (target == QLatin1StringView(def.handler))
            return &def;
    }
    return nullptr;
}
