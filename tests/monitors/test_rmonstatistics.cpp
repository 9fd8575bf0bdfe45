// The RMON statistics window: counters read from the chosen entry's own row, the counter monitor's
// display and rate charts, the SETs of Add, Modify and Delete on the wire, the dialog's checks, and
// the control list and counters against an independent walk of the simulated switch.
#include "agent_support.h"
#include "box_answer.h"
#include "kmvsim_process.h"
#include "mibenums.h"
#include "qvsnmperrors.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "rmoncommon.h"
#include "session_scope.h"
#include "snmp_tools.h"
#include "table_agent.h"
#include "tmessagebox.h"
#include "trmonstatisticsform.h"

#include <QApplication>
#include <QChart>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
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
        OpenGlobalSession(makeTempDir(QStringLiteral("rmonstatistics-session")));
    }
    void TearDown() override { FreeCatalogueLists(); }
};
const auto *const env = ::testing::AddGlobalTestEnvironment(new Environment);

const QString Stats = QStringLiteral("1.3.6.1.2.1.16.1.1.1.");

// Nothing of the window (or dialog) is out any more.
bool Settled(const QvWaitIndicator *wait)
{
    return WaitUntil([wait] { return !wait->Waiting(); });
}

// Opens the window's dialog, lets it read what it reads, fills it and presses OK; true when the
// dialog closed after its writes.
bool RunDialog(TRMONStatisticsForm &form, QPushButton *opener, const std::function<void(TStatistics_control *)> &steps)
{
    opener->click();
    QPointer<TStatistics_control> d = form.Dialog();
    if (!d || !Settled(d->Wait()))
        return false;
    steps(d);
    // The dialog goes once its writes succeeded.
    WaitUntil([&] { return !d || !d->Wait()->Waiting(); });
    return WaitUntil([&] { return !form.Dialog(); }, 200);
}

// Entry `index` on interface `port`; counter column c holds base + c.
void PutEntry(TableAgent &agent, int index, int port, quint32 base)
{
    const QString i = QStringLiteral(".%1").arg(index);
    agent.put(Stats + "1" + i, FakeUdpAgent::integer(index));
    agent.put(Stats + "2" + i, TableAgent::oidValue(QStringLiteral("1.3.6.1.2.1.2.2.1.1.%1").arg(port)));
    for (int c = 3; c <= 19; ++c)
        agent.put(Stats + QString::number(c) + i, TableAgent::counter(base + quint32(c)));
    agent.put(Stats + "20" + i, FakeUdpAgent::octets("monitor"));
    agent.put(Stats + "21" + i, FakeUdpAgent::integer(1));
}

void SelectRow(QTreeWidget *list, int row)
{
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(row));
    list->topLevelItem(row)->setSelected(true);
}

QString Cell(const QTreeWidget *list, const QString &name, int column)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == name)
            return list->topLevelItem(i)->text(column);
    return QStringLiteral("(no row)");
}

QStringList SeriesNames(QChart *chart)
{
    QStringList names;
    for (QAbstractSeries *s : chart->series())
        names << s->name();
    return names;
}

}  // namespace

TEST(StatisticsOnTheWire, CountersComeFromTheChosenEntrysOwnRow)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutEntry(agent, 1, 1, 1000);
    PutEntry(agent, 5, 3, 5000);  // no entry 3: the interface number names no row
    SessionScope session(agent.port());
    BoxAnswer box;
    TRMONStatisticsForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    form.Timer1->stop();  // the test makes the readings itself
    EXPECT_EQ(form.ST_Index->text(), "1");

    SelectRow(form.LV_control, 1);
    EXPECT_EQ(form.ST_Index->text(), "5");
    EXPECT_EQ(form.ST_DataSource->text(), "IfIndex.3");
    EXPECT_EQ(form.ST_Owner->text(), "monitor");
    form.Timer1Timer();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(form.LV_Static->topLevelItemCount(), 17) << "the first reading creates the rows";
    EXPECT_EQ(Cell(form.LV_Static, "Pkts", 1), "") << "values from the second reading on";
    agent.put(Stats + "5.5", TableAgent::counter(5005 + 30));
    form.Timer1Timer();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(Cell(form.LV_Static, "Pkts", 1), "5035") << "entry 5's own counters";
    EXPECT_EQ(Cell(form.LV_Static, "Pkts", 2), "30");
    EXPECT_EQ(Cell(form.LV_Static, "DropEvents", 1), "5003");
    EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();

    // The rate of Pkts is the newest point of the "Packet" line; ten points always.
    auto *packet = qobject_cast<QLineSeries *>(form.Chart(1)->series().value(0));
    ASSERT_NE(packet, nullptr);
    ASSERT_EQ(packet->count(), 10);
    // Per second of the time that passed between the two readings.
    ASSERT_GT(form.Monitor().ElapsedMs(), 0);
    EXPECT_NEAR(packet->at(9).y(), 30 * 1000.0 / form.Monitor().ElapsedMs(), 1.0);
    EXPECT_EQ(packet->at(8).y(), 0);
    EXPECT_EQ(SeriesNames(form.Chart(1)), (QStringList{"Packet", "Broadcast", "Multicast"}));
    EXPECT_EQ(SeriesNames(form.Chart(2)),
              (QStringList{"CRC Errors", "Undersize", "Oversize", "Fragments", "Jabbers", "Collisions"}));
    EXPECT_EQ(SeriesNames(form.Chart(3)), (QStringList{"64 Octets", "65~127 Octets", "128~255 Octets", "256~511 Octets",
                                                       "512~1023 Octets", "1024~1518 Octets"}));
    EXPECT_EQ(qobject_cast<QLineSeries *>(form.Chart(2)->series().value(4))->color(), QColor(255, 128, 64));
    EXPECT_EQ(form.Chart(1)->title(), "Packets");

    // Choosing the entry on show again keeps its readings.
    SelectRow(form.LV_control, 1);
    EXPECT_EQ(Cell(form.LV_Static, "Pkts", 1), "5035");
}

// A Refresh that the switch stops answering halfway keeps the entries read so far and says so beside
// the polls' reports, which replace panel 0 at every tick, until a Refresh reads the list whole.
TEST(StatisticsOnTheWire, AControlListCutShortSaysSoUntilARefreshReadsItWhole)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    for (int i = 1; i <= 3; ++i)
        PutEntry(agent, i, i, 1000 * i);
    SessionScope session(agent.port(), 20);
    BoxAnswer box;
    TRMONStatisticsForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    form.Timer1->stop();
    ASSERT_EQ(form.LV_control->topLevelItemCount(), 3);
    EXPECT_TRUE(form.StatusPanel1->isHidden());

    agent.dropNextsFrom(Stats + "1.1");
    form.BT_Refresh->click();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(form.LV_control->topLevelItemCount(), 1);
    EXPECT_FALSE(form.StatusPanel1->isHidden());
    EXPECT_EQ(form.StatusPanel1->text(), "List cut short after 1 row: " + QvErrorText(QVC_TIMEOUT) +
                                             " Refresh reads it again.");
    form.Timer1Timer();  // a poll's report takes panel 0; the list's outcome stays
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_TRUE(form.StatusPanel0->text().contains("Ok!")) << form.StatusPanel0->text().toStdString();
    EXPECT_FALSE(form.StatusPanel1->isHidden());

    agent.dropNextsFrom(QString());
    form.BT_Refresh->click();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(form.LV_control->topLevelItemCount(), 3);
    EXPECT_TRUE(form.StatusPanel1->isHidden());
    EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
}

TEST(StatisticsOnTheWire, AddModifyDeleteSendTheirSets)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutEntry(agent, 1, 1, 0);
    agent.put(Stats + "1.7", FakeUdpAgent::integer(7));
    SessionScope session(agent.port());
    BoxAnswer box;
    TRMONStatisticsForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));

    agent.clearRequests();
    EXPECT_TRUE(RunDialog(form, form.BT_Add, [](TStatistics_control *d) {
        EXPECT_EQ(d->GroupBox1->title(), "Add");
        d->ED_Index->setText(QStringLiteral("7"));
        d->ED_DataSource->setText(QStringLiteral("3"));
        d->ED_Owner->setText(QStringLiteral("monitor"));
        d->BT_Set->click();
    }));
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(agent.sets(), (QList<QStringList>{{Stats + "21.7=2"},
                                                {Stats + "2.7=1.3.6.1.2.1.2.2.1.1.3", Stats + "20.7=\"monitor\""},
                                                {Stats + "21.7=1"}}));
    ASSERT_EQ(form.LV_control->topLevelItemCount(), 2) << "the list is read again";

    agent.clearRequests();
    SelectRow(form.LV_control, 1);
    EXPECT_TRUE(RunDialog(form, form.BT_Modify, [](TStatistics_control *d) {
        EXPECT_EQ(d->GroupBox1->title(), "Modify");
        EXPECT_EQ(d->ED_DataSource->text(), "3");
        EXPECT_EQ(d->ED_Owner->text(), "monitor");
        d->ED_DataSource->setText(QStringLiteral("0"));
        d->BT_Set->click();
    }));
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(agent.sets(), (QList<QStringList>{{Stats + "21.7=3"},
                                                {Stats + "2.7=1.3.6.1.2.1.2.2.1.1.0", Stats + "20.7=\"monitor\""},
                                                {Stats + "21.7=1"}}));

    agent.clearRequests();
    SelectRow(form.LV_control, 1);
    form.BT_Delete->click();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(box.asked, QStringList{"Are you sure?"});
    EXPECT_EQ(agent.sets(), (QList<QStringList>{{Stats + "21.7=4"}}));
    EXPECT_TRUE(form.Timer1->isActive()) << "polling goes on";
}

// OK starts the writes and returns; a step that fails stops the chain, is named, and leaves the
// dialog open with what was typed.
TEST(StatisticsOnTheWire, AFailingStepIsNamedAndTheDialogStays)
{
    const struct {
        const char *failing;
        int sent;
        const char *step;
    } cases[] = {
        {"21.7", 1, "step 1 of 3 (status createRequest)"},
        {"2.7", 3, "step 2 of 3 (data columns)"},  // then the created entry goes again
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.step);
        TableAgent agent;
        ASSERT_TRUE(agent.ok());
        PutEntry(agent, 1, 1, 0);
        SessionScope session(agent.port());
        BoxAnswer box;
        TRMONStatisticsForm form(nullptr);
        ASSERT_TRUE(Settled(form.Wait()));
        agent.clearRequests();
        agent.failSetsUnder(Stats + QLatin1String(c.failing), 5);
        form.BT_Add->click();
        TStatistics_control *d = form.Dialog();
        ASSERT_NE(d, nullptr);
        d->ED_Index->setText(QStringLiteral("7"));
        d->ED_DataSource->setText(QStringLiteral("3"));
        d->ED_Owner->setText(QStringLiteral("monitor"));
        QElapsedTimer t;
        t.start();
        d->BT_Set->click();
        EXPECT_LT(t.elapsed(), 500) << "OK returns at once";
        EXPECT_FALSE(d->BT_Set->isEnabled()) << "no second OK while the writes are out";
        ASSERT_TRUE(Settled(d->Wait()));
        ASSERT_TRUE(WaitUntil([&] { return !box.asked.isEmpty(); }, 1000));
        EXPECT_EQ(agent.sets().size(), c.sent) << "after the failing step only the undo of the first";
        if (c.sent == 3) {
            EXPECT_EQ(agent.sets().value(2), QStringList{Stats + "21.7=4"});
        }
        EXPECT_TRUE(box.asked.value(0).contains(QLatin1String(c.step))) << box.asked.value(0).toStdString();
        ASSERT_EQ(form.Dialog(), d) << "the dialog stays";
        EXPECT_EQ(d->ED_Owner->text(), "monitor");
        EXPECT_TRUE(d->BT_Set->isEnabled());
    }
}

TEST(StatisticsOnTheWire, DialogChecksSendNothing)
{
    const struct {
        const char *index, *source, *owner;
        const char *message;
    } cases[] = {
        {"8", "12a", "me", "DataSource must be integer!!"},
        {"8", "3", "", "Don't leave empty fields !!"},
        {"", "3", "me", "Don't leave empty fields !!"},
        {"1", "3", "me", "The Index must be different !!"},
    };
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutEntry(agent, 1, 1, 0);
    SessionScope session(agent.port());
    TRMONStatisticsForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        BoxAnswer box;
        agent.clearRequests();
        EXPECT_FALSE(RunDialog(form, form.BT_Add, [&](TStatistics_control *d) {
            d->ED_Index->setText(QLatin1String(c.index));
            d->ED_DataSource->setText(QLatin1String(c.source));
            d->ED_Owner->setText(QLatin1String(c.owner));
            d->BT_Set->click();
        })) << "the dialog stays open";
        EXPECT_EQ(box.asked, QStringList{QLatin1String(c.message)});
        EXPECT_TRUE(agent.sets().isEmpty());
        ASSERT_NE(form.Dialog(), nullptr);
        form.Dialog()->reject();
        ASSERT_TRUE(WaitUntil([&] { return !form.Dialog(); }));
    }
}

TEST(StatisticsAgainstSwitch, ListAndCountersAgreeWithAnIndependentWalk)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 200);
    TRMONStatisticsForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    form.Timer1->stop();
    const QMap<QString, QString> sources = ToolWalk(sim, Stats + "2");
    ASSERT_EQ(form.LV_control->topLevelItemCount(), sources.size());
    auto *display = static_cast<TDisplayDelegate *>(form.LV_control->itemDelegateForColumn(1));
    for (int i = 0; i < form.LV_control->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = form.LV_control->topLevelItem(i);
        EXPECT_EQ(row->text(1), sources.value(Stats + "2." + row->text(0)));
        EXPECT_EQ(display->Display(row->text(1)), "IfIndex." + row->text(0)) << "one entry per port";
    }

    SelectRow(form.LV_control, 2);
    form.Timer1Timer();
    ASSERT_TRUE(Settled(form.Wait()));
    const qint64 before = ToolWalk(sim, Stats + "5.3").value(Stats + "5.3").toLongLong();
    form.Timer1Timer();
    ASSERT_TRUE(Settled(form.Wait()));
    const qint64 after = ToolWalk(sim, Stats + "5.3").value(Stats + "5.3").toLongLong();
    const qint64 shown = Cell(form.LV_Static, "Pkts", 1).toLongLong();
    EXPECT_GE(shown, before);
    EXPECT_LE(shown, after);
}

// A tick while the last reading is still out sends nothing; Escape ends the wait.
TEST(StatisticsAgainstSwitch, NoPollStartsWhileTheLastIsOut)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    BoxAnswer box;
    TRMONStatisticsForm form(nullptr);
    form.show();
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    form.Timer1->stop();
    sim.stopAnswering();
    form.Timer1Timer();
    ASSERT_TRUE(form.CounterBinding()->Busy());
    const int pending = form.CounterBinding()->Request().pending;
    form.Timer1Timer();
    form.Timer1Timer();
    EXPECT_EQ(form.CounterBinding()->Request().pending, pending) << "the ticks wait for the reading out";
    EXPECT_TRUE(form.StatusPanel0->text().startsWith("Waiting for the switch")) << form.StatusPanel0->text().toStdString();
    EXPECT_FALSE(form.BT_Add->isEnabled());
    QApplication::setActiveWindow(&form);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.CounterBinding()->Busy());
    EXPECT_TRUE(form.BT_Add->isEnabled());
    sim.resumeAnswering();
    form.Timer1Timer();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_TRUE(form.StatusPanel0->text().contains("Ok!")) << form.StatusPanel0->text().toStdString();
    EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
}

TEST(StatisticsOnTheWire, ARefreshTheSwitchDoesNotAnswerKeepsTheListAndSaysSo)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    for (int i = 1; i <= 3; ++i)
        PutEntry(agent, i, i, 1000 * i);
    SessionScope session(agent.port(), 20);
    BoxAnswer box;
    TRMONStatisticsForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    form.Timer1->stop();
    ASSERT_EQ(form.LV_control->topLevelItemCount(), 3);

    agent.dropNextsFrom(Stats);  // silent for every walk
    form.BT_Refresh->click();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(form.LV_control->topLevelItemCount(), 3) << "what was read stays";
    EXPECT_FALSE(form.StatusPanel1->isHidden());
    EXPECT_TRUE(form.StatusPanel1->text().contains(QvErrorText(QVC_TIMEOUT))) << form.StatusPanel1->text().toStdString();

    agent.dropNextsFrom(QString());
    form.BT_Refresh->click();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(form.LV_control->topLevelItemCount(), 3);
    EXPECT_TRUE(form.StatusPanel1->isHidden());
    EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
}
