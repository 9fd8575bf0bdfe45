// The summer-time window: which rows each mode shows and reads, the octet fields of the composite
// rows against the simulated switch, the order and content of the two writes of Set Checked, and
// an incomplete row that is not written; reads and writes run as chained steps, and a failed step
// ends the chain and is named; on a silent switch it waits without holding anything up.
#include "agent_support.h"
#include "box_answer.h"
#include "fake_udp_agent.h"
#include "kmvsim_process.h"
#include "mibenums.h"
#include "qvsnmprequest.h"
#include "qvsnmpsession.h"
#include "session_scope.h"
#include "silent_window.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tmessagebox.h"
#include "tmsgpanel.h"
#include "tsnmppanel.h"
#include "tsummertimeform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QDeadlineTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString Base = QStringLiteral("1.3.6.1.4.1.171.12.10.12.");

class Environment : public ::testing::Environment {
public:
    void SetUp() override
    {
        BuildCatalogueLists();
        OpenGlobalSession(makeTempDir(QStringLiteral("summertime-session")));
    }
    void TearDown() override { FreeCatalogueLists(); }
};
const auto *const env = ::testing::AddGlobalTestEnvironment(new Environment);

// The window once its read or write chain has ended.
bool Settled(const TSummerTimeForm &form)
{
    return WaitFor([&] { return !form.Working() && !form.Binding()->Busy(); });
}

QStringList PartTexts(const TSummerTimeForm &form, int row)
{
    QStringList texts;
    for (QWidget *part : form.RowList(row).Parts()) {
        if (auto *c = qobject_cast<QComboBox *>(part))
            texts << c->currentText();
        else if (auto *e = qobject_cast<QLineEdit *>(part))
            texts << e->text();
    }
    return texts;
}

QList<int> VisibleRows(const TSummerTimeForm &form)
{
    QList<int> rows;
    TEditsPanel *edits = form.Panel()->EditsPanel;
    for (int r = 0; r < edits->ItemCount(); ++r)
        if (!edits->Item(r).control->isHidden() && !edits->Item(r).label->isHidden())
            rows << r;
    return rows;
}

// One SET of an INTEGER scalar of the group, outside the window.
void SetStatus(int value)
{
    QvSNMPRequest request;
    request.vars.itemType = SVT_SV;
    request.vars.AddVar(Base + "1", "status", SYN_INTEGER, ACC_READWRITE).valueText = QString::number(value);
    request.Write(false);
}

// The value as the framework shows an octet string: hexadecimal digits.
QString ReadOctets(int column)
{
    QvSNMPRequest request;
    request.vars.itemType = SVT_SV;
    request.vars.AddVar(Base + QString::number(column), "v", SYN_OCTETSTR, ACC_READWRITE);
    request.Read(true);
    return request.vars.Item(0).valueText.toLower();
}

}  // namespace

TEST(SummerTimeAgainstSwitch, RowsPerMode)
{
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port());
    const struct {
        const char *name;
        int status;
        const char *label;
        QList<int> visible;
        QStringList repeatStart, annualStart;
    } cases[] = {
        {"repeating", 1, "repeating", {0, 1, 2, 3}, {"Mar", "last", "Sun", "2", "0"}, {"", "", "", ""}},
        {"annual", 2, "annual", {0, 1, 4, 5}, {"", "", "", "", ""}, {"29", "Mar", "2", "0"}},
        {"disable", 0, "disable", {0, 1}, {"", "", "", "", ""}, {"", "", "", ""}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_THROW(SetStatus(c.status));
        TSummerTimeForm form(nullptr);
        ASSERT_TRUE(Settled(form));
        EXPECT_EQ(form.Panel()->EditsPanel->GetItemText(0), QString(c.label));
        EXPECT_EQ(form.Panel()->EditsPanel->GetItemText(1), "60");
        EXPECT_EQ(VisibleRows(form), c.visible);
        EXPECT_EQ(PartTexts(form, STR_RepeatStart), c.repeatStart) << "only the mode's rows are read";
        EXPECT_EQ(PartTexts(form, STR_AnnualStart), c.annualStart);
    }
}

TEST(SummerTimeAgainstSwitch, SetCheckedWritesTheFieldsOfTheMode)
{
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port());
    BoxAnswer box;
    TSummerTimeForm form(nullptr);
    ASSERT_TRUE(Settled(form));
    TEditsPanel *edits = form.Panel()->EditsPanel;
    auto *status = qobject_cast<QComboBox *>(edits->Item(0).control);
    ASSERT_NE(status, nullptr);
    status->setCurrentIndex(status->findText("annual"));
    EXPECT_EQ(VisibleRows(form), (QList<int>{0, 1, 4, 5})) << "the status combo switches the rows";

    const TCtrlsList &start = form.RowList(STR_AnnualStart);
    qobject_cast<QLineEdit *>(start.at(1).data())->setText("5");
    auto *month = qobject_cast<QComboBox *>(start.at(2).data());
    month->setCurrentIndex(month->findText("Apr"));
    qobject_cast<QLineEdit *>(start.at(3).data())->setText("1");
    qobject_cast<QLineEdit *>(start.at(4).data())->setText("30");
    const TCtrlsList &end = form.RowList(STR_AnnualEnd);
    for (int k = 1; k < end.size(); ++k) {
        if (auto *e = qobject_cast<QLineEdit *>(end.at(k).data()))
            e->setText(k == 1 ? "12" : "3");
        else if (auto *m = qobject_cast<QComboBox *>(end.at(k).data()))
            m->setCurrentIndex(m->findText("Oct"));
    }
    for (int r : {0, 1, 4, 5})
        edits->CheckItem(r);
    form.Panel()->CtrlBtn->BT_SetChecked->setEnabled(true);
    form.Panel()->CtrlBtn->BT_SetChecked->click();
    EXPECT_TRUE(form.Working()) << "Set Checked returns with its first write out";
    ASSERT_TRUE(Settled(form));
    EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();

    EXPECT_EQ(ReadOctets(5), "0504011e");
    EXPECT_EQ(ReadOctets(6), "0c0a0303");
    EXPECT_EQ(ReadOctets(3), "000001030200") << "the hidden repeating rows are untouched";

    form.RefreshSummerTime();
    ASSERT_TRUE(Settled(form));
    EXPECT_EQ(edits->GetItemText(0), "annual") << "the status was written";
    EXPECT_EQ(PartTexts(form, STR_AnnualStart), (QStringList{"5", "Apr", "1", "30"}));
}

namespace {

// A scripted agent holding the group's values: answers GETs from them, applies and records SETs.
struct ScriptedSwitch {
    // refused: a SET touching this OID is refused ("" none).
    explicit ScriptedSwitch(const QString &refused = QString())
        : refuse(refused), values{{Base + "1.0", FakeUdpAgent::integer(1)},
                 {Base + "2.0", FakeUdpAgent::integer(60)},
                 {Base + "3.0", FakeUdpAgent::octets(QByteArray::fromHex("000001030200"))},
                 {Base + "4.0", FakeUdpAgent::octets(QByteArray::fromHex("0000010a0300"))},
                 {Base + "5.0", FakeUdpAgent::octets(QByteArray::fromHex("1d030200"))},
                 {Base + "6.0", FakeUdpAgent::octets(QByteArray::fromHex("190a0300"))}},
          agent([this](const FakeRequest &r) {
              FakeResponse resp;
              if (r.pduType == 0xa3 && !refuse.isEmpty()) {
                  for (const FakeVb &vb : r.vbs) {
                      if (FakeUdpAgent::text(vb.oid) == refuse) {
                          resp.errorStatus = 10;  // wrongValue
                          resp.errorIndex = 1;
                          resp.vbs = r.vbs;
                          return resp;
                      }
                  }
              }
              for (FakeVb vb : r.vbs) {
                  const QString oid = FakeUdpAgent::text(vb.oid);
                  if (r.pduType == 0xa3)
                      values[oid] = vb.value;
                  vb.value = values.count(oid) ? values[oid] : FakeUdpAgent::null();
                  resp.vbs << vb;
              }
              return resp;
          })
    {
    }
    QList<QStringList> Sets() const
    {
        QList<QStringList> sets;
        for (const FakeRequest &r : agent.requests()) {
            if (r.pduType != 0xa3)
                continue;
            QStringList oids;
            for (const FakeVb &vb : r.vbs)
                oids << FakeUdpAgent::text(vb.oid).mid(Base.size());
            sets << oids;
        }
        return sets;
    }
    QList<QStringList> Gets() const
    {
        QList<QStringList> gets;
        for (const FakeRequest &r : agent.requests()) {
            if (r.pduType != 0xa0)
                continue;
            QStringList oids;
            for (const FakeVb &vb : r.vbs)
                oids << FakeUdpAgent::text(vb.oid).mid(Base.size());
            gets << oids;
        }
        return gets;
    }
    const QString refuse;
    std::map<QString, QByteArray> values;
    FakeUdpAgent agent;
};

}  // namespace

TEST(SummerTimeOnTheWire, RefreshAndSetOrder)
{
    const struct {
        const char *name;
        const char *mode;
        QList<int> ticked;
        const char *clearPart;  // "row,part" of an edit emptied before Set Checked, or ""
        QList<QStringList> gets;
        QList<QStringList> sets;
        bool warned;
    } cases[] = {
        {"annual writes the status first, then offset and the annual pair", "annual", {0, 1, 4, 5}, "",
         {{"1.0"}, {"1.0", "2.0", "5.0", "6.0"}}, {{"1.0"}, {"2.0", "5.0", "6.0"}}, false},
        {"repeating writes the repeating pair", "repeating", {0, 1, 2, 3}, "",
         {{"1.0"}, {"1.0", "2.0", "3.0", "4.0"}}, {{"1.0"}, {"2.0", "3.0", "4.0"}}, false},
        {"an unticked status is not written alone", "repeating", {1, 2}, "",
         {{"1.0"}, {"1.0", "2.0", "3.0", "4.0"}}, {{"2.0", "3.0"}}, false},
        {"a repeating row without its minute is not written", "repeating", {0, 2}, "2,5",
         {{"1.0"}, {"1.0", "2.0", "3.0", "4.0"}}, {{"1.0"}}, true},
        {"disable writes the status and the offset only", "disable", {0, 1, 2, 3, 4, 5}, "",
         {{"1.0"}, {"1.0", "2.0"}}, {{"1.0"}, {"2.0"}}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedSwitch sw;
        ASSERT_TRUE(sw.agent.ok());
        sw.values[Base + "1.0"] = FakeUdpAgent::integer(QString(c.mode) == "annual" ? 2 : QString(c.mode) == "disable" ? 0 : 1);
        SessionScope session(sw.agent.port());
        BoxAnswer box;
        TSummerTimeForm form(nullptr);
        ASSERT_TRUE(Settled(form));
        EXPECT_EQ(sw.Gets(), c.gets) << "the first read takes the status alone, the second adds offset and the mode's rows";

        TEditsPanel *edits = form.Panel()->EditsPanel;
        for (int r : c.ticked)
            edits->CheckItem(r);
        if (*c.clearPart) {
            const QStringList rp = QString(c.clearPart).split(',');
            qobject_cast<QLineEdit *>(form.RowList(rp[0].toInt()).at(rp[1].toInt()).data())->clear();
        }
        form.ApplySummerTime();
        ASSERT_TRUE(Settled(form));
        EXPECT_EQ(sw.Sets(), c.sets);
        EXPECT_EQ(!box.asked.isEmpty(), c.warned) << box.asked.join(',').toStdString();
        if (*c.clearPart) {
            EXPECT_TRUE(edits->IsItemEmpty(2));
        }
        // Every row is valid for the next refresh whatever the mode.
        EXPECT_FALSE(form.Binding()->Vars().Item(0).isInvalid());
    }
}

TEST(SummerTimeOnTheWire, SilentSwitchIsReportedAndTheWindowStays)
{
    FakeUdpAgent silent([](const FakeRequest &) {
        FakeResponse r;
        r.drop = true;
        return r;
    });
    ASSERT_TRUE(silent.ok());
    SessionScope session(silent.port());
    TSummerTimeForm form(nullptr);
    EXPECT_TRUE(form.Working()) << "the window opens with its first read out";
    EXPECT_EQ(VisibleRows(form), (QList<int>{0, 1, 2, 3})) << "the designed status stays in force";
    EXPECT_EQ(form.RowList(STR_RepeatStart).size(), 6);
    EXPECT_EQ(form.RowList(STR_AnnualEnd).size(), 5);
    ASSERT_TRUE(Settled(form));
    const QString strip = form.Panel()->Strip()->Memo->toPlainText();
    EXPECT_TRUE(strip.contains("Summer time: reading the status failed")) << strip.toStdString();
    EXPECT_EQ(silent.requests().size(), 2) << "one GET and its retry; the second read never left";
    EXPECT_EQ(VisibleRows(form), (QList<int>{0, 1, 2, 3}));
}

// A write chain stops at the step that fails: a refused status write leaves the offset and the
// dates unwritten and says so; a refused second write is named as such.
TEST(SummerTimeOnTheWire, AFailedWriteStepEndsTheChain)
{
    const struct {
        const char *name;
        const char *refused;  // the OID under the group whose SET the switch refuses
        QList<QStringList> sets;
        const char *said;
    } cases[] = {
        {"status refused", "1.0", {{"1.0"}}, "Summer time: writing the status failed"},
        {"dates refused", "2.0", {{"1.0"}, {"2.0", "3.0", "4.0"}}, "Summer time: writing the offset and the dates failed"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedSwitch sw(Base + c.refused);
        ASSERT_TRUE(sw.agent.ok());
        SessionScope session(sw.agent.port());
        BoxAnswer box;
        TSummerTimeForm form(nullptr);
        ASSERT_TRUE(Settled(form));
        for (int r : {0, 1, 2, 3})
            form.Panel()->EditsPanel->CheckItem(r);
        form.ApplySummerTime();
        ASSERT_TRUE(Settled(form));
        EXPECT_EQ(sw.Sets(), c.sets);
        const QString strip = form.Panel()->Strip()->Memo->toPlainText();
        EXPECT_TRUE(strip.contains(c.said)) << strip.toStdString();
        EXPECT_FALSE(form.Binding()->Vars().Item(0).isInvalid()) << "the status is read again next time";
    }
}

TEST(SummerTimeOnTheWire, WaitsOnASilentSwitchWithoutHoldingAnythingUp)
{
    KmvSimProcess sim({QStringLiteral("--silent")}, false);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    ExpectWaitsOnSilentSwitch({
        "summer time", [] { return new TSummerTimeForm(nullptr); },
        [](QDialog *w) -> QvSNMPRequest2Controls * { return static_cast<TSummerTimeForm *>(w)->Binding(); },
        [](QDialog *w) { return static_cast<TSummerTimeForm *>(w)->Panel()->Strip()->Memo->toPlainText(); },
        "", "BT_Refresh", [](QDialog *w) { w->findChild<QPushButton *>("BT_Refresh")->click(); },
        {"Summer time: reading the status failed"}});
}
