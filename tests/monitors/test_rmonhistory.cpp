// The RMON history window: which samples the charts draw, the lists against an independent walk of
// the simulated switch (samples of the chosen entry's own index), the three SETs of Add and Modify
// and the single SET of Delete on the wire, and the dialog's checks.
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
#include "thistoryform.h"
#include "tmessagebox.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
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
        OpenGlobalSession(makeTempDir(QStringLiteral("rmonhistory-session")));
    }
    void TearDown() override { FreeCatalogueLists(); }
};
const auto *const env = ::testing::AddGlobalTestEnvironment(new Environment);

const QString Control = QStringLiteral("1.3.6.1.2.1.16.2.1.1.");
const QString Samples = QStringLiteral("1.3.6.1.2.1.16.2.2.1.");

bool Settled(const QvWaitIndicator *wait)
{
    return WaitUntil([wait] { return !wait->Waiting(); });
}

// Opens the window's dialog, lets it read, runs steps on it; true when the dialog then closed.
bool RunDialog(THistoryForm &form, QPushButton *opener, const std::function<void(THistory_control *)> &steps)
{
    opener->click();
    QPointer<THistory_control> d = form.Dialog();
    if (!d || !Settled(d->Wait()))
        return false;
    steps(d);
    // The dialog goes once its writes succeeded.
    WaitUntil([&] { return !d || !d->Wait()->Waiting(); });
    return WaitUntil([&] { return !form.Dialog(); }, 200);
}

QStringList Column(const QTreeWidget *list, int column)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

void SelectRow(QTreeWidget *list, int row)
{
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(row));
    list->topLevelItem(row)->setSelected(true);
}

// One history entry (index 1 on interface 4) with three samples, for looking at the wire.
void PutHistoryEntry(TableAgent &agent)
{
    agent.put(Control + "1.1", FakeUdpAgent::integer(1));
    agent.put(Control + "2.1", TableAgent::oidValue(QStringLiteral("1.3.6.1.2.1.2.2.1.1.4")));
    agent.put(Control + "3.1", FakeUdpAgent::integer(50));
    agent.put(Control + "4.1", FakeUdpAgent::integer(50));
    agent.put(Control + "5.1", FakeUdpAgent::integer(30));
    agent.put(Control + "6.1", FakeUdpAgent::octets("monitor"));
    agent.put(Control + "7.1", FakeUdpAgent::integer(1));
    for (int s = 1; s <= 3; ++s) {
        const QString i = QStringLiteral(".1.%1").arg(s);
        agent.put(Samples + "3" + i, TableAgent::ticks(1000u * quint32(s)));
        for (int c = 4; c <= 14; ++c)
            agent.put(Samples + QString::number(c) + i, TableAgent::counter(quint32(c * s)));
        agent.put(Samples + "15" + i, FakeUdpAgent::integer(8765));
    }
}

}  // namespace

TEST(HistoryPlot, DrawsTheNewestSamplesFirst)
{
    const struct {
        int rows, h;
        QList<int> drawn;
    } cases[] = {
        {50, 30, [] { QList<int> r; for (int i = 49; i >= 21; --i) r << i; return r; }()},
        {10, 30, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
        {30, 30, [] { QList<int> r; for (int i = 29; i >= 1; --i) r << i; return r; }()},
        {1, 10, {0}},
        {0, 10, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, H " << c.h);
        EXPECT_EQ(HistoryPlotRows(c.rows, c.h), c.drawn);
    }
}

TEST(HistoryOnTheWire, ChartsShowTheSamplesOfTheEntry)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutHistoryEntry(agent);
    SessionScope session(agent.port());
    THistoryForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    EXPECT_EQ(form.ST_DataSource->text(), "IfIndex.4");
    ASSERT_EQ(form.LV_Table->topLevelItemCount(), 3);
    const THistoryPlot plot = form.PlotData();
    EXPECT_EQ(plot.labels.size(), 3) << "fewer samples than H: every one";
    EXPECT_EQ(plot.utilization.value(0), (QList<qint64>{88, 88, 88})) << "8765 hundredths of a percent, rounded";
    // The table says the same in percent.
    auto *utilization = static_cast<TDisplayDelegate *>(form.LV_Table->itemDelegateForColumn(12));
    ASSERT_NE(utilization, nullptr);
    EXPECT_EQ(utilization->Display(form.LV_Table->topLevelItem(0)->text(12)), "87.65 %");
    EXPECT_EQ(plot.errors.value(0), (QList<qint64>{27, 18, 9})) << "CRC Align, newest first";
    EXPECT_EQ(plot.packets.value(2), (QList<qint64>{24, 16, 8})) << "Multicast";
    auto *errors = qobject_cast<QBarSeries *>(form.Chart(2)->series().value(0));
    ASSERT_NE(errors, nullptr);
    QStringList names;
    for (QBarSet *set : errors->barSets())
        names << set->label();
    EXPECT_EQ(names, (QStringList{"CRC Align", "Undersize", "Oversize", "Fragments", "Jabbers", "Collisions"}));
    EXPECT_EQ(errors->barSets().value(4)->color(), QColor(0, 0, 64));
    EXPECT_EQ(form.Chart(3)->title(), "Packet Distribution");

    // H = 10 over three samples still draws all three; the Error page ticks its hidden box.
    form.CB_HistoryCount->setCurrentIndex(0);
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(form.PlotData().labels.size(), 3);
    form.PageControl1->setCurrentIndex(2);
    EXPECT_FALSE(form.Wait()->Waiting()) << "a page of its own reads nothing";
    EXPECT_TRUE(form.CK_E3D->isChecked());
    EXPECT_TRUE(form.CK_U3D->isHidden());
}

TEST(HistoryOnTheWire, AddModifyDeleteSendTheirSets)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutHistoryEntry(agent);
    SessionScope session(agent.port());
    BoxAnswer box;
    THistoryForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    const QString source3 = QStringLiteral("1.3.6.1.2.1.2.2.1.1.3");
    // The columns the agent itself fills in for a new entry.
    agent.put(Control + "1.7", FakeUdpAgent::integer(7));
    agent.put(Control + "4.7", FakeUdpAgent::integer(20));

    agent.clearRequests();
    EXPECT_TRUE(RunDialog(form, form.BT_Add, [](THistory_control *dialog) {
        EXPECT_EQ(dialog->GroupBox1->title(), "Add");
        dialog->ED_Index->setText(QStringLiteral("7"));
        dialog->ED_Datatsource->setText(QStringLiteral("3"));
        dialog->ED_Owner->setText(QStringLiteral("monitor"));
        dialog->ED_Buckets->setText(QStringLiteral("20"));
        dialog->ED_Interval->setText(QStringLiteral("30"));
        dialog->BT_Set->click();
    }));
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(agent.sets(), (QList<QStringList>{
                                {Control + "7.7=2"},
                                {Control + "2.7=" + source3, Control + "3.7=20", Control + "5.7=30",
                                 Control + "6.7=\"monitor\""},
                                {Control + "7.7=1"},
                            }));
    EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
    EXPECT_EQ(Column(form.LV_control, 0), (QStringList{"1", "7"})) << "the list is read again";

    agent.clearRequests();
    SelectRow(form.LV_control, 1);
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_TRUE(RunDialog(form, form.BT_Modify, [](THistory_control *dialog) {
        EXPECT_EQ(dialog->GroupBox1->title(), "Modify");
        EXPECT_FALSE(dialog->ED_Index->isEnabled());
        EXPECT_EQ(dialog->ED_Datatsource->text(), "3");
        EXPECT_EQ(dialog->ED_Owner->text(), "monitor") << "read from the entry";
        dialog->ED_Interval->setText(QStringLiteral("60"));
        dialog->BT_Set->click();
    }));
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(agent.sets(), (QList<QStringList>{
                                {Control + "7.7=3"},
                                {Control + "2.7=" + source3, Control + "3.7=20", Control + "5.7=60",
                                 Control + "6.7=\"monitor\""},
                                {Control + "7.7=1"},
                            }));

    agent.clearRequests();
    SelectRow(form.LV_control, 1);
    ASSERT_TRUE(Settled(form.Wait()));
    form.BT_Delete->click();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(box.asked, QStringList{"Are you sure?"});
    EXPECT_EQ(agent.sets(), (QList<QStringList>{{Control + "7.7=4"}})) << "the status alone";
}

TEST(HistoryOnTheWire, DialogChecksSendNothing)
{
    const struct {
        const char *index, *source, *buckets;
        const char *message;
    } cases[] = {
        {"8", "12a", "10", "DataSource must be integer!!"},
        {"8", "-1", "10", "DataSource must be integer!!"},
        {"", "3", "10", "Don't leave empty fields !!"},
        {"8", "3", "", "Don't leave empty fields !!"},
        {"8", "3", "70000", "Buckets Requested must be a whole number from 1 to 65535."},
        {"1", "3", "10", "History entry 1 exists already: choose another index."},
        {"0", "3", "10", "Index must be a whole number from 1 to 65535."},
    };
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    PutHistoryEntry(agent);
    SessionScope session(agent.port());
    THistoryForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        BoxAnswer box;
        agent.clearRequests();
        EXPECT_FALSE(RunDialog(form, form.BT_Add, [&](THistory_control *dialog) {
            dialog->ED_Index->setText(QLatin1String(c.index));
            dialog->ED_Datatsource->setText(QLatin1String(c.source));
            dialog->ED_Buckets->setText(QLatin1String(c.buckets));
            dialog->ED_Interval->setText(QStringLiteral("30"));
            dialog->BT_Set->click();
        })) << "the dialog stays open";
        EXPECT_EQ(box.asked, QStringList{QLatin1String(c.message)});
        EXPECT_TRUE(agent.sets().isEmpty());
        ASSERT_NE(form.Dialog(), nullptr);
        form.Dialog()->reject();
        ASSERT_TRUE(WaitUntil([&] { return !form.Dialog(); }));
    }
}

TEST(HistoryAgainstSwitch, ListsAgreeWithAnIndependentWalk)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 200);
    THistoryForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());

    const QMap<QString, QString> sources = ToolWalk(sim, Control + "2");
    ASSERT_EQ(form.LV_control->topLevelItemCount(), sources.size());
    ASSERT_GT(sources.size(), 2);
    auto *display = static_cast<TDisplayDelegate *>(form.LV_control->itemDelegateForColumn(1));
    for (int i = 0; i < form.LV_control->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = form.LV_control->topLevelItem(i);
        const QString key = Control + "2." + row->text(0);
        ASSERT_TRUE(sources.contains(key)) << key.toStdString();
        EXPECT_EQ(row->text(1), sources.value(key));
        EXPECT_EQ(display->Display(row->text(1)), "IfIndex." + sources.value(key).section('.', -1));
    }

    // The second entry watches interface 1 too: its samples are read from its own index, 2.
    SelectRow(form.LV_control, 1);
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(form.ST_Index->text(), "2");
    EXPECT_EQ(form.ST_DataSource->text(), "IfIndex.1");
    const QMap<QString, QString> octets = ToolWalk(sim, Samples + "5.2");
    ASSERT_FALSE(octets.isEmpty()) << "the switch comes with samples";
    EXPECT_EQ(Column(form.LV_Table, 2), QStringList(octets.values())) << "the Octets of entry 2, sample by sample";
    EXPECT_EQ(form.PlotData().labels.size(), std::min<qsizetype>(octets.size(), 29));
}

TEST(HistoryAgainstSwitch, AFailedAddLeavesNothingAndARetryWorks)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 200);
    THistoryForm form(nullptr);
    ASSERT_TRUE(Settled(form.Wait()));
    ASSERT_TRUE(form.RmonAvailable());
    const auto fill = [](THistory_control *d, const QString &interval, const QString &owner) {
        d->ED_Index->setText(QStringLiteral("200"));
        d->ED_Datatsource->setText(QStringLiteral("3"));
        d->ED_Buckets->setText(QStringLiteral("20"));
        d->ED_Interval->setText(interval);
        d->ED_Owner->setText(owner);
        d->BT_Set->click();
    };
    struct Attempt {
        const char *name;
        QString interval, owner;
        bool closes;
        QString status;  // of entry 200 afterwards, "" for none
    };
    const Attempt attempts[] = {
        {"interval 0 is refused before sending", "0", "me", false, ""},
        {"an owner the switch refuses: the created entry goes again", "30", QString(128, 'x'), false, ""},
        {"the retry creates it", "30", "me", true, "1"},
    };
    for (const Attempt &a : attempts) {
        SCOPED_TRACE(a.name);
        BoxAnswer box;
        EXPECT_EQ(RunDialog(form, form.BT_Add, [&](THistory_control *d) { fill(d, a.interval, a.owner); }), a.closes);
        EXPECT_EQ(box.asked.size(), a.closes ? 0 : 1) << box.asked.join('|').toStdString();
        if (!a.closes) {
            ASSERT_NE(form.Dialog(), nullptr);
            form.Dialog()->reject();
            ASSERT_TRUE(WaitUntil([&] { return !form.Dialog(); }));
        }
        ASSERT_TRUE(Settled(form.Wait()));
        EXPECT_EQ(ToolWalk(sim, Control + "7").value(Control + "7.200"), a.status);
    }
}

TEST(HistoryAgainstSwitch, RmonDisabledLeavesTheWindowUnavailable)
{
    KmvSimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    ASSERT_TRUE(ToolSet(sim, {QStringLiteral("1.3.6.1.4.1.171.11.2.1.2.3.0"), QStringLiteral("i"), QStringLiteral("2")}));
    SessionScope session(sim.port(), 100);
    BoxAnswer box;
    THistoryForm form(nullptr);
    form.show();
    ASSERT_TRUE(Settled(form.Wait()));
    EXPECT_EQ(form.Probe(), TRmonWindow::ProbeDisabled) << "the switch answered: RMON is off";
    EXPECT_FALSE(form.RmonAvailable());
    ASSERT_TRUE(WaitUntil([&] { return !box.asked.isEmpty(); }));
    EXPECT_EQ(box.asked, QStringList{"Please enable RMON first!"});
    EXPECT_TRUE(WaitUntil([&] { return form.isHidden(); })) << "the window goes";
}
