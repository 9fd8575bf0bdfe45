// The process-wide SNMP state: the session parameters every request copies, the global
// session with the SNMPv3 local engine identity, and the event pump that delivers
// asynchronous completions on the GUI thread.
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

class QTimer;

// Library codes of the security settings. The first three of each are those of the settings
// dialog; the others are reachable through the command line.
enum QvSNMPVersionCode : qint8 { SNMP_VERSION_V1 = 0, SNMP_VERSION_V2C = 1, SNMP_VERSION_V3 = 3 };
enum QvSNMPSecurityModelCode : qint32 { SECMODEL_V1 = 1, SECMODEL_V2C = 2, SECMODEL_USM = 3 };
enum QvSNMPSecurityLevelCode : qint32 { SECLEVEL_NOAUTH_NOPRIV = 1, SECLEVEL_AUTH_NOPRIV = 2, SECLEVEL_AUTH_PRIV = 3 };
enum QvSNMPAuthProtocolCode : qint32 {
    AUTHPROT_NONE = 1,
    AUTHPROT_HMACMD5 = 2,
    AUTHPROT_HMACSHA = 3,
    AUTHPROT_HMAC128SHA224 = 4,
    AUTHPROT_HMAC192SHA256 = 5,
    AUTHPROT_HMAC256SHA384 = 6,
    AUTHPROT_HMAC384SHA512 = 7,
};
enum QvSNMPPrivProtocolCode : qint32 {
    PRIVPROT_NONE = 1,
    PRIVPROT_DES = 2,
    PRIVPROT_3DESEDE = 3,  // not served by the engine
    PRIVPROT_AES128 = 4,
    PRIVPROT_IDEA = 9,     // not served by the engine
    PRIVPROT_AES192 = 20,
    PRIVPROT_AES256 = 21,
};

struct QvSNMPDevice {
    QString Address = QStringLiteral("127.0.0.1");
    quint16 Port = 161;
};

struct QvSNMPScope {
    QString ContextEngineID;
    QString ContextName;
};

struct QvSNMPSecurity {
    qint8 Version = SNMP_VERSION_V1;
    QString ReadCommunity = QStringLiteral("corvet");
    QString WriteCommunity = QStringLiteral("lanmore");
    qint32 SecurityModel = SECMODEL_V1;
    qint32 SecurityLevel = SECLEVEL_NOAUTH_NOPRIV;
    QString SecurityName;
    QString AuthPassword;
    QString PrivPassword;
    qint32 AuthProtocol = AUTHPROT_NONE;
    qint32 PrivProtocol = PRIVPROT_NONE;
};

class SnmpEventProcessor;

// The one session parameter record of the process.
struct QvSNMPSessionParams {
    QvSNMPDevice Device;
    QvSNMPScope Scope;
    QvSNMPSecurity Security;
    qint32 Timeout = 100;  // hundredths of a second
    qint32 Retries = 1;    // resends after a time-out
    bool UseGetBulk = true;  // tables read with GETBULK under SNMPv2c and v3
    SnmpEventProcessor *EventProcessor = nullptr;
};

// What the user may set: time-out in hundredths of a second, retries after it.
constexpr qint32 QvMinTimeout = 10, QvMaxTimeout = 6000, QvMaxRetries = 10;

// The record (defaults until the global session is opened, which writes them again).
QvSNMPSessionParams &SessionParams();

// Opens the global session: the engine, the boot count from "QvSNMP_PP_BootCounter" in
// directory, the local engine ID "QvSNMP_PP_Application", the parameter defaults and the
// event pump. Throws -506, -507 or -508. A second call does nothing.
void OpenGlobalSession(const QString &directory);
bool GlobalSessionOpen();
// The local engine's boot count presented to agents (0 before the session opens).
quint32 GlobalEngineBoots();

// Pumps the engine's pending events: one read notifier per socket the engine opened, plus one
// single-shot timer armed from the engine's next retransmission or time-out. Nothing runs while
// nothing is outstanding. Never re-entered; runs on the GUI thread only.
class SnmpEventProcessor : public QObject {
    Q_OBJECT
public:
    explicit SnmpEventProcessor(QObject *parent = nullptr);
    ~SnmpEventProcessor() override;

    void Start();
    void Stop();
    bool IsActive() const;
    // True while the time-out timer waits (something is outstanding).
    bool TimerArmed() const;
    // One round of the pump: reads what arrived, runs time-outs. Returns false when it was
    // already running (re-entry refused).
    bool ProcessPendingEvents();
    // Re-arms the time-out timer from the engine's next time-out (stops it when none).
    void Arm();
    // Number of completed pump rounds (diagnostics, tests).
    quint64 Rounds() const { return m_rounds; }
    // Follows the engine's sockets: one read notifier per open session.
    void SyncNotifiers();

private:
    QTimer *m_timer = nullptr;
    bool m_started = false;
    bool m_running = false;
    quint64 m_rounds = 0;
    struct Notifiers;
    Notifiers *m_notifiers = nullptr;
};

// Runs one SnmpEventProcessor round; tests use it.
void SNMPProcessPendingEvents();
