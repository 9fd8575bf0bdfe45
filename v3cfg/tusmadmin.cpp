#include "tusmadmin.h"

#include "mibenums.h"
#include "mibtables.h"
#include "qvsnmpadapter.h"
#include "qvsnmpconvert.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest.h"
#include "qvsnmpsession.h"

namespace {

const QString UsmUserEntry = QStringLiteral("1.3.6.1.6.3.15.1.2.2.1");
const QString SecToGroupEntry = QStringLiteral("1.3.6.1.6.3.16.1.2.1");
const QString EngineIdOid = QStringLiteral("1.3.6.1.6.3.10.2.1.1");
const QString SysDescrOid = QStringLiteral("1.3.6.1.2.1.1.1");
const QString DecryptionErrorsOid = QStringLiteral("1.3.6.1.6.3.15.1.1.6");
const QString InParseErrorsOid = QStringLiteral("1.3.6.1.2.1.11.6");

// usmUserEntry columns.
enum UserColumn {
    ColSecurityName = 3,
    ColCloneFrom = 4,
    ColAuthProtocol = 5,
    ColAuthKeyChange = 6,
    ColOwnAuthKeyChange = 7,
    ColPrivProtocol = 8,
    ColPrivKeyChange = 9,
    ColOwnPrivKeyChange = 10,
    ColStatus = 13,
};

enum RowStatusValue { RS_ACTIVE = 1, RS_CREATEANDGO = 4, RS_CREATEANDWAIT = 5, RS_DESTROY = 6 };
constexpr qint32 UsmSecurityModel = 3;

QString OctetsIndex(const QByteArray &octets)
{
    QStringList parts{QString::number(octets.size())};
    for (char c : octets)
        parts << QString::number(quint8(c));
    return parts.join(QLatin1Char('.'));
}

// Text of one octet per character, as every value text holds it.
QByteArray Octets(const QString &text)
{
    return text.toLatin1();
}

// A walk over a catalogue table; rowFn sees the variable list of each row.
template <typename F>
void Walk(const QvSNMPVarDesc *table, int indexCount, F rowFn)
{
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars = QvSNMPVarList(table, MVT_FMV, indexCount);
    int rows = 0;
    // A switch that never ends its table must not keep the tool busy for ever.
    for (bool more = r.Read(true); more && rows < 10000; more = r.Read(false), ++rows)
        rowFn(r.vars);
}

QString StepFailure(const QvSNMPException &e)
{
    return TUsmAdmin::PlainFailure(e.code(), e.text());
}

} // namespace

QString TUsmOutcome::Report() const
{
    QStringList lines;
    if (ok)
        lines << (done.isEmpty() ? QStringLiteral("Done.") : done.join(QStringLiteral("; ")) + QLatin1Char('.'));
    else {
        lines << QStringLiteral("Failed: ") + error;
        lines << (done.isEmpty() ? QStringLiteral("Nothing was changed on the switch.")
                                 : QStringLiteral("Already done on the switch: ") + done.join(QStringLiteral("; "))
                                       + QLatin1Char('.'));
        if (!leftOnSwitch.isEmpty())
            lines << leftOnSwitch;
    }
    return lines.join(QLatin1Char('\n'));
}

QString TUsmAdmin::PasswordProblem(const QString &password)
{
    if (password.size() < MinPasswordLength)
        return QStringLiteral("A password must have at least %1 characters (RFC 3414 derives keys only from "
                              "passwords of 8 octets or more, so that they cannot be guessed easily).")
            .arg(MinPasswordLength);
    return QString();
}

QString TUsmAdmin::PlainFailure(int code, const QString &catalogueText)
{
    const char *plain = nullptr;
    switch (code) {
    case QVU_UNSUPPORTED_SEC_LEVEL: plain = "the user may not use this security level (unsupported security level)"; break;
    case QVU_UNKNOWN_SEC_NAME: plain = "the switch does not know this user (unknown user name)"; break;
    case QVU_DECRYPTION_ERROR: plain = "the privacy password or protocol is wrong (decryption error)"; break;
    case QVU_AUTHENTICATION_FAILURE: plain = "the authentication password or protocol is wrong (wrong digest)"; break;
    case QVU_UNKNOWN_ENGINE_ID: plain = "the switch does not know the engine ID used (unknown engine ID)"; break;
    case QVU_NOT_IN_TIME_WINDOW: plain = "the switch's clock and ours disagree (not in time window)"; break;
    case QVU_UNSUPPORTED_AUTH_PROTOCOL: plain = "this authentication protocol is not supported"; break;
    case QVU_UNSUPPORTED_PRIV_PROTOCOL: plain = "this privacy protocol is not supported"; break;
    case QVC_TIMEOUT: plain = "no answer from the switch (time-out)"; break;
    case QVE_SET_UNKNOWN: plain = "no answer from the switch: the change may have been applied"; break;
    default: break;
    }
    const QString text = catalogueText.isEmpty() ? QStringLiteral("error %1").arg(code) : catalogueText;
    return plain ? QLatin1String(plain) + QStringLiteral(" [") + text + QLatin1Char(']') : text;
}

QString TUsmAdmin::UserIndex(const QByteArray &engineId, const QString &name)
{
    return OctetsIndex(engineId) + QLatin1Char('.') + OctetsIndex(Octets(name));
}

bool TUsmAdmin::IsSessionUser(const QString &name)
{
    const QvSNMPSecurity &s = SessionParams().Security;
    return s.Version == SNMP_VERSION_V3 && s.SecurityName == name;
}

QByteArray TUsmAdmin::EngineId()
{
    if (!m_engineId.isEmpty())
        return m_engineId;
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars.itemType = SVT_SV;
    r.vars.AddVar(EngineIdOid, QStringLiteral("snmpEngineID"), SYN_OCTETSTR, ACC_READONLY);
    r.Read(true);
    const QString text = r.vars.Item(0).valueText;
    const QByteArray id = text == QvNullText ? QByteArray() : QvReadHex(text);
    if (id.isEmpty())
        throw QvSNMPException(-1, QStringLiteral("The switch does not tell its SNMPv3 engine ID."));
    m_engineId = id;
    return m_engineId;
}

QList<TUsmUser> TUsmAdmin::Users()
{
    const QByteArray engine = EngineId();
    QList<TUsmUser> users;
    Walk(UsmUserTableVars, 2, [&](QvSNMPVarList &v) {
        // Users of other engines (remote entries) are not this switch's own.
        if (QvReadHex(v.Item(0).valueText) != engine)
            return;
        TUsmUser u;
        u.name = v.Item(1).valueText;
        u.authOid = v.Item(ColAuthProtocol - 1).valueText;
        u.privOid = v.Item(ColPrivProtocol - 1).valueText;
        u.authProtocol = QvSNMPAdapter::AuthProtocolCode(u.authOid);
        u.privProtocol = QvSNMPAdapter::PrivProtocolCode(u.privOid);
        u.storage = v.Item(11).valueText;
        u.status = v.Item(12).valueText;
        users << u;
    });
    return users;
}

QList<TVacmMember> TUsmAdmin::Groups()
{
    QList<TVacmMember> list;
    Walk(VacmSecurityToGroupTableVars, 2, [&](QvSNMPVarList &v) {
        TVacmMember m;
        m.model = v.Item(0).valueText.toInt();
        m.securityName = v.Item(1).valueText;
        m.group = v.Item(2).valueText;
        m.storage = v.Item(3).valueText;
        m.status = v.Item(4).valueText;
        list << m;
    });
    return list;
}

QList<TVacmAccess> TUsmAdmin::Access()
{
    QList<TVacmAccess> list;
    Walk(VacmAccessTableVars, 4, [&](QvSNMPVarList &v) {
        TVacmAccess a;
        a.group = v.Item(0).valueText;
        a.contextPrefix = v.Item(1).valueText;
        a.model = v.Item(2).valueText.toInt();
        a.level = v.Item(3).valueText;
        a.match = v.Item(4).valueText;
        a.readView = v.Item(5).valueText;
        a.writeView = v.Item(6).valueText;
        a.notifyView = v.Item(7).valueText;
        a.status = v.Item(9).valueText;
        list << a;
    });
    return list;
}

QList<TVacmView> TUsmAdmin::Views()
{
    QList<TVacmView> list;
    Walk(ViewTreeFamilyTableVars, 2, [&](QvSNMPVarList &v) {
        TVacmView w;
        w.name = v.Item(0).valueText;
        w.subtree = v.Item(1).valueText;
        w.mask = QString::fromLatin1(Octets(v.Item(2).valueText).toHex(' '));
        w.type = v.Item(3).valueText;
        w.status = v.Item(5).valueText;
        list << w;
    });
    return list;
}

bool TUsmAdmin::UserExists(const QString &name, TUsmUser *found)
{
    for (const TUsmUser &u : Users()) {
        if (u.name == name) {
            if (found)
                *found = u;
            return true;
        }
    }
    return false;
}

void TUsmAdmin::SetUserColumns(const QString &name, const QList<QPair<int, QString>> &columns)
{
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars.itemType = MVT_SV;
    r.vars.instanceSuffix = UserIndex(EngineId(), name);
    for (const auto &[column, text] : columns) {
        const quint32 syntax = column == ColStatus ? SYN_INTEGER
                               : (column == ColCloneFrom || column == ColAuthProtocol || column == ColPrivProtocol)
                                   ? SYN_OBJECTID
                                   : SYN_OCTETSTR;
        r.vars.AddVar(UsmUserEntry + QLatin1Char('.') + QString::number(column), QString(), syntax, ACC_READWRITE)
            .valueText = text;
    }
    r.Write(false);
}

void TUsmAdmin::SetUserStatus(const QString &name, int status)
{
    SetUserColumns(name, {{ColStatus, QString::number(status)}});
}

TUsmOutcome TUsmAdmin::CreateUser(const TUsmNewUser &q)
{
    TUsmOutcome out;
    auto fail = [&out](const QString &why, int code = 0) {
        out.ok = false;
        out.error = why;
        out.code = code;
        return out;
    };
    const TUsmCredentials &u = q.user;
    const bool auth = u.authProtocol != AUTHPROT_NONE;
    const bool priv = u.privProtocol != PRIVPROT_NONE;
    if (u.name.isEmpty() || u.name.size() > 32)
        return fail(QStringLiteral("A user name has 1 to 32 characters."));
    if (priv && !auth)
        return fail(QStringLiteral("Privacy needs authentication: choose an authentication protocol."));
    if (auth && !QvSNMPAdapter::AuthProtocolSupported(u.authProtocol))
        return fail(QStringLiteral("This authentication protocol is not supported."));
    if (priv && !QvSNMPAdapter::PrivProtocolSupported(u.privProtocol))
        return fail(QStringLiteral("This privacy protocol is not supported."));
    for (const auto &[needed, pw, what] : {std::tuple{auth, u.authPassword, "authentication"},
                                            std::tuple{priv, u.privPassword, "privacy"}}) {
        if (needed && !PasswordProblem(pw).isEmpty())
            return fail(QStringLiteral("New %1 password: ").arg(QLatin1String(what)) + PasswordProblem(pw));
    }

    TUsmUser clone;
    QByteArray engine;
    try {
        engine = EngineId();
        if (UserExists(u.name))
            return fail(QStringLiteral("A user \"%1\" exists already.").arg(u.name));
        if (q.cloneFrom.isEmpty() || !UserExists(q.cloneFrom, &clone))
            return fail(QStringLiteral("The user to clone from, \"%1\", does not exist on the switch.").arg(q.cloneFrom));
    } catch (const QvSNMPException &e) {
        return fail(StepFailure(e), e.code());
    }
    // A clone passes on its protocols; the switch lets a new user only drop them, never change them.
    if (auth && clone.authProtocol != u.authProtocol)
        return fail(QStringLiteral("\"%1\" does not use the chosen authentication protocol; clone from a user "
                                   "that does.").arg(q.cloneFrom));
    if (priv && clone.privProtocol != u.privProtocol)
        return fail(QStringLiteral("\"%1\" does not use the chosen privacy protocol; clone from a user that does.")
                        .arg(q.cloneFrom));

    QByteArray authKc, privKc;
    if (auth) {
        const QByteArray oldKey = QvSNMPAdapter::LocalizedAuthKey(u.authProtocol, Octets(q.cloneAuthPassword), engine);
        const QByteArray newKey = QvSNMPAdapter::LocalizedAuthKey(u.authProtocol, Octets(u.authPassword), engine);
        authKc = QvSNMPAdapter::KeyChangeValue(u.authProtocol, oldKey, newKey);
        if (authKc.isEmpty())
            return fail(QStringLiteral("The authentication password of \"%1\" is needed to derive the new key.")
                            .arg(q.cloneFrom));
    }
    if (priv) {
        const QByteArray oldKey =
            QvSNMPAdapter::LocalizedPrivKey(u.authProtocol, u.privProtocol, Octets(q.clonePrivPassword), engine);
        const QByteArray newKey =
            QvSNMPAdapter::LocalizedPrivKey(u.authProtocol, u.privProtocol, Octets(u.privPassword), engine);
        privKc = QvSNMPAdapter::KeyChangeValue(u.authProtocol, oldKey, newKey);
        if (privKc.isEmpty())
            return fail(QStringLiteral("The privacy password of \"%1\" is needed to derive the new key.")
                            .arg(q.cloneFrom));
    }

    const QString cloneOid = UsmUserEntry + QStringLiteral(".%1.").arg(int(ColSecurityName))
                             + UserIndex(engine, q.cloneFrom);
    bool rowMade = false;
    try {
        Step(QStringLiteral("clone"));
        SetUserColumns(u.name, {{ColStatus, QString::number(RS_CREATEANDWAIT)}, {ColCloneFrom, cloneOid}});
        rowMade = true;
        out.done << QStringLiteral("user \"%1\" made as a copy of \"%2\" (not yet active)").arg(u.name, q.cloneFrom);
        // Privacy goes before authentication: the switch refuses a user with privacy but no authentication.
        if (!priv && clone.privProtocol != PRIVPROT_NONE) {
            Step(QStringLiteral("protocols"));
            SetUserColumns(u.name, {{ColPrivProtocol, QvSNMPAdapter::PrivProtocolOid(PRIVPROT_NONE)}});
            out.done << QStringLiteral("privacy turned off");
        }
        if (!auth && clone.authProtocol != AUTHPROT_NONE) {
            Step(QStringLiteral("protocols"));
            SetUserColumns(u.name, {{ColAuthProtocol, QvSNMPAdapter::AuthProtocolOid(AUTHPROT_NONE)}});
            out.done << QStringLiteral("authentication turned off");
        }
        if (auth) {
            Step(QStringLiteral("auth key"));
            SetUserColumns(u.name, {{ColAuthKeyChange, QvHexText(authKc)}});
            out.done << QStringLiteral("authentication key set");
        }
        if (priv) {
            Step(QStringLiteral("priv key"));
            SetUserColumns(u.name, {{ColPrivKeyChange, QvHexText(privKc)}});
            out.done << QStringLiteral("privacy key set");
        }
        Step(QStringLiteral("activate"));
        SetUserStatus(u.name, RS_ACTIVE);
        out.done << QStringLiteral("user activated");
    } catch (const QvSNMPException &e) {
        fail(StepFailure(e), e.code());
        if (rowMade)
            Unmake(u.name, out);
        return out;
    }

    // The switch cannot check a KeyChange: a wrong clone password only shows when the user speaks.
    if (auth) {
        Step(QStringLiteral("verify"));
        const TUsmOutcome probe = TestCredentials(u);
        if (!probe.ok && IsCredentialFailure(probe.code)) {
            fail(QStringLiteral("the new user is not accepted with its passwords (%1); the password given for "
                                "\"%2\" is probably wrong").arg(probe.error, q.cloneFrom),
                 probe.code);
            Unmake(u.name, out);
            return out;
        }
        out.done << QStringLiteral("its passwords checked");
    }

    if (!q.group.isEmpty()) {
        try {
            Step(QStringLiteral("group"));
            QvSNMPRequest r;
            r.LoadSessionParams();
            r.vars.itemType = MVT_SV;
            r.vars.instanceSuffix = QStringLiteral("%1.").arg(UsmSecurityModel) + OctetsIndex(Octets(u.name));
            r.vars.AddVar(SecToGroupEntry + QStringLiteral(".3"), QString(), SYN_DISPLAYSTR, ACC_READWRITE).valueText =
                q.group;
            r.vars.AddVar(SecToGroupEntry + QStringLiteral(".5"), QString(), SYN_INTEGER, ACC_READWRITE).valueText =
                QString::number(RS_CREATEANDGO);
            r.Write(false);
            out.done << QStringLiteral("put into group \"%1\"").arg(q.group);
        } catch (const QvSNMPException &e) {
            fail(QStringLiteral("the group entry could not be made: ") + StepFailure(e), e.code());
            out.leftOnSwitch = QStringLiteral("The user \"%1\" is active but in no group, so the switch gives it no "
                                              "access yet.").arg(u.name);
        }
    }
    return out;
}

bool TUsmAdmin::IsCredentialFailure(int code)
{
    return (code <= QVU_ERROR && code >= QVU_ADDRESS_ERROR) || code == QVC_TIMEOUT;
}

void TUsmAdmin::Unmake(const QString &name, TUsmOutcome &out)
{
    // Half a user is worse than none: take the row away again, and say whether that worked.
    try {
        SetUserStatus(name, RS_DESTROY);
        out.leftOnSwitch = QStringLiteral("The unfinished user \"%1\" was removed again.").arg(name);
    } catch (const QvSNMPException &e) {
        out.leftOnSwitch = QStringLiteral("The unfinished user \"%1\" is still on the switch (its removal failed: "
                                          "%2); delete it before trying again.")
                               .arg(name, StepFailure(e));
    }
}

TUsmOutcome TUsmAdmin::ChangePasswords(const TUsmPasswordChange &q)
{
    TUsmOutcome out;
    auto fail = [&out](const QString &why, int code = 0) {
        out.ok = false;
        out.error = why;
        out.code = code;
        return out;
    };
    if (!q.changeAuth && !q.changePriv)
        return fail(QStringLiteral("Nothing to change."));
    if (q.changeAuth && !PasswordProblem(q.newAuthPassword).isEmpty())
        return fail(QStringLiteral("New authentication password: ") + PasswordProblem(q.newAuthPassword));
    if (q.changePriv && !PasswordProblem(q.newPrivPassword).isEmpty())
        return fail(QStringLiteral("New privacy password: ") + PasswordProblem(q.newPrivPassword));
    if (q.changeAuth && q.authProtocol == AUTHPROT_NONE)
        return fail(QStringLiteral("\"%1\" uses no authentication.").arg(q.name));
    if (q.changePriv && q.privProtocol == PRIVPROT_NONE)
        return fail(QStringLiteral("\"%1\" uses no privacy.").arg(q.name));
    const bool own = IsSessionUser(q.name);
    try {
        const QByteArray engine = EngineId();
        if (q.changeAuth) {
            const QByteArray kc = QvSNMPAdapter::KeyChangeValue(
                q.authProtocol, QvSNMPAdapter::LocalizedAuthKey(q.authProtocol, Octets(q.oldAuthPassword), engine),
                QvSNMPAdapter::LocalizedAuthKey(q.authProtocol, Octets(q.newAuthPassword), engine));
            if (kc.isEmpty())
                return fail(QStringLiteral("The current authentication password is needed."));
            Step(QStringLiteral("auth key"));
            SetUserColumns(q.name, {{own ? ColOwnAuthKeyChange : ColAuthKeyChange, QvHexText(kc)}});
            out.done << QStringLiteral("authentication password of \"%1\" changed").arg(q.name);
            // From now on the switch knows this session's user only by the new password.
            if (own)
                SessionParams().Security.AuthPassword = q.newAuthPassword;
        }
        if (q.changePriv) {
            const QByteArray kc = QvSNMPAdapter::KeyChangeValue(
                q.authProtocol,
                QvSNMPAdapter::LocalizedPrivKey(q.authProtocol, q.privProtocol, Octets(q.oldPrivPassword), engine),
                QvSNMPAdapter::LocalizedPrivKey(q.authProtocol, q.privProtocol, Octets(q.newPrivPassword), engine));
            if (kc.isEmpty())
                return fail(QStringLiteral("The current privacy password is needed."));
            Step(QStringLiteral("priv key"));
            SetUserColumns(q.name, {{own ? ColOwnPrivKeyChange : ColPrivKeyChange, QvHexText(kc)}});
            out.done << QStringLiteral("privacy password of \"%1\" changed").arg(q.name);
            if (own)
                SessionParams().Security.PrivPassword = q.newPrivPassword;
        }
    } catch (const QvSNMPException &e) {
        fail(StepFailure(e), e.code());
        if (e.code() == QVC_TIMEOUT || e.code() == QVE_SET_UNKNOWN)
            out.leftOnSwitch = QStringLiteral("Without an answer it is unknown whether the switch took the last new "
                                              "key: try the old and the new password with \"Try these credentials\".");
        return out;
    }
    // As with a new user, a wrong current password only shows when the user speaks.
    TUsmCredentials c;
    c.name = q.name;
    c.authProtocol = q.authProtocol;
    c.privProtocol = q.privProtocol;
    c.level = q.privProtocol != PRIVPROT_NONE ? SECLEVEL_AUTH_PRIV : SECLEVEL_AUTH_NOPRIV;
    c.authPassword = q.changeAuth ? q.newAuthPassword : q.oldAuthPassword;
    c.privPassword = q.changePriv ? q.newPrivPassword : q.oldPrivPassword;
    if (c.authPassword.isEmpty() || (c.level == SECLEVEL_AUTH_PRIV && c.privPassword.isEmpty()))
        return out;
    const TUsmOutcome probe = TestCredentials(c);
    if (!probe.ok && IsCredentialFailure(probe.code)) {
        fail(QStringLiteral("the switch does not accept the new passwords (%1)").arg(probe.error), probe.code);
        out.leftOnSwitch = QStringLiteral("The current password given was probably wrong, so \"%1\" now has a key "
                                          "nobody knows: delete it and create it again.").arg(q.name);
    } else {
        out.done << QStringLiteral("new passwords checked");
    }
    return out;
}

TUsmOutcome TUsmAdmin::DeleteUser(const QString &name)
{
    TUsmOutcome out;
    if (IsSessionUser(name)) {
        out.ok = false;
        out.error = QStringLiteral("\"%1\" is the user this tool speaks as; it cannot delete itself.").arg(name);
        return out;
    }
    try {
        if (!UserExists(name)) {
            out.ok = false;
            out.error = QStringLiteral("The switch has no user \"%1\".").arg(name);
            return out;
        }
        SetUserStatus(name, RS_DESTROY);
        out.done << QStringLiteral("user \"%1\" deleted").arg(name);
        for (const TVacmMember &m : Groups()) {
            if (m.model != UsmSecurityModel || m.securityName != name)
                continue;
            QvSNMPRequest r;
            r.LoadSessionParams();
            r.vars.itemType = MVT_SV;
            r.vars.instanceSuffix = QStringLiteral("%1.").arg(UsmSecurityModel) + OctetsIndex(Octets(name));
            r.vars.AddVar(SecToGroupEntry + QStringLiteral(".5"), QString(), SYN_INTEGER, ACC_READWRITE).valueText =
                QString::number(RS_DESTROY);
            r.Write(false);
            out.done << QStringLiteral("its group entry (\"%1\") deleted").arg(m.group);
        }
    } catch (const QvSNMPException &e) {
        out.ok = false;
        out.code = e.code();
        out.error = StepFailure(e);
    }
    return out;
}

TUsmOutcome TUsmAdmin::TestCredentials(const TUsmCredentials &c)
{
    TUsmOutcome out;
    // The switch drops a message it cannot decrypt; a wrong privacy key mostly decrypts to garbage
    // that fails to parse. Its counters of both tell that case apart from a silent switch.
    auto decryptionErrors = [] {
        try {
            QvSNMPRequest r;
            r.LoadSessionParams();
            r.vars.itemType = SVT_SV;
            r.vars.AddVar(DecryptionErrorsOid, QString(), SYN_COUNTER, ACC_READONLY);
            r.vars.AddVar(InParseErrorsOid, QString(), SYN_COUNTER, ACC_READONLY);
            r.Read(true);
            bool ok1 = false, ok2 = false;
            const qint64 n = r.vars.Item(0).valueText.toLongLong(&ok1) + r.vars.Item(1).valueText.toLongLong(&ok2);
            return ok1 && ok2 ? n : qint64(-1);
        } catch (const QvSNMPException &) {
            return qint64(-1);
        }
    };
    const qint64 before = c.level >= SECLEVEL_AUTH_PRIV ? decryptionErrors() : -1;
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.version = SNMP_VERSION_V3;
    r.securityModel = SECMODEL_USM;
    r.securityName = c.name;
    r.securityLevel = c.level;
    r.authProtocol = c.level >= SECLEVEL_AUTH_NOPRIV ? c.authProtocol : AUTHPROT_NONE;
    r.authPassword = c.level >= SECLEVEL_AUTH_NOPRIV ? c.authPassword : QString();
    r.privProtocol = c.level >= SECLEVEL_AUTH_PRIV ? c.privProtocol : PRIVPROT_NONE;
    r.privPassword = c.level >= SECLEVEL_AUTH_PRIV ? c.privPassword : QString();
    r.vars.itemType = SVT_SV;
    r.vars.AddVar(SysDescrOid, QStringLiteral("sysDescr"), SYN_DISPLAYSTR, ACC_READONLY);
    try {
        r.Read(true);
        out.done << QStringLiteral("\"%1\" works: sysDescr is \"%2\"").arg(c.name, r.vars.Item(0).valueText);
    } catch (const QvSNMPException &e) {
        out.ok = false;
        out.code = e.code();
        out.error = StepFailure(e);
        if (e.code() == QVC_TIMEOUT && before >= 0) {
            const qint64 after = decryptionErrors();
            if (after > before) {
                out.code = QVU_DECRYPTION_ERROR;
                out.error = PlainFailure(QVU_DECRYPTION_ERROR, QStringLiteral("the switch counted a decryption error and dropped the "
                                                              "request"));
            }
        }
    }
    return out;
}
