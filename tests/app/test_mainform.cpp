// The main window started offscreen against the simulated switch: live LEDs against the agent's
// own answers, a silent agent, clicks on the ports, start-up failures, menu state, the device
// configuration file found through either location rule, and the exit confirmation.
#include "tmainform.h"

#include "agent_support.h"
#include "frontpanelart.h"
#include "kmvsim_process.h"
#include "ledmaps.h"
#include "mibenums.h"
#include "mibtables.h"
#include "qvsnmpexception.h"
#include "qvsnmpledbinding.h"
#include "qvsnmprequest.h"
#include "tconfigform.h"
#include "tcounterforms.h"
#include "tmonitorparts.h"
#include "qvsnmprequest2controls.h"
#include "tmessagebox.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>

#include <functional>
#include <memory>

namespace {

struct Box {
    QString caption;
    QString text;
};

QList<Box> g_boxes;
QMessageBox::StandardButton g_answer = QMessageBox::Yes;

class MainFormTest : public ::testing::Test {
public:
    static void SetUpTestSuite()
    {
        // The overlay's remembered choice comes from a test configuration, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        s_home = makeTempDir(QStringLiteral("mainform"));
        s_oldCwd = QDir::currentPath();
        // The engine-boots file lives in the working folder.
        QDir::setCurrent(s_home);
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, s_home + "/etc");
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, s_home + "/etc");
        BuildCatalogueLists();
        QvSetMessageHook([](QWidget *, const QString &text, const QString &caption, QMessageBox::StandardButtons b) {
            g_boxes.append({caption, text});
            return (b & QMessageBox::Yes) ? g_answer : QMessageBox::Ok;
        });
        s_sim = new KmvSimProcess({QStringLiteral("--scenario"), QStringLiteral("static")});
    }
    static void TearDownTestSuite()
    {
        delete s_sim;
        s_sim = nullptr;
        QvSetMessageHook({});
        QDir::setCurrent(s_oldCwd);
        QDir(s_home).removeRecursively();
    }

protected:
    void SetUp() override
    {
        ASSERT_TRUE(s_sim->isRunning()) << s_sim->errorText().toStdString();
        g_boxes.clear();
        g_answer = QMessageBox::Yes;
    }

    static TStartupEnv Env(const QStringList &args, const QString &exeFolder = QStringLiteral("bin"))
    {
        QDir(s_home).mkpath(exeFolder);
        return TStartupEnv{args, QDir(s_home).filePath(exeFolder + "/kmv7040qx"), s_home};
    }
    static QStringList SimArgs(const QStringList &more = {QStringLiteral("/v1")})
    {
        return QStringList{"/I127.0.0.1", "/t" + QString::number(s_sim->port())} + more;
    }
    static std::unique_ptr<TMainForm> Start(const TStartupEnv &env)
    {
        auto form = std::make_unique<TMainForm>(env);
        return form;
    }
    // The agent's own answer for one instance of a column.
    static QString AgentValue(const QString &oid)
    {
        QvSNMPRequest r;
        r.LoadSessionParams();
        r.vars.itemType = MVT_SV;
        r.vars.AddVar(oid, QStringLiteral("probe"), SYN_INTEGER, ACC_READONLY);
        r.Read(true);
        return r.vars.Item(0).valueText;
    }

    static inline QString s_home;
    static inline QString s_oldCwd;
    static inline KmvSimProcess *s_sim = nullptr;
};

TEST_F(MainFormTest, LiveLedsFollowTheAgent)
{
    auto form = Start(Env(SimArgs()));
    EXPECT_TRUE(g_boxes.isEmpty()) << g_boxes.value(0).text.toStdString();
    EXPECT_EQ(form->windowTitle(), "KMV-7040QX : 127.0.0.1");
    ASSERT_TRUE(WaitFor([&] { return form->PowerLed->BrushColor() == LedGreen; }, 5000));
    QTest::qWait(700);  // past the blinking after the poll

    int up = 0, down = 0;
    for (int n = 1; n <= 50; ++n) {
        SCOPED_TRACE(n);
        const QString status = AgentValue(QStringLiteral("1.3.6.1.2.1.2.2.1.8.%1").arg(n));
        const QvLed *led = form->LinkShape_Port[n - 1];
        EXPECT_EQ(led->BrushColor(), led->PenColor());
        if (status == "1") {
            ++up;
            EXPECT_EQ(led->BrushColor(), LedGreen);
        } else {
            ++down;
            EXPECT_EQ(led->BrushColor(), LedBlack) << status.toStdString();
        }
    }
    // The agent's static links have both kinds, so the comparison above can tell them apart.
    EXPECT_GT(up, 0);
    EXPECT_GT(down, 0);

    // The gigabit pictures follow the link status the probe read.
    const QLabel *pictures[] = {form->IMG_GigaPort1, form->IMG_GigaPort2};
    for (int i = 0; i < 2; ++i) {
        const QString link = AgentValue(QStringLiteral("1.3.6.1.4.1.171.11.2.3.1.1.4.%1").arg(49 + i));
        EXPECT_EQ(pictures[i]->isVisibleTo(form->Image), link == "2") << 49 + i;
    }
    EXPECT_EQ(form->ConsoleLed->BrushColor(),
              AgentValue("1.3.6.1.4.1.171.12.1.1.3.0") == "2" ? LedGreen : LedBlack);
    EXPECT_TRUE(form->StatusBar->currentMessage().contains("Ok!")) << form->StatusBar->currentMessage().toStdString();
}

TEST_F(MainFormTest, LedPositions)
{
    auto form = Start(Env(SimArgs()));
    const struct { int port, left; } cases[] = {{1, 98}, {2, 111}, {16, 293}, {17, 313}, {32, 508},
                                                {33, 528}, {48, 723}, {49, 754}, {50, 785}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.port);
        EXPECT_EQ(form->LinkShape_Port[c.port - 1]->geometry(), QRect(c.left, 15, 7, 7));
    }
    EXPECT_EQ(form->PowerLed->geometry(), QRect(76, 32, 11, 11));
    EXPECT_EQ(form->ConsoleLed->geometry(), QRect(76, 43, 11, 11));
    EXPECT_EQ(form->Image->size(), QSize(872, 77));
    EXPECT_EQ(form->StatusBar->geometry(), QRect(1, 78, 871, 22));
    ASSERT_NE(form->PortBinding(), nullptr);
    EXPECT_EQ(form->PortBinding()->LedCount(), 51);
    EXPECT_EQ(form->ConsoleBinding()->LedCount(), 1);
}

TEST_F(MainFormTest, SilentAgentLeavesEverythingDark)
{
    KmvSimProcess silent({QStringLiteral("--silent")}, false);
    ASSERT_TRUE(silent.isRunning()) << silent.errorText().toStdString();
    QElapsedTimer started;
    started.start();
    auto form = Start(Env({"/I127.0.0.1", "/t" + QString::number(silent.port()), "/v1"}));
    // Start-up does not wait on the switch: the gigabit probe is out, no box holds the user.
    EXPECT_LT(started.elapsed(), 1000);
    EXPECT_TRUE(g_boxes.isEmpty());
    EXPECT_EQ(form->windowTitle(), "KMV-7040QX : 127.0.0.1");
    EXPECT_FALSE(form->IMG_GigaPort1->isVisibleTo(form->Image));
    EXPECT_FALSE(form->IMG_GigaPort2->isVisibleTo(form->Image));
    // The failed poll reaches the status bar.
    EXPECT_TRUE(WaitFor([&] { return !form->StatusBar->currentMessage().isEmpty(); }, 8000));
    for (int n = 1; n <= 50; ++n)
        EXPECT_EQ(form->LinkShape_Port[n - 1]->BrushColor(), LedBlack) << n;
    EXPECT_EQ(form->PowerLed->BrushColor(), LedBlack);
    EXPECT_EQ(form->ConsoleLed->BrushColor(), LedBlack);
}

TEST_F(MainFormTest, ClicksOpenPortWindows)
{
    auto form = Start(Env(SimArgs()));
    struct Opened {
        QString title;
        int formType = -1;
        QStringList tabs;
        QStringList suffixes;
        bool indexReadOnly = true;
    };
    QList<Opened> opened;
    const QvModalHook previous = QvSetModalHook([&opened](QDialog *d) {
        auto *f = qobject_cast<TConfigForm *>(d);
        Opened o;
        o.title = d->windowTitle();
        if (f) {
            o.formType = f->FormType();
            for (int i = 0; f->PageControl() && i < f->PageControl()->count(); ++i)
                o.tabs << f->PageControl()->tabText(i);
            for (int k = 0; k < f->BindingCount(); ++k) {
                o.suffixes << f->BindingAt(k)->Vars().instanceSuffix;
                o.indexReadOnly = o.indexReadOnly && f->BindingAt(k)->Vars().Item(0).access == ACC_READONLY;
            }
        }
        opened.append(o);
        return 0;
    });
    const struct { int x, y; Qt::MouseButton button; int port; } cases[] = {
        {95, 25, Qt::LeftButton, 1},   {95, 46, Qt::LeftButton, 2},   {121, 25, Qt::LeftButton, 3},
        {300, 66, Qt::LeftButton, 16}, {311, 25, Qt::LeftButton, 17}, {730, 66, Qt::LeftButton, 48},
        {99, 16, Qt::LeftButton, 0},  // on port 1's LED, above the jacks
        {305, 30, Qt::LeftButton, 0},  {95, 24, Qt::LeftButton, 0},   {95, 67, Qt::LeftButton, 0},
        {95, 25, Qt::RightButton, 0},  {760, 30, Qt::LeftButton, 0},  {790, 50, Qt::LeftButton, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        opened.clear();
        QTest::mouseClick(form->Image, c.button, {}, QPoint(c.x, c.y));
        if (c.port == 0) {
            EXPECT_TRUE(opened.isEmpty());
            continue;
        }
        ASSERT_EQ(opened.size(), 1);
        const QString port = QString::number(c.port);
        EXPECT_EQ(opened[0].title, "Port " + port);
        EXPECT_EQ(opened[0].formType, FT_PAGES);
        EXPECT_EQ(opened[0].tabs, QStringList({"Port Information", "Port Control", "Port Security"}));
        EXPECT_EQ(opened[0].suffixes, QStringList({port, port, port}));
        EXPECT_TRUE(opened[0].indexReadOnly);
    }
    QvSetModalHook(previous);
}

TEST_F(MainFormTest, StartUpFailures)
{
    {
        SCOPED_TRACE("no arguments");
        auto form = Start(Env({}));
        ASSERT_FALSE(g_boxes.isEmpty());
        EXPECT_EQ(g_boxes[0].text, "No parameter input");
        EXPECT_EQ(g_boxes[0].caption, QvAppCaption());
        EXPECT_TRUE(form->TerminateRequested());
        EXPECT_EQ(form->windowTitle(), "KMV-7040QX : 127.0.0.1");
    }
    g_boxes.clear();
    {
        SCOPED_TRACE("bad numeric switch");
        auto form = Start(Env({"/I127.0.0.1", "/tabc", "/v1"}));
        ASSERT_EQ(g_boxes.size(), 1);
        EXPECT_TRUE(g_boxes[0].text.contains("/t")) << g_boxes[0].text.toStdString();
        EXPECT_FALSE(form->TerminateRequested());
        EXPECT_EQ(form->windowTitle(), "KMV-7040QX");
        EXPECT_EQ(form->PortBinding(), nullptr);
        EXPECT_EQ(form->ConsoleBinding(), nullptr);
    }
}

TEST_F(MainFormTest, MenuState)
{
    const QStringList v3 = {"/v3", "/m3", "/l3", "/nSHA_DES_User", "/a3", "/p2", "/Akmvauth7040", "/Pkmvpriv7040"};
    const struct {
        const char *name;
        QStringList args;
        const char *exeFolder;
        bool toolPresent;
        bool v3Enabled, configVisible, configureVisible;
    } cases[] = {
        {"v2c outside the suite folder", SimArgs({"/v1"}), "bin", false, false, false, false},
        {"v3 with the configuration tool", SimArgs(v3), "bin", true, true, true, false},
        {"v1 in the suite folder", SimArgs({"/v0"}), "quorvane_ems", false, false, false, true},
        {"folder name differing in case only", SimArgs({"/v0"}), "Quorvane_EMS", false, false, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString tool = QDir(s_home).filePath("SNMPV3CFG.EXE");
        if (c.toolPresent) {
            QFile f(tool);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        } else {
            QFile::remove(tool);
        }
        g_boxes.clear();
        auto form = Start(Env(c.args, QString::fromLatin1(c.exeFolder)));
        EXPECT_TRUE(g_boxes.isEmpty()) << g_boxes.value(0).text.toStdString();
        EXPECT_EQ(form->SNMPV3->isEnabled(), c.v3Enabled);
        EXPECT_EQ(form->SNMPConfig->isVisible(), c.configVisible);
        EXPECT_EQ(form->SNMPConfigure1->isVisible(), c.configureVisible);
        EXPECT_FALSE(form->Refresh->isVisible());
        EXPECT_TRUE(form->Exit->isVisible());
        // Under v3 the panel polls over user-based security.
        if (c.v3Enabled) {
            EXPECT_TRUE(WaitFor([&] { return form->PowerLed->BrushColor() == LedGreen; }, 5000));
        }
    }
    QFile::remove(QDir(s_home).filePath("SNMPV3CFG.EXE"));
}

TEST_F(MainFormTest, DeviceConfigurationFileOverridesTheCommandLine)
{
    const QByteArray body = "[Program Information]\r\nAgentIP=127.0.0.1\r\nAgentPort="
        + QByteArray::number(s_sim->port()) + "\r\nVersion=1\r\nSecurityModel=3\r\n";
    const struct { const char *name; const char *exeFolder; const char *cfgFolder; bool viaSetting; } cases[] = {
        {"beside the executable in the suite folder", "quorvane_ems", "quorvane_ems", false},
        {"in the suite's configuration folder", "suite/bin", "suite/Conf/MBF", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(s_home).mkpath(c.cfgFolder);
        const QString cfg = QDir(s_home).filePath(QString::fromLatin1(c.cfgFolder) + "/127.0.0.1.cfg");
        {
            QFile f(cfg);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(body);
        }
        {
            QSettings s(QSettings::SystemScope, SuiteOrganization, SuiteApplication);
            if (c.viaSetting)
                s.setValue(SuitePathKey, QDir(s_home).filePath("suite/bin") + "/");
            else
                s.remove(SuitePathKey);
        }
        g_boxes.clear();
        // The command line names a port nobody serves; only the file's port reaches the agent.
        auto form = Start(Env({"/I127.0.0.1", "/t1", "/v0", "/m1"}, QString::fromLatin1(c.exeFolder)));
        EXPECT_TRUE(g_boxes.isEmpty()) << g_boxes.value(0).text.toStdString();
        EXPECT_EQ(form->Texts().Port, QString::number(s_sim->port()));
        EXPECT_EQ(form->Texts().Version, "1");
        EXPECT_EQ(form->Texts().SecurityModel, "3");
        EXPECT_EQ(form->Texts().ReadCommunity, "corvet");
        EXPECT_EQ(SessionParams().Device.Port, s_sim->port());
        EXPECT_TRUE(WaitFor([&] { return form->PowerLed->BrushColor() == LedGreen; }, 5000));
        QFile::remove(cfg);
    }
    QSettings(QSettings::SystemScope, SuiteOrganization, SuiteApplication).remove(SuitePathKey);
}

TEST_F(MainFormTest, ExitAsksFirst)
{
    auto form = Start(Env(SimArgs()));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const struct { QMessageBox::StandardButton answer; bool staysOpen; } cases[] = {
        {QMessageBox::No, true}, {QMessageBox::Yes, false}};
    for (const auto &c : cases) {
        g_boxes.clear();
        g_answer = c.answer;
        form->ExitClick();
        ASSERT_EQ(g_boxes.size(), 1);
        EXPECT_EQ(g_boxes[0].caption, "Exit");
        EXPECT_EQ(g_boxes[0].text, "Are you sure to exit?");
        EXPECT_EQ(form->isVisible(), c.staysOpen);
    }
}

TEST_F(MainFormTest, ShellMenuEntriesReachTheirCommands)
{
    auto form = Start(Env(SimArgs()));
    g_answer = QMessageBox::No;
    const struct { const char *action, *caption, *text; } cases[] = {
        {"Reset", "Reboot", "Are you sure to reboot the device?"},
        {"SaveConfig", "Save Configure", "Save Configurations into NV-RAM ?"},
    };
    for (const auto &c : cases) {
        g_boxes.clear();
        auto *action = form->menuBar()->findChild<QAction *>(QString::fromLatin1(c.action));
        ASSERT_NE(action, nullptr) << c.action;
        action->trigger();
        ASSERT_EQ(g_boxes.size(), 1) << c.action;
        EXPECT_EQ(g_boxes[0].caption, c.caption);
        EXPECT_EQ(g_boxes[0].text, c.text);
    }
    // A shared module that is not installed beside the program: no box, a line in the status bar.
    g_boxes.clear();
    auto *ospf = form->menuBar()->findChild<QAction *>(QStringLiteral("OSPFGeneral1"));
    ASSERT_NE(ospf, nullptr);
    ospf->trigger();
    EXPECT_TRUE(g_boxes.isEmpty());
    EXPECT_TRUE(form->NoticePanel->text().contains(QStringLiteral("Layer3"))) << form->NoticePanel->text().toStdString();
    // The next poll's report line does not take the notice away.
    form->StatusBar->clearMessage();
    ASSERT_TRUE(WaitFor([&] { return !form->StatusBar->currentMessage().isEmpty(); }, 12000));
    EXPECT_TRUE(form->NoticePanel->isVisibleTo(form.get()));
    EXPECT_TRUE(form->NoticePanel->text().contains(QStringLiteral("Layer3")));
}

// Save Configure and Reboot tell in the status bar how they went, up to the switch's final state.
TEST_F(MainFormTest, SaveAndRebootTellTheirOutcome)
{
    // A switch of its own: the reboot must not disturb the other tests' one.
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static"), QStringLiteral("--save-time"),
                       QStringLiteral("1500"), QStringLiteral("--reboot-time"), QStringLiteral("5000")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto form = Start(Env({"/I127.0.0.1", "/t" + QString::number(sim.port()), "/v1"}));
    form->show();
    auto notice = [&] { return form->NoticePanel->text(); };
    auto action = [&](const char *name) { return form->menuBar()->findChild<QAction *>(QString::fromLatin1(name)); };

    // The notice may already say that the trap port is taken (by a test run beside this one).
    const QString before = notice();
    g_answer = QMessageBox::No;
    action("SaveConfig")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(notice(), before) << "nothing sent, nothing to tell";

    g_answer = QMessageBox::Yes;
    action("SaveConfig")->trigger();
    // The write is out: the status bar says so; the notice comes with the answer.
    EXPECT_TRUE(form->StatusBar->currentMessage().startsWith("Waiting for the switch"));
    EXPECT_TRUE(WaitFor([&] { return notice().startsWith("Save Configure: sent and accepted"); }, 5000))
        << notice().toStdString();
    EXPECT_TRUE(WaitFor([&] { return notice().contains("(completed)"); }, 20000)) << notice().toStdString();

    action("Reset")->trigger();
    EXPECT_TRUE(WaitFor(
        [&] { return notice() == "Reboot: the switch is rebooting; the front panel comes back when it answers."; },
        10000))
        << notice().toStdString();
    // The polls' own failures while the switch is silent go to the bar; the notice stays.
    ASSERT_TRUE(WaitFor([&] { return !sim.answers(200); }, 5000));
    EXPECT_TRUE(notice().contains("rebooting"));
    EXPECT_TRUE(WaitFor([&] { return notice() == "Reboot: the switch answers again."; }, 30000))
        << notice().toStdString();
}

// Each monitor entry opens its window non-modally; the entry again raises the same window.
TEST_F(MainFormTest, MonitorEntriesOpenTheirWindowsOnce)
{
    auto form = Start(Env(SimArgs()));
    int modal = 0;
    const QvModalHook previous = QvSetModalHook([&modal](QDialog *) { return ++modal, 0; });
    const struct { const char *action, *handler, *className, *title; } cases[] = {
        {"MIB2IFCounter", "MIB2IFCounterClick", "TIF_Counters", "IF Counters"},
        {"MIB2IPCounter", "MIB2IPCounterClick", "TIP_Counters", "IP Counters"},
        {"MIB2ICMPCounter", "MIB2ICMPCounterClick", "TICMP_Counters", "ICMP Counters"},
        {"MIB2UDPCounter", "MIB2UDPCounterClick", "TUDP_Counters", "UDP Counters"},
        {"MIB2SNMPCounter", "MIB2SNMPCounterClick", "TSNMP_Counters", "SNMP Counters"},
        {"MIB2IPRouting", "MIB2IPRoutingClick", "TIP_Routing", "IP Routing"},
        {"BridgeSTPInformation", "BridgeSTPInformationClick", "TSTP_Info", "Spanning Tree Information"},
        {"BridgePortCounters", "BridgePortCountersClick", "TTpBridgePortInfo_Table", "Transparent Bridge Port Counter"},
    };
    const auto instances = [](const char *className) {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += QString::fromLatin1(w->metaObject()->className()) == className;
        return n;
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.action);
        g_boxes.clear();
        auto *action = form->menuBar()->findChild<QAction *>(QString::fromLatin1(c.action));
        ASSERT_NE(action, nullptr);
        action->trigger();
        EXPECT_TRUE(g_boxes.isEmpty()) << (g_boxes.isEmpty() ? "" : g_boxes[0].text.toStdString());
        QPointer<QWidget> window = OpenedMonitorWindow(c.handler);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(QString::fromLatin1(window->metaObject()->className()), c.className);
        EXPECT_EQ(window->windowTitle(), c.title);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isWindow());
        EXPECT_FALSE(window->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        // The main window comes to the front; the entry again brings the same window back.
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == form.get(); }, 2000));
        action->trigger();
        EXPECT_EQ(OpenedMonitorWindow(c.handler), window.data());
        EXPECT_EQ(instances(c.className), 1) << "no second instance";
        EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == window; }, 2000));
    }
    EXPECT_EQ(modal, 0) << "no monitor window runs modally";
    for (const auto &c : cases) {
        QPointer<QWidget> window = OpenedMonitorWindow(c.handler);
        ASSERT_NE(window, nullptr) << c.handler << " stays open while the others open";
        window->close();
        EXPECT_TRUE(WaitFor([&] { return window.isNull(); }, 2000)) << c.handler << " is gone once closed";
    }
    QvSetModalHook(previous);
}

// Two monitor windows and a port's configuration window at once: while the configuration window
// reads its values, both monitors go on polling.
TEST_F(MainFormTest, MonitorsAndAConfigurationWindowLiveAtOnce)
{
    auto form = Start(Env(SimArgs()));
    const auto open = [&](const char *action, const char *handler) {
        form->menuBar()->findChild<QAction *>(QString::fromLatin1(action))->trigger();
        return qobject_cast<TCounterForm *>(OpenedMonitorWindow(QString::fromLatin1(handler)));
    };
    QPointer<TCounterForm> ip = open("MIB2IPCounter", "MIB2IPCounterClick");
    QPointer<TCounterForm> udp = open("MIB2UDPCounter", "MIB2UDPCounterClick");
    ASSERT_TRUE(ip && udp);
    EXPECT_NE(ip.data(), udp.data());
    struct {
        bool opened = false;
        bool refreshed = false;
        int ipPolls = 0, udpPolls = 0;
    } seen;
    const QvModalHook previous = QvSetModalHook([&](QDialog *d) {
        auto *config = qobject_cast<TConfigForm *>(d);
        if (!config)
            return 0;
        seen.opened = true;
        const int ipBefore = ip->PollsSent(), udpBefore = udp->PollsSent();
        int ended = 0;
        for (int k = 0; k < config->BindingCount(); ++k)
            QObject::connect(config->BindingAt(k), &QvSNMPRequest2Controls::RefreshEnded, d,
                             [&ended](const QvSNMPError &e) { ended += e.code == 0; });
        d->show();  // the window reads its values once it is on screen
        seen.refreshed = WaitFor([&] { return ended > 0; }, 10000);
        WaitFor([&] { return ip->PollsSent() >= ipBefore + 2 && udp->PollsSent() >= udpBefore + 2; }, 10000);
        seen.ipPolls = ip->PollsSent() - ipBefore;
        seen.udpPolls = udp->PollsSent() - udpBefore;
        d->hide();
        return 0;
    });
    QTest::mouseClick(form->Image, Qt::LeftButton, {}, QPoint(95, 25));  // port 1
    QvSetModalHook(previous);
    EXPECT_TRUE(seen.opened);
    EXPECT_TRUE(seen.refreshed) << "the configuration window read its values";
    EXPECT_GE(seen.ipPolls, 2) << "the IP counters went on polling";
    EXPECT_GE(seen.udpPolls, 2) << "the UDP counters went on polling";
    EXPECT_TRUE(ip && ip->isVisible() && udp && udp->isVisible());
    EXPECT_GE(ip->Monitor().UpdateCount(), 1);
    EXPECT_GE(udp->Monitor().UpdateCount(), 1);
    ip->close();
    udp->close();
    EXPECT_TRUE(WaitFor([&] { return ip.isNull() && udp.isNull(); }, 2000));
}

} // namespace

namespace {

// What each front-panel map makes of the values its LEDs may see.
TEST(ColourMaps, FrontPanelMeanings)
{
    const struct { const char *map; const QvSNMPLedColorMapList *list; int value; qint32 colour; bool blinks; } cases[] = {
        {"port up", &PortMap, 1, LedGreen, true},
        {"port down", &PortMap, 2, LedBlack, false},
        {"port testing", &PortMap, 3, LedBlack, true},
        {"port unknown state", &PortMap, 7, LedBlack, true},
        {"port status past a byte", &PortMap, 257, LedGreen, true},
        {"power on any answer 1", &PowerMap, 1, LedGreen, false},
        {"power on any answer 2", &PowerMap, 2, LedGreen, false},
        {"power on any answer 3", &PowerMap, 3, LedGreen, false},
        {"console other", &ConsoleMap, 1, LedBlack, false},
        {"console in use", &ConsoleMap, 2, LedGreen, false},
        {"console not in use", &ConsoleMap, 3, LedBlack, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.map);
        const quint8 b = quint8(c.value & 0xFF);  // the LED's byte 0, least significant first
        EXPECT_EQ(c.list->LookUp(b & c.list->ValueMask()), c.colour);
        EXPECT_EQ((b & c.list->BlinkMask()) != 0, c.blinks);
        EXPECT_EQ(c.list->OffColour(), LedBlack);
        EXPECT_EQ(c.list->MissingColour(), LedBlack);
    }
}

} // namespace
