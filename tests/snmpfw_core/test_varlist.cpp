// Variable lists: building from descriptor tables, copying, and the access predicates.
#include "qvsnmpvarlist.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString initialValue = QStringLiteral("init");
const QString initialOid = QStringLiteral("1.3.6.1.2.1.1.1.0");

const QvSNMPVarDesc table[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Descr", SYN_DISPLAYSTR, ACC_READONLY, nullptr, "$0+1", "$0-1", "note", &initialValue,
     &initialOid},
    {"1.3.6.1.2.1.2.2.1.7", "Admin", SYN_INTEGER, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr},
    {},
};

const QvSNMPVarDesc emptyTable[] = {{}};

} // namespace

TEST(VarList, BuildsFromDescriptorTable)
{
    QvSNMPVarList list(table, MVT_FMV, 1);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(QvSNMPVarList::DescCount(table), 3);
    EXPECT_EQ(QvSNMPVarList::DescCount(nullptr), 0);
    const QvSNMPVar &v = list.Item(1);
    EXPECT_EQ(v.oid, "1.3.6.1.2.1.2.2.1.2");
    EXPECT_EQ(v.name, "Descr");
    EXPECT_EQ(v.readExpr, "$0+1");
    EXPECT_EQ(v.writeExpr, "$0-1");
    EXPECT_EQ(v.extraText, "note");
    EXPECT_EQ(v.valueText, "init");
    EXPECT_EQ(v.currentOid, initialOid);
    EXPECT_TRUE(list.Item(0).valueText.isEmpty());
    EXPECT_TRUE(list.Item(0).readExpr.isEmpty());

    // A table ended at its first record adds nothing, appended or built from.
    list.AppendDescs(emptyTable);
    list.AppendDescs(nullptr);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(QvSNMPVarList(emptyTable, SVT_SV, 0).Count(), 0);

    list.AppendDescs(table);
    EXPECT_EQ(list.Count(), 6);
    list.AppendInstance("49");
    EXPECT_EQ(list.Item(5).oid, "1.3.6.1.2.1.2.2.1.7.49");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(VarList, AssignCopiesEverythingButSuffix)
{
    QvSNMPVarList source(table, MVT_UMV, 1);
    source.instanceSuffix = "5";
    source.title = "Interfaces";
    source.Item(2).valueText = "up";
    source.Item(2).access |= ACC_INVALID;

    QvSNMPVarList target;
    target.AddVar("1.3.6.1.9", "Old", SYN_INTEGER, ACC_READONLY);
    target.Assign(source);
    EXPECT_EQ(target.instanceSuffix, "");
    EXPECT_EQ(target.Count(), 3);
    EXPECT_EQ(target.itemType, MVT_UMV);
    EXPECT_EQ(target.indexCount, 1);
    EXPECT_EQ(target.title, "Interfaces");
    EXPECT_EQ(target.Item(2).valueText, "up");
    EXPECT_TRUE(target.Item(2).isInvalid());
    EXPECT_EQ(target.Item(1).currentOid, initialOid);

    // The copy is deep; assignment keeps the destination's suffix; the copy starts without one.
    target.Item(2).valueText = "down";
    EXPECT_EQ(source.Item(2).valueText, "up");
    target.instanceSuffix = "7";
    target = source;
    EXPECT_EQ(target.instanceSuffix, "7");
    EXPECT_EQ(target.Item(2).valueText, "up");
    const QvSNMPVarList copy(source);
    EXPECT_EQ(copy.instanceSuffix, "");
    EXPECT_EQ(copy.Count(), 3);
    target = target;
    EXPECT_EQ(target.Count(), 3);

    // Lists kept in a growing container keep their suffixes.
    std::vector<QvSNMPVarList> lists;
    for (int k = 0; k < 20; ++k) {
        lists.emplace_back(table, MVT_SV, 0);
        lists.back().instanceSuffix = QString::number(k);
    }
    for (int k = 0; k < 20; ++k)
        EXPECT_EQ(lists[size_t(k)].instanceSuffix, QString::number(k));
}

TEST(VarList, AccessPredicates)
{
    struct Row {
        quint32 access;
        quint8 itemType;
        int position;  // against index count 1
        bool readable, writable, implied, displayed, hidden;
    } rows[] = {
        {ACC_NOTACCESS, MVT_FMV, 0, false, true, false, true, false},
        {ACC_NOTACCESS, MVT_UMV, 0, false, true, false, true, false},
        {ACC_NOTACCESS, MVT_FMV, 1, false, false, false, true, false},
        {ACC_NOTACCESS, MVT_SV, 0, false, false, false, true, false},
        {ACC_NOTACCESS | ACC_WRITEONLY, MVT_FMV, 1, false, true, false, true, false},
        {ACC_NOTACCESS | ACC_IMPLIED, MVT_FMV, 0, false, true, true, true, false},
        {ACC_NOTACCESS | ACC_IMPLIED | ACC_INVALID, MVT_FMV, 0, false, false, true, false, true},
        {ACC_READONLY, SVT_SV, 0, true, false, false, true, false},
        {ACC_READWRITE, SVT_SV, 0, true, true, false, true, false},
        {ACC_READWRITE | ACC_INVALID, SVT_SV, 0, false, false, false, false, true},
        {ACC_READWRITE | ACC_INVALID, MVT_FMV, 0, false, false, false, false, true},
        {ACC_WRITEONLY, SVT_SV, 0, false, true, false, false, true},
        {ACC_DERIVED, SVT_SV, 0, false, false, false, true, false},
        {ACC_READONLY | ACC_HIDDEN, SVT_SV, 0, true, false, false, false, true},
        {0, SVT_SV, 0, false, false, false, false, false},
    };
    for (const Row &r : rows) {
        QvSNMPVarList list;
        list.itemType = r.itemType;
        list.indexCount = 1;
        list.AddVar("1.3.6.1.9.1", "A", SYN_INTEGER, ACC_NOTACCESS);
        list.AddVar("1.3.6.1.9.2", "B", SYN_INTEGER, ACC_NOTACCESS);
        list.Item(r.position).access = r.access;
        const int i = r.position;
        const std::string what = "access " + std::to_string(r.access) + " at " + std::to_string(i);
        EXPECT_EQ(list.IsReadable(i), r.readable) << what;
        EXPECT_EQ(list.IsWritable(i), r.writable) << what;
        EXPECT_EQ(list.IsImplied(i), r.implied) << what;
        EXPECT_EQ(list.IsDisplayed(i), r.displayed) << what;
        EXPECT_EQ(list.IsHiddenColumn(i), r.hidden) << what;
    }

    // Clearing the invalid flag restores every predicate.
    QvSNMPVarList list;
    QvSNMPVar &v = list.AddVar("1.3.6.1.9.1", "A", SYN_INTEGER, ACC_READWRITE | ACC_INVALID);
    v.setInvalid(false);
    EXPECT_TRUE(list.IsReadable(0) && list.IsWritable(0) && list.IsDisplayed(0));
    EXPECT_EQ(v.access, quint32(ACC_READWRITE));
}

TEST(VarList, Counts)
{
    QvSNMPVarList list(table, MVT_FMV, 1);
    list.AddVar("1.3.6.1.9.4", "Secret", SYN_DISPLAYSTR, ACC_WRITEONLY);
    list.AddVar("1.3.6.1.9.5", "Hidden", SYN_INTEGER, ACC_READONLY | ACC_HIDDEN);
    EXPECT_EQ(list.DisplayedCount(), 3);
    EXPECT_EQ(list.HiddenCount(), 2);
    list.Item(2).setInvalid(true);
    EXPECT_EQ(list.DisplayedCount(), 2);
    EXPECT_EQ(list.HiddenCount(), 3);
    EXPECT_TRUE(list.IsLastImplied(0) == false);
    list.Item(0).access |= ACC_IMPLIED;
    EXPECT_TRUE(list.IsLastImplied(0));
    EXPECT_FALSE(list.IsLastImplied(1));
}
