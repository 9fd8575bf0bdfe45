#include "tusmadmin.h"

#include "mibenums.h"
#include "mibtables.h"
#include "qvsnmpadapter.h"
#include "qvsnmpconvert.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest.h"
#include "qvsnmpsession.h"

#include <QPointer>

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
        lines << (failedStep.isEmpty() ? QStringLiteral("Failed: ")
                                       : QStringLiteral("Failed at step \"%1\": ").arg(failedStep))
                     + error;
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

bool TUsmAdmin::SessionInClear()
{
    return SessionParams().Security.Version != SNMP_VERSION_V3;
}

int TUsmAdmin::WaitLimitMs()
{
    const QvSNMPSessionParams &p = SessionParams();
    return qMax(p.Timeout, 1) * 10 * (qMax(p.Retries, 0) + 1);
}

bool TUsmAdmin::IsCredentialFailure(int code)
{
    return (code <= QVU_ERROR && code >= QVU_ADDRESS_ERROR) || code == QVC_TIMEOUT;
}

// ---- running operations -------------------------------------------------------------------

struct TUsmAdmin::Running {
    int id = 0;
    std::shared_ptr<void> task;    // destroying it ends the operation where it stands
    std::function<void()> deliver; // hands the result to the caller
};

namespace {

void SetFailure(TUsmOutcome &out, int code, const QString &why)
{
    out.ok = false;
    out.code = code;
    out.error = why;
}
void SetFailure(TUsmTables &t, int code, const QString &why) { SetFailure(t.outcome, code, why); }

} // namespace

TUsmAdmin::~TUsmAdmin()
{
    Cancel();
}

template <typename T>
void TUsmAdmin::Run(TUsmTask<T> task, std::function<void(T)> done)
{
    auto *r = new Running;
    r->id = m_nextId++;
    auto t = std::make_shared<TUsmTask<T>>(std::move(task));
    r->task = t;
    r->deliver = [t, done] {
        T result{};
        try {
            result = t->Result();
        } catch (const QvSNMPException &e) {
            SetFailure(result, e.code(), StepFailure(e));
        } catch (const std::exception &e) {
            SetFailure(result, -1, QString::fromLatin1(e.what()));
        }
        if (done)
            done(result);
    };
    m_running.append(r);
    // The task finishes inside its last step: the caller hears of it from the event loop.
    std::weak_ptr<TUsmTask<T>> alive = t;
    const int id = r->id;
    t->Start([this, alive, id] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this, alive, id] {
                if (!alive.expired())
                    Finish(id);
            },
            Qt::QueuedConnection);
    });
}

void TUsmAdmin::Finish(int id)
{
    for (int i = 0; i < m_running.size(); ++i) {
        if (m_running.at(i)->id != id)
            continue;
        std::unique_ptr<Running> r(m_running.takeAt(i));
        try {
            r->deliver();
        } catch (...) {
        }
        return;
    }
}

void TUsmAdmin::Cancel()
{
    // Destroying a task destroys its requests, which cancel their sends.
    const QList<Running *> running = std::exchange(m_running, {});
    for (Running *r : running)
        delete r;
}

void TUsmAdmin::ReadTables(std::function<void(const TUsmTables &)> done)
{
    Run<TUsmTables>(Tables(), [done](TUsmTables t) { done(t); });
}

void TUsmAdmin::CreateUser(const TUsmNewUser &request, Done done)
{
    Run<TUsmOutcome>(Create(request), [done](TUsmOutcome o) { done(o); });
}

void TUsmAdmin::ChangePasswords(const TUsmPasswordChange &request, Done done)
{
    Run<TUsmOutcome>(Rekey(request), [done](TUsmOutcome o) { done(o); });
}

void TUsmAdmin::DeleteUser(const QString &name, Done done)
{
    Run<TUsmOutcome>(Delete(name), [done](TUsmOutcome o) { done(o); });
}

void TUsmAdmin::TestCredentials(const TUsmCredentials &credentials, Done done)
{
    Run<TUsmOutcome>(Test(credentials), [done](TUsmOutcome o) { done(o); });
}

// ---- exchanges ----------------------------------------------------------------------------

TUsmTask<QvSNMPError> TUsmAdmin::Exchange(QvSNMPRequest *r, bool write, bool first, int attempts)
{
    QvSNMPError e;
    for (int a = 0; a < attempts; ++a) {
        if (write)
            e = co_await SnmpWrite(*r);
        else
            e = co_await SnmpRead(*r, first);
        if (Answered)
            Answered();
        // Only a read is asked again: it changes nothing on the switch.
        if (write || e.code != QVC_TIMEOUT)
            break;
    }
    co_return e;
}

TUsmTask<bool> TUsmAdmin::Walk(const QvSNMPVarDesc *table, int indexCount, std::function<void(QvSNMPVarList &)> rowFn)
{
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars = QvSNMPVarList(table, MVT_FMV, indexCount);
    auto next = [&](bool first) -> TUsmTask<bool> {
        const QvSNMPError e = co_await Exchange(&r, false, first, StepAttempts);
        if (e.code != 0)
            throw QvSNMPException(e.code, e.text);
        co_return !e.finished;
    };
    int rows = 0;
    bool more = co_await next(true);
    // A switch that never ends its table must not keep the tool busy for ever.
    while (more && rows < 10000) {
        rowFn(r.vars);
        more = co_await next(false);
        ++rows;
    }
    co_return true;
}

TUsmTask<QByteArray> TUsmAdmin::EngineId()
{
    if (!m_engineId.isEmpty())
        co_return m_engineId;
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars.itemType = SVT_SV;
    r.vars.AddVar(EngineIdOid, QStringLiteral("snmpEngineID"), SYN_OCTETSTR, ACC_READONLY);
    const QvSNMPError e = co_await Exchange(&r, false, true, StepAttempts);
    if (e.code != 0)
        throw QvSNMPException(e.code, e.text);
    const QString text = r.vars.Item(0).valueText;
    const QByteArray id = text == QvNullText ? QByteArray() : QvReadHex(text);
    if (id.isEmpty())
        throw QvSNMPException(-1, QStringLiteral("The switch does not tell its SNMPv3 engine ID."));
    m_engineId = id;
    co_return m_engineId;
}

// ---- tables -------------------------------------------------------------------------------

TUsmTask<QList<TUsmUser>> TUsmAdmin::Users()
{
    const QByteArray engine = co_await EngineId();
    QList<TUsmUser> users;
    const std::function<void(QvSNMPVarList &)> row = [&](QvSNMPVarList &v) {
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
    };
    co_await Walk(UsmUserTableVars, 2, row);
    co_return users;
}

TUsmTask<QList<TVacmMember>> TUsmAdmin::Groups()
{
    QList<TVacmMember> list;
    const std::function<void(QvSNMPVarList &)> row = [&](QvSNMPVarList &v) {
        TVacmMember m;
        m.model = v.Item(0).valueText.toInt();
        m.securityName = v.Item(1).valueText;
        m.group = v.Item(2).valueText;
        m.storage = v.Item(3).valueText;
        m.status = v.Item(4).valueText;
        list << m;
    };
    co_await Walk(VacmSecurityToGroupTableVars, 2, row);
    co_return list;
}

TUsmTask<QList<TVacmAccess>> TUsmAdmin::Access()
{
    QList<TVacmAccess> list;
    const std::function<void(QvSNMPVarList &)> row = [&](QvSNMPVarList &v) {
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
    };
    co_await Walk(VacmAccessTableVars, 4, row);
    co_return list;
}

TUsmTask<QList<TVacmView>> TUsmAdmin::Views()
{
    QList<TVacmView> list;
    const std::function<void(QvSNMPVarList &)> row = [&](QvSNMPVarList &v) {
        TVacmView w;
        w.name = v.Item(0).valueText;
        w.subtree = v.Item(1).valueText;
        w.mask = QString::fromLatin1(Octets(v.Item(2).valueText).toHex(' '));
        w.type = v.Item(3).valueText;
        w.status = v.Item(5).valueText;
        list << w;
    };
    co_await Walk(ViewTreeFamilyTableVars, 2, row);
    co_return list;
}

TUsmTask<TUsmTables> TUsmAdmin::Tables()
{
    TUsmTables t;
    QString step = QStringLiteral("read users");
    try {
        t.users = co_await Users();
        step = QStringLiteral("read groups");
        t.groups = co_await Groups();
        step = QStringLiteral("read access entries");
        t.access = co_await Access();
        step = QStringLiteral("read views");
        t.views = co_await Views();
    } catch (const QvSNMPException &e) {
        SetFailure(t.outcome, e.code(), StepFailure(e));
        t.outcome.failedStep = step;
    }
    co_return t;
}

TUsmTask<bool> TUsmAdmin::UserExists(QString name, TUsmUser *found)
{
    const QList<TUsmUser> users = co_await Users();
    for (const TUsmUser &u : users) {
        if (u.name == name) {
            if (found)
                *found = u;
            co_return true;
        }
    }
    co_return false;
}

// ---- writes and their checks --------------------------------------------------------------

TUsmTask<bool> TUsmAdmin::CheckedWrite(QvSNMPRequest *r, bool once, std::function<TUsmTask<Applied>()> check)
{
    // A write that must not take effect twice goes without the engine's blind resends; each
    // attempt after a lost answer is decided by the check.
    int attempts = 1;
    if (once) {
        attempts = (qMax(r->retries, 0) + 1) * StepAttempts;
        r->retries = 0;
    } else if (check) {
        attempts = StepAttempts;
    }
    QvSNMPError e;
    for (int a = 0; a < attempts; ++a) {
        e = co_await Exchange(r, true, false, 1);
        if (e.code != QVE_SET_UNKNOWN || !check)
            break;
        const Applied applied = co_await check();
        if (applied == Applied::Yes) {
            e.code = 0;
            break;
        }
        if (applied == Applied::Unknown)
            break;
    }
    if (e.code != 0)
        throw QvSNMPException(e.code, e.text);
    co_return true;
}

TUsmTask<bool> TUsmAdmin::SetUserColumns(QString name, QList<QPair<int, QString>> columns, bool once,
                                         std::function<TUsmTask<Applied>()> check)
{
    const QByteArray engine = co_await EngineId();
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars.itemType = MVT_SV;
    r.vars.instanceSuffix = UserIndex(engine, name);
    for (const auto &[column, text] : columns) {
        const quint32 syntax = column == ColStatus ? SYN_INTEGER
                               : (column == ColCloneFrom || column == ColAuthProtocol || column == ColPrivProtocol)
                                   ? SYN_OBJECTID
                                   : SYN_OCTETSTR;
        r.vars.AddVar(UsmUserEntry + QLatin1Char('.') + QString::number(column), QString(), syntax, ACC_READWRITE)
            .valueText = text;
    }
    co_return co_await CheckedWrite(&r, once, check);
}

TUsmTask<bool> TUsmAdmin::SetGroupColumns(QString name, QList<QPair<int, QString>> columns, bool once,
                                          std::function<TUsmTask<Applied>()> check)
{
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars.itemType = MVT_SV;
    r.vars.instanceSuffix = QStringLiteral("%1.").arg(UsmSecurityModel) + OctetsIndex(Octets(name));
    for (const auto &[column, text] : columns)
        r.vars.AddVar(SecToGroupEntry + QLatin1Char('.') + QString::number(column), QString(),
                      column == 3 ? SYN_DISPLAYSTR : SYN_INTEGER, ACC_READWRITE)
            .valueText = text;
    co_return co_await CheckedWrite(&r, once, check);
}

TUsmTask<QString> TUsmAdmin::ReadColumn(QString name, bool group, int column, quint32 syntax)
{
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars.itemType = MVT_SV;
    if (group) {
        r.vars.instanceSuffix = QStringLiteral("%1.").arg(UsmSecurityModel) + OctetsIndex(Octets(name));
        r.vars.AddVar(SecToGroupEntry + QLatin1Char('.') + QString::number(column), QString(), syntax, ACC_READWRITE);
    } else {
        const QByteArray engine = co_await EngineId();
        r.vars.instanceSuffix = UserIndex(engine, name);
        r.vars.AddVar(UsmUserEntry + QLatin1Char('.') + QString::number(column), QString(), syntax, ACC_READWRITE);
    }
    const QvSNMPError e = co_await Exchange(&r, false, true, StepAttempts);
    if (e.code == QVA_NO_SUCH_NAME)
        co_return QvNullText;  // SNMPv1: no such row
    if (e.code != 0)
        throw QvSNMPException(e.code, e.text);
    co_return r.vars.Item(0).valueText;
}

TUsmTask<TUsmAdmin::Applied> TUsmAdmin::RowCheck(QString name, bool group, RowWanted wanted)
{
    QString text;
    try {
        text = co_await ReadColumn(name, group, group ? 5 : ColStatus, SYN_INTEGER);
    } catch (const QvSNMPException &) {
        co_return Applied::Unknown;
    }
    const int status = text == QvNullText ? 0 : text.toInt();
    const bool yes = wanted == RowWanted::Present ? status > 0
                     : wanted == RowWanted::Absent ? status == 0
                                                   : status == RS_ACTIVE;
    if (yes)
        co_return Applied::Yes;
    // Activating a row that is not there cannot succeed by sending again.
    co_return wanted == RowWanted::Active && status == 0 ? Applied::Unknown : Applied::No;
}

TUsmTask<TUsmAdmin::Applied> TUsmAdmin::ColumnCheck(QString name, int column, QString wanted)
{
    QString text;
    try {
        text = co_await ReadColumn(name, false, column, SYN_OBJECTID);
    } catch (const QvSNMPException &) {
        co_return Applied::Unknown;
    }
    co_return text.endsWith(wanted) ? Applied::Yes : Applied::No;
}

TUsmTask<TUsmAdmin::Applied> TUsmAdmin::KeyChanged(TUsmCredentials now, TUsmCredentials before)
{
    // The new key first: once it works, sending the change again would spoil it.
    const Accepted withNew = co_await Accepts(now);
    if (withNew == Accepted::Yes)
        co_return Applied::Yes;
    const Accepted withOld = co_await Accepts(before);
    if (withOld == Accepted::Yes)
        co_return Applied::No;
    co_return Applied::Unknown;
}

TUsmTask<TUsmAdmin::Accepted> TUsmAdmin::Accepts(TUsmCredentials c)
{
    const TUsmOutcome probe = co_await Probe(c);
    if (probe.ok || !IsCredentialFailure(probe.code))
        co_return Accepted::Yes;
    co_return probe.code == QVC_TIMEOUT ? Accepted::Unknown : Accepted::No;
}

// ---- probes -------------------------------------------------------------------------------

TUsmTask<qint64> TUsmAdmin::DecryptionErrors()
{
    QvSNMPRequest r;
    r.LoadSessionParams();
    r.vars.itemType = SVT_SV;
    r.vars.AddVar(DecryptionErrorsOid, QString(), SYN_COUNTER, ACC_READONLY);
    r.vars.AddVar(InParseErrorsOid, QString(), SYN_COUNTER, ACC_READONLY);
    const QvSNMPError e = co_await Exchange(&r, false, true, 1);
    if (e.code != 0)
        co_return -1;
    bool ok1 = false, ok2 = false;
    const qint64 n = r.vars.Item(0).valueText.toLongLong(&ok1) + r.vars.Item(1).valueText.toLongLong(&ok2);
    co_return ok1 && ok2 ? n : qint64(-1);
}

TUsmTask<TUsmOutcome> TUsmAdmin::Test(TUsmCredentials c)
{
    TUsmOutcome out;
    // The switch drops a message it cannot decrypt; a wrong privacy key mostly decrypts to garbage
    // that fails to parse. Its counters of both tell that case apart from a silent switch.
    qint64 before = -1;
    if (c.level >= SECLEVEL_AUTH_PRIV)
        before = co_await DecryptionErrors();
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
    const QvSNMPError e = co_await Exchange(&r, false, true, 1);
    if (e.code == 0) {
        out.done << QStringLiteral("\"%1\" works: sysDescr is \"%2\"").arg(c.name, r.vars.Item(0).valueText);
        co_return out;
    }
    SetFailure(out, e.code, PlainFailure(e.code, e.text));
    if (e.code == QVC_TIMEOUT && before >= 0) {
        const qint64 after = co_await DecryptionErrors();
        if (after > before)
            SetFailure(out, QVU_DECRYPTION_ERROR,
                       PlainFailure(QVU_DECRYPTION_ERROR,
                                    QStringLiteral("the switch counted a decryption error and dropped the request")));
    }
    co_return out;
}

TUsmTask<TUsmOutcome> TUsmAdmin::Probe(TUsmCredentials c)
{
    TUsmOutcome out;
    // A lost request proves nothing either way: ask again.
    for (int a = 0; a < StepAttempts; ++a) {
        out = co_await Test(c);
        if (out.code != QVC_TIMEOUT)
            break;
    }
    co_return out;
}

// ---- operations ---------------------------------------------------------------------------

namespace {

// Column lists are made outside the steps (a braced list in a suspended step trips the compiler).
QList<QPair<int, QString>> Cols(int column, const QString &text)
{
    return {{column, text}};
}
QList<QPair<int, QString>> Cols(int c1, const QString &t1, int c2, const QString &t2)
{
    return {{c1, t1}, {c2, t2}};
}

bool LeaveReport(const QString &name, const QString &failure, TUsmOutcome *out)
{
    if (failure.isEmpty())
        out->leftOnSwitch = QStringLiteral("The unfinished user \"%1\" was removed again.").arg(name);
    else
        out->leftOnSwitch = QStringLiteral("The unfinished user \"%1\" is still on the switch (its removal failed: "
                                           "%2); delete it before trying again.")
                                .arg(name, failure);
    return failure.isEmpty();
}

} // namespace

TUsmTask<bool> TUsmAdmin::Unmake(QString name, TUsmOutcome *out)
{
    // Half a user is worse than none: take the row away again, and say whether that worked.
    QString failure;
    try {
        const CheckFn checkGone = [this, name] { return RowCheck(name, false, RowWanted::Absent); };
        co_await SetUserColumns(name, Cols(ColStatus, QString::number(RS_DESTROY)), false, checkGone);
    } catch (const QvSNMPException &e) {
        failure = StepFailure(e);
    }
    co_return LeaveReport(name, failure, out);
}

TUsmTask<bool> TUsmAdmin::Resend(QString name, int column, QByteArray kc, TUsmCredentials now,
                                 TUsmCredentials before)
{
    // The new key first, then the clone's: a change that did not take effect goes again.
    const Applied applied = co_await KeyChanged(now, before);
    if (applied == Applied::Unknown)
        throw QvSNMPException(QVE_SET_UNKNOWN, QvErrorText(QVE_SET_UNKNOWN));
    if (applied == Applied::No) {
        const CheckFn checkKey = [this, now, before] { return KeyChanged(now, before); };
        co_await SetUserColumns(name, Cols(column, QvHexText(kc)), true, checkKey);
    }
    co_return true;
}

TUsmTask<TUsmOutcome> TUsmAdmin::Create(TUsmNewUser q)
{
    TUsmOutcome out;
    auto fail = [&out](const QString &why, int code = 0) {
        SetFailure(out, code, why);
        return out;
    };
    const TUsmCredentials u = q.user;
    const bool auth = u.authProtocol != AUTHPROT_NONE;
    const bool priv = u.privProtocol != PRIVPROT_NONE;
    if (u.name.isEmpty() || u.name.size() > 32)
        co_return fail(QStringLiteral("A user name has 1 to 32 characters."));
    if (priv && !auth)
        co_return fail(QStringLiteral("Privacy needs authentication: choose an authentication protocol."));
    if (auth && !QvSNMPAdapter::AuthProtocolSupported(u.authProtocol))
        co_return fail(QStringLiteral("This authentication protocol is not supported."));
    if (priv && !QvSNMPAdapter::PrivProtocolSupported(u.privProtocol))
        co_return fail(QStringLiteral("This privacy protocol is not supported."));
    if (auth && !PasswordProblem(u.authPassword).isEmpty())
        co_return fail(QStringLiteral("New authentication password: ") + PasswordProblem(u.authPassword));
    if (priv && !PasswordProblem(u.privPassword).isEmpty())
        co_return fail(QStringLiteral("New privacy password: ") + PasswordProblem(u.privPassword));

    TUsmUser clone;
    QByteArray engine;
    QString step = QStringLiteral("read users");
    bool exists = false, cloneFound = false;
    try {
        engine = co_await EngineId();
        exists = co_await UserExists(u.name, nullptr);
        if (!exists && !q.cloneFrom.isEmpty())
            cloneFound = co_await UserExists(q.cloneFrom, &clone);
    } catch (const QvSNMPException &e) {
        fail(StepFailure(e), e.code());
        out.failedStep = step;
        co_return out;
    }
    if (exists)
        co_return fail(QStringLiteral("A user \"%1\" exists already.").arg(u.name));
    if (!cloneFound)
        co_return fail(QStringLiteral("The user to clone from, \"%1\", does not exist on the switch.").arg(q.cloneFrom));
    // A clone passes on its protocols; the switch lets a new user only drop them, never change them.
    if (auth && clone.authProtocol != u.authProtocol)
        co_return fail(QStringLiteral("\"%1\" does not use the chosen authentication protocol; clone from a user "
                                      "that does.").arg(q.cloneFrom));
    if (priv && clone.privProtocol != u.privProtocol)
        co_return fail(QStringLiteral("\"%1\" does not use the chosen privacy protocol; clone from a user that does.")
                           .arg(q.cloneFrom));

    QByteArray authKc, privKc;
    if (auth) {
        const QByteArray oldKey = QvSNMPAdapter::LocalizedAuthKey(u.authProtocol, Octets(q.cloneAuthPassword), engine);
        const QByteArray newKey = QvSNMPAdapter::LocalizedAuthKey(u.authProtocol, Octets(u.authPassword), engine);
        authKc = QvSNMPAdapter::KeyChangeValue(u.authProtocol, oldKey, newKey);
        if (authKc.isEmpty())
            co_return fail(QStringLiteral("The authentication password of \"%1\" is needed to derive the new key.")
                               .arg(q.cloneFrom));
    }
    if (priv) {
        const QByteArray oldKey =
            QvSNMPAdapter::LocalizedPrivKey(u.authProtocol, u.privProtocol, Octets(q.clonePrivPassword), engine);
        const QByteArray newKey =
            QvSNMPAdapter::LocalizedPrivKey(u.authProtocol, u.privProtocol, Octets(u.privPassword), engine);
        privKc = QvSNMPAdapter::KeyChangeValue(u.authProtocol, oldKey, newKey);
        if (privKc.isEmpty())
            co_return fail(QStringLiteral("The privacy password of \"%1\" is needed to derive the new key.")
                               .arg(q.cloneFrom));
    }

    // The credentials that tell whether a key change took effect (the clone's passwords before).
    TUsmCredentials authNew{u.name, SECLEVEL_AUTH_NOPRIV, u.authProtocol, u.authPassword, u.privProtocol, {}};
    TUsmCredentials authOld = authNew;
    authOld.authPassword = q.cloneAuthPassword;
    TUsmCredentials privNew = u;
    TUsmCredentials privOld = u;
    privOld.privPassword = q.clonePrivPassword;

    const QString name = u.name;
    const QString cloneOid = UsmUserEntry + QStringLiteral(".%1.").arg(int(ColSecurityName))
                             + UserIndex(engine, q.cloneFrom);
    bool rowMade = false;
    bool failed = false;
    // Key changes whose answer was lost: an inactive user cannot be asked, so they are checked
    // once the user is active.
    bool authUnsure = false, privUnsure = false;
    auto sendKey = [&](int column, const QByteArray &kc, std::function<TUsmTask<Applied>()> check) -> TUsmTask<bool> {
        try {
            co_await SetUserColumns(name, Cols(column, QvHexText(kc)), true, std::move(check));
        } catch (const QvSNMPException &e) {
            if (e.code() != QVE_SET_UNKNOWN)
                throw;
            co_return false;
        }
        co_return true;
    };
    try {
        step = QStringLiteral("clone");
        Step(step);
        const CheckFn checkMade = [this, name] { return RowCheck(name, false, RowWanted::Present); };
        co_await SetUserColumns(name, Cols(ColStatus, QString::number(RS_CREATEANDWAIT), ColCloneFrom, cloneOid), true,
                                checkMade);
        rowMade = true;
        out.done << QStringLiteral("user \"%1\" made as a copy of \"%2\" (not yet active)").arg(name, q.cloneFrom);
        // Privacy goes before authentication: the switch refuses a user with privacy but no authentication.
        if (!priv && clone.privProtocol != PRIVPROT_NONE) {
            step = QStringLiteral("protocols");
            Step(step);
            const QString none = QvSNMPAdapter::PrivProtocolOid(PRIVPROT_NONE);
            const CheckFn checkPrivOff = [this, name, none] { return ColumnCheck(name, ColPrivProtocol, none); };
            co_await SetUserColumns(name, Cols(ColPrivProtocol, none), false, checkPrivOff);
            out.done << QStringLiteral("privacy turned off");
        }
        if (!auth && clone.authProtocol != AUTHPROT_NONE) {
            step = QStringLiteral("protocols");
            Step(step);
            const QString none = QvSNMPAdapter::AuthProtocolOid(AUTHPROT_NONE);
            const CheckFn checkAuthOff = [this, name, none] { return ColumnCheck(name, ColAuthProtocol, none); };
            co_await SetUserColumns(name, Cols(ColAuthProtocol, none), false, checkAuthOff);
            out.done << QStringLiteral("authentication turned off");
        }
        if (auth) {
            step = QStringLiteral("auth key");
            Step(step);
            const bool sure = co_await sendKey(ColAuthKeyChange, authKc, {});
            authUnsure = !sure;
            if (!authUnsure)
                out.done << QStringLiteral("authentication key set");
        }
        if (priv) {
            step = QStringLiteral("priv key");
            Step(step);
            const bool sure = co_await sendKey(ColPrivKeyChange, privKc, {});
            privUnsure = !sure;
            if (!privUnsure)
                out.done << QStringLiteral("privacy key set");
        }
        step = QStringLiteral("activate");
        Step(step);
        const CheckFn checkActive = [this, name] { return RowCheck(name, false, RowWanted::Active); };
        co_await SetUserColumns(name, Cols(ColStatus, QString::number(RS_ACTIVE)), false, checkActive);
        out.done << QStringLiteral("user activated");
        // The new key first, then the clone's: a change that did not take effect goes again.
        if (authUnsure) {
            step = QStringLiteral("auth key");
            co_await Resend(name, ColAuthKeyChange, authKc, authNew, authOld);
            out.done << QStringLiteral("authentication key set");
        }
        if (privUnsure) {
            step = QStringLiteral("priv key");
            co_await Resend(name, ColPrivKeyChange, privKc, privNew, privOld);
            out.done << QStringLiteral("privacy key set");
        }
    } catch (const QvSNMPException &e) {
        fail(StepFailure(e), e.code());
        out.failedStep = step;
        failed = true;
    }
    if (failed) {
        if (rowMade)
            co_await Unmake(name, &out);
        co_return out;
    }

    // The switch cannot check a KeyChange: a wrong clone password only shows when the user speaks.
    if (auth) {
        step = QStringLiteral("verify");
        Step(step);
        const TUsmOutcome probe = co_await Probe(u);
        if (!probe.ok && IsCredentialFailure(probe.code)) {
            fail(QStringLiteral("the new user is not accepted with its passwords (%1); the password given for "
                                "\"%2\" is probably wrong").arg(probe.error, q.cloneFrom),
                 probe.code);
            out.failedStep = step;
            co_await Unmake(name, &out);
            co_return out;
        }
        out.done << QStringLiteral("its passwords checked");
    }

    if (!q.group.isEmpty()) {
        step = QStringLiteral("group");
        try {
            Step(step);
            const CheckFn checkGrouped = [this, name] { return RowCheck(name, true, RowWanted::Present); };
            co_await SetGroupColumns(name, Cols(3, q.group, 5, QString::number(RS_CREATEANDGO)), true,
                                     checkGrouped);
            out.done << QStringLiteral("put into group \"%1\"").arg(q.group);
        } catch (const QvSNMPException &e) {
            fail(QStringLiteral("the group entry could not be made: ") + StepFailure(e), e.code());
            out.failedStep = step;
            out.leftOnSwitch = QStringLiteral("The user \"%1\" is active but in no group, so the switch gives it no "
                                              "access yet.").arg(name);
        }
    }
    co_return out;
}

TUsmTask<TUsmOutcome> TUsmAdmin::Rekey(TUsmPasswordChange q)
{
    TUsmOutcome out;
    auto fail = [&out](const QString &why, int code = 0) {
        SetFailure(out, code, why);
        return out;
    };
    if (!q.changeAuth && !q.changePriv)
        co_return fail(QStringLiteral("Nothing to change."));
    if (q.changeAuth && !PasswordProblem(q.newAuthPassword).isEmpty())
        co_return fail(QStringLiteral("New authentication password: ") + PasswordProblem(q.newAuthPassword));
    if (q.changePriv && !PasswordProblem(q.newPrivPassword).isEmpty())
        co_return fail(QStringLiteral("New privacy password: ") + PasswordProblem(q.newPrivPassword));
    if (q.changeAuth && q.authProtocol == AUTHPROT_NONE)
        co_return fail(QStringLiteral("\"%1\" uses no authentication.").arg(q.name));
    if (q.changePriv && q.privProtocol == PRIVPROT_NONE)
        co_return fail(QStringLiteral("\"%1\" uses no privacy.").arg(q.name));
    // The current passwords are proved by speaking as the user before any key changes.
    if (q.oldAuthPassword.isEmpty())
        co_return fail(QStringLiteral("The current authentication password is needed."));
    if (q.changePriv && q.oldPrivPassword.isEmpty())
        co_return fail(QStringLiteral("The current privacy password is needed."));
    const bool own = IsSessionUser(q.name);
    const bool privLevel = q.privProtocol != PRIVPROT_NONE && (q.changePriv || !q.oldPrivPassword.isEmpty());
    const TUsmCredentials current{q.name, privLevel ? SECLEVEL_AUTH_PRIV : SECLEVEL_AUTH_NOPRIV, q.authProtocol,
                                  q.oldAuthPassword, q.privProtocol, q.oldPrivPassword};
    QString step = QStringLiteral("check current passwords");
    const TUsmOutcome proof = co_await Probe(current);
    if (!proof.ok && IsCredentialFailure(proof.code)) {
        QString why;
        switch (proof.code) {
        case QVU_AUTHENTICATION_FAILURE:
            why = QStringLiteral("the current authentication password of \"%1\" is wrong");
            break;
        case QVU_DECRYPTION_ERROR:
            why = QStringLiteral("the current privacy password of \"%1\" is wrong");
            break;
        case QVC_TIMEOUT:
            why = QStringLiteral("the switch did not answer \"%1\" with the current passwords, so they are not proved");
            break;
        default:
            why = QStringLiteral("the switch does not accept \"%1\" with the current passwords");
            break;
        }
        fail(why.arg(q.name) + QStringLiteral(" (") + proof.error + QStringLiteral("); no key was changed"),
             proof.code);
        out.failedStep = step;
        co_return out;
    }

    TUsmCredentials authNow{q.name, SECLEVEL_AUTH_NOPRIV, q.authProtocol, q.newAuthPassword, q.privProtocol, {}};
    TUsmCredentials authBefore = authNow;
    authBefore.authPassword = q.oldAuthPassword;
    const QString authAfter = q.changeAuth ? q.newAuthPassword : q.oldAuthPassword;
    TUsmCredentials privNow{q.name, SECLEVEL_AUTH_PRIV, q.authProtocol, authAfter, q.privProtocol, q.newPrivPassword};
    TUsmCredentials privBefore = privNow;
    privBefore.privPassword = q.oldPrivPassword;
    bool unsure = false;
    try {
        const QByteArray engine = co_await EngineId();
        if (q.changeAuth) {
            const QByteArray kc = QvSNMPAdapter::KeyChangeValue(
                q.authProtocol, QvSNMPAdapter::LocalizedAuthKey(q.authProtocol, Octets(q.oldAuthPassword), engine),
                QvSNMPAdapter::LocalizedAuthKey(q.authProtocol, Octets(q.newAuthPassword), engine));
            if (kc.isEmpty())
                co_return fail(QStringLiteral("The current authentication password is needed."));
            step = QStringLiteral("auth key");
            Step(step);
            const CheckFn checkAuthKey = [this, authNow, authBefore] { return KeyChanged(authNow, authBefore); };
            co_await SetUserColumns(q.name, Cols(own ? ColOwnAuthKeyChange : ColAuthKeyChange, QvHexText(kc)), true,
                                    checkAuthKey);
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
                co_return fail(QStringLiteral("The current privacy password is needed."));
            step = QStringLiteral("priv key");
            Step(step);
            const CheckFn checkPrivKey = [this, privNow, privBefore] { return KeyChanged(privNow, privBefore); };
            co_await SetUserColumns(q.name, Cols(own ? ColOwnPrivKeyChange : ColPrivKeyChange, QvHexText(kc)), true,
                                    checkPrivKey);
            out.done << QStringLiteral("privacy password of \"%1\" changed").arg(q.name);
            if (own)
                SessionParams().Security.PrivPassword = q.newPrivPassword;
        }
    } catch (const QvSNMPException &e) {
        fail(StepFailure(e), e.code());
        out.failedStep = step;
        unsure = e.code() == QVC_TIMEOUT || e.code() == QVE_SET_UNKNOWN;
    }
    if (!out.ok) {
        if (unsure)
            out.leftOnSwitch = QStringLiteral("Without an answer it is unknown whether the switch took the last new "
                                              "key: try the old and the new password with \"Try these credentials\".");
        co_return out;
    }
    // The current passwords were proved, so the new ones should work now; a last word on it.
    TUsmCredentials c = current;
    c.level = q.privProtocol != PRIVPROT_NONE ? SECLEVEL_AUTH_PRIV : SECLEVEL_AUTH_NOPRIV;
    c.authPassword = authAfter;
    c.privPassword = q.changePriv ? q.newPrivPassword : q.oldPrivPassword;
    if (c.authPassword.isEmpty() || (c.level == SECLEVEL_AUTH_PRIV && c.privPassword.isEmpty()))
        co_return out;
    step = QStringLiteral("verify");
    const TUsmOutcome probe = co_await Probe(c);
    if (!probe.ok && IsCredentialFailure(probe.code)) {
        fail(QStringLiteral("the switch does not accept the new passwords (%1)").arg(probe.error), probe.code);
        out.failedStep = step;
        out.leftOnSwitch = QStringLiteral("\"%1\" may now have a key nobody knows: try the old and the new passwords "
                                          "with \"Try these credentials\".").arg(q.name);
    } else {
        out.done << QStringLiteral("new passwords checked");
    }
    co_return out;
}

TUsmTask<TUsmOutcome> TUsmAdmin::Delete(QString name)
{
    TUsmOutcome out;
    if (IsSessionUser(name)) {
        SetFailure(out, 0, QStringLiteral("\"%1\" is the user this tool speaks as; it cannot delete itself.").arg(name));
        co_return out;
    }
    QString step = QStringLiteral("read users");
    try {
        const bool exists = co_await UserExists(name, nullptr);
        if (!exists) {
            SetFailure(out, 0, QStringLiteral("The switch has no user \"%1\".").arg(name));
            co_return out;
        }
        step = QStringLiteral("delete user");
        const CheckFn checkDeleted = [this, name] { return RowCheck(name, false, RowWanted::Absent); };
        co_await SetUserColumns(name, Cols(ColStatus, QString::number(RS_DESTROY)), false, checkDeleted);
        out.done << QStringLiteral("user \"%1\" deleted").arg(name);
        step = QStringLiteral("read groups");
        const QList<TVacmMember> groups = co_await Groups();
        for (const TVacmMember &m : groups) {
            if (m.model != UsmSecurityModel || m.securityName != name)
                continue;
            step = QStringLiteral("delete group entry");
            const CheckFn checkUngrouped = [this, name] { return RowCheck(name, true, RowWanted::Absent); };
            co_await SetGroupColumns(name, Cols(5, QString::number(RS_DESTROY)), false, checkUngrouped);
            out.done << QStringLiteral("its group entry (\"%1\") deleted").arg(m.group);
        }
    } catch (const QvSNMPException &e) {
        SetFailure(out, e.code(), StepFailure(e));
        out.failedStep = step;
    }
    co_return out;
}
