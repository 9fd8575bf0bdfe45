// Request-to-edits binding without an agent: value texts are set directly, controls filled and
// collected back, list-view layout and selection, report lines and the binding failures.
#include "qveditconstraint.h"
#include "qvmessage.h"
#include "qvoptionlist.h"
#include "qvradiogroup.h"
#include "qvsnmpconvert.h"
#include "qvsnmperrors.h"
#include "qvsnmprequest2controls.h"
#include "qvsnmpvarlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QvOptionDesc RowStatusDesc[] = {{1, "active"},      {2, "notInService"}, {3, "notReady"},
                                      {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                      {0, nullptr}};
const QvOptionDesc EnabledDisabledDesc[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const QvOptionStrDesc OidPrefixDesc[] = {{"1.3.6.1.4.1", "enterprises"}, {"1.3.6.1.2.1", "mib-2"}, {nullptr, nullptr}};

const QvOptionList &RowStatus()
{
    static const QvOptionList list(RowStatusDesc, OVT_INTEGER, false);
    return list;
}
const QvOptionList &EnabledDisabled()
{
    static const QvOptionList list(EnabledDisabledDesc, OVT_INTEGER, false);
    return list;
}
const QvOptionList &OidPrefix()
{
    static const QvOptionList list(OidPrefixDesc, OVT_PREFIX, false);
    return list;
}

// The steps a refresh runs are public, so rows can be fed without an agent.
using Edits = QvSNMPRequest2Edits;

struct Fixture {
    QWidget form;
    Edits binding{&form};
    QvSNMPVar &add(quint32 syntax, quint32 access = ACC_READWRITE, const QvOptionList *options = nullptr)
    {
        const int n = binding.Vars().Count();
        return binding.Vars().AddVar(QStringLiteral("1.3.6.1.4.1.9999.%1").arg(n + 1), QStringLiteral("V%1").arg(n),
                                     syntax, access, options);
    }
    QList<QLineEdit *> edits(int n)
    {
        QList<QLineEdit *> list;
        for (int k = 0; k < n; ++k)
            list.append(new QLineEdit(&form));
        return list;
    }
    static QStringList texts(const QList<QLineEdit *> &edits)
    {
        QStringList t;
        for (QLineEdit *e : edits)
            t.append(e->text());
        return t;
    }
};

int CodeOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const QvSNMPException &e) {
        return e.code();
    }
    return 0;
}

// Several edits: the fields each syntax splits into, and the text collected back.
struct SplitCase {
    const char *name;
    quint32 syntax;
    const char *format;
    const char *value;
    QStringList fields;
    const char *collected;  // nullptr: the value itself
};

void PrintTo(const SplitCase &c, std::ostream *os)
{
    *os << c.name;
}

class SplitEdits : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitEdits, FillThenCollect)
{
    const SplitCase &c = GetParam();
    Fixture f;
    f.add(c.syntax).valueText = QString::fromLatin1(c.value);
    const QList<QLineEdit *> edits = f.edits(c.fields.size());
    f.binding.BindEdits(0, QString::fromLatin1(c.format), edits);
    f.binding.FillControls(-1);
    EXPECT_EQ(Fixture::texts(edits), c.fields);
    f.binding.Vars().Item(0).valueText.clear();
    f.binding.CollectControls(-1);
    EXPECT_EQ(f.binding.Vars().Item(0).valueText, QString::fromLatin1(c.collected ? c.collected : c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, SplitEdits,
    ::testing::Values(
        SplitCase{"ipaddress", SYN_IPADDRESS, "%i%i%i%i", "10.0.0.1", {"10", "0", "0", "1"}, nullptr},
        SplitCase{"nsapaddr", SYN_NSAPADDR, "%i%i%i%i", "192.168.200.255", {"192", "168", "200", "255"}, nullptr},
        SplitCase{"octetstr_extra_edit_empty", SYN_OCTETSTR, "%h%h%h%h", "001AFF", {"00", "1A", "FF", ""},
                  "001AFF00"},
        SplitCase{"bitstr", SYN_BITSTR, "%h%h", "8001", {"80", "01"}, nullptr},
        SplitCase{"objectid_trailing_boxes", SYN_OBJECTID, "%u%u%u%u%u%u", "1.3.6.1",
                  {"1", "3", "6", "1", "", ""}, nullptr},
        SplitCase{"timeticks", SYN_TIMETICKS, "%u%u%u%u%u", "2 days, 1:02:03.04", {"2", "1", "2", "3", "4"}, nullptr},
        SplitCase{"timeticks_below_a_day", SYN_TIMETICKS, "%u%u%u%u%u", "0:20:34.56", {"0", "0", "20", "34", "56"},
                  nullptr},
        SplitCase{"macaddress", SYN_MACADDRESS, "%h%h%h%h%h%h", "0011223344AA", {"00", "11", "22", "33", "44", "AA"},
                  nullptr},
        SplitCase{"datetime_with_offset", SYN_DATETIME, "%u%u%u%u%u%u%u%s%u%u", "2005-6-1,13:30:15.0,+8:0",
                  {"2005", "6", "1", "13", "30", "15", "0", "+", "8", "0"}, nullptr},
        SplitCase{"datetime_west_of_utc", SYN_DATETIME, "%u%u%u%u%u%u%u%s%u%u", "1999-12-31,23:59:59.9,-5:30",
                  {"1999", "12", "31", "23", "59", "59", "9", "-", "5", "30"}, nullptr},
        SplitCase{"datetime_without_offset", SYN_DATETIME, "%u%u%u%u%u%u%u%s%u%u", "2005-6-1,13:30:15.0",
                  {"2005", "6", "1", "13", "30", "15", "0", "+", "0", "0"}, nullptr},
        SplitCase{"other_syntax_first_edit", SYN_INTEGER, "%i%i", "-42", {"-42", ""}, nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Bindings, DateRealSplitsIntoSevenFieldsAndSurvivesCollect)
{
    Fixture f;
    QvSNMPVar &v = f.add(SYN_BCDATETIME);
    // 2 January 1900, 18:00:00 as a date-time real.
    v.valueText = QvDateTimeRealText(3.75);
    const QList<QLineEdit *> edits = f.edits(7);
    f.binding.BindEdits(0, QStringLiteral("%u%u%u%u%u%u%u"), edits);
    f.binding.FillControls(-1);
    EXPECT_EQ(Fixture::texts(edits), QStringList({"1900", "1", "2", "18", "0", "0", "0"}));
    edits[2]->setText(QStringLiteral("3"));
    f.binding.CollectControls(-1);
    double real = 0;
    ASSERT_TRUE(QvReadDateTimeReal(v.valueText, &real));
    EXPECT_NEAR(real, 4.75, 1e-6);
}

// Before 30 December 1899 the real counts whole days back and the time of day forward; the
// edits show the same day and time the text does.
TEST(Bindings, DateRealBeforeItsFirstDayKeepsDayAndTime)
{
    Fixture f;
    QvSNMPVar &v = f.add(SYN_BCDATETIME);
    v.valueText = QStringLiteral("1899/12/29 06:00:00 AM");
    const QList<QLineEdit *> edits = f.edits(7);
    f.binding.BindEdits(0, QStringLiteral("%u%u%u%u%u%u%u"), edits);
    f.binding.FillControls(-1);
    EXPECT_EQ(Fixture::texts(edits), QStringList({"1899", "12", "29", "6", "0", "0", "0"}));
    edits[3]->setText(QStringLiteral("18"));
    f.binding.CollectControls(-1);
    EXPECT_EQ(v.valueText, QStringLiteral("1899/12/29 06:00:00 PM"));
}

TEST(Bindings, PlaceholdersLeaveSplitEditsAlone)
{
    for (const char *placeholder : {"(NULL)", "(NOTDONE)"}) {
        for (quint32 syntax : {SYN_IPADDRESS, SYN_TIMETICKS, SYN_DATETIME, SYN_OCTETSTR}) {
            Fixture f;
            f.add(syntax).valueText = QString::fromLatin1(placeholder);
            const QList<QLineEdit *> edits = f.edits(syntax == SYN_DATETIME ? 10 : 5);
            for (QLineEdit *e : edits)
                e->setText(QStringLiteral("7"));
            f.binding.BindEdits(0, QString(QStringLiteral("%u")).repeated(edits.size()), edits);
            f.binding.FillControls(-1);
            for (QLineEdit *e : edits)
                EXPECT_EQ(e->text(), QStringLiteral("7")) << placeholder << " syntax " << syntax;
        }
    }
}

TEST(Bindings, IpAddressThroughBuiltPanel)
{
    Fixture f;
    f.add(SYN_IPADDRESS).valueText = QStringLiteral("10.0.0.1");
    QWidget panel(&f.form);
    f.binding.BindPanel(0, QStringLiteral("%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}"), &panel);
    ASSERT_EQ(f.binding.Associations().size(), 1);
    ASSERT_EQ(f.binding.Associations().first().controls.size(), 4);
    f.binding.FillControls(0);
    QStringList shown;
    for (const auto &c : f.binding.Associations().first().controls)
        shown.append(qobject_cast<QLineEdit *>(c.data())->text());
    EXPECT_EQ(shown, QStringList({"10", "0", "0", "1"}));
    qobject_cast<QLineEdit *>(f.binding.Associations().first().controls[3].data())->setText(QStringLiteral("254"));
    f.binding.CollectControls(0);
    EXPECT_EQ(f.binding.Vars().Item(0).valueText, QStringLiteral("10.0.0.254"));
}

TEST(Bindings, EditsWithoutFormatAreBoundUnconstrained)
{
    Fixture f;
    f.add(SYN_IPADDRESS).valueText = QStringLiteral("172.16.5.9");
    const QList<QLineEdit *> edits = f.edits(4);
    f.binding.BindEdits(0, QString(), edits);
    EXPECT_EQ(f.binding.Constraint()->Count(), 0);
    f.binding.FillControls(-1);
    EXPECT_EQ(Fixture::texts(edits), QStringList({"172", "16", "5", "9"}));
    f.binding.BindEdits(0, QStringLiteral("%i{n0x255}"), edits);
    EXPECT_EQ(f.binding.Constraint()->Count(), 1) << "one specifier constrains one edit";
}

TEST(Bindings, LongValuesShowTheirBeginning)
{
    Fixture f;
    f.add(SYN_DISPLAYSTR).valueText = QStringLiteral("portType-100Base-TX with a long description");
    const QList<QLineEdit *> edits = f.edits(1);
    f.binding.BindEdits(0, QString(), edits);
    f.binding.FillControls(-1);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("portType-100Base-TX with a long description"));
    EXPECT_EQ(edits[0]->cursorPosition(), 0);
}

// Whole values in one control: what is shown and what comes back after the user's change.
TEST(Bindings, SingleControlsShowAndCollectWholeValues)
{
    Fixture f;
    f.add(SYN_DISPLAYSTR).valueText = QString::fromLatin1("caf\xe9 \x01\xff");
    f.add(SYN_INTEGER, ACC_READWRITE, &RowStatus()).valueText = QStringLiteral("notReady");
    f.add(SYN_BOOLEAN).valueText = QStringLiteral("true");
    f.add(SYN_INTEGER, ACC_READWRITE, &EnabledDisabled()).valueText = QStringLiteral("enabled");
    f.add(SYN_INTEGER, ACC_READONLY).valueText = QStringLiteral("17");
    f.add(SYN_INTEGER).valueText = QStringLiteral("(NOTDONE)");
    f.add(SYN_INTEGER, ACC_READWRITE, &EnabledDisabled()).valueText = QStringLiteral("disabled");

    auto *edit = new QLineEdit(&f.form);
    auto *combo = new QComboBox(&f.form);
    auto *flag = new QCheckBox(&f.form);
    auto *onOff = new QCheckBox(&f.form);
    auto *label = new QLabel(&f.form);
    auto *marker = new QLineEdit(&f.form);
    auto *radio = new QvRadioGroup(&f.form);
    f.binding.BindEdits(0, QStringLiteral("%s{l32}"), {edit});
    f.binding.BindControl(1, combo);
    f.binding.BindControl(2, flag);
    f.binding.BindControl(3, onOff);
    f.binding.BindText(4, label);
    f.binding.BindControl(5, marker);
    f.binding.BindControl(6, radio);
    f.binding.FillControls(-1);

    EXPECT_EQ(edit->text(), QString::fromLatin1("caf\xe9 \x01\xff"));
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), RowStatus().Count());
    EXPECT_EQ(combo->currentText(), QStringLiteral("notReady"));
    EXPECT_TRUE(flag->isChecked());
    EXPECT_TRUE(onOff->isChecked());
    EXPECT_EQ(label->text(), QStringLiteral("17"));
    EXPECT_EQ(marker->text(), QStringLiteral("(NOTDONE)"));
    EXPECT_EQ(radio->itemIndex(), 0);

    edit->setText(QString::fromLatin1("\x80\xfe"));
    combo->setCurrentIndex(5);
    flag->setChecked(false);
    onOff->setChecked(false);
    label->setText(QStringLiteral("99"));
    radio->setItemIndex(1);
    f.binding.CollectValues();

    const QvSNMPVarList &v = f.binding.Vars();
    EXPECT_EQ(v.Item(0).valueText, QString::fromLatin1("\x80\xfe"));
    EXPECT_EQ(v.Item(1).valueText, QStringLiteral("destroy"));
    EXPECT_EQ(v.Item(2).valueText, QStringLiteral("false"));
    EXPECT_EQ(v.Item(3).valueText, QStringLiteral("disabled"));
    EXPECT_EQ(v.Item(4).valueText, QString()) << "a read-only item is emptied and not collected";
    EXPECT_EQ(v.Item(5).valueText, QStringLiteral("(NOTDONE)"));
    EXPECT_EQ(v.Item(6).valueText, QStringLiteral("enabled"));
}

TEST(Bindings, ComboAndEditSplitAnObjectIdentifierAtItsPrefix)
{
    Fixture f;
    f.add(SYN_OBJECTID).valueText = QStringLiteral("1.3.6.1.4.1.171.5");
    auto *combo = new QComboBox(&f.form);
    const QList<QLineEdit *> rest = f.edits(1);
    f.binding.BindCombo(0, 0, SYN_OBJECTID, &OidPrefix(), QStringLiteral("%n."), combo, rest);
    f.binding.FillControls(-1);
    EXPECT_EQ(combo->currentText(), QStringLiteral("enterprises"));
    EXPECT_EQ(rest[0]->text(), QStringLiteral("171.5"));

    combo->setCurrentIndex(1);
    rest[0]->setText(QStringLiteral("2.2.1.8"));
    f.binding.CollectControls(-1);
    EXPECT_EQ(f.binding.Vars().Item(0).valueText, QStringLiteral("1.3.6.1.2.1.2.2.1.8"));
}

TEST(Bindings, PortListBitsMostSignificantFirst)
{
    Fixture f;
    f.add(SYN_BITSTR).valueText = QStringLiteral("80000000000001");
    QList<QCheckBox *> boxes;
    QStringList bits;
    for (int k = 0; k < 50; ++k) {
        boxes.append(new QCheckBox(&f.form));
        bits.append(QString::number(k));
    }
    f.binding.BindCheckBoxes(0, bits.join(QLatin1Char(',')), boxes);
    f.binding.FillControls(-1);
    for (int k = 0; k < 50; ++k)
        EXPECT_EQ(boxes[k]->isChecked(), k == 0) << "port " << k + 1;
    boxes[0]->setChecked(false);
    boxes[1]->setChecked(true);
    boxes[49]->setChecked(true);
    f.binding.CollectValues();
    // Bits past the last box (here bit 55) come from the emptied value: zero.
    EXPECT_EQ(f.binding.Vars().Item(0).valueText, QStringLiteral("40000000000040"));
}

TEST(Bindings, PartialDataFieldsOfOneOctetString)
{
    Fixture f;
    f.add(SYN_OCTETSTR).valueText = QStringLiteral("0001FF02FFFE");
    auto *int16 = new QLineEdit(&f.form);
    auto *uint8 = new QLineEdit(&f.form);
    auto *bool8 = new QCheckBox(&f.form);
    auto *signed16 = new QLabel(&f.form);
    f.binding.BindOptionControl(0, 0, SYN_INT16, nullptr, int16);
    f.binding.BindOptionControl(0, 2, SYN_UINT8, nullptr, uint8);
    f.binding.BindOptionControl(0, 3, SYN_BOOL8, nullptr, bool8);
    f.binding.BindOptionControl(0, 4, SYN_INT16, nullptr, signed16);
    f.binding.FillControls(-1);
    EXPECT_EQ(int16->text(), QStringLiteral("1"));
    EXPECT_EQ(uint8->text(), QStringLiteral("255"));
    EXPECT_TRUE(bool8->isChecked());
    EXPECT_EQ(signed16->text(), QStringLiteral("-2"));

    f.binding.Vars().Item(0).valueText = QStringLiteral("(NOTDONE)");
    f.binding.FillControls(-1);
    EXPECT_EQ(uint8->text(), QStringLiteral("(NULL)")) << "a placeholder's parts are absent, not zero";
    f.binding.Vars().Item(0).valueText = QStringLiteral("0001FF02FFFE");

    int16->setText(QStringLiteral("258"));
    uint8->setText(QStringLiteral("16"));
    bool8->setChecked(false);
    f.binding.CollectControls(-1);
    EXPECT_EQ(f.binding.Vars().Item(0).valueText, QStringLiteral("01021000FFFE"));
}

TEST(Bindings, PartPastTheEndOfAShortValueGrowsIt)
{
    Fixture f;
    f.add(SYN_OCTETSTR).valueText = QStringLiteral("AA");
    auto *field = new QLineEdit(&f.form);
    auto *head = new QLineEdit(&f.form);
    f.binding.BindOptionControl(0, 3, SYN_UINT16, nullptr, field);
    f.binding.BindOptionControl(0, 0, SYN_UINT8, nullptr, head);
    EXPECT_EQ(CodeOf([&] { f.binding.FillControls(-1); }), -519);
    field->setText(QStringLiteral("513"));
    head->setText(QStringLiteral("170"));
    f.binding.CollectControls(-1);
    EXPECT_EQ(f.binding.Vars().Item(0).valueText, QStringLiteral("AA00000201"));
}

TEST(Bindings, BindingFailuresCarryTheirCodes)
{
    struct Case {
        const char *name;
        int code;
        std::function<void(Fixture &)> run;
    };
    const Case cases[] = {
        {"check box on integer without options", -517,
         [](Fixture &f) {
             f.add(SYN_INTEGER).valueText = QStringLiteral("1");
             f.binding.BindControl(0, new QCheckBox(&f.form));
             f.binding.FillControls(-1);
         }},
        {"check box on integer collected", -517,
         [](Fixture &f) {
             f.add(SYN_INTEGER).valueText = QStringLiteral("1");
             f.binding.BindControl(0, new QCheckBox(&f.form));
             f.binding.CollectControls(-1);
         }},
        {"bit beyond the value", -519,
         [](Fixture &f) {
             f.add(SYN_BITSTR).valueText = QStringLiteral("FF");
             f.binding.BindCheckBoxes(0, QStringLiteral("0,8"), {new QCheckBox(&f.form), new QCheckBox(&f.form)});
             f.binding.FillControls(-1);
         }},
        {"combo without option list", -520,
         [](Fixture &f) {
             f.add(SYN_INTEGER).valueText = QStringLiteral("1");
             f.binding.BindControl(0, new QComboBox(&f.form));
             f.binding.FillControls(-1);
         }},
        {"radio group without option list", -520,
         [](Fixture &f) {
             f.add(SYN_INTEGER).valueText = QStringLiteral("1");
             f.binding.BindControl(0, new QvRadioGroup(&f.form));
             f.binding.FillControls(-1);
         }},
        {"button is no control kind", -521,
         [](Fixture &f) {
             f.add(SYN_INTEGER).valueText = QStringLiteral("1");
             f.binding.BindControl(0, new QPushButton(&f.form));
             f.binding.FillControls(-1);
         }},
        {"three edits for an address", -522,
         [](Fixture &f) {
             f.add(SYN_IPADDRESS).valueText = QStringLiteral("1.2.3.4");
             f.binding.BindEdits(0, QStringLiteral("%i%i%i"), f.edits(3));
             f.binding.FillControls(-1);
         }},
        {"more octets than edits", -522,
         [](Fixture &f) {
             f.add(SYN_OCTETSTR).valueText = QStringLiteral("010203");
             f.binding.BindEdits(0, QStringLiteral("%h%h"), f.edits(2));
             f.binding.FillControls(-1);
         }},
        {"fewer edits than specifiers", -522,
         [](Fixture &f) {
             f.add(SYN_IPADDRESS);
             f.binding.BindEdits(0, QStringLiteral("%i%i%i%i"), f.edits(2));
         }},
        {"prefix list combo alone", -522,
         [](Fixture &f) {
             f.add(SYN_OBJECTID).valueText = QStringLiteral("1.3.6.1.4.1.9");
             f.binding.BindOptionControl(0, 0, SYN_OBJECTID, &OidPrefix(), new QComboBox(&f.form));
             f.binding.FillControls(-1);
         }},
        {"item the list does not hold", -519,
         [](Fixture &f) {
             f.add(SYN_INTEGER);
             f.binding.BindControl(1, new QLineEdit(&f.form));
         }},
        {"fewer bit numbers than boxes", -522,
         [](Fixture &f) {
             f.add(SYN_BITSTR);
             f.binding.BindCheckBoxes(0, QStringLiteral("0"), {new QCheckBox(&f.form), new QCheckBox(&f.form)});
         }},
    };
    for (const Case &c : cases) {
        Fixture f;
        EXPECT_EQ(CodeOf([&] { c.run(f); }), c.code) << c.name;
    }
}

TEST(Bindings, InvalidItemsAreNotFilledAndUnbindDetaches)
{
    Fixture f;
    f.add(SYN_INTEGER).valueText = QStringLiteral("5");
    f.add(SYN_INTEGER).valueText = QStringLiteral("6");
    const QList<QLineEdit *> edits = f.edits(2);
    f.binding.BindEdits(0, QStringLiteral("%i"), {edits[0]});
    f.binding.BindEdits(1, QStringLiteral("%i"), {edits[1]});
    f.binding.Vars().Item(0).setInvalid(true);
    f.binding.FillControls(-1);
    EXPECT_EQ(edits[0]->text(), QString());
    EXPECT_EQ(edits[1]->text(), QStringLiteral("6"));

    f.binding.Vars().Item(0).setInvalid(false);
    f.binding.Unbind(1);
    f.binding.Vars().Item(1).valueText = QStringLiteral("60");
    f.binding.FillControls(-1);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("5"));
    EXPECT_EQ(edits[1]->text(), QStringLiteral("6"));
    EXPECT_EQ(f.binding.Associations().size(), 1);
}

TEST(Bindings, ListViewColumnsRowsAndSelection)
{
    Fixture f;
    QvSNMPVarList &v = f.binding.Vars();
    v.itemType = MVT_FMV;
    v.indexCount = 1;
    f.add(SYN_INTEGER, ACC_NOTACCESS);               // 0 index: displayed
    f.add(SYN_DISPLAYSTR, ACC_WRITEONLY);            // 1 hidden: write-only
    f.add(SYN_DISPLAYSTR, ACC_READWRITE);            // 2 displayed
    f.add(SYN_INTEGER, ACC_READWRITE | ACC_HIDDEN);  // 3 hidden flag
    f.add(SYN_INTEGER, ACC_READWRITE, &RowStatus()); // 4 displayed
    auto *lv = new QTreeWidget(&f.form);
    auto *name = new QLineEdit(&f.form);
    auto *status = new QComboBox(&f.form);
    f.binding.BindListView(lv, true);
    f.binding.BindEdits(2, QStringLiteral("%s"), {name});
    f.binding.BindControl(4, status);

    ASSERT_EQ(lv->columnCount(), 5);
    const QStringList expectHeaders{"V1", "V3", "V0", "V2", "V4"};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(lv->headerItem()->text(c), expectHeaders[c]);
        if (c < 2)
            EXPECT_EQ(lv->columnWidth(c), 0) << c;
        else
            EXPECT_GT(lv->columnWidth(c), 0) << c;
    }

    f.binding.BeforeRefresh();
    for (int row = 1; row <= 2; ++row) {
        v.Item(0).valueText = QString::number(row * 10);
        v.Item(1).valueText = QStringLiteral("w%1").arg(row);
        v.Item(2).valueText = QStringLiteral("vlan%1").arg(row);
        v.Item(3).valueText = QString::number(row);
        v.Item(4).valueText = QStringLiteral("active");
        f.binding.RowReceived();
    }
    f.binding.AfterRefresh();
    ASSERT_EQ(lv->topLevelItemCount(), 2);
    EXPECT_EQ(lv->topLevelItem(1)->text(0), QStringLiteral("w2"));
    EXPECT_EQ(lv->topLevelItem(1)->text(2), QStringLiteral("20"));
    EXPECT_FALSE(name->isEnabled()) << "controls wait for a selection";

    lv->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(name->isEnabled());
    EXPECT_EQ(name->text(), QStringLiteral("vlan1"));
    EXPECT_EQ(status->currentText(), QStringLiteral("active"));
    EXPECT_EQ(v.Item(0).valueText, QStringLiteral("10"));

    name->setText(QStringLiteral("renamed"));
    status->setCurrentIndex(5);
    f.binding.CollectValues();
    EXPECT_EQ(v.Item(0).valueText, QStringLiteral("10")) << "the index comes from the selected row";
    EXPECT_EQ(v.Item(2).valueText, QStringLiteral("renamed"));
    EXPECT_EQ(v.Item(4).valueText, QStringLiteral("destroy"));

    // Enough columns already: a second refresh keeps them, and the rows until the first new one.
    lv->setColumnWidth(2, 77);
    f.binding.BeforeRefresh();
    EXPECT_EQ(lv->topLevelItemCount(), 2);
    EXPECT_EQ(lv->columnWidth(2), 77);
    f.binding.RowReceived();
    EXPECT_EQ(lv->topLevelItemCount(), 0) << "the rows of an answer go in together";
    QCoreApplication::processEvents();
    EXPECT_EQ(lv->topLevelItemCount(), 1);
    f.binding.BeforeRefresh();
    f.binding.AfterRefresh();
    EXPECT_EQ(lv->topLevelItemCount(), 0) << "a walk that found nothing leaves nothing";
}

TEST(Bindings, OneColumnTableReplacesTheDefaultColumnButKeepsDesignedOnes)
{
    Fixture f;
    f.binding.Vars().itemType = MVT_FMV;
    f.add(SYN_DISPLAYSTR, ACC_READONLY);
    QTreeWidget fresh(&f.form), designed(&f.form);
    designed.setHeaderLabels({QStringLiteral("Designed ")});
    f.binding.BindListView(&fresh, false);
    EXPECT_EQ(fresh.headerItem()->text(0), QStringLiteral("V0"));
    f.binding.BindListView(&designed, false);
    EXPECT_EQ(designed.headerItem()->text(0), QStringLiteral("Designed "));
}

TEST(Bindings, SelectionFailureIsReportedNotThrown)
{
    Fixture f;
    f.binding.Vars().itemType = MVT_FMV;
    f.add(SYN_INTEGER, ACC_READWRITE);
    auto *lv = new QTreeWidget(&f.form);
    QPlainTextEdit memo;
    f.binding.SetReportTarget(&memo);
    f.binding.BindListView(lv, false);
    f.binding.BindControl(0, new QComboBox(&f.form));  // no option list: fails on fill
    f.binding.Vars().Item(0).valueText = QStringLiteral("3");
    f.binding.RowReceived();
    QCoreApplication::processEvents();
    ASSERT_EQ(lv->topLevelItemCount(), 1);
    lv->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(memo.toPlainText().contains(QvErrorText(-520))) << memo.toPlainText().toStdString();
}

TEST(Bindings, ReportLinesReachEachTargetKind)
{
    QWidget form;
    Edits binding(&form);
    QPlainTextEdit memo;
    QStatusBar bar;
    QLabel panel;
    binding.SetReportTarget(&memo);
    binding.Report(QStringLiteral("Ok!"));
    binding.Report(QStringLiteral("Second"));
    const QStringList lines = memo.toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Get: Ok!. Receive at "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Get: Second. Receive at ")));

    binding.SetReportTarget(&bar);
    binding.Report(QStringLiteral("Ok!"));
    EXPECT_TRUE(bar.currentMessage().startsWith(QStringLiteral("Get: Ok!. Receive at ")));
    binding.SetReportTarget(&panel);
    binding.Report(QStringLiteral("Ok!"));
    EXPECT_TRUE(panel.text().startsWith(QStringLiteral("Get: Ok!. Receive at ")));

    // A failure goes to the target when there is one, else to a message box.
    QStringList boxes;
    QvMessageHook old = QvSetMessageHook([&](QWidget *, const QString &t, const QString &, QMessageBox::StandardButtons) {
        boxes.append(t);
        return QMessageBox::Ok;
    });
    QvSNMPError failure;
    failure.code = -405;
    failure.text = QvErrorText(-405);
    binding.RefreshFailed(failure);
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_TRUE(panel.text().startsWith(QStringLiteral("Get: ") + failure.text));
    binding.SetReportTarget(nullptr);
    binding.Report(QStringLiteral("dropped"));
    binding.RefreshFailed(failure);
    QPushButton button;
    binding.SetReportTarget(&button);
    EXPECT_EQ(binding.ReportTarget(), nullptr) << "a button cannot show a report line";
    binding.RefreshFailed(failure);
    EXPECT_EQ(boxes, QStringList({failure.text, failure.text}));
    QvSetMessageHook(old);
}

// A message strip is a few lines high: the newest line stays in view, also once a long line has
// brought in the horizontal scroll bar.
TEST(Bindings, NewestReportLineStaysInView)
{
    QWidget form;
    Edits binding(&form);
    QPlainTextEdit memo;
    memo.setReadOnly(true);
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    memo.resize(300, 50);
    memo.show();
    binding.SetReportTarget(&memo);
    const QString ok = QStringLiteral("Ok!");
    const QString texts[] = {ok, QvErrorText(QVE_SET_UNKNOWN), ok, ok, QvErrorText(QVC_TIMEOUT), ok};
    for (const QString &t : texts) {
        binding.Report(t);
        QCoreApplication::processEvents();
        const QScrollBar *bar = memo.verticalScrollBar();
        EXPECT_EQ(bar->value(), bar->maximum()) << t.toStdString();
    }
    EXPECT_GT(memo.verticalScrollBar()->maximum(), 0) << "the strip must have needed scrolling";
    EXPECT_TRUE(memo.horizontalScrollBar()->isVisible());
}

}  // namespace
