// What the simulated switch serves: every object with its type, access, initial value and the values
// a SET may carry, and every table with its index syntax, initial rows and row control. The system,
// SNMP and SNMPv3 framework groups (other than the community MIB) come from the agent library's own
// modules and are not listed here.
#include "simcatalogue.h"

#include "simrouting.h"

#include <vector>

namespace {

constexpr SimObjectDef kObjects[] = {
    {"1.0.8802.1.1.1.1.1.1", SimType::Integer, SimAccess::ReadWrite, "2", "1-2"}, // 802.1x PAE System Auth Control
    {"1.0.8802.1.1.1.1.1.2.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // PAE Port Number
    {"1.0.8802.1.1.1.1.1.2.1.2", SimType::Gauge32, SimAccess::ReadOnly, "2", nullptr}, // PAE Port Protocol Version
    {"1.0.8802.1.1.1.1.1.2.1.3", SimType::Octets, SimAccess::ReadOnly, "0x80", nullptr}, // PAE Port Capabilities
    {"1.0.8802.1.1.1.1.1.2.1.4", SimType::Integer, SimAccess::ReadOnly, "2", "1-2"}, // PAE Port Initialize
    {"1.0.8802.1.1.1.1.1.2.1.5", SimType::Integer, SimAccess::ReadOnly, "2", "1-2"}, // PAE Port Reauthenticate
    {"1.0.8802.1.1.1.1.2.1.1.1", SimType::Integer, SimAccess::ReadOnly, "8", "1-9"}, // Auth PAE State
    {"1.0.8802.1.1.1.1.2.1.1.2", SimType::Integer, SimAccess::ReadOnly, "6", "1-7"}, // Auth Backend Auth State
    {"1.0.8802.1.1.1.1.2.1.1.3", SimType::Integer, SimAccess::ReadWrite, "0", "0-1"}, // Auth AdminControlled Directions
    {"1.0.8802.1.1.1.1.2.1.1.4", SimType::Integer, SimAccess::ReadOnly, "0", "0-1"}, // Auth OperControlled Directions
    {"1.0.8802.1.1.1.1.2.1.1.5", SimType::Integer, SimAccess::ReadOnly, "1", "1-2"}, // Auth AuthControlled PortStatus
    {"1.0.8802.1.1.1.1.2.1.1.6", SimType::Integer, SimAccess::ReadWrite, "3", "1-3"}, // Auth AuthControlled PortControl
    {"1.0.8802.1.1.1.1.2.1.1.7", SimType::Gauge32, SimAccess::ReadWrite, "60", nullptr}, // Auth Quiet Period
    {"1.0.8802.1.1.1.1.2.1.1.8", SimType::Gauge32, SimAccess::ReadWrite, "30", nullptr}, // Auth Tx Period
    {"1.0.8802.1.1.1.1.2.1.1.9", SimType::Gauge32, SimAccess::ReadWrite, "30", nullptr}, // AuthSupp Timeout
    {"1.0.8802.1.1.1.1.2.1.1.10", SimType::Gauge32, SimAccess::ReadWrite, "30", nullptr}, // Auth Server Timeout
    {"1.0.8802.1.1.1.1.2.1.1.11", SimType::Gauge32, SimAccess::ReadWrite, "2", nullptr}, // Auth MaxReq
    {"1.0.8802.1.1.1.1.2.1.1.12", SimType::Gauge32, SimAccess::ReadWrite, "3600", nullptr}, // ReAuth Period
    {"1.0.8802.1.1.1.1.2.1.1.13", SimType::Integer, SimAccess::ReadWrite, "2", "1-2"}, // ReAuth Enabled
    {"1.0.8802.1.1.1.1.2.1.1.14", SimType::Integer, SimAccess::ReadOnly, "2", "1-2"}, // AuthKey Tx Enabled
    {"1.0.8802.1.1.1.1.2.2.1.1", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAPOL Frames Rx
    {"1.0.8802.1.1.1.1.2.2.1.2", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAPOL Frames Tx
    {"1.0.8802.1.1.1.1.2.2.1.3", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAPOL Start Frames Rx
    {"1.0.8802.1.1.1.1.2.2.1.4", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAPOL Logoff Frames Rx
    {"1.0.8802.1.1.1.1.2.2.1.5", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAPOL RespId Frames Rx
    {"1.0.8802.1.1.1.1.2.2.1.6", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAPOL Resp Frames Rx
    {"1.0.8802.1.1.1.1.2.2.1.7", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAPOL ReqId Frames Tx
    {"1.0.8802.1.1.1.1.2.2.1.8", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAPOL Req Frames Tx
    {"1.0.8802.1.1.1.1.2.2.1.9", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Invalid EAPOL Frames Rx
    {"1.0.8802.1.1.1.1.2.2.1.10", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAPOL Length Error Frames Rx
    {"1.0.8802.1.1.1.1.2.2.1.11", SimType::Gauge32, SimAccess::ReadOnly, nullptr, nullptr}, // Auth Last EAPOL Frame Version
    {"1.0.8802.1.1.1.1.2.2.1.12", SimType::Octets, SimAccess::ReadOnly, "0x000000000000", nullptr}, // Auth Last EAPOL Frame Source
    {"1.0.8802.1.1.1.1.2.3.1.1", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Enters Connecting
    {"1.0.8802.1.1.1.1.2.3.1.2", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAP Logoffs While Connecting
    {"1.0.8802.1.1.1.1.2.3.1.3", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Enters Authenticating
    {"1.0.8802.1.1.1.1.2.3.1.4", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Success While Authenticating
    {"1.0.8802.1.1.1.1.2.3.1.5", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Timeouts While Authenticating
    {"1.0.8802.1.1.1.1.2.3.1.6", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Fail While Authenticating
    {"1.0.8802.1.1.1.1.2.3.1.7", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Reauths While Authenticating
    {"1.0.8802.1.1.1.1.2.3.1.8", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAP Starts While Authenticating
    {"1.0.8802.1.1.1.1.2.3.1.9", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAP Logoff While Authenticating
    {"1.0.8802.1.1.1.1.2.3.1.10", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Reauths While Authenticated
    {"1.0.8802.1.1.1.1.2.3.1.11", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAP Starts While Authenticated
    {"1.0.8802.1.1.1.1.2.3.1.12", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth EAP Logoff While Authenticated
    {"1.0.8802.1.1.1.1.2.3.1.13", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Backend Responses
    {"1.0.8802.1.1.1.1.2.3.1.14", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Backend Access Challenges
    {"1.0.8802.1.1.1.1.2.3.1.15", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Backend Other Requests To Supplicant
    {"1.0.8802.1.1.1.1.2.3.1.16", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Backend NonNak Responses From Supplicant
    {"1.0.8802.1.1.1.1.2.3.1.17", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Backend Auth Successes
    {"1.0.8802.1.1.1.1.2.3.1.18", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Backend Auth Fails
    {"1.0.8802.1.1.1.1.2.4.1.1", SimType::Counter64, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Session Octets Rx
    {"1.0.8802.1.1.1.1.2.4.1.2", SimType::Counter64, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Session Octets Tx
    {"1.0.8802.1.1.1.1.2.4.1.3", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Session Frames Rx
    {"1.0.8802.1.1.1.1.2.4.1.4", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Auth Session Frames Tx
    {"1.0.8802.1.1.1.1.2.4.1.5", SimType::Octets, SimAccess::ReadOnly, "", nullptr}, // Auth Session Id
    {"1.0.8802.1.1.1.1.2.4.1.6", SimType::Integer, SimAccess::ReadOnly, "2", "1-2"}, // Auth Session Authentic Method
    {"1.0.8802.1.1.1.1.2.4.1.7", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // Auth Session Time
    {"1.0.8802.1.1.1.1.2.4.1.8", SimType::Integer, SimAccess::ReadOnly, "999", "1-7,999"}, // Auth Session Terminate Cause
    {"1.0.8802.1.1.1.1.2.4.1.9", SimType::Octets, SimAccess::ReadOnly, "", nullptr}, // Auth Session User Name
    {"1.0.8802.1.1.1.1.3.1.1.1", SimType::Integer, SimAccess::ReadOnly, "1", "1-7"}, // Supp PAE State
    {"1.0.8802.1.1.1.1.3.1.1.2", SimType::Gauge32, SimAccess::ReadWrite, "60", nullptr}, // Supp Held Period
    {"1.0.8802.1.1.1.1.3.1.1.3", SimType::Gauge32, SimAccess::ReadWrite, "30", nullptr}, // Supp Auth Period
    {"1.0.8802.1.1.1.1.3.1.1.4", SimType::Gauge32, SimAccess::ReadWrite, "30", nullptr}, // Supp Start Period
    {"1.0.8802.1.1.1.1.3.1.1.5", SimType::Gauge32, SimAccess::ReadWrite, "3", nullptr}, // Supp Max Start
    {"1.0.8802.1.1.1.1.3.2.1.1", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp EAPOL Frames Rx
    {"1.0.8802.1.1.1.1.3.2.1.2", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp EAPOL Frames Tx
    {"1.0.8802.1.1.1.1.3.2.1.3", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp EAPOL Start Frames Tx
    {"1.0.8802.1.1.1.1.3.2.1.4", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp EAPOL Logoff Frames Tx
    {"1.0.8802.1.1.1.1.3.2.1.5", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp EAPOL Resp Id Frames Tx
    {"1.0.8802.1.1.1.1.3.2.1.6", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp EAPOL Resp Frames Tx
    {"1.0.8802.1.1.1.1.3.2.1.7", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp EAPOL Req Id Frames Rx
    {"1.0.8802.1.1.1.1.3.2.1.8", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp EAPOL Req Frames Rx
    {"1.0.8802.1.1.1.1.3.2.1.9", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp Invalid EAPOL Frames Rx
    {"1.0.8802.1.1.1.1.3.2.1.10", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Supp EAPOL Length Error Frames Rx
    {"1.0.8802.1.1.1.1.3.2.1.11", SimType::Gauge32, SimAccess::ReadOnly, nullptr, nullptr}, // Supp Last EAPOL Frame Version
    {"1.0.8802.1.1.1.1.3.2.1.12", SimType::Octets, SimAccess::ReadOnly, "0x000000000000", nullptr}, // Supp Last EAPOL Frame Source
    {"1.3.6.1.2.1.2.1", SimType::Integer, SimAccess::ReadOnly, "50", nullptr},
    {"1.3.6.1.2.1.2.2.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // Index
    {"1.3.6.1.2.1.2.2.1.2", SimType::Octets, SimAccess::ReadOnly, "Port {i}", nullptr}, // Descr
    {"1.3.6.1.2.1.2.2.1.3", SimType::Integer, SimAccess::ReadOnly, "6", "1-32"}, // Type
    {"1.3.6.1.2.1.2.2.1.4", SimType::Integer, SimAccess::ReadOnly, "1500", nullptr}, // Mtu
    {"1.3.6.1.2.1.2.2.1.5", SimType::Gauge32, SimAccess::ReadOnly, "100000000;49-50=1000000000", nullptr}, // Speed
    {"1.3.6.1.2.1.2.2.1.6", SimType::Octets, SimAccess::ReadOnly, "0x0050BA7040{x}", nullptr}, // PhysAddress
    {"1.3.6.1.2.1.2.2.1.7", SimType::Integer, SimAccess::ReadWrite, "1", "1-3", SimHook::AdminStatus}, // AdminStatus
    {"1.3.6.1.2.1.2.2.1.8", SimType::Integer, SimAccess::ReadOnly, "2", "1-3"}, // OperStatus
    {"1.3.6.1.2.1.2.2.1.9", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // LastChange
    {"1.3.6.1.2.1.2.2.1.10", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 120000}, // InOctets
    {"1.3.6.1.2.1.2.2.1.11", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 250}, // InUcastPkts
    {"1.3.6.1.2.1.2.2.1.12", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 12}, // InNUcastPkts
    {"1.3.6.1.2.1.2.2.1.13", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // InDiscards
    {"1.3.6.1.2.1.2.2.1.14", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // InErrors
    {"1.3.6.1.2.1.2.2.1.15", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // InUnknownProtos
    {"1.3.6.1.2.1.2.2.1.16", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 90000}, // OutOctets
    {"1.3.6.1.2.1.2.2.1.17", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 200}, // OutUcastPkts
    {"1.3.6.1.2.1.2.2.1.18", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 8}, // OutNUcastPkts
    {"1.3.6.1.2.1.2.2.1.19", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // OutDiscards
    {"1.3.6.1.2.1.2.2.1.20", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // OutErrors
    {"1.3.6.1.2.1.2.2.1.21", SimType::Gauge32, SimAccess::ReadOnly, nullptr, nullptr}, // OutQLen
    {"1.3.6.1.2.1.2.2.1.22", SimType::ObjectId, SimAccess::ReadOnly, "0.0", nullptr}, // Specific
    {"1.3.6.1.2.1.4.1", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"},
    {"1.3.6.1.2.1.4.2", SimType::Integer, SimAccess::ReadWrite, "64", "1-255"},
    {"1.3.6.1.2.1.4.3", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 350}, // ipInReceives
    {"1.3.6.1.2.1.4.4", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // ipInHdrErrors
    {"1.3.6.1.2.1.4.5", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // ipInAddrErrors
    {"1.3.6.1.2.1.4.6", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 120}, // ipForwDatagrams
    {"1.3.6.1.2.1.4.7", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // ipInUnknownProtos
    {"1.3.6.1.2.1.4.8", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // ipInDiscards
    {"1.3.6.1.2.1.4.9", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 220}, // ipInDelivers
    {"1.3.6.1.2.1.4.10", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 200}, // ipOutRequests
    {"1.3.6.1.2.1.4.11", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // ipOutDiscards
    {"1.3.6.1.2.1.4.12", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // ipOutNoRoutes
    {"1.3.6.1.2.1.4.13", SimType::Integer, SimAccess::ReadOnly, "60", nullptr},
    {"1.3.6.1.2.1.4.14", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter},
    {"1.3.6.1.2.1.4.15", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter},
    {"1.3.6.1.2.1.4.16", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter},
    {"1.3.6.1.2.1.4.17", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter},
    {"1.3.6.1.2.1.4.18", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter},
    {"1.3.6.1.2.1.4.19", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter},
    {"1.3.6.1.2.1.4.20.1.1", SimType::IpAddress, SimAccess::ReadOnly, "{ip}", nullptr}, // ipAdEntAddr
    {"1.3.6.1.2.1.4.20.1.2", SimType::Integer, SimAccess::ReadOnly, "1;3232238081=2", nullptr}, // ipAdEntIfIndex
    {"1.3.6.1.2.1.4.20.1.3", SimType::IpAddress, SimAccess::ReadOnly, "255.255.255.0", nullptr}, // ipAdEntNetMask
    {"1.3.6.1.2.1.4.20.1.4", SimType::Integer, SimAccess::ReadOnly, "1", nullptr}, // ipAdEntBcastAddr
    {"1.3.6.1.2.1.4.20.1.5", SimType::Integer, SimAccess::ReadOnly, "65535", nullptr}, // ipAdEntReasmMaxSize
    {"1.3.6.1.2.1.4.21.1.1", SimType::IpAddress, SimAccess::ReadWrite, "{ip}", nullptr}, // ipRouteDest
    {"1.3.6.1.2.1.4.21.1.2", SimType::Integer, SimAccess::ReadWrite, "1;3232238080=2;3232240640=2", nullptr}, // ipRouteIfIndex
    {"1.3.6.1.2.1.4.21.1.3", SimType::Integer, SimAccess::ReadWrite, "1;2886729728=3;3232240640=20;173693703=1", nullptr}, // ipRouteMetric1
    {"1.3.6.1.2.1.4.21.1.4", SimType::Integer, SimAccess::ReadWrite, "-1", nullptr}, // ipRouteMetric2
    {"1.3.6.1.2.1.4.21.1.5", SimType::Integer, SimAccess::ReadWrite, "-1", nullptr}, // ipRouteMetric3
    {"1.3.6.1.2.1.4.21.1.6", SimType::Integer, SimAccess::ReadWrite, "-1", nullptr}, // ipRouteMetric4
    {"1.3.6.1.2.1.4.21.1.7", SimType::IpAddress, SimAccess::ReadWrite, "10.90.90.1;173693440=10.90.90.90;3232238080=192.168.10.1;2886729728=10.90.90.254;3232240640=192.168.10.254;173693703=10.90.90.2", nullptr}, // ipRouteNextHop
    {"1.3.6.1.2.1.4.21.1.8", SimType::Integer, SimAccess::ReadWrite, "4;173693440=3;3232238080=3;173693703=1", "1-4"}, // ipRouteType
    {"1.3.6.1.2.1.4.21.1.9", SimType::Integer, SimAccess::ReadOnly, "3;173693440=2;3232238080=2;2886729728=8;3232240640=13;173693703=4", "1-14"}, // ipRouteProto
    {"1.3.6.1.2.1.4.21.1.10", SimType::Integer, SimAccess::ReadWrite, "0;2886729728=25;3232240640=340;173693703=12", nullptr}, // ipRouteAge
    {"1.3.6.1.2.1.4.21.1.11", SimType::IpAddress, SimAccess::ReadWrite, "0.0.0.0;173693440=255.255.255.0;3232238080=255.255.255.0;2886729728=255.255.0.0;3232240640=255.255.255.0;173693703=255.255.255.255", nullptr}, // ipRouteMask
    {"1.3.6.1.2.1.4.21.1.12", SimType::Integer, SimAccess::ReadWrite, "-1", nullptr}, // ipRouteMetric5
    {"1.3.6.1.2.1.4.21.1.13", SimType::ObjectId, SimAccess::ReadOnly, "0.0", nullptr}, // ipRouteInfo
    {"1.3.6.1.2.1.4.23", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter},
    {"1.3.6.1.2.1.5.1", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 5}, // icmpInMsgs
    {"1.3.6.1.2.1.5.2", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpInErrors
    {"1.3.6.1.2.1.5.3", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 1}, // icmpInDestUnreachs
    {"1.3.6.1.2.1.5.4", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpInTimeExcds
    {"1.3.6.1.2.1.5.5", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpInParmProbs
    {"1.3.6.1.2.1.5.6", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpInSrcQuenchs
    {"1.3.6.1.2.1.5.7", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpInRedirects
    {"1.3.6.1.2.1.5.8", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 3}, // icmpInEchos
    {"1.3.6.1.2.1.5.9", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 1}, // icmpInEchoReps
    {"1.3.6.1.2.1.5.10", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpInTimestamps
    {"1.3.6.1.2.1.5.11", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpInTimestampReps
    {"1.3.6.1.2.1.5.12", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpInAddrMasks
    {"1.3.6.1.2.1.5.13", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpInAddrMaskReps
    {"1.3.6.1.2.1.5.14", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 5}, // icmpOutMsgs
    {"1.3.6.1.2.1.5.15", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpOutErrors
    {"1.3.6.1.2.1.5.16", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 1}, // icmpOutDestUnreachs
    {"1.3.6.1.2.1.5.17", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpOutTimeExcds
    {"1.3.6.1.2.1.5.18", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpOutParmProbs
    {"1.3.6.1.2.1.5.19", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpOutSrcQuenchs
    {"1.3.6.1.2.1.5.20", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpOutRedirects
    {"1.3.6.1.2.1.5.21", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 1}, // icmpOutEchos
    {"1.3.6.1.2.1.5.22", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 3}, // icmpOutEchoReps
    {"1.3.6.1.2.1.5.23", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpOutTimestamps
    {"1.3.6.1.2.1.5.24", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpOutTimestampReps
    {"1.3.6.1.2.1.5.25", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpOutAddrMasks
    {"1.3.6.1.2.1.5.26", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // icmpOutAddrMaskReps
    {"1.3.6.1.2.1.7.1", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 40}, // udpInDatagrams
    {"1.3.6.1.2.1.7.2", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 1}, // udpNoPorts
    {"1.3.6.1.2.1.7.3", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // udpInErrors
    {"1.3.6.1.2.1.7.4", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 38}, // udpOutDatagrams
    {"1.3.6.1.2.1.10.7.2.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // dot3StatsIndex
    {"1.3.6.1.2.1.10.7.2.1.2", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // dot3StatsAlignmentErrors
    {"1.3.6.1.2.1.10.7.2.1.3", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // dot3StatsFCSErrors
    {"1.3.6.1.2.1.10.7.2.1.4", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // dot3StatsSingleCollisionFrames
    {"1.3.6.1.2.1.10.7.2.1.7", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // dot3StatsDeferredTransmissions
    {"1.3.6.1.2.1.10.7.2.1.8", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // dot3StatsLateCollisions
    {"1.3.6.1.2.1.10.7.2.1.9", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // dot3StatsExcessiveCollisions
    {"1.3.6.1.2.1.10.7.2.1.19", SimType::Integer, SimAccess::ReadOnly, "3;13-16=2;41-44=1", "1-3"}, // dot3StatsDuplexStatus
    {"1.3.6.1.2.1.16.1.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // Index
    {"1.3.6.1.2.1.16.1.1.1.2", SimType::ObjectId, SimAccess::ReadWrite, "1.3.6.1.2.1.2.2.1.1.{i}", nullptr}, // DataSource
    {"1.3.6.1.2.1.16.1.1.1.3", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // DropEvents
    {"1.3.6.1.2.1.16.1.1.1.4", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 210000}, // Octets
    {"1.3.6.1.2.1.16.1.1.1.5", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 460}, // Pkts
    {"1.3.6.1.2.1.16.1.1.1.6", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 4}, // BroadcastPkts
    {"1.3.6.1.2.1.16.1.1.1.7", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 16}, // MulticastPkts
    {"1.3.6.1.2.1.16.1.1.1.8", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // CRCAlignErrors
    {"1.3.6.1.2.1.16.1.1.1.9", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // UndersizePkts
    {"1.3.6.1.2.1.16.1.1.1.10", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // OversizePkts
    {"1.3.6.1.2.1.16.1.1.1.11", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // Fragments
    {"1.3.6.1.2.1.16.1.1.1.12", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // Jabbers
    {"1.3.6.1.2.1.16.1.1.1.13", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter}, // Collisions
    {"1.3.6.1.2.1.16.1.1.1.14", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 150}, // 64Octets
    {"1.3.6.1.2.1.16.1.1.1.15", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 120}, // 65to127Octets
    {"1.3.6.1.2.1.16.1.1.1.16", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 60}, // 128to255Octets
    {"1.3.6.1.2.1.16.1.1.1.17", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 40}, // 256to511Octets
    {"1.3.6.1.2.1.16.1.1.1.18", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 30}, // 512to1023Octets
    {"1.3.6.1.2.1.16.1.1.1.19", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 60}, // 1024to1518Octets
    {"1.3.6.1.2.1.16.1.1.1.20", SimType::Octets, SimAccess::ReadWrite, "monitor", "len 0-127"}, // Owner
    {"1.3.6.1.2.1.16.1.1.1.21", SimType::Integer, SimAccess::ReadWrite, "1", "1-4"}, // Status
    {"1.3.6.1.2.1.16.2.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // Index
    {"1.3.6.1.2.1.16.2.1.1.2", SimType::ObjectId, SimAccess::ReadWrite, "1.3.6.1.2.1.2.2.1.1.{i}", nullptr}, // Data Source
    {"1.3.6.1.2.1.16.2.1.1.3", SimType::Integer, SimAccess::ReadWrite, "50", "1-65535"}, // Buckets Requested
    {"1.3.6.1.2.1.16.2.1.1.4", SimType::Integer, SimAccess::ReadOnly, "50", nullptr}, // Buckets Granted
    {"1.3.6.1.2.1.16.2.1.1.5", SimType::Integer, SimAccess::ReadWrite, "30", "1-3600"}, // Interval
    {"1.3.6.1.2.1.16.2.1.1.6", SimType::Octets, SimAccess::ReadWrite, "monitor", "len 0-127"}, // Owner
    {"1.3.6.1.2.1.16.2.1.1.7", SimType::Integer, SimAccess::ReadWrite, "1", "1-4"}, // Status
    {"1.3.6.1.2.1.16.2.2.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr},
    {"1.3.6.1.2.1.16.2.2.1.2", SimType::Integer, SimAccess::ReadOnly, "{j}", nullptr},
    {"1.3.6.1.2.1.16.2.2.1.3", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // Time Stamp
    {"1.3.6.1.2.1.16.2.2.1.4", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Drop Events
    {"1.3.6.1.2.1.16.2.2.1.5", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Octets
    {"1.3.6.1.2.1.16.2.2.1.6", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Packets
    {"1.3.6.1.2.1.16.2.2.1.7", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Broadcast
    {"1.3.6.1.2.1.16.2.2.1.8", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Multicast
    {"1.3.6.1.2.1.16.2.2.1.9", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // CRC Align
    {"1.3.6.1.2.1.16.2.2.1.10", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Undersize
    {"1.3.6.1.2.1.16.2.2.1.11", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Oversize
    {"1.3.6.1.2.1.16.2.2.1.12", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Fragments
    {"1.3.6.1.2.1.16.2.2.1.13", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Jabbers
    {"1.3.6.1.2.1.16.2.2.1.14", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr}, // Collisions
    {"1.3.6.1.2.1.16.2.2.1.15", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // Utilization
    {"1.3.6.1.2.1.16.3.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // Index
    {"1.3.6.1.2.1.16.3.1.1.2", SimType::Integer, SimAccess::ReadWrite, "10", "1-2147483647"}, // Interval
    {"1.3.6.1.2.1.16.3.1.1.3", SimType::ObjectId, SimAccess::ReadWrite, "1.3.6.1.2.1.16.1.1.1.5.1", nullptr}, // Variable
    {"1.3.6.1.2.1.16.3.1.1.4", SimType::Integer, SimAccess::ReadWrite, "2", "1-2"}, // SampleType
    {"1.3.6.1.2.1.16.3.1.1.5", SimType::Integer, SimAccess::ReadOnly, "0", nullptr}, // Value
    {"1.3.6.1.2.1.16.3.1.1.6", SimType::Integer, SimAccess::ReadWrite, "1", "1-3"}, // StartupAlarm
    {"1.3.6.1.2.1.16.3.1.1.7", SimType::Integer, SimAccess::ReadWrite, "4000", nullptr}, // RisingThreshold
    {"1.3.6.1.2.1.16.3.1.1.8", SimType::Integer, SimAccess::ReadWrite, "1000", nullptr}, // FallingThreshold
    {"1.3.6.1.2.1.16.3.1.1.9", SimType::Integer, SimAccess::ReadWrite, "1", "0-65535"}, // RisingEvent
    {"1.3.6.1.2.1.16.3.1.1.10", SimType::Integer, SimAccess::ReadWrite, "2", "0-65535"}, // FallingEvent
    {"1.3.6.1.2.1.16.3.1.1.11", SimType::Octets, SimAccess::ReadWrite, "monitor", "len 0-127"}, // Owner
    {"1.3.6.1.2.1.16.3.1.1.12", SimType::Integer, SimAccess::ReadWrite, "1", "1-4"}, // Status
    {"1.3.6.1.2.1.16.9.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // Index
    {"1.3.6.1.2.1.16.9.1.1.2", SimType::Octets, SimAccess::ReadWrite, "Rising packet alarm;2=Falling packet alarm", "len 0-127"}, // Description
    {"1.3.6.1.2.1.16.9.1.1.3", SimType::Integer, SimAccess::ReadWrite, "2", "1-4"}, // Type
    {"1.3.6.1.2.1.16.9.1.1.4", SimType::Octets, SimAccess::ReadWrite, "corvet", "len 0-127"}, // Community
    {"1.3.6.1.2.1.16.9.1.1.5", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // TimeSent
    {"1.3.6.1.2.1.16.9.1.1.6", SimType::Octets, SimAccess::ReadWrite, "monitor", "len 0-127"}, // Owner
    {"1.3.6.1.2.1.16.9.1.1.7", SimType::Integer, SimAccess::ReadWrite, "1", "1-4"}, // Status
    {"1.3.6.1.2.1.16.9.2.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // logEventIndex
    {"1.3.6.1.2.1.16.9.2.1.2", SimType::Integer, SimAccess::ReadOnly, "{j}", nullptr}, // logIndex
    {"1.3.6.1.2.1.16.9.2.1.3", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // logTime
    {"1.3.6.1.2.1.16.9.2.1.4", SimType::Octets, SimAccess::ReadOnly, "", nullptr}, // logDescription
    {"1.3.6.1.2.1.17.1.1", SimType::Octets, SimAccess::ReadOnly, "0x0050BA704000", nullptr}, // Bridge Address
    {"1.3.6.1.2.1.17.1.2", SimType::Integer, SimAccess::ReadOnly, "50", nullptr}, // Number of Ports
    {"1.3.6.1.2.1.17.1.3", SimType::Integer, SimAccess::ReadOnly, "2", "1-4"}, // Bridge Type
    {"1.3.6.1.2.1.17.1.4.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // PortNumber
    {"1.3.6.1.2.1.17.1.4.1.2", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // IfIndex
    {"1.3.6.1.2.1.17.1.4.1.3", SimType::ObjectId, SimAccess::ReadOnly, "0.0", nullptr}, // Circuit
    {"1.3.6.1.2.1.17.1.4.1.4", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // DelayExceededDiscards
    {"1.3.6.1.2.1.17.1.4.1.5", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // MtuExceededDiscards
    {"1.3.6.1.2.1.17.2.1", SimType::Integer, SimAccess::ReadOnly, "3", "1-3"}, // dot1dStpProtocolSpecification
    {"1.3.6.1.2.1.17.2.2", SimType::Integer, SimAccess::ReadWrite, "32768", "0-65535"}, // dot1dStpPriority
    {"1.3.6.1.2.1.17.2.3", SimType::TimeTicks, SimAccess::ReadOnly, "0", nullptr, SimHook::SinceTopology}, // dot1dStpTimeSinceTopologyChange
    {"1.3.6.1.2.1.17.2.4", SimType::Counter32, SimAccess::ReadOnly, "3", nullptr}, // dot1dStpTopChanges
    {"1.3.6.1.2.1.17.2.5", SimType::Octets, SimAccess::ReadOnly, "0x10000050BA00AA01", nullptr}, // dot1dStpDesignatedRoot
    {"1.3.6.1.2.1.17.2.6", SimType::Integer, SimAccess::ReadOnly, "4", nullptr}, // dot1dStpRootCost
    {"1.3.6.1.2.1.17.2.7", SimType::Integer, SimAccess::ReadOnly, "49", nullptr}, // dot1dStpRootPort
    {"1.3.6.1.2.1.17.2.8", SimType::Integer, SimAccess::ReadOnly, "2000", nullptr}, // dot1dStpMaxAge
    {"1.3.6.1.2.1.17.2.9", SimType::Integer, SimAccess::ReadOnly, "200", nullptr}, // dot1dStpHelloTime
    {"1.3.6.1.2.1.17.2.10", SimType::Integer, SimAccess::ReadOnly, "100", nullptr}, // dot1dStpHoldTime
    {"1.3.6.1.2.1.17.2.11", SimType::Integer, SimAccess::ReadOnly, "1500", nullptr}, // dot1dStpForwardDelay
    {"1.3.6.1.2.1.17.2.12", SimType::Integer, SimAccess::ReadWrite, "2000", "600-4000"}, // dot1dStpBridgeMaxAge
    {"1.3.6.1.2.1.17.2.13", SimType::Integer, SimAccess::ReadWrite, "200", "100-1000"}, // dot1dStpBridgeHelloTime
    {"1.3.6.1.2.1.17.2.14", SimType::Integer, SimAccess::ReadWrite, "1500", "400-3000"}, // dot1dStpBridgeForwardDelay
    {"1.3.6.1.2.1.17.2.15.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // Port
    {"1.3.6.1.2.1.17.2.15.1.2", SimType::Integer, SimAccess::ReadWrite, "128", "0-255"}, // Priority
    {"1.3.6.1.2.1.17.2.15.1.3", SimType::Integer, SimAccess::ReadOnly, "1", "1-6"}, // State
    {"1.3.6.1.2.1.17.2.15.1.4", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // Status
    {"1.3.6.1.2.1.17.2.15.1.5", SimType::Integer, SimAccess::ReadWrite, "19;49-50=4", "1-65535"}, // PathCost
    {"1.3.6.1.2.1.17.2.15.1.6", SimType::Octets, SimAccess::ReadOnly, "0x10000050BA00AA01", nullptr}, // DesignatedRoot
    {"1.3.6.1.2.1.17.2.15.1.7", SimType::Integer, SimAccess::ReadOnly, "4", nullptr}, // DesignatedCost
    {"1.3.6.1.2.1.17.2.15.1.8", SimType::Octets, SimAccess::ReadOnly, "0x80000050BA704000", nullptr}, // DesignatedBridge
    {"1.3.6.1.2.1.17.2.15.1.9", SimType::Octets, SimAccess::ReadOnly, "0x80{x}", nullptr}, // DesignatedPort
    {"1.3.6.1.2.1.17.2.15.1.10", SimType::Counter32, SimAccess::ReadOnly, "1", nullptr}, // ForwardTransitions
    {"1.3.6.1.2.1.17.2.16", SimType::Integer, SimAccess::ReadWrite, "2", "0,2"}, // dot1dStpVersion
    {"1.3.6.1.2.1.17.2.17", SimType::Integer, SimAccess::ReadWrite, "3", "1-10"}, // dot1StpTxHoldCount
    {"1.3.6.1.2.1.17.4.1", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // Learned Entry Discard
    {"1.3.6.1.2.1.17.4.2", SimType::Integer, SimAccess::ReadWrite, "300", "10-1000000"}, // MAC Address Aging Time
    {"1.3.6.1.2.1.17.4.4.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // dot1dTpPort
    {"1.3.6.1.2.1.17.4.4.1.2", SimType::Integer, SimAccess::ReadOnly, "1518", nullptr}, // dot1dTpPortMaxInfo
    {"1.3.6.1.2.1.17.4.4.1.3", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 260}, // Input Frames
    {"1.3.6.1.2.1.17.4.4.1.4", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 210}, // Output Frames
    {"1.3.6.1.2.1.17.4.4.1.5", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 1}, // Discard Frames
    {"1.3.6.1.2.1.17.6.1.1.1", SimType::Octets, SimAccess::ReadOnly, "0x60", nullptr}, // Device Capabilities
    {"1.3.6.1.2.1.17.6.1.1.2", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // Traffic Classes
    {"1.3.6.1.2.1.17.6.1.1.3", SimType::Integer, SimAccess::ReadOnly, "2", "1-2"}, // Gmrp Status
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", SimType::Octets, SimAccess::ReadOnly, "0x00", "len 0-8"}, // dot1dPortCapabilities
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", SimType::Integer, SimAccess::ReadWrite, "0", "0-7"}, // DefaultUserPriority
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", SimType::Integer, SimAccess::ReadWrite, "4", "1-8"}, // PortNumTrafficClasses
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", SimType::Integer, SimAccess::ReadOnly, "{j}", nullptr}, // UserPriority
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", SimType::Integer, SimAccess::ReadWrite, "{j}", "0-7"}, // RegeneratedUserPriority
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", SimType::Integer, SimAccess::ReadOnly, "{j}", nullptr}, // TrafficClassPriority
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", SimType::Integer, SimAccess::ReadWrite, "1", "0-7"}, // MappedTrafficClass
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", SimType::Integer, SimAccess::ReadOnly, "{j}", nullptr}, // PortOutboundAccessPriority
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", SimType::Integer, SimAccess::ReadWrite, "20", nullptr}, // GARPJoinTime
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", SimType::Integer, SimAccess::ReadWrite, "60", nullptr}, // GARPLeaveTime
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", SimType::Integer, SimAccess::ReadWrite, "1000", nullptr}, // GARPLeaveAllTime
    {"1.3.6.1.2.1.17.6.1.4.1.1.1", SimType::Integer, SimAccess::ReadWrite, "2", "1-2"}, // Status
    {"1.3.6.1.2.1.17.6.1.4.1.1.2", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // GMRPFailedRegistrations
    {"1.3.6.1.2.1.17.6.1.4.1.1.3", SimType::Octets, SimAccess::ReadOnly, "0x000000000000", nullptr}, // GMRPLastPduOrigin
    {"1.3.6.1.2.1.17.7.1.1.1", SimType::Integer, SimAccess::ReadOnly, "1", nullptr}, // VLANVersionNumber
    {"1.3.6.1.2.1.17.7.1.1.2", SimType::Integer, SimAccess::ReadOnly, "4094", nullptr}, // MaxVLANId
    {"1.3.6.1.2.1.17.7.1.1.3", SimType::Gauge32, SimAccess::ReadOnly, "256", nullptr}, // MaxSupportedVLANs
    {"1.3.6.1.2.1.17.7.1.1.4", SimType::Gauge32, SimAccess::ReadOnly, "4", nullptr}, // CurrentNumOfVLANs
    {"1.3.6.1.2.1.17.7.1.1.5", SimType::Integer, SimAccess::ReadWrite, "2", "1-2"}, // GVRPStatus
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // Fdb Id
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", SimType::Octets, SimAccess::ReadOnly, "0x0050BA7040{x}", nullptr}, // FdbMacAddress
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", SimType::Integer, SimAccess::ReadOnly, "5", nullptr}, // PortNumber
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", SimType::Integer, SimAccess::ReadOnly, "3", "1-5"}, // Status
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", SimType::Octets, SimAccess::ReadOnly, "0x0050BA7040{x}", nullptr}, // UnicastAddress
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // ReceivePort
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", SimType::Octets, SimAccess::ReadWrite, "0x20000000000000", "len 0-8"}, // PortsUnicastAllowedToGoTo
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Status
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", SimType::Octets, SimAccess::ReadOnly, "0x0050BA7040{x}", nullptr}, // MacAddress
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // ReceivePort
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", SimType::Octets, SimAccess::ReadWrite, "0x00000000000000", "len 0-8"}, // EgressPorts
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Status
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // VLANTimeMark
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", SimType::Gauge32, SimAccess::ReadOnly, "{j}", nullptr}, // VLANIndex
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", SimType::Gauge32, SimAccess::ReadOnly, "{j}", nullptr}, // FdbId
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", SimType::Octets, SimAccess::ReadOnly, nullptr, nullptr}, // CurrentEgressPorts
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", SimType::Octets, SimAccess::ReadOnly, nullptr, nullptr}, // CurrentUntaggedPorts
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", SimType::Integer, SimAccess::ReadOnly, "2", "1-3"}, // VLANStatus
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // CreationTime
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", SimType::Octets, SimAccess::ReadWrite, "default;2=lab;100=servers;200=voice", "len 0-32"}, // VLAN Name
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", SimType::Octets, SimAccess::ReadWrite, "0xFFFF00FF00FFC0;2=0x00000000FF0000;100=0x0000FF00000080;200=0xFFF00000000080", "len 0-8"}, // Egress Ports
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", SimType::Octets, SimAccess::ReadWrite, "0x00000000000000", "len 0-8"}, // Forbidden Egress Ports
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", SimType::Octets, SimAccess::ReadWrite, "0xFFFF00FF00FF40;2=0x00000000FF0000;100=0x0000FF00000000;200=0x00000000000000", "len 0-8"}, // Untagged Ports
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // Status
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", SimType::Gauge32, SimAccess::ReadWrite, "1;17-24=100;33-40=2", "1-4094"}, // dot1qPvid
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // dot1qPortAcceptableFrameTypes
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", SimType::Integer, SimAccess::ReadWrite, "2", "1-2"}, // dot1qPortIngressFiltering
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", SimType::Integer, SimAccess::ReadWrite, "2", "1-2"}, // dot1qPortGvrpStatus
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // dot1qPortGvrpFailedRegistrations
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", SimType::Octets, SimAccess::ReadOnly, "0x000000000000", nullptr}, // dot1qPortGvrpLastPduOrigin
    {"1.3.6.1.2.1.31.1.1.1.1", SimType::Octets, SimAccess::ReadOnly, "port{i}", nullptr}, // Name
    {"1.3.6.1.2.1.31.1.1.1.2", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 10}, // InMulticastPkts
    {"1.3.6.1.2.1.31.1.1.1.3", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 2}, // InBroadcastPkts
    {"1.3.6.1.2.1.31.1.1.1.4", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 6}, // OutMulticastPkts
    {"1.3.6.1.2.1.31.1.1.1.5", SimType::Counter32, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 2}, // OutBroadcastPkts
    {"1.3.6.1.2.1.31.1.1.1.6", SimType::Counter64, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 120000}, // HCInOctets
    {"1.3.6.1.2.1.31.1.1.1.7", SimType::Counter64, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 250}, // HCInUcastPkts
    {"1.3.6.1.2.1.31.1.1.1.8", SimType::Counter64, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 10}, // HCInMulticastPkts
    {"1.3.6.1.2.1.31.1.1.1.9", SimType::Counter64, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 2}, // HCInBroadcastPkts
    {"1.3.6.1.2.1.31.1.1.1.10", SimType::Counter64, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 90000}, // HCOutOctets
    {"1.3.6.1.2.1.31.1.1.1.11", SimType::Counter64, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 200}, // HCOutUcastPkts
    {"1.3.6.1.2.1.31.1.1.1.12", SimType::Counter64, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 6}, // HCOutMulticastPkts
    {"1.3.6.1.2.1.31.1.1.1.13", SimType::Counter64, SimAccess::ReadOnly, "0", nullptr, SimHook::Counter, 2}, // HCOutBroadcastPkts
    {"1.3.6.1.2.1.31.1.1.1.14", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // LinkUpDownTrapEnable
    {"1.3.6.1.2.1.31.1.1.1.15", SimType::Gauge32, SimAccess::ReadOnly, "100;49-50=1000", nullptr}, // HighSpeed
    {"1.3.6.1.2.1.31.1.1.1.16", SimType::Integer, SimAccess::ReadWrite, "2", "1-2"}, // PromiscuousMode
    {"1.3.6.1.2.1.31.1.1.1.17", SimType::Integer, SimAccess::ReadOnly, "1", "1-2"}, // ConnectorPresent
    {"1.3.6.1.2.1.31.1.1.1.18", SimType::Octets, SimAccess::ReadWrite, ";1=core uplink A;3=file server;9=lab bench (flaky cable);19=backup server;22=camera recorder;35=build farm;47=storage array;49=core uplink;50=backup uplink", "len 0-64"}, // Alias
    {"1.3.6.1.2.1.31.1.1.1.19", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // CounterDiscontinuityTime
    {"1.3.6.1.2.1.31.1.5", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // ifTableLastChange
    {"1.3.6.1.2.1.31.1.6", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // ifStackLastChange
    {"1.3.6.1.2.1.47.1.1.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // entPhysical Index
    {"1.3.6.1.2.1.47.1.1.1.1.2", SimType::Octets, SimAccess::ReadOnly, "KMV-7040QX chassis;2=Power supply;3=Fan tray;4=Gigabit module 49;5=Gigabit module 50", nullptr}, // entPhysical Descr
    {"1.3.6.1.2.1.47.1.1.1.1.3", SimType::ObjectId, SimAccess::ReadOnly, "0.0", nullptr}, // entPhysical Vendor Type
    {"1.3.6.1.2.1.47.1.1.1.1.4", SimType::Integer, SimAccess::ReadOnly, "0;2-5=1", nullptr}, // entPhysical Contained In
    {"1.3.6.1.2.1.47.1.1.1.1.5", SimType::Integer, SimAccess::ReadOnly, "3;2=6;3=7;4-5=9", "2-11"}, // entPhysical Class
    {"1.3.6.1.2.1.47.1.1.1.1.6", SimType::Integer, SimAccess::ReadOnly, "-1;2-4=1;5=2", nullptr}, // entPhysical Parent Rel Pos
    {"1.3.6.1.2.1.47.1.1.1.1.7", SimType::Octets, SimAccess::ReadOnly, "chassis;2=psu;3=fan;4=module49;5=module50", nullptr}, // entPhysical Name
    {"1.3.6.1.2.1.47.1.1.1.1.8", SimType::Octets, SimAccess::ReadOnly, "A1", nullptr}, // entPhysical Hardware Rev
    {"1.3.6.1.2.1.47.1.1.1.1.9", SimType::Octets, SimAccess::ReadOnly, "1.00", nullptr}, // entPhysical Firmware Rev
    {"1.3.6.1.2.1.47.1.1.1.1.10", SimType::Octets, SimAccess::ReadOnly, "3.02R02", nullptr}, // entPhysical Software Rev
    {"1.3.6.1.2.1.47.1.1.1.1.11", SimType::Octets, SimAccess::ReadWrite, "KMV7040QX00{i}", "len 0-32"}, // entPhysical Serial Num
    {"1.3.6.1.2.1.47.1.1.1.1.12", SimType::Octets, SimAccess::ReadOnly, "Quorvane", nullptr}, // entPhysical Mfg Name
    {"1.3.6.1.2.1.47.1.1.1.1.13", SimType::Octets, SimAccess::ReadOnly, "KMV-7040QX", nullptr}, // entPhysical Model Name
    {"1.3.6.1.2.1.47.1.1.1.1.14", SimType::Octets, SimAccess::ReadWrite, "", "len 0-32"}, // entPhysical Alias
    {"1.3.6.1.2.1.47.1.1.1.1.15", SimType::Octets, SimAccess::ReadWrite, "", "len 0-32"}, // entPhysical Asset ID
    {"1.3.6.1.2.1.47.1.1.1.1.16", SimType::Integer, SimAccess::ReadOnly, "2;4-5=1", "1-2"}, // entPhysicalIs FRU
    {"1.3.6.1.2.1.47.1.2.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // entLogical Index
    {"1.3.6.1.2.1.47.1.2.1.1.2", SimType::Octets, SimAccess::ReadOnly, "Bridge", nullptr}, // entLogical Descr
    {"1.3.6.1.2.1.47.1.2.1.1.3", SimType::ObjectId, SimAccess::ReadOnly, "1.3.6.1.2.1.17", nullptr}, // entLogical Type
    {"1.3.6.1.2.1.47.1.2.1.1.4", SimType::Octets, SimAccess::ReadOnly, "corvet", nullptr}, // entLogical Community
    {"1.3.6.1.2.1.47.1.2.1.1.5", SimType::Octets, SimAccess::ReadOnly, "0x7F00000100A1", "len 0-8"}, // entLogical TAddress
    {"1.3.6.1.2.1.47.1.2.1.1.6", SimType::ObjectId, SimAccess::ReadOnly, "1.3.6.1.6.1.1", nullptr}, // entLogical TDomain
    {"1.3.6.1.2.1.47.1.2.1.1.7", SimType::Octets, SimAccess::ReadOnly, "", nullptr}, // entLogical Context EngineID
    {"1.3.6.1.2.1.47.1.2.1.1.8", SimType::Octets, SimAccess::ReadOnly, "", nullptr}, // entLogical ContextName
    {"1.3.6.1.2.1.47.1.3.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{j}", nullptr}, // entPPhysical Index
    {"1.3.6.1.2.1.47.1.3.2.1.1", SimType::Integer, SimAccess::ReadOnly, "{j}", nullptr}, // entAlias Logical IndexOrZero
    {"1.3.6.1.2.1.47.1.3.2.1.2", SimType::ObjectId, SimAccess::ReadOnly, "1.3.6.1.2.1.2.2.1.1.49;5=1.3.6.1.2.1.2.2.1.1.50", nullptr}, // entAlias Mapping Identifier
    {"1.3.6.1.2.1.47.1.3.3.1.1", SimType::Integer, SimAccess::ReadOnly, "{j}", nullptr}, // entPhysical Child Index
    {"1.3.6.1.2.1.47.1.4.1", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // ent Last Change Time
    {"1.3.6.1.4.1.171.11.2.1.1.2", SimType::Integer, SimAccess::ReadOnly, "50", nullptr}, // Dev Info Total Num Of Port
    {"1.3.6.1.4.1.171.11.2.1.1.3", SimType::Integer, SimAccess::ReadOnly, "12", nullptr}, // Dev Info Num Of Port In Use
    {"1.3.6.1.4.1.171.11.2.1.2.1", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // L2 Dev Ctrl Stp State
    {"1.3.6.1.4.1.171.11.2.1.2.2", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L2 Dev Ctrl IGMP Snooping
    {"1.3.6.1.4.1.171.11.2.1.2.3", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // L2 Dev Ctrl Rmon State
    {"1.3.6.1.4.1.171.11.2.1.2.8", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // L2 Dev Ctrl Clean All Statistic Counter
    {"1.3.6.1.4.1.171.11.2.1.2.9", SimType::Integer, SimAccess::ReadWrite, "1", "1-4094"}, // L2 Dev Ctrl VlanIdOfFDBTbl
    {"1.3.6.1.4.1.171.11.2.1.3.1", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // L2 Dev Alarm New Root
    {"1.3.6.1.4.1.171.11.2.1.3.2", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // L2 Dev Alarm Topology Change
    {"1.3.6.1.4.1.171.11.2.1.3.3", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // L2 Dev Alarm Link Change
    {"1.3.6.1.4.1.171.11.2.3.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // L2 Port Info Port Index
    {"1.3.6.1.4.1.171.11.2.3.1.1.3", SimType::Integer, SimAccess::ReadOnly, "1;49-50=5", "1-10"}, // L2 Port Info Type
    {"1.3.6.1.4.1.171.11.2.3.1.1.4", SimType::Integer, SimAccess::ReadOnly, "3", "1-3"}, // L2 Port Info Link Status
    {"1.3.6.1.4.1.171.11.2.3.1.1.5", SimType::Integer, SimAccess::ReadOnly, "6;49-50=8", "1-8"}, // L2 Port Info Nway Status
    {"1.3.6.1.4.1.171.11.2.3.2.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // L2 Port Ctrl Port Index
    {"1.3.6.1.4.1.171.11.2.3.2.1.3", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // L2 Port Ctrl Admin State
    {"1.3.6.1.4.1.171.11.2.3.2.1.4", SimType::Integer, SimAccess::ReadWrite, "2", "2-6,8"}, // L2 Port Ctrl Nway State
    {"1.3.6.1.4.1.171.11.2.3.2.1.5", SimType::Integer, SimAccess::ReadOnly, "2", "2-3"}, // L2 Port Ctrl Flow Ctrl State
    {"1.3.6.1.4.1.171.11.2.3.2.1.6", SimType::Octets, SimAccess::ReadWrite, "", "len 0-32"}, // L2 Port Ctrl Description
    {"1.3.6.1.4.1.171.11.2.7.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // L2 Port Security PortIndex
    {"1.3.6.1.4.1.171.11.2.7.1.1.2", SimType::Integer, SimAccess::ReadWrite, "1", "0-64"}, // L2 Port Security Max Lern Addr
    {"1.3.6.1.4.1.171.11.2.7.1.1.3", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L2 Port Security Mode
    {"1.3.6.1.4.1.171.11.2.7.1.1.4", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // L2 Port Security Adm State
    {"1.3.6.1.4.1.171.11.2.9.1", SimType::Integer, SimAccess::ReadOnly, "6", nullptr}, // L2 Trunk Max Supported Entries
    {"1.3.6.1.4.1.171.11.2.9.2", SimType::Integer, SimAccess::ReadOnly, "1", nullptr}, // L2 Trunk Current Num Entries
    {"1.3.6.1.4.1.171.11.2.9.3.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // L2 Trunk Index
    {"1.3.6.1.4.1.171.11.2.9.3.1.3", SimType::Integer, SimAccess::ReadWrite, "45", "1-50"}, // L2 Trunk Master Port
    {"1.3.6.1.4.1.171.11.2.9.3.1.4", SimType::Octets, SimAccess::ReadWrite, "0x00000000000F00", "len 0-8"}, // L2 Trunk Member
    {"1.3.6.1.4.1.171.11.2.9.3.1.7", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L2 Trunk Type
    {"1.3.6.1.4.1.171.11.2.9.3.1.8", SimType::Integer, SimAccess::ReadWrite, "1", "1,2,4,6"}, // L2 Trunk State
    {"1.3.6.1.4.1.171.11.2.10.1", SimType::Integer, SimAccess::ReadWrite, "50", "0-50"}, // L2 Mirror Logic Target Port
    {"1.3.6.1.4.1.171.11.2.10.2", SimType::Octets, SimAccess::ReadWrite, "0x00000000000000", "len 0-8"}, // L2 Mirror Port Source Ingress
    {"1.3.6.1.4.1.171.11.2.10.3", SimType::Octets, SimAccess::ReadWrite, "0x00000000000000", "len 0-8"}, // L2 Mirror Port Source Egress
    {"1.3.6.1.4.1.171.11.2.10.4", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L2 Mirror Port State
    {"1.3.6.1.4.1.171.11.2.11.1", SimType::Integer, SimAccess::ReadOnly, "64", nullptr}, // L2 IGMP Max Supported Vlans
    {"1.3.6.1.4.1.171.11.2.11.2", SimType::Integer, SimAccess::ReadOnly, "256", nullptr}, // L2 IGMP Max Ip Group Num Per Vlan
    {"1.3.6.1.4.1.171.11.2.11.3.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // L2 IGMP Ctrl Vid
    {"1.3.6.1.4.1.171.11.2.11.3.1.2", SimType::Integer, SimAccess::ReadWrite, "125", nullptr}, // L2 IGMP Query Interval
    {"1.3.6.1.4.1.171.11.2.11.3.1.3", SimType::Integer, SimAccess::ReadWrite, "10", nullptr}, // L2 IGMP Max Response Time
    {"1.3.6.1.4.1.171.11.2.11.3.1.4", SimType::Integer, SimAccess::ReadWrite, "2", nullptr}, // L2 IGMP Robustness
    {"1.3.6.1.4.1.171.11.2.11.3.1.5", SimType::Integer, SimAccess::ReadWrite, "1", nullptr}, // L2 IGMP Last Member Query Interval
    {"1.3.6.1.4.1.171.11.2.11.3.1.6", SimType::Integer, SimAccess::ReadWrite, "260", nullptr}, // L2 IGMP Host Timeout
    {"1.3.6.1.4.1.171.11.2.11.3.1.7", SimType::Integer, SimAccess::ReadWrite, "260", nullptr}, // L2 IGMP Route Timeout
    {"1.3.6.1.4.1.171.11.2.11.3.1.8", SimType::Integer, SimAccess::ReadWrite, "2", nullptr}, // L2 IGMP Leave Timer
    {"1.3.6.1.4.1.171.11.2.11.3.1.9", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L2 IGMP Query State
    {"1.3.6.1.4.1.171.11.2.11.3.1.10", SimType::Integer, SimAccess::ReadOnly, "3", "1-3"}, // L2 IGMP Current State
    {"1.3.6.1.4.1.171.11.2.11.3.1.11", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L2 IGMP Ctrl State
    {"1.3.6.1.4.1.171.11.2.11.4.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // L2 IGMP Info Vid
    {"1.3.6.1.4.1.171.11.2.11.4.1.2", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // L2 IGMP Info Query Count
    {"1.3.6.1.4.1.171.11.2.11.4.1.3", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // L2 IGMP Info Tx Query Count
    {"1.3.6.1.4.1.171.11.2.11.5.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // L2 IGMP Vid
    {"1.3.6.1.4.1.171.11.2.11.5.1.2", SimType::IpAddress, SimAccess::ReadOnly, nullptr, nullptr}, // L2 IGMP Group Ip Addr
    {"1.3.6.1.4.1.171.11.2.11.5.1.3", SimType::Octets, SimAccess::ReadOnly, "0x01005E0101{x}", nullptr}, // L2 IGMP Mac Addr
    {"1.3.6.1.4.1.171.11.2.11.5.1.4", SimType::Octets, SimAccess::ReadOnly, "0x40000000000000", "len 0-8"}, // L2 IGMP Port Map
    {"1.3.6.1.4.1.171.11.2.11.5.1.5", SimType::Integer, SimAccess::ReadOnly, "3", nullptr}, // L2 IGMP Ip Group Report Count
    {"1.3.6.1.4.1.171.11.2.13.1.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // L2 Traffic Ctrl Group Index
    {"1.3.6.1.4.1.171.11.2.13.1.1.3", SimType::Integer, SimAccess::ReadWrite, "128000", nullptr}, // L2 Traffic Ctrl BMStromthreshold
    {"1.3.6.1.4.1.171.11.2.13.1.1.4", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L2 Traffic Ctrl BcastStromCtrl
    {"1.3.6.1.4.1.171.11.2.13.1.1.5", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L2 Traffic Ctrl McastStromCtrl
    {"1.3.6.1.4.1.171.11.2.13.1.1.6", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L2 Traffic Ctrl DlfStromCtrl
    {"1.3.6.1.4.1.171.11.2.14.1.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // L2 Traffic Seg Port
    {"1.3.6.1.4.1.171.11.2.14.1.1.2", SimType::Octets, SimAccess::ReadWrite, "0xFFFFFFFFFFFFC0", "len 0-8"}, // L2 Traffic Seg Forward Ports
    {"1.3.6.1.4.1.171.11.3.1.1.1", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L3 Dev Ctrl RIP State
    {"1.3.6.1.4.1.171.11.3.1.1.2", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L3 Dev Ctrl DVMRP State
    {"1.3.6.1.4.1.171.11.3.1.1.3", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // L3 Dev Ctrl PIMDM State
    {"1.3.6.1.4.1.171.11.3.2.1.1.1.1", SimType::IpAddress, SimAccess::ReadOnly, "{ip}", nullptr}, // L3 Ip Ctrl Ip Addr
    {"1.3.6.1.4.1.171.11.3.2.1.1.1.2", SimType::Integer, SimAccess::ReadOnly, "1", nullptr}, // L3 Ip Ctrl If Index
    {"1.3.6.1.4.1.171.11.3.2.1.1.1.3", SimType::Octets, SimAccess::ReadWrite, "System", "len 0-12"}, // L3 Ip Ctrl Interface Name
    {"1.3.6.1.4.1.171.11.3.2.1.1.1.4", SimType::IpAddress, SimAccess::ReadWrite, "255.255.255.0", nullptr}, // L3 Ip Ctrl Ip Subnet Mask
    {"1.3.6.1.4.1.171.11.3.2.1.1.1.5", SimType::Octets, SimAccess::ReadWrite, "default", "len 0-32"}, // L3 Ip Ctrl Vlan Name
    {"1.3.6.1.4.1.171.11.3.2.1.1.1.6", SimType::Integer, SimAccess::ReadWrite, "2", "2-4"}, // L3 Ip Ctrl Mode
    {"1.3.6.1.4.1.171.11.3.2.1.1.1.8", SimType::Integer, SimAccess::ReadWrite, "1", "1,2,4,6"}, // L3 Ip Ctrl State
    {"1.3.6.1.4.1.171.11.3.2.1.1.1.9", SimType::Integer, SimAccess::ReadOnly, "2", "2-3"}, // L3 Ip Ctrl Oper State
    {"1.3.6.1.4.1.171.11.3.2.2.1.1.1", SimType::IpAddress, SimAccess::ReadOnly, "{ip}", nullptr}, // L3 Ip Fdb Info Ip Addr
    {"1.3.6.1.4.1.171.11.3.2.2.1.1.2", SimType::IpAddress, SimAccess::ReadOnly, "255.255.255.0", nullptr}, // L3 Ip Fdb Info Ip Subnet Mask
    {"1.3.6.1.4.1.171.11.3.2.2.1.1.3", SimType::Integer, SimAccess::ReadOnly, "1;3232238080=33", nullptr}, // L3 Ip Fdb Info Port
    {"1.3.6.1.4.1.171.11.3.2.2.1.1.4", SimType::Integer, SimAccess::ReadOnly, "2", "2-3"}, // L3 Ip Fdb Info Type
    {"1.3.6.1.4.1.171.11.3.2.4", SimType::Integer, SimAccess::ReadWrite, "20", "1-65535"}, // L3 Ip Arp Aging Time
    {"1.3.6.1.4.1.171.11.3.2.5.1.1", SimType::IpAddress, SimAccess::ReadOnly, nullptr, nullptr}, // L3 Ip Static Route Dest
    {"1.3.6.1.4.1.171.11.3.2.5.1.2", SimType::IpAddress, SimAccess::ReadOnly, nullptr, nullptr}, // L3 Ip Static Route Mask
    {"1.3.6.1.4.1.171.11.3.2.5.1.3", SimType::Integer, SimAccess::ReadOnly, "1", "1-2"}, // L3 Ip Static Route Bkup State
    {"1.3.6.1.4.1.171.11.3.2.5.1.4", SimType::IpAddress, SimAccess::ReadWrite, "10.90.90.1", nullptr}, // L3 Ip Static Route Next Hop
    {"1.3.6.1.4.1.171.11.3.2.5.1.5", SimType::Integer, SimAccess::ReadWrite, "1", "1-65535"}, // L3 Ip Static Route Metric
    {"1.3.6.1.4.1.171.11.3.2.5.1.6", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // L3 Ip Static Route Status
    {"1.3.6.1.4.1.171.11.5.1.1.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swACLEthernetProfileID
    {"1.3.6.1.4.1.171.11.5.1.1.1.2", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLEthernetUsevlan
    {"1.3.6.1.4.1.171.11.5.1.1.1.3", SimType::Integer, SimAccess::ReadWrite, "3", "1-4"}, // swACLEthernetMacAddrMaskState
    {"1.3.6.1.4.1.171.11.5.1.1.1.4", SimType::Octets, SimAccess::ReadWrite, "0xFFFFFFFFFFFF", "len 6"}, // swACLEthernetSrcMacAddrMask
    {"1.3.6.1.4.1.171.11.5.1.1.1.5", SimType::Octets, SimAccess::ReadWrite, "0x000000000000", "len 6"}, // swACLEthernetDstMacAddrMask
    {"1.3.6.1.4.1.171.11.5.1.1.1.6", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLEthernetUse8021p
    {"1.3.6.1.4.1.171.11.5.1.1.1.7", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLEthernetUseEthernetType
    {"1.3.6.1.4.1.171.11.5.1.1.1.8", SimType::Octets, SimAccess::ReadWrite, "0x00000000000000", "len 0-8"}, // swACLEthernetPort
    {"1.3.6.1.4.1.171.11.5.1.1.1.9", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // swACLEthernetRowStatus
    {"1.3.6.1.4.1.171.11.5.1.2.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swACLIpProfileID
    {"1.3.6.1.4.1.171.11.5.1.2.1.2", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLIpUsevlan
    {"1.3.6.1.4.1.171.11.5.1.2.1.3", SimType::Integer, SimAccess::ReadWrite, "3", "1-4"}, // swACLIpIpAddrMaskState
    {"1.3.6.1.4.1.171.11.5.1.2.1.4", SimType::IpAddress, SimAccess::ReadWrite, "255.255.255.0", nullptr}, // swACLIpSrcIpAddrMask
    {"1.3.6.1.4.1.171.11.5.1.2.1.5", SimType::IpAddress, SimAccess::ReadWrite, nullptr, nullptr}, // swACLIpDstIpAddrMask
    {"1.3.6.1.4.1.171.11.5.1.2.1.6", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLIpUseDSCP
    {"1.3.6.1.4.1.171.11.5.1.2.1.7", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // swACLIpUseProtoType
    {"1.3.6.1.4.1.171.11.5.1.2.1.8", SimType::Integer, SimAccess::ReadWrite, "1", "1-4"}, // swACLIpIcmpOption
    {"1.3.6.1.4.1.171.11.5.1.2.1.9", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLIpIgmpOption
    {"1.3.6.1.4.1.171.11.5.1.2.1.10", SimType::Integer, SimAccess::ReadWrite, "1", "1-4"}, // swACLIpTcpOption
    {"1.3.6.1.4.1.171.11.5.1.2.1.11", SimType::Integer, SimAccess::ReadWrite, "1", "1-4"}, // swACLIpUdpOption
    {"1.3.6.1.4.1.171.11.5.1.2.1.12", SimType::Octets, SimAccess::ReadWrite, "", "len 0-32"}, // swACLIpTCPorUDPSrcPortMask
    {"1.3.6.1.4.1.171.11.5.1.2.1.13", SimType::Octets, SimAccess::ReadWrite, "", "len 0-32"}, // swACLIpTCPorUDPDstPortMask
    {"1.3.6.1.4.1.171.11.5.1.2.1.14", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLIpProtoIDOption
    {"1.3.6.1.4.1.171.11.5.1.2.1.15", SimType::Octets, SimAccess::ReadWrite, "", "len 0-32"}, // swACLIpProtoIDMask
    {"1.3.6.1.4.1.171.11.5.1.2.1.16", SimType::Octets, SimAccess::ReadWrite, "0x00000000000000", "len 0-8"}, // swACLIpPort
    {"1.3.6.1.4.1.171.11.5.1.2.1.17", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // swACLIpRowStatus
    {"1.3.6.1.4.1.171.11.5.1.3.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swACLPayloadProfileID
    {"1.3.6.1.4.1.171.11.5.1.3.1.2", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadOffSet0to15
    {"1.3.6.1.4.1.171.11.5.1.3.1.3", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadOffSet16to31
    {"1.3.6.1.4.1.171.11.5.1.3.1.4", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadOffSet32to47
    {"1.3.6.1.4.1.171.11.5.1.3.1.5", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadOffSet48to63
    {"1.3.6.1.4.1.171.11.5.1.3.1.6", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadOffSet64to79
    {"1.3.6.1.4.1.171.11.5.1.3.1.7", SimType::Octets, SimAccess::ReadWrite, "0x00000000000000", "len 0-8"}, // swACLPayloadPort
    {"1.3.6.1.4.1.171.11.5.1.3.1.8", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // swACLPayloadRowStatus
    {"1.3.6.1.4.1.171.11.5.2.1.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swACLEtherRuleProfileID
    {"1.3.6.1.4.1.171.11.5.2.1.1.2", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swACLEtherRuleAccessID
    {"1.3.6.1.4.1.171.11.5.2.1.1.3", SimType::Octets, SimAccess::ReadWrite, "", "len 0-32"}, // swACLEtherRuleVlan
    {"1.3.6.1.4.1.171.11.5.2.1.1.4", SimType::Octets, SimAccess::ReadWrite, "0x000000000000", "len 6"}, // swACLEtherRuleSrcMacAddress
    {"1.3.6.1.4.1.171.11.5.2.1.1.5", SimType::Octets, SimAccess::ReadWrite, "0x000000000000", "len 6"}, // swACLEtherRuleDstMacAddress
    {"1.3.6.1.4.1.171.11.5.2.1.1.6", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLEtherRule8021P
    {"1.3.6.1.4.1.171.11.5.2.1.1.7", SimType::Octets, SimAccess::ReadWrite, "0x0800", nullptr}, // swACLEtherRuleEtherType
    {"1.3.6.1.4.1.171.11.5.2.1.1.8", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLEtherRuleEnablePriority
    {"1.3.6.1.4.1.171.11.5.2.1.1.9", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLEtherRulePriority
    {"1.3.6.1.4.1.171.11.5.2.1.1.10", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLEtherRuleReplacePriority
    {"1.3.6.1.4.1.171.11.5.2.1.1.11", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLEtherRuleEnableReplaceDscp
    {"1.3.6.1.4.1.171.11.5.2.1.1.12", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLEtherRuleRepDscp
    {"1.3.6.1.4.1.171.11.5.2.1.1.13", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLEtherRulePermit
    {"1.3.6.1.4.1.171.11.5.2.1.1.14", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // swACLEtherRuleRowStatus
    {"1.3.6.1.4.1.171.11.5.2.2.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swACLIpRuleProfileID
    {"1.3.6.1.4.1.171.11.5.2.2.1.2", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swACLIpRuleAccessID
    {"1.3.6.1.4.1.171.11.5.2.2.1.3", SimType::Octets, SimAccess::ReadWrite, "", "len 0-32"}, // swACLIpRuleVlan
    {"1.3.6.1.4.1.171.11.5.2.2.1.4", SimType::IpAddress, SimAccess::ReadWrite, "10.90.90.0", nullptr}, // swACLIpRuleSrcIpaddress
    {"1.3.6.1.4.1.171.11.5.2.2.1.5", SimType::IpAddress, SimAccess::ReadWrite, "0.0.0.0", nullptr}, // swACLIpRuleDstIpaddress
    {"1.3.6.1.4.1.171.11.5.2.2.1.6", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLIpRuleDscp
    {"1.3.6.1.4.1.171.11.5.2.2.1.7", SimType::Integer, SimAccess::ReadOnly, "1", "1-6"}, // swACLIpRuleProtocol
    {"1.3.6.1.4.1.171.11.5.2.2.1.8", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLIpRuleType
    {"1.3.6.1.4.1.171.11.5.2.2.1.9", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLIpRuleCode
    {"1.3.6.1.4.1.171.11.5.2.2.1.10", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLIpRuleSrcPort
    {"1.3.6.1.4.1.171.11.5.2.2.1.11", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLIpRuleDstPort
    {"1.3.6.1.4.1.171.11.5.2.2.1.12", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLIpRuleProtoID
    {"1.3.6.1.4.1.171.11.5.2.2.1.13", SimType::Octets, SimAccess::ReadWrite, "0x00", nullptr}, // swACLIpRuleUserMask
    {"1.3.6.1.4.1.171.11.5.2.2.1.14", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLIpRuleEnablePriority
    {"1.3.6.1.4.1.171.11.5.2.2.1.15", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLIpRulePriority
    {"1.3.6.1.4.1.171.11.5.2.2.1.16", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLIpRuleReplacePriority
    {"1.3.6.1.4.1.171.11.5.2.2.1.17", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLIpRuleEnableReplaceDscp
    {"1.3.6.1.4.1.171.11.5.2.2.1.18", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLIpRuleRepDscp
    {"1.3.6.1.4.1.171.11.5.2.2.1.19", SimType::Integer, SimAccess::ReadWrite, "2", "1-2"}, // swACLIpRulePermit
    {"1.3.6.1.4.1.171.11.5.2.2.1.20", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // swACLIpRuleRowStatus
    {"1.3.6.1.4.1.171.11.5.2.3.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swACLPayloadRuleProfileID
    {"1.3.6.1.4.1.171.11.5.2.3.1.2", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swACLPayloadRuleAccessID
    {"1.3.6.1.4.1.171.11.5.2.3.1.3", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadRuleOffSet0to15
    {"1.3.6.1.4.1.171.11.5.2.3.1.4", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadRuleOffSet16to31
    {"1.3.6.1.4.1.171.11.5.2.3.1.5", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadRuleOffSet32to47
    {"1.3.6.1.4.1.171.11.5.2.3.1.6", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadRuleOffSet48to63
    {"1.3.6.1.4.1.171.11.5.2.3.1.7", SimType::Octets, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadRuleOffSet64to79
    {"1.3.6.1.4.1.171.11.5.2.3.1.8", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLPayloadRuleEnablePriority
    {"1.3.6.1.4.1.171.11.5.2.3.1.9", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadRulePriority
    {"1.3.6.1.4.1.171.11.5.2.3.1.10", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLPayloadRuleReplacePriority
    {"1.3.6.1.4.1.171.11.5.2.3.1.11", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLPayloadRuleEnableReplaceDscp
    {"1.3.6.1.4.1.171.11.5.2.3.1.12", SimType::Integer, SimAccess::ReadWrite, nullptr, nullptr}, // swACLPayloadRuleRepDscp
    {"1.3.6.1.4.1.171.11.5.2.3.1.13", SimType::Integer, SimAccess::ReadWrite, "1", "1-2"}, // swACLPayloadRulePermit
    {"1.3.6.1.4.1.171.11.5.2.3.1.14", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // swACLPayloadRuleRowStatus
    {"1.3.6.1.4.1.171.12.1.1.1", SimType::Integer, SimAccess::ReadOnly, "2", "1-4"}, // Agent Management Protocol
    {"1.3.6.1.4.1.171.12.1.1.2.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // Index
    {"1.3.6.1.4.1.171.12.1.1.2.1.2", SimType::Octets, SimAccess::ReadOnly, "RFC1213;2=RFC1493;3=RFC2819;4=RFC2674;5=RFC2863;6=KMV private", nullptr}, // Description
    {"1.3.6.1.4.1.171.12.1.1.2.1.3", SimType::Integer, SimAccess::ReadOnly, "1", nullptr}, // Version
    {"1.3.6.1.4.1.171.12.1.1.2.1.4", SimType::Integer, SimAccess::ReadOnly, "2;6=3", "1-4"}, // Type
    {"1.3.6.1.4.1.171.12.1.1.3", SimType::Integer, SimAccess::ReadOnly, "3", "1-3"}, // Console In Use
    {"1.3.6.1.4.1.171.12.1.1.4", SimType::Integer, SimAccess::ReadOnly, "3", "1-4"}, // Config Save Status
    {"1.3.6.1.4.1.171.12.1.1.5", SimType::Integer, SimAccess::ReadOnly, "7", "1-8"}, // File Transfer Status
    {"1.3.6.1.4.1.171.12.1.1.6.1", SimType::Integer, SimAccess::ReadOnly, "7", nullptr, SimHook::CpuLoad}, // agentCpuUtilization5SecInfo
    {"1.3.6.1.4.1.171.12.1.1.6.2", SimType::Integer, SimAccess::ReadOnly, "6", nullptr, SimHook::CpuLoad}, // agentCpuUtilization1MinInfo
    {"1.3.6.1.4.1.171.12.1.1.6.3", SimType::Integer, SimAccess::ReadOnly, "5", nullptr, SimHook::CpuLoad}, // agentCpuUtilization5MinInfo
    {"1.3.6.1.4.1.171.12.1.2.1.1.1", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr},
    {"1.3.6.1.4.1.171.12.1.2.1.1.2", SimType::Octets, SimAccess::ReadOnly, "Firmware image;2=Log file;3=Configuration file", nullptr}, // agentBscSwFileDscr
    {"1.3.6.1.4.1.171.12.1.2.1.1.3", SimType::IpAddress, SimAccess::ReadWrite, "0.0.0.0", nullptr}, // agentBscSwFileAddr
    {"1.3.6.1.4.1.171.12.1.2.1.1.4", SimType::Integer, SimAccess::ReadOnly, "2", "1-3"}, // agentBscSwFileTransferType
    {"1.3.6.1.4.1.171.12.1.2.1.1.5", SimType::Octets, SimAccess::ReadWrite, "kmv7040qx.bin;2=kmv7040qx.log;3=kmv7040qx.cfg", "len 0-64"}, // agentBscSwFile
    {"1.3.6.1.4.1.171.12.1.2.1.1.6", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // agentBscSwFileLocateId
    {"1.3.6.1.4.1.171.12.1.2.1.1.7", SimType::Integer, SimAccess::ReadWrite, "3;2=2", "2-3"}, // agentBscSwFileLoadType
    {"1.3.6.1.4.1.171.12.1.2.1.1.8", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // agentBscSwFileCtrl
    {"1.3.6.1.4.1.171.12.1.2.3", SimType::Integer, SimAccess::ReadWrite, "1", "1-3", SimHook::Reboot},
    {"1.3.6.1.4.1.171.12.1.2.4", SimType::Integer, SimAccess::ReadOnly, "2", "1-4"}, // agentRs232PortConfig
    {"1.3.6.1.4.1.171.12.1.2.6", SimType::Integer, SimAccess::ReadWrite, "2", "2-3", SimHook::SaveConfig}, // agentSaveCfg
    {"1.3.6.1.4.1.171.12.1.3.1", SimType::Integer, SimAccess::ReadOnly, "1", nullptr}, // IP Interface Num
    {"1.3.6.1.4.1.171.12.1.3.3", SimType::Integer, SimAccess::ReadWrite, "2", "2-4"}, // IP Get From
    {"1.3.6.1.4.1.171.12.1.7.1.1", SimType::Integer, SimAccess::ReadWrite, "2", "0-3"}, // systemTrapsSeverity
    {"1.3.6.1.4.1.171.12.1.7.1.2.1", SimType::Integer, SimAccess::ReadWrite, "2", "0-3"}, // systemRestartTrapSeverity
    {"1.3.6.1.4.1.171.12.1.7.1.2.2", SimType::Integer, SimAccess::ReadWrite, "2", "0-3"}, // saveToNVRAMTrapSeverity
    {"1.3.6.1.4.1.171.12.1.7.1.2.3", SimType::Integer, SimAccess::ReadWrite, "2", "0-3"}, // fileTransferStatusChangeTrapSeverity
    {"1.3.6.1.4.1.171.12.1.7.1.2.4", SimType::Integer, SimAccess::ReadWrite, "2", "0-3"}, // setToTotalDefaultTrapSeverity
    {"1.3.6.1.4.1.171.12.3.1.1", SimType::Integer, SimAccess::ReadWrite, "2", "2,4"}, // auth Protocol
    {"1.3.6.1.4.1.171.12.3.1.2", SimType::Integer, SimAccess::ReadWrite, "1", "1-3"}, // Auth Mode
    {"1.3.6.1.4.1.171.12.3.2.1", SimType::Gauge32, SimAccess::ReadWrite, "0", nullptr}, // Radius Dead Time
    {"1.3.6.1.4.1.171.12.3.2.2", SimType::Gauge32, SimAccess::ReadWrite, "5", "1-255"}, // Radius Timeout
    {"1.3.6.1.4.1.171.12.3.2.3", SimType::Gauge32, SimAccess::ReadWrite, "2", "1-255"}, // Radius Retransmit Attempts
    {"1.3.6.1.4.1.171.12.3.2.4.1.1", SimType::Integer, SimAccess::ReadOnly, "1", "1-3"}, // Radius Server Index
    {"1.3.6.1.4.1.171.12.3.2.4.1.2", SimType::IpAddress, SimAccess::ReadWrite, "10.90.90.100", nullptr}, // Radius Server IpAddr
    {"1.3.6.1.4.1.171.12.3.2.4.1.3", SimType::Octets, SimAccess::ReadWrite, "kmvsecret", "len 0-32"}, // Radius Server Key
    {"1.3.6.1.4.1.171.12.3.2.4.1.4", SimType::Gauge32, SimAccess::ReadWrite, "1812", "1-65535"}, // Radius Auth Port Number
    {"1.3.6.1.4.1.171.12.3.2.4.1.5", SimType::Gauge32, SimAccess::ReadWrite, "1813", "1-65535"}, // Radius Acct Port Number
    {"1.3.6.1.4.1.171.12.3.2.4.1.6", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // Radius Server Status
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // Agg Index
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.2", SimType::Octets, SimAccess::ReadOnly, "0x0050BA7041{x}", nullptr}, // Agg MACAddress
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.3", SimType::Integer, SimAccess::ReadWrite, "32768", "0-65535"}, // Agg Actor System Priority
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.4", SimType::Octets, SimAccess::ReadOnly, "0x0050BA704000", nullptr}, // Agg Actor System ID
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.5", SimType::Integer, SimAccess::ReadOnly, "1", "1-2"}, // Agg Aggregate Or Individual
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.6", SimType::Integer, SimAccess::ReadWrite, "{i}", nullptr}, // Agg Actor AdminKey
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.7", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // Agg Actor OperKey
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.8", SimType::Octets, SimAccess::ReadOnly, "0x000000000000", nullptr}, // Agg Partner System ID
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.9", SimType::Integer, SimAccess::ReadOnly, "0", nullptr}, // Agg Partner System Priority
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.10", SimType::Integer, SimAccess::ReadOnly, "0", nullptr}, // Agg Partner OperKey
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.11", SimType::Integer, SimAccess::ReadWrite, "0", nullptr}, // Agg Collector Max Delay
    {"1.3.6.1.4.1.171.12.4.1.1.2.1.1", SimType::Octets, SimAccess::ReadOnly, "0x00000000000F00;2-6=0x00000000000000", "len 0-8"}, // Agg Port
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // AggPort Index
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.2", SimType::Integer, SimAccess::ReadWrite, "32768", nullptr}, // AggPort Actor System Priority
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.3", SimType::Octets, SimAccess::ReadOnly, "0x0050BA704000", nullptr}, // AggPort Actor System ID
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.4", SimType::Integer, SimAccess::ReadWrite, "1", nullptr}, // AggPort Actor Admin Key
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.5", SimType::Integer, SimAccess::ReadOnly, "1", nullptr}, // AggPort Actor Oper Key
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.6", SimType::Integer, SimAccess::ReadWrite, "32768", nullptr}, // AggPort Partner Admin System Priority
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.7", SimType::Integer, SimAccess::ReadOnly, "32768", nullptr}, // AggPort Partner Oper System Priority
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.8", SimType::Octets, SimAccess::ReadWrite, "0x000000000000", "len 6"}, // AggPort Partner Admin System ID
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.9", SimType::Octets, SimAccess::ReadOnly, "0x000000000000", nullptr}, // AggPort Partner Oper System ID
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.10", SimType::Integer, SimAccess::ReadWrite, "0", nullptr}, // AggPort Partner Admin Key
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.11", SimType::Integer, SimAccess::ReadOnly, "0", nullptr}, // AggPort Partner Oper Key
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.12", SimType::Integer, SimAccess::ReadOnly, "0", nullptr}, // AggPort Selected AggID
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.13", SimType::Integer, SimAccess::ReadOnly, "0", nullptr}, // AggPort Attached AggID
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.14", SimType::Integer, SimAccess::ReadOnly, "{i}", nullptr}, // AggPort Actor Port
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.15", SimType::Integer, SimAccess::ReadWrite, "128", nullptr}, // AggPort Actor Port Priority
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.16", SimType::Integer, SimAccess::ReadWrite, "0", nullptr}, // AggPort Partner Admin Port
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.17", SimType::Integer, SimAccess::ReadOnly, "0", nullptr}, // AggPort Partner Oper Port
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.18", SimType::Integer, SimAccess::ReadWrite, "0", nullptr}, // AggPort Partner Admin Port Priority
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.19", SimType::Integer, SimAccess::ReadOnly, "0", nullptr}, // AggPort Partner Oper Port Priority
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.20", SimType::Octets, SimAccess::ReadWrite, "", "len 0-64"}, // AggPort Actor Admin State
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.21", SimType::Octets, SimAccess::ReadOnly, "", nullptr}, // AggPort Actor Oper State
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.22", SimType::Octets, SimAccess::ReadWrite, "", "len 0-64"}, // AggPort Partner Admin State
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.23", SimType::Octets, SimAccess::ReadOnly, "", nullptr}, // AggPort Partner Oper State
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.24", SimType::Integer, SimAccess::ReadOnly, "2", "1-2"}, // AggPort Aggregate Or Individual
    {"1.3.6.1.4.1.171.12.4.1.2.2.1.1", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPortStats LAC PDUs Rx
    {"1.3.6.1.4.1.171.12.4.1.2.2.1.2", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPortStats Marker PDUs Rx
    {"1.3.6.1.4.1.171.12.4.1.2.2.1.3", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPortStats Marker Response PDUs Rx
    {"1.3.6.1.4.1.171.12.4.1.2.2.1.4", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPortStats Unknown Rx
    {"1.3.6.1.4.1.171.12.4.1.2.2.1.5", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPortStats Illegal Rx
    {"1.3.6.1.4.1.171.12.4.1.2.2.1.6", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPortStats LAC PDUs Tx
    {"1.3.6.1.4.1.171.12.4.1.2.2.1.7", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPortStats Marker PDUs Tx
    {"1.3.6.1.4.1.171.12.4.1.2.2.1.8", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPortStats Marker Response PDUs Tx
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.1", SimType::Integer, SimAccess::ReadOnly, "5", "1-6"}, // AggPort Debug Rx State
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.2", SimType::TimeTicks, SimAccess::ReadOnly, nullptr, nullptr}, // AggPort Debug Last Rx Time
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.3", SimType::Integer, SimAccess::ReadOnly, "1", "1-6"}, // AggPort Debug Mux State
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.4", SimType::Octets, SimAccess::ReadOnly, "", nullptr}, // AggPort Debug Mux Reason
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.5", SimType::Integer, SimAccess::ReadOnly, "1", "1-3"}, // AggPort Debug Actor Churn State
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.6", SimType::Integer, SimAccess::ReadOnly, "1", "1-3"}, // AggPort Debug Partner Churn State
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.7", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPort Debug Actor Churn Count
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.8", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPort Debug Partner Churn Count
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.9", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPort Debug Actor Sync Transition Count
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.10", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPort Debug Partner Sync Transition Count
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.11", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPort Debug Actor Change Count
    {"1.3.6.1.4.1.171.12.4.1.2.3.1.12", SimType::Counter32, SimAccess::ReadOnly, nullptr, nullptr, SimHook::Counter}, // AggPort Debug Partner Change Count
    {"1.3.6.1.4.1.171.12.6.1.1", SimType::Integer, SimAccess::ReadOnly, "2", nullptr}, // Version
    {"1.3.6.1.4.1.171.12.6.1.2", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Admin
    {"1.3.6.1.4.1.171.12.6.1.3", SimType::Integer, SimAccess::ReadWrite, "2", "2-20"}, // Max Auth Fail Attempts
    {"1.3.6.1.4.1.171.12.6.1.4", SimType::Integer, SimAccess::ReadWrite, "0", "0,10,30,60"}, // Session Key Rekeying
    {"1.3.6.1.4.1.171.12.6.1.5", SimType::Integer, SimAccess::ReadWrite, "8", "1-8"}, // Max Session
    {"1.3.6.1.4.1.171.12.6.1.6", SimType::Integer, SimAccess::ReadWrite, "120", "120-600"}, // Connection Timeout
    {"1.3.6.1.4.1.171.12.6.1.7", SimType::Integer, SimAccess::ReadWrite, "22", "1-65535"}, // Listened Port
    {"1.3.6.1.4.1.171.12.6.3.1.1", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // 3DES Admin
    {"1.3.6.1.4.1.171.12.6.3.1.2", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Blow fish Admin
    {"1.3.6.1.4.1.171.12.6.3.1.3", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // AES128 Admin
    {"1.3.6.1.4.1.171.12.6.3.1.4", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // AES192 Admin
    {"1.3.6.1.4.1.171.12.6.3.1.5", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // AES256 Admin
    {"1.3.6.1.4.1.171.12.6.3.1.6", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Arcfour Admin
    {"1.3.6.1.4.1.171.12.6.3.1.7", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // CAST28 Admin
    {"1.3.6.1.4.1.171.12.6.3.1.8", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Two fish128 Admin
    {"1.3.6.1.4.1.171.12.6.3.1.9", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Two fish192 Admin
    {"1.3.6.1.4.1.171.12.6.3.1.10", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Two fish256 Admin
    {"1.3.6.1.4.1.171.12.6.3.2.1", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Password Admin
    {"1.3.6.1.4.1.171.12.6.3.2.2", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Pub Key Admin
    {"1.3.6.1.4.1.171.12.6.3.2.3", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // Host Key Admin
    {"1.3.6.1.4.1.171.12.6.3.3.1", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // SHA1 Admin
    {"1.3.6.1.4.1.171.12.6.3.3.2", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // MD5 Admin
    {"1.3.6.1.4.1.171.12.6.3.5.1", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // RSA Admin
    {"1.3.6.1.4.1.171.12.6.3.5.2", SimType::Integer, SimAccess::ReadWrite, "3", "2-3"}, // DSA Admin
    {"1.3.6.1.4.1.171.12.10.1", SimType::Octets, SimAccess::ReadOnly, "0x03", nullptr}, // Time Capacity
    {"1.3.6.1.4.1.171.12.10.3", SimType::Integer, SimAccess::ReadOnly, "2", "1-2"}, // Clock Lost On Reboot
    {"1.3.6.1.4.1.171.12.10.10.1", SimType::Octets, SimAccess::ReadOnly, "", nullptr, SimHook::TimeText}, // System Current Time
    {"1.3.6.1.4.1.171.12.10.10.2", SimType::Octets, SimAccess::ReadOnly, "", nullptr, SimHook::UpTimeText}, // System Up Time
    {"1.3.6.1.4.1.171.12.10.10.3", SimType::Octets, SimAccess::ReadOnly, "", nullptr, SimHook::BootTimeText}, // System Boot Time
    {"1.3.6.1.4.1.171.12.10.10.4", SimType::Integer, SimAccess::ReadWrite, "0", "-720-780"}, // System TimeZone
    {"1.3.6.1.4.1.171.12.10.11.1", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // SNTP State
    {"1.3.6.1.4.1.171.12.10.11.2", SimType::Integer, SimAccess::ReadOnly, "0", "0-2"}, // SNTP Time Source
    {"1.3.6.1.4.1.171.12.10.11.3", SimType::IpAddress, SimAccess::ReadWrite, nullptr, nullptr}, // SNTP Server1 IPAddr
    {"1.3.6.1.4.1.171.12.10.11.4", SimType::IpAddress, SimAccess::ReadWrite, nullptr, nullptr}, // SNTP Server2 IPAddr
    {"1.3.6.1.4.1.171.12.10.11.5", SimType::Integer, SimAccess::ReadWrite, "720", "30-99999"}, // SNTP Poll Interval
    {"1.3.6.1.4.1.171.12.10.12.1", SimType::Integer, SimAccess::ReadWrite, "1", "0-2"}, // Summer Time Status
    {"1.3.6.1.4.1.171.12.10.12.2", SimType::Integer, SimAccess::ReadWrite, "60", "30,60"}, // Summer Time Offset
    {"1.3.6.1.4.1.171.12.10.12.3", SimType::Octets, SimAccess::ReadWrite, "0x000001030200", "len 6"}, // Repeat Summer Time Start
    {"1.3.6.1.4.1.171.12.10.12.4", SimType::Octets, SimAccess::ReadWrite, "0x0000010A0300", "len 6"}, // Repeat Summer Time End
    {"1.3.6.1.4.1.171.12.10.12.5", SimType::Octets, SimAccess::ReadWrite, "0x1D030200", "len 4"}, // Annual Summer Time Start
    {"1.3.6.1.4.1.171.12.10.12.6", SimType::Octets, SimAccess::ReadWrite, "0x190A0300", "len 4"}, // Annual Summer Time End
    {"1.3.6.1.4.1.171.12.11.1.1", SimType::Octets, SimAccess::ReadOnly, "0x0101", nullptr}, // swQuorvaneEquipmentCapacity
    {"1.3.6.1.4.1.171.12.11.1.6.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swPowerUnitIndex
    {"1.3.6.1.4.1.171.12.11.1.6.1.2", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swPowerID
    {"1.3.6.1.4.1.171.12.11.1.6.1.3", SimType::Integer, SimAccess::ReadOnly, "3", "0,3-6"}, // swPowerStatus
    {"1.3.6.1.4.1.171.12.12.1", SimType::Integer, SimAccess::ReadWrite, "2", "2-3"}, // Syslog Global State
    {"1.3.6.1.4.1.171.12.12.2.1.1", SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr}, // swSysLogServerIndex
    {"1.3.6.1.4.1.171.12.12.2.1.2", SimType::Integer, SimAccess::ReadWrite, "7", "0-7"}, // swSysLogServerFacility
    {"1.3.6.1.4.1.171.12.12.2.1.3", SimType::Integer, SimAccess::ReadWrite, "2", "1-3"}, // swSysLogServerSeverity
    {"1.3.6.1.4.1.171.12.12.2.1.4", SimType::Integer, SimAccess::ReadWrite, "514", "1-65535"}, // swSysLogServerUDPPort
    {"1.3.6.1.4.1.171.12.12.2.1.5", SimType::IpAddress, SimAccess::ReadWrite, nullptr, nullptr}, // swSysLogServerIPAddress
    {"1.3.6.1.4.1.171.12.12.2.1.6", SimType::Integer, SimAccess::ReadWrite, "3", "1-3"}, // swSysLogServerState
    {"1.3.6.1.4.1.171.12.12.2.1.7", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // swSysLogServerRowStatus
    {"1.3.6.1.4.1.171.99.1.1", SimType::Integer, SimAccess::ReadWrite, "0", "0-100", SimHook::SimControl},
    {"1.3.6.1.4.1.171.99.1.2", SimType::Integer, SimAccess::ReadWrite, "0", "0-60000", SimHook::SimControl},
    {"1.3.6.1.4.1.171.99.1.3", SimType::Integer, SimAccess::ReadWrite, "0", "0-3600", SimHook::SimControl},
    {"1.3.6.1.4.1.171.99.1.4", SimType::Integer, SimAccess::ReadWrite, "2", "1-2", SimHook::SimControl},
    {"1.3.6.1.4.1.171.99.1.5", SimType::Integer, SimAccess::ReadWrite, "1", "1-2", SimHook::SimControl},
    {"1.3.6.1.6.3.18.1.1.1.1", SimType::Octets, SimAccess::ReadOnly, "", nullptr}, // Index
    {"1.3.6.1.6.3.18.1.1.1.2", SimType::Octets, SimAccess::ReadWrite, "corvet", "len 0-32"}, // Name
    {"1.3.6.1.6.3.18.1.1.1.3", SimType::Octets, SimAccess::ReadWrite, "corvet", "len 0-32"}, // Security Name
    {"1.3.6.1.6.3.18.1.1.1.4", SimType::Octets, SimAccess::ReadWrite, "", nullptr}, // Context Engine ID
    {"1.3.6.1.6.3.18.1.1.1.5", SimType::Octets, SimAccess::ReadWrite, "", "len 0-32"}, // Context Name
    {"1.3.6.1.6.3.18.1.1.1.6", SimType::Octets, SimAccess::ReadWrite, "", "len 0-255"}, // Transport Tag
    {"1.3.6.1.6.3.18.1.1.1.7", SimType::Integer, SimAccess::ReadWrite, "3", "1-5"}, // Storage Type
    {"1.3.6.1.6.3.18.1.1.1.8", SimType::Integer, SimAccess::ReadWrite, "1", "1-6"}, // Status
    {"1.3.6.1.6.3.18.1.2.1.1", SimType::Octets, SimAccess::ReadWrite, "", "len 0-255"}, // Target Addr TMask
    {"1.3.6.1.6.3.18.1.2.1.2", SimType::Integer, SimAccess::ReadWrite, "484", nullptr}, // Target Addr MMS
    {nullptr, SimType::Integer, SimAccess::ReadOnly, nullptr, nullptr},
};

constexpr SimTableDef kTables[] = {
    {"1.3.6.1.2.1.2.2.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.31.1.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.4.20.1", "ip", "10.90.90.90;192.168.10.1", 0, SimRowControl::None},
    {"1.3.6.1.2.1.4.21.1", "ip", "0.0.0.0;10.90.90.0;10.90.91.7;172.16.0.0;192.168.10.0;192.168.20.0", 0, SimRowControl::None},
    {"1.3.6.1.2.1.10.7.2.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.16.1.1.1", "int", "1-50", 21, SimRowControl::EntryStatus},
    {"1.3.6.1.2.1.16.2.1.1", "int", "", 7, SimRowControl::EntryStatus},
    {"1.3.6.1.2.1.16.2.2.1", "int int", "", 0, SimRowControl::None},
    {"1.3.6.1.2.1.16.3.1.1", "int", "1", 12, SimRowControl::EntryStatus},
    {"1.3.6.1.2.1.16.9.1.1", "int", "1;2", 7, SimRowControl::EntryStatus},
    {"1.3.6.1.2.1.16.9.2.1", "int int", "", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.1.4.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.2.15.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.4.4.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.6.1.1.4.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.6.1.2.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.6.1.2.2.1", "int int", "1-50 0-7", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.6.1.2.3.1", "int int", "1-50 0-7", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.6.1.2.4.1", "int int", "1-50 0-7", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.6.1.3.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.6.1.4.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.7.1.2.1.1", "int", "1", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.7.1.2.2.1", "int mac", "1 0050BA112201;1 0050BA112202;1 0050BA112203;2 0050BA1122A0", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.7.1.3.1.1", "int mac int", "1 0050BA3300A1 0", 4, SimRowControl::ValidInvalid},
    {"1.3.6.1.2.1.17.7.1.3.2.1", "int mac int", "", 5, SimRowControl::ValidInvalid},
    {"1.3.6.1.2.1.17.7.1.4.2.1", "int int", "0 1;0 2;0 100;0 200", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.7.1.4.3.1", "int", "1;2;100;200", 5, SimRowControl::RowStatus},
    {"1.3.6.1.2.1.17.7.1.4.5.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.2.1.47.1.1.1.1", "int", "1-5", 0, SimRowControl::None},
    {"1.3.6.1.2.1.47.1.2.1.1", "int", "1", 0, SimRowControl::None},
    {"1.3.6.1.2.1.47.1.3.1.1", "int int", "1 1", 0, SimRowControl::None},
    {"1.3.6.1.2.1.47.1.3.2.1", "int int", "4 0;5 0", 0, SimRowControl::None},
    {"1.3.6.1.2.1.47.1.3.3.1", "int int", "1 2;1 3;1 4;1 5", 0, SimRowControl::None},
    {"1.0.8802.1.1.1.1.1.2.1", "int", "1-50", 0, SimRowControl::None},
    {"1.0.8802.1.1.1.1.2.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.0.8802.1.1.1.1.2.2.1", "int", "1-50", 0, SimRowControl::None},
    {"1.0.8802.1.1.1.1.2.3.1", "int", "1-50", 0, SimRowControl::None},
    {"1.0.8802.1.1.1.1.2.4.1", "int", "1-50", 0, SimRowControl::None},
    {"1.0.8802.1.1.1.1.3.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.0.8802.1.1.1.1.3.2.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.2.3.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.2.3.2.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.2.7.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.2.9.3.1", "int", "1", 8, SimRowControl::RowStatus},
    {"1.3.6.1.4.1.171.11.2.11.3.1", "int", "1;2", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.2.11.4.1", "int", "1;2", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.2.11.5.1", "int ip", "1 239.1.1.1;1 239.1.1.2", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.2.13.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.2.14.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.3.2.1.1.1", "ip", "10.90.90.90", 8, SimRowControl::RowStatus},
    {"1.3.6.1.4.1.171.11.3.2.2.1.1", "ip", "10.90.90.0;192.168.10.0", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.11.3.2.5.1", "ip ip int", "0.0.0.0 0.0.0.0 1", 6, SimRowControl::ValidInvalid},
    {"1.3.6.1.4.1.171.11.5.1.1.1", "int", "1", 9, SimRowControl::RowStatus},
    {"1.3.6.1.4.1.171.11.5.1.2.1", "int", "2", 17, SimRowControl::RowStatus},
    {"1.3.6.1.4.1.171.11.5.1.3.1", "int", "", 8, SimRowControl::RowStatus},
    {"1.3.6.1.4.1.171.11.5.2.1.1", "int int", "1 1", 14, SimRowControl::RowStatus},
    {"1.3.6.1.4.1.171.11.5.2.2.1", "int int", "2 1", 20, SimRowControl::RowStatus},
    {"1.3.6.1.4.1.171.11.5.2.3.1", "int int", "", 14, SimRowControl::RowStatus},
    {"1.3.6.1.4.1.171.12.1.1.2.1", "int", "1-6", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.12.1.2.1.1", "int", "1-3", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.12.3.2.4.1", "int", "1", 6, SimRowControl::RowStatus},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1", "int", "1-6", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.12.4.1.1.2.1", "int", "1-6", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.12.4.1.2.2.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.12.4.1.2.3.1", "int", "1-50", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.12.11.1.6.1", "int int", "1 1;1 2", 0, SimRowControl::None},
    {"1.3.6.1.4.1.171.12.12.2.1", "int", "", 7, SimRowControl::RowStatus},
    {"1.3.6.1.6.3.18.1.1.1", "str*", "'corvet';'lanmore'", 8, SimRowControl::RowStatus},
    {"1.3.6.1.6.3.18.1.2.1", "str*", "", 0, SimRowControl::None},
    {nullptr, nullptr, nullptr, 0, SimRowControl::None},
};

// Subtrees whose objects this program serves; everything else belongs to the library's modules.
constexpr const char *kSubtrees[] = {
    "1.3.6.1.2.1.2", "1.3.6.1.2.1.4", "1.3.6.1.2.1.5", "1.3.6.1.2.1.7", "1.3.6.1.2.1.10.7", "1.3.6.1.2.1.16",
    "1.3.6.1.2.1.17", "1.3.6.1.2.1.31", "1.3.6.1.2.1.47", "1.0.8802.1.1.1", "1.3.6.1.4.1.171", "1.3.6.1.6.3.18",
    nullptr,
};

} // namespace

namespace {

// The lists above followed by those of the routing groups, ended by the first list's null record.
template <typename T>
std::vector<T> joined(const T *first, const T *second, bool (*isEnd)(const T &))
{
    std::vector<T> all;
    for (const T *p = first; !isEnd(*p); ++p)
        all.push_back(*p);
    const T *p = second;
    for (; !isEnd(*p); ++p)
        all.push_back(*p);
    all.push_back(*p);
    return all;
}

} // namespace

const SimObjectDef *simObjects()
{
    static const std::vector<SimObjectDef> all =
        joined<SimObjectDef>(kObjects, simRoutingObjects(), [](const SimObjectDef &d) { return !d.oid; });
    return all.data();
}

const SimTableDef *simTables()
{
    static const std::vector<SimTableDef> all =
        joined<SimTableDef>(kTables, simRoutingTables(), [](const SimTableDef &d) { return !d.entry; });
    return all.data();
}

const char *const *simSubtrees()
{
    static const std::vector<const char *> all =
        joined<const char *>(kSubtrees, simRoutingSubtrees(), [](const char *const &s) { return !s; });
    return all.data();
}
