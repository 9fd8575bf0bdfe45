// The shared modules: their command lines as the device manager writes them (SNMPv3 switches,
// communities with the port and version from the device configuration file, a security name
// with a blank, targets missing or unknown), every target's window against the simulated switch
// with the rows of an independent GET-NEXT walk, and a launch from the device manager's menu.
#include "agent_support.h"
#include "devicecommands.h"
#include "fake_udp_agent.h"
#include "kmvsim_process.h"
#include "mibcatalogue.h"
#include "mibenums.h"
#include "modulestart.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest.h"
#include "qvsnmpsession.h"
#include "snmp_tools.h"
#include "tctrlbtnpanel.h"
#include "tconfigform.h"
#include "tlistviewpanel.h"
#include "tmsgpanel.h"
#include "tmainform.h"
#include "tmessagebox.h"
#include "tsnmppanel.h"
#include "windowbuilder.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QProcess>
#include <QSettings>
#include <QTabWidget>
#include <QThread>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <signal.h>

namespace {

// The rows of a blocking GET-NEXT walk of a window's table, each as its value texts joined by "|".
QStringList WalkedRows(const TPanelDef &panel)
{
    QvSNMPRequest walk;
    walk.vars = QvSNMPVarList(panel.table, MVT_FMV, panel.indexCount);
    QStringList rows;
    for (bool more = walk.Read(true); more; more = walk.Read(false)) {
        QStringList row;
        for (int i = 0; i < walk.vars.Count(); ++i)
            row << walk.vars.Item(i).valueText;
        rows << row.join(u'|');
    }
    return rows;
}

// The rows a list view shows, in the same form.
QStringList ShownRows(const QTreeWidget *view)
{
    QStringList rows;
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        QStringList row;
        for (int c = 0; c < view->columnCount(); ++c)
            row << view->topLevelItem(r)->text(c);
        rows << row.join(u'|');
    }
    return rows;
}

TSNMPListViewPanel *ListPanelOf(TConfigForm *form, QvSNMPRequest2Edits *binding)
{
    for (auto *panel : form->findChildren<TSNMPListViewPanel *>())
        if (panel->Binding() == binding)
            return panel;
    return nullptr;
}

void UseAgent(const KmvSimProcess &sim, qint8 version)
{
    QvSNMPSessionParams &p = SessionParams();
    p.Device.Address = sim.address();
    p.Device.Port = sim.port();
    p.Security.Version = version;
    p.Security.ReadCommunity = QStringLiteral("corvet");
    p.Security.WriteCommunity = QStringLiteral("lanmore");
}

class Modules : public ::testing::Test {
public:
    static void SetUpTestSuite()
    {
        s_home = makeTempDir(QStringLiteral("modules"));
        s_oldCwd = QDir::currentPath();
        QDir::setCurrent(s_home);
        // The suite's program folder is unknown: only the "quorvane_ems" folder holds a file.
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, s_home + "/etc");
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, s_home + "/etc");
        OpenGlobalSession(s_home);
        BuildCatalogueLists();
        QvSetMessageHook([](QWidget *, const QString &, const QString &, QMessageBox::StandardButtons) {
            return QMessageBox::No;
        });
    }
    static void TearDownTestSuite()
    {
        QvSetMessageHook({});
        QDir::setCurrent(s_oldCwd);
        QDir(s_home).removeRecursively();
    }

protected:
    static TSessionTexts Texts(const QString &version)
    {
        TSessionTexts t;
        t.Address = QStringLiteral("10.1.1.1");
        t.ReadCommunity = QStringLiteral("corvet");
        t.WriteCommunity = QStringLiteral("lanmore");
        t.Port = QStringLiteral("1161");
        t.Version = version;
        t.SecurityName = QStringLiteral("SHA_User");
        t.AuthPassword = QStringLiteral("kmvauth7040");
        t.PrivPassword = QStringLiteral("kmvpriv7040");
        t.AuthProtocol = QStringLiteral("3");
        t.PrivProtocol = QStringLiteral("2");
        t.ContextEngineID = QString();
        t.SecurityLevel = QStringLiteral("3");
        t.ContextName = QStringLiteral("ctx");
        t.SecurityModel = QStringLiteral("3");
        return t;
    }

    static QString s_home;
    static QString s_oldCwd;
};

QString Modules::s_home;
QString Modules::s_oldCwd;

TEST_F(Modules, CommandLinesAsTheDeviceManagerWritesThem)
{
    // A device configuration file beside the modules in the suite's own folder.
    const QString ems = s_home + "/quorvane_ems";
    QDir().mkpath(ems);
    QFile cfg(ems + "/10.1.1.1.cfg");
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("[Program Information]\r\nAgentPort=2161\r\nVersion=1\r\n");
    cfg.close();
    const QString plainExe = s_home + "/bin/Layer3";
    const QString emsExe = ems + "/Layer3";

    struct Case {
        const char *name;
        QStringList arguments;
        QString exe;
        bool starts;
        quint16 port;
        qint8 version;
        QString securityName;
        QString errorPart;
    };
    const TSessionTexts v3 = Texts(QStringLiteral("3"));
    const TSessionTexts v2c = Texts(QStringLiteral("1"));
    TSessionTexts blank = v3;
    blank.SecurityName = QStringLiteral("SHA User");
    const Case cases[] = {
        {"v3 carries everything", ModuleArgumentList(v3, QStringLiteral("/TLayer3_OSPF"), QString()), plainExe,
         true, 1161, 3, QStringLiteral("SHA_User"), {}},
        {"v2c without a configuration file: port 161, SNMPv1",
         ModuleArgumentList(v2c, QStringLiteral("/TBridge_Forwarding"), QString()), plainExe, true, 161, 0, {}, {}},
        {"v2c with the file: its port and version",
         ModuleArgumentList(v2c, QStringLiteral("/TMIB_ARP"), QString()), emsExe, true, 2161, 1, {}, {}},
        {"a security name with a blank splits; the target still ends the line",
         ModuleArgumentList(blank, QStringLiteral("/TLayer3_RendezvousPoints"), QString()), plainExe, true, 1161, 3,
         QStringLiteral("SHA"), {}},
        {"unknown target", ModuleArgumentList(v2c, QStringLiteral("/TLayer3_Nothing"), QString()), plainExe, false,
         0, 0, {}, QStringLiteral("Unknown target /TLayer3_Nothing")},
        {"no target", {"/I10.1.1.1", "/Rcorvet"}, plainExe, false, 0, 0, {}, QStringLiteral("No target")},
        {"no arguments", {}, plainExe, false, 0, 0, {}, QStringLiteral("No parameter input")},
        {"a port that is no number", {"/I10.1.1.1", "/tabc", "/v3", "/TIFMib_ifStackTable"}, plainExe, false, 0, 0,
         {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const TModuleStart s = PrepareModule(c.arguments, c.exe);
        ASSERT_EQ(s.window != nullptr, c.starts) << s.error.toStdString();
        if (!c.starts) {
            EXPECT_FALSE(s.error.isEmpty());
            EXPECT_TRUE(s.error.contains(c.errorPart)) << s.error.toStdString();
            continue;
        }
        EXPECT_EQ(QString::fromLatin1(s.window->handler), s.target);
        EXPECT_EQ(s.params.Device.Address, QStringLiteral("10.1.1.1"));
        EXPECT_EQ(s.params.Device.Port, c.port);
        EXPECT_EQ(s.params.Security.Version, c.version);
        EXPECT_EQ(s.params.Timeout, 200);
        if (c.version == 3) {
            EXPECT_EQ(s.params.Security.SecurityName, c.securityName);
            EXPECT_EQ(s.params.Security.SecurityLevel, 3);
            EXPECT_EQ(s.params.Security.AuthProtocol, 3);
            EXPECT_EQ(s.params.Security.PrivProtocol, 2);
            EXPECT_EQ(s.params.Security.AuthPassword, QStringLiteral("kmvauth7040"));
            EXPECT_EQ(s.params.Security.PrivPassword, QStringLiteral("kmvpriv7040"));
            EXPECT_EQ(s.params.Scope.ContextName, QStringLiteral("ctx"));
        } else {
            EXPECT_EQ(s.params.Security.ReadCommunity, QStringLiteral("corvet"));
            EXPECT_EQ(s.params.Security.WriteCommunity, QStringLiteral("lanmore"));
        }
    }
}

// The device manager's launch keeps every secret off the module's command line and hands it over
// on standard input; the module ends up with the same session as from the old command line, and
// a value with a blank now arrives whole.
TEST_F(Modules, SecretsTravelOnStandardInput)
{
    const QString exe = s_home + "/bin/Layer3";
    TSessionTexts blank = Texts(QStringLiteral("3"));
    blank.AuthPassword = QStringLiteral("kmv auth 7040");
    TSessionTexts v2c = Texts(QStringLiteral("1"));
    v2c.ReadCommunity = QStringLiteral("read-secret");
    v2c.WriteCommunity = QStringLiteral("write-secret");
    const struct {
        const char *name;
        TSessionTexts texts;
    } cases[] = {{"v3", Texts(QStringLiteral("3"))}, {"v3, a password with blanks", blank}, {"v2c", v2c}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString target = QStringLiteral("/TLayer3_OSPF");
        const TModuleHandOver h = ModuleHandOver(c.texts, target, QString());
        const bool v3 = c.texts.Version == QLatin1String("3");
        const QStringList secrets = v3 ? QStringList{c.texts.AuthPassword, c.texts.PrivPassword}
                                       : QStringList{c.texts.ReadCommunity, c.texts.WriteCommunity};
        for (const QString &secret : secrets)
            for (const QString &word : secret.split(u' '))
                EXPECT_FALSE(h.arguments.join(u'\n').contains(word)) << word.toStdString();
        EXPECT_EQ(h.arguments.value(1), QStringLiteral("/S-"));
        EXPECT_EQ(h.arguments.last(), target);
        const TModuleStart viaInput = PrepareModule(h.arguments, exe, h.secretInput);
        const TModuleStart viaLine = PrepareModule(ModuleArgumentList(c.texts, target, QString()), exe);
        ASSERT_NE(viaInput.window, nullptr) << viaInput.error.toStdString();
        const QvSNMPSessionParams &a = viaInput.params, &b = viaLine.params;
        EXPECT_EQ(a.Device.Address, b.Device.Address);
        EXPECT_EQ(a.Device.Port, b.Device.Port);
        EXPECT_EQ(a.Security.Version, b.Security.Version);
        EXPECT_EQ(a.Security.SecurityName, b.Security.SecurityName);
        EXPECT_EQ(a.Scope.ContextName, b.Scope.ContextName);
        if (v3) {
            EXPECT_EQ(a.Security.AuthPassword, c.texts.AuthPassword);
            EXPECT_EQ(a.Security.PrivPassword, c.texts.PrivPassword);
        } else {
            EXPECT_EQ(a.Security.ReadCommunity, c.texts.ReadCommunity);
            EXPECT_EQ(a.Security.WriteCommunity, c.texts.WriteCommunity);
        }
    }
}

// Every target's window on the simulated switch: each page refreshes without error, and every
// list shows the rows a GET-NEXT walk of its table finds, in the same order.
TEST_F(Modules, EveryTargetWindowShowsTheAgentsRows)
{
    KmvSimProcess sim({QStringLiteral("--fdb-size"), QStringLiteral("400"), QStringLiteral("--scenario"),
                       QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    for (qint8 version : {qint8(1), qint8(0)}) {
        UseAgent(sim, version);
        for (const TWindowDef &def : ModuleWindowDefs()) {
            SCOPED_TRACE(std::string(def.handler) + (version ? " v2c" : " v1"));
            std::unique_ptr<TConfigForm> form(BuildModuleWindow(def, sim.address()));
            EXPECT_EQ(form->windowTitle(), QString::fromLatin1(def.caption) + sim.address());
            form->show();
            for (int k = 0; k < def.PanelCount(); ++k) {
                if (form->PageControl())
                    form->PageControl()->setCurrentIndex(k);
                QvSNMPRequest2Edits *binding = form->BindingAt(k);
                ASSERT_NE(binding, nullptr);
                auto *strip = qobject_cast<QPlainTextEdit *>(binding->ReportTarget());
                ASSERT_NE(strip, nullptr);
                ASSERT_TRUE(WaitUntil([&] { return !binding->Busy() && !strip->toPlainText().isEmpty(); }, 30000));
                EXPECT_TRUE(strip->toPlainText().contains(QStringLiteral("Ok!"))) << strip->toPlainText().toStdString();
                if (def.panels[k].kind != PK_LIST)
                    continue;
                TSNMPListViewPanel *list = ListPanelOf(form.get(), binding);
                ASSERT_NE(list, nullptr);
                const QStringList expected = WalkedRows(def.panels[k]);
                EXPECT_FALSE(expected.isEmpty());
                EXPECT_EQ(ShownRows(list->ListPanel->ListView), expected);
            }
            form->FormClose();
        }
    }
}

// Refresh in the middle of a walk (GETBULK under SNMPv2c, GET-NEXT under SNMPv1) empties the
// list and starts anew; answers still on their way for the dropped walk never reach the list, so
// after two such restarts it holds each row of the table exactly once.
TEST_F(Modules, RefreshDuringAWalkStartsItAfresh)
{
    KmvSimProcess sim({QStringLiteral("--fdb-size"), QStringLiteral("1500"), QStringLiteral("--scenario"),
                       QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    struct Case {
        const char *target;
        qint8 version;
    };
    const Case cases[] = {{"/TBridge_Forwarding", 1}, {"/TLayer3_Lsdb", 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.target);
        UseAgent(sim, c.version);
        const TWindowDef *def = FindModuleWindowDef(QString::fromLatin1(c.target));
        ASSERT_NE(def, nullptr);
        ASSERT_TRUE(ToolSet(sim, {QStringLiteral("1.3.6.1.4.1.171.99.1.2.0"), QStringLiteral("i"), QStringLiteral("0")}));
        const QStringList expected = WalkedRows(def->panels[0]);
        ASSERT_GT(expected.size(), 300);
        // Slow answers keep the walk under way long enough to be interrupted.
        ASSERT_TRUE(ToolSet(sim, {QStringLiteral("1.3.6.1.4.1.171.99.1.2.0"), QStringLiteral("i"), QStringLiteral("5")}));
        std::unique_ptr<TConfigForm> form(BuildModuleWindow(*def, sim.address()));
        form->show();
        QvSNMPRequest2Edits *binding = form->BindingAt(0);
        TSNMPListViewPanel *list = ListPanelOf(form.get(), binding);
        ASSERT_NE(list, nullptr);
        QTreeWidget *view = list->ListPanel->ListView;
        // The window starts its walk once it is on screen.
        ASSERT_TRUE(WaitUntil([&] { return binding->Busy(); }, 30000));
        for (int restart = 0; restart < 2; ++restart) {
            ASSERT_TRUE(WaitUntil([&] { return view->topLevelItemCount() >= 20 || !binding->Busy(); }, 30000));
            ASSERT_TRUE(binding->Busy()) << "the walk ended before it could be interrupted: "
                                         << view->topLevelItemCount() << " rows, "
                                         << list->Strip()->Memo->toPlainText().toStdString();
            ASSERT_TRUE(list->CtrlBtn->BT_Refresh->isEnabled()) << "Refresh restarts a walk, so it stays usable";
            list->CtrlBtn->BT_Refresh->click();
            EXPECT_EQ(binding->RowCount(), 0) << "Refresh did not restart the walk";
            EXPECT_TRUE(binding->Busy());
        }
        ASSERT_TRUE(WaitUntil([&] { return !binding->Busy(); }, 60000));
        // Whatever the dropped walks still had on their way arrives within this time.
        QDeadlineTimer settle(300);
        while (!settle.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(ShownRows(view), expected);
        EXPECT_EQ(list->CtrlBtn->ST_Count->text(), QString::number(expected.size()));
        form->FormClose();
    }
}

// The ARP window against agents whose answers are faulty: whether read in bulk (SNMPv2c) or
// row by row (SNMPv1), the walk ends with the error that names the fault, never with "Ok!" and
// an empty or cut-short list.
TEST_F(Modules, FaultyAgentsNeverLookLikeAnEmptyTable)
{
    const QString entry = QStringLiteral("1.3.6.1.2.1.4.22.1");
    const QList<quint32> base = FakeUdpAgent::oid(entry);
    const QList<quint32> instance = {1, 10, 0, 0, 1};  // ifIndex 1, 10.0.0.1
    // A value of the column's own type: ifIndex, MAC, net address, type.
    auto valueOf = [&](const QList<quint32> &oid) {
        switch (oid.size() > base.size() ? oid[base.size()] : 0) {
        case 2: return FakeUdpAgent::octets(QByteArray("\x00\x11\x22\x33\x44\x55", 6));
        case 3: return QByteArray("\x40\x04\x0a\x00\x00\x01", 6);
        default: return FakeUdpAgent::integer(3);
        }
    };
    auto columnOf = [&](const QList<quint32> &oid) { return oid.mid(0, base.size() + 1); };
    using Next = std::function<FakeVb(const QList<quint32> &)>;
    struct Case {
        const char *fault;
        Next next;
        int code;
    };
    const Case cases[] = {
        {"answers with the names asked for", [&](const QList<quint32> &o) { return FakeVb{o, valueOf(o)}; },
         QVE_OID_NOT_INCREASING},
        {"wraps around to the start of its tree",
         [&](const QList<quint32> &) {
             return FakeVb{FakeUdpAgent::oid(QStringLiteral("1.3.6.1.2.1.1.1.0")), FakeUdpAgent::octets("kmv")};
         },
         QVE_OID_NOT_INCREASING},
        {"cycles between two rows",
         [&](const QList<quint32> &o) {
             // The column's rows 1 and 2, then row 1 again.
             QList<quint32> row = columnOf(o) << instance;
             if (o.size() > base.size() + 1 && o.last() == 1)
                 row.last() = 2;
             return FakeVb{row, valueOf(row)};
         },
         QVE_OID_NOT_INCREASING},
        {"answers ever deeper instances",
         [&](const QList<quint32> &o) {
             const QList<quint32> deeper = o.size() == base.size() + 1 ? QList<quint32>(o) << instance
                                                                        : QList<quint32>(o) << 0;
             return FakeVb{deeper, valueOf(deeper)};
         },
         QVE_INSTANCE_MISMATCH},
        {"answers wrong types",
         [&](const QList<quint32> &o) {
             const QList<quint32> row = columnOf(o) << instance;
             return FakeVb{row, FakeUdpAgent::octets("x")};
         },
         QVE_WRONG_TYPE},
    };
    const TWindowDef *def = FindModuleWindowDef(QStringLiteral("/TMIB_ARP"));
    ASSERT_NE(def, nullptr);
    for (const Case &c : cases) {
        FakeUdpAgent agent([&c](const FakeRequest &q) {
            FakeResponse r;
            const int rounds = q.pduType == 0xa5 ? qBound(1, q.errorIndex, 20) : 1;
            QList<QList<quint32>> cursor;
            for (const FakeVb &v : q.vbs)
                cursor << v.oid;
            for (int k = 0; k < rounds; ++k)
                for (QList<quint32> &o : cursor) {
                    const FakeVb a = c.next(o);
                    o = a.oid;
                    r.vbs << a;
                }
            return r;
        });
        ASSERT_TRUE(agent.ok());
        for (qint8 version : {qint8(1), qint8(0)}) {
            SCOPED_TRACE(std::string(c.fault) + (version ? " v2c" : " v1"));
            QvSNMPSessionParams &p = SessionParams();
            p.Device.Address = QStringLiteral("127.0.0.1");
            p.Device.Port = agent.port();
            p.Security.Version = version;
            p.Security.ReadCommunity = QStringLiteral("public");
            std::unique_ptr<TConfigForm> form(BuildModuleWindow(*def, p.Device.Address));
            form->show();
            QvSNMPRequest2Edits *binding = form->BindingAt(0);
            auto *strip = qobject_cast<QPlainTextEdit *>(binding->ReportTarget());
            ASSERT_NE(strip, nullptr);
            ASSERT_TRUE(WaitUntil([&] { return !binding->Busy() && !strip->toPlainText().isEmpty(); }, 20000));
            const QString shown = strip->toPlainText();
            EXPECT_FALSE(shown.contains(QStringLiteral("Ok!"))) << shown.toStdString();
            EXPECT_TRUE(shown.contains(QvErrorText(c.code))) << shown.toStdString();
            form->FormClose();
        }
        bool bulk = false;
        for (const FakeRequest &q : agent.requests())
            bulk |= q.pduType == 0xa5;
        EXPECT_TRUE(bulk) << c.fault;
    }
}

// The menu entries start the module beside the program with the switches of the session.
TEST_F(Modules, MenuEntryStartsTheModuleWithItsCommandLine)
{
    const QString bin = s_home + "/launch";
    QDir().mkpath(bin);
    const QString record = s_home + "/launched.txt";
    QFile script(bin + "/Layer3");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    const QString input = s_home + "/launched-stdin.txt";
    script.write(QStringLiteral("#!/bin/sh\ncat > '%2'\nprintf '%s\\n' \"$@\" > '%1'\n")
                     .arg(record, input)
                     .toLocal8Bit());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    const quint16 port = freeUdpPort();
    const QStringList args = {"/I127.0.0.1", "/t" + QString::number(port), "/v3", "/nSHA_User", "/l2", "/a3",
                              "/Akmvauth7040"};
    TMainForm form(TStartupEnv{args, bin + "/kmv7040qx", s_home});
    auto *entry = form.menuBar()->findChild<QAction *>(QStringLiteral("LsdbInfo1"));
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    ASSERT_TRUE(WaitUntil([&] { return QFile(record).size() > 0; }, 10000));
    QFile f(record);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList launched = QString::fromLatin1(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const TModuleHandOver handOver = ModuleHandOver(form.Texts(), QStringLiteral("/TLayer3_Lsdb"), QString());
    EXPECT_EQ(launched, handOver.arguments);
    EXPECT_EQ(launched.first(), QStringLiteral("/I127.0.0.1"));
    EXPECT_EQ(launched.last(), QStringLiteral("/TLayer3_Lsdb"));
    EXPECT_TRUE(launched.contains(QStringLiteral("/nSHA_User")));
    EXPECT_FALSE(launched.join(u' ').contains(QStringLiteral("kmvauth7040")));
    QFile in(input);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray secrets = in.readAll();
    EXPECT_EQ(secrets, handOver.secretInput);
    // What the module makes of it.
    const TModuleStart s = PrepareModule(launched, bin + "/Layer3", secrets);
    EXPECT_EQ(s.params.Security.AuthPassword, QStringLiteral("kmvauth7040"));
    ASSERT_NE(s.window, nullptr) << s.error.toStdString();
    EXPECT_EQ(s.params.Device.Port, port);
    EXPECT_EQ(s.params.Security.SecurityLevel, 2);
}

} // namespace

// The passwords of "/A" and "/P" leave the program's argument memory once start-up has read
// them; the other switches stay readable.
TEST(ModuleProgram, PasswordsAreWipedFromTheProcessList)
{
    const QString home = makeTempDir(QStringLiteral("modules-wipe"));
    QProcess module;
    module.setWorkingDirectory(home);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    module.setProcessEnvironment(env);
    const QString port = QString::number(freeUdpPort());
    module.start(QStringLiteral(KMV_LAYER3_PATH),
                 {"/I127.0.0.1", "/t" + port, "/v3", "/m3", "/l3", "/nSHA_DES_User", "/a3", "/p2",
                  "/Ahunter2auth", "/Phunter2priv", "/TLayer3_OSPF"});
    ASSERT_TRUE(module.waitForStarted(30000));
    const QString procFile = QStringLiteral("/proc/%1/cmdline").arg(module.processId());
    QByteArray seen;
    const bool wiped = WaitUntil([&] {
        QFile f(procFile);
        seen = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        return seen.contains("/TLayer3_OSPF") && !seen.contains("hunter2");
    }, 30000);
    EXPECT_EQ(module.state(), QProcess::Running) << "the module ended early";
    module.kill();
    module.waitForFinished(30000);
    EXPECT_TRUE(wiped) << seen.replace('\0', ' ').toStdString();
    EXPECT_TRUE(seen.contains("/nSHA_DES_User"));
    QDir(home).removeRecursively();
}

// The module program started as the device manager starts it: its command line, read from the
// moment it runs until it has asked the agent for its table, never holds the communities, and
// the agent sees the community that came on standard input.
TEST(ModuleProgram, LaunchedModuleHasNoSecretOnItsCommandLine)
{
    const QString home = makeTempDir(QStringLiteral("modules-launch"));
    const QString ems = home + "/quorvane_ems";
    ASSERT_TRUE(QDir().mkpath(ems));
    // A copy, so that the program finds the device configuration file beside itself.
    ASSERT_TRUE(QFile::copy(QStringLiteral(KMV_LAYER3_PATH), ems + "/MIB"));
    QFile(ems + "/MIB").setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    FakeUdpAgent agent([](const FakeRequest &q) {
        FakeResponse r;
        for (FakeVb v : q.vbs) {
            v.value = FakeUdpAgent::endOfMibView();
            r.vbs << v;
        }
        return r;
    });
    ASSERT_TRUE(agent.ok());
    QFile cfg(ems + "/127.0.0.1.cfg");
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write(QStringLiteral("[Program Information]\r\nAgentPort=%1\r\nVersion=1\r\n").arg(agent.port()).toLatin1());
    cfg.close();
    TSessionTexts texts;
    texts.Address = QStringLiteral("127.0.0.1");
    texts.Version = QStringLiteral("1");
    texts.ReadCommunity = QStringLiteral("rd-s3cret");
    texts.WriteCommunity = QStringLiteral("wr-s3cret");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qint64 pid = 0;
    ASSERT_TRUE(LaunchSharedModule(texts, QStringLiteral("/TMIB_ARP"), QString(), ems, &pid));
    ASSERT_GT(pid, 0);
    const QString procFile = QStringLiteral("/proc/%1/cmdline").arg(pid);
    QList<QByteArray> seen;
    const bool asked = WaitUntil([&] {
        QFile f(procFile);
        if (f.open(QIODevice::ReadOnly))
            seen << f.readAll();
        return !agent.requests().isEmpty();
    }, 30000);
    ::kill(pid_t(pid), SIGKILL);
    ASSERT_TRUE(asked) << "the module never asked the agent";
    ASSERT_FALSE(seen.isEmpty());
    for (const QByteArray &line : std::as_const(seen))
        EXPECT_FALSE(line.contains("s3cret")) << QByteArray(line).replace('\0', ' ').toStdString();
    EXPECT_TRUE(seen.last().contains("/TMIB_ARP")) << QByteArray(seen.last()).replace('\0', ' ').toStdString();
    EXPECT_EQ(agent.requests().first().community, QByteArray("rd-s3cret"));
    QDir(home).removeRecursively();
}
