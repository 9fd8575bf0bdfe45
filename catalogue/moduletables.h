// Descriptor tables of the standard MIB objects that the suite's shared modules show: CIDR
// routes, RIP-2, OSPF, IP multicast routing, DVMRP, PIM, the ARP cache, the bridge forwarding
// and static filtering databases and the interface stack. Kept apart from the switch's own
// groups; the catalogue index and its enumeration lists take them in through the two spans.
#pragma once

#include "mibcatalogue.h"
#include "mibenums.h"

#include <span>

extern const QvSNMPVarDesc IpCidrRouteTableVars[];
extern const QvSNMPVarDesc Rip2GlobalVars[];
extern const QvSNMPVarDesc Rip2IfStatTableVars[];
extern const QvSNMPVarDesc Rip2IfConfTableVars[];
extern const QvSNMPVarDesc OspfGeneralVars[];
extern const QvSNMPVarDesc OspfAreaTableVars[];
extern const QvSNMPVarDesc OspfLsdbTableVars[];
extern const QvSNMPVarDesc OspfIfTableVars[];
extern const QvSNMPVarDesc OspfNbrTableVars[];
extern const QvSNMPVarDesc IpMRouteGeneralVars[];
extern const QvSNMPVarDesc IpMRouteTableVars[];
extern const QvSNMPVarDesc DvmrpScalarVars[];
extern const QvSNMPVarDesc DvmrpInterfaceTableVars[];
extern const QvSNMPVarDesc DvmrpNeighborTableVars[];
extern const QvSNMPVarDesc DvmrpRouteTableVars[];
extern const QvSNMPVarDesc PimGeneralVars[];
extern const QvSNMPVarDesc PimInterfaceTableVars[];
extern const QvSNMPVarDesc PimNeighborTableVars[];
extern const QvSNMPVarDesc PimRPSetTableVars[];
extern const QvSNMPVarDesc IpNetToMediaTableVars[];
extern const QvSNMPVarDesc TpFdbTableVars[];
extern const QvSNMPVarDesc StaticFilterTableVars[];
extern const QvSNMPVarDesc IfStackTableVars[];

// Enumerations of a single column.
extern QvStaticOptionList IpCidrRoute_Type;
extern QvStaticOptionList IpCidrRoute_Proto;
extern QvStaticOptionList Rip2IfConf_AuthType;
extern QvStaticOptionList Rip2IfConf_Send;
extern QvStaticOptionList Rip2IfConf_Receive;
extern QvStaticOptionList OspfGeneral_VersionNumber;
extern QvStaticOptionList OspfArea_ImportAsExtern;
extern QvStaticOptionList OspfArea_AreaSummary;
extern QvStaticOptionList OspfLsdb_Type;
extern QvStaticOptionList OspfIf_Type;
extern QvStaticOptionList OspfIf_State;
extern QvStaticOptionList OspfNbr_State;
extern QvStaticOptionList OspfNbr_Permanence;
extern QvStaticOptionList IpMRoute_Protocol;
extern QvStaticOptionList IpMRoute_RtType;
extern QvStaticOptionList DvmrpNeighbor_State;
extern QvStaticOptionList PimInterface_Mode;
extern QvStaticOptionList PimNeighbor_Mode;
extern QvStaticOptionList IpNetToMedia_Type;
extern QvStaticOptionList TpFdb_Status;
extern QvStaticOptionList StaticFilter_Status;

// An enumeration list of these tables with the pairs it is built from.
struct ModuleListSource {
    CatalogueListEntry entry;
    QvStaticOptionList *slot;
    const QvOptionDesc *values;
};

std::span<const MibTableEntry> ModuleTableIndex();
std::span<const ModuleListSource> ModuleListSources();
