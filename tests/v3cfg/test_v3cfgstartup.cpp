// The tool's start-up and its "Use": the two switches it takes, the device configuration file found
// by the device manager's rules, and the file it writes read back by the device manager's reader.
#include "tv3cfgstartup.h"

#include "agent_support.h"
#include "qvsnmpsession.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString WriteFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

} // namespace

TEST(V3CfgStartup, SwitchesAndTheDeviceConfigurationFile)
{
    const QString home = makeTempDir(QStringLiteral("v3cfgstart"));
    // A folder with switch texts in it ("/t", "/p", "/I") must not be parsed as switches.
    const QString ems = home + QStringLiteral("/tp/Inside/quorvane_ems");
    ASSERT_TRUE(QDir().mkpath(ems));
    WriteFile(ems + QStringLiteral("/10.1.1.1.cfg"),
              "[Program Information]\r\nAgentPort=1161\r\nVersion=3\r\nSecurityName=SHA_User\r\n"
              "AuthProtocol=2\r\nSecurityLevel=1\r\nAuthPassword=secret-pw\r\nSecurityModel=3");
    const struct {
        const char *name;
        QStringList args;
        QString address, folder;
        bool read;
        quint16 port;
    } rows[] = {
        {"both switches", {"/I10.1.1.1", "/S" + ems + "/"}, "10.1.1.1", ems + "/", true, 1161},
        {"quoted folder", {"/I10.1.1.1", "/S\"" + ems + "/\""}, "10.1.1.1", ems + "/", true, 1161},
        {"no file for the address", {"/I10.9.9.9", "/S" + ems}, "10.9.9.9", ems, false, 161},
        {"no folder", {"/I10.1.1.1"}, "10.1.1.1", "", false, 161},
        {"no address", {"/S" + ems}, "", ems, false, 161},
        {"passwords are not taken", {"/I10.9.9.9", "/Asecret", "/S" + ems}, "10.9.9.9", ems, false, 161},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        QvSNMPSessionParams p;
        p.Security.AuthPassword = QStringLiteral("left over");
        const TV3CfgStart s = ApplyToolArguments(r.args, p);
        EXPECT_EQ(s.address, r.address);
        EXPECT_EQ(s.programFolder, r.folder);
        EXPECT_EQ(s.configRead, r.read);
        EXPECT_EQ(p.Device.Port, r.port);
        EXPECT_EQ(p.Timeout, 200);
        EXPECT_EQ(p.Security.AuthPassword, r.read ? QStringLiteral("secret-pw") : QString());
        if (r.read) {
            EXPECT_EQ(p.Security.Version, SNMP_VERSION_V3);
            EXPECT_EQ(p.Security.SecurityName, QStringLiteral("SHA_User"));
            EXPECT_EQ(p.Security.AuthProtocol, AUTHPROT_HMACSHA);
            EXPECT_EQ(p.Security.SecurityLevel, SECLEVEL_AUTH_NOPRIV);
        }
    }
    QDir(home).removeRecursively();
}

TEST(V3CfgStartup, UsedCredentialsReadBackByTheDeviceManager)
{
    const QString home = makeTempDir(QStringLiteral("v3cfguse"));
    const struct {
        const char *name;
        qint32 level, auth, priv;
    } rows[] = {
        {"no authentication", SECLEVEL_NOAUTH_NOPRIV, AUTHPROT_NONE, PRIVPROT_NONE},
        {"MD5 DES", SECLEVEL_AUTH_PRIV, AUTHPROT_HMACMD5, PRIVPROT_DES},
        {"SHA", SECLEVEL_AUTH_NOPRIV, AUTHPROT_HMACSHA, PRIVPROT_NONE},
        {"SHA AES-128", SECLEVEL_AUTH_PRIV, AUTHPROT_HMACSHA, PRIVPROT_AES128},
        {"SHA AES-192", SECLEVEL_AUTH_PRIV, AUTHPROT_HMACSHA, PRIVPROT_AES192},
        {"SHA-256 AES-128", SECLEVEL_AUTH_PRIV, AUTHPROT_HMAC192SHA256, PRIVPROT_AES128},
        {"SHA-512 AES-256", SECLEVEL_AUTH_PRIV, AUTHPROT_HMAC384SHA512, PRIVPROT_AES256},
    };
    const QString path = home + QStringLiteral("/127.0.0.1.cfg");
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        // Octets above 127 in a password survive the file.
        const QString authPw = QStringLiteral("auth \xe9\xff pw"), privPw = QStringLiteral("priv-pw=x");
        const TDeviceConfigEntries e =
            UserConfigEntries(QStringLiteral("127.0.0.1"), 1161, QStringLiteral("new user"), r.level, r.auth, authPw,
                              r.priv, privPw);
        ASSERT_TRUE(WriteDeviceConfigFile(path, DeviceConfigFileText(e)));
        EXPECT_EQ(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                                                | QFileDevice::WriteUser);
        QvSNMPSessionParams p;
        ASSERT_TRUE(ReadDeviceConfig(path, p));
        EXPECT_EQ(p.Device.Port, 1161);
        EXPECT_EQ(p.Security.Version, SNMP_VERSION_V3);
        EXPECT_EQ(p.Security.SecurityModel, SECMODEL_USM);
        EXPECT_EQ(p.Security.SecurityName, QStringLiteral("new user"));
        EXPECT_EQ(p.Security.SecurityLevel, r.level);
        EXPECT_EQ(p.Security.AuthProtocol, r.auth);
        EXPECT_EQ(p.Security.PrivProtocol, r.priv);
        EXPECT_EQ(p.Security.AuthPassword, r.level >= SECLEVEL_AUTH_NOPRIV ? authPw : QString());
        EXPECT_EQ(p.Security.PrivPassword, r.level >= SECLEVEL_AUTH_PRIV ? privPw : QString());
    }
    QDir(home).removeRecursively();
}
