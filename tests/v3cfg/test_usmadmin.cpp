// The SNMPv3 user administration against the simulated switch: a user for every protocol pair made,
// used, re-keyed and deleted; refused inputs; failures in the middle of a creation with what they
// leave on the switch; own key changes; users kept across a restart of the switch.
#include "tusmadmin.h"
#include "qvsnmperrors.h"

#include "agent_support.h"
#include "mibenums.h"
#include "qvsnmpsession.h"
#include "v3cfg_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <optional>

namespace {

const QString AuthPass = QStringLiteral("kmvauth7040");
const QString PrivPass = QStringLiteral("kmvpriv7040");
const QString Group = QStringLiteral("grpSHA_AES_User");

SuiteSwitch g_switch;

// The tool's session: the switch's SHA/AES user, short time-outs.
void AdminSession()
{
    QvSNMPSessionParams &p = SessionParams();
    p.Device.Address = g_switch.sim->address();
    p.Device.Port = g_switch.sim->port();
    p.Security.Version = SNMP_VERSION_V3;
    p.Security.SecurityModel = SECMODEL_USM;
    p.Security.SecurityLevel = SECLEVEL_AUTH_PRIV;
    p.Security.SecurityName = QStringLiteral("SHA_AES_User");
    p.Security.AuthProtocol = AUTHPROT_HMACSHA;
    p.Security.AuthPassword = AuthPass;
    p.Security.PrivProtocol = PRIVPROT_AES128;
    p.Security.PrivPassword = PrivPass;
    p.Timeout = 50;
}

TUsmCredentials Creds(const QString &name, qint32 auth, const QString &authPw, qint32 priv, const QString &privPw)
{
    TUsmCredentials c{name, SECLEVEL_NOAUTH_NOPRIV, auth, authPw, priv, privPw};
    if (auth != AUTHPROT_NONE)
        c.level = priv != PRIVPROT_NONE ? SECLEVEL_AUTH_PRIV : SECLEVEL_AUTH_NOPRIV;
    return c;
}

// Runs one operation to its end with the event loop (bounded).
template <typename T, typename Start>
T Await(Start start)
{
    std::optional<T> got;
    start([&](const T &o) { got = o; });
    QElapsedTimer t;
    t.start();
    while (!got && t.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    if (!got) {
        ADD_FAILURE() << "no outcome within two minutes";
        return T{};
    }
    return *got;
}
TUsmOutcome Create(TUsmAdmin &a, const TUsmNewUser &q)
{
    return Await<TUsmOutcome>([&](auto done) { a.CreateUser(q, done); });
}
TUsmOutcome Change(TUsmAdmin &a, const TUsmPasswordChange &q)
{
    return Await<TUsmOutcome>([&](auto done) { a.ChangePasswords(q, done); });
}
TUsmOutcome Delete(TUsmAdmin &a, const QString &name)
{
    return Await<TUsmOutcome>([&](auto done) { a.DeleteUser(name, done); });
}
TUsmOutcome Try(TUsmAdmin &a, const TUsmCredentials &c)
{
    return Await<TUsmOutcome>([&](auto done) { a.TestCredentials(c, done); });
}
TUsmTables Tables(TUsmAdmin &a)
{
    const TUsmTables t = Await<TUsmTables>([&](auto done) { a.ReadTables(done); });
    EXPECT_TRUE(t.outcome.ok) << t.outcome.Report().toStdString();
    return t;
}

bool HasUser(TUsmAdmin &admin, const QString &name, QString *status = nullptr)
{
    for (const TUsmUser &u : Tables(admin).users)
        if (u.name == name) {
            if (status)
                *status = u.status;
            return true;
        }
    return false;
}

class UsmAdmin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_switch.Start(QStringLiteral("usmadmin")); }
    static void TearDownTestSuite() { g_switch.Stop(); }
    void SetUp() override
    {
        KmvSimProcess *sim = g_switch.sim;
        ASSERT_TRUE(sim && sim->isRunning()) << (sim ? sim->errorText().toStdString() : "");
        AdminSession();
    }
};

TEST_F(UsmAdmin, EveryProtocolPairCreatedUsedRekeyedAndDeleted)
{
    const struct {
        const char *name;
        qint32 auth, priv;
        const char *clone;
    } rows[] = {
        {"nmd5", AUTHPROT_HMACMD5, PRIVPROT_NONE, "MD5_User"},
        {"nmd5des", AUTHPROT_HMACMD5, PRIVPROT_DES, "MD5_DES_User"},
        {"nmd5aes", AUTHPROT_HMACMD5, PRIVPROT_AES128, "MD5_AES_User"},
        {"nsha", AUTHPROT_HMACSHA, PRIVPROT_NONE, "SHA_User"},
        {"nshades", AUTHPROT_HMACSHA, PRIVPROT_DES, "SHA_DES_User"},
        {"nshaaes", AUTHPROT_HMACSHA, PRIVPROT_AES128, "SHA_AES_User"},
        {"nshaaes192", AUTHPROT_HMACSHA, PRIVPROT_AES192, "SHA_AES192_User"},
        {"nshaaes256", AUTHPROT_HMACSHA, PRIVPROT_AES256, "SHA_AES256_User"},
        {"nsha224", AUTHPROT_HMAC128SHA224, PRIVPROT_NONE, "SHA224_User"},
        {"nsha256", AUTHPROT_HMAC192SHA256, PRIVPROT_NONE, "SHA256_User"},
        {"nsha384", AUTHPROT_HMAC256SHA384, PRIVPROT_NONE, "SHA384_User"},
        {"nsha512", AUTHPROT_HMAC384SHA512, PRIVPROT_NONE, "SHA512_User"},
        {"nsha256aes", AUTHPROT_HMAC192SHA256, PRIVPROT_AES128, "SHA256_AES_User"},
        {"nsha512aes256", AUTHPROT_HMAC384SHA512, PRIVPROT_AES256, "SHA512_AES256_User"},
        {"nsha-privacy-dropped", AUTHPROT_HMACSHA, PRIVPROT_NONE, "SHA_AES_User"},
        {"nnoauth", AUTHPROT_NONE, PRIVPROT_NONE, "SHA_DES_User"},
    };
    TUsmAdmin admin;
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        const QString name = QLatin1String(r.name);
        TUsmNewUser q;
        q.user = Creds(name, r.auth, QStringLiteral("first-auth-%1").arg(r.auth),
                       r.priv, QStringLiteral("first-priv-%1").arg(r.priv));
        q.cloneFrom = QLatin1String(r.clone);
        q.cloneAuthPassword = AuthPass;
        q.clonePrivPassword = PrivPass;
        q.group = Group;
        const TUsmOutcome made = Create(admin, q);
        ASSERT_TRUE(made.ok) << made.Report().toStdString();
        QString status;
        EXPECT_TRUE(HasUser(admin, name, &status));
        EXPECT_EQ(status, QStringLiteral("active"));

        const TUsmOutcome works = Try(admin, q.user);
        EXPECT_TRUE(works.ok) << works.Report().toStdString();
        if (r.auth != AUTHPROT_NONE) {
            TUsmCredentials wrong = q.user;
            wrong.authPassword = QStringLiteral("not-the-password");
            EXPECT_EQ(Try(admin, wrong).code, -308);

            TUsmPasswordChange c;
            c.name = name;
            c.authProtocol = r.auth;
            c.privProtocol = r.priv;
            c.changeAuth = true;
            c.oldAuthPassword = q.user.authPassword;
            c.newAuthPassword = QStringLiteral("second-auth");
            c.changePriv = r.priv != PRIVPROT_NONE;
            c.oldPrivPassword = q.user.privPassword;
            c.newPrivPassword = QStringLiteral("second-priv");
            const TUsmOutcome changed = Change(admin, c);
            EXPECT_TRUE(changed.ok) << changed.Report().toStdString();
            TUsmCredentials now = Creds(name, r.auth, c.newAuthPassword, r.priv, c.newPrivPassword);
            EXPECT_TRUE(Try(admin, now).ok);
            EXPECT_EQ(Try(admin, q.user).code, -308) << "the old password still works";
        }

        const TUsmOutcome gone = Delete(admin, name);
        EXPECT_TRUE(gone.ok) << gone.Report().toStdString();
        EXPECT_EQ(gone.done.size(), 2) << "user and group entry";
        EXPECT_FALSE(HasUser(admin, name));
        EXPECT_EQ(Try(admin, q.user).code, -304);
    }
}

TEST_F(UsmAdmin, RefusedBeforeAnythingIsSent)
{
    TUsmAdmin admin;
    TUsmNewUser base;
    base.user = Creds(QStringLiteral("refused"), AUTHPROT_HMACSHA, QStringLiteral("long-enough"), PRIVPROT_AES128,
                      QStringLiteral("long-enough"));
    base.cloneFrom = QStringLiteral("SHA_AES_User");
    base.cloneAuthPassword = AuthPass;
    base.clonePrivPassword = PrivPass;
    const struct {
        const char *name;
        std::function<void(TUsmNewUser &)> change;
        const char *reason;
    } rows[] = {
        {"short auth password", [](TUsmNewUser &q) { q.user.authPassword = QStringLiteral("1234567"); }, "at least 8"},
        {"short priv password", [](TUsmNewUser &q) { q.user.privPassword = QStringLiteral("short"); }, "at least 8"},
        {"unknown clone source", [](TUsmNewUser &q) { q.cloneFrom = QStringLiteral("nobody"); }, "does not exist"},
        {"clone of other protocols", [](TUsmNewUser &q) { q.cloneFrom = QStringLiteral("MD5_DES_User"); },
         "does not use"},
        {"existing name", [](TUsmNewUser &q) { q.user.name = QStringLiteral("SHA_User"); }, "exists already"},
        {"privacy without authentication",
         [](TUsmNewUser &q) { q.user.authProtocol = AUTHPROT_NONE; }, "needs authentication"},
        {"empty name", [](TUsmNewUser &q) { q.user.name.clear(); }, "1 to 32"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        TUsmNewUser q = base;
        r.change(q);
        const TUsmOutcome o = Create(admin, q);
        EXPECT_FALSE(o.ok);
        EXPECT_TRUE(o.error.contains(QLatin1String(r.reason))) << o.error.toStdString();
        EXPECT_TRUE(o.done.isEmpty());
        EXPECT_TRUE(o.Report().contains(QStringLiteral("Nothing was changed on the switch.")));
    }
    EXPECT_FALSE(HasUser(admin, QStringLiteral("refused")));
}

TEST_F(UsmAdmin, WrongClonePasswordIsFoundAndTheUserRemoved)
{
    TUsmAdmin admin;
    for (bool wrongPriv : {false, true}) {
        SCOPED_TRACE(wrongPriv ? "privacy" : "authentication");
        TUsmNewUser q;
        q.user = Creds(QStringLiteral("wrongclone"), AUTHPROT_HMACSHA, QStringLiteral("new-auth-pw"), PRIVPROT_DES,
                       QStringLiteral("new-priv-pw"));
        q.cloneFrom = QStringLiteral("SHA_DES_User");
        q.cloneAuthPassword = wrongPriv ? AuthPass : QStringLiteral("not-the-password");
        q.clonePrivPassword = wrongPriv ? QStringLiteral("not-the-password") : PrivPass;
        q.group = Group;
        const TUsmOutcome o = Create(admin, q);
        EXPECT_FALSE(o.ok);
        EXPECT_EQ(o.code, wrongPriv ? -306 : -308) << o.Report().toStdString();
        EXPECT_TRUE(o.done.contains(QStringLiteral("user activated")));
        EXPECT_TRUE(o.leftOnSwitch.contains(QStringLiteral("removed again"))) << o.leftOnSwitch.toStdString();
        EXPECT_FALSE(HasUser(admin, q.user.name));
    }
}

TEST_F(UsmAdmin, TimeOutInTheMiddleOfACreationIsReportedWithWhatIsLeft)
{
    TUsmAdmin admin;
    TUsmNewUser q;
    q.user = Creds(QStringLiteral("halfmade"), AUTHPROT_HMACSHA, QStringLiteral("new-auth-pw"), PRIVPROT_AES128,
                   QStringLiteral("new-priv-pw"));
    q.cloneFrom = QStringLiteral("SHA_AES_User");
    q.cloneAuthPassword = AuthPass;
    q.clonePrivPassword = PrivPass;
    Tables(admin);  // the engine ID is known before the switch goes silent
    admin.BeforeStep = [](const QString &step) {
        if (step == QLatin1String("priv key"))
            g_switch.sim->stopAnswering();
    };
    const TUsmOutcome o = Create(admin, q);
    admin.BeforeStep = nullptr;
    g_switch.sim->resumeAnswering();
    EXPECT_FALSE(o.ok);
    // A write without answer may have been applied.
    EXPECT_EQ(o.code, QVE_SET_UNKNOWN);
    EXPECT_EQ(o.done, (QStringList{QStringLiteral("user \"halfmade\" made as a copy of \"SHA_AES_User\" (not yet active)"),
                                   QStringLiteral("authentication key set")}));
    // The removal timed out too: the report says the user is still there, and it is.
    EXPECT_TRUE(o.leftOnSwitch.contains(QStringLiteral("is still on the switch"))) << o.leftOnSwitch.toStdString();
    QString status;
    ASSERT_TRUE(HasUser(admin, QStringLiteral("halfmade"), &status));
    EXPECT_NE(status, QStringLiteral("active"));
    EXPECT_TRUE(Delete(admin, QStringLiteral("halfmade")).ok);
}

TEST_F(UsmAdmin, TestReportsTheExactSecurityFailure)
{
    TUsmAdmin admin;
    const struct {
        const char *name;
        TUsmCredentials c;
        int code;
        const char *words;
    } rows[] = {
        {"works", Creds("SHA_DES_User", AUTHPROT_HMACSHA, AuthPass, PRIVPROT_DES, PrivPass), 0, "works"},
        {"unknown user", Creds("nobody-here", AUTHPROT_HMACSHA, AuthPass, PRIVPROT_NONE, {}), -304, "unknown user"},
        {"wrong digest", Creds("SHA_User", AUTHPROT_HMACSHA, "wrong-password", PRIVPROT_NONE, {}), -308,
         "wrong digest"},
        {"unsupported level", Creds("noAuthUser", AUTHPROT_HMACMD5, AuthPass, PRIVPROT_NONE, {}), -303,
         "unsupported security level"},
        {"decryption error", Creds("SHA_AES_User", AUTHPROT_HMACSHA, AuthPass, PRIVPROT_AES128, "wrong-privacy"),
         -306, "decryption error"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        const TUsmOutcome o = Try(admin, r.c);
        EXPECT_EQ(o.code, r.code) << o.Report().toStdString();
        EXPECT_TRUE(o.Report().contains(QLatin1String(r.words))) << o.Report().toStdString();
    }
}

TEST_F(UsmAdmin, OwnPasswordsChangedThroughTheOwnColumns)
{
    TUsmAdmin admin;
    TUsmNewUser q;
    q.user = Creds(QStringLiteral("selfuser"), AUTHPROT_HMACSHA, QStringLiteral("self-auth-1"), PRIVPROT_AES128,
                   QStringLiteral("self-priv-1"));
    q.cloneFrom = QStringLiteral("SHA_AES_User");
    q.cloneAuthPassword = AuthPass;
    q.clonePrivPassword = PrivPass;
    q.group = Group;
    ASSERT_TRUE(Create(admin, q).ok);

    QvSNMPSecurity &s = SessionParams().Security;
    s.SecurityName = q.user.name;
    s.AuthPassword = q.user.authPassword;
    s.PrivPassword = q.user.privPassword;
    TUsmPasswordChange c{q.user.name, AUTHPROT_HMACSHA, PRIVPROT_AES128, true, q.user.authPassword,
                         QStringLiteral("self-auth-2"), true, q.user.privPassword, QStringLiteral("self-priv-2")};
    const TUsmOutcome o = Change(admin, c);
    EXPECT_TRUE(o.ok) << o.Report().toStdString();
    // The session follows its own new passwords and keeps working.
    EXPECT_EQ(s.AuthPassword, QStringLiteral("self-auth-2"));
    EXPECT_EQ(s.PrivPassword, QStringLiteral("self-priv-2"));
    EXPECT_TRUE(HasUser(admin, q.user.name));
    EXPECT_FALSE(Delete(admin, q.user.name).ok) << "a session may not delete its own user";

    AdminSession();
    EXPECT_TRUE(Delete(admin, q.user.name).ok);
}

TEST_F(UsmAdmin, CreatedUserSurvivesARestartOfTheSwitch)
{
    TUsmAdmin admin;
    TUsmNewUser q;
    q.user = Creds(QStringLiteral("keeper"), AUTHPROT_HMACSHA, QStringLiteral("keep-auth-pw"), PRIVPROT_AES256,
                   QStringLiteral("keep-priv-pw"));
    q.cloneFrom = QStringLiteral("SHA_AES256_User");
    q.cloneAuthPassword = AuthPass;
    q.clonePrivPassword = PrivPass;
    q.group = Group;
    ASSERT_TRUE(Create(admin, q).ok);
    ASSERT_TRUE(g_switch.sim->restart());
    const TUsmOutcome o = Try(admin, q.user);
    EXPECT_TRUE(o.ok) << o.Report().toStdString();
    TUsmAdmin fresh;
    bool grouped = false;
    for (const TVacmMember &m : Tables(fresh).groups)
        grouped |= m.securityName == q.user.name && m.group == Group;
    EXPECT_TRUE(grouped);
    EXPECT_TRUE(Delete(fresh, q.user.name).ok);
    ASSERT_TRUE(g_switch.sim->restart());
    EXPECT_EQ(Try(fresh, q.user).code, -304) << "a deleted user came back";
}

TEST_F(UsmAdmin, LiveTablesHoldTheSwitchsEntries)
{
    TUsmAdmin admin;
    const QList<TUsmUser> users = Tables(admin).users;
    const auto user = std::find_if(users.begin(), users.end(), [](const TUsmUser &u) {
        return u.name == QLatin1String("SHA512_AES256_User");
    });
    ASSERT_NE(user, users.end());
    EXPECT_EQ(user->authProtocol, AUTHPROT_HMAC384SHA512);
    EXPECT_EQ(user->privProtocol, PRIVPROT_AES256);
    EXPECT_EQ(user->status, QStringLiteral("active"));
    bool member = false;
    for (const TVacmMember &m : Tables(admin).groups)
        member |= m.model == SECMODEL_USM && m.securityName == QLatin1String("SHA_AES_User") && m.group == Group;
    EXPECT_TRUE(member);
    bool access = false;
    for (const TVacmAccess &a : Tables(admin).access)
        access |= a.group == Group && !a.readView.isEmpty() && !a.writeView.isEmpty();
    EXPECT_TRUE(access);
    EXPECT_FALSE(Tables(admin).views.isEmpty());
}

} // namespace

namespace {

TUsmNewUser NewUser(const QString &name, const QString &authPw, const QString &privPw)
{
    TUsmNewUser q;
    q.user = Creds(name, AUTHPROT_HMACSHA, authPw, PRIVPROT_AES128, privPw);
    q.cloneFrom = QStringLiteral("SHA_AES_User");
    q.cloneAuthPassword = AuthPass;
    q.clonePrivPassword = PrivPass;
    q.group = Group;
    return q;
}

} // namespace

TEST_F(UsmAdmin, WrongCurrentPasswordChangesNothing)
{
    TUsmAdmin admin;
    const TUsmNewUser q = NewUser(QStringLiteral("typo"), QStringLiteral("typo-auth-1"), QStringLiteral("typo-priv-1"));
    ASSERT_TRUE(Create(admin, q).ok);
    const struct {
        const char *name;
        bool own;           // the session speaks as the user
        bool changeAuth, changePriv;
        bool wrongAuth;     // else the current privacy password is wrong
        const char *words;  // the report names the wrong password
    } rows[] = {
        {"wrong authentication, both changed", false, true, true, true, "authentication password"},
        {"wrong authentication, privacy changed", false, false, true, true, "authentication password"},
        {"wrong privacy, both changed", false, true, true, false, "privacy password"},
        {"wrong privacy, privacy changed", false, false, true, false, "privacy password"},
        {"own user, wrong authentication", true, true, false, true, "authentication password"},
        {"own user, wrong privacy", true, false, true, false, "privacy password"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        AdminSession();
        if (r.own) {
            QvSNMPSecurity &s = SessionParams().Security;
            s.SecurityName = q.user.name;
            s.AuthPassword = q.user.authPassword;
            s.PrivPassword = q.user.privPassword;
        }
        TUsmPasswordChange c{q.user.name, AUTHPROT_HMACSHA, PRIVPROT_AES128, r.changeAuth,
                             r.wrongAuth ? QStringLiteral("typo-auth-X") : q.user.authPassword,
                             QStringLiteral("typo-auth-2"), r.changePriv,
                             r.wrongAuth ? q.user.privPassword : QStringLiteral("typo-priv-X"),
                             QStringLiteral("typo-priv-2")};
        const TUsmOutcome o = Change(admin, c);
        EXPECT_FALSE(o.ok);
        EXPECT_TRUE(o.done.isEmpty()) << o.Report().toStdString();
        EXPECT_TRUE(o.error.contains(QLatin1String(r.words))) << o.Report().toStdString();
        // Nothing changed: the user still speaks with its old passwords.
        const TUsmOutcome still = Try(admin, q.user);
        EXPECT_TRUE(still.ok) << still.Report().toStdString();
        if (!still.ok)
            break;
    }
    AdminSession();
    EXPECT_TRUE(Delete(admin, q.user.name).ok);
}

TEST(UsmAdminLossy, CreateSurvivesALossyLink)
{
    const QString home = makeTempDir(QStringLiteral("usmlossy"));
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(home);
    BuildCatalogueLists();
    OpenGlobalSession(QString());
    {
        KmvSimProcess lossy({QStringLiteral("--scenario"), QStringLiteral("static"), QStringLiteral("--drop"),
                             QStringLiteral("30")});
        ASSERT_TRUE(lossy.isRunning()) << lossy.errorText().toStdString();
        KmvSimProcess *const saved = std::exchange(g_switch.sim, &lossy);
        AdminSession();
        SessionParams().Timeout = 30;
        SessionParams().Retries = 2;
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            TUsmAdmin admin;
            const TUsmNewUser q = NewUser(QStringLiteral("lossy%1").arg(i), QStringLiteral("lossy-auth-%1").arg(i),
                                          QStringLiteral("lossy-priv-%1").arg(i));
            const TUsmOutcome made = Create(admin, q);
            ASSERT_TRUE(made.ok) << made.Report().toStdString();
            // A request as the new user; only a time-out is worth a second try on this link.
            TUsmOutcome works;
            for (int k = 0; k < 5; ++k) {
                works = Try(admin, q.user);
                if (works.code != QVC_TIMEOUT)
                    break;
            }
            EXPECT_TRUE(works.ok) << works.Report().toStdString();
        }
        g_switch.sim = saved;
    }
    QDir::setCurrent(oldCwd);
    QDir(home).removeRecursively();
}
