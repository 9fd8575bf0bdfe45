// Points the global session at a loopback agent for one test and puts the parameters back after.
#pragma once

#include "qvsnmpsession.h"

struct SessionScope {
    explicit SessionScope(quint16 port, qint32 timeout = 50)
    {
        saved = SessionParams();
        SessionParams().Device.Address = QStringLiteral("127.0.0.1");
        SessionParams().Device.Port = port;
        SessionParams().Timeout = timeout;
    }
    ~SessionScope() { SessionParams() = saved; }
    SessionScope(const SessionScope &) = delete;
    SessionScope &operator=(const SessionScope &) = delete;
    QvSNMPSessionParams saved;
};
