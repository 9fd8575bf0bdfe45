// Traps and informs from the managed switch: a listener on the engine's event pump that lets in
// only what comes from the switch's address with the session's community (v1, v2c) or user (v3)
// and counts the rest.
#pragma once

#include "qvsnmpadapter.h"

#include <QObject>
#include <QString>

// Where notifications are received; the device configuration file keeps them.
struct QvNotifyListenParams {
    QString Address = QStringLiteral("0.0.0.0");
    quint16 Port = 162;
};
QvNotifyListenParams &NotifyListenParams();
// A numeric IPv4 or IPv6 address (nothing is looked up).
bool IsNumericAddress(const QString &text);

// Who may send: the switch and the credentials of the session.
struct QvNotifySender {
    QString address;
    qint8 version = 0;  // the session's: 0 v1, 1 v2c (communities), 3 v3 (user)
    QString community;  // the read community
    QString securityName;
    qint32 securityLevel = 1;
    qint32 authProtocol = 1;
    qint32 privProtocol = 1;
    QString authPassword;
    QString privPassword;
    QvSNMPTarget switchTarget;  // v3: where the switch's engine ID is discovered
};

class QvSNMPNotificationReceiver : public QObject {
    Q_OBJECT
public:
    explicit QvSNMPNotificationReceiver(QObject *parent = nullptr);
    ~QvSNMPNotificationReceiver() override;

    // The sender of the running session (SessionParams()).
    static QvNotifySender SessionSender();

    // Opens the listener (closing one already open). Returns the library status; on failure
    // ErrorText() says why and how to mend it.
    int Start(const QString &address, quint16 port);
    void Stop();
    bool IsListening() const { return m_listener != 0; }
    quint16 Port() const { return m_port; }
    QString ErrorText() const { return m_error; }

    // Who may send; v3 starts discovering the switch's engine ID when it is not known.
    void SetSender(const QvNotifySender &sender);
    const QvNotifySender &Sender() const { return m_sender; }
    QByteArray SwitchEngineId() const { return m_switchEngine; }
    // Gives the switch's engine ID directly (known from elsewhere).
    void SetSwitchEngineId(const QByteArray &engineId);

    // Whether a notification counts as the switch's.
    bool Accepts(const QvSNMPNotification &n) const;

    quint64 AcceptedCount() const { return m_accepted; }
    quint64 IgnoredCount() const { return m_ignored; }
    // "14 notifications from other senders ignored", or "" when none.
    QString IgnoredText() const;

signals:
    void Received(const QvSNMPNotification &notification);
    void IgnoredChanged(quint64 count);

private:
    bool Deliver(const QvSNMPNotification &n);
    void Reject(int status);
    void InstallUser();
    void DiscoverSwitchEngine();

    quint64 m_listener = 0;
    quint16 m_port = 0;
    QString m_error;
    QvNotifySender m_sender;
    QByteArray m_switchEngine;
    bool m_discovering = false;
    quint64 m_discovery = 0;
    quint64 m_accepted = 0;
    quint64 m_ignored = 0;
};
