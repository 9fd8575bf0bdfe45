// Descriptor tables of the standard MIB objects that the suite's shared modules show: CIDR
// routes, RIP-2, OSPF, IP multicast routing, DVMRP, PIM, the ARP cache, the bridge forwarding
// and static filtering databases and the interface stack. Kept apart from the switch's own
// groups; the catalogue index and its enumeration lists take them in through the two spans.
#pragma once

#include "mibcatalogue.h"
#include "mibenums.h"

#include <span>

extern const QvSNMPVarDesc IpCidrRouteTableVars[17];
extern const QvSNMPVarDesc Rip2GlobalVars[3];
extern const QvSNMPVarDesc Rip2IfStatTableVars[6];
extern const QvSNMPVarDesc Rip2IfConfTableVars[10];
extern const QvSNMPVarDesc OspfGeneralVars[15];
extern const QvSNMPVarDesc OspfAreaTableVars[10];
extern const QvSNMPVarDesc OspfLsdbTableVars[8];
extern const QvSNMPVarDesc OspfIfTableVars[19];
extern const QvSNMPVarDesc OspfNbrTableVars[12];
extern const QvSNMPVarDesc IpMRouteGeneralVars[3];
extern const QvSNMPVarDesc IpMRouteTableVars[16];
extern const QvSNMPVarDesc DvmrpScalarVars[5];
extern const QvSNMPVarDesc DvmrpInterfaceTableVars[8];
extern const QvSNMPVarDesc DvmrpNeighborTableVars[12];
extern const QvSNMPVarDesc DvmrpRouteTableVars[8];
extern const QvSNMPVarDesc PimGeneralVars[2];
extern const QvSNMPVarDesc PimInterfaceTableVars[9];
extern const QvSNMPVarDesc PimNeighborTableVars[6];
extern const QvSNMPVarDesc PimRPSetTableVars[7];
extern const QvSNMPVarDesc IpNetToMediaTableVars[5];
extern const QvSNMPVarDesc TpFdbTableVars[4];
extern const QvSNMPVarDesc StaticFilterTableVars[5];
extern const QvSNMPVarDesc IfStackTableVars[4];

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
