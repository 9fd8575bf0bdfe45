// Bindings against a private snmpd on a free loopback port: asynchronous and blocking refresh of
// a scalar group and of a table, apply, time-outs, LEDs following an agent that stops answering,
// and a binding destroyed while its request is outstanding.
#include "agent_support.h"
#include "fake_udp_agent.h"
#include "qvsnmperrors.h"
#include "qvsnmpledbinding.h"
#include "qvsnmprequest2controls.h"
#include "qvsnmpsession.h"
#include "qvsnmpvarlist.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

const QString Community = QStringLiteral("bindtest");

// snmpd with a private configuration and persistent folder, killed by the destructor.
class Agent {
public:
    Agent()
    {
        m_dir = makeTempDir(QStringLiteral("kmv-bindings"));
        port = freeUdpPort();
        QFile conf(m_dir + QStringLiteral("/snmpd.conf"));
        if (!conf.open(QIODevice::WriteOnly))
            return;
        conf.write(QStringLiteral("agentAddress udp:127.0.0.1:%1\n"
                                  "rwcommunity %2 127.0.0.1\n"
                                  "sysDescr KMV binding test agent\n"
                                  "sysLocation bench\n"
                                  "[snmp] persistentDir %3\n")
                       .arg(port)
                       .arg(Community, m_dir)
                       .toLatin1());
        conf.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), m_dir);
        env.insert(QStringLiteral("MIBS"), QString());
        m_process.setProcessEnvironment(env);
        m_process.setProgram(QStringLiteral(KMV_SNMPD_PATH));
        m_process.setArguments({"-f", "-Lf", m_dir + QStringLiteral("/snmpd.log"), "-C", "-c",
                                m_dir + QStringLiteral("/snmpd.conf"), "-M", m_dir, "-m", "", "-I", "-smux"});
        m_process.start();
        m_process.waitForStarted(5000);
    }
    ~Agent()
    {
        Resume();
        m_process.kill();
        m_process.waitForFinished(5000);
        QDir(m_dir).removeRecursively();
    }
    bool running() const { return m_process.state() == QProcess::Running; }
    void Pause() { if (running()) ::kill(pid_t(m_process.processId()), SIGSTOP); m_paused = true; }
    void Resume() { if (m_paused && running()) ::kill(pid_t(m_process.processId()), SIGCONT); m_paused = false; }

    quint16 port = 0;

private:
    QString m_dir;
    QProcess m_process;
    bool m_paused = false;
};

using Edits = QvSNMPRequest2Edits;

bool WaitIdle(const QvSNMPRequest2Controls &b, int ms = 8000)
{
    QDeadlineTimer deadline(ms);
    while (b.Busy() && !deadline.hasExpired())
        QTest::qWait(10);
    return !b.Busy();
}

class BindingAgent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = makeTempDir(QStringLiteral("kmv-bindings-session"));
        OpenGlobalSession(s_dir);
        s_agent = new Agent;
    }
    static void TearDownTestSuite()
    {
        delete s_agent;
        s_agent = nullptr;
        QDir(s_dir).removeRecursively();
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_agent->running());
        Target(s_agent->port);
        // Wait until the agent answers a first blocking read.
        QDeadlineTimer deadline(8000);
        for (;;) {
            Edits probe(&form);
            probe.SetAsynchronous(false);
            probe.Vars().AddVar(QStringLiteral("1.3.6.1.2.1.1.1"), QStringLiteral("sysDescr"), SYN_DISPLAYSTR,
                                ACC_READONLY);
            try {
                probe.Refresh();
                if (probe.Vars().Item(0).valueText.startsWith(QStringLiteral("KMV")))
                    break;
            } catch (const QvSNMPException &) {
            }
            ASSERT_FALSE(deadline.hasExpired()) << "agent did not come up";
            QTest::qWait(100);
        }
    }
    static void Target(quint16 port, int timeout = 30)
    {
        QvSNMPSessionParams &p = SessionParams();
        p.Device.Address = QStringLiteral("127.0.0.1");
        p.Device.Port = port;
        p.Security.Version = SNMP_VERSION_V2C;
        p.Security.ReadCommunity = Community;
        p.Security.WriteCommunity = Community;
        p.Timeout = timeout;
    }
    static void SystemGroup(QvSNMPVarList &v)
    {
        v.AddVar(QStringLiteral("1.3.6.1.2.1.1.1"), QStringLiteral("Description"), SYN_DISPLAYSTR, ACC_READONLY);
        v.AddVar(QStringLiteral("1.3.6.1.2.1.1.3"), QStringLiteral("Up Time"), SYN_TIMETICKS, ACC_READONLY);
        v.AddVar(QStringLiteral("1.3.6.1.2.1.1.4"), QStringLiteral("Contact"), SYN_DISPLAYSTR, ACC_READWRITE);
        v.AddVar(QStringLiteral("1.3.6.1.2.1.1.6"), QStringLiteral("Location"), SYN_DISPLAYSTR, ACC_READONLY);
    }
    static void InterfaceTable(QvSNMPVarList &v)
    {
        v.itemType = MVT_FMV;
        v.indexCount = 1;
        v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.1"), QStringLiteral("Index"), SYN_INTEGER, ACC_NOTACCESS);
        v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.2"), QStringLiteral("Description"), SYN_DISPLAYSTR, ACC_READONLY);
        v.AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.8"), QStringLiteral("Oper Status"), SYN_INTEGER, ACC_READONLY);
    }

    QWidget form;
    static inline QString s_dir;
    static inline Agent *s_agent = nullptr;
};

TEST_F(BindingAgent, AsyncScalarRefreshFillsOnlyWhenTheAnswerArrives)
{
    Edits binding(&form);
    SystemGroup(binding.Vars());
    QPlainTextEdit memo;
    auto *descr = new QLabel(&form);
    auto *contact = new QLineEdit(&form);
    binding.BindText(0, descr);
    binding.BindEdits(2, QStringLiteral("%s{l64}"), {contact});
    binding.SetReportTarget(&memo);
    binding.Refresh();
    EXPECT_TRUE(binding.Busy());
    EXPECT_EQ(descr->text(), QString()) << "nothing is filled before the response";
    ASSERT_TRUE(WaitIdle(binding));
    EXPECT_EQ(descr->text(), QStringLiteral("KMV binding test agent"));
    EXPECT_EQ(binding.RowCount(), 1);
    EXPECT_TRUE(memo.toPlainText().startsWith(QStringLiteral("Get: Ok!. Receive at "))) << memo.toPlainText().toStdString();

    // Apply the edited contact asynchronously, then read it back blocking.
    contact->setText(QStringLiteral("ops@bench"));
    binding.Apply(false, true);
    ASSERT_TRUE(WaitIdle(binding));
    EXPECT_TRUE(memo.toPlainText().contains(QStringLiteral("Set: Ok!. Receive at "))) << memo.toPlainText().toStdString();
    contact->clear();
    binding.SetAsynchronous(false);
    binding.Refresh();
    EXPECT_EQ(contact->text(), QStringLiteral("ops@bench"));
}

TEST_F(BindingAgent, TableWalkFillsTheListViewAlikeInBothModes)
{
    QStringList rows[2];
    for (int mode = 0; mode < 2; ++mode) {
        Edits binding(&form);
        InterfaceTable(binding.Vars());
        auto *lv = new QTreeWidget(&form);
        auto *descr = new QLineEdit(&form);
        binding.BindListView(lv, true);
        binding.BindEdits(1, QStringLiteral("%s"), {descr});
        binding.SetAsynchronous(mode == 0);
        binding.Refresh();
        ASSERT_TRUE(WaitIdle(binding));
        ASSERT_GE(lv->topLevelItemCount(), 1);
        EXPECT_EQ(binding.RowCount(), lv->topLevelItemCount());
        EXPECT_EQ(lv->headerItem()->text(0), QStringLiteral("Index"));
        EXPECT_EQ(lv->topLevelItem(0)->text(0), QStringLiteral("1")) << "the index is decoded from the instance";
        EXPECT_FALSE(descr->isEnabled());
        for (int r = 0; r < lv->topLevelItemCount(); ++r)
            rows[mode].append(lv->topLevelItem(r)->text(0) + QLatin1Char('/') + lv->topLevelItem(r)->text(1));
        lv->topLevelItem(0)->setSelected(true);
        EXPECT_TRUE(descr->isEnabled());
        EXPECT_EQ(descr->text(), lv->topLevelItem(0)->text(1));
    }
    EXPECT_EQ(rows[0], rows[1]);
}

TEST_F(BindingAgent, SilentAgentFailsWithTheTimeoutText)
{
    Target(freeUdpPort(), 10);
    Edits binding(&form);
    SystemGroup(binding.Vars());
    QPlainTextEdit memo;
    binding.SetReportTarget(&memo);
    binding.Refresh();
    ASSERT_TRUE(WaitIdle(binding));
    EXPECT_TRUE(memo.toPlainText().contains(QvErrorText(-405))) << memo.toPlainText().toStdString();

    binding.SetAsynchronous(false);
    try {
        binding.Refresh();
        ADD_FAILURE() << "a blocking refresh of a silent agent must raise";
    } catch (const QvSNMPException &e) {
        EXPECT_EQ(e.code(), -405);
    }
    EXPECT_FALSE(binding.Busy());
}

TEST_F(BindingAgent, BindingDestroyedWhileItsRequestIsOutstanding)
{
    Target(freeUdpPort(), 10);
    auto *memo = new QPlainTextEdit(&form);
    auto binding = std::make_unique<Edits>(&form);
    SystemGroup(binding->Vars());
    binding->BindText(0, new QLabel(&form));
    binding->SetReportTarget(memo);
    binding->Refresh();
    ASSERT_TRUE(binding->Busy());
    binding.reset();  // cancels the send: its late completion must not reach the binding
    QTest::qWait(50);
    EXPECT_EQ(memo->toPlainText(), QString());
}

TEST_F(BindingAgent, LedsFollowAnAgentThatStopsAnswering)
{
    const QvLedColorEntry entries[] = {{1, 0x0000FF00}, {2, 0}, {3, 0}, {0, -1}};
    QvSNMPLedColorMapList portMap(entries, 0xFF, 1, 0, 0);
    Target(s_agent->port, 10);
    QvSNMPRequest2Leds leds(&form);
    leds.Vars().itemType = MVT_SV;
    leds.Vars().AddVar(QStringLiteral("1.3.6.1.2.1.2.2.1.8.1"), QStringLiteral("lo"), SYN_INTEGER, ACC_READONLY);
    QvLed led(&form);
    QPlainTextEdit memo;
    leds.SetReportTarget(&memo);
    leds.AddLed(0, 0, &portMap, &led);
    leds.Start(30);
    auto settleOn = [&](qint32 colour) {
        QDeadlineTimer deadline(6000);
        while (!deadline.hasExpired()) {
            // Dark means reset: not merely the dark phase of a blink.
            if (led.BrushColor() == colour && (colour != 0 || !leds.Led(0).blinking))
                return true;
            QTest::qWait(20);
        }
        return false;
    };
    // Loopback is up: green once the blinking after the poll has ended.
    ASSERT_TRUE(settleOn(0x0000FF00));
    s_agent->Pause();
    EXPECT_TRUE(settleOn(0));
    EXPECT_TRUE(memo.toPlainText().contains(QvErrorText(-405)));
    s_agent->Resume();
    EXPECT_TRUE(settleOn(0x0000FF00));
    leds.Stop();
    EXPECT_FALSE(leds.PollTimer()->isActive());
    EXPECT_EQ(led.BrushColor(), 0);
}

}  // namespace
