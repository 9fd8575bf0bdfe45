// Net-SNMP behind the framework's own types. One single-session handle per target
// configuration; SNMPv3 engine IDs are discovered with an unauthenticated probe (asynchronous
// for asynchronous sends, so the GUI thread never waits), and the engine's global USM user
// cache is kept in step with the session that uses it, so changed passwords take effect.
// Completions are queued and handed out from ProcessEvents, never from inside the library.
#include "qvsnmpadapter.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/lcd_time.h>
#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/library/scapi.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/snmpv3.h>
#include <net-snmp/library/transform_oids.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QMap>

#include <arpa/inet.h>
#include <poll.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>

namespace {

struct Session;

// One outstanding asynchronous exchange.
struct AsyncCall {
    quint64 id = 0;
    QvSNMPAsyncHandler handler;
    Session *session = nullptr;
    QvSNMPPduKind kind = PDU_GET;
    int maxRepetitions = 0;  // GETBULK only
    QList<QvSNMPVb> vbs;
    bool done = false;
    bool blocking = false;  // owned by a waiting SendBlocking, never queued for the pump
    int status = 0;
    QvSNMPResponse response;
};

struct Session {
    QString key;
    QvSNMPTarget target;
    void *handle = nullptr;        // the real session
    void *probe = nullptr;         // v3 engine discovery in progress
    QByteArray engineId;           // v3: the agent's authoritative engine ID
    bool ready = false;            // handle open and usable
    int failStatus = 0;            // discovery failed: every queued call completes with it
    std::deque<AsyncCall *> waiting;  // calls queued until discovery ends
    int outstanding = 0;
    bool probeAnswered = false;    // discovery ended; finished on the next round
};

struct State {
    bool initialised = false;
    QHash<QString, Session *> sessions;
    // (engine ID, user) -> session whose keys are in the engine's user cache.
    QHash<QByteArray, Session *> usmOwner;
    QMap<quint64, AsyncCall *> calls;
    std::deque<AsyncCall *> finished;
    quint64 nextId = 1;
    void (*activity)() = nullptr;
};


State &S()
{
    static State s;
    return s;
}

void notifyActivity()
{
    if (S().activity)
        S().activity();
}

// The session cache's key: the target's settings with its secrets (community, passwords)
// only as a digest, so that no key holds them in clear.
QString targetKey(const QvSNMPTarget &t)
{
    QCryptographicHash secrets(QCryptographicHash::Sha256);
    const auto addSecret = [&secrets](const QString &text) {
        const QByteArray octets = text.toUtf8();
        const qint32 size = qint32(octets.size());
        // Each part's length first, so that no split of one text reads as another's.
        secrets.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
        secrets.addData(octets);
    };
    QStringList k{t.address, QString::number(t.port), QString::number(t.version), QString::number(t.timeout),
                  QString::number(t.retries)};
    if (t.version == 3) {
        k << t.securityName << QString::number(t.securityLevel) << QString::number(t.authProtocol)
          << QString::number(t.privProtocol) << t.contextName << t.contextEngineID;
        addSecret(t.authPassword);
        addSecret(t.privPassword);
    } else {
        addSecret(t.community);
    }
    k << QString::fromLatin1(secrets.result().toHex());
    // Unit separators cannot be confused with any field's text boundaries.
    return k.join(QChar(0x1f)) + QChar(0x1f) + QString::number(k.size());
}

const oid *authOid(qint32 code, size_t *len)
{
    switch (code) {
    case 1: *len = OID_LENGTH(usmNoAuthProtocol); return usmNoAuthProtocol;
    case 2: *len = OID_LENGTH(usmHMACMD5AuthProtocol); return usmHMACMD5AuthProtocol;
    case 3: *len = OID_LENGTH(usmHMACSHA1AuthProtocol); return usmHMACSHA1AuthProtocol;
    case 4: *len = OID_LENGTH(usmHMAC128SHA224AuthProtocol); return usmHMAC128SHA224AuthProtocol;
    case 5: *len = OID_LENGTH(usmHMAC192SHA256AuthProtocol); return usmHMAC192SHA256AuthProtocol;
    case 6: *len = OID_LENGTH(usmHMAC256SHA384AuthProtocol); return usmHMAC256SHA384AuthProtocol;
    case 7: *len = OID_LENGTH(usmHMAC384SHA512AuthProtocol); return usmHMAC384SHA512AuthProtocol;
    default: return nullptr;
    }
}

const oid *privOid(qint32 code, size_t *len)
{
    switch (code) {
    case 1: *len = OID_LENGTH(usmNoPrivProtocol); return usmNoPrivProtocol;
    case 2: *len = OID_LENGTH(usmDESPrivProtocol); return usmDESPrivProtocol;
    case 4: *len = OID_LENGTH(usmAESPrivProtocol); return usmAESPrivProtocol;
    case 20: *len = OID_LENGTH(usmAES192PrivProtocol); return usmAES192PrivProtocol;
    case 21: *len = OID_LENGTH(usmAES256PrivProtocol); return usmAES256PrivProtocol;
    default: return nullptr;
    }
}

// Net-SNMP error numbers to the error mapping's numbering.
int translateErrno(int e)
{
    switch (e) {
    case SNMPERR_SUCCESS: return LIBSTAT_SUCCESS;
    case SNMPERR_TIMEOUT: return LIBSTAT_TIMEOUT;
    case SNMPERR_BAD_ADDRESS: return LIBSTAT_INVALID_ADDRESS;
    case SNMPERR_BAD_SENDTO: return LIBSTAT_TRANSPORT_FAILED;
    case SNMPERR_BAD_LOCPORT: return LIBSTAT_TRANSPORT_IN_USE;
    case SNMPERR_NO_SOCKET: return LIBSTAT_TRANSPORT_NO_SOCKET;
    case SNMPERR_BAD_SESSION:
    case SNMPERR_ABORT: return LIBSTAT_SESSION_CLOSING;
    case SNMPERR_MALLOC: return LIBSTAT_RESOURCE;
    case SNMPERR_MAX_SUBID:
    case SNMPERR_BAD_SUBID:
    case SNMPERR_LONG_OID:
    case SNMPERR_BAD_NAME:
    case SNMPERR_UNKNOWN_OBJID: return LIBSTAT_INVALID_OID;
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_VALUE:
    case SNMPERR_NULL_PDU:
    case SNMPERR_NO_VARS:
    case SNMPERR_VAR_TYPE: return LIBSTAT_INVALID_PDU;
    case SNMPERR_V2_IN_V1:
    case SNMPERR_V1_IN_V2: return LIBSTAT_UNSUPPORTED_ON_TARGET;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME: return LIBSTAT_USM_UNKNOWN_SECNAME;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL: return LIBSTAT_USM_UNSUPPORTED_SECLEVEL;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return LIBSTAT_USM_AUTH_FAILURE;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR: return LIBSTAT_USM_DECRYPTION_ERROR;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID: return LIBSTAT_USM_UNKNOWN_ENGINEID;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW: return LIBSTAT_USM_NOT_IN_TIME_WINDOW;
    case SNMPERR_UNKNOWN_SEC_MODEL: return LIBSTAT_MP_UNSUPPORTED_SECMODEL;
    case SNMPERR_INVALID_MSG: return LIBSTAT_MP_INVALID_MESSAGE;
    default: return LIBSTAT_ERROR;
    }
}

// The report's first binding names its cause precisely.
int reportStatus(netsnmp_pdu *pdu)
{
    static const oid usmStats[] = {1, 3, 6, 1, 6, 3, 15, 1, 1};
    static const oid mpdStats[] = {1, 3, 6, 1, 6, 3, 11, 2, 1};
    static const oid targetStats[] = {1, 3, 6, 1, 6, 3, 12, 1};
    if (pdu && pdu->variables) {
        const netsnmp_variable_list *v = pdu->variables;
        if (v->name_length == 11 && snmp_oid_compare(v->name, 9, usmStats, 9) == 0) {
            switch (v->name[9]) {
            case 1: return LIBSTAT_USM_UNSUPPORTED_SECLEVEL;
            case 2: return LIBSTAT_USM_NOT_IN_TIME_WINDOW;
            case 3: return LIBSTAT_USM_UNKNOWN_SECNAME;
            case 4: return LIBSTAT_USM_UNKNOWN_ENGINEID;
            case 5: return LIBSTAT_USM_AUTH_FAILURE;
            case 6: return LIBSTAT_USM_DECRYPTION_ERROR;
            default: break;
            }
        }
        if (v->name_length == 11 && snmp_oid_compare(v->name, 9, mpdStats, 9) == 0) {
            switch (v->name[9]) {
            case 1: return LIBSTAT_MP_UNSUPPORTED_SECMODEL;
            case 2: return LIBSTAT_MP_INVALID_MESSAGE;
            case 3: return LIBSTAT_MP_UNKNOWN_PDU_HANDLERS;
            default: break;
            }
        }
        if (v->name_length == 10 && snmp_oid_compare(v->name, 8, targetStats, 8) == 0) {
            if (v->name[8] == 4)
                return LIBSTAT_MP_UNAVAILABLE_CONTEXT;
            if (v->name[8] == 5)
                return LIBSTAT_MP_UNKNOWN_CONTEXT;
        }
    }
    return translateErrno(snmpv3_get_report_type(pdu));
}

QvSNMPValue fromVariable(const netsnmp_variable_list *v)
{
    auto octets = [v] { return QByteArray(reinterpret_cast<const char *>(v->val.string), int(v->val_len)); };
    switch (v->type) {
    case ASN_INTEGER: return QvSNMPValue::integer(qint32(*v->val.integer));
    case ASN_OCTET_STR: return QvSNMPValue::string(octets());
    case ASN_OPAQUE: return QvSNMPValue::string(octets(), QvSNMPValue::Opaque);
    case ASN_IPADDRESS: return QvSNMPValue::string(octets(), QvSNMPValue::IpAddress);
    case ASN_OBJECT_ID: {
        QvOid o;
        const size_t n = v->val_len / sizeof(oid);
        o.reserve(int(n));
        for (size_t k = 0; k < n; ++k)
            o.append(quint32(v->val.objid[k]));
        return QvSNMPValue::objectId(o);
    }
    case ASN_COUNTER: return QvSNMPValue::unsigned32(QvSNMPValue::Counter32, quint32(*v->val.integer));
    case ASN_GAUGE: return QvSNMPValue::unsigned32(QvSNMPValue::Gauge32, quint32(*v->val.integer));
    case ASN_TIMETICKS: return QvSNMPValue::unsigned32(QvSNMPValue::TimeTicks, quint32(*v->val.integer));
    case ASN_COUNTER64:
        return QvSNMPValue::counter64((quint64(v->val.counter64->high) << 32) | quint32(v->val.counter64->low));
    case SNMP_NOSUCHOBJECT: return QvSNMPValue::exception(QvSNMPValue::NoSuchObject);
    case SNMP_NOSUCHINSTANCE: return QvSNMPValue::exception(QvSNMPValue::NoSuchInstance);
    case SNMP_ENDOFMIBVIEW: return QvSNMPValue::exception(QvSNMPValue::EndOfMibView);
    default: return QvSNMPValue::null();
    }
}

// Appends one binding; false when the engine refuses the value.
bool addVariable(netsnmp_pdu *pdu, const QvSNMPVb &vb, bool withValue)
{
    std::vector<oid> name(vb.oid.begin(), vb.oid.end());
    if (name.empty() || name.size() > MAX_OID_LEN)
        return false;
    if (!withValue)
        return snmp_add_null_var(pdu, name.data(), name.size()) != nullptr;
    const QvSNMPValue &x = vb.value;
    switch (x.type) {
    case QvSNMPValue::Integer: {
        long l = x.i;
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &l, sizeof l) != nullptr;
    }
    case QvSNMPValue::Counter32:
    case QvSNMPValue::Gauge32:
    case QvSNMPValue::TimeTicks: {
        u_long u = x.u;
        const u_char t = x.type == QvSNMPValue::Counter32 ? ASN_COUNTER
                         : x.type == QvSNMPValue::Gauge32 ? ASN_GAUGE : ASN_TIMETICKS;
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), t, &u, sizeof u) != nullptr;
    }
    case QvSNMPValue::Counter64: {
        counter64 c;
        c.high = u_long(x.u64 >> 32);
        c.low = u_long(x.u64 & 0xffffffffu);
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c, sizeof c) != nullptr;
    }
    case QvSNMPValue::OctetString:
    case QvSNMPValue::Opaque:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(),
                                     x.type == QvSNMPValue::Opaque ? ASN_OPAQUE : ASN_OCTET_STR,
                                     x.octets.constData(), size_t(x.octets.size())) != nullptr;
    case QvSNMPValue::IpAddress: {
        if (x.octets.size() != 4)
            return false;
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_IPADDRESS, x.octets.constData(), 4) !=
               nullptr;
    }
    case QvSNMPValue::ObjectId: {
        std::vector<oid> val(x.oid.begin(), x.oid.end());
        if (val.size() > MAX_OID_LEN)
            return false;
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, val.data(),
                                     val.size() * sizeof(oid)) != nullptr;
    }
    default:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0) != nullptr;
    }
}

netsnmp_pdu *buildPdu(QvSNMPPduKind kind, const QList<QvSNMPVb> &vbs, int *status, int maxRepetitions = 0)
{
    const int cmd = kind == PDU_GET       ? SNMP_MSG_GET
                    : kind == PDU_GETNEXT ? SNMP_MSG_GETNEXT
                    : kind == PDU_GETBULK ? SNMP_MSG_GETBULK
                                          : SNMP_MSG_SET;
    netsnmp_pdu *pdu = snmp_pdu_create(cmd);
    if (!pdu) {
        *status = LIBSTAT_RESOURCE;
        return nullptr;
    }
    if (kind == PDU_GETBULK) {
        // Every binding repeats: a table's columns, row after row.
        pdu->non_repeaters = 0;
        pdu->max_repetitions = qMax(1, maxRepetitions);
    }
    for (const QvSNMPVb &vb : vbs) {
        if (!addVariable(pdu, vb, kind == PDU_SET)) {
            snmp_free_pdu(pdu);
            *status = vb.oid.isEmpty() || vb.oid.size() > MAX_OID_LEN ? LIBSTAT_INVALID_OID : LIBSTAT_INVALID_PDU;
            return nullptr;
        }
    }
    *status = 0;
    return pdu;
}

void fillResponse(const Session *s, netsnmp_pdu *pdu, QvSNMPResponse *r)
{
    r->agentAddress = s->target.address;
    r->agentPort = s->target.port;
    r->vbs.clear();
    if (!pdu)
        return;
    r->errorStatus = int(pdu->errstat);
    r->errorIndex = int(pdu->errindex);
    for (netsnmp_variable_list *v = pdu->variables; v; v = v->next_variable) {
        QvSNMPVb vb;
        vb.oid.reserve(int(v->name_length));
        for (size_t k = 0; k < v->name_length; ++k)
            vb.oid.append(quint32(v->name[k]));
        vb.value = fromVariable(v);
        r->vbs.append(vb);
    }
}

QByteArray peerName(const QvSNMPTarget &t)
{
    const bool v6 = t.address.contains(QLatin1Char(':'));
    const QString p = v6 ? QStringLiteral("udp6:[%1]:%2") : QStringLiteral("udp:%1:%2");
    return p.arg(t.address).arg(t.port).toLatin1();
}

void baseSession(netsnmp_session *ss, const QvSNMPTarget &t, const QByteArray &peer)
{
    snmp_sess_init(ss);
    ss->peername = const_cast<char *>(peer.constData());
    ss->timeout = long(qMax(1, t.timeout)) * 10000L;
    ss->retries = qMax(0, t.retries);
}

// A privacy key Ku localised to an engine, cut or extended to the privacy protocol's key length;
// empty when the engine cannot make it.
QByteArray localizePrivKu(const oid *authProto, u_int authLen, const oid *privProto, u_int privLen,
                          const u_char *eid, size_t eidLen, const u_char *ku, size_t kuLen)
{
    u_char buf[2 * USM_PRIV_KU_LEN];
    size_t kl = sizeof buf;
    if (generate_kul(authProto, authLen, eid, eidLen, ku, kuLen, buf, &kl) != SNMPERR_SUCCESS)
        return QByteArray();
    int need = sc_get_proper_priv_length(privProto, privLen);
    // DES keeps its pre-IV after the key: the user entry holds both halves.
    if (sc_get_privtype(privProto, privLen) == USM_CREATE_USER_PRIV_DES)
        need *= 2;
    u_char *kp = buf;
    if (need > 0 && size_t(need) > kl
        && netsnmp_extend_kul(u_int(need), const_cast<oid *>(authProto), authLen, sc_get_privtype(privProto, privLen),
                              const_cast<u_char *>(eid), u_int(eidLen), &kp, &kl, sizeof buf) != SNMPERR_SUCCESS)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(kp), int(need > 0 ? qMin(size_t(need), kl) : kl));
}

// The engine keeps one user per (engine ID, name) and would silently reuse stale keys with
// changed passwords: the existing entry gets this session's protocols and keys in place.
void fillUserKeys(struct usmUser *u, u_char *eid, size_t eidLen, netsnmp_session *sp);

void installUser(Session *s, netsnmp_session *sp)
{
    const QByteArray name = s->target.securityName.toLatin1();
    u_char *eid = reinterpret_cast<u_char *>(s->engineId.data());
    const size_t eidLen = size_t(s->engineId.size());
    struct usmUser *u = usm_get_user(eid, eidLen, const_cast<char *>(name.constData()));
    if (!u) {
        usm_create_user_from_session(sp);
        return;
    }
    fillUserKeys(u, eid, eidLen, sp);
}

// Gives a user entry the protocols and keys (Ku in sp, localised here to the entry's engine).
void fillUserKeys(struct usmUser *u, u_char *eid, size_t eidLen, netsnmp_session *sp)
{
    auto setOid = [](oid **dst, size_t *dstLen, const oid *src, size_t len) {
        free(*dst);
        *dst = snmp_duplicate_objid(src, len);
        *dstLen = len;
    };
    auto setBytes = [](u_char **dst, size_t *dstLen, const u_char *src, size_t len) {
        free(*dst);
        *dst = nullptr;
        *dstLen = 0;
        if (len) {
            *dst = static_cast<u_char *>(malloc(len));
            memcpy(*dst, src, len);
            *dstLen = len;
        }
    };
    setOid(&u->authProtocol, &u->authProtocolLen, sp->securityAuthProto, sp->securityAuthProtoLen);
    setOid(&u->privProtocol, &u->privProtocolLen, sp->securityPrivProto, sp->securityPrivProtoLen);
    setBytes(&u->authKey, &u->authKeyLen, nullptr, 0);
    setBytes(&u->privKey, &u->privKeyLen, nullptr, 0);
    setBytes(&u->authKeyKu, &u->authKeyKuLen, sp->securityAuthKey, sp->securityAuthKeyLen);
    setBytes(&u->privKeyKu, &u->privKeyKuLen, sp->securityPrivKey, sp->securityPrivKeyLen);
    if (sp->securityAuthKeyLen) {
        u_char kul[USM_AUTH_KU_LEN];
        size_t kl = sizeof kul;
        if (generate_kul(sp->securityAuthProto, u_int(sp->securityAuthProtoLen), eid, eidLen, sp->securityAuthKey,
                         sp->securityAuthKeyLen, kul, &kl) == SNMPERR_SUCCESS)
            setBytes(&u->authKey, &u->authKeyLen, kul, kl);
    }
    if (sp->securityPrivKeyLen) {
        const QByteArray kul = localizePrivKu(sp->securityAuthProto, u_int(sp->securityAuthProtoLen),
                                              sp->securityPrivProto, u_int(sp->securityPrivProtoLen), eid, eidLen,
                                              sp->securityPrivKey, sp->securityPrivKeyLen);
        setBytes(&u->privKey, &u->privKeyLen, reinterpret_cast<const u_char *>(kul.constData()), size_t(kul.size()));
    }
}

// Opens the engine's session for a community target, or a v3 target whose engine ID is known.
int openSession(Session *s)
{
    const QvSNMPTarget &t = s->target;
    const QByteArray peer = peerName(t);
    netsnmp_session ss;
    baseSession(&ss, t, peer);
    QByteArray community = t.community.toLatin1();
    QByteArray name = t.securityName.toLatin1();
    QByteArray ctxName = t.contextName.toLatin1();
    QByteArray ctxEngine = t.contextEngineID.toLatin1();
    if (t.version != 3) {
        ss.version = t.version == 1 ? SNMP_VERSION_2c : SNMP_VERSION_1;
        ss.community = reinterpret_cast<u_char *>(community.data());
        ss.community_len = size_t(community.size());
    } else {
        ss.version = SNMP_VERSION_3;
        ss.securityModel = SNMP_SEC_MODEL_USM;
        ss.securityName = name.data();
        ss.securityNameLen = size_t(name.size());
        ss.securityLevel = t.securityLevel == 3 ? SNMP_SEC_LEVEL_AUTHPRIV
                           : t.securityLevel == 2 ? SNMP_SEC_LEVEL_AUTHNOPRIV : SNMP_SEC_LEVEL_NOAUTH;
        ss.securityEngineID = reinterpret_cast<u_char *>(s->engineId.data());
        ss.securityEngineIDLen = size_t(s->engineId.size());
        ss.contextName = ctxName.data();
        ss.contextNameLen = size_t(ctxName.size());
        if (!ctxEngine.isEmpty()) {
            ss.contextEngineID = reinterpret_cast<u_char *>(ctxEngine.data());
            ss.contextEngineIDLen = size_t(ctxEngine.size());
        }
        size_t alen = 0, plen = 0;
        const oid *a = authOid(t.securityLevel >= 2 ? t.authProtocol : 1, &alen);
        const oid *p = privOid(t.securityLevel >= 3 ? t.privProtocol : 1, &plen);
        if (!a)
            return LIBSTAT_USM_UNSUPPORTED_AUTHPROT;
        if (!p)
            return LIBSTAT_USM_UNSUPPORTED_PRIVPROT;
        ss.securityAuthProto = const_cast<oid *>(a);
        ss.securityAuthProtoLen = alen;
        ss.securityPrivProto = const_cast<oid *>(p);
        ss.securityPrivProtoLen = plen;
        if (t.securityLevel >= 2) {
            if (t.authProtocol == 1)
                return LIBSTAT_USM_UNSUPPORTED_SECLEVEL;
            QByteArray pw = t.authPassword.toLatin1();
            ss.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (pw.size() < 1 || generate_Ku(a, u_int(alen), reinterpret_cast<const u_char *>(pw.constData()),
                                             size_t(pw.size()), ss.securityAuthKey,
                                             &ss.securityAuthKeyLen) != SNMPERR_SUCCESS)
                return LIBSTAT_USM_AUTH_FAILURE;
        }
        if (t.securityLevel >= 3) {
            if (t.privProtocol == 1)
                return LIBSTAT_USM_UNSUPPORTED_SECLEVEL;
            QByteArray pw = t.privPassword.toLatin1();
            ss.securityPrivKeyLen = USM_PRIV_KU_LEN;
            if (pw.size() < 1 || generate_Ku(a, u_int(alen), reinterpret_cast<const u_char *>(pw.constData()),
                                             size_t(pw.size()), ss.securityPrivKey,
                                             &ss.securityPrivKeyLen) != SNMPERR_SUCCESS)
                return LIBSTAT_USM_DECRYPTION_ERROR;
        }
    }
    ss.flags |= SNMP_FLAGS_DONT_PROBE;
    if (t.version == 3) {
        // A user entry left by another session with other credentials gets this one's keys.
        const QByteArray ownerKey = s->engineId + '\0' + name;
        Session *prev = S().usmOwner.value(ownerKey);
        // A listener's entry (owner null) may hold other keys, too.
        if (S().usmOwner.contains(ownerKey) && prev != s &&
            usm_get_user(reinterpret_cast<u_char *>(s->engineId.data()), size_t(s->engineId.size()), name.data()))
            installUser(s, &ss);
    }
    s->handle = snmp_sess_open(&ss);
    if (!s->handle) {
        int liberr = 0, syserr = 0;
        char *msg = nullptr;
        snmp_error(&ss, &syserr, &liberr, &msg);
        free(msg);
        return liberr ? translateErrno(liberr) : LIBSTAT_ERROR;
    }
    if (t.version == 3) {
        if (!usm_get_user(reinterpret_cast<u_char *>(s->engineId.data()), size_t(s->engineId.size()), name.data()))
            usm_create_user_from_session(snmp_sess_session(s->handle));
        S().usmOwner.insert(s->engineId + '\0' + name, s);
    }
    s->ready = true;
    notifyActivity();
    return 0;
}

// Before a v3 session sends, its keys must be the ones in the engine's user cache.
void claimUser(Session *s)
{
    if (s->target.version != 3 || !s->handle)
        return;
    const QByteArray owner = s->engineId + '\0' + s->target.securityName.toLatin1();
    if (S().usmOwner.value(owner) == s)
        return;
    installUser(s, snmp_sess_session(s->handle));
    S().usmOwner.insert(owner, s);
}

void *openProbe(const QvSNMPTarget &t, int *status, bool withPlaceholderEngine)
{
    const QByteArray peer = peerName(t);
    netsnmp_session ss;
    baseSession(&ss, t, peer);
    ss.version = SNMP_VERSION_3;
    ss.securityModel = SNMP_SEC_MODEL_USM;
    ss.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    ss.securityName = const_cast<char *>("");
    ss.securityNameLen = 0;
    ss.flags |= SNMP_FLAGS_DONT_PROBE;
    // A placeholder authoritative engine keeps the library from probing on its own (which
    // blocks); the agent answers with a report naming its real engine ID.
    static u_char placeholder[] = {0x80, 0x00, 0x00, 0x00, 0x04, 'k', 'm', 'v'};
    if (withPlaceholderEngine) {
        ss.securityEngineID = placeholder;
        ss.securityEngineIDLen = sizeof placeholder;
    }
    void *h = snmp_sess_open(&ss);
    if (!h) {
        int liberr = 0, syserr = 0;
        char *msg = nullptr;
        snmp_error(&ss, &syserr, &liberr, &msg);
        free(msg);
        *status = translateErrno(liberr ? liberr : SNMPERR_BAD_ADDRESS);
    }
    return h;
}

netsnmp_pdu *probePdu(bool withPlaceholderEngine)
{
    netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
    pdu->version = SNMP_VERSION_3;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityName = strdup("");
    pdu->securityNameLen = 0;
    if (withPlaceholderEngine) {
        // A placeholder authoritative engine keeps the library from probing on its own (which
        // blocks); the agent answers with a report naming its real engine ID.
        static const u_char placeholder[] = {0x80, 0x00, 0x00, 0x00, 0x04, 'k', 'm', 'v'};
        pdu->securityEngineID = static_cast<u_char *>(malloc(sizeof placeholder));
        memcpy(pdu->securityEngineID, placeholder, sizeof placeholder);
        pdu->securityEngineIDLen = sizeof placeholder;
    }
    return pdu;
}

QByteArray engineIdOf(netsnmp_pdu *pdu, void *probe)
{
    if (pdu && pdu->securityEngineIDLen)
        return QByteArray(reinterpret_cast<const char *>(pdu->securityEngineID), int(pdu->securityEngineIDLen));
    netsnmp_session *sp = probe ? snmp_sess_session(probe) : nullptr;
    if (sp && sp->securityEngineIDLen)
        return QByteArray(reinterpret_cast<const char *>(sp->securityEngineID), int(sp->securityEngineIDLen));
    return {};
}

void finish(AsyncCall *c, int status, netsnmp_pdu *pdu)
{
    if (c->done)
        return;
    c->done = true;
    c->status = status;
    if (pdu)
        fillResponse(c->session, pdu, &c->response);
    else {
        c->response.agentAddress = c->session->target.address;
        c->response.agentPort = c->session->target.port;
    }
    if (!c->blocking)
        S().finished.push_back(c);
}

int asyncCallback(int op, netsnmp_session *sess, int, netsnmp_pdu *pdu, void *magic)
{
    auto it = S().calls.find(reinterpret_cast<quintptr>(magic));
    if (it == S().calls.end())
        return 1;
    AsyncCall *c = it.value();
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (pdu && pdu->command == SNMP_MSG_REPORT)
            finish(c, reportStatus(pdu), nullptr);
        else
            finish(c, 0, pdu);
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT: finish(c, LIBSTAT_TIMEOUT, nullptr); break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED: finish(c, LIBSTAT_TRANSPORT_FAILED, nullptr); break;
    case NETSNMP_CALLBACK_OP_DISCONNECT: finish(c, LIBSTAT_SESSION_CLOSING, nullptr); break;
    case NETSNMP_CALLBACK_OP_SEC_ERROR: {
        int st = pdu && pdu->command == SNMP_MSG_REPORT ? reportStatus(pdu)
                                                         : translateErrno(sess ? sess->s_snmp_errno : 0);
        finish(c, st == 0 || st == LIBSTAT_ERROR ? LIBSTAT_USM_AUTH_FAILURE : st, nullptr);
        break;
    }
    default: break;  // RESEND and CONNECT are informational
    }
    return 1;
}

// Builds a call's message and hands it to the engine on its ready session. Returns 0 when it
// left, else the status of the failed send; the engine may already have completed the call.
int sendCall(AsyncCall *c)
{
    Session *s = c->session;
    int st = 0;
    netsnmp_pdu *pdu = buildPdu(c->kind, c->vbs, &st, c->maxRepetitions);
    if (!pdu)
        return st;
    claimUser(s);
    if (snmp_sess_async_send(s->handle, pdu, asyncCallback, reinterpret_cast<void *>(quintptr(c->id))) == 0) {
        snmp_free_pdu(pdu);
        const int err = translateErrno(snmp_sess_session(s->handle)->s_snmp_errno);
        return err ? err : LIBSTAT_TRANSPORT_FAILED;
    }
    return 0;
}

// Sends a queued call on a ready session; on failure completes it with the status.
void dispatch(AsyncCall *c)
{
    Session *s = c->session;
    if (s->failStatus) {
        finish(c, s->failStatus, nullptr);
        return;
    }
    if (const int st = sendCall(c))
        finish(c, st, nullptr);
}

void endDiscovery(Session *s, int status)
{
    if (s->probe) {
        void *p = s->probe;
        s->probe = nullptr;
        snmp_sess_close(p);
    }
    if (status == 0 && !s->engineId.isEmpty())
        status = openSession(s);
    else if (status == 0)
        status = LIBSTAT_USM_UNKNOWN_ENGINEID;
    s->failStatus = status;
    while (!s->waiting.empty()) {
        AsyncCall *c = s->waiting.front();
        s->waiting.pop_front();
        dispatch(c);
    }
    if (status != 0) {
        // A later send tries the discovery again.
        s->failStatus = 0;
        s->engineId.clear();
    }
}

int probeCallback(int op, netsnmp_session *, int, netsnmp_pdu *pdu, void *magic)
{
    Session *s = nullptr;
    for (Session *x : std::as_const(S().sessions))
        if (x == magic)
            s = x;
    if (!s || !s->probe)
        return 1;
    if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE) {
        s->engineId = engineIdOf(pdu, s->probe);
        // Closing a session inside its own callback is not allowed: finish on the next round.
        s->failStatus = s->engineId.isEmpty() ? LIBSTAT_USM_UNKNOWN_ENGINEID : 0;
        s->probeAnswered = true;
    } else if (op == NETSNMP_CALLBACK_OP_TIMED_OUT || op == NETSNMP_CALLBACK_OP_SEND_FAILED ||
               op == NETSNMP_CALLBACK_OP_DISCONNECT) {
        s->failStatus = op == NETSNMP_CALLBACK_OP_TIMED_OUT ? LIBSTAT_TIMEOUT : LIBSTAT_TRANSPORT_FAILED;
        s->probeAnswered = true;
    }
    return 1;
}

Session *sessionFor(const QvSNMPTarget &t)
{
    const QString key = targetKey(t);
    Session *s = S().sessions.value(key);
    if (!s) {
        s = new Session;
        s->key = key;
        s->target = t;
        S().sessions.insert(key, s);
    }
    return s;
}

int checkProtocols(const QvSNMPTarget &t)
{
    if (t.version != 3)
        return 0;
    if (t.securityLevel >= 2 && !QvSNMPAdapter::AuthProtocolSupported(t.authProtocol))
        return LIBSTAT_USM_UNSUPPORTED_AUTHPROT;
    if (t.securityLevel >= 3 && !QvSNMPAdapter::PrivProtocolSupported(t.privProtocol))
        return LIBSTAT_USM_UNSUPPORTED_PRIVPROT;
    return 0;
}

// Milliseconds until the engine's next retransmission or time-out on one handle, -1 for none.
int handleTimeoutMs(void *h)
{
    int numfds = 0, block = 1;
    netsnmp_large_fd_set set;
    netsnmp_large_fd_set_init(&set, FD_SETSIZE);
    timeval tv{0, 0};
    snmp_sess_select_info2_flags(h, &numfds, &set, &tv, &block, NETSNMP_SELECT_NOALARMS);
    netsnmp_large_fd_set_cleanup(&set);
    return block ? -1 : int(tv.tv_sec * 1000 + (tv.tv_usec + 999) / 1000);
}

// One step of a blocking wait on one handle: sleeps on its socket until an answer arrives or
// the engine's next time-out is due (at most until the deadline), then serves whichever came.
// False when the handle has no socket.
bool serveHandle(void *h, const QDeadlineTimer &deadline)
{
    netsnmp_transport *t = h ? snmp_sess_transport(h) : nullptr;
    if (!t || t->sock < 0)
        return false;
    int wait = handleTimeoutMs(h);
    const qint64 left = deadline.isForever() ? -1 : qMax<qint64>(0, deadline.remainingTime());
    if (wait < 0 || (left >= 0 && left < wait))
        wait = int(left);
    pollfd fd{t->sock, POLLIN, 0};
    if (::poll(&fd, 1, wait) > 0 && (fd.revents & (POLLIN | POLLERR))) {
        netsnmp_large_fd_set set;
        netsnmp_large_fd_set_init(&set, fd.fd + 1);
        NETSNMP_LARGE_FD_ZERO(&set);
        NETSNMP_LARGE_FD_SET(fd.fd, &set);
        snmp_sess_read2(h, &set);
        netsnmp_large_fd_set_cleanup(&set);
        return true;
    }
    snmp_sess_timeout(h);
    return true;
}

// Serves a running asynchronous discovery until it ends or the target's time-out and retries
// have passed. Only the probe's socket is read: other sessions' answers wait for the pump.
int awaitDiscovery(Session *s)
{
    const qint64 limit = qint64(qMax(s->target.timeout, 1)) * 10 * (qMax(s->target.retries, 0) + 1) + 500;
    QDeadlineTimer deadline(limit);
    while (s->probe && !s->probeAnswered && !deadline.hasExpired())
        if (!serveHandle(s->probe, deadline))
            break;
    if (!s->probe)
        return s->ready ? 0 : LIBSTAT_USM_UNKNOWN_ENGINEID;
    if (!s->probeAnswered)
        return LIBSTAT_TIMEOUT;
    s->probeAnswered = false;
    const int status = s->failStatus;
    // Queued asynchronous calls are sent now; their completions run from the pump as usual.
    endDiscovery(s, status);
    return s->ready ? 0 : (status ? status : LIBSTAT_USM_UNKNOWN_ENGINEID);
}

// Blocking preparation of a session: discovery with a synchronous probe when needed.
int prepareBlocking(Session *s)
{
    if (s->ready)
        return 0;
    if (s->probe)
        return awaitDiscovery(s);
    if (s->target.version != 3)
        return openSession(s);
    int st = 0;
    void *probe = openProbe(s->target, &st, false);
    if (!probe)
        return st;
    netsnmp_pdu *resp = nullptr;
    const int r = snmp_sess_synch_response(probe, probePdu(false), &resp);
    QByteArray eid = engineIdOf(resp, probe);
    if (resp)
        snmp_free_pdu(resp);
    int err = snmp_sess_session(probe)->s_snmp_errno;
    snmp_sess_close(probe);
    if (eid.isEmpty())
        return r == STAT_TIMEOUT ? LIBSTAT_TIMEOUT : translateErrno(err ? err : SNMPERR_UNKNOWN_ENG_ID);
    s->engineId = eid;
    return openSession(s);
}

// A blocking exchange for callers without a window: the call is the engine's own (the pump
// never sees it) and the thread sleeps on its session's socket until the answer or the engine's
// time-out. An answer another blocking exchange reads for it still ends it.
int exchange(Session *s, QvSNMPPduKind kind, const QList<QvSNMPVb> &vbs, QvSNMPResponse *response)
{
    auto *c = new AsyncCall;
    c->id = S().nextId++;
    c->session = s;
    c->kind = kind;
    c->vbs = vbs;
    c->blocking = true;
    S().calls.insert(c->id, c);
    ++s->outstanding;
    const quint64 id = c->id;
    auto forget = [id, c] {
        S().calls.remove(id);
        if (c->session)
            --c->session->outstanding;
        delete c;
    };
    if (const int err = sendCall(c)) {
        const bool done = c->done;
        const int status = c->status;
        forget();
        return done ? status : err;
    }
    while (!c->done)
        if (!c->session || !serveHandle(s->handle, QDeadlineTimer(QDeadlineTimer::Forever)))
            break;
    int status = c->done ? c->status : LIBSTAT_SESSION_CLOSING;
    if (c->done && status == 0) {
        *response = c->response;
        status = response->errorStatus;
    }
    forget();
    return status;
}

void serviceProbes()
{
    for (Session *s : std::as_const(S().sessions)) {
        if (s->probe && s->probeAnswered) {
            s->probeAnswered = false;
            endDiscovery(s, s->failStatus);
        }
    }
}

void drainFinished()
{
    serviceProbes();
    while (!S().finished.empty()) {
        AsyncCall *c = S().finished.front();
        S().finished.pop_front();
        S().calls.remove(c->id);
        if (c->session)
            --c->session->outstanding;
        QvSNMPAsyncHandler h = std::move(c->handler);
        const int status = c->status;
        const QvSNMPResponse resp = c->response;
        delete c;
        if (h)
            h(status, resp);
    }
}


// ---- Notification listeners ----

struct Listener {
    quint64 id = 0;
    void *handle = nullptr;
    QvSNMPNotificationHandler handler;
    QvSNMPRejectHandler rejected;
    bool hasUser = false;
    QByteArray userName;
    netsnmp_session keys;  // protocols and Ku of the user
    QList<QByteArray> engineIds;
};

struct QueuedNote {
    quint64 listener = 0;
    QvSNMPNotification note;
    netsnmp_pdu *reply = nullptr;  // an inform's answer, sent once accepted
};

struct QueuedReject {
    quint64 listener = 0;
    int status = 0;
    QString address;
};

struct ListenerState {
    QMap<quint64, Listener *> listeners;
    std::deque<QueuedNote> notes;
    std::deque<QueuedReject> rejects;
    quint64 nextId = 1;
};

ListenerState &L()
{
    static ListenerState l;
    return l;
}

const oid kSysUpTime0[] = {1, 3, 6, 1, 2, 1, 1, 3, 0};
const oid kSnmpTrapOid0[] = {1, 3, 6, 1, 6, 3, 1, 1, 4, 1, 0};

QvOid toQvOid(const oid *o, size_t len)
{
    QvOid out;
    out.reserve(int(len));
    for (size_t k = 0; k < len; ++k)
        out.append(quint32(o[k]));
    return out;
}

QString sourceOf(const netsnmp_pdu *pdu, quint16 *port)
{
    *port = 0;
    if (!pdu || !pdu->transport_data || pdu->transport_data_length < int(sizeof(netsnmp_indexed_addr_pair)))
        return QString();
    const auto *pair = static_cast<const netsnmp_indexed_addr_pair *>(pdu->transport_data);
    char buf[INET6_ADDRSTRLEN] = {0};
    if (pair->remote_addr.sa.sa_family == AF_INET) {
        inet_ntop(AF_INET, &pair->remote_addr.sin.sin_addr, buf, sizeof buf);
        *port = ntohs(pair->remote_addr.sin.sin_port);
    } else if (pair->remote_addr.sa.sa_family == AF_INET6) {
        inet_ntop(AF_INET6, &pair->remote_addr.sin6.sin6_addr, buf, sizeof buf);
        *port = ntohs(pair->remote_addr.sin6.sin6_port);
    }
    return QString::fromLatin1(buf);
}

// The user's keys in the engine's user cache, for each engine it may come from.
void installListenerKeys(Listener *l, bool force)
{
    if (!l->hasUser)
        return;
    QList<QByteArray> ids = l->engineIds;
    const QByteArray local = QvSNMPAdapter::LocalEngineId();
    if (!local.isEmpty() && !ids.contains(local))
        ids.append(local);
    for (QByteArray eid : ids) {
        const QByteArray key = eid + '\0' + l->userName;
        if (!force && S().usmOwner.contains(key) && S().usmOwner.value(key) == nullptr)
            continue;
        u_char *e = reinterpret_cast<u_char *>(eid.data());
        struct usmUser *u = usm_get_user(e, size_t(eid.size()), const_cast<char *>(l->userName.constData()));
        const bool fresh = !u;
        if (fresh) {
            u = usm_create_user();
            if (!u)
                continue;
            u->engineID = static_cast<u_char *>(malloc(size_t(eid.size())));
            memcpy(u->engineID, eid.constData(), size_t(eid.size()));
            u->engineIDLen = size_t(eid.size());
            u->name = strdup(l->userName.constData());
            u->secName = strdup(l->userName.constData());
        }
        fillUserKeys(u, e, size_t(eid.size()), &l->keys);
        if (fresh)
            usm_add_user(u);
        // Owner null: a session re-installs its own keys before it sends.
        S().usmOwner.insert(key, nullptr);
    }
}

int listenerCallback(int op, netsnmp_session *, int, netsnmp_pdu *pdu, void *magic)
{
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu)
        return 1;
    const quint64 id = quint64(reinterpret_cast<quintptr>(magic));
    if (!L().listeners.contains(id))
        return 1;
    if (pdu->command != SNMP_MSG_TRAP && pdu->command != SNMP_MSG_TRAP2 && pdu->command != SNMP_MSG_INFORM)
        return 1;
    QueuedNote q;
    q.listener = id;
    QvSNMPNotification &n = q.note;
    n.version = pdu->version == SNMP_VERSION_1 ? 0 : pdu->version == SNMP_VERSION_2c ? 1 : 3;
    n.inform = pdu->command == SNMP_MSG_INFORM;
    n.sourceAddress = sourceOf(pdu, &n.sourcePort);
    if (pdu->version == SNMP_VERSION_3) {
        n.securityName = QString::fromLatin1(pdu->securityName, int(pdu->securityNameLen));
        n.securityLevel = pdu->securityLevel;
        n.securityEngineId = QByteArray(reinterpret_cast<const char *>(pdu->securityEngineID),
                                        int(pdu->securityEngineIDLen));
    } else {
        n.community = QString::fromLatin1(reinterpret_cast<const char *>(pdu->community), int(pdu->community_len));
    }
    if (pdu->command == SNMP_MSG_TRAP) {
        // RFC 3584: generic traps 0..5 are snmpTraps.1..6, enterprise ones enterprise.0.specific.
        n.uptime = quint32(pdu->time);
        if (pdu->trap_type >= 0 && pdu->trap_type < 6) {
            n.trapOid = QvOid{1, 3, 6, 1, 6, 3, 1, 1, 5, quint32(pdu->trap_type + 1)};
        } else {
            n.trapOid = toQvOid(pdu->enterprise, pdu->enterprise_length);
            n.trapOid << 0 << quint32(pdu->specific_type);
        }
    }
    for (netsnmp_variable_list *v = pdu->variables; v; v = v->next_variable) {
        if (pdu->command != SNMP_MSG_TRAP) {
            if (snmp_oid_compare(v->name, v->name_length, kSysUpTime0, OID_LENGTH(kSysUpTime0)) == 0) {
                if (v->type == ASN_TIMETICKS)
                    n.uptime = quint32(*v->val.integer);
                continue;
            }
            if (snmp_oid_compare(v->name, v->name_length, kSnmpTrapOid0, OID_LENGTH(kSnmpTrapOid0)) == 0) {
                if (v->type == ASN_OBJECT_ID)
                    n.trapOid = toQvOid(v->val.objid, v->val_len / sizeof(oid));
                continue;
            }
        }
        QvSNMPVb vb;
        vb.oid = toQvOid(v->name, v->name_length);
        vb.value = fromVariable(v);
        n.vbs.append(vb);
    }
    if (n.inform) {
        q.reply = snmp_clone_pdu(pdu);
        if (q.reply) {
            q.reply->command = SNMP_MSG_RESPONSE;
            q.reply->errstat = 0;
            q.reply->errindex = 0;
        }
    }
    L().notes.push_back(std::move(q));
    return 1;
}

// Messages the engine refused: counted by the listener's owner. A discovery probe (no user)
// and a time-window report belong to a sender's normal start, not refusals.
int listenerPostParse(netsnmp_session *sess, netsnmp_pdu *pdu, int result)
{
    if (result == 0 || !sess)
        return 1;
    const quint64 id = quint64(reinterpret_cast<quintptr>(sess->callback_magic));
    const int status = translateErrno(result);
    if (pdu && pdu->version == SNMP_VERSION_3 && pdu->securityNameLen == 0)
        return 1;
    if (status == LIBSTAT_USM_NOT_IN_TIME_WINDOW)
        return 1;
    QueuedReject r;
    r.listener = id;
    r.status = status;
    quint16 port = 0;
    r.address = sourceOf(pdu, &port);
    L().rejects.push_back(r);
    return 1;
}

void readListeners()
{
    QList<pollfd> fds;
    QList<Listener *> owners;
    for (Listener *l : std::as_const(L().listeners)) {
        netsnmp_transport *t = l->handle ? snmp_sess_transport(l->handle) : nullptr;
        if (!t || t->sock < 0)
            continue;
        fds.append(pollfd{t->sock, POLLIN, 0});
        owners.append(l);
    }
    // Bounded: a flood cannot keep the pump here.
    for (int round = 0; round < 256 && !fds.isEmpty(); ++round) {
        if (::poll(fds.data(), nfds_t(fds.size()), 0) <= 0)
            break;
        for (int k = 0; k < fds.size(); ++k) {
            if (!(fds[k].revents & (POLLIN | POLLERR)))
                continue;
            installListenerKeys(owners[k], false);
            netsnmp_large_fd_set set;
            netsnmp_large_fd_set_init(&set, fds[k].fd + 1);
            NETSNMP_LARGE_FD_ZERO(&set);
            NETSNMP_LARGE_FD_SET(fds[k].fd, &set);
            snmp_sess_read2(owners[k]->handle, &set);
            netsnmp_large_fd_set_cleanup(&set);
        }
    }
}

QList<int> listenerSockets()
{
    QList<int> out;
    for (Listener *l : std::as_const(L().listeners))
        if (netsnmp_transport *t = l->handle ? snmp_sess_transport(l->handle) : nullptr; t && t->sock >= 0)
            out.append(t->sock);
    return out;
}

bool notificationsQueued() { return !L().notes.empty() || !L().rejects.empty(); }

void drainNotifications()
{
    while (!L().rejects.empty()) {
        const QueuedReject r = L().rejects.front();
        L().rejects.pop_front();
        Listener *l = L().listeners.value(r.listener);
        if (l && l->rejected)
            l->rejected(r.status, r.address);
    }
    while (!L().notes.empty()) {
        QueuedNote q = std::move(L().notes.front());
        L().notes.pop_front();
        Listener *l = L().listeners.value(q.listener);
        const bool accepted = l && l->handler && l->handler(q.note);
        // The handler may have closed the listener.
        l = L().listeners.value(q.listener);
        if (q.reply && accepted && l && l->handle) {
            if (snmp_sess_send(l->handle, q.reply) == 0)
                snmp_free_pdu(q.reply);
        } else if (q.reply) {
            snmp_free_pdu(q.reply);
        }
    }
}

} // namespace

namespace QvSNMPAdapter {

bool Init()
{
    if (S().initialised)
        return true;
    // No configuration, persistent state or MIB files, numeric OIDs.
    qputenv("MIBS", "");
    qputenv("MIBDIRS", "/nonexistent-kmv-mibs");
    qputenv("SNMPCONFPATH", "/nonexistent-kmv-conf");
    qputenv("SNMP_PERSISTENT_DIR", "/nonexistent-kmv-persist");
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_OID_OUTPUT_FORMAT, NETSNMP_OID_OUTPUT_NUMERIC);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_QUICK_PRINT, 1);
    init_snmp("kmv7040qx");
    S().initialised = true;
    return true;
}

bool SetLocalEngine(const QByteArray &localEngineId, quint32 boots)
{
    if (!S().initialised)
        return false;
    if (!localEngineId.isEmpty() &&
        set_exact_engineID(reinterpret_cast<const u_char *>(localEngineId.constData()),
                           size_t(localEngineId.size())) != SNMPERR_SUCCESS)
        return false;
    // The engine adds one to the stored value.
    QByteArray b = QByteArray::number(boots == 0 ? 0 : boots - 1);
    engineBoots_conf("engineBoots", b.data());
    return true;
}

bool IsInitialised() { return S().initialised; }

bool AuthProtocolSupported(qint32 code)
{
    size_t n = 0;
    return authOid(code, &n) != nullptr;
}

bool PrivProtocolSupported(qint32 code)
{
    size_t n = 0;
    return privOid(code, &n) != nullptr;
}

QByteArray LocalizedAuthKey(qint32 authProtocol, const QByteArray &password, const QByteArray &engineId)
{
    size_t alen = 0;
    const oid *a = authOid(authProtocol, &alen);
    if (!a || authProtocol == 1 || password.isEmpty() || engineId.isEmpty())
        return QByteArray();
    u_char ku[USM_AUTH_KU_LEN];
    size_t kuLen = sizeof ku;
    if (generate_Ku(a, u_int(alen), reinterpret_cast<const u_char *>(password.constData()), size_t(password.size()),
                    ku, &kuLen) != SNMPERR_SUCCESS)
        return QByteArray();
    u_char kul[USM_AUTH_KU_LEN];
    size_t kulLen = sizeof kul;
    if (generate_kul(a, u_int(alen), reinterpret_cast<const u_char *>(engineId.constData()), size_t(engineId.size()),
                     ku, kuLen, kul, &kulLen) != SNMPERR_SUCCESS)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(kul), int(kulLen));
}

QByteArray LocalizedPrivKey(qint32 authProtocol, qint32 privProtocol, const QByteArray &password,
                            const QByteArray &engineId)
{
    size_t alen = 0, plen = 0;
    const oid *a = authOid(authProtocol, &alen);
    const oid *p = privOid(privProtocol, &plen);
    if (!a || !p || authProtocol == 1 || privProtocol == 1 || password.isEmpty()
        || engineId.isEmpty())
        return QByteArray();
    u_char ku[USM_PRIV_KU_LEN];
    size_t kuLen = sizeof ku;
    if (generate_Ku(a, u_int(alen), reinterpret_cast<const u_char *>(password.constData()), size_t(password.size()),
                    ku, &kuLen) != SNMPERR_SUCCESS)
        return QByteArray();
    return localizePrivKu(a, u_int(alen), p, u_int(plen), reinterpret_cast<const u_char *>(engineId.constData()),
                          size_t(engineId.size()), ku, kuLen);
}

QByteArray KeyChangeValue(qint32 authProtocol, const QByteArray &oldKey, const QByteArray &newKey)
{
    size_t alen = 0;
    const oid *a = authOid(authProtocol, &alen);
    if (!a || authProtocol == 1 || oldKey.isEmpty() || oldKey.size() != newKey.size())
        return QByteArray();
    QByteArray oldCopy = oldKey, newCopy = newKey;
    QByteArray out(2 * newKey.size(), '\0');
    size_t outLen = size_t(out.size());
    // The library draws the random component itself, fresh for every call.
    if (encode_keychange(a, u_int(alen), reinterpret_cast<u_char *>(oldCopy.data()), size_t(oldCopy.size()),
                         reinterpret_cast<u_char *>(newCopy.data()), size_t(newCopy.size()),
                         reinterpret_cast<u_char *>(out.data()), &outLen) != SNMPERR_SUCCESS)
        return QByteArray();
    out.resize(int(outLen));
    return out;
}

QByteArray DecodeKeyChangeValue(qint32 authProtocol, const QByteArray &oldKey, const QByteArray &keyChange)
{
    size_t alen = 0;
    const oid *a = authOid(authProtocol, &alen);
    if (!a || authProtocol == 1 || oldKey.isEmpty() || keyChange.size() != 2 * oldKey.size())
        return QByteArray();
    QByteArray out(oldKey.size(), '\0');
    size_t outLen = size_t(out.size());
    if (decode_keychange(a, u_int(alen), reinterpret_cast<const u_char *>(oldKey.constData()), size_t(oldKey.size()),
                         reinterpret_cast<const u_char *>(keyChange.constData()), size_t(keyChange.size()),
                         reinterpret_cast<u_char *>(out.data()), &outLen) != SNMPERR_SUCCESS)
        return QByteArray();
    out.resize(int(outLen));
    return out;
}

namespace {
QString dottedOid(const oid *o, size_t len)
{
    QStringList parts;
    for (size_t i = 0; i < len; ++i)
        parts << QString::number(o[i]);
    return parts.join(QLatin1Char('.'));
}

// Codes of one protocol family, listed for the reverse look-up.
constexpr qint32 kAuthCodes[] = {1, 2, 3, 4, 5, 6, 7};
constexpr qint32 kPrivCodes[] = {1, 2, 4, 20, 21};
} // namespace

QString AuthProtocolOid(qint32 code)
{
    size_t n = 0;
    const oid *o = authOid(code, &n);
    return o ? dottedOid(o, n) : QString();
}

QString PrivProtocolOid(qint32 code)
{
    size_t n = 0;
    const oid *o = privOid(code, &n);
    return o ? dottedOid(o, n) : QString();
}

qint32 AuthProtocolCode(const QString &dotted)
{
    const QString d = dotted.startsWith(QLatin1Char('.')) ? dotted.mid(1) : dotted;
    for (qint32 c : kAuthCodes)
        if (AuthProtocolOid(c) == d)
            return c;
    return 0;
}

qint32 PrivProtocolCode(const QString &dotted)
{
    const QString d = dotted.startsWith(QLatin1Char('.')) ? dotted.mid(1) : dotted;
    for (qint32 c : kPrivCodes)
        if (PrivProtocolOid(c) == d)
            return c;
    return 0;
}

int SendBlocking(const QvSNMPTarget &target, QvSNMPPduKind kind, const QList<QvSNMPVb> &vbs,
                 QvSNMPResponse *response)
{
    if (!S().initialised)
        return LIBSTAT_SESSION_CLOSING;
    if (int st = checkProtocols(target))
        return st;
    Session *s = sessionFor(target);
    if (int st = prepareBlocking(s))
        return st;
    return exchange(s, kind, vbs, response);
}

namespace {

int sendAsync(const QvSNMPTarget &target, QvSNMPPduKind kind, int maxRepetitions, const QList<QvSNMPVb> &vbs,
              QvSNMPAsyncHandler handler, quint64 *requestId)
{
    if (!S().initialised)
        return LIBSTAT_SESSION_CLOSING;
    if (int st = checkProtocols(target))
        return st;
    for (const QvSNMPVb &vb : vbs)
        if (vb.oid.isEmpty() || vb.oid.size() > MAX_OID_LEN)
            return LIBSTAT_INVALID_OID;
    Session *s = sessionFor(target);
    if (!s->ready && !s->probe) {
        if (target.version != 3) {
            if (int st = openSession(s))
                return st;
        } else {
            int st = 0;
            s->probe = openProbe(target, &st, true);
            if (!s->probe)
                return st;
            notifyActivity();
            netsnmp_pdu *p = probePdu(true);
            if (snmp_sess_async_send(s->probe, p, probeCallback, s) == 0) {
                snmp_free_pdu(p);
                snmp_sess_close(s->probe);
                s->probe = nullptr;
                return LIBSTAT_TRANSPORT_FAILED;
            }
        }
    }
    auto *c = new AsyncCall;
    c->id = S().nextId++;
    c->handler = std::move(handler);
    c->session = s;
    c->kind = kind;
    c->maxRepetitions = maxRepetitions;
    c->vbs = vbs;
    S().calls.insert(c->id, c);
    ++s->outstanding;
    if (requestId)
        *requestId = c->id;
    if (s->probe) {
        s->waiting.push_back(c);
        return 0;
    }
    // The callback may already have run: only a call not yet completed fails here.
    if (const int st = sendCall(c); st != 0 && !c->done) {
        S().calls.remove(c->id);
        --s->outstanding;
        delete c;
        return st;
    }
    notifyActivity();
    return 0;
}

} // namespace

int SendAsync(const QvSNMPTarget &target, QvSNMPPduKind kind, const QList<QvSNMPVb> &vbs,
              QvSNMPAsyncHandler handler, quint64 *requestId)
{
    if (kind == PDU_GETBULK)
        return LIBSTAT_INVALID_PDU;
    return sendAsync(target, kind, 0, vbs, std::move(handler), requestId);
}

int SendBulkAsync(const QvSNMPTarget &target, const QList<QvSNMPVb> &vbs, int maxRepetitions,
                  QvSNMPAsyncHandler handler, quint64 *requestId)
{
    if (target.version == 0)
        return LIBSTAT_UNSUPPORTED_ON_TARGET;
    return sendAsync(target, PDU_GETBULK, maxRepetitions, vbs, std::move(handler), requestId);
}

void Cancel(quint64 requestId)
{
    const auto it = S().calls.find(requestId);
    if (it == S().calls.end())
        return;
    AsyncCall *c = it.value();
    c->handler = nullptr;
    Session *s = c->session;
    if (!s || c->done)
        return;
    const auto queued = std::find(s->waiting.begin(), s->waiting.end(), c);
    if (queued != s->waiting.end()) {
        s->waiting.erase(queued);
        S().calls.erase(it);
        --s->outstanding;
        delete c;
    }
}

void ProcessEvents()
{
    QList<void *> handles;
    QList<pollfd> fds;
    for (Session *s : std::as_const(S().sessions)) {
        for (void *h : {s->handle, s->probe}) {
            if (!h)
                continue;
            netsnmp_transport *t = snmp_sess_transport(h);
            if (!t || t->sock < 0)
                continue;
            handles.append(h);
            fds.append(pollfd{t->sock, POLLIN, 0});
        }
    }
    if (!fds.isEmpty() && ::poll(fds.data(), nfds_t(fds.size()), 0) > 0) {
        for (int k = 0; k < fds.size(); ++k) {
            if (!(fds[k].revents & (POLLIN | POLLERR)))
                continue;
            netsnmp_large_fd_set set;
            netsnmp_large_fd_set_init(&set, fds[k].fd + 1);
            NETSNMP_LARGE_FD_ZERO(&set);
            NETSNMP_LARGE_FD_SET(fds[k].fd, &set);
            snmp_sess_read2(handles[k], &set);
            netsnmp_large_fd_set_cleanup(&set);
        }
    }
    readListeners();
    // Time-outs after reading, so that an answer that arrived counts.
    for (Session *s : QList<Session *>(S().sessions.begin(), S().sessions.end())) {
        if (s->handle)
            snmp_sess_timeout(s->handle);
        if (s->probe)
            snmp_sess_timeout(s->probe);
    }
    drainFinished();
    drainNotifications();
}

QList<int> Sockets()
{
    QList<int> out;
    for (Session *s : std::as_const(S().sessions))
        for (void *h : {s->handle, s->probe})
            if (h)
                if (netsnmp_transport *t = snmp_sess_transport(h); t && t->sock >= 0)
                    out.append(t->sock);
    out.append(listenerSockets());
    return out;
}

int NextTimeoutMs()
{
    int best = -1;
    for (Session *s : std::as_const(S().sessions)) {
        for (void *h : {s->handle, s->probe}) {
            if (!h)
                continue;
            if (const int ms = handleTimeoutMs(h); ms >= 0)
                best = best < 0 ? ms : qMin(best, ms);
        }
    }
    for (Session *s : std::as_const(S().sessions))
        if (s->probeAnswered)
            best = 0;
    if (!S().finished.empty() || notificationsQueued())
        best = 0;
    return best;
}

QString SessionKey(const QvSNMPTarget &target) { return targetKey(target); }

void SetActivityHook(void (*hook)()) { S().activity = hook; }

int PendingCount() { return S().calls.size(); }

int OpenSessionCount()
{
    int n = 0;
    for (Session *s : std::as_const(S().sessions))
        n += (s->handle ? 1 : 0) + (s->probe ? 1 : 0);
    return n;
}

void CloseAllSessions()
{
    // Closing makes the engine time out what is outstanding; report it as session closing.
    for (AsyncCall *c : std::as_const(S().calls)) {
        if (!c->done) {
            c->done = true;
            c->status = LIBSTAT_SESSION_CLOSING;
            if (!c->blocking)
                S().finished.push_back(c);
        }
        // A blocking exchange lets go of its session, too.
        if (c->blocking)
            c->session = nullptr;
    }
    const QList<Session *> all(S().sessions.begin(), S().sessions.end());
    S().sessions.clear();
    S().usmOwner.clear();
    // Watchers let go of the sockets before they close.
    notifyActivity();
    for (Session *s : all) {
        if (s->handle)
            snmp_sess_close(s->handle);
        if (s->probe)
            snmp_sess_close(s->probe);
        s->handle = s->probe = nullptr;
    }
    // Completions still name their session for the bookkeeping above; detach them.
    for (AsyncCall *c : S().finished)
        c->session = nullptr;
    drainFinished();
    qDeleteAll(all);
}

int OpenListener(const QString &address, quint16 port, QvSNMPNotificationHandler handler,
                 QvSNMPRejectHandler rejected, quint64 *listenerId, quint16 *boundPort)
{
    if (!S().initialised)
        return LIBSTAT_SESSION_CLOSING;
    // Numeric addresses only: nothing is looked up.
    const QByteArray text = address.trimmed().toLatin1();
    in6_addr probe6{};
    in_addr probe4{};
    const bool v6 = inet_pton(AF_INET6, text.constData(), &probe6) == 1;
    if (!v6 && inet_pton(AF_INET, text.constData(), &probe4) != 1)
        return LIBSTAT_INVALID_ADDRESS;
    const QByteArray endpoint = (v6 ? QStringLiteral("udp6:[%1]:%2") : QStringLiteral("udp:%1:%2"))
                                .arg(QString::fromLatin1(text)).arg(port).toLatin1();
    netsnmp_transport *t = netsnmp_tdomain_transport(endpoint.constData(), 1, v6 ? "udp6" : "udp");
    if (!t)
        return errno == EACCES || errno == EADDRINUSE ? LIBSTAT_TRANSPORT_IN_USE : LIBSTAT_TRANSPORT_NO_SOCKET;
    // Informs come to the local engine: its own time-window entry must exist under its ID.
    u_char localId[64];
    if (const size_t n = snmpv3_get_engineID(localId, sizeof localId); n > 0)
        set_enginetime(localId, u_int(n), u_int(snmpv3_local_snmpEngineBoots()), u_int(snmpv3_local_snmpEngineTime()),
                       TRUE);
    auto *l = new Listener;
    l->id = L().nextId++;
    l->handler = std::move(handler);
    l->rejected = std::move(rejected);
    snmp_sess_init(&l->keys);
    netsnmp_session ss;
    snmp_sess_init(&ss);
    ss.callback = listenerCallback;
    ss.callback_magic = reinterpret_cast<void *>(quintptr(l->id));
    ss.isAuthoritative = SNMP_SESS_UNKNOWNAUTH;
    l->handle = snmp_sess_add(&ss, t, nullptr, listenerPostParse);
    if (!l->handle) {
        delete l;
        return LIBSTAT_TRANSPORT_FAILED;
    }
    if (boundPort) {
        sockaddr_storage sa{};
        socklen_t len = sizeof sa;
        *boundPort = 0;
        if (::getsockname(t->sock, reinterpret_cast<sockaddr *>(&sa), &len) == 0)
            *boundPort = sa.ss_family == AF_INET6 ? ntohs(reinterpret_cast<sockaddr_in6 *>(&sa)->sin6_port)
                                                  : ntohs(reinterpret_cast<sockaddr_in *>(&sa)->sin_port);
    }
    L().listeners.insert(l->id, l);
    if (listenerId)
        *listenerId = l->id;
    notifyActivity();
    return 0;
}

void CloseListener(quint64 listenerId)
{
    Listener *l = L().listeners.take(listenerId);
    if (!l)
        return;
    for (auto it = L().notes.begin(); it != L().notes.end();) {
        if (it->listener == listenerId) {
            if (it->reply)
                snmp_free_pdu(it->reply);
            it = L().notes.erase(it);
        } else {
            ++it;
        }
    }
    // Watchers let go of the socket before it closes.
    notifyActivity();
    if (l->handle)
        snmp_sess_close(l->handle);
    delete l;
}

int ListenerCount() { return L().listeners.size(); }

bool SetListenerUser(quint64 listenerId, const QvSNMPListenerUser &user)
{
    Listener *l = L().listeners.value(listenerId);
    if (!l)
        return false;
    l->hasUser = false;
    if (user.name.isEmpty())
        return true;
    size_t alen = 0, plen = 0;
    const oid *a = authOid(user.securityLevel >= 2 ? user.authProtocol : 1, &alen);
    const oid *p = privOid(user.securityLevel >= 3 ? user.privProtocol : 1, &plen);
    if (!a || !p)
        return false;
    netsnmp_session &k = l->keys;
    snmp_sess_init(&k);
    k.securityAuthProto = const_cast<oid *>(a);
    k.securityAuthProtoLen = alen;
    k.securityPrivProto = const_cast<oid *>(p);
    k.securityPrivProtoLen = plen;
    if (user.securityLevel >= 2) {
        const QByteArray pw = user.authPassword.toLatin1();
        k.securityAuthKeyLen = USM_AUTH_KU_LEN;
        if (pw.isEmpty() || generate_Ku(a, u_int(alen), reinterpret_cast<const u_char *>(pw.constData()),
                                        size_t(pw.size()), k.securityAuthKey, &k.securityAuthKeyLen) != SNMPERR_SUCCESS)
            return false;
    }
    if (user.securityLevel >= 3) {
        const QByteArray pw = user.privPassword.toLatin1();
        k.securityPrivKeyLen = USM_PRIV_KU_LEN;
        if (pw.isEmpty() || generate_Ku(a, u_int(alen), reinterpret_cast<const u_char *>(pw.constData()),
                                        size_t(pw.size()), k.securityPrivKey, &k.securityPrivKeyLen) != SNMPERR_SUCCESS)
            return false;
    }
    l->userName = user.name.toLatin1();
    l->engineIds = user.engineIds;
    l->hasUser = true;
    installListenerKeys(l, true);
    return true;
}

QByteArray LocalEngineId()
{
    if (!S().initialised)
        return {};
    u_char buf[64];
    const size_t n = snmpv3_get_engineID(buf, sizeof buf);
    return QByteArray(reinterpret_cast<const char *>(buf), int(n));
}

QByteArray KnownEngineId(const QvSNMPTarget &target)
{
    const Session *s = S().sessions.value(targetKey(target));
    return s ? s->engineId : QByteArray();
}

} // namespace QvSNMPAdapter
