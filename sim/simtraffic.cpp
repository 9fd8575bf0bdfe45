#include "simtraffic.h"

#include <cstddef>

namespace {

// Percent of the line rate, in + out together, per port 1..50.
constexpr double kUtilisation[50] = {
    12, 3, 55, 0.2, 35, 0.5, 6, 25, 2, 0.3, 18, 1.5, 5, 1, 1, 1,   // 1-16
    8, 0.4, 45, 2, 30, 96, 0.8, 5, 1, 1, 1, 1, 1, 1, 1, 1,         // 17-32
    15, 0.3, 70, 4, 1, 22, 0.6, 9, 1, 1, 1, 1, 0.2, 3, 50, 1,      // 33-48
    55, 20,                                                        // 49-50
};
constexpr int kErrorPort = 9;

const SimOid kIfEntry = simParseOid("1.3.6.1.2.1.2.2.1");
const SimOid kIfXEntry = simParseOid("1.3.6.1.2.1.31.1.1.1");

bool under(const SimOid &oid, const SimOid &entry)
{
    if (oid.size() != entry.size() + 2)
        return false;
    for (size_t i = 0; i < entry.size(); ++i)
        if (oid[i] != entry[i])
            return false;
    return true;
}

} // namespace

double simTrafficUtilisation(int port)
{
    return port >= 1 && port <= 50 ? kUtilisation[port - 1] / 100.0 : 0.0;
}

double simTrafficRate(const SimOid &oid)
{
    const bool ifEntry = under(oid, kIfEntry);
    if (!ifEntry && !under(oid, kIfXEntry))
        return -1;
    const uint32_t column = oid[oid.size() - 2];
    const int port = int(oid.back());
    if (port < 1 || port > 50)
        return -1;
    // Octets per second of the line in both directions; a little more comes in than goes out.
    const double line = (port >= 49 ? 1e9 : 1e8) / 8.0;
    const double inShare = 0.5 + 0.02 * double((port * 7) % 6);
    const double total = line * simTrafficUtilisation(port);
    if ((ifEntry && column == 10) || (!ifEntry && column == 6))
        return total * inShare;
    if ((ifEntry && column == 16) || (!ifEntry && column == 10))
        return total * (1.0 - inShare);
    if (ifEntry && column == 14)
        return port == kErrorPort ? 3.0 : 0.0;
    if (ifEntry && column == 20)
        return port == kErrorPort ? 1.0 : 0.0;
    return -1;
}
