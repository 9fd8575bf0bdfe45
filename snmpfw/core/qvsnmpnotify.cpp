// The notification receiver: the adapter's listener, the switch's credentials, the tally of
// what others sent.
#include "qvsnmpnotify.h"

#include "qvsnmpsession.h"

#include <arpa/inet.h>

QvNotifyListenParams &NotifyListenParams()
{
    static QvNotifyListenParams p;
    return p;
}

bool IsNumericAddress(const QString &text)
{
    const QByteArray t = text.trimmed().toLatin1();
    in_addr a4{};
    in6_addr a6{};
    return !t.isEmpty() && (inet_pton(AF_INET, t.constData(), &a4) == 1 || inet_pton(AF_INET6, t.constData(), &a6) == 1);
}

namespace {

// "::ffff:127.0.0.1" and "127.0.0.1" are the same sender.
QString plainAddress(const QString &a)
{
    static const QString mapped = QStringLiteral("::ffff:");
    const QString t = a.trimmed();
    return t.startsWith(mapped, Qt::CaseInsensitive) && t.contains(QLatin1Char('.')) ? t.mid(mapped.size()) : t;
}

} // namespace

QvSNMPNotificationReceiver::QvSNMPNotificationReceiver(QObject *parent) : QObject(parent) {}

QvSNMPNotificationReceiver::~QvSNMPNotificationReceiver()
{
    if (m_discovery)
        QvSNMPAdapter::Cancel(m_discovery);
    Stop();
}

QvNotifySender QvSNMPNotificationReceiver::SessionSender()
{
    const QvSNMPSessionParams &p = SessionParams();
    QvNotifySender s;
    s.address = p.Device.Address;
    s.version = p.Security.Version == 3 ? 3 : (p.Security.Version == 1 ? 1 : 0);
    s.community = p.Security.ReadCommunity;
    s.securityName = p.Security.SecurityName;
    s.securityLevel = p.Security.SecurityLevel;
    s.authProtocol = p.Security.AuthProtocol;
    s.privProtocol = p.Security.PrivProtocol;
    s.authPassword = p.Security.AuthPassword;
    s.privPassword = p.Security.PrivPassword;
    // The same settings as the requests', so that the same session (and its discovered engine) serves.
    QvSNMPTarget &t = s.switchTarget;
    t.address = p.Device.Address;
    t.port = p.Device.Port;
    t.version = s.version;
    t.community = p.Security.ReadCommunity;
    t.securityModel = p.Security.SecurityModel;
    t.securityLevel = p.Security.SecurityLevel;
    t.securityName = p.Security.SecurityName;
    t.authPassword = p.Security.AuthPassword;
    t.privPassword = p.Security.PrivPassword;
    t.authProtocol = p.Security.AuthProtocol;
    t.privProtocol = p.Security.PrivProtocol;
    t.contextName = p.Scope.ContextName;
    t.contextEngineID = p.Scope.ContextEngineID;
    t.timeout = p.Timeout;
    t.retries = p.Retries;
    return s;
}

int QvSNMPNotificationReceiver::Start(const QString &address, quint16 port)
{
    Stop();
    m_error.clear();
    quint64 id = 0;
    quint16 bound = 0;
    const int st = QvSNMPAdapter::OpenListener(
        address, port, [this](const QvSNMPNotification &n) { return Deliver(n); },
        [this](int status, const QString &) { Reject(status); }, &id, &bound);
    if (st != 0) {
        if (st == LIBSTAT_INVALID_ADDRESS)
            m_error = QStringLiteral("Notifications are not received: \"%1\" is not a numeric address of this "
                                     "computer; set one in SNMP V3, SNMP Configure (or as NotifyAddress in the "
                                     "device configuration file)")
                          .arg(address);
        else
            m_error = QStringLiteral("Notifications are not received: UDP port %1 on %2 cannot be opened%3. "
                                     "Set a port above 1023 in SNMP V3, SNMP Configure (or as NotifyPort in the "
                                     "device configuration file) and the switch's trap target to it")
                          .arg(port)
                          .arg(address, port < 1024 ? QStringLiteral(" (ports below 1024 need privileges)")
                                                    : QStringLiteral(" (in use?)"));
        return st;
    }
    m_listener = id;
    m_port = bound;
    InstallUser();
    return 0;
}

void QvSNMPNotificationReceiver::Stop()
{
    if (m_listener)
        QvSNMPAdapter::CloseListener(m_listener);
    m_listener = 0;
    m_port = 0;
}

void QvSNMPNotificationReceiver::SetSender(const QvNotifySender &sender)
{
    const bool sameSwitch = sender.address == m_sender.address && sender.switchTarget.port == m_sender.switchTarget.port;
    m_sender = sender;
    if (!sameSwitch)
        m_switchEngine.clear();
    if (m_sender.version == 3 && m_switchEngine.isEmpty())
        m_switchEngine = QvSNMPAdapter::KnownEngineId(m_sender.switchTarget);
    InstallUser();
    if (m_sender.version == 3 && m_switchEngine.isEmpty())
        DiscoverSwitchEngine();
}

void QvSNMPNotificationReceiver::SetSwitchEngineId(const QByteArray &engineId)
{
    m_switchEngine = engineId;
    InstallUser();
}

void QvSNMPNotificationReceiver::InstallUser()
{
    if (!m_listener)
        return;
    QvSNMPListenerUser u;
    if (m_sender.version == 3) {
        u.name = m_sender.securityName;
        u.securityLevel = m_sender.securityLevel;
        u.authProtocol = m_sender.authProtocol;
        u.privProtocol = m_sender.privProtocol;
        u.authPassword = m_sender.authPassword;
        u.privPassword = m_sender.privPassword;
        if (!m_switchEngine.isEmpty())
            u.engineIds << m_switchEngine;
    }
    QvSNMPAdapter::SetListenerUser(m_listener, u);
}

void QvSNMPNotificationReceiver::DiscoverSwitchEngine()
{
    if (m_discovery || m_sender.version != 3 || m_sender.switchTarget.address.isEmpty())
        return;
    // Any request discovers the engine; sysUpTime.0 is the smallest.
    const QList<QvSNMPVb> vbs{QvSNMPVb{QvOid{1, 3, 6, 1, 2, 1, 1, 3, 0}, QvSNMPValue::null()}};
    quint64 id = 0;
    const QvSNMPTarget target = m_sender.switchTarget;
    const int st = QvSNMPAdapter::SendAsync(target, PDU_GET, vbs, [this, target](int, const QvSNMPResponse &) {
        m_discovery = 0;
        try {
            const QByteArray e = QvSNMPAdapter::KnownEngineId(target);
            if (!e.isEmpty() && e != m_switchEngine)
                SetSwitchEngineId(e);
        } catch (...) {
        }
    }, &id);
    if (st == 0)
        m_discovery = id;
}

bool QvSNMPNotificationReceiver::Accepts(const QvSNMPNotification &n) const
{
    if (plainAddress(n.sourceAddress) != plainAddress(m_sender.address))
        return false;
    if (m_sender.version != 3)
        return n.version != 3 && n.community == m_sender.community;
    if (n.version != 3 || n.securityName != m_sender.securityName || n.securityLevel < m_sender.securityLevel)
        return false;
    // Traps come with the switch's engine ID, informs with ours.
    const QByteArray expected = n.inform ? QvSNMPAdapter::LocalEngineId() : m_switchEngine;
    return !expected.isEmpty() && n.securityEngineId == expected;
}

bool QvSNMPNotificationReceiver::Deliver(const QvSNMPNotification &n)
{
    try {
        if (!Accepts(n)) {
            ++m_ignored;
            emit IgnoredChanged(m_ignored);
            return false;
        }
        ++m_accepted;
        emit Received(n);
        return true;
    } catch (...) {
        return false;
    }
}

void QvSNMPNotificationReceiver::Reject(int status)
{
    try {
        ++m_ignored;
        emit IgnoredChanged(m_ignored);
        // A user the engine does not know for this engine ID: the switch's engine may be new.
        if (m_sender.version == 3 && (status == LIBSTAT_USM_UNKNOWN_SECNAME || status == LIBSTAT_USM_UNKNOWN_ENGINEID)
            && m_switchEngine.isEmpty())
            DiscoverSwitchEngine();
    } catch (...) {
    }
}

QString QvSNMPNotificationReceiver::IgnoredText() const
{
    if (m_ignored == 0)
        return QString();
    return m_ignored == 1 ? QStringLiteral("1 notification from other senders ignored")
                          : QStringLiteral("%1 notifications from other senders ignored").arg(m_ignored);
}
