// Device commands and launches: the shared-module command lines per version, the device commands'
// confirmation and SET on the wire, the configuration tool's start and wait, the RMON entries'
// wiring, and the settings dialog's file read back by start-up.
#include "agent_support.h"
#include "box_answer.h"
#include "devicecommands.h"
#include "fake_udp_agent.h"
#include "qvsnmpnotify.h"
#include "qvsnmpsession.h"
#include "startupconfig.h"
#include "tfrmconfigsnmp.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QPointer>
#include <QComboBox>
#include <QMessageBox>
#include <QTest>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QThread>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

#include "qvradiogroup.h"

#include <csignal>
#include <sys/stat.h>

// Readable QString values in failure messages.
void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

TSessionTexts Texts(const char *version, const char *securityName = "SHA_User")
{
    TSessionTexts t;
    t.Address = "10.1.1.1";
    t.ReadCommunity = "pubR";
    t.WriteCommunity = "privW";
    t.Port = "1161";
    t.Version = version;
    t.SecurityName = securityName;
    t.AuthPassword = "authpw";
    t.PrivPassword = "privpw";
    t.AuthProtocol = "3";
    t.PrivProtocol = "9";
    t.ContextEngineID = "8000";
    t.SecurityLevel = "3";
    t.ContextName = "ctx";
    t.SecurityModel = "3";
    return t;
}

}  // namespace

TEST(SharedModuleCommandLine, PerVersionAndTarget)
{
    const struct {
        const char *name;
        TSessionTexts texts;
        const char *target;
        const char *expected;
    } cases[] = {
        {"version 1: communities only", Texts("0"), "/TMIB_ARP",
         "/opt/suite/MIB /I10.1.1.1 /RpubR /WprivW /TMIB_ARP"},
        {"version 2c: neither port nor version", Texts("1"), "/TBridge_Forwarding",
         "/opt/suite/Bridge /I10.1.1.1 /RpubR /WprivW /TBridge_Forwarding"},
        {"version 3: eleven switches, no communities", Texts("3"), "/TLayer3_OSPF",
         "/opt/suite/Layer3 /I10.1.1.1 /t1161 /v3 /d8000 /m3 /nSHA_User /l3 /a3 /p9 /Aauthpw /Pprivpw /cctx "
         "/TLayer3_OSPF"},
        {"underscore in the target's rest", Texts("1"), "/TLayer3_RendezvousPoints",
         "/opt/suite/Layer3 /I10.1.1.1 /RpubR /WprivW /TLayer3_RendezvousPoints"},
        {"empty version copy counts as not 3", Texts(""), "/TIFMib_ifStackTable",
         "/opt/suite/IFMib /I10.1.1.1 /RpubR /WprivW /TIFMib_ifStackTable"},
        {"version text 03 is not exactly 3", Texts("03"), "/TMIB_ARP",
         "/opt/suite/MIB /I10.1.1.1 /RpubR /WprivW /TMIB_ARP"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildModuleCommandLine(c.texts, c.target, "/opt/suite"), QString(c.expected));
        EXPECT_EQ(BuildModuleCommandLine(c.texts, c.target, "/opt/suite/"), QString(c.expected))
            << "a folder already ending with its separator gets no second one";
    }
}

TEST(SharedModuleCommandLine, ArgumentsSplitAtBlanksButNotTheProgram)
{
    const QStringList v3 = ModuleArgumentList(Texts("3", "my user"), "/TLayer3_RendezvousPoints", "");
    EXPECT_EQ(v3.size(), 14) << v3.join('|').toStdString();
    EXPECT_TRUE(v3.contains("/nmy")) << "the name is passed unquoted";
    EXPECT_TRUE(v3.contains("user"));
    EXPECT_FALSE(v3.contains("/RpubR"));
    EXPECT_EQ(v3.last(), "/TLayer3_RendezvousPoints");

    const QStringList v1 = ModuleArgumentList(Texts("0"), "/TMIB_ARP", "extra");
    EXPECT_EQ(v1, (QStringList{"/I10.1.1.1", "/RpubR", "/WprivW", "/TMIB_ARP", "extra"}));
}

TEST(SharedModuleCommandLine, LaunchStartsTheModuleOrFailsQuietly)
{
    const QString dir = makeTempDir("devcmd-launch") + " with blank";
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString out = QDir(dir).filePath("args.txt");
    QFile script(QDir(dir).filePath("Layer3"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    const QString in = QDir(dir).filePath("stdin.txt");
    script.write(QString("#!/bin/sh\ncat > '" + in + "'\nprintf '%s\\n' \"$@\" > '" + out + "'\n").toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_FALSE(LaunchSharedModule(Texts("0"), "/TMIB_ARP", "", dir)) << "MIB is not installed there";
    ASSERT_TRUE(LaunchSharedModule(Texts("1"), "/TLayer3_PIM", "", dir));
    QElapsedTimer t;
    t.start();
    while (!QFile::exists(out) && t.elapsed() < 5000)
        QThread::msleep(20);
    QThread::msleep(100);
    QFile args(out);
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    // The communities come on standard input, not in the arguments.
    EXPECT_EQ(QString::fromUtf8(args.readAll()), "/I10.1.1.1\n/S-\n/TLayer3_PIM\n");
    QFile input(in);
    ASSERT_TRUE(input.open(QIODevice::ReadOnly));
    EXPECT_EQ(input.readAll(), QByteArray("/RpubR\n/WprivW\n"));
    QDir(dir).removeRecursively();
}

TEST(DeviceCommands, ConfirmationDecidesWhetherTheSetLeaves)
{
    const QString sessionDir = makeTempDir("devcmd-session");
    OpenGlobalSession(sessionDir);
    FakeUdpAgent agent([](const FakeRequest &r) {
        FakeResponse resp;
        resp.vbs = r.vbs;
        // The reboot is not answered, as a rebooting switch does not answer.
        resp.drop = !r.vbs.isEmpty() && FakeUdpAgent::text(r.vbs.first().oid).startsWith("1.3.6.1.4.1.171.12.1.2.3");
        return resp;
    });
    ASSERT_TRUE(agent.ok());
    QvSNMPSessionParams saved = SessionParams();
    SessionParams().Device.Address = "127.0.0.1";
    SessionParams().Device.Port = agent.port();
    SessionParams().Timeout = 20;

    const struct {
        const char *name;
        TDeviceCommand command;
        QMessageBox::StandardButton answer;
        bool sent;
        const char *oid;
        qint64 value;
        const char *question;
        const char *caption;
    } cases[] = {
        {"reboot answered No sends nothing", DC_Reboot, QMessageBox::No, false, "", 0,
         "Are you sure to reboot the device?", "Reboot"},
        {"save answered No sends nothing", DC_SaveConfig, QMessageBox::No, false, "", 0,
         "Save Configurations into NV-RAM ?", "Save Configure"},
        {"reboot without an answer is swallowed", DC_Reboot, QMessageBox::Yes, true, "1.3.6.1.4.1.171.12.1.2.3.0", 2,
         "Are you sure to reboot the device?", "Reboot"},
        {"save answered", DC_SaveConfig, QMessageBox::Yes, true, "1.3.6.1.4.1.171.12.1.2.6.0", 3,
         "Save Configurations into NV-RAM ?", "Save Configure"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const int before = agent.requests().size();
        BoxAnswer box(c.answer);
        TDeviceCommandOutcome outcome;
        int done = 0;
        QElapsedTimer took;
        took.start();
        TDeviceCommandRun *run = RunDeviceCommand(c.command, nullptr, [&](const TDeviceCommandOutcome &o) {
            outcome = o;
            ++done;
        });
        EXPECT_EQ(run != nullptr, c.sent);
        EXPECT_LT(took.elapsed(), 150) << "returns before the answer";
        EXPECT_EQ(done, 0) << "the outcome comes from the event loop";
        QElapsedTimer t;
        t.start();
        while (c.sent && done == 0 && t.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(done, c.sent ? 1 : 0);
        EXPECT_EQ(outcome.sent, c.sent);
        EXPECT_EQ(outcome.code, c.command == DC_Reboot && c.sent ? TimedOutCode : 0) << outcome.error.toStdString();
        ASSERT_EQ(box.asked, QStringList{c.question}) << "one question, no error box";
        EXPECT_EQ(box.captions.first(), QString(c.caption));
        const QList<FakeRequest> reqs = agent.requests().mid(before);
        if (!c.sent) {
            EXPECT_TRUE(reqs.isEmpty());
            continue;
        }
        ASSERT_FALSE(reqs.isEmpty());
        for (const FakeRequest &r : reqs) {
            EXPECT_EQ(r.pduType, 0xa3);
            EXPECT_EQ(r.community, QByteArray("lanmore"));
            ASSERT_EQ(r.vbs.size(), 1);
            EXPECT_EQ(FakeUdpAgent::text(r.vbs.first().oid), QString(c.oid));
            EXPECT_EQ(FakeUdpAgent::intOf(r.vbs.first().value), c.value);
        }
    }

    // The real boxes: Enter alone answers No, and nothing leaves.
    const int before = agent.requests().size();
    const QvMessageHook previous = QvSetMessageHook({});
    for (TDeviceCommand command : {DC_Reboot, DC_SaveConfig}) {
        SCOPED_TRACE(DeviceCommandDesc(command).confirmCaption);
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString caption;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            defaultButton = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        });
        TDeviceCommandOutcome outcome;
        EXPECT_EQ(RunDeviceCommand(command, nullptr, [&](const TDeviceCommandOutcome &o) { outcome = o; }), nullptr);
        EXPECT_EQ(caption, QString(DeviceCommandDesc(command).confirmCaption));
        EXPECT_EQ(defaultButton, QMessageBox::No);
        EXPECT_FALSE(outcome.sent);
    }
    QvSetMessageHook(previous);
    EXPECT_EQ(agent.requests().size(), before);
    SessionParams() = saved;
}

TEST(DeviceCommands, NoticesTellTheOutcome)
{
    const struct {
        const char *name;
        TDeviceCommand command;
        TDeviceCommandOutcome outcome;
        const char *expected;
    } cases[] = {
        {"not sent", DC_SaveConfig, {false, 0, ""}, ""},
        {"save accepted", DC_SaveConfig, {true, 0, ""}, "Save Configure: sent and accepted by the switch."},
        {"save refused", DC_SaveConfig, {true, -106, "No access!"}, "Save Configure failed: No access!"},
        {"save unanswered", DC_SaveConfig, {true, TimedOutCode, QvErrorText(TimedOutCode)},
         "Save Configure: the switch did not answer; it may have saved the configuration."},
        {"save timed out", DC_SaveConfig, {true, QVC_TIMEOUT, QvErrorText(QVC_TIMEOUT)},
         "Save Configure: the switch did not answer; it may have saved the configuration."},
        {"reboot accepted", DC_Reboot, {true, 0, ""},
         "Reboot: the switch is rebooting; the front panel comes back when it answers."},
        {"reboot unanswered, as usual", DC_Reboot, {true, TimedOutCode, "SNMP request timed out!"},
         "Reboot: the switch is rebooting; the front panel comes back when it answers."},
        {"reboot refused", DC_Reboot, {true, -106, "No access!"}, "Reboot failed: No access!"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DeviceCommandNotice(c.command, c.outcome), QString(c.expected)) << c.name;

    const struct { int status; const char *contains; } saves[] = {
        {1, "other"}, {2, "(proceeding)"}, {3, "(completed)"}, {4, "(failed)"}, {9, "other"}};
    for (const auto &c : saves)
        EXPECT_TRUE(SaveStatusNotice(c.status).contains(c.contains)) << c.status;
}

TEST(ConfigTool, StartsAndReturnsAtOnceThenTellsItsEnd)
{
    const QString dir = makeTempDir("devcmd-tool");
    const QString out = QDir(dir).filePath("args.txt");
    const struct {
        const char *name;
        const char *fileName;  // nullptr: no tool at all
        const char *body;
        bool executable;
        bool started;                  // RunConfigTool's answer
        std::optional<TToolRun> told;  // what the callback hears
    } cases[] = {
        {"no tool", nullptr, "", false, false, std::nullopt},
        {"tool that cannot be executed", "SNMPV3CFG.EXE", "#!/bin/sh\n", false, true, TToolRun::NotStarted},
        {"tool with a missing interpreter", "SNMPV3CFG.EXE", "#!/nonexistent/sh\n", true, true, TToolRun::NotStarted},
        {"tool that runs and ends", "SNMPV3Cfg.EXE", "#!/bin/sh\nsleep 0.5\nprintf '%s\\n' \"$@\" > ARGS\n", true,
         true, TToolRun::Ended},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (const char *n : {"SNMPV3CFG.EXE", "SNMPV3Cfg.EXE"})
            QFile::remove(QDir(dir).filePath(n));
        QFile::remove(out);
        if (c.fileName) {
            QFile f(QDir(dir).filePath(c.fileName));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(c.body).replace("ARGS", out.toUtf8()));
            f.close();
            f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                             | (c.executable ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
        }
        QObject context;
        QList<TToolRun> told;
        bool argsWhenTold = false;
        const bool started = RunConfigTool(dir, "10.1.1.1", "/opt/suite", &context, [&](TToolRun r) {
            told << r;
            argsWhenTold = QFileInfo::exists(out);
        });
        EXPECT_EQ(started, c.started);
        // Nothing is heard inside the call: the tool is still starting or running.
        EXPECT_TRUE(told.isEmpty());
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000 && told.isEmpty() && c.told)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // A little longer: a second word would come now.
        QTest::qWait(100);
        if (!c.told) {
            EXPECT_TRUE(told.isEmpty());
            continue;
        }
        ASSERT_EQ(told.size(), 1);
        EXPECT_EQ(told.first(), *c.told);
        if (*c.told == TToolRun::Ended) {
            EXPECT_TRUE(argsWhenTold) << "told before the tool ended";
            QFile args(out);
            ASSERT_TRUE(args.open(QIODevice::ReadOnly));
            EXPECT_EQ(QString::fromUtf8(args.readAll()), "/I10.1.1.1\n/S/opt/suite/\n");
        }
    }
    QDir(dir).removeRecursively();
}

TEST(ConfigTool, AbandonedOrGoneCallerHearsNothingAndTheToolRunsOn)
{
    const QString dir = makeTempDir("devcmd-tool2");
    QFile f(QDir(dir).filePath("SNMPV3CFG.EXE"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QString pidFile = QDir(dir).filePath("pid");
    f.write(QString("#!/bin/sh\necho $$ > '" + pidFile + "'\nexec sleep 1\n").toUtf8());
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (bool abandon : {true, false}) {
        SCOPED_TRACE(abandon ? "abandoned" : "caller gone");
        QFile::remove(pidFile);
        int told = 0;
        auto context = std::make_unique<QObject>();
        ASSERT_TRUE(RunConfigTool(dir, "10.1.1.1", dir, context.get(), [&](TToolRun) { ++told; }));
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 3000 && !QFileInfo::exists(pidFile))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(50);
        QFile pid(pidFile);
        ASSERT_TRUE(pid.open(QIODevice::ReadOnly));
        const pid_t toolPid = pid_t(pid.readAll().trimmed().toLongLong());
        ASSERT_GT(toolPid, 0);
        if (abandon)
            AbandonConfigToolWaits();
        else
            context.reset();
        EXPECT_EQ(::kill(toolPid, 0), 0) << "the tool was not left running";
        // The tool ends by itself; nobody hears of it.
        t.restart();
        while (t.elapsed() < 3000 && ::kill(toolPid, 0) == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(100);
        EXPECT_EQ(told, 0);
    }
    QDir(dir).removeRecursively();
}

// An RMON window opens non-modal and is deleted when it closes; opening it again while it is open
// raises the same window, each key has its own.
TEST(RmonEntries, OneWindowPerKeyRaisedWhenOpen)
{
    int created = 0;
    auto make = [&] {
        ++created;
        return new QWidget;
    };
    QPointer<QWidget> first = OpenRmonWindow(nullptr, QStringLiteral("test-a"), make);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    EXPECT_TRUE(first->testAttribute(Qt::WA_DeleteOnClose));
    first->showMinimized();
    EXPECT_EQ(OpenRmonWindow(nullptr, QStringLiteral("test-a"), make), first.data());
    EXPECT_EQ(created, 1) << "the open window is raised, not made again";
    EXPECT_FALSE(first->isMinimized());
    QPointer<QWidget> second = OpenRmonWindow(nullptr, QStringLiteral("test-b"), make);
    EXPECT_EQ(created, 2);
    EXPECT_NE(second.data(), first.data());
    EXPECT_TRUE(first->isVisible() && second->isVisible()) << "both open at once";

    first->close();
    for (int i = 0; i < 20 && first; ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(first) << "deleted when closed";
    QPointer<QWidget> again = OpenRmonWindow(nullptr, QStringLiteral("test-a"), make);
    EXPECT_EQ(created, 3);
    delete again.data();
    delete second.data();
}

namespace {

// Fills the dialog as a user would and presses OK.
struct DialogInput {
    int version;  // radio index
    const char *securityName;
    int level, auth, priv;
    const char *authPass, *privPass, *engine, *port;
};

void Fill(TfrmConfigSNMP *d, const DialogInput &in)
{
    d->rgpSNMPVersion->setItemIndex(in.version);
    d->edtPort->setText(in.port);
    if (in.version == 2) {
        d->cbxSecurityName->setCurrentText(in.securityName);
        d->cbxSecurityLevel->setCurrentIndex(in.level);
        d->cbxAuthProtocol->setCurrentIndex(in.auth);
        d->cbxPrivProtocol->setCurrentIndex(in.priv);
        d->edtAuthPass->setText(in.authPass);
        d->edtPrivPass->setText(in.privPass);
        d->edtContextEngine->setText(in.engine);
        d->edtContext->setText("ctxname");
    }
    d->btnOk->click();
}

}  // namespace

TEST(SettingsDialogFile, ReadBackByStartUp)
{
    const QString dir = makeTempDir("devcmd-cfg");
    const struct {
        const char *name;
        DialogInput in;
        qint8 version;
        quint16 port;
        const char *securityName;
        qint32 level, auth, priv, model;
        const char *authPass, *contextName;
    } cases[] = {
        {"SNMPv1 defaults", {0, "", -1, -1, -1, "", "", "", "161"}, 0, 161, "", 0, 0, 0, 3, "", "corvet"},
        {"SNMPv2c with a port", {1, "", -1, -1, -1, "", "", "", "1161"}, 1, 1161, "", 0, 0, 0, 3, "", "corvet"},
        {"SNMPv3 SHA and DES", {2, "SHA_DES_User", 2, 2, 1, "kmvauth7040", "kmvpriv7040", "80001f88", "161"}, 3, 161,
         "SHA_DES_User", 3, 3, 2, 3, "kmvauth7040", "ctxname"},
        {"SNMPv3 IDEA becomes code 9", {2, "MD5_User", 1, 1, 2, "a b", "p", "", "161"}, 3, 161, "MD5_User", 2, 2, 9, 3,
         "a b", "ctxname"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        BoxAnswer box(QMessageBox::Ok);
        TfrmConfigSNMP dialog(nullptr, "10.9.8.7", "0", "", dir);
        Fill(&dialog, c.in);
        ASSERT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);

        const QString path = QDir(dir).filePath("10.9.8.7.cfg");
        EXPECT_EQ(DeviceConfigPath("10.9.8.7", true, dir), path) << "written where start-up looks";
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(bytes.endsWith("\n")) << "no line end after the last line";
        const QList<QByteArray> lines = bytes.split('\n');
        ASSERT_EQ(lines.size(), 22);
        for (int i = 0; i + 1 < lines.size(); ++i)
            EXPECT_TRUE(lines.at(i).endsWith('\r')) << "line " << i;
        EXPECT_EQ(lines.first(), "[Program Information]\r");
        EXPECT_EQ(lines.at(16), "SecurityModel=3\r");
        EXPECT_EQ(lines.at(17), QByteArray("Timeout=") + QByteArray::number(SessionParams().Timeout) + "\r");
        EXPECT_EQ(lines.at(18), QByteArray("Retries=") + QByteArray::number(SessionParams().Retries) + "\r");
        // The trap address and port follow as new keys at the end.
        EXPECT_EQ(lines.at(19), QByteArray("NotifyAddress=") + NotifyListenParams().Address.toLatin1() + "\r");
        EXPECT_EQ(lines.at(20), QByteArray("NotifyPort=") + QByteArray::number(NotifyListenParams().Port) + "\r");
        EXPECT_EQ(lines.last(), QByteArray("GetBulk=") + (SessionParams().UseGetBulk ? "1" : "0"));

        QvSNMPSessionParams p;
        p.Security.Version = 1;
        p.Device.Port = 999;
        p.Security.SecurityName = "fromCommandLine";
        ASSERT_TRUE(ReadDeviceConfig(path, p));
        EXPECT_EQ(p.Security.Version, c.version);
        EXPECT_EQ(p.Device.Port, c.port);
        EXPECT_EQ(p.Security.SecurityName, QString(c.securityName));
        EXPECT_EQ(p.Security.SecurityLevel, c.level);
        EXPECT_EQ(p.Security.AuthProtocol, c.auth);
        EXPECT_EQ(p.Security.PrivProtocol, c.priv);
        EXPECT_EQ(p.Security.SecurityModel, c.model);
        EXPECT_EQ(p.Security.AuthPassword, QString(c.authPass));
        EXPECT_EQ(p.Scope.ContextName, QString(c.contextName));
    }
    QDir(dir).removeRecursively();
}

TEST(SnmpConfigure, VersionChangePromptClosesOnYes)
{
    const QString dir = makeTempDir("devcmd-conf");
    const struct {
        const char *name;
        const char *runningVersion;
        int selected;
        QMessageBox::StandardButton answer;
        bool asked;
        bool switched;
    } cases[] = {
        {"same version, no prompt", "0", 0, QMessageBox::Yes, false, false},
        {"new version, Yes", "0", 1, QMessageBox::Yes, true, true},
        {"new version, No", "1", 0, QMessageBox::No, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        BoxAnswer box(c.answer);
        QWidget main;
        main.show();
        TSessionTexts texts = Texts(c.runningVersion);
        texts.Address = "10.2.2.2";
        const bool switched = RunSnmpConfigure(&main, texts, dir, [&](QDialog *d) {
            auto *dialog = qobject_cast<TfrmConfigSNMP *>(d);
            EXPECT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->lblIP->text(), "10.2.2.2");
            dialog->rgpSNMPVersion->setItemIndex(c.selected);
            dialog->btnOk->click();
            return dialog->result();
        });
        EXPECT_EQ(switched, c.switched);
        EXPECT_EQ(box.asked, c.asked ? QStringList{VersionChangedText} : QStringList{});
        EXPECT_EQ(main.isVisible(), !c.switched);
    }
    QDir(dir).removeRecursively();
}
