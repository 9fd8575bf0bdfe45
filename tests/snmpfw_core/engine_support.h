// Shared by the request engine's test files: the global session opened once per process in a
// private folder, waiting with the event loop running, and request set-up.
#pragma once

#include "agent_support.h"
#include "qvoptionlist.h"
#include "qvsnmprequest.h"
#include "qvsnmpsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <functional>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

inline QString engineTestDir()
{
    // Removed when the test program ends.
    static const struct Dir {
        QString path = makeTempDir(QStringLiteral("kmv-engine"));
        ~Dir() { QDir(path).removeRecursively(); }
    } dir;
    return dir.path;
}

inline void openTestSession()
{
    OpenGlobalSession(engineTestDir());
}

struct SecuritySetup {
    const char *name;
    qint8 version;
    const char *user;
    qint32 level;
    qint32 auth;
    const char *authPw;
    qint32 priv;
    const char *privPw;
};

inline void applySecurity(QvSNMPRequest &r, const SecuritySetup &s, quint16 port)
{
    r.agentAddress = QStringLiteral("127.0.0.1");
    r.agentPort = port;
    r.version = s.version;
    r.readCommunity = QStringLiteral("public");
    r.writeCommunity = QStringLiteral("private");
    r.securityModel = 3;
    r.securityName = QString::fromLatin1(s.user ? s.user : "");
    r.securityLevel = s.level;
    r.authProtocol = s.auth;
    r.authPassword = QString::fromLatin1(s.authPw ? s.authPw : "");
    r.privProtocol = s.priv;
    r.privPassword = QString::fromLatin1(s.privPw ? s.privPw : "");
    r.timeout = 100;
}

// Collects asynchronous outcomes in arrival order.
struct Outcomes {
    struct Entry {
        int tag;
        QvSNMPError e;
        QStringList values;
    };
    QList<Entry> list;
    static void callback(void *data, QvSNMPError *e, QvSNMPVarList *vars)
    {
        auto *self = static_cast<std::pair<Outcomes *, int> *>(data);
        Entry en{self->second, *e, {}};
        for (int i = 0; i < vars->Count(); ++i)
            en.values << vars->Item(i).valueText;
        self->first->list << en;
    }
};

inline const QvOptionList &rowStatusOptions()
{
    static const QvOptionDesc table[] = {{1, "active"},       {2, "notInService"}, {3, "notReady"},
                                         {4, "createAndGo"},  {5, "createAndWait"}, {6, "destroy"},
                                         {0, nullptr}};
    static const QvOptionList list(table);
    return list;
}
