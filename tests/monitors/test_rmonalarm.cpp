// The RMON alarm window: variable names, free indexes proposed by Add, the SETs of Add, Modify and
// Delete on the wire, every check of the dialog, a failing write reported as such, and the three
// lists against an independent walk of the simulated switch.
#include "agent_support.h"
#include "box_answer.h"
#include "kmvsim_process.h"
#include "mibenums.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "rmoncommon.h"
#include "session_scope.h"
#include "snmp_tools.h"
#include "table_agent.h"
#include "talarmform.h"
#include "thelpviewer.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class Environment : public ::testing::Environment {
public:
    void SetUp() override
    {
        BuildCatalogueLists();
        OpenGlobalSession(makeTempDir(QStringLiteral("rmonalarm-session")));
    }
    void TearDown() override { FreeCatalogueLists(); }
};
const auto *const env = ::testing::AddGlobalTestEnvironment(new Environment);

const QString Alarm = QStringLiteral("1.3.6.1.2.1.16.3.1.1.");
const QString Event = QStringLiteral("1.3.6.1.2.1.16.9.1.1.");
const QString Log = QStringLiteral("1.3.6.1.2.1.16.9.2.1.");
const QString Stats = QStringLiteral("1.3.6.1.2.1.16.1.1.1.");

bool Settled(const QvWaitIndicator *wait)
{
    return WaitUntil([wait] { return !wait->Waiting(); });
}

// Opens the window's dialog, lets it read, runs steps on it; true when the dialog then closed.
// The window's lists are read again afterwards.
bool RunDialog(TAlarmForm &form, QPushButton *opener, const std::function<void(TAlarm_control *)> &steps)
{
    opener->click();
    QPointer<TAlarm_control> d = form.Dialog();
    if (!d || !Settled(d->Wait()))
        return false;
    steps(d);
    // The dialog goes once its writes succeeded.
    WaitUntil([&] { return !d || !d->Wait()->Waiting(); });
    const bool closed = WaitUntil([&] { return !form.Dialog(); }, 200);
    Settled(form.Wait());
    return closed;
}

// Alarm 1 on etherStatsPkts.3 raising events 5 and 6, which exist; one log line.
void PutAlarm(TableAgent &agent, const QString &variable = QStringLiteral("1.3.6.1.2.1.16.1.1.1.5.3"))
{
    const QList<QByteArray> alarm = {FakeUdpAgent::integer(1),  FakeUdpAgent::integer(10),
                                     TableAgent::oidValue(variable), FakeUdpAgent::integer(2),
                                     FakeUdpAgent::integer(0),  FakeUdpAgent::integer(3),
                                     FakeUdpAgent::integer(4000), FakeUdpAgent::integer(1000),
                                     FakeUdpAgent::integer(5),  FakeUdpAgent::integer(6),
                                     FakeUdpAgent::octets("monitor"), FakeUdpAgent::integer(1)};
    for (int c = 0; c < alarm.size(); ++c)
        agent.put(Alarm + QString::number(c + 1) + ".1", alarm[c]);
    for (int e : {5, 6}) {
        const QString i = QStringLiteral(".%1").arg(e);
        agent.put(Event + "1" + i, FakeUdpAgent::integer(e));
        agent.put(Event + "2" + i, FakeUdpAgent::octets(e == 5 ? "up" : "down"));
        agent.put(Event + "3" + i, FakeUdpAgent::integer(2));
        agent.put(Event + "4" + i, FakeUdpAgent::octets("corvet"));
        agent.put(Event + "5" + i, TableAgent::ticks(0));
        agent.put(Event + "6" + i, FakeUdpAgent::octets("monitor"));
        agent.put(Event + "7" + i, FakeUdpAgent::integer(1));
    }
    agent.put(Log + "1.5.1", FakeUdpAgent::integer(5));
    agent.put(Log + "2.5.1", FakeUdpAgent::integer(1));
    agent.put(Log + "3.5.1", TableAgent::ticks(100));
    agent.put(Log + "4.5.1", FakeUdpAgent::octets("up: rising"));
    // A statistics entry: the switch serves RMON.
    agent.put(Stats + "1.1", FakeUdpAgent::integer(1));
    agent.put(Stats + "2.1", TableAgent::oidValue(QStringLiteral("1.3.6.1.2.1.2.2.1.1.1")));
    agent.put(Stats + "20.1", FakeUdpAgent::octets("monitor"));
    agent.put(Stats + "21.1", FakeUdpAgent::integer(1));
}

QStringList Column(const QTreeWidget *list, int column)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

void SelectFirst(QTreeWidget *list)
{
    list->setCurrentItem(list->topLevelItem(0));
    list->topLevelItem(0)->setSelected(true);
}

QList<QStringList> EntrySets(const QString &table, const QString &index, const QStringList &data, int created)
{
    const QString status = table == Alarm ? QStringLiteral("12") : QStringLiteral("7");
    QStringList values;
    for (const QString &d : data)
        values << table + d;
    return {{table + status + "." + index + "=" + QString::number(created)}, values,
            {table + status + "." + index + "=1"}};
}

}  // namespace

TEST(AlarmVariables, NamesTheStatisticsColumns)
{
    const struct {
        const char *oid;
        const char *name;
        int number;
        const char *shown;
    } cases[] = {
        {"1.3.6.1.2.1.16.1.1.1.10.2", "etherstatOverSizesPkts", 7, "etherstatOverSizesPkts.2"},
        {"1.3.6.1.2.1.16.1.1.1.5.3", "etherstatsPkts", 2, "etherstatsPkts.3"},
        {"1.3.6.1.2.1.16.1.1.1.4.1", "etherstatsOctets", 1, "etherstatsOctets.1"},
        {"1.3.6.1.2.1.16.1.1.1.14.12", "etherstatsPkts64octets", 11, "etherstatsPkts64octets.12"},
        {"1.3.6.1.2.1.16.1.1.1.19.4", "etherstatsPkts1024to1518octets", 16, "etherstatsPkts1024to1518octets.4"},
        {"1.3.6.1.2.1.2.2.1.10.1", "0", 0, "1.3.6.1.2.1.2.2.1.10.1"},
        {"1.3.6.1.2.1.16.1.1.1.3.1", "0", 0, "1.3.6.1.2.1.16.1.1.1.3.1"},
        {"", "0", 0, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.oid);
        EXPECT_EQ(VariableName(QLatin1String(c.oid)), QLatin1String(c.name));
        EXPECT_EQ(VariableNumber(QLatin1String(c.oid)), c.number);
        EXPECT_EQ(VariableDisplay(QLatin1String(c.oid)), QLatin1String(c.shown));
    }
    EXPECT_EQ(FreeRmonIndexes({1, 2, 4}, 2), (QList<quint32>{3, 5}));
    EXPECT_EQ(FreeRmonIndexes({}, 2), (QList<quint32>{1, 2}));
}

TEST(AlarmOnTheWire, AddWritesTheAlarmAndBothEvents)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutAlarm(agent);
    SessionScope session(agent.port());
    BoxAnswer box;
    TAlarmForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(Column(form.LV_Alarm, 0), QStringList{"1"});
    auto *display = static_cast<TDisplayDelegate *>(form.LV_Alarm->itemDelegateForColumn(2));
    EXPECT_EQ(display->Display(form.LV_Alarm->topLevelItem(0)->text(2)), "etherstatsPkts.3");

    agent.clearRequests();
    ASSERT_TRUE(RunDialog(form, form.BT_Add, [](TAlarm_control *d) {
        EXPECT_EQ(d->windowTitle(), "Alarm Table : Add");
        EXPECT_EQ(d->ED_Index->text(), "2") << "alarm 1 is taken";
        EXPECT_EQ(d->ED_RIndex->text(), "1") << "events 5 and 6 are taken, 1 and 2 are free";
        EXPECT_EQ(d->ED_FIndex->text(), "2");
        d->BT_OK->click();
    }));
    const QStringList alarmData = {"2.2=10",  "3.2=1.3.6.1.2.1.16.1.1.1.4.1", "4.2=1", "6.2=3", "7.2=65535",
                                   "8.2=0",   "9.2=1", "10.2=2", "11.2=\"Owner\""};
    QList<QStringList> expected = EntrySets(Alarm, "2", alarmData, 2);
    expected += EntrySets(Event, "1", {"2.1=\"Rising Event\"", "3.1=4", "4.1=\"corvet\"", "6.1=\"Owner\""}, 2);
    expected += EntrySets(Event, "2", {"2.2=\"Falling Event\"", "3.2=4", "4.2=\"corvet\"", "6.2=\"Owner\""}, 2);
    EXPECT_EQ(agent.sets(), expected);
    EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
    EXPECT_EQ(form.StatusPanel0->text(),
              "Set Alarm Entry : Success  Set Rising Entry : Success  Set Falling Entry : Success");
}

TEST(AlarmOnTheWire, AnUntickedEventIsNotWritten)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutAlarm(agent);
    SessionScope session(agent.port());
    BoxAnswer box;
    TAlarmForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    agent.clearRequests();
    EXPECT_TRUE(RunDialog(form, form.BT_Add, [](TAlarm_control *d) {
        d->CK_Rising->setChecked(false);
        d->ED_RIndex->setText(QStringLiteral("0"));
        d->BT_OK->click();
        EXPECT_EQ(d->ED_RIndex->text(), "0") << "the alarm raises event 0 while its writes are out";
    }));
    const QList<QStringList> sets = agent.sets();
    ASSERT_EQ(sets.size(), 6) << "the alarm and the falling event";
    EXPECT_TRUE(sets[1].contains(Alarm + "9.2=0")) << "no rising event";
    EXPECT_EQ(sets[3], QStringList{Event + "7.2=2"});
}

TEST(AlarmOnTheWire, DeleteInvalidatesTheAlarmThenItsEvents)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutAlarm(agent);
    SessionScope session(agent.port());
    BoxAnswer box;
    TAlarmForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    SelectFirst(form.LV_Alarm);
    ASSERT_TRUE(form.BT_Delete->isEnabled());
    agent.clearRequests();
    form.BT_Delete->click();
    EXPECT_TRUE(form.Deleting());
    EXPECT_FALSE(form.BT_Refresh->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return !form.Deleting() && !form.Wait()->Waiting(); }));
    EXPECT_EQ(box.asked, QStringList{"Delete alarm 1 and its events 5 and 6?"});
    EXPECT_EQ(agent.sets(), (QList<QStringList>{{Alarm + "12.1=4"}, {Event + "7.5=4"}, {Event + "7.6=4"}}));
}

TEST(AlarmOnTheWire, ModifyShowsTheAlarmAndWritesItBack)
{
    const struct {
        const char *variable;
        int choice;
        const char *instance;
    } cases[] = {
        {"1.3.6.1.2.1.16.1.1.1.5.3", 1, "3"},
        {"1.3.6.1.2.1.16.1.1.1.10.2", 6, "2"},
        {"1.3.6.1.2.1.2.2.1.10.1", 0, "1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.variable);
        TableAgent agent;
        ASSERT_TRUE(agent.ok());
        PutAlarm(agent, QLatin1String(c.variable));
        SessionScope session(agent.port());
        BoxAnswer box;
        TAlarmForm form(nullptr);
        ASSERT_TRUE(Settled(form.Wait()));
        SelectFirst(form.LV_Alarm);
        agent.clearRequests();
        RunDialog(form, form.BT_Modify, [&](TAlarm_control *d) {
            EXPECT_EQ(d->windowTitle(), "Alarm Table : Modify");
            EXPECT_EQ(d->CB_Variable->currentIndex(), c.choice);
            EXPECT_EQ(d->ED_Valueindex->text(), QLatin1String(c.instance));
            EXPECT_EQ(d->ED_Rdes->text(), "up");
            EXPECT_FALSE(d->ED_Index->isEnabled());
            d->ED_Rising->setText(QStringLiteral("5000"));
            d->BT_OK->click();
        });
        const QList<QStringList> sets = agent.sets();
        ASSERT_EQ(sets.size(), 9);
        EXPECT_EQ(sets[0], QStringList{Alarm + "12.1=3"}) << "underCreation, not createRequest";
        EXPECT_TRUE(sets[1].contains(Alarm + "7.1=5000"));
        EXPECT_EQ(sets[3], QStringList{Event + "7.5=3"});
        EXPECT_EQ(sets[6], QStringList{Event + "7.6=3"});
    }
}

TEST(AlarmOnTheWire, EveryCheckStopsWithItsMessage)
{
    const struct {
        const char *message;
        std::function<void(TAlarm_control *)> input;
    } cases[] = {
        {"Interval must be integer", [](TAlarm_control *d) { d->ED_Interval->clear(); }},
        {"Variable Index must be integer !!", [](TAlarm_control *d) { d->ED_Valueindex->setText("2x"); }},
        {"Variable Index Can't Enter 0 ", [](TAlarm_control *d) { d->ED_Valueindex->setText("0"); }},
        {"Entry Index must be integer", [](TAlarm_control *d) { d->ED_Index->clear(); }},
        {"Rising Value must be greater than Falling Value !",
         [](TAlarm_control *d) {
             d->ED_Rising->setText("100");
             d->ED_Falling->setText("100");
         }},
        {"Rising Event Index must be a whole number from 1 to 65535", [](TAlarm_control *d) { d->ED_RIndex->setText("0"); }},
        {"Falling Event Index must be a whole number from 1 to 65535", [](TAlarm_control *d) { d->ED_FIndex->clear(); }},
        {"Rising Event Index and Falling Event Index are the same!",
         [](TAlarm_control *d) { d->ED_FIndex->setText(d->ED_RIndex->text()); }},
    };
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutAlarm(agent);
    SessionScope session(agent.port());
    TAlarmForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        BoxAnswer box;
        agent.clearRequests();
        EXPECT_FALSE(RunDialog(form, form.BT_Add, [&](TAlarm_control *d) {
            c.input(d);
            d->BT_OK->click();
        })) << "the dialog stays open";
        EXPECT_EQ(box.asked, QStringList{QLatin1String(c.message)});
        EXPECT_TRUE(agent.sets().isEmpty());
        ASSERT_NE(form.Dialog(), nullptr);
        form.Dialog()->reject();
        ASSERT_TRUE(WaitUntil([&] { return !form.Dialog(); }));
        ASSERT_TRUE(Settled(form.Wait()));
    }
}

TEST(AlarmOnTheWire, AFailingWriteIsReportedNotCalledSuccess)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutAlarm(agent);
    SessionScope session(agent.port());
    BoxAnswer box;
    TAlarmForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    agent.clearRequests();
    agent.failSetsUnder(Alarm + "2.2", 5);
    EXPECT_TRUE(RunDialog(form, form.BT_Add, [&](TAlarm_control *d) {
        d->BT_OK->click();
        ASSERT_TRUE(Settled(d->Wait()));
        ASSERT_TRUE(WaitUntil([&] { return !box.asked.isEmpty(); }, 1000));
        EXPECT_FALSE(d->StatusPanel0->text().contains("Success"));
        ASSERT_EQ(box.asked.size(), 1);
        EXPECT_TRUE(box.asked[0].startsWith("Set Alarm Entry Error!\nstep 2 of 3 (data columns) failed: "))
            << box.asked[0].toStdString();
        EXPECT_TRUE(d->StatusPanel0->text().contains("step 2 of 3")) << d->StatusPanel0->text().toStdString();
        EXPECT_EQ(agent.sets(), (QList<QStringList>{{Alarm + "12.2=2"}, agent.sets().value(1), {Alarm + "12.2=4"}}))
            << "the status, the failing data write, then the created entry removed again: nothing more";
        // Once the agent takes it, OK again creates the entry afresh.
        agent.clearRequests();
        d->BT_OK->click();
    }));
    QList<QStringList> sets = agent.sets();
    ASSERT_EQ(sets.size(), 9);
    EXPECT_EQ(sets[0], QStringList{Alarm + "12.2=2"});
}

// The answer to an earlier walk does not hide that a newer one is still out.
TEST(AlarmOnTheWire, AnEarlierAnswerDoesNotHideANewerWait)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutAlarm(agent);
    SessionScope session(agent.port(), 100);
    BoxAnswer box;
    TAlarmForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    agent.dropNextsFrom(Log);
    form.PageControl1->setCurrentIndex(2);  // the log goes unanswered
    ASSERT_TRUE(form.LogBinding()->Busy());
    form.PageControl1->setCurrentIndex(0);  // the alarms are answered meanwhile
    ASSERT_TRUE(WaitUntil([&] { return !form.AlarmBinding()->Busy(); }, 1000));
    ASSERT_TRUE(form.LogBinding()->Busy());
    EXPECT_TRUE(form.StatusPanel0->text().startsWith("Waiting for the switch")) << form.StatusPanel0->text().toStdString();
    EXPECT_FALSE(form.BT_Refresh->isEnabled());
    form.Wait()->CancelAll();
    EXPECT_FALSE(form.LogBinding()->Busy());
    EXPECT_TRUE(form.BT_Refresh->isEnabled());
    EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
}

TEST(AlarmAgainstSwitch, ListsAgreeWithAnIndependentWalk)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 200);
    TAlarmForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    const struct {
        int page;
        QTreeWidget *list;
        QString column;  // the list's last column
        int listColumn;
    } cases[] = {
        {0, form.LV_Alarm, Alarm + "11", 10},
        {1, form.LV_Event, Event + "2", 1},
        {2, form.LV_Log, Log + "4", 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.column.toStdString());
        form.PageControl1->setCurrentIndex(c.page);
        ASSERT_TRUE(Settled(form.Wait()));
        const QMap<QString, QString> walked = ToolWalk(sim, c.column);
        ASSERT_FALSE(walked.isEmpty()) << "the switch comes with content";
        EXPECT_EQ(Column(c.list, c.listColumn), QStringList(walked.values()));
    }
    auto *display = static_cast<TDisplayDelegate *>(form.LV_Alarm->itemDelegateForColumn(2));
    form.PageControl1->setCurrentIndex(0);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_GT(form.LV_Alarm->topLevelItemCount(), 0);
    EXPECT_EQ(display->Display(form.LV_Alarm->topLevelItem(0)->text(2)), "etherstatsPkts.1");
}

namespace {

// The alarm window on a fresh simulated switch (alarm 1 raising events 1 and 2).
struct AlarmOnSwitch {
    AlarmOnSwitch() : sim({QStringLiteral("--scenario"), QStringLiteral("static")}), session(sim.port(), 200) {}
    QString Status(const QString &column) const
    {
        const QString v = ToolWalk(sim, column).value(column);
        return v.startsWith(QLatin1String("No Such")) ? QString() : v;
    }
    KmvSimProcess sim;
    SessionScope session;
};

}  // namespace

TEST(AlarmAgainstSwitch, AddProposesFreeIndexesAndAFailedAddLeavesNothing)
{
    AlarmOnSwitch s;
    ASSERT_TRUE(s.sim.isRunning());
    TAlarmForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    struct Attempt {
        const char *name;
        QString fallingDescription;
        bool closes;
        QString alarmStatus, risingStatus, fallingStatus;  // afterwards, "" for none
    };
    const Attempt attempts[] = {
        {"the falling event refused: the alarm and rising event made before go", QString(128, 'd'), false, "", "", ""},
        {"the retry makes all three", "down", true, "1", "1", "1"},
    };
    for (const Attempt &a : attempts) {
        SCOPED_TRACE(a.name);
        BoxAnswer box;
        const bool closed = RunDialog(form, form.BT_Add, [&](TAlarm_control *d) {
            EXPECT_EQ(d->ED_Index->text(), "2");
            EXPECT_EQ(d->ED_RIndex->text(), "3") << "events 1 and 2 exist";
            EXPECT_EQ(d->ED_FIndex->text(), "4");
            d->ED_Fdes->setText(a.fallingDescription);
            d->BT_OK->click();
        });
        EXPECT_EQ(closed, a.closes);
        if (!closed) {
            ASSERT_TRUE(WaitUntil([&] { return !box.asked.isEmpty(); }));
            ASSERT_NE(form.Dialog(), nullptr);
            ASSERT_TRUE(Settled(form.Dialog()->Wait()));
            form.Dialog()->reject();
            ASSERT_TRUE(WaitUntil([&] { return !form.Dialog(); }));
        }
        ASSERT_TRUE(Settled(form.Wait()));
        EXPECT_EQ(s.Status(Alarm + "12.2"), a.alarmStatus);
        EXPECT_EQ(s.Status(Event + "7.3"), a.risingStatus);
        EXPECT_EQ(s.Status(Event + "7.4"), a.fallingStatus);
        EXPECT_EQ(s.Status(Event + "7.1"), "1") << "the other alarm's events stay";
        EXPECT_EQ(s.Status(Event + "7.2"), "1");
    }
}

TEST(AlarmAgainstSwitch, DeleteKeepsAnEventAnotherAlarmRaises)
{
    AlarmOnSwitch s;
    ASSERT_TRUE(s.sim.isRunning());
    // Alarm 2 raises event 1 as well.
    ASSERT_TRUE(ToolSet(s.sim, {Alarm + "12.2", "i", "2"}));
    ASSERT_TRUE(ToolSet(s.sim, {Alarm + "9.2", "i", "1", Alarm + "10.2", "i", "0"}));
    ASSERT_TRUE(ToolSet(s.sim, {Alarm + "12.2", "i", "1"}));
    BoxAnswer box;
    TAlarmForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_EQ(form.LV_Alarm->topLevelItemCount(), 2);
    SelectFirst(form.LV_Alarm);
    form.BT_Delete->click();
    ASSERT_TRUE(WaitUntil([&] { return !form.Deleting() && !form.Wait()->Waiting(); }));
    EXPECT_EQ(box.asked, QStringList{"Delete alarm 1 and its event 2?\nEvent 1 stays: alarm 2 uses it."});
    EXPECT_EQ(s.Status(Alarm + "12.1"), "");
    EXPECT_EQ(s.Status(Event + "7.1"), "1");
    EXPECT_EQ(s.Status(Event + "7.2"), "");
}

TEST(AlarmOnTheWire, F1OpensItsHelpAndCutDescriptionsShowWhole)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutAlarm(agent);
    SessionScope session(agent.port());
    TAlarmForm form(nullptr);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(Settled(form.Wait()));
    QTest::keyClick(&form, Qt::Key_F1);
    THelpViewer *help = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *h = qobject_cast<THelpViewer *>(w); h && h->isVisible())
                help = h;
        return help != nullptr;
    }));
    EXPECT_EQ(help->Browser->source().fileName(), "monitors.html");
    EXPECT_EQ(help->Browser->source().fragment(), "rmon-alarm");
    help->close();

    form.PageControl1->setCurrentIndex(2);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_GT(form.LV_Log->topLevelItemCount(), 0);
    form.LV_Log->setColumnWidth(3, 8);  // the description cut to almost nothing
    const QRect cell = form.LV_Log->visualItemRect(form.LV_Log->topLevelItem(0));
    const QPoint at(form.LV_Log->header()->sectionViewportPosition(3) + 2, cell.center().y());
    QHelpEvent tip(QEvent::ToolTip, at, form.LV_Log->viewport()->mapToGlobal(at));
    QApplication::sendEvent(form.LV_Log->viewport(), &tip);
    EXPECT_EQ(QToolTip::text(), "up: rising");
}

TEST(AlarmOnTheWire, ModifyPointsTheAlarmAtAnotherEvent)
{
    struct Case {
        const char *name;
        const char *rising;
        QString eventFirstSet;  // the new event's first write
    };
    const Case cases[] = {
        {"a new event is created", "7", Event + "7.7=2"},
        {"an event in the list is changed", "6", Event + "7.6=3"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TableAgent agent;
        ASSERT_TRUE(agent.ok());
        PutAlarm(agent);
        SessionScope session(agent.port());
        BoxAnswer box;
        TAlarmForm form(nullptr);
        ASSERT_TRUE(Settled(form.Wait()));
        form.PageControl1->setCurrentIndex(1);  // the event list read
        ASSERT_TRUE(Settled(form.Wait()));
        form.PageControl1->setCurrentIndex(0);
        ASSERT_TRUE(Settled(form.Wait()));
        SelectFirst(form.LV_Alarm);
        agent.clearRequests();
        RunDialog(form, form.BT_Modify, [&](TAlarm_control *d) {
            EXPECT_TRUE(d->ED_RIndex->isEnabled()) << "an event index can be corrected";
            d->ED_RIndex->setText(QLatin1String(c.rising));
            if (QLatin1String(c.rising) == QLatin1String("6"))
                d->CK_Falling->setChecked(false);  // one event both ways is refused
            d->BT_OK->click();
        });
        EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join('|').toStdString();
        const QList<QStringList> sets = agent.sets();
        ASSERT_GE(sets.size(), 4);
        EXPECT_TRUE(sets[1].contains(Alarm + "9.1=" + QLatin1String(c.rising)));
        EXPECT_EQ(sets[3], QStringList{c.eventFirstSet});
    }
}
