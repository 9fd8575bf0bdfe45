// Checks over the whole catalogue for the faults that hand-kept data collects: truncated or
// mis-ended tables, malformed OIDs, index columns out of place, enumerations that cannot be
// told apart, and window settings that point at the wrong column.
#include "mibcatalogue.h"
#include "mibenums.h"
#include "mibtables.h"
#include "qvoptionlist.h"
#include "qvsnmpvalue.h"
#include "qvsnmpvarlist.h"
#include "windowdefs.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QString>

#include <map>
#include <ostream>
#include <string>

// Failures name the table or list instead of dumping its bytes.
void PrintTo(const MibTableEntry &e, std::ostream *os)
{
    *os << e.name;
}
void PrintTo(const CatalogueListEntry &e, std::ostream *os)
{
    *os << e.name;
}
QT_BEGIN_NAMESPACE
void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

class CatalogueLists : public ::testing::Environment {
public:
    void SetUp() override { BuildCatalogueLists(); }
    void TearDown() override { FreeCatalogueLists(); }
};
[[maybe_unused]] const auto *const listsEnvironment = ::testing::AddGlobalTestEnvironment(new CatalogueLists);

QString label(const char *text)
{
    return QString::fromLatin1(text);
}

int columnCount(const MibTableEntry &e)
{
    return e.records - 1;
}

bool isPseudoColumn(const QvSNMPVarDesc &d)
{
    return qstrcmp(d.oid, " ") == 0;
}

bool isOctetSyntax(quint32 syntax)
{
    return syntax == SYN_BITSTR || syntax == SYN_OCTETSTR || syntax == SYN_DISPLAYSTR
        || syntax == SYN_OBJECTID || syntax == SYN_MACADDRESS;
}

std::string testName(const char *name)
{
    return name;
}

// ---- every descriptor table

class EveryTable : public ::testing::TestWithParam<MibTableEntry> {};

TEST_P(EveryTable, EndsAtItsLastRecordAndNowhereElse)
{
    const MibTableEntry &e = GetParam();
    ASSERT_GE(columnCount(e), 1);
    EXPECT_EQ(QvSNMPVarList::DescCount(e.table), columnCount(e)) << "a null OID cuts the table short";
    const QvSNMPVarDesc &end = e.table[columnCount(e)];
    EXPECT_EQ(end.oid, nullptr);
    EXPECT_EQ(end.name, nullptr);
    EXPECT_EQ(end.syntax, 0u);
    EXPECT_EQ(end.access, 0u);
    EXPECT_EQ(end.options, nullptr);
    QvSNMPVarList list(e.table, MVT_UMV, 0);
    EXPECT_EQ(list.Count(), columnCount(e));
}

TEST_P(EveryTable, EveryOidParsesAndIsUnique)
{
    const MibTableEntry &e = GetParam();
    QSet<QString> seen;
    for (int i = 0; i < columnCount(e); ++i) {
        const QvSNMPVarDesc &d = e.table[i];
        ASSERT_NE(d.name, nullptr) << "column " << i;
        if (isPseudoColumn(d)) {
            // An index without an object of its own: only as a leading index column.
            EXPECT_EQ(d.access & ACC_NOTACCESS, quint32(ACC_NOTACCESS)) << "column " << i;
            for (int k = 0; k < i; ++k)
                EXPECT_TRUE(isPseudoColumn(e.table[k]) || (e.table[k].access & ACC_NOTACCESS)) << "column " << i;
            continue;
        }
        const QString text = label(d.oid);
        QvOid oid;
        ASSERT_TRUE(QvParseOid(text, &oid)) << "column " << i << ": " << d.oid;
        // The request appends ".0" or ".suffix", so the text must be bare dotted decimal.
        EXPECT_FALSE(text.startsWith(u'.') || text.endsWith(u'.')) << d.oid;
        ASSERT_GE(oid.size(), 2) << d.oid;
        EXPECT_LE(oid.size(), 128) << d.oid;
        EXPECT_LE(oid[0], 2u) << d.oid;
        if (oid[0] < 2) {
            EXPECT_LT(oid[1], 40u) << d.oid;
        }
        EXPECT_FALSE(seen.contains(text)) << "column " << i << " repeats " << d.oid;
        seen.insert(text);
    }
}

TEST_P(EveryTable, IndexColumnsPrecedeDataColumns)
{
    const MibTableEntry &e = GetParam();
    int leading = 0;
    while (leading < columnCount(e) && (e.table[leading].access & ACC_NOTACCESS))
        ++leading;
    for (int i = leading; i < columnCount(e); ++i)
        EXPECT_FALSE(e.table[i].access & ACC_NOTACCESS) << "index column " << i << " after data columns";
    for (int i = 0; i < columnCount(e); ++i) {
        const QvSNMPVarDesc &d = e.table[i];
        if (!(d.access & ACC_IMPLIED))
            continue;
        // IMPLIED drops the length, so only the last index and only a variable-length one.
        EXPECT_EQ(i, leading - 1) << "IMPLIED on column " << i;
        EXPECT_TRUE(isOctetSyntax(d.syntax)) << "IMPLIED on fixed-size column " << i;
    }
}

TEST_P(EveryTable, SyntaxAccessAndOptionsAgree)
{
    static const QSet<quint32> syntaxes = {SYN_INTEGER, SYN_BITSTR, SYN_OCTETSTR, SYN_OBJECTID,
                                           SYN_IPADDRESS, SYN_COUNTER, SYN_GAUGE, SYN_TIMETICKS,
                                           SYN_COUNTER64, SYN_MACADDRESS, SYN_DISPLAYSTR};
    static const QSet<quint32> accesses = {ACC_NOTACCESS, ACC_READONLY, ACC_READWRITE,
                                           ACC_NOTACCESS | ACC_IMPLIED};
    QSet<const QvOptionList *> known;
    for (const CatalogueListEntry &l : CatalogueOptionLists())
        known.insert(l.list);
    const MibTableEntry &e = GetParam();
    for (int i = 0; i < columnCount(e); ++i) {
        const QvSNMPVarDesc &d = e.table[i];
        EXPECT_TRUE(syntaxes.contains(d.syntax)) << "column " << i << " syntax " << d.syntax;
        EXPECT_TRUE(accesses.contains(d.access)) << "column " << i << " access " << d.access;
        EXPECT_EQ(d.readExpr, nullptr);
        EXPECT_EQ(d.writeExpr, nullptr);
        EXPECT_EQ(d.extraText, nullptr);
        EXPECT_EQ(d.initialValue, nullptr);
        EXPECT_EQ(d.initialOid, nullptr);
        if (!d.options)
            continue;
        ASSERT_TRUE(known.contains(d.options)) << "column " << i << " points at no catalogue list";
        if (d.options->valueType() == OVT_INTEGER)
            EXPECT_EQ(d.syntax, quint32(SYN_INTEGER)) << "enumerated column " << i;
        else
            EXPECT_TRUE(isOctetSyntax(d.syntax)) << "text-valued enumeration on column " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryTable, ::testing::ValuesIn(MibTableIndex().begin(), MibTableIndex().end()),
                         [](const auto &info) { return testName(info.param.name); });

// The objects the main window uses on their own are the very records its windows show.
TEST(CatalogueIndex, NamedObjectsAreRecordsOfTheirTables)
{
    struct Case {
        const char *name;
        const QvSNMPVarDesc &object;
        const QvSNMPVarDesc *table;  // null: in no table
    };
    const Case cases[] = {
        {"IfOperStatusColumn", IfOperStatusColumn, IfTableVars},
        {"SysUpTimeObject", SysUpTimeObject, Mib2InformationVars},
        {"ConsoleInUseObject", ConsoleInUseObject, AgentBasicInfoVars},
        {"ConfigSaveStatusObject", ConfigSaveStatusObject, AgentBasicInfoVars},
        {"SaveConfigObject", SaveConfigObject, SystemConfigureVars},
        {"SystemResetObject", SystemResetObject, nullptr},
        {"PortLinkStatusColumn", PortLinkStatusColumn, PortInformationTableVars},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.object.oid, nullptr);
        for (const MibTableEntry &e : MibTableIndex()) {
            const int k = CatalogueColumn(e.table, c.object);
            if (e.table != c.table) {
                if (!c.table) {
                    EXPECT_EQ(k, -1) << "shown in " << e.name;
                }
                continue;
            }
            ASSERT_GE(k, 0);
            const QvSNMPVarDesc &d = e.table[k];
            EXPECT_STREQ(d.name, c.object.name);
            EXPECT_EQ(d.syntax, c.object.syntax);
            EXPECT_EQ(d.access, c.object.access);
            EXPECT_EQ(d.options, c.object.options);
        }
    }
    EXPECT_EQ(CatalogueColumn(PortInformationTableVars, IfOperStatusColumn), -1);
}

TEST(CatalogueIndex, EveryModuleLaunchHasItsWindow)
{
    QSet<QString> handlers;
    for (const TModuleLaunch &m : ModuleLaunches()) {
        EXPECT_FALSE(handlers.contains(label(m.handler))) << m.handler;
        handlers.insert(label(m.handler));
        EXPECT_NE(FindModuleWindowDef(label(m.target)), nullptr) << m.target;
    }
    EXPECT_EQ(ModuleLaunches().size(), ModuleWindowDefs().size());
}

TEST(CatalogueIndex, NamesAreUniqueAndFound)
{
    QSet<QString> names;
    for (const MibTableEntry &e : MibTableIndex()) {
        EXPECT_FALSE(names.contains(label(e.name))) << e.name;
        names.insert(label(e.name));
        EXPECT_EQ(FindMibTable(label(e.name)), e.table) << e.name;
    }
    QSet<QString> lists;
    for (const CatalogueListEntry &l : CatalogueOptionLists()) {
        EXPECT_FALSE(lists.contains(label(l.name))) << l.name;
        lists.insert(label(l.name));
        EXPECT_EQ(FindCatalogueList(label(l.name)), l.list) << l.name;
    }
    EXPECT_EQ(FindMibTable(u"NoSuchVars"), nullptr);
    EXPECT_EQ(FindCatalogueList(u"NoSuchList"), nullptr);
}

// ---- every enumeration

class EveryList : public ::testing::TestWithParam<CatalogueListEntry> {};

TEST_P(EveryList, NonEmptyWithDistinctLabelsAndValues)
{
    const QvOptionList &list = *GetParam().list;
    ASSERT_GT(list.Count(), 0);
    QSet<QString> labels, values;
    for (int i = 0; i < list.Count(); ++i) {
        const QString l = list.Item(i).label;
        const QString v = list.ValueText(i);
        EXPECT_FALSE(l.trimmed().isEmpty()) << "entry " << i;
        // Lookups ignore case, so labels differing only in case could not be told apart.
        EXPECT_FALSE(labels.contains(l.toLower())) << "label " << l.toStdString() << " repeats";
        EXPECT_FALSE(values.contains(v)) << "value " << v.toStdString() << " repeats";
        labels.insert(l.toLower());
        values.insert(v);
        // Both directions land on this entry and nowhere else.
        EXPECT_EQ(list.IndexOfLabel(l), i);
        EXPECT_EQ(list.IndexOfValue(v), i);
        EXPECT_EQ(list.ValueToLabel(v), l);
        EXPECT_EQ(list.LabelToValue(l.toUpper()), v);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryList,
                         ::testing::ValuesIn(CatalogueOptionLists().begin(), CatalogueOptionLists().end()),
                         [](const auto &info) { return testName(info.param.name); });

TEST(CatalogueLists, EachListIsUsedAsDeclared)
{
    std::map<const QvOptionList *, int> uses;
    for (const MibTableEntry &e : MibTableIndex()) {
        for (int i = 0; i < columnCount(e); ++i) {
            if (e.table[i].options)
                ++uses[e.table[i].options];
        }
    }
    for (const CatalogueListEntry &l : CatalogueOptionLists()) {
        EXPECT_GE(uses[l.list], 1) << l.name << " is used by no column";
        if (!l.shared) {
            EXPECT_EQ(uses[l.list], 1) << l.name << " belongs to one column";
        }
    }
}

TEST(CatalogueLists, OnePortMaskSetsExactlyThePortsBit)
{
    const QvOptionList &mask = *OnePortMask;
    ASSERT_EQ(mask.valueType(), quint32(OVT_STRING));
    ASSERT_EQ(mask.Count(), 50);
    for (int i = 0; i < mask.Count(); ++i) {
        const QString value = mask.Item(i).text;
        const QByteArray octets = QByteArray::fromHex(value.toLatin1());
        ASSERT_EQ(value.size(), 14) << "entry " << i;
        ASSERT_EQ(octets.toHex().toUpper(), value.toLatin1()) << "not upper-case hex: " << value.toStdString();
        int bits = 0, port = 0;
        for (int o = 0; o < octets.size(); ++o) {
            for (int b = 0; b < 8; ++b) {
                if (quint8(octets[o]) & (0x80 >> b)) {
                    ++bits;
                    port = o * 8 + b + 1;
                }
            }
        }
        EXPECT_EQ(bits, 1) << value.toStdString();
        EXPECT_EQ(mask.Item(i).label, QStringLiteral("Port %1").arg(port)) << value.toStdString();
    }
}

TEST(CatalogueLists, BuildAndFreeAreIdempotent)
{
    ASSERT_TRUE(CatalogueListsBuilt());
    const int before = RowStatus->Count();
    BuildCatalogueLists();
    EXPECT_EQ(RowStatus->Count(), before);
    FreeCatalogueLists();
    EXPECT_FALSE(CatalogueListsBuilt());
    FreeCatalogueLists();
    {
        QvCatalogueListsScope scope;
        EXPECT_TRUE(CatalogueListsBuilt());
        EXPECT_EQ(RowStatus->Count(), before);
    }
    EXPECT_FALSE(CatalogueListsBuilt());
    BuildCatalogueLists();
}

// ---- what the windows rely on

struct PanelUse {
    const char *table;
    quint8 itemType;
    int indexCount;
};

// Every panel of the menu's windows, as the window builder creates it.
const PanelUse panels[] = {
    {"EquipmentCapacityVars", SVT_SV, 0}, {"EquipmentPowerVars", MVT_FMV, 2},
    {"AgentBasicInfoVars", SVT_SV, 0}, {"MibCapabilitiesVars", MVT_FMV, 1},
    {"CpuUtilizationVars", SVT_SV, 0}, {"SystemConfigureVars", SVT_SV, 0},
    {"IpInformationVars", SVT_SV, 0}, {"BootFileVars", MVT_SV, 0},
    {"LogFileVars", MVT_SV, 0}, {"ConfigFileVars", MVT_SV, 0},
    {"TimeInfoVars", SVT_SV, 0}, {"SystemTimeVars", SVT_SV, 0},
    {"SntpVars", SVT_SV, 0}, {"EntityPhysicalTableVars", MVT_UMV, 1},
    {"EntityLogicalTableVars", MVT_FMV, 1}, {"LpMappingVars", MVT_FMV, 2},
    {"AliasMappingVars", MVT_FMV, 2}, {"PhysicalContainsVars", MVT_FMV, 2},
    {"EntityLastChangeVars", SVT_SV, 0}, {"AggregatorPortListVars", MVT_FMV, 1},
    {"AggregatorTableVars", MVT_FMV, 1}, {"AggregationControlVars", MVT_FMV, 1},
    {"AggPortStatsVars", MVT_UMV, 1}, {"AggPortDebugVars", MVT_FMV, 1},
    {"DeviceInformationVars", SVT_SV, 0}, {"L2DeviceControlVars", SVT_SV, 0},
    {"AlarmControlVars", SVT_SV, 0}, {"PortInformationTableVars", MVT_FMV, 1},
    {"PortControlVars", MVT_FMV, 1}, {"PortSecurityControlVars", MVT_FMV, 1},
    {"TrunkInfoVars", SVT_SV, 0}, {"TrunkTableVars", MVT_UMV, 1},
    {"MirrorManagementVars", SVT_SV, 0}, {"IgmpMgmtVars", SVT_SV, 0},
    {"IgmpControlTableVars", MVT_FMV, 1}, {"IgmpQueryInformationVars", MVT_FMV, 1},
    {"IgmpInformationVars", MVT_FMV, 2}, {"TrafficControlTableVars", MVT_FMV, 1},
    {"TrafficSegmentTableVars", MVT_FMV, 1}, {"L3DeviceControlVars", SVT_SV, 0},
    {"IpControlTableVars", MVT_UMV, 1}, {"IpForwardingTableVars", MVT_FMV, 1},
    {"IpStaticRouteTableVars", MVT_FMV, 3}, {"IpArpAgingTimeVars", SVT_SV, 0},
    {"AclEthernetTableVars", MVT_UMV, 1}, {"AclEthernetRuleTableVars", MVT_UMV, 2},
    {"AclIpTableVars", MVT_UMV, 1}, {"AclIpRuleTableVars", MVT_UMV, 2},
    {"AclPayloadTableVars", MVT_UMV, 1}, {"AclPayloadRuleTableVars", MVT_UMV, 2},
    {"Mib2InformationVars", SVT_SV, 0}, {"IfTableVars", MVT_FMV, 1},
    {"IpAddrTableVars", MVT_FMV, 1}, {"Bridge8021dInfoVars", SVT_SV, 0},
    {"Bridge8021dPortTableVars", MVT_UMV, 1}, {"StpPortTableVars", MVT_UMV, 1},
    {"Dot1pBasicConfigVars", SVT_SV, 0}, {"DefaultUserPriorityVars", MVT_FMV, 1},
    {"RegeneratedUserPriorityVars", MVT_FMV, 2}, {"TrafficClassMapVars", MVT_FMV, 2},
    {"OutboundAccessPriorityVars", MVT_FMV, 2}, {"PortCapabilityVars", MVT_FMV, 1},
    {"GarpVars", MVT_FMV, 1}, {"Dot1qBasicConfigVars", SVT_SV, 0},
    {"VlanPortInformationVars", MVT_UMV, 1}, {"VlanStaticTableVars", MVT_UMV, 1},
    {"VlanCurrentTableVars", MVT_UMV, 2}, {"UnicastForwardingInfoVars", MVT_UMV, 2},
    {"StaticUnicastTableVars", MVT_UMV, 3}, {"StaticMulticastTableVars", MVT_UMV, 3},
    {"IfGeneralVars", SVT_SV, 0}, {"IfXTableVars", MVT_FMV, 1},
    {"Dot3StatsTableVars", MVT_FMV, 1}, {"SnmpEngineVars", SVT_SV, 0},
    {"MpdStatusVars", SVT_SV, 0}, {"TargetObjectsVars", SVT_SV, 0},
    {"TargetAddrTableVars", MVT_UMV, 1}, {"TargetParamsTableVars", MVT_UMV, 1},
    {"CommunityTableVars", MVT_UMV, 1}, {"TargetAddrExtTableVars", MVT_UMV, 1},
    {"UsmStatsVars", SVT_SV, 0}, {"UserSpinLockVars", SVT_SV, 0},
    {"UsmUserTableVars", MVT_UMV, 2}, {"VacmSecurityToGroupTableVars", MVT_UMV, 2},
    {"VacmAccessTableVars", MVT_UMV, 4}, {"ViewSpinLockVars", SVT_SV, 0},
    {"ViewTreeFamilyTableVars", MVT_UMV, 2}, {"NotifyTableVars", MVT_UMV, 1},
    {"NotifyFilterProfileTableVars", MVT_UMV, 1}, {"AuthControlVars", SVT_SV, 0},
    {"RadiusControlVars", SVT_SV, 0}, {"RadiusServerVars", MVT_FMV, 1},
    {"PaeControlVars", SVT_SV, 0}, {"PaePortEntryVars", MVT_FMV, 1},
    {"AuthConfigTableVars", MVT_FMV, 1}, {"AuthStatsTableVars", MVT_FMV, 1},
    {"AuthDiagTableVars", MVT_FMV, 1}, {"AuthSessionTableVars", MVT_FMV, 1},
    {"SupplicantConfigTableVars", MVT_FMV, 1}, {"SupplicantStatsTableVars", MVT_FMV, 1},
    {"SshControlVars", SVT_SV, 0}, {"SshEncryptAlgVars", SVT_SV, 0},
    {"SshAuthMethodVars", SVT_SV, 0}, {"SshInteAlgVars", SVT_SV, 0},
    {"SshPublicKeyVars", SVT_SV, 0},
};

TEST(WindowCatalogue, IndexCountsMatchTheIndexColumns)
{
    for (const PanelUse &p : panels) {
        SCOPED_TRACE(p.table);
        const QvSNMPVarDesc *t = FindMibTable(label(p.table));
        ASSERT_NE(t, nullptr);
        const int n = QvSNMPVarList::DescCount(t);
        ASSERT_LE(p.indexCount, n);
        int flagged = 0;
        while (flagged < n && (t[flagged].access & ACC_NOTACCESS))
            ++flagged;
        if (p.itemType == SVT_SV || p.itemType == MVT_SV) {
            // Scalars and fixed rows have no index to decode; one-row reads still skip it.
            EXPECT_LE(flagged, 1);
            continue;
        }
        // Either the index columns are flagged as such, or the table reads its own index
        // (the MIB-II style), in which case the leading columns must be readable.
        if (flagged > 0) {
            EXPECT_EQ(flagged, p.indexCount) << "row instances would be decoded into the wrong columns";
        } else {
            for (int i = 0; i < p.indexCount; ++i)
                EXPECT_TRUE(t[i].access & ACC_READONLY) << "column " << i;
        }
    }
}

struct StatusUse {
    const char *table;
    int column;
    const char *columnLabel;
    const char *addLabel;
    const char *deleteLabel;
};

// The add and delete status of every list panel that creates and deletes rows.
const StatusUse statuses[] = {
    {"TrunkTableVars", 4, "L2 Trunk State", "createAndGo", "destroy"},
    {"IpControlTableVars", 6, "L3 Ip Ctrl State", "createAndGo", "destroy"},
    {"AclEthernetTableVars", 8, "swACLEthernetRowStatus", "createAndGo", "destroy"},
    {"AclEthernetRuleTableVars", 13, "swACLEtherRuleRowStatus", "createAndGo", "destroy"},
    {"AclIpTableVars", 16, "swACLIpRowStatus", "createAndGo", "destroy"},
    {"AclIpRuleTableVars", 19, "swACLIpRuleRowStatus", "createAndGo", "destroy"},
    {"AclPayloadTableVars", 7, "swACLPayloadRowStatus", "createAndGo", "destroy"},
    {"AclPayloadRuleTableVars", 13, "swACLPayloadRuleRowStatus", "createAndGo", "destroy"},
    {"VlanStaticTableVars", 5, "Status", "CreateAndGo", "Destroy"},
    {"TargetAddrTableVars", 8, "snmpTargetAddrRowStatus", "createAndGo", "destroy"},
    {"TargetParamsTableVars", 6, "snmpTargetParamsRowStatus", "createAndGo", "destroy"},
    {"CommunityTableVars", 7, "Status", "createAndGo", "destroy"},
    {"UsmUserTableVars", 12, "Status", "createAndGo", "destroy"},
    {"VacmSecurityToGroupTableVars", 4, "Security Group Status", "createAndGo", "destroy"},
    {"VacmAccessTableVars", 9, "Access Status", "createAndGo", "destroy"},
    {"ViewTreeFamilyTableVars", 5, "vacmViewTreeFamilyStatus", "createAndGo", "destroy"},
    {"NotifyTableVars", 4, "snmpNotifyRowStatus", "createAndGo", "destroy"},
    {"NotifyFilterProfileTableVars", 3, "snmpNotifyFilterProfileRowStatus", "createAndGo", "destroy"},
    {"NotifyFilterTableVars", 5, "snmpNotifyFilterRowStatus", "createAndGo", "destroy"},
};

TEST(WindowCatalogue, StatusColumnsCreateAndDestroyRows)
{
    for (const StatusUse &s : statuses) {
        SCOPED_TRACE(s.table);
        const QvSNMPVarDesc *t = FindMibTable(label(s.table));
        ASSERT_NE(t, nullptr);
        ASSERT_LT(s.column, QvSNMPVarList::DescCount(t));
        const QvSNMPVarDesc &d = t[s.column];
        EXPECT_EQ(label(d.name), label(s.columnLabel));
        EXPECT_EQ(d.access, quint32(ACC_READWRITE));
        ASSERT_NE(d.options, nullptr);
        // The window looks the labels up without regard to case; RowStatus gives them 4 and 6.
        const int add = d.options->IndexOfLabel(label(s.addLabel));
        const int del = d.options->IndexOfLabel(label(s.deleteLabel));
        ASSERT_GE(add, 0) << s.addLabel;
        ASSERT_GE(del, 0) << s.deleteLabel;
        EXPECT_EQ(d.options->Item(add).value, 4);
        EXPECT_EQ(d.options->Item(del).value, 6);
        EXPECT_EQ(d.options->IndexOfLabel(QStringLiteral("CREATEANDGO")), add);
    }
}

struct EditUse {
    const char *table;
    int column;
    const char *columnLabel;
    bool portList;
};

// Columns the windows give an edit constraint or a 50-port check-box editor.
const EditUse edits[] = {
    {"SystemTimeVars", 3, "System TimeZone", false},
    {"SntpVars", 4, "SNTP Poll Interval", false},
    {"AggregatorPortListVars", 1, "Agg Port", true},
    {"PortSecurityControlVars", 1, "L2 Port Security Max Lern Addr", false},
    {"TrunkTableVars", 1, "L2 Trunk Master Port", false},
    {"TrunkTableVars", 2, "L2 Trunk Member", true},
    {"MirrorManagementVars", 1, "L2 Mirror Port Source Ingress", true},
    {"MirrorManagementVars", 2, "L2 Mirror Port Source Egress", true},
    {"IgmpControlTableVars", 0, "L2 IGMP Ctrl Vid", false},
    {"IgmpControlTableVars", 1, "L2 IGMP Query Interval", false},
    {"IgmpControlTableVars", 2, "L2 IGMP Max Response Time", false},
    {"IgmpControlTableVars", 3, "L2 IGMP Robustness", false},
    {"IgmpControlTableVars", 4, "L2 IGMP Last Member Query Interval", false},
    {"IgmpControlTableVars", 5, "L2 IGMP Host Timeout", false},
    {"IgmpControlTableVars", 6, "L2 IGMP Route Timeout", false},
    {"IgmpControlTableVars", 7, "L2 IGMP Leave Timer", false},
    {"TrafficControlTableVars", 1, "L2 Traffic Ctrl BMStromthreshold", false},
    {"TrafficSegmentTableVars", 1, "L2 Traffic Seg Forward Ports", true},
    {"IpArpAgingTimeVars", 0, "L3 Ip Arp Aging Time", false},
    {"Bridge8021dInfoVars", 4, "MAC Address Aging Time", false},
    {"StpPortTableVars", 1, "Priority", false},
    {"StpPortTableVars", 4, "PathCost", false},
    {"DefaultUserPriorityVars", 1, "DefaultUserPriority", false},
    {"DefaultUserPriorityVars", 2, "PortNumTrafficClasses", false},
    {"RegeneratedUserPriorityVars", 2, "RegeneratedUserPriority", false},
    {"TrafficClassMapVars", 2, "MappedTrafficClass", false},
    {"GarpVars", 1, "GARPJoinTime", false},
    {"GarpVars", 2, "GARPLeaveTime", false},
    {"GarpVars", 3, "GARPLeaveAllTime", false},
    {"VlanStaticTableVars", 0, "VLAN ID", false},
    {"VlanStaticTableVars", 1, "VLAN Name", false},
    {"VlanStaticTableVars", 2, "Egress Ports", true},
    {"VlanStaticTableVars", 3, "Forbidden Egress Ports", true},
    {"VlanStaticTableVars", 4, "Untagged Ports", true},
    {"StaticUnicastTableVars", 1, "UnicastAddress", false},
    {"StaticMulticastTableVars", 3, "EgressPorts", true},
    {"AuthConfigTableVars", 7, "Auth Quiet Period", false},
    {"AuthConfigTableVars", 8, "Auth Tx Period", false},
    {"AuthConfigTableVars", 9, "AuthSupp Timeout", false},
    {"AuthConfigTableVars", 10, "Auth Server Timeout", false},
    {"AuthConfigTableVars", 11, "Auth MaxReq", false},
    {"AuthConfigTableVars", 12, "ReAuth Period", false},
};

TEST(WindowCatalogue, ConstrainedAndPortListColumnsAreEdits)
{
    for (const EditUse &u : edits) {
        SCOPED_TRACE(std::string(u.table) + " column " + std::to_string(u.column));
        const QvSNMPVarDesc *t = FindMibTable(label(u.table));
        ASSERT_NE(t, nullptr);
        ASSERT_LT(u.column, QvSNMPVarList::DescCount(t));
        const QvSNMPVarDesc &d = t[u.column];
        EXPECT_EQ(label(d.name).trimmed(), label(u.columnLabel));
        // A combo box takes neither a constraint nor a port-list editor.
        EXPECT_EQ(d.options, nullptr);
        if (u.portList) {
            EXPECT_TRUE(d.syntax == SYN_BITSTR || d.syntax == SYN_OCTETSTR) << "port bitmap as syntax " << d.syntax;
        }
    }
}

TEST(DedicatedWindows, MonitoredCountersAreCounter32)
{
    // The monitors take deltas modulo 2^32; any other syntax there gives wrong rates.
    struct Counted {
        const char *table;
        int first;
        int count;
        bool scalars;  // read as stored, so each OID carries its ".0"
    };
    const Counted monitored[] = {
        {"IpCountersVars", 0, 10, true},   {"IcmpCountersVars", 0, 26, true},
        {"UdpCountersVars", 0, 4, true},   {"SnmpCountersVars", 0, 27, true},
        {"IfCountersVars", 2, 11, false},  {"RmonEtherStatsVars", 2, 17, false},
    };
    for (const Counted &c : monitored) {
        SCOPED_TRACE(c.table);
        const QvSNMPVarDesc *t = FindMibTable(label(c.table));
        ASSERT_NE(t, nullptr);
        ASSERT_LE(c.first + c.count, QvSNMPVarList::DescCount(t));
        for (int i = c.first; i < c.first + c.count; ++i) {
            EXPECT_EQ(t[i].syntax, quint32(SYN_COUNTER)) << "column " << i;
            EXPECT_EQ(label(t[i].oid).endsWith(u".0"), c.scalars) << t[i].oid;
        }
    }
}

TEST(DedicatedWindows, EditTablesMatchTheirListTables)
{
    // The RMON windows list rows through one table and write them through another: every
    // edited column must be the listed object with the same syntax and enumeration.
    const std::pair<const char *, const char *> pairs[] = {
        {"RmonStatsControlVars", "RmonStatsControlEditVars"},
        {"RmonHistoryControlVars", "RmonHistoryControlEditVars"},
        {"RmonEventVars", "RmonEventEditVars"},
        {"RmonEventVars", "RmonEventEdit2Vars"},
    };
    for (const auto &[listed, edited] : pairs) {
        SCOPED_TRACE(std::string(listed) + " / " + edited);
        const QvSNMPVarDesc *l = FindMibTable(label(listed));
        const QvSNMPVarDesc *e = FindMibTable(label(edited));
        ASSERT_TRUE(l && e);
        for (int i = 0; i < QvSNMPVarList::DescCount(e); ++i) {
            int k = 0;
            while (l[k].oid && qstrcmp(l[k].oid, e[i].oid) != 0)
                ++k;
            ASSERT_NE(l[k].oid, nullptr) << e[i].oid << " is not listed";
            EXPECT_EQ(label(l[k].name).trimmed(), label(e[i].name));
            EXPECT_EQ(l[k].syntax, e[i].syntax) << e[i].oid;
            EXPECT_EQ(l[k].access, e[i].access) << e[i].oid;
            EXPECT_EQ(l[k].options, e[i].options) << e[i].oid;
        }
    }
}

TEST(WindowCatalogue, FileTransferPagesAddressOneInstanceEach)
{
    // Three one-row pages over the same objects: they differ only in the final instance.
    const char *pages[] = {"BootFileVars", "LogFileVars", "ConfigFileVars"};
    const QvSNMPVarDesc *first = FindMibTable(label(pages[0]));
    ASSERT_NE(first, nullptr);
    const int n = QvSNMPVarList::DescCount(first);
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(pages[p]);
        const QvSNMPVarDesc *t = FindMibTable(label(pages[p]));
        ASSERT_NE(t, nullptr);
        ASSERT_EQ(QvSNMPVarList::DescCount(t), n);
        const QString instance = QStringLiteral(".%1").arg(p + 1);
        for (int i = 0; i < n; ++i) {
            const QString oid = label(t[i].oid);
            ASSERT_TRUE(oid.endsWith(instance)) << t[i].oid;
            const QString object = oid.chopped(instance.size());
            EXPECT_EQ(object, label(first[i].oid).chopped(2)) << "column " << i;
            EXPECT_EQ(label(t[i].name), label(first[i].name));
            EXPECT_EQ(t[i].syntax, first[i].syntax);
            EXPECT_EQ(t[i].options, first[i].options);
        }
    }
}

TEST(WindowCatalogue, DedicatedWindowsFindTheirTables)
{
    for (const char *name : {"SummerTimeVars", "RmonEtherStatsVars", "RmonStatsControlVars", "RmonStatsControlEditVars",
                             "RmonHistoryControlVars", "RmonHistoryControlEditVars", "RmonEtherHistoryVars",
                             "RmonAlarmVars", "RmonEventVars", "RmonEventEditVars", "RmonEventEdit2Vars", "RmonLogVars",
                             "IfDescrVars", "IfCountersVars", "IpRouteVars", "IpCountersVars", "IcmpCountersVars",
                             "UdpCountersVars", "SnmpCountersVars", "StpInfoVars", "TpPortVars", "TpPortCountersVars"})
        EXPECT_NE(FindMibTable(label(name)), nullptr) << name;
}

} // namespace
