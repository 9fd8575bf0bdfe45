// The simulated switch and the program's MIB catalogue are independent copies of the same
// objects; every object both define must agree in type, in writability and in the values an
// enumerated column may take, so that the tests against the simulated switch test the program.
#include "mibcatalogue.h"
#include "mibenums.h"
#include "qvoptionlist.h"
#include "qvsnmptypes.h"
#include "simcatalogue.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <string>

namespace {

std::optional<SimType> simTypeOf(quint32 syntax)
{
    switch (syntax) {
    case SYN_BOOLEAN:
    case SYN_INTEGER: return SimType::Integer;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_DOUBLE:
    case SYN_MACADDRESS:
    case SYN_DATETIME:
    case SYN_BCDATETIME:
    case SYN_DISPLAYSTR: return SimType::Octets;
    case SYN_OBJECTID: return SimType::ObjectId;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: return SimType::IpAddress;
    case SYN_COUNTER: return SimType::Counter32;
    case SYN_GAUGE:
    case SYN_UINTEGER: return SimType::Gauge32;
    case SYN_TIMETICKS: return SimType::TimeTicks;
    case SYN_COUNTER64: return SimType::Counter64;
    default: return std::nullopt;
    }
}

// "1-4", "2,3,5" or a mix; a length rule ("len 0-32") says nothing about numbers.
bool allows(const char *allowed, qint64 value)
{
    const QString rule = QString::fromLatin1(allowed);
    if (rule.startsWith(QLatin1String("len")))
        return true;
    for (const QString &part : rule.split(QLatin1Char(','))) {
        const int dash = part.indexOf(QLatin1Char('-'), 1);
        const qint64 low = part.left(dash < 0 ? part.size() : dash).trimmed().toLongLong();
        const qint64 high = dash < 0 ? low : part.mid(dash + 1).trimmed().toLongLong();
        if (value >= low && value <= high)
            return true;
    }
    return false;
}

class CatalogueLists : public ::testing::Environment {
public:
    void SetUp() override { BuildCatalogueLists(); }
    void TearDown() override { FreeCatalogueLists(); }
};
const auto *g_lists = ::testing::AddGlobalTestEnvironment(new CatalogueLists);

} // namespace

TEST(SimAgreement, ObjectsBothDefineAgree)
{
    std::map<std::string, const SimObjectDef *> sim;
    for (const SimObjectDef *d = simObjects(); d->oid; ++d)
        sim[d->oid] = d;
    int compared = 0;
    for (const MibTableEntry &e : MibTableIndex()) {
        for (int i = 0; i + 1 < e.records; ++i) {
            const QvSNMPVarDesc &d = e.table[i];
            const auto found = sim.find(QString::fromLatin1(d.oid).trimmed().remove(0, d.oid[0] == '.' ? 1 : 0).toStdString());
            if (found == sim.end())
                continue;
            const SimObjectDef &s = *found->second;
            ++compared;
            const std::string where = std::string(e.name) + " " + d.name + " " + d.oid;
            const std::optional<SimType> type = simTypeOf(d.syntax);
            ASSERT_TRUE(type.has_value()) << where;
            EXPECT_EQ(int(*type), int(s.type)) << where;
            if ((d.access & ACC_WRITEONLY) && !(d.access & (ACC_DERIVED | ACC_INVALID))) {
                EXPECT_EQ(int(s.access), int(SimAccess::ReadWrite)) << where << " is writable in the program only";
            }
            if (d.options && d.options->valueType() == OVT_INTEGER && s.allowed && s.access == SimAccess::ReadWrite
                && (d.access & ACC_WRITEONLY)) {
                for (int k = 0; k < d.options->Count(); ++k) {
                    const qint64 v = d.options->ValueText(k).toLongLong();
                    EXPECT_TRUE(allows(s.allowed, v)) << where << ": option " << v << " outside " << s.allowed;
                }
            }
        }
    }
    // Most of the catalogue is served by the simulated switch; a change of OID layout on either
    // side shows here as a sudden drop.
    EXPECT_GT(compared, 300);
}
