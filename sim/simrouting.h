// The routing, multicast, ARP, forwarding-database and interface-stack content of the simulated
// switch: OSPF with two areas and a link-state database of some hundreds of entries, RIP-2,
// CIDR and multicast routes, PIM and DVMRP, an ARP cache, an interface stack, and a forwarding
// database learnt on the ports that have a link.
#pragma once

#include "simstore.h"

#include <functional>

// Definitions the catalogue adds to its own lists (each ends with a null record).
const SimObjectDef *simRoutingObjects();
const SimTableDef *simRoutingTables();
const char *const *simRoutingSubtrees();

// Fills the rows these groups start with; run after every reset of the store.
void simFillRouting(SimStore &store);

// Learns up to size addresses spread over the ports for which linked() holds (none when no port
// has a link); returns the number of entries.
size_t simLearnForwarding(SimStore &store, size_t size, const std::function<bool(int port)> &linked);
