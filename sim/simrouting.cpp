#include "simrouting.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using A = SimAccess;
using T = SimType;

constexpr SimObjectDef kObjects[] = {
    // CIDR routes
    {"1.3.6.1.2.1.4.24.3", T::Gauge32, A::ReadOnly, "0", nullptr}, // ipCidrRouteNumber
    {"1.3.6.1.2.1.4.24.4.1.5", T::Integer, A::ReadWrite, "0", "0-2147483647"}, // IfIndex
    {"1.3.6.1.2.1.4.24.4.1.6", T::Integer, A::ReadWrite, "4", "1-4"}, // Type
    {"1.3.6.1.2.1.4.24.4.1.7", T::Integer, A::ReadOnly, "3", "1-16"}, // Proto
    {"1.3.6.1.2.1.4.24.4.1.8", T::Integer, A::ReadOnly, "0", nullptr}, // Age
    {"1.3.6.1.2.1.4.24.4.1.9", T::ObjectId, A::ReadWrite, "0.0", nullptr}, // Info
    {"1.3.6.1.2.1.4.24.4.1.10", T::Integer, A::ReadWrite, "0", nullptr}, // NextHopAS
    {"1.3.6.1.2.1.4.24.4.1.11", T::Integer, A::ReadWrite, "1", nullptr}, // Metric1
    {"1.3.6.1.2.1.4.24.4.1.12", T::Integer, A::ReadWrite, "-1", nullptr},
    {"1.3.6.1.2.1.4.24.4.1.13", T::Integer, A::ReadWrite, "-1", nullptr},
    {"1.3.6.1.2.1.4.24.4.1.14", T::Integer, A::ReadWrite, "-1", nullptr},
    {"1.3.6.1.2.1.4.24.4.1.15", T::Integer, A::ReadWrite, "-1", nullptr},
    {"1.3.6.1.2.1.4.24.4.1.16", T::Integer, A::ReadWrite, "1", "1-6"}, // Status
    // ARP cache
    {"1.3.6.1.2.1.4.22.1.1", T::Integer, A::ReadOnly, "{i}", nullptr}, // IfIndex
    {"1.3.6.1.2.1.4.22.1.2", T::Octets, A::ReadWrite, "0x000000000000", "len 6"}, // PhysAddress
    {"1.3.6.1.2.1.4.22.1.4", T::Integer, A::ReadWrite, "3", "1-4"}, // Type
    // OSPF general group
    {"1.3.6.1.2.1.14.1.1", T::IpAddress, A::ReadWrite, "10.90.90.90", nullptr},
    {"1.3.6.1.2.1.14.1.2", T::Integer, A::ReadWrite, "1", "1-2"},
    {"1.3.6.1.2.1.14.1.3", T::Integer, A::ReadOnly, "2", nullptr},
    {"1.3.6.1.2.1.14.1.4", T::Integer, A::ReadOnly, "1", nullptr},
    {"1.3.6.1.2.1.14.1.5", T::Integer, A::ReadWrite, "2", "1-2"},
    {"1.3.6.1.2.1.14.1.6", T::Gauge32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.1.7", T::Integer, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.1.8", T::Integer, A::ReadWrite, "2", "1-2"},
    {"1.3.6.1.2.1.14.1.9", T::Counter32, A::ReadOnly, "57", nullptr},
    {"1.3.6.1.2.1.14.1.10", T::Counter32, A::ReadOnly, "1184", nullptr},
    {"1.3.6.1.2.1.14.1.11", T::Integer, A::ReadWrite, "-1", nullptr},
    {"1.3.6.1.2.1.14.1.12", T::Integer, A::ReadWrite, "0", nullptr},
    {"1.3.6.1.2.1.14.1.13", T::Integer, A::ReadWrite, "0", nullptr},
    {"1.3.6.1.2.1.14.1.14", T::Integer, A::ReadWrite, "2", "1-2"},
    // OSPF areas
    {"1.3.6.1.2.1.14.2.1.1", T::IpAddress, A::ReadOnly, "{ip}", nullptr},
    {"1.3.6.1.2.1.14.2.1.3", T::Integer, A::ReadWrite, "1", "1-3"},
    {"1.3.6.1.2.1.14.2.1.4", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.2.1.5", T::Gauge32, A::ReadOnly, "1", nullptr},
    {"1.3.6.1.2.1.14.2.1.6", T::Gauge32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.2.1.7", T::Gauge32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.2.1.8", T::Integer, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.2.1.9", T::Integer, A::ReadWrite, "2", "1-2"},
    {"1.3.6.1.2.1.14.2.1.10", T::Integer, A::ReadWrite, "1", "1-6"},
    // OSPF link-state database
    {"1.3.6.1.2.1.14.4.1.1", T::IpAddress, A::ReadOnly, "{ip}", nullptr},
    {"1.3.6.1.2.1.14.4.1.2", T::Integer, A::ReadOnly, "1", nullptr},
    {"1.3.6.1.2.1.14.4.1.3", T::IpAddress, A::ReadOnly, nullptr, nullptr},
    {"1.3.6.1.2.1.14.4.1.4", T::IpAddress, A::ReadOnly, nullptr, nullptr},
    {"1.3.6.1.2.1.14.4.1.5", T::Integer, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.4.1.6", T::Integer, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.4.1.7", T::Integer, A::ReadOnly, "0", nullptr},
    // OSPF interfaces
    {"1.3.6.1.2.1.14.7.1.1", T::IpAddress, A::ReadOnly, "{ip}", nullptr},
    {"1.3.6.1.2.1.14.7.1.2", T::Integer, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.7.1.3", T::IpAddress, A::ReadWrite, "0.0.0.0", nullptr},
    {"1.3.6.1.2.1.14.7.1.4", T::Integer, A::ReadWrite, "1", "1-3,5"},
    {"1.3.6.1.2.1.14.7.1.5", T::Integer, A::ReadWrite, "1", "1-2"},
    {"1.3.6.1.2.1.14.7.1.6", T::Integer, A::ReadWrite, "1", "0-255"},
    {"1.3.6.1.2.1.14.7.1.7", T::Integer, A::ReadWrite, "1", "0-3600"},
    {"1.3.6.1.2.1.14.7.1.8", T::Integer, A::ReadWrite, "5", "0-3600"},
    {"1.3.6.1.2.1.14.7.1.9", T::Integer, A::ReadWrite, "10", "1-65535"},
    {"1.3.6.1.2.1.14.7.1.10", T::Integer, A::ReadWrite, "40", "0-2147483647"},
    {"1.3.6.1.2.1.14.7.1.11", T::Integer, A::ReadWrite, "120", "0-2147483647"},
    {"1.3.6.1.2.1.14.7.1.12", T::Integer, A::ReadOnly, "1", nullptr},
    {"1.3.6.1.2.1.14.7.1.13", T::IpAddress, A::ReadOnly, "0.0.0.0", nullptr},
    {"1.3.6.1.2.1.14.7.1.14", T::IpAddress, A::ReadOnly, "0.0.0.0", nullptr},
    {"1.3.6.1.2.1.14.7.1.15", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.7.1.16", T::Octets, A::ReadWrite, "", "len 0-8"},
    {"1.3.6.1.2.1.14.7.1.17", T::Integer, A::ReadWrite, "1", "1-6"},
    {"1.3.6.1.2.1.14.7.1.20", T::Integer, A::ReadWrite, "0", "0-255"},
    // OSPF neighbours
    {"1.3.6.1.2.1.14.10.1.1", T::IpAddress, A::ReadOnly, "{ip}", nullptr},
    {"1.3.6.1.2.1.14.10.1.2", T::Integer, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.10.1.3", T::IpAddress, A::ReadOnly, "{ip}", nullptr},
    {"1.3.6.1.2.1.14.10.1.4", T::Integer, A::ReadOnly, "2", nullptr},
    {"1.3.6.1.2.1.14.10.1.5", T::Integer, A::ReadWrite, "1", "0-255"},
    {"1.3.6.1.2.1.14.10.1.6", T::Integer, A::ReadOnly, "8", nullptr},
    {"1.3.6.1.2.1.14.10.1.7", T::Counter32, A::ReadOnly, "6", nullptr},
    {"1.3.6.1.2.1.14.10.1.8", T::Gauge32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.14.10.1.9", T::Integer, A::ReadWrite, "1", "1-6"},
    {"1.3.6.1.2.1.14.10.1.10", T::Integer, A::ReadOnly, "1", nullptr},
    {"1.3.6.1.2.1.14.10.1.11", T::Integer, A::ReadOnly, "2", nullptr},
    // Bridge: forwarding database and static filtering
    {"1.3.6.1.2.1.17.4.3.1.1", T::Octets, A::ReadOnly, nullptr, nullptr},
    {"1.3.6.1.2.1.17.4.3.1.2", T::Integer, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.17.4.3.1.3", T::Integer, A::ReadOnly, "3", nullptr},
    {"1.3.6.1.2.1.17.5.1.1.3", T::Octets, A::ReadWrite, "0xFFFFFFFFFFFFC0", "len 0-7"},
    {"1.3.6.1.2.1.17.5.1.1.4", T::Integer, A::ReadWrite, "3", "1-5"},
    // RIP-2
    {"1.3.6.1.2.1.23.1.1", T::Counter32, A::ReadOnly, "214", nullptr},
    {"1.3.6.1.2.1.23.1.2", T::Counter32, A::ReadOnly, "9", nullptr},
    {"1.3.6.1.2.1.23.2.1.1", T::IpAddress, A::ReadOnly, "{ip}", nullptr},
    {"1.3.6.1.2.1.23.2.1.2", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.23.2.1.3", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.23.2.1.4", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.23.2.1.5", T::Integer, A::ReadWrite, "1", "1-6"},
    {"1.3.6.1.2.1.23.3.1.1", T::IpAddress, A::ReadOnly, "{ip}", nullptr},
    {"1.3.6.1.2.1.23.3.1.2", T::Octets, A::ReadWrite, "0x0000", "len 2"},
    {"1.3.6.1.2.1.23.3.1.3", T::Integer, A::ReadWrite, "1", "1-3"},
    {"1.3.6.1.2.1.23.3.1.4", T::Octets, A::ReadWrite, "", "len 0-16"},
    {"1.3.6.1.2.1.23.3.1.5", T::Integer, A::ReadWrite, "4", "1-6"},
    {"1.3.6.1.2.1.23.3.1.6", T::Integer, A::ReadWrite, "3", "1-4"},
    {"1.3.6.1.2.1.23.3.1.7", T::Integer, A::ReadWrite, "1", "0-15"},
    {"1.3.6.1.2.1.23.3.1.8", T::Integer, A::ReadWrite, "1", "1-6"},
    {"1.3.6.1.2.1.23.3.1.9", T::IpAddress, A::ReadWrite, "{ip}", nullptr},
    // Interface stack
    {"1.3.6.1.2.1.31.1.2.1.3", T::Integer, A::ReadWrite, "1", "1-6"},
    // IP multicast routing
    {"1.3.6.1.2.1.83.1.1.1", T::Integer, A::ReadWrite, "1", "1-2"},
    {"1.3.6.1.2.1.83.1.1.7", T::Gauge32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.4", T::IpAddress, A::ReadOnly, "0.0.0.0", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.5", T::Integer, A::ReadOnly, "1", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.6", T::TimeTicks, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.7", T::TimeTicks, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.8", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.9", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.10", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.11", T::Integer, A::ReadOnly, "8", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.12", T::Integer, A::ReadOnly, "13", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.13", T::IpAddress, A::ReadOnly, "0.0.0.0", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.14", T::IpAddress, A::ReadOnly, "0.0.0.0", nullptr},
    {"1.3.6.1.2.1.83.1.1.2.1.15", T::Integer, A::ReadOnly, "2", nullptr},
    // PIM
    {"1.3.6.1.3.61.1.1.1", T::Integer, A::ReadWrite, "60", "0-65535"},
    {"1.3.6.1.3.61.1.1.2.1.2", T::IpAddress, A::ReadOnly, "0.0.0.0", nullptr},
    {"1.3.6.1.3.61.1.1.2.1.3", T::IpAddress, A::ReadOnly, "255.255.255.0", nullptr},
    {"1.3.6.1.3.61.1.1.2.1.4", T::Integer, A::ReadWrite, "2", "1-3"},
    {"1.3.6.1.3.61.1.1.2.1.5", T::IpAddress, A::ReadOnly, "0.0.0.0", nullptr},
    {"1.3.6.1.3.61.1.1.2.1.6", T::Integer, A::ReadWrite, "30", "0-65535"},
    {"1.3.6.1.3.61.1.1.2.1.7", T::Integer, A::ReadWrite, "1", "1-6"},
    {"1.3.6.1.3.61.1.1.2.1.8", T::Integer, A::ReadWrite, "60", "0-65535"},
    {"1.3.6.1.3.61.1.1.3.1.2", T::Integer, A::ReadOnly, "1", nullptr},
    {"1.3.6.1.3.61.1.1.3.1.3", T::TimeTicks, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.61.1.1.3.1.4", T::TimeTicks, A::ReadOnly, "10500", nullptr},
    {"1.3.6.1.3.61.1.1.3.1.5", T::Integer, A::ReadOnly, "2", nullptr},
    {"1.3.6.1.3.61.1.1.6.1.4", T::Integer, A::ReadOnly, "150", nullptr},
    {"1.3.6.1.3.61.1.1.6.1.5", T::TimeTicks, A::ReadOnly, "12000", nullptr},
    // DVMRP
    {"1.3.6.1.3.62.1.1.1", T::Octets, A::ReadOnly, "3.255", nullptr},
    {"1.3.6.1.3.62.1.1.2", T::Integer, A::ReadOnly, "1407", nullptr},
    {"1.3.6.1.3.62.1.1.3", T::Gauge32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.62.1.1.4", T::Gauge32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.62.1.2.1.2", T::IpAddress, A::ReadWrite, "0.0.0.0", nullptr},
    {"1.3.6.1.3.62.1.2.1.3", T::Integer, A::ReadWrite, "1", "1-31"},
    {"1.3.6.1.3.62.1.2.1.4", T::Integer, A::ReadWrite, "1", "1-6"},
    {"1.3.6.1.3.62.1.2.1.5", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.62.1.2.1.6", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.62.1.2.1.7", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.62.1.3.1.3", T::TimeTicks, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.62.1.3.1.4", T::TimeTicks, A::ReadOnly, "3500", nullptr},
    {"1.3.6.1.3.62.1.3.1.5", T::Integer, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.62.1.3.1.6", T::Integer, A::ReadOnly, "3", nullptr},
    {"1.3.6.1.3.62.1.3.1.7", T::Integer, A::ReadOnly, "255", nullptr},
    {"1.3.6.1.3.62.1.3.1.8", T::Octets, A::ReadOnly, "0x70", nullptr},
    {"1.3.6.1.3.62.1.3.1.9", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.62.1.3.1.10", T::Counter32, A::ReadOnly, "0", nullptr},
    {"1.3.6.1.3.62.1.3.1.12", T::Integer, A::ReadOnly, "2", nullptr},
    {"1.3.6.1.3.62.1.4.1.3", T::IpAddress, A::ReadOnly, "0.0.0.0", nullptr},
    {"1.3.6.1.3.62.1.4.1.4", T::Integer, A::ReadOnly, "1", nullptr},
    {"1.3.6.1.3.62.1.4.1.5", T::Integer, A::ReadOnly, "1", nullptr},
    {"1.3.6.1.3.62.1.4.1.6", T::TimeTicks, A::ReadOnly, "12000", nullptr},
    {"1.3.6.1.3.62.1.4.1.7", T::TimeTicks, A::ReadOnly, "0", nullptr},
    {nullptr, T::Integer, A::ReadOnly, nullptr, nullptr},
};

constexpr SimTableDef kTables[] = {
    {"1.3.6.1.2.1.4.24.4.1", "ip ip int ip", "", 16, SimRowControl::RowStatus},
    {"1.3.6.1.2.1.4.22.1", "int ip", "", 4, SimRowControl::ValidInvalid},
    {"1.3.6.1.2.1.14.2.1", "ip", "0.0.0.0;0.0.0.1", 10, SimRowControl::RowStatus},
    {"1.3.6.1.2.1.14.4.1", "ip int ip ip", "", 0, SimRowControl::None},
    {"1.3.6.1.2.1.14.7.1", "ip int", "10.90.90.90 0;192.168.10.1 0;192.168.20.1 0", 17, SimRowControl::RowStatus},
    {"1.3.6.1.2.1.14.10.1", "ip int",
     "10.90.90.1 0;10.90.90.2 0;192.168.10.2 0;192.168.10.3 0;192.168.20.2 0", 9, SimRowControl::RowStatus},
    {"1.3.6.1.2.1.17.4.3.1", "mac", "", 0, SimRowControl::None},
    {"1.3.6.1.2.1.17.5.1.1", "mac int", "0050BA000001 0;0050BA000002 5", 4, SimRowControl::ValidInvalid},
    {"1.3.6.1.2.1.23.2.1", "ip", "10.90.90.90;192.168.10.1", 5, SimRowControl::RowStatus},
    {"1.3.6.1.2.1.23.3.1", "ip", "10.90.90.90;192.168.10.1", 8, SimRowControl::RowStatus},
    {"1.3.6.1.2.1.31.1.2.1", "int int", "", 3, SimRowControl::RowStatus},
    {"1.3.6.1.2.1.83.1.1.2.1", "ip ip ip", "", 0, SimRowControl::None},
    {"1.3.6.1.3.61.1.1.2.1", "int", "1;2;3", 7, SimRowControl::RowStatus},
    {"1.3.6.1.3.61.1.1.3.1", "ip", "10.90.90.7;192.168.10.7;192.168.20.9", 0, SimRowControl::None},
    {"1.3.6.1.3.61.1.1.6.1", "int ip ip ip",
     "1 224.0.0.0 240.0.0.0 10.90.90.1;1 239.0.0.0 255.0.0.0 192.168.10.2", 0, SimRowControl::None},
    {"1.3.6.1.3.62.1.2.1", "int", "1;2", 4, SimRowControl::RowStatus},
    {"1.3.6.1.3.62.1.3.1", "int ip", "1 10.90.90.5;2 192.168.10.7", 0, SimRowControl::None},
    {"1.3.6.1.3.62.1.4.1", "ip ip", "", 0, SimRowControl::None},
    {nullptr, nullptr, nullptr, 0, SimRowControl::None},
};

constexpr const char *kSubtrees[] = {
    "1.3.6.1.2.1.14", "1.3.6.1.2.1.23", "1.3.6.1.2.1.83", "1.3.6.1.3.61", "1.3.6.1.3.62", nullptr,
};

SimOid ip(uint32_t a)
{
    return {a >> 24, (a >> 16) & 0xff, (a >> 8) & 0xff, a & 0xff};
}

uint32_t ipNum(int a, int b, int c, int d)
{
    return uint32_t(a) << 24 | uint32_t(b) << 16 | uint32_t(c) << 8 | uint32_t(d);
}

SimOid cat(std::initializer_list<SimOid> parts)
{
    SimOid o;
    for (const SimOid &p : parts)
        o.insert(o.end(), p.begin(), p.end());
    return o;
}

std::string ipOctets(uint32_t a)
{
    return std::string{char(a >> 24), char((a >> 16) & 0xff), char((a >> 8) & 0xff), char(a & 0xff)};
}

SimValue ipValue(uint32_t a) { return simMakeText(ipOctets(a), SimType::IpAddress); }

// Creates a row of the table under entry and sets the given columns.
void addRow(SimStore &store, const std::string &entry, const SimOid &suffix,
            std::initializer_list<std::pair<uint32_t, SimValue>> values)
{
    const SimOid e = simParseOid(entry);
    SimOid any = e;
    any.push_back(values.size() ? values.begin()->first : 1);
    const SimTableDef *table = store.tableOf(any);
    // A row that exists already (restored from a saved configuration) keeps its values.
    if (!table || store.get(cat({any, suffix})) || !store.createRow(table, suffix))
        return;
    for (const auto &[column, value] : values) {
        SimOid oid = e;
        oid.push_back(column);
        oid.insert(oid.end(), suffix.begin(), suffix.end());
        store.set(oid, value);
    }
}

void setScalar(SimStore &store, const std::string &oid, const SimValue &v) { store.set(simParseOid(oid + ".0"), v); }

void fillOspf(SimStore &store)
{
    // Neighbour states and the interfaces' designated routers.
    const struct { uint32_t addr; uint32_t router; int state; } nbrs[] = {
        {ipNum(10, 90, 90, 1), ipNum(10, 255, 0, 1), 8}, {ipNum(10, 90, 90, 2), ipNum(10, 255, 0, 2), 4},
        {ipNum(192, 168, 10, 2), ipNum(10, 255, 1, 2), 8}, {ipNum(192, 168, 10, 3), ipNum(10, 255, 1, 3), 6},
        {ipNum(192, 168, 20, 2), ipNum(10, 255, 1, 4), 3},
    };
    const std::string nbr = "1.3.6.1.2.1.14.10.1.";
    for (const auto &n : nbrs) {
        const SimOid s = cat({ip(n.addr), {0}});
        store.set(simParseOid(nbr + "3." + simOidText(s)), ipValue(n.router));
        store.set(simParseOid(nbr + "6." + simOidText(s)), simMakeInt(n.state));
    }
    const struct { uint32_t addr; uint32_t area; int state; uint32_t dr, bdr; } ifs[] = {
        {ipNum(10, 90, 90, 90), 0, 5, ipNum(10, 90, 90, 90), ipNum(10, 90, 90, 1)},
        {ipNum(192, 168, 10, 1), 1, 6, ipNum(192, 168, 10, 2), ipNum(192, 168, 10, 1)},
        {ipNum(192, 168, 20, 1), 1, 7, ipNum(192, 168, 20, 3), ipNum(192, 168, 20, 2)},
    };
    const std::string itf = "1.3.6.1.2.1.14.7.1.";
    for (const auto &f : ifs) {
        const std::string s = simOidText(cat({ip(f.addr), {0}}));
        store.set(simParseOid(itf + "3." + s), ipValue(f.area));
        store.set(simParseOid(itf + "12." + s), simMakeInt(f.state));
        store.set(simParseOid(itf + "13." + s), ipValue(f.dr));
        store.set(simParseOid(itf + "14." + s), ipValue(f.bdr));
        store.set(simParseOid(itf + "15." + s), simMakeInt(3 + f.state, SimType::Counter32));
    }
    // Link-state database: router and network LSAs of each area, summaries between them.
    const std::string lsdb = "1.3.6.1.2.1.14.4.1";
    int count[2] = {};
    uint32_t checksum = 0x2b51;
    auto lsa = [&](uint32_t area, int type, uint32_t lsId, uint32_t router, int n) {
        checksum = (checksum * 1103515245u + 12345u) & 0xffff;
        addRow(store, lsdb, cat({ip(area), {uint32_t(type)}, ip(lsId), ip(router)}),
               {{1, ipValue(area)}, {2, simMakeInt(type)}, {3, ipValue(lsId)}, {4, ipValue(router)},
                {5, simMakeInt(int64_t(-2147483647) + n % 97)}, {6, simMakeInt((n * 37) % 3600)},
                {7, simMakeInt(checksum)}});
        ++count[area ? 1 : 0];
    };
    for (uint32_t area = 0; area <= 1; ++area) {
        const int routers = area ? 12 : 24;
        for (int r = 1; r <= routers; ++r)
            lsa(area, 1, ipNum(10, 255, area, r), ipNum(10, 255, area, r), r);
        for (int n = 1; n <= (area ? 4 : 8); ++n)
            lsa(area, 2, ipNum(area ? 192 : 10, area ? 168 : 90, 10 * n, 1), ipNum(10, 255, area, n), n);
        for (int n = 1; n <= (area ? 110 : 160); ++n)
            lsa(area, 3, ipNum(172, 16 + area, n, 0), ipNum(10, 255, area, 1 + n % 3), n);
        for (int n = 1; n <= 4; ++n)
            lsa(area, 4, ipNum(10, 255, 9, n), ipNum(10, 255, area, 1), n);
    }
    const std::string areas = "1.3.6.1.2.1.14.2.1.";
    for (uint32_t area = 0; area <= 1; ++area) {
        const std::string s = simOidText(ip(area));
        store.set(simParseOid(areas + "4." + s), simMakeInt(area ? 19 : 42, SimType::Counter32));
        store.set(simParseOid(areas + "7." + s), simMakeInt(count[area], SimType::Gauge32));
        store.set(simParseOid(areas + "8." + s), simMakeInt(area ? 0x5e21f : 0xa4c03));
    }
    setScalar(store, "1.3.6.1.2.1.14.1.6", simMakeInt(12, SimType::Gauge32));
    setScalar(store, "1.3.6.1.2.1.14.1.7", simMakeInt(0x5ee3e));
}

void fillRoutes(SimStore &store)
{
    const std::string cidr = "1.3.6.1.2.1.4.24.4.1";
    int routes = 0;
    auto route = [&](uint32_t dest, uint32_t mask, uint32_t hop, int ifIndex, int type, int proto, int metric) {
        addRow(store, cidr, cat({ip(dest), ip(mask), {0}, ip(hop)}),
               {{5, simMakeInt(ifIndex)}, {6, simMakeInt(type)}, {7, simMakeInt(proto)},
                {8, simMakeInt(60 * (routes % 50))}, {11, simMakeInt(metric)}});
        ++routes;
    };
    route(0, 0, ipNum(10, 90, 90, 254), 1, 4, 3, 1);
    route(ipNum(10, 90, 90, 0), ipNum(255, 255, 255, 0), 0, 1, 3, 2, 0);
    route(ipNum(192, 168, 10, 0), ipNum(255, 255, 255, 0), 0, 2, 3, 2, 0);
    route(ipNum(192, 168, 20, 0), ipNum(255, 255, 255, 0), 0, 3, 3, 2, 0);
    for (int n = 1; n <= 40; ++n)
        route(ipNum(172, 16, n, 0), ipNum(255, 255, 255, 0), ipNum(10, 90, 90, 1 + n % 2), 1, 4, 13, 10 + n);
    for (int n = 1; n <= 12; ++n)
        route(ipNum(172, 20, n * 4, 0), ipNum(255, 255, 252, 0), ipNum(192, 168, 10, 2), 2, 4, 8, 2 + n % 5);
    setScalar(store, "1.3.6.1.2.1.4.24.3", simMakeInt(routes, SimType::Gauge32));

    const std::string mroute = "1.3.6.1.2.1.83.1.1.2.1";
    const struct { uint32_t group, source, mask, upstream; int inIf, protocol; } mroutes[] = {
        {ipNum(224, 2, 127, 254), ipNum(10, 90, 90, 20), ipNum(255, 255, 255, 255), ipNum(10, 90, 90, 1), 1, 8},
        {ipNum(239, 1, 1, 1), ipNum(10, 90, 90, 20), ipNum(255, 255, 255, 255), ipNum(10, 90, 90, 1), 1, 8},
        {ipNum(239, 1, 1, 1), ipNum(192, 168, 10, 40), ipNum(255, 255, 255, 255), 0, 2, 8},
        {ipNum(239, 1, 1, 2), ipNum(172, 16, 3, 0), ipNum(255, 255, 255, 0), ipNum(10, 90, 90, 2), 1, 4},
        {ipNum(239, 1, 1, 2), ipNum(192, 168, 20, 11), ipNum(255, 255, 255, 255), 0, 3, 9},
        {ipNum(239, 255, 0, 1), ipNum(10, 90, 90, 33), ipNum(255, 255, 255, 255), ipNum(10, 90, 90, 1), 1, 9},
    };
    int n = 0;
    for (const auto &m : mroutes) {
        ++n;
        addRow(store, mroute, cat({ip(m.group), ip(m.source), ip(m.mask)}),
               {{4, ipValue(m.upstream)}, {5, simMakeInt(m.inIf)}, {6, simMakeInt(36000 * n, SimType::TimeTicks)},
                {7, simMakeInt(21000 - 1000 * n, SimType::TimeTicks)}, {8, simMakeInt(1200 * n, SimType::Counter32)},
                {10, simMakeInt(1200 * 512 * n, SimType::Counter32)}, {11, simMakeInt(m.protocol)},
                {13, ipValue(m.source & 0xffffff00)}, {14, ipValue(0xffffff00)}});
    }
    setScalar(store, "1.3.6.1.2.1.83.1.1.7", simMakeInt(n, SimType::Gauge32));

    const std::string dvmrp = "1.3.6.1.3.62.1.4.1";
    for (int k = 1; k <= 10; ++k)
        addRow(store, dvmrp, cat({ip(ipNum(172, 18, k, 0)), ip(ipNum(255, 255, 255, 0))}),
               {{3, ipValue(k % 2 ? ipNum(10, 90, 90, 5) : ipNum(192, 168, 10, 7))}, {4, simMakeInt(1 + k % 2)},
                {5, simMakeInt(1 + k % 6)}, {7, simMakeInt(6000 * k, SimType::TimeTicks)}});
    setScalar(store, "1.3.6.1.3.62.1.1.3", simMakeInt(10, SimType::Gauge32));
    setScalar(store, "1.3.6.1.3.62.1.1.4", simMakeInt(9, SimType::Gauge32));
    const std::string dvmrpIf = "1.3.6.1.3.62.1.2.1.2.";
    store.set(simParseOid(dvmrpIf + "1"), ipValue(ipNum(10, 90, 90, 90)));
    store.set(simParseOid(dvmrpIf + "2"), ipValue(ipNum(192, 168, 10, 1)));
    store.set(simParseOid("1.3.6.1.3.62.1.3.1.12.2.192.168.10.7"), simMakeInt(1));

    const uint32_t pimIf[] = {ipNum(10, 90, 90, 90), ipNum(192, 168, 10, 1), ipNum(192, 168, 20, 1)};
    for (uint32_t k = 1; k <= 3; ++k) {
        store.set(simParseOid("1.3.6.1.3.61.1.1.2.1.2." + std::to_string(k)), ipValue(pimIf[k - 1]));
        store.set(simParseOid("1.3.6.1.3.61.1.1.2.1.5." + std::to_string(k)), ipValue(pimIf[k - 1]));
    }
    store.set(simParseOid("1.3.6.1.3.61.1.1.3.1.2.10.90.90.7"), simMakeInt(1));
    store.set(simParseOid("1.3.6.1.3.61.1.1.3.1.2.192.168.10.7"), simMakeInt(2));
    store.set(simParseOid("1.3.6.1.3.61.1.1.3.1.2.192.168.20.9"), simMakeInt(3));
    store.set(simParseOid("1.3.6.1.3.61.1.1.3.1.5.192.168.20.9"), simMakeInt(1));
}

void fillArpAndStack(SimStore &store)
{
    const std::string arp = "1.3.6.1.2.1.4.22.1";
    for (int k = 1; k <= 48; ++k) {
        const int ifIndex = k <= 30 ? 1 : 2;
        const uint32_t addr = ifIndex == 1 ? ipNum(10, 90, 90, k) : ipNum(192, 168, 10, k - 28);
        const std::string mac{char(0x00), char(0x1b), char(0x21), char(0x3a), char(ifIndex), char(k)};
        addRow(store, arp, cat({{uint32_t(ifIndex)}, ip(addr)}),
               {{1, simMakeInt(ifIndex)}, {2, simMakeText(mac)}, {4, simMakeInt(k % 10 == 0 ? 4 : 3)}});
    }
    // Ports 1-50 over the hardware (0), two link aggregates (51, 52) over member ports, and the
    // two routing interfaces (100, 101) over their VLAN's ports.
    const std::string stack = "1.3.6.1.2.1.31.1.2.1";
    auto layer = [&](uint32_t higher, uint32_t lower) {
        addRow(store, stack, {higher, lower}, {{3, simMakeInt(1)}});
    };
    for (uint32_t port = 1; port <= 50; ++port)
        layer(port, 0);
    for (uint32_t port = 45; port <= 48; ++port)
        layer(51 + (port - 45) / 2, port);
    for (uint32_t port = 1; port <= 4; ++port)
        layer(100, port);
    layer(101, 51);
    layer(101, 52);
    layer(0, 100);
    layer(0, 101);
}

} // namespace

const SimObjectDef *simRoutingObjects() { return kObjects; }
const SimTableDef *simRoutingTables() { return kTables; }
const char *const *simRoutingSubtrees() { return kSubtrees; }

void simFillRouting(SimStore &store)
{
    fillOspf(store);
    fillRoutes(store);
    fillArpAndStack(store);
}

size_t simLearnForwarding(SimStore &store, size_t size, const std::function<bool(int port)> &linked)
{
    const std::string entry = "1.3.6.1.2.1.17.4.3.1";
    std::vector<int> ports;
    for (int p = 1; p <= 50; ++p)
        if (linked(p))
            ports.push_back(p);
    if (ports.empty())
        return 0;
    size_t learned = store.rows(simParseOid(entry)).size();
    for (uint32_t n = 0; learned < size && n < 0xffffff; ++n) {
        // Stations behind each port: the vendor part varies with the port, the rest with n.
        const int port = ports[n % ports.size()];
        const std::string mac{char(0x00), char(0x0d), char(0x88 + port % 64), char(n >> 16), char((n >> 8) & 0xff),
                              char(n & 0xff)};
        SimOid suffix;
        for (unsigned char c : mac)
            suffix.push_back(c);
        if (store.get(cat({simParseOid(entry + ".2"), suffix})))
            continue;
        addRow(store, entry, suffix, {{1, simMakeText(mac)}, {2, simMakeInt(port)}, {3, simMakeInt(3)}});
        ++learned;
    }
    return learned;
}
