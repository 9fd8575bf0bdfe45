// Follows the switch after a device command, so that the user learns how it ended: the save
// status until the save has ended, or the switch's answers until it is back from a reboot.
// Asynchronous reads one second apart; each change is handed to the notify function.
#pragma once

#include "qvsnmprequest.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>

class QTimer;

class TDeviceWatch : public QObject {
    Q_OBJECT
public:
    enum Kind { SaveStatus, RebootReturn };
    using Notify = std::function<void(const QString &text, bool final)>;

    TDeviceWatch(Kind kind, Notify notify, QObject *parent = nullptr);
    ~TDeviceWatch() override;

    bool Finished() const { return m_finished; }

    static constexpr int IntervalMs = 1000;
    static constexpr int LimitMs = 180000;

signals:
    void Ended();

private:
    void Poll();
    void Answered(const QvSNMPError &outcome);
    void Finish(const QString &text);
    static void Completed(void *data, QvSNMPError *outcome, QvSNMPVarList *vars);

    bool m_dying = false;
    Kind m_kind;
    Notify m_notify;
    bool m_finished = false;
    bool m_silenceSeen = false;
    int m_lastStatus = -1;
    QElapsedTimer m_age;
    QTimer *m_timer;
    QvSNMPRequest m_request;
};
