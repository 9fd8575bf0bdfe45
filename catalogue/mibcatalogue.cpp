#include "mibcatalogue.h"

#include "mibdesc_p.h"
#include "moduletables.h"

#include <QString>

#include <vector>

std::span<const MibTableEntry> MibTableIndex()
{
    // The switch's own groups, then the standard groups of the shared modules.
    static const std::vector<MibTableEntry> all = [] {
        std::vector<MibTableEntry> v;
        for (const std::span<const MibTableEntry> part :
             {EnterpriseTableIndex(), Mib2TableIndex(), BridgeTableIndex(), RmonTableIndex(), Snmpv3TableIndex(),
              Dot1xTableIndex(), ModuleTableIndex()})
            v.insert(v.end(), part.begin(), part.end());
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
