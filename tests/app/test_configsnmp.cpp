// The SNMP settings dialog and the about box: version choice and its fields, the checks before
// saving, the file text and where it goes, VersionChanged.
#include "agent_support.h"
#include "box_answer.h"
#include "taboutform.h"
#include "tfrmconfigsnmp.h"
#include "qvsnmpnotify.h"
#include "qvsnmpsession.h"
#include "tmessagebox.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "qvradiogroup.h"

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QMap<QString, QString> Keys(const QString &text)
{
    QMap<QString, QString> keys;
    for (const QString &line : text.split("\r\n")) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

}  // namespace

TEST(ConfigSnmpDialog, VersionChoiceSetsTheFields)
{
    TfrmConfigSNMP d(nullptr, "10.1.1.1", "0", "", "/tmp");
    EXPECT_EQ(d.windowTitle(), "Device SNMP Configure");
    EXPECT_EQ(d.lblIP->text(), "10.1.1.1");
    EXPECT_EQ(d.rgpSNMPVersion->itemIndex(), 0);
    EXPECT_FALSE(d.cbxSecurityName->isEnabled());
    EXPECT_TRUE(d.edtAuthPass->isReadOnly());

    d.edtContext->setText("typed");
    d.edtCommunity->setText("typed too");
    d.rgpSNMPVersion->setItemIndex(2);
    EXPECT_EQ(d.edtContext->text(), "") << "SNMPv3 empties both community fields";
    EXPECT_EQ(d.edtCommunity->text(), "");
    for (QComboBox *c : {d.cbxSecurityName, d.cbxSecurityLevel, d.cbxAuthProtocol, d.cbxPrivProtocol})
        EXPECT_TRUE(c->isEnabled());
    for (QLineEdit *e : {d.edtAuthPass, d.edtPrivPass, d.edtContextEngine})
        EXPECT_FALSE(e->isReadOnly());

    d.edtContext->setText("ctx");
    d.rgpSNMPVersion->setItemIndex(0);
    EXPECT_EQ(d.edtContext->text(), "corvet") << "back to SNMPv1 discards what was typed";
    EXPECT_EQ(d.edtCommunity->text(), "lanmore");
    EXPECT_FALSE(d.cbxPrivProtocol->isEnabled());
    EXPECT_TRUE(d.edtContextEngine->isReadOnly());
}

TEST(ConfigSnmpDialog, ChecksBeforeSaving)
{
    const QString dir = makeTempDir("cfgdlg-checks");
    const struct {
        const char *name;
        const char *securityName;
        int level, auth, priv;
        const char *address;
        const char *folder;  // relative to dir; nullptr: a folder that does not exist
        const char *message;
    } cases[] = {
        {"no security name", "", 0, 0, 0, "10.1.1.1", "", "SecurityName is empty!"},
        {"no level", "SHA_User", -1, 0, 0, "10.1.1.1", "", "SecurityLevel is empty!"},
        {"no auth protocol", "SHA_User", 0, -1, 0, "10.1.1.1", "", "AuthProtocol is empty!"},
        {"no priv protocol", "SHA_User", 0, 0, -1, "10.1.1.1", "", "PrivProtocol is empty!"},
        {"name checked before level", "", -1, -1, -1, "10.1.1.1", "", "SecurityName is empty!"},
        {"folder missing", "SHA_User", 0, 0, 0, "10.1.1.1", nullptr, "Create file error!"},
        {"address naming another folder", "SHA_User", 0, 0, 0, "../escape", "", "Create file error!"},
        {"address that is a parent", "SHA_User", 0, 0, 0, "..", "", "Create file error!"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        BoxAnswer box;
        const QString folder = c.folder ? QDir(dir).filePath(c.folder) : QDir(dir).filePath("missing");
        TfrmConfigSNMP d(nullptr, c.address, "0", "", folder);
        d.rgpSNMPVersion->setItemIndex(2);
        d.cbxSecurityName->setCurrentText(c.securityName);
        d.cbxSecurityLevel->setCurrentIndex(c.level);
        d.cbxAuthProtocol->setCurrentIndex(c.auth);
        d.cbxPrivProtocol->setCurrentIndex(c.priv);
        d.btnOk->click();
        EXPECT_EQ(box.asked, QStringList{c.message});
        EXPECT_NE(d.result(), QDialog::Accepted) << "the dialog stays open";
        EXPECT_FALSE(d.VersionChanged);
    }
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{}) << "nothing written";
    EXPECT_FALSE(QFile::exists(QDir(dir).filePath("../escape.cfg")));
    QDir(dir).removeRecursively();
}

// Opened with the running settings, OK without a change writes them again (apart from the
// date and time), whatever the version and protocols; AES and SHA-2 codes the lists lack are kept.
TEST(ConfigSnmpDialog, RunningSettingsSurviveAnUntouchedOk)
{
    const auto entries = [](const char *version, int auth, int priv, int level) {
        TDeviceConfigEntries e;
        e.AgentIP = "10.1.1.1";
        e.AgentPort = "2161";
        e.Version = version;
        if (QByteArray(version) == "3") {
            e.SecurityName = "SHA_AES_User";
            e.AuthPassword = "auth-pass";
            e.PrivPassword = "priv-pass";
            e.AuthProtocol = auth;
            e.PrivProtocol = priv;
            e.SecurityLevel = level;
            e.ContextName = "ctx";
            e.GetCommStr = "ctx";  // the dialog's one field serves both under SNMPv3
            e.ContextEngineID = "80001f88";
        } else {
            e.ContextName = "ro-community";
            e.GetCommStr = "ro-community";
            e.SetCommStr = "rw-community";
        }
        e.Timeout = 350;
        e.Retries = 3;
        return e;
    };
    const struct {
        const char *name;
        TDeviceConfigEntries running;
    } cases[] = {
        {"SNMPv1", entries("0", -1, -1, -1)},
        {"SNMPv2c", entries("1", -1, -1, -1)},
        {"SNMPv3 MD5 DES", entries("3", 1, 1, 2)},
        {"SNMPv3 SHA AES-128", entries("3", 2, 3, 2)},
        {"SNMPv3 SHA-512 AES-256", entries("3", 6, 20, 2)},
        {"SNMPv3 no auth", entries("3", 0, 0, 0)},
    };
    const auto withoutClock = [](QMap<QString, QString> keys) {
        keys.remove("UpdateDate");
        keys.remove("UpdateTime");
        return keys;
    };
    for (const auto &c : cases) {
        TfrmConfigSNMP d(nullptr, "10.1.1.1", c.running.Version, c.running.SecurityName, "/tmp");
        d.LoadSettings(c.running);
        EXPECT_EQ(withoutClock(Keys(d.ConfigFileText())), withoutClock(Keys(DeviceConfigFileText(c.running))))
            << c.name;
        EXPECT_EQ(d.TimeoutHundredths(), 350) << c.name;
        EXPECT_EQ(d.RetryCount(), 3) << c.name;
    }
}

// Time-out and retries: what is refused names the field and writes nothing; what is taken
// applies to the running session at once.
TEST(ConfigSnmpDialog, TimeoutAndRetriesAreCheckedAndApplied)
{
    const QString dir = makeTempDir("cfgsnmp-timeouts");
    const QvSNMPSessionParams saved = SessionParams();
    const struct {
        const char *timeout;
        const char *retries;
        const char *refusal;  // "" when accepted
        int hundredths;
        int retryCount;
    } cases[] = {
        {"2.5", "0", "", 250, 0},
        {"0.1", "10", "", 10, 10},
        {"60", "1", "", 6000, 1},
        {"0.05", "1", "Time-out must be a number of seconds from 0.1 to 60!", 0, 0},
        {"61", "1", "Time-out must be a number of seconds from 0.1 to 60!", 0, 0},
        {"two", "1", "Time-out must be a number of seconds from 0.1 to 60!", 0, 0},
        {"nan", "1", "Time-out must be a number of seconds from 0.1 to 60!", 0, 0},
        {"1", "11", "Retries must be a whole number from 0 to 10!", 0, 0},
        {"1", "-1", "Retries must be a whole number from 0 to 10!", 0, 0},
        {"1", "1.5", "Retries must be a whole number from 0 to 10!", 0, 0},
    };
    for (const auto &c : cases) {
        SessionParams().Timeout = 200;
        SessionParams().Retries = 1;
        QFile::remove(dir + "/10.1.1.1.cfg");
        TfrmConfigSNMP d(nullptr, "10.1.1.1", "0", "", dir);
        d.edtTimeout->setText(c.timeout);
        d.edtRetries->setText(c.retries);
        BoxAnswer box;
        d.btnOkClick();
        if (*c.refusal) {
            EXPECT_EQ(box.asked, QStringList{c.refusal}) << c.timeout << " " << c.retries;
            EXPECT_FALSE(QFile::exists(dir + "/10.1.1.1.cfg"));
            EXPECT_EQ(SessionParams().Timeout, 200);
            continue;
        }
        EXPECT_TRUE(box.asked.isEmpty()) << c.timeout;
        EXPECT_EQ(SessionParams().Timeout, c.hundredths);
        EXPECT_EQ(SessionParams().Retries, c.retryCount);
        QFile f(dir + "/10.1.1.1.cfg");
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QMap<QString, QString> keys = Keys(QString::fromLatin1(f.readAll()));
        EXPECT_EQ(keys.value("Timeout"), QString::number(c.hundredths));
        EXPECT_EQ(keys.value("Retries"), QString::number(c.retryCount));
    }
    SessionParams() = saved;
    QDir(dir).removeRecursively();
}

// Trap address and port: numeric address, port 1..65535; taken ones are saved after Retries and
// become the listener's settings at once.
TEST(ConfigSnmpDialog, TrapAddressAndPortAreCheckedAndApplied)
{
    const QString dir = makeTempDir("cfgsnmp-traps");
    const QvNotifyListenParams saved = NotifyListenParams();
    const struct {
        const char *address;
        const char *port;
        const char *refusal;  // "" when accepted
    } cases[] = {
        {"0.0.0.0", "162", ""},
        {"127.0.0.1", "16200", ""},
        {"::1", "65535", ""},
        {"switch.example", "162", "Trap address must be a numeric address (0.0.0.0: every address)!"},
        {"", "162", "Trap address must be a numeric address (0.0.0.0: every address)!"},
        {"10.1.1", "162", "Trap address must be a numeric address (0.0.0.0: every address)!"},
        {"0.0.0.0", "0", "Trap port must be a whole number from 1 to 65535!"},
        {"0.0.0.0", "65536", "Trap port must be a whole number from 1 to 65535!"},
        {"0.0.0.0", "+162", "Trap port must be a whole number from 1 to 65535!"},
    };
    for (const auto &c : cases) {
        NotifyListenParams() = QvNotifyListenParams();
        QFile::remove(dir + "/10.1.1.1.cfg");
        TfrmConfigSNMP d(nullptr, "10.1.1.1", "0", "", dir);
        EXPECT_EQ(d.edtNotifyAddress->text(), "0.0.0.0");
        EXPECT_EQ(d.edtNotifyPort->text(), "162");
        d.edtNotifyAddress->setText(c.address);
        d.edtNotifyPort->setText(c.port);
        BoxAnswer box;
        d.btnOkClick();
        if (*c.refusal) {
            EXPECT_EQ(box.asked, QStringList{c.refusal}) << c.address << " " << c.port;
            EXPECT_FALSE(QFile::exists(dir + "/10.1.1.1.cfg"));
            EXPECT_EQ(NotifyListenParams().Port, 162);
            continue;
        }
        EXPECT_TRUE(box.asked.isEmpty()) << c.address;
        EXPECT_EQ(NotifyListenParams().Address, QString(c.address));
        EXPECT_EQ(NotifyListenParams().Port, QString(c.port).toInt());
        QFile f(dir + "/10.1.1.1.cfg");
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QMap<QString, QString> keys = Keys(QString::fromLatin1(f.readAll()));
        EXPECT_EQ(keys.value("NotifyAddress"), QString(c.address));
        EXPECT_EQ(keys.value("NotifyPort"), QString(c.port));
    }
    NotifyListenParams() = saved;
    QDir(dir).removeRecursively();
}

TEST(ConfigSnmpDialog, FileText)
{
    TfrmConfigSNMP d(nullptr, "10.1.1.1", "0", "", "/tmp");
    d.edtPort->setText(" 16x1 ");
    const QMap<QString, QString> v1 = Keys(d.ConfigFileText());
    EXPECT_EQ(d.ConfigFileText().split("\r\n").first(), "[Program Information]");
    EXPECT_EQ(v1.value("AgentIP"), "10.1.1.1");
    EXPECT_EQ(v1.value("AgentPort"), " 16x1 ") << "the port goes as typed";
    EXPECT_EQ(v1.value("Version"), "0");
    EXPECT_TRUE(v1.contains("SecurityName"));
    EXPECT_EQ(v1.value("SecurityName"), "");
    for (const char *k : {"AuthProtocol", "PrivProtocol", "SecurityLevel"})
        EXPECT_EQ(v1.value(k), "-1") << k;
    EXPECT_EQ(v1.value("ContextName"), "corvet");
    EXPECT_EQ(v1.value("GetCommStr"), "corvet");
    EXPECT_EQ(v1.value("SetCommStr"), "lanmore");
    EXPECT_EQ(v1.value("SecurityModel"), "3");
    EXPECT_FALSE(v1.value("UpdateDate").isEmpty());
    EXPECT_FALSE(v1.value("UpdateTime").isEmpty());

    const QStringList order = {"AgentIP", "AgentPort", "Version", "SecurityName", "AuthPassword", "PrivPassword",
                               "AuthProtocol", "PrivProtocol", "ContextEngineID", "SecurityLevel", "ContextName",
                               "GetCommStr", "SetCommStr", "UpdateDate", "UpdateTime", "SecurityModel",
                               "Timeout", "Retries", "NotifyAddress", "NotifyPort", "GetBulk"};
    QStringList seen;
    for (const QString &line : d.ConfigFileText().split("\r\n").mid(1))
        seen << line.section('=', 0, 0);
    EXPECT_EQ(seen, order);

    // Under SNMPv1 the security name is not saved even when one was chosen earlier.
    d.rgpSNMPVersion->setItemIndex(2);
    d.cbxSecurityName->setCurrentText("MD5_User");
    d.cbxPrivProtocol->setCurrentIndex(2);
    d.edtAuthPass->setText(QString::fromLatin1("p\xe4ss\xff"));
    EXPECT_EQ(Keys(d.ConfigFileText()).value("SecurityName"), "MD5_User");
    EXPECT_EQ(Keys(d.ConfigFileText()).value("PrivProtocol"), "2");
    d.rgpSNMPVersion->setItemIndex(1);
    EXPECT_EQ(Keys(d.ConfigFileText()).value("Version"), "1");
    EXPECT_EQ(Keys(d.ConfigFileText()).value("SecurityName"), "");

    // Octet values survive into the file unchanged.
    const QString dir = makeTempDir("cfgdlg-bytes");
    TfrmConfigSNMP b(nullptr, "10.1.1.1", "0", "", dir);
    b.edtAuthPass->setText(QString::fromLatin1("p\xe4ss\xff"));
    BoxAnswer box;
    b.btnOk->click();
    QFile f(QDir(dir).filePath("10.1.1.1.cfg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("AuthPassword=p\xe4ss\xff\r\n"));
    QDir(dir).removeRecursively();
}

TEST(ConfigSnmpDialog, VersionChanged)
{
    const QString dir = makeTempDir("cfgdlg-changed");
    const struct {
        const char *name;
        const char *running;
        const char *runningName;
        int selected;
        const char *name3;
        bool expected;
    } cases[] = {
        {"v1 kept", "0", "", 0, "", false},
        {"empty running copy counts as v1", "", "", 0, "", false},
        {"v1 to v2c", "0", "", 1, "", true},
        {"v1 to v3", "0", "", 2, "noAuthUser", true},
        {"v2c kept", "1", "", 1, "", false},
        {"v2c to v1", "1", "", 0, "", true},
        {"v3 same user", "3", "SHA_User", 2, "SHA_User", false},
        {"v3 other user", "3", "SHA_User", 2, "MD5_User", true},
        {"v3 to v1", "3", "SHA_User", 0, "", true},
        {"unknown running version", "7", "", 1, "", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        BoxAnswer box;
        TfrmConfigSNMP d(nullptr, "10.3.3.3", c.running, c.runningName, dir);
        d.rgpSNMPVersion->setItemIndex(c.selected);
        if (c.selected == 2) {
            d.cbxSecurityName->setCurrentText(c.name3);
            d.cbxSecurityLevel->setCurrentIndex(0);
            d.cbxAuthProtocol->setCurrentIndex(0);
            d.cbxPrivProtocol->setCurrentIndex(0);
        }
        d.btnOk->click();
        ASSERT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
        EXPECT_EQ(d.VersionChanged, c.expected);
    }
    // Exit writes nothing and changes nothing.
    QFile::remove(QDir(dir).filePath("10.3.3.3.cfg"));
    TfrmConfigSNMP d(nullptr, "10.3.3.3", "0", "", dir);
    d.rgpSNMPVersion->setItemIndex(1);
    d.btnExit->click();
    EXPECT_FALSE(d.VersionChanged);
    EXPECT_FALSE(QFile::exists(QDir(dir).filePath("10.3.3.3.cfg")));
    QDir(dir).removeRecursively();
}

TEST(AboutForm, DesignAndOk)
{
    QWidget owner;
    owner.setGeometry(100, 100, 800, 400);
    TAboutForm about(&owner);
    EXPECT_EQ(about.windowTitle(), "About KMV-7040QX Management Module");
    EXPECT_EQ(about.size(), QSize(354, 105));
    EXPECT_EQ(about.Icon->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(about.Icon->pixmap().toImage().allGray()) << "the icon is drawn";
    EXPECT_EQ(about.LB_Version->text(), "Version 3.02R02(Build 2005/3/31)");
    EXPECT_TRUE(about.LB_Title->font().bold());
    about.show();
    about.BT_Ok->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}
