// The counter, routing, spanning-tree and bridge port windows against the simulated switch: what
// they show agrees with an independent read of the same objects, the first-sample rules, interval
// change, Reset, choosing another interface or port, the spanning-tree checks, a switch that stops
// answering and comes back, a switch with nothing to list; every window waits on a silenced switch
// without holding anything up, and a monitor window opens once.
#include "agent_support.h"
#include "kmvsim_process.h"
#include "mibenums.h"
#include "mibtables.h"
#include "qvsnmperrors.h"
#include "qvsnmprequest.h"
#include "qvsnmpsession.h"
#include "session_scope.h"
#include "silent_window.h"
#include "snmp_tools.h"
#include "table_agent.h"
#include "talarmform.h"
#include "tcounterforms.h"
#include "thistoryform.h"
#include "tiprouting.h"
#include "tlistviewexport.h"
#include "tmessagebox.h"
#include "tportcounterform.h"
#include "trmonstatisticsform.h"
#include "tstpinfo.h"
#include "qvwaitindicator.h"
#include "qvsnmprequest2controls.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QLineSeries>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class Environment : public ::testing::Environment {
public:
    void SetUp() override
    {
        BuildCatalogueLists();
        OpenGlobalSession(makeTempDir(QStringLiteral("counterwindows-session")));
    }
    void TearDown() override { FreeCatalogueLists(); }
};
const auto *const env = ::testing::AddGlobalTestEnvironment(new Environment);

// The agent's values of a descriptor table as one GET, outside any window.
QList<quint64> ReadCounters(const QvSNMPVarDesc *table, const QString &instance = QString(), int first = 0)
{
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars.Assign(QvSNMPVarList(table, MVT_SV, 0));
    r.vars.instanceSuffix = instance;
    r.Read(true);
    QList<quint64> values;
    for (int i = first; i < r.vars.Count(); ++i)
        values << r.vars.Item(i).valueText.toULongLong();
    return values;
}

template <typename T>
T *Child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QStringList Column(const QTreeWidget *list, int column)
{
    QStringList texts;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        texts << list->topLevelItem(r)->text(column);
    return texts;
}

struct CounterCase {
    const char *name;
    std::function<TCounterForm *()> create;
    const QvSNMPVarDesc *table;
    const char *display;
    int rows;
    bool valuesAtCreation;
};

} // namespace

TEST(CounterWindows, RowsAndValuesAgreeWithTheAgent)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    const CounterCase cases[] = {
        {"IP", [] { return new TIP_Counters(nullptr); }, IpCountersVars, "LV_IPCounterData", 10, false},
        {"ICMP", [] { return new TICMP_Counters(nullptr); }, IcmpCountersVars, "LV_ICMPCounterData", 26, true},
        {"UDP", [] { return new TUDP_Counters(nullptr); }, UdpCountersVars, "LV_IPCounterData", 4, true},
        {"SNMP", [] { return new TSNMP_Counters(nullptr); }, SnmpCountersVars, "LV_SNMPCounterData", 27, true},
    };
    for (const CounterCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QList<quint64> before = ReadCounters(c.table);
        std::unique_ptr<TCounterForm> form(c.create());
        QTreeWidget *list = Child<QTreeWidget>(form.get(), c.display);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->topLevelItemCount(), c.rows);
        EXPECT_EQ(list->columnCount(), 6);
        // The creation read: values at once in three windows, not in the IP window.
        ASSERT_TRUE(WaitFor([&] { return !form->Binding()->Busy() && form->PollsSent() >= 1; }));
        if (form->PollsSent() == 1) {  // no tick yet on a slow machine
            EXPECT_EQ(!list->topLevelItem(0)->text(1).isEmpty(), c.valuesAtCreation);
            EXPECT_EQ(list->topLevelItem(0)->text(2), "") << "no delta before the second reading";
        }
        // Two ticks later values and deltas are shown; each value lies between two reads of the agent.
        ASSERT_TRUE(WaitFor([&] { return form->Monitor().FirstSampleTaken() && !list->topLevelItem(0)->text(2).isEmpty(); }));
        const QList<quint64> after = ReadCounters(c.table);
        ASSERT_EQ(before.size(), c.rows);
        for (int i = 0; i < c.rows; ++i) {
            SCOPED_TRACE(list->topLevelItem(i)->text(0).toStdString());
            const quint64 shown = list->topLevelItem(i)->text(1).toULongLong();
            EXPECT_LE(before[i], shown);
            EXPECT_LE(shown, after[i]);
            EXPECT_EQ(list->topLevelItem(i)->text(2), QString::number(form->Monitor().Delta(i)));
        }
        EXPECT_EQ(list->topLevelItem(0)->text(0), QString::fromLatin1(c.table[0].name).trimmed());
    }
}

TEST(CounterWindows, IntervalResetPauseAndStart)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    TIP_Counters form(nullptr);
    QTreeWidget *list = Child<QTreeWidget>(&form, "LV_IPCounterData");
    ASSERT_TRUE(WaitFor([&] { return !list->topLevelItem(0)->text(2).isEmpty(); }));

    auto *interval = Child<QComboBox>(&form, "CB_Interval");
    interval->setCurrentIndex(interval->findText("5"));
    EXPECT_EQ(form.Timer()->interval(), 5000);
    EXPECT_EQ(form.Monitor().IntervalMs(), 5000);
    EXPECT_FALSE(list->topLevelItem(0)->text(1).isEmpty()) << "an interval change clears nothing";
    interval->setCurrentIndex(interval->findText("1"));

    Child<QPushButton>(&form, "BT_Stop")->click();
    EXPECT_FALSE(form.Monitor().Running());
    const int polls = form.PollsSent();
    const QString clock = Child<QLabel>(&form, "ST_Time")->text();
    ASSERT_TRUE(WaitFor([&] { return Child<QLabel>(&form, "ST_Time")->text() != clock; }));
    EXPECT_EQ(form.PollsSent(), polls) << "a paused window does not read";

    Child<QPushButton>(&form, "BT_Reset")->click();
    EXPECT_TRUE(form.Monitor().Running()) << "Reset resumes";
    // Reset writes "0" into every cell but the time; unless a reading slips in at once.
    if (form.Monitor().UpdateCount() == 0) {
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(list->topLevelItem(0)->text(c), "0");
    }
    // The first reading after Reset shows the value; Delta keeps the "0" Reset wrote.
    ASSERT_TRUE(WaitFor([&] { return form.Monitor().UpdateCount() >= 1; }));
    if (form.Monitor().UpdateCount() == 1) {
        EXPECT_NE(list->topLevelItem(0)->text(1), "0");
        EXPECT_EQ(list->topLevelItem(0)->text(2), "0");
    }
    ASSERT_TRUE(WaitFor([&] { return form.Monitor().UpdateCount() >= 2; }));
    EXPECT_EQ(list->topLevelItem(0)->text(2), QString::number(form.Monitor().Delta(0)));
}

TEST(CounterWindows, InterfaceCountersFollowTheChosenInterface)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    TIF_Counters form(nullptr);
    ASSERT_TRUE(WaitFor([&] { return form.ListState() != TPortCounterForm::PortList::Reading; }));
    ASSERT_EQ(form.ListState(), TPortCounterForm::PortList::Listed);
    QTreeWidget *ifs = Child<QTreeWidget>(&form, "LV_IFTableIndex");
    QTreeWidget *list = Child<QTreeWidget>(&form, "LV_IF_Counters");
    ASSERT_EQ(ifs->topLevelItemCount(), 50);
    EXPECT_EQ(form.Instance(), "1");
    EXPECT_EQ(Child<QLabel>(&form, "ST_Index")->text(), "1");

    // Port 49, a gigabit port with a link; the first reading after the choice fills no cells.
    ifs->setCurrentItem(ifs->topLevelItem(48));
    EXPECT_EQ(Child<QLabel>(&form, "ST_Index")->text(), "49");
    EXPECT_EQ(list->topLevelItemCount(), 0);
    ASSERT_TRUE(WaitFor([&] { return form.Instance() == "49" && form.Monitor().UpdateCount() == 1; }));
    EXPECT_EQ(list->topLevelItemCount(), 11);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "");
    const QList<quint64> before = ReadCounters(IfCountersVars, "49", 2);
    ASSERT_TRUE(WaitFor([&] { return form.Monitor().UpdateCount() >= 3; }));
    const QList<quint64> after = ReadCounters(IfCountersVars, "49", 2);
    EXPECT_EQ(Column(list, 0), (QStringList{"InOctets", "InUcastPkts", "InNUcastPkts", "InDiscards", "InErrors",
                                            "InUnknownProtos", "OutOctets", "OutUcastPkts", "OutNUcastPkts",
                                            "OutDiscards", "OutErrors"}));
    for (int i = 0; i < 11; ++i) {
        const quint64 shown = list->topLevelItem(i)->text(1).toULongLong();
        EXPECT_LE(before[i], shown) << i;
        EXPECT_LE(shown, after[i]) << i;
    }
    EXPECT_GT(form.Monitor().Delta(0), 0u) << "a port with a link moves";
    // The chart holds one point per reading after the first, labelled with its time.
    TCounterChart *chart = form.Chart();
    ASSERT_EQ(chart->SeriesCount(), 11);
    EXPECT_EQ(chart->Series(0)->count(), form.Monitor().History(0).size());
    EXPECT_EQ(chart->Series(0)->at(chart->Series(0)->count() - 1).y(), form.Monitor().History(0).last().value);
    // Every series readable on the white plot and told apart from every other.
    for (int a = 0; a < chart->SeriesCount(); ++a) {
        const QColor ca = chart->Series(a)->color();
        EXPECT_LT(ca.lightness(), 200) << chart->Series(a)->name().toStdString() << " barely shows on white";
        for (int b = 0; b < a; ++b) {
            const QColor cb = chart->Series(b)->color();
            const int apart = std::abs(ca.red() - cb.red()) + std::abs(ca.green() - cb.green()) +
                              std::abs(ca.blue() - cb.blue());
            EXPECT_GT(apart, 90) << chart->Series(a)->name().toStdString() << " and "
                                 << chart->Series(b)->name().toStdString() << " look alike";
        }
    }

    // A new history count starts over, keeping the interface.
    Child<QComboBox>(&form, "CB_HistoryCount")->setCurrentIndex(1);
    EXPECT_EQ(form.Monitor().HistoryCount(), 20);
    EXPECT_EQ(form.Monitor().UpdateCount(), 0);
    ASSERT_TRUE(WaitFor([&] { return form.Monitor().UpdateCount() >= 1; }));
    EXPECT_EQ(form.Instance(), "49");
}

TEST(CounterWindows, BridgePortCounters)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    TTpBridgePortInfo_Table form(nullptr);
    ASSERT_TRUE(WaitFor([&] { return form.ListState() != TPortCounterForm::PortList::Reading; }));
    ASSERT_EQ(form.ListState(), TPortCounterForm::PortList::Listed);
    QTreeWidget *ports = Child<QTreeWidget>(&form, "LV_TpBridge_Port_Index");
    QTreeWidget *list = Child<QTreeWidget>(&form, "LV_TpBridge_Port_Info");
    ASSERT_EQ(ports->topLevelItemCount(), 50);
    EXPECT_EQ(Child<QLabel>(&form, "ST_Descr")->text(), "1518");
    ports->setCurrentItem(ports->topLevelItem(2));
    ASSERT_TRUE(WaitFor([&] { return form.Instance() == "3" && form.Monitor().UpdateCount() >= 2; }));
    EXPECT_EQ(Column(list, 0), (QStringList{"Input Frames", "Output Frames", "Discard Frames"}));
    const QList<quint64> now = ReadCounters(TpPortCountersVars, "3", 2);
    EXPECT_LE(list->topLevelItem(0)->text(1).toULongLong(), now[0]);
    EXPECT_GT(list->topLevelItem(0)->text(1).toULongLong(), 0u);
    // A rebuilt history always holds H samples, the newest last.
    EXPECT_EQ(form.Monitor().History(0).size(), 10);
    EXPECT_EQ(form.Chart()->Series(1)->count(), 10);
    EXPECT_EQ(form.Chart()->Series(2)->name(), "Discard Frames");
}

TEST(CounterWindows, SilentSwitchKeepsTheWindowLiveAndPollingResumes)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 50);
    auto form = std::make_unique<TSNMP_Counters>(nullptr);
    form->show();
    ASSERT_TRUE(WaitFor([&] { return form->Monitor().UpdateCount() >= 2; }));
    QLabel *status = Child<QLabel>(form.get(), "StatusBar1Panel0");

    sim.stopAnswering();
    ASSERT_TRUE(WaitFor([&] { return !status->text().contains("Ok!") && !status->text().isEmpty(); }))
        << status->text().toStdString();
    const int stuck = form->Monitor().UpdateCount();
    // Ticks go on (the clock moves) but no second poll joins the one still out.
    const QString clock = Child<QLabel>(form.get(), "ST_Time")->text();
    ASSERT_TRUE(WaitFor([&] { return Child<QLabel>(form.get(), "ST_Time")->text() != clock; }));
    const int sent = form->PollsSent();
    QTest::qWait(1500);
    EXPECT_LE(form->PollsSent(), sent + 2) << "at most one poll per time-out";
    EXPECT_EQ(form->Monitor().UpdateCount(), stuck);

    sim.resumeAnswering();
    ASSERT_TRUE(WaitFor([&] { return form->Monitor().UpdateCount() > stuck; }));
    EXPECT_TRUE(status->text().contains("Ok!")) << status->text().toStdString();

    // Exit while the switch is silent again: the window goes at once and is destroyed.
    sim.stopAnswering();
    QTest::qWait(1200);
    Child<QPushButton>(form.get(), "Button1")->click();
    EXPECT_FALSE(form->isVisible());
    form.reset();
    sim.resumeAnswering();
}

// A switch that answers that it has no port: the window says so and closes. A switch that does not
// answer is not one without ports: the window stays, names the failure and Refresh tries again.
TEST(CounterWindows, NothingToListClosesButNoAnswerOffersARetry)
{
    TableAgent empty;  // answers every walk with its end (no such name under SNMPv1)
    ASSERT_TRUE(empty.ok());
    KmvSimProcess sim({QStringLiteral("--silent"), QStringLiteral("--scenario"), QStringLiteral("static")}, false);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    QStringList boxes;
    const QvMessageHook previous = QvSetMessageHook(
        [&boxes](QWidget *, const QString &text, const QString &, QMessageBox::StandardButtons) {
            boxes << text;
            return QMessageBox::Ok;
        });
    const struct {
        const char *name;
        std::function<QDialog *()> create;
        const char *refresh;
        const char *list;
        bool answers;
    } cases[] = {
        {"interfaces, none", [] { return new TIF_Counters(nullptr); }, "Button1", "LV_IFTableIndex", true},
        {"bridge ports, none", [] { return new TTpBridgePortInfo_Table(nullptr); }, "BT_Refresh",
         "LV_TpBridge_Port_Index", true},
        {"interfaces, no answer", [] { return new TIF_Counters(nullptr); }, "Button1", "LV_IFTableIndex", false},
        {"bridge ports, no answer", [] { return new TTpBridgePortInfo_Table(nullptr); }, "BT_Refresh",
         "LV_TpBridge_Port_Index", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SessionScope session(c.answers ? empty.port() : sim.port(), 20);
        boxes.clear();
        const QString key = QString::fromLatin1(c.name);
        QPointer<QWidget> window = OpenMonitorWindow(nullptr, key, c.create);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible()) << "the window opens before the switch has answered";
        auto *form = qobject_cast<TPortCounterForm *>(window.data());
        ASSERT_NE(form, nullptr);
        if (c.answers) {
            ASSERT_TRUE(WaitFor([&] { return window.isNull(); }))
                << "closed and gone; " << int(form->ListState()) << " "
                << Child<QLabel>(form, "StatusBar1Panel0")->text().toStdString();
            EXPECT_EQ(boxes, QStringList{NotSupportedText});
            EXPECT_EQ(OpenedMonitorWindow(key), nullptr);
            continue;
        }
        ASSERT_TRUE(WaitFor([&] { return form->ListState() != TPortCounterForm::PortList::Reading; }));
        EXPECT_EQ(form->ListState(), TPortCounterForm::PortList::NoAnswer);
        EXPECT_TRUE(boxes.isEmpty()) << boxes.join(',').toStdString();
        const QString said = Child<QLabel>(form, "StatusBar1Panel0")->text();
        EXPECT_EQ(said, NoAnswerText(QvErrorText(QVC_TIMEOUT)));
        EXPECT_FALSE(said.contains(NotSupportedText));
        EXPECT_TRUE(window->isVisible());
        auto *refresh = Child<QPushButton>(form, c.refresh);
        EXPECT_TRUE(refresh->isEnabled()) << "Refresh tries again";
        // The switch answers again: Refresh lists its ports and polling starts.
        sim.resumeAnswering();
        refresh->click();
        ASSERT_TRUE(WaitFor([&] { return form->ListState() == TPortCounterForm::PortList::Listed; }));
        EXPECT_EQ(Child<QTreeWidget>(form, c.list)->topLevelItemCount(), 50);
        ASSERT_TRUE(WaitFor([&] { return form->Monitor().UpdateCount() >= 1; }));
        window->close();
        ASSERT_TRUE(WaitFor([&] { return window.isNull(); }));
        sim.stopAnswering();
    }
    QvSetMessageHook(previous);
}

// An interface list cut short by an agent that stops answering keeps the rows it has and says so
// beside the polls' reports, until a Refresh reads the list whole.
TEST(CounterWindows, AListCutShortSaysSoUntilARefreshReadsItWhole)
{
    // ifIndex and ifDescr of five interfaces; the counter polls find nothing.
    TableAgent agent;
    const QString entry = QStringLiteral("1.3.6.1.2.1.2.2.1.");
    for (int i = 1; i <= 5; ++i) {
        agent.put(entry + QStringLiteral("1.%1").arg(i), FakeUdpAgent::integer(i));
        agent.put(entry + QStringLiteral("2.%1").arg(i), FakeUdpAgent::octets(QStringLiteral("Port %1").arg(i).toLatin1()));
    }
    agent.dropNextsFrom(entry + QStringLiteral("1.2"));
    ASSERT_TRUE(agent.ok());
    SessionScope session(agent.port(), 20);
    TIF_Counters form(nullptr);
    ASSERT_TRUE(WaitFor([&] { return form.ListState() != TPortCounterForm::PortList::Reading; }));
    EXPECT_EQ(form.ListState(), TPortCounterForm::PortList::Listed) << "the rows read are used";
    auto *ports = Child<QTreeWidget>(&form, "LV_IFTableIndex");
    QLabel *cut = Child<QLabel>(&form, "StatusBar1Panel1");
    EXPECT_EQ(ports->topLevelItemCount(), 2);
    EXPECT_FALSE(cut->isHidden());
    EXPECT_TRUE(cut->text().contains("after 2 rows")) << cut->text().toStdString();
    EXPECT_TRUE(cut->text().contains(QvErrorText(QVC_TIMEOUT))) << cut->text().toStdString();

    agent.dropNextsFrom(QString());
    // Refresh (its handler: the button is off while a poll is out) drops a poll still out.
    form.Button1Click();
    EXPECT_EQ(form.ListState(), TPortCounterForm::PortList::Reading);
    ASSERT_TRUE(WaitFor([&] { return form.ListState() == TPortCounterForm::PortList::Listed; }));
    EXPECT_EQ(ports->topLevelItemCount(), 5);
    EXPECT_TRUE(cut->isHidden());
    EXPECT_TRUE(cut->text().isEmpty());
}

TEST(RoutingWindow, ListsTheAgentsRoutes)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    TIP_Routing form(nullptr);
    QTreeWidget *list = Child<QTreeWidget>(&form, "LV_IP_Routing");
    ASSERT_TRUE(WaitFor([&] { return !form.Binding()->Busy(); }));
    ASSERT_EQ(list->topLevelItemCount(), 6);
    EXPECT_TRUE(Child<QPushButton>(&form, "BT_Set")->isHidden());
    EXPECT_TRUE(Child<QWidget>(&form, "Panel3")->isHidden());
    // Every route as an independent walk of the destination and type columns sees it.
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars.Assign(QvSNMPVarList(IpRouteVars, MVT_FMV, 1));
    QStringList dests, types;
    for (bool first = true; r.Read(first); first = false) {
        dests << r.vars.Item(0).valueText;
        types << r.vars.Item(8).valueText;
    }
    int destColumn = -1, typeColumn = -1;
    for (int c = 0; c < list->columnCount(); ++c) {
        if (list->headerItem()->text(c) == "ipRouteDest")
            destColumn = c;
        if (list->headerItem()->text(c) == "ipRouteType")
            typeColumn = c;
    }
    ASSERT_GE(destColumn, 0);
    ASSERT_GE(typeColumn, 0);
    EXPECT_EQ(Column(list, destColumn), dests);
    EXPECT_EQ(Column(list, typeColumn), types);
    EXPECT_TRUE(types.contains("direct") && types.contains("indirect") && types.contains("other"))
        << types.join(',').toStdString();
    Child<QPushButton>(&form, "BT_Get")->click();
    EXPECT_TRUE(form.Binding()->Busy()) << "Refresh returns with the walk out";
    ASSERT_TRUE(WaitFor([&] { return !form.Binding()->Busy(); }));
    EXPECT_EQ(list->topLevelItemCount(), 6);
}

TEST(SpanningTreeWindow, SetChecksBeforeWriting)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    const auto agentValue = [](int item) {
        QvSNMPRequest r;
        r.LoadSessionParams();
        r.vars.Assign(QvSNMPVarList(StpInfoVars, SVT_SV, 0));
        r.Read(true);
        return r.vars.Item(item).valueText;
    };
    const struct {
        const char *name;
        const char *priority, *maxAge, *hello, *forwardDelay;
        const char *message;  // "" when written
    } cases[] = {
        {"accepted", "4096", "2000", "200", "1500", ""},
        {"max age above 2 x (forward delay - 100)", "4096", "2900", "200", "1500", "Data Error !"},
        {"max age below 2 x (hello + 100)", "4096", "500", "200", "1500", "Data Error !"},
        {"priority too high", "61441", "2000", "200", "1500", "Priority value is wrong!"},
        {"empty edit", "", "2000", "200", "1500", "Don't Leave Empty Fileds !"},
        {"accepted at the edge", "8192", "2800", "200", "1500", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TSTP_Info form(nullptr);
        ASSERT_TRUE(WaitFor([&] { return !form.Binding()->Busy(); }));
        EXPECT_EQ(Child<QLabel>(&form, "ST_Protocol")->text(), "ieee8021d");
        EXPECT_EQ(Child<QLineEdit>(&form, "ET_AgingTime")->text(), agentValue(11));
        const QString before[] = {agentValue(1), agentValue(11)};
        Child<QLineEdit>(&form, "ET_Priority")->setText(c.priority);
        Child<QLineEdit>(&form, "ET_AgingTime")->setText(c.maxAge);
        Child<QLineEdit>(&form, "ET_HelloTime")->setText(c.hello);
        Child<QLineEdit>(&form, "ET_ForwardDelay")->setText(c.forwardDelay);
        Child<QPushButton>(&form, "BT_Set")->click();
        EXPECT_EQ(form.Binding()->Busy(), !*c.message) << "a write leaves only after the checks";
        // The write and, once it is taken, the read-back.
        ASSERT_TRUE(WaitFor([&] { return !form.Binding()->Busy(); }));
        if (*c.message) {
            EXPECT_EQ(form.StatusPanel()->text(), c.message);
            EXPECT_EQ(agentValue(1), before[0]) << "nothing written";
            EXPECT_EQ(agentValue(11), before[1]);
        } else {
            EXPECT_TRUE(form.StatusPanel()->text().contains("Ok!")) << form.StatusPanel()->text().toStdString();
            EXPECT_EQ(agentValue(1), c.priority);
            EXPECT_EQ(agentValue(11), c.maxAge);
            EXPECT_EQ(Child<QLineEdit>(&form, "ET_AgingTime")->text(), c.maxAge) << "read back";
        }
    }
}

// Every monitor window on a silent switch waits without holding anything up (silent_window.h).
TEST(SilentSwitch, EveryWindowWaitsWithoutHoldingAnythingUp)
{
    KmvSimProcess sim({QStringLiteral("--silent")}, false);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    using Said = std::function<QString(QDialog *)>;
    const Said statusBar = [](QDialog *w) { return Child<QLabel>(w, "StatusBar1Panel0")->text(); };
    const auto counters = [](QDialog *w) -> QvSNMPRequest2Controls * {
        return static_cast<TCounterForm *>(w)->Binding();
    };
    const auto ports = [](QDialog *w) -> QvSNMPRequest2Controls * {
        return static_cast<TPortCounterForm *>(w)->PortBinding();
    };
    // A paused counter window polls at the tick after Start.
    const auto startAndTick = [](QDialog *w) {
        Child<QPushButton>(w, "BT_Start")->click();
        static_cast<TCounterForm *>(w)->Timer1Timer();
    };
    const auto press = [](const char *button) {
        return [button](QDialog *w) { Child<QPushButton>(w, button)->click(); };
    };
    const QString noAnswer = NoAnswerText(QvErrorText(QVC_TIMEOUT));
    const SilentWindowCase cases[] = {
        {"IP counters", [] { return new TIP_Counters(nullptr); }, counters, statusBar, "BT_Stop", "BT_Start",
         startAndTick, {}},
        {"ICMP counters", [] { return new TICMP_Counters(nullptr); }, counters, statusBar, "BT_Stop", "BT_Start",
         startAndTick, {}},
        {"UDP counters", [] { return new TUDP_Counters(nullptr); }, counters, statusBar, "BT_Stop", "BT_Start",
         startAndTick, {}},
        {"SNMP counters", [] { return new TSNMP_Counters(nullptr); }, counters, statusBar, "BT_Stop", "BT_Start",
         startAndTick, {}},
        {"IF counters", [] { return new TIF_Counters(nullptr); }, ports, statusBar, "", "Button1", press("Button1"),
         {noAnswer}},
        {"bridge port counters", [] { return new TTpBridgePortInfo_Table(nullptr); }, ports, statusBar, "",
         "BT_Refresh", press("BT_Refresh"), {noAnswer}},
        {"IP routing", [] { return new TIP_Routing(nullptr); },
         [](QDialog *w) -> QvSNMPRequest2Controls * { return static_cast<TIP_Routing *>(w)->Binding(); }, statusBar,
         "", "BT_Get", press("BT_Get"), {"Get: "}},
        {"spanning tree", [] { return new TSTP_Info(nullptr); },
         [](QDialog *w) -> QvSNMPRequest2Controls * { return static_cast<TSTP_Info *>(w)->Binding(); }, statusBar,
         "", "BT_Get", press("BT_Get"), {"Get: "}},
    };
    for (const SilentWindowCase &c : cases)
        ExpectWaitsOnSilentSwitch(c);
}

// A monitor window opens once: opening it again raises and activates the one open, and another
// window opens beside it; both poll on their own, neither modal.
TEST(MonitorWindows, OpenOnceAndLiveSideBySide)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    const struct {
        const char *key;
        std::function<QDialog *()> create;
    } cases[] = {
        {"MIB2UDPCounterClick", [] { return new TUDP_Counters(nullptr); }},
        {"BridgePortCountersClick", [] { return new TTpBridgePortInfo_Table(nullptr); }},
        {"BridgeSTPInformationClick", [] { return new TSTP_Info(nullptr); }},
    };
    QList<QPointer<QWidget>> opened;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        int made = 0;
        const auto create = [&] {
            ++made;
            return c.create();
        };
        QWidget *first = OpenMonitorWindow(nullptr, c.key, create);
        ASSERT_NE(first, nullptr);
        EXPECT_TRUE(first->isVisible());
        EXPECT_FALSE(first->isModal());
        EXPECT_TRUE(first->testAttribute(Qt::WA_DeleteOnClose));
        // Another window comes to the front; opening the first again raises it.
        QWidget front;
        front.show();
        QApplication::setActiveWindow(&front);
        ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &front; }));
        EXPECT_EQ(OpenMonitorWindow(nullptr, c.key, create), first);
        EXPECT_EQ(made, 1) << "no second instance";
        EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == first; }, 2000));
        EXPECT_EQ(OpenedMonitorWindow(c.key), first);
        opened << first;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    auto *udp = qobject_cast<TCounterForm *>(opened[0].data());
    auto *bridge = qobject_cast<TPortCounterForm *>(opened[1].data());
    ASSERT_TRUE(udp && bridge);
    const int udpPolls = udp->PollsSent();
    ASSERT_TRUE(WaitFor([&] { return bridge->Monitor().UpdateCount() >= 2 && udp->PollsSent() >= udpPolls + 2; }));
    // Closed, each is gone and the next opening makes a new one.
    for (int k = 0; k < opened.size(); ++k) {
        opened[k]->close();
        ASSERT_TRUE(WaitFor([&] { return opened[k].isNull(); }));
        EXPECT_EQ(OpenedMonitorWindow(cases[k].key), nullptr);
    }
}

// Every list a monitoring window shows offers Copy and Export as CSV in its context menu, with a
// proposed file name telling the window (and, for a port's counters, the port).
TEST(MonitorLists, OfferCopyAndExport)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 200);
    using Caption = std::function<QString(QWidget *)>;
    const Caption title = [](QWidget *w) { return w->windowTitle(); };
    const auto ofPort = [](const char *label) {
        return Caption([label](QWidget *w) {
            const QString port = Child<QLabel>(w, "ST_Index")->text().trimmed();
            EXPECT_FALSE(port.isEmpty());
            return w->windowTitle() + " - " + label + ' ' + port;
        });
    };
    struct List {
        const char *name;
        Caption caption;
    };
    struct Case {
        const char *window;
        std::function<QWidget *()> create;
        QList<List> lists;
    };
    const Case cases[] = {
        {"IP", [] { return new TIP_Counters(nullptr); }, {{"LV_IPCounterData", title}}},
        {"ICMP", [] { return new TICMP_Counters(nullptr); }, {{"LV_ICMPCounterData", title}}},
        {"UDP", [] { return new TUDP_Counters(nullptr); }, {{"LV_IPCounterData", title}}},
        {"SNMP", [] { return new TSNMP_Counters(nullptr); }, {{"LV_SNMPCounterData", title}}},
        {"IF", [] { return new TIF_Counters(nullptr); },
         {{"LV_IFTableIndex", title}, {"LV_IF_Counters", ofPort("Index")}}},
        {"bridge ports", [] { return new TTpBridgePortInfo_Table(nullptr); },
         {{"LV_TpBridge_Port_Index", title}, {"LV_TpBridge_Port_Info", ofPort("Port Number")}}},
        {"routing", [] { return new TIP_Routing(nullptr); }, {{"LV_IP_Routing", title}}},
        {"RMON statistics", [] { return new TRMONStatisticsForm(nullptr); },
         {{"LV_control", title}, {"LV_Static", title}}},
        {"RMON history", [] { return new THistoryForm(nullptr); }, {{"LV_control", title}, {"LV_Table", title}}},
        {"RMON alarm", [] { return new TAlarmForm(nullptr); },
         {{"LV_Alarm", title}, {"LV_Event", title}, {"LV_Log", title}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.window);
        std::unique_ptr<QWidget> window(c.create());
        // A port's counters are named once the port list has been read.
        if (auto *ports = qobject_cast<TPortCounterForm *>(window.get())) {
            ASSERT_TRUE(WaitFor([&] { return ports->ListState() == TPortCounterForm::PortList::Listed; }));
        }
        for (const List &l : c.lists) {
            SCOPED_TRACE(l.name);
            auto *list = Child<QTreeWidget>(window.get(), l.name);
            ASSERT_NE(list, nullptr);
            auto *exporter = list->findChild<TListViewExport *>(QString(), Qt::FindDirectChildrenOnly);
            ASSERT_NE(exporter, nullptr) << "no Copy / Export as CSV";
            EXPECT_EQ(list->contextMenuPolicy(), Qt::ActionsContextMenu);
            EXPECT_TRUE(list->actions().contains(exporter->CopyAction));
            EXPECT_TRUE(list->actions().contains(exporter->ExportAction));
            EXPECT_EQ(exporter->Caption(), l.caption(window.get()));
        }
    }
}

// The time labels under a chart are never cut short and never overlap: at the sizes the chart has
// in the IF window (first case) and the bridge port window (second), and wider or narrower, every
// n-th sample is labelled with its whole time, the newest always, as many as fit side by side.
TEST(CounterChart, TimeLabelsAreWholeAndApart)
{
    struct Case {
        const char *name;
        QSize size;
        int samples;
        bool everySample;  // wide enough to label each one
    };
    const Case cases[] = {
        {"IF window", QSize(660, 345), 10, false},
        {"bridge port window", QSize(470, 330), 10, false},
        {"wide", QSize(1500, 400), 10, true},
        {"narrow, long history", QSize(400, 300), 40, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TCounterMonitorOptions options;
        options.history = THistoryValue::Delta;
        options.historyCount = c.samples;
        TCounterMonitor monitor(TCounterMonitor::Sequence({"InOctets", "OutOctets"}, 1), options);
        const QTime start(6, 10, 55);
        for (int i = 0; i <= c.samples; ++i) {
            const QString v = QString::number(1000 * i * i);
            ASSERT_TRUE(monitor.Update({"row", v, v}, nullptr, start.addSecs(i)));
        }
        ASSERT_EQ(monitor.History(0).size(), c.samples);
        TCounterChart chart(nullptr, "chart", QString(), "Delta", {{"InOctets", Qt::red}, {"OutOctets", Qt::green}});
        chart.resize(c.size);
        chart.show();
        chart.Plot(monitor);
        ASSERT_TRUE(WaitFor([&] { return chart.Chart()->plotArea().width() > 0; }));
        QTest::qWait(50);
        QCategoryAxis *axis = chart.TimeAxis();
        EXPECT_FALSE(axis->labelsTruncated()) << "a time label is cut";
        const QStringList labels = axis->categoriesLabels();
        ASSERT_FALSE(labels.isEmpty());
        const int step = chart.LabelStep();
        EXPECT_EQ(step == 1, c.everySample) << "step " << step;
        const QFontMetrics metrics(axis->labelsFont());
        const qreal spacing = chart.Chart()->plotArea().width() / (c.samples - 1);
        for (int k = 0; k < labels.size(); ++k) {
            const int at = int(axis->endValue(labels[k]));
            EXPECT_EQ(labels[k].trimmed(), monitor.History(0)[at].time) << "label " << k;
            if (k > 0) {
                const int apart = at - int(axis->endValue(labels[k - 1]));
                EXPECT_EQ(apart, step);
                EXPECT_GT(apart * spacing, metrics.horizontalAdvance(labels[k].trimmed())) << "labels overlap";
            }
        }
        EXPECT_EQ(labels.last().trimmed(), start.addSecs(c.samples).toString("HH:mm:ss")) << "the newest is labelled";
        EXPECT_GT(labels.size() * step, c.samples - step) << "labels left out although they fit";
    }
}

TEST(CounterWindows, SilenceGreysTheValuesAndARebootIsNoWrap)
{
    KmvSimProcess sim({QStringLiteral("--reboot-time"), QStringLiteral("300")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 30);
    TIP_Counters form(nullptr);
    QTreeWidget *list = Child<QTreeWidget>(&form, "LV_IPCounterData");
    QLabel *panel = Child<QLabel>(&form, "StatusBar1Freshness");
    ASSERT_TRUE(WaitFor([&] { return form.Monitor().UpdateCount() >= 2; }));
    EXPECT_TRUE(form.Monitor().ElapsedFromUpTime()) << "sysUpTime rides with the counters";
    EXPECT_FALSE(form.Freshness().Stale());

    sim.stopAnswering();
    ASSERT_TRUE(WaitFor([&] { return form.Freshness().Stale(); }));
    EXPECT_FALSE(panel->isHidden());
    EXPECT_TRUE(panel->text().startsWith("No answer since ")) << panel->text().toStdString();
    EXPECT_TRUE(panel->text().endsWith("; values from " + form.Monitor().ValuesTime())) << panel->text().toStdString();
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(Qt::gray));
    sim.resumeAnswering();
    ASSERT_TRUE(WaitFor([&] { return !form.Freshness().Stale(); }));
    EXPECT_NE(list->palette().color(QPalette::Text), QColor(Qt::gray));

    const int before = form.Monitor().UpdateCount();
    ASSERT_TRUE(ToolSet(sim, {"1.3.6.1.4.1.171.12.1.2.3.0", "i", "2"}));
    ASSERT_TRUE(WaitFor([&] { return form.Monitor().Restarts() >= 1; }));
    EXPECT_TRUE(panel->text().startsWith("The switch restarted at ")) << panel->text().toStdString();
    ASSERT_TRUE(WaitFor([&] { return form.Monitor().UpdateCount() >= before + 4; }));
    for (int i = 0; i < form.Monitor().Count(); ++i) {
        EXPECT_LT(form.Monitor().Peak(i), 1e7) << form.Monitor().Name(i).toStdString() << ": a restart taken for a wrap";
        EXPECT_FALSE(list->topLevelItem(i)->text(3).isEmpty()) << "counting goes on after the restart";
    }
}

TEST(SpanningTreeWindow, BridgeIdentifierShowsPriorityAndMac)
{
    const struct {
        const char *octets, *shown;
    } cases[] = {
        {"10000050BA00AA01", "4096 / 00:50:BA:00:AA:01 (10000050BA00AA01)"},
        {"80 00 00 50 ba 00 aa 01", "32768 / 00:50:BA:00:AA:01 (80000050BA00AA01)"},
        {"0000000000000000", "0 / 00:00:00:00:00:00 (0000000000000000)"},
        {"10000050BA00AA", "10000050BA00AA"},      // too short: as it came
        {"1000005XBA00AA01", "1000005XBA00AA01"},  // not hex
    };
    for (const auto &c : cases)
        EXPECT_EQ(BridgeIdText(QLatin1String(c.octets)), QLatin1String(c.shown)) << c.octets;
}

TEST(CounterWindows, InterfaceOctetsAre64BitUnderV2cWithBitRateAndUtilisation)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    struct Case {
        const char *name;
        qint8 version;
        bool wide;
    };
    const Case cases[] = {{"SNMPv1: ifTable's 32-bit counters", SNMP_VERSION_V1, false},
                          {"SNMPv2c: ifXTable's 64-bit counters", SNMP_VERSION_V2C, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SessionScope session(sim.port(), 100);
        SessionParams().Security.Version = c.version;
        TIF_Counters form(nullptr);
        ASSERT_TRUE(WaitFor([&] { return form.ListState() == TPortCounterForm::PortList::Listed; }));
        QTreeWidget *ifs = Child<QTreeWidget>(&form, "LV_IFTableIndex");
        QTreeWidget *list = Child<QTreeWidget>(&form, "LV_IF_Counters");
        ifs->setCurrentItem(ifs->topLevelItem(48));  // port 49: gigabit, with a link
        ASSERT_TRUE(WaitFor([&] { return form.Instance() == "49" && form.Monitor().UpdateCount() >= 3; }));
        EXPECT_EQ(form.HighCapacity(), c.wide);
        for (int i : {0, 1, 6, 7})
            EXPECT_EQ(form.Monitor().Spec(i).wide, c.wide) << form.Monitor().Name(i).toStdString();
        EXPECT_FALSE(form.Monitor().Spec(2).wide) << "InNUcastPkts has no 64-bit column";
        const QString rate = list->topLevelItem(0)->text(3);
        EXPECT_TRUE(rate.contains("bit/s")) << rate.toStdString();
        EXPECT_TRUE(rate.endsWith(" %)")) << "a share of the port's speed: " << rate.toStdString();
        EXPECT_FALSE(list->topLevelItem(1)->text(3).contains("bit/s")) << "packets are no octets";
        if (c.wide) {
            const QMap<QString, QString> hc = ToolWalk(sim, "1.3.6.1.2.1.31.1.1.1.6.49");
            ASSERT_FALSE(hc.isEmpty());
            EXPECT_LE(list->topLevelItem(0)->text(1).toULongLong(), hc.first().toULongLong());
        }
    }
}

TEST(CounterWindows, ASwitchWithoutIfXTableGets32BitCountersUnderV2c)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    const QString If = QStringLiteral("1.3.6.1.2.1.2.2.1.");
    agent.put(If + "1.1", FakeUdpAgent::integer(1));
    agent.put(If + "2.1", FakeUdpAgent::octets("port1"));
    agent.put(If + "5.1", TableAgent::counter(100000000));  // a Gauge32 in truth; read as a number
    for (int c = 10; c <= 20; ++c)
        agent.put(If + QString::number(c) + ".1", TableAgent::counter(quint32(1000 * c)));
    SessionScope session(agent.port(), 30);
    SessionParams().Security.Version = SNMP_VERSION_V2C;
    TIF_Counters form(nullptr);
    ASSERT_TRUE(WaitFor([&] { return form.ListState() == TPortCounterForm::PortList::Listed; }));
    EXPECT_TRUE(WaitFor([&] { return !form.HighCapacity(); }, 5000)) << "no ifXTable: back to ifTable";
    ASSERT_TRUE(WaitFor([&] { return form.Monitor().UpdateCount() >= 2; }));
    EXPECT_FALSE(form.Monitor().Spec(0).wide);
    EXPECT_EQ(form.Monitor().Current(0), 10000u);
    EXPECT_FALSE(form.Freshness().Stale());
}
