// The one thin adapter between the framework and the protocol engine. Speaks only the
// framework's own types; the engine's headers stay in its source file. Statuses are given in
// the numbering the error mapping works on (see MapStatus).
#pragma once

#include "qvsnmpvalue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// Everything that identifies a session: requests with equal settings share one.
struct QvSNMPTarget {
    QString address;
    quint16 port = 161;
    qint8 version = 0;        // 0 v1, 1 v2c, 3 v3
    QString community;        // v1, v2c
    qint32 securityModel = 3; // v3
    qint32 securityLevel = 1;
    QString securityName;
    QString authPassword;
    QString privPassword;
    qint32 authProtocol = 1;
    qint32 privProtocol = 1;
    QString contextName;
    QString contextEngineID;  // octets as Latin-1
    qint32 timeout = 100;     // hundredths of a second
    qint32 retries = 1;
};

enum QvSNMPPduKind { PDU_GET, PDU_GETNEXT, PDU_SET, PDU_GETBULK };

struct QvSNMPResponse {
    qint32 errorStatus = 0;
    qint32 errorIndex = 0;
    QList<QvSNMPVb> vbs;
    QString agentAddress;
    quint16 agentPort = 0;
};

// Library statuses used by the engine (the error mapping's numbering).
enum QvSNMPLibStatus {
    LIBSTAT_SUCCESS = 0,
    LIBSTAT_ERROR = -1,
    LIBSTAT_RESOURCE = -2,
    LIBSTAT_TIMEOUT = -5,
    LIBSTAT_SESSION_CLOSING = -8,
    LIBSTAT_INVALID_PDU = -11,
    LIBSTAT_INVALID_TARGET = -12,
    LIBSTAT_UNSUPPORTED_ON_TARGET = -16,
    LIBSTAT_INVALID_OID = -17,
    LIBSTAT_INVALID_ADDRESS = -18,
    LIBSTAT_TRANSPORT_NO_SOCKET = -20,
    LIBSTAT_TRANSPORT_IN_USE = -21,
    LIBSTAT_TRANSPORT_FAILED = -22,
    LIBSTAT_USM_UNSUPPORTED_SECLEVEL = 1403,
    LIBSTAT_USM_UNKNOWN_SECNAME = 1404,
    LIBSTAT_USM_DECRYPTION_ERROR = 1406,
    LIBSTAT_USM_AUTH_FAILURE = 1408,
    LIBSTAT_USM_UNKNOWN_ENGINEID = 1410,
    LIBSTAT_USM_NOT_IN_TIME_WINDOW = 1411,
    LIBSTAT_USM_UNSUPPORTED_AUTHPROT = 1412,
    LIBSTAT_USM_UNSUPPORTED_PRIVPROT = 1413,
    LIBSTAT_MP_UNSUPPORTED_SECMODEL = -1402,
    LIBSTAT_MP_INVALID_MESSAGE = -1405,
    LIBSTAT_MP_UNKNOWN_PDU_HANDLERS = -1415,
    LIBSTAT_MP_UNAVAILABLE_CONTEXT = -1416,
    LIBSTAT_MP_UNKNOWN_CONTEXT = -1417,
};

// One notification as received (trap or inform). SNMPv1 traps are given in the SNMPv2 form
// (RFC 3584): trapOid from the generic and specific codes, uptime from the time-stamp.
struct QvSNMPNotification {
    qint8 version = 0;          // 0 v1, 1 v2c, 3 v3
    bool inform = false;
    QString sourceAddress;      // numeric
    quint16 sourcePort = 0;
    QString community;          // v1, v2c: octets as Latin-1
    QString securityName;       // v3
    qint32 securityLevel = 0;   // v3: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    QByteArray securityEngineId; // v3: the authoritative engine of the message
    quint32 uptime = 0;         // sysUpTime.0 of the sender, hundredths
    QvOid trapOid;
    QList<QvSNMPVb> vbs;        // the bindings after sysUpTime.0 and snmpTrapOID.0
};

// The SNMPv3 user notifications may come with: keys are localised to every engine ID given
// (the sender's for traps) and to the local engine (for informs).
struct QvSNMPListenerUser {
    QString name;
    qint32 securityLevel = 1;
    qint32 authProtocol = 1;
    qint32 privProtocol = 1;
    QString authPassword;
    QString privPassword;
    QList<QByteArray> engineIds;
};

// A notification's handler decides whether it is accepted; an accepted inform is answered.
using QvSNMPNotificationHandler = std::function<bool(const QvSNMPNotification &)>;
// A message the engine refused before it became a notification (unknown user, wrong key, not
// in time, undecodable): its library status and sender's address.
using QvSNMPRejectHandler = std::function<void(int status, const QString &sourceAddress)>;

// Called once per asynchronous send with the final library status (0 when a response
// arrived; its error status is in the response) unless the send failed at once.
using QvSNMPAsyncHandler = std::function<void(int status, const QvSNMPResponse &response)>;

namespace QvSNMPAdapter {

// Starts the engine with no configuration or persistent files and no MIBs. Returns false when
// the engine cannot be started.
bool Init();
// Starts SNMPv3 message processing with the local engine ID and boot count.
bool SetLocalEngine(const QByteArray &localEngineId, quint32 boots);
bool IsInitialised();

// The security protocol codes the engine can serve.
bool AuthProtocolSupported(qint32 code);
bool PrivProtocolSupported(qint32 code);

// SNMPv3 keys (RFC 3414), raw octets; protocol codes as in the session parameters. Each gives
// an empty result for an unsupported protocol, an empty password or engine ID, or a length
// mismatch.
// A password localised to an engine ID with the authentication protocol's hash.
QByteArray LocalizedAuthKey(qint32 authProtocol, const QByteArray &password, const QByteArray &engineId);
// The privacy key: the same localisation, cut or extended to the privacy protocol's key length.
QByteArray LocalizedPrivKey(qint32 authProtocol, qint32 privProtocol, const QByteArray &password,
                            const QByteArray &engineId);
// The KeyChange value that turns oldKey into newKey, with a fresh random component.
QByteArray KeyChangeValue(qint32 authProtocol, const QByteArray &oldKey, const QByteArray &newKey);
// The new key a KeyChange value gives from oldKey.
QByteArray DecodeKeyChangeValue(qint32 authProtocol, const QByteArray &oldKey, const QByteArray &keyChange);
// A protocol code's object identifier (dotted, no leading dot; "" when unknown) and back (0 when unknown).
QString AuthProtocolOid(qint32 code);
QString PrivProtocolOid(qint32 code);
qint32 AuthProtocolCode(const QString &dotted);
qint32 PrivProtocolCode(const QString &dotted);

// Blocking exchange, for callers without a window: returns the library status, fills response
// on 0. The thread sleeps until the answer or the time-out. An SNMPv3 engine
// discovery of the same target that an asynchronous send started is waited for first, within
// the target's time-out and retries.
int SendBlocking(const QvSNMPTarget &target, QvSNMPPduKind kind, const QList<QvSNMPVb> &vbs,
                 QvSNMPResponse *response);
// Asynchronous exchange; returns the status of the send itself. On 0 the handler runs exactly
// once, from ProcessEvents or from a later blocking call, never from inside this call.
int SendAsync(const QvSNMPTarget &target, QvSNMPPduKind kind, const QList<QvSNMPVb> &vbs,
              QvSNMPAsyncHandler handler, quint64 *requestId = nullptr);

// Drops an asynchronous exchange: its handler never runs, a late answer is discarded. A call
// still queued behind an engine discovery never leaves. Unknown or finished ids are ignored.
void Cancel(quint64 requestId);
// GETBULK of the bindings (all repeating) with maxRepetitions rows, as SendAsync otherwise.
// SNMPv1 has no GETBULK: LIBSTAT_UNSUPPORTED_ON_TARGET, nothing sent.
int SendBulkAsync(const QvSNMPTarget &target, const QList<QvSNMPVb> &vbs, int maxRepetitions,
                  QvSNMPAsyncHandler handler, quint64 *requestId = nullptr);

// Reads what arrived and runs time-outs and retransmissions of every session.
void ProcessEvents();
// Sockets of the open sessions, to watch for readability.
QList<int> Sockets();
// Milliseconds until the earliest retransmission or time-out, -1 when nothing is pending.
int NextTimeoutMs();
// Requests sent and not yet completed.
int PendingCount();
// Closes every session: outstanding requests complete with LIBSTAT_SESSION_CLOSING.
void CloseAllSessions();
int OpenSessionCount();
// The key under which a target's session is kept; its secrets appear only as a digest.
QString SessionKey(const QvSNMPTarget &target);
// Opens a UDP listener for traps and informs on a numeric address (IPv4 or IPv6) and port (0
// picks a free one, given back in boundPort). Served by ProcessEvents; its socket is among
// Sockets(). Handlers run from ProcessEvents only. Returns the library status.
int OpenListener(const QString &address, quint16 port, QvSNMPNotificationHandler handler,
                 QvSNMPRejectHandler rejected, quint64 *listenerId, quint16 *boundPort = nullptr);
void CloseListener(quint64 listenerId);
int ListenerCount();
// The SNMPv3 user of a listener (replaces the previous one). Returns false for protocols the
// engine cannot serve.
bool SetListenerUser(quint64 listenerId, const QvSNMPListenerUser &user);
// The local engine ID (informs are sent to it), empty before SetLocalEngine.
QByteArray LocalEngineId();
// The authoritative engine ID a v3 target's session has discovered; empty when not yet known.
QByteArray KnownEngineId(const QvSNMPTarget &target);

// Called whenever a session (and so a socket) opens or closes and whenever a request leaves, so
// that a watcher can follow the sockets and the next time-out.
void SetActivityHook(void (*hook)());

} // namespace QvSNMPAdapter
