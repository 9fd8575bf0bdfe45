// Option lists (integer, string and prefix values, case rules), number lists and the global
// name lists.
#include "qvoptionlist.h"

#include <gtest/gtest.h>

namespace {

const QvOptionDesc rowStatusTable[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
                                       {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const QvOptionStrDesc bitmapTable[] = {{"80000000000000", "Port 1"}, {"40000000000000", "Port 2"}, {nullptr, nullptr}};
const QvOptionStrDesc prefixTable[] = {{"01", "A"}, {"0", "Zero"}, {"\xE9t", "\xC9T\xC9"}, {nullptr, nullptr}};

} // namespace

TEST(OptionList, BuildsFromSourceTables)
{
    const QvOptionDesc withZero[] = {{0, "SVT_SV"}, {1, "MVT_SV"}, {0, nullptr}};
    QvOptionList list(withZero);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(0).value, 0);
    EXPECT_EQ(list.ValueToLabel("0"), "SVT_SV");
    list.Append(rowStatusTable);
    EXPECT_EQ(list.Count(), 8);
    EXPECT_EQ(list.ValueText(7), "6");
    EXPECT_EQ(QvOptionList(static_cast<const QvOptionDesc *>(nullptr)).Count(), 0);
}

TEST(OptionList, Conversions)
{
    const QvOptionList rowStatus(rowStatusTable);
    const QvOptionList bitmaps(bitmapTable, OVT_STRING, false);
    const QvOptionList prefixes(prefixTable, OVT_PREFIX, false);
    const QvOptionList prefixesExact(prefixTable, OVT_PREFIX, true);
    struct Row {
        const char *fault;
        const QvOptionList &list;
        QString value;
        QString label;      // ValueToLabel(value)
        QString labelBack;  // LabelToValue(label)
    } rows[] = {
        {"integer value", rowStatus, "3", "notReady", "3"},
        {"null marker untouched", rowStatus, "(NULL)", "(NULL)", "(NULL)"},
        {"not a number", rowStatus, "x", "x", "x"},
        {"integer with blanks", rowStatus, " 6 ", "destroy", "6"},
        {"integer overflow", rowStatus, "4294967297", "4294967297", "4294967297"},
        {"trailing garbage", rowStatus, "3x", "3x", "3x"},
        {"string value", bitmaps, "40000000000000", "Port 2", "40000000000000"},
        {"string value other case", bitmaps, "4000000000000a", "4000000000000a", "4000000000000a"},
        {"prefix keeps the rest", prefixes, "01ff", "Aff", "01ff"},
        {"first prefix wins", prefixes, "0ff", "Zeroff", "0ff"},
        {"short text no prefix", prefixesExact, "", "", ""},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(r.list.ValueToLabel(r.value), r.label) << r.fault;
        EXPECT_EQ(r.list.LabelToValue(r.label), r.labelBack) << r.fault;
    }
}

TEST(OptionList, CaseRules)
{
    const QvOptionList insensitive(rowStatusTable, OVT_INTEGER, false);
    const QvOptionList sensitive(rowStatusTable, OVT_INTEGER, true);
    const QvOptionList prefixes(prefixTable, OVT_PREFIX, false);
    const QvOptionList prefixesExact(prefixTable, OVT_PREFIX, true);
    const QvOptionList bitmaps(bitmapTable, OVT_STRING, false);
    struct Row {
        const char *fault;
        const QvOptionList &list;
        QString text;
        int labelIndex;
    } rows[] = {
        {"capitals ignored", insensitive, "NOTREADY", 2},
        {"capitals count", sensitive, "NOTREADY", -1},
        {"exact match sensitive", sensitive, "notReady", 2},
        {"whole label needed", insensitive, "notReadyX", -1},
        {"latin-1 letters fold in labels", QvOptionList(bitmapTable, OVT_STRING, false), "port 1", 0},
        {"prefix ignores ASCII case", prefixes, "aXYZ", 0},
        {"prefix case counts", prefixesExact, "aXYZ", -1},
        {"prefix folds ASCII only", prefixes, QString::fromLatin1("\xE9T\xC9!"), -1},
        {"prefix exact bytes", prefixes, QString::fromLatin1("\xC9T\xC9!"), 2},
        {"prefix longer than text", prefixes, "", -1},
    };
    for (const Row &r : rows)
        EXPECT_EQ(r.list.IndexOfLabel(r.text), r.labelIndex) << r.fault;

    EXPECT_EQ(insensitive.LabelToValue("CREATEANDGO"), "4");
    EXPECT_EQ(sensitive.LabelToValue("CREATEANDGO"), "CREATEANDGO");
    EXPECT_EQ(bitmaps.IndexOfValue("4000000000000"), -1);
    EXPECT_EQ(prefixes.IndexOfValue(QString::fromLatin1("\xC9t")), -1);
    EXPECT_EQ(prefixes.IndexOfValue(QString::fromLatin1("\xE9tz")), 2);
}

TEST(NumList, Parse)
{
    struct Row {
        QString text;
        char delimiter;
        QList<qint32> numbers;
    } rows[] = {
        {"", ',', {}},
        {"0,2,5", ',', {0, 2, 5}},
        {"17", ',', {17}},
        {"1.6,2.4", ',', {2, 2}},
        {"1,,3", ',', {1, 0, 3}},
        {"3,", ',', {3, 0}},
        {"1.3.6", '.', {1, 3, 6}},
    };
    for (const Row &r : rows) {
        QvNumList list(r.delimiter);
        list.Parse(r.text);
        EXPECT_EQ(list.numbers, r.numbers) << r.text.toStdString();
    }
    QvNumList list(',');
    list.Parse("0,2,5");
    EXPECT_EQ(list.IndexOf(2), 1);
    EXPECT_EQ(list.IndexOf(3), -1);
    QvUNumList big(',');
    big.Parse("4294967295");
    EXPECT_EQ(big.at(0), 4294967295u);
}

TEST(NameLists, GiveEachCodeItsName)
{
    ASSERT_EQ(SyntaxNames.Count(), 25);
    EXPECT_EQ(ItemTypeNames.Count(), 4);
    EXPECT_EQ(AccessNames.Count(), 7);
    struct Row {
        const QvOptionList &list;
        int code;
        QString name;
    } rows[] = {
        {SyntaxNames, 66, "guage"}, {SyntaxNames, 1, "boolean"}, {SyntaxNames, 76, "displaystr"},
        {SyntaxNames, 198, "uint16"}, {ItemTypeNames, 0, "SVT_SV"}, {ItemTypeNames, 3, "MVT_UMV"},
        {AccessNames, 6, "readwrite"}, {AccessNames, 32, "invalid"},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(r.list.ValueToLabel(QString::number(r.code)), r.name);
        EXPECT_EQ(r.list.LabelToValue(r.name.toUpper()), QString::number(r.code));
    }
    EXPECT_EQ(SyntaxNames.Item(11).value, 1);
    EXPECT_EQ(SyntaxNames.Item(12).value, 69);
    EXPECT_EQ(AccessNames.IndexOfValue("64"), -1);
}
