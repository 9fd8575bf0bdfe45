// Start-up rules without a window: command-line switches, the device configuration file over
// them, the executable-folder rule and where the configuration file is looked for.
#include "qvsnmpnotify.h"
#include "startupconfig.h"

#include "agent_support.h"
#include "qvsnmpexception.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

namespace {

QvSNMPSessionParams Parsed(const QStringList &args)
{
    QvSNMPSessionParams p;
    ParseCommandLine(args, p);
    return p;
}

struct SwitchCase {
    const char *name;
    QStringList args;
    std::function<bool(const QvSNMPSessionParams &)> holds;
};

TEST(CommandLine, Switches)
{
    const SwitchCase cases[] = {
        {"v3 authPriv SHA DES, each switch its own argument",
         {"/I10.1.1.1", "/v3", "/nSHA_User", "/l3", "/a3", "/p2", "/Aauthpw", "/Pprivpw"},
         [](const QvSNMPSessionParams &p) {
             const QvSNMPSecurity &s = p.Security;
             return p.Device.Address == "10.1.1.1" && s.Version == 3 && s.SecurityName == "SHA_User"
                 && s.SecurityLevel == SECLEVEL_AUTH_PRIV && s.AuthProtocol == AUTHPROT_HMACSHA
                 && s.PrivProtocol == PRIVPROT_DES && s.AuthPassword == "authpw" && s.PrivPassword == "privpw";
         }},
        {"switch anywhere in the argument", {"x/I10.1.1.1"},
         [](const QvSNMPSessionParams &p) { return p.Device.Address == "10.1.1.1"; }},
        {"/I is tested before /n", {"/n/Iabc"},
         [](const QvSNMPSessionParams &p) { return p.Device.Address == "abc" && p.Security.SecurityName.isEmpty(); }},
        {"/A and /a differ", {"/Apass", "/a2"},
         [](const QvSNMPSessionParams &p) {
             return p.Security.AuthPassword == "pass" && p.Security.AuthProtocol == AUTHPROT_HMACMD5;
         }},
        {"/P and /p differ", {"/Ppriv", "/p9"},
         [](const QvSNMPSessionParams &p) {
             return p.Security.PrivPassword == "priv" && p.Security.PrivProtocol == PRIVPROT_IDEA;
         }},
        {"later argument wins", {"/t100", "/t200"}, [](const QvSNMPSessionParams &p) { return p.Device.Port == 200; }},
        {"empty community accepted", {"/R"}, [](const QvSNMPSessionParams &p) {
             return p.Security.ReadCommunity.isEmpty() && p.Security.WriteCommunity == "lanmore";
         }},
        {"argument without switch ignored", {"-x", "hello", "I10"},
         [](const QvSNMPSessionParams &p) {
             const QvSNMPSessionParams d;
             return p.Device.Address == d.Device.Address && p.Device.Port == d.Device.Port
                 && p.Security.ReadCommunity == d.Security.ReadCommunity;
         }},
        {"context and engine id", {"/cctx", "/d800007e5"},
         [](const QvSNMPSessionParams &p) { return p.Scope.ContextName == "ctx" && p.Scope.ContextEngineID == "800007e5"; }},
        {"model and level as library codes", {"/m3", "/l1"},
         [](const QvSNMPSessionParams &p) { return p.Security.SecurityModel == 3 && p.Security.SecurityLevel == 1; }},
        {"value keeps everything after the switch", {"/Wa b=d/x"},
         [](const QvSNMPSessionParams &p) { return p.Security.WriteCommunity == "a b=d/x"; }},
        {"a value holding an earlier switch goes to that switch", {"/Wa/cb"},
         [](const QvSNMPSessionParams &p) {
             return p.Scope.ContextName == "b" && p.Security.WriteCommunity == "lanmore";
         }},
        {"port at the top of its range", {"/t65535"}, [](const QvSNMPSessionParams &p) { return p.Device.Port == 65535; }},
    };
    for (const SwitchCase &c : cases) {
        SCOPED_TRACE(c.name);
        QvSNMPSessionParams p;
        ASSERT_NO_THROW(p = Parsed(c.args));
        EXPECT_TRUE(c.holds(p));
    }
}

TEST(CommandLine, EveryOctetSurvives)
{
    QString all;
    for (int b = 1; b < 256; ++b)
        all += QChar(b);
    const QvSNMPSessionParams p = Parsed({"/R" + all});
    EXPECT_EQ(p.Security.ReadCommunity.toLatin1(), all.toLatin1());
    EXPECT_EQ(p.Security.ReadCommunity.size(), 255);
}

TEST(CommandLine, BadNumbers)
{
    const struct { const char *name; const char *arg; } cases[] = {
        {"letters", "/tabc"},  {"empty port", "/t"},      {"port too large", "/t70000"},
        {"negative port", "/t-1"}, {"version past 8 bits", "/v300"}, {"hex", "/m0x3"},
        {"trailing text", "/l3a"}, {"32-bit overflow", "/a4294967296"}, {"empty protocol", "/p"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QvSNMPSessionParams p;
        try {
            ParseCommandLine({"/I10.1.1.1", QString::fromLatin1(c.arg), "/Rlater"}, p);
            ADD_FAILURE() << "no error raised";
        } catch (const QvSNMPException &e) {
            EXPECT_EQ(e.code(), CONVERT_ERROR);
            EXPECT_TRUE(e.text().contains(QString::fromLatin1(c.arg).left(2))) << e.text().toStdString();
        }
        // The arguments before the bad one are applied, those after it are not.
        EXPECT_EQ(p.Device.Address, "10.1.1.1");
        EXPECT_EQ(p.Security.ReadCommunity, "corvet");
    }
}

TEST(SessionTexts, NumbersAsDecimalText)
{
    QvSNMPSessionParams p = Parsed({"/I10.9.8.7", "/t1161", "/v3", "/m3", "/l2", "/a3", "/p9", "/Rr", "/Ww",
                                    "/nuser", "/Aa", "/Pp", "/dengine", "/cctx"});
    const TSessionTexts t = SessionTexts(p);
    const TSessionTexts expected{"10.9.8.7", "r", "w", "1161", "3", "user", "a", "p", "3", "9", "engine", "2", "ctx", "3"};
    EXPECT_EQ(t, expected);
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override { m_dir = makeTempDir(QStringLiteral("startupcfg")); }
    void TearDown() override { QDir(m_dir).removeRecursively(); }
    QString WriteCfg(const QString &name, const QByteArray &body)
    {
        const QString path = QDir(m_dir).filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(body);
        return path;
    }
    QString m_dir;
};

using DeviceConfig = TempFolder;

TEST_F(DeviceConfig, OverlayAndPrecedence)
{
    const QStringList cmd = {"/I10.1.1.1", "/t1161", "/v1", "/cctx", "/deng", "/m2", "/l3", "/nname",
                             "/a3", "/p2", "/Aapw", "/Ppw", "/Rread", "/Wwrite"};
    const struct {
        const char *name;
        QByteArray body;
        std::function<bool(const QvSNMPSessionParams &)> holds;
    } cases[] = {
        {"only Version resets every other key to its default",
         "[Program Information]\r\nVersion=3\r\n",
         [](const QvSNMPSessionParams &p) {
             const QvSNMPSecurity &s = p.Security;
             return s.Version == 3 && p.Device.Port == 161 && s.SecurityLevel == 1 && s.AuthProtocol == 1
                 && s.PrivProtocol == 1 && s.SecurityModel == 1 && p.Scope.ContextName.isEmpty()
                 && p.Scope.ContextEngineID.isEmpty() && s.SecurityName.isEmpty() && s.AuthPassword.isEmpty()
                 && s.PrivPassword.isEmpty();
         }},
        {"communities and address never come from the file",
         "[Program Information]\nAgentIP=10.2.2.2\nGetCommStr=x\nSetCommStr=y\n",
         [](const QvSNMPSessionParams &p) {
             return p.Device.Address == "10.1.1.1" && p.Security.ReadCommunity == "read"
                 && p.Security.WriteCommunity == "write";
         }},
        {"list indices become library codes",
         "[Program Information]\nPrivProtocol=1\nSecurityLevel=2\nAuthProtocol=1\n",
         [](const QvSNMPSessionParams &p) {
             return p.Security.PrivProtocol == PRIVPROT_DES && p.Security.SecurityLevel == SECLEVEL_AUTH_PRIV
                 && p.Security.AuthProtocol == AUTHPROT_HMACMD5;
         }},
        {"third privacy entry is IDEA", "[Program Information]\nPrivProtocol=2\n",
         [](const QvSNMPSessionParams &p) { return p.Security.PrivProtocol == PRIVPROT_IDEA; }},
        {"blanks trimmed, texts kept",
         "[Program Information]\nAgentPort=  2161  \nSecurityName= SHA User \nContextName=c\nSecurityModel=3\n",
         [](const QvSNMPSessionParams &p) {
             return p.Device.Port == 2161 && p.Security.SecurityName == "SHA User" && p.Scope.ContextName == "c"
                 && p.Security.SecurityModel == 3;
         }},
        {"non-numbers and out-of-range numbers yield the defaults",
         "[Program Information]\nVersion=three\nAgentPort=99999\nSecurityLevel=x\nPrivProtocol=\nSecurityModel=2147483648\n",
         [](const QvSNMPSessionParams &p) {
             return p.Security.Version == 0 && p.Device.Port == 161 && p.Security.SecurityLevel == 1
                 && p.Security.PrivProtocol == 1 && p.Security.SecurityModel == 1;
         }},
        {"index at the top of 32 bits does not overflow", "[Program Information]\nAuthProtocol=2147483647\n",
         [](const QvSNMPSessionParams &p) { return p.Security.AuthProtocol == 1; }},
        {"time-out and retries are the user's", "[Program Information]\nTimeout=450\nRetries=0\n",
         [](const QvSNMPSessionParams &p) { return p.Timeout == 450 && p.Retries == 0; }},
        {"GETBULK can be turned off", "[Program Information]\nGetBulk=0\n",
         [](const QvSNMPSessionParams &p) { return !p.UseGetBulk; }},
        {"GETBULK stays on for anything but 0 or 1", "[Program Information]\nGetBulk=yes\n",
         [](const QvSNMPSessionParams &p) { return p.UseGetBulk; }},
        {"time-out and retries out of range keep the running ones",
         "[Program Information]\nTimeout=5\nRetries=11\n",
         [](const QvSNMPSessionParams &p) { return p.Timeout == 100 && p.Retries == 1; }},
        {"other section only: every key its default", "[Other]\nVersion=3\nAgentPort=7\n",
         [](const QvSNMPSessionParams &p) {
             return p.Security.Version == 0 && p.Device.Port == 161 && NotifyListenParams().Address == "0.0.0.0"
                 && NotifyListenParams().Port == 162;
         }},
        {"trap address and port after Retries", "[Program Information]\nRetries=2\nNotifyAddress= 127.0.0.1 \nNotifyPort=16200\n",
         [](const QvSNMPSessionParams &) {
             return NotifyListenParams().Address == "127.0.0.1" && NotifyListenParams().Port == 16200;
         }},
        {"trap address must be numeric, port in range",
         "[Program Information]\nNotifyAddress=switch.example\nNotifyPort=0\n",
         [](const QvSNMPSessionParams &) {
             return NotifyListenParams().Address == "0.0.0.0" && NotifyListenParams().Port == 162;
         }},
        {"IPv6 trap address", "[Program Information]\nNotifyAddress=::1\nNotifyPort=65535\n",
         [](const QvSNMPSessionParams &) {
             return NotifyListenParams().Address == "::1" && NotifyListenParams().Port == 65535;
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QvSNMPSessionParams p = Parsed(cmd);
        ASSERT_TRUE(ReadDeviceConfig(WriteCfg("10.1.1.1.cfg", c.body), p));
        EXPECT_TRUE(c.holds(p));
    }
}

TEST_F(DeviceConfig, MissingFileChangesNothing)
{
    QvSNMPSessionParams p = Parsed({"/t1161", "/v1"});
    EXPECT_FALSE(ReadDeviceConfig(QDir(m_dir).filePath("10.1.1.1.cfg"), p));
    EXPECT_FALSE(ReadDeviceConfig(QString(), p));
    EXPECT_FALSE(ReadDeviceConfig(m_dir, p));  // a folder is no file
    EXPECT_EQ(p.Device.Port, 1161);
    EXPECT_EQ(p.Security.Version, 1);
}

TEST(Folders, ExecutableFolderName)
{
    const struct { const char *path; const char *folder; bool ems; } cases[] = {
        {"C:\\Suite\\quorvane_ems\\module.exe", "quorvane_ems", true},
        {"/opt/suite/quorvane_ems/kmv7040qx", "quorvane_ems", true},
        {"/opt/suite/Quorvane_EMS/kmv7040qx", "Quorvane_EMS", false},
        {"/opt/quorvane_ems_old/kmv7040qx", "quorvane_ems_old", false},
        {"/quorvane_ems/x/kmv7040qx", "x", false},
        {"/kmv7040qx", "", false},
        {"kmv7040qx", "", false},
        {"", "", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ExeFolderName(QString::fromLatin1(c.path)), QString::fromLatin1(c.folder));
        EXPECT_EQ(InEmsFolder(QString::fromLatin1(c.path)), c.ems);
    }
}

using ConfigLocation = TempFolder;

TEST_F(ConfigLocation, EmsFolderAndSuiteSetting)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, m_dir);
    const QString exeDir = QStringLiteral("/opt/suite/quorvane_ems");

    EXPECT_EQ(DeviceConfigPath("10.1.1.1", true, exeDir), "/opt/suite/quorvane_ems/10.1.1.1.cfg");
    EXPECT_EQ(DeviceConfigPath("10.1.1.1", true, "C:\\Suite\\quorvane_ems"), "C:/Suite/quorvane_ems/10.1.1.1.cfg");
    // Outside the EMS folder without the suite's setting there is nothing to read.
    EXPECT_EQ(DeviceConfigPath("10.1.1.1", false, exeDir), QString());
    {
        QSettings s(QSettings::SystemScope, SuiteOrganization, SuiteApplication);
        s.setValue(SuitePathKey, "C:\\Suite\\bin\\");
    }
    EXPECT_EQ(DeviceConfigPath("10.1.1.1", false, exeDir), "C:/Suite/bin/../Conf/MBF/10.1.1.1.cfg");
    {
        QSettings s(QSettings::SystemScope, SuiteOrganization, SuiteApplication);
        s.setValue(SuitePathKey, m_dir + "/bin");
    }
    EXPECT_EQ(DeviceConfigPath("switch-7", false, exeDir), m_dir + "/bin/../Conf/MBF/switch-7.cfg");
    // Addresses that would name a file elsewhere are refused.
    for (const char *bad : {"../../etc/x", "a/b", "a\\b", ""}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(DeviceConfigPath(QString::fromLatin1(bad), true, exeDir), QString());
        EXPECT_EQ(DeviceConfigPath(QString::fromLatin1(bad), false, exeDir), QString());
    }
    {
        QSettings s(QSettings::SystemScope, SuiteOrganization, SuiteApplication);
        s.remove(SuitePathKey);
    }
    EXPECT_EQ(DeviceConfigPath("10.1.1.1", false, exeDir), QString());
}

// An installed program folder is root's: a user reads and writes an own copy of the file instead,
// and reads the program folder's until there is one.
TEST_F(ConfigLocation, UsersOwnCopyWhereTheProgramFolderIsNotTheirs)
{
    const QString shared = QStringLiteral("/usr/lib/suite/quorvane_ems/10.1.1.1.cfg");
    const QString users = m_dir + QStringLiteral("/devices");
    const QString own = users + QStringLiteral("/10.1.1.1.cfg");
    const struct {
        bool writable, ownExists;
        TConfigUse use;
        QString expected;
    } cases[] = {
        {true, false, TConfigUse::Read, shared},  {true, true, TConfigUse::Write, shared},
        {false, false, TConfigUse::Read, shared}, {false, false, TConfigUse::Write, own},
        {false, true, TConfigUse::Read, own},     {false, true, TConfigUse::Write, own},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.writable << c.ownExists << int(c.use));
        QDir(users).removeRecursively();
        if (c.ownExists) {
            ASSERT_TRUE(QDir().mkpath(users));
            QFile f(own);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(DeviceConfigPathFor(shared, c.use, c.writable, users), c.expected);
    }
    EXPECT_EQ(DeviceConfigPathFor(QString(), TConfigUse::Write, false, users), QString());

    // With the system's own answers: a folder the user can write, and a missing one, stay the
    // file's place; the user's folder has a fixed name in the user's configuration folder.
    const QString inOwnFolder = m_dir + QStringLiteral("/10.1.1.2.cfg");
    const QString missing = m_dir + QStringLiteral("/missing/10.1.1.3.cfg");
    for (const TConfigUse use : {TConfigUse::Read, TConfigUse::Write}) {
        EXPECT_EQ(DeviceConfigPathFor(inOwnFolder, use), inOwnFolder);
        EXPECT_EQ(DeviceConfigPathFor(missing, use), missing);
    }
    EXPECT_TRUE(UserDeviceConfigFolder().endsWith(QStringLiteral("/kmv7040qx/devices")));
}

} // namespace

// The process's own arguments, as glibc hands them to initialisers, so that a child run of this
// test can wipe its real argument memory.
namespace {
int g_argc = 0;
char **g_argv = nullptr;
void CaptureArguments(int argc, char **argv, char **)
{
    g_argc = argc;
    g_argv = argv;
}
__attribute__((section(".init_array"), used)) void (*captureArguments)(int, char **, char **) =
    CaptureArguments;

QByteArray OwnCommandLine()
{
    QFile f(QStringLiteral("/proc/self/cmdline"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const char *const WipeChildVar = "KMV_WIPE_SECRETS_CHILD";
} // namespace

// Passwords given as "/A" and "/P" are gone from the process list once start-up has read them,
// with the words of a password that was split at a blank; other switches, and a password text
// inside another switch's value, stay.
TEST(CommandLine, SecretArgumentsAreWipedFromTheProcess)
{
    const QStringList secrets = {QStringLiteral("/Ahunter2auth"), QStringLiteral("hunter2words"),
                                 QStringLiteral("x/Phunter2priv")};
    const QStringList kept = {QStringLiteral("/TLayer3_OSPF"), QStringLiteral("/I127.0.0.1"),
                              QStringLiteral("/nSHA_User"), QStringLiteral("/Rread/Anotsecret")};
    if (qEnvironmentVariableIsSet(WipeChildVar)) {
        const QByteArray before = OwnCommandLine();
        ASSERT_TRUE(before.contains("hunter2auth") && before.contains("hunter2priv"));
        QStringList args;
        for (int i = 1; i < g_argc; ++i)
            args << QString::fromLatin1(g_argv[i]);
        const QvSNMPSessionParams read = Parsed(args);
        WipeSecretArguments(g_argc, g_argv);
        const QByteArray after = OwnCommandLine();
        EXPECT_FALSE(after.contains("hunter2")) << after.toStdString();
        for (const QString &k : kept)
            EXPECT_TRUE(after.contains(k.toLatin1())) << k.toStdString();
        // What start-up copied before the wipe keeps the passwords.
        EXPECT_EQ(read.Security.AuthPassword, "hunter2auth");
        EXPECT_EQ(read.Security.PrivPassword, "hunter2priv");
        return;
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(WipeChildVar), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QStringLiteral("--gtest_filter=CommandLine.SecretArgumentsAreWipedFromTheProcess")}
                    + secrets + kept);
    ASSERT_TRUE(child.waitForFinished(60000));
    const QByteArray out = child.readAllStandardOutput() + child.readAllStandardError();
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

// "/S-" secrets: the secret switches of standard input apply, whole and with blanks; other lines
// and switches there do not; a writer that never closes the pipe costs only the time allowed.
TEST(CommandLine, SecretSwitchesFromStandardInput)
{
    const struct {
        const char *name;
        QByteArray input;
        QString auth, priv, read, write, address;
    } cases[] = {
        {"all four, a blank kept", "/Aauth pw 1\n/Ppriv\r\n/Rro\n/Wrw\n", "auth pw 1", "priv", "ro", "rw", "keep"},
        {"no final line break", "/Ronly", "", "", "only", "", "keep"},
        {"other switches are ignored", "/I10.9.9.9\n/v3\nnoise\n/Asecret/Ihost\n", "secret/Ihost", "", "", "", "keep"},
        {"nothing", "", "", "", "", "", "keep"},
    };
    for (const auto &c : cases) {
        QvSNMPSessionParams p;
        p.Device.Address = QStringLiteral("keep");
        p.Security.ReadCommunity = p.Security.WriteCommunity = QString();
        p.Security.AuthPassword = p.Security.PrivPassword = QString();
        ApplySecretSwitches(c.input, p);
        EXPECT_EQ(p.Security.AuthPassword, c.auth) << c.name;
        EXPECT_EQ(p.Security.PrivPassword, c.priv) << c.name;
        EXPECT_EQ(p.Security.ReadCommunity, c.read) << c.name;
        EXPECT_EQ(p.Security.WriteCommunity, c.write) << c.name;
        EXPECT_EQ(p.Device.Address, c.address) << c.name;
        EXPECT_EQ(p.Security.Version, QvSNMPSessionParams().Security.Version) << c.name;
    }

    char prog[] = "Layer3", a[] = "/I1.2.3.4", s[] = "/S-", t[] = "/S-x";
    char *with[] = {prog, a, s}, *without[] = {prog, a, t}, *onlyProgram[] = {s};
    EXPECT_TRUE(WantsSecretInput(3, with));
    EXPECT_FALSE(WantsSecretInput(3, without));
    EXPECT_FALSE(WantsSecretInput(1, onlyProgram)) << "argv[0] is the program";

    for (bool close : {true, false}) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const QByteArray sent("/Rcommunity\n");
        ASSERT_EQ(::write(fds[1], sent.constData(), size_t(sent.size())), sent.size());
        if (close)
            ::close(fds[1]);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(ReadSecretInput(fds[0], 300), sent) << close;
        if (!close) {
            EXPECT_GE(clock.elapsed(), 250) << "waited for the end of input";
            ::close(fds[1]);
        }
        ::close(fds[0]);
    }
}
